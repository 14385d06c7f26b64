// The one routine that paints the button face. It composes the face off
// screen, layer by layer, and reaches the target in one copy (or one blend
// with the container's pixels), so the overlapping layers never flicker;
// only the focus frame is drawn on the target afterwards.
#pragma once

#include "render/canvas.h"
#include "render/caption.h"
#include "render/focus.h"
#include "render/gradient_background.h"
#include "render/menu_part.h"
#include "render/paint_model.h"

namespace brixel {

struct PaintResult {
    // False when nothing reached the target: a translucent button still
    // waiting for the container's pixels, an empty rectangle, or no memory
    // image to be had.
    bool painted = false;
    // The caller's part of the focus frame (see FocusOutcome).
    FocusOutcome focus = FocusOutcome::Nothing;
};

// `rect` is where the face goes on `target` (the client rectangle, origin
// 0,0, for the control's own window). `after_click` is set for the repaint
// right after a mouse-up, a toggle change or a click from code.
PaintResult DrawTheButton(Canvas& target, const Rect& rect, bool after_click, const PaintModel& m);

// The caption DrawTheButton draws into `rect`, or leaves to the host when
// the model says so; its box is in the target's coordinates.
CaptionPlan PlanFaceCaption(const Canvas& canvas, const Rect& rect, const PaintModel& m);

// DrawTheButton in two halves, for a caller that keeps the memory image
// between paints. ComposeFinishedFace lays every layer into `memory` (at
// least rect-sized, the face at its origin), and over a wholly translucent
// face the container's pixels, so the image is what reaches the target;
// `target` is only read by the blend of a translucent background.
// PresentFinishedFace copies it to `target` at `rect` and draws the focus
// frame there.
void ComposeFace(Canvas& target, Canvas& memory, const Rect& rect, bool after_click, const PaintModel& m);
void ComposeFinishedFace(Canvas& target, Canvas& memory, const Rect& rect, bool after_click, const PaintModel& m);
PaintResult PresentFinishedFace(Canvas& target, const Canvas& memory, const Rect& rect, const PaintModel& m);

// The gradient choice's inputs, read from the model with colours resolved.
GradientBackgroundInput GradientInputFor(const PaintModel& m, const MenuSplit& split);

// A part of an open split face that no gradient covers.
void PaintPlainSplitPart(Canvas& canvas, const Rect& part, bool is_menu_part, const PaintModel& m);

}  // namespace brixel
