#include "pixel/raster.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace brixel::pixel {
namespace {

// Octants numbered clockwise from the positive x axis, as bits 0 to 7.
int OctantBit(int dx, int dy) {
    int octant;
    if (dy > 0) {
        octant = dx > 0 ? (dx > dy ? 1 : 2) : (-dx > dy ? 4 : 3);
    } else {
        octant = dx < 0 ? (-dx > -dy ? 5 : 6) : (dx > -dy ? 8 : 7);
    }
    return 1 << (octant - 1);
}

constexpr int kXMajorOctants = 0x99;
constexpr int kXIncreasingOctants = 0xC3;
constexpr int kYIncreasingOctants = 0x0F;
constexpr int kBiasedOctants = 0xB4;

void StraightLine(Point from, Point to, std::vector<Point>& out) {
    const int sx = to.x > from.x ? 1 : (to.x < from.x ? -1 : 0);
    const int sy = to.y > from.y ? 1 : (to.y < from.y ? -1 : 0);
    for (Point p = from; p != to; p = {p.x + sx, p.y + sy}) out.push_back(p);
}

long long CeilDiv(long long num, long long den) {
    if (den < 0) num = -num, den = -den;
    return num >= 0 ? (num + den - 1) / den : -((-num) / den);
}

// The x of `y` on the edge from (x1, y1) to (x2, y2), always followed from
// its right end so that both edges of a row round the same way.
int EdgeX(int y, Point a, Point b) {
    if (b.x > a.x) return b.x + (y - b.y) * (b.x - a.x) / (b.y - a.y);
    return a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y);
}

// Zingl's ellipse stepper over an ellipse `w` x `h`, shared by the region
// and the outline: each call to Step moves one pixel along the first
// quadrant and says which axes moved.
class EllipseStepper {
public:
    EllipseStepper(int w, int h)
        : asq_(8LL * (w - 1) * (w - 1)), bsq_(8LL * (h - 1) * (h - 1)),
          dx_(4LL * (h - 1) * (h - 1) * (1 - (w - 1))), dy_(4LL * (w - 1) * (w - 1) * (1 + ((h - 1) % 2))),
          err_(dx_ + dy_ + static_cast<long long>(w - 1) * (w - 1) * ((h - 1) % 2)) {}

    struct Moves {
        bool x, y;
    };
    Moves Step() {
        const long long e2 = 2 * err_;
        Moves m{false, false};
        if (e2 >= dx_) {
            m.x = true;
            dx_ += bsq_;
            err_ += dx_;
        }
        if (e2 <= dy_) {
            m.y = true;
            dy_ += asq_;
            err_ += dy_;
        }
        return m;
    }

private:
    long long asq_, bsq_, dx_, dy_, err_;
};

constexpr std::array<int, 2> kDots{3, 3};
constexpr std::array<int, 2> kDashes{18, 6};

}  // namespace

std::vector<Point> LinePixels(Point from, Point to) {
    std::vector<Point> out;
    if (from.x == to.x || from.y == to.y) {
        StraightLine(from, to, out);
        return out;
    }
    const int dx = to.x - from.x, dy = to.y - from.y;
    const int bit = OctantBit(dx, dy);
    const bool x_major = bit & kXMajorOctants;
    const int bias = (bit & kBiasedOctants) ? 1 : 0;
    const int x_inc = (bit & kXIncreasingOctants) ? 1 : -1;
    const int y_inc = (bit & kYIncreasingOctants) ? 1 : -1;
    const int major = x_major ? std::abs(dx) : std::abs(dy);
    const int minor = x_major ? std::abs(dy) : std::abs(dx);
    int err = 2 * minor - major;
    Point p = from;
    for (int i = 0; i < major; ++i) {
        out.push_back(p);
        const bool step_minor = err + bias > 0;
        err += step_minor ? 2 * minor - 2 * major : 2 * minor;
        if (x_major) {
            p.x += x_inc;
            if (step_minor) p.y += y_inc;
        } else {
            p.y += y_inc;
            if (step_minor) p.x += x_inc;
        }
    }
    return out;
}

std::span<const int> DashPattern(PenStyle style) {
    switch (style) {
        case PenStyle::Dotted: return kDots;
        case PenStyle::Dashed: return kDashes;
        case PenStyle::Solid:
        case PenStyle::None: break;
    }
    return {};
}

bool DashDrawn(std::span<const int> pattern, std::size_t index) {
    if (pattern.empty()) return true;
    int total = 0;
    for (int run : pattern) total += run;
    int pos = static_cast<int>(index % static_cast<std::size_t>(total));
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pos < pattern[i]) return i % 2 == 0;
        pos -= pattern[i];
    }
    return false;
}

std::vector<Span> PolygonSpans(std::span<const Point> points) {
    std::vector<Span> spans;
    if (points.size() < 3) return spans;
    const auto [lo, hi] = std::minmax_element(points.begin(), points.end(),
                                              [](const Point& a, const Point& b) { return a.y < b.y; });
    std::vector<long long> xs;
    for (int y = lo->y; y < hi->y; ++y) {
        xs.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Point a = points[i], b = points[(i + 1) % points.size()];
            if (a.y == b.y || y < std::min(a.y, b.y) || y >= std::max(a.y, b.y)) continue;
            xs.push_back(a.x + CeilDiv(static_cast<long long>(y - a.y) * (b.x - a.x), b.y - a.y));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t i = 0; i + 1 < xs.size(); i += 2)
            if (xs[i] < xs[i + 1]) spans.push_back({y, static_cast<int>(xs[i]), static_cast<int>(xs[i + 1])});
    }
    return spans;
}

std::vector<Span> RoundRectRegion(const Rect& rect, Size ellipse) {
    int left = std::min(rect.left, rect.right), right = std::max(rect.left, rect.right) - 1;
    int top = std::min(rect.top, rect.bottom), bottom = std::max(rect.top, rect.bottom) - 1;
    const int w = std::min(right - left, std::abs(ellipse.width));
    const int h = std::min(bottom - top, std::abs(ellipse.height));
    std::vector<Span> rows;
    if (w < 2 || h < 2) {
        for (int y = top; y < bottom; ++y)
            if (left < right) rows.push_back({y, left, right});
        return rows;
    }
    // Row i of the corner band, i in [0, h): its inset from either side.
    std::vector<int> inset(static_cast<std::size_t>(h), 0);
    EllipseStepper stepper(w, h);
    int x = 0, y = h / 2;
    while (x <= w / 2) {
        const auto moved = stepper.Step();
        if (moved.x) ++x;
        if (moved.y && ++y < h) inset[static_cast<std::size_t>(y)] = x;
    }
    for (int i = 0; i < h / 2; ++i) inset[static_cast<std::size_t>(i)] = inset[static_cast<std::size_t>(h - 1 - i)];
    for (int i = 0; i < h / 2; ++i) rows.push_back({top + i, left + inset[i], right - inset[i]});
    // The middle row stretches over the straight part of the sides.
    for (int yy = top + h / 2; yy <= bottom - h + h / 2; ++yy)
        rows.push_back({yy, left + inset[h / 2], right - inset[h / 2]});
    for (int i = h / 2 + 1; i < h; ++i) rows.push_back({bottom - h + i, left + inset[i], right - inset[i]});
    std::erase_if(rows, [](const Span& s) { return s.left >= s.right; });
    return rows;
}

std::vector<Point> RoundRectOutline(const Rect& r, Size ellipse) {
    const int w = std::min(r.Width(), std::abs(ellipse.width));
    const int h = std::min(r.Height(), std::abs(ellipse.height));
    if (w <= 2 || h <= 2) return {};
    // The first quadrant, counter-clockwise from the x axis, relative to the
    // ellipse's box.
    std::vector<Point> quadrant;
    EllipseStepper stepper(w, h);
    for (Point p{w - 1, h / 2}; p.x >= w / 2;) {
        quadrant.push_back(p);
        const auto moved = stepper.Step();
        if (moved.x) --p.x;
        if (moved.y) ++p.y;
    }
    std::vector<Point> pts;
    for (const Point& q : quadrant) pts.push_back({r.right - w + q.x, r.top + h - 1 - q.y});
    // Mirror left to right, then top to bottom, sharing a midpoint that
    // falls exactly on the axis.
    const auto mirror = [&pts](bool odd_and_full, auto&& flip) {
        const std::size_t count = pts.size();
        std::size_t end = 2 * count - 1;
        if (odd_and_full) --end;
        pts.resize(end + 1);
        for (std::size_t i = 0; i < count; ++i) pts[end - i] = flip(pts[i]);
    };
    mirror(w % 2 == 1 && w == r.Width(), [&r](Point p) { return Point{r.left + r.right - 1 - p.x, p.y}; });
    mirror(h % 2 == 1 && h == r.Height(), [&r](Point p) { return Point{p.x, r.top + r.bottom - 1 - p.y}; });
    return pts;
}

Rgb GradientAt(Rgb start, Rgb end, long long pos, long long len) {
    if (len == 0) return start;
    const auto channel = [pos, len](std::uint8_t a, std::uint8_t b) {
        const long long v = ((a << 8) * (len - pos) + (b << 8) * pos) / len / 256;
        return static_cast<std::uint8_t>(v);
    };
    return {channel(start.r, end.r), channel(start.g, end.g), channel(start.b, end.b)};
}

Rgb TriangleColourAt(const Point (&v)[3], const Rgb (&c)[3], int x, int y) {
    const long long det = static_cast<long long>(v[2].y - v[1].y) * (v[2].x - v[0].x) -
                          static_cast<long long>(v[2].x - v[1].x) * (v[2].y - v[0].y);
    if (det == 0) return c[0];
    const long long l1 = static_cast<long long>(v[1].y - v[2].y) * (x - v[2].x) -
                         static_cast<long long>(v[1].x - v[2].x) * (y - v[2].y);
    const long long l2 = static_cast<long long>(v[2].y - v[0].y) * (x - v[2].x) -
                         static_cast<long long>(v[2].x - v[0].x) * (y - v[2].y);
    const auto channel = [&](std::uint8_t a, std::uint8_t b, std::uint8_t d) {
        return static_cast<std::uint8_t>(((a << 8) * l1 + (b << 8) * l2 + (d << 8) * (det - l1 - l2)) / det / 256);
    };
    return {channel(c[0].r, c[1].r, c[2].r), channel(c[0].g, c[1].g, c[2].g), channel(c[0].b, c[1].b, c[2].b)};
}

std::vector<Span> TriangleSpans(const Point (&v)[3]) {
    std::vector<Span> rows;
    const int left = std::min({v[0].x, v[1].x, v[2].x});
    const int right = std::max({v[0].x, v[1].x, v[2].x});
    for (int y = v[0].y; y < v[2].y; ++y) {
        const int x1 = y < v[1].y ? EdgeX(y, v[0], v[1]) : EdgeX(y, v[1], v[2]);
        const int x2 = EdgeX(y, v[0], v[2]);
        const int l = std::max(left, std::min(x1, x2)), r = std::min(right, std::max(x1, x2));
        if (l < r) rows.push_back({y, l, r});
    }
    return rows;
}

Rgb Blend(Rgb d, Rgb s, std::uint8_t alpha) {
    return {BlendChannel(d.r, s.r, alpha), BlendChannel(d.g, s.g, alpha), BlendChannel(d.b, s.b, alpha)};
}

std::uint8_t RopCode(RasterOp op) {
    switch (op) {
        case RasterOp::SourceAnd: return 0x88;
        case RasterOp::SourceOr: return 0xEE;
        case RasterOp::PatternCopy: return 0xF0;
        case RasterOp::BrushWhereSourceZero: return 0xB8;
        case RasterOp::SourceCopy: break;
    }
    return 0xCC;
}

}  // namespace brixel::pixel
