#include "render/xp_border.h"

#include "core/xp_scheme_detection.h"
#include "render/xp_colours.h"

namespace brixel {
namespace {

template <std::size_t N>
void SetPixels(Canvas& canvas, const std::array<Point, N>& points, Rgb colour) {
    for (const Point& p : points) canvas.SetPixel(p, colour);
}

void FillLine(Canvas& canvas, const Rect& r, Rgb colour) {
    if (!r.IsEmpty()) canvas.FillRect(r, Brush::Solid(colour));
}

void DrawFrame(Canvas& canvas, const Rect& rect, const XPFrameColours& colours, FastPrimitives fast) {
    const XPFrameLayout frame = XPFrameAreas(rect.Deflated(1));
    for (std::size_t i = 0; i < frame.lines.size(); ++i) FillLine(canvas, frame.lines[i], colours.lines[i]);
    for (const Rect& strip : {frame.left_strip, frame.right_strip}) {
        DrawRectangularGradient(canvas, strip, colours.strips.start, colours.strips.end,
                                GradientDirection::TopToBottom, fast);
    }
}

}  // namespace

XPFaceInput XPFaceInputOf(const PaintModel& m) {
    XPFaceInput in;
    in.scheme = EffectiveXPScheme(m);
    in.parent_back = m.parent_back_colour;
    in.custom_border = StateBorderColourIsCustom(m.props, m.state);
    in.border = StateBorderColour(m);
    in.scheme_border = XPBorderColourOfScheme(m.detected_xp_scheme, false);
    in.fast = Fast(m);
    return in;
}

// --- Corner geometry -----------------------------------------------------------------

std::array<Point, 8> XPOutlineOuterPixels(const Rect& r) {
    const int l = r.left, t = r.top, x = r.right - 1, y = r.bottom - 1;
    return {{{l + 1, t}, {l, t + 1}, {x - 1, t}, {x, t + 1}, {l, y - 1}, {l + 1, y}, {x, y - 1}, {x - 1, y}}};
}

std::array<Point, 4> XPOutlineDiagonalPixels(const Rect& r) {
    const int l = r.left, t = r.top, x = r.right - 1, y = r.bottom - 1;
    return {{{l + 1, t + 1}, {x - 1, t + 1}, {l + 1, y - 1}, {x - 1, y - 1}}};
}

std::array<Point, 4> XPInnerTopPixels(const Rect& r) {
    const int l = r.left, t = r.top, x = r.right - 1;
    return {{{l + 2, t + 1}, {l + 1, t + 2}, {x - 2, t + 1}, {x - 1, t + 2}}};
}

std::array<Point, 4> XPInnerBottomPixels(const Rect& r) {
    const int l = r.left, x = r.right - 1, y = r.bottom - 1;
    return {{{l + 1, y - 2}, {l + 2, y - 1}, {x - 1, y - 2}, {x - 2, y - 1}}};
}

std::array<Point, 4> XPCornerPixels(const Rect& r) {
    const int x = r.right - 1, y = r.bottom - 1;
    return {{{r.left, r.top}, {x, r.top}, {r.left, y}, {x, y}}};
}

std::array<Point, 12> XPOutsideCornerPixels(const Rect& r) {
    const int l = r.left, t = r.top, x = r.right - 1, y = r.bottom - 1;
    return {{{l, t}, {l + 1, t}, {l, t + 1},
             {x, t}, {x - 1, t}, {x, t + 1},
             {l, y}, {l + 1, y}, {l, y - 1},
             {x, y}, {x - 1, y}, {x, y - 1}}};
}

XPFrameLayout XPFrameAreas(const Rect& f) {
    const auto row = [&f](int y) { return Rect{f.left, y, f.right, y + 1}; };
    return {{row(f.top + 1), row(f.top + 2), row(f.bottom - 3), row(f.bottom - 2)},
            {f.left + 1, f.top + 2, f.left + 3, f.bottom - 2},
            {f.right - 3, f.top + 2, f.right - 1, f.bottom - 2}};
}

// --- The outline --------------------------------------------------------------------

namespace {

// The four sides of `r`, `inset` pixels short of each corner.
void Sides(Canvas& canvas, const Rect& r, int inset, Rgb colour) {
    FillLine(canvas, {r.left + inset, r.top, r.right - inset, r.top + 1}, colour);
    FillLine(canvas, {r.left + inset, r.bottom - 1, r.right - inset, r.bottom}, colour);
    FillLine(canvas, {r.left, r.top + inset, r.left + 1, r.bottom - inset}, colour);
    FillLine(canvas, {r.right - 1, r.top + inset, r.right, r.bottom - inset}, colour);
}

}  // namespace

void DrawXPOutline(Canvas& canvas, const Rect& r, Rgb colour) {
    if (r.IsEmpty()) return;
    Sides(canvas, r, 2, colour);
    SetPixels(canvas, XPOutlineDiagonalPixels(r), colour);
}

void DrawXPSmallOutline(Canvas& canvas, const Rect& r, Rgb colour) {
    if (!r.IsEmpty()) Sides(canvas, r, 1, colour);
}

// The scheme's own colours only while the state's border colour is the
// desktop scheme's; any other colour draws outline and corners alike.
void DrawXPButtonBorder(Canvas& canvas, const Rect& rect, const XPFaceInput& in, int mode) {
    const XPLook& look = XPLookOf(in.scheme);
    const bool scheme_colours = in.border == in.scheme_border;
    const Rect face = rect.Deflated(1);
    DrawXPOutline(canvas, face, scheme_colours ? look.border : in.border);
    SetPixels(canvas, XPOutlineOuterPixels(face), scheme_colours ? look.ring_outer : in.border);
    SetPixels(canvas, XPOutlineDiagonalPixels(face), scheme_colours ? look.ring_inner : in.border);
    // Outside the outline: the container at the corners, the shadow between.
    SetPixels(canvas, XPOutsideCornerPixels(rect), in.parent_back);
    const std::array<Point, 4> corners = XPCornerPixels(face);
    SetPixels(canvas, std::array<Point, 3>{corners[0], corners[1], corners[2]}, in.parent_back);
    canvas.SetPixel(corners[3], kXPBottomRightSheen);
    DrawXPButtonOuterShadow(canvas, rect, in.scheme, mode);
}

void DrawXPButtonOuterShadow(Canvas& canvas, const Rect& r, std::int16_t scheme, int mode) {
    if (mode < kXPBorderPlain || mode > kXPBorderPressed) mode = kXPBorderPlain;
    const XPShadowColours& shadow = XPLookOf(scheme).shadow[mode];
    FillLine(canvas, {r.left + 2, r.top, r.right - 2, r.top + 1}, shadow.top_left);
    FillLine(canvas, {r.left, r.top + 2, r.left + 1, r.bottom - 2}, shadow.top_left);
    FillLine(canvas, {r.left + 2, r.bottom - 1, r.right - 2, r.bottom}, shadow.bottom_right);
    FillLine(canvas, {r.right - 1, r.top + 2, r.right, r.bottom - 2}, shadow.bottom_right);
}

void BlendXPCornersIntoContainer(Canvas& canvas, const Rect& rect, Rgb parent_back) {
    DrawXPOutline(canvas, rect, parent_back);
    SetPixels(canvas, XPOutsideCornerPixels(rect), parent_back);
}

void DrawXPButtonDisabledBorder(Canvas& canvas, const Rect& rect, std::int16_t scheme, Rgb parent_back,
                                Rgb border) {
    const Rect face = rect.Deflated(1);
    DrawXPOutline(canvas, face, border);
    SetPixels(canvas, XPOutlineOuterPixels(face), XPLookOf(scheme).disabled.shade1);
    BlendXPCornersIntoContainer(canvas, rect, parent_back);
}

// --- Frames and the border step --------------------------------------------------------

void DrawXPButtonFocusRectOnly(Canvas& canvas, const Rect& rect, std::int16_t scheme, FastPrimitives fast) {
    DrawFrame(canvas, rect, XPLookOf(scheme).focus, fast);
}

void DrawXPButtonMouseOverRectOnly(Canvas& canvas, const Rect& rect, std::int16_t scheme, FastPrimitives fast) {
    DrawFrame(canvas, rect, XPLookOf(scheme).hot, fast);
}

XPBorderChoice ChooseXPBorder(const PaintModel& m) {
    if (!m.props.Enabled) return XPBorderChoice::Disabled;
    const bool focused_or_default = m.has_focus || ShownAsDefault(m);
    if (m.state.pressed || m.state.menu_open || (!m.state.mouse_in && !focused_or_default))
        return XPBorderChoice::Plain;
    return m.state.mouse_in ? XPBorderChoice::MouseOver : XPBorderChoice::Focused;
}

void DrawXPBorderAndFocusRects(Canvas& canvas, const Rect& rect, const PaintModel& m) {
    const XPFaceInput in = XPFaceInputOf(m);
    switch (ChooseXPBorder(m)) {
        case XPBorderChoice::Disabled:
            DrawXPButtonDisabledBorder(canvas, rect, in.scheme, in.parent_back, in.border);
            break;
        case XPBorderChoice::Plain: DrawXPButtonBorder(canvas, rect, in, kXPBorderPlain); break;
        case XPBorderChoice::Focused:
            DrawXPButtonFocusRectOnly(canvas, rect, in.scheme, in.fast);
            DrawXPButtonBorder(canvas, rect, in, kXPBorderFocused);
            break;
        case XPBorderChoice::MouseOver:
            DrawXPButtonMouseOverRectOnly(canvas, rect, in.scheme, in.fast);
            DrawXPButtonBorder(canvas, rect, in, kXPBorderMouseOver);
            break;
    }
}

}  // namespace brixel
