// IPropertyPage2 over a dialog resource and a binding table.
//
// Page states and the calls that move between them:
//   created --SetPageSite(site)--> sited --Activate--> active (dialog exists)
//   active  --Deactivate--> sited;  any --SetPageSite(null)--> created
//   SetObjects may come in any state; while active it reloads the fields.
//   dirty is set by a user change of a field and cleared by a load or a
//   fully successful Apply.
//
// Apply writes only the fields changed since the last load (by the user, or
// by the page's own rules in answer), in table order: a field the user left
// alone may be stale, since writing one property can change others (the
// appearance and style algorithms), and with several controls selected it
// shows only the first one's value. After a successful Apply every field is
// read back from the first control, so what those algorithms did shows.
#include "activex/page_framework.h"

#include "activex/module.h"
#include "activex/page_fields.h"

#include <commctrl.h>

namespace brixel::activex {

PropertyPage::PropertyPage(const PageDefinition& definition)
    : definition_(definition), fields_(std::make_unique<detail::BoundFields>(definition.bindings)) {
    LockModule();
}

PropertyPage::~PropertyPage() {
    // Now, while the page is whole: the dialog still sends messages as it goes.
    window_.reset();
    UnlockModule();
}

HRESULT PropertyPage::QueryInterface(REFIID iid, void** out) noexcept {
    if (out == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyPage) || IsEqualIID(iid, IID_IPropertyPage2)) {
        *out = static_cast<IPropertyPage2*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG PropertyPage::AddRef() noexcept { return ++refs_; }

ULONG PropertyPage::Release() noexcept {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
}

HRESULT PropertyPage::SetPageSite(IPropertyPageSite* site) noexcept {
    site_ = win::ComPtr<IPropertyPageSite>(site);
    return S_OK;
}

HRESULT PropertyPage::Activate(HWND parent, LPCRECT rect, BOOL) noexcept {
    if (window_) return E_UNEXPECTED;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    const HWND created = ::CreateDialogParamW(ModuleHandle(), MAKEINTRESOURCEW(definition_.dialog), parent,
                                              &PropertyPage::DialogProc, reinterpret_cast<LPARAM>(this));
    if (created == nullptr) return E_FAIL;
    if (rect != nullptr) Move(rect);
    return S_OK;
}

HRESULT PropertyPage::Deactivate() noexcept {
    if (!window_) return E_UNEXPECTED;
    window_.reset();
    return S_OK;
}

HRESULT PropertyPage::GetPageInfo(PROPPAGEINFO* info) noexcept {
    if (info == nullptr) return E_POINTER;
    // The size of the dialog in pixels: create it unseen and measure it, so
    // the dialog units are converted with the font the page really uses.
    RECT bounds = {};
    const win::UniqueWindow probe(::CreateDialogParamW(ModuleHandle(), MAKEINTRESOURCEW(definition_.dialog),
                                                       ::GetDesktopWindow(), &PropertyPage::DialogProc, 0));
    if (probe) ::GetWindowRect(probe.get(), &bounds);
    const std::wstring title = Title();
    auto* text = static_cast<LPOLESTR>(::CoTaskMemAlloc((title.size() + 1) * sizeof(OLECHAR)));
    if (text == nullptr) return E_OUTOFMEMORY;
    ::lstrcpynW(text, title.c_str(), static_cast<int>(title.size() + 1));
    info->cb = sizeof(PROPPAGEINFO);
    info->pszTitle = text;
    info->size = {bounds.right - bounds.left, bounds.bottom - bounds.top};
    info->pszDocString = nullptr;
    info->pszHelpFile = nullptr;
    info->dwHelpContext = 0;
    return S_OK;
}

HRESULT PropertyPage::SetObjects(ULONG count, IUnknown** objects) noexcept {
    if (count != 0 && objects == nullptr) return E_POINTER;
    std::vector<win::ComPtr<IDispatch>> selected;
    if (const HRESULT hr = ComBoundary([&] {
            for (ULONG i = 0; i < count; ++i) {
                win::ComPtr<IDispatch> object;
                if (objects[i] != nullptr && SUCCEEDED(objects[i]->QueryInterface(IID_IDispatch, object.put_void()))) {
                    selected.push_back(std::move(object));
                }
            }
            return S_OK;
        });
        FAILED(hr)) {
        return hr;
    }
    if (count != 0 && selected.empty()) return E_NOINTERFACE;
    objects_ = std::move(selected);
    if (window_) LoadFields();
    return S_OK;
}

HRESULT PropertyPage::Show(UINT command) noexcept {
    if (!window_) return E_UNEXPECTED;
    ::ShowWindow(window_.get(), static_cast<int>(command));
    return S_OK;
}

HRESULT PropertyPage::Move(LPCRECT rect) noexcept {
    if (!window_) return E_UNEXPECTED;
    if (rect == nullptr) return E_POINTER;
    ::MoveWindow(window_.get(), rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, TRUE);
    return S_OK;
}

HRESULT PropertyPage::IsPageDirty() noexcept { return dirty_ ? S_OK : S_FALSE; }

HRESULT PropertyPage::Help(LPCOLESTR) noexcept { return E_NOTIMPL; }

HRESULT PropertyPage::TranslateAccelerator(MSG* msg) noexcept {
    if (msg == nullptr) return E_POINTER;
    if (!window_) return S_FALSE;
    if (msg->hwnd != window_.get() && !::IsChild(window_.get(), msg->hwnd)) return S_FALSE;
    return ::IsDialogMessageW(window_.get(), msg) ? S_OK : S_FALSE;
}

HRESULT PropertyPage::EditProperty(DISPID dispid) noexcept {
    if (!window_ || objects_.empty()) return E_UNEXPECTED;
    for (const FieldBinding& binding : definition_.bindings) {
        auto* name = const_cast<LPOLESTR>(binding.property);
        DISPID id = DISPID_UNKNOWN;
        if (SUCCEEDED(objects_.front()->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id)) &&
            id == dispid) {
            ::SetFocus(::GetDlgItem(window_.get(), binding.id));
            return S_OK;
        }
    }
    return FocusProperty(dispid) ? S_OK : E_NOTIMPL;
}

HRESULT PropertyPage::Apply() noexcept {
    if (!dirty_ || objects_.empty()) return S_OK;
    if (!window_) return E_UNEXPECTED;  // the changes left with the dialog
    // Every field must read before anything is written: a half-applied
    // page would leave the controls in a state the user never chose.
    std::vector<win::UniqueVariant> values(definition_.bindings.size());
    std::vector<bool> skip(definition_.bindings.size(), false);
    std::wstring problem;
    if (const FieldBinding* invalid = fields_->ReadChanged(window_.get(), values, skip, &problem)) {
        ReportError(problem);
        ::SetFocus(::GetDlgItem(window_.get(), invalid->id));
        return E_INVALIDARG;
    }
    // Every changed value goes to every object; the first error the controls
    // raise is shown once, and the rest of the values are still written.
    HRESULT first_error = S_OK;
    for (std::size_t i = 0; i < definition_.bindings.size(); ++i) {
        if (!skip[i]) WriteToEveryObject(definition_.bindings[i].property, *values[i].get(), &first_error);
    }
    if (FAILED(first_error)) return first_error;
    const HRESULT extra = ApplyExtra();
    if (FAILED(extra)) return extra;
    RereadFields();
    dirty_ = false;
    return S_OK;
}

void PropertyPage::WriteToEveryObject(const wchar_t* property, const VARIANT& value, HRESULT* first_error) {
    for (const auto& object : objects_) {
        win::UniqueExcepInfo error;
        const HRESULT hr = PutPropertyByName(object.get(), property, value, error.put());
        if (FAILED(hr) && SUCCEEDED(*first_error)) {
            *first_error = hr;
            ReportError(ErrorText(hr, error.get()));
        }
    }
}

void PropertyPage::MarkDirty() {
    dirty_ = true;
    if (site_) site_->OnStatusChange(PROPPAGESTATUS_DIRTY | PROPPAGESTATUS_VALIDATE);
}

void PropertyPage::ReportError(std::wstring_view text) {
    const std::wstring message(text);
    ::MessageBoxW(window_.get(), message.c_str(), Title().c_str(), MB_OK | MB_ICONEXCLAMATION);
}

std::wstring PropertyPage::Title() const {
    const wchar_t* text = nullptr;
    const int n = ::LoadStringW(ModuleHandle(), static_cast<UINT>(definition_.title), reinterpret_cast<LPWSTR>(&text), 0);
    return n > 0 && text != nullptr ? std::wstring(text, static_cast<std::size_t>(n)) : std::wstring();
}

void PropertyPage::LoadFields() {
    ++loading_;
    fields_->Load(window_.get(), objects_.empty() ? nullptr : objects_.front().get());
    OnPageLoaded();
    --loading_;
    dirty_ = false;
}

void PropertyPage::RereadFields() {
    ++loading_;
    fields_->Load(window_.get(), objects_.empty() ? nullptr : objects_.front().get());
    OnFieldsReread();
    --loading_;
}

std::wstring FieldText(HWND dialog, int id) { return detail::WindowText(::GetDlgItem(dialog, id)); }

void SetFieldText(HWND dialog, int id, std::wstring_view text) {
    ::SetDlgItemTextW(dialog, id, std::wstring(text).c_str());
}

std::optional<std::uint32_t> ColourOf(HWND dialog, int id) {
    const std::wstring text = FieldText(dialog, id);
    return ParseColourField(std::u16string(text.begin(), text.end()));
}

void SetColour(HWND dialog, int id, std::uint32_t colour) {
    const std::u16string text = FormatColourField(colour);
    SetFieldText(dialog, id, std::wstring(text.begin(), text.end()));
}

}  // namespace brixel::activex
