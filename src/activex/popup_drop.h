// The drop-down menu of one control window: the owner-drawn popup, its modal
// loop and the flags around it, auto-drop and menu shortcuts. The window
// hands it the messages that belong to the menu.
#pragma once

#include "activex/popup_menu.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace brixel::activex {

class ControlWindow;
class WindowOwner;

class MenuDrop {
public:
    MenuDrop(ControlWindow& window, WindowOwner& owner) noexcept : window_(window), owner_(owner) {}
    MenuDrop(const MenuDrop&) = delete;
    MenuDrop& operator=(const MenuDrop&) = delete;

    void Drop();
    // The DropMenu method: drops only for an active, enabled, visible menu button.
    void DropMenuMethod() noexcept;
    // RightToLeft changed: the entry order of an existing popup follows at once.
    void RightToLeftChanged() noexcept;
    // The window is going; a popup still being tracked is destroyed when its
    // tracking returns.
    void WindowDestroyed() noexcept;

    // Owner-draw messages; false when the entry is not one of ours.
    bool MeasureItem(MEASUREITEMSTRUCT& measure) const;
    bool DrawItem(const DRAWITEMSTRUCT& draw) const;
    // WM_ENTERMENULOOP and WM_EXITMENULOOP: only our own popup's loop counts.
    void OnMenuLoop(bool entering);
    void OnAutoDropProbe(LPARAM lparam);
    void OnAutoDropNow();
    void OnShortcutInvoke(WPARAM wparam, LPARAM lparam);

private:
    void FireMenuDropped(bool dropped);
    bool AutoDropAllowed(POINT screen) const;
    void ChooseMenuItem(std::int16_t id, bool hyperlink, const std::u16string& address, bool enabled);
    bool InDropPart(POINT client_point) const;
    bool ActiveWindowIsOwnTopLevel() const;
    bool WindowVisible() const;
    MenuLook Look() const;

    ControlWindow& window_;
    WindowOwner& owner_;
    OwnerDrawPopup popup_;
    // Set just before a popup shows; a drop request while it is set only
    // clears it, so the click that closed the popup on its own drop part
    // does not open it again.
    bool drop_suppressed_ = false;
    bool tracking_popup_ = false;  // inside TrackPopupMenu of our popup
    // Set from MenuButtonPressed to the end of the menu loop: a DropMenu from
    // the drop's own events would otherwise drop again without end.
    bool dropping_ = false;
    bool auto_drop_pending_ = false;  // a drop decided by the hook is queued
};

}  // namespace brixel::activex
