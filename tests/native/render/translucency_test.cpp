#include "render/translucency.h"

#include "render/draw_button.h"

#include "paint_model_support.h"
#include "text_canvas.h"

#include <gtest/gtest.h>

namespace brixel::testing {
namespace {

TEST(CaptureAlpha, IsTheComplementOfTheLevelInItsLowEightBits) {
    struct Case {
        std::int16_t level;
        std::uint8_t alpha;
    };
    const Case cases[] = {{0, 255}, {255, 0}, {120, 135}, {300, 211}, {-1, 0}};
    for (const auto& c : cases) EXPECT_EQ(CaptureAlpha(c.level), c.alpha) << c.level;
}

TEST(CaptureContainerBackground, CopiesThePixelsUnderTheControlOnceAndReleasesWhenOff) {
    ComposingCanvas<BlendingPixelCanvas> container(200, 100, Rgb{9, 9, 9});
    container.FillRect({0, 0, 200, 100}, Brush::Solid({255, 0, 0}));
    container.FillRect({50, 40, 137, 65}, Brush::Solid({0, 128, 0}));
    std::unique_ptr<Surface> capture;

    CaptureContainerBackground(container, {50, 40, 137, 65}, kvnBackground, capture);
    ASSERT_NE(capture, nullptr);
    EXPECT_EQ(capture->size(), (Size{87, 25}));
    EXPECT_EQ(container.memory.At(0, 0), (Rgb{0, 128, 0}));
    EXPECT_EQ(container.memory.At(86, 24), (Rgb{0, 128, 0}));
    EXPECT_EQ(container.memory.At(87, 0), (Rgb{9, 9, 9})) << "nothing beyond the control's size";
    EXPECT_EQ(container.memory.At(0, 25), (Rgb{9, 9, 9})) << "nothing beyond the control's size";

    const Surface* first = capture.get();
    CaptureContainerBackground(container, {50, 40, 137, 65}, kvnAll, capture);
    EXPECT_EQ(capture.get(), first) << "a capture is kept until released";
    EXPECT_EQ(container.images_created, 1);

    CaptureContainerBackground(container, {50, 40, 137, 65}, kvnNotTranslucent, capture);
    EXPECT_EQ(capture, nullptr);
}

TEST(CaptureContainerBackground, NothingToCaptureForAnEmptyControl) {
    ComposingCanvas<BlendingPixelCanvas> container(20, 20);
    std::unique_ptr<Surface> capture;
    CaptureContainerBackground(container, {5, 5, 5, 9}, kvnAll, capture);
    EXPECT_EQ(capture, nullptr);
    EXPECT_EQ(container.images_created, 0);
}

TEST(SetTransparentWindow, TurnsTheFocusBorderOffAndSetsTheStyleInUserModeOnly) {
    struct Case {
        const char* name;
        std::int16_t style;
        bool user_mode;
        bool focus_off, transparent;
    };
    const Case cases[] = {
        {"all, run time", kvnAll, true, true, true},
        {"background, run time", kvnBackground, true, true, true},
        {"background, design time", kvnBackground, false, true, false},
        {"not translucent", kvnNotTranslucent, true, false, false},
    };
    for (const auto& c : cases) {
        const TransparentWindowPlan plan = SetTransparentWindow(c.style, c.user_mode);
        EXPECT_EQ(plan.turn_focus_border_off, c.focus_off) << c.name;
        EXPECT_EQ(plan.transparent_style, c.transparent) << c.name;
        EXPECT_TRUE(plan.release_capture) << c.name;
    }
}

// A red flat face with a blue drop-down triangle over a green container.
constexpr Rgb kContainer{0, 128, 0};
constexpr Rgb kFace{255, 0, 0};
constexpr Rgb kTriangle{0, 0, 255};
constexpr Point kFacePixel{40, 12};
constexpr Point kTrianglePixel{76, 10};

struct Scene {
    BlendingPixelCanvas container{87, 25, kContainer};
    ForwardingSurface capture{{87, 25}, container};
    ComposingCanvas<BlendingPixelCanvas> target{87, 25};
    PaintModel m = DefaultModel();

    Scene(std::int16_t style, std::int16_t level, bool fast) {
        m.props.Appearance = kvnFlat;
        m.props.BackColor = 0x0000FF;
        m.props.Caption.clear();
        m.props.Menu = true;
        m.props.MenuButtonStyle = kvnMenuButtonStyleDropDown;
        m.props.MenuButtonTriangleColor = 0xFF0000;
        m.props.TranslucentStyle = style;
        m.props.TranslucentLevel = level;
        m.fast_primitives = fast;
        m.captured_background = &capture;
    }
    Rgb Paint() {
        EXPECT_TRUE(DrawTheButton(target, kClient, false, m).painted);
        return target.At(kFacePixel.x, kFacePixel.y);
    }
};

TEST(Translucency, WholeButtonLevelsBlendTheContainerOverTheFace) {
    struct Case {
        const char* name;
        std::int16_t level;
        bool fast;
        Rgb face;
    };
    const Case cases[] = {
        {"level 0 shows only the container", 0, true, kContainer},
        {"level 255 shows only the button", 255, true, kFace},
        // AlphaBlend rounds each channel to the nearest value.
        {"level 120 mixes them", 120, true, {120, (128 * 135 + 127) / 255, 0}},
        {"without the fast primitives the container is copied opaquely", 255, false, kContainer},
    };
    for (const auto& c : cases) {
        Scene scene(kvnAll, c.level, c.fast);
        EXPECT_EQ(scene.Paint(), c.face) << c.name;
    }
}

TEST(Translucency, BackgroundOnlyKeepsTheTriangleOpaque) {
    Scene background(kvnBackground, 0, true);
    EXPECT_EQ(background.Paint(), kContainer);
    EXPECT_EQ(background.target.At(kTrianglePixel.x, kTrianglePixel.y), kTriangle);

    Scene all(kvnAll, 0, true);
    EXPECT_EQ(all.Paint(), kContainer);
    EXPECT_EQ(all.target.At(kTrianglePixel.x, kTrianglePixel.y), kContainer);
}

TEST(Translucency, NotTranslucentIgnoresAnyCapture) {
    Scene scene(kvnNotTranslucent, 0, true);
    EXPECT_EQ(scene.Paint(), kFace);
}

TEST(Translucency, ACaptureSmallerThanTheFaceOnlyCoversItsOwnPart) {
    Scene scene(kvnAll, 0, true);
    ForwardingSurface small{{20, 25}, scene.container};
    scene.m.captured_background = &small;
    scene.Paint();
    EXPECT_EQ(scene.target.At(10, 12), kContainer);
    EXPECT_EQ(scene.target.At(40, 12), kFace);
}

}  // namespace
}  // namespace brixel::testing
