// What the C interface costs: one 87 x 25 XP face with its caption painted
// through brixel_paint_buffer, against the same face painted by calling
// DrawTheButton directly in the same run. The interface's work on top is
// the handle check, the paint-time scheme check, the paint model built from
// the instance and the font and picture bookkeeping; the ratio printed at
// the end should stay at or below 1.05.
#include "brixel/brixel.h"

#include "core/property_table.h"
#include "pixel/classic_colours.h"
#include "pixel/freetype/freetype_text_service.h"
#include "pixel/pixel_canvas.h"
#include "render/draw_button.h"

#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace brixel {
namespace {

constexpr int kWidth = 87;
constexpr int kHeight = 25;

void BM_DirectPaint(benchmark::State& state) {
    std::unique_ptr<pixel::FreeTypeTextService> text = pixel::FreeTypeTextService::Create();
    if (text == nullptr) {
        state.SkipWithError("Liberation fonts are not installed");
        return;
    }
    // The standard font at 96 dpi, as the interface defines it for each state.
    for (std::uintptr_t ref = 1; ref <= 4; ++ref) text->DefineFont(FontRef{ref}, {u"MS Sans Serif", -11, 400, false, false});
    PaintModel m;
    m.props = NewControlProperties(u"Command1", MakeOleColor(pixel::kClassicColours.SystemColour(kColourBtnFace)));
    m.props.Caption = u"&Print";
    m.user_mode = true;
    m.fast_primitives = true;
    m.system_colours = &pixel::kClassicColours;
    m.fonts = {FontRef{1}, FontRef{2}, FontRef{3}, FontRef{4}};
    pixel::PixelEnvironment env;
    env.text = text.get();
    env.system_colours = &pixel::kClassicColours;
    std::vector<std::uint32_t> pixels(kWidth * kHeight);
    pixel::PixelCanvas canvas(pixels.data(), Size{kWidth, kHeight}, kWidth * 4, env);
    for (auto _ : state) {
        benchmark::DoNotOptimize(DrawTheButton(canvas, Rect{0, 0, kWidth, kHeight}, false, m).painted);
        benchmark::DoNotOptimize(pixels[12 * kWidth + 43]);
    }
}
BENCHMARK(BM_DirectPaint);

void BM_AbiPaint(benchmark::State& state) {
    brixel_create_options options = BRIXEL_CREATE_OPTIONS_INIT;
    brixel_button* button = nullptr;
    if (brixel_button_create(&options, &button) != BRIXEL_OK) {
        state.SkipWithError("no button");
        return;
    }
    const std::uint16_t caption[] = {'&', 'P', 'r', 'i', 'n', 't'};
    brixel_set_string(button, -518, caption, 6, nullptr);
    brixel_frame frame = BRIXEL_FRAME_INIT;
    frame.window = 1;
    frame.width = kWidth;
    frame.height = kHeight;
    frame.enabled = frame.visible = 1;
    std::vector<std::uint32_t> pixels(kWidth * kHeight);
    brixel_paint_result result = BRIXEL_PAINT_RESULT_INIT;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            brixel_paint_buffer(button, &frame, nullptr, pixels.data(), kWidth, kHeight, kWidth * 4, &result, nullptr));
        benchmark::DoNotOptimize(pixels[12 * kWidth + 43]);
    }
    brixel_button_destroy(button);
}
BENCHMARK(BM_AbiPaint);

}  // namespace
}  // namespace brixel

int main(int argc, char** argv) {
    return brixel::RunAndPrintRatio(argc, argv, "BM_AbiPaint", "BM_DirectPaint",
                                    "XP face with caption through the C interface / called directly (goal <= 1.05)", 3);
}
