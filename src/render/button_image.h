// The picture of the state in force, with its margins, alignment, style and
// effect.
#pragma once

#include "render/canvas.h"
#include "render/paint_model.h"

namespace brixel {

// The picture step: `rect` is the main part on a split button, else the face.
void DrawButtonImage(Canvas& canvas, const Rect& rect, const PaintModel& m);

}  // namespace brixel
