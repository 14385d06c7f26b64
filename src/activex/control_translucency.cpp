// Translucency on screen: the transparent window style, so the container
// paints before the control, and the copy of the container's pixels that
// the face is blended with.
#include "activex/control.h"
#include "activex/window_region.h"

namespace brixel::activex {

bool CTavloCtrl::WantsTranslucentWindow() const noexcept {
    const std::int16_t style = instance_.Props().TranslucentStyle;
    return (style == kvnAll || style == kvnBackground) && instance_.UserMode();
}

void CTavloCtrl::SetTransparentWindow(bool after_change) noexcept {
    background_.Release();
    ControlWindow* window = LiveWindow();
    if (window == nullptr) return;
    const HWND hwnd = window->hwnd();
    const LONG_PTR style = ::GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    const LONG_PTR wanted = WantsTranslucentWindow() ? style | WS_EX_TRANSPARENT : style & ~LONG_PTR{WS_EX_TRANSPARENT};
    if (wanted != style) ::SetWindowLongPtrW(hwnd, GWL_EXSTYLE, wanted);
    if (after_change) {
        ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                       SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        CaptureBackgroundAt(RectInParent(hwnd));
        window->Redraw(false);
    }
}

// Reading the container's pixels where the control's window shows would read
// the control's own face; the window steps aside for the copy. The container
// paints the uncovered area at once, so the copy is of its current look.
void CTavloCtrl::CaptureBackgroundAt(const RECT& at) noexcept {
    ControlWindow* window = LiveWindow();
    if (window == nullptr || instance_.Props().TranslucentStyle == kvnNotTranslucent) return;
    LoadDrawingPrimitives();
    const HWND hwnd = window->hwnd();
    const HWND container = ::GetParent(hwnd);
    const bool shown = ::IsWindowVisible(hwnd) != FALSE;
    if (shown) {
        ::ShowWindow(hwnd, SW_HIDE);
        ::RedrawWindow(container, &at, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    background_.Release();
    background_.CaptureIfNeeded(container, at, &msimg32_);
    if (shown) ::ShowWindow(hwnd, SW_SHOWNA);
}

void CTavloCtrl::WindowCreated(HWND container, const RECT& position) noexcept {
    ApplyRegion();
    // Still hidden: the container's pixels at our place are its own.
    SetTransparentWindow(false);
    if (WantsTranslucentWindow()) {
        LoadDrawingPrimitives();
        background_.CaptureIfNeeded(container, position, &msimg32_);
    }
}

// The copy of the container's pixels belongs to the old place.
void CTavloCtrl::WindowMoving(const RECT& position) noexcept {
    background_.Release();
    if (WantsTranslucentWindow()) CaptureBackgroundAt(position);
}

void CTavloCtrl::WindowClosing() noexcept { background_.Release(); }

void CTavloCtrl::ApplyRegion() noexcept {
    ControlWindow* window = LiveWindow();
    if (window == nullptr) return;
    LoadDrawingPrimitives();
    win::ApplyWindowRegion(window->hwnd(), instance_.Props(), instance_.Interaction(), instance_.UserMode(),
                           capabilities_.win9x, host_.ScreenDpi());
}

void CTavloCtrl::ResolutionChanged() noexcept {
    host_.DesktopSettingsChanged();
    face_.Clear();
    ApplyRegion();
}

}  // namespace brixel::activex
