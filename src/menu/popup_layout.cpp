#include "menu/popup_layout.h"

#include "core/small_arial.h"
#include "menu/shortcut_table.h"

#include <algorithm>

namespace brixel {

std::u16string WidthEstimateText(const MenuItemRecord& record) {
    std::u16string text = record.caption;
    if (!IsNoShortcut(record.shortcut)) text += record.shortcut;
    return text;
}

std::u16string RowMeasureText(const MenuItemRecord& record) {
    std::u16string text = record.caption;
    if (!IsNoShortcut(record.shortcut)) text += u"  " + record.shortcut;
    return text;
}

namespace {
constexpr int kMinRowWidth = 90;
constexpr int kSidebarRowExtra = 47;
constexpr int kPlainRowExtra = 25;
constexpr int kPopupFrame = 22;
}  // namespace

int PopupWidthEstimate(std::span<const int> text_widths, bool sidebar, int dpi) {
    const int extra = ScaleForDpi(sidebar ? kSidebarRowExtra : kPlainRowExtra, dpi);
    int widest = ScaleForDpi(kMinRowWidth, dpi);
    for (int w : text_widths) widest = std::max(widest, w + extra);
    return widest + ScaleForDpi(kPopupFrame, dpi);
}

int RowWidth(int text_width, int dpi) {
    return std::max(text_width + ScaleForDpi(kSidebarRowExtra, dpi), ScaleForDpi(kMinRowWidth, dpi));
}

int RowHeight(bool separator, int text_height, int dpi) {
    if (separator) return ScaleForDpi(kSeparatorRowHeight, dpi);
    return text_height >= ScaleForDpi(16, dpi) ? text_height + ScaleForDpi(4, dpi) : ScaleForDpi(20, dpi);
}

// Without the sidebar the popup keeps a 20-pixel margin to the screen edge.
void PlaceHorizontally(std::int16_t alignment, const MenuRect& window, int screen_width, int popup_width,
                       bool sidebar, PopupPlacement& out) {
    const int margin = sidebar ? 0 : 20;
    if (alignment == kvnMenuAlignmentRight) {
        const int x = window.right;
        if (x >= screen_width) out = {screen_width, out.y, PopupHAlign::Right, out.v};
        else if (margin >= x - popup_width) out = {0, out.y, PopupHAlign::Left, out.v};
        else out = {x, out.y, PopupHAlign::Right, out.v};
        return;
    }
    const int x = window.left;
    if (x < 0) out = {0, out.y, PopupHAlign::Left, out.v};
    else if (x + popup_width >= screen_width - margin) out = {screen_width, out.y, PopupHAlign::Right, out.v};
    else out = {x, out.y, PopupHAlign::Left, out.v};
}

void PlaceVertically(const MenuRect& window, int screen_height, int menu_height, PopupPlacement& out) {
    out.y = window.bottom;
    out.v = PopupVAlign::Top;
    if (window.bottom + menu_height + 5 < screen_height) return;
    if (window.top >= menu_height + 6) {
        out.y = window.top;
        out.v = PopupVAlign::Bottom;
    } else {
        out.v = PopupVAlign::Centre;
    }
}

PopupPlacement PlacePopup(const PlacementInput& in) {
    PopupPlacement out;
    PlaceHorizontally(in.alignment, in.window, in.screen_width, in.popup_width, in.sidebar, out);
    PlaceVertically(in.window, in.screen_height, in.menu_height, out);
    return out;
}

namespace {
bool Contains(const MenuRect& r, MenuPoint p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }
}  // namespace

bool InDropPart(std::int16_t menu_button_style, const MenuRect& client, const MenuRect& menu_button_part,
                MenuPoint point) {
    return Contains(menu_button_style == kvnMenuButtonStyleDropDown ? client : menu_button_part, point);
}

bool KeepDropSuppression(bool menu_auto_drop, bool escape_or_enter_down, bool cursor_in_drop_part) {
    return !menu_auto_drop && !escape_or_enter_down && cursor_in_drop_part;
}

std::uint32_t PackProbePoint(MenuPoint p) {
    return (static_cast<std::uint32_t>(static_cast<std::uint16_t>(p.y)) << 16) |
           static_cast<std::uint16_t>(p.x);
}

MenuPoint UnpackProbePoint(std::uint32_t long_param) {
    return {static_cast<std::int16_t>(long_param & 0xFFFFu), static_cast<std::int16_t>(long_param >> 16)};
}

bool ShouldAutoDrop(const AutoDropContext& c) {
    return c.user_mode && c.menu_auto_drop && c.active && c.menu && c.enabled && c.window_visible &&
           c.active_window_is_own_top_level && !c.drop_suppressed && c.has_items && c.any_visible &&
           c.point_in_drop_part;
}

bool ShouldDropMenu(bool menu, bool active, bool enabled, bool window_visible) {
    return menu && active && enabled && window_visible;
}

std::optional<std::u16string> HyperlinkToOpen(bool hyperlink, std::u16string_view address, bool enabled) {
    if (!hyperlink || address.empty() || !enabled) return std::nullopt;
    std::u16string target(address);
    if (target.find(u'@') != std::u16string::npos) target = u"mailto:" + target;
    return target;
}

bool NeedsLeadingSpace(const FontDesc& font, int height, std::u16string_view caption, int dpi) {
    const bool starts_with_w = caption.starts_with(u"W") || caption.starts_with(u"&W");
    return starts_with_w && IsSmallArial(font.face, font.italic, font.weight, height, dpi);
}

CaptionLayout LayoutCaption(const FontDesc& font, int height, std::u16string_view caption,
                            const MenuRect& text_rect, bool right_to_left) {
    CaptionLayout out{std::u16string(caption), text_rect};
    if (!NeedsLeadingSpace(font, height, caption)) return out;
    out.caption.insert(out.caption.begin(), u' ');
    if (right_to_left) out.text_rect.right += 2;
    else out.text_rect.left -= 2;
    return out;
}

}  // namespace brixel
