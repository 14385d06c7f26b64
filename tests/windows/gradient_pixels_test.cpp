// The gradients drawn by real GDI into DIB sections: the pixels the face
// must show, through the platform's GradientFill and through our fallbacks.
#include "gdi_test_support.h"
#include "native/render/gradient_support.h"
#include "render/gradient.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace brixel::testing {
namespace {


class GradientPixels : public GdiFixture, public ::testing::WithParamInterface<bool> {
protected:
    bool fast() const { return GetParam(); }
    FastPrimitives Mode() const { return FastPrimitives::Allowed; }  // the surface decides
    std::unique_ptr<Surface> Face(Size size) { return MakeSurface(size, fast(), kUntouched); }
};

bool SamePixels(const Surface& a, const Surface& b) {
    const Size s = a.size();
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            if (!(a.GetPixel({x, y}) == b.GetPixel({x, y}))) return false;
    return true;
}

TEST_P(GradientPixels, HorizontalVariantThreeSplitsATwentyOnePixelFaceAtTopPlusTen) {
    const Rgb c1{250, 10, 0}, c2{0, 90, 210};
    auto s = Face({10, 30});
    FillGradient(*s, {0, 5, 10, 26}, GradientOf(kvnGradientStyleHorizontal, kvnGradientStyleVariant3, c1, c2), Mode());
    EXPECT_EQ(s->GetPixel({4, 5}), c1);        // t
    const Rgb before = s->GetPixel({4, 14});   // t + 9: the last row of the upper half
    EXPECT_NE(before, c2);
    EXPECT_LT(before.r, 50);                   // nine tenths of the way to c2
    EXPECT_EQ(s->GetPixel({4, 15}), c2);       // t + 10: the lower half starts at c2
    EXPECT_GT(s->GetPixel({4, 25}).r, 200);    // b - 1: nearly back at c1
    EXPECT_EQ(s->GetPixel({4, 26}), kUntouched);
    EXPECT_EQ(s->GetPixel({4, 4}), kUntouched);
}

TEST_P(GradientPixels, DiagonalDownVariantOneIsGreyAlongTheDiagonal) {
    auto s = Face({64, 64});
    FillGradient(*s, {0, 0, 64, 64}, GradientOf(kvnGradientStyleDiagonalDown, kvnGradientStyleVariant1, kBlack, kWhite),
                 Mode());
    EXPECT_EQ(s->GetPixel({0, 0}), kBlack);
    EXPECT_GE(s->GetPixel({63, 63}).r, 245);
    // Pixels on the line from the top-right to the bottom-left corner; the
    // fallback's last band takes its colour there too.
    const int tolerance = fast() ? 0 : 1;
    for (int x = 1; x < 64; ++x) {
        const Rgb c = s->GetPixel({x, 64 - x});
        EXPECT_NEAR(c.r, 127, tolerance) << x;
        EXPECT_TRUE(c.r == c.g && c.g == c.b) << x;
    }
}

TEST_P(GradientPixels, XPStyle2IgnoresTheSecondColour) {
    for (std::int16_t appearance : {kvnFlat, kvnXPStyleAPB})
        for (int state = 0; state < 3; ++state) {
            SCOPED_TRACE(std::to_string(appearance) + "/" + std::to_string(state));
            auto a = Face({30, 22}), b = Face({30, 22});
            auto p = GradientOf(kvnGradientStyleXPStyle2, kvnGradientStyleVariant1, {60, 120, 200}, kBlack);
            p.appearance = appearance;
            p.xp_state = state;
            FillGradient(*a, {0, 0, 30, 22}, p, Mode());
            p.colour2 = {250, 0, 90};
            FillGradient(*b, {0, 0, 30, 22}, p, Mode());
            EXPECT_TRUE(SamePixels(*a, *b));
        }
}

TEST_P(GradientPixels, XPStyle1DrawsItsNormalFormOutsideTheXPAppearance) {
    const auto draw = [&](std::int16_t appearance, int state) {
        auto s = Face({30, 22});
        auto p = GradientOf(kvnGradientStyleXPStyle1, kvnGradientStyleVariant1, {255, 255, 255}, {90, 140, 220});
        p.appearance = appearance;
        p.xp_state = state;
        FillGradient(*s, {0, 0, 30, 22}, p, Mode());
        return s;
    };
    const auto normal = draw(kvn3D, kXPStateNormal);
    EXPECT_TRUE(SamePixels(*normal, *draw(kvn3D, kXPStatePressed)));
    EXPECT_TRUE(SamePixels(*normal, *draw(kvnFlat, kXPStateMouseInside)));
    // On the XP appearance the pressed form really is another picture.
    EXPECT_FALSE(SamePixels(*draw(kvnXPStyleAPB, kXPStateNormal), *draw(kvnXPStyleAPB, kXPStatePressed)));
}

TEST_P(GradientPixels, EmptyRectanglesDrawNothing) {
    const Rect empties[] = {{5, 5, 5, 20}, {5, 5, 20, 5}, {20, 5, 5, 20}, {5, 20, 20, 5}};
    for (std::int16_t style = 0; style < 7; ++style)
        for (const Rect& r : empties) {
            auto s = Face({24, 24});
            auto p = GradientOf(style, kvnGradientStyleVariant1, kBlack, kWhite);
            p.appearance = kvnXPStyleAPB;
            FillGradient(*s, r, p, Mode());
            for (int y = 0; y < 24; ++y)
                for (int x = 0; x < 24; ++x) {
                    ASSERT_EQ(s->GetPixel({x, y}), kUntouched) << style << " " << x << "," << y;
                }
        }
}

INSTANTIATE_TEST_SUITE_P(FastAndFallback, GradientPixels, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "GradientFill" : "Fallback"; });

// --- The fast path and the fallbacks agree --------------------------------------

class FastAgainstFallback : public GdiFixture {};

TEST_F(FastAgainstFallback, MsimgGradientFillIsPresentUnderTest) {
    ASSERT_TRUE(msimg32_.gradient_fill() != nullptr) << "the agreement tests would compare the fallback with itself";
}

TEST_F(FastAgainstFallback, RectanglesAgreeExceptByOneAtTheFarEnd) {
    const Rgb start{250, 3, 100}, end{7, 240, 101};
    for (int extent : {1, 2, 7, 21, 100, 255, 300}) {
        for (auto direction : {GradientDirection::TopToBottom, GradientDirection::LeftToRight}) {
            SCOPED_TRACE(std::to_string(extent) + (direction == GradientDirection::TopToBottom ? " rows" : " columns"));
            const bool rows = direction == GradientDirection::TopToBottom;
            const Size size = rows ? Size{3, extent} : Size{extent, 3};
            auto f = MakeSurface(size, true), s = MakeSurface(size, false);
            const Rect r{0, 0, size.width, size.height};
            DrawRectangularGradient(*f, r, start, end, direction, FastPrimitives::Allowed);
            DrawRectangularGradient(*s, r, start, end, direction, FastPrimitives::Allowed);
            const auto at = [&](const Surface& c, int i) { return c.GetPixel(rows ? Point{1, i} : Point{i, 1}); };
            EXPECT_EQ(at(*f, 0), start);
            EXPECT_EQ(at(*s, 0), start);
            for (int i = 0; i < extent; ++i) ASSERT_LE(ChannelDistance(at(*f, i), at(*s, i)), 1) << i;
        }
    }
}

// How far the sample point (x, y) of a pixel lies from the side opposite
// vertex 1, in pixels; negative outside the triangle.
double DistanceFromOppositeSide(const Triangle& t, double px, double py) {
    const Point a = t.vertices[0], b = t.vertices[1], c = t.vertices[2];
    const double area = double(b.x - a.x) * (c.y - a.y) - double(c.x - a.x) * (b.y - a.y);
    const double l1 = ((b.x - px) * (c.y - py) - (c.x - px) * (b.y - py)) / area;
    const double l2 = ((c.x - px) * (a.y - py) - (a.x - px) * (c.y - py)) / area;
    if (l1 < 0 || l2 < 0 || 1 - l1 - l2 < 0) return -1;
    return std::abs((c.x - b.x) * (py - b.y) - (c.y - b.y) * (px - b.x)) / std::hypot(c.x - b.x, c.y - b.y);
}

// Our bands are 1/n of the way each (n the longer extent), their corners on
// whole pixels. On a square every pixel lies on a band edge and the paths
// agree but for rounding. Otherwise a pixel between two band edges takes one
// band's colour, and rounding the corners to whole pixels moves an edge by up
// to half a pixel of the shorter extent: two bands at most.
int Tolerance(Size size, int largest_change) {
    const int n = std::max(size.width, size.height);
    return size.width == size.height ? 1 : 2 * ((largest_change + n - 1) / n) + 1;
}

constexpr Size kTriangleSizes[] = {{40, 20}, {20, 40}, {33, 33}, {40, 17}};

TEST_F(FastAgainstFallback, TrianglesAgreeAlongTheOppositeSide) {
    const Rgb first{240, 20, 0}, rest{10, 220, 160};
    for (const Size size : kTriangleSizes) {
        const int tolerance = Tolerance(size, 230);
        const Rect bounds{0, 0, size.width, size.height};
        for (int type = 0; type < kTriangleTypeCount; ++type) {
            SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height) + " type " +
                         std::to_string(type));
            auto f = MakeSurface(size, true), s = MakeSurface(size, false);
            DrawTriangleOfType(*f, bounds, type, first, rest, FastPrimitives::Allowed);
            DrawTriangleOfType(*s, bounds, type, first, rest, FastPrimitives::Allowed);
            Triangle t;
            ASSERT_TRUE(TriangleVertices(bounds, type, t));
            int compared = 0;
            for (int y = 0; y < size.height; ++y)
                for (int x = 0; x < size.width; ++x) {
                    const Rgb a = f->GetPixel({x, y}), b = s->GetPixel({x, y});
                    const double distance = DistanceFromOppositeSide(t, x, y);
                    if (a == kUntouched || b == kUntouched || distance < 0 || distance >= 1.5) continue;
                    EXPECT_LE(ChannelDistance(a, b), tolerance) << x << "," << y;
                    ++compared;
                }
            EXPECT_GE(compared, std::min(size.width, size.height) / 2);
        }
    }
}

// The styles draw the triangles in pairs sharing vertex 1 or a diagonal; the
// pair covers vertex 1's corner pixel, whichever of the two owns it.
TEST_F(FastAgainstFallback, TrianglePairsAgreeAtVertexOne) {
    const Rgb first{240, 20, 0}, rest{10, 220, 160};
    for (const Size size : kTriangleSizes) {
        const int tolerance = Tolerance(size, 230);
        const Rect bounds{0, 0, size.width, size.height};
        for (int a = 0; a < kTriangleTypeCount; a += 2) {
            SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height) + " types " +
                         std::to_string(a) + "," + std::to_string(a + 1));
            auto f = MakeSurface(size, true), s = MakeSurface(size, false);
            for (int type : {a, a + 1}) {
                DrawTriangleOfType(*f, bounds, type, first, rest, FastPrimitives::Allowed);
                DrawTriangleOfType(*s, bounds, type, first, rest, FastPrimitives::Allowed);
            }
            for (int type : {a, a + 1}) {
                Triangle t;
                ASSERT_TRUE(TriangleVertices(bounds, type, t));
                const Point v = t.vertices[0];
                const Point corner{std::min(v.x, size.width - 1), std::min(v.y, size.height - 1)};
                EXPECT_LE(ChannelDistance(f->GetPixel(corner), s->GetPixel(corner)), tolerance) << type;
            }
        }
    }
}

}  // namespace
}  // namespace brixel::testing
