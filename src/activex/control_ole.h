// The container protocol: the embedded object (site, verbs, extent, advise
// sinks) and the control's side of keyboard mnemonics, ambient changes and
// frozen events. A part of the control's COM identity (control_part.h).
#pragma once

#include "activex/com_owners.h"
#include "activex/control_automation.h"
#include "activex/control_host.h"
#include "activex/control_inplace.h"
#include "activex/control_part.h"
#include "activex/control_persist.h"
#include "gdi/raii.h"
#include "instance/button_instance.h"

#include <ocidl.h>

#include <optional>

namespace brixel::activex {

class ControlOleObject final : public ControlPart<IOleObject, IOleControl> {
public:
    ControlOleObject(IUnknown& control, ButtonInstance& instance, ControlInstanceHost& host,
                     ControlInPlace& inplace, ControlAutomation& automation, ControlPersistence& persistence) noexcept
        : ControlPart(control),
          instance_(instance),
          host_(host),
          inplace_(inplace),
          automation_(automation),
          persistence_(persistence) {}
    // Creates the holder of the container's advise sinks.
    HRESULT Initialize() noexcept;

    // IOleObject
    HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) noexcept override;
    HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** out) noexcept override;
    HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR app, LPCOLESTR object) noexcept override;
    HRESULT STDMETHODCALLTYPE Close(DWORD save_option) noexcept override;
    HRESULT STDMETHODCALLTYPE SetMoniker(DWORD which, IMoniker* moniker) noexcept override;
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD assign, DWORD which, IMoniker** out) noexcept override;
    HRESULT STDMETHODCALLTYPE InitFromData(IDataObject* data, BOOL creation, DWORD reserved) noexcept override;
    HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD reserved, IDataObject** out) noexcept override;
    HRESULT STDMETHODCALLTYPE DoVerb(LONG verb, LPMSG msg, IOleClientSite* site, LONG index, HWND parent,
                                     LPCRECT position) noexcept override;
    HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** out) noexcept override;
    HRESULT STDMETHODCALLTYPE Update() noexcept override;
    HRESULT STDMETHODCALLTYPE IsUpToDate() noexcept override;
    HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* out) noexcept override;
    HRESULT STDMETHODCALLTYPE GetUserType(DWORD form, LPOLESTR* out) noexcept override;
    HRESULT STDMETHODCALLTYPE SetExtent(DWORD aspect, SIZEL* size) noexcept override;
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, SIZEL* size) noexcept override;
    HRESULT STDMETHODCALLTYPE Advise(IAdviseSink* sink, DWORD* cookie) noexcept override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) noexcept override;
    HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA** out) noexcept override;
    HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD aspect, DWORD* status) noexcept override;
    HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE* palette) noexcept override;

    // IOleControl
    HRESULT STDMETHODCALLTYPE GetControlInfo(CONTROLINFO* info) noexcept override;
    HRESULT STDMETHODCALLTYPE OnMnemonic(MSG* msg) noexcept override;
    HRESULT STDMETHODCALLTYPE OnAmbientPropertyChange(DISPID id) noexcept override;
    HRESULT STDMETHODCALLTYPE FreezeEvents(BOOL freeze) noexcept override;

private:
    // The mnemonic's accelerator table follows the caption, whichever way it
    // changed: rebuilt when asked for, if the mnemonic differs from the last.
    void RefreshAccelerators() noexcept;

    ButtonInstance& instance_;
    ControlInstanceHost& host_;
    ControlInPlace& inplace_;
    ControlAutomation& automation_;
    ControlPersistence& persistence_;
    win::ComPtr<IOleAdviseHolder> advise_holder_;
    win::UniqueAccelerators accelerators_;
    USHORT accelerator_count_ = 0;
    bool accelerators_built_ = false;
    std::optional<char16_t> accelerator_mnemonic_;
};

}  // namespace brixel::activex
