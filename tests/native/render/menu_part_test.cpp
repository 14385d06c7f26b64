#include "render/menu_part.h"

#include "paint_model_support.h"
#include "traced_pixel_canvas.h"

#include <gtest/gtest.h>

namespace brixel::testing {
namespace {

TEST(MenuButtonBounds, SplitsTheClientAtTheMenuSide) {
    struct Case {
        const char* name;
        std::int16_t width, alignment;
        MenuSplit split;
    };
    const Case cases[] = {
        {"right", 17, kvnMenuButtonAlignmentRight, {{70, 0, 87, 25}, {0, 0, 70, 25}}},
        {"left", 17, kvnMenuButtonAlignmentLeft, {{0, 0, 17, 25}, {17, 0, 87, 25}}},
        {"unknown alignment keeps the right side", 17, 5, {{70, 0, 87, 25}, {0, 0, 70, 25}}},
        {"negative width leaves no menu part", -20, kvnMenuButtonAlignmentRight, {{87, 0, 87, 25}, {0, 0, 87, 25}}},
        {"oversized width leaves no main part", 200, kvnMenuButtonAlignmentLeft, {{0, 0, 87, 25}, {87, 0, 87, 25}}},
    };
    for (const auto& c : cases) EXPECT_EQ(GetMenuButtonBounds(kClient, c.width, c.alignment), c.split) << c.name;
}

struct ArrowCase {
    const char* name;
    Rect rect;
    std::int16_t style, alignment;
    bool enabled;
    Point origin;
};

TEST(MenuArrow, SitsCentredInItsBoxEnabledFromTheRightDisabledFromTheLeft) {
    const ArrowCase cases[] = {
        {"split part, odd width", {70, 0, 87, 25}, kvnMenuButtonStylePushButtonAndDropDown,
         kvnMenuButtonAlignmentRight, true, {75, 10}},
        {"split part, odd width, disabled", {70, 0, 87, 25}, kvnMenuButtonStylePushButtonAndDropDown,
         kvnMenuButtonAlignmentRight, false, {75, 10}},
        {"split part, even width", {71, 0, 87, 24}, kvnMenuButtonStylePushButtonAndDropDown,
         kvnMenuButtonAlignmentRight, true, {76, 10}},
        {"split part, even width, disabled", {71, 0, 87, 24}, kvnMenuButtonStylePushButtonAndDropDown,
         kvnMenuButtonAlignmentRight, false, {75, 10}},
        {"drop-down strip on the right", kClient, kvnMenuButtonStyleDropDown, kvnMenuButtonAlignmentRight, true,
         {73, 10}},
        {"drop-down strip on the left", kClient, kvnMenuButtonStyleDropDown, kvnMenuButtonAlignmentLeft, true,
         {7, 10}},
        {"drop-down strip on the left, disabled", kClient, kvnMenuButtonStyleDropDown, kvnMenuButtonAlignmentLeft,
         false, {7, 10}},
    };
    for (const auto& c : cases) {
        PaintModel m = DefaultModel();
        m.props.Menu = true;
        m.props.MenuButtonStyle = c.style;
        m.props.MenuButtonAlignment = c.alignment;
        m.props.Enabled = c.enabled;
        const auto origin = MenuArrowOrigin(c.rect, m.props);
        ASSERT_TRUE(origin) << c.name;
        EXPECT_EQ(*origin, c.origin) << c.name;
    }
}

TEST(MenuArrow, NotDrawnWithoutWidthOrWhenHidden) {
    PaintModel m = DefaultModel();
    m.props.Menu = true;
    EXPECT_FALSE(MenuArrowOrigin({87, 0, 87, 25}, m.props)) << "zero width";
    EXPECT_FALSE(MenuArrowOrigin({87, 0, 80, 25}, m.props)) << "inverted";
    m.props.ShowMenuButtonTriangle = false;
    EXPECT_FALSE(MenuArrowOrigin({70, 0, 87, 25}, m.props)) << "hidden";
}

TEST(MenuArrow, GlyphRowsHoldSevenFiveThreeAndOnePixels) {
    PaintModel m = DefaultModel();
    m.props.Menu = true;
    m.props.MenuButtonTriangleColor = 0x0000FF;  // red
    TracedPixelCanvas canvas(17, 25);
    DrawMenuArrow(canvas, {0, 0, 17, 25}, m);
    const Rgb red{255, 0, 0};
    for (int y = 9; y <= 15; ++y)
        for (int x = 0; x < 17; ++x) {
            const int row = y - 10;
            const bool set = row >= 0 && row < 4 && x >= 5 + row && x < 12 - row;
            EXPECT_EQ(canvas.At(x, y) == red, set) << x << "," << y;
        }
}

TEST(MenuArrow, DisabledGlyphIsEmbossedHighlightBelowRightShadowInPlace) {
    PaintModel m = DefaultModel();
    m.props.Menu = true;
    m.props.Enabled = false;
    TracedPixelCanvas canvas(17, 25);
    DrawMenuArrow(canvas, {0, 0, 17, 25}, m);
    const Rgb shadow{16, 16, 16}, highlight{20, 20, 20};
    EXPECT_EQ(canvas.At(5, 10), shadow);      // top row, first pixel
    EXPECT_EQ(canvas.At(11, 10), shadow);     // top row, last pixel
    EXPECT_EQ(canvas.At(12, 11), highlight);  // the highlight shows past the shadow's edge
    EXPECT_EQ(canvas.At(9, 14), highlight);   // below the tip
    EXPECT_EQ(canvas.At(8, 13), shadow);      // the tip
}

std::vector<CanvasCall> Lines(const RecordingCanvas& canvas) { return canvas.CallsNamed("DrawLine"); }

TEST(FlatMenuSeparator, PositionAndLengthFollowTheSideAndBorderStyle) {
    struct Case {
        const char* name;
        std::int16_t alignment, style;
        std::vector<Rect> lines;  // from x, y to x, y
        bool solid;
    };
    const Case cases[] = {
        {"solid, menu right", kvnMenuButtonAlignmentRight, kvnSolid, {{70, 0, 70, 25}}, true},
        {"solid, menu left", kvnMenuButtonAlignmentLeft, kvnSolid, {{16, 0, 16, 25}}, true},
        {"double, menu right", kvnMenuButtonAlignmentRight, kvnDoubleLine, {{70, 3, 70, 22}, {72, 3, 72, 22}}, true},
        {"double, menu left", kvnMenuButtonAlignmentLeft, kvnDoubleLine, {{16, 3, 16, 22}, {14, 3, 14, 22}}, true},
        {"dotted", kvnMenuButtonAlignmentRight, kvnDots, {{70, 0, 70, 25}}, false},
        {"none", kvnMenuButtonAlignmentRight, kvnNone, {}, false},
    };
    for (const auto& c : cases) {
        PaintModel m = DefaultModel();
        m.props.Menu = true;
        m.props.MenuButtonAlignment = c.alignment;
        m.props.BorderStyle = c.style;
        m.props.BorderColor = 0x00FF00;
        const Rect part = c.alignment == kvnMenuButtonAlignmentLeft ? Rect{0, 0, 17, 25} : Rect{70, 0, 87, 25};
        RecordingCanvas canvas;
        DrawFlatMenuSeparatorLine(canvas, part, m);
        const auto lines = Lines(canvas);
        ASSERT_EQ(lines.size(), c.lines.size()) << c.name;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].rect, c.lines[i]) << c.name << " line " << i;
            EXPECT_EQ(lines[i].colour, (Rgb{0, 255, 0})) << c.name;
            EXPECT_EQ(lines[i].flag, c.solid) << c.name;
        }
    }
}

TEST(FlatMenuSeparator, TakesTheDownBorderStyleWhilePressed) {
    PaintModel m = DefaultModel();
    m.props.Menu = true;
    m.props.BorderStyle = kvnSolid;
    m.props.DownBorderStyle = kvnDoubleLine;
    m.state.pressed = true;
    RecordingCanvas canvas;
    DrawFlatMenuSeparatorLine(canvas, {70, 0, 87, 25}, m);
    EXPECT_EQ(Lines(canvas).size(), 2u);
}

TEST(ThreeDMenuSeparator, LowerShadeBesideWhiteInsetTwoPixels) {
    struct Case {
        const char* name;
        std::int16_t alignment;
        Rect part;
        int x;
    };
    const Case cases[] = {
        {"menu right", kvnMenuButtonAlignmentRight, {70, 0, 87, 25}, 70},
        {"menu left", kvnMenuButtonAlignmentLeft, {0, 0, 17, 25}, 15},
    };
    for (const auto& c : cases) {
        PaintModel m = DefaultModel();
        m.props.MenuButtonAlignment = c.alignment;
        m.props.BevelLowerShade = 0x808080;
        RecordingCanvas canvas;
        Draw3DMenuSeparatorLine(canvas, c.part, m);
        const auto lines = Lines(canvas);
        ASSERT_EQ(lines.size(), 2u) << c.name;
        EXPECT_EQ(lines[0].rect, (Rect{c.x, 2, c.x, 23})) << c.name;
        EXPECT_EQ(lines[0].colour, (Rgb{128, 128, 128})) << c.name;
        EXPECT_EQ(lines[1].rect, (Rect{c.x + 1, 2, c.x + 1, 23})) << c.name;
        EXPECT_EQ(lines[1].colour, kWhite) << c.name;
    }
}

}  // namespace
}  // namespace brixel::testing
