// Any bytes as a shortcut text, as a loaded menu item or a script hands it to
// the tree. The first byte picks the spelling of the rest: even, one unit a
// byte (so that the dictionary's ASCII names combine); odd, UTF-16LE units.
// Besides the sanitizers, the checks are what the hook and the editor page
// rely on: a recognised text names a code whose table text reads back as that
// code, "no shortcut" texts have no code, and a parsed key is one the table
// can name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "menu/shortcut_table.h"

namespace {

std::u16string TextOf(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    if (size == 0) return text;
    if (data[0] % 2 == 0) {
        for (std::size_t i = 1; i < size; ++i) text.push_back(data[i]);
    } else {
        for (std::size_t i = 1; i + 1 < size; i += 2)
            text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    }
    return text;
}

bool KeyTheTableNames(std::uint16_t key) {
    return key == 0 || (key >= 'A' && key <= 'Z') || key == brixel::kVkInsert || key == brixel::kVkDelete ||
           key == brixel::kVkBack || (key >= brixel::kVkF1 && key <= brixel::kVkF12);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brixel;
    const std::u16string text = TextOf(data, size);

    const std::int16_t code = ShortcutCode(text);
    if (code < 0 || code >= kShortcutCodeCount) std::abort();
    if (IsNoShortcut(text) && code != kShortcutNone) std::abort();
    if (code != kShortcutNone && ShortcutCode(ShortcutText(code)) != code) std::abort();
    if (ShortcutListLabel(code).find(ShortcutText(code)) == std::u16string::npos) std::abort();

    const ParsedShortcut parsed = ParseShortcut(text);
    if (!KeyTheTableNames(parsed.key)) std::abort();
    // The table's own spelling of a recognised code parses to a key the hook
    // can match; a text differing only in letter case need not.
    if (code != kShortcutNone && text == ShortcutText(code) && parsed.key == 0) std::abort();
    return 0;
}
