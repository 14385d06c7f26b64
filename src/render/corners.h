// The four corners of the flat face: how CornerStyle and CornerRoundingLevel
// shape each one, and the pixel patterns that draw a rounded corner. The
// patterns are written for the top-left corner and mirrored for the others,
// so the four corners can never drift apart.
#pragma once

#include "core/property_record.h"
#include "render/canvas.h"

#include <array>
#include <cstddef>
#include <span>
#include <vector>

namespace brixel {

// In the order of the fields of the four-field texts.
enum class Corner : std::uint8_t { TopLeft = 0, BottomLeft = 1, TopRight = 2, BottomRight = 3 };
inline constexpr std::array<Corner, 4> kCorners{Corner::TopLeft, Corner::BottomLeft, Corner::TopRight,
                                                Corner::BottomRight};

struct CornerShape {
    bool rounded = false;  // CornerStyle field not 0 (a missing field rounds)
    bool larger = false;   // CornerRoundingLevel field not 0: the larger radius
    friend bool operator==(const CornerShape&, const CornerShape&) = default;
};

using CornerShapes = std::array<CornerShape, 4>;

CornerShapes ReadCornerShapes(const ButtonProperties& p);
inline CornerShape ShapeOf(const CornerShapes& shapes, Corner c) { return shapes[static_cast<std::size_t>(c)]; }

// Any corner rounded.
bool IsRoundedStyleApplied(const ButtonProperties& p);

// An offset from a rectangle's corner pixel, measured inward.
struct CornerOffset {
    int dx = 0, dy = 0;
};

// The pixel `offset` in from `corner` of `r` (the corner pixel itself is
// 0,0: right and bottom are exclusive).
Point MirrorIntoCorner(const Rect& r, Corner corner, CornerOffset offset);

// The pixels one pattern sets at one corner of `r`.
std::vector<Point> CornerPixels(const Rect& r, Corner corner, std::span<const CornerOffset> pattern);

// The same pattern at `dpi`: each design pixel becomes the block it covers
// at that resolution (core/dpi_scale.h), mirrored into the corner.
std::vector<Rect> CornerBlocks(const Rect& r, Corner corner, std::span<const CornerOffset> pattern, int dpi);

// The rounding drawn just inside the outline of the outer rectangle.
std::span<const CornerOffset> DefaultCornerPattern(bool larger);
// The rounding drawn inside a border that sits within the black default frame.
std::span<const CornerOffset> InnerCornerPattern(bool larger);
// What closes the double line's inner outline at a corner: square, or
// bevelled by the corner's radius.
std::span<const CornerOffset> DoubleLineCornerPattern(CornerShape shape);

}  // namespace brixel
