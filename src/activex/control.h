// CTavloCtrl: the control object that containers and scripts talk to.
#pragma once

#include "activex/connection_point.h"
#include "gdi/raii.h"

#include <ocidl.h>

#include <atomic>
#include <string>

namespace brixel::activex {

class CTavloCtrl final : public IDispatch, public IProvideClassInfo2, public IConnectionPointContainer {
public:
    static HRESULT Create(REFIID iid, void** out) noexcept;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) noexcept override;
    ULONG STDMETHODCALLTYPE AddRef() noexcept override;
    ULONG STDMETHODCALLTYPE Release() noexcept override;

    // IDispatch: names and type information come from the type library; the
    // calls themselves are dispatched here by DISPID.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** out) noexcept override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                                            DISPID* ids) noexcept override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* arg_error) noexcept override;

    // IProvideClassInfo2
    HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** out) noexcept override;
    HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* out) noexcept override;

    // IConnectionPointContainer
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** out) noexcept override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** out) noexcept override;

private:
    CTavloCtrl() noexcept;
    ~CTavloCtrl();
    HRESULT Initialize() noexcept;

    HRESULT InvokeProperty(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, UINT* arg_error) noexcept;
    HRESULT InvokeMethod(DISPID id, DISPPARAMS* params, VARIANT* result) noexcept;
    void PerformClick() noexcept;
    void FireEvent(DISPID id) noexcept { events_.Fire(id, nullptr); }

    std::atomic<ULONG> refs_{1};
    win::ComPtr<ITypeInfo> dispatch_info_;
    ConnectionPoint events_;

    std::wstring caption_;
    OLE_COLOR back_color_ = 0;
};

}  // namespace brixel::activex
