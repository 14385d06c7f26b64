// Text for the pixel canvas comes from its host: a service that knows the
// fonts behind FontRef values, lays a string out in a rectangle with the
// canvas's format flags and hands back how much of each pixel the glyphs
// (and the mnemonic underline) cover. The canvas does the clipping and the
// colouring, so a service never sees a surface.
#pragma once

#include "render/canvas.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

namespace brixel::pixel {

// Called once per covered pixel: (x, y) in the layout's coordinates and the
// coverage, 1 to 255 (255 fully inside a glyph).
using CoverageSink = std::function<void(int x, int y, std::uint8_t coverage)>;

class TextService {
public:
    virtual ~TextService() = default;

    // The rectangle the text occupies laid out in `bounds` with `format`:
    // it starts at the bounds' top left; its width is the widest line's and
    // its height the lines' total.
    virtual Rect Measure(std::u16string_view text, FontRef font, const Rect& bounds, std::uint32_t format) const = 0;
    // Lays the text out in `bounds` (aligned by `format`) and reports the
    // pixels its glyphs cover. Nothing is clipped here.
    virtual void Render(std::u16string_view text, FontRef font, const Rect& bounds, std::uint32_t format,
                        const CoverageSink& sink) const = 0;
    virtual FontDescription Describe(FontRef font) const = 0;
    // Null when the font cannot be derived.
    virtual std::unique_ptr<OwnedFont> CreateUnderlined(FontRef font) = 0;
};

}  // namespace brixel::pixel
