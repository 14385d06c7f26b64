// The colour page: where the system offers no colour page of its own, this
// one lists every colour property of the control (found in its type
// information, so a colour added to the control appears without a change
// here), shows the selected one's value as an unsigned decimal with a
// swatch, offers the colour dialog and the system colours by name, and
// writes the colours the user changed to every selected control.
#include "activex/page_classes.h"
#include "activex/page_fields.h"
#include "activex/ole_values.h"
#include "activex/page_framework.h"
#include "activex/resource_ids.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace brixel::activex {
namespace {

using Colours = std::vector<std::pair<std::u16string, std::uint32_t>>;

// Owners of the descriptions a type information hands out.
struct TypeAttr {
    ITypeInfo* info;
    TYPEATTR* attr = nullptr;
    explicit TypeAttr(ITypeInfo* i) : info(i) { info->GetTypeAttr(&attr); }
    ~TypeAttr() { if (attr != nullptr) info->ReleaseTypeAttr(attr); }
    TypeAttr(const TypeAttr&) = delete;
    TypeAttr& operator=(const TypeAttr&) = delete;
};

// A colour is declared OLE_COLOR; a type library compiler may keep that
// alias or store its underlying unsigned 32-bit type, and the control has no
// other property of that type.
bool IsOleColour(ITypeInfo* info, const TYPEDESC& type) {
    if (type.vt == VT_UI4) return true;
    if (type.vt != VT_USERDEFINED) return false;
    win::ComPtr<ITypeInfo> alias;
    if (FAILED(info->GetRefTypeInfo(type.hreftype, alias.put()))) return false;
    win::UniqueBstr name;
    if (FAILED(alias->GetDocumentation(MEMBERID_NIL, name.put(), nullptr, nullptr, nullptr))) return false;
    return name.get() != nullptr && std::wstring_view(name.get()) == L"OLE_COLOR";
}

std::u16string MemberName(ITypeInfo* info, MEMBERID id) {
    win::UniqueBstr name;
    if (FAILED(info->GetDocumentation(id, name.put(), nullptr, nullptr, nullptr)) || name.get() == nullptr) return {};
    const std::wstring_view text(name.get(), ::SysStringLen(name.get()));
    return std::u16string(text.begin(), text.end());
}

// The names of the object's colour properties: dispinterface properties and
// property-get methods alike, each name once.
std::vector<std::u16string> ColourPropertyNames(IDispatch* object) {
    std::vector<std::u16string> names;
    win::ComPtr<ITypeInfo> info;
    if (FAILED(object->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.put())) || !info) return names;
    const TypeAttr type(info.get());
    if (type.attr == nullptr) return names;
    const auto add = [&](MEMBERID id) {
        std::u16string name = MemberName(info.get(), id);
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) names.push_back(std::move(name));
    };
    for (UINT i = 0; i < type.attr->cVars; ++i) {
        VARDESC* var = nullptr;
        if (FAILED(info->GetVarDesc(i, &var))) continue;
        if (IsOleColour(info.get(), var->elemdescVar.tdesc)) add(var->memid);
        info->ReleaseVarDesc(var);
    }
    for (UINT i = 0; i < type.attr->cFuncs; ++i) {
        FUNCDESC* func = nullptr;
        if (FAILED(info->GetFuncDesc(i, &func))) continue;
        if (func->invkind == INVOKE_PROPERTYGET && func->cParams == 0 &&
            IsOleColour(info.get(), func->elemdescFunc.tdesc)) {
            add(func->memid);
        }
        info->ReleaseFuncDesc(func);
    }
    return names;
}

Colours ReadColours(IDispatch* object) {
    Colours colours;
    for (std::u16string& name : ColourPropertyNames(object)) {
        const std::wstring wide(name.begin(), name.end());
        win::UniqueVariant value;
        if (FAILED(GetPropertyByName(object, wide.c_str(), VT_I4, value.put()))) continue;
        colours.emplace_back(std::move(name), static_cast<std::uint32_t>(value.get()->lVal));
    }
    return colours;
}

class CPropPageColors final : public PropertyPage {
public:
    CPropPageColors() : PropertyPage({IDD_PAGE_COLORS, IDS_PAGE_COLORS, {}}) {}

protected:
    void OnPageLoaded() override {
        FillSystemColours();
        model_.Load(Objects().empty() ? Colours{} : ReadColours(Objects().front().get()));
        const HWND list = ::GetDlgItem(Window(), IDC_COLOR_PROPERTIES);
        ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
        for (const ColourPageModel::Row& row : model_.rows()) {
            ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(row.name).c_str()));
        }
        ShowSelected();
    }

    bool OnPageCommand(int id, int code) override {
        if (id == IDC_COLOR_PROPERTIES && code == LBN_SELCHANGE) {
            model_.Select(static_cast<int>(::SendDlgItemMessageW(Window(), id, LB_GETCURSEL, 0, 0)));
            ShowSelected();
            return true;
        }
        if (id == IDC_COLOR_VALUE && code == EN_CHANGE) {
            ValueEdited();
            return true;
        }
        if (id == IDC_COLOR_VALUE_PICK && code == BN_CLICKED) {
            if (model_.selected() < 0) return true;
            if (const auto chosen = Dialogs().ChooseColour(Window(), FieldText(Window(), IDC_COLOR_VALUE))) {
                SetColour(Window(), IDC_COLOR_VALUE, *chosen);
            }
            return true;
        }
        if (id == IDC_SYSTEM_COLORS && code == LBN_SELCHANGE) {
            const auto row = ::SendDlgItemMessageW(Window(), id, LB_GETCURSEL, 0, 0);
            const auto names = SystemColourNames();
            if (model_.selected() >= 0 && row >= 0 && static_cast<std::size_t>(row) < names.size()) {
                SetColour(Window(), IDC_COLOR_VALUE, SystemColourRef(names[static_cast<std::size_t>(row)].index));
            }
            return true;
        }
        return false;
    }

    bool DrawItem(const DRAWITEMSTRUCT& item) override {
        if (item.CtlID != IDC_COLOR_VALUE_SWATCH) return false;
        DrawSwatch(item, model_.selected() < 0 ? std::nullopt : ColourOf(Window(), IDC_COLOR_VALUE));
        return true;
    }

    HRESULT ApplyExtra() override {
        if (const auto invalid = model_.FirstInvalid()) {
            ShowRow(*invalid);
            ReportError(detail::kColourFieldProblem);
            ::SetFocus(::GetDlgItem(Window(), IDC_COLOR_VALUE));
            return E_INVALIDARG;
        }
        HRESULT first_error = S_OK;
        for (const ColourPageModel::Write& write : model_.Writes()) {
            const std::wstring name = ToWide(write.name);
            VARIANT value = {};
            value.vt = VT_I4;
            value.lVal = static_cast<LONG>(write.value);
            WriteToEveryObject(name.c_str(), value, &first_error);
        }
        if (FAILED(first_error)) return first_error;
        model_.Applied();
        ShowSelected();
        return S_OK;
    }

    bool FocusProperty(DISPID dispid) override {
        if (Objects().empty()) return false;
        for (std::size_t i = 0; i < model_.rows().size(); ++i) {
            std::wstring name = ToWide(model_.rows()[i].name);
            LPOLESTR names[] = {name.data()};
            DISPID id = DISPID_UNKNOWN;
            if (SUCCEEDED(Objects().front()->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id)) &&
                id == dispid) {
                ShowRow(static_cast<int>(i));
                ::SetFocus(::GetDlgItem(Window(), IDC_COLOR_VALUE));
                return true;
            }
        }
        return false;
    }

private:
    void FillSystemColours() {
        const HWND list = ::GetDlgItem(Window(), IDC_SYSTEM_COLORS);
        if (::SendMessageW(list, LB_GETCOUNT, 0, 0) > 0) return;
        for (const SystemColourName& entry : SystemColourNames()) {
            ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(detail::WideText(entry.name).c_str()));
        }
    }

    void ShowRow(int row) {
        model_.Select(row);
        ShowSelected();
    }

    // The selected row's text in the value field; the field's change
    // notification must not count as the user's edit.
    void ShowSelected() {
        ::SendDlgItemMessageW(Window(), IDC_COLOR_PROPERTIES, LB_SETCURSEL, static_cast<WPARAM>(model_.selected()), 0);
        showing_ = true;
        SetFieldText(Window(), IDC_COLOR_VALUE, ToWide(model_.SelectedText()));
        showing_ = false;
        const BOOL any = model_.selected() >= 0;
        for (const int id : {IDC_COLOR_VALUE, IDC_COLOR_VALUE_PICK, IDC_SYSTEM_COLORS}) {
            ::EnableWindow(::GetDlgItem(Window(), id), any);
        }
        ShowValue();
    }

    void ValueEdited() {
        if (!showing_ && model_.Edit(ToU16(FieldText(Window(), IDC_COLOR_VALUE))) && !Loading()) MarkDirty();
        ShowValue();
    }

    // The swatch and the system colour row follow the value field.
    void ShowValue() {
        ::InvalidateRect(::GetDlgItem(Window(), IDC_COLOR_VALUE_SWATCH), nullptr, TRUE);
        int row = -1;
        const auto colour = ColourOf(Window(), IDC_COLOR_VALUE);
        const auto names = SystemColourNames();
        for (std::size_t i = 0; colour && i < names.size(); ++i) {
            if (SystemColourRef(names[i].index) == *colour) row = static_cast<int>(i);
        }
        ::SendDlgItemMessageW(Window(), IDC_SYSTEM_COLORS, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    }

    ColourPageModel model_;
    bool showing_ = false;
};

}  // namespace

HRESULT CreateColoursPage(REFIID iid, void** out) noexcept { return CreatePropertyPage<CPropPageColors>(iid, out); }

}  // namespace brixel::activex
