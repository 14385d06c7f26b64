// One picture drawn in an area: placed by its alignment, stretched or at its
// own size, with its transparent colour left out, with an effect or in the
// embossed disabled form. The button's picture step and the drop-down menu's
// item pictures both draw through it.
#pragma once

#include <optional>

#include "core/picture_choice.h"
#include "render/canvas.h"
#include "render/picture_effects.h"

#include <cstdint>

namespace brixel {

struct PictureDrawing {
    std::int16_t h_alignment = 0;
    std::int16_t v_alignment = 0;
    std::int16_t style = 0;  // kvnStretched fills the area; icons ignore it
    Rgb transparent{};
    PictureEffect effect = PictureEffect::None;
    bool embossed = false;
    EmbossColours emboss{};
    // Draw a bitmap from a copy made on this device (Windows Forms hosts).
    bool device_copy = false;
    // The part of the target that shows (the face). A picture larger than it
    // is drawn through surfaces of the shown part only, however large the
    // size the picture claims.
    std::optional<Rect> visible;
};

// Draws nothing for a picture of kind None.
void DrawPicture(Canvas& canvas, const PictureRef& picture, const Rect& area, const PictureDrawing& how);

}  // namespace brixel
