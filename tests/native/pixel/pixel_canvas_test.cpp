// The pixel canvas against the rules of the GDI backend: brushes and
// frames, pens, shapes, gradients, clipping, transfers with their
// monochrome conversions, blending, caller buffers and pictures.
#include "pixel/pixel_canvas.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace brixel::pixel {
namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kGrey{128, 128, 128};

// Rows of the canvas inside `r`, one character per pixel: '#' for `ink`,
// '.' for anything else.
std::string Art(const Canvas& c, const Rect& r, Rgb ink) {
    std::string out;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) out += c.GetPixel({x, y}) == ink ? '#' : '.';
        out += '\n';
    }
    return out;
}

PixelCanvas White(Size size) {
    PixelCanvas c(size);
    c.FillRect({0, 0, size.width, size.height}, Brush::Solid(kWhite));
    return c;
}

// --- Brushes, frames and pens ------------------------------------------------------

TEST(PixelFill, PatternIsAlignedToTheSurfaceOrigin) {
    PixelCanvas c = White({6, 3});
    c.FillRect({1, 0, 5, 2}, Brush::Checkerboard());
    EXPECT_EQ(Art(c, {0, 0, 6, 3}, kBlack), "..#.#.\n.#.#..\n......\n");
}

TEST(PixelFill, FrameIsOnePixelInsideAndEmptyRectsDrawNothing) {
    PixelCanvas c = White({5, 4});
    c.FrameRect({0, 0, 4, 4}, Brush::Solid(kBlack));
    c.FrameRect({2, 2, 2, 4}, Brush::Solid(kRed));
    EXPECT_EQ(Art(c, {0, 0, 5, 4}, kBlack), "####.\n#..#.\n#..#.\n####.\n");
}

TEST(PixelPen, DottedLineRunsThreeOnThreeOffAndRestartsPerLine) {
    PixelCanvas c = White({10, 2});
    c.DrawLine({0, 0}, {10, 0}, Pen{kBlack, PenStyle::Dotted});
    c.DrawLine({9, 1}, {1, 1}, Pen{kBlack, PenStyle::Dotted});
    EXPECT_EQ(Art(c, {0, 0, 10, 2}, kBlack), "###...###.\n..##...###\n");
}

TEST(PixelPen, NullPenAndGapsLeavePixelsAlone) {
    PixelCanvas c = White({6, 1});
    c.DrawLine({0, 0}, {6, 0}, Pen{kBlack, PenStyle::None});
    c.DrawLine({0, 0}, {6, 0}, Pen{kRed, PenStyle::Dotted});
    EXPECT_EQ(c.GetPixel({4, 0}), kWhite);
    EXPECT_EQ(c.GetPixel({2, 0}), kRed);
}

// --- Shapes ----------------------------------------------------------------------------

TEST(PixelShapes, RoundRectOutlineOverFillKeepsTheCornersOutside) {
    PixelCanvas c = White({8, 8});
    const Brush fill = Brush::Solid(kBlue);
    c.RoundRect({0, 0, 8, 8}, {4, 4}, Pen{kBlack, PenStyle::Solid}, &fill);
    EXPECT_EQ(c.GetPixel({0, 0}), kWhite);
    EXPECT_EQ(c.GetPixel({0, 4}), kBlack);
    EXPECT_EQ(c.GetPixel({7, 4}), kBlack);
    EXPECT_EQ(c.GetPixel({4, 7}), kBlack);
    EXPECT_EQ(c.GetPixel({4, 4}), kBlue);
}

TEST(PixelShapes, RoundRectWithoutPenFillsExactlyTheRectangle) {
    PixelCanvas c = White({10, 10});
    const Brush fill = Brush::Solid(kBlue);
    c.RoundRect({1, 1, 9, 9}, {4, 4}, Pen{kBlack, PenStyle::None}, &fill);
    EXPECT_EQ(c.GetPixel({8, 5}), kBlue);
    EXPECT_EQ(c.GetPixel({9, 5}), kWhite);
    EXPECT_EQ(c.GetPixel({5, 8}), kBlue);
    EXPECT_EQ(c.GetPixel({5, 9}), kWhite);
    EXPECT_EQ(c.GetPixel({1, 1}), kWhite);
}

TEST(PixelShapes, PolygonFillsHalfOpen) {
    PixelCanvas c = White({5, 5});
    const Point square[] = {{1, 1}, {4, 1}, {4, 4}, {1, 4}};
    c.FillPolygon(square, kBlack);
    EXPECT_EQ(Art(c, {0, 0, 5, 5}, kBlack), ".....\n.###.\n.###.\n.###.\n.....\n");
}

// --- Gradients -----------------------------------------------------------------------

TEST(PixelGradient, RectangleRunsFromStartTowardEnd) {
    PixelCanvas c({4, 4});
    c.GradientFillRect({0, 0, 4, 4}, kBlack, kWhite, true);
    EXPECT_EQ(c.GetPixel({2, 0}), kBlack);
    EXPECT_EQ(c.GetPixel({2, 2}), (Rgb{127, 127, 127}));
    EXPECT_EQ(c.GetPixel({0, 3}), (Rgb{191, 191, 191}));
    c.GradientFillRect({0, 0, 4, 1}, kRed, kBlue, false);
    EXPECT_EQ(c.GetPixel({0, 0}), kRed);
    EXPECT_EQ(c.GetPixel({3, 0}), (Rgb{63, 0, 191}));
}

// A clip cuts the gradient without moving it: each pixel keeps the colour
// of its place in the whole rectangle, which may reach off the surface.
TEST(PixelGradient, ClippedOrOffTheSurfaceKeepsEachPixelsColour) {
    for (const bool vertical : {true, false}) {
        PixelCanvas whole({6, 6}), clipped = White({6, 6});
        whole.GradientFillRect({-2, -2, 6, 6}, kRed, kBlue, vertical);
        clipped.PushClip({1, 2, 4, 5});
        clipped.GradientFillRect({-2, -2, 6, 6}, kRed, kBlue, vertical);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 6; ++x) {
                const bool inside = x >= 1 && x < 4 && y >= 2 && y < 5;
                EXPECT_EQ(clipped.GetPixel({x, y}), inside ? whole.GetPixel({x, y}) : kWhite)
                    << (vertical ? "vertical " : "horizontal ") << x << "," << y;
            }
        EXPECT_EQ(whole.GetPixel({0, 0}).b, 63) << "two steps of eight from red toward blue";
    }
}

TEST(PixelGradient, WithoutTheFastPrimitiveNothingIsDrawn) {
    PixelEnvironment env;
    env.gradient_fill = false;
    PixelCanvas c({4, 4}, env);
    c.GradientFillRect({0, 0, 4, 4}, kWhite, kWhite, true);
    const Point v[3] = {{0, 0}, {4, 0}, {0, 4}};
    c.GradientFillTriangle(v, kWhite, kWhite);
    EXPECT_EQ(Art(c, {0, 0, 4, 4}, kWhite), "....\n....\n....\n....\n");
}

TEST(PixelGradient, TriangleTakesTheFirstColourAtItsVertexWhateverTheOrder) {
    PixelCanvas c = White({8, 8});
    const Point v[3] = {{0, 7}, {7, 0}, {0, 0}};  // vertex 1 is the lowest
    c.GradientFillTriangle(v, kRed, kBlue);
    EXPECT_EQ(c.GetPixel({0, 0}), kBlue);
    EXPECT_EQ(c.GetPixel({0, 6}).r, 218);
    EXPECT_EQ(c.GetPixel({7, 7}), kWhite);
}

// --- Clipping ---------------------------------------------------------------------------

TEST(PixelClip, NestedClipsNarrowAndPopRestores) {
    PixelCanvas c = White({6, 1});
    c.PushClip({1, 0, 5, 1});
    c.PushClip({3, 0, 9, 1});
    c.FillRect({0, 0, 6, 1}, Brush::Solid(kBlack));
    c.PopClip();
    c.SetPixel({1, 0}, kBlack);
    c.PopClip();
    c.PopClip();  // one too many is harmless
    c.SetPixel({5, 0}, kBlack);
    EXPECT_EQ(Art(c, {0, 0, 6, 1}, kBlack), ".#.###\n");
}

TEST(PixelClip, DisjointClipDrawsNothing) {
    PixelCanvas c = White({4, 1});
    ClipScope a(c, {0, 0, 2, 1});
    ClipScope b(c, {2, 0, 4, 1});
    c.FillRect({0, 0, 4, 1}, Brush::Solid(kBlack));
    EXPECT_EQ(Art(c, {0, 0, 4, 1}, kBlack), "....\n");
}

// --- Surfaces and transfers ---------------------------------------------------------------

struct TransferCase {
    const char* name;
    RasterOp op;
    Rgb source, dest, brush, expected;
};

class PixelTransferTest : public ::testing::TestWithParam<TransferCase> {};

TEST_P(PixelTransferTest, AppliesTheRasterOperation) {
    const TransferCase& t = GetParam();
    PixelCanvas target({2, 2});
    target.FillRect({0, 0, 2, 2}, Brush::Solid(t.dest));
    auto source = target.CreateSurface({2, 2}, SurfaceFormat::Colour);
    source->FillRect({0, 0, 2, 2}, Brush::Solid(t.source));
    TransferRequest r;
    r.dest = {0, 0, 2, 2};
    r.source = source.get();
    r.source_rect = {0, 0, 2, 2};
    r.op = t.op;
    r.brush = t.brush;
    target.Transfer(r);
    EXPECT_EQ(target.GetPixel({1, 1}), t.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, PixelTransferTest,
    ::testing::Values(TransferCase{"Copy", RasterOp::SourceCopy, kRed, kBlue, kBlack, kRed},
                      TransferCase{"And", RasterOp::SourceAnd, {0xF0, 0x0F, 0xFF}, {0x3C, 0x3C, 0x00}, kBlack,
                                   {0x30, 0x0C, 0x00}},
                      TransferCase{"Or", RasterOp::SourceOr, {0xF0, 0x0F, 0x00}, {0x0C, 0x30, 0x01}, kBlack,
                                   {0xFC, 0x3F, 0x01}},
                      TransferCase{"Pattern", RasterOp::PatternCopy, kRed, kBlue, kGrey, kGrey},
                      TransferCase{"BrushOnBlackSource", RasterOp::BrushWhereSourceZero, kBlack, kBlue, kRed, kRed},
                      TransferCase{"DestOnWhiteSource", RasterOp::BrushWhereSourceZero, kWhite, kBlue, kRed, kBlue}),
    [](const auto& info) { return std::string(info.param.name); });

// Colour to monochrome: the key colour becomes white (1), all else black;
// monochrome to colour: 0 takes mono_zero, 1 takes mono_one.
TEST(PixelTransfer, MonochromeConversionsFollowTheKeyAndTheTwoColours) {
    PixelCanvas colour({3, 1});
    colour.SetPixel({0, 0}, kRed);
    colour.SetPixel({1, 0}, kBlue);
    colour.SetPixel({2, 0}, kWhite);
    auto mono = colour.CreateSurface({3, 1}, SurfaceFormat::Monochrome);
    TransferRequest to_mono;
    to_mono.dest = to_mono.source_rect = {0, 0, 3, 1};
    to_mono.source = &colour;
    to_mono.mono_key = kRed;
    mono->Transfer(to_mono);
    EXPECT_EQ(Art(*mono, {0, 0, 3, 1}, kWhite), "#..\n");

    PixelCanvas back({3, 1});
    TransferRequest to_colour;
    to_colour.dest = to_colour.source_rect = {0, 0, 3, 1};
    to_colour.source = mono.get();
    to_colour.mono_zero = kGrey;
    to_colour.mono_one = kBlue;
    back.Transfer(to_colour);
    EXPECT_EQ(back.GetPixel({0, 0}), kBlue);
    EXPECT_EQ(back.GetPixel({2, 0}), kGrey);
}

TEST(PixelTransfer, MonochromeSurfaceKeepsOnlyWhiteAsWhite) {
    PixelCanvas c({1, 1});
    auto mono = c.CreateSurface({3, 1}, SurfaceFormat::Monochrome);
    mono->SetPixel({0, 0}, kWhite);
    mono->SetPixel({1, 0}, {254, 255, 255});
    EXPECT_EQ(mono->GetPixel({0, 0}), kWhite);
    EXPECT_EQ(mono->GetPixel({1, 0}), kBlack);
    EXPECT_EQ(mono->GetPixel({2, 0}), kBlack) << "surfaces start black";
}

TEST(PixelTransfer, StretchDoublesAndSourceOutsideItsBitmapLeavesDest) {
    PixelCanvas src({2, 1});
    src.SetPixel({0, 0}, kRed);
    src.SetPixel({1, 0}, kBlue);
    PixelCanvas dst = White({6, 1});
    TransferRequest r;
    r.source = &src;
    r.dest = {0, 0, 4, 1};
    r.source_rect = {0, 0, 2, 1};
    dst.Transfer(r);
    EXPECT_EQ(Art(dst, {0, 0, 6, 1}, kRed), "##....\n");
    EXPECT_EQ(Art(dst, {0, 0, 6, 1}, kBlue), "..##..\n");
    r.dest = {4, 0, 6, 1};
    r.source_rect = {1, 0, 3, 1};  // half outside the source
    dst.Transfer(r);
    EXPECT_EQ(dst.GetPixel({4, 0}), kBlue);
    EXPECT_EQ(dst.GetPixel({5, 0}), kWhite);
}

// The copy every face ends with: one to one, here offset, with the source
// rectangle hanging off the source's top left and the clip cutting the right.
TEST(PixelTransfer, OneToOneCopyKeepsItsOffsetAndLeavesWhatNeitherSourceNorClipCovers) {
    PixelCanvas src({3, 3});
    src.FillRect({0, 0, 3, 3}, Brush::Solid(kGrey));
    src.SetPixel({0, 0}, kRed);
    src.SetPixel({2, 2}, kBlue);
    PixelCanvas dst = White({6, 6});
    dst.PushClip({0, 0, 4, 6});
    TransferRequest r;
    r.source = &src;
    r.dest = {1, 1, 5, 5};
    r.source_rect = {-1, -1, 3, 3};
    dst.Transfer(r);
    EXPECT_EQ(Art(dst, {0, 0, 6, 6}, kWhite), "######\n######\n##..##\n##..##\n##..##\n######\n");
    EXPECT_EQ(dst.GetPixel({2, 2}), kRed);
    EXPECT_EQ(dst.GetPixel({3, 3}), kGrey);
    dst.PopClip();
    dst.Transfer(r);
    EXPECT_EQ(dst.GetPixel({4, 4}), kBlue) << "the clip no longer cuts it";
}

TEST(PixelBlend, ConstantAlphaRoundsAndAnOversizedSourceDrawsNothing) {
    PixelCanvas src({2, 2});
    src.FillRect({0, 0, 2, 2}, Brush::Solid(kWhite));
    PixelCanvas dst({2, 2});
    dst.BlendConstant({0, 0, 2, 2}, src, {0, 0}, 128);
    EXPECT_EQ(dst.GetPixel({1, 1}), (Rgb{128, 128, 128}));
    dst.BlendConstant({0, 0, 2, 2}, src, {1, 0}, 255);
    EXPECT_EQ(dst.GetPixel({0, 0}), (Rgb{128, 128, 128}));
}

// --- Caller buffers -------------------------------------------------------------------------

TEST(PixelBuffer, WrapsRowsWithStrideAndLeavesThePaddingAlone) {
    std::vector<Pixel> rows(3 * 4, 0xABCDEF);  // 2 pixels a row, 4 pixels apart
    PixelCanvas c(rows.data(), {2, 3}, 4 * sizeof(Pixel));
    c.FillRect({0, 0, 5, 5}, Brush::Solid(kRed));
    EXPECT_EQ(rows[0], 0x00FF0000u);
    EXPECT_EQ(rows[4 + 1], 0x00FF0000u);
    EXPECT_EQ(rows[2], 0xABCDEFu);
    EXPECT_EQ(rows[4 * 2 + 3], 0xABCDEFu);
    EXPECT_EQ(c.size(), (Size{2, 3}));
}

// --- Pictures ----------------------------------------------------------------------------------

class PixelPictures : public ::testing::Test {
protected:
    static constexpr std::uintptr_t kBitmap = 7, kIcon = 8;
    PictureRegistry registry;
    PixelEnvironment env;

    void SetUp() override {
        PixelPicture bitmap{PictureKind::Bitmap, {2, 1}, {ToPixel(kRed), ToPixel(kBlue)}, {}};
        registry.Register(kBitmap, bitmap);
        // Left pixel transparent (mask 1, colour 0), right pixel opaque black.
        PixelPicture icon{PictureKind::Icon, {2, 1}, {0, 0}, {1, 0}};
        registry.Register(kIcon, icon);
        env.pictures = &registry;
    }
};

TEST_F(PixelPictures, BitmapCopiesStretchedAndUnknownPicturesDrawNothing) {
    PixelCanvas c({4, 1}, env);
    c.CopyBitmap({PictureKind::Bitmap, kBitmap, {}}, {0, 0, 4, 1}, {0, 0, 2, 1});
    EXPECT_EQ(Art(c, {0, 0, 4, 1}, kRed), "##..\n");
    c.FillRect({0, 0, 4, 1}, Brush::Solid(kWhite));
    c.CopyBitmap({PictureKind::Bitmap, 99, {}}, {0, 0, 4, 1}, {0, 0, 2, 1});
    c.CopyBitmap({PictureKind::Icon, kBitmap, {}}, {0, 0, 4, 1}, {0, 0, 2, 1});
    EXPECT_EQ(Art(c, {0, 0, 4, 1}, kWhite), "####\n");
}

TEST_F(PixelPictures, IconShowsTheDestinationThroughItsMaskAndRecolours) {
    PixelCanvas c({2, 1}, env);
    c.FillRect({0, 0, 2, 1}, Brush::Solid(kGrey));
    c.DrawIcon({PictureKind::Icon, kIcon, {}}, {0, 0, 2, 1}, PictureForm::Normal,
               [](Rgb) { return Rgb{0, 255, 0}; });
    EXPECT_EQ(c.GetPixel({0, 0}), (Rgb{128, 127, 128})) << "grey XOR the recoloured pixel";
    EXPECT_EQ(c.GetPixel({1, 0}), (Rgb{0, 255, 0}));
}

TEST_F(PixelPictures, IconKeepsItsOwnSizeAtTheTopLeftOfALargerDest) {
    PixelCanvas c({4, 2}, env);
    c.FillRect({0, 0, 4, 2}, Brush::Solid(kGrey));
    c.DrawIcon({PictureKind::Icon, kIcon, {}}, {0, 0, 4, 2}, PictureForm::Normal, nullptr);
    EXPECT_EQ(c.GetPixel({1, 0}), kBlack);
    EXPECT_EQ(c.GetPixel({2, 0}), kGrey);
    EXPECT_EQ(c.GetPixel({1, 1}), kGrey);
}

TEST_F(PixelPictures, DisabledIconIsEmbossedInHighlightThenShadow) {
    PixelCanvas c({4, 2}, env);
    c.FillRect({0, 0, 4, 2}, Brush::Solid(kRed));
    c.DrawIcon({PictureKind::Icon, kIcon, {}}, {0, 0, 2, 1}, PictureForm::Disabled, nullptr);
    EXPECT_EQ(c.GetPixel({0, 0}), kRed) << "transparent pixel";
    EXPECT_EQ(c.GetPixel({1, 0}), kGrey) << "shadow in place";
    EXPECT_EQ(c.GetPixel({2, 1}), kWhite) << "highlight one right and down";
}

TEST_F(PixelPictures, MetafilePlaysStretchedAndLeavesItsMaskedPixels) {
    registry.Register(9, {PictureKind::Metafile, {2, 1}, {ToPixel(kRed), ToPixel(kBlue)}, {1, 0}});
    PixelCanvas c({4, 1}, env);
    c.FillRect({0, 0, 4, 1}, Brush::Solid(kGrey));
    c.PlayMetafile({PictureKind::Metafile, 9, {}}, {0, 0, 4, 1});
    EXPECT_EQ(Art(c, {0, 0, 4, 1}, kBlue), "..##\n");
    EXPECT_EQ(Art(c, {0, 0, 4, 1}, kGrey), "##..\n");
}

TEST_F(PixelPictures, HimetricSizeRoundsToThePixel) {
    PixelCanvas c({1, 1}, env);
    EXPECT_EQ(c.PicturePixelSize({PictureKind::Bitmap, kBitmap, {847, 846}}), (Size{32, 32}));
    EXPECT_EQ(c.PicturePixelSize({PictureKind::Bitmap, kBitmap, {13, 14}}), (Size{0, 1}));
}

}  // namespace
}  // namespace brixel::pixel
