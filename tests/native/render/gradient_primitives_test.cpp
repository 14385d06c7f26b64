#include "render/gradient_primitives.h"

#include "traced_pixel_canvas.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <vector>

namespace brixel::testing {
namespace {

int ChannelDistance(Rgb a, Rgb b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

struct ColourCase {
    const char* name;
    Rgb input;
    int k;
    Rgb darker, lighter;
};

TEST(ColourArithmetic, DarkenAndLightenClampEachChannel) {
    const ColourCase cases[] = {
        {"mid grey", {100, 100, 100}, 25, {75, 75, 75}, {125, 125, 125}},
        {"dark channel stops at zero", {10, 200, 3}, 25, {0, 175, 0}, {35, 225, 28}},
        {"light channel stops at 255", {250, 0, 240}, 12, {238, 0, 228}, {255, 12, 252}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DarkenBy(c.input, c.k), c.darker);
        EXPECT_EQ(LightenBy(c.input, c.k), c.lighter);
    }
}

TEST(ColourArithmetic, MidpointRoundsDown) {
    EXPECT_EQ(MidpointColour(kBlack, kWhite), (Rgb{127, 127, 127}));
    EXPECT_EQ(MidpointColour({255, 1, 10}, {255, 2, 20}), (Rgb{255, 1, 15}));
}

TEST(RectangleFallback, VerticalGradientPaintsOneRowPerStepWithTruncatedChannels) {
    RecordingCanvas canvas;
    VerticalGradient(canvas, {5, 10, 25, 31}, kBlack, {210, 0, 21});
    const auto rows = canvas.CallsNamed("FillRect");
    ASSERT_EQ(rows.size(), 21u);
    for (int i = 0; i < 21; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[static_cast<std::size_t>(i)].rect, (Rect{5, 10 + i, 25, 11 + i}));
        // 210 / 21 = 10 per row exactly; 21 / 21 = 1 per row.
        EXPECT_EQ(rows[static_cast<std::size_t>(i)].colour,
                  (Rgb{static_cast<std::uint8_t>(10 * i), 0, static_cast<std::uint8_t>(i)}));
    }
}

TEST(RectangleFallback, HorizontalGradientTruncatesFractionalSteps) {
    RecordingCanvas canvas;
    HorizontalGradient(canvas, {0, 0, 3, 7}, kBlack, {100, 255, 0});
    const auto columns = canvas.CallsNamed("FillRect");
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[1].rect, (Rect{1, 0, 2, 7}));
    EXPECT_EQ(columns[1].colour, (Rgb{33, 85, 0}));  // 33.33 and 85
    EXPECT_EQ(columns[2].colour, (Rgb{66, 170, 0}));  // 66.67 truncated
}

TEST(RectangleFallback, DescendingChannelsNeverWrap) {
    TracedPixelCanvas canvas(1, 200);
    VerticalGradient(canvas, {0, 0, 1, 200}, kWhite, kBlack);
    for (int y = 1; y < 200; ++y) EXPECT_LE(canvas.At(0, y).r, canvas.At(0, y - 1).r) << y;
    EXPECT_EQ(canvas.At(0, 0), kWhite);
}

struct EmptyCase {
    const char* name;
    Rect r;
};
constexpr EmptyCase kEmptyRects[] = {
    {"zero width", {10, 10, 10, 30}},
    {"zero height", {10, 10, 30, 10}},
    {"negative width", {30, 10, 10, 30}},
    {"negative height", {10, 30, 30, 10}},
    {"both zero", {0, 0, 0, 0}},
};

TEST(EmptyRectangles, DrawNothingThroughAnyPrimitive) {
    using Draw = std::function<void(Canvas&, const Rect&)>;
    const std::pair<const char*, Draw> routines[] = {
        {"VerticalGradient", [](Canvas& c, const Rect& r) { VerticalGradient(c, r, kBlack, kWhite); }},
        {"HorizontalGradient", [](Canvas& c, const Rect& r) { HorizontalGradient(c, r, kBlack, kWhite); }},
        {"rectangular, fast",
         [](Canvas& c, const Rect& r) {
             DrawRectangularGradient(c, r, kBlack, kWhite, GradientDirection::TopToBottom, FastPrimitives::Allowed);
         }},
        {"rectangular, fallback",
         [](Canvas& c, const Rect& r) {
             DrawRectangularGradient(c, r, kBlack, kWhite, GradientDirection::LeftToRight, FastPrimitives::Avoid);
         }},
        {"triangle, fast",
         [](Canvas& c, const Rect& r) { DrawTriangleOfType(c, r, 0, kBlack, kWhite, FastPrimitives::Allowed); }},
        {"triangle, fallback",
         [](Canvas& c, const Rect& r) { DrawTriangleOfType(c, r, 5, kBlack, kWhite, FastPrimitives::Avoid); }},
        {"PaintRect", [](Canvas& c, const Rect& r) { PaintRect(c, r.left, r.top, r.Width(), r.Height(), kWhite); }},
    };
    for (const auto& [routine, draw] : routines) {
        for (const auto& e : kEmptyRects) {
            SCOPED_TRACE(std::string(routine) + ", " + e.name);
            RecordingCanvas canvas(/*gradient_fill=*/true);
            draw(canvas, e.r);
            EXPECT_TRUE(canvas.calls.empty()) << canvas.Transcript();
        }
    }
}

TEST(RectangularGradient, TakesTheFastPathOnlyWhenAllowedAndOffered) {
    struct Case {
        const char* name;
        bool offered;
        FastPrimitives fast;
        bool expect_fast;
    };
    const Case cases[] = {
        {"allowed and offered", true, FastPrimitives::Allowed, true},
        {"offered, platform says no", true, FastPrimitives::Avoid, false},
        {"allowed, canvas lacks it", false, FastPrimitives::Allowed, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingCanvas canvas(c.offered);
        DrawRectangularGradient(canvas, {0, 0, 4, 6}, kBlack, kWhite, GradientDirection::TopToBottom, c.fast);
        EXPECT_EQ(canvas.CallsNamed("GradientFillRect").size(), c.expect_fast ? 1u : 0u);
        EXPECT_EQ(canvas.CallsNamed("FillRect").size(), c.expect_fast ? 0u : 6u);
    }
}

TEST(RectangularGradient, DirectionPicksTheFastModeAndTheFallback) {
    RecordingCanvas fast(true);
    DrawRectangularGradient(fast, {1, 2, 9, 5}, kBlack, kWhite, GradientDirection::LeftToRight,
                            FastPrimitives::Allowed);
    ASSERT_EQ(fast.calls.size(), 1u);
    EXPECT_FALSE(fast.calls[0].flag);
    EXPECT_EQ(fast.calls[0].rect, (Rect{1, 2, 9, 5}));

    RecordingCanvas slow;
    DrawRectangularGradient(slow, {1, 2, 9, 5}, kBlack, kWhite, GradientDirection::LeftToRight,
                            FastPrimitives::Avoid);
    EXPECT_EQ(slow.calls.size(), 8u);  // one column each
}

TEST(TriangleTypes, UnknownTypesDrawNothing) {
    for (int type : {-1, 12, 99}) {
        RecordingCanvas canvas(true);
        DrawTriangleOfType(canvas, {0, 0, 10, 10}, type, kBlack, kWhite, FastPrimitives::Allowed);
        DrawAppropriateTriangularGradient(canvas, {0, 0, 10, 10}, type, kBlack, kWhite);
        EXPECT_TRUE(canvas.calls.empty()) << type;
    }
}

// The colour plain linear interpolation gives at pixel (px, py) of the
// triangle: vertex 1 in `first`, the opposite side in `rest`.
std::optional<Rgb> IdealColour(const Triangle& t, double px, double py, Rgb first, Rgb rest) {
    const Point a = t.vertices[0], b = t.vertices[1], c = t.vertices[2];
    const double area = double(b.x - a.x) * (c.y - a.y) - double(c.x - a.x) * (b.y - a.y);
    const double l1 = ((b.x - px) * (c.y - py) - (c.x - px) * (b.y - py)) / area;
    const double l2 = ((c.x - px) * (a.y - py) - (a.x - px) * (c.y - py)) / area;
    const double l3 = 1.0 - l1 - l2;
    if (l1 <= 0 || l2 <= 0 || l3 <= 0) return std::nullopt;
    const auto mix = [&](int f, int r) { return static_cast<std::uint8_t>(f + (r - f) * (1.0 - l1)); };
    return Rgb{mix(first.r, rest.r), mix(first.g, rest.g), mix(first.b, rest.b)};
}

// The styles draw the triangles in pairs that share a side; along it the
// staircase of one triangle's bands leaves pixels to the other.
TEST(TriangleFallback, FollowsTheLinearGradientWithinTwoBands) {
    const Rgb first{200, 40, 0}, rest{0, 240, 100};
    const Rect bounds{0, 0, 40, 20};
    const int step = 200 / 40;  // the largest channel change per band
    for (int a = 0; a < kTriangleTypeCount; a += 2) {
        SCOPED_TRACE(a);
        TracedPixelCanvas canvas(40, 20);
        DrawAppropriateTriangularGradient(canvas, bounds, a, first, rest);
        DrawAppropriateTriangularGradient(canvas, bounds, a + 1, first, rest);
        Triangle ta, tb;
        ASSERT_TRUE(TriangleVertices(bounds, a, ta) && TriangleVertices(bounds, a + 1, tb));
        int checked = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x) {
                auto ideal = IdealColour(ta, x, y, first, rest);
                if (!ideal) ideal = IdealColour(tb, x, y, first, rest);
                if (!ideal) continue;
                // A band is one step; rounding its corners to whole pixels
                // moves an edge by at most half a pixel, one more step.
                ASSERT_LE(ChannelDistance(canvas.At(x, y), *ideal), 2 * step + 1) << x << "," << y;
                ++checked;
            }
        EXPECT_GT(checked, 700);
    }
}

// On a square every pixel lies on a band edge, so each pixel can take
// exactly the colour its position calls for, whichever way the bands run.
TEST(TriangleFallback, OnASquareEveryPixelHasTheColourOfItsPosition) {
    const Rgb first{200, 40, 0}, rest{0, 240, 100};
    const Rect bounds{0, 0, 32, 32};
    for (int type = 0; type < kTriangleTypeCount; ++type) {
        SCOPED_TRACE(type);
        TracedPixelCanvas canvas(32, 32);
        DrawAppropriateTriangularGradient(canvas, bounds, type, first, rest);
        Triangle t;
        ASSERT_TRUE(TriangleVertices(bounds, type, t));
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (auto ideal = IdealColour(t, x, y, first, rest)) {
                    ASSERT_LE(ChannelDistance(canvas.At(x, y), *ideal), 1) << x << "," << y;
                }
    }
}

TEST(TriangleFallback, TheCornerPixelOfVertexOneHasItsColourExactly) {
    // Only a top-left vertex coincides with a pixel; the other corners lie
    // one pixel beyond the last row or column (right and bottom exclusive).
    const Rgb first{200, 40, 0}, rest{0, 240, 100};
    // The corner style's two triangles meet in vertex 1: together they own it.
    for (const std::vector<int>& types : {std::vector<int>{0}, std::vector<int>{4, 5}}) {
        SCOPED_TRACE(types.front());
        TracedPixelCanvas canvas(40, 20);
        for (int type : types) DrawAppropriateTriangularGradient(canvas, {0, 0, 40, 20}, type, first, rest);
        EXPECT_EQ(canvas.At(0, 0), first);
    }
}

TEST(TriangleFallback, BandsGrowByOneStepEachAndStayParallel) {
    RecordingCanvas canvas;
    DrawAppropriateTriangularGradient(canvas, {0, 0, 8, 4}, 0, {0, 0, 0}, {80, 160, 240});
    const auto bands = canvas.CallsNamed("FillPolygon");
    ASSERT_EQ(bands.size(), 8u);  // the longer extent
    EXPECT_EQ(bands[1].colour, (Rgb{10, 20, 30}));
    // Band 2 runs from the edge 2/8 of the way to the edge 3/8 of the way:
    // two pixels and three along the top, a half and one and a half down.
    EXPECT_EQ(bands[2].points, (std::vector<Point>{{0, 1}, {2, 0}, {3, 0}, {0, 2}}));
}

TEST(TriangleFallback, PairsCoverTheWholeRectangle) {
    const std::pair<int, int> pairs[] = {{0, 1}, {2, 3}, {4, 5}, {6, 7}, {8, 9}, {10, 11}};
    const Rgb untouched{1, 2, 3};
    for (const auto& [a, b] : pairs) {
        SCOPED_TRACE(a);
        TracedPixelCanvas canvas(23, 17, untouched);
        DrawAppropriateTriangularGradient(canvas, {0, 0, 23, 17}, a, kBlack, kWhite);
        DrawAppropriateTriangularGradient(canvas, {0, 0, 23, 17}, b, kBlack, kWhite);
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 23; ++x) ASSERT_NE(canvas.At(x, y), untouched) << x << "," << y;
    }
}

TEST(TriangularGradient, FastPathHandsOverTheVerticesAndColours) {
    RecordingCanvas canvas(true);
    DrawTriangleOfType(canvas, {2, 3, 12, 9}, 7, kBlack, kWhite, FastPrimitives::Allowed);
    const auto t = canvas.CallsNamed("GradientFillTriangle");
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].points, (std::vector<Point>{{12, 3}, {12, 9}, {2, 9}}));
    EXPECT_EQ(t[0].colour, kBlack);
    EXPECT_EQ(t[0].colour2, kWhite);
}

}  // namespace
}  // namespace brixel::testing
