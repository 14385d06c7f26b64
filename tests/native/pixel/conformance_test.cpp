// The real face routines painting through the pixel canvas: every scene of
// the shared table fills the whole face, paints the same twice, keeps its
// caption inside the caption box, and the gradient fallbacks meet the fast
// primitive where the rules say they must. The faces are also written as
// one PNG (to $BRIXEL_PIXEL_GALLERY, else the test's temporary directory).
#include "native/pixel/scenes.h"
#include "pixel/freetype/freetype_text_service.h"
#include "pixel/pixel_canvas.h"
#include "png_writer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace brixel::testing {
namespace {

using pixel::PixelCanvas;
using pixel::PixelEnvironment;

constexpr Rgb kUnpainted{255, 0, 255};

class Painter {
public:
    Painter() : text_(pixel::FreeTypeTextService::Create()) {
        if (text_ != nullptr) text_->DefineFont(kSceneFont, {u"Arial", -11, 400, false, false});
        env_.text = text_.get();
        env_.system_colours = &kClassicColours;
    }
    bool HasText() const { return text_ != nullptr; }

    PixelCanvas Paint(const Scene& scene, bool caption, PaintResult* result = nullptr) const {
        PixelCanvas target({kSceneClient.Width(), kSceneClient.Height()}, env_);
        target.FillRect(kSceneClient, Brush::Solid(kUnpainted));
        const PaintResult r = DrawTheButton(target, kSceneClient, false, SceneModel(scene, caption));
        if (result != nullptr) *result = r;
        return target;
    }

private:
    std::unique_ptr<pixel::FreeTypeTextService> text_;
    PixelEnvironment env_;
};

const Painter& SharedPainter() {
    static const Painter painter;
    return painter;
}

bool Same(const Canvas& a, const Canvas& b, const Rect& r) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (a.GetPixel({x, y}) != b.GetPixel({x, y})) return false;
    return true;
}

class SceneTest : public ::testing::TestWithParam<Scene> {};

TEST_P(SceneTest, CoversTheWholeFaceTheSameWayEveryTime) {
    PaintResult result;
    const PixelCanvas first = SharedPainter().Paint(GetParam(), true, &result);
    ASSERT_TRUE(result.painted);
    int unpainted = 0;
    for (int y = 0; y < kSceneClient.bottom; ++y)
        for (int x = 0; x < kSceneClient.right; ++x) unpainted += first.GetPixel({x, y}) == kUnpainted;
    EXPECT_EQ(unpainted, 0);
    EXPECT_TRUE(Same(first, SharedPainter().Paint(GetParam(), true), kSceneClient));
}

// The caption's pixels are the ones that change when a caption is added;
// with the default margins they stay well inside the face.
TEST_P(SceneTest, CaptionStaysInsideTheFace) {
    if (!SharedPainter().HasText()) GTEST_SKIP() << "no fonts";
    const PixelCanvas with = SharedPainter().Paint(GetParam(), true);
    const PixelCanvas without = SharedPainter().Paint(GetParam(), false);
    Rect ink{kSceneClient.right, kSceneClient.bottom, 0, 0};
    for (int y = 0; y < kSceneClient.bottom; ++y)
        for (int x = 0; x < kSceneClient.right; ++x) {
            if (with.GetPixel({x, y}) == without.GetPixel({x, y})) continue;
            ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1), std::max(ink.bottom, y + 1)};
        }
    ASSERT_FALSE(ink.IsEmpty()) << "no caption drawn";
    EXPECT_GE(ink.left, 2);
    EXPECT_GE(ink.top, 2);
    EXPECT_LE(ink.right, kSceneClient.right - 2);
    EXPECT_LE(ink.bottom, kSceneClient.bottom - 2);
    EXPECT_GT(ink.Width(), 20) << "the caption is several characters wide";
}

INSTANTIATE_TEST_SUITE_P(Faces, SceneTest, ::testing::ValuesIn(kScenes),
                         [](const auto& info) { return std::string(info.param.name); });

const Scene& Named(std::string_view name) {
    for (const Scene& s : kScenes)
        if (name == s.name) return s;
    throw std::logic_error("no such scene");
}

// The fallback bands may differ inside, not at the vertex colour nor along
// the side opposite it (the rows next to the face's edges).
TEST(SceneGradients, FallbacksMeetTheFastPrimitiveAtTheirEdges) {
    for (const auto& [fast, fallback] : {std::pair{"VerticalFast", "VerticalFallback"},
                                         std::pair{"DiagonalFast", "DiagonalFallback"}}) {
        const PixelCanvas a = SharedPainter().Paint(Named(fast), false);
        const PixelCanvas b = SharedPainter().Paint(Named(fallback), false);
        EXPECT_EQ(a.GetPixel({0, 0}), b.GetPixel({0, 0})) << fast;
        EXPECT_EQ(a.GetPixel({43, 0}), b.GetPixel({43, 0})) << fast;
    }
}

TEST(SceneFocus, CheckerboardFrameOnTheFocusRectangle) {
    const PixelCanvas c = SharedPainter().Paint(Named("ThreeDFocused"), false);
    // The 3D focus rectangle starts Bevel + 2 in; along its top edge the
    // pixels alternate black and white with the surface's parity.
    const int inset = NewControlProperties(u"x", 0).Bevel + 2;
    for (int x = inset; x < inset + 6; ++x) {
        const Rgb expected = (x + inset) % 2 == 0 ? kBlack : kWhite;
        EXPECT_EQ(c.GetPixel({x, inset}), expected) << x;
    }
}

// All faces side by side, for looking at.
TEST(SceneGallery, WritesEveryFaceAsOnePng) {
    constexpr int kColumns = 4, kGap = 6;
    const int cell_w = kSceneClient.Width() + kGap, cell_h = kSceneClient.Height() + kGap;
    const int rows = static_cast<int>((kScenes.size() + kColumns - 1) / kColumns);
    tools::RgbImage image{kColumns * cell_w + kGap, rows * cell_h + kGap, {}};
    image.pixels.assign(static_cast<std::size_t>(image.width * image.height * 3), 236);
    for (std::size_t i = 0; i < kScenes.size(); ++i) {
        const PixelCanvas face = SharedPainter().Paint(kScenes[i], true);
        const int ox = kGap + static_cast<int>(i % kColumns) * cell_w, oy = kGap + static_cast<int>(i / kColumns) * cell_h;
        for (int y = 0; y < kSceneClient.bottom; ++y)
            for (int x = 0; x < kSceneClient.right; ++x) {
                const Rgb c = face.GetPixel({x, y});
                const std::size_t at = static_cast<std::size_t>(((oy + y) * image.width + ox + x) * 3);
                image.pixels[at] = c.r, image.pixels[at + 1] = c.g, image.pixels[at + 2] = c.b;
            }
    }
    const char* dir = std::getenv("BRIXEL_PIXEL_GALLERY");
    const std::string path = (dir != nullptr ? std::string(dir) : ::testing::TempDir()) + "/pixel-faces.png";
    EXPECT_TRUE(tools::WritePng(image, std::wstring(path.begin(), path.end()))) << path;
}

}  // namespace
}  // namespace brixel::testing
