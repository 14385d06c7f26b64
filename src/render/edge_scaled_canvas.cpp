#include "render/edge_scaled_canvas.h"

#include "core/dpi_scale.h"

#include <algorithm>
#include <vector>

namespace brixel {
namespace {

// The 96 dpi length that `device` pixels at `dpi` stand for, rounded.
int DesignLength(int device, int dpi) {
    if (dpi <= 0 || dpi == kDesignDpi) return device;
    return static_cast<int>((static_cast<long long>(device) * kDesignDpi + dpi / 2) / dpi);
}

// From the nearer edge: the left (top) half keeps its distance from 0, the
// other half its distance from the far edge.
int MapFromEdges(int v, int design, int device, int dpi) {
    if (2 * v <= design) return ScaleForDpi(v, dpi);
    return device - ScaleForDpi(design - v, dpi);
}

}  // namespace

EdgeScaledCanvas::EdgeScaledCanvas(Canvas& target, Size face, int dpi)
    : target_(target),
      face_(face),
      design_{DesignLength(face.width, dpi), DesignLength(face.height, dpi)},
      dpi_(dpi) {}

int EdgeScaledCanvas::MapX(int x) const { return MapFromEdges(x, design_.width, face_.width, dpi_); }
int EdgeScaledCanvas::MapY(int y) const { return MapFromEdges(y, design_.height, face_.height, dpi_); }

void EdgeScaledCanvas::FillRect(const Rect& r, const Brush& brush) {
    const Rect mapped = Map(r);
    if (!mapped.IsEmpty()) target_.FillRect(mapped, brush);
}

void EdgeScaledCanvas::FrameRect(const Rect& r, const Brush& brush) {
    if (r.IsEmpty()) return;
    FillRect({r.left, r.top, r.right, r.top + 1}, brush);
    FillRect({r.left, r.bottom - 1, r.right, r.bottom}, brush);
    FillRect({r.left, r.top, r.left + 1, r.bottom}, brush);
    FillRect({r.right - 1, r.top, r.right, r.bottom}, brush);
}

void EdgeScaledCanvas::SetPixel(Point p, Rgb colour) { FillRect({p.x, p.y, p.x + 1, p.y + 1}, Brush::Solid(colour)); }

void EdgeScaledCanvas::DrawLine(Point from, Point to, const Pen& pen) {
    if (pen.style == PenStyle::None) return;
    // A solid line along an axis is a one-pixel band: it scales as a band.
    if (pen.style == PenStyle::Solid && (from.x == to.x || from.y == to.y)) {
        const Rect band = from.x == to.x ? Rect{from.x, std::min(from.y, to.y), from.x + 1, std::max(from.y, to.y)}
                                         : Rect{std::min(from.x, to.x), from.y, std::max(from.x, to.x), from.y + 1};
        FillRect(band, Brush::Solid(pen.colour));
        return;
    }
    target_.DrawLine(Map(from), Map(to), pen);
}

void EdgeScaledCanvas::FillPolygon(std::span<const Point> points, Rgb colour) {
    std::vector<Point> mapped;
    mapped.reserve(points.size());
    for (const Point& p : points) mapped.push_back(Map(p));
    target_.FillPolygon(mapped, colour);
}

void EdgeScaledCanvas::RoundRect(const Rect& r, Size corner, const Pen& pen, const Brush* fill) {
    target_.RoundRect(Map(r), {ScaleForDpi(corner.width, dpi_), ScaleForDpi(corner.height, dpi_)}, pen, fill);
}

void EdgeScaledCanvas::GradientFillRect(const Rect& r, Rgb start, Rgb end, bool vertical) {
    const Rect mapped = Map(r);
    if (!mapped.IsEmpty()) target_.GradientFillRect(mapped, start, end, vertical);
}

void EdgeScaledCanvas::GradientFillTriangle(const Point (&vertices)[3], Rgb first, Rgb rest) {
    const Point mapped[3] = {Map(vertices[0]), Map(vertices[1]), Map(vertices[2])};
    target_.GradientFillTriangle(mapped, first, rest);
}

void EdgeScaledCanvas::Transfer(const TransferRequest& request) {
    TransferRequest mapped = request;
    mapped.dest = Map(request.dest);
    target_.Transfer(mapped);
}

}  // namespace brixel
