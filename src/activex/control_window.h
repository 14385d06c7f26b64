// The control's window while it is in-place active: it owns the window, the
// tooltip and the drop-down popup, and turns window messages into steps of
// the button instance. What a step asks for is carried out by the control
// (the instance's live host); the window offers the control the operations
// that need its message in hand, its tooltip or its popup.
#pragma once

#include "activex/accessible.h"
#include "activex/control_host.h"
#include "activex/popup_drop.h"
#include "activex/window_tooltip.h"
#include "gdi/raii.h"
#include "instance/button_instance.h"
#include "render/focus.h"

#include <windows.h>
#include <oaidl.h>

#include <string>

namespace brixel::activex {

// What the window needs of the control that owns it, and no more.
class WindowOwner {
public:
    virtual ButtonInstance& Instance() noexcept = 0;
    virtual ControlInstanceHost& Host() noexcept = 0;
    // Kept alive while a message is handled: user code runs inside our
    // events and may release the control.
    virtual IUnknown* Identity() noexcept = 0;
    // `args` last to first, as automation passes them.
    virtual void FireEvent(DISPID id, VARIANT* args, UINT count) noexcept = 0;
    // Paints the face into `dc` at `bounds`; the caller handles the outcome.
    virtual FocusOutcome PaintFace(HDC dc, const RECT& bounds, bool after_click, bool has_focus) noexcept = 0;
    // The window's monitor resolution changed: read it again and reshape.
    virtual void ResolutionChanged() noexcept = 0;

protected:
    ~WindowOwner() = default;
};

// Posted by a control to itself: an auto-drop decided in the message hook.
inline constexpr UINT kUmAutoDropNow = WM_APP + 0x0BD0;

// Shift, Ctrl and Alt as the keyboard holds them now, in the events' encoding.
std::int16_t ShiftState();

class ControlWindow final {
public:
    explicit ControlWindow(WindowOwner& owner) noexcept : owner_(owner) {}
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;
    ~ControlWindow();

    bool Create(HWND parent, const RECT& position) noexcept;
    void Destroy() noexcept;
    HWND hwnd() const noexcept { return window_.get(); }
    // The window as a step of the instance sees it now; a default frame
    // once it is gone.
    WindowFrame Frame() const noexcept;

    // Our control window behind `window`, or null.
    static ControlWindow* FromHandle(HWND window) noexcept;
    static bool IsControlClass(HWND window) noexcept;
    // Menu and MenuAutoDrop both on: other controls' open popups close when
    // the mouse moves onto this one.
    bool AutoDropArmed() const noexcept;
    // The DropMenu method: drops only for an active, enabled, visible menu button.
    void DropMenuMethod() noexcept { menu_.DropMenuMethod(); }

    // What the control carries out here.
    void Redraw(bool after_click) noexcept;
    void SetTooltip(const std::wstring& text, bool active) noexcept { tooltip_.Set(text, active); }
    void RelayToTooltip(Point p) noexcept;
    void DefaultProcessing() noexcept;
    // Ends a press by a real message, so it comes back as a step of its own.
    void SendButtonUp(MouseButton button, Point p) noexcept;
    void SendSpaceKeyUp() noexcept;
    void DropPopup() { menu_.Drop(); }
    void OpenButtonHyperlink();
    // RightToLeft changed: the entry order of an existing popup follows at once.
    void MenuRightToLeftChanged() noexcept { menu_.RightToLeftChanged(); }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT Dispatch(UINT message, WPARAM wparam, LPARAM lparam);
    bool OnKey(UINT message, WPARAM wparam, LPARAM lparam);
    bool OnSetCursor(LPARAM lparam);
    // A default action an accessibility client asked for, run as a user's.
    void OnAccessibleAction(WPARAM part);
    void OnPaint();
    void Paint(HDC dc, bool after_click);

    WindowOwner& owner_;
    win::UniqueWindow window_;
    WindowTooltip tooltip_;
    AccessibleLink accessible_{owner_};
    MenuDrop menu_{*this, owner_};
    bool counted_in_hook_ = false;
    // The message being handled, for the default window procedure.
    UINT message_ = 0;
    WPARAM wparam_ = 0;
    LPARAM lparam_ = 0;
};

}  // namespace brixel::activex
