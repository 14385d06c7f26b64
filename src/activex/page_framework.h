// The property-page framework: one IPropertyPage2 implementation that shows a
// dialog resource and moves values between its fields and the selected
// controls through their dispatch interfaces.
//
// How a page is declared:
//   1. A child dialog template (DS_CONTROL | WS_CHILD) and a title string,
//      identifiers in resource_ids.h.
//   2. A table of FieldBinding rows: the field's control ID, the property
//      name and the kind, plus the helper controls the kind uses (swatch,
//      "..." button, "X" or ">" button, spin and its upper bound, list rows).
//      Loading, applying, dirty tracking and the helper buttons come from the
//      table; no page writes per-field code.
//   3. A PageDefinition {dialog, title, bindings}.
//   4. A class deriving from PropertyPage that passes the definition to the
//      constructor and overrides the hooks below only for behaviour a table
//      cannot express, and a creation function:
//          HRESULT CreateMyPage(REFIID iid, void** out) noexcept {
//              return CreatePropertyPage<MyPage>(iid, out);
//          }
//   5. A row in PageClasses() (page_classes.cpp) with the page's CLSID and the
//      creation function; registration and DllGetClassObject read that table.
//      The menu editor page declares `CreateMenuEditorPage` with that
//      signature in activex/menu_editor_page.h, and its row appears by itself.
#pragma once

#include "activex/com_boundary.h"
#include "activex/com_owners.h"
#include "activex/page_dialogs.h"
#include "core/page_model.h"

#include <ocidl.h>
#include <olectl.h>

#include <atomic>
#include <memory>
#include <new>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brixel::activex {

namespace detail {
class BoundFields;  // the fields' state and messages while the page lives
}

enum class FieldKind : std::uint8_t {
    List,       // drop-down list: the selected row index is the value (VT_I2)
    Check,      // check box: VT_BOOL
    Text,       // edit: VT_BSTR
    Number,     // edit, optionally with a spin: VT_I2
    Colour,     // edit with the colour as an unsigned decimal, swatch, "...": VT_I4
    Picture,    // owner-drawn preview with "..." and "X": VT_DISPATCH (IPictureDisp)
    SoundFile,  // edit with "..." (choose a wave file) and ">" (play it): VT_BSTR
};

struct FieldBinding {
    int id = 0;                        // the list, check, edit or preview
    const wchar_t* property = nullptr; // set and read by name on every object
    FieldKind kind = FieldKind::Text;
    std::string_view rows = {};        // List: ENUM_... type name or "MousePointer"
    ListOrder order = ListOrder::Sorted;
    int swatch = 0;                    // Colour: the owner-drawn swatch static
    int browse = 0;                    // Colour, Picture, SoundFile: "..."
    int second = 0;                    // Picture: "X"; SoundFile: ">"
    int spin = 0;                      // Number: the up-down control
    std::int16_t upper = 0;            // Number with spin: the upper bound
    PictureFiles files = PictureFiles::Pictures;
};

// Table rows, one helper per kind.
constexpr FieldBinding BindList(int id, const wchar_t* property, std::string_view rows,
                                ListOrder order = ListOrder::Sorted) {
    return {.id = id, .property = property, .kind = FieldKind::List, .rows = rows, .order = order};
}
constexpr FieldBinding BindCheck(int id, const wchar_t* property) {
    return {.id = id, .property = property, .kind = FieldKind::Check};
}
constexpr FieldBinding BindText(int id, const wchar_t* property) {
    return {.id = id, .property = property, .kind = FieldKind::Text};
}
constexpr FieldBinding BindNumber(int id, const wchar_t* property, int spin = 0, std::int16_t upper = 0) {
    return {.id = id, .property = property, .kind = FieldKind::Number, .spin = spin, .upper = upper};
}
constexpr FieldBinding BindColour(int id, const wchar_t* property, int swatch, int pick) {
    return {.id = id, .property = property, .kind = FieldKind::Colour, .swatch = swatch, .browse = pick};
}
constexpr FieldBinding BindPicture(int id, const wchar_t* property, int pick, int clear,
                                   PictureFiles files = PictureFiles::Pictures) {
    return {.id = id, .property = property, .kind = FieldKind::Picture, .browse = pick, .second = clear,
            .files = files};
}
constexpr FieldBinding BindSoundFile(int id, const wchar_t* property, int pick, int play) {
    return {.id = id, .property = property, .kind = FieldKind::SoundFile, .browse = pick, .second = play};
}

struct PageDefinition {
    int dialog = 0;
    int title = 0;  // string resource
    std::span<const FieldBinding> bindings;
};

// What a page adds to the table: each hook has a default that does nothing,
// and a page overrides only the ones it needs.
class PageHooks {
protected:
    virtual ~PageHooks() = default;

    // After the bound fields were filled from the first object (activation,
    // a new selection).
    virtual void OnPageLoaded() {}
    // A bound field changed (by the user or by a helper button).
    virtual void OnFieldChanged(int /*id*/) {}
    // WM_COMMAND not handled by the bindings; true when handled.
    virtual bool OnPageCommand(int /*id*/, int /*code*/) { return false; }
    // Any other dialog message; set `handled` to keep the default away.
    virtual INT_PTR OnPageMessage(UINT /*msg*/, WPARAM, LPARAM, bool& handled) {
        handled = false;
        return 0;
    }
    // Runs after the bound fields were written to every object; a failure
    // keeps the page dirty. Report failures with ReportError first.
    virtual HRESULT ApplyExtra() { return S_OK; }
    // After a successful Apply the bound fields were read back from the
    // first object (what the control made of the values).
    virtual void OnFieldsReread() {}
    // EditProperty for a DISPID no binding names; true when it took the focus.
    virtual bool FocusProperty(DISPID /*dispid*/) { return false; }
    // Owner-drawn statics that are not swatches or picture previews.
    virtual bool DrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
};

class PropertyPage : public IPropertyPage2, protected PageHooks {
public:
    explicit PropertyPage(const PageDefinition& definition);
    PropertyPage(const PropertyPage&) = delete;
    PropertyPage& operator=(const PropertyPage&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) noexcept override;
    ULONG STDMETHODCALLTYPE AddRef() noexcept override;
    ULONG STDMETHODCALLTYPE Release() noexcept override;
    // IPropertyPage
    HRESULT STDMETHODCALLTYPE SetPageSite(IPropertyPageSite* site) noexcept override;
    HRESULT STDMETHODCALLTYPE Activate(HWND parent, LPCRECT rect, BOOL modal) noexcept override;
    HRESULT STDMETHODCALLTYPE Deactivate() noexcept override;
    HRESULT STDMETHODCALLTYPE GetPageInfo(PROPPAGEINFO* info) noexcept override;
    HRESULT STDMETHODCALLTYPE SetObjects(ULONG count, IUnknown** objects) noexcept override;
    HRESULT STDMETHODCALLTYPE Show(UINT command) noexcept override;
    HRESULT STDMETHODCALLTYPE Move(LPCRECT rect) noexcept override;
    HRESULT STDMETHODCALLTYPE IsPageDirty() noexcept override;
    HRESULT STDMETHODCALLTYPE Apply() noexcept override;
    HRESULT STDMETHODCALLTYPE Help(LPCOLESTR help_dir) noexcept override;
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG* msg) noexcept override;
    // IPropertyPage2
    HRESULT STDMETHODCALLTYPE EditProperty(DISPID dispid) noexcept override;

protected:
    virtual ~PropertyPage();

    // --- Services for pages ---------------------------------------------------
    HWND Window() const noexcept { return window_.get(); }
    std::span<const win::ComPtr<IDispatch>> Objects() const noexcept { return objects_; }
    // Marks the page dirty and tells the frame (enables its Apply button).
    void MarkDirty();
    // While loading, field changes are not user changes.
    bool Loading() const noexcept { return loading_ != 0; }
    // Writes `value` to `property` of every selected object. The first error
    // a control raises is shown and kept in `first_error` (when that holds
    // none yet), so one apply reports one error however many writes fail.
    void WriteToEveryObject(const wchar_t* property, const VARIANT& value, HRESULT* first_error);
    // A modal message box owned by the page: how errors reach the user.
    void ReportError(std::wstring_view text);
    // The system dialogs, owned by the page's window.
    PageDialogs& Dialogs() noexcept { return dialogs_; }
    std::wstring Title() const;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);
    INT_PTR HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam);
    void LoadFields();
    void RereadFields();
    void FieldChanged(int id);

    std::atomic<ULONG> refs_{1};
    PageDefinition definition_;
    std::unique_ptr<detail::BoundFields> fields_;
    win::ComPtr<IPropertyPageSite> site_;
    std::vector<win::ComPtr<IDispatch>> objects_;
    win::UniqueWindow window_;
    bool dirty_ = false;
    int loading_ = 0;
    PageDialogs dialogs_;
};

template <typename Page>
HRESULT CreatePropertyPage(REFIID iid, void** out) noexcept {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    win::ComPtr<Page> page;
    if (const HRESULT hr = ComBoundary([&] {
            page = win::ComPtr<Page>::Attach(new Page());
            return S_OK;
        });
        FAILED(hr)) {
        return hr;
    }
    return page.As(iid, out);
}

// A dialog field's text; colour fields as the number they show (nothing
// when the text does not read as one).
std::wstring FieldText(HWND dialog, int id);
void SetFieldText(HWND dialog, int id, std::wstring_view text);
std::optional<std::uint32_t> ColourOf(HWND dialog, int id);
void SetColour(HWND dialog, int id, std::uint32_t colour);

// Automation by name, shared by the bindings and by pages with their own
// fields: read `property` of `object` as `type`, or write `value` to it.
HRESULT GetPropertyByName(IDispatch* object, const wchar_t* property, VARTYPE type, VARIANT* out) noexcept;
// `error` receives the control's exception, when it raised one.
HRESULT PutPropertyByName(IDispatch* object, const wchar_t* property, const VARIANT& value,
                          EXCEPINFO* error) noexcept;
// The text a failed write shows: the control's own description, else the
// system's text for the code.
std::wstring ErrorText(HRESULT hr, const EXCEPINFO& error);

}  // namespace brixel::activex
