#include "core/button_behavior.h"

#include "core/enums.h"
#include "core/property_record.h"

#include <utility>

namespace brixel {

// Transitions of the press (left button or Space), M = mouse-in, P = pressed,
// T = tracking, K = keyboard press:
//
//   input                         before          after             fires
//   left down on the push part    any             M P T, capture    MouseDown
//   left down in the drop area    any             M (menu drops)    -
//   move out while tracking       M P T           T                 MouseExit
//   move back in while tracking   T               M P T             MouseEnter
//   move in, not tracking         -               M                 MouseEnter
//   left up                       T (or Menu)     M?                [ButtonToggled] MouseUp Click (inside)
//   hover timer, pointer outside  M, no capture   -                 MouseExit
//   Space down (not repeat)       any             P T K, capture    KeyDown
//   Space up                      K               -                 KeyUp [ButtonToggled] Click
//   F4 or Alt+Down (Menu)         any             (menu drops)      KeyDown (a zeroed code keeps it shut)
//   focus lost                    any             M?                -
//   menu starts to drop           P T or K        M?                - (its later left up clicks nothing)
//   menu drops by itself          -               M                 MouseEnter
//   menu loop ends, pointer out   M               -                 MouseExit (after the repaint)
//   timer while disabled          any             -                 -
//
// A toggle button flips `toggled` on every completed click.

std::int16_t ButtonCode(MouseButton button) {
    switch (button) {
        case MouseButton::Left: return kButtonLeft;
        case MouseButton::Middle: return kButtonMiddle;
        case MouseButton::Right: return kButtonRight;
    }
    return 0;
}

BehaviorSettings SettingsFor(const ButtonProperties& p, bool user_mode, bool window_enabled, bool window_visible) {
    BehaviorSettings s;
    s.active = p.Active;
    s.enabled = p.Enabled;
    s.window_enabled = window_enabled;
    s.window_visible = window_visible;
    s.user_mode = user_mode;
    s.toggle_button = p.ToggleButton;
    s.menu = p.Menu;
    s.drop_down_only = p.Menu && p.MenuButtonStyle == kvnMenuButtonStyleDropDown;
    s.hyperlink = p.Hyperlink;
    s.has_hyperlink_address = !p.HyperlinkAddress.empty();
    s.redraw_on_focus = p.Appearance == kvnXPStyleAPB;
    return s;
}

bool KeyOpensMenu(const BehaviorSettings& s, std::int16_t key, std::int16_t shift) {
    if (!(s.menu && s.active && s.enabled)) return false;
    return (key == kKeyF4 && shift == 0) || (key == kKeyDown && shift == kAltKey);
}

bool ButtonBehavior::InDropDownArea(const BehaviorSettings& s, Point p) const {
    return s.menu && (s.drop_down_only || host_.InMenuButtonStrip(p));
}

void ButtonBehavior::BeginPress() {
    pressed_ = true;
    tracking_ = true;
    menu_open_ = false;
    repeat_ms_ = 0;
    host_.StartTimer(kRepeatTimer, kTimerPeriodMs);
    capture_owner_ = host_.CaptureWindow();
    host_.TakeCapture();
    host_.TakeFocus();
    host_.Redraw(false);
}

// A handler that took the mouse capture away would leave the press hanging:
// end it with a real button-up so every listener sees the press finish.
// A press that has already ended (a drop, a lost focus) has nothing to end.
void ButtonBehavior::EndPressIfCaptureLost(MouseButton button, Point p) {
    if (tracking_ && host_.WindowAlive() && !host_.HoldsCapture()) host_.SendButtonUp(button, p);
}

void ButtonBehavior::ClickStep() {
    const bool outer = std::exchange(in_click_step_, true);
    host_.PlayButtonSound(SoundSlot::Click);
    value_ = true;
    host_.FireClick();
    value_ = false;
    in_click_step_ = outer;
}

void ButtonBehavior::ShowHandCursorIfHyperlink(const BehaviorSettings& s, Point p) {
    if (s.hyperlink && s.has_hyperlink_address && s.window_enabled && !InDropDownArea(s, p)) host_.ShowHandCursor();
}

void ButtonBehavior::LeftButtonDown(Point p, std::int16_t shift) {
    const BehaviorSettings s = host_.Settings();
    if (!s.active) return;
    cancel_next_up_ = false;
    ShowHandCursorIfHyperlink(s, p);
    host_.RelayToTooltip(TooltipRelay::LeftDown, p);
    host_.HideContainerTooltip();
    host_.TakeFocus();
    if (!mouse_in_) {
        mouse_in_ = true;
        host_.StartTimer(kHoverTimer, kTimerPeriodMs);
    }
    if (InDropDownArea(s, p)) {
        host_.DropMenu();
        return;
    }
    BeginPress();
    host_.FireMouseDown(kButtonLeft, shift, p.x, p.y);
    EndPressIfCaptureLost(MouseButton::Left, p);
    if (host_.WindowAlive()) host_.DefaultProcessing();
}

void ButtonBehavior::LeftButtonUp(Point p, std::int16_t shift) {
    BehaviorSettings s = host_.Settings();
    if (!((s.menu || tracking_) && s.active)) return;
    capture_owner_ = 0;
    repeat_ms_ = 0;
    host_.StopTimer(kRepeatTimer);
    pressed_ = false;
    tracking_ = false;

    // A press that a drop ended completes nothing, as if released outside.
    const bool inside = host_.ClientContains(p) && !std::exchange(cancel_next_up_, false);
    const bool toggles = s.toggle_button && inside;
    if (toggles) toggled_ = !toggled_;
    host_.RelayToTooltip(TooltipRelay::LeftUp, p);
    host_.Redraw(true);
    const WindowId window = host_.Window();
    if (toggles) {
        host_.FireButtonToggled(toggled_);
        if (!host_.WindowAlive()) return;
    }
    host_.DefaultProcessing();
    host_.ReleaseCapture();

    const bool on_push_part = !s.menu || (!s.drop_down_only && !host_.InMenuButtonStrip(p));
    if (inside && on_push_part) {
        host_.FireMouseUp(kButtonLeft, shift, p.x, p.y);
        if (host_.WindowAlive()) ClickStep();
    }
    if (!host_.WindowAlive()) return;
    s = host_.Settings();
    // A press dragged off the control is a cancelled click: no hyperlink.
    if (s.active && inside && on_push_part && s.hyperlink && s.has_hyperlink_address && s.window_enabled) {
        host_.OpenButtonHyperlink();
    }
    if (!host_.WindowAlive() || host_.Window() != window) return;
    host_.UIActivateAfterClick();
    if (keyboard_press_) {
        pressed_ = true;
        tracking_ = true;
        host_.Redraw(false);
    }
}

void ButtonBehavior::LeftDoubleClick(Point p, std::int16_t shift) {
    (void)shift;
    const BehaviorSettings s = host_.Settings();
    if (!s.active) return;
    cancel_next_up_ = false;
    host_.TakeFocus();
    if (InDropDownArea(s, p)) {
        host_.DropMenu();
        return;
    }
    BeginPress();
    host_.FireDblClick();
    EndPressIfCaptureLost(MouseButton::Left, p);
    if (host_.WindowAlive()) host_.DefaultProcessing();
}

void ButtonBehavior::OtherButtonDown(MouseButton button, Point p, std::int16_t shift) {
    host_.TakeCapture();
    if (!host_.Settings().active) return;
    host_.FireMouseDown(ButtonCode(button), shift, p.x, p.y);
    EndPressIfCaptureLost(button, p);
}

void ButtonBehavior::OtherButtonUp(MouseButton button, Point p, std::int16_t shift) {
    const WindowId window = host_.Window();
    host_.DefaultProcessing();
    host_.ReleaseCapture();
    if (!host_.Settings().active) return;
    host_.FireMouseUp(ButtonCode(button), shift, p.x, p.y);
    if (host_.WindowAlive() && host_.Window() == window) host_.UIActivateAfterClick();
}

void ButtonBehavior::OtherDoubleClick(MouseButton) { host_.TakeCapture(); }

void ButtonBehavior::LeaveWhileTracking() {
    mouse_in_ = false;
    pressed_ = false;
    host_.StopTimer(kHoverTimer);
    host_.Redraw(false);
    host_.FireMouseExit();
    // Keep the capture so the press can come back and still end here.
    if (host_.WindowAlive() && host_.HoldsCapture()) host_.TakeCapture();
}

void ButtonBehavior::EnterWhileTracking() {
    mouse_in_ = true;
    pressed_ = true;
    host_.PlayButtonSound(SoundSlot::MouseIn);
    host_.Redraw(false);
    host_.StartTimer(kHoverTimer, kTimerPeriodMs);
    host_.FireMouseEnter();
    if (host_.WindowAlive() && host_.HoldsCapture()) host_.TakeCapture();
}

void ButtonBehavior::EnterHover() {
    mouse_in_ = true;
    host_.PlayButtonSound(SoundSlot::MouseIn);
    host_.Redraw(false);
    host_.StartTimer(kHoverTimer, kTimerPeriodMs);
    host_.FireMouseEnter();
}

void ButtonBehavior::MouseMove(Point p, std::int16_t buttons, std::int16_t shift) {
    if (keyboard_press_) return;
    if (swallow_next_move_) {
        swallow_next_move_ = false;
        return;
    }
    host_.RelayToTooltip(TooltipRelay::Move, p);
    if (!host_.Settings().active) return;
    const bool inside = host_.ClientContains(p);
    if (!inside && tracking_ && mouse_in_) {
        LeaveWhileTracking();
    } else if (inside && tracking_ && !mouse_in_) {
        EnterWhileTracking();
    } else if (inside && !tracking_ && !mouse_in_) {
        EnterHover();
    }
    if (!host_.WindowAlive()) return;
    if (host_.Settings().active) host_.FireMouseMove(buttons, shift, p.x, p.y);
    if (!host_.WindowAlive()) return;
    host_.DefaultProcessing();
    const BehaviorSettings s = host_.Settings();
    if (s.user_mode && s.active) ShowHandCursorIfHyperlink(s, p);
}

void ButtonBehavior::Timer(int id) {
    if (!host_.Settings().enabled) {
        host_.StopTimer(kHoverTimer);
        host_.StopTimer(kRepeatTimer);
        mouse_in_ = false;
        pressed_ = false;
        tracking_ = false;
        host_.Redraw(false);
        return;
    }
    if (id == kHoverTimer) {
        if (mouse_in_ && host_.CursorOutsideClient() && !host_.HoldsCapture()) {
            host_.StopTimer(kHoverTimer);
            mouse_in_ = false;
            host_.Redraw(false);
            host_.FireMouseExit();
        }
    } else if (id == kRepeatTimer) {
        if (repeat_ms_ < kRepeatDelayMs) {
            repeat_ms_ += kTimerPeriodMs;
        } else if (pressed_) {
            host_.FireWhileMouseDown();
            if (tracking_ && !keyboard_press_) EndPressIfCaptureLost(MouseButton::Left, Point{});
        }
    }
}

bool ButtonBehavior::KeyDown(std::int16_t key, bool auto_repeat, std::int16_t shift) {
    const BehaviorSettings s = host_.Settings();
    if (!s.active) return false;
    if (key == kKeySpace && !auto_repeat && !s.drop_down_only) {
        keyboard_press_ = true;
        pressed_ = true;
        tracking_ = true;
        host_.Redraw(false);
        if (!host_.HoldsCapture()) {
            capture_owner_ = host_.CaptureWindow();
            host_.TakeCapture();
        }
    } else if (key == kKeyReturn && s.drop_down_only) {
        host_.DropMenu();
        if (!host_.WindowAlive()) return false;
    }
    std::int16_t code = key;
    host_.FireKeyDown(code, shift);
    if (!host_.WindowAlive()) return false;
    if (keyboard_press_ && !host_.HoldsCapture()) {
        // A handler took the capture the Space press holds: finish the press
        // as if Space came up, and hand the capture back.
        host_.SendSpaceKeyUp();
        if (!host_.WindowAlive()) return false;
        host_.ReleaseCapture();
        host_.GiveCaptureTo(capture_owner_);
    }
    // Opening the menu is the key's default processing: a handler that
    // zeroed the key code keeps it shut.
    if (code != 0 && KeyOpensMenu(host_.Settings(), key, shift)) {
        host_.DropMenu();
        return false;
    }
    return code != 0;
}

void ButtonBehavior::SpaceUp() {
    const BehaviorSettings s = host_.Settings();
    pressed_ = false;
    tracking_ = false;
    keyboard_press_ = false;
    if (s.toggle_button) toggled_ = !toggled_;
    host_.Redraw(false);
    if (s.toggle_button) {
        host_.FireButtonToggled(toggled_);
        if (!host_.WindowAlive()) return;
    }
    ClickStep();
    if (host_.WindowAlive()) host_.ReleaseCapture();
}

bool ButtonBehavior::KeyUp(std::int16_t key, std::int16_t shift) {
    if (!host_.Settings().active) return false;
    std::int16_t code = key;
    host_.FireKeyUp(code, shift);
    if (!host_.WindowAlive()) return false;
    // Only a Space press that began here clicks: focus arriving while Space
    // is already held must not.
    if (key == kKeySpace && keyboard_press_ && !host_.Settings().drop_down_only) SpaceUp();
    return code != 0;
}

void ButtonBehavior::Character(std::int16_t ascii) {
    if (!host_.Settings().active) return;
    std::int16_t code = ascii;
    host_.FireKeyPress(code);
}

void ButtonBehavior::FocusGained() {
    const BehaviorSettings s = host_.Settings();
    if (!s.active) {
        if (!inactive_focus_passed_) {
            inactive_focus_passed_ = true;
            host_.PassFocusToNextControl();
        }
        return;
    }
    if (s.redraw_on_focus) host_.Redraw(false);
    host_.ShowFocusBorder(true);
    if (tracking_ && !keyboard_press_ && !host_.HoldsCapture()) host_.SendButtonUp(MouseButton::Left, Point{});
}

void ButtonBehavior::FocusLost() {
    keyboard_press_ = false;
    menu_open_ = false;
    pressed_ = false;
    tracking_ = false;
    host_.ShowFocusBorder(false);
    host_.Redraw(false);
}

void ButtonBehavior::Mnemonic(std::int16_t key) {
    const BehaviorSettings s = host_.Settings();
    if (s.drop_down_only) {
        if (key != kKeyReturn) host_.DropMenu();
        return;
    }
    if (s.active) ClickStep();
}

void ButtonBehavior::SetToggleState(bool state) {
    const BehaviorSettings s = host_.Settings();
    if (!(s.toggle_button && s.active && s.enabled && s.window_visible)) return;
    if (state == toggled_) return;
    host_.TakeFocus();
    toggled_ = state;
    host_.Redraw(false);
    host_.ShowFocusBorder(true);
    host_.FireButtonToggled(state);
}

bool ButtonBehavior::GetToggleState() const { return host_.Settings().toggle_button && toggled_; }

void ButtonBehavior::PerformClick() {
    if (in_click_step_) return;
    const BehaviorSettings s = host_.Settings();
    if (!(s.active && s.enabled && s.window_visible)) return;
    const WindowId window = host_.Window();
    if (!s.menu || !s.drop_down_only) ClickStep();
    if (host_.WindowAlive() && host_.Window() == window) host_.UIActivateAfterClick();
}

void ButtonBehavior::PerformHyperlink() {
    const BehaviorSettings s = host_.Settings();
    if (!(s.active && s.enabled && s.window_visible && host_.WindowAlive())) return;
    if (s.drop_down_only) return;
    if (s.hyperlink && s.has_hyperlink_address && s.window_enabled) host_.OpenButtonHyperlink();
}

void ButtonBehavior::PerformClickActions() {
    if (in_click_step_) return;
    BehaviorSettings s = host_.Settings();
    if (!(s.active && s.enabled && s.window_visible)) return;
    const WindowId window = host_.Window();
    host_.TakeFocus();
    if (s.drop_down_only) {
        host_.DropMenu();
        if (!host_.WindowAlive()) return;
    }
    if (s.toggle_button) {
        toggled_ = !toggled_;
        host_.Redraw(false);
        host_.FireButtonToggled(toggled_);
        if (!host_.WindowAlive()) return;
    }
    const bool push_part = !s.drop_down_only;
    if (push_part) ClickStep();
    if (!host_.WindowAlive()) return;
    s = host_.Settings();
    if (push_part && s.hyperlink && s.has_hyperlink_address && s.window_enabled) host_.OpenButtonHyperlink();
    if (host_.WindowAlive() && host_.Window() == window) host_.UIActivateAfterClick();
}

void ButtonBehavior::SetValue(bool value) {
    if (value) PerformClick();
}

void ButtonBehavior::ActiveChanged(bool active) {
    if (!active) toggled_ = false;
}

// A press left standing under a popup would keep the face drawn down after
// the menu closes, and its button-up, should one still arrive, would click.
void ButtonBehavior::MenuDropping() {
    if (!pressed_ && !tracking_ && !keyboard_press_) return;
    cancel_next_up_ = tracking_ && !keyboard_press_;
    pressed_ = false;
    tracking_ = false;
    keyboard_press_ = false;
    repeat_ms_ = 0;
    capture_owner_ = 0;
    host_.StopTimer(kRepeatTimer);
    if (host_.HoldsCapture()) host_.ReleaseCapture();
    host_.Redraw(false);
}

void ButtonBehavior::MenuAutoDropped() {
    swallow_next_move_ = true;
    if (!mouse_in_) EnterHover();
}

void ButtonBehavior::MenuLoopEnded() {
    menu_open_ = false;
    swallow_next_move_ = false;
    const bool left = mouse_in_ && host_.CursorOutsideClient();
    if (left) {
        mouse_in_ = false;
        host_.StopTimer(kHoverTimer);
    }
    host_.Redraw(false);
    if (left && host_.WindowAlive()) host_.FireMouseExit();
}

}  // namespace brixel
