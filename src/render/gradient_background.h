// Which gradient, if any, fills the button face in the current state, and
// the filling itself (the background step of the painting pipeline).
#pragma once

#include "render/gradient.h"

#include <functional>
#include <optional>

namespace brixel {

// One state variant's gradient properties (Gradient, GradientStyle,
// GradientStyleVariant, GradientColor1, GradientColor2 and their MouseIn,
// Down and Disabled counterparts), colours already resolved to RGB.
struct StateGradient {
    bool on = false;
    std::int16_t style = kvnGradientStyleHorizontal;
    std::int16_t variant = kvnGradientStyleVariant1;
    Rgb colour1{};
    Rgb colour2{};
};

// Everything the choice of gradient reads, as plain values.
struct GradientBackgroundInput {
    StateGradient normal, mouse_in, down, disabled;
    bool enable_mouse_in_properties = false;
    bool enable_down_properties = false;
    bool enable_disabled_properties = false;

    bool enabled = true;
    bool user_mode = true;
    std::int16_t appearance = kvnFlat;  // the Appearance property
    bool xp_face = false;               // the effective face is the XP face

    bool mouse_inside = false;
    bool pressed = false;
    bool toggled = false;        // a toggle button latched down
    bool toggle_button = false;  // the ToggleButton property
    bool menu_dropped = false;
    bool split_button = false;    // Menu with a separate drop-down part
    bool drop_down_only = false;  // Menu where the whole button drops it

    // The split of the face (only read on a split button).
    Rect main_part, menu_part;
};

// The normal, mouse-in and down rules: the gradient to fill with, or none
// (the face then shows its solid back colour).
std::optional<GradientParams> NormalGradientRule(const GradientBackgroundInput& in);
std::optional<GradientParams> MouseInGradientRule(const GradientBackgroundInput& in);
std::optional<GradientParams> DownGradientRule(const GradientBackgroundInput& in);

// The decision of GradientBackground: the whole face, or, on a split button
// with its menu dropped, the main and menu parts separately. `main_part` is
// then already widened toward the menu part (see GradientBackground).
struct GradientPlan {
    bool split = false;
    std::optional<GradientParams> whole;
    Rect main_part, menu_part;
    std::optional<GradientParams> main, menu;

    bool Fills() const { return split ? (main || menu) : whole.has_value(); }
};

GradientPlan PlanGradientBackground(const Rect& face, const GradientBackgroundInput& in);
// The XP gradient styles on the XP face.
GradientPlan PlanXPStyleGradient(const Rect& face, const GradientBackgroundInput& in);

// Paints a part of a split face that no gradient covers: the XP face's
// default look, or the plain back colour of that part.
using PlainPartPainter = std::function<void(Canvas&, const Rect& part, bool is_menu_part)>;

// Fills the face with the gradient of the current state; false when no
// gradient applies and nothing was drawn.
bool GradientBackground(Canvas& canvas, const Rect& face, const GradientBackgroundInput& in, FastPrimitives fast,
                        const PlainPartPainter& plain);
// The same for the XP gradient styles on the XP face (always fills).
void DrawGradientXPStylesOnXPAppearance(Canvas& canvas, const Rect& face, const GradientBackgroundInput& in,
                                        FastPrimitives fast, const PlainPartPainter& plain);

// How far the main part of a split face reaches under the menu part, so
// that the main part's own edge (the XP looks round and shade it) is covered
// by the menu part drawn after it.
inline constexpr int kSplitOverlap = 3;

}  // namespace brixel
