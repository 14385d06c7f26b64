#include "core/hyperlink.h"

#include "core/ascii.h"

namespace brixel {
namespace {

bool UnsafeInCommandLine(char16_t c) { return c == u'"' || c < 0x20 || c == 0x7F; }

// The handler command with everything from its %1 placeholder on removed.
std::u16string_view CutAtPlaceholder(std::u16string_view command) {
    const std::size_t quoted = command.find(u"\"%1\"");
    if (quoted != std::u16string_view::npos) return command.substr(0, quoted);
    const std::size_t bare = command.find(u"%1");
    if (bare != std::u16string_view::npos) return command.substr(0, bare);
    return command;
}

// Quotes one argument the way the C runtime splits command lines: the
// backslashes before the closing quote are doubled so it stays a quote.
std::u16string QuoteArgument(std::u16string_view text) {
    std::u16string quoted = u"\"";
    quoted += text;
    std::size_t trailing = 0;
    while (trailing < text.size() && text[text.size() - 1 - trailing] == u'\\') ++trailing;
    quoted.append(trailing, u'\\');
    quoted += u'"';
    return quoted;
}

bool StartsWithNoCase(std::u16string_view text, std::u16string_view prefix) {
    return text.size() >= prefix.size() && EqualsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

bool IsControl(char16_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

// The Unicode space separators, and the line and paragraph separators.
bool IsSpace(char16_t c) {
    if (c == u' ' || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A)) return true;
    return c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

}  // namespace

bool IsWebOrMailTarget(std::u16string_view target) {
    return StartsWithNoCase(target, u"http://") || StartsWithNoCase(target, u"https://") ||
           StartsWithNoCase(target, u"mailto:");
}

std::u16string HyperlinkTarget(std::u16string_view address) {
    std::u16string target;
    if (address.find(u'@') != std::u16string_view::npos) target = u"mailto:";
    target += address;
    return target;
}

std::optional<std::u16string> FallbackCommandLine(std::u16string_view handler_command, std::u16string_view target) {
    for (char16_t c : target) {
        if (UnsafeInCommandLine(c)) return std::nullopt;
    }
    std::u16string line(CutAtPlaceholder(handler_command));
    line += u' ';
    line += QuoteArgument(target);
    return line;
}

std::optional<std::u16string> UntrustedShellTarget(std::u16string_view target) {
    std::u16string web;
    if (StartsWithNoCase(target, u"www.")) {
        web = u"http://";
        web += target;
        target = web;
    }
    if (!IsWebOrMailTarget(target)) return std::nullopt;
    // Spaces are plain text in a mail address's subject or body.
    const std::size_t query = StartsWithNoCase(target, u"mailto:") ? target.find(u'?') : std::u16string_view::npos;
    for (std::size_t i = 0; i < target.size(); ++i) {
        const char16_t c = target[i];
        if (c == u'"' || IsControl(c) || (IsSpace(c) && !(query != std::u16string_view::npos && i > query))) {
            return std::nullopt;
        }
    }
    return std::u16string(target);
}

std::optional<std::u16string> ShellTarget(std::u16string_view address, HyperlinkTrust trust) {
    std::u16string target = HyperlinkTarget(address);
    if (trust == HyperlinkTrust::Trusted) return target;
    return UntrustedShellTarget(target);
}

bool OpenHyperlink(HyperlinkPlatform& platform, std::u16string_view address, HyperlinkTrust trust) {
    if (address.empty()) return false;
    if (const auto target = ShellTarget(address, trust)) {
        if (platform.ShellOpen(*target)) return true;
        if (const auto handler = platform.HtmlHandlerCommand()) {
            if (const auto line = FallbackCommandLine(*handler, *target); line && platform.StartCommand(*line)) {
                return true;
            }
        }
    }
    platform.ShowFailure(kHyperlinkFailedMessage);
    return false;
}

}  // namespace brixel
