#include "render/picture_placement.h"

#include "core/enums.h"
#include "core/text_fields.h"

#include <algorithm>

namespace brixel {
namespace {

// Any alignment value outside the three takes the near edge.
int Align(std::int16_t alignment, int near_edge, int far_edge, int shown, std::int16_t far_value,
          std::int16_t centre_value) {
    if (alignment == far_value) return far_edge - shown;
    if (alignment == centre_value) return near_edge + (far_edge - shown - near_edge) / 2;
    return near_edge;
}

}  // namespace

Rect PictureArea(const Rect& rect, std::u16string_view margins) {
    return {rect.left + ParseIndexData(margins, 0), rect.top + ParseIndexData(margins, 1),
            rect.right - ParseIndexData(margins, 2), rect.bottom - ParseIndexData(margins, 3)};
}

PicturePlacement PlacePicture(const Rect& area, Size picture, std::int16_t h_alignment, std::int16_t v_alignment) {
    const Size shown{std::min(area.Width(), picture.width), std::min(area.Height(), picture.height)};
    const Point origin{Align(h_alignment, area.left, area.right, shown.width, kvnRightJustify, kvnHCenter),
                       Align(v_alignment, area.top, area.bottom, shown.height, kvnBottomJustify, kvnVCenter)};
    return {area, origin, shown};
}

PicturePlacement PoppedUp(const PicturePlacement& p) {
    return {p.area.Offset(-2, -2), {p.origin.x - 2, p.origin.y - 2}, p.shown};
}

}  // namespace brixel
