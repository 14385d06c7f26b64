// In-place activation: the control's window inside the container's, the
// container's in-place site, and the keys the container offers the control
// before it handles them itself. A part of the control's COM identity
// (control_part.h); it owns the control window.
#pragma once

#include "activex/com_owners.h"
#include "activex/control_host.h"
#include "activex/control_part.h"
#include "activex/control_window.h"
#include "instance/button_instance.h"

#include <ocidl.h>

#include <memory>

namespace brixel::activex {

// What activation asks of the control's face on screen: the window's shape
// and the copy of the container's pixels under a translucent control.
class WindowSurface {
public:
    // The window was just created, still hidden, at `position` in `container`.
    virtual void WindowCreated(HWND container, const RECT& position) noexcept = 0;
    // The window is about to move to `position` in its container.
    virtual void WindowMoving(const RECT& position) noexcept = 0;
    // The window is about to go.
    virtual void WindowClosing() noexcept = 0;
    // Shapes the window for the corners and appearance in force.
    virtual void ApplyRegion() noexcept = 0;

protected:
    ~WindowSurface() = default;
};

class ControlInPlace final : public ControlPart<IOleInPlaceObject, IOleInPlaceActiveObject> {
public:
    ControlInPlace(IUnknown& control, WindowOwner& owner, WindowSurface& surface, ButtonInstance& instance,
                   ControlInstanceHost& host) noexcept
        : ControlPart(control), owner_(owner), surface_(surface), instance_(instance), host_(host) {}

    // IOleWindow (for both interfaces)
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* out) noexcept override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) noexcept override;
    // IOleInPlaceObject
    HRESULT STDMETHODCALLTYPE InPlaceDeactivate() noexcept override;
    HRESULT STDMETHODCALLTYPE UIDeactivate() noexcept override;
    HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT position, LPCRECT clip) noexcept override;
    HRESULT STDMETHODCALLTYPE ReactivateAndUndo() noexcept override;
    // IOleInPlaceActiveObject
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG msg) noexcept override;
    HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL activate) noexcept override;
    HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL activate) noexcept override;
    HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frame) noexcept override;
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL enable) noexcept override;

    // The verbs that show the control: in place, and with `ui_activate`
    // also UI-active with the focus.
    HRESULT Activate(bool ui_activate, HWND parent, LPCRECT position) noexcept;
    // After a click: a control in place but not yet UI-active becomes so when
    // the focus is on it.
    void UIActivateIfPending() noexcept;
    // The window object, which may have outlived its window.
    ControlWindow* Window() const noexcept { return window_.get(); }
    // The window while the control is in place with one, else null.
    ControlWindow* LiveWindow() const noexcept { return window_ && window_->hwnd() ? window_.get() : nullptr; }
    WindowFrame Frame() const { return window_ ? window_->Frame() : WindowFrame{}; }
    // The control is going: its window goes first, while everything the
    // window's clean-up reaches still exists.
    void DestroyWindowObject() noexcept { window_.reset(); }

private:
    WindowOwner& owner_;
    WindowSurface& surface_;
    ButtonInstance& instance_;
    ControlInstanceHost& host_;
    win::ComPtr<IOleInPlaceSite> inplace_site_;
    std::unique_ptr<ControlWindow> window_;
    bool ui_active_ = false;
};

}  // namespace brixel::activex
