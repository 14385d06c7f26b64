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
    // `dispinterface`: sinks answering only IDispatch are accepted too.
    ConnectionPoint(IConnectionPointContainer* owner, const IID& events, bool dispinterface) noexcept
        : owner_(owner), events_(events), dispinterface_(dispinterface) {}
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

    // Calls every connected sink of a dispinterface.
    void Fire(DISPID id, DISPPARAMS* params) noexcept;
    // Calls `call(Interface*)` on every sink. A handler may connect or
    // disconnect sinks (or drop the last reference to the control) while it
    // runs, so the call works on its own snapshot of the sinks.
    template <typename Interface, typename Call>
    void ForEachSink(Call call) noexcept;
    void DisconnectAll() noexcept { sinks_.clear(); }

private:
    // Each sink is held through the interface asked for at Advise, which
    // for a dispinterface may be plain IDispatch; both start with IUnknown.
    struct Sink {
        DWORD cookie;
        win::ComPtr<IUnknown> sink;
    };
    IConnectionPointContainer* owner_;
    IID events_;
    bool dispinterface_;
    std::vector<Sink> sinks_;
    DWORD next_cookie_ = 1;
};

template <typename Interface, typename Call>
void ConnectionPoint::ForEachSink(Call call) noexcept {
    std::vector<win::ComPtr<IUnknown>> snapshot;
    try {
        snapshot.reserve(sinks_.size());
        for (const Sink& s : sinks_) snapshot.push_back(s.sink);
    } catch (...) {
        return;
    }
    // Keep the control alive while user code runs inside the handlers.
    owner_->AddRef();
    for (const auto& sink : snapshot) call(static_cast<Interface*>(sink.get()));
    owner_->Release();
}

// Enumerates a fixed set of connection points of one container.
HRESULT CreateConnectionPointEnumerator(IConnectionPointContainer* owner, IConnectionPoint* const* points,
                                        ULONG count, IEnumConnectionPoints** out) noexcept;

}  // namespace brixel::activex
