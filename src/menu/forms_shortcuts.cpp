#include "menu/forms_shortcuts.h"

#include "menu/shortcut_table.h"

namespace brixel {
namespace {

constexpr std::uint16_t kVk0 = 0x30;
constexpr std::uint16_t kVk9 = 0x39;
constexpr std::uint16_t kVkA = 0x41;
constexpr std::uint16_t kVkZ = 0x5A;

bool IsDigit(std::uint16_t key) { return key >= kVk0 && key <= kVk9; }
bool IsLetter(std::uint16_t key) { return key >= kVkA && key <= kVkZ; }
bool IsFunctionKey(std::uint16_t key) { return key >= kVkF1 && key <= kVkF12; }

std::u16string KeyName(std::uint16_t key) {
    if (IsDigit(key) || IsLetter(key)) return std::u16string(1, static_cast<char16_t>(key));
    if (IsFunctionKey(key)) {
        std::u16string name = u"F";
        for (char c : std::to_string(key - kVkF1 + 1)) name += static_cast<char16_t>(c);
        return name;
    }
    if (key == kVkDelete) return u"Del";
    if (key == kVkInsert) return u"Ins";
    if (key == kVkBack) return u"Bksp";
    return {};
}

// The enumeration's members, family by family: which keys each modifier
// combination carries.
bool IsMember(std::uint16_t key, std::int32_t modifiers) {
    const bool fkey = IsFunctionKey(key);
    const bool ins_del = key == kVkInsert || key == kVkDelete;
    const bool digit_letter = IsDigit(key) || IsLetter(key);
    switch (modifiers) {
        case 0:
        case kFormsShift: return fkey || ins_del;
        case kFormsCtrl: return fkey || ins_del || digit_letter;
        case kFormsCtrl | kFormsShift: return fkey || digit_letter;
        case kFormsAlt: return fkey || IsDigit(key) || key == kVkBack;
        default: return false;
    }
}

std::u16string Spell(std::uint16_t key, bool ctrl, bool shift, bool alt) {
    std::u16string name = KeyName(key);
    if (name.empty()) return {};
    std::u16string text;
    if (ctrl) text += u"Ctrl+";
    if (shift) text += u"Shift+";
    if (alt) text += u"Alt+";
    return text + name;
}

}  // namespace

std::u16string FormsShortcutText(std::int32_t value) {
    const std::int32_t modifiers = value & ~0xFFFF;
    const auto key = static_cast<std::uint16_t>(value & 0xFFFF);
    if (!IsMember(key, modifiers)) return {};
    return Spell(key, (modifiers & kFormsCtrl) != 0, (modifiers & kFormsShift) != 0, (modifiers & kFormsAlt) != 0);
}

std::u16string FormsKeyText(std::uint16_t key, bool ctrl, bool shift, bool alt) {
    if ((IsDigit(key) || IsLetter(key)) && !ctrl && !shift && !alt) return {};
    return Spell(key, ctrl, shift, alt);
}

bool IsShortcutPathInvocable(std::span<const MenuLevelFlags> levels) {
    for (const MenuLevelFlags& level : levels) {
        if (!level.enabled || !level.visible || level.separator) return false;
    }
    return true;
}

}  // namespace brixel
