// Container sites for tests: they answer the ambient properties the control
// reads on demand, with values a test can change.
#pragma once

#include "gdi/raii.h"

#include <gtest/gtest.h>
#include <olectl.h>
#include <ocidl.h>

#include <optional>
#include <string>

namespace brixel::testing {

// The client site and ambient properties every test container shares. The
// site lives on the test's stack, so the reference count is only recorded.
class AmbientSite : public IOleClientSite, public IDispatch {
public:
    std::optional<bool> user_mode = true;
    std::optional<std::wstring> display_name = L"Command1";
    std::optional<bool> display_as_default;
    std::optional<OLE_COLOR> back_color;

    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }

    HRESULT STDMETHODCALLTYPE SaveObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** out) override {
        *out = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
        *n = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                     UINT*) override {
        ++ambient_reads;
        if (result == nullptr) return E_POINTER;
        ::VariantInit(result);
        switch (id) {
            case DISPID_AMBIENT_USERMODE: return Bool(user_mode, result);
            case DISPID_AMBIENT_DISPLAYASDEFAULT: return Bool(display_as_default, result);
            case DISPID_AMBIENT_DISPLAYNAME:
                if (!display_name) return DISP_E_MEMBERNOTFOUND;
                result->vt = VT_BSTR;
                result->bstrVal = ::SysAllocString(display_name->c_str());
                return S_OK;
            case DISPID_AMBIENT_BACKCOLOR:
                if (!back_color) return DISP_E_MEMBERNOTFOUND;
                result->vt = VT_I4;
                result->lVal = static_cast<LONG>(*back_color);
                return S_OK;
            default: return DISP_E_MEMBERNOTFOUND;
        }
    }

    ULONG refs = 1;
    int ambient_reads = 0;

protected:
    // The interfaces of this half; a derived site answers its own first.
    void* AmbientInterface(REFIID iid) {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite)) {
            return static_cast<IOleClientSite*>(this);
        }
        if (IsEqualIID(iid, IID_IDispatch)) return static_cast<IDispatch*>(this);
        return nullptr;
    }

private:
    static HRESULT Bool(const std::optional<bool>& value, VARIANT* out) {
        if (!value) return DISP_E_MEMBERNOTFOUND;
        out->vt = VT_BOOL;
        out->boolVal = *value ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    }
};

class TestSite final : public AmbientSite {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        *out = AmbientInterface(iid);
        if (*out == nullptr) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
};

}  // namespace brixel::testing
