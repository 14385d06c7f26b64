// Automation: every member of the dispatch interface, driven by the member
// table; names and types come from the type library.
#include "activex/brixeldemo.h"
#include "activex/com_boundary.h"
#include "activex/control_automation.h"
#include "activex/module.h"
#include "activex/ole_values.h"
#include "core/dispids.h"

#include <olectl.h>

namespace brixel::activex {
namespace {

bool IsPut(WORD flags) { return (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0; }

// Hands an automation error to the caller the way scripts expect it: the
// code in the exception information, with its text.
HRESULT RaiseError(const AutomationError& error, EXCEPINFO* exception) noexcept {
    if (exception != nullptr) {
        *exception = {};
        exception->scode = static_cast<SCODE>(error.code);
        exception->bstrSource = ::SysAllocString(L"BrixelDemo");
        const std::wstring text = error.text.empty() ? std::wstring(L"Property is read-only") : ToWide(error.text);
        exception->bstrDescription = ::SysAllocString(text.c_str());
    }
    return DISP_E_EXCEPTION;
}

constexpr AutomationError kErrPermissionDenied{0x800A0046u, u"Permission denied"};

}  // namespace

ControlAutomation::ControlAutomation(IUnknown& control, ButtonInstance& instance, ControlInstanceHost& host,
                                     const ControlInPlace& inplace, ControlPersistence& persistence) noexcept
    : ControlPart(control),
      control_(control),
      instance_(instance),
      host_(host),
      inplace_(inplace),
      persistence_(persistence),
      events_(this, DIID__DBrixelDemoEvents, true),
      property_notify_(this, IID_IPropertyNotifySink, false),
      fonts_([this](DISPID id, const FontDesc& font) { LiveFontChanged(id, font); }) {}

HRESULT ControlAutomation::Initialize() noexcept { return GetOwnTypeInfo(DIID__DBrixelDemo, dispatch_info_.put()); }

HRESULT ControlAutomation::GetTypeInfoCount(UINT* count) noexcept {
    if (count == nullptr) return E_POINTER;
    *count = 1;
    return S_OK;
}

HRESULT ControlAutomation::GetTypeInfo(UINT index, LCID, ITypeInfo** out) noexcept {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    dispatch_info_.CopyTo(out);
    return S_OK;
}

HRESULT ControlAutomation::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) noexcept {
    return ::DispGetIDsOfNames(dispatch_info_.get(), names, count, ids);
}

HRESULT ControlAutomation::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                           EXCEPINFO* exception, UINT* arg_error) noexcept {
    DISPPARAMS none{};
    if (params == nullptr) params = &none;
    const MemberInfo* member = FindMember(id);
    if (member == nullptr) return DISP_E_MEMBERNOTFOUND;
    return ComBoundary([&]() -> HRESULT {
        switch (member->kind) {
            case MemberKind::Property:
                return InvokeProperty(*member, flags, params, result, exception, arg_error);
            case MemberKind::Method:
                if ((flags & DISPATCH_METHOD) == 0) return DISP_E_MEMBERNOTFOUND;
                return InvokeMethod(*member, params, result, arg_error);
            case MemberKind::IndexedProperty:
                return InvokeMenuItemProperty(*member, flags, params, result, arg_error);
            case MemberKind::PersistedFlag:
                break;
        }
        return DISP_E_MEMBERNOTFOUND;
    });
}

HRESULT ControlAutomation::GetClassInfo(ITypeInfo** out) noexcept { return GetOwnTypeInfo(CLSID_BrixelDemo, out); }

HRESULT ControlAutomation::GetGUID(DWORD kind, GUID* out) noexcept {
    if (out == nullptr) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
        *out = GUID_NULL;
        return E_INVALIDARG;
    }
    *out = DIID__DBrixelDemoEvents;
    return S_OK;
}

HRESULT ControlAutomation::InvokeProperty(const MemberInfo& member, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* exception, UINT* arg_error) {
    if (IsPut(flags)) {
        if (params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
        if (params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT) {
            return DISP_E_PARAMNOTOPTIONAL;
        }
        if (member.read_only) return RaiseError(kErrSetNotSupported, exception);
        // A page that scripts the control must not make it read, or probe
        // for, files on the user's disk.
        if (host_.Untrusted() && (member.dispid == dispid::kClickSoundFile ||
                            member.dispid == dispid::kMouseInSoundFile)) {
            return RaiseError(kErrPermissionDenied, exception);
        }
        const auto value = FromVariant(params->rgvarg[0], member.type);
        if (!value) {
            if (arg_error != nullptr) *arg_error = 0;
            return DISP_E_TYPEMISMATCH;
        }
        const PutResult put = instance_.Put(member.dispid, *value, inplace_.Frame()).result;
        if (put.status == PutStatus::Failed && put.error) return RaiseError(*put.error, exception);
        if (put.status == PutStatus::WrongType) return DISP_E_TYPEMISMATCH;
        return S_OK;
    }
    if ((flags & (DISPATCH_PROPERTYGET | DISPATCH_METHOD)) == 0) return DISP_E_MEMBERNOTFOUND;
    if (params->cArgs != 0) return DISP_E_BADPARAMCOUNT;
    const auto value = member.read_only ? ReadOnlyValue(member.dispid) : instance_.Get(member.dispid);
    if (!value) return DISP_E_MEMBERNOTFOUND;
    if (result == nullptr) return S_OK;
    if (const auto* font = std::get_if<FontDesc>(&*value)) {
        IFontDisp* object = nullptr;
        if (const HRESULT hr = fonts_.Get(member.dispid, *font, &object); FAILED(hr)) return hr;
        result->vt = VT_DISPATCH;
        result->pdispVal = object;
        return S_OK;
    }
    return ToVariant(*value, result);
}

// Nobody to tell of a failure: the font object keeps its change, the
// property its old value.
void ControlAutomation::LiveFontChanged(DISPID id, const FontDesc& font) noexcept {
    ComBoundary([&] {
        instance_.Put(id, PropertyValue(font), inplace_.Frame());
        return S_OK;
    });
}

// hWnd and ControlPointer are the control's, not the record's.
std::optional<PropertyValue> ControlAutomation::ReadOnlyValue(DISPID id) const noexcept {
    if (id == dispid::kHWnd) {
        // Forms pass it on to SendMessage and SetWindowPos; a window handle
        // keeps to 32 bits on x64 too, so the conversion loses nothing.
        const HWND window = inplace_.Window() ? inplace_.Window()->hwnd() : nullptr;
        return PropertyValue(static_cast<std::int32_t>(HandleToLong(window)));
    }
    if (id == dispid::kControlPointer) {
        // An address does not fit 32 bits in the x64 build, and a page that
        // scripts the control must not learn one: both read 0.
        if (sizeof(void*) > 4 || host_.Untrusted()) return PropertyValue(std::int32_t{0});
        return PropertyValue(static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(&control_)));
    }
    return std::nullopt;
}

HRESULT ControlAutomation::InvokeMethod(const MemberInfo& member, DISPPARAMS* params, VARIANT* result,
                                 UINT* arg_error) {
    if (params->cArgs != member.params.size()) return DISP_E_BADPARAMCOUNT;
    if (result != nullptr) ::VariantInit(result);
    switch (member.dispid) {
        case dispid::kAddMenuItem:
        case dispid::kInsertMenuItem:
        case dispid::kRemoveMenuItem:
        case dispid::kGetMenuItemCount:
        case dispid::kGetMenuItemIDFromIndex:
        case dispid::kGetMenuItemParentID:
        case dispid::kIsMenuItemParent:
        case dispid::kGetTotalMenuItemCount: return InvokeMenuMethod(member.dispid, params, result, arg_error);
        case dispid::kPerformClick: instance_.PerformClick(inplace_.Frame()); return S_OK;
        default: break;
    }
    if (member.dispid == dispid::kAboutBox) {
        ::MessageBoxW(host_.MessageOwner(), L"BrixelDemo Control, version 3.2", L"About BrixelDemo", MB_OK);
        return S_OK;
    }
    return InvokeWindowMethod(member.dispid, params, result, arg_error);
}

// The methods that act on the control's window. Without one there is no
// state to latch, no focus to take and nothing to drop: they do nothing and
// the toggle state reads FALSE.
HRESULT ControlAutomation::InvokeWindowMethod(DISPID id, DISPPARAMS* params, VARIANT* result, UINT* arg_error) {
    ControlWindow* window = inplace_.LiveWindow();
    switch (id) {
        case dispid::kGetToggleState:
            if (result != nullptr) {
                result->vt = VT_BOOL;
                result->boolVal = window != nullptr && instance_.GetToggleState() ? VARIANT_TRUE : VARIANT_FALSE;
            }
            return S_OK;
        case dispid::kSetToggleState: {
            win::UniqueVariant state;
            if (FAILED(::VariantChangeType(state.put(), &params->rgvarg[0], 0, VT_BOOL))) {
                if (arg_error != nullptr) *arg_error = 0;
                return DISP_E_TYPEMISMATCH;
            }
            if (window != nullptr) instance_.SetToggleState(inplace_.Frame(), state.get()->boolVal != VARIANT_FALSE);
            return S_OK;
        }
        case dispid::kRefresh:
            if (window != nullptr) {
                ::InvalidateRect(window->hwnd(), nullptr, FALSE);
                ::UpdateWindow(window->hwnd());
            }
            return S_OK;
        case dispid::kSetFocus: instance_.SetFocus(inplace_.Frame()); return S_OK;
        case dispid::kPerformClickActions: instance_.PerformClickActions(inplace_.Frame()); return S_OK;
        case dispid::kPerformHyperlink:
            if (window != nullptr) instance_.PerformHyperlink(inplace_.Frame());
            return S_OK;
        case dispid::kDropMenu:
            if (window != nullptr) window->DropMenuMethod();
            return S_OK;
        default: return DISP_E_MEMBERNOTFOUND;
    }
}

}  // namespace brixel::activex
