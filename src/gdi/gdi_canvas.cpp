#include "gdi/gdi_canvas.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <new>
#include <optional>
#include <string>
#include <vector>

namespace brixel::win {
namespace {

RECT ToRect(const Rect& r) noexcept { return RECT{r.left, r.top, r.right, r.bottom}; }

const wchar_t* Wide(std::u16string_view text) noexcept { return reinterpret_cast<const wchar_t*>(text.data()); }

// A brush for one call, with the pattern bitmap it needs kept alive as long.
// A monochrome pattern paints its 0 bits in the DC's text colour and its 1
// bits in the background colour, hence the inverted bits and the two scopes.
class BrushForCall {
public:
    BrushForCall(HDC dc, const Brush& brush) {
        if (!brush.patterned) {
            brush_.reset(counted::CreateSolidBrush(ToColorRef(brush.colour)));
            return;
        }
        std::array<WORD, 8> rows{};  // monochrome rows are WORD aligned
        for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<WORD>(~brush.pattern[i] & 0xFF);
        pattern_.reset(counted::CreateBitmap(8, 8, 1, 1, rows.data()));
        brush_.reset(counted::CreatePatternBrush(pattern_.get()));
        text_.emplace(dc, ToColorRef(brush.colour));
        back_.emplace(dc, ToColorRef(brush.background));
    }
    HBRUSH get() const noexcept { return brush_.get(); }

private:
    CountedBitmap pattern_;
    CountedBrush brush_;
    std::optional<TextColourScope> text_;
    std::optional<BackColourScope> back_;
};

int PenStyleOf(PenStyle style) noexcept {
    switch (style) {
        case PenStyle::Dotted: return PS_DOT;
        case PenStyle::Dashed: return PS_DASH;
        case PenStyle::Solid:
        case PenStyle::None: break;
    }
    return PS_SOLID;
}

HPEN CreatePenFor(const Pen& pen) noexcept {
    if (pen.style == PenStyle::None) return nullptr;
    return counted::CreatePen(PenStyleOf(pen.style), 1, ToColorRef(pen.colour));
}

TRIVERTEX Vertex(Point p, Rgb c) noexcept {
    return TRIVERTEX{p.x, p.y, static_cast<COLOR16>(c.r << 8), static_cast<COLOR16>(c.g << 8),
                     static_cast<COLOR16>(c.b << 8), 0};
}

constexpr DWORD RopOf(RasterOp op) noexcept {
    switch (op) {
        case RasterOp::SourceAnd: return SRCAND;
        case RasterOp::SourceOr: return SRCPAINT;
        case RasterOp::PatternCopy: return PATCOPY;
        case RasterOp::BrushWhereSourceZero: return 0x00B8074A;
        case RasterOp::SourceCopy: break;
    }
    return SRCCOPY;
}

HDC DcOf(const Canvas* canvas) noexcept {
    const auto* device = dynamic_cast<const GdiDevice*>(canvas);
    return device != nullptr ? device->dc() : nullptr;
}

// Selects a font only when one is given, so "no font" keeps the DC's own.
class FontScope {
public:
    FontScope(HDC dc, FontRef font) noexcept {
        if (font.value != 0) scope_.emplace(dc, reinterpret_cast<HGDIOBJ>(font.value));
    }

private:
    std::optional<SelectScope> scope_;
};

UINT DrawTextFlags(std::uint32_t format) noexcept {
    static constexpr std::pair<std::uint32_t, UINT> kFlags[] = {
        {kTextCenter, DT_CENTER},         {kTextRight, DT_RIGHT},         {kTextVCenter, DT_VCENTER},
        {kTextBottom, DT_BOTTOM},         {kTextSingleLine, DT_SINGLELINE}, {kTextWordBreak, DT_WORDBREAK},
        {kTextNoPrefix, DT_NOPREFIX},
    };
    UINT flags = 0;
    for (const auto& [ours, theirs] : kFlags)
        if (format & ours) flags |= theirs;
    return flags;
}

class GdiOwnedFont final : public OwnedFont {
public:
    explicit GdiOwnedFont(HFONT font) noexcept : font_(font) {}
    FontRef ref() const override { return ToFontRef(font_.get()); }

private:
    CountedFont font_;
};

// An off-screen surface: a memory DC with a top-down 32-bit DIB section
// selected, or a monochrome bitmap (0 black, 1 white).
class GdiSurface final : public BasicGdiCanvas<Surface> {
public:
    GdiSurface(HDC memory, const Msimg32* msimg32, Size size, SurfaceFormat format, HBITMAP bitmap) noexcept
        : BasicGdiCanvas(memory, msimg32), memory_(memory), bitmap_(bitmap), size_(size), format_(format),
          previous_(::SelectObject(memory, bitmap)) {}
    ~GdiSurface() override {
        PopAllClips();
        if (previous_ != nullptr && previous_ != HGDI_ERROR) ::SelectObject(memory_.get(), previous_);
    }
    Size size() const override { return size_; }
    SurfaceFormat format() const noexcept { return format_; }

private:
    CountedMemoryDc memory_;
    CountedBitmap bitmap_;
    Size size_;
    SurfaceFormat format_;
    HGDIOBJ previous_;
};

bool IsColourSurface(const Canvas* canvas) noexcept {
    const auto* surface = dynamic_cast<const GdiSurface*>(canvas);
    return surface != nullptr && surface->format() == SurfaceFormat::Colour;
}

// Whether a ternary raster operation reads the selected brush.
constexpr bool UsesPattern(DWORD rop) noexcept { return (((rop >> 4) ^ rop) & 0x000F0000) != 0; }

// A surface no face or picture needs: 32,767 pixels a side and 64 million
// pixels (256 MB at 32 bits) in all. Sizes come from documents and callers;
// beyond this the drawing that wanted the surface simply draws less.
constexpr int kMaxSurfaceSide = 32767;
constexpr std::uint64_t kMaxSurfacePixels = std::uint64_t{1} << 26;

HBITMAP CreateSurfaceBitmap(HDC memory, Size size, SurfaceFormat format) noexcept {
    const int width = std::max(size.width, 1), height = std::max(size.height, 1);
    if (width > kMaxSurfaceSide || height > kMaxSurfaceSide ||
        std::uint64_t{static_cast<unsigned>(width)} * static_cast<unsigned>(height) > kMaxSurfacePixels) {
        return nullptr;
    }
    if (format == SurfaceFormat::Monochrome) {
        // A device-dependent monochrome bitmap, not a 1-bit DIB: only with it
        // do transfers from colour key on the source's background colour and
        // transfers to colour use the text and background colours.
        const std::size_t row_bytes = (static_cast<std::size_t>(width) + 15) / 16 * 2;
        try {
            const std::vector<BYTE> black(row_bytes * static_cast<std::size_t>(height), 0);
            return counted::CreateBitmap(width, height, 1, 1, black.data());
        } catch (const std::bad_alloc&) {
            return nullptr;
        }
    }
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    return counted::CreateDIBSection(memory, &info, &bits);
}

// The icon's colour pixels passed through `recolour`, as a new icon with the
// original mask. Null when the icon cannot be read or has no colour pixels
// (a monochrome icon), so the caller draws it unchanged.
UniqueIcon RecolouredIcon(HICON icon, ColourMap recolour) noexcept {
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info)) return {};
    UniqueBitmap mask(info.hbmMask), colour(info.hbmColor);  // GetIconInfo's copies are ours to delete
    if (!colour || info.xHotspot == 0 || info.yHotspot == 0 || info.xHotspot > kMaxSurfaceSide / 2 ||
        info.yHotspot > kMaxSurfaceSide / 2 || std::uint64_t{info.xHotspot} * info.yHotspot * 4 > kMaxSurfacePixels) {
        return {};
    }
    const int w = static_cast<int>(info.xHotspot) * 2, h = static_cast<int>(info.yHotspot) * 2;
    BITMAPINFO bi{};
    bi.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<RGBQUAD> pixels;
    try {
        pixels.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    } catch (const std::bad_alloc&) {
        return {};
    }
    WindowDc screen(nullptr);
    if (!::GetDIBits(screen.get(), colour.get(), 0, static_cast<UINT>(h), pixels.data(), &bi, DIB_RGB_COLORS))
        return {};
    void* bits = nullptr;
    CountedBitmap recoloured(counted::CreateDIBSection(screen.get(), &bi, &bits));
    if (!recoloured || bits == nullptr) return {};
    auto* out = static_cast<RGBQUAD*>(bits);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const Rgb c = recolour(Rgb{pixels[i].rgbRed, pixels[i].rgbGreen, pixels[i].rgbBlue});
        out[i] = RGBQUAD{c.b, c.g, c.r, pixels[i].rgbReserved};
    }
    ICONINFO made{TRUE, 0, 0, mask.get(), recoloured.get()};
    return UniqueIcon(::CreateIconIndirect(&made));
}

}  // namespace

template <typename Base>
BasicGdiCanvas<Base>::~BasicGdiCanvas() {
    PopAllClips();
}

template <typename Base>
void BasicGdiCanvas<Base>::PopAllClips() noexcept {
    while (clip_depth_ > 0) PopClip();
}

// --- Fills, frames, pixels and lines ------------------------------------------

template <typename Base>
void BasicGdiCanvas<Base>::FillRect(const Rect& r, const Brush& brush) {
    if (r.IsEmpty()) return;
    BrushForCall b(dc_, brush);
    SelectScope select(dc_, b.get());
    ::PatBlt(dc_, r.left, r.top, r.Width(), r.Height(), PATCOPY);
}

template <typename Base>
void BasicGdiCanvas<Base>::FrameRect(const Rect& r, const Brush& brush) {
    if (r.IsEmpty()) return;
    BrushForCall b(dc_, brush);
    const RECT rc = ToRect(r);
    ::FrameRect(dc_, &rc, b.get());
}

template <typename Base>
void BasicGdiCanvas<Base>::SetPixel(Point p, Rgb colour) {
    ::SetPixelV(dc_, p.x, p.y, ToColorRef(colour));
}

template <typename Base>
Rgb BasicGdiCanvas<Base>::GetPixel(Point p) const {
    const COLORREF c = ::GetPixel(dc_, p.x, p.y);
    return c == CLR_INVALID ? Rgb{} : FromColorRef(c);
}

// The gaps of dotted and dashed lines stay untouched.
template <typename Base>
void BasicGdiCanvas<Base>::DrawLine(Point from, Point to, const Pen& pen) {
    CountedPen gdi_pen(CreatePenFor(pen));
    if (!gdi_pen) return;
    SelectScope select(dc_, gdi_pen.get());
    BackModeScope transparent(dc_, TRANSPARENT);
    PositionScope position(dc_);
    ::MoveToEx(dc_, from.x, from.y, nullptr);
    ::LineTo(dc_, to.x, to.y);
}

template <typename Base>
void BasicGdiCanvas<Base>::FillPolygon(std::span<const Point> points, Rgb colour) {
    if (points.size() < 3) return;
    std::vector<POINT> gdi_points;
    gdi_points.reserve(points.size());
    for (const Point& p : points) gdi_points.push_back(POINT{p.x, p.y});
    CountedRegion region(counted::CreatePolygonRgn(gdi_points.data(), static_cast<int>(gdi_points.size()), ALTERNATE));
    CountedBrush brush(counted::CreateSolidBrush(ToColorRef(colour)));
    if (region && brush) ::FillRgn(dc_, region.get(), brush.get());
}

template <typename Base>
void BasicGdiCanvas<Base>::RoundRect(const Rect& r, Size corner, const Pen& pen, const Brush* fill) {
    if (r.IsEmpty()) return;
    CountedPen gdi_pen(CreatePenFor(pen));
    std::optional<BrushForCall> brush;
    if (fill != nullptr) brush.emplace(dc_, *fill);
    SelectScope select_pen(dc_, gdi_pen ? static_cast<HGDIOBJ>(gdi_pen.get()) : ::GetStockObject(NULL_PEN));
    SelectScope select_brush(dc_, brush ? static_cast<HGDIOBJ>(brush->get()) : ::GetStockObject(NULL_BRUSH));
    // The gaps of dotted and dashed outlines keep what is under them.
    BackModeScope transparent(dc_, TRANSPARENT);
    // A null pen leaves the right and bottom edges to the brush, one pixel
    // short; widen by one so a filled shape keeps the rectangle's size.
    const int grow = gdi_pen ? 0 : 1;
    ::RoundRect(dc_, r.left, r.top, r.right + grow, r.bottom + grow, corner.width, corner.height);
}

// --- Fast gradients -----------------------------------------------------------

template <typename Base>
bool BasicGdiCanvas<Base>::HasGradientFill() const {
    return msimg32_ != nullptr && msimg32_->gradient_fill() != nullptr;
}

template <typename Base>
void BasicGdiCanvas<Base>::GradientFillRect(const Rect& r, Rgb start, Rgb end, bool vertical) {
    if (!HasGradientFill() || r.IsEmpty()) return;
    TRIVERTEX v[2] = {Vertex({r.left, r.top}, start), Vertex({r.right, r.bottom}, end)};
    GRADIENT_RECT rect{0, 1};
    msimg32_->gradient_fill()(dc_, v, 2, &rect, 1, vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

template <typename Base>
void BasicGdiCanvas<Base>::GradientFillTriangle(const Point (&vertices)[3], Rgb first, Rgb rest) {
    if (!HasGradientFill()) return;
    TRIVERTEX v[3] = {Vertex(vertices[0], first), Vertex(vertices[1], rest), Vertex(vertices[2], rest)};
    GRADIENT_TRIANGLE triangle{0, 1, 2};
    msimg32_->gradient_fill()(dc_, v, 3, &triangle, 1, GRADIENT_FILL_TRIANGLE);
}

// --- Surfaces and transfers -----------------------------------------------------

template <typename Base>
std::unique_ptr<Surface> BasicGdiCanvas<Base>::CreateSurface(Size size, SurfaceFormat format) const {
    CountedMemoryDc memory(counted::CreateCompatibleDC(dc_));
    if (!memory) return nullptr;
    CountedBitmap bitmap(CreateSurfaceBitmap(memory.get(), size, format));
    if (!bitmap) return nullptr;
    return std::make_unique<GdiSurface>(memory.release(), msimg32_, size, format, bitmap.release());
}

template <typename Base>
void BasicGdiCanvas<Base>::Transfer(const TransferRequest& t) {
    if (t.dest.IsEmpty()) return;
    const bool needs_source = t.op != RasterOp::PatternCopy;
    HDC source = DcOf(t.source);
    if (needs_source && (source == nullptr || t.source_rect.IsEmpty())) return;
    const DWORD rop = RopOf(t.op);
    // Only an operation that reads the brush needs one, and only a
    // monochrome source takes the destination's text and background
    // colours: the plain colour copy of every repaint needs neither.
    CountedBrush brush;
    std::optional<SelectScope> select;
    if (UsesPattern(rop)) {
        brush.reset(counted::CreateSolidBrush(ToColorRef(t.brush)));
        select.emplace(dc_, brush.get());
    }
    std::optional<TextColourScope> zero;
    std::optional<BackColourScope> one;
    if (!IsColourSurface(t.source)) {
        zero.emplace(dc_, ToColorRef(t.mono_zero));
        one.emplace(dc_, ToColorRef(t.mono_one));
    }
    std::optional<BackColourScope> key;
    if (needs_source) key.emplace(source, ToColorRef(t.mono_key));
    const Rect& s = t.source_rect;
    if (!needs_source) {
        ::PatBlt(dc_, t.dest.left, t.dest.top, t.dest.Width(), t.dest.Height(), rop);
    } else if (s.Width() == t.dest.Width() && s.Height() == t.dest.Height()) {
        ::BitBlt(dc_, t.dest.left, t.dest.top, t.dest.Width(), t.dest.Height(), source, s.left, s.top, rop);
    } else {
        StretchModeScope mode(dc_, COLORONCOLOR);
        ::StretchBlt(dc_, t.dest.left, t.dest.top, t.dest.Width(), t.dest.Height(), source, s.left, s.top,
                     s.Width(), s.Height(), rop);
    }
}

template <typename Base>
bool BasicGdiCanvas<Base>::HasAlphaBlend() const {
    return msimg32_ != nullptr && msimg32_->alpha_blend() != nullptr;
}

template <typename Base>
void BasicGdiCanvas<Base>::BlendConstant(const Rect& dest, const Canvas& source, Point origin, std::uint8_t alpha) {
    HDC source_dc = DcOf(&source);
    if (!HasAlphaBlend() || dest.IsEmpty() || source_dc == nullptr) return;
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, 0};
    msimg32_->alpha_blend()(dc_, dest.left, dest.top, dest.Width(), dest.Height(), source_dc, origin.x, origin.y,
                            dest.Width(), dest.Height(), blend);
}

// --- Clipping ---------------------------------------------------------------------

// Each push saves the whole DC state, so a pop restores the clip exactly as
// it was, whatever clip the caller had set.
template <typename Base>
void BasicGdiCanvas<Base>::PushClip(const Rect& r) {
    if (::SaveDC(dc_) == 0) return;
    ++clip_depth_;
    ::IntersectClipRect(dc_, r.left, r.top, r.right, r.bottom);
}

template <typename Base>
void BasicGdiCanvas<Base>::PopClip() {
    if (clip_depth_ == 0) return;
    --clip_depth_;
    ::RestoreDC(dc_, -1);
}

// --- Text -------------------------------------------------------------------------

template <typename Base>
Rect BasicGdiCanvas<Base>::MeasureText(std::u16string_view text, FontRef font, const Rect& bounds,
                                       std::uint32_t format) const {
    FontScope select(dc_, font);
    RECT rc = ToRect(bounds);
    ::DrawTextW(dc_, Wide(text), static_cast<int>(text.size()), &rc, DrawTextFlags(format) | DT_CALCRECT);
    return Rect{rc.left, rc.top, rc.right, rc.bottom};
}

template <typename Base>
void BasicGdiCanvas<Base>::DrawText(std::u16string_view text, FontRef font, Rgb colour, const Rect& bounds,
                                    std::uint32_t format) {
    FontScope select(dc_, font);
    PositionScope position(dc_);
    TextColourScope text_colour(dc_, ToColorRef(colour));
    BackModeScope transparent(dc_, TRANSPARENT);
    RECT rc = ToRect(bounds);
    ::DrawTextW(dc_, Wide(text), static_cast<int>(text.size()), &rc, DrawTextFlags(format));
}

template <typename Base>
void BasicGdiCanvas<Base>::DrawDisabledText(std::u16string_view text, FontRef font, Point origin) {
    FontScope select(dc_, font);
    PositionScope position(dc_);
    const std::wstring copy(Wide(text), text.size());  // the system reads it up to a terminator
    ::DrawStateW(dc_, nullptr, nullptr, reinterpret_cast<LPARAM>(copy.c_str()), static_cast<WPARAM>(copy.size()),
                 origin.x, origin.y, 0, 0, DST_PREFIXTEXT | DSS_DISABLED);
}

template <typename Base>
FontDescription BasicGdiCanvas<Base>::DescribeFont(FontRef font) const {
    HGDIOBJ object = font.value != 0 ? reinterpret_cast<HGDIOBJ>(font.value) : ::GetCurrentObject(dc_, OBJ_FONT);
    LOGFONTW lf{};
    if (::GetObjectW(object, sizeof lf, &lf) == 0) return {};
    FontDescription d;
    d.face.assign(reinterpret_cast<const char16_t*>(lf.lfFaceName));
    d.height = lf.lfHeight;
    d.weight = lf.lfWeight;
    d.italic = lf.lfItalic != 0;
    d.underline = lf.lfUnderline != 0;
    return d;
}

template <typename Base>
std::unique_ptr<OwnedFont> BasicGdiCanvas<Base>::CreateUnderlinedFont(FontRef font) const {
    HGDIOBJ object = font.value != 0 ? reinterpret_cast<HGDIOBJ>(font.value) : ::GetCurrentObject(dc_, OBJ_FONT);
    LOGFONTW lf{};
    if (::GetObjectW(object, sizeof lf, &lf) == 0) return nullptr;
    lf.lfUnderline = TRUE;
    HFONT made = counted::CreateFontIndirect(&lf);
    if (made == nullptr) return nullptr;
    return std::make_unique<GdiOwnedFont>(made);
}

// --- Pictures -----------------------------------------------------------------------

template <typename Base>
Size BasicGdiCanvas<Base>::PicturePixelSize(const PictureRef& picture) const {
    constexpr int kHimetricPerInch = 2540;
    return Size{::MulDiv(picture.himetric.width, ::GetDeviceCaps(dc_, LOGPIXELSX), kHimetricPerInch),
                ::MulDiv(picture.himetric.height, ::GetDeviceCaps(dc_, LOGPIXELSY), kHimetricPerInch)};
}

template <typename Base>
void BasicGdiCanvas<Base>::CopyBitmap(const PictureRef& picture, const Rect& dest, const Rect& source) {
    if (picture.kind != PictureKind::Bitmap || dest.IsEmpty() || source.IsEmpty()) return;
    CountedMemoryDc memory(counted::CreateCompatibleDC(dc_));
    if (!memory) return;
    SelectScope select(memory.get(), reinterpret_cast<HGDIOBJ>(picture.value));
    StretchModeScope mode(dc_, COLORONCOLOR);
    ::StretchBlt(dc_, dest.left, dest.top, dest.Width(), dest.Height(), memory.get(), source.left, source.top,
                 source.Width(), source.Height(), SRCCOPY);
}

template <typename Base>
void BasicGdiCanvas<Base>::DrawIcon(const PictureRef& picture, const Rect& dest, PictureForm form,
                                    ColourMap recolour) {
    if (picture.kind != PictureKind::Icon || dest.IsEmpty()) return;
    HICON icon = reinterpret_cast<HICON>(picture.value);
    UniqueIcon made;
    if (recolour != nullptr) {
        made = RecolouredIcon(icon, recolour);
        if (made) icon = made.get();
    }
    const UINT state = form == PictureForm::Disabled ? DSS_DISABLED : DSS_NORMAL;
    ::DrawStateW(dc_, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, dest.left, dest.top, dest.Width(),
                 dest.Height(), DST_ICON | state);
}

// Picture objects hand out either metafile kind under the one picture type;
// the handle says which it is. Everything the records change in the DC is
// undone by the save and restore around them.
template <typename Base>
void BasicGdiCanvas<Base>::PlayMetafile(const PictureRef& picture, const Rect& dest) {
    if (picture.kind != PictureKind::Metafile || picture.value == 0 || dest.IsEmpty()) return;
    HGDIOBJ handle = reinterpret_cast<HGDIOBJ>(picture.value);
    const int saved = ::SaveDC(dc_);
    if (saved == 0) return;
    if (::GetObjectType(handle) == OBJ_ENHMETAFILE) {
        const RECT rc = ToRect(dest);
        ::PlayEnhMetaFile(dc_, reinterpret_cast<HENHMETAFILE>(handle), &rc);
    } else if (::GetObjectType(handle) == OBJ_METAFILE) {
        // An old-style metafile has no frame of its own: its logical extent
        // is the picture's size unless its records set another.
        ::SetMapMode(dc_, MM_ANISOTROPIC);
        ::SetWindowOrgEx(dc_, 0, 0, nullptr);
        ::SetWindowExtEx(dc_, std::max(picture.himetric.width, 1), std::max(picture.himetric.height, 1), nullptr);
        ::SetViewportOrgEx(dc_, dest.left, dest.top, nullptr);
        ::SetViewportExtEx(dc_, dest.Width(), dest.Height(), nullptr);
        ::PlayMetaFile(dc_, reinterpret_cast<HMETAFILE>(handle));
    }
    ::RestoreDC(dc_, saved);
}

template class BasicGdiCanvas<Canvas>;
template class BasicGdiCanvas<Surface>;

}  // namespace brixel::win
