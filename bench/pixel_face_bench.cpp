// The cost of painting one 87 x 25 XP face with its caption through the
// pixel canvas and the FreeType text service, against the floor of a plain
// fill of the same surface in the same run; the ratio is printed at the end
// so runs on machines of different speed compare.
#include "core/property_table.h"
#include "pixel/classic_colours.h"
#include "pixel/freetype/freetype_text_service.h"
#include "pixel/pixel_canvas.h"
#include "render/draw_button.h"

#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <map>
#include <string>

namespace brixel {
namespace {

constexpr Rect kFace{0, 0, 87, 25};
constexpr FontRef kCaptionFont{1};

struct Host {
    Host() : text(pixel::FreeTypeTextService::Create()) {
        if (text != nullptr) text->DefineFont(kCaptionFont, {u"Arial", -11, 400, false, false});
        env.text = text.get();
        env.system_colours = &pixel::kClassicColours;
    }
    std::unique_ptr<pixel::FreeTypeTextService> text;
    pixel::PixelEnvironment env;
};

PaintModel XpFace() {
    PaintModel m;
    m.props = NewControlProperties(u"Command1", SystemColourRef(kColourBtnFace));
    m.props.Caption = u"&Print";
    m.props.Appearance = kvnXPStyleAPB;
    m.props.XPColorScheme = kvnXPBlueScheme;
    m.user_mode = true;
    m.system_colours = &pixel::kClassicColours;
    m.fonts = {kCaptionFont, kCaptionFont, kCaptionFont, kCaptionFont};
    m.fast_primitives = true;
    m.parent_back_colour = {236, 233, 216};
    return m;
}

void BM_PlainFill(benchmark::State& state) {
    Host host;
    pixel::PixelCanvas canvas({kFace.Width(), kFace.Height()}, host.env);
    std::uint8_t shade = 0;
    for (auto _ : state) {
        canvas.FillRect(kFace, Brush::Solid({shade, 128, 200}));
        ++shade;
        benchmark::DoNotOptimize(canvas.GetPixel({43, 12}));
    }
}
BENCHMARK(BM_PlainFill);

void BM_XpFaceWithCaption(benchmark::State& state) {
    Host host;
    if (host.text == nullptr) {
        state.SkipWithError("Liberation fonts are not installed");
        return;
    }
    pixel::PixelCanvas canvas({kFace.Width(), kFace.Height()}, host.env);
    const PaintModel m = XpFace();
    for (auto _ : state) {
        benchmark::DoNotOptimize(DrawTheButton(canvas, kFace, false, m).painted);
        benchmark::DoNotOptimize(canvas.GetPixel({43, 12}));
    }
}
BENCHMARK(BM_XpFaceWithCaption);

}  // namespace
}  // namespace brixel

int main(int argc, char** argv) {
    return brixel::RunAndPrintRatio(argc, argv, "BM_XpFaceWithCaption", "BM_PlainFill",
                                    "XP face with caption / plain fill of the same surface", 1);
}
