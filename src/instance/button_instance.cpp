#include "instance/button_instance.h"

#include "core/state_selection.h"
#include "menu/menu_persist.h"
#include "menu/shortcut_registry.h"
#include "render/menu_part.h"

#include <utility>

namespace brixel {

// Stands in for the behaviour's and the model's hosts while a step runs:
// questions are answered from the step's frame (or passed on to the
// InstanceHost), actions become effects. Steps nest when a modal message box
// lets the host run another one meanwhile, so each step records into its own
// Session.
class ButtonInstance::Recorder final : public BehaviorHost, public ModelHost {
public:
    Recorder(InstanceHost& host, const ButtonInstance& instance) : host_(host), instance_(instance) {}

    struct Session {
        WindowFrame frame;
        Effects effects;
        WindowId capture = 0;       // as the recorded effects leave it
        bool event_recorded = false;  // from here on the capture is unknown
        bool capture_question_open = false;
    };

    void SetLive(LiveHost* live) { live_ = live; }

    Session Begin(const WindowFrame& frame) {
        Session fresh;
        // A live host is asked afresh at every question (Frame below), so
        // asking it here as well would only cost a look at the window.
        fresh.frame = live_ != nullptr ? WindowFrame{} : frame;
        fresh.capture = fresh.frame.capture;
        return std::exchange(session_, std::move(fresh));
    }
    Effects End(Session previous) { return std::exchange(session_, std::move(previous)).effects; }
    // A live host's window may have changed under any effect: ask it afresh.
    const WindowFrame& Frame() const {
        if (live_ != nullptr) {
            session_.frame = live_->Frame();
            session_.capture = session_.frame.capture;
        }
        return session_.frame;
    }

    void Add(Effect e) {
        if (live_ != nullptr) {
            live_->Carry(e);
            return;
        }
        const bool ends_a_lost_press = e.kind == EffectKind::SendButtonUp || e.kind == EffectKind::SendSpaceKeyUp ||
                                       e.kind == EffectKind::ReleaseCapture || e.kind == EffectKind::GiveCaptureTo;
        if (session_.capture_question_open && ends_a_lost_press) {
            e.only_if_capture_lost = true;
        } else {
            session_.capture_question_open = false;
        }
        if (IsEvent(e.kind)) session_.event_recorded = true;
        session_.effects.push_back(std::move(e));
    }
    void Add(EffectKind kind) { Add(Effect{kind}); }

    // --- BehaviorHost: questions -------------------------------------------------
    BehaviorSettings Settings() const override {
        const WindowFrame& f = Frame();
        return SettingsFor(instance_.Props(), instance_.UserMode(), f.window != 0 && f.window_enabled,
                           f.window != 0 && f.window_visible);
    }
    bool ClientContains(Point p) const override { return Inside(Frame().client, p); }
    bool InMenuButtonStrip(Point p) const override {
        const ButtonProperties& props = instance_.Props();
        if (!props.Menu || !ClientContains(p)) return false;
        return Inside(GetMenuButtonBounds(Frame().client, props).menu, p);
    }
    bool CursorOutsideClient() const override { return !ClientContains(Frame().cursor); }
    // Only asked once the step is under way; a collecting host stops at a
    // dead control.
    bool WindowAlive() const override { return Frame().window != 0; }
    WindowId Window() const override { return Frame().window; }
    bool HoldsCapture() const override {
        if (live_ != nullptr) {
            const WindowFrame& f = Frame();
            return f.window != 0 && f.capture == f.window;
        }
        if (session_.event_recorded) {
            // A handler may have taken it: say it is lost, and let the host
            // check before it carries out what ends the press.
            session_.capture_question_open = true;
            return false;
        }
        return session_.frame.window != 0 && session_.capture == session_.frame.window;
    }
    WindowId CaptureWindow() const override { return live_ != nullptr ? Frame().capture : session_.capture; }

    // --- BehaviorHost: actions -----------------------------------------------------
    void TakeCapture() override {
        session_.capture = session_.frame.window;
        Add(EffectKind::TakeCapture);
    }
    void ReleaseCapture() override {
        if (session_.capture == session_.frame.window) session_.capture = 0;
        Add(EffectKind::ReleaseCapture);
    }
    void GiveCaptureTo(WindowId window) override {
        session_.capture = window;
        Add(Effect{.kind = EffectKind::GiveCaptureTo, .window = window});
    }
    void TakeFocus() override { Add(EffectKind::TakeFocus); }
    void PassFocusToNextControl() override { Add(EffectKind::PassFocusToNextControl); }
    void StartTimer(int id, int period_ms) override {
        Add(Effect{.kind = EffectKind::StartTimer, .code = static_cast<std::int16_t>(id), .value = period_ms});
    }
    void StopTimer(int id) override { Add(Effect{.kind = EffectKind::StopTimer, .code = static_cast<std::int16_t>(id)}); }
    void Redraw(bool after_click) override { Add(Effect{.kind = EffectKind::Redraw, .flag = after_click}); }
    void ShowFocusBorder(bool shown) override { Add(Effect{.kind = EffectKind::ShowFocusBorder, .flag = shown}); }
    void ShowHandCursor() override { Add(EffectKind::ShowHandCursor); }
    void RelayToTooltip(TooltipRelay message, Point p) override {
        Add(Effect{.kind = EffectKind::RelayToTooltip, .code = static_cast<std::int16_t>(message), .point = p});
    }
    void HideContainerTooltip() override { Add(EffectKind::HideContainerTooltip); }
    void DefaultProcessing() override { Add(EffectKind::DefaultProcessing); }
    void SendButtonUp(MouseButton button, Point p) override {
        Add(Effect{.kind = EffectKind::SendButtonUp, .code = static_cast<std::int16_t>(button), .point = p});
    }
    void SendSpaceKeyUp() override { Add(EffectKind::SendSpaceKeyUp); }
    void UIActivateAfterClick() override { Add(EffectKind::UIActivateAfterClick); }
    void DropMenu() override { Add(EffectKind::DropMenu); }
    void PlayButtonSound(SoundSlot slot) override {
        Add(Effect{.kind = EffectKind::PlaySound, .code = static_cast<std::int16_t>(slot)});
    }
    void OpenButtonHyperlink() override { Add(EffectKind::OpenHyperlink); }

    void FireClick() override { Add(EffectKind::FireClick); }
    void FireDblClick() override { Add(EffectKind::FireDblClick); }
    void FireMouseDown(std::int16_t button, std::int16_t shift, int x, int y) override {
        Add(Effect{.kind = EffectKind::FireMouseDown, .code = button, .shift = shift, .point = {x, y}});
    }
    void FireMouseMove(std::int16_t buttons, std::int16_t shift, int x, int y) override {
        Add(Effect{.kind = EffectKind::FireMouseMove, .code = buttons, .shift = shift, .point = {x, y}});
    }
    void FireMouseUp(std::int16_t button, std::int16_t shift, int x, int y) override {
        Add(Effect{.kind = EffectKind::FireMouseUp, .code = button, .shift = shift, .point = {x, y}});
    }
    void FireKeyDown(std::int16_t& key_code, std::int16_t shift) override {
        key_code = AddKey(Effect{.kind = EffectKind::FireKeyDown, .code = key_code, .shift = shift});
    }
    void FireKeyPress(std::int16_t& key_ascii) override {
        key_ascii = AddKey(Effect{.kind = EffectKind::FireKeyPress, .code = key_ascii});
    }
    void FireKeyUp(std::int16_t& key_code, std::int16_t shift) override {
        key_code = AddKey(Effect{.kind = EffectKind::FireKeyUp, .code = key_code, .shift = shift});
    }
    void FireMouseEnter() override { Add(EffectKind::FireMouseEnter); }
    void FireMouseExit() override { Add(EffectKind::FireMouseExit); }
    void FireButtonToggled(bool toggled) override { Add(Effect{.kind = EffectKind::FireButtonToggled, .flag = toggled}); }
    void FireWhileMouseDown() override { Add(EffectKind::FireWhileMouseDown); }

    // --- ModelHost: questions go to the host -------------------------------------
    Rgb SystemColour(int index) const override { return host_.SystemColour(index); }
    std::optional<bool> AmbientUserMode() const override { return host_.AmbientUserMode(); }
    std::u16string AmbientDisplayName() const override { return host_.AmbientDisplayName(); }
    std::optional<OleColor> AmbientBackColor() const override { return host_.AmbientBackColor(); }
    std::optional<bool> AmbientDisplayAsDefault() const override { return host_.AmbientDisplayAsDefault(); }
    int ClientHeight() const override { return host_.ClientHeight(); }
    CaptionMetrics CaptionTextMetrics(const FontDesc& font) const override { return host_.CaptionTextMetrics(font); }
    std::int16_t DetectDesktopXPScheme() const override { return host_.DetectDesktopXPScheme(); }
    bool ParentIsWindowsForms() const override { return host_.ParentIsWindowsForms(); }
    OpenedFile OpenFile(std::u16string_view path) override { return host_.OpenFile(path); }
    void ShowMessage(std::u16string_view text, MessageBoxIcon icon) override { host_.ShowMessage(text, icon); }

    // --- ModelHost: actions ----------------------------------------------------------
    void MarkModified() override { Add(EffectKind::MarkModified); }
    void NotifyPropertyChanged(std::int32_t dispid) override {
        Add(Effect{.kind = EffectKind::NotifyPropertyChanged, .value = dispid});
    }
    void Repaint() override { Redraw(false); }
    void RebuildRegion() override { Add(EffectKind::RebuildRegion); }
    void ReapplyControlSize() override { Add(EffectKind::ReapplyControlSize); }
    void SetTooltip(std::u16string_view text, bool active) override {
        Add(Effect{.kind = EffectKind::SetTooltip, .flag = active, .text = std::u16string(text)});
    }
    void EnableWindow(bool enable) override { Add(Effect{.kind = EffectKind::EnableWindow, .flag = enable}); }
    void RefreshTranslucency() override { Add(EffectKind::RefreshTranslucency); }
    void ApplyMenuReadingDirection() override { Add(EffectKind::ApplyMenuReadingDirection); }

private:
    static bool Inside(const Rect& r, Point p) { return p.x >= r.left && p.y >= r.top && p.x < r.right && p.y < r.bottom; }

    // A live host's handler may change the code; a recorded one keeps it.
    std::int16_t AddKey(Effect e) {
        if (live_ == nullptr) {
            const std::int16_t code = e.code;
            Add(std::move(e));
            return code;
        }
        live_->Carry(e);
        return e.code;
    }

    InstanceHost& host_;
    const ButtonInstance& instance_;
    LiveHost* live_ = nullptr;
    mutable Session session_;
};

ButtonInstance::ButtonInstance(InstanceHost& host)
    : host_(host),
      recorder_(std::make_unique<Recorder>(host, *this)),
      behavior_(*recorder_),
      model_(std::make_unique<ButtonModel>(*recorder_, static_cast<BehaviorLink&>(*this))),
      menu_(host) {}

ButtonInstance::~ButtonInstance() { UnregisterShortcuts(); }

void ButtonInstance::AttachLiveHost(LiveHost* live) { recorder_->SetLive(live); }

template <typename Step>
Effects ButtonInstance::Record(const WindowFrame& frame, Step&& step) {
    Recorder::Session previous = recorder_->Begin(frame);
    std::forward<Step>(step)();
    return recorder_->End(std::move(previous));
}

// --- Properties ----------------------------------------------------------------------

PutOutcome ButtonInstance::Put(std::int32_t dispid, const PropertyValue& value, const WindowFrame& frame) {
    PutOutcome out;
    out.effects = Record(frame, [&] { out.result = model_->Put(dispid, value); });
    return out;
}

Effects ButtonInstance::Exchange(PropertyExchange& px, const WindowFrame& frame) {
    return Record(frame, [&] {
        MenuTreeLink menu(menu_);
        ExchangeControl(px, *model_, *recorder_, persist_, menu);
    });
}

Effects ButtonInstance::ResetToNewControl(const WindowFrame& frame) {
    return Record(frame, [&] { model_->ResetToNewControl(); });
}

Effects ButtonInstance::AmbientPropertyChanged(std::int32_t ambient_dispid, const WindowFrame& frame) {
    return Record(frame, [&] { model_->AmbientPropertyChanged(ambient_dispid); });
}

Effects ButtonInstance::WindowCreated(const WindowFrame& frame) {
    return Record(frame, [&] { model_->WindowCreated(); });
}

InteractionState ButtonInstance::Interaction() const {
    const InteractionFlags f = behavior_.Flags();
    return InteractionState{f.mouse_in, f.pressed, f.toggled, f.menu_open, auto_drop_armed_};
}

void ButtonInstance::SetValue(bool value) {
    if (value) PerformClickFromModel();
}

// With a window the behaviour checks the click's conditions; without one a
// script's click still runs only when a user could have clicked the button.
void ButtonInstance::PerformClickFromModel() {
    if (recorder_->Frame().window != 0) {
        behavior_.PerformClick();
        return;
    }
    const ButtonProperties& p = model_->Props();
    if (p.Active && p.Enabled && !IsDropDownOnlyMenu(p)) ClickWithoutWindow();
}

void ButtonInstance::ClickWithoutWindow() {
    if (Value()) return;  // a click from inside Click would never end
    recorder_->FireClick();
}

// --- Menu ---------------------------------------------------------------------------------

void ButtonInstance::RegisterShortcuts(ShortcutRegistry& registry, WindowHandle window) {
    if (registry_ != nullptr && (registry_ != &registry || registered_window_ != window)) UnregisterShortcuts();
    registry.RegisterShortcuts(window, menu_);
    registry_ = &registry;
    registered_window_ = window;
}

void ButtonInstance::UnregisterShortcuts() {
    if (registry_ == nullptr) return;
    registry_->UnregisterShortcuts(registered_window_);
    registry_ = nullptr;
    registered_window_ = 0;
}

// --- Steps ---------------------------------------------------------------------------------

Effects ButtonInstance::LeftButtonDown(const WindowFrame& frame, Point p, std::int16_t shift) {
    return Record(frame, [&] { behavior_.LeftButtonDown(p, shift); });
}

Effects ButtonInstance::LeftButtonUp(const WindowFrame& frame, Point p, std::int16_t shift) {
    return Record(frame, [&] { behavior_.LeftButtonUp(p, shift); });
}

Effects ButtonInstance::LeftDoubleClick(const WindowFrame& frame, Point p, std::int16_t shift) {
    return Record(frame, [&] { behavior_.LeftDoubleClick(p, shift); });
}

Effects ButtonInstance::OtherButtonDown(const WindowFrame& frame, MouseButton button, Point p, std::int16_t shift) {
    return Record(frame, [&] { behavior_.OtherButtonDown(button, p, shift); });
}

Effects ButtonInstance::OtherButtonUp(const WindowFrame& frame, MouseButton button, Point p, std::int16_t shift) {
    return Record(frame, [&] { behavior_.OtherButtonUp(button, p, shift); });
}

Effects ButtonInstance::OtherDoubleClick(const WindowFrame& frame, MouseButton button) {
    return Record(frame, [&] { behavior_.OtherDoubleClick(button); });
}

Effects ButtonInstance::MouseMove(const WindowFrame& frame, Point p, std::int16_t buttons, std::int16_t shift) {
    return Record(frame, [&] { behavior_.MouseMove(p, buttons, shift); });
}

Effects ButtonInstance::Timer(const WindowFrame& frame, int id) {
    return Record(frame, [&] { behavior_.Timer(id); });
}

Effects ButtonInstance::KeyDown(const WindowFrame& frame, std::int16_t key, bool auto_repeat, std::int16_t shift) {
    return Record(frame, [&] { key_default_runs_ = behavior_.KeyDown(key, auto_repeat, shift); });
}

Effects ButtonInstance::KeyUp(const WindowFrame& frame, std::int16_t key, std::int16_t shift) {
    return Record(frame, [&] { key_default_runs_ = behavior_.KeyUp(key, shift); });
}

Effects ButtonInstance::Character(const WindowFrame& frame, std::int16_t ascii) {
    return Record(frame, [&] { behavior_.Character(ascii); });
}

Effects ButtonInstance::FocusGained(const WindowFrame& frame) {
    return Record(frame, [&] { behavior_.FocusGained(); });
}

Effects ButtonInstance::FocusLost(const WindowFrame& frame) {
    return Record(frame, [&] { behavior_.FocusLost(); });
}

Effects ButtonInstance::Mnemonic(const WindowFrame& frame, std::int16_t key) {
    return Record(frame, [&] {
        if (recorder_->Frame().window != 0) {
            behavior_.Mnemonic(key);
            return;
        }
        const ButtonProperties& p = model_->Props();
        if (p.Active && !IsDropDownOnlyMenu(p)) ClickWithoutWindow();
    });
}

Effects ButtonInstance::SetFocus(const WindowFrame& frame) {
    return Record(frame, [&] {
        if (recorder_->Frame().window != 0) behavior_.SetFocus();
    });
}

Effects ButtonInstance::SetToggleState(const WindowFrame& frame, bool state) {
    return Record(frame, [&] { behavior_.SetToggleState(state); });
}

Effects ButtonInstance::PerformClick(const WindowFrame& frame) {
    return Record(frame, [&] { PerformClickFromModel(); });
}

Effects ButtonInstance::PerformClickActions(const WindowFrame& frame) {
    return Record(frame, [&] {
        if (recorder_->Frame().window != 0) {
            behavior_.PerformClickActions();
        } else {
            PerformClickFromModel();
        }
    });
}

Effects ButtonInstance::PerformHyperlink(const WindowFrame& frame) {
    return Record(frame, [&] { behavior_.PerformHyperlink(); });
}

Effects ButtonInstance::MenuDropping(const WindowFrame& frame) {
    return Record(frame, [&] { behavior_.MenuDropping(); });
}

Effects ButtonInstance::MenuAutoDropped(const WindowFrame& frame) {
    return Record(frame, [&] { behavior_.MenuAutoDropped(); });
}

Effects ButtonInstance::MenuLoopEnded(const WindowFrame& frame) {
    return Record(frame, [&] { behavior_.MenuLoopEnded(); });
}

// --- Painting ---------------------------------------------------------------------------------

Effects ButtonInstance::BeforePaint(const WindowFrame& frame) {
    return Record(frame, [&] { model_->CheckIfTheSchemeChanged(); });
}

bool ButtonInstance::StoreWithoutRules(std::int32_t dispid, const PropertyValue& value) {
    const MemberInfo* m = FindMember(dispid);
    if (m == nullptr || m->kind != MemberKind::Property || m->read_only) return false;
    return WriteField(model_->PropsForExchange(), m->field, value);
}

PaintModel ButtonInstance::BuildPaintModel(const FaceInputs& inputs) const {
    PaintModel m;
    FillPaintModelWithoutProps(inputs, m);
    m.props = model_->Props();
    return m;
}

void ButtonInstance::FillPaintModelWithoutProps(const FaceInputs& inputs, PaintModel& m) const {
    m.state = Interaction();
    m.has_focus = inputs.has_focus;
    m.user_mode = model_->UserMode();
    m.display_as_default = model_->DisplayAsDefault();
    m.fast_primitives = inputs.fast_primitives;
    m.captured_background = inputs.captured_background;
    m.windows_forms_host = host_.ParentIsWindowsForms();
    m.parent_back_colour = inputs.parent_back_colour;
    m.detected_xp_scheme = host_.DetectDesktopXPScheme();
    m.fonts = inputs.fonts;
    m.pictures = inputs.pictures;
    m.system_colours = &host_;
    m.dpi = inputs.dpi;
    m.caption_rules = inputs.caption_rules;
    m.caption_by_host = inputs.caption_by_host;
}

}  // namespace brixel
