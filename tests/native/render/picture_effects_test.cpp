#include "render/picture_effects.h"

#include <gtest/gtest.h>

#include <string>

#include "picture_canvas.h"

namespace brixel {
namespace {

using testing::FakeImage;
using testing::PictureCanvas;
using testing::PictureLog;

struct ColourCase {
    const char* name;
    Rgb in, lighter, darker;
};

class ColourEffects : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ColourEffects, ScaleEachChannelAndTruncate) {
    const ColourCase& c = GetParam();
    EXPECT_EQ(LighterColor(c.in), c.lighter);
    EXPECT_EQ(DarkenColor(c.in), c.darker);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ColourEffects,
    ::testing::Values(ColourCase{"BlackStaysBlack", {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
                      ColourCase{"WhiteLighterStaysWhiteDarkerIs191", {255, 255, 255}, {255, 255, 255},
                                 {191, 191, 191}},
                      ColourCase{"SmallValuesTruncate", {1, 2, 3}, {1, 2, 3}, {0, 1, 2}},
                      ColourCase{"LighterCapsAt255", {203, 204, 205}, {253, 255, 255}, {152, 153, 153}},
                      ColourCase{"ChannelsApart", {100, 40, 7}, {125, 50, 8}, {75, 30, 5}}),
    [](const auto& info) { return std::string(info.param.name); });

constexpr Rgb kKey{255, 0, 255};
constexpr Rgb kUntouched{1, 2, 3};
constexpr Rgb kRed{200, 0, 0}, kBlue{0, 0, 200};

// A 4 x 3 bitmap: a transparent border column on the left, red and blue
// pixels, and white.
struct Fixture : ::testing::Test {
    std::shared_ptr<PictureLog> log = std::make_shared<PictureLog>();
    PictureRef bitmap{PictureKind::Bitmap, 7, {}};

    void SetUp() override {
        log->bitmaps[7] = FakeImage{{4, 3},
                                    {kKey, kRed, kBlue, kWhite,  //
                                     kKey, kRed, kKey, kWhite,   //
                                     kKey, kBlue, kRed, kKey}};
    }
    ImageSource Whole() const { return {&bitmap, nullptr, {0, 0, 4, 3}}; }
};

using DarkerOrLighter = Fixture;

TEST_F(DarkerOrLighter, TransparentPixelsStayExactlyAsTheyWere) {
    PictureCanvas like({1, 1}, SurfaceFormat::Colour, log);
    for (bool darker : {false, true}) {
        auto out = CreateDarkerOrLighterBitmap(like, Whole(), kKey, darker);
        ASSERT_TRUE(out);
        const FakeImage& in = log->bitmaps[7];
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x) {
                const Rgb was = in.At(x, y);
                const Rgb want = was == kKey ? kKey : (darker ? DarkenColor(was) : LighterColor(was));
                EXPECT_EQ(out->GetPixel({x, y}), want) << x << "," << y << (darker ? " darker" : " lighter");
            }
    }
}

TEST_F(DarkerOrLighter, APixelTheChangeWouldTurnTransparentStaysVisible) {
    // (1, 1, 1) darkens to black; with black as the transparent colour it
    // would fall out of the picture.
    log->bitmaps[8] = FakeImage{{2, 1}, {{1, 1, 1}, kBlack}};
    const PictureRef dark{PictureKind::Bitmap, 8, {}};
    PictureCanvas like({1, 1}, SurfaceFormat::Colour, log);
    auto out = CreateDarkerOrLighterBitmap(like, {&dark, nullptr, {0, 0, 2, 1}}, kBlack, true);
    ASSERT_TRUE(out);
    EXPECT_NE(out->GetPixel({0, 0}), kBlack);
    EXPECT_EQ(out->GetPixel({0, 0}), (Rgb{0, 0, 1}));
    EXPECT_EQ(out->GetPixel({1, 0}), kBlack);
}

TEST(IconMap, KeepsBlackBlackBothWays) {
    for (bool darker : {false, true}) {
        EXPECT_EQ(DarkerOrLighterIconMap(darker)(kBlack), kBlack);
        EXPECT_EQ(DarkerOrLighterIconMap(darker)(kWhite), (darker ? Rgb{191, 191, 191} : kWhite));
    }
}

using Transparent = Fixture;

TEST_F(Transparent, KeyedPixelsLeaveTheTargetAndTheRestCopyExactly) {
    PictureCanvas target({8, 6}, SurfaceFormat::Colour, log, kUntouched);
    TransparentBlt(target, {2, 1, 6, 4}, Whole(), kKey);
    const FakeImage& in = log->bitmaps[7];
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 2 && x < 6 && y >= 1 && y < 4;
            const Rgb want = inside && !(in.At(x - 2, y - 1) == kKey) ? in.At(x - 2, y - 1) : kUntouched;
            EXPECT_EQ(target.At(x, y), want) << x << "," << y;
        }
    EXPECT_EQ(log->surfaces_alive, 1);  // only the target: the temporaries are gone
}

TEST_F(Transparent, StretchingKeepsTheKeyExact) {
    PictureCanvas target({8, 6}, SurfaceFormat::Colour, log, kUntouched);
    TransparentBlt(target, {0, 0, 8, 6}, Whole(), kKey);
    // Each bitmap pixel covers a 2 x 2 block; a keyed block is untouched.
    EXPECT_EQ(target.At(0, 0), kUntouched);
    EXPECT_EQ(target.At(1, 5), kUntouched);
    EXPECT_EQ(target.At(3, 1), kRed);
    EXPECT_EQ(target.At(5, 3), kUntouched);
    EXPECT_EQ(target.At(7, 5), kUntouched);
    EXPECT_EQ(target.At(6, 0), kWhite);
}

using Emboss = Fixture;

TEST_F(Emboss, NonWhitePixelsInHighlightOffsetThenShadowOnAFacePatch) {
    const EmbossColours c{{15, 15, 15}, {20, 20, 20}, {16, 16, 16}};
    log->bitmaps[9] = FakeImage{{3, 2}, {kRed, kWhite, kWhite, kWhite, kWhite, kBlue}};
    const PictureRef picture{PictureKind::Bitmap, 9, {}};
    PictureCanvas target({8, 6}, SurfaceFormat::Colour, log, kUntouched);
    DitherBlt(target, {2, 2, 5, 4}, {&picture, nullptr, {0, 0, 3, 2}}, c);
    EXPECT_EQ(target.At(2, 2), c.shadow);     // red pixel, in place
    EXPECT_EQ(target.At(3, 3), c.highlight);  // red pixel's highlight, below right
    EXPECT_EQ(target.At(3, 2), c.face);       // white pixel
    EXPECT_EQ(target.At(4, 3), c.shadow);     // blue pixel
    EXPECT_EQ(target.At(5, 4), c.highlight);  // its highlight runs past the patch
    EXPECT_EQ(target.At(2, 3), c.face);
    EXPECT_EQ(target.At(1, 1), kUntouched);
    EXPECT_EQ(target.At(5, 2), kUntouched);
}

TEST_F(Emboss, TransparentPixelsStayFaceLikeWhite) {
    const EmbossColours c{{15, 15, 15}, {20, 20, 20}, {16, 16, 16}};
    PictureCanvas target({4, 3}, SurfaceFormat::Colour, log, kUntouched);
    DitherBlt(target, {0, 0, 4, 3}, Whole(), c, kKey);
    // Column 0 is all transparent; with the key counted as white nothing
    // there is drawn but the face.
    for (int y = 0; y < 3; ++y) EXPECT_EQ(target.At(0, y), c.face) << y;
    EXPECT_EQ(target.At(1, 0), c.shadow);  // red
    EXPECT_EQ(target.At(3, 0), c.face);    // white
    EXPECT_EQ(target.At(3, 2), c.face);    // transparent, and its neighbour above-left is transparent too
    EXPECT_EQ(target.At(2, 1), c.highlight);  // transparent, below right of red
}

}  // namespace
}  // namespace brixel
