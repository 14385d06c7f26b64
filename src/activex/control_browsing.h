// What property browsers and untrusted hosts ask of the control: display
// strings and value lists, the property pages, categories, and the safety
// options. A part of the control's COM identity (control_part.h).
#pragma once

#include "activex/categorize.h"
#include "activex/com_owners.h"
#include "activex/control_host.h"
#include "activex/control_part.h"

#include <objsafe.h>
#include <ocidl.h>

namespace brixel::activex {

class ControlBrowsing final
    : public ControlPart<IPerPropertyBrowsing, ISpecifyPropertyPages, IObjectSafety, ICategorizeProperties> {
public:
    // `properties` reads the properties shown, as any client would.
    ControlBrowsing(IUnknown& control, IDispatch& properties, ControlInstanceHost& host) noexcept
        : ControlPart(control), properties_(properties), host_(host) {}

    // IPerPropertyBrowsing
    HRESULT STDMETHODCALLTYPE GetDisplayString(DISPID id, BSTR* out) noexcept override;
    HRESULT STDMETHODCALLTYPE MapPropertyToPage(DISPID id, CLSID* page) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPredefinedStrings(DISPID id, CALPOLESTR* strings,
                                                   CADWORD* cookies) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPredefinedValue(DISPID id, DWORD cookie, VARIANT* out) noexcept override;

    // ISpecifyPropertyPages
    HRESULT STDMETHODCALLTYPE GetPages(CAUUID* pages) noexcept override;

    // IObjectSafety
    HRESULT STDMETHODCALLTYPE GetInterfaceSafetyOptions(REFIID iid, DWORD* supported,
                                                        DWORD* enabled) noexcept override;
    HRESULT STDMETHODCALLTYPE SetInterfaceSafetyOptions(REFIID iid, DWORD mask, DWORD enabled) noexcept override;

    // ICategorizeProperties
    HRESULT STDMETHODCALLTYPE MapPropertyToCategory(DISPID id, PROPCAT* category) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCategoryName(PROPCAT category, LCID lcid, BSTR* name) noexcept override;

private:
    // Reads one of the control's properties through the same path as any client.
    HRESULT ReadProperty(DISPID id, VARTYPE type, win::UniqueVariant* out) noexcept;

    IDispatch& properties_;
    ControlInstanceHost& host_;
};

}  // namespace brixel::activex
