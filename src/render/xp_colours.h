// Every colour of the XP face, one table row per scheme. The face routines
// take their colours only from here, so the three schemes differ in data,
// not in code (apart from the silver pressed face's own layout).
#pragma once

#include "core/colour.h"

#include <cstdint>
#include <optional>

namespace brixel {

// A two-colour gradient: top to bottom, or left to right for the strips.
struct XPGradient {
    Rgb start{}, end{};
};

// The face at rest (also under the focus and hot frames): main area, bottom
// band and right strip, and the pixels that soften the four corners.
struct XPRestColours {
    XPGradient main, bottom_band, right_strip;
    std::optional<Rgb> corner_top, corner_bottom;
};

// The pressed face. Blue and olive green: main area, top and bottom bands and
// left strip. Silver: an upper and a lower gradient, split at two thirds.
struct XPPressedColours {
    bool two_part = false;
    XPGradient main, top_band, bottom_band, left_strip;  // four-gradient layout
    XPGradient upper, lower;                             // two-part layout
    Rgb corner_top{}, corner_bottom{};
};

// The focus or hot frame: lines at top + 1, top + 2, bottom - 3 and
// bottom - 2, and the two side strips.
struct XPFrameColours {
    Rgb lines[4]{};
    XPGradient strips;
};

// The smaller face inside a frame: one gradient, or two halves meeting at
// `mid`, with white side lines when `white_lines`.
struct XPShrinkedColours {
    Rgb top{}, bottom{};
    std::optional<Rgb> mid;
    bool white_lines = false;
};

struct XPDisabledColours {
    Rgb fill{}, shade1{}, shade2{};
};

// The one-pixel ring outside the outline: lighter along the top and left,
// darker along the bottom and right.
struct XPShadowColours {
    Rgb top_left{}, bottom_right{};
};

inline constexpr int kXPBorderPlain = 0;
inline constexpr int kXPBorderFocused = 1;
inline constexpr int kXPBorderMouseOver = 2;
inline constexpr int kXPBorderPressed = 3;

struct XPLook {
    XPRestColours rest;
    XPPressedColours pressed;
    XPFrameColours focus, hot;
    XPShrinkedColours shrinked_focused, shrinked_hot;
    XPDisabledColours disabled;
    Rgb border{};                    // the outline while the border colour is the scheme's
    Rgb ring_outer{}, ring_inner{};  // anti-aliasing pixels at the outline's corners
    XPShadowColours shadow[4];       // by border mode
};

// Any value outside the three schemes reads as blue.
const XPLook& XPLookOf(std::int16_t scheme);

// The light grey pixel beside the outline's bottom-right corner.
inline constexpr Rgb kXPBottomRightSheen{240, 240, 240};

}  // namespace brixel
