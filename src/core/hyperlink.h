// Opening a hyperlink address (a web address, a file or an e-mail address)
// for the button and for menu items.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brixel {

inline constexpr char16_t kHyperlinkFailedMessage[] = u"Unable to open hyperlink";

// What opening needs from the platform.
class HyperlinkPlatform {
public:
    virtual ~HyperlinkPlatform() = default;
    // The shell's "open" verb on the target; true on success.
    virtual bool ShellOpen(std::u16string_view target) = 0;
    // The command line of the registered HTML handler (".htm" class, its
    // shell\open\command), if both registry reads succeed.
    virtual std::optional<std::u16string> HtmlHandlerCommand() = 0;
    // Starts a command line with the normal show command; true on success.
    virtual bool StartCommand(std::u16string_view command_line) = 0;
    virtual void ShowFailure(std::u16string_view message) = 0;  // exclamation icon
};

// Any "@" makes the address an e-mail address; the prefix is added even in
// front of an existing "mailto:", as stored documents expect.
std::u16string HyperlinkTarget(std::u16string_view address);

// The fallback command line: the handler's command cut at its first %1 that
// stands in double quotes (the opening quote goes too), else at its first
// %1, else kept whole; then a blank and the target as exactly one quoted
// argument. No answer for a target that contains a double quote or a control
// character: such a target could smuggle extra arguments or commands.
std::optional<std::u16string> FallbackCommandLine(std::u16string_view handler_command, std::u16string_view target);

// Web and mail addresses only (http, https, mailto; letter case ignored):
// what a page that scripts the control may open. Local programs, files and
// other schemes are not.
bool IsWebOrMailTarget(std::u16string_view target);

// Whether the container asked for safety (for its callers or for the data it
// loads): an untrusted control opens nothing but the web and mail.
enum class HyperlinkTrust : std::uint8_t { Trusted, Untrusted };

// What an untrusted control hands the shell for a target (after the "@"
// rule): an http, https or mailto address, or one that starts with "www."
// and no scheme, which becomes "http://" + it. None for anything else, and
// for a target with a double quote, a control character or a space (any
// Unicode space separator) outside the query of a mail address: the shell
// passes the target on to some handler's command line, where such characters
// could start another argument. Such an address must be percent-encoded.
std::optional<std::u16string> UntrustedShellTarget(std::u16string_view target);

// The target the shell gets for a stored address: trusted, the address with
// the "@" rule applied and nothing else; untrusted, as above.
std::optional<std::u16string> ShellTarget(std::u16string_view address, HyperlinkTrust trust);

// Steps of opening: the shell first, then the registered HTML handler; on
// failure (a refused address included) the message. Returns whether the
// address was opened. An empty address opens nothing and shows nothing.
bool OpenHyperlink(HyperlinkPlatform& platform, std::u16string_view address,
                   HyperlinkTrust trust = HyperlinkTrust::Trusted);

}  // namespace brixel
