#include "render/gradient.h"

#include <algorithm>
#include <array>

namespace brixel {
namespace {

using Direction = GradientDirection;

bool ValidVariant(std::int16_t v) { return v >= kvnGradientStyleVariant1 && v <= kvnGradientStyleVariant4; }

// --- Horizontal and vertical ----------------------------------------------

// Per variant: whether the face is cut in two halves, and whether the first
// (or only) part runs from colour 2 to colour 1.
struct LinearVariant {
    bool halves;
    bool reversed;
};
constexpr std::array<LinearVariant, 4> kLinearVariants{{
    {false, false},  // 1: c1 to c2
    {false, true},   // 2: c2 to c1
    {true, false},   // 3: c1 to c2, then back to c1
    {true, true},    // 4: c2 to c1, then back to c2
}};

void DrawLinear(Canvas& canvas, const Rect& r, const GradientParams& p, FastPrimitives fast, Direction d) {
    if (!ValidVariant(p.variant)) return;
    const LinearVariant v = kLinearVariants[static_cast<std::size_t>(p.variant)];
    const Rgb from = v.reversed ? p.colour2 : p.colour1;
    const Rgb to = v.reversed ? p.colour1 : p.colour2;
    if (!v.halves) {
        DrawRectangularGradient(canvas, r, from, to, d, fast);
        return;
    }
    Rect first = r, second = r;
    if (d == Direction::TopToBottom) {
        first.bottom = second.top = r.top + r.Height() / 2;
    } else {
        first.right = second.left = r.left + r.Width() / 2;
    }
    DrawRectangularGradient(canvas, first, from, to, d, fast);
    DrawRectangularGradient(canvas, second, to, from, d, fast);
}

// --- Diagonal and corner ---------------------------------------------------

enum class Pick : std::uint8_t { C1, C2, Mid };

Rgb Picked(Pick pick, const GradientParams& p) {
    switch (pick) {
        case Pick::C1: return p.colour1;
        case Pick::C2: return p.colour2;
        case Pick::Mid: break;
    }
    return MidpointColour(p.colour1, p.colour2);
}

// Per variant: the corner colour of each triangle and the diagonal's colour.
struct DiagonalVariant {
    Pick corner_a, corner_b, diagonal;
};
constexpr std::array<DiagonalVariant, 4> kDiagonalVariants{{
    {Pick::C1, Pick::C2, Pick::Mid},
    {Pick::C2, Pick::C1, Pick::Mid},
    {Pick::C1, Pick::C1, Pick::C2},
    {Pick::C2, Pick::C2, Pick::C1},
}};

// Triangle types A and B cut the face along one diagonal.
void DrawDiagonal(Canvas& canvas, const Rect& r, const GradientParams& p, FastPrimitives fast, int type_a,
                  int type_b) {
    if (!ValidVariant(p.variant)) return;
    const DiagonalVariant v = kDiagonalVariants[static_cast<std::size_t>(p.variant)];
    const Rgb diagonal = Picked(v.diagonal, p);
    DrawTriangleOfType(canvas, r, type_a, Picked(v.corner_a, p), diagonal, fast);
    DrawTriangleOfType(canvas, r, type_b, Picked(v.corner_b, p), diagonal, fast);
}

// --- XP styles ---------------------------------------------------------------

// The XP styles draw their full XP form only on the XP appearance; elsewhere
// they take the whole rectangle in the normal state.
struct XPFrame {
    Rect r;
    int state;
};
XPFrame XPFrameFor(const Rect& r, const GradientParams& p) {
    if (p.appearance == kvnXPStyleAPB) return {r.Deflated(1), p.xp_state};
    return {r, kXPStateNormal};
}

// The XP styles' parts are placed from the edges of the face; on a face only
// a few pixels wide they would reach past its other side, so each part is
// kept within the face.
void Vertical(Canvas& canvas, const Rect& face, const Rect& part, Rgb from, Rgb to, FastPrimitives fast) {
    if (face.IsEmpty()) return;
    DrawRectangularGradient(canvas, part.Intersected(face), from, to, Direction::TopToBottom, fast);
}

template <int (*Tint)(int)>
Rgb Tinted(Rgb c) {
    return {static_cast<std::uint8_t>(Tint(c.r)), static_cast<std::uint8_t>(Tint(c.g)),
            static_cast<std::uint8_t>(Tint(c.b))};
}

void XPStyle2Pressed(Canvas& canvas, const Rect& r, const GradientParams& p, FastPrimitives fast) {
    const int third = r.top + 2 * r.Height() / 3;
    const Rgb pale = Tinted<XPStyle2Pale>(p.colour1);
    Vertical(canvas, r, {r.left, r.top, r.right, third}, Tinted<XPStyle2Dark>(p.colour1), pale, fast);
    Vertical(canvas, r, {r.left, third, r.right, r.bottom}, pale, kWhite, fast);
    if (!p.suppress_frame && !r.Deflated(1).IsEmpty()) {
        canvas.RoundRect(r.Deflated(1), {4, 4}, Pen{kWhite, PenStyle::Solid}, nullptr);
    }
}

}  // namespace

void DrawHorizontalGradient(Canvas& canvas, const Rect& r, const GradientParams& p, FastPrimitives fast) {
    DrawLinear(canvas, r, p, fast, Direction::TopToBottom);
}

void DrawVerticalGradient(Canvas& canvas, const Rect& r, const GradientParams& p, FastPrimitives fast) {
    DrawLinear(canvas, r, p, fast, Direction::LeftToRight);
}

// The diagonal runs from the top-right to the bottom-left corner.
void DrawDiagonalDownGradient(Canvas& canvas, const Rect& r, const GradientParams& p, FastPrimitives fast) {
    DrawDiagonal(canvas, r, p, fast, 0, 1);
}

// The diagonal runs from the top-left to the bottom-right corner.
void DrawDiagonalUpGradient(Canvas& canvas, const Rect& r, const GradientParams& p, FastPrimitives fast) {
    DrawDiagonal(canvas, r, p, fast, 2, 3);
}

// Variant 1 to 4 spread from the top-left, top-right, bottom-left and
// bottom-right corner: two triangles meeting in that corner.
void DrawFromCornerGradient(Canvas& canvas, const Rect& r, const GradientParams& p, FastPrimitives fast) {
    if (!ValidVariant(p.variant)) return;
    const int first_type = 4 + 2 * p.variant;
    DrawTriangleOfType(canvas, r, first_type, p.colour1, p.colour2, fast);
    DrawTriangleOfType(canvas, r, first_type + 1, p.colour1, p.colour2, fast);
}

void DrawXPStyle1Gradient(Canvas& canvas, const Rect& rect, const GradientParams& p, FastPrimitives fast) {
    const auto [r, state] = XPFrameFor(rect, p);
    const Rgb c1 = p.colour1, c2 = p.colour2;
    const int l = r.left, t = r.top, rt = r.right, b = r.bottom;
    switch (state) {
        case kXPStateNormal:
            Vertical(canvas, r, {l, t, rt, b - 5}, c1, c2, fast);
            Vertical(canvas, r, {l, b - 5, rt, b}, c2, DarkenBy(c2, 25), fast);
            Vertical(canvas, r, {rt - 3, t + 1, rt - 1, b - 3}, MidpointColour(c1, c2), c2, fast);
            break;
        case kXPStatePressed:
            Vertical(canvas, r, {l + 1, t + 1, rt - 1, b - 4}, DarkenBy(c2, 10), DarkenBy(c2, 8), fast);
            Vertical(canvas, r, {l + 1, b - 4, rt - 1, b}, DarkenBy(c2, 8), LightenBy(c2, 12), fast);
            break;
        case kXPStateMouseInside:
            Vertical(canvas, r, {l + 3, t + 3, rt - 3, b - 3}, c1, DarkenBy(c2, 3), fast);
            break;
        default:
            break;
    }
}

void DrawXPStyle2Gradient(Canvas& canvas, const Rect& rect, const GradientParams& p, FastPrimitives fast) {
    const auto [r, state] = XPFrameFor(rect, p);
    const Rgb c1 = p.colour1;
    const int mid = r.top + r.Height() / 2;
    switch (state) {
        case kXPStateNormal: {
            const Rgb light = Tinted<XPStyle2Light>(c1);
            Vertical(canvas, r, {r.left, r.top, r.right, mid}, kWhite, light, fast);
            Vertical(canvas, r, {r.left, mid, r.right, r.bottom}, light, c1, fast);
            if (p.appearance == kvnXPStyleAPB && r.Width() > 3 && r.Height() > 5) {
                const Pen white{kWhite, PenStyle::Solid};
                canvas.DrawLine({r.left + 1, r.top + 2}, {r.left + 1, r.bottom - 3}, white);
                canvas.DrawLine({r.right - 2, r.top + 2}, {r.right - 2, r.bottom - 3}, white);
            }
            break;
        }
        case kXPStatePressed:
            XPStyle2Pressed(canvas, r, p, fast);
            break;
        case kXPStateMouseInside: {
            const Rgb hot = Tinted<XPStyle2Hot>(c1);
            Vertical(canvas, r, {r.left + 3, r.top + 3, r.right - 3, mid}, kWhite, hot, fast);
            Vertical(canvas, r, {r.left + 3, mid, r.right - 3, r.bottom - 3}, hot, c1, fast);
            break;
        }
        default:
            break;
    }
}

// Exact fractions: 0.625 = 5/8, 0.35 = 7/20, 0.25 = 1/4, so a channel never
// lands one off through binary rounding of the factor.
int XPStyle2Light(int v) { return std::min(255, v + (255 - v) * 5 / 8); }
int XPStyle2Dark(int v) { return std::max(0, v - v / 7); }
int XPStyle2Pale(int v) { return 255 - (255 - v) * 7 / 20; }
int XPStyle2Hot(int v) { return 255 - (255 - v) / 4; }

using StyleRoutine = void (*)(Canvas&, const Rect&, const GradientParams&, FastPrimitives);

void FillGradient(Canvas& canvas, const Rect& r, const GradientParams& p, FastPrimitives fast) {
    static constexpr std::array<StyleRoutine, 7> kStyles{
        DrawHorizontalGradient, DrawVerticalGradient, DrawDiagonalDownGradient, DrawDiagonalUpGradient,
        DrawFromCornerGradient, DrawXPStyle1Gradient, DrawXPStyle2Gradient,
    };
    if (p.style < 0 || p.style >= static_cast<int>(kStyles.size())) return;
    kStyles[static_cast<std::size_t>(p.style)](canvas, r, p, fast);
}

}  // namespace brixel
