// One entry of the drop-down menu, painted by the control itself in the menu
// colours: background, optional sidebar strip with the item's picture,
// caption, shortcut text, separator line, highlight frame.
//
// The window layer translates each owner-draw request into one call; the
// entry model carries everything already resolved (colours as RGB, the font,
// the picture handle), so the painting can be checked on any canvas.
#pragma once

#include "core/dpi_scale.h"
#include "render/canvas.h"

#include <string>

namespace brixel {

struct MenuEntryColours {
    Rgb back{};            // MenuBackColor
    Rgb sidebar{};         // MenuSidebarColor
    Rgb separator{};       // MenuSeparatorColor
    Rgb font{};            // MenuFontColor
    Rgb selection_back{};  // MenuSelectionBackColor
    Rgb selection_font{};  // MenuSelectionFontColor
    Rgb grey_text{};       // the system's grey text, for disabled entries
    // The embossed picture of a disabled entry.
    Rgb button_face{};
    Rgb button_highlight{};
    Rgb button_shadow{};
};

struct MenuEntryModel {
    std::u16string caption;
    std::u16string shortcut;  // empty: no shortcut text
    bool separator = false;
    bool enabled = true;
    PictureRef picture;              // drawn only with the sidebar on
    Rgb picture_transparent{};       // keyed out of an enabled bitmap picture
    bool sidebar = false;
    bool right_to_left = false;
    // Small Arial captions starting with "W" touch the strip: they are drawn
    // one space further in, the text box widened 2 pixels on its leading side.
    bool leading_space = false;
    FontRef font;
    MenuEntryColours colours;
    // The screen's resolution: the strip, the indents and the separator's
    // offsets are 96 dpi sizes scaled to it.
    int dpi = kDesignDpi;
};

// The frame drawn round a highlighted entry.
inline constexpr Rgb kMenuHighlightFrame{0, 0, 128};
inline constexpr int kMenuStripWidth = 22;
inline constexpr int kMenuTextIndent = 6;
inline constexpr int kMenuShortcutInset = 20;

struct MenuEntryGeometry {
    Rect strip;    // the icon strip (only painted with the sidebar on)
    Rect content;  // the entry without the strip when the sidebar is on
    Rect text;     // the caption's box
    Rect picture_cell;
};
MenuEntryGeometry LayoutMenuEntry(const Rect& r, bool sidebar, bool right_to_left, int dpi = kDesignDpi);

// Paints one entry. `whole`: the entry is drawn for the first time (every
// part); otherwise only its selection changed. `selected`: it is the
// highlighted entry now.
//
//   whole  selected   painted
//   yes    no         whole entry
//   yes    yes        whole entry, then the highlight over it
//   no     yes        highlight
//   no     no         un-highlight (strip, picture, content, texts)
//
// A separator never shows a selection.
void DrawMenuEntry(Canvas& canvas, const Rect& r, const MenuEntryModel& m, bool whole, bool selected);

}  // namespace brixel
