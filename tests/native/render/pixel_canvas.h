// A tiny raster canvas for the native tests: solid rectangle and polygon
// fills into a pixel buffer (everything else is only logged). Polygons cover
// the pixels whose top-left points lie inside them (left and top edges
// included, right and bottom excluded, as GDI fills), in alternate mode.
#pragma once

#include "recording_canvas.h"

#include <algorithm>
#include <cmath>

namespace brixel::testing {

class PixelCanvas : public RecordingCanvas {
public:
    // Starts filled with `background`, a colour the routines under test
    // never produce, so untouched pixels stand out.
    PixelCanvas(int width, int height, Rgb background = {1, 2, 3})
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), background) {}

    int width() const { return width_; }
    int height() const { return height_; }
    Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }

    void FillRect(const Rect& r, const Brush& b) override {
        RecordingCanvas::FillRect(r, b);
        for (int y = std::max(r.top, 0); y < std::min(r.bottom, height_); ++y)
            for (int x = std::max(r.left, 0); x < std::min(r.right, width_); ++x) pixels_[Index(x, y)] = b.colour;
    }
    void SetPixel(Point p, Rgb c) override {
        RecordingCanvas::SetPixel(p, c);
        if (p.x >= 0 && p.y >= 0 && p.x < width_ && p.y < height_) pixels_[Index(p.x, p.y)] = c;
    }
    Rgb GetPixel(Point p) const override { return At(p.x, p.y); }

    void FillPolygon(std::span<const Point> points, Rgb colour) override {
        RecordingCanvas::FillPolygon(points, colour);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (Inside(points, x, y)) pixels_[Index(x, y)] = colour;
    }

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y * width_ + x); }

    static bool Inside(std::span<const Point> poly, double px, double py) {
        bool inside = false;
        for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
            const Point a = poly[i], b = poly[j];
            if ((a.y > py) != (b.y > py)) {
                const double x = a.x + (py - a.y) * (b.x - a.x) / double(b.y - a.y);
                if (px < x) inside = !inside;
            }
        }
        return inside;
    }

    int width_, height_;
    std::vector<Rgb> pixels_;
};

}  // namespace brixel::testing
