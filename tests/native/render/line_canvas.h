// PixelCanvas that also rasterises one-pixel frames and solid horizontal or
// vertical lines (end point excluded, either direction), so border tests can
// assert pixels. Broken pen styles and slanted lines are only logged.
#pragma once

#include "pixel_canvas.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace brixel::testing {

class LineCanvas : public PixelCanvas {
public:
    using PixelCanvas::PixelCanvas;

    void FrameRect(const Rect& r, const Brush& b) override {
        RecordingCanvas::FrameRect(r, b);
        if (r.IsEmpty()) return;
        Span(r.left, r.top, r.right, r.top + 1, b.colour);
        Span(r.left, r.bottom - 1, r.right, r.bottom, b.colour);
        Span(r.left, r.top, r.left + 1, r.bottom, b.colour);
        Span(r.right - 1, r.top, r.right, r.bottom, b.colour);
    }

    void DrawLine(Point from, Point to, const Pen& pen) override {
        RecordingCanvas::DrawLine(from, to, pen);
        if (pen.style != PenStyle::Solid) return;
        if (from.y == to.y) {
            // Excluding the end point: [from, to) going right, (to, from] going left.
            const int lo = from.x <= to.x ? from.x : to.x + 1;
            const int hi = from.x <= to.x ? to.x : from.x + 1;
            Span(lo, from.y, hi, from.y + 1, pen.colour);
        } else if (from.x == to.x) {
            const int lo = from.y <= to.y ? from.y : to.y + 1;
            const int hi = from.y <= to.y ? to.y : from.y + 1;
            Span(from.x, lo, from.x + 1, hi, pen.colour);
        }
    }

    // The picture as rows of letters: each pixel's letter from `legend`
    // (colour, letter pairs), '?' for a colour not in it.
    std::vector<std::string> Art(std::initializer_list<std::pair<Rgb, char>> legend) const {
        std::vector<std::string> rows;
        for (int y = 0; y < height(); ++y) {
            std::string row;
            for (int x = 0; x < width(); ++x) {
                char letter = '?';
                for (const auto& [colour, c] : legend)
                    if (At(x, y) == colour) letter = c;
                row += letter;
            }
            rows.push_back(row);
        }
        return rows;
    }

private:
    // Paints through the pixel setter without adding its calls to the log.
    void Span(int l, int t, int r, int b, Rgb c) {
        const std::size_t logged = calls.size();
        for (int y = std::max(t, 0); y < std::min(b, height()); ++y)
            for (int x = std::max(l, 0); x < std::min(r, width()); ++x) PixelCanvas::SetPixel({x, y}, c);
        calls.resize(logged);
    }
};

// The colour a test fills its canvas with first: what is still this colour
// was not painted.
inline constexpr Rgb kUntouched{1, 2, 3};

// A picture as rows of letters (see LineCanvas::Art).
using Art = std::vector<std::string>;

// One row per line, so that a failed comparison prints the picture.
inline std::string Show(const Art& art) {
    std::string s;
    for (const auto& row : art) s += row + "\n";
    return s;
}

}  // namespace brixel::testing
