// A property frame for tests: a page created by its CLSID from the control
// library, sited by a recording page site, given controls and activated into
// a plain window, with the gestures a user makes on its fields.
#pragma once

#include "control_library.h"
#include "stack_unknown.h"
#include "test_site.h"

#include <commctrl.h>
#include <ocidl.h>

#include <memory>
#include <string>
#include <vector>

namespace brixel::testing {

class TestPageSite final : public StackUnknown<IPropertyPageSite, IID_IPropertyPageSite> {
public:
    HRESULT STDMETHODCALLTYPE OnStatusChange(DWORD flags) override {
        status_changes.push_back(flags);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetLocaleID(LCID* out) override {
        *out = 0x409;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPageContainer(IUnknown** out) override {
        *out = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*) override { return S_FALSE; }

    std::vector<DWORD> status_changes;
};

// One control with a design-time site, reachable through IDispatch.
class SitedControl {
public:
    explicit SitedControl(const ControlLibrary& library) {
        site_.user_mode = false;
        EXPECT_HRESULT_SUCCEEDED(library.Create(CLSID_BrixelDemo, IID_IOleObject, object_.put_void()));
        if (object_) {
            object_->SetClientSite(&site_);
            object_.As(&dispatch_);
        }
    }
    ~SitedControl() {
        if (object_) object_->SetClientSite(nullptr);
    }
    IDispatch* dispatch() const { return dispatch_.get(); }
    IUnknown* unknown() const { return object_.get(); }

    HRESULT Put(const wchar_t* name, VARIANT value) {
        DISPID id = Id(name);
        DISPID named = DISPID_PROPERTYPUT;
        DISPPARAMS params{&value, &named, 1, 1};
        return dispatch_->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr);
    }
    HRESULT PutI2(const wchar_t* name, short v) {
        VARIANT value{};
        value.vt = VT_I2;
        value.iVal = v;
        return Put(name, value);
    }
    HRESULT PutI4(const wchar_t* name, LONG v) {
        VARIANT value{};
        value.vt = VT_I4;
        value.lVal = v;
        return Put(name, value);
    }
    HRESULT PutBool(const wchar_t* name, bool v) {
        VARIANT value{};
        value.vt = VT_BOOL;
        value.boolVal = v ? VARIANT_TRUE : VARIANT_FALSE;
        return Put(name, value);
    }
    HRESULT PutText(const wchar_t* name, const wchar_t* text) {
        win::UniqueBstr b{std::wstring_view(text)};
        VARIANT value{};
        value.vt = VT_BSTR;
        value.bstrVal = b.get();
        return Put(name, value);
    }
    // The property as `type`, or an empty variant when it cannot be read.
    std::unique_ptr<win::UniqueVariant> Get(const wchar_t* name, VARTYPE type) {
        auto result = std::make_unique<win::UniqueVariant>();
        win::UniqueVariant raw;
        DISPPARAMS none{};
        if (SUCCEEDED(dispatch_->Invoke(Id(name), IID_NULL, 0, DISPATCH_PROPERTYGET, &none, raw.put(), nullptr,
                                        nullptr))) {
            ::VariantChangeType(result->get(), raw.get(), 0, type);
        }
        return result;
    }
    short GetI2(const wchar_t* name) { return Get(name, VT_I2)->get()->iVal; }
    LONG GetI4(const wchar_t* name) { return Get(name, VT_I4)->get()->lVal; }
    bool GetBool(const wchar_t* name) { return Get(name, VT_BOOL)->get()->boolVal != VARIANT_FALSE; }
    std::wstring GetText(const wchar_t* name) {
        auto v = Get(name, VT_BSTR);
        return v->get()->bstrVal ? std::wstring(v->get()->bstrVal) : std::wstring();
    }
    DISPID Id(const wchar_t* name) {
        DISPID id = DISPID_UNKNOWN;
        auto* n = const_cast<LPOLESTR>(name);
        dispatch_->GetIDsOfNames(IID_NULL, &n, 1, 0, &id);
        return id;
    }

private:
    TestSite site_;
    win::ComPtr<IOleObject> object_;
    win::ComPtr<IDispatch> dispatch_;
};

// A page shown in a plain top-level window, as a property frame shows it.
class PageFrame {
public:
    PageFrame(const ControlLibrary& library, REFCLSID page, std::vector<SitedControl*> controls) {
        frame_.reset(::CreateWindowExW(0, L"Static", L"Page frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 900,
                                       700, nullptr, nullptr, nullptr, nullptr));
        EXPECT_HRESULT_SUCCEEDED(library.Create(page, IID_IPropertyPage2, page_.put_void()));
        if (!page_) return;
        EXPECT_HRESULT_SUCCEEDED(page_->SetPageSite(&site));
        std::vector<IUnknown*> objects;
        for (SitedControl* c : controls) objects.push_back(c->unknown());
        EXPECT_HRESULT_SUCCEEDED(page_->SetObjects(static_cast<ULONG>(objects.size()), objects.data()));
        RECT area{0, 0, 880, 660};
        EXPECT_HRESULT_SUCCEEDED(page_->Activate(frame_.get(), &area, TRUE));
        page_->Show(SW_SHOW);
        ::ShowWindow(frame_.get(), SW_SHOW);
        window_ = ::GetWindow(frame_.get(), GW_CHILD);
    }
    ~PageFrame() {
        if (page_) {
            page_->Deactivate();
            page_->SetObjects(0, nullptr);
            page_->SetPageSite(nullptr);
        }
    }

    IPropertyPage2* page() const { return page_.get(); }
    HWND window() const { return window_; }
    HWND item(int id) const { return ::GetDlgItem(window_, id); }
    bool dirty() const { return page_->IsPageDirty() == S_OK; }

    std::wstring Text(int id) const {
        wchar_t text[512] = {};
        ::GetDlgItemTextW(window_, id, text, 512);
        return text;
    }
    // Typing into an edit: the edit reports the change as it does for keys.
    void Type(int id, const wchar_t* text) { ::SetDlgItemTextW(window_, id, text); }
    // The row the list shows, as text.
    std::wstring Row(int id) const {
        const auto row = ::SendDlgItemMessageW(window_, id, CB_GETCURSEL, 0, 0);
        if (row < 0) return L"<none>";
        wchar_t text[256] = {};
        ::SendDlgItemMessageW(window_, id, CB_GETLBTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
        return text;
    }
    // Choosing a row by its text, as a user picks it from the drop-down.
    bool Choose(int id, const wchar_t* label) {
        const auto row = ::SendDlgItemMessageW(window_, id, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                               reinterpret_cast<LPARAM>(label));
        if (row < 0) return false;
        ::SendDlgItemMessageW(window_, id, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
        ::SendMessageW(window_, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(item(id)));
        return true;
    }
    void Click(int id) { ::SendMessageW(item(id), BM_CLICK, 0, 0); }
    // A press on a button even while it is disabled (what a stray
    // accelerator or a script could do).
    void Command(int id) {
        ::SendMessageW(window_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(item(id)));
    }
    bool Checked(int id) const { return ::IsDlgButtonChecked(window_, id) == BST_CHECKED; }
    // One press of an arrow key in a spin's field: the spin reports it as
    // a click on its arrow.
    void SpinKey(int field_id, bool up) {
        const WPARAM key = up ? VK_UP : VK_DOWN;
        ::SendMessageW(item(field_id), WM_KEYDOWN, key, 1);
        ::SendMessageW(item(field_id), WM_KEYUP, key, 0xC0000001);
    }

    TestPageSite site;

private:
    win::UniqueWindow frame_;
    win::ComPtr<IPropertyPage2> page_;
    HWND window_ = nullptr;
};

}  // namespace brixel::testing
