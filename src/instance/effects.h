// What one step of a button instance asks its host to do, in order.
//
// A step (an input, an automation method, a property write) decides
// everything at once and hands back a list; the host carries it out. So
// nothing calls from the portable code back into the host while it decides,
// which is the shape a C interface to a managed caller wants.
//
// The host carries a list out under four rules:
//  1. In order, one effect after the other.
//  2. After each event (IsEvent), if the control is gone, it stops: a handler
//     may destroy the control in the middle of a step.
//  3. A run of consecutive effects marked `only_if_capture_lost` happens only
//     when, at the first of them, the control's window no longer holds the
//     mouse capture (a handler took it away and the press must still end).
//  4. UIActivateAfterClick happens only when the control's window is still
//     the one the step began with.
// A key event's handler may change the key code; when it sets it to 0 the
// key's default processing does not run.
#pragma once

#include "core/button_behavior.h"
#include "core/geometry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brixel {

enum class EffectKind : std::uint8_t {
    // Events, with the automation argument encodings.
    FireClick,  // Value reads TRUE while it runs (see ButtonInstance::ClickEvent)
    FireDblClick,
    FireMouseDown,  // code: button, shift, point
    FireMouseMove,  // code: held buttons, shift, point
    FireMouseUp,    // code: button, shift, point
    FireKeyDown,    // code: key code, shift
    FireKeyPress,   // code: character
    FireKeyUp,      // code: key code, shift
    FireMouseEnter,
    FireMouseExit,
    FireButtonToggled,  // flag: the new toggled state
    FireWhileMouseDown,

    // The window and its surroundings.
    Redraw,           // an immediate redraw of the whole face; flag: right after a click
    ShowFocusBorder,  // flag: shown
    ShowHandCursor,
    RelayToTooltip,  // code: TooltipRelay, point
    HideContainerTooltip,
    StartTimer,  // code: timer id, value: period in ms
    StopTimer,   // code: timer id
    TakeCapture,
    ReleaseCapture,  // only if the control's window holds it
    GiveCaptureTo,   // window
    TakeFocus,
    PassFocusToNextControl,  // a Tab through the container
    DefaultProcessing,       // the default window procedure for the message in hand
    SendButtonUp,            // code: MouseButton, point; a real message, so it comes back as a step
    SendSpaceKeyUp,
    UIActivateAfterClick,  // in-place active, not UI-active, activation pending, focus on the control

    // The button's own services.
    DropMenu,
    PlaySound,      // code: SoundSlot
    OpenHyperlink,  // the button's HyperlinkAddress

    // What a property change asks for.
    MarkModified,
    NotifyPropertyChanged,  // value: DISPID (design time only; the model decides)
    RebuildRegion,
    ReapplyControlSize,
    SetTooltip,  // text, flag: active
    EnableWindow,  // flag: enable
    RefreshTranslucency,
    ApplyMenuReadingDirection,
};

struct Effect {
    EffectKind kind{};
    std::int16_t code = 0;
    std::int16_t shift = 0;
    Point point{};
    bool flag = false;
    std::int32_t value = 0;
    WindowId window = 0;
    std::u16string text{};
    bool only_if_capture_lost = false;
    friend bool operator==(const Effect&, const Effect&) = default;
};

using Effects = std::vector<Effect>;

bool IsEvent(EffectKind kind);

// One line per effect, for logs and test failures: "MouseDown(1,0,10,5)",
// "StartTimer(3,50)", "[if capture lost] SendButtonUp(0,0,0)".
std::string Describe(const Effect& effect);
std::vector<std::string> Describe(const Effects& effects);

}  // namespace brixel
