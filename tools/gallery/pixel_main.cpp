// gallery_pixel [faces-pixel.png [dpi]]: the face gallery drawn through the
// pixel canvas with the FreeType text service, natively; the same page the
// GDI gallery draws, for gallery_diff to compare, at 96 dpi unless another
// resolution is given. Prints the path.
#include "faces.h"
#include "pixel/classic_colours.h"
#include "pixel/freetype/freetype_text_service.h"
#include "pixel/pixel_canvas.h"
#include "png_writer.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// The caption font: the dialog font the GDI gallery selects is 8 pt, 11
// pixels high; Liberation Sans keeps Arial's metrics at that size.
constexpr brixel::FontRef kCaptionFont{1};

brixel::tools::RgbImage ToImage(const brixel::pixel::PixelCanvas& canvas) {
    brixel::tools::RgbImage image;
    const brixel::Size size = canvas.size();
    image.width = size.width;
    image.height = size.height;
    image.pixels.reserve(static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height) * 3);
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) {
            const brixel::Rgb c = canvas.GetPixel({x, y});
            image.pixels.insert(image.pixels.end(), {c.r, c.g, c.b});
        }
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace brixel;
    const std::filesystem::path path = argc > 1 ? argv[1] : "faces-pixel.png";
    const auto text = pixel::FreeTypeTextService::Create();
    if (text == nullptr) {
        std::fprintf(stderr, "no FreeType or no Liberation fonts: cannot draw captions\n");
        return 1;
    }
    const int dpi = argc > 2 ? std::atoi(argv[2]) : kDesignDpi;
    if (dpi <= 0) {
        std::fprintf(stderr, "the resolution must be a positive number of dots per inch\n");
        return 2;
    }
    text->DefineFont(kCaptionFont, {u"Arial", ScaleForDpi(-11, dpi), 400, false, false});
    pixel::PixelEnvironment env;
    env.text = text.get();
    env.system_colours = &pixel::kClassicColours;
    pixel::PixelCanvas canvas(tools::FaceGallerySize(dpi), env);
    tools::DrawFaceGallery(canvas, kCaptionFont, env.gradient_fill && env.alpha_blend, dpi);
    if (!tools::WritePng(ToImage(canvas), path.wstring())) {
        std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
        return 1;
    }
    std::printf("%s\n", std::filesystem::absolute(path).string().c_str());
    return 0;
}
