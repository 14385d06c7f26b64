// Automation: the dispatch interface of the control.
#include "activex/brixeldemo.h"
#include "activex/control.h"

#include <olectl.h>

namespace brixel::activex {
namespace {

constexpr DISPID kDispidPerformClick = 116;

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

HRESULT CTavloCtrl::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                           UINT* arg_error) noexcept {
    if (id == kDispidPerformClick) {
        if ((flags & DISPATCH_METHOD) == 0) return DISP_E_MEMBERNOTFOUND;
        return InvokeMethod(id, params, result);
    }
    return InvokeProperty(id, flags, params, result, arg_error);
}

HRESULT CTavloCtrl::InvokeProperty(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   UINT* arg_error) noexcept {
    if (id != DISPID_CAPTION && id != DISPID_BACKCOLOR) return DISP_E_MEMBERNOTFOUND;
    const VARTYPE type = id == DISPID_CAPTION ? VT_BSTR : VT_I4;
    if (IsPut(flags)) {
        win::UniqueVariant value;
        if (const HRESULT hr = PutArgument(params, type, &value, arg_error); FAILED(hr)) return hr;
        if (id == DISPID_CAPTION) {
            const BSTR text = value->bstrVal;
            try {
                caption_.assign(text ? text : L"", text ? ::SysStringLen(text) : 0);
            } catch (...) {
                return E_OUTOFMEMORY;
            }
            RebuildAccelerators();
        } else {
            back_color_ = static_cast<OLE_COLOR>(value->lVal);
        }
        PropertyChanged(id);
        return S_OK;
    }
    if ((flags & (DISPATCH_PROPERTYGET | DISPATCH_METHOD)) == 0) return DISP_E_MEMBERNOTFOUND;
    if (params != nullptr && params->cArgs != 0) return DISP_E_BADPARAMCOUNT;
    if (result == nullptr) return S_OK;
    ::VariantInit(result);
    if (id == DISPID_CAPTION) {
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

// Reads one of our own properties through the same path as any client.
HRESULT CTavloCtrl::ReadProperty(DISPID id, VARTYPE type, win::UniqueVariant* out) noexcept {
    win::UniqueVariant raw;
    DISPPARAMS none{};
    const HRESULT hr = Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, raw.put(), nullptr,
                              nullptr);
    if (FAILED(hr)) return hr;
    return ::VariantChangeType(out->put(), raw.get(), 0, type);
}

void CTavloCtrl::PerformClick() noexcept { FireEvent(DISPID_CLICK); }

}  // namespace brixel::activex
