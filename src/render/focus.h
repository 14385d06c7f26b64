// The focus rectangle: a one-pixel checkerboard frame drawn on the target
// after the face has been copied, inset by face so that it stays inside the
// border, the bevel or the XP frame.
#pragma once

#include "render/canvas.h"
#include "render/paint_model.h"

namespace brixel {

// Which inset table a face uses. "Flat-type" is the flat appearance and the
// two mouse-over appearances while the mouse is outside.
enum class FocusFace : std::uint8_t { FlatType, XP, ThreeD, Other };
FocusFace FocusFaceOf(const PaintModel& m);

// The amounts taken from each side.
struct Insets {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const Insets&, const Insets&) = default;
};

Rect CalculateFocusRect(const Rect& rect, const PaintModel& m);
// The main part of a split button: the side next to the menu part is inset
// less, because the separator already stands there.
Rect CalculateFocusRectWhenMenu(const Rect& main_part, const PaintModel& m);

// What the caller must do after DrawFocusBorder.
enum class FocusOutcome : std::uint8_t {
    Nothing,
    Drawn,
    // A translucent button cannot erase its old frame itself: the container
    // must repaint (invalidate without erasing) what lay behind it.
    InvalidateContainer,
};

// Only with ShowFocusBorder, in user mode. `client` is the face's rectangle.
FocusOutcome DrawFocusBorder(Canvas& target, const Rect& client, bool show, const PaintModel& m);

}  // namespace brixel
