#include "pixel/pixel_canvas.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace brixel::pixel {
namespace {

constexpr Pixel kWhitePixel = 0x00FFFFFF;
constexpr int kColourBtnShadow = 16;
constexpr int kColourBtnHighlight = 20;

std::size_t Area(Size s) {
    return static_cast<std::size_t>(std::max(s.width, 0)) * static_cast<std::size_t>(std::max(s.height, 0));
}

// The source index each destination index reads when `dst` pixels take
// their colours from `src` pixels, as a colour-on-colour stretch picks
// them: enlarging, the source pixel whose span holds the destination
// pixel's centre (a centre on a boundary takes the left one); shrinking,
// of the source pixels whose centres fall in the destination pixel, the
// last one along a row and the first one down a column.
enum class Shrink { KeepLast, KeepFirst };

std::vector<int> StretchMap(int dst, int src, Shrink shrink) {
    std::vector<int> map(static_cast<std::size_t>(std::max(dst, 0)), 0);
    if (dst <= 0 || src <= 0) return map;
    const auto centre_in = [](long long i, long long to, long long from) {
        return static_cast<int>(((2 * i + 1) * to + 2 * from - 1) / (2 * from) - 1);
    };
    if (dst >= src) {
        for (int i = 0; i < dst; ++i) map[static_cast<std::size_t>(i)] = centre_in(i, src, dst);
        return map;
    }
    std::vector<bool> taken(map.size(), false);
    for (int j = 0; j < src; ++j) {
        const auto d = static_cast<std::size_t>(centre_in(j, dst, src));
        if (shrink == Shrink::KeepLast || !taken[d]) map[d] = j;
        taken[d] = true;
    }
    return map;
}

// The rop index byte uses the source when its result differs by S.
bool UsesSource(std::uint8_t code) { return ((code >> 2) ^ code) & 0x33; }

const PixelCanvas* PixelSource(const Canvas* canvas) { return dynamic_cast<const PixelCanvas*>(canvas); }

// The source pixels of one transfer: a pixel canvas read directly, any
// other canvas through GetPixel. The source's kind is found once per
// transfer, not once per pixel: a face's final copy reads every pixel.
class SourceReader {
public:
    explicit SourceReader(const Canvas& source) : source_(source), pixels_(PixelSource(&source)) {}
    // The pixel, with whether it lies inside the source.
    std::pair<bool, Pixel> At(int x, int y) const {
        if (pixels_ == nullptr) return {true, ToPixel(source_.GetPixel({x, y}))};
        if (!pixels_->pixels().Contains(x, y)) return {false, 0};
        return {true, pixels_->pixels().At(x, y)};
    }

private:
    const Canvas& source_;
    const PixelCanvas* pixels_;
};

bool SourceIsMonochrome(const Canvas* source) {
    const PixelCanvas* pc = PixelSource(source);
    return pc != nullptr && pc->format() == SurfaceFormat::Monochrome;
}

}  // namespace

// --- Buffer ------------------------------------------------------------------------

PixelBuffer::PixelBuffer(Size size)
    : owned_(Area(size), 0), bits_(owned_.data()), size_(size),
      stride_(static_cast<std::size_t>(std::max(size.width, 0)) * sizeof(Pixel)) {}

PixelBuffer::PixelBuffer(Pixel* bits, Size size, std::size_t stride_bytes)
    : bits_(bits), size_(bits != nullptr ? size : Size{}), stride_(stride_bytes) {}

// --- Canvas ------------------------------------------------------------------------

PixelCanvas::PixelCanvas(Size size, SurfaceFormat format, PixelEnvironment env)
    : pixels_(size), format_(format), env_(env), clips_{Rect{0, 0, size.width, size.height}} {}

PixelCanvas::PixelCanvas(Pixel* bits, Size size, std::size_t stride_bytes, PixelEnvironment env)
    : pixels_(bits, size, stride_bytes), format_(SurfaceFormat::Colour), env_(env),
      clips_{Rect{0, 0, pixels_.size().width, pixels_.size().height}} {}

Pixel PixelCanvas::Stored(Pixel p) const {
    // A monochrome surface takes white as 1 and every other colour as 0.
    if (format_ == SurfaceFormat::Monochrome) return (p & kWhitePixel) == kWhitePixel ? kWhitePixel : 0;
    return p & kWhitePixel;
}

void PixelCanvas::Plot(int x, int y, Pixel p) {
    const Rect& c = Clip();
    if (x < c.left || y < c.top || x >= c.right || y >= c.bottom) return;
    pixels_.Put(x, y, Stored(p));
}

// Patterns are aligned to the surface's origin, as brushes are by default.
Pixel PixelCanvas::BrushAt(const Brush& brush, int x, int y) const {
    if (!brush.patterned) return ToPixel(brush.colour);
    const bool set = (brush.pattern[y & 7] >> (7 - (x & 7))) & 1;
    return ToPixel(set ? brush.colour : brush.background);
}

void PixelCanvas::FillRect(const Rect& r, const Brush& brush) {
    const Rect area = r.Intersected(Clip());
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) pixels_.Put(x, y, Stored(BrushAt(brush, x, y)));
}

void PixelCanvas::FrameRect(const Rect& r, const Brush& brush) {
    if (r.IsEmpty()) return;
    FillRect({r.left, r.top, r.right, r.top + 1}, brush);
    FillRect({r.left, r.bottom - 1, r.right, r.bottom}, brush);
    FillRect({r.left, r.top + 1, r.left + 1, r.bottom - 1}, brush);
    FillRect({r.right - 1, r.top + 1, r.right, r.bottom - 1}, brush);
}

void PixelCanvas::SetPixel(Point p, Rgb colour) { Plot(p.x, p.y, ToPixel(colour)); }

Rgb PixelCanvas::GetPixel(Point p) const {
    return pixels_.Contains(p.x, p.y) ? ToRgb(pixels_.At(p.x, p.y)) : Rgb{};
}

void PixelCanvas::DrawLine(Point from, Point to, const Pen& pen) {
    const Point points[2] = {from, to};
    Polyline(points, false, pen);
}

// One dash pattern runs on through every segment of the figure.
void PixelCanvas::Polyline(std::span<const Point> points, bool closed, const Pen& pen) {
    if (pen.style == PenStyle::None || points.size() < 2) return;
    const std::span<const int> pattern = DashPattern(pen.style);
    const Pixel colour = ToPixel(pen.colour);
    std::size_t index = 0;
    const std::size_t segments = closed ? points.size() : points.size() - 1;
    for (std::size_t i = 0; i < segments; ++i) {
        for (const Point& p : LinePixels(points[i], points[(i + 1) % points.size()]))
            if (DashDrawn(pattern, index++)) Plot(p.x, p.y, colour);
    }
}

void PixelCanvas::FillSpans(const std::vector<Span>& spans, const Brush& brush) {
    for (const Span& s : spans) FillRect({s.left, s.y, s.right, s.y + 1}, brush);
}

void PixelCanvas::FillPolygon(std::span<const Point> points, Rgb colour) {
    FillSpans(PolygonSpans(points), Brush::Solid(colour));
}

void PixelCanvas::RoundRect(const Rect& r, Size corner, const Pen& pen, const Brush* fill) {
    if (r.IsEmpty()) return;
    if (pen.style != PenStyle::None) {
        RoundRectOutline(r, corner, pen, fill);
        return;
    }
    // Without a pen the inside covers the whole rectangle, as the GDI
    // backend asks of the system by widening the call by one pixel.
    if (fill == nullptr) return;
    const int w = std::min(r.Width() + 1, std::abs(corner.width));
    const int h = std::min(r.Height() + 1, std::abs(corner.height));
    if (w <= 2 || h <= 2) {
        FillRect(r, *fill);
        return;
    }
    FillSpans(RoundRectRegion({r.left, r.top, r.right + 1, r.bottom + 1}, {w, h}), *fill);
}

// The inside (rounded region, or the rectangle one pixel in) first, then
// the outline over it.
void PixelCanvas::RoundRectOutline(const Rect& r, Size corner, const Pen& pen, const Brush* fill) {
    const std::vector<Point> outline = pixel::RoundRectOutline(r, corner);
    if (outline.empty()) {
        if (fill != nullptr) FillRect({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, *fill);
        const Point box[4] = {{r.right - 1, r.top}, {r.left, r.top}, {r.left, r.bottom - 1}, {r.right - 1, r.bottom - 1}};
        Polyline(box, true, pen);
        return;
    }
    if (fill != nullptr) {
        const Size ellipse{std::min(r.Width(), std::abs(corner.width)), std::min(r.Height(), std::abs(corner.height))};
        FillSpans(RoundRectRegion({r.left, r.top, r.right + 1, r.bottom + 1}, ellipse), *fill);
    }
    Polyline(outline, true, pen);
}

// --- Gradients ---------------------------------------------------------------------

void PixelCanvas::GradientFillRect(const Rect& r, Rgb start, Rgb end, bool vertical) {
    if (!HasGradientFill() || r.IsEmpty()) return;
    const Rect area = r.Intersected(Clip());
    if (area.IsEmpty()) return;
    // One colour per step along the gradient, reused across it.
    const int length = vertical ? r.Height() : r.Width();
    std::vector<Pixel> steps(static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i) steps[static_cast<std::size_t>(i)] = Stored(ToPixel(GradientAt(start, end, i, length)));
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            pixels_.Put(x, y, steps[static_cast<std::size_t>(vertical ? y - r.top : x - r.left)]);
}

void PixelCanvas::GradientFillTriangle(const Point (&vertices)[3], Rgb first, Rgb rest) {
    if (!HasGradientFill()) return;
    std::pair<Point, Rgb> sorted[3] = {{vertices[0], first}, {vertices[1], rest}, {vertices[2], rest}};
    std::stable_sort(std::begin(sorted), std::end(sorted),
                     [](const auto& a, const auto& b) { return a.first.y < b.first.y; });
    const Point v[3] = {sorted[0].first, sorted[1].first, sorted[2].first};
    const Rgb c[3] = {sorted[0].second, sorted[1].second, sorted[2].second};
    for (const Span& s : TriangleSpans(v))
        for (int x = s.left; x < s.right; ++x) Plot(x, s.y, ToPixel(TriangleColourAt(v, c, x, s.y)));
}

// --- Surfaces and transfers --------------------------------------------------------

std::unique_ptr<Surface> PixelCanvas::CreateSurface(Size size, SurfaceFormat format) const {
    if (size.width < 0 || size.height < 0) return nullptr;
    return std::make_unique<PixelCanvas>(size, format, env_);
}

// A colour pixel canvas copied one to one: every face's final copy. The
// pixels go across as they are, which is what the general path computes
// for this case, without its per-pixel operation and stretch lookups.
bool PixelCanvas::CopiedPlainly(const TransferRequest& t) {
    const PixelCanvas* source = PixelSource(t.source);
    if (t.op != RasterOp::SourceCopy || source == nullptr || source->format_ != SurfaceFormat::Colour ||
        format_ != SurfaceFormat::Colour || t.dest.Width() != t.source_rect.Width() ||
        t.dest.Height() != t.source_rect.Height())
        return false;
    const int dx = t.source_rect.left - t.dest.left, dy = t.source_rect.top - t.dest.top;
    // The system clips the source to its bitmap.
    const Rect from{0, 0, source->size().width, source->size().height};
    const Rect area = t.dest.Intersected(Clip()).Intersected(from.Offset(-dx, -dy));
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) pixels_.Put(x, y, source->pixels_.At(x + dx, y + dy));
    return true;
}

void PixelCanvas::Transfer(const TransferRequest& t) {
    if (t.dest.IsEmpty() || CopiedPlainly(t)) return;
    const std::uint8_t code = RopCode(t.op);
    const bool needs_source = UsesSource(code);
    if (needs_source && (t.source == nullptr || t.source_rect.IsEmpty())) return;
    const bool mono_in = needs_source && SourceIsMonochrome(t.source);
    const bool mono_out = format_ == SurfaceFormat::Monochrome;
    const std::vector<int> xs = StretchMap(t.dest.Width(), t.source_rect.Width(), Shrink::KeepLast);
    const std::vector<int> ys = StretchMap(t.dest.Height(), t.source_rect.Height(), Shrink::KeepFirst);
    const Pixel brush = Stored(ToPixel(t.brush));
    const Rect area = t.dest.Intersected(Clip());
    // Without a source the reader is never asked; it reads the destination.
    const SourceReader source(needs_source ? *t.source : *this);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            Pixel s = 0;
            if (needs_source) {
                const auto [inside, value] =
                    source.At(t.source_rect.left + xs[x - t.dest.left], t.source_rect.top + ys[y - t.dest.top]);
                if (!inside) continue;  // the system clips the source to its bitmap
                s = value;
                if (mono_in && !mono_out) s = ToPixel(s == kWhitePixel ? t.mono_one : t.mono_zero);
                if (!mono_in && mono_out) s = s == ToPixel(t.mono_key) ? kWhitePixel : 0;
            }
            pixels_.Put(x, y, Stored(Rop3(code, brush, s, pixels_.At(x, y))));
        }
}

// The whole source rectangle must lie in the source, or nothing is drawn.
void PixelCanvas::BlendConstant(const Rect& dest, const Canvas& source, Point origin, std::uint8_t alpha) {
    if (!HasAlphaBlend() || dest.IsEmpty()) return;
    if (const PixelCanvas* pc = PixelSource(&source)) {
        const Size s = pc->size();
        if (origin.x < 0 || origin.y < 0 || origin.x + dest.Width() > s.width || origin.y + dest.Height() > s.height)
            return;
    }
    const Rect area = dest.Intersected(Clip());
    const SourceReader reader(source);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const Pixel s = reader.At(origin.x + x - dest.left, origin.y + y - dest.top).second;
            pixels_.Put(x, y, Stored(ToPixel(Blend(ToRgb(pixels_.At(x, y)), ToRgb(s), alpha))));
        }
}

// --- Clipping ------------------------------------------------------------------------

void PixelCanvas::PushClip(const Rect& r) {
    Rect next = Clip().Intersected(r);
    if (next.IsEmpty()) next = {0, 0, 0, 0};
    clips_.push_back(next);
}

void PixelCanvas::PopClip() {
    if (clips_.size() > 1) clips_.pop_back();
}

// --- Text ----------------------------------------------------------------------------

Rect PixelCanvas::MeasureText(std::u16string_view text, FontRef font, const Rect& bounds,
                              std::uint32_t format) const {
    if (env_.text == nullptr) return {bounds.left, bounds.top, bounds.left, bounds.top};
    return env_.text->Measure(text, font, bounds, format);
}

// Clipped to the bounds as well, and blended by coverage.
void PixelCanvas::DrawText(std::u16string_view text, FontRef font, Rgb colour, const Rect& bounds,
                           std::uint32_t format) {
    if (env_.text == nullptr) return;
    const Rect area = bounds.Intersected(Clip());
    const bool mono = format_ == SurfaceFormat::Monochrome;
    env_.text->Render(text, font, bounds, format, [&](int x, int y, std::uint8_t coverage) {
        if (x < area.left || y < area.top || x >= area.right || y >= area.bottom) return;
        if (mono) {
            if (coverage >= 128) pixels_.Put(x, y, Stored(ToPixel(colour)));
            return;
        }
        pixels_.Put(x, y, ToPixel(Blend(ToRgb(pixels_.At(x, y)), colour, coverage)));
    });
}

Rgb PixelCanvas::SystemColour(int index, Rgb fallback) const {
    return env_.system_colours != nullptr ? env_.system_colours->SystemColour(index) : fallback;
}

template <typename Ink>
void PixelCanvas::Emboss(const Rect& box, Ink ink) {
    const Pixel light = ToPixel(SystemColour(kColourBtnHighlight, kWhite));
    const Pixel dark = ToPixel(SystemColour(kColourBtnShadow, {128, 128, 128}));
    for (const auto& [offset, colour] : {std::pair{1, light}, std::pair{0, dark}})
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x)
                if (ink(x, y)) Plot(x + offset, y + offset, colour);
}

// The system renders the text black on white in one bit per pixel first,
// so a pixel counts when a glyph covers at least half of it.
void PixelCanvas::DrawDisabledText(std::u16string_view text, FontRef font, Point origin) {
    if (env_.text == nullptr) return;
    constexpr int kFar = 1 << 20;
    const Rect extent = env_.text->Measure(text, font, {origin.x, origin.y, origin.x + kFar, origin.y + kFar},
                                           kTextSingleLine);
    const Rect box{origin.x, origin.y, origin.x + extent.Width(), origin.y + extent.Height()};
    std::vector<std::uint8_t> mask(Area({box.Width(), box.Height()}), 0);
    env_.text->Render(text, font, box, kTextSingleLine, [&](int x, int y, std::uint8_t coverage) {
        if (coverage < 128 || x < box.left || y < box.top || x >= box.right || y >= box.bottom) return;
        mask[static_cast<std::size_t>(y - box.top) * static_cast<std::size_t>(box.Width()) +
             static_cast<std::size_t>(x - box.left)] = 1;
    });
    Emboss(box, [&](int x, int y) {
        return mask[static_cast<std::size_t>(y - box.top) * static_cast<std::size_t>(box.Width()) +
                    static_cast<std::size_t>(x - box.left)] != 0;
    });
}

FontDescription PixelCanvas::DescribeFont(FontRef font) const {
    return env_.text != nullptr ? env_.text->Describe(font) : FontDescription{};
}

std::unique_ptr<OwnedFont> PixelCanvas::CreateUnderlinedFont(FontRef font) const {
    return env_.text != nullptr ? env_.text->CreateUnderlined(font) : nullptr;
}

// --- Pictures --------------------------------------------------------------------------

// HIMETRIC to pixels rounds to the nearest pixel, as MulDiv does.
Size PixelCanvas::PicturePixelSize(const PictureRef& picture) const {
    constexpr long long kHimetricPerInch = 2540;
    const auto convert = [this](int v) {
        const long long n = static_cast<long long>(v) * env_.dpi;
        return static_cast<int>(n >= 0 ? (n + kHimetricPerInch / 2) / kHimetricPerInch
                                       : -((-n + kHimetricPerInch / 2) / kHimetricPerInch));
    };
    return {convert(picture.himetric.width), convert(picture.himetric.height)};
}

void PixelCanvas::CopyBitmap(const PictureRef& picture, const Rect& dest, const Rect& source) {
    const PixelPicture* p = env_.pictures != nullptr ? env_.pictures->Find(picture) : nullptr;
    if (p == nullptr || p->kind != PictureKind::Bitmap || dest.IsEmpty() || source.IsEmpty()) return;
    const std::vector<int> xs = StretchMap(dest.Width(), source.Width(), Shrink::KeepLast);
    const std::vector<int> ys = StretchMap(dest.Height(), source.Height(), Shrink::KeepFirst);
    for (int y = dest.top; y < dest.bottom; ++y)
        for (int x = dest.left; x < dest.right; ++x) {
            const int sx = source.left + xs[x - dest.left], sy = source.top + ys[y - dest.top];
            if (sx < 0 || sy < 0 || sx >= p->size.width || sy >= p->size.height) continue;
            Plot(x, y, p->ColourAt(sx, sy));
        }
}

// The system's state drawing puts an icon at its own size at the top left
// of `dest`. Normal: AND with the mask, XOR with the (recoloured) colour
// pixels. Disabled: the icon is drawn black on white into an image the
// size of `dest` and that image is embossed.
void PixelCanvas::DrawIcon(const PictureRef& picture, const Rect& dest, PictureForm form, ColourMap recolour) {
    const PixelPicture* p = env_.pictures != nullptr ? env_.pictures->Find(picture) : nullptr;
    if (p == nullptr || p->kind != PictureKind::Icon || dest.IsEmpty()) return;
    const bool recoloured = recolour != nullptr && p->HasColour();
    const auto source = [&](int x, int y) {
        Pixel c = p->ColourAt(x - dest.left, y - dest.top);
        if (recoloured) c = ToPixel(recolour(ToRgb(c)));
        return std::pair{p->Transparent(x - dest.left, y - dest.top), c};
    };
    const Rect icon{dest.left, dest.top, dest.left + p->size.width, dest.top + p->size.height};
    if (form == PictureForm::Disabled) {
        Emboss(icon.Intersected(dest), [&](int x, int y) {
            const auto [keep, c] = source(x, y);
            return (keep ? (kWhitePixel ^ c) : c) != kWhitePixel;
        });
        return;
    }
    const Rect area = icon.Intersected(Clip());
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const auto [keep, c] = source(x, y);
            pixels_.Put(x, y, Stored(keep ? pixels_.At(x, y) ^ c : c));
        }
}

void PixelCanvas::PlayMetafile(const PictureRef& picture, const Rect& dest) {
    const PixelPicture* p = env_.pictures != nullptr ? env_.pictures->Find(picture) : nullptr;
    if (p == nullptr || p->kind != PictureKind::Metafile || dest.IsEmpty()) return;
    const std::vector<int> xs = StretchMap(dest.Width(), p->size.width, Shrink::KeepLast);
    const std::vector<int> ys = StretchMap(dest.Height(), p->size.height, Shrink::KeepFirst);
    for (int y = dest.top; y < dest.bottom; ++y)
        for (int x = dest.left; x < dest.right; ++x) {
            const int sx = xs[x - dest.left], sy = ys[y - dest.top];
            if (!p->Transparent(sx, sy)) Plot(x, y, p->ColourAt(sx, sy));
        }
}

}  // namespace brixel::pixel
