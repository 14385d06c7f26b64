// The 3D face: its bevelled border, raised or pressed, and the looks that
// erase one state's bevel before the other is drawn.
#pragma once

#include "render/canvas.h"
#include "render/paint_model.h"

namespace brixel {

// How a bevel is drawn: its width and shades, whether the button is a cool
// button (no black shadow line) and whether the black default frame goes
// round it first.
struct BevelLook {
    int width = 0;
    Rgb upper{};
    Rgb lower{};
    bool cool = false;
    bool default_frame = false;
};

// Bevel, BevelUpperShade, BevelLowerShade, CoolButton and the default frame
// as the model has them.
BevelLook BevelOf(const PaintModel& m);

// Lines past the rectangle's longer side fall outside it; a huge Bevel is
// cut to that so it costs no more than the face is big.
int UsableBevelWidth(const Rect& rect, int width);

void DrawRaisedButton(Canvas& canvas, const Rect& rect, const BevelLook& look);
void DrawPressedButton(Canvas& canvas, const Rect& rect, const BevelLook& look);
// The open menu part of a split button: pressed in like the whole button.
void DrawPressedMenuButton(Canvas& canvas, const Rect& menu_part, const BevelLook& look);

enum class BevelForm : std::uint8_t { Raised, Pressed };
// Paints over the given form's bevel in the state back colour, including
// its black shadow lines, so the opposite form can be drawn on a clean face.
void Remove3DBorder(Canvas& canvas, const Rect& rect, BevelForm form, const PaintModel& m);

// The 3D face's looks drawn with the background, first match wins: latched
// or pressed in, split menu open, the release right after a click.
enum class Background3DLook : std::uint8_t { None, Pressed, SplitMenuOpen, Released };
Background3DLook Choose3DBackgroundLook(const PaintModel& m, bool after_click);
void Draw3DBackgroundLook(Canvas& canvas, const Rect& rect, Background3DLook look, const PaintModel& m);

// The border step of the 3D face, over the whole rectangle.
void Draw3DState(Canvas& canvas, const Rect& rect, const PaintModel& m);

}  // namespace brixel
