// The face gallery page: appearances down, states across.
#pragma once

#include "render/canvas.h"

namespace brixel::tools {

Size FaceGallerySize();
void DrawFaceGallery(Canvas& canvas, FontRef font, bool fast_primitives);

}  // namespace brixel::tools
