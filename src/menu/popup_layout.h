// The arithmetic of the drop-down popup: how wide it is estimated to be, how
// each row is measured, where it is placed against the screen edges, and the
// small decisions around the menu loop. All inputs are text extents and
// rectangles measured by the window layer; nothing here draws.
#pragma once

#include "core/dpi_scale.h"
#include "core/enums.h"
#include "core/shared_objects.h"
#include "menu/menu_item.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace brixel {

// Device pixels; right and bottom exclusive.
struct MenuRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const MenuRect&, const MenuRect&) = default;
};

struct MenuPoint {
    int x = 0, y = 0;
};

// --- Width estimate and rows -----------------------------------------------------

// The text measured for the width estimate: caption and shortcut run together.
std::u16string WidthEstimateText(const MenuItemRecord& record);
// The text measured for a row: caption, two spaces, shortcut.
std::u16string RowMeasureText(const MenuItemRecord& record);

// P from the widths of WidthEstimateText of every top-level item. An empty
// menu is estimated at the narrowest row, 90 + 22. The rows' own sizes are
// those of a 96 dpi screen, scaled to `dpi`; the text is measured in the
// menu font, which already has the screen's size.
int PopupWidthEstimate(std::span<const int> text_widths, bool sidebar, int dpi = kDesignDpi);

inline constexpr int kSeparatorRowHeight = 6;
int RowWidth(int text_width, int dpi = kDesignDpi);
int RowHeight(bool separator, int text_height, int dpi = kDesignDpi);

// --- Placement ---------------------------------------------------------------------

enum class PopupHAlign : std::uint8_t { Left, Right };   // TPM_LEFTALIGN / TPM_RIGHTALIGN
enum class PopupVAlign : std::uint8_t { Top, Bottom, Centre };  // TPM_TOPALIGN / BOTTOMALIGN / VCENTERALIGN

struct PopupPlacement {
    int x = 0;
    int y = 0;
    PopupHAlign h = PopupHAlign::Left;
    PopupVAlign v = PopupVAlign::Top;
    friend bool operator==(const PopupPlacement&, const PopupPlacement&) = default;
};

// `window` is the control's window rectangle in screen coordinates.
// `alignment` values other than kvnMenuAlignmentRight place as Left does.
void PlaceHorizontally(std::int16_t alignment, const MenuRect& window, int screen_width, int popup_width,
                       bool sidebar, PopupPlacement& out);
// `menu_height` is H: the row heights of all top-level items, visible or not.
void PlaceVertically(const MenuRect& window, int screen_height, int menu_height, PopupPlacement& out);

struct PlacementInput {
    std::int16_t alignment = kvnMenuAlignmentLeft;
    MenuRect window;
    int screen_width = 0;
    int screen_height = 0;
    int popup_width = 0;  // P
    int menu_height = 0;  // H
    bool sidebar = false;
};
PopupPlacement PlacePopup(const PlacementInput& in);

// --- Menu loop and drop decisions ----------------------------------------------------

// The part of the control whose press drops the menu: the menu-button part in
// the split style, the whole client area in the drop-down style.
bool InDropPart(std::int16_t menu_button_style, const MenuRect& client, const MenuRect& menu_button_part,
                MenuPoint point);

// At the end of the menu loop: whether the drop-suppression flag stays set.
// It stays only when the click that closed the popup landed on the part that
// opens it, so that the same click does not drop it again.
bool KeepDropSuppression(bool menu_auto_drop, bool escape_or_enter_down, bool cursor_in_drop_part);

// The auto-drop probe carries the cursor's screen position in its long
// parameter, x in the low 16 bits and y in the high 16 bits. Both halves are
// read back signed: on a monitor left of or above the primary one the
// coordinates are negative.
std::uint32_t PackProbePoint(MenuPoint screen_point);
MenuPoint UnpackProbePoint(std::uint32_t long_param);

// What a control checks before a probe drops its menu.
struct AutoDropContext {
    bool user_mode = false;
    bool menu_auto_drop = false;
    bool active = false;
    bool menu = false;
    bool enabled = false;
    bool window_visible = false;
    bool active_window_is_own_top_level = false;
    bool drop_suppressed = false;
    bool has_items = false;    // the top-level list is not empty
    bool any_visible = false;  // MenuTree::AnyVisible
    bool point_in_drop_part = false;
};
bool ShouldAutoDrop(const AutoDropContext& context);

// The DropMenu method's condition.
bool ShouldDropMenu(bool menu, bool active, bool enabled, bool window_visible);

// The address a chosen hyperlink item opens, or nothing; "@" makes a mail link.
std::optional<std::u16string> HyperlinkToOpen(bool hyperlink, std::u16string_view address, bool enabled);

// --- Small-font caption rule -------------------------------------------------------------

struct CaptionLayout {
    std::u16string caption;
    MenuRect text_rect;
};

// In small Arial a leading "W" touches the icon strip; such captions are
// drawn one space further in, their rectangle widened by 2 pixels on the
// leading side (the right under right-to-left).
// `height` is the font's height as the platform creates it at `dpi`
// (negative: the character height in pixels).
bool NeedsLeadingSpace(const FontDesc& font, int height, std::u16string_view caption, int dpi = kDesignDpi);
CaptionLayout LayoutCaption(const FontDesc& font, int height, std::u16string_view caption,
                            const MenuRect& text_rect, bool right_to_left);

}  // namespace brixel
