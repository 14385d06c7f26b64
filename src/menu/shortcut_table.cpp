#include "menu/shortcut_table.h"

#include "core/ascii.h"

#include <array>

namespace brixel {
namespace {

// Built once from the ranges of the table so that the texts cannot drift
// from their codes.
std::array<std::u16string, kShortcutCodeCount> BuildTexts() {
    std::array<std::u16string, kShortcutCodeCount> t;
    t[0] = kShortcutNoneText;
    for (int n = 0; n < 26; ++n) t[1 + n] = u"Ctrl+" + std::u16string(1, static_cast<char16_t>(u'A' + n));
    const std::u16string_view prefixes[] = {u"", u"Ctrl+", u"Shift+", u"Shift+Ctrl+"};
    for (int group = 0; group < 4; ++group) {
        for (int f = 1; f <= 12; ++f) {
            std::u16string number;
            for (char c : std::to_string(f)) number += static_cast<char16_t>(c);
            t[27 + group * 12 + (f - 1)] = std::u16string(prefixes[group]) + u"F" + number;
        }
    }
    t[75] = u"Ctrl+Ins";
    t[76] = u"Shift+Ins";
    t[77] = u"Del";
    t[78] = u"Shift+Del";
    t[79] = u"Alt+Bksp";
    return t;
}

const std::array<std::u16string, kShortcutCodeCount>& Texts() {
    static const auto texts = BuildTexts();
    return texts;
}

std::uint16_t KeyFromName(std::u16string_view name) {
    if (name.size() == 1 && name[0] >= u'A' && name[0] <= u'Z') return static_cast<std::uint16_t>(name[0]);
    if (name == u"Ins") return kVkInsert;
    if (name == u"Del") return kVkDelete;
    if (name == u"Bksp") return kVkBack;
    if (name.size() >= 2 && name.size() <= 3 && name[0] == u'F' && name[1] >= u'1' && name[1] <= u'9') {
        int number = name[1] - u'0';
        if (name.size() == 3) {
            if (name[2] < u'0' || name[2] > u'9') return 0;
            number = number * 10 + (name[2] - u'0');
        }
        if (number <= 12) return static_cast<std::uint16_t>(kVkF1 + number - 1);
    }
    return 0;
}

void ApplyModifier(std::u16string_view name, bool allow_alt, ParsedShortcut& out) {
    if (name == u"Shift") out.shift = true;
    else if (name == u"Ctrl") out.ctrl = true;
    else if (allow_alt && name == u"Alt") out.alt = true;
}

}  // namespace

std::u16string_view ShortcutText(std::int32_t code) {
    if (code < 0 || code >= kShortcutCodeCount) return kShortcutNoneText;
    return Texts()[static_cast<std::size_t>(code)];
}

std::int16_t ShortcutCode(std::u16string_view text) {
    for (std::int16_t code = 1; code < kShortcutCodeCount; ++code) {
        if (EqualsIgnoringAsciiCase(text, Texts()[static_cast<std::size_t>(code)])) return code;
    }
    return kShortcutNone;
}

std::u16string ShortcutListLabel(std::int16_t code) {
    std::u16string label;
    for (char c : std::to_string(code)) label += static_cast<char16_t>(c);
    return label + u" - " + std::u16string(ShortcutText(code));
}

bool IsNoShortcut(std::u16string_view text) { return text == kShortcutNoneText || text == kShortcutNoneAltText; }

// With one "+" the modifier may be Alt ("Alt+Bksp"); with two, only Shift and
// Ctrl are recognised, as no entry of the table combines Alt with another.
ParsedShortcut ParseShortcut(std::u16string_view text) {
    ParsedShortcut out;
    const std::size_t first = text.find(u'+');
    if (first == std::u16string_view::npos) {
        out.key = KeyFromName(text);
        return out;
    }
    const std::size_t last = text.rfind(u'+');
    ApplyModifier(text.substr(0, first), first == last, out);
    if (first != last) ApplyModifier(text.substr(first + 1, last - first - 1), false, out);
    out.key = KeyFromName(text.substr(last + 1));
    return out;
}

}  // namespace brixel
