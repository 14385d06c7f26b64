// In-place activation: the control's window inside the container's.
#include "activex/com_boundary.h"
#include "activex/control.h"
#include "core/mnemonic.h"

namespace brixel::activex {

HRESULT CTavloCtrl::InPlaceActivate(bool ui_activate, HWND parent, LPCRECT position) noexcept {
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
                if (!window_) window_ = std::make_unique<ControlWindow>(static_cast<WindowOwner&>(*this));
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
        ApplyRegion();
        // Still hidden: the container's pixels at our place are its own.
        SetTransparentWindow(false);
        if (WantsTranslucentWindow()) {
            LoadDrawingPrimitives();
            background_.CaptureIfNeeded(container, pos, &msimg32_);
        }
    }
    ::ShowWindow(window_->hwnd(), SW_SHOWNA);
    if (ui_activate && !ui_active_) {
        ui_active_ = true;
        inplace_site_->OnUIActivate();
        ::SetFocus(window_->hwnd());
    }
    return S_OK;
}

void CTavloCtrl::UIActivateIfPending() noexcept {
    if (ui_active_ || LiveWindow() == nullptr || !inplace_site_) return;
    HWND focus = ::GetFocus();
    if (focus == window_->hwnd() || ::IsChild(window_->hwnd(), focus)) InPlaceActivate(true, nullptr, nullptr);
}

HRESULT CTavloCtrl::GetWindow(HWND* out) noexcept {
    if (out == nullptr) return E_POINTER;
    *out = window_ ? window_->hwnd() : nullptr;
    return *out ? S_OK : E_FAIL;
}

HRESULT CTavloCtrl::ContextSensitiveHelp(BOOL) noexcept { return E_NOTIMPL; }

HRESULT CTavloCtrl::InPlaceDeactivate() noexcept {
    if (LiveWindow() == nullptr) return S_OK;
    UIDeactivate();
    background_.Release();
    window_->Destroy();
    if (inplace_site_) inplace_site_->OnInPlaceDeactivate();
    inplace_site_.reset();
    return S_OK;
}

HRESULT CTavloCtrl::UIDeactivate() noexcept {
    if (!ui_active_) return S_OK;
    ui_active_ = false;
    if (inplace_site_) inplace_site_->OnUIDeactivate(FALSE);
    return S_OK;
}

HRESULT CTavloCtrl::SetObjectRects(LPCRECT position, LPCRECT) noexcept {
    if (position == nullptr) return E_POINTER;
    if (LiveWindow() != nullptr) {
        const RECT now = RectInParent(window_->hwnd());
        if (!::EqualRect(&now, position)) {
            // The copy of the container's pixels belongs to the old place.
            background_.Release();
            if (WantsTranslucentWindow()) CaptureBackgroundAt(*position);
        }
        ::MoveWindow(window_->hwnd(), position->left, position->top, position->right - position->left,
                     position->bottom - position->top, TRUE);
        ApplyRegion();
    }
    return S_OK;
}

HRESULT CTavloCtrl::ReactivateAndUndo() noexcept { return E_NOTIMPL; }

// Keys the container would otherwise take for itself reach the control's
// KeyDown first; a handler that zeroes the key code keeps them. The
// mnemonic with Alt clicks (or drops a drop-down-only menu).
HRESULT CTavloCtrl::TranslateAccelerator(LPMSG msg) noexcept {
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
HRESULT CTavloCtrl::OnFrameWindowActivate(BOOL) noexcept { return S_OK; }
HRESULT CTavloCtrl::OnDocWindowActivate(BOOL) noexcept { return S_OK; }
HRESULT CTavloCtrl::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) noexcept { return S_OK; }
HRESULT CTavloCtrl::EnableModeless(BOOL) noexcept { return S_OK; }

}  // namespace brixel::activex
