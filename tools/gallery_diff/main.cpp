// gallery_diff faces.png faces-pixel.png: the face galleries of the two
// backends compared face by face. Prints the differing pixels of every face
// inside and outside its caption box; exits 1 when any face differs outside
// its caption, 2 when the images cannot be read or compared.
#include "face_diff.h"
#include "pixel/pixel_canvas.h"
#include "png_reader.h"

#include <cstdio>

int main(int argc, char** argv) {
    using namespace brixel;
    if (argc != 3) {
        std::fprintf(stderr, "usage: gallery_diff faces.png faces-pixel.png\n");
        return 2;
    }
    const tools::PngReadResult a = tools::ReadPng(argv[1]);
    const tools::PngReadResult b = tools::ReadPng(argv[2]);
    for (const auto* r : {&a, &b})
        if (!r->error.empty()) {
            std::fprintf(stderr, "%s\n", r->error.c_str());
            return 2;
        }
    // The caption rules ask only for the font's face; "&Print" is placed the
    // same whichever face the backend reports.
    const pixel::PixelCanvas describer(Size{1, 1});
    const tools::GalleryDifference diff =
        tools::DiffFaces(a.image, b.image, tools::FaceGalleryLayout(describer, FontRef{}));
    if (!diff.error.empty()) {
        std::fprintf(stderr, "%s\n", diff.error.c_str());
        return 2;
    }
    std::printf("%-34s %8s %8s\n", "face", "caption", "outside");
    int differing_faces = 0;
    for (const tools::FaceDifference& f : diff.faces) {
        std::printf("%-34s %8d %8d%s\n", f.name.c_str(), f.inside_caption, f.outside_caption,
                    f.outside_caption != 0 ? "  <- differs outside its caption" : "");
        differing_faces += f.outside_caption != 0;
    }
    std::printf("%d of %zu faces differ outside their captions\n", differing_faces, diff.faces.size());
    return diff.AgreesOutsideCaptions() ? 0 : 1;
}
