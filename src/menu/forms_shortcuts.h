// The keyboard shortcuts of the Windows Forms menu items. There an item holds
// a value of the framework's Shortcut enumeration, which is a key code with
// the modifier bits of the framework's Keys; the popup shows its text and the
// message filter matches a key press by the same text.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace brixel {

// The modifier bits of a Keys value.
inline constexpr std::int32_t kFormsShift = 0x10000;
inline constexpr std::int32_t kFormsCtrl = 0x20000;
inline constexpr std::int32_t kFormsAlt = 0x40000;

// The text of a Shortcut value: "Ctrl+", "Shift+", "Alt+" in that order, then
// the key ("A".."Z", "0".."9", "F1".."F12", "Del", "Ins", "Bksp"). None, the
// four Alt+arrow members of the later framework profiles and every value that
// is not a member give "": they are never shown and never match a key.
std::u16string FormsShortcutText(std::int32_t value);

// The text a key press spells for matching, from its virtual-key code and the
// modifiers held: "" when the key cannot be a shortcut, and for a letter or a
// digit typed without a modifier, so that typing is never taken over.
std::u16string FormsKeyText(std::uint16_t key, bool ctrl, bool shift, bool alt);

// One level of the way from an item chosen by its shortcut up to the top.
struct MenuLevelFlags {
    bool enabled = true;
    bool visible = true;
    bool separator = false;
};

// Whether a shortcut may run the item: it and every item above it are
// enabled, visible and no separator, as the popup would let the user reach it.
// `levels` starts with the item itself.
bool IsShortcutPathInvocable(std::span<const MenuLevelFlags> levels);

}  // namespace brixel
