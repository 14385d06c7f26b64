#include "render/focus.h"

#include "render/menu_part.h"

#include <array>

namespace brixel {
namespace {

Rect Inset(const Rect& r, const Insets& in) {
    return {r.left + in.left, r.top + in.top, r.right - in.right, r.bottom - in.bottom};
}

// The flat-type rows of the split table, by (double line, shown as default):
// the inset on the three far sides and on the side next to the menu part.
struct FlatMenuRow {
    bool double_line;
    bool shown_as_default;
    int far;
    int near_menu;
};

constexpr std::array<FlatMenuRow, 4> kFlatMenuRows{{
    {true, true, 5, 1},
    {true, false, 4, 1},
    {false, true, 4, 2},
    {false, false, 3, 2},
}};

bool DoubleLineBorder(const PaintModel& m) { return GetBorderStyle(m.props, m.state) == kvnDoubleLine; }

// The menu side's inset replaces the near side's; the others stay.
Insets NearMenu(Insets in, int near_menu, bool menu_on_left) {
    (menu_on_left ? in.left : in.right) = near_menu;
    return in;
}

// The same inset on every side, scaled to the face's resolution.
Insets Even(const PaintModel& m, int pixels) {
    const int n = Px(m, pixels);
    return {n, n, n, n};
}

Insets FlatMenuInsets(const PaintModel& m) {
    const bool double_line = DoubleLineBorder(m);
    const bool shown = ShownAsDefault(m);
    for (const FlatMenuRow& row : kFlatMenuRows) {
        if (row.double_line != double_line || row.shown_as_default != shown) continue;
        return NearMenu(Even(m, row.far), Px(m, row.near_menu), MenuPartOnLeft(m.props));
    }
    return {};
}

// The 3D face's uneven insets: the bevel is the user's, the gap beside it
// the face's own.
Insets ThreeDInsets(const PaintModel& m) {
    const int bevel = m.props.Bevel;
    return {bevel + Px(m, 2), bevel + Px(m, 2), bevel + Px(m, 3), bevel + Px(m, 3)};
}

// A 3D toggle button latched down shows its face one pixel right and down.
Rect WithToggleShift(const Rect& r, const PaintModel& m) { return ToggledDown(m) ? r.Offset(1, 1) : r; }

}  // namespace

FocusFace FocusFaceOf(const PaintModel& m) {
    const std::int16_t a = m.props.Appearance;
    const bool mouse_over_look = a == kvnXPWithMouse || a == kvn3DWithMouse;
    if (a == kvnFlat || (mouse_over_look && !m.state.mouse_in)) return FocusFace::FlatType;
    switch (Face(m)) {
        case FaceKind::XP: return FocusFace::XP;
        case FaceKind::ThreeD: return FocusFace::ThreeD;
        case FaceKind::Flat: break;
    }
    return FocusFace::Other;
}

Rect CalculateFocusRect(const Rect& rect, const PaintModel& m) {
    switch (FocusFaceOf(m)) {
        case FocusFace::FlatType: {
            const int n = (DoubleLineBorder(m) ? 4 : 3) + (ShownAsDefault(m) ? 1 : 0);
            return rect.Deflated(Px(m, n));
        }
        case FocusFace::XP: return rect.Deflated(Px(m, 3));
        case FocusFace::ThreeD: return WithToggleShift(Inset(rect, ThreeDInsets(m)), m);
        case FocusFace::Other: break;
    }
    return rect;
}

Rect CalculateFocusRectWhenMenu(const Rect& main_part, const PaintModel& m) {
    const bool left = MenuPartOnLeft(m.props);
    switch (FocusFaceOf(m)) {
        case FocusFace::FlatType: return Inset(main_part, FlatMenuInsets(m));
        case FocusFace::XP: return Inset(main_part, NearMenu(Even(m, 3), Px(m, 1), left));
        case FocusFace::ThreeD: {
            // The 3D face keeps its uneven bevel insets on the far sides.
            return WithToggleShift(Inset(main_part, NearMenu(ThreeDInsets(m), Px(m, 1), left)), m);
        }
        case FocusFace::Other: break;
    }
    return main_part;
}

FocusOutcome DrawFocusBorder(Canvas& target, const Rect& client, bool show, const PaintModel& m) {
    if (!m.props.ShowFocusBorder || !m.user_mode) return FocusOutcome::Nothing;
    if (!show) return IsButtonTransparent(m) ? FocusOutcome::InvalidateContainer : FocusOutcome::Nothing;
    const Rect focus = IsSplitButton(m) ? CalculateFocusRectWhenMenu(GetMenuButtonBounds(client, m.props).main, m)
                                        : CalculateFocusRect(client, m);
    // Insets wider than a small face would frame an inverted rectangle.
    if (focus.IsEmpty()) return FocusOutcome::Nothing;
    target.FrameRect(focus, Brush::Checkerboard());
    return FocusOutcome::Drawn;
}

}  // namespace brixel
