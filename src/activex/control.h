// CTavloCtrl: the control object that containers and scripts talk to.
//
// The button itself (properties, menu tree, interaction) is one portable
// ButtonInstance; the control is its COM identity: the interface table, the
// reference count, the container's site (in ControlInstanceHost), and the
// forwarding between its parts. Each family of interfaces is implemented in
// one part that shares this identity (control_part.h): automation and events
// (ControlAutomation), the embedded object and control (ControlOleObject),
// in-place activation with the window (ControlInPlace), persistence
// (ControlPersistence), property browsing and safety (ControlBrowsing) and
// the container's draw requests (ControlView). Every step of the instance is
// carried out here as it happens (control_effects.cpp); the window reaches
// the control only through WindowOwner.
#pragma once

#include "activex/background_capture.h"
#include "activex/control_automation.h"
#include "activex/control_browsing.h"
#include "activex/control_host.h"
#include "activex/control_inplace.h"
#include "activex/control_ole.h"
#include "activex/control_persist.h"
#include "activex/control_view.h"
#include "activex/control_window.h"
#include "activex/state_fonts.h"
#include "core/platform_caps.h"
#include "gdi/gdi_objects.h"
#include "instance/button_instance.h"
#include "render/face_cache.h"
#include "render/focus.h"

#include <atomic>

namespace brixel::activex {

class CTavloCtrl final : public IUnknown, private WindowOwner, private WindowSurface, private LiveHost {
public:
    static HRESULT Create(REFIID iid, void** out) noexcept;

    // IUnknown: the one interface table of every part.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) noexcept override;
    ULONG STDMETHODCALLTYPE AddRef() noexcept override;
    ULONG STDMETHODCALLTYPE Release() noexcept override;

private:
    CTavloCtrl();
    ~CTavloCtrl();
    HRESULT Initialize() noexcept;

    // The window while the control is in place with one, else null.
    ControlWindow* LiveWindow() const noexcept { return inplace_.LiveWindow(); }

    // WindowOwner
    ButtonInstance& Instance() noexcept override { return instance_; }
    ControlInstanceHost& Host() noexcept override { return host_; }
    IUnknown* Identity() noexcept override { return this; }
    void FireEvent(DISPID id, VARIANT* args, UINT count) noexcept override { automation_.FireEvent(id, args, count); }
    FocusOutcome PaintFace(HDC dc, const RECT& bounds, bool after_click, bool has_focus) noexcept override;
    void ResolutionChanged() noexcept override;

    // LiveHost: the effects of the instance's steps (control_effects.cpp).
    void Carry(Effect& effect) override;
    WindowFrame Frame() const override { return inplace_.Frame(); }
    void CarryInWindow(ControlWindow& window, const Effect& effect);
    void CarryChange(const Effect& effect);

    void LoadDrawingPrimitives() noexcept;
    // The transparent window style follows TranslucentStyle in user mode;
    // `after_change` also refreshes the frame and copies the background anew.
    void SetTransparentWindow(bool after_change) noexcept;
    bool WantsTranslucentWindow() const noexcept;
    void CaptureBackgroundAt(const RECT& at) noexcept;
    // WindowSurface (control_translucency.cpp)
    void WindowCreated(HWND container, const RECT& position) noexcept override;
    void WindowMoving(const RECT& position) noexcept override;
    void WindowClosing() noexcept override;
    void ApplyRegion() noexcept override;

    std::atomic<ULONG> refs_{1};
    ControlInstanceHost host_;
    ButtonInstance instance_{host_};
    // The parts, each after those it calls.
    ControlInPlace inplace_{*this, static_cast<WindowOwner&>(*this), static_cast<WindowSurface&>(*this), instance_,
                            host_};
    ControlPersistence persistence_{*this, instance_, host_, inplace_};
    ControlAutomation automation_{*this, instance_, host_, inplace_, persistence_};
    ControlOleObject ole_{*this, instance_, host_, inplace_, automation_, persistence_};
    // Reads the properties it shows as any client would.
    ControlBrowsing browsing_{*this, automation_, host_};
    ControlView view_{*this, static_cast<WindowOwner&>(*this)};

    win::Msimg32 msimg32_;
    Capabilities capabilities_;
    bool drawing_loaded_ = false;
    // The container's pixels under a translucent control.
    BackgroundCapture background_;
    StateFonts state_fonts_;
    FaceCache face_;
    // Kept between paints; its property record is written only to compose.
    PaintModel paint_model_;
};

}  // namespace brixel::activex
