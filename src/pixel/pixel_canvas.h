// The canvas on a plain 32-bit pixel buffer, for hosts without GDI (the
// Windows Forms control on Mono) and for tests that read what was painted.
// Every operation follows the pixel rules of the GDI backend (see raster.h),
// so a face painted here matches the one GDI paints; text and pictures come
// from the host through a TextService and a PictureRegistry.
#pragma once

#include "core/colour.h"
#include "pixel/picture_registry.h"
#include "pixel/raster.h"
#include "pixel/text_service.h"
#include "render/canvas.h"

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

namespace brixel::pixel {

// 0x00RRGGBB pixels, row after row: owned, or a caller's block of rows
// `stride` bytes apart (it must outlive the buffer).
class PixelBuffer {
public:
    explicit PixelBuffer(Size size);
    PixelBuffer(Pixel* bits, Size size, std::size_t stride_bytes);
    // Moving keeps the owned pixels where they are.
    PixelBuffer(PixelBuffer&& other) noexcept
        : owned_(std::move(other.owned_)), bits_(std::exchange(other.bits_, nullptr)),
          size_(std::exchange(other.size_, Size{})), stride_(other.stride_) {}
    PixelBuffer& operator=(PixelBuffer&&) = delete;

    Size size() const { return size_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < size_.width && y < size_.height; }
    Pixel At(int x, int y) const { return Row(y)[x]; }
    void Put(int x, int y, Pixel p) { Row(y)[x] = p; }

private:
    Pixel* Row(int y) const {
        return reinterpret_cast<Pixel*>(reinterpret_cast<unsigned char*>(bits_) + stride_ * static_cast<std::size_t>(y));
    }

    std::vector<Pixel> owned_;
    Pixel* bits_;
    Size size_;
    std::size_t stride_;
};

// What a canvas and every surface made from it share. Pointers are not
// owned and must outlive the canvases.
struct PixelEnvironment {
    TextService* text = nullptr;                   // null: no text is drawn
    const PictureRegistry* pictures = nullptr;     // null: no picture is drawn
    const SystemColours* system_colours = nullptr; // embossing; null: white and grey
    bool gradient_fill = true;                     // offer the fast primitives
    bool alpha_blend = true;
    int dpi = 96;
};

class PixelCanvas : public Surface {
public:
    // An owned buffer, black.
    PixelCanvas(Size size, SurfaceFormat format, PixelEnvironment env);
    explicit PixelCanvas(Size size, PixelEnvironment env = {}) : PixelCanvas(size, SurfaceFormat::Colour, env) {}
    // Draws on the caller's pixels.
    PixelCanvas(Pixel* bits, Size size, std::size_t stride_bytes, PixelEnvironment env = {});

    Size size() const override { return pixels_.size(); }
    SurfaceFormat format() const { return format_; }
    const PixelBuffer& pixels() const { return pixels_; }

    void FillRect(const Rect& r, const Brush& brush) override;
    void FrameRect(const Rect& r, const Brush& brush) override;
    void SetPixel(Point p, Rgb colour) override;
    Rgb GetPixel(Point p) const override;
    void DrawLine(Point from, Point to, const Pen& pen) override;
    void FillPolygon(std::span<const Point> points, Rgb colour) override;
    void RoundRect(const Rect& r, Size corner, const Pen& pen, const Brush* fill) override;

    bool HasGradientFill() const override { return env_.gradient_fill; }
    void GradientFillRect(const Rect& r, Rgb start, Rgb end, bool vertical) override;
    void GradientFillTriangle(const Point (&vertices)[3], Rgb first, Rgb rest) override;

    std::unique_ptr<Surface> CreateSurface(Size size, SurfaceFormat format) const override;
    void Transfer(const TransferRequest& request) override;
    bool HasAlphaBlend() const override { return env_.alpha_blend; }
    void BlendConstant(const Rect& dest, const Canvas& source, Point source_origin, std::uint8_t alpha) override;

    void PushClip(const Rect& r) override;
    void PopClip() override;

    Rect MeasureText(std::u16string_view text, FontRef font, const Rect& bounds,
                     std::uint32_t format) const override;
    void DrawText(std::u16string_view text, FontRef font, Rgb colour, const Rect& bounds,
                  std::uint32_t format) override;
    void DrawDisabledText(std::u16string_view text, FontRef font, Point origin) override;
    FontDescription DescribeFont(FontRef font) const override;
    std::unique_ptr<OwnedFont> CreateUnderlinedFont(FontRef font) const override;

    Size PicturePixelSize(const PictureRef& picture) const override;
    void CopyBitmap(const PictureRef& picture, const Rect& dest, const Rect& source) override;
    void DrawIcon(const PictureRef& picture, const Rect& dest, PictureForm form, ColourMap recolour) override;
    // A metafile is registered as the image it plays into, its mask marking
    // what it leaves alone; it is stretched to `dest`.
    void PlayMetafile(const PictureRef& picture, const Rect& dest) override;

private:
    Rect Clip() const { return clips_.back(); }
    // Stores a colour as this surface keeps it (a monochrome one keeps white
    // or black), inside the clip only.
    void Plot(int x, int y, Pixel p);
    Pixel Stored(Pixel p) const;
    Pixel BrushAt(const Brush& brush, int x, int y) const;
    bool CopiedPlainly(const TransferRequest& t);
    void FillSpans(const std::vector<Span>& spans, const Brush& brush);
    void Polyline(std::span<const Point> points, bool closed, const Pen& pen);
    void RoundRectOutline(const Rect& r, Size ellipse, const Pen& pen, const Brush* fill);
    // Highlight one pixel right and down, then shadow, wherever `ink` holds.
    template <typename Ink>
    void Emboss(const Rect& box, Ink ink);
    Rgb SystemColour(int index, Rgb fallback) const;

    PixelBuffer pixels_;
    SurfaceFormat format_;
    PixelEnvironment env_;
    std::vector<Rect> clips_;  // the effective clip at each depth; [0] is the buffer
};

}  // namespace brixel::pixel
