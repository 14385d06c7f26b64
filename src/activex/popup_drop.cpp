// Dropping the menu: placement against the monitor's work area, the modal
// popup, its events and the flags around it, auto-drop and shortcuts.
//
// A drop, and what may interrupt it:
//
//   state        input                              next         fires
//   closed       any drop request                   (as below)   - (a press under way ends, no click)
//   closed       drop request, suppression set      closed       - (flag cleared)
//   closed       drop request                       built        MenuButtonPressed
//   built        menu loop starts                   open         MenuDropped(TRUE), menu-open look
//   open         entry chosen / dismissed           ended        MenuDropped(FALSE)
//   ended        an entry was chosen                closed       MenuItemClicked, item hyperlink
//   ended        nothing chosen                     closed       -
//   any          window destroyed by a handler      closed       - (popup destroyed, nothing more)
#include "activex/popup_drop.h"

#include "activex/control_window.h"
#include "activex/menu_hook.h"
#include "core/dispids.h"
#include "activex/shell_hyperlinks.h"
#include "core/hyperlink.h"
#include "menu/popup_layout.h"

#include <vector>

namespace brixel::activex {
namespace {

RECT WorkArea(HWND window) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info)) return info.rcWork;
    return RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

// The placement rules count from the screen's origin; a monitor's work area
// may start anywhere, so they run relative to it.
PopupPlacement PlaceOnScreen(HWND window, const MenuItemList& top, const ButtonProperties& p, int dpi) {
    const MenuTextMeter meter(p.MenuFont, dpi);
    std::vector<int> widths;
    int height = 0;
    for (const MenuItemRecord& record : top) {
        widths.push_back(meter.Extent(WidthEstimateText(record)).cx);
        height += meter.RowHeight(record);
    }
    const RECT area = WorkArea(window);
    RECT r{};
    ::GetWindowRect(window, &r);
    PlacementInput in;
    in.alignment = p.MenuAlignment;
    in.window = MenuRect{r.left - area.left, r.top - area.top, r.right - area.left, r.bottom - area.top};
    in.screen_width = area.right - area.left;
    in.screen_height = area.bottom - area.top;
    in.popup_width = PopupWidthEstimate(widths, p.MenuSidebar, dpi);
    in.menu_height = height;
    in.sidebar = p.MenuSidebar;
    PopupPlacement out = PlacePopup(in);
    out.x += area.left;
    out.y += area.top;
    return out;
}

UINT TrackFlags(const PopupPlacement& place) {
    UINT flags = TPM_LEFTBUTTON | TPM_RETURNCMD;
    flags |= place.h == PopupHAlign::Right ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    if (place.v == PopupVAlign::Bottom) flags |= TPM_BOTTOMALIGN;
    else if (place.v == PopupVAlign::Centre) flags |= TPM_VCENTERALIGN;
    else flags |= TPM_TOPALIGN;
    return flags;
}

}  // namespace

void MenuDrop::Drop() {
    if (dropping_) return;
    ButtonInstance& button = owner_.Instance();
    button.MenuDropping(window_.Frame());
    if (drop_suppressed_) {
        drop_suppressed_ = false;
        return;
    }
    if (window_.hwnd() == nullptr || tracking_popup_) return;
    const HWND window = window_.hwnd();
    const PopupPlacement place = PlaceOnScreen(window_.hwnd(), button.Menu().Items(), button.Props(), owner_.Host().ScreenDpi());
    // This object lives as long as the control, which whoever started the
    // drop holds on to, so the flag can be cleared after any event.
    dropping_ = true;
    owner_.FireEvent(dispid::kEventMenuButtonPressed, nullptr, 0);
    if (window_.hwnd() != window) {
        dropping_ = false;
        return;
    }
    drop_suppressed_ = true;
    if (!popup_.Build(button.Menu().Items(), button.Props().RightToLeft)) {
        drop_suppressed_ = false;
        dropping_ = false;
        return;
    }
    tracking_popup_ = true;
    const HWND outer = MenuHook::TrackingWindow();
    MenuHook::SetTrackingWindow(window);
    const UINT command = static_cast<UINT>(
        ::TrackPopupMenu(popup_.handle(), TrackFlags(place), place.x, place.y, 0, window, nullptr));
    MenuHook::SetTrackingWindow(outer);
    tracking_popup_ = false;
    dropping_ = false;
    if (window_.hwnd() != window) {
        popup_.Destroy();  // the window went while the popup was open
        return;
    }
    // Copied before the popup is emptied and before user code runs.
    const PopupEntry* entry = popup_.Chosen(command);
    const std::optional<PopupEntry> chosen = entry != nullptr ? std::optional<PopupEntry>(*entry) : std::nullopt;
    popup_.Teardown();
    if (chosen) {
        ChooseMenuItem(chosen->item.id, chosen->item.hyperlink, chosen->item.hyperlink_address, !chosen->greyed);
    }
}

void MenuDrop::DropMenuMethod() noexcept {
    if (window_.hwnd() == nullptr) return;
    const ButtonProperties& p = owner_.Instance().Props();
    const bool visible = WindowVisible();
    if (ShouldDropMenu(p.Menu, p.Active, p.Enabled, visible)) Drop();
}

void MenuDrop::RightToLeftChanged() noexcept {
    popup_.ApplyRightToLeft(owner_.Instance().Props().RightToLeft);
}

void MenuDrop::WindowDestroyed() noexcept {
    if (!tracking_popup_) popup_.Destroy();
}

bool MenuDrop::MeasureItem(MEASUREITEMSTRUCT& measure) const { return popup_.MeasureItem(measure, Look()); }

bool MenuDrop::DrawItem(const DRAWITEMSTRUCT& draw) const { return popup_.DrawItem(draw, Look()); }

void MenuDrop::OnMenuLoop(bool entering) {
    if (!tracking_popup_) return;
    const HWND window = window_.hwnd();
    FireMenuDropped(entering);
    if (window_.hwnd() != window) return;
    if (entering) {
        owner_.Instance().SetMenuOpen(true);
        window_.Redraw(false);
        return;
    }
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::ScreenToClient(window_.hwnd(), &cursor);
    const bool key_closed = ::GetKeyState(VK_ESCAPE) < 0 || ::GetKeyState(VK_RETURN) < 0;
    if (!KeepDropSuppression(owner_.Instance().Props().MenuAutoDrop, key_closed, InDropPart(cursor))) {
        drop_suppressed_ = false;
    }
    owner_.Instance().MenuLoopEnded(window_.Frame());
}

bool MenuDrop::InDropPart(POINT p) const {
    const ButtonProperties& props = owner_.Instance().Props();
    RECT client{};
    ::GetClientRect(window_.hwnd(), &client);
    const MenuRect whole{client.left, client.top, client.right, client.bottom};
    MenuRect part = whole;
    if (props.MenuButtonAlignment == kvnMenuButtonAlignmentLeft) part.right = client.left + props.MenuButtonWidth;
    else part.left = client.right - props.MenuButtonWidth;
    return brixel::InDropPart(props.MenuButtonStyle, whole, part, MenuPoint{p.x, p.y});
}

bool MenuDrop::ActiveWindowIsOwnTopLevel() const {
    const HWND active = ::GetActiveWindow();
    return active != nullptr && active == ::GetAncestor(window_.hwnd(), GA_ROOT);
}

bool MenuDrop::AutoDropAllowed(POINT screen) const {
    POINT client = screen;
    ::ScreenToClient(window_.hwnd(), &client);
    const ButtonProperties& p = owner_.Instance().Props();
    AutoDropContext c;
    c.user_mode = owner_.Instance().UserMode();
    c.menu_auto_drop = p.MenuAutoDrop;
    c.active = p.Active;
    c.menu = p.Menu;
    c.enabled = p.Enabled;
    c.window_visible = WindowVisible();
    c.active_window_is_own_top_level = ActiveWindowIsOwnTopLevel();
    c.drop_suppressed = drop_suppressed_;
    c.has_items = !owner_.Instance().Menu().Items().empty();
    c.any_visible = owner_.Instance().Menu().AnyVisible();
    c.point_in_drop_part = InDropPart(client);
    return ShouldAutoDrop(c);
}

void MenuDrop::OnAutoDropProbe(LPARAM lparam) {
    if (window_.hwnd() == nullptr || tracking_popup_ || auto_drop_pending_) return;
    const MenuPoint screen = UnpackProbePoint(static_cast<std::uint32_t>(lparam));
    if (!AutoDropAllowed(POINT{screen.x, screen.y})) return;
    const HWND window = window_.hwnd();
    owner_.Instance().MenuAutoDropped(window_.Frame());
    if (window_.hwnd() != window) return;
    // The probe arrives inside the message hook, where the system calls no
    // hook again: a popup tracked from there would see no hand-over and no
    // shortcut. It drops from the window's own queue instead, once, and only
    // if the pointer is still where it asked for it.
    auto_drop_pending_ = true;
    ::PostMessageW(window_.hwnd(), kUmAutoDropNow, 0, 0);
}

void MenuDrop::OnAutoDropNow() {
    auto_drop_pending_ = false;
    POINT cursor{};
    ::GetCursorPos(&cursor);
    if (window_.hwnd() != nullptr && !tracking_popup_ && AutoDropAllowed(cursor)) Drop();
}

void MenuDrop::OnShortcutInvoke(WPARAM wparam, LPARAM lparam) {
    const auto* block = reinterpret_cast<const ShortcutInvocation*>(wparam);
    if (window_.hwnd() == nullptr || !MenuHook::IsPendingInvocation(block)) return;
    const ShortcutInvocation invocation = *block;
    const ButtonProperties& p = owner_.Instance().Props();
    ShortcutInvokeContext c;
    c.active_window_is_own_top_level = ActiveWindowIsOwnTopLevel();
    c.user_mode = owner_.Instance().UserMode();
    c.menu = p.Menu;
    c.active = p.Active;
    c.enabled = p.Enabled;
    c.window_visible = WindowVisible();
    c.drop_suppressed = drop_suppressed_;
    c.alt_down = lparam != 0;
    if (!ShouldRunShortcut(c)) return;
    ChooseMenuItem(invocation.item_id, invocation.hyperlink, invocation.hyperlink_address, invocation.enabled);
}

bool MenuDrop::WindowVisible() const { return (::GetWindowLongW(window_.hwnd(), GWL_STYLE) & WS_VISIBLE) != 0; }

MenuLook MenuDrop::Look() const {
    return MenuLook{owner_.Instance().Props(), owner_.Host(), owner_.Host().ScreenDpi()};
}

void MenuDrop::FireMenuDropped(bool dropped) {
    VARIANT v{};
    v.vt = VT_BOOL;
    v.boolVal = dropped ? VARIANT_TRUE : VARIANT_FALSE;
    owner_.FireEvent(dispid::kEventMenuDropped, &v, 1);
}

// A chosen menu entry, from the popup or by its shortcut: the event first,
// then the item's own hyperlink.
void MenuDrop::ChooseMenuItem(std::int16_t id, bool hyperlink, const std::u16string& address, bool enabled) {
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = id;
    owner_.FireEvent(dispid::kEventMenuItemClicked, &v, 1);
    auto target = HyperlinkToOpen(hyperlink, address, enabled);
    if (!target || window_.hwnd() == nullptr) return;
    ShellHyperlinks platform(window_.hwnd());
    if (owner_.Host().Untrusted()) target = UntrustedShellTarget(*target);
    if (!target || !platform.ShellOpen(*target)) platform.ShowFailure(kHyperlinkFailedMessage);
}

}  // namespace brixel::activex
