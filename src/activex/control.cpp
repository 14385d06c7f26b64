#include "activex/control.h"

#include "activex/ambient.h"
#include "activex/brixeldemo.h"
#include "activex/com_boundary.h"
#include "activex/module.h"
#include "core/persist_control.h"

#include <olectl.h>

#include <new>

namespace brixel::activex {
namespace {

constexpr SIZEL kInitialExtent = {kDefaultExtentX, kDefaultExtentY};

}  // namespace

CTavloCtrl::CTavloCtrl() : host_(kInitialExtent) {
    instance_.AttachLiveHost(static_cast<LiveHost*>(this));
    LockModule();
}

CTavloCtrl::~CTavloCtrl() {
    inplace_.DestroyWindowObject();
    UnlockModule();
}

HRESULT CTavloCtrl::Initialize() noexcept {
    if (const HRESULT hr = automation_.Initialize(); FAILED(hr)) return hr;
    return ole_.Initialize();
}

HRESULT CTavloCtrl::Create(REFIID iid, void** out) noexcept {
    win::ComPtr<CTavloCtrl> control;
    if (const HRESULT hr = ComBoundary([&] {
            control = win::ComPtr<CTavloCtrl>::Attach(new CTavloCtrl());
            return S_OK;
        });
        FAILED(hr)) {
        return hr;
    }
    const HRESULT hr = control->Initialize();
    return SUCCEEDED(hr) ? control.As(iid, out) : hr;
}

HRESULT CTavloCtrl::QueryInterface(REFIID iid, void** out) noexcept {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    // One row per interface: the identifier and the matching base.
    struct Entry {
        const IID* iid;
        void* object;
    };
    const Entry table[] = {
        {&IID_IUnknown, static_cast<IUnknown*>(this)},
        {&IID_IDispatch, static_cast<IDispatch*>(&automation_)},
        {&DIID__DBrixelDemo, static_cast<IDispatch*>(&automation_)},
        {&IID_IProvideClassInfo, static_cast<IProvideClassInfo2*>(&automation_)},
        {&IID_IProvideClassInfo2, static_cast<IProvideClassInfo2*>(&automation_)},
        {&IID_IConnectionPointContainer, static_cast<IConnectionPointContainer*>(&automation_)},
        {&IID_IOleObject, static_cast<IOleObject*>(&ole_)},
        {&IID_IOleControl, static_cast<IOleControl*>(&ole_)},
        {&IID_IPerPropertyBrowsing, static_cast<IPerPropertyBrowsing*>(&browsing_)},
        {&IID_ISpecifyPropertyPages, static_cast<ISpecifyPropertyPages*>(&browsing_)},
        {&IID_IObjectSafety, static_cast<IObjectSafety*>(&browsing_)},
        {&kIID_ICategorizeProperties, static_cast<ICategorizeProperties*>(&browsing_)},
        {&IID_IOleWindow, static_cast<IOleInPlaceObject*>(&inplace_)},
        {&IID_IOleInPlaceObject, static_cast<IOleInPlaceObject*>(&inplace_)},
        {&IID_IOleInPlaceActiveObject, static_cast<IOleInPlaceActiveObject*>(&inplace_)},
        {&IID_IPersist, static_cast<IPersistStreamInit*>(&persistence_)},
        {&IID_IPersistStreamInit, static_cast<IPersistStreamInit*>(&persistence_)},
        {&IID_IPersistPropertyBag, static_cast<IPersistPropertyBag*>(&persistence_)},
        {&IID_IPersistStorage, static_cast<IPersistStorage*>(&persistence_)},
        {&IID_IViewObject, static_cast<IViewObject2*>(&view_)},
        {&IID_IViewObject2, static_cast<IViewObject2*>(&view_)},
        {&kIID_IMenuAccess, static_cast<IMenuAccess*>(&automation_)},
    };
    for (const Entry& e : table) {
        if (IsEqualIID(iid, *e.iid)) {
            *out = e.object;
            AddRef();
            return S_OK;
        }
    }
    return E_NOINTERFACE;
}

ULONG CTavloCtrl::AddRef() noexcept { return ++refs_; }

ULONG CTavloCtrl::Release() noexcept {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
}

}  // namespace brixel::activex
