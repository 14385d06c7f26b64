#include "render/region_shape.h"

#include "render/corners.h"
#include "core/dpi_scale.h"

#include <algorithm>
#include <array>

namespace brixel {
namespace {

// Each flat piece leaves four pixels free on the two sides away from its
// corner, so the other pieces cover those and only its own corner is shaped.
// A rounded piece reaches one pixel further out, where its corner lies,
// because rounded regions stop a pixel short of their right and bottom.
struct FlatPieceRule {
    Corner corner;
    int left, top, right, bottom;  // added to the client's edges
};

constexpr std::array<FlatPieceRule, 4> kFlatPieces{{
    {Corner::TopLeft, 0, 0, -4, -4},
    {Corner::BottomLeft, 0, 4, -4, 0},
    {Corner::TopRight, 4, 0, 0, -4},
    {Corner::BottomRight, 4, 4, 0, 0},
}};

bool ReachesRight(Corner c) { return c == Corner::TopRight || c == Corner::BottomRight; }
bool ReachesBottom(Corner c) { return c == Corner::BottomLeft || c == Corner::BottomRight; }

// Level 2 on the NT line narrows the ellipse a little on wider buttons.
constexpr int kWideButton = 75;

RegionPiece FlatPiece(const FlatPieceRule& rule, const Rect& c, CornerShape shape, bool win9x, int dpi) {
    const auto px = [dpi](int v) { return ScaleForDpi(v, dpi); };
    Rect r{c.left + px(rule.left), c.top + px(rule.top), c.right + px(rule.right), c.bottom + px(rule.bottom)};
    if (!shape.rounded) return {r, {}};
    // The system's convention, not a design size: one pixel at any dpi.
    if (ReachesRight(rule.corner)) ++r.right;
    if (ReachesBottom(rule.corner)) ++r.bottom;
    return {r, CornerEllipse(shape.larger, ReachesBottom(rule.corner), win9x, c.Width(), dpi)};
}

// The pieces overlap only when each side is at least twice the four-pixel
// inset; on a smaller control their union would cut the middle rows or
// columns out of the window.
constexpr int kSmallestShapedSide = 8;

RegionShape FlatRegion(const ButtonProperties& p, const Rect& client, bool win9x, int dpi) {
    const int smallest = ScaleForDpi(kSmallestShapedSide, dpi);
    if (client.Width() < smallest || client.Height() < smallest) return {{{client, {}}}};
    const CornerShapes shapes = ReadCornerShapes(p);
    RegionShape shape;
    for (const FlatPieceRule& rule : kFlatPieces)
        shape.pieces.push_back(FlatPiece(rule, client, ShapeOf(shapes, rule.corner), win9x, dpi));
    return shape;
}

Size ScaledSize(Size s, int dpi) { return {ScaleForDpi(s.width, dpi), ScaleForDpi(s.height, dpi)}; }

}  // namespace

Size CornerEllipse(bool larger, bool bottom, bool win9x, int client_width, int dpi) {
    Size ellipse;
    if (!larger) {
        ellipse = !win9x ? Size{4, 4} : bottom ? Size{8, 8} : Size{6, 6};
    } else if (win9x) {
        ellipse = bottom ? Size{14, 15} : Size{11, 12};
    } else {
        ellipse = {client_width > ScaleForDpi(kWideButton, dpi) ? 9 : 10, 9};
    }
    return ScaledSize(ellipse, dpi);
}

RegionShape ControlRegionShape(const ButtonProperties& p, const InteractionState& s, bool user_mode,
                               const Rect& client, bool win9x, int dpi) {
    if (p.Appearance == kvnFlat) return FlatRegion(p, client, win9x, dpi);
    if (p.Appearance == kvnXPStyleAPB || IsXPPopupApplicable(p, s, user_mode)) {
        return {{{{client.left, client.top, client.right + 1, client.bottom + 1}, ScaledSize({2, 2}, dpi)}}};
    }
    return {{{client, {}}}};
}

Size RoundedMinimumSize(int dpi) { return ScaledSize(kRoundedMinimumSize, dpi); }

std::optional<Size> MinimumControlSize(const ButtonProperties& p, int dpi) {
    if (p.Appearance == kvnFlat && IsRoundedStyleApplied(p)) return RoundedMinimumSize(dpi);
    return std::nullopt;
}

Size EnforceMinimumSize(const ButtonProperties& p, Size requested, int dpi) {
    const std::optional<Size> minimum = MinimumControlSize(p, dpi);
    if (!minimum) return requested;
    return {std::max(requested.width, minimum->width), std::max(requested.height, minimum->height)};
}

}  // namespace brixel
