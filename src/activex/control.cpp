#include "activex/control.h"

#include "activex/brixeldemo.h"
#include "activex/module.h"

#include <olectl.h>

#include <new>

namespace brixel::activex {
namespace {

// The stock dispatch identifiers used by this control.
constexpr DISPID kDispidCaption = DISPID_CAPTION;      // -518
constexpr DISPID kDispidBackColor = DISPID_BACKCOLOR;  // -501
constexpr DISPID kDispidPerformClick = 116;
constexpr DISPID kDispidClick = DISPID_CLICK;  // -600

bool IsPut(WORD flags) { return (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0; }

// The single value of a property put, coerced to `type`.
HRESULT PutArgument(DISPPARAMS* params, VARTYPE type, win::UniqueVariant* out, UINT* arg_error) {
    if (params == nullptr || params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
    if (params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT) return DISP_E_PARAMNOTOPTIONAL;
    const HRESULT hr = ::VariantChangeType(out->put(), &params->rgvarg[0], 0, type);
    if (FAILED(hr) && arg_error != nullptr) *arg_error = 0;
    return FAILED(hr) ? DISP_E_TYPEMISMATCH : S_OK;
}

}  // namespace

CTavloCtrl::CTavloCtrl() noexcept : events_(this, DIID__DBrixelDemoEvents) {
    LockModule();
    // New controls start on the button face colour of the desktop they are
    // created on.
    back_color_ = ::GetSysColor(COLOR_BTNFACE);
}

CTavloCtrl::~CTavloCtrl() { UnlockModule(); }

HRESULT CTavloCtrl::Initialize() noexcept { return GetOwnTypeInfo(DIID__DBrixelDemo, dispatch_info_.put()); }

HRESULT CTavloCtrl::Create(REFIID iid, void** out) noexcept {
    auto* control = new (std::nothrow) CTavloCtrl();
    if (control == nullptr) return E_OUTOFMEMORY;
    HRESULT hr = control->Initialize();
    if (SUCCEEDED(hr)) hr = control->QueryInterface(iid, out);
    control->Release();
    return hr;
}

HRESULT CTavloCtrl::QueryInterface(REFIID iid, void** out) noexcept {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, DIID__DBrixelDemo)) {
        *out = static_cast<IDispatch*>(this);
    } else if (IsEqualIID(iid, IID_IProvideClassInfo) || IsEqualIID(iid, IID_IProvideClassInfo2)) {
        *out = static_cast<IProvideClassInfo2*>(this);
    } else if (IsEqualIID(iid, IID_IConnectionPointContainer)) {
        *out = static_cast<IConnectionPointContainer*>(this);
    } else {
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG CTavloCtrl::AddRef() noexcept { return ++refs_; }

ULONG CTavloCtrl::Release() noexcept {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
}

HRESULT CTavloCtrl::GetTypeInfoCount(UINT* count) noexcept {
    if (count == nullptr) return E_POINTER;
    *count = 1;
    return S_OK;
}

HRESULT CTavloCtrl::GetTypeInfo(UINT index, LCID, ITypeInfo** out) noexcept {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    *out = dispatch_info_.get();
    (*out)->AddRef();
    return S_OK;
}

HRESULT CTavloCtrl::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) noexcept {
    return ::DispGetIDsOfNames(dispatch_info_.get(), names, count, ids);
}

HRESULT CTavloCtrl::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                           EXCEPINFO*, UINT* arg_error) noexcept {
    if (id == kDispidPerformClick) {
        if ((flags & DISPATCH_METHOD) == 0) return DISP_E_MEMBERNOTFOUND;
        return InvokeMethod(id, params, result);
    }
    return InvokeProperty(id, flags, params, result, arg_error);
}

HRESULT CTavloCtrl::InvokeProperty(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   UINT* arg_error) noexcept {
    if (id != kDispidCaption && id != kDispidBackColor) return DISP_E_MEMBERNOTFOUND;
    const VARTYPE type = id == kDispidCaption ? VT_BSTR : VT_I4;
    if (IsPut(flags)) {
        win::UniqueVariant value;
        if (const HRESULT hr = PutArgument(params, type, &value, arg_error); FAILED(hr)) return hr;
        if (id == kDispidCaption) {
            const BSTR text = value->bstrVal;
            caption_.assign(text ? text : L"", text ? ::SysStringLen(text) : 0);
        } else {
            back_color_ = static_cast<OLE_COLOR>(value->lVal);
        }
        return S_OK;
    }
    if ((flags & (DISPATCH_PROPERTYGET | DISPATCH_METHOD)) == 0) return DISP_E_MEMBERNOTFOUND;
    if (params != nullptr && params->cArgs != 0) return DISP_E_BADPARAMCOUNT;
    if (result == nullptr) return S_OK;
    ::VariantInit(result);
    if (id == kDispidCaption) {
        result->vt = VT_BSTR;
        result->bstrVal = ::SysAllocStringLen(caption_.data(), static_cast<UINT>(caption_.size()));
        if (result->bstrVal == nullptr) {
            result->vt = VT_EMPTY;
            return E_OUTOFMEMORY;
        }
    } else {
        result->vt = VT_I4;
        result->lVal = static_cast<LONG>(back_color_);
    }
    return S_OK;
}

HRESULT CTavloCtrl::InvokeMethod(DISPID, DISPPARAMS* params, VARIANT* result) noexcept {
    if (params != nullptr && params->cArgs != 0) return DISP_E_BADPARAMCOUNT;
    if (result != nullptr) ::VariantInit(result);
    PerformClick();
    return S_OK;
}

void CTavloCtrl::PerformClick() noexcept { FireEvent(kDispidClick); }

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
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    return E_NOTIMPL;
}

HRESULT CTavloCtrl::FindConnectionPoint(REFIID iid, IConnectionPoint** out) noexcept {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (!IsEqualIID(iid, events_.events())) return CONNECT_E_NOCONNECTION;
    *out = &events_;
    events_.AddRef();
    return S_OK;
}

}  // namespace brixel::activex
