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

CTavloCtrl::CTavloCtrl()
    : events_(static_cast<IConnectionPointContainer*>(this), DIID__DBrixelDemoEvents, true),
      property_notify_(static_cast<IConnectionPointContainer*>(this), IID_IPropertyNotifySink, false),
      host_(kInitialExtent) {
    instance_.AttachLiveHost(static_cast<LiveHost*>(this));
    LockModule();
}

CTavloCtrl::~CTavloCtrl() {
    window_.reset();
    UnlockModule();
}

HRESULT CTavloCtrl::Initialize() noexcept {
    if (const HRESULT hr = GetOwnTypeInfo(DIID__DBrixelDemo, dispatch_info_.put()); FAILED(hr)) return hr;
    return ::CreateOleAdviseHolder(advise_holder_.put());
}

HRESULT CTavloCtrl::Create(REFIID iid, void** out) noexcept {
    CTavloCtrl* control = nullptr;
    if (const HRESULT hr = ComBoundary([&] {
            control = new CTavloCtrl();
            return S_OK;
        });
        FAILED(hr)) {
        return hr;
    }
    HRESULT hr = control->Initialize();
    if (SUCCEEDED(hr)) hr = control->QueryInterface(iid, out);
    control->Release();
    return hr;
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
        {&IID_IUnknown, static_cast<IDispatch*>(this)},
        {&IID_IDispatch, static_cast<IDispatch*>(this)},
        {&DIID__DBrixelDemo, static_cast<IDispatch*>(this)},
        {&IID_IProvideClassInfo, static_cast<IProvideClassInfo2*>(this)},
        {&IID_IProvideClassInfo2, static_cast<IProvideClassInfo2*>(this)},
        {&IID_IConnectionPointContainer, static_cast<IConnectionPointContainer*>(this)},
        {&IID_IOleObject, static_cast<IOleObject*>(this)},
        {&IID_IOleControl, static_cast<IOleControl*>(this)},
        {&IID_IPerPropertyBrowsing, static_cast<IPerPropertyBrowsing*>(&browsing_)},
        {&IID_ISpecifyPropertyPages, static_cast<ISpecifyPropertyPages*>(&browsing_)},
        {&IID_IObjectSafety, static_cast<IObjectSafety*>(&browsing_)},
        {&kIID_ICategorizeProperties, static_cast<ICategorizeProperties*>(&browsing_)},
        {&IID_IOleWindow, static_cast<IOleInPlaceObject*>(this)},
        {&IID_IOleInPlaceObject, static_cast<IOleInPlaceObject*>(this)},
        {&IID_IOleInPlaceActiveObject, static_cast<IOleInPlaceActiveObject*>(this)},
        {&IID_IPersist, static_cast<IPersistStreamInit*>(this)},
        {&IID_IPersistStreamInit, static_cast<IPersistStreamInit*>(this)},
        {&IID_IPersistPropertyBag, static_cast<IPersistPropertyBag*>(this)},
        {&IID_IPersistStorage, static_cast<IPersistStorage*>(this)},
        {&IID_IViewObject, static_cast<IViewObject2*>(&view_)},
        {&IID_IViewObject2, static_cast<IViewObject2*>(&view_)},
        {&kIID_IMenuAccess, static_cast<IMenuAccess*>(this)},
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

HRESULT CTavloCtrl::GetClassInfo(ITypeInfo** out) noexcept { return GetOwnTypeInfo(CLSID_BrixelDemo, out); }

HRESULT CTavloCtrl::GetGUID(DWORD kind, GUID* out) noexcept {
    if (out == nullptr) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
        *out = GUID_NULL;
        return E_INVALIDARG;
    }
    *out = DIID__DBrixelDemoEvents;
    return S_OK;
}

HRESULT CTavloCtrl::EnumConnectionPoints(IEnumConnectionPoints** out) noexcept {
    IConnectionPoint* const points[] = {&events_, &property_notify_};
    return CreateConnectionPointEnumerator(this, points, 2, out);
}

HRESULT CTavloCtrl::FindConnectionPoint(REFIID iid, IConnectionPoint** out) noexcept {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    ConnectionPoint* point = nullptr;
    if (IsEqualIID(iid, events_.events())) point = &events_;
    if (IsEqualIID(iid, property_notify_.events())) point = &property_notify_;
    if (point == nullptr) return CONNECT_E_NOCONNECTION;
    *out = point;
    point->AddRef();
    return S_OK;
}

// A frozen container does not want events: they are dropped, as the
// container asked, not queued.
void CTavloCtrl::FireEvent(DISPID id, VARIANT* args, UINT count) noexcept {
    if (freeze_count_ != 0) return;
    DISPPARAMS params{args, nullptr, count, 0};
    events_.Fire(id, &params);
}

void CTavloCtrl::NotifyChanged(DISPID id) noexcept {
    property_notify_.ForEachSink<IPropertyNotifySink>([id](IPropertyNotifySink* sink) { sink->OnChanged(id); });
}

}  // namespace brixel::activex
