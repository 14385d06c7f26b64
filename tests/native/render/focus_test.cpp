#include "render/focus.h"

#include "paint_model_support.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

namespace brixel::testing {
namespace {

// What a row changes from a running, enabled button with the mouse outside.
struct FocusCase {
    const char* name;
    std::int16_t appearance = kvnFlat;
    std::int16_t border_style = kvnSolid;
    bool shown_as_default = false;
    bool mouse_in = false;
    bool toggled = false;
    std::int16_t bevel = 1;
    std::int16_t menu_alignment = kvnMenuButtonAlignmentRight;
};

PaintModel ModelFor(const FocusCase& c) {
    PaintModel m = DefaultModel();
    m.props.Appearance = c.appearance;
    m.props.BorderStyle = c.border_style;
    m.props.ShowDefaultBorder = true;
    m.display_as_default = c.shown_as_default;
    m.state.mouse_in = c.mouse_in;
    m.props.ToggleButton = c.toggled;
    m.state.toggled = c.toggled;
    m.props.Bevel = c.bevel;
    m.props.MenuButtonAlignment = c.menu_alignment;
    return m;
}

TEST(FocusRect, InsetsByFace) {
    struct Row {
        FocusCase c;
        Rect focus;
    };
    const Row rows[] = {
        {{"flat"}, {3, 3, 84, 22}},
        {{.name = "flat, double line", .border_style = kvnDoubleLine}, {4, 4, 83, 21}},
        {{.name = "flat, shown as default", .shown_as_default = true}, {4, 4, 83, 21}},
        {{.name = "flat, double line, shown as default", .border_style = kvnDoubleLine, .shown_as_default = true},
         {5, 5, 82, 20}},
        {{.name = "3D when mouse over, mouse outside", .appearance = kvn3DWithMouse}, {3, 3, 84, 22}},
        {{.name = "XP", .appearance = kvnXPStyleAPB}, {3, 3, 84, 22}},
        {{.name = "XP when mouse over, mouse inside", .appearance = kvnXPWithMouse, .mouse_in = true},
         {3, 3, 84, 22}},
        {{.name = "3D, bevel 1", .appearance = kvn3D}, {3, 3, 83, 21}},
        {{.name = "3D, bevel 4", .appearance = kvn3D, .bevel = 4}, {6, 6, 80, 18}},
        {{.name = "3D, toggled down", .appearance = kvn3D, .toggled = true}, {4, 4, 84, 22}},
        {{.name = "3D when mouse over, mouse inside", .appearance = kvn3DWithMouse, .mouse_in = true},
         {3, 3, 83, 21}},
        {{.name = "unknown appearance", .appearance = 9}, {0, 0, 87, 25}},
    };
    for (const auto& r : rows) EXPECT_EQ(CalculateFocusRect(kClient, ModelFor(r.c)), r.focus) << r.c.name;
}

TEST(FocusRect, SplitButtonInsetsTheSideNextToTheMenuPartLess) {
    constexpr std::int16_t kLeft = kvnMenuButtonAlignmentLeft;
    // Main parts: {0,0,70,25} with the menu on the right, {17,0,87,25} on the left.
    struct Row {
        FocusCase c;
        Rect focus;
    };
    const Row rows[] = {
        {{"flat"}, {3, 3, 68, 22}},
        {{.name = "flat, menu left", .menu_alignment = kLeft}, {19, 3, 84, 22}},
        {{.name = "flat, shown as default", .shown_as_default = true}, {4, 4, 68, 21}},
        {{.name = "flat, double line", .border_style = kvnDoubleLine}, {4, 4, 69, 21}},
        {{.name = "flat, double line, default, menu left", .border_style = kvnDoubleLine, .shown_as_default = true,
          .menu_alignment = kLeft},
         {18, 5, 82, 20}},
        {{.name = "XP", .appearance = kvnXPStyleAPB}, {3, 3, 69, 22}},
        {{.name = "XP, menu left", .appearance = kvnXPStyleAPB, .menu_alignment = kLeft}, {18, 3, 84, 22}},
        {{.name = "3D", .appearance = kvn3D, .bevel = 2}, {4, 4, 69, 20}},
        {{.name = "3D, menu left", .appearance = kvn3D, .bevel = 2, .menu_alignment = kLeft}, {18, 4, 82, 20}},
    };
    for (const auto& r : rows) {
        const PaintModel m = ModelFor(r.c);
        const Rect main = r.c.menu_alignment == kLeft ? Rect{17, 0, 87, 25} : Rect{0, 0, 70, 25};
        EXPECT_EQ(CalculateFocusRectWhenMenu(main, m), r.focus) << r.c.name;
    }
}

PaintModel FocusableModel() {
    PaintModel m = DefaultModel();
    m.props.Appearance = kvnFlat;
    m.props.ShowFocusBorder = true;
    return m;
}

TEST(FocusBorder, FramesWithTheCheckerboardOnlyInUserModeWithShowFocusBorder) {
    struct Case {
        const char* name;
        bool user_mode, show_focus_border, show;
        FocusOutcome outcome;
    };
    const Case cases[] = {
        {"shown", true, true, true, FocusOutcome::Drawn},
        {"design time", false, true, true, FocusOutcome::Nothing},
        {"ShowFocusBorder off", true, false, true, FocusOutcome::Nothing},
        {"not shown, opaque button", true, true, false, FocusOutcome::Nothing},
    };
    for (const auto& c : cases) {
        PaintModel m = FocusableModel();
        m.user_mode = c.user_mode;
        m.props.ShowFocusBorder = c.show_focus_border;
        RecordingCanvas canvas;
        EXPECT_EQ(DrawFocusBorder(canvas, kClient, c.show, m), c.outcome) << c.name;
        const auto frames = canvas.CallsNamed("FrameRect");
        ASSERT_EQ(frames.size(), c.outcome == FocusOutcome::Drawn ? 1u : 0u) << c.name;
        if (frames.empty()) continue;
        EXPECT_EQ(frames[0].rect, (Rect{3, 3, 84, 22})) << c.name;
        EXPECT_TRUE(frames[0].flag) << c.name << ": patterned brush";
    }
}

TEST(FocusBorder, SplitButtonFramesTheMainPart) {
    PaintModel m = FocusableModel();
    m.props.Menu = true;
    m.props.MenuButtonWidth = 17;
    RecordingCanvas canvas;
    DrawFocusBorder(canvas, kClient, true, m);
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(canvas.calls[0].rect, (Rect{3, 3, 68, 22}));
}

TEST(FocusBorder, HiddenOnATransparentButtonAsksTheContainerToRepaint) {
    PaintModel m = FocusableModel();
    m.props.TranslucentStyle = kvnAll;
    m.props.TranslucentLevel = 0;
    RecordingCanvas canvas;
    EXPECT_EQ(DrawFocusBorder(canvas, kClient, false, m), FocusOutcome::InvalidateContainer);
    EXPECT_TRUE(canvas.calls.empty());
}

TEST(FocusBorder, NoFrameWhenTheInsetsSwallowATinyFace) {
    PaintModel m = FocusableModel();
    RecordingCanvas canvas;
    EXPECT_EQ(DrawFocusBorder(canvas, {0, 0, 6, 25}, true, m), FocusOutcome::Nothing);
    EXPECT_TRUE(canvas.calls.empty());
}

}  // namespace
}  // namespace brixel::testing
