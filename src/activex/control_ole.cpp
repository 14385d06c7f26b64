// The container protocol: IOleObject and IOleControl.
#include "activex/ambient.h"
#include "activex/brixeldemo.h"
#include "activex/com_boundary.h"
#include "activex/control.h"
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

HRESULT CTavloCtrl::SetClientSite(IOleClientSite* site) noexcept {
    host_.SetSite(site);
    if (site == nullptr || initialised_) return S_OK;
    // A control placed fresh takes the container's defaults (its name as the
    // caption) once it can ask; one already changed keeps its values.
    initialised_ = true;
    if (modified_) return S_OK;
    return ComBoundary([&] {
        instance_.ResetToNewControl(Frame());
        RebuildAccelerators();
        return S_OK;
    });
}

HRESULT CTavloCtrl::GetClientSite(IOleClientSite** out) noexcept {
    if (out == nullptr) return E_POINTER;
    win::CopyInterface(host_.Site(), out);
    return S_OK;
}

HRESULT CTavloCtrl::SetHostNames(LPCOLESTR, LPCOLESTR) noexcept { return S_OK; }

HRESULT CTavloCtrl::Close(DWORD) noexcept {
    // The container is done with us: let go of everything that points back
    // into it, so neither side keeps the other alive.
    InPlaceDeactivate();
    if (advise_holder_) advise_holder_->SendOnClose();
    events_.DisconnectAll();
    property_notify_.DisconnectAll();
    return S_OK;
}

HRESULT CTavloCtrl::SetMoniker(DWORD, IMoniker*) noexcept { return E_NOTIMPL; }

HRESULT CTavloCtrl::GetMoniker(DWORD, DWORD, IMoniker** out) noexcept {
    if (out != nullptr) *out = nullptr;
    return E_NOTIMPL;
}

HRESULT CTavloCtrl::InitFromData(IDataObject*, BOOL, DWORD) noexcept { return E_NOTIMPL; }

HRESULT CTavloCtrl::GetClipboardData(DWORD, IDataObject** out) noexcept {
    if (out != nullptr) *out = nullptr;
    return E_NOTIMPL;
}

HRESULT CTavloCtrl::DoVerb(LONG verb, LPMSG, IOleClientSite*, LONG, HWND parent, LPCRECT position) noexcept {
    switch (verb) {
        case OLEIVERB_PRIMARY:
        case OLEIVERB_SHOW:
        case OLEIVERB_UIACTIVATE: return InPlaceActivate(true, parent, position);
        case OLEIVERB_INPLACEACTIVATE: return InPlaceActivate(false, parent, position);
        case OLEIVERB_HIDE:
            if (ControlWindow* window = LiveWindow()) ::ShowWindow(window->hwnd(), SW_HIDE);
            return S_OK;
        default: return verb < 0 ? E_NOTIMPL : OLEOBJ_S_INVALIDVERB;
    }
}

HRESULT CTavloCtrl::EnumVerbs(IEnumOLEVERB** out) noexcept { return ::OleRegEnumVerbs(CLSID_BrixelDemo, out); }

HRESULT CTavloCtrl::Update() noexcept { return S_OK; }

HRESULT CTavloCtrl::IsUpToDate() noexcept { return S_OK; }

HRESULT CTavloCtrl::GetUserClassID(CLSID* out) noexcept {
    if (out == nullptr) return E_POINTER;
    *out = CLSID_BrixelDemo;
    return S_OK;
}

HRESULT CTavloCtrl::GetUserType(DWORD form, LPOLESTR* out) noexcept {
    return ::OleRegGetUserType(CLSID_BrixelDemo, form, out);
}

HRESULT CTavloCtrl::SetExtent(DWORD aspect, SIZEL* size) noexcept {
    if (size == nullptr) return E_POINTER;
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!ExtentSideInRange(size->cx) || !ExtentSideInRange(size->cy)) return E_INVALIDARG;
    host_.SetExtent(*size);
    modified_ = true;
    return S_OK;
}

HRESULT CTavloCtrl::GetExtent(DWORD aspect, SIZEL* size) noexcept {
    if (size == nullptr) return E_POINTER;
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    *size = host_.Extent();
    return S_OK;
}

HRESULT CTavloCtrl::Advise(IAdviseSink* sink, DWORD* cookie) noexcept {
    return advise_holder_->Advise(sink, cookie);
}

HRESULT CTavloCtrl::Unadvise(DWORD cookie) noexcept { return advise_holder_->Unadvise(cookie); }

HRESULT CTavloCtrl::EnumAdvise(IEnumSTATDATA** out) noexcept { return advise_holder_->EnumAdvise(out); }

HRESULT CTavloCtrl::GetMiscStatus(DWORD aspect, DWORD* status) noexcept {
    if (status == nullptr) return E_POINTER;
    *status = aspect == DVASPECT_CONTENT ? kMiscStatus : 0;
    return S_OK;
}

HRESULT CTavloCtrl::SetColorScheme(LOGPALETTE*) noexcept { return E_NOTIMPL; }

// Two accelerators for the mnemonic: Alt with the key's virtual key, and Alt
// with the lower-case character, both as command 1.
void CTavloCtrl::RebuildAccelerators() noexcept {
    accelerators_.reset();
    accelerator_count_ = 0;
    const auto mnemonic = MnemonicOf(instance_.Props().Caption);
    if (!mnemonic) return;
    const auto ch = static_cast<wchar_t>(*mnemonic);
    const SHORT scan = ::VkKeyScanW(ch);
    ACCEL table[2] = {};
    table[0] = {FALT | FVIRTKEY, static_cast<WORD>(scan == -1 ? std::towupper(ch) : LOBYTE(scan)), 1};
    table[1] = {FALT, static_cast<WORD>(std::towlower(ch)), 1};
    accelerators_.reset(::CreateAcceleratorTableW(table, 2));
    if (accelerators_) accelerator_count_ = 2;
}

HRESULT CTavloCtrl::GetControlInfo(CONTROLINFO* info) noexcept {
    if (info == nullptr) return E_POINTER;
    if (info->cb < sizeof(CONTROLINFO)) return E_INVALIDARG;
    info->hAccel = accelerators_.get();
    info->cAccel = accelerator_count_;
    info->dwFlags = 0;
    return S_OK;
}

// The container routes our mnemonic here.
HRESULT CTavloCtrl::OnMnemonic(MSG* msg) noexcept {
    if (msg == nullptr) return E_POINTER;
    const UserActionScope user_action(host_);
    return ComBoundary([&] {
        instance_.Mnemonic(Frame(), static_cast<std::int16_t>(msg->wParam));
        return S_OK;
    });
}

HRESULT CTavloCtrl::OnAmbientPropertyChange(DISPID id) noexcept {
    host_.AmbientsChanged();
    return ComBoundary([&] {
        instance_.AmbientPropertyChanged(id, Frame());
        return S_OK;
    });
}

HRESULT CTavloCtrl::FreezeEvents(BOOL freeze) noexcept {
    if (freeze) {
        ++freeze_count_;
    } else if (freeze_count_ > 0) {
        --freeze_count_;
    }
    return S_OK;
}

}  // namespace brixel::activex
