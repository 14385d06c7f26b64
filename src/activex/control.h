// CTavloCtrl: the control object that containers and scripts talk to.
//
// The button itself (properties, menu tree, interaction) is one portable
// ButtonInstance; the control is its COM identity: the interface table, the
// reference count, the container's site, and forwarding methods. Every step
// of the instance is carried out here as it happens (control_effects.cpp);
// the window reaches the control only through WindowOwner.
//
// The object is split by concern over several files: lifetime and interface
// lookup here and in control.cpp, automation in control_dispatch.cpp, the
// container protocol in control_ole.cpp; property browsing and safety are the
// ControlBrowsing part of the same identity (control_browsing.h).
#pragma once

#include "activex/background_capture.h"
#include "activex/com_owners.h"
#include "activex/control_browsing.h"
#include "activex/control_view.h"
#include "activex/state_fonts.h"
#include "render/face_cache.h"
#include "activex/connection_point.h"
#include "activex/control_host.h"
#include "activex/control_window.h"
#include "activex/menu_access.h"
#include "activex/live_fonts.h"
#include "core/persist_exchange.h"
#include "core/platform_caps.h"
#include "gdi/gdi_objects.h"
#include "render/focus.h"
#include "render/paint_model.h"
#include "core/property_table.h"
#include "gdi/raii.h"
#include "instance/button_instance.h"

#include <objsafe.h>
#include <ocidl.h>

#include <atomic>
#include <memory>
#include <string>

namespace brixel::activex {

class CTavloCtrl final : public IDispatch,
                         public IProvideClassInfo2,
                         public IConnectionPointContainer,
                         public IOleObject,
                         public IOleControl,
                         public IOleInPlaceObject,
                         public IOleInPlaceActiveObject,
                         public IPersistStreamInit,
                         public IPersistPropertyBag,
                         public IPersistStorage,
                         public IMenuAccess,
                         private WindowOwner,
                         private LiveHost {
public:
    static HRESULT Create(REFIID iid, void** out) noexcept;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) noexcept override;
    ULONG STDMETHODCALLTYPE AddRef() noexcept override;
    ULONG STDMETHODCALLTYPE Release() noexcept override;

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

    // IOleWindow (for both in-place interfaces)
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* out) noexcept override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) noexcept override;
    // IOleInPlaceObject
    HRESULT STDMETHODCALLTYPE InPlaceDeactivate() noexcept override;
    HRESULT STDMETHODCALLTYPE UIDeactivate() noexcept override;
    HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT position, LPCRECT clip) noexcept override;
    HRESULT STDMETHODCALLTYPE ReactivateAndUndo() noexcept override;
    // IOleInPlaceActiveObject
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG msg) noexcept override;
    HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL activate) noexcept override;
    HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL activate) noexcept override;
    HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frame) noexcept override;
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL enable) noexcept override;

    // IPersist, IPersistStreamInit, IPersistPropertyBag
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* out) noexcept override;
    HRESULT STDMETHODCALLTYPE IsDirty() noexcept override;
    HRESULT STDMETHODCALLTYPE Load(IStream* stream) noexcept override;
    HRESULT STDMETHODCALLTYPE Save(IStream* stream, BOOL clear_dirty) noexcept override;
    HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* size) noexcept override;
    HRESULT STDMETHODCALLTYPE InitNew() noexcept override;
    HRESULT STDMETHODCALLTYPE Load(IPropertyBag* bag, IErrorLog* log) noexcept override;
    HRESULT STDMETHODCALLTYPE Save(IPropertyBag* bag, BOOL clear_dirty, BOOL save_all) noexcept override;
    // IPersistStorage: the stream form, in the storage's "Contents" stream
    HRESULT STDMETHODCALLTYPE InitNew(IStorage* storage) noexcept override;
    HRESULT STDMETHODCALLTYPE Load(IStorage* storage) noexcept override;
    HRESULT STDMETHODCALLTYPE Save(IStorage* storage, BOOL same_as_load) noexcept override;
    HRESULT STDMETHODCALLTYPE SaveCompleted(IStorage* storage) noexcept override;
    HRESULT STDMETHODCALLTYPE HandsOffStorage() noexcept override;

    // IMenuAccess: the menu editor page's way to the tree
    MenuTree* STDMETHODCALLTYPE MenuItems() noexcept override { return &instance_.Menu(); }
    void STDMETHODCALLTYPE MenuTreeReplaced() noexcept override { modified_ = true; }

private:
    CTavloCtrl();
    ~CTavloCtrl();
    HRESULT Initialize() noexcept;

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
    HRESULT InPlaceActivate(bool ui_activate, HWND parent, LPCRECT position) noexcept;
    // After a click: a control in place but not yet UI-active becomes so when
    // the focus is on it.
    void UIActivateIfPending() noexcept;
    // The property-change sinks hear the DISPID (the model decides when).
    void NotifyChanged(DISPID id) noexcept;
    void RebuildAccelerators() noexcept;
    // The window while the control is in place with one, else null.
    ControlWindow* LiveWindow() const noexcept { return window_ && window_->hwnd() ? window_.get() : nullptr; }

    // WindowOwner
    ButtonInstance& Instance() noexcept override { return instance_; }
    ControlInstanceHost& Host() noexcept override { return host_; }
    IUnknown* Identity() noexcept override { return static_cast<IDispatch*>(this); }
    // A frozen container does not want events: they are dropped, not queued.
    void FireEvent(DISPID id, VARIANT* args, UINT count) noexcept override;
    FocusOutcome PaintFace(HDC dc, const RECT& bounds, bool after_click, bool has_focus) noexcept override;
    void ResolutionChanged() noexcept override;

    // LiveHost: the effects of the instance's steps (control_effects.cpp).
    void Carry(Effect& effect) override;
    WindowFrame Frame() const override { return window_ ? window_->Frame() : WindowFrame{}; }
    void CarryEvent(Effect& effect);
    void CarryInWindow(ControlWindow& window, const Effect& effect);
    void CarryChange(const Effect& effect);

    void LoadDrawingPrimitives() noexcept;
    // The transparent window style follows TranslucentStyle in user mode;
    // `after_change` also refreshes the frame and copies the background anew.
    void SetTransparentWindow(bool after_change) noexcept;
    bool WantsTranslucentWindow() const noexcept;
    void CaptureBackgroundAt(const RECT& at) noexcept;
    // Shapes the window for the corners and appearance in force.
    void ApplyRegion() noexcept;
    // Saves, loads or resets the whole configuration, menu included.
    void Exchange(PropertyExchange& px);

    std::atomic<ULONG> refs_{1};
    win::ComPtr<ITypeInfo> dispatch_info_;
    ConnectionPoint events_;
    ConnectionPoint property_notify_;
    win::ComPtr<IOleAdviseHolder> advise_holder_;
    LONG freeze_count_ = 0;
    bool modified_ = false;
    // Loaded, or given the container's defaults once it could ask for them:
    // a later site must not reset it. InitNew without a site leaves it unset,
    // so the first site still supplies the defaults (the caption's name).
    bool initialised_ = false;
    win::UniqueAccelerators accelerators_;
    USHORT accelerator_count_ = 0;

    ControlInstanceHost host_;
    ButtonInstance instance_{host_};
    ControlBrowsing browsing_{*this, host_};
    ControlView view_{static_cast<IDispatch&>(*this), static_cast<WindowOwner&>(*this)};
    // After the instance: its handler writes into the instance.
    LiveFonts fonts_{[this](DISPID id, const FontDesc& font) { LiveFontChanged(id, font); }};

    win::ComPtr<IOleInPlaceSite> inplace_site_;
    std::unique_ptr<ControlWindow> window_;
    bool ui_active_ = false;

    win::Msimg32 msimg32_;
    Capabilities capabilities_;
    bool drawing_loaded_ = false;
    // The container's pixels under a translucent control.
    BackgroundCapture background_;
    StateFonts state_fonts_;
    FaceCache face_;
};

}  // namespace brixel::activex
