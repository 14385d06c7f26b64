// The canvas on real GDI: a device context drawn on directly, and off-screen
// surfaces that are memory DCs holding DIB sections. Every call selects and
// sets what it needs and puts the DC back as it found it; every object it
// makes is created through the counted wrappers and deleted before it returns.
#pragma once

#include "gdi/gdi_objects.h"
#include "render/canvas.h"

namespace brixel::win {

// What a GDI canvas is besides a canvas: the DC it draws on. Transfers read
// their source's DC through it.
class GdiDevice {
public:
    virtual ~GdiDevice() = default;
    virtual HDC dc() const noexcept = 0;
};

// The GDI implementation over either canvas kind: GdiCanvas draws on a DC it
// is given, off-screen surfaces on a memory DC of their own.
template <typename Base>
class BasicGdiCanvas : public Base, public GdiDevice {
public:
    // `msimg32` may be null (no fast primitives); it must outlive the canvas
    // and the surfaces made from it. The DC stays the caller's.
    BasicGdiCanvas(HDC dc, const Msimg32* msimg32) noexcept : dc_(dc), msimg32_(msimg32) {}
    BasicGdiCanvas(const BasicGdiCanvas&) = delete;
    BasicGdiCanvas& operator=(const BasicGdiCanvas&) = delete;
    // Pops any clip left pushed.
    ~BasicGdiCanvas() override;

    HDC dc() const noexcept override { return dc_; }

    void FillRect(const Rect& r, const Brush& brush) override;
    void FrameRect(const Rect& r, const Brush& brush) override;
    void SetPixel(Point p, Rgb colour) override;
    Rgb GetPixel(Point p) const override;
    void DrawLine(Point from, Point to, const Pen& pen) override;
    void FillPolygon(std::span<const Point> points, Rgb colour) override;
    void RoundRect(const Rect& r, Size corner, const Pen& pen, const Brush* fill) override;

    bool HasGradientFill() const override;
    void GradientFillRect(const Rect& r, Rgb start, Rgb end, bool vertical) override;
    void GradientFillTriangle(const Point (&vertices)[3], Rgb first, Rgb rest) override;

    std::unique_ptr<Surface> CreateSurface(Size size, SurfaceFormat format) const override;
    void Transfer(const TransferRequest& request) override;
    bool HasAlphaBlend() const override;
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
    void PlayMetafile(const PictureRef& picture, const Rect& dest) override;

protected:
    // For owners whose DC dies before this base: restore it while it lives.
    void PopAllClips() noexcept;

private:
    HDC dc_;
    const Msimg32* msimg32_;
    int clip_depth_ = 0;
};

extern template class BasicGdiCanvas<Canvas>;
extern template class BasicGdiCanvas<Surface>;

class GdiCanvas final : public BasicGdiCanvas<Canvas> {
public:
    using BasicGdiCanvas::BasicGdiCanvas;
};

inline COLORREF ToColorRef(Rgb c) noexcept { return RGB(c.r, c.g, c.b); }
inline Rgb FromColorRef(COLORREF c) noexcept {
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}
inline FontRef ToFontRef(HFONT font) noexcept { return FontRef{reinterpret_cast<std::uintptr_t>(font)}; }

}  // namespace brixel::win
