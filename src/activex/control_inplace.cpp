// In-place activation: the control's window inside the container's.
#include "activex/background_capture.h"
#include "activex/com_boundary.h"
#include "activex/control_inplace.h"
#include "core/mnemonic.h"

namespace brixel::activex {

HRESULT ControlInPlace::Activate(bool ui_activate, HWND parent, LPCRECT position) noexcept {
    if (LiveWindow() == nullptr) {
        IOleClientSite* site = host_.Site();
        if (site == nullptr || FAILED(site->QueryInterface(IID_IOleInPlaceSite, inplace_site_.put_void()))) {
            return E_NOINTERFACE;
        }
        if (inplace_site_->CanInPlaceActivate() != S_OK) return E_FAIL;
        inplace_site_->OnInPlaceActivate();
        HWND container = parent;
        if (FAILED(inplace_site_->GetWindow(&container)) || container == nullptr) container = parent;
        win::ComPtr<IOleInPlaceFrame> frame;
        win::ComPtr<IOleInPlaceUIWindow> document;
        RECT pos{}, clip{};
        OLEINPLACEFRAMEINFO info{};
        info.cb = sizeof(info);
        inplace_site_->GetWindowContext(frame.put(), document.put(), &pos, &clip, &info);
        if (position != nullptr) pos = *position;
        if (const HRESULT hr = ComBoundary([&] {
                if (!window_) window_ = std::make_unique<ControlWindow>(owner_);
                return S_OK;
            });
            FAILED(hr)) {
            return hr;
        }
        if (!window_->Create(container, pos)) {
            inplace_site_->OnInPlaceDeactivate();
            return E_FAIL;
        }
        instance_.WindowCreated(Frame());
        surface_.WindowCreated(container, pos);
    }
    ::ShowWindow(window_->hwnd(), SW_SHOWNA);
    if (ui_activate && !ui_active_) {
        ui_active_ = true;
        inplace_site_->OnUIActivate();
        ::SetFocus(window_->hwnd());
    }
    return S_OK;
}

void ControlInPlace::UIActivateIfPending() noexcept {
    if (ui_active_ || LiveWindow() == nullptr || !inplace_site_) return;
    HWND focus = ::GetFocus();
    if (focus == window_->hwnd() || ::IsChild(window_->hwnd(), focus)) Activate(true, nullptr, nullptr);
}

HRESULT ControlInPlace::GetWindow(HWND* out) noexcept {
    if (out == nullptr) return E_POINTER;
    *out = window_ ? window_->hwnd() : nullptr;
    return *out ? S_OK : E_FAIL;
}

HRESULT ControlInPlace::ContextSensitiveHelp(BOOL) noexcept { return E_NOTIMPL; }

HRESULT ControlInPlace::InPlaceDeactivate() noexcept {
    if (LiveWindow() == nullptr) return S_OK;
    UIDeactivate();
    surface_.WindowClosing();
    window_->Destroy();
    if (inplace_site_) inplace_site_->OnInPlaceDeactivate();
    inplace_site_.reset();
    return S_OK;
}

HRESULT ControlInPlace::UIDeactivate() noexcept {
    if (!ui_active_) return S_OK;
    ui_active_ = false;
    if (inplace_site_) inplace_site_->OnUIDeactivate(FALSE);
    return S_OK;
}

HRESULT ControlInPlace::SetObjectRects(LPCRECT position, LPCRECT) noexcept {
    if (position == nullptr) return E_POINTER;
    if (LiveWindow() != nullptr) {
        const RECT now = RectInParent(window_->hwnd());
        if (!::EqualRect(&now, position)) surface_.WindowMoving(*position);
        ::MoveWindow(window_->hwnd(), position->left, position->top, position->right - position->left,
                     position->bottom - position->top, TRUE);
        surface_.ApplyRegion();
    }
    return S_OK;
}

HRESULT ControlInPlace::ReactivateAndUndo() noexcept { return E_NOTIMPL; }

// Keys the container would otherwise take for itself reach the control's
// KeyDown first; a handler that zeroes the key code keeps them. The
// mnemonic with Alt clicks (or drops a drop-down-only menu).
HRESULT ControlInPlace::TranslateAccelerator(LPMSG msg) noexcept {
    if (msg == nullptr || LiveWindow() == nullptr) return S_FALSE;
    const UserActionScope user_action(host_);
    if (msg->message == WM_SYSKEYDOWN) {
        const auto mnemonic = MnemonicOf(instance_.Props().Caption);
        if (mnemonic) {
            const SHORT scan = ::VkKeyScanW(static_cast<wchar_t>(*mnemonic));
            if (scan != -1 && LOBYTE(scan) == msg->wParam) {
                instance_.Mnemonic(Frame(), static_cast<std::int16_t>(msg->wParam));
                return S_OK;
            }
        }
        return S_FALSE;
    }
    if (msg->message != WM_KEYDOWN) return S_FALSE;
    switch (msg->wParam) {
        case VK_TAB:
        case VK_RETURN:
        case VK_MENU:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN: {
            // The message never reaches the window's own handler, so the
            // modifiers are read here, as that handler would.
            instance_.KeyDown(Frame(), static_cast<std::int16_t>(msg->wParam), (msg->lParam & (1 << 30)) != 0,
                              ShiftState());
            return instance_.KeyDefaultRuns() ? S_FALSE : S_OK;
        }
        default: return S_FALSE;
    }
}
HRESULT ControlInPlace::OnFrameWindowActivate(BOOL) noexcept { return S_OK; }
HRESULT ControlInPlace::OnDocWindowActivate(BOOL) noexcept { return S_OK; }
HRESULT ControlInPlace::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) noexcept { return S_OK; }
HRESULT ControlInPlace::EnableModeless(BOOL) noexcept { return S_OK; }

}  // namespace brixel::activex
