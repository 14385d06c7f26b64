// The outgoing event interface: sinks connect here and every event reaches
// each of them synchronously, before the firing call returns.
#pragma once

#include "gdi/raii.h"

#include <ocidl.h>
#include <olectl.h>

#include <vector>

namespace brixel::activex {

// Lives inside its container and shares the container's reference count: a
// connection point handed out keeps the whole control alive.
class ConnectionPoint final : public IConnectionPoint {
public:
    ConnectionPoint(IConnectionPointContainer* owner, const IID& events) noexcept
        : owner_(owner), events_(events) {}
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) noexcept override;
    ULONG STDMETHODCALLTYPE AddRef() noexcept override { return owner_->AddRef(); }
    ULONG STDMETHODCALLTYPE Release() noexcept override { return owner_->Release(); }

    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) noexcept override;
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** out) noexcept override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) noexcept override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) noexcept override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** out) noexcept override;

    const IID& events() const noexcept { return events_; }

    // Calls every connected sink. A handler may connect or disconnect sinks
    // (or drop the last reference to the control) while it runs, so the call
    // works on its own snapshot of the sinks.
    void Fire(DISPID id, DISPPARAMS* params) noexcept;
    void DisconnectAll() noexcept { sinks_.clear(); }

private:
    struct Sink {
        DWORD cookie;
        win::ComPtr<IDispatch> dispatch;
    };
    IConnectionPointContainer* owner_;
    IID events_;
    std::vector<Sink> sinks_;
    DWORD next_cookie_ = 1;
};

}  // namespace brixel::activex
