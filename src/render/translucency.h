// Translucency against the container: the container's pixels under the
// control are captured once and blended with the composed face, either under
// everything (kvnBackground, before the picture and caption are drawn) or
// over everything (kvnAll, as the face is output).
#pragma once

#include "render/canvas.h"
#include "render/paint_model.h"

#include <cstdint>
#include <memory>

namespace brixel {

// A translucent button cannot paint until the container's pixels are known.
bool WaitsForCapture(const PaintModel& m);

// The draw-request path, before DrawTheButton. `container` draws on the
// container's client area; `control` is the control's rectangle there.
// Captures when translucency is on and nothing is held yet, releases the
// capture when translucency is off; `capture` is the control's own slot.
void CaptureContainerBackground(const Canvas& container, const Rect& control, std::int16_t translucent_style,
                                std::unique_ptr<Surface>& capture);

// The constant source alpha of the captured image: 255 - TranslucentLevel,
// its low 8 bits. Level 0 shows only the container, 255 only the button.
std::uint8_t CaptureAlpha(std::int16_t translucent_level);

// Lays the captured pixels over `memory`, the face composed at its origin
// (blended with the fast primitive, else opaquely), then, unless only the
// background is translucent, copies it to `target` at `rect`. Nothing at
// all without a capture.
void DrawTransparentButton(Canvas& target, Canvas& memory, const Rect& rect, const PaintModel& m);
// DrawTransparentButton's first half: the captured pixels laid over the face
// in `memory`, nothing copied anywhere.
void LayCaptureOver(Canvas& memory, const Rect& rect, const PaintModel& m);

// What the window must do when translucency is set up (window creation) or
// TranslucentStyle changes.
struct TransparentWindowPlan {
    // Focus frames cannot be erased on a see-through face. Never turned
    // back on when translucency goes.
    bool turn_focus_border_off = false;
    bool transparent_style = false;  // the transparent extended window style
    bool release_capture = true;     // the next draw request captures afresh
};

TransparentWindowPlan SetTransparentWindow(std::int16_t translucent_style, bool user_mode);

}  // namespace brixel
