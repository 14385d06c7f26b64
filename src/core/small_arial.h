// Small Arial draws a leading "W" against the edge it starts from; the
// button's caption and the menu's rows move such text in. "Small" names
// the 96 dpi heights of 8 to 8.5 points (11 pixels) and of 9 points bold
// (12 pixels); on a denser screen the same point sizes qualify.
#pragma once

#include "core/ascii.h"
#include "core/dpi_scale.h"

#include <string_view>

namespace brixel {

// Whether a font `height` pixels high at `dpi` could be one that is
// `design` pixels high at 96 dpi: some size rounds to both. Rounding back
// would lose sizes (8 points is 11 pixels at 96 dpi and 13 at 120, which
// is 10 at 96). Heights may be given negative, as the platform's are.
constexpr bool ShowsDesignHeight(int height, int design, int dpi) {
    if (dpi <= 0) dpi = kDesignDpi;
    const long long h = height < 0 ? -static_cast<long long>(height) : height;
    const long long t = design < 0 ? -static_cast<long long>(design) : design;
    // [h - 1/2, h + 1/2) at dpi meets [t - 1/2, t + 1/2) at 96, in half pixels.
    return (2 * h - 1) * kDesignDpi < (2 * t + 1) * dpi && (2 * h + 1) * kDesignDpi > (2 * t - 1) * dpi;
}

// The face is compared without regard to case; italic Arial is exempt.
constexpr bool IsSmallArial(std::u16string_view face, bool italic, int weight, int height, int dpi) {
    if (!EqualsIgnoringAsciiCase(face, u"Arial") || italic) return false;
    return ShowsDesignHeight(height, 11, dpi) || (ShowsDesignHeight(height, 12, dpi) && weight == 700);
}

}  // namespace brixel
