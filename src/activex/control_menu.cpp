// Automation of the drop-down menu: the item methods and the indexed item
// properties, each one call into the menu tree.
#include "activex/control_automation.h"
#include "activex/ole_values.h"
#include "core/dispids.h"

// <windows.h> maps InsertMenuItem to its wide Win32 namesake; here the name
// is the menu tree's method.
#undef InsertMenuItem
#include "menu/menu_automation.h"

namespace brixel::activex {
namespace {

// Positional argument `index` (0 = first) of a call; automation passes them
// last to first, after any named arguments.
const VARIANT* Positional(const DISPPARAMS* params, UINT index) {
    const UINT positional = params->cArgs - params->cNamedArgs;
    if (index >= positional) return nullptr;
    return &params->rgvarg[params->cArgs - 1 - index];
}

// A 16-bit argument, or nullopt when it cannot be one.
std::optional<std::int16_t> ShortArg(const DISPPARAMS* params, UINT index, UINT* arg_error) {
    const VARIANT* v = Positional(params, index);
    std::optional<PropertyValue> value = v ? FromVariant(*v, VarType::I2) : std::nullopt;
    if (!value) {
        if (arg_error != nullptr) *arg_error = params->cArgs - 1 - index;
        return std::nullopt;
    }
    return std::get<std::int16_t>(*value);
}

HRESULT Short(std::int16_t value, VARIANT* result) {
    if (result != nullptr) {
        result->vt = VT_I2;
        result->iVal = value;
    }
    return S_OK;
}

HRESULT Bool(bool value, VARIANT* result) {
    if (result != nullptr) {
        result->vt = VT_BOOL;
        result->boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    }
    return S_OK;
}

}  // namespace

HRESULT ControlAutomation::InvokeMenuMethod(DISPID id, DISPPARAMS* params, VARIANT* result, UINT* arg_error) {
    const auto first = params->cArgs > 0 ? ShortArg(params, 0, arg_error) : std::optional<std::int16_t>(0);
    if (!first) return DISP_E_TYPEMISMATCH;
    const auto second = params->cArgs > 1 ? ShortArg(params, 1, arg_error) : std::optional<std::int16_t>(0);
    if (!second) return DISP_E_TYPEMISMATCH;
    switch (id) {
        case dispid::kAddMenuItem: AddMenuItem(instance_.Menu(), *first, *second); break;
        case dispid::kInsertMenuItem: InsertMenuItem(instance_.Menu(), *first, *second); break;
        case dispid::kRemoveMenuItem: RemoveMenuItem(instance_.Menu(), *first); break;
        case dispid::kGetMenuItemCount: return Short(GetMenuItemCount(instance_.Menu(), *first), result);
        case dispid::kGetMenuItemIDFromIndex: return Short(GetMenuItemIDFromIndex(instance_.Menu(), *first, *second), result);
        case dispid::kGetMenuItemParentID: return Short(GetMenuItemParentID(instance_.Menu(), *first), result);
        case dispid::kIsMenuItemParent: return Bool(IsMenuItemParent(instance_.Menu(), *first), result);
        case dispid::kGetTotalMenuItemCount: return Short(GetTotalMenuItemCount(instance_.Menu()), result);
        default: return DISP_E_MEMBERNOTFOUND;
    }
    persistence_.MarkModified();  // the tree is saved with the control
    return S_OK;
}

HRESULT ControlAutomation::InvokeMenuItemProperty(const MemberInfo& member, WORD flags, DISPPARAMS* params,
                                           VARIANT* result, UINT* arg_error) {
    const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    if (params->cArgs != (put ? 2u : 1u)) return DISP_E_BADPARAMCOUNT;
    if (put && (params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)) {
        return DISP_E_PARAMNOTOPTIONAL;
    }
    if (!put && (flags & (DISPATCH_PROPERTYGET | DISPATCH_METHOD)) == 0) return DISP_E_MEMBERNOTFOUND;
    const auto item = ShortArg(params, 0, arg_error);
    if (!item) return DISP_E_TYPEMISMATCH;
    if (!put) {
        if (result == nullptr) return S_OK;
        switch (member.dispid) {
            case dispid::kMenuItemCaption: return ToVariant(PropertyValue(GetMenuItemCaption(instance_.Menu(), *item)), result);
            case dispid::kMenuItemID: return Short(GetMenuItemID(instance_.Menu(), *item), result);
            case dispid::kMenuItemShortcut: return Short(GetMenuItemShortcut(instance_.Menu(), *item), result);
            case dispid::kMenuItemHyperlink: return Bool(GetMenuItemHyperlink(instance_.Menu(), *item), result);
            case dispid::kMenuItemHyperlinkAddress:
                return ToVariant(PropertyValue(GetMenuItemHyperlinkAddress(instance_.Menu(), *item)), result);
            case dispid::kMenuItemSeparator: return Bool(GetMenuItemSeparator(instance_.Menu(), *item), result);
            case dispid::kMenuItemEnabled: return Bool(GetMenuItemEnabled(instance_.Menu(), *item), result);
            case dispid::kMenuItemPicture: return ToVariant(PropertyValue(GetMenuItemPicture(instance_.Menu(), *item)), result);
            case dispid::kMenuItemVisible: return Bool(GetMenuItemVisible(instance_.Menu(), *item), result);
            default: return DISP_E_MEMBERNOTFOUND;
        }
    }
    const auto value = FromVariant(params->rgvarg[0], member.type);
    if (!value) {
        if (arg_error != nullptr) *arg_error = 0;
        return DISP_E_TYPEMISMATCH;
    }
    switch (member.dispid) {
        case dispid::kMenuItemCaption: SetMenuItemCaption(instance_.Menu(), *item, std::get<std::u16string>(*value)); break;
        case dispid::kMenuItemID: SetMenuItemID(instance_.Menu(), *item, std::get<std::int16_t>(*value)); break;
        case dispid::kMenuItemShortcut: SetMenuItemShortcut(instance_.Menu(), *item, std::get<std::int16_t>(*value)); break;
        case dispid::kMenuItemHyperlink: SetMenuItemHyperlink(instance_.Menu(), *item, std::get<bool>(*value)); break;
        case dispid::kMenuItemHyperlinkAddress:
            SetMenuItemHyperlinkAddress(instance_.Menu(), *item, std::get<std::u16string>(*value));
            break;
        case dispid::kMenuItemSeparator: SetMenuItemSeparator(instance_.Menu(), *item, std::get<bool>(*value)); break;
        case dispid::kMenuItemEnabled: SetMenuItemEnabled(instance_.Menu(), *item, std::get<bool>(*value)); break;
        case dispid::kMenuItemPicture: SetMenuItemPicture(instance_.Menu(), *item, std::get<SharedPicture>(*value)); break;
        case dispid::kMenuItemVisible: SetMenuItemVisible(instance_.Menu(), *item, std::get<bool>(*value)); break;
        default: return DISP_E_MEMBERNOTFOUND;
    }
    persistence_.MarkModified();
    return S_OK;
}

}  // namespace brixel::activex
