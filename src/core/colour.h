// OLE colours as the control stores them: either a plain 0x00BBGGRR value or a
// reference to a system colour (top byte 0x80, index in the low byte). They are
// resolved to RGB only immediately before drawing, so a theme change between
// two paints is honoured.
#pragma once

#include <cstdint>

namespace brixel {

using OleColor = std::uint32_t;  // travels through automation as a signed 32-bit value

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// What the platform supplies: the current RGB of a system colour index.
class SystemColours {
public:
    virtual ~SystemColours() = default;
    virtual Rgb SystemColour(int index) const = 0;
};

inline constexpr OleColor kSystemColourFlag = 0x80000000u;
inline constexpr int kColourBtnFace = 15;         // COLOR_BTNFACE
inline constexpr int kColourInactiveBorder = 11;  // COLOR_INACTIVEBORDER

constexpr bool IsSystemColour(OleColor c) { return (c & 0xFF000000u) == kSystemColourFlag; }
constexpr OleColor SystemColourRef(int index) {
    return kSystemColourFlag | (static_cast<OleColor>(index) & 0xFFu);
}
constexpr OleColor MakeOleColor(Rgb c) {
    return static_cast<OleColor>(c.r) | (static_cast<OleColor>(c.g) << 8) |
           (static_cast<OleColor>(c.b) << 16);
}

// Any top byte other than 0x80 is ignored: the value is read as 0x00BBGGRR.
Rgb ResolveOleColor(OleColor colour, const SystemColours& system);

}  // namespace brixel
