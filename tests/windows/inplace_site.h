// A container site that can host the control in place: a real parent window,
// the in-place site protocol and the control site's accelerator path.
#pragma once

#include "test_site.h"

#include <gtest/gtest.h>
#include <ocidl.h>
#include <olectl.h>

namespace brixel::testing {

class InPlaceSite final : public AmbientSite, public IOleInPlaceSite, public IOleControlSite {
public:
    explicit InPlaceSite(HWND parent) : parent_(parent) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        *out = AmbientInterface(iid);
        if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite)) {
            *out = static_cast<IOleInPlaceSite*>(this);
        } else if (IsEqualIID(iid, IID_IOleControlSite)) {
            *out = static_cast<IOleControlSite*>(this);
        }
        if (*out == nullptr) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return AmbientSite::AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return AmbientSite::Release(); }

    // IOleWindow / IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* out) override {
        *out = parent_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override {
        ++in_place_activations;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override {
        ++ui_activations;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos,
                                               LPRECT clip, LPOLEINPLACEFRAMEINFO info) override {
        *frame = nullptr;
        *doc = nullptr;
        *pos = position;
        *clip = position;
        info->fMDIApp = FALSE;
        info->hwndFrame = parent_;
        info->haccel = nullptr;
        info->cAccelEntries = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override {
        ++in_place_deactivations;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleControlSite
    HRESULT STDMETHODCALLTYPE OnControlInfoChanged() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE LockInPlaceActive(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetExtendedControl(IDispatch** out) override {
        *out = extended_control;
        if (*out == nullptr) return E_NOTIMPL;
        (*out)->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE TransformCoords(POINTL*, POINTF*, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG* msg, DWORD) override {
        if (msg->message == WM_KEYDOWN && msg->wParam == VK_TAB) ++tabs_passed;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE OnFocus(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ShowPropertyFrame() override { return E_NOTIMPL; }

    RECT position{20, 20, 107, 45};  // 87 x 25, the size of a new control
    int in_place_activations = 0;
    int in_place_deactivations = 0;
    int ui_activations = 0;
    int tabs_passed = 0;
    // The container's extended control, when the test gives one.
    IDispatch* extended_control = nullptr;

private:
    HWND parent_;
};

}  // namespace brixel::testing
