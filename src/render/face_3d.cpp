#include "render/face_3d.h"

namespace brixel {

// Until the bevels are drawn: a one-pixel frame in the lower bevel shade.
void Draw3DState(Canvas& canvas, const Rect& rect, const PaintModel& m) {
    canvas.FrameRect(rect, Brush::Solid(Resolve(m, m.props.BevelLowerShade)));
}

}  // namespace brixel
