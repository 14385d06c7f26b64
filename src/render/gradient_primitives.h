// The two gradient primitives every gradient of the button and its XP faces
// rests on, a rectangle and a triangle, each drawn by the platform's fast
// gradient fill when it may be used and by our own bands otherwise; plus the
// colour arithmetic the gradient styles share.
#pragma once

#include "render/canvas.h"

#include <cstdint>

namespace brixel {

// Whether this platform may use the fast primitives at all (decided once per
// control from the system version). A primitive takes the fast path only when
// this allows it and the canvas offers the primitive too.
enum class FastPrimitives : bool { Avoid = false, Allowed = true };

enum class GradientDirection : std::uint8_t {
    LeftToRight = 0,  // the colour changes from the left edge to the right edge
    TopToBottom = 1,  // the colour changes from the top edge to the bottom edge
};

// Per channel (a + b) >> 1.
constexpr Rgb MidpointColour(Rgb a, Rgb b) {
    return {static_cast<std::uint8_t>((a.r + b.r) >> 1), static_cast<std::uint8_t>((a.g + b.g) >> 1),
            static_cast<std::uint8_t>((a.b + b.b) >> 1)};
}

// Per channel max(0, channel - k).
Rgb DarkenBy(Rgb c, int k);
// Per channel min(255, channel + k).
Rgb LightenBy(Rgb c, int k);

// Fills (x, y, width, height) with a solid colour; nothing when either
// extent is zero or negative.
void PaintRect(Canvas& canvas, int x, int y, int width, int height, Rgb colour);

// Rectangle fallbacks: one row (VerticalGradient) or one column
// (HorizontalGradient) per step, channels kept as real numbers and truncated.
void VerticalGradient(Canvas& canvas, const Rect& r, Rgb start, Rgb end);
void HorizontalGradient(Canvas& canvas, const Rect& r, Rgb start, Rgb end);

void DrawRectangularGradient(Canvas& canvas, const Rect& r, Rgb start, Rgb end, GradientDirection direction,
                             FastPrimitives fast);

// The twelve triangles the diagonal and corner styles cut a rectangle into.
// Each is named by its type: vertex 1 and vertices 2 and 3 are corners of the
// bounding rectangle (see TriangleVertices).
inline constexpr int kTriangleTypeCount = 12;

struct Triangle {
    Point vertices[3];
};

// The vertices of triangle `type` (0 to 11) over `bounds`; false for any
// other type.
bool TriangleVertices(const Rect& bounds, int type, Triangle& out);

// Fallback: bands parallel to the side opposite vertex 1, from vertex 1
// toward that side, one per pixel along the longer extent of `bounds`.
// Unknown types and empty bounds draw nothing.
void DrawAppropriateTriangularGradient(Canvas& canvas, const Rect& bounds, int type, Rgb first, Rgb rest);

// Vertex 1 in `first`, vertices 2 and 3 in `rest`.
void DrawTriangularGradient(Canvas& canvas, const Triangle& triangle, Rgb first, Rgb rest, FastPrimitives fast,
                            const Rect& bounds, int type);

// Draws triangle `type` over `bounds` by whichever path applies.
void DrawTriangleOfType(Canvas& canvas, const Rect& bounds, int type, Rgb first, Rgb rest, FastPrimitives fast);

}  // namespace brixel
