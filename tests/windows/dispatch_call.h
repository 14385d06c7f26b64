// Calls into the control through IDispatch, as a script engine makes them.
#pragma once

#include "activex/com_owners.h"

#include <oaidl.h>

#include <algorithm>
#include <vector>

namespace brixel::testing {

inline VARIANT I2(short value) {
    VARIANT v{};
    v.vt = VT_I2;
    v.iVal = value;
    return v;
}

inline VARIANT I4(LONG value) {
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

inline VARIANT Bool(bool value) {
    VARIANT v{};
    v.vt = VT_BOOL;
    v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

// A string argument; `text` owns it and outlives the call.
inline VARIANT Text(const win::UniqueBstr& text) {
    VARIANT v{};
    v.vt = VT_BSTR;
    v.bstrVal = text.get();
    return v;
}

// `args` come in the order a script writes them; IDispatch takes them last
// first, and a property put names its value.
inline HRESULT CallControl(IDispatch* control, DISPID id, WORD flags, std::vector<VARIANT> args = {},
                           VARIANT* result = nullptr) {
    std::reverse(args.begin(), args.end());
    DISPID named = DISPID_PROPERTYPUT;
    const bool put = flags == DISPATCH_PROPERTYPUT;
    DISPPARAMS params{args.data(), put ? &named : nullptr, static_cast<UINT>(args.size()), put ? 1u : 0u};
    return control->Invoke(id, IID_NULL, 0, flags, &params, result, nullptr, nullptr);
}

inline HRESULT CallControl(IDispatch* control, const wchar_t* name, WORD flags, std::vector<VARIANT> args = {},
                           VARIANT* result = nullptr) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (const HRESULT hr = control->GetIDsOfNames(IID_NULL, names, 1, 0, &id); FAILED(hr)) return hr;
    return CallControl(control, id, flags, std::move(args), result);
}

// A property put whose automation error, if the control raises one, the test
// reads from `error`.
inline HRESULT PutRaising(IDispatch* control, DISPID id, VARIANT value, win::UniqueExcepInfo& error) {
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&value, &named, 1, 1};
    return control->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, error.put(), nullptr);
}

}  // namespace brixel::testing
