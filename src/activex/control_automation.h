// Automation: every member of the dispatch interface, driven by the member
// table with names and types from the type library; the class information;
// the connection points that carry the events and property changes out; and
// the menu editor page's private way to the tree. A part of the control's
// COM identity (control_part.h).
#pragma once

#include "activex/com_owners.h"
#include "activex/connection_point.h"
#include "activex/control_host.h"
#include "activex/control_inplace.h"
#include "activex/control_part.h"
#include "activex/control_persist.h"
#include "activex/live_fonts.h"
#include "activex/menu_access.h"
#include "core/property_table.h"
#include "instance/button_instance.h"

#include <ocidl.h>

#include <optional>

namespace brixel::activex {

class ControlAutomation final
    : public ControlPart<IDispatch, IProvideClassInfo2, IConnectionPointContainer, IMenuAccess> {
public:
    ControlAutomation(IUnknown& control, ButtonInstance& instance, ControlInstanceHost& host,
                      const ControlInPlace& inplace, ControlPersistence& persistence) noexcept;
    // Loads the dispatch interface's type information.
    HRESULT Initialize() noexcept;

    // IDispatch: names and type information come from the type library; the
    // calls themselves are dispatched here by DISPID.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** out) noexcept override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                                            DISPID* ids) noexcept override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* arg_error) noexcept override;

    // IProvideClassInfo2
    HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** out) noexcept override;
    HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* out) noexcept override;

    // IConnectionPointContainer
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** out) noexcept override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** out) noexcept override;

    // IMenuAccess
    MenuTree* STDMETHODCALLTYPE MenuItems() noexcept override { return &instance_.Menu(); }
    void STDMETHODCALLTYPE MenuTreeReplaced() noexcept override { persistence_.MarkModified(); }

    // Events out (control_events.cpp). `args` last to first, as automation
    // passes them. A frozen container does not want events: they are
    // dropped, not queued.
    void FireEvent(DISPID id, VARIANT* args, UINT count) noexcept;
    // An event a step of the instance asked for, with its arguments.
    void FireStepEvent(Effect& effect);
    // The property-change sinks hear the DISPID (the model decides when).
    void NotifyChanged(DISPID id) noexcept;
    void FreezeEvents(bool freeze) noexcept;
    // The container is done with the control: every sink lets go.
    void DisconnectAll() noexcept;

private:
    // Inside Invoke's exception boundary.
    HRESULT InvokeProperty(const MemberInfo& member, WORD flags, DISPPARAMS* params, VARIANT* result,
                           EXCEPINFO* exception, UINT* arg_error);
    HRESULT InvokeMethod(const MemberInfo& member, DISPPARAMS* params, VARIANT* result, UINT* arg_error);
    HRESULT InvokeWindowMethod(DISPID id, DISPPARAMS* params, VARIANT* result, UINT* arg_error);
    HRESULT InvokeMenuMethod(DISPID id, DISPPARAMS* params, VARIANT* result, UINT* arg_error);
    HRESULT InvokeMenuItemProperty(const MemberInfo& member, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   UINT* arg_error);
    std::optional<PropertyValue> ReadOnlyValue(DISPID id) const noexcept;
    // A font object handed out by a font property was changed in place.
    void LiveFontChanged(DISPID id, const FontDesc& font) noexcept;

    IUnknown& control_;
    ButtonInstance& instance_;
    ControlInstanceHost& host_;
    const ControlInPlace& inplace_;
    ControlPersistence& persistence_;
    win::ComPtr<ITypeInfo> dispatch_info_;
    ConnectionPoint events_;
    ConnectionPoint property_notify_;
    LONG freeze_count_ = 0;
    LiveFonts fonts_;
};

}  // namespace brixel::activex
