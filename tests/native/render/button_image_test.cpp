#include "render/button_image.h"

#include <gtest/gtest.h>

#include <string>

#include "core/enums.h"
#include "paint_model_support.h"
#include "picture_canvas.h"
#include "render/picture_effects.h"

namespace brixel {
namespace {

using testing::FakeImage;
using testing::HimetricOf;
using testing::PictureCanvas;
using testing::PictureLog;

class Present final : public PictureObject {
public:
    bool HasImage() const override { return true; }
};

constexpr Rgb kUnpainted{1, 2, 3};
constexpr Rgb kKey{0, 255, 0};
constexpr Rgb kNormalInk{200, 10, 10}, kDownInk{10, 10, 200};
constexpr std::uintptr_t kNormalBitmap = 1, kDownBitmap = 2, kIconHandle = 3, kMetafileHandle = 4;

// A 6 x 4 bitmap of one colour with a transparent left column.
FakeImage Bitmap(Rgb ink) {
    FakeImage image{{6, 4}, {}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) image.pixels.push_back(x == 0 ? kKey : ink);
    return image;
}

class ButtonImage : public ::testing::Test {
protected:
    std::shared_ptr<PictureLog> log = std::make_shared<PictureLog>();
    PictureCanvas face{{40, 20}, SurfaceFormat::Colour, log, kUnpainted};
    PaintModel m = testing::DefaultModel();

    void SetUp() override {
        log->bitmaps[kNormalBitmap] = Bitmap(kNormalInk);
        log->bitmaps[kDownBitmap] = Bitmap(kDownInk);
        m.props.PictureMargins = u"2;2;2;2";
        m.props.PictureHAlignment = m.props.DownPictureHAlignment = kvnLeftJustify;
        m.props.PictureVAlignment = m.props.DownPictureVAlignment = kvnTopJustify;
        m.props.PictureTransparentColor = 0x00FF00;  // kKey as an OLE colour
        m.props.DownPictureTransparentColor = 0x00FF00;
        SetPicture(StateVariant::Normal, {PictureKind::Bitmap, kNormalBitmap, {HimetricOf(6), HimetricOf(4)}});
    }
    void SetPicture(StateVariant set, PictureRef ref) {
        const SharedPicture shared = std::make_shared<Present>();
        switch (set) {
            case StateVariant::Normal: m.props.Picture = shared; break;
            case StateVariant::MouseIn: m.props.MouseInPicture = shared; break;
            case StateVariant::Down: m.props.DownPicture = shared; break;
            case StateVariant::Disabled: m.props.DisabledPicture = shared; break;
        }
        m.pictures[StateIndex(set)] = ref;
    }
    void Draw() { DrawButtonImage(face, {0, 0, 40, 20}, m); }
    // The top-left corner of the inked block, or (-1, -1).
    Point InkAt(Rgb ink) const {
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x)
                if (face.At(x, y) == ink) return {x, y};
        return {-1, -1};
    }
};

TEST_F(ButtonImage, PlainPictureAtTheMarginWithItsTransparentColumnLeftOut) {
    Draw();
    EXPECT_EQ(InkAt(kNormalInk), (Point{3, 2}));  // x 2 is the keyed column
    EXPECT_EQ(face.At(2, 2), kUnpainted);
    EXPECT_EQ(face.At(7, 5), kNormalInk);
    EXPECT_EQ(face.At(8, 5), kUnpainted);
}

TEST_F(ButtonImage, PopupWhilePressedWithoutDownPictureMovesTwoUpAndLeft) {
    m.props.PictureHAlignment = kvnHCenter;
    m.props.PictureVAlignment = kvnVCenter;
    Draw();
    const Point rest = InkAt(kNormalInk);
    face.FillRect({0, 0, 40, 20}, Brush::Solid(kUnpainted));
    m.props.PictureEffectWhenMouseDown = kvnPopup;
    m.state.mouse_in = m.state.pressed = true;
    Draw();
    EXPECT_EQ(InkAt(kNormalInk), (Point{rest.x - 2, rest.y - 2}));
}

TEST_F(ButtonImage, DownPictureIgnoredWhileDownPropertiesAreOff) {
    SetPicture(StateVariant::Down, {PictureKind::Bitmap, kDownBitmap, {HimetricOf(6), HimetricOf(4)}});
    m.props.PictureEffectWhenMouseDown = kvnDarker;
    m.state.mouse_in = m.state.pressed = true;
    m.props.EnableDownProperties = false;
    Draw();
    EXPECT_EQ(InkAt(kDownInk), (Point{-1, -1}));
    EXPECT_EQ(InkAt(DarkenColor(kNormalInk)), (Point{3, 2}));
    m.props.EnableDownProperties = true;
    Draw();
    EXPECT_EQ(InkAt(kDownInk), (Point{3, 2}));
}

TEST_F(ButtonImage, LatchedToggleOn3DFaceShiftsOnePixel) {
    m.props.ToggleButton = true;
    m.props.Appearance = kvn3D;
    m.state.toggled = true;
    Draw();
    EXPECT_EQ(InkAt(kNormalInk), (Point{4, 3}));
}

TEST_F(ButtonImage, DisabledWithoutItsPictureIsEmbossedInSystemColours) {
    // White is the ground of the embossed form, whatever the transparent colour.
    std::vector<Rgb> pixels(24, kWhite);
    pixels[0] = kNormalInk;
    log->bitmaps[10] = FakeImage{{6, 4}, pixels};
    SetPicture(StateVariant::Normal, {PictureKind::Bitmap, 10, {HimetricOf(6), HimetricOf(4)}});
    m.props.Enabled = false;
    Draw();
    EXPECT_EQ(face.At(2, 2), SystemColour(m, kColourBtnShadow));
    EXPECT_EQ(face.At(3, 3), SystemColour(m, kColourBtnHighlight));
    EXPECT_EQ(face.At(4, 4), SystemColour(m, kColourBtnFace));
    EXPECT_EQ(face.At(7, 5), SystemColour(m, kColourBtnFace));
    EXPECT_EQ(face.At(8, 6), kUnpainted);
    EXPECT_EQ(InkAt(kNormalInk), (Point{-1, -1}));
}

TEST_F(ButtonImage, IconsDrawAtTheClippedSizeInTheirStateForm) {
    SetPicture(StateVariant::Normal, {PictureKind::Icon, kIconHandle, {HimetricOf(32), HimetricOf(32)}});
    m.props.PictureEffectWhenMouseOver = kvnDarker;
    m.state.mouse_in = true;
    Draw();
    m.state.mouse_in = false;
    m.props.Enabled = false;
    Draw();
    ASSERT_EQ(log->calls.size(), 2u);
    EXPECT_EQ(log->calls[0].dest, (Rect{2, 2, 34, 18}));  // 32 high clipped to the area's 16
    EXPECT_EQ(log->calls[0].form, PictureForm::Normal);
    ASSERT_NE(log->calls[0].recolour, nullptr);
    EXPECT_EQ(log->calls[0].recolour(kWhite), (Rgb{191, 191, 191}));
    EXPECT_EQ(log->calls[1].form, PictureForm::Disabled);
    EXPECT_EQ(log->calls[1].recolour, nullptr);
}

TEST_F(ButtonImage, MetafileIsPlayedAndItsGroundLeftOut) {
    log->metafiles[kMetafileHandle] = kDownInk;
    SetPicture(StateVariant::Normal, {PictureKind::Metafile, kMetafileHandle, {HimetricOf(10), HimetricOf(8)}});
    Draw();
    EXPECT_EQ(InkAt(kDownInk), (Point{3, 3}));  // the fake leaves a one-pixel rim
    EXPECT_EQ(face.At(2, 2), kUnpainted);
    EXPECT_EQ(face.At(10, 8), kDownInk);
    EXPECT_EQ(face.At(11, 9), kUnpainted);
}

// A picture far larger than the face is drawn through surfaces of the part
// that shows, whatever size it claims.
TEST_F(ButtonImage, OversizedPicturesUseSurfacesOfTheFaceOnly) {
    const struct {
        const char* name;
        PictureRef ref;
        std::int16_t effect_over;
    } rows[] = {
        {"metafile claiming 30,000 pixels a side",
         {PictureKind::Metafile, kMetafileHandle, {HimetricOf(30000), HimetricOf(30000)}}, kvnNoEffect},
        {"bitmap, lighter", {PictureKind::Bitmap, kNormalBitmap, {HimetricOf(300), HimetricOf(200)}}, kvnLighter},
    };
    log->metafiles[kMetafileHandle] = kDownInk;
    FakeImage big{{300, 200}, std::vector<Rgb>(300 * 200, kNormalInk)};
    log->bitmaps[kNormalBitmap] = big;
    for (const auto& row : rows) {
        log->largest_surface_pixels = 0;
        SetPicture(StateVariant::Normal, row.ref);
        m.props.PictureEffectWhenMouseOver = row.effect_over;
        m.state.mouse_in = true;
        Draw();
        EXPECT_LE(log->largest_surface_pixels, 40 * 20) << row.name;
        EXPECT_NE(face.At(39, 19), kUnpainted) << row.name << ": the picture still reaches the corner";
        EXPECT_EQ(face.At(1, 1), kUnpainted) << row.name << ": the margin stays";
    }
}

TEST_F(ButtonImage, NothingWithoutAPictureAndNoSurfacesLeftBehind) {
    m.props.Picture = nullptr;
    m.pictures = {};
    Draw();
    EXPECT_EQ(InkAt(kNormalInk), (Point{-1, -1}));
    SetPicture(StateVariant::Normal, {PictureKind::Bitmap, kNormalBitmap, {HimetricOf(6), HimetricOf(4)}});
    m.props.PictureEffectWhenMouseOver = kvnLighter;
    m.state.mouse_in = true;
    m.windows_forms_host = true;
    Draw();
    EXPECT_EQ(InkAt(LighterColor(kNormalInk)), (Point{3, 2}));
    EXPECT_EQ(log->surfaces_alive, 1);
}

}  // namespace
}  // namespace brixel
