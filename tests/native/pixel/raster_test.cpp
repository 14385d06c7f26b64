// The pixel rules on their own: which pixels lines, polygons and rounded
// shapes cover, and the arithmetic of gradients, blends and raster
// operations.
#include "pixel/raster.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>

namespace brixel::pixel {
namespace {

using Points = std::vector<Point>;

std::set<std::pair<int, int>> Covered(const std::vector<Span>& spans) {
    std::set<std::pair<int, int>> out;
    for (const Span& s : spans)
        for (int x = s.left; x < s.right; ++x) out.insert({x, s.y});
    return out;
}

// --- Lines -----------------------------------------------------------------------

struct LineCase {
    const char* name;
    Point from, to;
    Points expected;
};

class LinePixelsTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(LinePixelsTest, CoversTheStartButNotTheEnd) {
    EXPECT_EQ(LinePixels(GetParam().from, GetParam().to), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LinePixelsTest,
    ::testing::Values(
        LineCase{"RightwardsRow", {2, 5}, {6, 5}, {{2, 5}, {3, 5}, {4, 5}, {5, 5}}},
        LineCase{"LeftwardsRowStartsAtItsStart", {6, 5}, {3, 5}, {{6, 5}, {5, 5}, {4, 5}}},
        LineCase{"UpwardsColumn", {1, 4}, {1, 1}, {{1, 4}, {1, 3}, {1, 2}}},
        LineCase{"SinglePointIsEmpty", {3, 3}, {3, 3}, {}},
        LineCase{"Diagonal", {0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
        // Octant 1 (no bias): the half-way step goes down late.
        LineCase{"ShallowDownRight", {0, 0}, {4, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        // Octant 5 takes the bias: the reverse line steps one pixel earlier.
        LineCase{"ShallowUpLeftBiased", {4, 2}, {0, 0}, {{4, 2}, {3, 1}, {2, 1}, {1, 0}}},
        LineCase{"SteepDownRight", {0, 0}, {2, 4}, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DashPattern, DotsAndDashesAsCosmeticPens) {
    const auto dots = DashPattern(PenStyle::Dotted);
    std::string seen;
    for (std::size_t i = 0; i < 8; ++i) seen += DashDrawn(dots, i) ? '#' : '.';
    EXPECT_EQ(seen, "###...##");
    const auto dashes = DashPattern(PenStyle::Dashed);
    EXPECT_TRUE(DashDrawn(dashes, 17));
    EXPECT_FALSE(DashDrawn(dashes, 18));
    EXPECT_FALSE(DashDrawn(dashes, 23));
    EXPECT_TRUE(DashDrawn(dashes, 24));
    EXPECT_TRUE(DashDrawn(DashPattern(PenStyle::Solid), 1000));
}

// --- Polygons ---------------------------------------------------------------------

TEST(PolygonSpans, SquareKeepsLeftAndTopEdgesOnly) {
    const Point square[] = {{1, 1}, {4, 1}, {4, 3}, {1, 3}};
    EXPECT_EQ(PolygonSpans(square), (std::vector<Span>{{1, 1, 4}, {2, 1, 4}}));
}

TEST(PolygonSpans, SlopedEdgeStartsAtTheFirstPixelOnOrRightOfIt) {
    // Left edge from (0,0) to (3,6): x = y / 2, so row 1 starts at 0.5 -> 1.
    const Point tri[] = {{0, 0}, {6, 0}, {6, 6}, {3, 6}};
    const auto spans = PolygonSpans(tri);
    ASSERT_EQ(spans.size(), 6u);
    EXPECT_EQ(spans[1], (Span{1, 1, 6}));
    EXPECT_EQ(spans[2], (Span{2, 1, 6}));
    EXPECT_EQ(spans[5], (Span{5, 3, 6}));
}

TEST(PolygonSpans, AlternateModeLeavesTheOverlapOfAFoldedFigureOpen) {
    // Two squares traced as one figure overlapping in the middle column.
    const Point folded[] = {{0, 0}, {3, 0}, {3, 1}, {1, 1}, {1, 0}, {4, 0}, {4, 1}, {0, 1}};
    const auto covered = Covered(PolygonSpans(folded));
    EXPECT_TRUE(covered.count({0, 0}));
    EXPECT_FALSE(covered.count({1, 0}));
    EXPECT_FALSE(covered.count({2, 0}));
    EXPECT_TRUE(covered.count({3, 0}));
}

TEST(PolygonSpans, FewerThanThreePointsCoverNothing) {
    const Point two[] = {{0, 0}, {5, 5}};
    EXPECT_TRUE(PolygonSpans(two).empty());
}

// --- Rounded rectangles -------------------------------------------------------------

struct RoundCase {
    const char* name;
    Rect rect;
    Size ellipse;
    // The system's outline of an ellipse one pixel wider than its half
    // stops a row short of the top and bottom edges (the arc ends before
    // its tip); its straight edges then run one row in.
    bool reaches_top_and_bottom = true;
};

class RoundRectTest : public ::testing::TestWithParam<RoundCase> {};

// The region of (l, t, r + 1, b + 1) is the rectangle (l, t, r, b) with its
// corners cut symmetrically.
TEST_P(RoundRectTest, RegionIsSymmetricAndCutsOnlyCorners) {
    const Rect r = GetParam().rect;
    const auto covered = Covered(RoundRectRegion({r.left, r.top, r.right + 1, r.bottom + 1}, GetParam().ellipse));
    for (const auto& [x, y] : covered) {
        EXPECT_TRUE(x >= r.left && x < r.right && y >= r.top && y < r.bottom) << x << "," << y;
        EXPECT_TRUE(covered.count({r.left + r.right - 1 - x, y})) << "mirror of " << x << "," << y;
        EXPECT_TRUE(covered.count({x, r.top + r.bottom - 1 - y})) << "mirror of " << x << "," << y;
    }
    EXPECT_FALSE(covered.count({r.left, r.top}));
    const int mid_y = (r.top + r.bottom) / 2;
    for (int x = r.left; x < r.right; ++x) EXPECT_TRUE(covered.count({x, mid_y})) << x;
}

// The outline is a closed chain of neighbouring points on the rectangle's
// edge pixels at mid-height and mid-width.
TEST_P(RoundRectTest, OutlineIsAClosedChainTouchingEverySide) {
    const Rect r = GetParam().rect;
    const Points outline = RoundRectOutline(r, GetParam().ellipse);
    ASSERT_FALSE(outline.empty());
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const Point a = outline[i], b = outline[(i + 1) % outline.size()];
        EXPECT_TRUE(a.x >= r.left && a.x < r.right && a.y >= r.top && a.y < r.bottom);
        const bool straight = a.x == b.x || a.y == b.y;
        const bool neighbours = std::abs(a.x - b.x) <= 1 && std::abs(a.y - b.y) <= 1;
        EXPECT_TRUE(straight || neighbours) << i;
    }
    const auto on = [&](auto pred) { return std::any_of(outline.begin(), outline.end(), pred); };
    EXPECT_TRUE(on([&](Point p) { return p.x == r.left; }));
    EXPECT_TRUE(on([&](Point p) { return p.x == r.right - 1; }));
    const bool edges = GetParam().reaches_top_and_bottom;
    EXPECT_EQ(on([&](Point p) { return p.y == r.top; }), edges);
    EXPECT_EQ(on([&](Point p) { return p.y == r.bottom - 1; }), edges);
    EXPECT_TRUE(on([&](Point p) { return p.y == r.top + 1; }));
    EXPECT_FALSE(on([&](Point p) { return p.x == r.left && p.y == r.top; }));
}

INSTANTIATE_TEST_SUITE_P(Shapes, RoundRectTest,
                         ::testing::Values(RoundCase{"XpCorners4x8", {1, 1, 86, 24}, {4, 8}, false},
                                           RoundCase{"Square4x4", {0, 0, 10, 10}, {4, 4}},
                                           RoundCase{"RegionCorners9x9", {0, 0, 80, 25}, {9, 9}},
                                           RoundCase{"OddEllipseFillingTheWidth", {2, 3, 9, 20}, {7, 6}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RoundRectOutline, SmallEllipseLeavesAPlainRectangle) {
    EXPECT_TRUE(RoundRectOutline({0, 0, 10, 10}, {2, 8}).empty());
}

TEST(RoundRectRegion, SmallEllipseIsThePlainRectangle) {
    EXPECT_EQ(Covered(RoundRectRegion({0, 0, 4, 3}, {1, 1})).size(), 6u);  // 3 x 2: right and bottom in
}

// --- Colour arithmetic ----------------------------------------------------------------

TEST(GradientAt, StartsExactlyAndNeverReachesTheEnd) {
    const Rgb a{0, 100, 255}, b{255, 0, 0};
    EXPECT_EQ(GradientAt(a, b, 0, 10), a);
    EXPECT_EQ(GradientAt(a, b, 5, 10), (Rgb{127, 50, 127}));
    EXPECT_EQ(GradientAt(a, b, 9, 10), (Rgb{229, 10, 25}));
}

TEST(TriangleColourAt, VertexColoursAtTheVertices) {
    const Point v[3] = {{0, 0}, {10, 0}, {0, 10}};
    const Rgb c[3] = {{255, 0, 0}, {0, 0, 255}, {0, 0, 255}};
    EXPECT_EQ(TriangleColourAt(v, c, 0, 0), c[0]);
    EXPECT_EQ(TriangleColourAt(v, c, 10, 0), c[1]);
    EXPECT_EQ(TriangleColourAt(v, c, 5, 0), (Rgb{127, 0, 127}));
}

TEST(TriangleSpans, RowsRunFromTopVertexToBottomExclusive) {
    const Point v[3] = {{0, 0}, {0, 4}, {4, 4}};  // sorted by y
    // Row 0 is the apex alone: no pixel; each row ends before the long edge.
    EXPECT_EQ(TriangleSpans(v), (std::vector<Span>{{1, 0, 1}, {2, 0, 2}, {3, 0, 3}}));
}

struct BlendCase {
    const char* name;
    std::uint8_t d, s, alpha, expected;
};

class BlendTest : public ::testing::TestWithParam<BlendCase> {};

TEST_P(BlendTest, RoundsToNearest) {
    EXPECT_EQ(BlendChannel(GetParam().d, GetParam().s, GetParam().alpha), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Channels, BlendTest,
                         ::testing::Values(BlendCase{"TransparentKeepsDest", 10, 200, 0, 10},
                                           BlendCase{"OpaqueTakesSource", 10, 200, 255, 200},
                                           BlendCase{"HalfRoundsUp", 0, 255, 128, 128},
                                           BlendCase{"HalfOfOdd", 1, 0, 128, 0},
                                           BlendCase{"Third", 90, 0, 170, 30}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RopCase {
    const char* name;
    RasterOp op;
    Pixel expected;  // for pattern 0x00FF00FF, source 0x0000FFFF, dest 0x00F0F0F0
};

class RopTest : public ::testing::TestWithParam<RopCase> {};

TEST_P(RopTest, CombinesBitByBit) {
    EXPECT_EQ(Rop3(RopCode(GetParam().op), 0x00FF00FF, 0x0000FFFF, 0x00F0F0F0), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, RopTest,
    ::testing::Values(RopCase{"SourceCopy", RasterOp::SourceCopy, 0x0000FFFF},
                      RopCase{"SourceAnd", RasterOp::SourceAnd, 0x0000F0F0},
                      RopCase{"SourceOr", RasterOp::SourceOr, 0x00F0FFFF},
                      RopCase{"PatternCopy", RasterOp::PatternCopy, 0x00FF00FF},
                      // Dest where the source is 1, brush where it is 0.
                      RopCase{"BrushWhereSourceZero", RasterOp::BrushWhereSourceZero, 0x00FFF0F0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brixel::pixel
