#include "render/face_xp.h"

#include "render/menu_part.h"
#include "render/xp_colours.h"

namespace brixel {
namespace {

// The scheme's own border colour, which the separator takes while the user
// has not chosen one.
Rgb SchemeBorderColour(std::int16_t scheme) { return XPLookOf(scheme).border; }

void Gradient(Canvas& canvas, const Rect& r, const XPGradient& g, GradientDirection direction,
              FastPrimitives fast) {
    DrawRectangularGradient(canvas, r, g.start, g.end, direction, fast);
}

void Vertical(Canvas& canvas, const Rect& r, const XPGradient& g, FastPrimitives fast) {
    Gradient(canvas, r, g, GradientDirection::TopToBottom, fast);
}

void FillRest(Canvas& canvas, const Rect& face, const XPRestColours& c, FastPrimitives fast) {
    const XPRestLayout areas = XPRestAreas(face);
    Vertical(canvas, areas.main, c.main, fast);
    Vertical(canvas, areas.bottom_band, c.bottom_band, fast);
    Gradient(canvas, areas.right_strip, c.right_strip, GradientDirection::LeftToRight, fast);
}

template <std::size_t N>
void SetPixels(Canvas& canvas, const std::array<Point, N>& points, Rgb colour) {
    for (const Point& p : points) canvas.SetPixel(p, colour);
}

// The face's own softening of its corners, left out while a border colour
// of the user's draws square-ish corners anyway.
void CornerPixels(Canvas& canvas, const Rect& face, const XPFaceInput& in, std::optional<Rgb> top,
                  std::optional<Rgb> bottom) {
    if (in.custom_border) return;
    if (top) SetPixels(canvas, XPInnerTopPixels(face), *top);
    if (bottom) SetPixels(canvas, XPInnerBottomPixels(face), *bottom);
}

void FillPressed(Canvas& canvas, const Rect& face, const XPPressedColours& c, FastPrimitives fast) {
    if (c.two_part) {
        const XPTwoPartLayout parts = XPSilverPressedAreas(face);
        Vertical(canvas, parts.upper, c.upper, fast);
        Vertical(canvas, parts.lower, c.lower, fast);
        return;
    }
    const XPPressedLayout areas = XPPressedAreas(face);
    Vertical(canvas, areas.main, c.main, fast);
    Vertical(canvas, areas.top_band, c.top_band, fast);
    Vertical(canvas, areas.bottom_band, c.bottom_band, fast);
    Gradient(canvas, areas.left_strip, c.left_strip, GradientDirection::LeftToRight, fast);
}

// The rest face under a frame, the frame, and the smaller face inside it.
void FramedFace(Canvas& canvas, const Rect& rect, const XPFaceInput& in, bool focused) {
    const XPLook& look = XPLookOf(in.scheme);
    const Rect face = rect.Deflated(1);
    FillRest(canvas, face, look.rest, in.fast);
    if (focused) {
        DrawXPButtonFocusRectOnly(canvas, rect, in.scheme, in.fast);
    } else {
        DrawXPButtonMouseOverRectOnly(canvas, rect, in.scheme, in.fast);
    }
    DrawXPButtonShrinked(canvas, face, in.scheme, focused, in.fast);
    CornerPixels(canvas, face, in, look.rest.corner_top, look.rest.corner_bottom);
    DrawXPButtonBorder(canvas, rect, in, focused ? kXPBorderFocused : kXPBorderMouseOver);
}

}  // namespace

// --- Geometry ------------------------------------------------------------------------

XPRestLayout XPRestAreas(const Rect& f) {
    return {{f.left, f.top, f.right, f.bottom - 4},
            {f.left, f.bottom - 4, f.right, f.bottom - 1},
            {f.right - 3, f.top + 1, f.right - 1, f.bottom - 3}};
}

XPPressedLayout XPPressedAreas(const Rect& f) {
    return {{f.left, f.top + 3, f.right, f.bottom - 3},
            {f.left, f.top, f.right, f.top + 3},
            {f.left, f.bottom - 4, f.right, f.bottom - 1},
            {f.left, f.top, f.left + 3, f.bottom}};
}

XPTwoPartLayout XPSilverPressedAreas(const Rect& f) {
    const int k = (f.bottom - f.top) / 3 * 2;
    return {{f.left, f.top + 1, f.right, f.top + k}, {f.left, f.top + k, f.right, f.bottom}};
}

Rect XPShrinkedFace(const Rect& r) { return r.Deflated(3); }

XPTwoPartLayout XPShrinkedHalves(const Rect& r) {
    const Rect face = XPShrinkedFace(r);
    const int m = r.top + (r.bottom - r.top) / 2;
    return {{face.left, face.top, face.right, m}, {face.left, m, face.right, face.bottom}};
}

// --- The face routines ---------------------------------------------------------------

XPFaceChoice ChooseXPFace(const PaintModel& m) {
    const InteractionState& s = m.state;
    if (!m.props.Enabled) return XPFaceChoice::Disabled;
    if (IsSplitButton(m) && s.menu_open) return XPFaceChoice::SplitMenuDropped;
    if (s.pressed || ToggledDown(m) || (s.menu_open && IsDropDownOnlyMenu(m.props))) return XPFaceChoice::Pressed;
    if (s.mouse_in) return XPFaceChoice::MouseOver;
    return m.has_focus || ShownAsDefault(m) ? XPFaceChoice::FocusRect : XPFaceChoice::Default;
}

void DrawXPAppearance(Canvas& canvas, const Rect& rect, const PaintModel& m) {
    const XPFaceInput in = XPFaceInputOf(m);
    switch (ChooseXPFace(m)) {
        case XPFaceChoice::Disabled: DrawXPButtonDisabled(canvas, rect, in); break;
        case XPFaceChoice::SplitMenuDropped:
            DrawXPButtonDefault(canvas, rect, in);
            DrawXPMenuArea(canvas, GetMenuButtonBounds(rect, m.props).menu, in);
            break;
        case XPFaceChoice::Pressed: DrawXPButtonPressed(canvas, rect, in); break;
        case XPFaceChoice::Default: DrawXPButtonDefault(canvas, rect, in); break;
        case XPFaceChoice::FocusRect: DrawXPButtonFocusRect(canvas, rect, in); break;
        case XPFaceChoice::MouseOver: DrawXPButtonMouseOver(canvas, rect, in); break;
    }
}

void DrawXPButtonDefault(Canvas& canvas, const Rect& rect, const PaintModel& m) {
    DrawXPButtonDefault(canvas, rect, XPFaceInputOf(m));
}

void DrawXPButtonDefault(Canvas& canvas, const Rect& rect, const XPFaceInput& in) {
    const XPLook& look = XPLookOf(in.scheme);
    const Rect face = rect.Deflated(1);
    FillRest(canvas, face, look.rest, in.fast);
    CornerPixels(canvas, face, in, look.rest.corner_top, look.rest.corner_bottom);
    DrawXPButtonBorder(canvas, rect, in, kXPBorderPlain);
}

void DrawXPButtonFocusRect(Canvas& canvas, const Rect& rect, const XPFaceInput& in) {
    FramedFace(canvas, rect, in, true);
}

void DrawXPButtonMouseOver(Canvas& canvas, const Rect& rect, const XPFaceInput& in) {
    FramedFace(canvas, rect, in, false);
}

void DrawXPButtonPressed(Canvas& canvas, const Rect& rect, const XPFaceInput& in) {
    const XPPressedColours& c = XPLookOf(in.scheme).pressed;
    const Rect face = rect.Deflated(1);
    FillPressed(canvas, face, c, in.fast);
    if (c.two_part) DrawXPSmallOutline(canvas, face.Deflated(1), kWhite);
    CornerPixels(canvas, face, in, c.corner_top, c.corner_bottom);
    if (c.two_part) {
        // The inner outline's top corners catch the light.
        canvas.SetPixel({face.left + 2, face.top + 2}, kWhite);
        canvas.SetPixel({face.right - 3, face.top + 2}, kWhite);
    }
    DrawXPButtonBorder(canvas, rect, in, kXPBorderPressed);
}

void DrawXPMenuArea(Canvas& canvas, const Rect& menu_part, const XPFaceInput& in) {
    FillPressed(canvas, menu_part.Deflated(1), XPLookOf(in.scheme).pressed, in.fast);
}

void DrawXPButtonDisabled(Canvas& canvas, const Rect& rect, const XPFaceInput& in) {
    const XPDisabledColours& c = XPLookOf(in.scheme).disabled;
    const Rect face = rect.Deflated(1);
    if (!face.Deflated(1).IsEmpty()) canvas.FillRect(face.Deflated(1), Brush::Solid(c.fill));
    DrawXPOutline(canvas, face, c.fill);
    SetPixels(canvas, XPOutlineOuterPixels(face), c.shade1);
    SetPixels(canvas, XPInnerTopPixels(face), c.shade2);
    SetPixels(canvas, XPInnerBottomPixels(face), c.shade2);
    BlendXPCornersIntoContainer(canvas, rect, in.parent_back);
    SetPixels(canvas, XPCornerPixels(face), in.parent_back);
}

void DrawXPButtonShrinked(Canvas& canvas, const Rect& rect, std::int16_t scheme, bool focused,
                          FastPrimitives fast) {
    const XPLook& look = XPLookOf(scheme);
    const XPShrinkedColours& c = focused ? look.shrinked_focused : look.shrinked_hot;
    if (!c.mid) {
        Vertical(canvas, XPShrinkedFace(rect), {c.top, c.bottom}, fast);
        return;
    }
    const XPTwoPartLayout halves = XPShrinkedHalves(rect);
    Vertical(canvas, halves.upper, {c.top, *c.mid}, fast);
    Vertical(canvas, halves.lower, {*c.mid, c.bottom}, fast);
    if (!c.white_lines) return;
    for (const int x : {rect.left + 2, rect.right - 3}) {
        const Rect line{x, rect.top + 3, x + 1, rect.bottom - 3};
        if (!line.IsEmpty()) canvas.FillRect(line, Brush::Solid(kWhite));
    }
}

void DrawXPMenuSeparatorLine(Canvas& canvas, const Rect& menu_part, std::int16_t scheme, bool custom_border,
                             Rgb border, std::int16_t menu_button_alignment, bool enabled, int dpi) {
    const Rgb colour = !custom_border && enabled ? SchemeBorderColour(scheme) : border;
    const bool left = menu_button_alignment == kvnMenuButtonAlignmentLeft;
    const int line = ScaleForDpi(1, dpi);
    // The coloured line is the menu part's edge, the white one lies inside it.
    const int x = left ? menu_part.right - line : menu_part.left;
    const int white_x = left ? menu_part.right - 2 * line : menu_part.left + line;
    const int top = menu_part.top + ScaleForDpi(2, dpi);
    const int bottom = menu_part.bottom - ScaleForDpi(2, dpi);
    for (int i = 0; i < line; ++i) {
        canvas.DrawLine({x + i, top}, {x + i, bottom}, Pen{colour, PenStyle::Solid});
        canvas.DrawLine({white_x + i, top}, {white_x + i, bottom}, Pen{kWhite, PenStyle::Solid});
    }
}

}  // namespace brixel
