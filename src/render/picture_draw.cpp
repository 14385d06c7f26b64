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

// A metafile is played once into a surface of the part of it that shows,
// over the colour that will be left out, so that from here on it is drawn
// exactly like a bitmap: with its transparent colour, effects and emboss.
// `frame` is where the whole metafile lies, relative to the shown part.
std::unique_ptr<Surface> RenderMetafile(const Canvas& like, const PictureRef& picture, Size shown, const Rect& frame,
                                        Rgb ground) {
    auto image = like.CreateSurface(shown, SurfaceFormat::Colour);
    if (!image) return nullptr;
    image->FillRect({0, 0, shown.width, shown.height}, Brush::Solid(ground));
    image->PlayMetafile(picture, frame);
    return image;
}

void DrawRaster(Canvas& canvas, const PictureRef& picture, Size size, const PicturePlacement& place,
                const PictureDrawing& how) {
    const bool stretched = how.style == kvnStretched;
    const Rect whole = stretched ? place.area : SizedAt(place.origin, size);
    if (whole.IsEmpty() || size.width <= 0 || size.height <= 0) return;
    // Only what shows is drawn. A stretched picture fills the area, which
    // keeps its scale, so it is drawn whole.
    const Rect dest = how.visible && !stretched ? whole.Intersected(*how.visible) : whole;
    if (dest.IsEmpty()) return;
    const int dx = dest.left - whole.left, dy = dest.top - whole.top;
    std::unique_ptr<Surface> held;
    ImageSource source{&picture, nullptr, {0, 0, size.width, size.height}};
    if (!stretched) source.rect = {dx, dy, dx + dest.Width(), dy + dest.Height()};
    if (picture.kind == PictureKind::Metafile) {
        const Size drawn{dest.Width(), dest.Height()};
        held = RenderMetafile(canvas, picture, drawn, whole.Offset(-dest.left, -dest.top), how.transparent);
        source = {nullptr, held.get(), {0, 0, drawn.width, drawn.height}};
    } else if (how.device_copy && !Recoloured(how.effect)) {
        held = CreateCompatibleBitmapForNET(canvas, picture, size);
        source = {nullptr, held.get(), source.rect};
    }
    if (source.picture == nullptr && source.surface == nullptr) return;
    if (Recoloured(how.effect)) {
        held = CreateDarkerOrLighterBitmap(canvas, source, how.transparent, how.effect == PictureEffect::Darker);
        if (!held) return;
        source = {nullptr, held.get(), {0, 0, source.rect.Width(), source.rect.Height()}};
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
