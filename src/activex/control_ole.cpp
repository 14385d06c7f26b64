// The container protocol: IOleObject and IOleControl.
#include "activex/ambient.h"
#include "activex/brixeldemo.h"
#include "activex/com_boundary.h"
#include "activex/control_ole.h"
#include "core/mnemonic.h"
#include "core/persist_control.h"

#include <olectl.h>

#include <cwctype>

namespace brixel::activex {
namespace {

// Recompose on resize, can't link inside, inside-out, activate when visible,
// acts like a button, set client site first.
constexpr DWORD kMiscStatus = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT |
                              OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_ACTSLIKEBUTTON | OLEMISC_SETCLIENTSITEFIRST;
static_assert(kMiscStatus == 0x21191);

}  // namespace

HRESULT ControlOleObject::Initialize() noexcept { return ::CreateOleAdviseHolder(advise_holder_.put()); }

HRESULT ControlOleObject::SetClientSite(IOleClientSite* site) noexcept {
    host_.SetSite(site);
    if (site == nullptr) return S_OK;
    return persistence_.SiteArrived();
}

HRESULT ControlOleObject::GetClientSite(IOleClientSite** out) noexcept {
    if (out == nullptr) return E_POINTER;
    win::CopyInterface(host_.Site(), out);
    return S_OK;
}

HRESULT ControlOleObject::SetHostNames(LPCOLESTR, LPCOLESTR) noexcept { return S_OK; }

HRESULT ControlOleObject::Close(DWORD) noexcept {
    // The container is done with us: let go of everything that points back
    // into it, so neither side keeps the other alive.
    inplace_.InPlaceDeactivate();
    if (advise_holder_) advise_holder_->SendOnClose();
    automation_.DisconnectAll();
    return S_OK;
}

HRESULT ControlOleObject::SetMoniker(DWORD, IMoniker*) noexcept { return E_NOTIMPL; }

HRESULT ControlOleObject::GetMoniker(DWORD, DWORD, IMoniker** out) noexcept {
    if (out != nullptr) *out = nullptr;
    return E_NOTIMPL;
}

HRESULT ControlOleObject::InitFromData(IDataObject*, BOOL, DWORD) noexcept { return E_NOTIMPL; }

HRESULT ControlOleObject::GetClipboardData(DWORD, IDataObject** out) noexcept {
    if (out != nullptr) *out = nullptr;
    return E_NOTIMPL;
}

HRESULT ControlOleObject::DoVerb(LONG verb, LPMSG, IOleClientSite*, LONG, HWND parent, LPCRECT position) noexcept {
    switch (verb) {
        case OLEIVERB_PRIMARY:
        case OLEIVERB_SHOW:
        case OLEIVERB_UIACTIVATE: return inplace_.Activate(true, parent, position);
        case OLEIVERB_INPLACEACTIVATE: return inplace_.Activate(false, parent, position);
        case OLEIVERB_HIDE:
            if (ControlWindow* window = inplace_.LiveWindow()) ::ShowWindow(window->hwnd(), SW_HIDE);
            return S_OK;
        default: return verb < 0 ? E_NOTIMPL : OLEOBJ_S_INVALIDVERB;
    }
}

HRESULT ControlOleObject::EnumVerbs(IEnumOLEVERB** out) noexcept { return ::OleRegEnumVerbs(CLSID_BrixelDemo, out); }

HRESULT ControlOleObject::Update() noexcept { return S_OK; }

HRESULT ControlOleObject::IsUpToDate() noexcept { return S_OK; }

HRESULT ControlOleObject::GetUserClassID(CLSID* out) noexcept {
    if (out == nullptr) return E_POINTER;
    *out = CLSID_BrixelDemo;
    return S_OK;
}

HRESULT ControlOleObject::GetUserType(DWORD form, LPOLESTR* out) noexcept {
    return ::OleRegGetUserType(CLSID_BrixelDemo, form, out);
}

HRESULT ControlOleObject::SetExtent(DWORD aspect, SIZEL* size) noexcept {
    if (size == nullptr) return E_POINTER;
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!ExtentSideInRange(size->cx) || !ExtentSideInRange(size->cy)) return E_INVALIDARG;
    host_.SetExtent(*size);
    persistence_.MarkModified();
    return S_OK;
}

HRESULT ControlOleObject::GetExtent(DWORD aspect, SIZEL* size) noexcept {
    if (size == nullptr) return E_POINTER;
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    *size = host_.Extent();
    return S_OK;
}

HRESULT ControlOleObject::Advise(IAdviseSink* sink, DWORD* cookie) noexcept {
    return advise_holder_->Advise(sink, cookie);
}

HRESULT ControlOleObject::Unadvise(DWORD cookie) noexcept { return advise_holder_->Unadvise(cookie); }

HRESULT ControlOleObject::EnumAdvise(IEnumSTATDATA** out) noexcept { return advise_holder_->EnumAdvise(out); }

HRESULT ControlOleObject::GetMiscStatus(DWORD aspect, DWORD* status) noexcept {
    if (status == nullptr) return E_POINTER;
    *status = aspect == DVASPECT_CONTENT ? kMiscStatus : 0;
    return S_OK;
}

HRESULT ControlOleObject::SetColorScheme(LOGPALETTE*) noexcept { return E_NOTIMPL; }

// Two accelerators for the mnemonic: Alt with the key's virtual key, and Alt
// with the lower-case character, both as command 1.
void ControlOleObject::RefreshAccelerators() noexcept {
    const auto mnemonic = MnemonicOf(instance_.Props().Caption);
    if (accelerators_built_ && mnemonic == accelerator_mnemonic_) return;
    accelerators_built_ = true;
    accelerator_mnemonic_ = mnemonic;
    accelerators_.reset();
    accelerator_count_ = 0;
    if (!mnemonic) return;
    const auto ch = static_cast<wchar_t>(*mnemonic);
    const SHORT scan = ::VkKeyScanW(ch);
    ACCEL table[2] = {};
    table[0] = {FALT | FVIRTKEY, static_cast<WORD>(scan == -1 ? std::towupper(ch) : LOBYTE(scan)), 1};
    table[1] = {FALT, static_cast<WORD>(std::towlower(ch)), 1};
    accelerators_.reset(::CreateAcceleratorTableW(table, 2));
    if (accelerators_) accelerator_count_ = 2;
}

HRESULT ControlOleObject::GetControlInfo(CONTROLINFO* info) noexcept {
    if (info == nullptr) return E_POINTER;
    if (info->cb < sizeof(CONTROLINFO)) return E_INVALIDARG;
    RefreshAccelerators();
    info->hAccel = accelerators_.get();
    info->cAccel = accelerator_count_;
    info->dwFlags = 0;
    return S_OK;
}

// The container routes our mnemonic here.
HRESULT ControlOleObject::OnMnemonic(MSG* msg) noexcept {
    if (msg == nullptr) return E_POINTER;
    const UserActionScope user_action(host_);
    return ComBoundary([&] {
        instance_.Mnemonic(inplace_.Frame(), static_cast<std::int16_t>(msg->wParam));
        return S_OK;
    });
}

HRESULT ControlOleObject::OnAmbientPropertyChange(DISPID id) noexcept {
    host_.AmbientsChanged();
    return ComBoundary([&] {
        instance_.AmbientPropertyChanged(id, inplace_.Frame());
        return S_OK;
    });
}

HRESULT ControlOleObject::FreezeEvents(BOOL freeze) noexcept {
    automation_.FreezeEvents(freeze != FALSE);
    return S_OK;
}

}  // namespace brixel::activex
