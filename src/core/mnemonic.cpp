#include "core/mnemonic.h"

namespace brixel {

std::optional<char16_t> MnemonicOf(std::u16string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&') continue;
        if (caption[i + 1] != u'&') return caption[i + 1];
        ++i;  // skip the literal ampersand
    }
    return std::nullopt;
}

}  // namespace brixel
