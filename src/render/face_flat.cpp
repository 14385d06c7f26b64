#include "render/face_flat.h"

namespace brixel {

// Until the border styles and corners are drawn: a one-pixel frame in the
// state border colour.
void DrawFlatBorderAndRoundedCorners(Canvas& canvas, const Rect& rect, const PaintModel& m) {
    canvas.FrameRect(rect, Brush::Solid(StateBorderColour(m)));
}

}  // namespace brixel
