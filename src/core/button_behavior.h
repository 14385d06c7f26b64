// The button's feel: how mouse, keyboard, focus and timer input move its
// run-time state, when the face is redrawn and which events fire.
//
// The behaviour owns the interaction state and decides; the host (the control's
// window) performs every side effect. Event handlers run user code that may
// destroy the window or steal the mouse capture in the middle of any step, so
// after each event the behaviour asks the host again before it goes on. The
// host keeps the behaviour object itself alive while an event runs.
#pragma once

#include "core/geometry.h"

#include <cstdint>
#include <string>

namespace brixel {

enum class MouseButton : std::uint8_t { Left, Middle, Right };

// The automation encoding of buttons (MouseDown/MouseUp/MouseMove `Button`)
// and of modifiers (`Shift`).
inline constexpr std::int16_t kButtonLeft = 1;
inline constexpr std::int16_t kButtonRight = 2;
inline constexpr std::int16_t kButtonMiddle = 4;
inline constexpr std::int16_t kShiftKey = 1;
inline constexpr std::int16_t kCtrlKey = 2;
inline constexpr std::int16_t kAltKey = 4;

inline constexpr std::int16_t kKeyTab = 0x09;
inline constexpr std::int16_t kKeyReturn = 0x0D;
inline constexpr std::int16_t kKeySpace = 0x20;
inline constexpr std::int16_t kKeyDown = 0x28;
inline constexpr std::int16_t kKeyF4 = 0x73;

inline constexpr int kHoverTimer = 2;   // detects that the pointer left
inline constexpr int kRepeatTimer = 3;  // WhileMouseDown repetition
inline constexpr int kTimerPeriodMs = 50;
inline constexpr int kRepeatDelayMs = 200;

std::int16_t ButtonCode(MouseButton button);

// What the behaviour reads of the control's properties, asked for afresh at
// every input because handlers may change them.
struct BehaviorSettings {
    bool active = true;
    bool enabled = true;         // the Enabled property
    bool window_enabled = true;  // the window's own enabled state
    bool window_visible = true;  // the window has the visible style
    bool user_mode = true;       // run time (the container's answer, or no answer)
    bool toggle_button = false;
    bool menu = false;
    bool drop_down_only = false;  // Menu with the drop-down-only menu button style
    bool hyperlink = false;
    bool has_hyperlink_address = false;
    // Whether gaining focus redraws the face (the XP face is shown and the
    // translucency does not forbid it); the model decides.
    bool redraw_on_focus = false;
};

struct ButtonProperties;

// The settings as the properties and the window's state give them.
BehaviorSettings SettingsFor(const ButtonProperties& p, bool user_mode, bool window_enabled, bool window_visible);

// Whether a key down opens the menu of a focused button that has one, as a
// combo box does: F4 alone, or Down with Alt alone. The keyboard then reaches
// the drop part of a split button; Space and Enter keep their meaning.
bool KeyOpensMenu(const BehaviorSettings& s, std::int16_t key, std::int16_t shift);

enum class SoundSlot : std::uint8_t { Click, MouseIn };

// Tooltip relay: the messages the tooltip wants to see.
enum class TooltipRelay : std::uint8_t { LeftDown, LeftUp, Move };

// Identifies a window without naming the platform's handle type.
using WindowId = std::uintptr_t;

class BehaviorHost {
public:
    virtual ~BehaviorHost() = default;

    virtual BehaviorSettings Settings() const = 0;
    virtual bool ClientContains(Point p) const = 0;
    virtual bool InMenuButtonStrip(Point p) const = 0;  // the split button's menu part
    virtual bool CursorOutsideClient() const = 0;       // where the pointer is now

    virtual bool WindowAlive() const = 0;
    virtual WindowId Window() const = 0;  // changes if the window was recreated

    // Mouse capture.
    virtual bool HoldsCapture() const = 0;
    virtual WindowId CaptureWindow() const = 0;  // who holds it now (0: nobody)
    virtual void TakeCapture() = 0;
    virtual void ReleaseCapture() = 0;
    virtual void GiveCaptureTo(WindowId window) = 0;

    virtual void TakeFocus() = 0;
    virtual void PassFocusToNextControl() = 0;  // a Tab through the container
    virtual void StartTimer(int id, int period_ms) = 0;
    virtual void StopTimer(int id) = 0;

    // Painting: an immediate redraw of the whole face, and the focus border.
    virtual void Redraw(bool after_click) = 0;
    virtual void ShowFocusBorder(bool shown) = 0;
    virtual void ShowHandCursor() = 0;
    virtual void RelayToTooltip(TooltipRelay message, Point p) = 0;
    virtual void HideContainerTooltip() = 0;

    // The default window procedure for the message being handled.
    virtual void DefaultProcessing() = 0;
    // Ends a press whose capture a handler took away, by a real message.
    virtual void SendButtonUp(MouseButton button, Point p) = 0;
    virtual void SendSpaceKeyUp() = 0;
    // In-place active, not UI-active, activation pending and the focus on the
    // control or a child of it: UI-activate.
    virtual void UIActivateAfterClick() = 0;

    virtual void DropMenu() = 0;
    virtual void PlayButtonSound(SoundSlot slot) = 0;
    virtual void OpenButtonHyperlink() = 0;

    // Events, with the automation argument encodings.
    virtual void FireClick() = 0;
    virtual void FireDblClick() = 0;
    virtual void FireMouseDown(std::int16_t button, std::int16_t shift, int x, int y) = 0;
    virtual void FireMouseMove(std::int16_t buttons, std::int16_t shift, int x, int y) = 0;
    virtual void FireMouseUp(std::int16_t button, std::int16_t shift, int x, int y) = 0;
    virtual void FireKeyDown(std::int16_t& key_code, std::int16_t shift) = 0;
    virtual void FireKeyPress(std::int16_t& key_ascii) = 0;
    virtual void FireKeyUp(std::int16_t& key_code, std::int16_t shift) = 0;
    virtual void FireMouseEnter() = 0;
    virtual void FireMouseExit() = 0;
    virtual void FireButtonToggled(bool toggled) = 0;
    virtual void FireWhileMouseDown() = 0;
};

// The run-time state painting reads.
struct InteractionFlags {
    bool mouse_in = false;
    bool pressed = false;
    bool toggled = false;
    bool menu_open = false;
};

class ButtonBehavior {
public:
    explicit ButtonBehavior(BehaviorHost& host) : host_(host) {}
    ButtonBehavior(const ButtonBehavior&) = delete;
    ButtonBehavior& operator=(const ButtonBehavior&) = delete;

    // Input. Key handlers answer whether the key's default processing runs.
    void LeftButtonDown(Point p, std::int16_t shift);
    void LeftButtonUp(Point p, std::int16_t shift);
    void LeftDoubleClick(Point p, std::int16_t shift);
    void OtherButtonDown(MouseButton button, Point p, std::int16_t shift);
    void OtherButtonUp(MouseButton button, Point p, std::int16_t shift);
    void OtherDoubleClick(MouseButton button);
    void MouseMove(Point p, std::int16_t buttons, std::int16_t shift);
    void Timer(int id);
    bool KeyDown(std::int16_t key, bool auto_repeat, std::int16_t shift);
    bool KeyUp(std::int16_t key, std::int16_t shift);
    void Character(std::int16_t ascii);
    void FocusGained();
    void FocusLost();
    void Mnemonic(std::int16_t key);

    // Automation methods and the Value property.
    void SetFocus() { host_.TakeFocus(); }
    void SetToggleState(bool state);
    bool GetToggleState() const;
    void PerformClick();
    void PerformClickActions();
    void PerformHyperlink();
    bool Value() const { return value_; }
    void SetValue(bool value);

    // Property changes the state depends on.
    void ToggleButtonChanged() { toggled_ = false; }
    void ActiveChanged(bool active);
    void SetMenuOpen(bool open) { menu_open_ = open; }
    // The menu drops by itself under the pointer: an entry like any other
    // (sound, hot face, MouseEnter) unless the pointer was in already, and
    // the next mouse move (caused by the popup) is not a real one.
    void MenuAutoDropped();
    // The popup's loop ended: the menu-open look goes, and with the pointer
    // outside so does the hot look, before the one repaint; a MouseEnter
    // then gets its MouseExit.
    void MenuLoopEnded();
    // A drop is starting: the press, whether by mouse or Space, ends without a
    // click (the popup's loop takes the button-up and the keys).
    void MenuDropping();

    InteractionFlags Flags() const { return {mouse_in_, pressed_, toggled_, menu_open_}; }
    bool Tracking() const { return tracking_; }
    bool KeyboardPress() const { return keyboard_press_; }

private:
    bool InDropDownArea(const BehaviorSettings& s, Point p) const;
    void BeginPress();
    void EndPressIfCaptureLost(MouseButton button, Point p);
    void ClickStep();
    void EnterWhileTracking();
    void LeaveWhileTracking();
    void EnterHover();
    void ShowHandCursorIfHyperlink(const BehaviorSettings& s, Point p);
    void SpaceUp();

    BehaviorHost& host_;
    bool mouse_in_ = false;
    bool pressed_ = false;
    bool tracking_ = false;
    bool keyboard_press_ = false;
    bool toggled_ = false;
    bool menu_open_ = false;
    bool value_ = false;
    // Set for the whole click step: a PerformClick, PerformClickActions or
    // Value = True from inside Click would otherwise click again without end.
    bool in_click_step_ = false;
    bool swallow_next_move_ = false;
    bool cancel_next_up_ = false;  // a mouse press that a drop ended
    bool inactive_focus_passed_ = false;
    int repeat_ms_ = 0;
    WindowId capture_owner_ = 0;
};

}  // namespace brixel
