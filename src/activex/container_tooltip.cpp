#include "activex/container_tooltip.h"

#include "activex/com_owners.h"
#include "activex/control.h"

#include <string>

namespace brixel::activex {
namespace {

// The extended control's "ToolTipText", asked by name: containers that have
// none simply do not answer.
std::wstring ExtendedToolTipText(IOleClientSite* site) {
    win::ComPtr<IOleControlSite> control_site;
    win::ComPtr<IDispatch> extended;
    if (site == nullptr || FAILED(site->QueryInterface(IID_IOleControlSite, control_site.put_void())) ||
        FAILED(control_site->GetExtendedControl(extended.put())) || !extended) {
        return {};
    }
    LPOLESTR name = const_cast<LPOLESTR>(L"ToolTipText");
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(extended->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id))) return {};
    DISPPARAMS none{};
    win::UniqueVariant value;
    if (FAILED(extended->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, value.put(),
                                nullptr, nullptr)) ||
        FAILED(::VariantChangeType(value.get(), value.get(), 0, VT_BSTR)) || value.get()->bstrVal == nullptr) {
        return {};
    }
    return std::wstring(value.get()->bstrVal, ::SysStringLen(value.get()->bstrVal));
}

}  // namespace

void HideContainerTooltip(IOleClientSite* site) noexcept {
    try {
        const std::wstring text = ExtendedToolTipText(site);
        if (text.empty()) return;
        HWND bubble = ::FindWindowW(L"VBBubble", nullptr);
        if (bubble == nullptr) bubble = ::FindWindowW(nullptr, text.c_str());
        if (bubble != nullptr && ::IsWindowVisible(bubble)) ::ShowWindow(bubble, SW_HIDE);
    } catch (...) {
        // Out of memory for the text: the container's tooltip stays.
    }
}


}  // namespace brixel::activex
