#include "core/colour.h"

namespace brixel {

Rgb ResolveOleColor(OleColor colour, const SystemColours& system) {
    if (IsSystemColour(colour)) return system.SystemColour(static_cast<int>(colour & 0xFFu));
    return Rgb{static_cast<std::uint8_t>(colour & 0xFFu),
               static_cast<std::uint8_t>((colour >> 8) & 0xFFu),
               static_cast<std::uint8_t>((colour >> 16) & 0xFFu)};
}

}  // namespace brixel
