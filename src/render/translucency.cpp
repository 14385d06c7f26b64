#include "render/translucency.h"

#include <algorithm>

namespace brixel {
namespace {

bool IsTranslucent(std::int16_t style) { return style == kvnAll || style == kvnBackground; }

// The capture was taken at the control's size; a face of another size only
// shares the common part with it. In the memory image's coordinates.
Rect CoveredPart(const Rect& rect, const Surface& capture) {
    const Size size = capture.size();
    return {0, 0, std::min(rect.Width(), size.width), std::min(rect.Height(), size.height)};
}

}  // namespace

bool WaitsForCapture(const PaintModel& m) {
    return IsTranslucent(m.props.TranslucentStyle) && m.captured_background == nullptr && m.user_mode;
}

void CaptureContainerBackground(const Canvas& container, const Rect& control, std::int16_t translucent_style,
                                std::unique_ptr<Surface>& capture) {
    if (translucent_style == kvnNotTranslucent) {
        capture.reset();
        return;
    }
    if (capture != nullptr || control.IsEmpty()) return;
    std::unique_ptr<Surface> image =
        container.CreateSurface({control.Width(), control.Height()}, SurfaceFormat::Colour);
    if (image == nullptr) return;  // no capture: the next request tries again
    TransferRequest copy;
    copy.dest = {0, 0, control.Width(), control.Height()};
    copy.source = &container;
    copy.source_rect = control;
    copy.op = RasterOp::SourceCopy;
    image->Transfer(copy);
    capture = std::move(image);
}

std::uint8_t CaptureAlpha(std::int16_t translucent_level) {
    return static_cast<std::uint8_t>((255 - translucent_level) & 0xFF);
}

void DrawTransparentButton(Canvas& target, Canvas& memory, const Rect& rect, const PaintModel& m) {
    if (m.captured_background == nullptr) return;
    LayCaptureOver(memory, rect, m);
    if (m.props.TranslucentStyle == kvnBackground) return;
    TransferRequest out;
    out.dest = rect;
    out.source = &memory;
    out.source_rect = {0, 0, rect.Width(), rect.Height()};
    target.Transfer(out);
}

void LayCaptureOver(Canvas& memory, const Rect& rect, const PaintModel& m) {
    if (m.captured_background == nullptr) return;
    const Surface& capture = *m.captured_background;
    const Rect covered = CoveredPart(rect, capture);
    if (!covered.IsEmpty()) {
        if (m.fast_primitives && memory.HasAlphaBlend()) {
            memory.BlendConstant(covered, capture, {0, 0}, CaptureAlpha(m.props.TranslucentLevel));
        } else {
            TransferRequest copy;
            copy.dest = covered;
            copy.source = &capture;
            copy.source_rect = covered;
            memory.Transfer(copy);
        }
    }
}

TransparentWindowPlan SetTransparentWindow(std::int16_t translucent_style, bool user_mode) {
    TransparentWindowPlan plan;
    plan.turn_focus_border_off = IsTranslucent(translucent_style);
    plan.transparent_style = IsTranslucent(translucent_style) && user_mode;
    return plan;
}

}  // namespace brixel
