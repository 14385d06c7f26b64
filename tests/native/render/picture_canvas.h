// A pixel canvas for the picture tests: colour or monochrome pixels, surfaces
// of the same kind, bitmap pictures from a table, and transfers with the
// raster operations and colour conversions the pictures use, worked out the
// way GDI does them (nearest-pixel stretching, monochrome 0 black, 1 white).
// Icons and metafiles are logged; a metafile paints its inside (all but a
// one-pixel rim) in its own colour.
#pragma once

#include "render/canvas.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace brixel::testing {

struct FakeImage {
    Size size;
    std::vector<Rgb> pixels;  // row by row
    Rgb At(int x, int y) const { return pixels[static_cast<std::size_t>(y * size.width + x)]; }
};

struct PictureLog {
    struct Call {
        PictureKind kind;
        Rect dest;
        PictureForm form;
        ColourMap recolour;
    };
    std::map<std::uintptr_t, FakeImage> bitmaps;
    std::map<std::uintptr_t, Rgb> metafiles;
    std::vector<Call> calls;  // icons drawn and metafiles played
    int surfaces_alive = 0;
    std::int64_t largest_surface_pixels = 0;  // of every surface made after the first
};

// HIMETRIC for `pixels` at 96 pixels per inch, as picture objects store it.
constexpr int HimetricOf(int pixels) { return pixels * 2540 / 96; }

class PictureCanvas : public Surface {
public:
    PictureCanvas(Size size, SurfaceFormat format, std::shared_ptr<PictureLog> log, Rgb fill = {1, 2, 3})
        : size_(size), format_(format), log_(std::move(log)),
          pixels_(static_cast<std::size_t>(size.width * size.height), Stored(fill)) {
        if (log_->surfaces_alive++ > 0) {
            log_->largest_surface_pixels =
                std::max(log_->largest_surface_pixels, std::int64_t{size.width} * size.height);
        }
    }
    ~PictureCanvas() override { --log_->surfaces_alive; }

    Size size() const override { return size_; }
    Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }

    void FillRect(const Rect& r, const Brush& b) override {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) Put(x, y, b.colour);
    }
    void FrameRect(const Rect&, const Brush&) override {}
    void SetPixel(Point p, Rgb c) override { Put(p.x, p.y, c); }
    Rgb GetPixel(Point p) const override { return Inside(p.x, p.y) ? At(p.x, p.y) : Rgb{}; }
    void DrawLine(Point, Point, const Pen&) override {}
    void FillPolygon(std::span<const Point>, Rgb) override {}
    void RoundRect(const Rect&, Size, const Pen&, const Brush*) override {}
    bool HasGradientFill() const override { return false; }
    void GradientFillRect(const Rect&, Rgb, Rgb, bool) override {}
    void GradientFillTriangle(const Point (&)[3], Rgb, Rgb) override {}

    std::unique_ptr<Surface> CreateSurface(Size size, SurfaceFormat format) const override {
        return std::make_unique<PictureCanvas>(size, format, log_, kBlack);
    }
    void Transfer(const TransferRequest& t) override {
        const auto* source = dynamic_cast<const PictureCanvas*>(t.source);
        for (int y = t.dest.top; y < t.dest.bottom; ++y)
            for (int x = t.dest.left; x < t.dest.right; ++x) {
                Rgb s{};
                if (source != nullptr) {
                    const Point sp = SourcePoint(t.dest, t.source_rect, x, y);
                    s = Converted(*source, source->GetPixel(sp), t);
                } else if (t.op != RasterOp::PatternCopy) {
                    continue;
                }
                if (Inside(x, y)) Put(x, y, Combine(t.op, At(x, y), s, t.brush));
            }
    }
    bool HasAlphaBlend() const override { return false; }
    void BlendConstant(const Rect&, const Canvas&, Point, std::uint8_t) override {}
    void PushClip(const Rect&) override {}
    void PopClip() override {}
    Rect MeasureText(std::u16string_view, FontRef, const Rect& b, std::uint32_t) const override { return b; }
    void DrawText(std::u16string_view, FontRef, Rgb, const Rect&, std::uint32_t) override {}
    void DrawDisabledText(std::u16string_view, FontRef, Point) override {}
    FontDescription DescribeFont(FontRef) const override { return {}; }
    std::unique_ptr<OwnedFont> CreateUnderlinedFont(FontRef) const override { return nullptr; }

    Size PicturePixelSize(const PictureRef& p) const override {
        return {(p.himetric.width * 96 + 1270) / 2540, (p.himetric.height * 96 + 1270) / 2540};
    }
    // Copying into monochrome keys on white, the background of the bitmap's
    // own device context.
    void CopyBitmap(const PictureRef& p, const Rect& dest, const Rect& source) override {
        const auto it = log_->bitmaps.find(p.value);
        if (p.kind != PictureKind::Bitmap || it == log_->bitmaps.end()) return;
        for (int y = dest.top; y < dest.bottom; ++y)
            for (int x = dest.left; x < dest.right; ++x) {
                const Point sp = SourcePoint(dest, source, x, y);
                if (sp.x < 0 || sp.y < 0 || sp.x >= it->second.size.width || sp.y >= it->second.size.height)
                    continue;
                Put(x, y, it->second.At(sp.x, sp.y));
            }
    }
    void DrawIcon(const PictureRef& p, const Rect& dest, PictureForm form, ColourMap recolour) override {
        log_->calls.push_back({p.kind, dest, form, recolour});
    }
    void PlayMetafile(const PictureRef& p, const Rect& dest) override {
        log_->calls.push_back({p.kind, dest, PictureForm::Normal, nullptr});
        const auto it = log_->metafiles.find(p.value);
        if (it != log_->metafiles.end()) FillRect(dest.Deflated(1), Brush::Solid(it->second));
    }

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y * size_.width + x); }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < size_.width && y < size_.height; }
    bool Mono() const { return format_ == SurfaceFormat::Monochrome; }
    Rgb Stored(Rgb c) const { return Mono() ? (c == kWhite ? kWhite : kBlack) : c; }
    void Put(int x, int y, Rgb c) {
        if (Inside(x, y)) pixels_[Index(x, y)] = Stored(c);
    }

    static Point SourcePoint(const Rect& dest, const Rect& source, int x, int y) {
        return {source.left + (x - dest.left) * source.Width() / dest.Width(),
                source.top + (y - dest.top) * source.Height() / dest.Height()};
    }
    Rgb Converted(const PictureCanvas& source, Rgb s, const TransferRequest& t) const {
        if (source.Mono() && !Mono()) return s == kWhite ? t.mono_one : t.mono_zero;
        if (!source.Mono() && Mono()) return s == t.mono_key ? kWhite : kBlack;
        return s;
    }
    static Rgb Combine(RasterOp op, Rgb d, Rgb s, Rgb p) {
        const auto each = [&](auto f) {
            return Rgb{static_cast<std::uint8_t>(f(d.r, s.r, p.r)), static_cast<std::uint8_t>(f(d.g, s.g, p.g)),
                       static_cast<std::uint8_t>(f(d.b, s.b, p.b))};
        };
        switch (op) {
            case RasterOp::SourceAnd: return each([](int dv, int sv, int) { return dv & sv; });
            case RasterOp::SourceOr: return each([](int dv, int sv, int) { return dv | sv; });
            case RasterOp::PatternCopy: return p;
            case RasterOp::BrushWhereSourceZero:
                return each([](int dv, int sv, int pv) { return ((dv ^ pv) & sv) ^ pv; });
            case RasterOp::SourceCopy: break;
        }
        return s;
    }

    Size size_;
    SurfaceFormat format_;
    std::shared_ptr<PictureLog> log_;
    std::vector<Rgb> pixels_;
};

}  // namespace brixel::testing
