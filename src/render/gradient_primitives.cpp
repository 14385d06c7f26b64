#include "render/gradient_primitives.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace brixel {
namespace {

std::uint8_t ClampChannel(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); }

// Channel values kept as real numbers while a fallback walks its steps.
struct RealColour {
    double r, g, b;

    static RealColour From(Rgb c) { return {double(c.r), double(c.g), double(c.b)}; }
    // The colour after `step` of `steps` steps from `start` toward `end`.
    static RealColour Along(Rgb start, Rgb end, int step, int steps) {
        const double f = double(step) / double(steps);
        return {start.r + (end.r - start.r) * f, start.g + (end.g - start.g) * f, start.b + (end.b - start.b) * f};
    }
    // Truncated toward zero and kept within a channel's range, so that
    // rounding noise at either end never wraps around.
    Rgb Truncated() const {
        return {ClampChannel(static_cast<int>(std::trunc(r))), ClampChannel(static_cast<int>(std::trunc(g))),
                ClampChannel(static_cast<int>(std::trunc(b)))};
    }
};

enum Corner : std::uint8_t { TopLeft, TopRight, BottomLeft, BottomRight };

Point CornerOf(const Rect& r, Corner c) {
    switch (c) {
        case TopLeft: return {r.left, r.top};
        case TopRight: return {r.right, r.top};
        case BottomLeft: return {r.left, r.bottom};
        case BottomRight: break;
    }
    return {r.right, r.bottom};
}

// Vertex 1, 2 and 3 of each triangle type. Types 0 to 3 serve the diagonal
// styles, 4 to 11 the corner style (two per corner).
constexpr std::array<std::array<Corner, 3>, kTriangleTypeCount> kTriangleCorners{{
    {TopLeft, BottomLeft, TopRight},       // 0: diagonal down, upper-left half
    {BottomRight, TopRight, BottomLeft},   // 1: diagonal down, lower-right half
    {TopRight, TopLeft, BottomRight},      // 2: diagonal up, upper-right half
    {BottomLeft, TopLeft, BottomRight},    // 3: diagonal up, lower-left half
    {TopLeft, BottomLeft, BottomRight},    // 4: from top-left, lower half
    {TopLeft, TopRight, BottomRight},      // 5: from top-left, upper half
    {TopRight, TopLeft, BottomLeft},       // 6: from top-right, upper half
    {TopRight, BottomRight, BottomLeft},   // 7: from top-right, lower half
    {BottomLeft, TopLeft, TopRight},       // 8: from bottom-left, upper half
    {BottomLeft, TopRight, BottomRight},   // 9: from bottom-left, lower half
    {BottomRight, BottomLeft, TopLeft},    // 10: from bottom-right, lower half
    {BottomRight, TopLeft, TopRight},      // 11: from bottom-right, upper half
}};

Point Toward(Point from, Point to, int step, int steps) {
    const double f = double(step) / double(steps);
    // Rounded half up in absolute coordinates, so that bands walking left or
    // up round the same way as bands walking right or down.
    return {static_cast<int>(std::floor(from.x + (to.x - from.x) * f + 0.5)),
            static_cast<int>(std::floor(from.y + (to.y - from.y) * f + 0.5))};
}

// Polygons own the pixels on their left and top edges, not those on their
// right and bottom edges. When the bands run leftward (or, with horizontal
// bands, upward) each band therefore owns the pixels on its far edge rather
// than its near one, and its colour is taken there: one step further.
// GradientFill colours every pixel by its own position, so this keeps the
// two paths agreeing at vertex 1 and along the opposite side.
bool BandsOwnTheirFarEdge(Point v1, Point v2, Point v3) {
    const long long area =
        static_cast<long long>(v2.x - v1.x) * (v3.y - v1.y) - static_cast<long long>(v3.x - v1.x) * (v2.y - v1.y);
    if (area == 0) return false;
    // How the share of the way toward the opposite side changes along x and y.
    const long long along_x = (v3.y - v2.y) * (area > 0 ? 1 : -1);
    const long long along_y = (v2.x - v3.x) * (area > 0 ? 1 : -1);
    return along_x != 0 ? along_x < 0 : along_y < 0;
}

}  // namespace

Rgb DarkenBy(Rgb c, int k) { return {ClampChannel(c.r - k), ClampChannel(c.g - k), ClampChannel(c.b - k)}; }

Rgb LightenBy(Rgb c, int k) { return {ClampChannel(c.r + k), ClampChannel(c.g + k), ClampChannel(c.b + k)}; }

void PaintRect(Canvas& canvas, int x, int y, int width, int height, Rgb colour) {
    if (width <= 0 || height <= 0) return;
    canvas.FillRect({x, y, x + width, y + height}, Brush::Solid(colour));
}

// An empty rectangle draws nothing; the steps divide by its extent, so it
// must never reach them.
void VerticalGradient(Canvas& canvas, const Rect& r, Rgb start, Rgb end) {
    if (r.IsEmpty()) return;
    const int rows = r.Height();
    for (int i = 0; i < rows; ++i) {
        PaintRect(canvas, r.left, r.top + i, r.Width(), 1, RealColour::Along(start, end, i, rows).Truncated());
    }
}

void HorizontalGradient(Canvas& canvas, const Rect& r, Rgb start, Rgb end) {
    if (r.IsEmpty()) return;
    const int columns = r.Width();
    for (int i = 0; i < columns; ++i) {
        PaintRect(canvas, r.left + i, r.top, 1, r.Height(), RealColour::Along(start, end, i, columns).Truncated());
    }
}

void DrawRectangularGradient(Canvas& canvas, const Rect& r, Rgb start, Rgb end, GradientDirection direction,
                             FastPrimitives fast) {
    if (r.IsEmpty()) return;
    const bool vertical = direction == GradientDirection::TopToBottom;
    if (fast == FastPrimitives::Allowed && canvas.HasGradientFill()) {
        canvas.GradientFillRect(r, start, end, vertical);
    } else if (vertical) {
        VerticalGradient(canvas, r, start, end);
    } else {
        HorizontalGradient(canvas, r, start, end);
    }
}

bool TriangleVertices(const Rect& bounds, int type, Triangle& out) {
    if (type < 0 || type >= kTriangleTypeCount) return false;
    const auto& corners = kTriangleCorners[static_cast<std::size_t>(type)];
    for (int i = 0; i < 3; ++i) out.vertices[i] = CornerOf(bounds, corners[static_cast<std::size_t>(i)]);
    return true;
}

// Band i lies between the lines through the points i/n and (i + 1)/n of the
// way from vertex 1 to vertices 2 and 3: parallel to the opposite side, one
// pixel apart along the longer extent and by the ratio along the other.
void DrawAppropriateTriangularGradient(Canvas& canvas, const Rect& bounds, int type, Rgb first, Rgb rest) {
    Triangle t;
    if (bounds.IsEmpty() || !TriangleVertices(bounds, type, t)) return;
    const Point v1 = t.vertices[0], v2 = t.vertices[1], v3 = t.vertices[2];
    const int steps = std::max(bounds.Width(), bounds.Height());
    const int colour_offset = BandsOwnTheirFarEdge(v1, v2, v3) ? 1 : 0;
    for (int i = 0; i < steps; ++i) {
        const Point band[4] = {Toward(v1, v2, i, steps), Toward(v1, v3, i, steps), Toward(v1, v3, i + 1, steps),
                               Toward(v1, v2, i + 1, steps)};
        canvas.FillPolygon(band, RealColour::Along(first, rest, i + colour_offset, steps).Truncated());
    }
}

void DrawTriangularGradient(Canvas& canvas, const Triangle& triangle, Rgb first, Rgb rest, FastPrimitives fast,
                            const Rect& bounds, int type) {
    if (bounds.IsEmpty()) return;
    if (fast == FastPrimitives::Allowed && canvas.HasGradientFill()) {
        canvas.GradientFillTriangle(triangle.vertices, first, rest);
    } else {
        DrawAppropriateTriangularGradient(canvas, bounds, type, first, rest);
    }
}

void DrawTriangleOfType(Canvas& canvas, const Rect& bounds, int type, Rgb first, Rgb rest, FastPrimitives fast) {
    Triangle t;
    if (!TriangleVertices(bounds, type, t)) return;
    DrawTriangularGradient(canvas, t, first, rest, fast, bounds, type);
}

}  // namespace brixel
