// The 3D face: its bevelled border, raised or pressed.
#pragma once

#include "render/canvas.h"
#include "render/paint_model.h"

namespace brixel {

// The border step of the 3D face, over the whole rectangle.
void Draw3DState(Canvas& canvas, const Rect& rect, const PaintModel& m);

}  // namespace brixel
