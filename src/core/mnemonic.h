// The keyboard mnemonic of a caption: the character after "&". A doubled
// "&&" is a literal ampersand (it draws as one), so it names no mnemonic.
#pragma once

#include <optional>
#include <string_view>

namespace brixel {

std::optional<char16_t> MnemonicOf(std::u16string_view caption);

}  // namespace brixel
