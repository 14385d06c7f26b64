#include "render/picture_draw.h"

#include "core/enums.h"
#include "render/picture_placement.h"

namespace brixel {
namespace {

bool Recoloured(PictureEffect e) { return e == PictureEffect::Lighter || e == PictureEffect::Darker; }

Rect SizedAt(Point origin, Size size) { return {origin.x, origin.y, origin.x + size.width, origin.y + size.height}; }

void DrawIconPicture(Canvas& canvas, const PictureRef& picture, const PicturePlacement& place,
                     const PictureDrawing& how) {
    const ColourMap recolour =
        Recoloured(how.effect) ? DarkerOrLighterIconMap(how.effect == PictureEffect::Darker) : nullptr;
    canvas.DrawIcon(picture, SizedAt(place.origin, place.shown), how.embossed ? PictureForm::Disabled : PictureForm::Normal,
                    recolour);
}

// A metafile is played once into a surface of the size it is drawn at,
// over the colour that will be left out, so that from here on it is drawn
// exactly like a bitmap: with its transparent colour, effects and emboss.
std::unique_ptr<Surface> RenderMetafile(const Canvas& like, const PictureRef& picture, Size size, Rgb ground) {
    auto image = like.CreateSurface(size, SurfaceFormat::Colour);
    if (!image) return nullptr;
    const Rect all{0, 0, size.width, size.height};
    image->FillRect(all, Brush::Solid(ground));
    image->PlayMetafile(picture, all);
    return image;
}

void DrawRaster(Canvas& canvas, const PictureRef& picture, Size size, const PicturePlacement& place,
                const PictureDrawing& how) {
    const bool stretched = how.style == kvnStretched;
    const Rect dest = stretched ? place.area : SizedAt(place.origin, size);
    if (dest.IsEmpty() || size.width <= 0 || size.height <= 0) return;
    std::unique_ptr<Surface> held;
    ImageSource source{&picture, nullptr, {0, 0, size.width, size.height}};
    if (picture.kind == PictureKind::Metafile) {
        const Size drawn{dest.Width(), dest.Height()};
        held = RenderMetafile(canvas, picture, drawn, how.transparent);
        source = {nullptr, held.get(), {0, 0, drawn.width, drawn.height}};
    } else if (how.device_copy && !Recoloured(how.effect)) {
        held = CreateCompatibleBitmapForNET(canvas, picture, size);
        source = {nullptr, held.get(), source.rect};
    }
    if (source.picture == nullptr && source.surface == nullptr) return;
    if (Recoloured(how.effect)) {
        held = CreateDarkerOrLighterBitmap(canvas, source, how.transparent, how.effect == PictureEffect::Darker);
        if (!held) return;
        source = {nullptr, held.get(), source.rect};
    }
    if (how.embossed)
        DitherBlt(canvas, dest, source, how.emboss, how.transparent);
    else
        TransparentBlt(canvas, dest, source, how.transparent);
}

}  // namespace

void DrawPicture(Canvas& canvas, const PictureRef& picture, const Rect& area, const PictureDrawing& how) {
    if (picture.kind == PictureKind::None) return;
    const Size size = canvas.PicturePixelSize(picture);
    PicturePlacement place = PlacePicture(area, size, how.h_alignment, how.v_alignment);
    if (how.effect == PictureEffect::Popup) place = PoppedUp(place);
    if (picture.kind == PictureKind::Icon)
        DrawIconPicture(canvas, picture, place, how);
    else
        DrawRaster(canvas, picture, size, place, how);
}

}  // namespace brixel
