// The pixel rules of the platform's drawing calls, as pure functions over
// integer coordinates: which pixels a one-pixel line, a polygon, a rounded
// rectangle or a triangle covers, and what colour a gradient, a blend or a
// ternary raster operation gives. The pixel canvas composes them; keeping
// them free of any surface makes each rule testable on its own.
#pragma once

#include "core/colour.h"
#include "core/geometry.h"
#include "render/canvas.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace brixel::pixel {

// One row of covered pixels: x in [left, right).
struct Span {
    int y = 0, left = 0, right = 0;
    friend bool operator==(const Span&, const Span&) = default;
};

// --- Lines ----------------------------------------------------------------------

// The pixels of a one-pixel line from `from` up to, not including, `to`, in
// drawing order. Diagonal lines step like the platform's Bresenham: the
// minor axis moves when the error term plus a bias exceeds zero, the bias
// set for the octants that run toward negative y or negative x on the major
// axis, so a line and its reverse may differ by a pixel as they do there.
std::vector<Point> LinePixels(Point from, Point to);

// Cosmetic pen patterns: runs of drawn and skipped pixels, starting drawn,
// restarting at every line.
std::span<const int> DashPattern(PenStyle style);

// Whether the i-th pixel of a line (counted from its start) is drawn.
bool DashDrawn(std::span<const int> pattern, std::size_t index);

// --- Filled shapes --------------------------------------------------------------

// Alternate (even-odd) fill: pixel (x, y) is inside when the point (x, y)
// is, with left edges included and right edges excluded, top rows included
// and bottom rows excluded.
std::vector<Span> PolygonSpans(std::span<const Point> points);

// The region of a rectangle with elliptic corners, as the platform's
// rounded-rectangle region builds it from (left, top, right, bottom) with
// its right and bottom one pixel in.
std::vector<Span> RoundRectRegion(const Rect& r, Size ellipse);

// The closed outline a one-pixel pen traces for a rounded rectangle over
// `r` (right and bottom exclusive): the corner arcs' points in drawing
// order, to be joined by lines. Empty when the ellipse is too small, which
// leaves a plain rectangle to the caller.
std::vector<Point> RoundRectOutline(const Rect& r, Size ellipse);

// --- Colour arithmetic ----------------------------------------------------------

// A 32-bit pixel: 0x00RRGGBB.
using Pixel = std::uint32_t;

constexpr Pixel ToPixel(Rgb c) { return (Pixel{c.r} << 16) | (Pixel{c.g} << 8) | Pixel{c.b}; }
constexpr Rgb ToRgb(Pixel p) {
    return {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)};
}

// The colour at `pos` of `len` along a two-colour gradient, computed from
// 16-bit channels and truncated as the platform's gradient fill does.
Rgb GradientAt(Rgb start, Rgb end, long long pos, long long len);

// The colour of (x, y) inside a triangle with one colour at `v[0]` and
// another at `v[1]` and `v[2]`, from barycentric weights.
Rgb TriangleColourAt(const Point (&v)[3], const Rgb (&c)[3], int x, int y);

// The rows a gradient triangle covers: its vertices sorted by y, each row
// from the left edge up to, not including, the right edge.
std::vector<Span> TriangleSpans(const Point (&v)[3]);

// Constant-alpha blending of one channel: (s * a + d * (255 - a) + 127) / 255.
constexpr std::uint8_t BlendChannel(std::uint8_t d, std::uint8_t s, std::uint8_t a) {
    return static_cast<std::uint8_t>((s * a + d * (255 - a) + 127) / 255);
}
Rgb Blend(Rgb d, Rgb s, std::uint8_t alpha);

// Any ternary raster operation, bit by bit: `code` is the operation's
// index byte (bit p*4 + s*2 + d of it gives the result for those inputs).
constexpr Pixel Rop3(std::uint8_t code, Pixel pattern, Pixel source, Pixel dest) {
    Pixel out = 0;
    for (int i = 0; i < 8; ++i) {
        if (!(code & (1u << i))) continue;
        const Pixel p = (i & 4) ? pattern : ~pattern;
        const Pixel s = (i & 2) ? source : ~source;
        const Pixel d = (i & 1) ? dest : ~dest;
        out |= p & s & d;
    }
    return out & 0x00FFFFFFu;
}

// The index byte of each raster operation the canvas offers.
std::uint8_t RopCode(RasterOp op);

}  // namespace brixel::pixel
