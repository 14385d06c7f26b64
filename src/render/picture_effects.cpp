#include "render/picture_effects.h"

#include <algorithm>

namespace brixel {
namespace {

std::uint8_t Scaled(std::uint8_t v, int numerator) {
    return static_cast<std::uint8_t>(std::min(255, v * numerator / 4));
}

Rgb MovedOffKey(Rgb c) {
    c.b = c.b > 0 ? static_cast<std::uint8_t>(c.b - 1) : 1;
    return c;
}

Size SizeOf(const Rect& r) { return {r.Width(), r.Height()}; }
Rect AtOrigin(Size s) { return {0, 0, s.width, s.height}; }

Rgb IconLighter(Rgb c) { return LighterColor(c); }
Rgb IconDarker(Rgb c) { return DarkenColor(c); }

}  // namespace

// x * 5 / 4 and x * 3 / 4 in integers are exactly trunc(x * 1.25) and
// trunc(x * 0.75) without rounding surprises from floating point.
Rgb LighterColor(Rgb c) { return {Scaled(c.r, 5), Scaled(c.g, 5), Scaled(c.b, 5)}; }
Rgb DarkenColor(Rgb c) { return {Scaled(c.r, 3), Scaled(c.g, 3), Scaled(c.b, 3)}; }

void CopyImage(Canvas& to, const Rect& dest, const ImageSource& from) {
    if (from.picture != nullptr) {
        to.CopyBitmap(*from.picture, dest, from.rect);
        return;
    }
    TransferRequest t;
    t.dest = dest;
    t.source = from.surface;
    t.source_rect = from.rect;
    to.Transfer(t);
}

std::unique_ptr<Surface> CreateCompatibleBitmapForNET(const Canvas& like, const PictureRef& bitmap, Size size) {
    auto copy = like.CreateSurface(size, SurfaceFormat::Colour);
    if (copy) copy->CopyBitmap(bitmap, AtOrigin(size), AtOrigin(size));
    return copy;
}

std::unique_ptr<Surface> CreateDarkerOrLighterBitmap(const Canvas& like, const ImageSource& from, Rgb transparent,
                                                     bool darker) {
    const Size size = SizeOf(from.rect);
    auto image = like.CreateSurface(size, SurfaceFormat::Colour);
    if (!image) return nullptr;
    CopyImage(*image, AtOrigin(size), from);
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) {
            const Rgb c = image->GetPixel({x, y});
            if (c == transparent) continue;
            Rgb changed = darker ? DarkenColor(c) : LighterColor(c);
            if (changed == transparent) changed = MovedOffKey(changed);
            image->SetPixel({x, y}, changed);
        }
    return image;
}

ColourMap DarkerOrLighterIconMap(bool darker) { return darker ? &IconDarker : &IconLighter; }

// The mask is 1 where the picture is transparent. Transparent pixels of the
// copy are blackened so that OR-ing it adds nothing there; the target is
// cleared where the picture is opaque so that OR-ing it shows the picture.
void TransparentBlt(Canvas& target, const Rect& dest, const ImageSource& from, Rgb transparent) {
    if (dest.IsEmpty() || from.rect.IsEmpty()) return;
    const Size size = SizeOf(dest);
    auto image = target.CreateSurface(size, SurfaceFormat::Colour);
    auto mask = target.CreateSurface(size, SurfaceFormat::Monochrome);
    if (!image || !mask) return;
    CopyImage(*image, AtOrigin(size), from);

    TransferRequest t;
    t.dest = AtOrigin(size);
    t.source = image.get();
    t.source_rect = AtOrigin(size);
    t.mono_key = transparent;
    mask->Transfer(t);

    t.source = mask.get();
    t.op = RasterOp::SourceAnd;
    t.mono_zero = kWhite;
    t.mono_one = kBlack;
    image->Transfer(t);

    t.dest = dest;
    t.mono_zero = kBlack;
    t.mono_one = kWhite;
    target.Transfer(t);

    t.source = image.get();
    t.op = RasterOp::SourceOr;
    target.Transfer(t);
}

namespace {

// Turns the transparent pixels of `image` white through a mask made in `mono`.
void WhitenTransparent(Surface& image, Surface& mono, Rgb transparent) {
    const Rect all = AtOrigin(image.size());
    TransferRequest t;
    t.dest = all;
    t.source = &image;
    t.source_rect = all;
    t.mono_key = transparent;
    mono.Transfer(t);
    t.source = &mono;
    t.op = RasterOp::SourceOr;
    t.mono_zero = kBlack;
    t.mono_one = kWhite;
    image.Transfer(t);
}

}  // namespace

void DitherBlt(Canvas& target, const Rect& dest, const ImageSource& from, const EmbossColours& colours,
               Rgb transparent) {
    if (dest.IsEmpty() || from.rect.IsEmpty()) return;
    const Size size = SizeOf(dest);
    auto image = target.CreateSurface(size, SurfaceFormat::Colour);
    auto mono = target.CreateSurface(size, SurfaceFormat::Monochrome);
    if (!image || !mono) return;
    CopyImage(*image, AtOrigin(size), from);
    if (transparent != kWhite) WhitenTransparent(*image, *mono, transparent);

    TransferRequest t;
    t.dest = AtOrigin(size);
    t.source = image.get();
    t.source_rect = AtOrigin(size);
    t.mono_key = kWhite;  // white stays white (1); everything else is drawn
    mono->Transfer(t);

    target.FillRect(dest, Brush::Solid(colours.face));
    t.source = mono.get();
    t.op = RasterOp::BrushWhereSourceZero;
    t.mono_zero = kBlack;
    t.mono_one = kWhite;
    t.dest = dest.Offset(1, 1);
    t.brush = colours.highlight;
    target.Transfer(t);
    t.dest = dest;
    t.brush = colours.shadow;
    target.Transfer(t);
}

}  // namespace brixel
