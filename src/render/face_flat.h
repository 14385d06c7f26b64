// The flat face: its border in five styles, the default frame and the
// rounded corners.
#pragma once

#include "render/canvas.h"
#include "render/corners.h"
#include "render/paint_model.h"

#include <cstdint>
#include <optional>

namespace brixel {

// The border step of the flat face, over the whole rectangle.
void DrawFlatBorderAndRoundedCorners(Canvas& canvas, const Rect& rect, const PaintModel& m);

// The black frame, one design pixel wide, goes round the face, and the
// border moves as far in: while focused with ShowDefaultBorder, or while shown as default.
bool ShowsFlatDefaultFrame(const PaintModel& m);

// The outline in `border_style` (none, dots, dashes, solid, double line);
// the double line's inner outline closes its corners after `corners`.
// Every line is one design pixel wide at `dpi`.
void DrawBorderStyle(Canvas& canvas, const Rect& rect, Rgb colour, std::int16_t border_style,
                     const CornerShapes& corners, int dpi = kDesignDpi);

// The smaller the button, the less room the double line's inner outline
// needs: it is drawn only where it fits (ten design pixels each way).
bool DoubleLineInnerOutlineFits(const Rect& rect, int dpi = kDesignDpi);

// Rounding inside a border that sits within the default frame, in the
// border's colour; nothing for a border style that draws nothing.
void DrawRoundedCorners(Canvas& canvas, const Rect& inner, Rgb colour, std::int16_t border_style,
                        const CornerShapes& corners, int dpi = kDesignDpi);

// The colour of the rounding just inside the outer rectangle: black under
// the default frame, else the state border colour; none when the border
// style draws nothing and there is no frame.
std::optional<Rgb> DefaultCornerColour(const PaintModel& m);
void DrawDefaultRoundedCorners(Canvas& canvas, const Rect& outer, const PaintModel& m);

}  // namespace brixel
