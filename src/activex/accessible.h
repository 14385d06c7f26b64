// The control window as assistive technology sees it: one IAccessible for
// the client area, built from the instance's own decisions
// (instance/accessibility.h), and the WinEvents that tell listeners what
// changed. A split button shows its push and drop parts as children 1 and 2.
#pragma once

#include "instance/accessibility.h"

#include <windows.h>
#include <oleacc.h>

#include <optional>

namespace brixel::activex {

class ButtonAccessible;
class WindowOwner;

// Posted to the window by a default action: the caller's call returns first,
// so a client is never held inside our popup's modal loop or a Click
// handler's message box. The word parameter is the AccessiblePart.
inline constexpr UINT kUmAccessibleAction = WM_APP + 0x0ACC;

// Owned by the window. The accessible object a client holds may outlive the
// window; from then on it answers that it is disconnected.
class AccessibleLink final {
public:
    explicit AccessibleLink(WindowOwner& owner) noexcept : owner_(owner) {}
    ~AccessibleLink();
    AccessibleLink(const AccessibleLink&) = delete;
    AccessibleLink& operator=(const AccessibleLink&) = delete;

    void Attach(HWND window) noexcept;
    void Detach() noexcept;
    // WM_GETOBJECT: our object for the client area; anything else is the
    // system's (the caller runs the default procedure when this answers no).
    std::optional<LRESULT> OnGetObject(WPARAM wparam, LPARAM lparam) noexcept;
    // After a repaint or a focus change: a WinEvent for each part of the
    // view that differs from what listeners last heard.
    void Changed() noexcept;
    void FocusGained() noexcept;

    // What the object asks of the window.
    HWND Window() const noexcept { return hwnd_; }
    std::optional<AccessibleView> View(AccessiblePart part) const;
    int ChildCount() const;
    std::optional<RECT> ScreenBounds(AccessiblePart part) const;
    std::optional<AccessiblePart> PartAtScreen(POINT screen) const;

private:
    WindowOwner& owner_;
    HWND hwnd_ = nullptr;
    ButtonAccessible* object_ = nullptr;  // holds one reference while set
    std::optional<AccessibleView> heard_;  // the whole button, as last announced
};

}  // namespace brixel::activex
