// Case-insensitive comparison of the ASCII letters only: the names it serves
// (truth words, shortcut texts, font faces, link schemes) are ASCII, and a
// locale-aware fold would make them compare differently from machine to machine.
#pragma once

#include <cstddef>
#include <string_view>

namespace brixel {

constexpr char16_t AsciiUpper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

constexpr bool EqualsIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
    }
    return true;
}

}  // namespace brixel
