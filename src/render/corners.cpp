#include "render/corners.h"

#include "core/text_fields.h"
#include "core/dpi_scale.h"

namespace brixel {
namespace {

// Top-left orientation: dx to the right, dy downward from the corner pixel.
constexpr CornerOffset kDefaultSmaller[] = {{1, 1}};
constexpr CornerOffset kDefaultLarger[] = {{2, 1}, {3, 1}, {1, 2}, {1, 3}};
constexpr CornerOffset kInnerSmaller[] = {{1, 1}};
constexpr CornerOffset kInnerLarger[] = {{1, 1}, {2, 1}, {1, 2}};

// The double line's inner outline stops five pixels short of each outer
// corner and lies two pixels in, leaving a three-pixel gap on each side.
// A square corner fills both gaps up to the inner corner; a rounded one
// cuts across them: the smaller radius through the pixel three in on both
// axes, the larger one a pixel further from the corner.
constexpr CornerOffset kDoubleSquare[] = {{2, 2}, {3, 2}, {4, 2}, {2, 3}, {2, 4}};
constexpr CornerOffset kDoubleSmaller[] = {{4, 2}, {3, 3}, {2, 4}};
constexpr CornerOffset kDoubleLarger[] = {{4, 3}, {3, 4}};

bool IsRightCorner(Corner c) { return c == Corner::TopRight || c == Corner::BottomRight; }
bool IsBottomCorner(Corner c) { return c == Corner::BottomLeft || c == Corner::BottomRight; }

}  // namespace

CornerShapes ReadCornerShapes(const ButtonProperties& p) {
    CornerShapes shapes;
    for (Corner c : kCorners) {
        const int field = static_cast<int>(c);
        shapes[static_cast<std::size_t>(field)] = {ParseIndexData(p.CornerStyle, field) != 0,
                                                   ParseIndexData(p.CornerRoundingLevel, field) != 0};
    }
    return shapes;
}

bool IsRoundedStyleApplied(const ButtonProperties& p) {
    for (const CornerShape& s : ReadCornerShapes(p))
        if (s.rounded) return true;
    return false;
}

Point MirrorIntoCorner(const Rect& r, Corner corner, CornerOffset offset) {
    const int x = IsRightCorner(corner) ? r.right - 1 - offset.dx : r.left + offset.dx;
    const int y = IsBottomCorner(corner) ? r.bottom - 1 - offset.dy : r.top + offset.dy;
    return {x, y};
}

std::vector<Point> CornerPixels(const Rect& r, Corner corner, std::span<const CornerOffset> pattern) {
    std::vector<Point> pixels;
    pixels.reserve(pattern.size());
    for (const CornerOffset& o : pattern) pixels.push_back(MirrorIntoCorner(r, corner, o));
    return pixels;
}

std::vector<Rect> CornerBlocks(const Rect& r, Corner corner, std::span<const CornerOffset> pattern, int dpi) {
    std::vector<Rect> blocks;
    blocks.reserve(pattern.size());
    for (const CornerOffset& o : pattern) {
        const PixelSpan x = ScaledSpan(o.dx, dpi);
        const PixelSpan y = ScaledSpan(o.dy, dpi);
        Rect b{r.left + x.from, r.top + y.from, r.left + x.to, r.top + y.to};
        if (IsRightCorner(corner)) b.left = r.right - x.to, b.right = r.right - x.from;
        if (IsBottomCorner(corner)) b.top = r.bottom - y.to, b.bottom = r.bottom - y.from;
        blocks.push_back(b);
    }
    return blocks;
}

std::span<const CornerOffset> DefaultCornerPattern(bool larger) {
    if (larger) return kDefaultLarger;
    return kDefaultSmaller;
}

std::span<const CornerOffset> InnerCornerPattern(bool larger) {
    if (larger) return kInnerLarger;
    return kInnerSmaller;
}

std::span<const CornerOffset> DoubleLineCornerPattern(CornerShape shape) {
    if (!shape.rounded) return kDoubleSquare;
    if (shape.larger) return kDoubleLarger;
    return kDoubleSmaller;
}

}  // namespace brixel
