#include "render/button_image.h"

namespace brixel {

// Pictures are not drawn yet.
void DrawButtonImage(Canvas&, const Rect&, const PaintModel&) {}

}  // namespace brixel
