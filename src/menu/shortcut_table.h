// The fixed table of menu shortcuts. A record stores the text, automation
// exchanges the code, the message hook needs the key and modifiers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brixel {

inline constexpr std::int16_t kShortcutNone = 0;
inline constexpr std::int16_t kShortcutCodeCount = 80;  // codes 0..79

inline constexpr std::u16string_view kShortcutNoneText = u"None";
inline constexpr std::u16string_view kShortcutNoneAltText = u"(None)";  // what the editor page shows

// The text of a code; any code outside the table gives "None".
std::u16string_view ShortcutText(std::int32_t code);

// The code of a text, ignoring letter case; "None", "(None)" and unknown
// texts give 0.
std::int16_t ShortcutCode(std::u16string_view text);

// The editor page's list entry for a code: "0 - None" .. "79 - Alt+Bksp".
std::u16string ShortcutListLabel(std::int16_t code);

// "None" or "(None)", compared exactly: the tree rules treat only these two as
// "no shortcut".
bool IsNoShortcut(std::u16string_view text);

// Virtual-key codes the shortcut table uses.
inline constexpr std::uint16_t kVkBack = 0x08;
inline constexpr std::uint16_t kVkInsert = 0x2D;
inline constexpr std::uint16_t kVkDelete = 0x2E;
inline constexpr std::uint16_t kVkF1 = 0x70;
inline constexpr std::uint16_t kVkF12 = 0x7B;

struct ParsedShortcut {
    std::uint16_t key = 0;  // 0: not a key the table knows; never matches a press
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    friend bool operator==(const ParsedShortcut&, const ParsedShortcut&) = default;
};

// Splits "Shift+Ctrl+F1" into key and modifiers; modifier and key names are
// matched with exact case.
ParsedShortcut ParseShortcut(std::u16string_view text);

}  // namespace brixel
