// The flat face: its border in five styles, the default frame and the
// rounded corners.
#pragma once

#include "render/canvas.h"
#include "render/paint_model.h"

namespace brixel {

// The border step of the flat face, over the whole rectangle.
void DrawFlatBorderAndRoundedCorners(Canvas& canvas, const Rect& rect, const PaintModel& m);

}  // namespace brixel
