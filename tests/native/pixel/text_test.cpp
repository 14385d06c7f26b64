// Text through the FreeType service and the pixel canvas: layout by the
// format flags, mnemonic prefixes, word breaking, clipping, the embossed
// rendering and derived underlined fonts.
#include "pixel/freetype/freetype_text_service.h"
#include "pixel/pixel_canvas.h"

#include <gtest/gtest.h>

namespace brixel::pixel {
namespace {

constexpr FontRef kArial8{11};
constexpr FontRef kArialBold{12};

class PixelText : public ::testing::Test {
protected:
    void SetUp() override {
        service = FreeTypeTextService::Create();
        if (service == nullptr) GTEST_SKIP() << "Liberation fonts are not installed";
        service->DefineFont(kArial8, {u"Arial", -11, 400, false, false});
        service->DefineFont(kArialBold, {u"Arial", -11, 700, false, false});
        env.text = service.get();
    }

    Rect Measure(std::u16string_view text, std::uint32_t format = kTextSingleLine, int width = 500) const {
        return service->Measure(text, kArial8, {10, 20, 10 + width, 400}, format);
    }

    // The box around every pixel `c` changed from white.
    static Rect Ink(const PixelCanvas& c) {
        Rect ink{c.size().width, c.size().height, 0, 0};
        for (int y = 0; y < c.size().height; ++y)
            for (int x = 0; x < c.size().width; ++x)
                if (c.GetPixel({x, y}) != kWhite)
                    ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                           std::max(ink.bottom, y + 1)};
        return ink;
    }

    PixelCanvas Drawn(std::u16string_view text, const Rect& bounds, std::uint32_t format, FontRef font = kArial8) {
        PixelCanvas c({120, 60}, env);
        c.FillRect({0, 0, 120, 60}, Brush::Solid(kWhite));
        c.DrawText(text, font, kBlack, bounds, format);
        return c;
    }

    std::unique_ptr<FreeTypeTextService> service;
    PixelEnvironment env;
};

TEST_F(PixelText, OneLineIsThirteenPixelsHighAtEightPoints) {
    const Rect r = Measure(u"OK");
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.Height(), 13);
    EXPECT_GT(r.Width(), 10);
}

struct PrefixCase {
    const char* name;
    std::u16string text, same_as;
    std::uint32_t format;
};

class PixelPrefix : public PixelText, public ::testing::WithParamInterface<PrefixCase> {};

TEST_P(PixelPrefix, MeasuresAsTheCharactersShown) {
    EXPECT_EQ(Measure(GetParam().text, GetParam().format).Width(),
              Measure(GetParam().same_as, kTextSingleLine | kTextNoPrefix).Width());
}

INSTANTIATE_TEST_SUITE_P(
    Prefixes, PixelPrefix,
    ::testing::Values(PrefixCase{"MnemonicHidden", u"&Save", u"Save", kTextSingleLine},
                      PrefixCase{"DoubleShowsOne", u"A&&B", u"A&B", kTextSingleLine},
                      PrefixCase{"TrailingLoneAmpersand", u"Save&", u"Save", kTextSingleLine},
                      PrefixCase{"NoPrefixShowsAll", u"A&&B", u"A&&B", kTextSingleLine | kTextNoPrefix},
                      PrefixCase{"LastMnemonicOfMany", u"&a&b", u"ab", kTextSingleLine}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PixelText, WordBreakWrapsAtBlanksAndKeepsALongWordWhole) {
    const int word = Measure(u"Wrapped").Width();
    const Rect two = Measure(u"Wrapped words", kTextWordBreak, word + 5);
    EXPECT_EQ(two.Height(), 26);
    EXPECT_EQ(Measure(u"Wrapped words", kTextWordBreak, 1000).Height(), 13);
    const Rect alone = Measure(u"Unbreakable", kTextWordBreak, 10);
    EXPECT_EQ(alone.Height(), 13);
    EXPECT_GT(alone.Width(), 10);
    EXPECT_EQ(Measure(u"a\nb", kTextWordBreak).Height(), 26) << "explicit breaks end lines";
}

TEST_F(PixelText, AlignmentFlagsPlaceTheLine) {
    const Rect bounds{0, 0, 120, 60};
    const Rect left = Ink(Drawn(u"Hi", bounds, kTextSingleLine));
    const Rect right = Ink(Drawn(u"Hi", bounds, kTextSingleLine | kTextRight | kTextBottom));
    const Rect centre = Ink(Drawn(u"Hi", bounds, kTextSingleLine | kTextCenter | kTextVCenter));
    EXPECT_LT(left.right, 20);
    EXPECT_LT(left.bottom, 14);
    EXPECT_GT(right.left, 100);
    EXPECT_GT(right.top, 45);
    EXPECT_NEAR((centre.left + centre.right) / 2, 60, 2);
    EXPECT_NEAR((centre.top + centre.bottom) / 2, 30, 3);
}

TEST_F(PixelText, SeveralLinesArePlacedAsABlockOnlyWithoutTheSingleLineFlag) {
    const Rect bounds{0, 0, 120, 60};
    const Rect top = Ink(Drawn(u"Hi\nHo", bounds, kTextWordBreak));
    const Rect middle = Ink(Drawn(u"Hi\nHo", bounds, kTextWordBreak | kTextVCenter));
    const Rect bottom = Ink(Drawn(u"Hi\nHo", bounds, kTextWordBreak | kTextBottom));
    EXPECT_LT(top.top, 5);
    EXPECT_NEAR((middle.top + middle.bottom) / 2, 30, 3);
    EXPECT_GT(bottom.bottom, 55);
    EXPECT_EQ(middle.Height(), top.Height()) << "the block is moved whole";
}

TEST_F(PixelText, HugeFontsAndLongTextsCostNoMoreThanTheBoxCanShow) {
    constexpr FontRef kHuge{13};
    service->DefineFont(kHuge, {u"Arial", -1000000, 400, false, false});
    const Rect tall = service->Measure(u"W", kHuge, {0, 0, 100, 100}, kTextSingleLine);
    EXPECT_GT(tall.Height(), 1000) << "still a very large font";
    EXPECT_LT(tall.Height(), 3000) << "drawn at a bounded size";

    // Two thousand glyphs in a box a few glyphs wide: only those that can reach it are rendered.
    const std::u16string many(2000, u'W');
    const Rect box{0, 0, 100, 50};
    long calls = 0;
    int rightmost = 0;
    service->Render(many, kArial8, box, kTextSingleLine, [&](int x, int, std::uint8_t) {
        ++calls;
        rightmost = std::max(rightmost, x);
    });
    EXPECT_GT(calls, 0);
    EXPECT_LT(rightmost, 100 + 2 * 11 + 20) << "nothing rendered far beyond the box";
}

TEST_F(PixelText, ManySizesOneAfterAnotherKeepMeasuringAndDrawing) {
    // More sizes than the service keeps open at once: faces it lets go of
    // must not be used again.
    int previous = 0;
    for (int height = 8; height < 80; ++height) {
        const FontRef font{static_cast<std::uintptr_t>(100 + height)};
        service->DefineFont(font, {u"Arial", -height, 400, false, false});
        const int measured = service->Measure(u"Wg", font, {0, 0, 500, 500}, kTextSingleLine).Height();
        EXPECT_GE(measured, previous) << height;
        previous = measured;
        long ink = 0;
        service->Render(u"Wg", font, {0, 0, 200, 200}, kTextSingleLine, [&](int, int, std::uint8_t) { ++ink; });
        EXPECT_GT(ink, 0) << height;
    }
}

TEST_F(PixelText, DrawingIsClippedToTheBoundsAndTheClip) {
    const Rect bounds{0, 0, 8, 8};
    const Rect ink = Ink(Drawn(u"WWWW", bounds, kTextSingleLine));
    EXPECT_LE(ink.right, 8);
    EXPECT_LE(ink.bottom, 8);
    PixelCanvas c({120, 60}, env);
    c.FillRect({0, 0, 120, 60}, Brush::Solid(kWhite));
    {
        ClipScope clip(c, {0, 0, 3, 60});
        c.DrawText(u"WWWW", kArial8, kBlack, {0, 0, 120, 60}, kTextSingleLine);
    }
    EXPECT_LE(Ink(c).right, 3);
}

TEST_F(PixelText, MnemonicUnderlineOnlyWithPrefixes) {
    const Rect bounds{0, 0, 120, 60};
    const Rect plain = Ink(Drawn(u"ax", bounds, kTextSingleLine));
    const Rect marked = Ink(Drawn(u"&ax", bounds, kTextSingleLine));
    const Rect literal = Ink(Drawn(u"&ax", bounds, kTextSingleLine | kTextNoPrefix));
    EXPECT_GT(marked.bottom, plain.bottom) << "the underline lies below the baseline";
    EXPECT_GT(literal.right, plain.right) << "the ampersand is shown";
}

TEST_F(PixelText, UnderlinedFontUnderlinesTheLineAndGoesAwayWithItsOwner) {
    std::unique_ptr<OwnedFont> under = service->CreateUnderlined(kArialBold);
    ASSERT_NE(under, nullptr);
    const FontDescription d = service->Describe(under->ref());
    EXPECT_TRUE(d.underline);
    EXPECT_EQ(d.weight, 700);
    const Rect bounds{0, 0, 120, 60};
    EXPECT_GT(Ink(Drawn(u"link", bounds, kTextSingleLine, under->ref())).bottom,
              Ink(Drawn(u"link", bounds, kTextSingleLine, kArialBold)).bottom);
    const FontRef gone = under->ref();
    under.reset();
    EXPECT_FALSE(service->Describe(gone).underline);
}

TEST_F(PixelText, BoldIsWider) {
    const Rect bold = service->Measure(u"Button", kArialBold, {0, 0, 500, 100}, kTextSingleLine);
    EXPECT_GT(bold.Width(), Measure(u"Button").Width());
}

TEST_F(PixelText, DisabledTextIsEmbossedInHighlightAndShadow) {
    PixelCanvas c({60, 30}, env);
    c.FillRect({0, 0, 60, 30}, Brush::Solid({212, 208, 200}));
    c.DrawDisabledText(u"&Off", kArial8, {5, 5});
    int light = 0, dark = 0, other = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            const Rgb p = c.GetPixel({x, y});
            light += p == kWhite;
            dark += p == Rgb{128, 128, 128};
            other += p != kWhite && p != Rgb{128, 128, 128} && p != Rgb{212, 208, 200};
        }
    EXPECT_GT(light, 10);
    EXPECT_GT(dark, 10);
    EXPECT_EQ(other, 0) << "one bit per pixel: no blended edges";
}

TEST_F(PixelText, WithoutAServiceTextIsEmptyAndNothingIsDrawn) {
    PixelCanvas c({20, 20});
    EXPECT_TRUE(c.MeasureText(u"abc", kArial8, {0, 0, 20, 20}, 0).IsEmpty());
    c.DrawText(u"abc", kArial8, kWhite, {0, 0, 20, 20}, 0);
    EXPECT_EQ(c.GetPixel({3, 8}), kBlack);
}

}  // namespace
}  // namespace brixel::pixel
