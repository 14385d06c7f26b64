// Gradient parameters written as the tests name them: style, variant and the
// two colours.
#pragma once

#include "render/gradient.h"

#include <cstdint>

namespace brixel::testing {

inline GradientParams GradientOf(std::int16_t style, std::int16_t variant, Rgb c1, Rgb c2) {
    GradientParams p;
    p.style = style;
    p.variant = variant;
    p.colour1 = c1;
    p.colour2 = c2;
    return p;
}

}  // namespace brixel::testing
