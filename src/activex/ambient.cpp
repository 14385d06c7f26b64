#include "activex/ambient.h"

#include <olectl.h>

namespace brixel::activex {

Ambient::Ambient(IOleClientSite* site) noexcept {
    if (site != nullptr) site->QueryInterface(IID_IDispatch, ambient_.put_void());
}

HRESULT Ambient::Read(DISPID id, VARTYPE type, win::UniqueVariant* out) const noexcept {
    if (!ambient_) return E_NOINTERFACE;
    DISPPARAMS none{};
    win::UniqueVariant raw;
    HRESULT hr = ambient_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, raw.put(), nullptr,
                                  nullptr);
    if (FAILED(hr)) return hr;
    return ::VariantChangeType(out->put(), raw.get(), 0, type);
}

std::optional<bool> Ambient::UserMode() const noexcept {
    win::UniqueVariant value;
    if (FAILED(Read(DISPID_AMBIENT_USERMODE, VT_BOOL, &value))) return std::nullopt;
    return value->boolVal != VARIANT_FALSE;
}

std::optional<std::wstring> Ambient::DisplayName() const {
    win::UniqueVariant value;
    if (FAILED(Read(DISPID_AMBIENT_DISPLAYNAME, VT_BSTR, &value))) return std::nullopt;
    if (value->bstrVal == nullptr) return std::wstring();
    return std::wstring(value->bstrVal, ::SysStringLen(value->bstrVal));
}

std::optional<bool> Ambient::DisplayAsDefault() const noexcept {
    win::UniqueVariant value;
    if (FAILED(Read(DISPID_AMBIENT_DISPLAYASDEFAULT, VT_BOOL, &value))) return std::nullopt;
    return value->boolVal != VARIANT_FALSE;
}

std::optional<OLE_COLOR> Ambient::BackColor() const noexcept {
    win::UniqueVariant value;
    if (FAILED(Read(DISPID_AMBIENT_BACKCOLOR, VT_I4, &value))) return std::nullopt;
    return static_cast<OLE_COLOR>(value->lVal);
}

}  // namespace brixel::activex
