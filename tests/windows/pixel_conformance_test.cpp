// The scenes of the shared table painted through the GDI backend and the
// pixel backend side by side (captions left out: the two backends rasterise
// text with different engines). Both must agree pixel for pixel; the count
// of differing pixels per scene is printed so a regression shows where.
#include "gdi_test_support.h"
#include "native/pixel/scenes.h"
#include "pixel/pixel_canvas.h"

#include <cstdio>
#include <string>

namespace brixel::testing {
namespace {

// The system's own colours, which DrawState's embossing reads.
class Win32SystemColours final : public SystemColours {
public:
    Rgb SystemColour(int index) const override { return win::FromColorRef(::GetSysColor(index)); }
};

const Win32SystemColours kWin32Colours;

class PixelConformance : public GdiFixture, public ::testing::WithParamInterface<Scene> {
protected:
    PaintModel Model() const {
        PaintModel m = SceneModel(GetParam(), false);
        m.fonts = {};
        return m;
    }

    // Differing pixels; the first few are described in `where`.
    int Compare(const Canvas& gdi, const Canvas& pixels, std::string& where) const {
        int differing = 0;
        for (int y = 0; y < kSceneClient.bottom; ++y)
            for (int x = 0; x < kSceneClient.right; ++x) {
                const Rgb a = gdi.GetPixel({x, y}), b = pixels.GetPixel({x, y});
                if (a == b) continue;
                if (++differing <= 8) {
                    char line[96];
                    std::snprintf(line, sizeof line, "  (%d,%d) gdi %d,%d,%d pixel %d,%d,%d\n", x, y, a.r, a.g,
                                  a.b, b.r, b.g, b.b);
                    where += line;
                }
            }
        return differing;
    }
};

TEST_P(PixelConformance, BothBackendsPaintTheSameFace) {
    const Size size{kSceneClient.Width(), kSceneClient.Height()};
    std::unique_ptr<Surface> gdi = MakeSurface(size, true, {255, 0, 255});
    ASSERT_NE(gdi, nullptr);
    pixel::PixelEnvironment env;
    env.system_colours = &kWin32Colours;
    env.gradient_fill = gdi->HasGradientFill();
    env.alpha_blend = gdi->HasAlphaBlend();
    pixel::PixelCanvas pixels(size, env);
    pixels.FillRect(kSceneClient, Brush::Solid({255, 0, 255}));

    const PaintModel m = Model();
    EXPECT_EQ(DrawTheButton(*gdi, kSceneClient, false, m).painted,
              DrawTheButton(pixels, kSceneClient, false, m).painted);
    std::string where;
    const int differing = Compare(*gdi, pixels, where);
    std::printf("[ pixels   ] %-22s %4d differing\n%s", GetParam().name, differing, where.c_str());
    RecordProperty("differing_pixels", differing);
    EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(Faces, PixelConformance, ::testing::ValuesIn(kScenes),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brixel::testing
