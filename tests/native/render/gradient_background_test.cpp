#include "render/gradient_background.h"

#include "recording_canvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace brixel::testing {
namespace {

// Each state variant gets its own style so the chosen one is recognisable.
GradientBackgroundInput BaseInput() {
    GradientBackgroundInput in;
    in.normal = {true, kvnGradientStyleHorizontal, kvnGradientStyleVariant1, {10, 10, 10}, {20, 20, 20}};
    in.mouse_in = {true, kvnGradientStyleVertical, kvnGradientStyleVariant2, {30, 30, 30}, {40, 40, 40}};
    in.down = {true, kvnGradientStyleDiagonalDown, kvnGradientStyleVariant3, {50, 50, 50}, {60, 60, 60}};
    in.disabled = {true, kvnGradientStyleCorner, kvnGradientStyleVariant4, {70, 70, 70}, {80, 80, 80}};
    in.enable_mouse_in_properties = true;
    in.enable_down_properties = true;
    in.enable_disabled_properties = true;
    return in;
}

struct Expect {
    std::int16_t style;
    int xp_state;
};

struct RuleCase {
    const char* name;
    std::function<void(GradientBackgroundInput&)> setup;
    std::optional<Expect> expected;
};

const Rect kFaceRect{0, 0, 80, 24};

void CheckWhole(const RuleCase& c) {
    SCOPED_TRACE(c.name);
    GradientBackgroundInput in = BaseInput();
    c.setup(in);
    const GradientPlan plan = PlanGradientBackground(kFaceRect, in);
    ASSERT_FALSE(plan.split);
    ASSERT_EQ(plan.whole.has_value(), c.expected.has_value());
    if (!c.expected) return;
    EXPECT_EQ(plan.whole->style, c.expected->style);
    EXPECT_EQ(plan.whole->xp_state, c.expected->xp_state);
    EXPECT_EQ(plan.whole->appearance, in.appearance);
}

TEST(GradientRules, StateDecidesWhichGradientFillsTheFace) {
    const RuleCase cases[] = {
        {"normal", [](auto&) {}, Expect{kvnGradientStyleHorizontal, 0}},
        {"normal gradient off", [](auto& in) { in.normal.on = false; }, std::nullopt},
        {"disabled with its gradient", [](auto& in) { in.enabled = false; }, Expect{kvnGradientStyleCorner, 0}},
        {"disabled without its gradient", [](auto& in) { in.enabled = false; in.disabled.on = false; },
         std::nullopt},
        {"disabled, disabled properties off",
         [](auto& in) { in.enabled = false; in.enable_disabled_properties = false; },
         Expect{kvnGradientStyleHorizontal, 0}},
        {"mouse inside", [](auto& in) { in.mouse_inside = true; }, Expect{kvnGradientStyleVertical, 2}},
        {"mouse inside, its gradient off", [](auto& in) { in.mouse_inside = true; in.mouse_in.on = false; },
         std::nullopt},
        {"mouse inside, mouse-in properties off",
         [](auto& in) { in.mouse_inside = true; in.enable_mouse_in_properties = false; },
         Expect{kvnGradientStyleHorizontal, 0}},
        {"mouse inside, mouse-in properties off, XP appearance",
         [](auto& in) { in.mouse_inside = true; in.enable_mouse_in_properties = false; in.appearance = kvnXPStyleAPB; },
         std::nullopt},
        {"pressed", [](auto& in) { in.pressed = true; }, Expect{kvnGradientStyleDiagonalDown, 1}},
        {"pressed, down gradient off", [](auto& in) { in.pressed = true; in.down.on = false; }, std::nullopt},
        {"pressed, down properties off: the mouse-in rule",
         [](auto& in) { in.pressed = true; in.enable_down_properties = false; },
         Expect{kvnGradientStyleVertical, 2}},
        {"pressed, down and mouse-in properties off: the normal rule",
         [](auto& in) { in.pressed = true; in.enable_down_properties = false; in.enable_mouse_in_properties = false; },
         Expect{kvnGradientStyleHorizontal, 0}},
        {"pressed, down properties off, XP appearance",
         [](auto& in) { in.pressed = true; in.enable_down_properties = false; in.appearance = kvnXPStyleAPB; },
         std::nullopt},
        {"toggled down", [](auto& in) { in.toggled = true; }, Expect{kvnGradientStyleDiagonalDown, 1}},
        {"menu dropped, whole button drops it",
         [](auto& in) { in.menu_dropped = true; in.drop_down_only = true; },
         Expect{kvnGradientStyleDiagonalDown, 1}},
        {"pressed wins over mouse inside", [](auto& in) { in.pressed = in.mouse_inside = true; },
         Expect{kvnGradientStyleDiagonalDown, 1}},
        {"XP face, ordinary style: the same rules",
         [](auto& in) { in.xp_face = true; in.mouse_inside = true; }, Expect{kvnGradientStyleVertical, 2}},
    };
    for (const auto& c : cases) CheckWhole(c);
}

// The XP gradient styles on the XP face.
TEST(GradientRules, XPStylesOnTheXPFace) {
    const auto xp = [](GradientBackgroundInput& in) {
        in.xp_face = true;
        in.appearance = kvnXPStyleAPB;
        in.normal.style = kvnGradientStyleXPStyle1;
        in.mouse_in.style = kvnGradientStyleXPStyle2;
        in.down.style = kvnGradientStyleCorner;
    };
    const RuleCase cases[] = {
        {"mouse outside", [&](auto& in) { xp(in); }, Expect{kvnGradientStyleXPStyle1, 0}},
        {"mouse inside, own gradient", [&](auto& in) { xp(in); in.mouse_inside = true; },
         Expect{kvnGradientStyleXPStyle2, 2}},
        {"mouse inside at design time", [&](auto& in) { xp(in); in.mouse_inside = true; in.user_mode = false; },
         Expect{kvnGradientStyleXPStyle1, 2}},
        {"mouse inside, mouse-in gradient off",
         [&](auto& in) { xp(in); in.mouse_inside = true; in.mouse_in.on = false; },
         Expect{kvnGradientStyleXPStyle1, 2}},
        {"pressed", [&](auto& in) { xp(in); in.pressed = true; }, Expect{kvnGradientStyleCorner, 1}},
        {"pressed at design time", [&](auto& in) { xp(in); in.pressed = true; in.user_mode = false; },
         Expect{kvnGradientStyleXPStyle1, 1}},
        {"pressed, down properties off",
         [&](auto& in) { xp(in); in.pressed = true; in.enable_down_properties = false; },
         Expect{kvnGradientStyleXPStyle1, 1}},
        {"latched without ToggleButton is not down", [&](auto& in) { xp(in); in.toggled = true; },
         Expect{kvnGradientStyleXPStyle1, 0}},
        {"latched toggle button", [&](auto& in) { xp(in); in.toggled = in.toggle_button = true; },
         Expect{kvnGradientStyleCorner, 1}},
        {"menu dropped, whole button drops it",
         [&](auto& in) { xp(in); in.menu_dropped = in.drop_down_only = true; }, Expect{kvnGradientStyleXPStyle1, 1}},
        {"disabled gradient still wins", [&](auto& in) { xp(in); in.enabled = false; },
         Expect{kvnGradientStyleCorner, 0}},
        {"normal gradient off: ordinary rules", [&](auto& in) { xp(in); in.normal.on = false; }, std::nullopt},
    };
    for (const auto& c : cases) CheckWhole(c);
}

GradientBackgroundInput SplitInput(bool menu_on_right) {
    GradientBackgroundInput in = BaseInput();
    in.split_button = in.menu_dropped = true;
    in.main_part = menu_on_right ? Rect{0, 0, 64, 24} : Rect{16, 0, 80, 24};
    in.menu_part = menu_on_right ? Rect{64, 0, 80, 24} : Rect{0, 0, 16, 24};
    return in;
}

TEST(SplitGradient, MainPartReachesThreePixelsUnderTheMenuPart) {
    const GradientPlan right = PlanGradientBackground(kFaceRect, SplitInput(true));
    ASSERT_TRUE(right.split);
    EXPECT_EQ(right.main_part, (Rect{0, 0, 67, 24}));
    EXPECT_EQ(right.menu_part, (Rect{64, 0, 80, 24}));
    const GradientPlan left = PlanGradientBackground(kFaceRect, SplitInput(false));
    EXPECT_EQ(left.main_part, (Rect{13, 0, 80, 24}));

    // A menu part narrower than the overlap: the main part stops at the face.
    auto narrow = SplitInput(true);
    narrow.main_part = {0, 0, 79, 24};
    narrow.menu_part = {79, 0, 80, 24};
    EXPECT_EQ(PlanGradientBackground(kFaceRect, narrow).main_part, (Rect{0, 0, 80, 24}));
}

TEST(SplitGradient, MainPartTakesTheNormalRuleAndTheMenuPartTheDownRule) {
    auto in = SplitInput(true);
    in.mouse_inside = true;
    const GradientPlan plan = PlanGradientBackground(kFaceRect, in);
    ASSERT_TRUE(plan.main && plan.menu);
    EXPECT_EQ(plan.main->style, kvnGradientStyleHorizontal);
    EXPECT_EQ(plan.main->xp_state, 0);
    EXPECT_EQ(plan.menu->style, kvnGradientStyleDiagonalDown);
    EXPECT_EQ(plan.menu->xp_state, 1);
}

TEST(SplitGradient, XPStylesUseTheNormalValuesInTheMenuPartWhenTheDownGradientIsOff) {
    auto in = SplitInput(true);
    in.xp_face = true;
    in.normal.style = kvnGradientStyleXPStyle2;
    in.down.on = false;
    const GradientPlan plan = PlanGradientBackground(kFaceRect, in);
    ASSERT_TRUE(plan.split && plan.main && plan.menu);
    EXPECT_EQ(plan.main->xp_state, 0);
    EXPECT_EQ(plan.menu->style, kvnGradientStyleXPStyle2);
    EXPECT_EQ(plan.menu->colour1, in.normal.colour1);
    EXPECT_EQ(plan.menu->xp_state, 1);
}

struct PlainCall {
    Rect part;
    bool menu;
};

TEST(GradientBackground, PaintsThePartWithoutAGradientPlainly) {
    auto in = SplitInput(true);
    in.normal.on = false;  // main part: no gradient
    RecordingCanvas canvas(true);
    std::vector<PlainCall> plain;
    const bool filled = GradientBackground(canvas, kFaceRect, in, FastPrimitives::Allowed,
                                           [&](Canvas& c, const Rect& r, bool menu) {
                                               plain.push_back({r, menu});
                                               c.FillRect(r, Brush::Solid(kWhite));
                                           });
    EXPECT_TRUE(filled);
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_EQ(plain[0].part, (Rect{0, 0, 67, 24}));
    EXPECT_FALSE(plain[0].menu);
    // The plain main part first, then the menu part's gradient over its edge.
    ASSERT_GE(canvas.calls.size(), 2u);
    EXPECT_EQ(canvas.calls.front().op, "FillRect");
    EXPECT_EQ(canvas.calls.back().op, "GradientFillTriangle");
}

TEST(GradientBackground, NoGradientAnywhereDrawsNothingAndSaysSo) {
    const std::function<void(GradientBackgroundInput&)> setups[] = {
        [](auto& in) { in.normal.on = false; },
        [](auto& in) {
            in = SplitInput(true);
            in.normal.on = in.down.on = false;
        },
    };
    for (const auto& setup : setups) {
        GradientBackgroundInput in = BaseInput();
        setup(in);
        RecordingCanvas canvas(true);
        bool painter_called = false;
        EXPECT_FALSE(GradientBackground(canvas, kFaceRect, in, FastPrimitives::Allowed,
                                        [&](Canvas&, const Rect&, bool) { painter_called = true; }));
        EXPECT_TRUE(canvas.calls.empty());
        EXPECT_FALSE(painter_called);
    }
}

TEST(GradientBackground, FillsTheWholeFaceWithTheChosenGradient) {
    RecordingCanvas canvas(true);
    EXPECT_TRUE(GradientBackground(canvas, kFaceRect, BaseInput(), FastPrimitives::Allowed, nullptr));
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(canvas.calls[0].op, "GradientFillRect");
    EXPECT_EQ(canvas.calls[0].rect, kFaceRect);
    EXPECT_EQ(canvas.calls[0].colour, (Rgb{10, 10, 10}));
}

}  // namespace
}  // namespace brixel::testing
