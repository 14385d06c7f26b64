// The XP face's border step: the rounded outline with its anti-aliased
// corners and outer shadow, the disabled outline, and the focus and hot
// frames. The geometry is exposed so it can be checked on its own.
#pragma once

#include "render/canvas.h"
#include "render/gradient_primitives.h"
#include "render/paint_model.h"

#include <array>
#include <cstdint>

namespace brixel {

// What every XP routine reads besides the canvas and the rectangle.
struct XPFaceInput {
    std::int16_t scheme = 0;  // resolved: 0, 1 or 2
    Rgb parent_back{};        // the container's background, for the pixels outside the corners
    bool custom_border = false;  // the state's border-colour-custom flag
    Rgb border{};                // the state border colour
    Rgb scheme_border{};         // the enabled XP border colour of the desktop's scheme
    FastPrimitives fast = FastPrimitives::Avoid;
};

XPFaceInput XPFaceInputOf(const PaintModel& m);

// The rounded outlines are set pixel by pixel rather than left to the
// platform's ellipse rasteriser, whose rounding differs from one system to
// the next: the corner pixels the routines set around them must meet the
// outline exactly.
// The outline of a corner ellipse 4 wide and 8 high along the edges of `r`:
// the sides stop two pixels short of each corner, one pixel on the
// diagonal closes the gap.
void DrawXPOutline(Canvas& canvas, const Rect& r, Rgb colour);
// The same with a corner ellipse 4 by 4: the sides stop one pixel short.
void DrawXPSmallOutline(Canvas& canvas, const Rect& r, Rgb colour);

// Pixels at the four corners of `r`, in the order top-left, top-right,
// bottom-left, bottom-right, two per corner where there are two.
// The two just outside the rounded outline drawn in `r`.
std::array<Point, 8> XPOutlineOuterPixels(const Rect& r);
// The one on the outline's diagonal.
std::array<Point, 4> XPOutlineDiagonalPixels(const Rect& r);
// The two just inside the outline: the face's softening pixels.
std::array<Point, 4> XPInnerTopPixels(const Rect& r);
std::array<Point, 4> XPInnerBottomPixels(const Rect& r);
std::array<Point, 4> XPCornerPixels(const Rect& r);
// The three of each corner of `r` left outside an outline drawn one pixel
// further in.
std::array<Point, 12> XPOutsideCornerPixels(const Rect& r);

// The focus and hot frames inside `face` (the rectangle already deflated by
// 1): lines at top + 1, top + 2, bottom - 3, bottom - 2 across the width,
// strips (l + 1 .. l + 3) and (r - 3 .. r - 1) from top + 2 to bottom - 2.
struct XPFrameLayout {
    std::array<Rect, 4> lines;
    Rect left_strip, right_strip;
};
XPFrameLayout XPFrameAreas(const Rect& face);

// Mode 0 plain, 1 focused, 2 mouse over, 3 pressed (kXPBorder... constants).
void DrawXPButtonBorder(Canvas& canvas, const Rect& rect, const XPFaceInput& in, int mode);
void DrawXPButtonOuterShadow(Canvas& canvas, const Rect& rect, std::int16_t scheme, int mode);
void DrawXPButtonDisabledBorder(Canvas& canvas, const Rect& rect, std::int16_t scheme, Rgb parent_back,
                                Rgb border);
// Paints the outline of `rect` and the pixels outside it in the container's
// colour, so the rounded corners blend into the container.
void BlendXPCornersIntoContainer(Canvas& canvas, const Rect& rect, Rgb parent_back);

void DrawXPButtonFocusRectOnly(Canvas& canvas, const Rect& rect, std::int16_t scheme, FastPrimitives fast);
void DrawXPButtonMouseOverRectOnly(Canvas& canvas, const Rect& rect, std::int16_t scheme, FastPrimitives fast);

// Which border the border step draws, first match wins.
enum class XPBorderChoice : std::uint8_t { Disabled, Plain, Focused, MouseOver };
XPBorderChoice ChooseXPBorder(const PaintModel& m);

// The border step of the XP face, over the whole rectangle.
void DrawXPBorderAndFocusRects(Canvas& canvas, const Rect& rect, const PaintModel& m);

}  // namespace brixel
