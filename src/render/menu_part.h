// The menu-button side of the face: the split between the main part and the
// menu part, the drop-down triangle, and the separator lines of the flat and
// 3D faces.
#pragma once

#include "render/canvas.h"
#include "render/paint_model.h"

#include <cstdint>
#include <optional>

namespace brixel {

struct MenuSplit {
    Rect menu;  // the part whose press drops the menu
    Rect main;  // the push-button part
    friend bool operator==(const MenuSplit&, const MenuSplit&) = default;
};

// MenuButtonWidth pixels on the MenuButtonAlignment side. The width is held
// within 0 and the client's width, so neither part is ever inverted: a
// negative width leaves no menu part, an oversized one no main part.
MenuSplit GetMenuButtonBounds(const Rect& client, std::int16_t menu_button_width, std::int16_t alignment);
MenuSplit GetMenuButtonBounds(const Rect& client, const ButtonProperties& p);

// The triangle glyph at 96 dpi: 7 x 4 pixels, rows of 7, 5, 3 and 1 set pixels.
inline constexpr int kArrowWidth = 7;
inline constexpr int kArrowHeight = 4;
// The strip of a button whose whole face drops the menu, at 96 dpi.
inline constexpr int kDropDownStripWidth = 21;

// The glyph at `dpi`: its height scales, and its width stays 2 x height - 1
// so that each row is two pixels shorter than the one above and the tip is
// one pixel wide.
Size ArrowGlyphSize(int dpi);

// The box the triangle is centred in: `rect` itself, or the strip at the
// menu side when the whole button drops the menu.
Rect MenuArrowBox(const Rect& rect, const ButtonProperties& p, int dpi = kDesignDpi);
// The glyph's top-left corner, or nothing when no triangle is drawn. The
// enabled and the embossed glyph round an odd spare pixel differently.
std::optional<Point> MenuArrowOrigin(const Rect& rect, const ButtonProperties& p, int dpi = kDesignDpi);

void DrawMenuArrow(Canvas& canvas, const Rect& rect, const PaintModel& m);

// The separator between main and menu part on the flat face, in the state
// border colour and style.
void DrawFlatMenuSeparatorLine(Canvas& canvas, const Rect& menu_part, const PaintModel& m);
// The 3D face's etched separator: BevelLowerShade beside white.
void Draw3DMenuSeparatorLine(Canvas& canvas, const Rect& menu_part, const PaintModel& m);

// The pen a border style draws with; unknown stored values draw solid.
PenStyle PenStyleForBorderStyle(std::int16_t border_style);

}  // namespace brixel
