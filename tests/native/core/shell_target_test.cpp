#include "core/hyperlink.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace brixel {
namespace {

struct ShellTargetCase {
    const char* name;
    std::u16string address;
    std::optional<std::u16string> untrusted;  // none: refused
    std::u16string trusted;                   // what a trusted control hands the shell
};

class ShellTargets : public ::testing::TestWithParam<ShellTargetCase> {};

TEST_P(ShellTargets, UntrustedOpensOnlyCleanWebAndMailAddresses) {
    const ShellTargetCase& c = GetParam();
    EXPECT_EQ(ShellTarget(c.address, HyperlinkTrust::Untrusted), c.untrusted);
    EXPECT_EQ(ShellTarget(c.address, HyperlinkTrust::Trusted), std::optional<std::u16string>(c.trusted))
        << "a trusted control hands the address on as it always has";
}

const std::u16string kNbsp(1, char16_t{0xA0});
const std::u16string kIdeographicSpace(1, char16_t{0x3000});
const std::u16string kNextLine(1, char16_t{0x85});

INSTANTIATE_TEST_SUITE_P(
    Addresses, ShellTargets,
    ::testing::Values(
        ShellTargetCase{"Http", u"http://example.org/a", u"http://example.org/a", u"http://example.org/a"},
        ShellTargetCase{"HttpsAnyCase", u"HTTPS://example.org/", u"HTTPS://example.org/", u"HTTPS://example.org/"},
        ShellTargetCase{"AtSignIsMail", u"a@b.org", u"mailto:a@b.org", u"mailto:a@b.org"},
        ShellTargetCase{"WwwGetsHttp", u"www.example.org/x", u"http://www.example.org/x", u"www.example.org/x"},
        ShellTargetCase{"WwwAnyCase", u"WWW.example.org", u"http://WWW.example.org", u"WWW.example.org"},
        ShellTargetCase{"MailQueryMayHaveSpaces", u"mailto:a@b?subject=Hello there" + kNbsp + u"x",
                        u"mailto:mailto:a@b?subject=Hello there" + kNbsp + u"x",
                        u"mailto:mailto:a@b?subject=Hello there" + kNbsp + u"x"},
        ShellTargetCase{"QuoteBreaksOut", u"http://x/\" -switch \"", std::nullopt, u"http://x/\" -switch \""},
        ShellTargetCase{"QuoteInMail", u"mailto:a@b\" /x", std::nullopt, u"mailto:mailto:a@b\" /x"},
        ShellTargetCase{"QuoteInMailQuery", u"a@b?subject=\"x", std::nullopt, u"mailto:a@b?subject=\"x"},
        ShellTargetCase{"UncPath", u"\\\\host\\share\\x.hta", std::nullopt, u"\\\\host\\share\\x.hta"},
        ShellTargetCase{"FileUrl", u"file:///C:/Windows/System32/cmd.exe", std::nullopt,
                        u"file:///C:/Windows/System32/cmd.exe"},
        ShellTargetCase{"Script", u"javascript:alert(1)", std::nullopt, u"javascript:alert(1)"},
        ShellTargetCase{"ShellFolder", u"shell:startup", std::nullopt, u"shell:startup"},
        ShellTargetCase{"RelativeProgram", u"evil.exe", std::nullopt, u"evil.exe"},
        ShellTargetCase{"WwwIsNotAScheme", u"wwwexample.org", std::nullopt, u"wwwexample.org"},
        ShellTargetCase{"SpaceInPath", u"http://x/a b", std::nullopt, u"http://x/a b"},
        ShellTargetCase{"NoBreakSpace", u"http://x/a" + kNbsp + u"b", std::nullopt, u"http://x/a" + kNbsp + u"b"},
        ShellTargetCase{"IdeographicSpace", u"http://x/" + kIdeographicSpace, std::nullopt,
                        u"http://x/" + kIdeographicSpace},
        ShellTargetCase{"SpaceBeforeMailQuery", u"mailto:a @b", std::nullopt, u"mailto:mailto:a @b"},
        ShellTargetCase{"TabInMailQuery", u"a@b?body=x\ty", std::nullopt, u"mailto:a@b?body=x\ty"},
        ShellTargetCase{"C1Control", u"http://x/" + kNextLine, std::nullopt, u"http://x/" + kNextLine},
        ShellTargetCase{"LeadingSpace", u" http://x/", std::nullopt, u" http://x/"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brixel
