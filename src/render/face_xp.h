// The XP face: its background in the colours of the XP scheme, its border
// and focus and hot frames, and the split button's separator.
#pragma once

#include "render/canvas.h"
#include "render/paint_model.h"

#include <cstdint>

namespace brixel {

// The background step of the XP face, over the whole rectangle.
void DrawXPAppearance(Canvas& canvas, const Rect& rect, const PaintModel& m);
// The XP face at rest; it also fills a part of a split face that no
// gradient covers.
void DrawXPButtonDefault(Canvas& canvas, const Rect& rect, const PaintModel& m);

// The border step of the XP face, over the whole rectangle.
void DrawXPBorderAndFocusRects(Canvas& canvas, const Rect& rect, const PaintModel& m);

// The separator of a split button on the XP face. `scheme` is resolved
// (never kvnXPAutoDetect); `custom_border` is the state's border-colour-custom
// flag; `border` the state border colour.
void DrawXPMenuSeparatorLine(Canvas& canvas, const Rect& menu_part, std::int16_t scheme, bool custom_border,
                             Rgb border, std::int16_t menu_button_alignment, bool enabled);

}  // namespace brixel
