// Shapes the control window: the region the properties describe, built from
// its pieces and handed to the window so the container shows through the
// cut-away corners.
#pragma once

#include "gdi/raii.h"
#include "render/region_shape.h"

namespace brixel::win {

// The union of the shape's pieces in window coordinates; null when the
// system cannot make a region (the window then simply stays rectangular).
UniqueRegion CreateRegionFromShape(const RegionShape& shape);

// Rebuilds the region for the current properties and client size and sets
// it with redraw. Call it when the window is created, after every resize,
// and when Appearance, CornerStyle or CornerRoundingLevel change. `win9x`
// is the 9x flag decided at window creation; `dpi` that of the window's
// screen. False when nothing was set.
bool ApplyWindowRegion(HWND window, const ButtonProperties& p, const InteractionState& s, bool user_mode,
                       bool win9x, int dpi);

}  // namespace brixel::win
