#include "render/gradient_background.h"

#include <algorithm>

namespace brixel {
namespace {

GradientParams FromState(const StateGradient& g, int xp_state, const GradientBackgroundInput& in) {
    return GradientParams{g.style, g.variant, g.colour1, g.colour2, xp_state, in.appearance, false};
}

bool IsXPGradientStyle(std::int16_t style) {
    return style == kvnGradientStyleXPStyle1 || style == kvnGradientStyleXPStyle2;
}

bool ToggledDown(const GradientBackgroundInput& in) { return in.toggled && in.toggle_button; }

// The main part reaches kSplitOverlap pixels under the menu part, never
// beyond the face.
Rect WidenedMainPart(const Rect& face, const GradientBackgroundInput& in) {
    Rect main = in.main_part;
    if (in.menu_part.left >= in.main_part.right) {
        main.right = std::min(face.right, main.right + kSplitOverlap);
    } else {
        main.left = std::max(face.left, main.left - kSplitOverlap);
    }
    return main;
}

GradientPlan SplitPlan(const Rect& face, const GradientBackgroundInput& in, std::optional<GradientParams> main,
                       std::optional<GradientParams> menu) {
    GradientPlan plan;
    plan.split = true;
    plan.main_part = WidenedMainPart(face, in);
    plan.menu_part = in.menu_part;
    plan.main = main;
    plan.menu = menu;
    return plan;
}

GradientPlan WholePlan(std::optional<GradientParams> whole) {
    GradientPlan plan;
    plan.whole = whole;
    return plan;
}

bool ExecutePlan(Canvas& canvas, const Rect& face, const GradientPlan& plan, FastPrimitives fast,
                 const PlainPartPainter& plain) {
    if (!plan.Fills()) return false;
    if (!plan.split) {
        FillGradient(canvas, face, *plan.whole, fast);
        return true;
    }
    const auto part = [&](const Rect& r, const std::optional<GradientParams>& p, bool is_menu) {
        if (p) {
            FillGradient(canvas, r, *p, fast);
        } else if (plain) {
            plain(canvas, r, is_menu);
        }
    };
    part(plan.main_part, plan.main, false);
    part(plan.menu_part, plan.menu, true);
    return true;
}

}  // namespace

std::optional<GradientParams> NormalGradientRule(const GradientBackgroundInput& in) {
    if (!in.normal.on) return std::nullopt;
    return FromState(in.normal, kXPStateNormal, in);
}

std::optional<GradientParams> MouseInGradientRule(const GradientBackgroundInput& in) {
    if (in.enable_mouse_in_properties) {
        if (!in.mouse_in.on) return std::nullopt;
        return FromState(in.mouse_in, kXPStateMouseInside, in);
    }
    if (in.appearance == kvnXPStyleAPB) return std::nullopt;
    return NormalGradientRule(in);
}

std::optional<GradientParams> DownGradientRule(const GradientBackgroundInput& in) {
    if (in.enable_down_properties) {
        if (!in.down.on) return std::nullopt;
        return FromState(in.down, kXPStatePressed, in);
    }
    if (in.appearance == kvnXPStyleAPB) return std::nullopt;
    return MouseInGradientRule(in);
}

GradientPlan PlanXPStyleGradient(const Rect& face, const GradientBackgroundInput& in) {
    const bool down_on = in.down.on && in.enable_down_properties;
    if (in.split_button && in.menu_dropped) {
        const StateGradient& menu = down_on ? in.down : in.normal;
        return SplitPlan(face, in, FromState(in.normal, kXPStateNormal, in), FromState(menu, kXPStatePressed, in));
    }
    const bool held = in.pressed || ToggledDown(in);
    if (in.user_mode && down_on && held) return WholePlan(FromState(in.down, kXPStatePressed, in));
    if (held || (in.menu_dropped && in.drop_down_only)) return WholePlan(FromState(in.normal, kXPStatePressed, in));
    if (in.user_mode && in.mouse_in.on && in.enable_mouse_in_properties && in.mouse_inside) {
        return WholePlan(FromState(in.mouse_in, kXPStateMouseInside, in));
    }
    return WholePlan(FromState(in.normal, in.mouse_inside ? kXPStateMouseInside : kXPStateNormal, in));
}

GradientPlan PlanGradientBackground(const Rect& face, const GradientBackgroundInput& in) {
    if (!in.enabled && in.enable_disabled_properties) {
        if (!in.disabled.on) return {};
        return WholePlan(FromState(in.disabled, kXPStateNormal, in));
    }
    if (in.xp_face && in.normal.on && IsXPGradientStyle(in.normal.style)) return PlanXPStyleGradient(face, in);
    if (in.split_button && in.menu_dropped) {
        return SplitPlan(face, in, NormalGradientRule(in), DownGradientRule(in));
    }
    if (in.pressed || in.toggled || in.menu_dropped) return WholePlan(DownGradientRule(in));
    if (in.mouse_inside) return WholePlan(MouseInGradientRule(in));
    return WholePlan(NormalGradientRule(in));
}

bool GradientBackground(Canvas& canvas, const Rect& face, const GradientBackgroundInput& in, FastPrimitives fast,
                        const PlainPartPainter& plain) {
    return ExecutePlan(canvas, face, PlanGradientBackground(face, in), fast, plain);
}

void DrawGradientXPStylesOnXPAppearance(Canvas& canvas, const Rect& face, const GradientBackgroundInput& in,
                                        FastPrimitives fast, const PlainPartPainter& plain) {
    ExecutePlan(canvas, face, PlanXPStyleGradient(face, in), fast, plain);
}

}  // namespace brixel
