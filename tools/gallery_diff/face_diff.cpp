#include "face_diff.h"

#include <algorithm>
#include <cstring>

namespace brixel::tools {
namespace {

bool Inside(const Rect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

bool OnPage(const RgbImage& image, const Rect& r) {
    return r.left >= 0 && r.top >= 0 && r.right <= image.width && r.bottom <= image.height;
}

FaceDifference DiffFace(const RgbImage& a, const RgbImage& b, const GalleryFace& face) {
    FaceDifference d{face.name};
    for (int y = face.face.top; y < face.face.bottom; ++y)
        for (int x = face.face.left; x < face.face.right; ++x) {
            const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(a.width) +
                                    static_cast<std::size_t>(x)) * 3;
            if (std::memcmp(&a.pixels[at], &b.pixels[at], 3) == 0) continue;
            ++(Inside(face.caption, x, y) ? d.inside_caption : d.outside_caption);
        }
    return d;
}

}  // namespace

bool GalleryDifference::AgreesOutsideCaptions() const {
    return error.empty() && std::all_of(faces.begin(), faces.end(),
                                        [](const FaceDifference& f) { return f.outside_caption == 0; });
}

GalleryDifference DiffFaces(const RgbImage& a, const RgbImage& b, const std::vector<GalleryFace>& faces) {
    GalleryDifference out;
    if (a.width != b.width || a.height != b.height) {
        out.error = "the images differ in size: " + std::to_string(a.width) + "x" + std::to_string(a.height) +
                    " and " + std::to_string(b.width) + "x" + std::to_string(b.height);
        return out;
    }
    for (const GalleryFace& face : faces) {
        if (!OnPage(a, face.face)) {
            out.error = "the face " + face.name + " lies off the page: not a face gallery of this build";
            out.faces.clear();
            return out;
        }
        out.faces.push_back(DiffFace(a, b, face));
    }
    return out;
}

}  // namespace brixel::tools
