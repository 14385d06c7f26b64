#include "render/face_flat.h"

#include "traced_pixel_canvas.h"
#include "paint_model_support.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace brixel::testing {
namespace {

constexpr Rgb kBorder{0, 60, 116};  // the default BorderColor

Art FlatArt(const TracedPixelCanvas& canvas) { return canvas.Art({{kBorder, 'o'}, {kBlack, 'K'}, {kUntouched, '.'}}); }

PaintModel FlatFaceModel() {
    PaintModel m = DefaultModel();
    m.props.Appearance = kvnFlat;
    return m;
}

CornerShapes AllCorners(CornerShape shape) { return {shape, shape, shape, shape}; }

// --- Reading the four-field corner texts ---------------------------------------

TEST(Corners, ReadsEachFieldInTopLeftBottomLeftTopRightBottomRightOrder) {
    struct Case {
        const char* name;
        const char16_t* style;
        const char16_t* level;
        CornerShapes expected;
        bool any_rounded;
    } const cases[] = {
        {"new control: all square", u"0;0;0;0", u"1;1;1;1", AllCorners({false, true}), false},
        {"bottom-left only", u"0;1;0;0", u"0;0;0;0", {{{false, false}, {true, false}, {false, false}, {false, false}}},
         true},
        {"top-right rounded at the larger level", u"0;0;5;0", u"0;0;-3;0",
         {{{false, false}, {false, false}, {true, true}, {false, false}}}, true},
        {"missing fields round the corners they name", u"0;0", u"0;0;0;0",
         {{{false, false}, {false, false}, {true, false}, {true, false}}}, true},
        {"empty text: every corner rounded and larger", u"", u"", AllCorners({true, true}), true},
        {"non-numbers read as 0", u"x;y;z;w", u"a;b;c;d", AllCorners({false, false}), false},
    };
    for (const auto& c : cases) {
        ButtonProperties p = FlatFaceModel().props;
        p.CornerStyle = c.style;
        p.CornerRoundingLevel = c.level;
        EXPECT_EQ(ReadCornerShapes(p), c.expected) << c.name;
        EXPECT_EQ(IsRoundedStyleApplied(p), c.any_rounded) << c.name;
    }
}

// --- Corner pixel patterns -------------------------------------------------------

std::vector<Point> Sorted(std::vector<Point> v) {
    std::sort(v.begin(), v.end(), [](Point a, Point b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    return v;
}

TEST(Corners, PatternsLandOnTheSamePixelsAtEveryCorner) {
    const Rect r{10, 20, 50, 45};  // l, t, r, b
    const int l = 10, t = 20, rr = 50, b = 45;
    struct Case {
        const char* name;
        Corner corner;
        std::span<const CornerOffset> pattern;
        std::vector<Point> expected;
    } const cases[] = {
        {"outer, larger, top-left", Corner::TopLeft, DefaultCornerPattern(true),
         {{l + 2, t + 1}, {l + 3, t + 1}, {l + 1, t + 2}, {l + 1, t + 3}}},
        {"outer, larger, bottom-left", Corner::BottomLeft, DefaultCornerPattern(true),
         {{l + 2, b - 2}, {l + 3, b - 2}, {l + 1, b - 4}, {l + 1, b - 3}}},
        {"outer, larger, top-right", Corner::TopRight, DefaultCornerPattern(true),
         {{rr - 4, t + 1}, {rr - 3, t + 1}, {rr - 2, t + 2}, {rr - 2, t + 3}}},
        {"outer, larger, bottom-right", Corner::BottomRight, DefaultCornerPattern(true),
         {{rr - 4, b - 2}, {rr - 3, b - 2}, {rr - 2, b - 4}, {rr - 2, b - 3}}},
        {"outer, smaller, bottom-right", Corner::BottomRight, DefaultCornerPattern(false), {{rr - 2, b - 2}}},
        {"outer, smaller, top-right", Corner::TopRight, DefaultCornerPattern(false), {{rr - 2, t + 1}}},
        {"inner, larger, top-left", Corner::TopLeft, InnerCornerPattern(true),
         {{l + 1, t + 1}, {l + 2, t + 1}, {l + 1, t + 2}}},
        {"inner, larger, bottom-left", Corner::BottomLeft, InnerCornerPattern(true),
         {{l + 1, b - 2}, {l + 2, b - 2}, {l + 1, b - 3}}},
        {"inner, larger, top-right", Corner::TopRight, InnerCornerPattern(true),
         {{rr - 3, t + 1}, {rr - 2, t + 1}, {rr - 2, t + 2}}},
        {"inner, smaller, bottom-left", Corner::BottomLeft, InnerCornerPattern(false), {{l + 1, b - 2}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Sorted(CornerPixels(r, c.corner, c.pattern)), Sorted(c.expected)) << c.name;
}

// --- Border styles ----------------------------------------------------------------------

TEST(DrawBorderStyle, DrawsEachStyleAlongTheEdges) {
    const Rect r{0, 0, 14, 12};
    {
        TracedPixelCanvas canvas(14, 12);
        DrawBorderStyle(canvas, r, kBorder, kvnNone, AllCorners({true, true}));
        EXPECT_TRUE(canvas.calls.empty()) << canvas.Transcript();
    }
    for (const std::int16_t style : {kvnDots, kvnDashes}) {
        TracedPixelCanvas canvas(14, 12);
        DrawBorderStyle(canvas, r, kBorder, style, {});
        const auto lines = canvas.CallsNamed("DrawLine");
        ASSERT_EQ(lines.size(), 4u) << canvas.Transcript();
        const Rect expected[] = {{0, 0, 0, 12}, {13, 0, 13, 12}, {0, 0, 14, 0}, {0, 11, 14, 11}};
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(lines[i].rect, expected[i]) << style << " line " << i;
            EXPECT_EQ(lines[i].colour, kBorder);
            EXPECT_FALSE(lines[i].flag) << "a broken style draws with a broken pen";
        }
    }
    TracedPixelCanvas solid(14, 12);
    DrawBorderStyle(solid, r, kBorder, kvnSolid, AllCorners({true, true}));
    Art frame(12, "o............o");
    frame.front() = frame.back() = std::string(14, 'o');
    EXPECT_EQ(FlatArt(solid), frame) << Show(FlatArt(solid));
}

TEST(DrawBorderStyle, DoubleLineClosesEachCornerByItsShape) {
    // Top-left square, bottom-left smaller radius, top-right larger,
    // bottom-right square: each corner's closing pattern on its own.
    const CornerShapes corners{{{false, false}, {true, false}, {true, true}, {false, true}}};
    TracedPixelCanvas canvas(14, 12);
    DrawBorderStyle(canvas, {0, 0, 14, 12}, kBorder, kvnDoubleLine, corners);
    // Square: the gaps filled up to the inner corner. Smaller radius: a
    // bevel through the pixel three in on both axes. Larger: a deeper bevel.
    const Art expected{
        "oooooooooooooo",  //
        "o............o",  //
        "o.ooooooo....o",  // top-left square; top-right open
        "o.o......o...o",  // top-right larger bevel
        "o.o.......o..o",  //
        "o.o........o.o",  // straight inner runs
        "o.o........o.o",  //
        "o.o........o.o",  // bottom-left smaller bevel; bottom-right square
        "o..o.......o.o",  //
        "o...oooooooo.o",  //
        "o............o",  //
        "oooooooooooooo",
    };
    EXPECT_EQ(FlatArt(canvas), expected) << Show(FlatArt(canvas));
}

TEST(DrawBorderStyle, DoubleLineOnATinyButtonKeepsToTheOutline) {
    TracedPixelCanvas canvas(9, 20);
    DrawBorderStyle(canvas, {0, 0, 9, 20}, kBorder, kvnDoubleLine, AllCorners({false, false}));
    EXPECT_TRUE(canvas.CallsNamed("DrawLine").empty()) << canvas.Transcript();
    EXPECT_TRUE(canvas.CallsNamed("SetPixel").empty()) << canvas.Transcript();
    EXPECT_EQ(canvas.CallsNamed("FrameRect").size(), 1u);
}

// --- The whole border step ------------------------------------------------------------

struct FlatCase {
    const char* name;
    void (*setup)(PaintModel&);
    Art expected;
};

TEST(DrawFlatBorderAndRoundedCorners, FramesRoundsAndMovesTheBorder) {
    const FlatCase cases[] = {
        {"square corners: the outline", [](PaintModel&) {},
         {"oooooooo", "o......o", "o......o", "o......o", "o......o", "o......o", "o......o", "oooooooo"}},
        {"smaller rounded corners: a pixel inside each", [](PaintModel& m) { m.props.CornerStyle = u"1;1;1;1"; m.props.CornerRoundingLevel = u"0;0;0;0"; },
         {"oooooooo", "oo....oo", "o......o", "o......o", "o......o", "o......o", "oo....oo", "oooooooo"}},
        {"larger rounded top-left only", [](PaintModel& m) { m.props.CornerStyle = u"1;0;0;0"; },
         {"oooooooo", "o.oo...o", "oo.....o", "oo.....o", "o......o", "o......o", "o......o", "oooooooo"}},
        {"no border style, not default: nothing at all", [](PaintModel& m) {
             m.props.BorderStyle = kvnNone;
             m.props.CornerStyle = u"1;1;1;1";
         },
         Art(8, "........")},
        {"focused with ShowDefaultBorder: black frame, border one pixel in", [](PaintModel& m) { m.has_focus = true; },
         {"KKKKKKKK", "KooooooK", "Ko....oK", "Ko....oK", "Ko....oK", "Ko....oK", "KooooooK", "KKKKKKKK"}},
        {"focused without ShowDefaultBorder: no frame", [](PaintModel& m) {
             m.has_focus = true;
             m.props.ShowDefaultBorder = false;
         },
         {"oooooooo", "o......o", "o......o", "o......o", "o......o", "o......o", "o......o", "oooooooo"}},
        {"shown as default, no border style, smaller corners: frame and black corner pixels", [](PaintModel& m) {
             m.display_as_default = true;
             m.props.BorderStyle = kvnNone;
             m.props.CornerStyle = u"1;1;1;1";
             m.props.CornerRoundingLevel = u"0;0;0;0";
         },
         {"KKKKKKKK", "KK....KK", "K......K", "K......K", "K......K", "K......K", "KK....KK", "KKKKKKKK"}},
        // The outer rounding pixel lands on the inner border's corner.
        {"shown as default, smaller corners: inner rounding in the border colour, outer in black", [](PaintModel& m) {
             m.display_as_default = true;
             m.props.CornerStyle = u"0;0;0;1";
             m.props.CornerRoundingLevel = u"0;0;0;0";
         },
         {"KKKKKKKK", "KooooooK", "Ko....oK", "Ko....oK", "Ko....oK", "Ko...ooK", "KoooooKK", "KKKKKKKK"}},
    };
    for (const auto& c : cases) {
        PaintModel m = FlatFaceModel();
        m.props.ShowDefaultBorder = true;
        m.props.Active = true;
        c.setup(m);
        TracedPixelCanvas canvas(8, 8);
        DrawFlatBorderAndRoundedCorners(canvas, {0, 0, 8, 8}, m);
        EXPECT_EQ(FlatArt(canvas), c.expected) << c.name << "\n" << Show(FlatArt(canvas));
    }
}

TEST(DrawFlatBorderAndRoundedCorners, UsesTheStateBorderStyleAndColour) {
    PaintModel m = FlatFaceModel();
    m.props.EnableMouseInProperties = true;
    m.props.MouseInBorderStyle = kvnDots;
    m.props.MouseInBorderColor = 0x0000FF;
    m.props.CornerStyle = u"1;0;0;0";
    m.state.mouse_in = true;
    TracedPixelCanvas canvas(20, 20);
    DrawFlatBorderAndRoundedCorners(canvas, {0, 0, 20, 20}, m);
    const auto lines = canvas.CallsNamed("DrawLine");
    ASSERT_EQ(lines.size(), 4u) << canvas.Transcript();
    for (const auto& line : lines) EXPECT_EQ(line.colour, (Rgb{255, 0, 0}));
    // The outer rounding is always solid, in the state colour.
    EXPECT_EQ(canvas.At(2, 1), (Rgb{255, 0, 0}));
    EXPECT_EQ(canvas.At(1, 3), (Rgb{255, 0, 0}));
}

}  // namespace
}  // namespace brixel::testing
