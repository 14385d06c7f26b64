// Any bytes as a stored hyperlink address (UTF-16, little-endian). What an
// untrusted control would hand the shell must be a web or mail address with
// no quote, no control character and no space outside a mail query, and the
// fallback command line built from it must carry it as exactly one argument.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/hyperlink.h"

namespace {

bool StartsWithNoCase(std::u16string_view text, std::u16string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char16_t c = text[i];
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

bool Breaks(char16_t c) {
    return c == u'"' || c < 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) ||
           c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string address;
    for (std::size_t i = 0; i + 1 < size; i += 2) address += static_cast<char16_t>(data[i] | data[i + 1] << 8);
    const auto target = brixel::ShellTarget(address, brixel::HyperlinkTrust::Untrusted);
    if (!target) return 0;
    const bool mail = StartsWithNoCase(*target, u"mailto:");
    if (!mail && !StartsWithNoCase(*target, u"http://") && !StartsWithNoCase(*target, u"https://")) std::abort();
    const std::size_t query = mail ? target->find(u'?') : std::u16string::npos;
    for (std::size_t i = 0; i < target->size(); ++i) {
        const char16_t c = (*target)[i];
        const bool in_query = query != std::u16string::npos && i > query;
        if (c == u'"' || c < 0x20 || (c >= 0x7F && c < 0xA0)) std::abort();
        if (!in_query && Breaks(c)) std::abort();
    }
    const auto line = brixel::FallbackCommandLine(u"b.exe \"%1\"", *target);
    if (!line) std::abort();  // nothing the shell may get is refused by the fallback
    // One argument: after the cut handler ("b.exe ") and the blank, the
    // target's own quotes are the only ones.
    constexpr std::u16string_view kHandlerAndBlank = u"b.exe  ";
    if (!std::u16string_view(*line).starts_with(kHandlerAndBlank)) std::abort();
    const std::u16string_view rest = std::u16string_view(*line).substr(kHandlerAndBlank.size());
    if (rest.front() != u'"' || rest.back() != u'"' || rest.substr(1, rest.size() - 2).find(u'"') != rest.npos) {
        std::abort();
    }
    return 0;
}
