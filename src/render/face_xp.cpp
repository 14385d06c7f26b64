#include "render/face_xp.h"

namespace brixel {
namespace {

// The scheme's own border colour, which the separator takes while the user
// has not chosen one.
Rgb SchemeBorderColour(std::int16_t scheme) {
    return scheme == kvnXPOliveGreenScheme ? Rgb{55, 98, 6} : Rgb{0, 60, 116};
}

void PlainFace(Canvas& canvas, const Rect& rect, const PaintModel& m) {
    canvas.FillRect(rect, Brush::Solid(Resolve(m, SelectBackColor(m.props, m.state))));
}

}  // namespace

// Until the scheme's gradients are drawn: the plain state back colour.
void DrawXPAppearance(Canvas& canvas, const Rect& rect, const PaintModel& m) { PlainFace(canvas, rect, m); }

void DrawXPButtonDefault(Canvas& canvas, const Rect& rect, const PaintModel& m) {
    canvas.FillRect(rect, Brush::Solid(Resolve(m, m.props.BackColor)));
}

// Until the rounded XP border is drawn: a one-pixel frame in the state
// border colour.
void DrawXPBorderAndFocusRects(Canvas& canvas, const Rect& rect, const PaintModel& m) {
    canvas.FrameRect(rect, Brush::Solid(StateBorderColour(m)));
}

void DrawXPMenuSeparatorLine(Canvas& canvas, const Rect& menu_part, std::int16_t scheme, bool custom_border,
                             Rgb border, std::int16_t menu_button_alignment, bool enabled) {
    const Rgb colour = !custom_border && enabled ? SchemeBorderColour(scheme) : border;
    const bool left = menu_button_alignment == kvnMenuButtonAlignmentLeft;
    const int x = left ? menu_part.right - 1 : menu_part.left;
    const int white_x = left ? menu_part.right - 2 : menu_part.left + 1;
    const int top = menu_part.top + 2;
    const int bottom = menu_part.bottom - 2;
    canvas.DrawLine({x, top}, {x, bottom}, Pen{colour, PenStyle::Solid});
    canvas.DrawLine({white_x, top}, {white_x, bottom}, Pen{kWhite, PenStyle::Solid});
}

}  // namespace brixel
