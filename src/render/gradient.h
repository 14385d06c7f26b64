// The seven gradient geometries of the button face and their dispatcher.
// Each routine fills the rectangle with a two-colour gradient through the
// primitives of gradient_primitives.h.
#pragma once

#include "core/enums.h"
#include "render/canvas.h"
#include "render/gradient_primitives.h"

#include <cstdint>

namespace brixel {

// The XP state the XP gradient styles draw.
inline constexpr int kXPStateNormal = 0;
inline constexpr int kXPStatePressed = 1;
inline constexpr int kXPStateMouseInside = 2;

// Everything one gradient fill reads besides the canvas and the rectangle.
struct GradientParams {
    std::int16_t style = kvnGradientStyleHorizontal;    // ENUM_GRADIENT_FILL_STYLE
    std::int16_t variant = kvnGradientStyleVariant1;    // ENUM_GRADIENT_FILL_STYLE_VARIANT
    Rgb colour1{};
    Rgb colour2{};
    int xp_state = kXPStateNormal;
    std::int16_t appearance = kvnFlat;  // the Appearance property, ENUM_APPEARANCE
    // Suppresses the rounded inner frame of XP Style 2 when pressed (the
    // button never sets it; other callers draw their own frame).
    bool suppress_frame = false;
    friend bool operator==(const GradientParams&, const GradientParams&) = default;
};

// Dispatches on the style; any other style draws nothing.
void FillGradient(Canvas& canvas, const Rect& r, const GradientParams& p, FastPrimitives fast);

void DrawHorizontalGradient(Canvas& canvas, const Rect& r, const GradientParams& p, FastPrimitives fast);
void DrawVerticalGradient(Canvas& canvas, const Rect& r, const GradientParams& p, FastPrimitives fast);
void DrawDiagonalDownGradient(Canvas& canvas, const Rect& r, const GradientParams& p, FastPrimitives fast);
void DrawDiagonalUpGradient(Canvas& canvas, const Rect& r, const GradientParams& p, FastPrimitives fast);
void DrawFromCornerGradient(Canvas& canvas, const Rect& r, const GradientParams& p, FastPrimitives fast);
// The variant is ignored by both XP styles.
void DrawXPStyle1Gradient(Canvas& canvas, const Rect& r, const GradientParams& p, FastPrimitives fast);
// Uses colour 1 only.
void DrawXPStyle2Gradient(Canvas& canvas, const Rect& r, const GradientParams& p, FastPrimitives fast);

// The tints XP Style 2 derives from one channel value v.
int XPStyle2Light(int v);    // state 0: v + trunc((255 - v) * 0.625)
int XPStyle2Dark(int v);     // state 1: v - trunc(v / 7)
int XPStyle2Pale(int v);     // state 1: 255 - trunc((255 - v) * 0.35)
int XPStyle2Hot(int v);      // state 2: 255 - trunc((255 - v) * 0.25)

}  // namespace brixel
