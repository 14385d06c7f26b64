// The solid background of the 3D and flat faces, with the 3D face's pressed
// and released looks.
#pragma once

#include "render/canvas.h"
#include "render/paint_model.h"

namespace brixel {

// `after_click` is set when the face is repainted right after a mouse-up, a
// toggle change or a click from code: the 3D face then erases its pressed look.
void FillTheBackground(Canvas& canvas, const Rect& rect, bool after_click, const PaintModel& m);

}  // namespace brixel
