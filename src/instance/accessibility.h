// What assistive technology is told about a button: its role, name, states,
// default action and, for a split button, its two parts. The decisions are
// here, apart from any platform's accessibility interface, which only maps
// them onto its own constants and coordinates.
#pragma once

#include "core/geometry.h"
#include "core/property_record.h"
#include "render/canvas.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brixel {

// The whole button, or one half of a split button. The values are the child
// numbers the parts are reported under (0: the button itself).
enum class AccessiblePart : std::uint8_t { Whole = 0, PushPart = 1, DropPart = 2 };

enum class AccessibleRole : std::uint8_t {
    PushButton,      // a plain button, and the push half of a split button
    SplitButton,     // Menu on with the push-and-drop style
    ButtonMenu,      // Menu on with the drop-down-only style: the whole face opens it
    ButtonDropDown,  // the drop half of a split button
};

enum class AccessibleAction : std::uint8_t { None, Press, Open };

struct AccessibleStates {
    bool pressed = false;      // a latched toggle button, or a press in progress
    bool unavailable = false;  // Enabled or Active off
    bool focusable = false;
    bool focused = false;
    bool hot = false;
    bool has_popup = false;
    bool expanded = false;     // its menu is open
    friend bool operator==(const AccessibleStates&, const AccessibleStates&) = default;
};

// What the window adds to the properties and the interaction state.
struct AccessibleInputs {
    InteractionState state{};
    bool focused = false;
};

struct AccessibleView {
    AccessibleRole role = AccessibleRole::PushButton;
    std::u16string name;
    std::u16string keyboard_shortcut;  // "Alt+S", empty without a mnemonic
    std::u16string description;
    AccessibleStates states{};
    AccessibleAction action = AccessibleAction::None;
    friend bool operator==(const AccessibleView&, const AccessibleView&) = default;
};

// The caption as it reads: mnemonic ampersands gone, "&&" one ampersand.
std::u16string CaptionWithoutMnemonic(std::u16string_view caption);
// "Alt+" and the mnemonic character (letters upper case), or empty.
std::u16string MnemonicShortcutText(std::u16string_view caption);

// 2 for a split button (its push and drop parts), otherwise 0.
int AccessibleChildCount(const ButtonProperties& p);
// A part the button does not have (a child of a plain button) has no view.
std::optional<AccessibleView> DescribeAccessible(const ButtonProperties& p, const AccessibleInputs& inputs,
                                                 AccessiblePart part);
// "Press" or "Open"; empty for None.
std::u16string_view AccessibleActionText(AccessibleAction action);

// Where a part lies in the client rectangle; the whole client for Whole.
std::optional<Rect> AccessiblePartBounds(const ButtonProperties& p, const Rect& client, AccessiblePart part);
// The part a client point falls on: a child of a split button, else Whole;
// nothing outside the client rectangle.
std::optional<AccessiblePart> AccessiblePartAt(const ButtonProperties& p, const Rect& client, Point point);

}  // namespace brixel
