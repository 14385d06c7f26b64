// The real pixel canvas (src/pixel) with every call also logged: a test can
// assert what the routine asked for and the pixels GDI's raster rules make of
// it, on the same backend the Windows Forms control paints through. Text and
// pictures are only logged (no text service, no picture registry), and the
// fast primitives are not offered, so routines take their fallback paths as
// they do on the recording canvas.
#pragma once

#include "pixel/pixel_canvas.h"
#include "recording_canvas.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace brixel::testing {

// The colour a test fills its canvas with first: what is still this colour
// was not painted. The routines under test never produce it.
inline constexpr Rgb kUntouched{1, 2, 3};

class TracedPixelCanvas : public RecordingCanvas {
public:
    TracedPixelCanvas(int width, int height, Rgb background = kUntouched)
        : TracedPixelCanvas(width, height, background, false) {}

    int width() const { return real_.size().width; }
    int height() const { return real_.size().height; }
    Rgb At(int x, int y) const { return real_.GetPixel({x, y}); }
    const pixel::PixelCanvas& real() const { return real_; }

    void FillRect(const Rect& r, const Brush& b) override {
        RecordingCanvas::FillRect(r, b);
        real_.FillRect(r, b);
    }
    void FrameRect(const Rect& r, const Brush& b) override {
        RecordingCanvas::FrameRect(r, b);
        real_.FrameRect(r, b);
    }
    void SetPixel(Point p, Rgb c) override {
        RecordingCanvas::SetPixel(p, c);
        real_.SetPixel(p, c);
    }
    Rgb GetPixel(Point p) const override { return real_.GetPixel(p); }
    void DrawLine(Point from, Point to, const Pen& pen) override {
        RecordingCanvas::DrawLine(from, to, pen);
        real_.DrawLine(from, to, pen);
    }
    void FillPolygon(std::span<const Point> points, Rgb colour) override {
        RecordingCanvas::FillPolygon(points, colour);
        real_.FillPolygon(points, colour);
    }
    void RoundRect(const Rect& r, Size corner, const Pen& pen, const Brush* fill) override {
        RecordingCanvas::RoundRect(r, corner, pen, fill);
        real_.RoundRect(r, corner, pen, fill);
    }
    void PushClip(const Rect& r) override {
        RecordingCanvas::PushClip(r);
        real_.PushClip(r);
    }
    void PopClip() override {
        RecordingCanvas::PopClip();
        real_.PopClip();
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

protected:
    // `alpha_blend`: offer AlphaBlend, and let the real canvas copy and blend.
    TracedPixelCanvas(int width, int height, Rgb background, bool alpha_blend)
        : RecordingCanvas(false, alpha_blend),
          real_(Size{width, height}, pixel::PixelEnvironment{.gradient_fill = false, .alpha_blend = alpha_blend}) {
        real_.FillRect({0, 0, width, height}, Brush::Solid(background));
    }
    pixel::PixelCanvas& real() { return real_; }

private:
    pixel::PixelCanvas real_;
};

// A picture as rows of letters (see TracedPixelCanvas::Art).
using Art = std::vector<std::string>;

// One row per line, so that a failed comparison prints the picture.
inline std::string Show(const Art& art) {
    std::string s;
    for (const auto& row : art) s += row + "\n";
    return s;
}

}  // namespace brixel::testing
