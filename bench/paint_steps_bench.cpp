// The steps of one paint of each repaint-benchmark face through the pixel
// canvas and FreeType, natively: the same table as repaint_bench prints for
// GDI under Wine, from the painter's profiling build.
//
//   paint_steps_bench [paints]
#include "paint_steps.h"

#include "pixel/classic_colours.h"
#include "pixel/freetype/freetype_text_service.h"
#include "pixel/picture_registry.h"
#include "pixel/pixel_canvas.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace brixel {
namespace {

constexpr FontRef kCaptionFont{1};
constexpr std::uintptr_t kPictureValue = 7;

int Run(int paints) {
    auto text = pixel::FreeTypeTextService::Create();
    if (text == nullptr) {
        std::fputs("the Liberation fonts are not installed\n", stderr);
        return 1;
    }
    text->DefineFont(kCaptionFont, {u"MS Sans Serif", -11, 400, false, false});
    pixel::PictureRegistry pictures;
    pixel::PixelPicture picture;
    picture.kind = PictureKind::Bitmap;
    picture.size = {16, 16};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) picture.colour.push_back(static_cast<pixel::Pixel>(x * 16 << 16 | y * 16 << 8 | 128));
    pictures.Register(kPictureValue, std::move(picture));
    pixel::PixelEnvironment env;
    env.text = text.get();
    env.pictures = &pictures;
    env.system_colours = &pixel::kClassicColours;
    pixel::PixelCanvas target({bench::kStepWidth, bench::kStepHeight}, env);
    pixel::PixelCanvas capture({bench::kStepWidth, bench::kStepHeight}, env);
    capture.FillRect({0, 0, bench::kStepWidth, bench::kStepHeight}, Brush::Solid({60, 120, 180}));
    const bench::StepAssets assets{PictureRef{PictureKind::Bitmap, kPictureValue, {423, 423}}, &capture};

    bench::PrintStepHeader("pixel canvas, native", paints);
    for (const bench::StepFace& face : bench::StepFaces()) {
        PaintModel m;
        m.props = NewControlProperties(u"Command1", SystemColourRef(kColourBtnFace));
        m.user_mode = true;
        m.fast_primitives = true;
        m.system_colours = &pixel::kClassicColours;
        m.parent_back_colour = pixel::kClassicColours.SystemColour(kColourBtnFace);
        m.fonts = {kCaptionFont, kCaptionFont, kCaptionFont, kCaptionFont};
        face.set_up(m, assets);
        bench::ProfileFace(target, m, face.name, paints);
    }
    return 0;
}

}  // namespace
}  // namespace brixel

int main(int argc, char** argv) { return brixel::Run(argc > 1 ? std::max(11, std::atoi(argv[1])) : 2001); }
