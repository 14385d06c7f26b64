// The picture effects and transparent drawing, on canvas surfaces so that any
// backend with pixel access and transfers gets them: lighter and darker copies
// that leave the transparent colour alone, the mask method of drawing with a
// transparent colour, and the embossed look of a disabled picture.
#pragma once

#include "render/canvas.h"

#include <memory>

namespace brixel {

// Each channel times 1.25, at most 255 / times 0.75, truncated.
Rgb LighterColor(Rgb c);
Rgb DarkenColor(Rgb c);

// Pixels to draw from: a bitmap picture or a surface, `rect` in its pixels.
struct ImageSource {
    const PictureRef* picture = nullptr;
    const Canvas* surface = nullptr;
    Rect rect;
};

// Copies `from` into `dest` on `to`, stretched when the sizes differ.
void CopyImage(Canvas& to, const Rect& dest, const ImageSource& from);

// A surface holding the bitmap's pixels at its own size, made by `like`. For
// hosts whose bitmaps do not transfer well as they come.
std::unique_ptr<Surface> CreateCompatibleBitmapForNET(const Canvas& like, const PictureRef& bitmap, Size size);

// A copy of `from` with every pixel but those of `transparent` made darker or
// lighter. A pixel that the change would turn into the transparent colour is
// moved one step off it in blue, so no part of the picture vanishes.
std::unique_ptr<Surface> CreateDarkerOrLighterBitmap(const Canvas& like, const ImageSource& from,
                                                     Rgb transparent, bool darker);
// The colour change of CreateDarkerOrLighterBitmap for icon pixels, which
// have no transparent colour: black stays black.
ColourMap DarkerOrLighterIconMap(bool darker);

// Draws `from` into `dest` with every pixel of `transparent` left out, by the
// mask method: no blending, so the key is exact and leaves no halo.
void TransparentBlt(Canvas& target, const Rect& dest, const ImageSource& from, Rgb transparent);

struct EmbossColours {
    Rgb face;       // the patch under the picture
    Rgb highlight;  // drawn one pixel right and down
    Rgb shadow;
};

// The disabled look: on a patch of the face colour, every non-white pixel of
// the picture drawn in the highlight colour offset by one pixel, then in the
// shadow colour in place. Pixels of `transparent` count as white, so a
// picture's transparent surround does not emboss as a solid block.
void DitherBlt(Canvas& target, const Rect& dest, const ImageSource& from, const EmbossColours& colours,
               Rgb transparent = kWhite);

}  // namespace brixel
