// Where a picture goes inside its area: the area from the margins, then the
// aligned position. Alignment uses the picture's size clipped to the area, so
// an oversized picture starts at the area's edge and is then drawn whole.
#pragma once

#include "core/geometry.h"
#include "render/canvas.h"

#include <cstdint>
#include <string_view>

namespace brixel {

struct PicturePlacement {
    Rect area;      // the picture area
    Point origin;   // the picture's top-left corner
    Size shown;     // the picture's size clipped to the area
};

// `rect` deflated by the four margin fields Left;Top;Right;Bottom.
Rect PictureArea(const Rect& rect, std::u16string_view margins);

PicturePlacement PlacePicture(const Rect& area, Size picture, std::int16_t h_alignment,
                              std::int16_t v_alignment);

// The popup effect: the area and the picture two pixels up and to the left.
PicturePlacement PoppedUp(const PicturePlacement& p);

}  // namespace brixel
