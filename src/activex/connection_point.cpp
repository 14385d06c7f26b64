#include "activex/connection_point.h"

#include "activex/com_boundary.h"
#include "activex/com_object.h"

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
    // A sink for a dispinterface may answer only IDispatch; ask for the
    // outgoing interface first so a sink that distinguishes them is honoured.
    win::ComPtr<IUnknown> held;
    if (FAILED(sink->QueryInterface(events_, held.put_void())) &&
        (!dispinterface_ || FAILED(sink->QueryInterface(IID_IDispatch, held.put_void())))) {
        return CONNECT_E_CANNOTCONNECT;
    }
    return ComBoundary([&] {
        sinks_.push_back(Sink{next_cookie_, std::move(held)});
        *cookie = next_cookie_++;
        return S_OK;
    });
}

HRESULT ConnectionPoint::Unadvise(DWORD cookie) noexcept {
    const auto it = std::find_if(sinks_.begin(), sinks_.end(), [cookie](const Sink& s) { return s.cookie == cookie; });
    if (it == sinks_.end()) return CONNECT_E_NOCONNECTION;
    // Release outside the vector: the sink's Release may re-enter Unadvise.
    win::ComPtr<IUnknown> leaving = std::move(it->sink);
    sinks_.erase(it);
    return S_OK;
}

HRESULT ConnectionPoint::EnumConnections(IEnumConnections** out) noexcept {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    return E_NOTIMPL;
}

void ConnectionPoint::Fire(DISPID id, DISPPARAMS* params) noexcept {
    DISPPARAMS none{};
    ForEachSink<IDispatch>([&](IDispatch* sink) {
        sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, params ? params : &none, nullptr, nullptr,
                     nullptr);
    });
}

namespace {

class PointEnumerator final : public ComObject<IEnumConnectionPoints, IID_IEnumConnectionPoints> {
public:
    PointEnumerator(IConnectionPointContainer* owner, std::vector<IConnectionPoint*> points, ULONG position)
        : owner_(owner), points_(std::move(points)), position_(position) {
        owner_->AddRef();
    }
    HRESULT STDMETHODCALLTYPE Next(ULONG wanted, IConnectionPoint** out, ULONG* fetched) noexcept override {
        if (out == nullptr || (wanted > 1 && fetched == nullptr)) return E_POINTER;
        ULONG n = 0;
        for (; n < wanted && position_ < points_.size(); ++n, ++position_) {
            out[n] = points_[position_];
            out[n]->AddRef();
        }
        if (fetched != nullptr) *fetched = n;
        return n == wanted ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) noexcept override {
        const ULONG left = static_cast<ULONG>(points_.size()) - position_;
        position_ += count < left ? count : left;
        return count <= left ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() noexcept override {
        position_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumConnectionPoints** out) noexcept override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        // The copy of the list allocates too, before the object does.
        return ComBoundary([&] {
            *out = new PointEnumerator(owner_, points_, position_);
            return S_OK;
        });
    }

private:
    ~PointEnumerator() override { owner_->Release(); }
    IConnectionPointContainer* owner_;
    std::vector<IConnectionPoint*> points_;  // alive as long as their owner
    ULONG position_;
};

}  // namespace

HRESULT CreateConnectionPointEnumerator(IConnectionPointContainer* owner, IConnectionPoint* const* points,
                                        ULONG count, IEnumConnectionPoints** out) noexcept {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    return ComBoundary([&] {
        *out = new PointEnumerator(owner, std::vector<IConnectionPoint*>(points, points + count), 0);
        return S_OK;
    });
}

}  // namespace brixel::activex
