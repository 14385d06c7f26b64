// What property browsers and untrusted hosts ask of the control: display
// strings and value lists, the property pages, categories, and the safety
// options. Part of the control's COM identity: every IUnknown call goes to
// the control, so a browser may query from here to any other interface.
#pragma once

#include "activex/categorize.h"
#include "activex/control_host.h"

#include <objsafe.h>
#include <ocidl.h>

namespace brixel::activex {

class ControlBrowsing final : public IPerPropertyBrowsing,
                              public ISpecifyPropertyPages,
                              public IObjectSafety,
                              public ICategorizeProperties {
public:
    // `control` reads the properties shown, as any client would.
    ControlBrowsing(IDispatch& control, ControlInstanceHost& host) noexcept : control_(control), host_(host) {}
    ControlBrowsing(const ControlBrowsing&) = delete;
    ControlBrowsing& operator=(const ControlBrowsing&) = delete;

    // IUnknown: the control's
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) noexcept override {
        return control_.QueryInterface(iid, out);
    }
    ULONG STDMETHODCALLTYPE AddRef() noexcept override { return control_.AddRef(); }
    ULONG STDMETHODCALLTYPE Release() noexcept override { return control_.Release(); }

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

    IDispatch& control_;
    ControlInstanceHost& host_;
};

}  // namespace brixel::activex
