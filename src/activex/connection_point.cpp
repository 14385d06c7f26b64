#include "activex/connection_point.h"

#include <algorithm>
#include <new>

namespace brixel::activex {

HRESULT ConnectionPoint::QueryInterface(REFIID iid, void** out) noexcept {
    if (out == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IConnectionPoint)) {
        *out = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

HRESULT ConnectionPoint::GetConnectionInterface(IID* iid) noexcept {
    if (iid == nullptr) return E_POINTER;
    *iid = events_;
    return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** out) noexcept {
    if (out == nullptr) return E_POINTER;
    *out = owner_;
    owner_->AddRef();
    return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) noexcept {
    if (cookie == nullptr) return E_POINTER;
    *cookie = 0;
    if (sink == nullptr) return E_POINTER;
    // A sink for a dispinterface is reached through IDispatch; ask for the
    // event interface first so a sink that distinguishes the two is honoured.
    win::ComPtr<IDispatch> dispatch;
    if (FAILED(sink->QueryInterface(events_, dispatch.put_void())) &&
        FAILED(sink->QueryInterface(IID_IDispatch, dispatch.put_void()))) {
        return CONNECT_E_CANNOTCONNECT;
    }
    try {
        sinks_.push_back(Sink{next_cookie_, std::move(dispatch)});
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    *cookie = next_cookie_++;
    return S_OK;
}

HRESULT ConnectionPoint::Unadvise(DWORD cookie) noexcept {
    const auto it = std::find_if(sinks_.begin(), sinks_.end(), [cookie](const Sink& s) { return s.cookie == cookie; });
    if (it == sinks_.end()) return CONNECT_E_NOCONNECTION;
    // Release outside the vector: the sink's Release may re-enter Unadvise.
    win::ComPtr<IDispatch> leaving = std::move(it->dispatch);
    sinks_.erase(it);
    return S_OK;
}

HRESULT ConnectionPoint::EnumConnections(IEnumConnections** out) noexcept {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    return E_NOTIMPL;
}

void ConnectionPoint::Fire(DISPID id, DISPPARAMS* params) noexcept {
    std::vector<win::ComPtr<IDispatch>> snapshot;
    try {
        snapshot.reserve(sinks_.size());
        for (const Sink& s : sinks_) snapshot.push_back(s.dispatch);
    } catch (const std::bad_alloc&) {
        return;
    }
    // Keep the control alive while user code runs inside the handlers.
    owner_->AddRef();
    DISPPARAMS none{};
    for (const auto& sink : snapshot) {
        sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, params ? params : &none, nullptr,
                     nullptr, nullptr);
    }
    owner_->Release();
}

}  // namespace brixel::activex
