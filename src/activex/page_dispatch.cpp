// Reading and writing a selected object's properties by name, the way the
// pages reach every control they edit.
#include "activex/page_framework.h"

namespace brixel::activex {
namespace {

HRESULT IdOfName(IDispatch* object, const wchar_t* property, DISPID* id) noexcept {
    auto* name = const_cast<LPOLESTR>(property);  // GetIDsOfNames does not write the names
    return object->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, id);
}

}  // namespace

HRESULT GetPropertyByName(IDispatch* object, const wchar_t* property, VARTYPE type, VARIANT* out) noexcept {
    if (object == nullptr || property == nullptr || out == nullptr) return E_POINTER;
    ::VariantInit(out);
    DISPID id = DISPID_UNKNOWN;
    HRESULT hr = IdOfName(object, property, &id);
    if (FAILED(hr)) return hr;
    DISPPARAMS none = {};
    win::UniqueVariant result;
    win::UniqueExcepInfo error;
    hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, result.get(), error.put(),
                        nullptr);
    if (FAILED(hr)) return hr;
    if (type == VT_DISPATCH && result->vt == VT_EMPTY) {  // no picture at all
        out->vt = VT_DISPATCH;
        out->pdispVal = nullptr;
        return S_OK;
    }
    return ::VariantChangeType(out, result.get(), 0, type);
}

HRESULT PutPropertyByName(IDispatch* object, const wchar_t* property, const VARIANT& value,
                          EXCEPINFO* error) noexcept {
    if (object == nullptr || property == nullptr) return E_POINTER;
    win::UniqueExcepInfo local;
    EXCEPINFO& raised = error != nullptr ? *error : *local.put();
    raised = {};
    DISPID id = DISPID_UNKNOWN;
    HRESULT hr = IdOfName(object, property, &id);
    if (FAILED(hr)) return hr;
    VARIANT argument = value;  // Invoke takes the arguments as non-const; it does not change them
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&argument, &named, 1, 1};
    hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, &raised, nullptr);
    if (hr == DISP_E_EXCEPTION && raised.pfnDeferredFillIn != nullptr) raised.pfnDeferredFillIn(&raised);
    return hr;
}

std::wstring ErrorText(HRESULT hr, const EXCEPINFO& error) {
    if (error.bstrDescription != nullptr && ::SysStringLen(error.bstrDescription) != 0) {
        return std::wstring(error.bstrDescription, ::SysStringLen(error.bstrDescription));
    }
    const HRESULT code = hr == DISP_E_EXCEPTION && error.scode != 0 ? error.scode : hr;
    win::UniqueLocalMemory buffer;
    const DWORD n = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                         FORMAT_MESSAGE_IGNORE_INSERTS,
                                     nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(buffer.put()), 0,
                                     nullptr);
    const auto* text = static_cast<const wchar_t*>(buffer.get());
    std::wstring result;
    if (n != 0 && text != nullptr) {
        result.assign(text, n);
        while (!result.empty() && (result.back() == L'\n' || result.back() == L'\r')) result.pop_back();
    }
    if (result.empty()) {
        wchar_t number[32] = {};
        ::wsprintfW(number, L"Error 0x%08lX", static_cast<unsigned long>(code));
        result = number;
    }
    return result;
}

}  // namespace brixel::activex
