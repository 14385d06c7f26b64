// Draws a routine written in 96 dpi pixels onto a denser face. The routine
// sees a face of the size it would have at 96 dpi; each coordinate is taken
// from the nearer edge of that face and placed as far from the same edge of
// the real one, scaled. Lines and patterns that hug the edges (the XP
// frame) so grow with the resolution and stay at their edges, while the
// middle of the face stretches. At 96 dpi nothing is mapped.
#pragma once

#include "render/canvas.h"

namespace brixel {

class EdgeScaledCanvas final : public Canvas {
public:
    // `face` is the real face in `target`, with its origin at 0,0.
    EdgeScaledCanvas(Canvas& target, Size face, int dpi);

    // The face the routine draws in.
    Rect DesignFace() const { return {0, 0, design_.width, design_.height}; }
    int MapX(int x) const;
    int MapY(int y) const;
    Rect Map(const Rect& r) const { return {MapX(r.left), MapY(r.top), MapX(r.right), MapY(r.bottom)}; }
    Point Map(Point p) const { return {MapX(p.x), MapY(p.y)}; }

    void FillRect(const Rect& r, const Brush& brush) override;
    void FrameRect(const Rect& r, const Brush& brush) override;
    void SetPixel(Point p, Rgb colour) override;
    Rgb GetPixel(Point p) const override { return target_.GetPixel(Map(p)); }
    void DrawLine(Point from, Point to, const Pen& pen) override;
    void FillPolygon(std::span<const Point> points, Rgb colour) override;
    void RoundRect(const Rect& r, Size corner, const Pen& pen, const Brush* fill) override;
    bool HasGradientFill() const override { return target_.HasGradientFill(); }
    void GradientFillRect(const Rect& r, Rgb start, Rgb end, bool vertical) override;
    void GradientFillTriangle(const Point (&vertices)[3], Rgb first, Rgb rest) override;
    std::unique_ptr<Surface> CreateSurface(Size size, SurfaceFormat format) const override {
        return target_.CreateSurface(size, format);
    }
    void Transfer(const TransferRequest& request) override;
    bool HasAlphaBlend() const override { return target_.HasAlphaBlend(); }
    void BlendConstant(const Rect& dest, const Canvas& source, Point source_origin, std::uint8_t alpha) override {
        target_.BlendConstant(Map(dest), source, source_origin, alpha);
    }
    void PushClip(const Rect& r) override { target_.PushClip(Map(r)); }
    void PopClip() override { target_.PopClip(); }
    Rect MeasureText(std::u16string_view text, FontRef font, const Rect& bounds,
                     std::uint32_t format) const override {
        return target_.MeasureText(text, font, bounds, format);
    }
    void DrawText(std::u16string_view text, FontRef font, Rgb colour, const Rect& bounds,
                  std::uint32_t format) override {
        target_.DrawText(text, font, colour, Map(bounds), format);
    }
    void DrawDisabledText(std::u16string_view text, FontRef font, Point origin) override {
        target_.DrawDisabledText(text, font, Map(origin));
    }
    FontDescription DescribeFont(FontRef font) const override { return target_.DescribeFont(font); }
    std::unique_ptr<OwnedFont> CreateUnderlinedFont(FontRef font) const override {
        return target_.CreateUnderlinedFont(font);
    }
    Size PicturePixelSize(const PictureRef& picture) const override { return target_.PicturePixelSize(picture); }
    void CopyBitmap(const PictureRef& picture, const Rect& dest, const Rect& source) override {
        target_.CopyBitmap(picture, Map(dest), source);
    }
    void DrawIcon(const PictureRef& picture, const Rect& dest, PictureForm form, ColourMap recolour) override {
        target_.DrawIcon(picture, Map(dest), form, recolour);
    }
    void PlayMetafile(const PictureRef& picture, const Rect& dest) override { target_.PlayMetafile(picture, Map(dest)); }

private:
    Canvas& target_;
    Size face_;
    Size design_;
    int dpi_;
};

}  // namespace brixel
