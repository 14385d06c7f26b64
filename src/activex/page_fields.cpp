#include "activex/page_fields.h"

#include "activex/ole_values.h"

#include <commctrl.h>

namespace brixel::activex::detail {
namespace {

std::u16string U16Text(HWND dialog, int id) { return ToU16(WindowText(::GetDlgItem(dialog, id))); }

void SetText(HWND dialog, int id, std::u16string_view text) {
    ::SetDlgItemTextW(dialog, id, ToWide(text).c_str());
}

// --- list: the row index is the value ----------------------------------------
void ShowList(HWND dialog, const FieldBinding& b, FieldState& state, const VARIANT& v) {
    ::SendDlgItemMessageW(dialog, b.id, CB_SETCURSEL, static_cast<WPARAM>(RowForValue(state.list, v.iVal)), 0);
}
FieldRead ReadList(HWND dialog, const FieldBinding& b, const FieldState& state, VARIANT* out, std::wstring*) {
    const auto row = static_cast<int>(::SendDlgItemMessageW(dialog, b.id, CB_GETCURSEL, 0, 0));
    const auto value = ValueForRow(state.list, row);
    if (!value) return FieldRead::Skip;
    out->vt = VT_I2;
    out->iVal = *value;
    return FieldRead::Value;
}

// --- check ----------------------------------------------------------------------
void ShowCheck(HWND dialog, const FieldBinding& b, FieldState&, const VARIANT& v) {
    ::CheckDlgButton(dialog, b.id, v.boolVal != VARIANT_FALSE ? BST_CHECKED : BST_UNCHECKED);
}
FieldRead ReadCheck(HWND dialog, const FieldBinding& b, const FieldState&, VARIANT* out, std::wstring*) {
    out->vt = VT_BOOL;
    out->boolVal = ::IsDlgButtonChecked(dialog, b.id) == BST_CHECKED ? VARIANT_TRUE : VARIANT_FALSE;
    return FieldRead::Value;
}

// --- text and sound file ------------------------------------------------------
void ShowText(HWND dialog, const FieldBinding& b, FieldState&, const VARIANT& v) {
    const UINT n = v.bstrVal != nullptr ? ::SysStringLen(v.bstrVal) : 0;
    ::SetDlgItemTextW(dialog, b.id, std::wstring(v.bstrVal != nullptr ? v.bstrVal : L"", n).c_str());
}
FieldRead ReadText(HWND dialog, const FieldBinding& b, const FieldState&, VARIANT* out, std::wstring*) {
    const std::wstring text = WindowText(::GetDlgItem(dialog, b.id));
    out->vt = VT_BSTR;
    out->bstrVal = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return FieldRead::Value;
}

// --- number ---------------------------------------------------------------------
void ShowNumber(HWND dialog, const FieldBinding& b, FieldState&, const VARIANT& v) {
    SetText(dialog, b.id, FormatNumberField(v.iVal));
}
FieldRead ReadNumber(HWND dialog, const FieldBinding& b, const FieldState&, VARIANT* out, std::wstring* problem) {
    const auto value = ParseNumberField(U16Text(dialog, b.id));
    if (!value) {
        *problem = L"Please enter a whole number from -32768 to 32767.";
        return FieldRead::Invalid;
    }
    out->vt = VT_I2;
    out->iVal = *value;
    return FieldRead::Value;
}

// --- colour: an unsigned decimal number ----------------------------------------
void ShowColour(HWND dialog, const FieldBinding& b, FieldState&, const VARIANT& v) {
    SetText(dialog, b.id, FormatColourField(static_cast<std::uint32_t>(v.lVal)));
}
FieldRead ReadColour(HWND dialog, const FieldBinding& b, const FieldState&, VARIANT* out, std::wstring* problem) {
    const auto value = ParseColourField(U16Text(dialog, b.id));
    if (!value) {
        *problem = kColourFieldProblem;
        return FieldRead::Invalid;
    }
    out->vt = VT_I4;
    out->lVal = static_cast<LONG>(*value);
    return FieldRead::Value;
}

// --- picture: the object itself -----------------------------------------------
void ShowPicture(HWND dialog, const FieldBinding& b, FieldState& state, const VARIANT& v) {
    state.picture.reset();
    if (v.pdispVal != nullptr) v.pdispVal->QueryInterface(IID_IPictureDisp, state.picture.put_void());
    ::InvalidateRect(::GetDlgItem(dialog, b.id), nullptr, TRUE);
}
FieldRead ReadPicture(HWND, const FieldBinding&, const FieldState& state, VARIANT* out, std::wstring*) {
    out->vt = VT_DISPATCH;
    state.picture.CopyTo(&out->pdispVal);
    return FieldRead::Value;
}

// Indexed by FieldKind.
constexpr KindRoutines kRoutines[] = {
    {VT_I2, ShowList, ReadList},           // List
    {VT_BOOL, ShowCheck, ReadCheck},       // Check
    {VT_BSTR, ShowText, ReadText},         // Text
    {VT_I2, ShowNumber, ReadNumber},       // Number
    {VT_I4, ShowColour, ReadColour},       // Colour
    {VT_DISPATCH, ShowPicture, ReadPicture},  // Picture
    {VT_BSTR, ShowText, ReadText},         // SoundFile
};
static_assert(std::size(kRoutines) == static_cast<std::size_t>(FieldKind::SoundFile) + 1);

}  // namespace

const KindRoutines& RoutinesFor(FieldKind kind) { return kRoutines[static_cast<std::size_t>(kind)]; }

void InitialiseField(HWND dialog, const FieldBinding& binding, FieldState& state) {
    if (binding.kind == FieldKind::List) {
        state.list = MakePageList(binding.rows, binding.order);
        ::SendDlgItemMessageW(dialog, binding.id, CB_RESETCONTENT, 0, 0);
        for (std::string_view row : state.list.rows) {
            ::SendDlgItemMessageW(dialog, binding.id, CB_ADDSTRING, 0,
                                  reinterpret_cast<LPARAM>(WideText(row).c_str()));
        }
    }
    if (binding.kind == FieldKind::Number && binding.spin != 0) {
        // The spin never moves (the field does): a range with room on both
        // sides keeps both arrows reporting whatever the position.
        ::SendDlgItemMessageW(dialog, binding.spin, UDM_SETRANGE32, static_cast<WPARAM>(-32768), 32767);
        ::SendDlgItemMessageW(dialog, binding.spin, UDM_SETPOS32, 0, 0);
    }
}

BoundFields::BoundFields(std::span<const FieldBinding> bindings) : bindings_(bindings), states_(bindings.size()) {}

void BoundFields::Initialise(HWND dialog) {
    for (std::size_t i = 0; i < bindings_.size(); ++i) InitialiseField(dialog, bindings_[i], states_[i]);
}

void BoundFields::Load(HWND dialog, IDispatch* object) {
    for (std::size_t i = 0; i < bindings_.size(); ++i) {
        states_[i].changed = false;
        if (object == nullptr) continue;
        const auto& routines = RoutinesFor(bindings_[i].kind);
        win::UniqueVariant value;
        // A property the object does not have leaves its field as it is.
        if (FAILED(GetPropertyByName(object, bindings_[i].property, routines.type, value.put()))) continue;
        routines.show(dialog, bindings_[i], states_[i], *value.get());
    }
}

void BoundFields::MarkChanged(int id) {
    for (std::size_t i = 0; i < bindings_.size(); ++i) {
        if (bindings_[i].id == id) states_[i].changed = true;
    }
}

const FieldBinding* BoundFields::ReadChanged(HWND dialog, std::vector<win::UniqueVariant>& values,
                                             std::vector<bool>& skip, std::wstring* problem) {
    for (std::size_t i = 0; i < bindings_.size(); ++i) {
        if (!states_[i].changed) {
            skip[i] = true;
            continue;
        }
        const FieldRead read = RoutinesFor(bindings_[i].kind).read(dialog, bindings_[i], states_[i], values[i].put(),
                                                                  problem);
        if (read == FieldRead::Invalid) return &bindings_[i];
        skip[i] = read == FieldRead::Skip;
    }
    return nullptr;
}

std::wstring WideText(std::string_view ascii) { return std::wstring(ascii.begin(), ascii.end()); }

std::wstring WindowText(HWND window) {
    const int n = ::GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
    const int got = ::GetWindowTextW(window, text.data(), n + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

}  // namespace brixel::activex::detail
