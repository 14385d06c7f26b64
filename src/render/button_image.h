// The picture of the state in force, with its margins, alignment, style and
// effect.
#pragma once

#include <optional>

#include "core/picture_choice.h"
#include "render/canvas.h"
#include "render/paint_model.h"

namespace brixel {

// The picture step: `rect` is the main part on a split button, else the face.
void DrawButtonImage(Canvas& canvas, const Rect& rect, const PaintModel& m);

// Draws the chosen picture in `rect` less the picture margins; of a picture
// larger than `visible`, only the part inside it.
void DrawImage(Canvas& canvas, const Rect& rect, const PaintModel& m, const PictureChoice& choice,
               std::optional<Rect> visible = std::nullopt);

}  // namespace brixel
