#include "render/face_3d.h"

#include "render/menu_part.h"

#include <algorithm>
#include <utility>

namespace brixel {
namespace {

// The pixels [from, to) of a run, or (to, from] when it runs backwards, as a
// forward half-open range.
std::pair<int, int> Run(int from, int to) { return from <= to ? std::pair{from, to} : std::pair{to + 1, from + 1}; }

// A horizontal or vertical line kept inside `box`. A bevel wider than the
// part runs some of its lines backwards past the part's edge; on a split
// button they would paint into the other part.
void Line(Canvas& canvas, const Rect& box, int x0, int y0, int x1, int y1, Rgb colour) {
    const Pen pen{colour, PenStyle::Solid};
    if (y0 == y1) {
        auto [lo, hi] = Run(x0, x1);
        lo = std::max(lo, box.left);
        hi = std::min(hi, box.right);
        if (y0 >= box.top && y0 < box.bottom && lo < hi) canvas.DrawLine({lo, y0}, {hi, y0}, pen);
    } else if (x0 == x1) {
        auto [lo, hi] = Run(y0, y1);
        lo = std::max(lo, box.top);
        hi = std::min(hi, box.bottom);
        if (x0 >= box.left && x0 < box.right && lo < hi) canvas.DrawLine({x0, lo}, {x0, hi}, pen);
    }
}

// The black frame round a default button; the bevel then sits one pixel in.
int DrawDefaultFrame(Canvas& canvas, const Rect& rect, const BevelLook& look) {
    if (!look.default_frame) return 0;
    canvas.FrameRect(rect, Brush::Solid(kBlack));
    return 1;
}

// A cool button has no black shadow line, so its lower shade reaches the edge.
int ShadowOffset(const BevelLook& look, int d) { return (look.cool ? 0 : 1) + d; }

Rgb StateBackColour(const PaintModel& m) { return Resolve(m, SelectBackColor(m.props, m.state)); }

bool PressedIn(const PaintModel& m) {
    return m.state.pressed || ToggledDown(m) || (m.state.menu_open && IsDropDownOnlyMenu(m.props));
}

void DrawPressedLook(Canvas& canvas, const Rect& r, const PaintModel& m) {
    const BevelLook look = BevelOf(m);
    const int n = UsableBevelWidth(r, look.width);
    if (look.cool) {
        // The cool button's raised face left its highlight just inside the bevel.
        const Rgb back = Resolve(m, m.props.BackColor);
        Line(canvas, r, r.left + n, r.top + n, r.right - n + 1, r.top + n, back);
        Line(canvas, r, r.left + n, r.top + n, r.left + n, r.bottom - n + 1, back);
    }
    Remove3DBorder(canvas, r, BevelForm::Raised, m);
    DrawPressedButton(canvas, r, look);
}

void DrawReleasedLook(Canvas& canvas, const Rect& r, const PaintModel& m) {
    const BevelLook look = BevelOf(m);
    const int n = UsableBevelWidth(r, look.width);
    if (look.cool) {
        const Rgb back = Resolve(m, m.props.BackColor);
        Line(canvas, r, r.left + n, r.bottom - n - 1, r.right - n + 1, r.bottom - n - 1, back);
        Line(canvas, r, r.right - n - 1, r.top + n, r.right - n - 1, r.bottom - n + 1, back);
    }
    Remove3DBorder(canvas, r, BevelForm::Pressed, m);
    DrawRaisedButton(canvas, r, look);
}

// Only the menu part shows the down (or hot) colour under its pressed bevel.
OleColor OpenMenuPartColour(const PaintModel& m) {
    if (m.props.EnableDownProperties) return m.props.DownBackColor;
    if (m.props.EnableMouseInProperties && m.state.mouse_in) return m.props.MouseInBackColor;
    return m.props.BackColor;
}

void DrawSplitMenuOpenLook(Canvas& canvas, const Rect& r, const PaintModel& m) {
    const BevelLook look = BevelOf(m);
    DrawRaisedButton(canvas, r, look);
    const Rect menu = GetMenuButtonBounds(r, m.props).menu;
    canvas.FillRect(menu, Brush::Solid(Resolve(m, OpenMenuPartColour(m))));
    DrawPressedMenuButton(canvas, menu, look);
}

}  // namespace

BevelLook BevelOf(const PaintModel& m) {
    return {m.props.Bevel, Resolve(m, m.props.BevelUpperShade), Resolve(m, m.props.BevelLowerShade),
            m.props.CoolButton, ShownAsDefault(m)};
}

int UsableBevelWidth(const Rect& rect, int width) {
    return std::clamp(width, 0, std::max({rect.Width(), rect.Height(), 0}));
}

// Raised: upper shade along the top and left, lower shade inside the black
// shadow along the bottom and right. Line ends are exclusive.
void DrawRaisedButton(Canvas& canvas, const Rect& rect, const BevelLook& look) {
    const int d = DrawDefaultFrame(canvas, rect, look);
    const int n = UsableBevelWidth(rect, look.width);
    const int l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
    for (int i = 0; i < n; ++i) {
        Line(canvas, rect, l + d, t + d + i, r - i - d, t + d + i, look.upper);
        Line(canvas, rect, l + d + i, t + d, l + d + i, b - i - d, look.upper);
    }
    const int e = ShadowOffset(look, d);
    for (int i = 0; i < n; ++i) {
        Line(canvas, rect, l + i + e, b - i - e - 1, r - e, b - i - e - 1, look.lower);
        Line(canvas, rect, r - i - e - 1, t + e + i, r - i - e - 1, b - e - 1, look.lower);
    }
    if (look.cool || n < 1) return;
    Line(canvas, rect, l + d, b - d - 1, r - d, b - d - 1, kBlack);
    Line(canvas, rect, r - d - 1, t + d, r - d - 1, b - d - 1, kBlack);
}

// Pressed mirrors raised: lower shade inside the black line along the top
// and left, upper shade along the bottom and right.
void DrawPressedButton(Canvas& canvas, const Rect& rect, const BevelLook& look) {
    const int d = DrawDefaultFrame(canvas, rect, look);
    const int n = UsableBevelWidth(rect, look.width);
    const int l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
    const int e = ShadowOffset(look, d);
    for (int i = 0; i < n; ++i) {
        Line(canvas, rect, l + e, t + e + i, r - i - e + 1, t + e + i, look.lower);
        Line(canvas, rect, l + e + i, t + e, l + e + i, b - i - e + 1, look.lower);
    }
    for (int i = 0; i < n; ++i) {
        Line(canvas, rect, l + i + d + 1, b - i - d - 1, r - d, b - i - d - 1, look.upper);
        Line(canvas, rect, r - i - d - 1, t + d + i + 1, r - i - d - 1, b - d - 1, look.upper);
    }
    // Like the raised form: no bevel, no shadow line.
    if (look.cool || n < 1) return;
    Line(canvas, rect, l + d, t + d, r - d, t + d, kBlack);
    Line(canvas, rect, l + d, t + d, l + d, b - d, kBlack);
}

void DrawPressedMenuButton(Canvas& canvas, const Rect& menu_part, const BevelLook& look) {
    DrawPressedButton(canvas, menu_part, look);
}

void Remove3DBorder(Canvas& canvas, const Rect& rect, BevelForm form, const PaintModel& m) {
    BevelLook look = BevelOf(m);
    const Rgb back = StateBackColour(m);
    look.upper = back;
    look.lower = back;
    const bool shadow = !look.cool && look.width > 0;
    const int l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
    if (form == BevelForm::Raised) {
        DrawRaisedButton(canvas, rect, look);
        if (!shadow) return;
        Line(canvas, rect, l, b - 1, r, b - 1, back);
        Line(canvas, rect, r - 1, t, r - 1, b, back);
        return;
    }
    DrawPressedButton(canvas, rect, look);
    if (!shadow) return;
    Line(canvas, rect, l, t, r, t, back);
    Line(canvas, rect, l, t, l, b, back);
}

Background3DLook Choose3DBackgroundLook(const PaintModel& m, bool after_click) {
    if (Face(m) != FaceKind::ThreeD) return Background3DLook::None;
    if (ToggledDown(m) || (m.state.menu_open && IsDropDownOnlyMenu(m.props))) return Background3DLook::Pressed;
    if (m.state.menu_open && IsSplitButton(m)) return Background3DLook::SplitMenuOpen;
    if (m.state.pressed) return Background3DLook::Pressed;
    if (after_click) return Background3DLook::Released;
    return Background3DLook::None;
}

void Draw3DBackgroundLook(Canvas& canvas, const Rect& rect, Background3DLook look, const PaintModel& m) {
    switch (look) {
        case Background3DLook::None: break;
        case Background3DLook::Pressed: DrawPressedLook(canvas, rect, m); break;
        case Background3DLook::SplitMenuOpen: DrawSplitMenuOpenLook(canvas, rect, m); break;
        case Background3DLook::Released: DrawReleasedLook(canvas, rect, m); break;
    }
}

void Draw3DState(Canvas& canvas, const Rect& rect, const PaintModel& m) {
    const BevelLook look = BevelOf(m);
    if (m.state.menu_open && IsSplitButton(m)) {
        const MenuSplit split = GetMenuButtonBounds(rect, m.props);
        DrawPressedMenuButton(canvas, split.menu, look);
        DrawRaisedButton(canvas, split.main, look);
        return;
    }
    if (PressedIn(m)) {
        DrawPressedButton(canvas, rect, look);
    } else {
        DrawRaisedButton(canvas, rect, look);
    }
}

}  // namespace brixel
