// The face gallery page: appearances down, states across. Every backend
// draws the same page from this one table, so two galleries can be compared
// face by face.
#pragma once

#include "render/canvas.h"
#include "core/dpi_scale.h"

#include <string>
#include <vector>

namespace brixel::tools {

// At another `dpi` the page, its faces and their fixed sizes all scale; the
// caller gives a font of that resolution.
Size FaceGallerySize(int dpi = kDesignDpi);
// The faces' system colours come from the classic palette rather than the
// desktop, so the page is the same on every host.
void DrawFaceGallery(Canvas& canvas, FontRef font, bool fast_primitives, int dpi = kDesignDpi);

// Where one face of the page sits and where its caption is placed; texts
// rasterised by different engines can differ only inside `caption`.
struct GalleryFace {
    std::string name;  // "row / column"
    Rect face;
    Rect caption;      // empty when the face shows no caption
};

// `canvas` describes `font` (the caption rules ask for the font's face).
std::vector<GalleryFace> FaceGalleryLayout(const Canvas& canvas, FontRef font);

}  // namespace brixel::tools
