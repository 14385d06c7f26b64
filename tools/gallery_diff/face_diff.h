// Two drawings of the face gallery compared face by face: the differing
// pixels inside each face's caption box (text from different engines may
// differ there) and outside it (where the backends must agree).
#pragma once

#include "faces.h"
#include "png_writer.h"

#include <string>
#include <vector>

namespace brixel::tools {

struct FaceDifference {
    std::string name;
    int inside_caption = 0;
    int outside_caption = 0;
};

struct GalleryDifference {
    std::vector<FaceDifference> faces;
    std::string error;  // the images cannot be compared (sizes differ, faces off the page)
    bool AgreesOutsideCaptions() const;
};

GalleryDifference DiffFaces(const RgbImage& a, const RgbImage& b, const std::vector<GalleryFace>& faces);

}  // namespace brixel::tools
