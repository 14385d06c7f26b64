#include "render/draw_button.h"

#include "paint_model_support.h"
#include "text_canvas.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace brixel::testing {
namespace {

using Ops = std::vector<std::string>;

const Ops kArrow{"FillRect", "FillRect", "FillRect", "FillRect"};

Ops Join(std::initializer_list<Ops> parts) {
    Ops all;
    for (const Ops& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

PaintModel Flat() {
    PaintModel m = DefaultModel();
    m.props.Appearance = kvnFlat;
    m.props.ShowFocusBorder = true;
    return m;
}

void Split(PaintModel& m) {
    m.props.Menu = true;
    m.props.MenuButtonStyle = kvnMenuButtonStylePushButtonAndDropDown;
    m.props.MenuButtonWidth = 17;
}

// The capture the translucent rows paint against.
const RecordingSurface kCapture({87, 25});

struct LayerCase {
    const char* name;
    std::function<void(PaintModel&)> setup;
    Ops memory;  // what is composed off screen, in order
    Ops target;  // what reaches the target, in order
    // The bevelled and XP faces draw many strokes of their own (their tests
    // check them): for those only the layers named here must come in order.
    bool exact = true;
};

// `expected` appears in `actual` in the same order, other calls between.
bool InOrder(const Ops& expected, const Ops& actual) {
    auto at = actual.begin();
    for (const std::string& op : expected) {
        at = std::find(at, actual.end(), op);
        if (at == actual.end()) return false;
        ++at;
    }
    return true;
}

TEST(DrawTheButton, ComposesTheLayersInOrder) {
    const LayerCase cases[] = {
        {"flat face at rest", [](PaintModel&) {}, {"FillRect", "FrameRect", "DrawText"}, {"Transfer"}},
        {"focused: the default frame inside, the focus frame on the target after the copy",
         [](PaintModel& m) { m.has_focus = true; }, {"FillRect", "FrameRect", "FrameRect", "DrawText"},
         {"Transfer", "FrameRect"}},
        {"focused at design time: no focus frame",
         [](PaintModel& m) {
             m.has_focus = true;
             m.user_mode = false;
         },
         {"FillRect", "FrameRect", "FrameRect", "DrawText"}, {"Transfer"}},
        {"gradient replaces the plain background",
         [](PaintModel& m) {
             m.props.Gradient = true;
             m.fast_primitives = true;
         },
         {"GradientFillRect", "FrameRect", "DrawText"}, {"Transfer"}},
        {"drop-down button: triangle after the background, before the border",
         [](PaintModel& m) {
             m.props.Menu = true;
             m.props.MenuButtonStyle = kvnMenuButtonStyleDropDown;
         },
         Join({{"FillRect"}, kArrow, {"FrameRect", "DrawText"}}), {"Transfer"}},
        {"flat split button, menu open: down menu part, separator, no focus frame",
         [](PaintModel& m) {
             Split(m);
             m.state.menu_open = true;
             m.has_focus = true;
         },
         Join({{"FillRect", "FillRect"}, kArrow, {"DrawLine", "FrameRect", "FrameRect", "DrawText"}}), {"Transfer"}},
        {"3D split button, menu closed: etched separator",
         [](PaintModel& m) {
             Split(m);
             m.props.Appearance = kvn3D;
         },
         Join({{"FillRect"}, kArrow, {"DrawLine", "DrawLine", "DrawText"}}), {"Transfer"}, false},
        {"3D split button, menu open: no separator",
         [](PaintModel& m) {
             Split(m);
             m.props.Appearance = kvn3D;
             m.state.menu_open = true;
         },
         Join({{"FillRect", "FillRect"}, kArrow, {"DrawText"}}), {"Transfer"}, false},
        {"XP split button: the XP separator",
         [](PaintModel& m) {
             Split(m);
             m.props.Appearance = kvnXPStyleAPB;
         },
         Join({{"FillRect"}, kArrow, {"DrawLine", "DrawLine", "DrawText"}}), {"Transfer"}, false},
        {"translucent background: blended before the border and caption",
         [](PaintModel& m) {
             m.props.TranslucentStyle = kvnBackground;
             m.captured_background = &kCapture;
             m.fast_primitives = true;
         },
         {"FillRect", "BlendConstant", "FrameRect", "DrawText"}, {"Transfer"}},
        {"translucent button: blended over everything",
         [](PaintModel& m) {
             m.props.TranslucentStyle = kvnAll;
             m.captured_background = &kCapture;
             m.fast_primitives = true;
         },
         {"FillRect", "FrameRect", "DrawText", "BlendConstant"}, {"Transfer"}},
        {"translucent button without the fast primitives: the capture copied over everything",
         [](PaintModel& m) {
             m.props.TranslucentStyle = kvnAll;
             m.captured_background = &kCapture;
         },
         {"FillRect", "FrameRect", "DrawText", "Transfer"}, {"Transfer"}},
        {"translucent at design time: painted opaque without a capture",
         [](PaintModel& m) {
             m.props.TranslucentStyle = kvnAll;
             m.user_mode = false;
         },
         {"FillRect", "FrameRect", "DrawText"}, {"Transfer"}},
    };
    for (const auto& c : cases) {
        PaintModel m = Flat();
        c.setup(m);
        ComposingCanvas<TextCanvas> target(true, true);
        const PaintResult result = DrawTheButton(target, kClient, false, m);
        EXPECT_TRUE(result.painted) << c.name;
        if (c.exact) {
            EXPECT_EQ(target.memory.Ops(), c.memory) << c.name << "\n" << target.memory.Transcript();
        } else {
            EXPECT_TRUE(InOrder(c.memory, target.memory.Ops())) << c.name << "\n" << target.memory.Transcript();
        }
        EXPECT_EQ(target.Ops(), c.target) << c.name << "\n" << target.Transcript();
        EXPECT_EQ(target.last_image_size, (Size{87, 25})) << c.name;
    }
}

TEST(DrawTheButton, TranslucentButtonWaitsForTheContainersPixels) {
    for (const std::int16_t style : {kvnAll, kvnBackground}) {
        PaintModel m = Flat();
        m.props.TranslucentStyle = style;
        ComposingCanvas<TextCanvas> target;
        EXPECT_FALSE(DrawTheButton(target, kClient, false, m).painted) << style;
        EXPECT_EQ(target.images_created, 0) << style;
        EXPECT_TRUE(target.calls.empty()) << style;
    }
}

TEST(DrawTheButton, EmptyRectangleDrawsNothing) {
    PaintModel m = Flat();
    ComposingCanvas<TextCanvas> target;
    EXPECT_FALSE(DrawTheButton(target, {0, 0, 0, 25}, false, m).painted);
    EXPECT_TRUE(target.calls.empty());
}

TEST(DrawTheButton, OpenSplitButtonShowsTheDownColourOnlyInItsMenuPart) {
    PaintModel m = Flat();
    Split(m);
    m.state.menu_open = true;
    m.props.BackColor = 0x000001;
    m.props.DownBackColor = 0x000002;
    ComposingCanvas<TextCanvas> target;
    DrawTheButton(target, kClient, false, m);
    const auto fills = target.memory.CallsNamed("FillRect");
    ASSERT_GE(fills.size(), 2u);
    EXPECT_EQ(fills[0].rect, kClient);
    EXPECT_EQ(fills[0].colour, (Rgb{2, 0, 0}));
    EXPECT_EQ(fills[1].rect, (Rect{0, 0, 70, 25}));
    EXPECT_EQ(fills[1].colour, (Rgb{1, 0, 0}));
}

TEST(DrawTheButton, CaptionRectangleByButtonKind) {
    struct Case {
        const char* name;
        std::function<void(PaintModel&)> setup;
        Rect caption;
    };
    const Case cases[] = {
        {"plain", [](PaintModel&) {}, {6, 6, 81, 19}},
        {"split: the main part", [](PaintModel& m) { Split(m); }, {6, 6, 64, 19}},
        {"3D toggle latched down: pressed in by one pixel",
         [](PaintModel& m) {
             m.props.Appearance = kvn3D;
             m.props.ToggleButton = true;
             m.state.toggled = true;
         },
         {7, 7, 82, 20}},
        {"flat toggle latched down: not moved",
         [](PaintModel& m) {
             m.props.ToggleButton = true;
             m.state.toggled = true;
         },
         {6, 6, 81, 19}},
    };
    for (const auto& c : cases) {
        PaintModel m = Flat();
        m.props.CaptionMargins = u"6;6;6;6";
        c.setup(m);
        ComposingCanvas<TextCanvas> target;
        DrawTheButton(target, kClient, false, m);
        ASSERT_EQ(target.memory.texts.size(), 1u) << c.name;
        EXPECT_EQ(target.memory.texts[0].bounds, c.caption) << c.name;

        // A host that draws the caption itself is told the same rectangle,
        // in its target's coordinates, and the face comes without it.
        m.caption_by_host = true;
        ComposingCanvas<TextCanvas> without;
        DrawTheButton(without, {10, 5, 97, 30}, false, m);
        EXPECT_TRUE(without.memory.texts.empty()) << c.name;
        const CaptionPlan plan = PlanFaceCaption(without, {10, 5, 97, 30}, m);
        EXPECT_TRUE(plan.draw) << c.name;
        EXPECT_EQ(plan.box, c.caption.Offset(10, 5)) << c.name;
    }
}

TEST(DrawTheButton, FaceIsComposedAtTheImageOriginAndPlacedAtTheRectangle) {
    PaintModel m = Flat();
    m.has_focus = true;
    ComposingCanvas<TextCanvas> target;
    DrawTheButton(target, {10, 5, 97, 30}, false, m);
    EXPECT_EQ(target.memory.calls.front().rect, kClient);
    ASSERT_EQ(target.calls.size(), 2u);
    EXPECT_EQ(target.calls[0].rect, (Rect{10, 5, 97, 30}));
    EXPECT_EQ(target.calls[1].rect, (Rect{13, 8, 94, 27}));
}

TEST(DrawTheButton, HiddenFocusOnATransparentButtonIsReportedToTheCaller) {
    PaintModel m = Flat();
    m.props.TranslucentStyle = kvnAll;
    m.props.TranslucentLevel = 0;
    m.captured_background = &kCapture;
    ComposingCanvas<TextCanvas> target;
    EXPECT_EQ(DrawTheButton(target, kClient, false, m).focus, FocusOutcome::InvalidateContainer);
}

TEST(DrawTheButton, MouseOverLooksPaintFlatAtDesignTime) {
    struct Case {
        const char* name;
        std::int16_t appearance;
        bool user_mode;
        std::size_t separator_lines;  // flat 1, XP and 3D 2
    };
    const Case cases[] = {
        {"XP when mouse over, run time", kvnXPWithMouse, true, 2},
        {"XP when mouse over, design time", kvnXPWithMouse, false, 1},
        {"3D when mouse over, run time", kvn3DWithMouse, true, 2},
        {"3D when mouse over, design time", kvn3DWithMouse, false, 1},
    };
    for (const auto& c : cases) {
        PaintModel m = Flat();
        Split(m);
        m.props.Appearance = c.appearance;
        m.state.mouse_in = true;
        m.user_mode = c.user_mode;
        ComposingCanvas<TextCanvas> target;
        DrawTheButton(target, kClient, false, m);
        // The separator's lines run down the menu part's left edge (x 70)
        // and the pixel after it; the main part's bevel ends at x 69.
        std::size_t separators = 0;
        for (const CanvasCall& line : target.memory.CallsNamed("DrawLine"))
            separators += line.rect.left == line.rect.right && (line.rect.left == 70 || line.rect.left == 71) ? 1 : 0;
        EXPECT_EQ(separators, c.separator_lines) << c.name << "\n" << target.memory.Transcript();
    }
}

TEST(DrawTheButton, XPSeparatorTakesTheDetectedSchemeUnderAutoDetect) {
    struct Case {
        const char* name;
        bool custom_border;
        Rgb line;
    };
    const Case cases[] = {
        {"scheme colour while the border colour is the scheme's", false, {55, 98, 6}},
        {"the user's border colour once chosen", true, {1, 2, 3}},
    };
    for (const auto& c : cases) {
        PaintModel m = Flat();
        Split(m);
        m.props.Appearance = kvnXPStyleAPB;
        m.props.XPColorScheme = kvnXPAutoDetect;
        m.detected_xp_scheme = kvnXPOliveGreenScheme;
        m.props.BorderColor = 0x030201;
        m.props.CustomBorderColor = c.custom_border;
        ComposingCanvas<TextCanvas> target;
        DrawTheButton(target, kClient, false, m);
        const auto lines = target.memory.CallsNamed("DrawLine");
        ASSERT_EQ(lines.size(), 2u) << c.name;
        EXPECT_EQ(lines[0].colour, c.line) << c.name;
        EXPECT_EQ(lines[0].rect, (Rect{70, 2, 70, 23})) << c.name;
    }
}

TEST(DrawTheButton, OpenSplitButtonKeepsTheNormalCaptionFont) {
    PaintModel m = Flat();
    Split(m);
    m.state.menu_open = true;
    ComposingCanvas<TextCanvas> target;
    DrawTheButton(target, kClient, false, m);
    ASSERT_EQ(target.memory.texts.size(), 1u);
    EXPECT_EQ(target.memory.texts[0].font, kNormalFont);
}

TEST(GradientInput, CarriesTheStateAndResolvedColours) {
    PaintModel m = Flat();
    Split(m);
    m.props.Gradient = true;
    m.props.GradientColor1 = SystemColourRef(kColourBtnFace);
    m.props.DownGradientColor2 = 0x030201;
    m.state.menu_open = true;
    const MenuSplit split = GetMenuButtonBounds(kClient, m.props);
    const GradientBackgroundInput in = GradientInputFor(m, split);
    EXPECT_TRUE(in.normal.on);
    EXPECT_EQ(in.normal.colour1, (Rgb{15, 15, 15}));
    EXPECT_EQ(in.down.colour2, (Rgb{1, 2, 3}));
    EXPECT_TRUE(in.split_button);
    EXPECT_TRUE(in.menu_dropped);
    EXPECT_FALSE(in.drop_down_only);
    EXPECT_EQ(in.menu_part, split.menu);
    EXPECT_EQ(in.main_part, split.main);
}

}  // namespace
}  // namespace brixel::testing
