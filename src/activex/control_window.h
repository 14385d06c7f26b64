// The control's window while it is in-place active: it turns window messages
// into calls on the button behaviour and performs the behaviour's side
// effects with real Win32 calls.
#pragma once

#include "activex/popup_menu.h"
#include "core/button_behavior.h"
#include "gdi/raii.h"

#include <windows.h>
#include <oaidl.h>

#include <string>

namespace brixel::activex {

class CTavloCtrl;

// Menu events of the event interface.
inline constexpr DISPID kDispidMenuDropped = 5;
inline constexpr DISPID kDispidMenuItemClicked = 6;
inline constexpr DISPID kDispidMenuButtonPressed = 7;

// Posted by a control to itself: an auto-drop decided in the message hook.
inline constexpr UINT kUmAutoDropNow = WM_APP + 0x0BD0;

// Shift, Ctrl and Alt as the keyboard holds them now, in the events' encoding.
std::int16_t ShiftState();

class ControlWindow final : public BehaviorHost {
public:
    explicit ControlWindow(CTavloCtrl& control) noexcept : control_(control), behavior_(*this) {}
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;
    ~ControlWindow() override;

    bool Create(HWND parent, const RECT& position) noexcept;
    void Destroy() noexcept;
    HWND hwnd() const noexcept { return hwnd_; }
    ButtonBehavior& behavior() noexcept { return behavior_; }
    void Repaint() noexcept;
    void SetTooltip(const std::wstring& text, bool active) noexcept;

    // Our control window behind `window`, or null.
    static ControlWindow* FromHandle(HWND window) noexcept;
    static bool IsControlClass(HWND window) noexcept;
    // Menu and MenuAutoDrop both on: other controls' open popups close when
    // the mouse moves onto this one.
    bool AutoDropArmed() const noexcept;
    // The DropMenu method: drops only for an active, enabled, visible menu button.
    void DropMenuMethod() noexcept;
    // RightToLeft changed: the entry order of an existing popup follows at once.
    void MenuRightToLeftChanged() noexcept;

    // BehaviorHost
    BehaviorSettings Settings() const override;
    bool ClientContains(Point p) const override;
    bool InMenuButtonStrip(Point p) const override;
    bool CursorOutsideClient() const override;
    bool WindowAlive() const override { return hwnd_ != nullptr && ::IsWindow(hwnd_); }
    WindowId Window() const override { return reinterpret_cast<WindowId>(hwnd_); }
    bool HoldsCapture() const override { return hwnd_ != nullptr && ::GetCapture() == hwnd_; }
    WindowId CaptureWindow() const override { return reinterpret_cast<WindowId>(::GetCapture()); }
    void TakeCapture() override { ::SetCapture(hwnd_); }
    void ReleaseCapture() override;
    void GiveCaptureTo(WindowId window) override;
    void TakeFocus() override { ::SetFocus(hwnd_); }
    void PassFocusToNextControl() override;
    void StartTimer(int id, int period_ms) override { ::SetTimer(hwnd_, id, period_ms, nullptr); }
    void StopTimer(int id) override { ::KillTimer(hwnd_, id); }
    void Redraw(bool after_click) override;
    void ShowFocusBorder(bool shown) override;
    void ShowHandCursor() override;
    void RelayToTooltip(TooltipRelay message, Point p) override;
    void HideContainerTooltip() override;
    void DefaultProcessing() override;
    void SendButtonUp(MouseButton button, Point p) override;
    void SendSpaceKeyUp() override;
    void UIActivateAfterClick() override;
    void DropMenu() override { DropPopup(); }
    void PlayButtonSound(SoundSlot slot) override;
    void OpenButtonHyperlink() override;
    void FireClick() override;
    void FireDblClick() override;
    void FireMouseDown(std::int16_t button, std::int16_t shift, int x, int y) override;
    void FireMouseMove(std::int16_t buttons, std::int16_t shift, int x, int y) override;
    void FireMouseUp(std::int16_t button, std::int16_t shift, int x, int y) override;
    void FireKeyDown(std::int16_t& key_code, std::int16_t shift) override;
    void FireKeyPress(std::int16_t& key_ascii) override;
    void FireKeyUp(std::int16_t& key_code, std::int16_t shift) override;
    void FireMouseEnter() override;
    void FireMouseExit() override;
    void FireButtonToggled(bool toggled) override;
    void FireWhileMouseDown() override;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT Dispatch(UINT message, WPARAM wparam, LPARAM lparam);
    bool OnKey(UINT message, WPARAM wparam, LPARAM lparam);
    bool OnSetCursor(LPARAM lparam);
    void CreateTooltip() noexcept;
    void OnPaint();
    void Paint(HDC dc, bool after_click);

    // The drop-down menu (popup_drop.cpp).
    void DropPopup();
    UINT TrackPopup();
    void FireMenuDropped(bool dropped);
    void OnMenuLoopStart();
    void OnMenuLoopEnd();
    void OnAutoDropProbe(LPARAM lparam);
    void OnAutoDropNow();
    bool AutoDropAllowed(POINT screen) const;
    void OnShortcutInvoke(WPARAM wparam, LPARAM lparam);
    void ChooseMenuItem(std::int16_t id, bool hyperlink, const std::u16string& address, bool enabled);
    bool InDropPart(POINT client_point) const;
    bool ActiveWindowIsOwnTopLevel() const;
    MenuLook Look() const;

    CTavloCtrl& control_;
    ButtonBehavior behavior_;
    HWND hwnd_ = nullptr;
    win::UniqueWindow tooltip_;
    OwnerDrawPopup popup_;
    // Set just before a popup shows; a drop request while it is set only
    // clears it, so the click that closed the popup on its own drop part
    // does not open it again.
    bool drop_suppressed_ = false;
    bool tracking_popup_ = false;  // inside TrackPopupMenu of our popup
    // Set from MenuButtonPressed to the end of the menu loop: a DropMenu from
    // the drop's own events would otherwise drop again without end.
    bool dropping_ = false;
    bool counted_in_hook_ = false;
    bool auto_drop_pending_ = false;  // a drop decided by the hook is queued
    // The message being handled, for the default window procedure.
    UINT message_ = 0;
    WPARAM wparam_ = 0;
    LPARAM lparam_ = 0;
};

}  // namespace brixel::activex
