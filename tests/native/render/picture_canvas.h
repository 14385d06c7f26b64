// The picture tests' canvas: the real pixel canvas (colour or monochrome
// surfaces, transfers with GDI's raster operations and colour conversions)
// with bitmap pictures from a table the test fills.
#pragma once

#include "pixel/picture_registry.h"
#include "pixel/pixel_canvas.h"
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
    pixel::PictureRegistry registry;  // the bitmaps above, as the canvas draws them
    std::int64_t largest_surface_pixels = 0;  // of every surface made after the first
};

// HIMETRIC for `pixels` at 96 pixels per inch, as picture objects store it.
constexpr int HimetricOf(int pixels) { return pixels * 2540 / 96; }

// The real pixel canvas with the pictures of a PictureLog: bitmaps draw
// through the canvas's own picture path, icons and metafiles are logged (a
// metafile paints its inside, all but a one-pixel rim, in its own colour),
// and every surface made from it counts itself alive in the log.
class PictureCanvas : public pixel::PixelCanvas {
public:
    PictureCanvas(Size size, SurfaceFormat format, std::shared_ptr<PictureLog> log, Rgb fill = {1, 2, 3})
        : pixel::PixelCanvas(size, format, EnvironmentOf(*log)), log_(std::move(log)) {
        if (log_->surfaces_alive++ > 0) {
            log_->largest_surface_pixels =
                std::max(log_->largest_surface_pixels, std::int64_t{size.width} * size.height);
        }
        pixel::PixelCanvas::FillRect({0, 0, size.width, size.height}, Brush::Solid(fill));
    }
    ~PictureCanvas() override { --log_->surfaces_alive; }
    PictureCanvas(const PictureCanvas&) = delete;
    PictureCanvas& operator=(const PictureCanvas&) = delete;

    Rgb At(int x, int y) const { return GetPixel({x, y}); }

    std::unique_ptr<Surface> CreateSurface(Size size, SurfaceFormat format) const override {
        return std::make_unique<PictureCanvas>(size, format, log_, kBlack);
    }
    void CopyBitmap(const PictureRef& p, const Rect& dest, const Rect& source) override {
        for (const auto& [value, image] : log_->bitmaps) {
            pixel::PixelPicture picture{PictureKind::Bitmap, image.size, {}, {}};
            for (const Rgb c : image.pixels) picture.colour.push_back(pixel::ToPixel(c));
            log_->registry.Register(value, std::move(picture));
        }
        pixel::PixelCanvas::CopyBitmap(p, dest, source);
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
    static pixel::PixelEnvironment EnvironmentOf(const PictureLog& log) {
        return pixel::PixelEnvironment{.pictures = &log.registry, .gradient_fill = false, .alpha_blend = false};
    }

    std::shared_ptr<PictureLog> log_;
};

}  // namespace brixel::testing
