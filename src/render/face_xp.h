// The XP face: its background in the colours of the XP scheme, its border
// and focus and hot frames (xp_border.h), and the split button's separator.
#pragma once

#include "render/canvas.h"
#include "render/paint_model.h"
#include "render/xp_border.h"

#include <cstdint>

namespace brixel {

// Which face routine the background step runs, first match wins.
enum class XPFaceChoice : std::uint8_t { Disabled, SplitMenuDropped, Pressed, Default, FocusRect, MouseOver };
XPFaceChoice ChooseXPFace(const PaintModel& m);

// The background step of the XP face, over the whole rectangle.
void DrawXPAppearance(Canvas& canvas, const Rect& rect, const PaintModel& m);

// The face routines; each deflates `rect` by 1 for the face and ends with
// the border over the whole rectangle.
void DrawXPButtonDefault(Canvas& canvas, const Rect& rect, const XPFaceInput& in);
void DrawXPButtonPressed(Canvas& canvas, const Rect& rect, const XPFaceInput& in);
void DrawXPButtonFocusRect(Canvas& canvas, const Rect& rect, const XPFaceInput& in);
void DrawXPButtonMouseOver(Canvas& canvas, const Rect& rect, const XPFaceInput& in);
void DrawXPButtonDisabled(Canvas& canvas, const Rect& rect, const XPFaceInput& in);
// The open menu part of a split button in the pressed colours.
void DrawXPMenuArea(Canvas& canvas, const Rect& menu_part, const XPFaceInput& in);
// The smaller face inside the focus (focused) or hot frame; `rect` is the
// frame's rectangle.
void DrawXPButtonShrinked(Canvas& canvas, const Rect& rect, std::int16_t scheme, bool focused,
                          FastPrimitives fast);

// The XP face at rest; it also fills a part of a split face that no
// gradient covers.
void DrawXPButtonDefault(Canvas& canvas, const Rect& rect, const PaintModel& m);

// --- Geometry, for a face rectangle already deflated by 1 ---------------------------

struct XPRestLayout {
    Rect main, bottom_band, right_strip;
};
XPRestLayout XPRestAreas(const Rect& face);

struct XPPressedLayout {
    Rect main, top_band, bottom_band, left_strip;
};
XPPressedLayout XPPressedAreas(const Rect& face);

// Silver: split at k = (height / 3) * 2 below the top.
struct XPTwoPartLayout {
    Rect upper, lower;
};
XPTwoPartLayout XPSilverPressedAreas(const Rect& face);

// The smaller face of a frame's rectangle, and its two halves.
Rect XPShrinkedFace(const Rect& rect);
XPTwoPartLayout XPShrinkedHalves(const Rect& rect);

// The separator of a split button on the XP face. `scheme` is resolved
// (never kvnXPAutoDetect); `custom_border` is the state's border-colour-custom
// flag; `border` the state border colour. Each line is one pixel at 96 dpi
// and grows with `dpi`, as do its insets.
void DrawXPMenuSeparatorLine(Canvas& canvas, const Rect& menu_part, std::int16_t scheme, bool custom_border,
                             Rgb border, std::int16_t menu_button_alignment, bool enabled, int dpi = kDesignDpi);

}  // namespace brixel
