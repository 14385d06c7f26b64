// Pictures drawn by real GDI: bitmaps, icons and metafiles through the
// button's picture step into DIB sections, and a picture object set on the
// control and painted by the container's draw request. Exact pixels: the
// transparent colour keyed out and nothing else, the effects, the embossed
// disabled form, placement, and no GDI objects left behind.
//
// With BRIXEL_PICTURE_SHOTS set to a folder, the gallery test writes
// pictures.bmp there.
#include "activex/brixeldemo.h"
#include "control_library.h"
#include "core/dispids.h"
#include "core/enums.h"
#include "core/property_table.h"
#include "gdi_test_support.h"
#include "render/button_image.h"
#include "render/picture_effects.h"
#include "sited_control_test.h"
#include "test_site.h"

#include <gtest/gtest.h>
#include <olectl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace brixel::testing {
namespace {

using PixelFn = std::function<Rgb(int x, int y)>;
using UniqueEnhMetafile = win::UniqueHandle<HENHMETAFILE, +[](HENHMETAFILE h) noexcept { ::DeleteEnhMetaFile(h); }>;
using UniqueMetafile = win::UniqueHandle<HMETAFILE, +[](HMETAFILE h) noexcept { ::DeleteMetaFile(h); }>;

constexpr Rgb kKey{255, 0, 255};
constexpr Rgb kNearKey{254, 0, 255};
constexpr Rgb kRed{220, 20, 20};
constexpr Rgb kBlue{20, 20, 220};
constexpr Size kFace{40, 24};
constexpr Rect kFaceRect{0, 0, 40, 24};
constexpr Rect kArea{2, 2, 38, 22};  // the face less margins of 2

win::UniqueBitmap MakeBitmap(Size size, const PixelFn& pixel) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.width, -size.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    win::WindowDc screen(nullptr);
    win::UniqueBitmap bitmap(::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return bitmap;
    auto* out = static_cast<RGBQUAD*>(bits);
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) {
            const Rgb c = pixel(x, y);
            out[y * size.width + x] = RGBQUAD{c.b, c.g, c.r, 0};
        }
    return bitmap;
}

class Present final : public PictureObject {
public:
    bool HasImage() const override { return true; }
};

class RealSystemColours final : public SystemColours {
public:
    Rgb SystemColour(int index) const override { return win::FromColorRef(::GetSysColor(index)); }
};

const RealSystemColours kSystemColours;

Rgb Sys(int index) { return kSystemColours.SystemColour(index); }

OleColor Ole(Rgb c) { return static_cast<OleColor>(c.r | (c.g << 8) | (c.b << 16)); }

// The near-key pixel must stay: only the exact key is transparent.
Rgb Patterned(int x, int y) {
    if (x == 1 && y == 1) return kNearKey;
    if ((x + y) % 3 == 0) return kKey;
    return {static_cast<std::uint8_t>(30 * x), static_cast<std::uint8_t>(40 * y), 100};
}

class PicturePixels : public GdiFixture {
protected:
    PaintModel m;
    std::vector<win::UniqueBitmap> bitmaps_;

    void SetUp() override {
        m.props = NewControlProperties(u"B", SystemColourRef(kColourBtnFace));
        m.props.PictureMargins = u"2;2;2;2";
        m.props.PictureTransparentColor = m.props.DownPictureTransparentColor = Ole(kKey);
        m.system_colours = &kSystemColours;
        m.user_mode = true;
    }
    int Dpi() const { return ::GetDeviceCaps(root_dc_.get(), LOGPIXELSX); }
    Size Himetric(Size px) const { return {::MulDiv(px.width, 2540, Dpi()), ::MulDiv(px.height, 2540, Dpi())}; }
    PictureRef Bitmap(Size size, const PixelFn& pixel) {
        bitmaps_.push_back(MakeBitmap(size, pixel));
        return {PictureKind::Bitmap, reinterpret_cast<std::uintptr_t>(bitmaps_.back().get()), Himetric(size)};
    }
    void Set(StateVariant set, const PictureRef& ref) {
        const SharedPicture shared = std::make_shared<Present>();
        if (set == StateVariant::Normal) m.props.Picture = shared;
        if (set == StateVariant::Down) m.props.DownPicture = shared;
        if (set == StateVariant::Disabled) m.props.DisabledPicture = shared;
        m.pictures[StateIndex(set)] = ref;
    }
    std::unique_ptr<Surface> Paint() {
        auto face = MakeSurface(kFace, true, kUntouched);
        if (face) DrawButtonImage(*face, kFaceRect, m);
        return face;
    }
};

// The smallest rectangle holding every pixel the picture step changed.
Rect Drawn(const Surface& s) {
    Rect r{1000, 1000, -1, -1};
    for (int y = 0; y < s.size().height; ++y)
        for (int x = 0; x < s.size().width; ++x)
            if (s.GetPixel({x, y}) != kUntouched) r = {std::min(r.left, x), std::min(r.top, y),
                                                       std::max(r.right, x + 1), std::max(r.bottom, y + 1)};
    return r;
}

TEST_F(PicturePixels, TransparentColourKeyedOutExactlyAndNothingElse) {
    Set(StateVariant::Normal, Bitmap({8, 6}, Patterned));
    m.props.PictureHAlignment = kvnLeftJustify;
    m.props.PictureVAlignment = kvnTopJustify;
    auto face = Paint();
    ASSERT_TRUE(face);
    for (int y = 0; y < kFace.height; ++y)
        for (int x = 0; x < kFace.width; ++x) {
            const bool inside = x >= 2 && x < 10 && y >= 2 && y < 8;
            const Rgb source = inside ? Patterned(x - 2, y - 2) : kUntouched;
            ASSERT_EQ(face->GetPixel({x, y}), source == kKey ? kUntouched : source) << x << "," << y;
        }
}

TEST_F(PicturePixels, StretchedPictureShowsOnlyItsOwnColoursWithoutHalo) {
    Set(StateVariant::Normal, Bitmap({8, 6}, Patterned));
    m.props.PictureStyle = kvnStretched;
    auto face = Paint();
    ASSERT_TRUE(face);
    std::set<std::tuple<int, int, int>> want, seen;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            if (Patterned(x, y) != kKey) want.insert({Patterned(x, y).r, Patterned(x, y).g, Patterned(x, y).b});
    for (int y = 0; y < kFace.height; ++y)
        for (int x = 0; x < kFace.width; ++x) {
            const Rgb c = face->GetPixel({x, y});
            if (c == kUntouched) continue;
            seen.insert({c.r, c.g, c.b});
        }
    EXPECT_EQ(seen, want);
    EXPECT_EQ(Drawn(*face), kArea);
}

TEST_F(PicturePixels, EveryAlignmentAndBothStylesAtOneSize) {
    Set(StateVariant::Normal, Bitmap({8, 6}, [](int, int) { return kRed; }));
    const struct {
        std::int16_t value;
        int x, y;
    } along[] = {{kvnLeftJustify, 2, 2}, {kvnRightJustify, 30, 16}, {kvnHCenter, 16, 9}};
    for (const auto& h : along)
        for (const auto& v : along)
            for (std::int16_t style : {kvnNormal, kvnStretched}) {
                SCOPED_TRACE(std::to_string(h.value) + "/" + std::to_string(v.value) + " style " +
                             std::to_string(style));
                m.props.PictureHAlignment = h.value;
                m.props.PictureVAlignment = v.value;  // the V constants share the H values
                m.props.PictureStyle = style;
                auto face = Paint();
                ASSERT_TRUE(face);
                const Rect want = style == kvnStretched ? kArea : Rect{h.x, v.y, h.x + 8, v.y + 6};
                EXPECT_EQ(Drawn(*face), want);
            }
}

TEST_F(PicturePixels, OversizedBitmapAlignedAsTheAreaAndDrawnWhole) {
    const PixelFn pixel = [](int x, int y) { return Rgb{static_cast<std::uint8_t>(x * 5), static_cast<std::uint8_t>(y * 8), 9}; };
    Set(StateVariant::Normal, Bitmap({50, 30}, pixel));
    m.props.PictureHAlignment = kvnRightJustify;
    m.props.PictureVAlignment = kvnBottomJustify;
    auto face = Paint();
    ASSERT_TRUE(face);
    EXPECT_EQ(face->GetPixel({2, 2}), pixel(0, 0));
    EXPECT_EQ(face->GetPixel({39, 23}), pixel(37, 21));  // beyond the area: drawn at full size
    EXPECT_EQ(face->GetPixel({1, 1}), kUntouched);
}

TEST_F(PicturePixels, PopupWhilePressedWithoutDownPictureIsTwoUpAndLeft) {
    Set(StateVariant::Normal, Bitmap({8, 6}, [](int, int) { return kRed; }));
    m.props.PictureEffectWhenMouseDown = kvnPopup;
    const Rect rest = Drawn(*Paint());
    m.state.mouse_in = m.state.pressed = true;
    EXPECT_EQ(Drawn(*Paint()), rest.Offset(-2, -2));
}

TEST_F(PicturePixels, DownPictureShownOnlyWithDownProperties) {
    Set(StateVariant::Normal, Bitmap({8, 6}, [](int, int) { return kRed; }));
    Set(StateVariant::Down, Bitmap({8, 6}, [](int, int) { return kBlue; }));
    m.state.mouse_in = m.state.pressed = true;
    m.props.EnableDownProperties = false;
    EXPECT_EQ(Paint()->GetPixel({19, 11}), kRed);
    m.props.EnableDownProperties = true;
    EXPECT_EQ(Paint()->GetPixel({19, 11}), kBlue);
}

// A white picture with a black plus sign through its middle.
Rgb Plus(int x, int y) { return x == 3 || y == 2 ? kBlack : kWhite; }

TEST_F(PicturePixels, DisabledWithoutItsPictureIsEmbossedOnAButtonFacePatch) {
    Set(StateVariant::Normal, Bitmap({8, 6}, Plus));
    m.props.Enabled = false;
    m.props.PictureHAlignment = kvnLeftJustify;
    m.props.PictureVAlignment = kvnTopJustify;
    auto face = Paint();
    ASSERT_TRUE(face);
    const auto mark = [](int x, int y) { return x >= 0 && y >= 0 && x < 8 && y < 6 && Plus(x, y) == kBlack; };
    for (int y = 2; y < 8; ++y)
        for (int x = 2; x < 10; ++x) {
            const Rgb want = mark(x - 2, y - 2)   ? Sys(COLOR_BTNSHADOW)
                             : mark(x - 3, y - 3) ? Sys(COLOR_BTNHIGHLIGHT)
                                                  : Sys(COLOR_BTNFACE);
            ASSERT_EQ(face->GetPixel({x, y}), want) << x << "," << y;
        }
}

TEST_F(PicturePixels, EmbossLeavesTheTransparentColourAsFace) {
    Set(StateVariant::Normal, Bitmap({8, 6}, [](int x, int) { return x < 4 ? kKey : kRed; }));
    m.props.Enabled = false;
    m.props.PictureHAlignment = kvnLeftJustify;
    m.props.PictureVAlignment = kvnTopJustify;
    auto face = Paint();
    ASSERT_TRUE(face);
    for (int y = 2; y < 8; ++y) {
        for (int x = 2; x < 6; ++x) ASSERT_EQ(face->GetPixel({x, y}), Sys(COLOR_BTNFACE)) << x << "," << y;
        for (int x = 6; x < 10; ++x) ASSERT_EQ(face->GetPixel({x, y}), Sys(COLOR_BTNSHADOW)) << x << "," << y;
    }
}

TEST_F(PicturePixels, DisabledPictureOfItsOwnIsDrawnPlainly) {
    Set(StateVariant::Normal, Bitmap({8, 6}, Plus));
    Set(StateVariant::Disabled, Bitmap({8, 6}, [](int, int) { return kBlue; }));
    m.props.Enabled = false;
    m.props.DisabledPictureTransparentColor = Ole(kKey);
    EXPECT_EQ(Paint()->GetPixel({19, 11}), kBlue);
}

struct EffectCase {
    const char* name;
    std::int16_t effect;
    Rgb white_becomes;
};

class PictureEffects : public PicturePixels, public ::testing::WithParamInterface<EffectCase> {};

TEST_P(PictureEffects, KeepTheTransparentColourTransparent) {
    const PixelFn pixel = [](int x, int) { return x < 2 ? kKey : x < 4 ? kWhite : kRed; };
    Set(StateVariant::Normal, Bitmap({6, 4}, pixel));
    m.props.PictureHAlignment = kvnLeftJustify;
    m.props.PictureVAlignment = kvnTopJustify;
    m.props.PictureEffectWhenMouseOver = GetParam().effect;
    m.state.mouse_in = true;
    auto face = Paint();
    ASSERT_TRUE(face);
    const Rgb red = GetParam().effect == kvnDarker ? DarkenColor(kRed) : LighterColor(kRed);
    for (int y = 2; y < 6; ++y) {
        EXPECT_EQ(face->GetPixel({2, y}), kUntouched);
        EXPECT_EQ(face->GetPixel({3, y}), kUntouched);
        EXPECT_EQ(face->GetPixel({4, y}), GetParam().white_becomes);
        EXPECT_EQ(face->GetPixel({7, y}), red);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, PictureEffects,
                         ::testing::Values(EffectCase{"Lighter", kvnLighter, kWhite},
                                           EffectCase{"Darker", kvnDarker, {191, 191, 191}}),
                         [](const auto& info) { return std::string(info.param.name); });

// An opaque 16 x 16 icon: black on the left half, white on the right.
win::UniqueIcon HalfBlackIcon() {
    win::UniqueBitmap colour = MakeBitmap({16, 16}, [](int x, int) { return x < 8 ? kBlack : kWhite; });
    const std::vector<BYTE> opaque(16 * 2 * 16 / 8, 0);
    win::UniqueBitmap mask(::CreateBitmap(16, 16, 1, 1, opaque.data()));
    ICONINFO info{TRUE, 8, 8, mask.get(), colour.get()};
    return win::UniqueIcon(::CreateIconIndirect(&info));
}

TEST_F(PicturePixels, DarkerIconKeepsBlackBlack) {
    win::UniqueIcon icon = HalfBlackIcon();
    ASSERT_TRUE(icon);
    Set(StateVariant::Normal, {PictureKind::Icon, reinterpret_cast<std::uintptr_t>(icon.get()), Himetric({16, 16})});
    m.props.PictureHAlignment = kvnLeftJustify;
    m.props.PictureVAlignment = kvnTopJustify;
    m.props.PictureEffectWhenMouseOver = kvnDarker;
    m.state.mouse_in = true;
    auto face = Paint();
    ASSERT_TRUE(face);
    EXPECT_EQ(face->GetPixel({3, 5}), kBlack);
    EXPECT_EQ(face->GetPixel({14, 5}), (Rgb{191, 191, 191}));
    m.state.mouse_in = false;
    EXPECT_EQ(Paint()->GetPixel({14, 5}), kWhite);
}

TEST_F(PicturePixels, DisabledIconTakesTheSystemsEmbossedForm) {
    win::UniqueIcon icon = HalfBlackIcon();
    ASSERT_TRUE(icon);
    Set(StateVariant::Normal, {PictureKind::Icon, reinterpret_cast<std::uintptr_t>(icon.get()), Himetric({16, 16})});
    m.props.Enabled = false;
    auto face = Paint();
    ASSERT_TRUE(face);
    const Rect drawn = Drawn(*face);
    EXPECT_FALSE(drawn.IsEmpty());
    int black = 0;
    for (int y = drawn.top; y < drawn.bottom; ++y)
        for (int x = drawn.left; x < drawn.right; ++x) black += face->GetPixel({x, y}) == kBlack;
    EXPECT_EQ(black, 0) << "the embossed form has no black of the icon's own";
}

UniqueEnhMetafile RedSquareEnhMetafile() {
    HDC recorder = ::CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    win::UniqueBrush red(::CreateSolidBrush(RGB(kRed.r, kRed.g, kRed.b)));
    const RECT square{0, 0, 100, 100};
    ::FillRect(recorder, &square, red.get());
    return UniqueEnhMetafile(::CloseEnhMetaFile(recorder));
}

UniqueMetafile RedSquareMetafile() {
    HDC recorder = ::CreateMetaFileW(nullptr);
    ::SetWindowExtEx(recorder, 100, 100, nullptr);
    win::UniqueBrush red(::CreateSolidBrush(RGB(kRed.r, kRed.g, kRed.b)));
    const RECT square{0, 0, 100, 100};
    ::FillRect(recorder, &square, red.get());
    return UniqueMetafile(::CloseMetaFile(recorder));
}

TEST_F(PicturePixels, MetafilesOfBothKindsAppearInThePictureArea) {
    UniqueEnhMetafile enhanced = RedSquareEnhMetafile();
    UniqueMetafile old_style = RedSquareMetafile();
    ASSERT_TRUE(enhanced);
    ASSERT_TRUE(old_style);
    for (std::uintptr_t handle :
         {reinterpret_cast<std::uintptr_t>(enhanced.get()), reinterpret_cast<std::uintptr_t>(old_style.get())}) {
        Set(StateVariant::Normal, {PictureKind::Metafile, handle, Himetric({10, 10})});
        m.props.PictureStyle = kvnStretched;
        auto face = Paint();
        ASSERT_TRUE(face);
        EXPECT_EQ(face->GetPixel({20, 12}), kRed);
        EXPECT_EQ(face->GetPixel({1, 1}), kUntouched);
        m.props.PictureStyle = kvnNormal;
        face = Paint();
        EXPECT_EQ(face->GetPixel({20, 12}), kRed);  // centred, its own 10 x 10
        EXPECT_EQ(face->GetPixel({10, 12}), kUntouched);
    }
}

TEST_F(PicturePixels, RepeatedPaintsOfEveryKindLeaveNoGdiObjects) {
    win::UniqueIcon icon = HalfBlackIcon();
    UniqueEnhMetafile metafile = RedSquareEnhMetafile();
    const PictureRef pictures[] = {
        Bitmap({8, 6}, Patterned),
        {PictureKind::Icon, reinterpret_cast<std::uintptr_t>(icon.get()), Himetric({16, 16})},
        {PictureKind::Metafile, reinterpret_cast<std::uintptr_t>(metafile.get()), Himetric({10, 10})}};
    auto face = MakeSurface(kFace, true, kUntouched);
    ASSERT_TRUE(face);
    const long start = win::LiveGdiObjects();
    for (int round = 0; round < 5; ++round)
        for (const PictureRef& picture : pictures)
            for (std::int16_t effect : {kvnNoEffect, kvnPopup, kvnLighter, kvnDarker})
                for (bool enabled : {true, false}) {
                    Set(StateVariant::Normal, picture);
                    m.props.PictureEffectWhenMouseOver = effect;
                    m.props.Enabled = enabled;
                    m.state.mouse_in = enabled;
                    m.windows_forms_host = round % 2 == 1;
                    DrawButtonImage(*face, kFaceRect, m);
                    ASSERT_EQ(win::LiveGdiObjects(), start);
                }
}

// --- The picture step's looks side by side, for a person to judge ----------------

void WriteBmp(const Surface& s, const std::string& path) {
    const Size size = s.size();
    const int row = (size.width * 3 + 3) & ~3;
    std::vector<unsigned char> data(static_cast<std::size_t>(row * size.height));
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) {
            const Rgb c = s.GetPixel({x, size.height - 1 - y});
            unsigned char* p = &data[static_cast<std::size_t>(y * row + x * 3)];
            p[0] = c.b, p[1] = c.g, p[2] = c.r;
        }
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{sizeof info, size.width, size.height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(data.size());
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) return;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::fwrite(data.data(), 1, data.size(), out);
    std::fclose(out);
}

TEST_F(PicturePixels, Gallery) {
    win::UniqueIcon icon = HalfBlackIcon();
    UniqueEnhMetafile metafile = RedSquareEnhMetafile();
    const PixelFn ring = [](int x, int y) {
        const int dx = x - 8, dy = y - 8, d = dx * dx + dy * dy;
        return d > 56 ? kKey : d > 20 ? Rgb{40, 120, 200} : d > 6 ? kWhite : Rgb{200, 60, 30};
    };
    const PictureRef bitmap = Bitmap({16, 16}, ring);
    const PictureRef iconic{PictureKind::Icon, reinterpret_cast<std::uintptr_t>(icon.get()), Himetric({16, 16})};
    const PictureRef meta{PictureKind::Metafile, reinterpret_cast<std::uintptr_t>(metafile.get()), Himetric({14, 14})};
    struct Look {
        const PictureRef* picture;
        std::int16_t over_effect, down_effect;
        bool mouse_in, pressed, enabled;
        std::int16_t style;
    };
    const Look looks[] = {
        {&bitmap, 0, 0, false, false, true, kvnNormal},     {&bitmap, 0, kvnPopup, true, true, true, kvnNormal},
        {&bitmap, kvnLighter, 0, true, false, true, kvnNormal}, {&bitmap, kvnDarker, 0, true, false, true, kvnNormal},
        {&bitmap, 0, 0, false, false, false, kvnNormal},    {&bitmap, 0, 0, false, false, true, kvnStretched},
        {&iconic, 0, 0, false, false, true, kvnNormal},     {&iconic, kvnDarker, 0, true, false, true, kvnNormal},
        {&iconic, 0, 0, false, false, false, kvnNormal},    {&meta, 0, 0, false, false, true, kvnNormal},
        {&meta, kvnLighter, 0, true, false, true, kvnStretched}, {&meta, 0, 0, false, false, false, kvnNormal},
    };
    const int count = static_cast<int>(std::size(looks));
    auto sheet = MakeSurface({count * (kFace.width + 4), kFace.height + 4}, true, {90, 90, 90});
    ASSERT_TRUE(sheet);
    for (int i = 0; i < count; ++i) {
        const Look& look = looks[i];
        Set(StateVariant::Normal, *look.picture);
        m.props.PictureEffectWhenMouseOver = look.over_effect;
        m.props.PictureEffectWhenMouseDown = look.down_effect;
        m.props.PictureStyle = look.style;
        m.props.Enabled = look.enabled;
        m.state.mouse_in = look.mouse_in;
        m.state.pressed = look.pressed;
        const Rect cell = kFaceRect.Offset(i * (kFace.width + 4) + 2, 2);
        sheet->FillRect(cell, Brush::Solid(Sys(COLOR_BTNFACE)));
        DrawButtonImage(*sheet, cell, m);
    }
    EXPECT_NE(sheet->GetPixel({2 + 20, 2 + 12}), Sys(COLOR_BTNFACE));
    if (const char* folder = std::getenv("BRIXEL_PICTURE_SHOTS")) WriteBmp(*sheet, std::string(folder) + "\\pictures.bmp");
}

// --- A picture object set on the control --------------------------------------------

class ControlPictures : public SitedControlTest {
protected:
    HRESULT PutShort(DISPID id, short value) { return Put(id, I2(value)); }
};

TEST_F(ControlPictures, BitmapPictureObjectIsPaintedWithWhiteKeyedOut) {
    // The picture object owns the bitmap from here on.
    HBITMAP bitmap = MakeBitmap({8, 6}, [](int x, int) { return x < 4 ? kWhite : kRed; }).release();
    PICTDESC desc{};
    desc.cbSizeofstruct = sizeof desc;
    desc.picType = PICTYPE_BITMAP;
    desc.bmp.hbitmap = bitmap;
    win::ComPtr<IPictureDisp> picture;
    ASSERT_HRESULT_SUCCEEDED(::OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, picture.put_void()));
    VARIANT v{};
    v.vt = VT_DISPATCH;
    v.pdispVal = picture.get();
    ASSERT_HRESULT_SUCCEEDED(Put(dispid::kPicture, v));
    ASSERT_HRESULT_SUCCEEDED(PutShort(dispid::kAppearance, kvnFlat));
    win::UniqueBstr empty(L"");
    VARIANT caption{};
    caption.vt = VT_BSTR;
    caption.bstrVal = empty.get();
    ASSERT_HRESULT_SUCCEEDED(Put(DISPID_CAPTION, caption));  // no text over the picture
    VARIANT back{};
    back.vt = VT_I4;
    back.lVal = RGB(10, 200, 30);
    ASSERT_HRESULT_SUCCEEDED(Put(dispid::kBackColor, back));

    win::ComPtr<IViewObject2> view;
    ASSERT_HRESULT_SUCCEEDED(object_.As(IID_IViewObject2, view.put_void()));
    win::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    win::UniqueBitmap target = MakeBitmap({87, 25}, [](int, int) { return kUntouched; });
    win::SelectScope select(dc.get(), target.get());
    const RECTL bounds{0, 0, 87, 25};
    ASSERT_HRESULT_SUCCEEDED(
        view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc.get(), &bounds, nullptr, nullptr, 0));
    // Centred in the face less the default margins of 6: at (39, 9).
    const auto at = [&](int x, int y) { return win::FromColorRef(::GetPixel(dc.get(), x, y)); };
    for (int y = 9; y < 15; ++y) {
        for (int x = 39; x < 43; ++x) ASSERT_EQ(at(x, y), (Rgb{10, 200, 30})) << x << "," << y;
        for (int x = 43; x < 47; ++x) ASSERT_EQ(at(x, y), kRed) << x << "," << y;
    }
    EXPECT_EQ(at(47, 12), (Rgb{10, 200, 30}));
}

}  // namespace
}  // namespace brixel::testing
