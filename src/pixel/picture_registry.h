// Pictures for the pixel canvas: the host registers an image under the
// value its PictureRef carries, and the canvas draws from here. A bitmap is
// a block of colour pixels; an icon adds the platform's AND mask (a set
// mask pixel shows the destination, XORed with the colour pixel).
#pragma once

#include "pixel/raster.h"
#include "render/canvas.h"

#include <cstdint>
#include <map>
#include <vector>

namespace brixel::pixel {

struct PixelPicture {
    PictureKind kind = PictureKind::None;
    Size size{};
    std::vector<Pixel> colour;        // row after row; empty for a monochrome icon
    std::vector<std::uint8_t> mask;   // icons and metafiles: 1 where the destination shows
    // A monochrome icon keeps its XOR bits here as 0 or 0xFFFFFF pixels.
    bool HasColour() const { return kind != PictureKind::Icon || !colour.empty(); }
    Pixel ColourAt(int x, int y) const;
    bool Transparent(int x, int y) const;
};

class PictureRegistry {
public:
    // Replaces any picture registered under the same value.
    void Register(std::uintptr_t value, PixelPicture picture);
    // Null when nothing is registered under the picture's value or its kind
    // differs from the registered one.
    const PixelPicture* Find(const PictureRef& picture) const;

private:
    std::map<std::uintptr_t, PixelPicture> pictures_;
};

}  // namespace brixel::pixel
