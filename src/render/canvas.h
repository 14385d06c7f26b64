// The drawing surface every layer routine paints through. It offers only what
// the button face, its pictures and the drop-down menu need, named for what it
// does, so that the layer routines stay portable and a second backend (a pixel
// buffer for the Windows Forms build) can sit behind the same calls.
//
// Conventions: device pixels; rectangles are left, top, right, bottom with
// right and bottom exclusive; a line's end point is not drawn. Every call
// leaves the backend's own drawing state as it found it; the one exception is
// the clip stack, which PushClip and PopClip change on purpose (use ClipScope).
#pragma once

#include "core/colour.h"
#include "core/geometry.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace brixel {

struct Size {
    int width = 0, height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    // Zero or negative in either direction: nothing can be drawn in it.
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr Rect Deflated(int d) const { return {left + d, top + d, right - d, bottom - d}; }
    constexpr Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    // The common part; empty (possibly inverted) when they do not meet.
    constexpr Rect Intersected(const Rect& o) const {
        return {left > o.left ? left : o.left, top > o.top ? top : o.top, right < o.right ? right : o.right,
                bottom < o.bottom ? bottom : o.bottom};
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

// A brush: a solid colour, or an 8 x 8 two-colour pattern (row bytes, most
// significant bit leftmost; a set bit takes `colour`, a clear bit `background`).
struct Brush {
    Rgb colour{};
    bool patterned = false;
    std::uint8_t pattern[8] = {};
    Rgb background = kWhite;

    static constexpr Brush Solid(Rgb c) { return Brush{c}; }
    // The focus rectangle's checkerboard of alternating black and white pixels.
    static constexpr Brush Checkerboard() {
        return Brush{kBlack, true, {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55}, kWhite};
    }
};

enum class PenStyle : std::uint8_t { None, Solid, Dotted, Dashed };

// One pixel wide; the gaps of dotted and dashed lines stay untouched.
struct Pen {
    Rgb colour{};
    PenStyle style = PenStyle::Solid;
};

// Raster operations of pixel transfers. For monochrome sources a 0 bit is
// rendered in TransferRequest::mono_zero and a 1 bit in mono_one.
enum class RasterOp : std::uint8_t {
    SourceCopy,            // dest = source
    SourceAnd,             // dest = dest AND source
    SourceOr,              // dest = dest OR source
    PatternCopy,           // dest = brush
    BrushWhereSourceZero,  // dest = brush where the source is 0 (black), else dest
};

enum class SurfaceFormat : std::uint8_t {
    Colour,      // 32 bits per pixel
    Monochrome,  // 1 bit per pixel, 0 black and 1 white
};

// Horizontal and vertical text placement and layout, combinable.
enum TextFormat : std::uint32_t {
    kTextLeft = 0,
    kTextCenter = 1u << 0,
    kTextRight = 1u << 1,
    kTextTop = 0,
    kTextVCenter = 1u << 2,
    kTextBottom = 1u << 3,
    kTextSingleLine = 1u << 4,
    kTextWordBreak = 1u << 5,
    kTextNoPrefix = 1u << 6,  // without it "&" marks the mnemonic, "&&" shows one
};

// A font owned elsewhere (the control's stock font objects); the backend
// knows how to read it. Zero is "no font": the backend's default.
struct FontRef {
    std::uintptr_t value = 0;
    friend bool operator==(const FontRef&, const FontRef&) = default;
};

// What the caption and menu rules need to know about a font.
struct FontDescription {
    std::u16string face;
    int height = 0;  // negative: character height in pixels
    int weight = 400;
    bool italic = false;
    bool underline = false;
};

// A font the backend created; it is deleted with the object.
class OwnedFont {
public:
    virtual ~OwnedFont() = default;
    virtual FontRef ref() const = 0;
};

enum class PictureKind : std::uint8_t { None, Bitmap, Icon, Metafile };

// A picture held by one of the picture properties. `value` is the backend's
// handle; the size is the picture's own, in HIMETRIC (0.01 mm).
struct PictureRef {
    PictureKind kind = PictureKind::None;
    std::uintptr_t value = 0;
    Size himetric{};
    friend bool operator==(const PictureRef&, const PictureRef&) = default;
};

enum class PictureForm : std::uint8_t { Normal, Disabled };

// A per-pixel colour change applied while a picture is drawn.
using ColourMap = Rgb (*)(Rgb);

class Canvas;

struct TransferRequest {
    Rect dest;
    const Canvas* source = nullptr;
    Rect source_rect;  // stretched to `dest` when the sizes differ
    RasterOp op = RasterOp::SourceCopy;
    // Colour source to monochrome destination: pixels of this colour become 1.
    Rgb mono_key = kWhite;
    // Monochrome source to colour destination.
    Rgb mono_zero = kBlack;
    Rgb mono_one = kWhite;
    // For the operations that read a brush.
    Rgb brush = kBlack;
};

class Surface;

class Canvas {
public:
    virtual ~Canvas() = default;

    // --- Fills, frames, pixels and lines ---------------------------------
    virtual void FillRect(const Rect& r, const Brush& brush) = 0;
    // A frame one pixel wide just inside the rectangle.
    virtual void FrameRect(const Rect& r, const Brush& brush) = 0;
    virtual void SetPixel(Point p, Rgb colour) = 0;
    virtual Rgb GetPixel(Point p) const = 0;
    virtual void DrawLine(Point from, Point to, const Pen& pen) = 0;
    // A polygon filled in alternate (even-odd) mode, without outline.
    virtual void FillPolygon(std::span<const Point> points, Rgb colour) = 0;
    // A rectangle with rounded corners (ellipse width x height); the outline
    // in `pen`, the inside filled only when `fill` is given.
    virtual void RoundRect(const Rect& r, Size corner, const Pen& pen, const Brush* fill) = 0;

    // --- Fast gradients (offered only where the platform has them) -------
    virtual bool HasGradientFill() const = 0;
    // Colour changes from `start` at the top (vertical) or left edge to `end`.
    virtual void GradientFillRect(const Rect& r, Rgb start, Rgb end, bool vertical) = 0;
    // Vertex 0 in `first`, vertices 1 and 2 in `rest`.
    virtual void GradientFillTriangle(const Point (&vertices)[3], Rgb first, Rgb rest) = 0;

    // --- Surfaces and transfers -------------------------------------------
    // Null when the system cannot make one; the caller then draws less.
    virtual std::unique_ptr<Surface> CreateSurface(Size size, SurfaceFormat format) const = 0;
    virtual void Transfer(const TransferRequest& request) = 0;
    virtual bool HasAlphaBlend() const = 0;
    // Source over destination with one alpha for every pixel (255 opaque).
    virtual void BlendConstant(const Rect& dest, const Canvas& source, Point source_origin,
                               std::uint8_t alpha) = 0;

    // --- Clipping ---------------------------------------------------------
    // Narrows drawing to `r` (within any clip already pushed) until PopClip.
    virtual void PushClip(const Rect& r) = 0;
    virtual void PopClip() = 0;

    // --- Text ----------------------------------------------------------------
    // The rectangle the text occupies when laid out in `bounds` with `format`
    // (its width limits word breaking).
    virtual Rect MeasureText(std::u16string_view text, FontRef font, const Rect& bounds,
                             std::uint32_t format) const = 0;
    // Drawn with a transparent background.
    virtual void DrawText(std::u16string_view text, FontRef font, Rgb colour, const Rect& bounds,
                          std::uint32_t format) = 0;
    // The system's embossed rendering of disabled text at `origin`,
    // mnemonic prefixes honoured.
    virtual void DrawDisabledText(std::u16string_view text, FontRef font, Point origin) = 0;
    virtual FontDescription DescribeFont(FontRef font) const = 0;
    virtual std::unique_ptr<OwnedFont> CreateUnderlinedFont(FontRef font) const = 0;

    // --- Pictures --------------------------------------------------------------
    // The picture's size in this device's pixels.
    virtual Size PicturePixelSize(const PictureRef& picture) const = 0;
    // Copies a bitmap picture's pixels (`source` in bitmap pixels) to `dest`.
    virtual void CopyBitmap(const PictureRef& picture, const Rect& dest, const Rect& source) = 0;
    // Draws an icon picture in `dest`; `recolour`, when given, is applied to
    // the icon's colour pixels first (an icon without colour pixels is drawn
    // as it is).
    virtual void DrawIcon(const PictureRef& picture, const Rect& dest, PictureForm form,
                          ColourMap recolour) = 0;
    // Plays a metafile picture scaled to fill `dest`; what it does not
    // draw stays as it was. A backend that cannot play metafiles draws
    // nothing, which is all a metafile picture ever had to show.
    virtual void PlayMetafile(const PictureRef& /*picture*/, const Rect& /*dest*/) {}
};

// An off-screen canvas of fixed size; its pixels start black.
class Surface : public Canvas {
public:
    virtual Size size() const = 0;
};

// Pushes a clip for the lifetime of the scope.
class ClipScope {
public:
    ClipScope(Canvas& canvas, const Rect& r) : canvas_(canvas) { canvas_.PushClip(r); }
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;
    ~ClipScope() { canvas_.PopClip(); }

private:
    Canvas& canvas_;
};

}  // namespace brixel
