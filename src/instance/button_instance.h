// One button, independent of its host: the property model, the menu tree and
// its shortcut registration, the interaction state machine and what the face
// is painted from. The ActiveX control and the Windows Forms control (through
// a C interface) each wrap one and carry out what it asks.
//
// The instance talks outward in two ways only:
//  - Every step returns its effects, in order (effects.h says how a host
//    carries them out). The step takes what it needs of the window as a
//    plain WindowFrame, so nothing is asked back while it decides.
//  - InstanceHost answers what cannot be passed in beforehand: the
//    container's ambient properties (the model reads them at many points),
//    text metrics, the desktop theme, files, and the modal message box of a
//    refused change, which blocks until the user closes it.
//
// Inside, the existing ButtonBehavior and ButtonModel decide, unchanged: a
// recorder stands in for their host interfaces and turns each call into an
// effect. Reshaping ButtonBehavior to return effects itself would have to
// reach into the ActiveX window, which still drives it directly. The
// recorder answers the behaviour's questions from the frame; the only ones it
// cannot answer are those asked after an event has been recorded, since the
// event has not run yet: whether the window is still alive (yes: the host
// stops at a dead control) and whether it still holds the capture (no, with
// the effects that follow marked to happen only if that is so).
#pragma once

#include "core/button_behavior.h"
#include "core/button_model.h"
#include "core/persist_control.h"
#include "instance/effects.h"
#include "menu/menu_host.h"
#include "menu/menu_tree.h"
#include "render/paint_model.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace brixel {

class ShortcutRegistry;

// What the host answers on demand. The action half of the property model's
// host (repaint, modified flag, tooltip, ...) comes back as effects instead.
class InstanceHost : public ModelContext, public MessageBoxHost {};

// The window as the host sees it when a step begins. A default frame is a
// control without a window.
struct WindowFrame {
    WindowId window = 0;  // 0: no window
    Rect client{};        // from 0,0
    WindowId capture = 0;  // the window holding the mouse capture, 0 for none
    Point cursor{};        // the pointer now, in client pixels
    bool window_enabled = false;
    bool window_visible = false;

    // A live, enabled, visible window of the given client size.
    static WindowFrame Shown(WindowId window, int width, int height) {
        return WindowFrame{window, Rect{0, 0, width, height}, 0, Point{-1, -1}, true, true};
    }
};

// A host that carries each effect out the moment a step produces it, as a
// window procedure does, instead of taking the list when the step returns.
// Handlers then run in the middle of the step, and what the step asks after
// an event (is the window still there, who holds the capture, where is the
// pointer, what do the properties say now) sees what the handler did, so no
// effect needs the `only_if_capture_lost` mark. Steps of an instance with a
// live host return empty lists.
class LiveHost {
public:
    virtual ~LiveHost() = default;
    // Carries `effect` out now. A key event's handler may change the key
    // code: the host writes the new code back into `effect.code`.
    virtual void Carry(Effect& effect) = 0;
    // The window as it is at this moment; a default frame once it is gone.
    virtual WindowFrame Frame() const = 0;
};

// What only the host can provide for one paint: its handles for the fonts
// and pictures the properties name, and the state of its window and system.
struct FaceInputs {
    bool has_focus = false;
    bool fast_primitives = false;
    Rgb parent_back_colour{};
    const Surface* captured_background = nullptr;
    PerState<FontRef> fonts{};
    PerState<PictureRef> pictures{};
    int dpi = kDesignDpi;  // of the screen the face is shown on
    CaptionRules caption_rules = CaptionRules::ActiveX;
    bool caption_by_host = false;
};

struct PutOutcome {
    PutResult result;
    Effects effects;
};

class ButtonInstance final : private BehaviorLink {
public:
    // The defaults of a new control, with the host's display name and colours.
    explicit ButtonInstance(InstanceHost& host);
    ~ButtonInstance() override;
    ButtonInstance(const ButtonInstance&) = delete;
    ButtonInstance& operator=(const ButtonInstance&) = delete;

    // From here on every step carries its effects out through `live` (null:
    // back to returning them). The frames passed to steps are then ignored.
    void AttachLiveHost(LiveHost* live);

    // --- Properties ------------------------------------------------------------
    const ButtonProperties& Props() const { return model_->Props(); }
    std::optional<PropertyValue> Get(std::int32_t dispid) const { return model_->Get(dispid); }
    PutOutcome Put(std::int32_t dispid, const PropertyValue& value, const WindowFrame& frame);
    bool UserMode() const { return model_->UserMode(); }
    // Value reads TRUE while a Click event runs.
    bool Value() const override { return behavior_.Value() || click_events_ > 0; }

    // Load, save or reset the whole property set, menu included.
    Effects Exchange(PropertyExchange& px, const WindowFrame& frame);
    ControlPersistState& PersistState() { return persist_; }
    bool DisplayAsDefault() const { return model_->DisplayAsDefault(); }
    Effects ResetToNewControl(const WindowFrame& frame);
    Effects AmbientPropertyChanged(std::int32_t ambient_dispid, const WindowFrame& frame);
    Effects WindowCreated(const WindowFrame& frame);

    // --- Menu --------------------------------------------------------------------
    MenuTree& Menu() { return menu_; }
    const MenuTree& Menu() const { return menu_; }
    // Lists the tree's shortcuts for `window`; later changes to the tree keep
    // the list current until UnregisterShortcuts or the instance's end.
    void RegisterShortcuts(ShortcutRegistry& registry, WindowHandle window);
    void UnregisterShortcuts();

    // --- Input and automation methods: each one step ---------------------------
    Effects LeftButtonDown(const WindowFrame& frame, Point p, std::int16_t shift);
    Effects LeftButtonUp(const WindowFrame& frame, Point p, std::int16_t shift);
    Effects LeftDoubleClick(const WindowFrame& frame, Point p, std::int16_t shift);
    Effects OtherButtonDown(const WindowFrame& frame, MouseButton button, Point p, std::int16_t shift);
    Effects OtherButtonUp(const WindowFrame& frame, MouseButton button, Point p, std::int16_t shift);
    Effects OtherDoubleClick(const WindowFrame& frame, MouseButton button);
    Effects MouseMove(const WindowFrame& frame, Point p, std::int16_t buttons, std::int16_t shift);
    Effects Timer(const WindowFrame& frame, int id);
    Effects KeyDown(const WindowFrame& frame, std::int16_t key, bool auto_repeat, std::int16_t shift);
    Effects KeyUp(const WindowFrame& frame, std::int16_t key, std::int16_t shift);
    Effects Character(const WindowFrame& frame, std::int16_t ascii);
    Effects FocusGained(const WindowFrame& frame);
    Effects FocusLost(const WindowFrame& frame);
    // Without a window the button has no press to show: an active button
    // fires Click alone, a drop-down-only menu button does nothing.
    Effects Mnemonic(const WindowFrame& frame, std::int16_t key);
    // Whether the last KeyDown or KeyUp step leaves the key's default
    // processing to run. Only a live host knows it once the step is done (a
    // handler may zero the key code); a collecting host reads the key code
    // its handler left instead.
    bool KeyDefaultRuns() const { return key_default_runs_; }
    Effects SetFocus(const WindowFrame& frame);

    Effects SetToggleState(const WindowFrame& frame, bool state);
    bool GetToggleState() const { return behavior_.GetToggleState(); }
    Effects PerformClick(const WindowFrame& frame);
    // Without a window: PerformClick's click, if any.
    Effects PerformClickActions(const WindowFrame& frame);
    Effects PerformHyperlink(const WindowFrame& frame);

    // The drop-down menu's life, as the host's popup reports it.
    Effects MenuDropping(const WindowFrame& frame);
    Effects MenuAutoDropped(const WindowFrame& frame = WindowFrame{});
    void SetMenuOpen(bool open) { behavior_.SetMenuOpen(open); }
    Effects MenuLoopEnded(const WindowFrame& frame = WindowFrame{});

    // The host brackets each FireClick it carries out with these, so that a
    // handler reading Value sees TRUE.
    void ClickEventStarting() { ++click_events_; }
    void ClickEventEnded() { --click_events_; }

    InteractionState Interaction() const override;

    // --- Painting ------------------------------------------------------------------
    // Run before each paint: under AutoDetect, border colours the user did
    // not choose follow a desktop scheme change.
    Effects BeforePaint(const WindowFrame& frame);
    PaintModel BuildPaintModel(const FaceInputs& inputs) const;
    // Fills every field of `m` but the property record, which it leaves as
    // it was: for a host that compares Props() with its kept face before
    // copying it, and keeps one model between paints (a new one would build
    // a default record, fonts' names on the heap included, every paint).
    void FillPaintModelWithoutProps(const FaceInputs& inputs, PaintModel& m) const;

    // --- Sounds --------------------------------------------------------------------
    // The custom sound file read for a slot, as it is played from memory.
    const std::optional<SoundBlock>& SoundMemory(SoundSlotId slot) const { return model_->SoundMemory(slot); }

    // Stores a property's value as loading does, without its change rule: for
    // a host whose own surface decides that this write changes nothing else.
    // False when the DISPID is no stored property or the type does not fit.
    bool StoreWithoutRules(std::int32_t dispid, const PropertyValue& value);

private:
    class Recorder;

    // BehaviorLink: the model's view of the interaction state.
    void ClearToggled() override { behavior_.ToggleButtonChanged(); }
    void ClearMenuOpen() override { behavior_.SetMenuOpen(false); }
    void SetAutoDropArmed(bool armed) override { auto_drop_armed_ = armed; }
    void SetValue(bool value) override;
    void PerformClickFromModel();
    // A click with no window: no press, no sound, only the event.
    void ClickWithoutWindow();
    void PerformClick() override { PerformClickFromModel(); }

    template <typename Step>
    Effects Record(const WindowFrame& frame, Step&& step);

    InstanceHost& host_;
    std::unique_ptr<Recorder> recorder_;
    ButtonBehavior behavior_;
    std::unique_ptr<ButtonModel> model_;
    MenuTree menu_;
    ControlPersistState persist_;
    ShortcutRegistry* registry_ = nullptr;
    WindowHandle registered_window_ = 0;
    bool auto_drop_armed_ = false;
    int click_events_ = 0;
    bool key_default_runs_ = true;
};

}  // namespace brixel
