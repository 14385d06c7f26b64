// A canvas that draws nothing and logs every call, so tests can check which
// primitives a routine uses, in which order and with which arguments.
#pragma once

#include "render/canvas.h"

#include <cstdio>
#include <string>
#include <vector>

namespace brixel::testing {

struct CanvasCall {
    std::string op;
    Rect rect{};
    Rgb colour{};
    Rgb colour2{};
    std::vector<Point> points;
    bool flag = false;  // GradientFillRect: vertical

    std::string Describe() const {
        char text[160];
        std::snprintf(text, sizeof text, "%s (%d,%d,%d,%d) #%02x%02x%02x #%02x%02x%02x%s", op.c_str(), rect.left,
                      rect.top, rect.right, rect.bottom, colour.r, colour.g, colour.b, colour2.r, colour2.g,
                      colour2.b, flag ? " vertical" : "");
        std::string s = text;
        for (const Point& p : points) s += " [" + std::to_string(p.x) + "," + std::to_string(p.y) + "]";
        return s;
    }
};

class RecordingSurface;

class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(bool gradient_fill = false, bool alpha_blend = false)
        : gradient_fill_(gradient_fill), alpha_blend_(alpha_blend) {}

    std::vector<CanvasCall> calls;

    std::vector<CanvasCall> CallsNamed(const std::string& op) const {
        std::vector<CanvasCall> out;
        for (const auto& c : calls)
            if (c.op == op) out.push_back(c);
        return out;
    }
    std::vector<std::string> Ops() const {
        std::vector<std::string> out;
        for (const auto& c : calls) out.push_back(c.op);
        return out;
    }
    std::string Transcript() const {
        std::string s;
        for (const auto& c : calls) s += c.Describe() + "\n";
        return s;
    }

    void FillRect(const Rect& r, const Brush& b) override { Log("FillRect", r, b.colour, b.background, b.patterned); }
    void FrameRect(const Rect& r, const Brush& b) override { Log("FrameRect", r, b.colour, b.background, b.patterned); }
    void SetPixel(Point p, Rgb c) override { Log("SetPixel", {p.x, p.y, p.x + 1, p.y + 1}, c); }
    Rgb GetPixel(Point) const override { return {}; }
    void DrawLine(Point from, Point to, const Pen& pen) override {
        Log("DrawLine", {from.x, from.y, to.x, to.y}, pen.colour, {}, pen.style == PenStyle::Solid);
    }
    void FillPolygon(std::span<const Point> points, Rgb colour) override {
        Log("FillPolygon", {}, colour);
        calls.back().points.assign(points.begin(), points.end());
    }
    void RoundRect(const Rect& r, Size corner, const Pen& pen, const Brush* fill) override {
        Log("RoundRect", r, pen.colour, fill ? fill->colour : Rgb{}, fill != nullptr);
        calls.back().points = {{corner.width, corner.height}};
    }
    bool HasGradientFill() const override { return gradient_fill_; }
    void GradientFillRect(const Rect& r, Rgb start, Rgb end, bool vertical) override {
        Log("GradientFillRect", r, start, end, vertical);
    }
    void GradientFillTriangle(const Point (&v)[3], Rgb first, Rgb rest) override {
        Log("GradientFillTriangle", {}, first, rest);
        calls.back().points = {v[0], v[1], v[2]};
    }
    std::unique_ptr<Surface> CreateSurface(Size, SurfaceFormat) const override;
    void Transfer(const TransferRequest& t) override { Log("Transfer", t.dest); }
    bool HasAlphaBlend() const override { return alpha_blend_; }
    void BlendConstant(const Rect& dest, const Canvas&, Point, std::uint8_t) override { Log("BlendConstant", dest); }
    void PushClip(const Rect& r) override { Log("PushClip", r); }
    void PopClip() override { Log("PopClip", {}); }
    Rect MeasureText(std::u16string_view, FontRef, const Rect& bounds, std::uint32_t) const override {
        return bounds;
    }
    void DrawText(std::u16string_view, FontRef, Rgb colour, const Rect& bounds, std::uint32_t) override {
        Log("DrawText", bounds, colour);
    }
    void DrawDisabledText(std::u16string_view, FontRef, Point origin) override {
        Log("DrawDisabledText", {origin.x, origin.y, origin.x, origin.y});
    }
    FontDescription DescribeFont(FontRef) const override { return {}; }
    std::unique_ptr<OwnedFont> CreateUnderlinedFont(FontRef) const override { return nullptr; }
    Size PicturePixelSize(const PictureRef&) const override { return {}; }
    void CopyBitmap(const PictureRef&, const Rect& dest, const Rect&) override { Log("CopyBitmap", dest); }
    void DrawIcon(const PictureRef&, const Rect& dest, PictureForm, ColourMap) override { Log("DrawIcon", dest); }
    void PlayMetafile(const PictureRef&, const Rect& dest) override { Log("PlayMetafile", dest); }

protected:
    void Log(const char* op, const Rect& r, Rgb a = {}, Rgb b = {}, bool flag = false) {
        calls.push_back(CanvasCall{op, r, a, b, {}, flag});
    }

private:
    bool gradient_fill_;
    bool alpha_blend_;
};

// A surface that draws on a canvas owned elsewhere.
class ForwardingSurface : public Surface {
public:
    ForwardingSurface(Size size, Canvas& to) : size_(size), to_(to) {}
    Size size() const override { return size_; }

    void FillRect(const Rect& r, const Brush& b) override { to_.FillRect(r, b); }
    void FrameRect(const Rect& r, const Brush& b) override { to_.FrameRect(r, b); }
    void SetPixel(Point p, Rgb c) override { to_.SetPixel(p, c); }
    Rgb GetPixel(Point p) const override { return to_.GetPixel(p); }
    void DrawLine(Point a, Point b, const Pen& pen) override { to_.DrawLine(a, b, pen); }
    void FillPolygon(std::span<const Point> p, Rgb c) override { to_.FillPolygon(p, c); }
    void RoundRect(const Rect& r, Size s, const Pen& pen, const Brush* f) override { to_.RoundRect(r, s, pen, f); }
    bool HasGradientFill() const override { return to_.HasGradientFill(); }
    void GradientFillRect(const Rect& r, Rgb a, Rgb b, bool v) override { to_.GradientFillRect(r, a, b, v); }
    void GradientFillTriangle(const Point (&v)[3], Rgb a, Rgb b) override { to_.GradientFillTriangle(v, a, b); }
    std::unique_ptr<Surface> CreateSurface(Size s, SurfaceFormat f) const override { return to_.CreateSurface(s, f); }
    void Transfer(const TransferRequest& t) override { to_.Transfer(t); }
    bool HasAlphaBlend() const override { return to_.HasAlphaBlend(); }
    void BlendConstant(const Rect& d, const Canvas& s, Point o, std::uint8_t a) override {
        to_.BlendConstant(d, s, o, a);
    }
    void PushClip(const Rect& r) override { to_.PushClip(r); }
    void PopClip() override { to_.PopClip(); }
    Rect MeasureText(std::u16string_view t, FontRef f, const Rect& b, std::uint32_t fl) const override {
        return to_.MeasureText(t, f, b, fl);
    }
    void DrawText(std::u16string_view t, FontRef f, Rgb c, const Rect& b, std::uint32_t fl) override {
        to_.DrawText(t, f, c, b, fl);
    }
    void DrawDisabledText(std::u16string_view t, FontRef f, Point o) override { to_.DrawDisabledText(t, f, o); }
    FontDescription DescribeFont(FontRef f) const override { return to_.DescribeFont(f); }
    std::unique_ptr<OwnedFont> CreateUnderlinedFont(FontRef f) const override { return to_.CreateUnderlinedFont(f); }
    Size PicturePixelSize(const PictureRef& p) const override { return to_.PicturePixelSize(p); }
    void CopyBitmap(const PictureRef& p, const Rect& d, const Rect& s) override { to_.CopyBitmap(p, d, s); }
    void DrawIcon(const PictureRef& p, const Rect& d, PictureForm f, ColourMap m) override { to_.DrawIcon(p, d, f, m); }
    void PlayMetafile(const PictureRef& p, const Rect& d) override { to_.PlayMetafile(p, d); }

private:
    Size size_;
    Canvas& to_;
};

// A surface that records into its own log.
class RecordingSurface : public ForwardingSurface {
public:
    // The base only keeps the reference; the log is made before any call.
    explicit RecordingSurface(Size size) : ForwardingSurface(size, log) {}
    RecordingCanvas log;
};

inline std::unique_ptr<Surface> RecordingCanvas::CreateSurface(Size size, SurfaceFormat) const {
    return std::make_unique<RecordingSurface>(size);
}

}  // namespace brixel::testing
