// The shape of the control window: which rectangles, square or rounded, make
// up its region. Kept as plain geometry so the rules can be checked without a
// window; the Windows layer turns it into a region and sets it.
#pragma once

#include "core/enums.h"
#include "core/property_record.h"
#include "core/state_selection.h"
#include "render/canvas.h"
#include "core/dpi_scale.h"

#include <optional>
#include <vector>

namespace brixel {

// One rectangle of the union; a zero ellipse makes it square. A rounded
// piece follows the system's rounded-region convention: it reaches one pixel
// less to the right and bottom than its rectangle says.
struct RegionPiece {
    Rect rect;
    Size ellipse{};
    friend bool operator==(const RegionPiece&, const RegionPiece&) = default;
};

// The window region is the union of the pieces.
struct RegionShape {
    std::vector<RegionPiece> pieces;
};

// The corner ellipse of a rounded piece: level 1 or 2 (the larger radius),
// top or bottom corner, on the 9x line or not. `client_width` picks the
// level-2 width on the NT line. Every size grows with `dpi`.
Size CornerEllipse(bool larger, bool bottom, bool win9x, int client_width, int dpi = kDesignDpi);

// The region for the face the properties choose. Only the flat appearance
// shapes single corners; the XP face softens all four a little; any other
// face is the plain client rectangle. The insets and ellipses are those of
// a 96 dpi screen, scaled to `dpi`.
RegionShape ControlRegionShape(const ButtonProperties& p, const InteractionState& s, bool user_mode,
                               const Rect& client, bool win9x, int dpi = kDesignDpi);

// A flat button with rounded corners needs room for them (at 96 dpi).
inline constexpr Size kRoundedMinimumSize{16, 17};
// The size a resize must keep to; nothing when the shape sets no minimum.
std::optional<Size> MinimumControlSize(const ButtonProperties& p, int dpi = kDesignDpi);
// kRoundedMinimumSize on a screen of `dpi`.
Size RoundedMinimumSize(int dpi);
Size EnforceMinimumSize(const ButtonProperties& p, Size requested, int dpi = kDesignDpi);

}  // namespace brixel
