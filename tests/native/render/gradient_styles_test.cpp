#include "render/gradient.h"

#include "gradient_support.h"
#include "traced_pixel_canvas.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace brixel::testing {
namespace {

constexpr Rgb kRed{200, 0, 0};
constexpr Rgb kBlue{0, 0, 220};

GradientParams Params(std::int16_t style, std::int16_t variant, Rgb c1 = kRed, Rgb c2 = kBlue) {
    return GradientOf(style, variant, c1, c2);
}

bool Between(Rgb c, Rgb a, Rgb b) {
    const auto in = [](int v, int x, int y) { return v >= std::min(x, y) && v <= std::max(x, y); };
    return in(c.r, a.r, b.r) && in(c.g, a.g, b.g) && in(c.b, a.b, b.b);
}

TEST(HorizontalStyle, VariantThreeOnATwentyOnePixelFaceSplitsAtTopPlusTen) {
    TracedPixelCanvas canvas(12, 30);
    DrawHorizontalGradient(canvas, {1, 4, 11, 25}, Params(kvnGradientStyleHorizontal, kvnGradientStyleVariant3),
                           FastPrimitives::Avoid);
    EXPECT_EQ(canvas.At(5, 4), kRed);        // t: c1
    EXPECT_NE(canvas.At(5, 13), kBlue);      // t + 9: not yet c2
    EXPECT_TRUE(Between(canvas.At(5, 13), kRed, kBlue));
    EXPECT_EQ(canvas.At(5, 14), kBlue);      // t + 10: the lower half starts at c2
    EXPECT_TRUE(Between(canvas.At(5, 24), kRed, kBlue));  // b - 1: back toward c1
    EXPECT_GT(canvas.At(5, 24).r, canvas.At(5, 15).r);
}

// Per style and variant, the colours at the two ends and at the middle.
struct LinearCase {
    const char* name;
    std::int16_t style, variant;
    Rgb first, middle, last;  // first row/column, the half's start, last row/column (approximately)
};

TEST(LinearStyles, EachVariantRunsBetweenTheRightColours) {
    const LinearCase cases[] = {
        {"horizontal 1", kvnGradientStyleHorizontal, kvnGradientStyleVariant1, kRed, {}, kBlue},
        {"horizontal 2", kvnGradientStyleHorizontal, kvnGradientStyleVariant2, kBlue, {}, kRed},
        {"horizontal 3", kvnGradientStyleHorizontal, kvnGradientStyleVariant3, kRed, kBlue, kRed},
        {"horizontal 4", kvnGradientStyleHorizontal, kvnGradientStyleVariant4, kBlue, kRed, kBlue},
        {"vertical 1", kvnGradientStyleVertical, kvnGradientStyleVariant1, kRed, {}, kBlue},
        {"vertical 2", kvnGradientStyleVertical, kvnGradientStyleVariant2, kBlue, {}, kRed},
        {"vertical 3", kvnGradientStyleVertical, kvnGradientStyleVariant3, kRed, kBlue, kRed},
        {"vertical 4", kvnGradientStyleVertical, kvnGradientStyleVariant4, kBlue, kRed, kBlue},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TracedPixelCanvas canvas(100, 100);
        FillGradient(canvas, {0, 0, 100, 100}, Params(c.style, c.variant), FastPrimitives::Avoid);
        const bool rows = c.style == kvnGradientStyleHorizontal;
        const auto at = [&](int i) { return rows ? canvas.At(50, i) : canvas.At(i, 50); };
        EXPECT_EQ(at(0), c.first);
        const bool halves = c.variant >= kvnGradientStyleVariant3;
        if (halves) {
            EXPECT_EQ(at(50), c.middle);
        }
        // The last step stops one step short of the end colour.
        const int steps = halves ? 50 : 100;
        EXPECT_LE(std::abs(at(99).r - c.last.r), 200 / steps + 1);
        EXPECT_LE(std::abs(at(99).b - c.last.b), 220 / steps + 1);
        // Lines across the gradient are uniform.
        EXPECT_EQ(rows ? canvas.At(0, 30) : canvas.At(30, 0), rows ? canvas.At(99, 30) : canvas.At(30, 99));
    }
}

TEST(DiagonalDownStyle, VariantOneFromBlackToWhiteIsGreyOnTheDiagonal) {
    TracedPixelCanvas canvas(64, 64);
    FillGradient(canvas, {0, 0, 64, 64}, Params(kvnGradientStyleDiagonalDown, kvnGradientStyleVariant1, kBlack, kWhite),
                 FastPrimitives::Avoid);
    EXPECT_EQ(canvas.At(0, 0), kBlack);
    EXPECT_GE(canvas.At(63, 63).r, 250);  // one band short of white
    // The diagonal from the top-right to the bottom-left corner: the bands of
    // both triangles end there at the midpoint colour, within one band.
    for (int x = 0; x < 64; ++x) {
        const Rgb c = canvas.At(x, 63 - x);
        EXPECT_NEAR(c.r, 127, 4) << x;
        EXPECT_EQ(c.r, c.g);
        EXPECT_EQ(c.g, c.b);
    }
}

struct DiagonalCase {
    const char* name;
    std::int16_t style, variant;
    Rgb corner_a, corner_b;  // vertex 1 of the first and the second triangle
};

TEST(DiagonalStyles, CornerColoursFollowTheVariant) {
    const DiagonalCase cases[] = {
        {"down 1", kvnGradientStyleDiagonalDown, kvnGradientStyleVariant1, kRed, kBlue},
        {"down 2", kvnGradientStyleDiagonalDown, kvnGradientStyleVariant2, kBlue, kRed},
        {"down 3", kvnGradientStyleDiagonalDown, kvnGradientStyleVariant3, kRed, kRed},
        {"down 4", kvnGradientStyleDiagonalDown, kvnGradientStyleVariant4, kBlue, kBlue},
        {"up 1", kvnGradientStyleDiagonalUp, kvnGradientStyleVariant1, kRed, kBlue},
        {"up 4", kvnGradientStyleDiagonalUp, kvnGradientStyleVariant4, kBlue, kBlue},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingCanvas canvas(true);
        FillGradient(canvas, {0, 0, 30, 20}, Params(c.style, c.variant), FastPrimitives::Allowed);
        const auto t = canvas.CallsNamed("GradientFillTriangle");
        ASSERT_EQ(t.size(), 2u);
        EXPECT_EQ(t[0].colour, c.corner_a);
        EXPECT_EQ(t[1].colour, c.corner_b);
        // Both triangles end in the same colour along the shared diagonal.
        EXPECT_EQ(t[0].colour2, t[1].colour2);
        const bool down = c.style == kvnGradientStyleDiagonalDown;
        EXPECT_EQ(t[0].points[0], down ? (Point{0, 0}) : (Point{30, 0}));
        EXPECT_EQ(t[1].points[0], down ? (Point{30, 20}) : (Point{0, 20}));
    }
}

TEST(DiagonalStyles, DiagonalColourIsTheMidpointOrTheOtherColour) {
    const std::pair<std::int16_t, Rgb> cases[] = {
        {kvnGradientStyleVariant1, MidpointColour(kRed, kBlue)},
        {kvnGradientStyleVariant2, MidpointColour(kRed, kBlue)},
        {kvnGradientStyleVariant3, kBlue},
        {kvnGradientStyleVariant4, kRed},
    };
    for (const auto& [variant, diagonal] : cases) {
        RecordingCanvas canvas(true);
        FillGradient(canvas, {0, 0, 30, 20}, Params(kvnGradientStyleDiagonalUp, variant), FastPrimitives::Allowed);
        EXPECT_EQ(canvas.calls.at(0).colour2, diagonal) << variant;
    }
}

TEST(CornerStyle, VariantPicksTheCornerBothTrianglesStartFrom) {
    const std::pair<std::int16_t, Point> cases[] = {
        {kvnGradientStyleVariant1, {0, 0}},
        {kvnGradientStyleVariant2, {30, 0}},
        {kvnGradientStyleVariant3, {0, 20}},
        {kvnGradientStyleVariant4, {30, 20}},
    };
    for (const auto& [variant, corner] : cases) {
        SCOPED_TRACE(variant);
        RecordingCanvas canvas(true);
        FillGradient(canvas, {0, 0, 30, 20}, Params(kvnGradientStyleCorner, variant), FastPrimitives::Allowed);
        const auto t = canvas.CallsNamed("GradientFillTriangle");
        ASSERT_EQ(t.size(), 2u);
        for (const auto& tri : t) {
            EXPECT_EQ(tri.points[0], corner);
            EXPECT_EQ(tri.colour, kRed);
            EXPECT_EQ(tri.colour2, kBlue);
        }
        // The two triangles are the two halves, not the same one twice.
        EXPECT_NE(t[0].points, t[1].points);
    }
}

TEST(FillGradient, UnknownStylesAndVariantsDrawNothing) {
    const std::pair<std::int16_t, std::int16_t> cases[] = {
        {-1, 0},
        {7, 0},
        {kvnGradientStyleHorizontal, 4},
        {kvnGradientStyleDiagonalDown, -1},
        {kvnGradientStyleCorner, 9},
    };
    for (const auto& [style, variant] : cases) {
        RecordingCanvas canvas(true);
        FillGradient(canvas, {0, 0, 30, 20}, Params(style, variant), FastPrimitives::Allowed);
        EXPECT_TRUE(canvas.calls.empty()) << style << "/" << variant;
    }
}

TEST(FillGradient, EveryStyleDrawsNothingOnAnEmptyFace) {
    for (std::int16_t style = 0; style < 7; ++style)
        for (int state = 0; state < 3; ++state) {
            RecordingCanvas canvas(true);
            auto p = Params(style, kvnGradientStyleVariant1);
            p.xp_state = state;
            p.appearance = kvnXPStyleAPB;
            FillGradient(canvas, {10, 10, 10, 40}, p, FastPrimitives::Avoid);
            // The XP frame outlines need a rectangle too.
            EXPECT_TRUE(canvas.CallsNamed("FillRect").empty() && canvas.CallsNamed("FillPolygon").empty() &&
                        canvas.CallsNamed("RoundRect").empty())
                << style << "/" << state << "\n" << canvas.Transcript();
        }
}

TEST(FillGradient, EveryStyleStaysInsideANarrowFace) {
    const Rgb untouched{1, 2, 3};
    const Rect face{10, 10, 12, 16};  // 2 x 6: narrower than the XP parts' insets
    for (std::int16_t style = 0; style < 7; ++style)
        for (std::int16_t appearance : {kvnFlat, kvnXPStyleAPB})
            for (int state = 0; state < 3; ++state) {
                SCOPED_TRACE(std::to_string(style) + "/" + std::to_string(appearance) + "/" + std::to_string(state));
                TracedPixelCanvas canvas(24, 24, untouched);
                auto p = Params(style, kvnGradientStyleVariant2);
                p.xp_state = state;
                p.appearance = appearance;
                FillGradient(canvas, face, p, FastPrimitives::Avoid);
                for (int y = 0; y < 24; ++y) {
                    for (int x = 0; x < 24; ++x) {
                        const bool outside = x < face.left || x >= face.right || y < face.top || y >= face.bottom;
                        if (outside) {
                            ASSERT_EQ(canvas.At(x, y), untouched) << x << "," << y;
                        }
                    }
                }
                for (const auto& line : canvas.CallsNamed("DrawLine"))
                    EXPECT_TRUE(line.rect.left >= face.left && line.rect.right < face.right) << line.Describe();
                for (const auto& frame : canvas.CallsNamed("RoundRect"))
                    EXPECT_FALSE(frame.rect.IsEmpty()) << frame.Describe();
            }
}

std::string Transcript(const GradientParams& p, const Rect& r = {0, 0, 40, 24}) {
    RecordingCanvas canvas(true);
    FillGradient(canvas, r, p, FastPrimitives::Allowed);
    return canvas.Transcript();
}

TEST(XPStyle1, OutsideTheXPAppearanceEveryStateDrawsTheNormalForm) {
    auto p = Params(kvnGradientStyleXPStyle1, kvnGradientStyleVariant1);
    p.appearance = kvn3D;
    const std::string normal = Transcript(p);
    EXPECT_FALSE(normal.empty());
    for (int state : {kXPStatePressed, kXPStateMouseInside, 7}) {
        p.xp_state = state;
        EXPECT_EQ(Transcript(p), normal) << state;
    }
}

TEST(XPStyle1, OnTheXPAppearanceTheStateShowsAndTheFaceIsDeflated) {
    auto p = Params(kvnGradientStyleXPStyle1, kvnGradientStyleVariant1);
    p.appearance = kvnXPStyleAPB;
    RecordingCanvas normal(true);
    FillGradient(normal, {0, 0, 40, 24}, p, FastPrimitives::Allowed);
    const auto parts = normal.CallsNamed("GradientFillRect");
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[0].rect, (Rect{1, 1, 39, 18}));   // (l, t, r, b - 5) of the deflated face
    EXPECT_EQ(parts[1].rect, (Rect{1, 18, 39, 23}));
    EXPECT_EQ(parts[1].colour2, DarkenBy(kBlue, 25));
    EXPECT_EQ(parts[2].rect, (Rect{36, 2, 38, 20}));  // the right strip
    EXPECT_EQ(parts[2].colour, MidpointColour(kRed, kBlue));

    p.xp_state = kXPStatePressed;
    RecordingCanvas pressed(true);
    FillGradient(pressed, {0, 0, 40, 24}, p, FastPrimitives::Allowed);
    ASSERT_EQ(pressed.calls.size(), 2u);
    EXPECT_EQ(pressed.calls[0].colour, DarkenBy(kBlue, 10));
    EXPECT_EQ(pressed.calls[1].colour2, LightenBy(kBlue, 12));

    p.xp_state = 3;
    EXPECT_EQ(Transcript(p), "");
}

TEST(XPStyle2, IgnoresTheSecondColourInEveryStateAndAppearance) {
    for (std::int16_t appearance : {kvnFlat, kvnXPStyleAPB})
        for (int state = 0; state < 3; ++state) {
            auto a = Params(kvnGradientStyleXPStyle2, kvnGradientStyleVariant1, {90, 140, 30}, kBlack);
            a.appearance = appearance;
            a.xp_state = state;
            auto b = a;
            b.colour2 = {12, 250, 77};
            EXPECT_EQ(Transcript(a), Transcript(b)) << appearance << "/" << state;
        }
}

struct TintCase {
    const char* name;
    int v, light, dark, pale, hot;
};

TEST(XPStyle2, TintsTruncateExactFractions) {
    const TintCase cases[] = {
        {"black", 0, 159, 0, 166, 192},
        {"white", 255, 255, 219, 255, 255},
        // 255 - 235 = 20: 20 * 0.35 is exactly 7, not 6.999...
        {"multiple of twenty", 235, 247, 202, 248, 250},
        {"odd", 100, 196, 86, 201, 217},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(XPStyle2Light(c.v), c.light);
        EXPECT_EQ(XPStyle2Dark(c.v), c.dark);
        EXPECT_EQ(XPStyle2Pale(c.v), c.pale);
        EXPECT_EQ(XPStyle2Hot(c.v), c.hot);
    }
}

TEST(XPStyle2, PressedFormSplitsAtTwoThirdsAndDrawsTheFrameUnlessSuppressed) {
    auto p = Params(kvnGradientStyleXPStyle2, kvnGradientStyleVariant1, {100, 100, 100}, kBlack);
    p.xp_state = kXPStatePressed;
    p.appearance = kvnXPStyleAPB;
    RecordingCanvas framed(true);
    FillGradient(framed, {0, 0, 40, 26}, p, FastPrimitives::Allowed);
    const auto parts = framed.CallsNamed("GradientFillRect");
    ASSERT_EQ(parts.size(), 2u);
    // Deflated face (1, 1, 39, 25): h = 24, two thirds = 16.
    EXPECT_EQ(parts[0].rect, (Rect{1, 1, 39, 17}));
    EXPECT_EQ(parts[0].colour, (Rgb{86, 86, 86}));
    EXPECT_EQ(parts[1].colour2, kWhite);
    const auto frame = framed.CallsNamed("RoundRect");
    ASSERT_EQ(frame.size(), 1u);
    EXPECT_EQ(frame[0].rect, (Rect{2, 2, 38, 24}));
    EXPECT_FALSE(frame[0].flag);  // outline only
    EXPECT_EQ(frame[0].points, (std::vector<Point>{{4, 4}}));

    p.suppress_frame = true;
    RecordingCanvas bare(true);
    FillGradient(bare, {0, 0, 40, 26}, p, FastPrimitives::Allowed);
    EXPECT_TRUE(bare.CallsNamed("RoundRect").empty());
}

TEST(XPStyle2, NormalFormAddsWhiteLinesOnlyOnTheXPAppearance) {
    auto p = Params(kvnGradientStyleXPStyle2, kvnGradientStyleVariant1, {100, 100, 100}, kBlack);
    RecordingCanvas plain(true);
    FillGradient(plain, {0, 0, 40, 26}, p, FastPrimitives::Allowed);
    EXPECT_TRUE(plain.CallsNamed("DrawLine").empty());
    ASSERT_EQ(plain.calls.size(), 2u);
    EXPECT_EQ(plain.calls[0].rect, (Rect{0, 0, 40, 13}));
    EXPECT_EQ(plain.calls[0].colour, kWhite);
    EXPECT_EQ(plain.calls[0].colour2, (Rgb{196, 196, 196}));

    p.appearance = kvnXPStyleAPB;
    RecordingCanvas xp(true);
    FillGradient(xp, {0, 0, 40, 26}, p, FastPrimitives::Allowed);
    const auto lines = xp.CallsNamed("DrawLine");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rect, (Rect{2, 3, 2, 22}));    // x = l + 1 from t + 2 to b - 3
    EXPECT_EQ(lines[1].rect, (Rect{37, 3, 37, 22}));  // x = r - 2
    EXPECT_EQ(lines[0].colour, kWhite);
}

}  // namespace
}  // namespace brixel::testing
