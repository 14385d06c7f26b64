// A pixel canvas that also draws the straight parts of rounded outlines,
// axis-aligned lines and frames, enough to read back the XP face. The curved
// corners of a rounded outline are left untouched: the XP routines set their
// corner pixels themselves, and the tests check only those.
#pragma once

#include "pixel_canvas.h"

namespace brixel::testing {

class XPRasterCanvas : public PixelCanvas {
public:
    using PixelCanvas::PixelCanvas;

    void FrameRect(const Rect& r, const Brush& b) override {
        RecordingCanvas::FrameRect(r, b);
        Outline(r, 0, 0, b.colour);
    }
    void DrawLine(Point from, Point to, const Pen& pen) override {
        RecordingCanvas::DrawLine(from, to, pen);
        if (pen.style == PenStyle::None) return;
        if (from.x == to.x) Fill({from.x, std::min(from.y, to.y), from.x + 1, std::max(from.y, to.y)}, pen.colour);
        if (from.y == to.y) Fill({std::min(from.x, to.x), from.y, std::max(from.x, to.x), from.y + 1}, pen.colour);
    }
    void RoundRect(const Rect& r, Size corner, const Pen& pen, const Brush* fill) override {
        RecordingCanvas::RoundRect(r, corner, pen, fill);
        if (r.IsEmpty()) return;
        if (fill != nullptr) Fill(r.Deflated(1), fill->colour);
        if (pen.style != PenStyle::None) Outline(r, corner.width / 2, corner.height / 2, pen.colour);
    }

private:
    void Fill(const Rect& r, Rgb colour) {
        for (int y = std::max(r.top, 0); y < std::min(r.bottom, height()); ++y)
            for (int x = std::max(r.left, 0); x < std::min(r.right, width()); ++x) PixelCanvas::SetPixel({x, y}, colour);
    }
    // The four sides without `dx` pixels at either end of the top and bottom
    // and `dy` at either end of the left and right.
    void Outline(const Rect& r, int dx, int dy, Rgb colour) {
        Fill({r.left + dx, r.top, r.right - dx, r.top + 1}, colour);
        Fill({r.left + dx, r.bottom - 1, r.right - dx, r.bottom}, colour);
        Fill({r.left, r.top + dy, r.left + 1, r.bottom - dy}, colour);
        Fill({r.right - 1, r.top + dy, r.right, r.bottom - dy}, colour);
    }
};

}  // namespace brixel::testing
