// The GDI canvas: what each operation draws, that it leaves the DC as it
// found it, and that the objects it creates are all deleted again.
#include "gdi_test_support.h"
#include "render/gradient.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

namespace brixel::testing {
namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};

// Everything of a DC's state that a drawing call could leave changed.
struct DcState {
    HGDIOBJ pen, brush, font, bitmap;
    COLORREF text, back;
    int back_mode, rop2, fill_mode, stretch_mode;
    POINT position;
    bool clipped;
    RECT clip_box;
    int saved_level;
    friend bool operator==(const DcState& a, const DcState& b) {
        return a.pen == b.pen && a.brush == b.brush && a.font == b.font && a.bitmap == b.bitmap && a.text == b.text &&
               a.back == b.back && a.back_mode == b.back_mode && a.rop2 == b.rop2 && a.fill_mode == b.fill_mode &&
               a.stretch_mode == b.stretch_mode && a.position.x == b.position.x && a.position.y == b.position.y &&
               a.clipped == b.clipped && ::EqualRect(&a.clip_box, &b.clip_box) && a.saved_level == b.saved_level;
    }
};

std::string Describe(const DcState& s) {
    char text[300];
    std::snprintf(text, sizeof text,
                  "pen %p brush %p font %p bitmap %p text %06lx back %06lx mode %d rop2 %d fill %d stretch %d "
                  "at %ld,%ld clipped %d box %ld,%ld,%ld,%ld level %d",
                  s.pen, s.brush, s.font, s.bitmap, s.text, s.back, s.back_mode, s.rop2, s.fill_mode,
                  s.stretch_mode, s.position.x, s.position.y, int(s.clipped), s.clip_box.left, s.clip_box.top,
                  s.clip_box.right, s.clip_box.bottom, s.saved_level);
    return text;
}

DcState Snapshot(HDC dc) {
    DcState s{};
    s.pen = ::GetCurrentObject(dc, OBJ_PEN);
    s.brush = ::GetCurrentObject(dc, OBJ_BRUSH);
    s.font = ::GetCurrentObject(dc, OBJ_FONT);
    s.bitmap = ::GetCurrentObject(dc, OBJ_BITMAP);
    s.text = ::GetTextColor(dc);
    s.back = ::GetBkColor(dc);
    s.back_mode = ::GetBkMode(dc);
    s.rop2 = ::GetROP2(dc);
    s.fill_mode = ::GetPolyFillMode(dc);
    s.stretch_mode = ::GetStretchBltMode(dc);
    ::GetCurrentPositionEx(dc, &s.position);
    win::UniqueRegion clip(::CreateRectRgn(0, 0, 0, 0));
    s.clipped = ::GetClipRgn(dc, clip.get()) == 1;
    ::GetClipBox(dc, &s.clip_box);
    s.saved_level = ::SaveDC(dc);  // the level a save would get
    ::RestoreDC(dc, -1);
    return s;
}

// A DC in a state no drawing call would choose by itself.
class CanvasOnPreparedDc : public GdiFixture {
protected:
    void SetUp() override {
        BITMAPINFO bi{};
        bi.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 64, -64, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_.reset(::CreateDIBSection(dc_.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        ASSERT_TRUE(bitmap_);
        selections_.emplace_back(std::make_unique<win::SelectScope>(dc_.get(), bitmap_.get()));
        selections_.emplace_back(std::make_unique<win::SelectScope>(dc_.get(), pen_.get()));
        selections_.emplace_back(std::make_unique<win::SelectScope>(dc_.get(), brush_.get()));
        ::SetTextColor(dc_.get(), RGB(1, 2, 3));
        ::SetBkColor(dc_.get(), RGB(4, 5, 6));
        ::SetBkMode(dc_.get(), OPAQUE);
        ::SetROP2(dc_.get(), R2_NOTXORPEN);
        ::SetPolyFillMode(dc_.get(), WINDING);
        ::SetStretchBltMode(dc_.get(), HALFTONE);
        ::MoveToEx(dc_.get(), 7, 9, nullptr);
        ::IntersectClipRect(dc_.get(), 0, 0, 50, 60);
    }
    void TearDown() override {
        while (!selections_.empty()) selections_.pop_back();
    }

    win::UniqueMemoryDc dc_{::CreateCompatibleDC(nullptr)};
    win::UniqueBitmap bitmap_;
    win::UniquePen pen_{::CreatePen(PS_SOLID, 3, RGB(9, 9, 9))};
    win::UniqueBrush brush_{::CreateSolidBrush(RGB(8, 8, 8))};
    std::vector<std::unique_ptr<win::SelectScope>> selections_;
};

using Operation = std::function<void(Canvas&)>;

std::vector<std::pair<const char*, Operation>> EveryOperation() {
    static const Point triangle[3] = {{2, 2}, {30, 4}, {8, 30}};
    static const Point polygon[4] = {{0, 0}, {20, 0}, {20, 20}, {0, 20}};
    return {
        {"FillRect", [](Canvas& c) { c.FillRect({1, 1, 20, 20}, Brush::Solid(kRed)); }},
        {"FillRect pattern", [](Canvas& c) { c.FillRect({1, 1, 20, 20}, Brush::Checkerboard()); }},
        {"FrameRect", [](Canvas& c) { c.FrameRect({1, 1, 20, 20}, Brush::Checkerboard()); }},
        {"SetPixel", [](Canvas& c) { c.SetPixel({3, 3}, kRed); }},
        {"DrawLine", [](Canvas& c) { c.DrawLine({0, 5}, {30, 5}, Pen{kRed, PenStyle::Dotted}); }},
        {"FillPolygon", [](Canvas& c) { c.FillPolygon(polygon, kGreen); }},
        {"RoundRect outline", [](Canvas& c) { c.RoundRect({2, 2, 30, 30}, {4, 8}, Pen{kRed}, nullptr); }},
        {"RoundRect filled",
         [](Canvas& c) {
             const Brush b = Brush::Solid(kGreen);
             c.RoundRect({2, 2, 30, 30}, {4, 4}, Pen{kRed, PenStyle::None}, &b);
         }},
        {"GradientFillRect", [](Canvas& c) { c.GradientFillRect({0, 0, 30, 30}, kRed, kGreen, true); }},
        {"GradientFillTriangle", [](Canvas& c) { c.GradientFillTriangle(triangle, kRed, kGreen); }},
        {"Transfer", [](Canvas& c) {
             auto mono = c.CreateSurface({16, 16}, SurfaceFormat::Monochrome);
             TransferRequest t;
             t.dest = {0, 0, 16, 16};
             t.source = mono.get();
             t.source_rect = {0, 0, 16, 16};
             t.op = RasterOp::BrushWhereSourceZero;
             t.brush = kGreen;
             c.Transfer(t);
             t.source_rect = {0, 0, 8, 8};  // stretched
             t.op = RasterOp::SourceCopy;
             c.Transfer(t);
         }},
        {"BlendConstant", [](Canvas& c) {
             auto s = c.CreateSurface({16, 16}, SurfaceFormat::Colour);
             c.BlendConstant({0, 0, 16, 16}, *s, {0, 0}, 100);
         }},
        {"PushClip and PopClip", [](Canvas& c) {
             c.PushClip({0, 0, 5, 5});
             c.PushClip({1, 1, 3, 3});
             c.PopClip();
             c.PopClip();
         }},
        {"MeasureText", [](Canvas& c) { c.MeasureText(u"Wide", {}, {0, 0, 60, 20}, kTextWordBreak); }},
        {"DrawText", [](Canvas& c) { c.DrawText(u"&Wide", {}, kRed, {0, 0, 60, 20}, kTextCenter | kTextSingleLine); }},
        {"DrawDisabledText", [](Canvas& c) { c.DrawDisabledText(u"&Wide", {}, {2, 2}); }},
        {"CreateUnderlinedFont and DescribeFont", [](Canvas& c) {
             auto font = c.CreateUnderlinedFont({});
             if (font) c.DrawText(u"x", font->ref(), kRed, {0, 0, 20, 20}, 0);
             c.DescribeFont({});
         }},
        {"fallback gradients", [](Canvas& c) {
             for (std::int16_t style = 0; style < 7; ++style) {
                 GradientParams p;
                 p.style = style;
                 p.colour1 = kRed;
                 p.colour2 = kGreen;
                 p.xp_state = kXPStatePressed;
                 p.appearance = kvnXPStyleAPB;
                 FillGradient(c, {0, 0, 40, 30}, p, FastPrimitives::Avoid);
                 FillGradient(c, {0, 0, 40, 30}, p, FastPrimitives::Allowed);
             }
         }},
    };
}

TEST_F(CanvasOnPreparedDc, EveryOperationLeavesTheDcAsItFoundIt) {
    const DcState before = Snapshot(dc_.get());
    for (const auto& [name, operation] : EveryOperation()) {
        SCOPED_TRACE(name);
        {
            win::GdiCanvas canvas(dc_.get(), &msimg32_);
            operation(canvas);
            EXPECT_EQ(Describe(Snapshot(dc_.get())), Describe(before));
        }
        EXPECT_EQ(Describe(Snapshot(dc_.get())), Describe(before));
    }
}

TEST_F(CanvasOnPreparedDc, AClipLeftPushedIsPoppedWithTheCanvas) {
    const DcState before = Snapshot(dc_.get());
    {
        win::GdiCanvas canvas(dc_.get(), &msimg32_);
        canvas.PushClip({0, 0, 4, 4});
        canvas.PushClip({0, 0, 2, 2});
        EXPECT_FALSE(Snapshot(dc_.get()) == before);
    }
    EXPECT_TRUE(Snapshot(dc_.get()) == before);
}

TEST_F(CanvasOnPreparedDc, EveryObjectCreatedIsDeletedAfterThousandsOfCalls) {
    const long start = win::LiveGdiObjects();
    {
        win::GdiCanvas canvas(dc_.get(), &msimg32_);
        const auto operations = EveryOperation();
        for (int i = 0; i < 300; ++i)
            for (const auto& [name, operation] : operations) operation(canvas);
        auto kept = canvas.CreateSurface({8, 8}, SurfaceFormat::Colour);
        EXPECT_EQ(win::LiveGdiObjects(), start + 2);  // its memory DC and its bitmap
    }
    EXPECT_EQ(win::LiveGdiObjects(), start);
}

// The per-process handle table holds some ten thousand objects (Wine more);
// a leak of one object per row would have exhausted it long before the end.
TEST_F(GdiFixture, DrawsCorrectlyAfterMoreObjectsThanTheHandleTableHolds) {
    const long start = win::LiveGdiObjects();
    auto s = MakeSurface({20, 100}, false);
    for (int paint = 0; paint < 800; ++paint)  // 800 paints x 100 rows = 80 000 brushes
        VerticalGradient(*s, {0, 0, 20, 100}, kBlack, {200, 100, 0});
    EXPECT_EQ(s->GetPixel({5, 0}), kBlack);
    EXPECT_EQ(s->GetPixel({5, 50}), (Rgb{100, 50, 0}));
    EXPECT_EQ(s->GetPixel({5, 99}), (Rgb{198, 99, 0}));
    s.reset();
    EXPECT_EQ(win::LiveGdiObjects(), start);
}

TEST_F(GdiFixture, SurfacesStartBlackAndHoldTheirSize) {
    win::GdiCanvas root(root_dc_.get(), &msimg32_);
    auto colour = root.CreateSurface({7, 5}, SurfaceFormat::Colour);
    ASSERT_TRUE(colour);
    EXPECT_EQ(colour->size(), (Size{7, 5}));
    EXPECT_EQ(colour->GetPixel({6, 4}), kBlack);
    auto mono = root.CreateSurface({7, 5}, SurfaceFormat::Monochrome);
    ASSERT_TRUE(mono);
    EXPECT_EQ(mono->GetPixel({0, 0}), kBlack);
}

// Sizes come from documents and callers: one whose byte count overflows an
// int, or that no drawing needs, gets no surface instead of ending the process.
TEST_F(GdiFixture, SurfacesBeyondTheBudgetAreRefused) {
    win::GdiCanvas root(root_dc_.get(), &msimg32_);
    const struct {
        const char* name;
        Size size;
        SurfaceFormat format;
    } rows[] = {
        {"mono bytes overflow an int", {200000, 200000}, SurfaceFormat::Monochrome},
        {"mono side too long", {40000, 1}, SurfaceFormat::Monochrome},
        {"colour side too long", {1, 40000}, SurfaceFormat::Colour},
        {"colour pixels over budget", {32000, 32000}, SurfaceFormat::Colour},
    };
    for (const auto& row : rows) EXPECT_EQ(root.CreateSurface(row.size, row.format), nullptr) << row.name;
    EXPECT_NE(root.CreateSurface({32767, 2}, SurfaceFormat::Monochrome), nullptr) << "a long thin strip is fine";
}

TEST_F(GdiFixture, FillsFramesAndPixelsLandWhereTheyShould) {
    auto s = MakeSurface({12, 12}, true, kUntouched);
    s->FillRect({2, 2, 6, 6}, Brush::Solid(kRed));
    EXPECT_EQ(s->GetPixel({2, 2}), kRed);
    EXPECT_EQ(s->GetPixel({5, 5}), kRed);
    EXPECT_EQ(s->GetPixel({6, 6}), kUntouched);  // right and bottom exclusive
    s->FrameRect({6, 6, 12, 12}, Brush::Solid(kGreen));
    EXPECT_EQ(s->GetPixel({6, 6}), kGreen);
    EXPECT_EQ(s->GetPixel({11, 11}), kGreen);
    EXPECT_EQ(s->GetPixel({8, 8}), kUntouched);
    s->SetPixel({0, 11}, kGreen);
    EXPECT_EQ(s->GetPixel({0, 11}), kGreen);
}

TEST_F(GdiFixture, TheCheckerboardAlternatesBlackAndWhite) {
    auto s = MakeSurface({8, 8});
    s->FillRect({0, 0, 8, 8}, Brush::Checkerboard());
    EXPECT_EQ(s->GetPixel({0, 0}), kBlack);
    EXPECT_EQ(s->GetPixel({1, 0}), kWhite);
    EXPECT_EQ(s->GetPixel({0, 1}), kWhite);
    EXPECT_EQ(s->GetPixel({1, 1}), kBlack);
}

TEST_F(GdiFixture, LinesEndBeforeTheirEndPointAndDotsLeaveGapsUntouched) {
    auto s = MakeSurface({20, 4}, true, kUntouched);
    s->DrawLine({0, 1}, {10, 1}, Pen{kRed});
    EXPECT_EQ(s->GetPixel({9, 1}), kRed);
    EXPECT_EQ(s->GetPixel({10, 1}), kUntouched);
    s->DrawLine({0, 2}, {20, 2}, Pen{kGreen, PenStyle::Dotted});
    int gaps = 0;
    for (int x = 0; x < 20; ++x) gaps += s->GetPixel({x, 2}) == kUntouched;
    EXPECT_GT(gaps, 3);
    s->DrawLine({0, 3}, {20, 3}, Pen{kGreen, PenStyle::None});
    EXPECT_EQ(s->GetPixel({5, 3}), kUntouched);
}

TEST_F(GdiFixture, RoundRectFillsOnlyWhenAskedTo) {
    auto s = MakeSurface({20, 20}, true, kUntouched);
    s->RoundRect({0, 0, 20, 20}, {4, 4}, Pen{kRed}, nullptr);
    EXPECT_EQ(s->GetPixel({10, 0}), kRed);
    EXPECT_EQ(s->GetPixel({10, 19}), kRed);
    EXPECT_EQ(s->GetPixel({10, 10}), kUntouched);
    EXPECT_EQ(s->GetPixel({0, 0}), kUntouched);  // cut off by the rounding
    const Brush fill = Brush::Solid(kGreen);
    s->RoundRect({0, 0, 20, 20}, {4, 4}, Pen{kRed, PenStyle::None}, &fill);
    EXPECT_EQ(s->GetPixel({10, 10}), kGreen);
    EXPECT_EQ(s->GetPixel({19, 10}), kGreen);  // a pen-less shape keeps its full size
}

TEST_F(GdiFixture, MonochromeTransfersKeyColoursAndRenderBitsInTheGivenColours) {
    auto picture = MakeSurface({4, 1}, true, kRed);
    picture->SetPixel({1, 0}, kGreen);
    win::GdiCanvas root(root_dc_.get(), &msimg32_);
    auto mask = root.CreateSurface({4, 1}, SurfaceFormat::Monochrome);
    TransferRequest t;
    t.dest = t.source_rect = {0, 0, 4, 1};
    t.source = picture.get();
    t.mono_key = kGreen;  // pixels of this colour become 1
    mask->Transfer(t);
    EXPECT_EQ(mask->GetPixel({1, 0}), kWhite);
    EXPECT_EQ(mask->GetPixel({0, 0}), kBlack);

    auto target = MakeSurface({4, 1}, true, kUntouched);
    t.source = mask.get();
    t.mono_zero = {10, 20, 30};
    t.mono_one = {40, 50, 60};
    target->Transfer(t);
    EXPECT_EQ(target->GetPixel({0, 0}), (Rgb{10, 20, 30}));
    EXPECT_EQ(target->GetPixel({1, 0}), (Rgb{40, 50, 60}));

    // The embossing operation: the brush where the source is 0, else untouched.
    auto embossed = MakeSurface({4, 1}, true, kUntouched);
    t.op = RasterOp::BrushWhereSourceZero;
    t.brush = kRed;
    t.mono_zero = kBlack;
    t.mono_one = kWhite;
    embossed->Transfer(t);
    EXPECT_EQ(embossed->GetPixel({0, 0}), kRed);
    EXPECT_EQ(embossed->GetPixel({1, 0}), kUntouched);
}

TEST_F(GdiFixture, ConstantAlphaBlendsSourceOverDestination) {
    ASSERT_TRUE(msimg32_.alpha_blend() != nullptr);
    auto source = MakeSurface({4, 4}, true, {200, 100, 0});
    struct Case {
        std::uint8_t alpha;
        Rgb expected;
    };
    for (const Case c : {Case{0, {0, 0, 200}}, Case{255, {200, 100, 0}}}) {
        auto dest = MakeSurface({4, 4}, true, {0, 0, 200});
        dest->BlendConstant({0, 0, 4, 4}, *source, {0, 0}, c.alpha);
        EXPECT_EQ(dest->GetPixel({2, 2}), c.expected) << int(c.alpha);
    }
    auto half = MakeSurface({4, 4}, true, {0, 0, 200});
    half->BlendConstant({0, 0, 4, 4}, *source, {0, 0}, 128);
    EXPECT_NEAR(half->GetPixel({1, 1}).r, 100, 2);
    EXPECT_NEAR(half->GetPixel({1, 1}).b, 100, 2);
}

TEST_F(GdiFixture, WithoutMsimg32NoFastPrimitiveIsOffered) {
    auto s = MakeSurface({10, 10}, false, kUntouched);
    EXPECT_FALSE(s->HasGradientFill());
    EXPECT_FALSE(s->HasAlphaBlend());
    s->GradientFillRect({0, 0, 10, 10}, kRed, kGreen, true);
    EXPECT_EQ(s->GetPixel({5, 5}), kUntouched);
    // The gradient routines then take their own fallbacks.
    DrawRectangularGradient(*s, {0, 0, 10, 10}, kRed, kGreen, GradientDirection::TopToBottom,
                            FastPrimitives::Allowed);
    EXPECT_EQ(s->GetPixel({5, 0}), kRed);
}

TEST_F(GdiFixture, ClipsNestAndPopBackOut) {
    auto s = MakeSurface({10, 10}, true, kUntouched);
    s->PushClip({0, 0, 5, 5});
    s->PushClip({2, 2, 8, 8});
    s->FillRect({0, 0, 10, 10}, Brush::Solid(kRed));
    s->PopClip();
    s->FillRect({0, 0, 10, 10}, Brush::Solid(kGreen));
    s->PopClip();
    EXPECT_EQ(s->GetPixel({1, 1}), kGreen);
    EXPECT_EQ(s->GetPixel({6, 6}), kUntouched);
    s->FillRect({9, 9, 10, 10}, Brush::Solid(kRed));
    EXPECT_EQ(s->GetPixel({9, 9}), kRed);
}

TEST_F(GdiFixture, TextIsMeasuredDrawnAndUnderlined) {
    auto s = MakeSurface({80, 24}, true, kUntouched);
    const Rect size = s->MeasureText(u"Wide", {}, {0, 0, 80, 24}, kTextSingleLine);
    EXPECT_GT(size.Width(), 4);
    EXPECT_GT(size.Height(), 4);
    s->DrawText(u"Wide", {}, kRed, {0, 0, 80, 24}, kTextSingleLine);
    int red = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 80; ++x) red += s->GetPixel({x, y}) == kRed;
    EXPECT_GT(red, 5);
    EXPECT_EQ(s->GetPixel({79, 23}), kUntouched);  // transparent background

    const long start = win::LiveGdiObjects();
    {
        auto underlined = s->CreateUnderlinedFont({});
        ASSERT_TRUE(underlined);
        EXPECT_TRUE(s->DescribeFont(underlined->ref()).underline);
        EXPECT_FALSE(s->DescribeFont({}).underline);
        EXPECT_EQ(win::LiveGdiObjects(), start + 1);
    }
    EXPECT_EQ(win::LiveGdiObjects(), start);
}

TEST_F(GdiFixture, BitmapPicturesAreCopiedAndStretched) {
    win::UniqueBitmap bitmap(::CreateBitmap(2, 1, 1, 32, nullptr));
    {
        win::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
        win::SelectScope select(dc.get(), bitmap.get());
        ::SetPixelV(dc.get(), 0, 0, RGB(255, 0, 0));
        ::SetPixelV(dc.get(), 1, 0, RGB(0, 255, 0));
    }
    const PictureRef picture{PictureKind::Bitmap, reinterpret_cast<std::uintptr_t>(bitmap.get()), {2540, 2540}};
    auto s = MakeSurface({8, 2}, true, kUntouched);
    s->CopyBitmap(picture, {0, 0, 8, 2}, {0, 0, 2, 1});
    EXPECT_EQ(s->GetPixel({1, 1}), kRed);
    EXPECT_EQ(s->GetPixel({6, 0}), kGreen);
    // One inch of HIMETRIC is the device's pixels per inch.
    win::GdiCanvas root(root_dc_.get(), &msimg32_);
    EXPECT_EQ(root.PicturePixelSize(picture).width, ::GetDeviceCaps(root_dc_.get(), LOGPIXELSX));
}

TEST_F(GdiFixture, IconsAreDrawnAndRecoloured) {
    win::UniqueIcon icon(::LoadIconW(nullptr, IDI_APPLICATION));
    ASSERT_TRUE(icon);
    const PictureRef picture{PictureKind::Icon, reinterpret_cast<std::uintptr_t>(icon.get()), {}};
    const auto paint = [&](ColourMap map) {
        auto s = MakeSurface({32, 32}, true, kUntouched);
        s->DrawIcon(picture, {0, 0, 32, 32}, PictureForm::Normal, map);
        return s;
    };
    const auto plain = paint(nullptr);
    const auto white = paint([](Rgb) { return kWhite; });
    int drawn = 0, whitened = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            drawn += plain->GetPixel({x, y}) != kUntouched;
            whitened += white->GetPixel({x, y}) == kWhite;
        }
    EXPECT_GT(drawn, 50);
    EXPECT_GT(whitened, drawn / 2);
    icon.release();  // a shared system icon is not ours to destroy
}

}  // namespace
}  // namespace brixel::testing
