#include "core/click_sounds.h"
#include "core/hyperlink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brixel {
namespace {

TEST(ClickSounds, ChoiceByValue) {
    using K = SoundChoice::Kind;
    EXPECT_EQ(ChooseSound(0, true), SoundChoice{});
    EXPECT_EQ(ChooseSound(99, false), SoundChoice{}) << "custom without a file is silent";
    EXPECT_EQ(ChooseSound(99, true), (SoundChoice{K::Memory, 0}));
    EXPECT_EQ(ChooseSound(1, false), (SoundChoice{K::Resource, 101}));
    EXPECT_EQ(ChooseSound(2, true), (SoundChoice{K::Resource, 102}));
    EXPECT_EQ(ChooseSound(5, false), (SoundChoice{K::Resource, 105})) << "the system's default sound then plays";
}

TEST(Hyperlinks, AtSignMakesAnEmailAddress) {
    EXPECT_EQ(HyperlinkTarget(u"someone@example.org"), u"mailto:someone@example.org");
    EXPECT_EQ(HyperlinkTarget(u"mailto:a@b"), u"mailto:mailto:a@b");
    EXPECT_EQ(HyperlinkTarget(u"http://example.org/"), u"http://example.org/");
}

struct CommandCase {
    const char* name;
    std::u16string handler;
    std::u16string expected;
};

class FallbackCommands : public ::testing::TestWithParam<CommandCase> {};

TEST_P(FallbackCommands, CutsAtThePlaceholderAndQuotesTheTarget) {
    const auto line = FallbackCommandLine(GetParam().handler, u"http://example.org/a b");
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(*line, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Handlers, FallbackCommands,
    ::testing::Values(
        CommandCase{"QuotedPlaceholder", u"\"C:\\b\\browser.exe\" -open \"%1\"",
                    u"\"C:\\b\\browser.exe\" -open  \"http://example.org/a b\""},
        CommandCase{"BarePlaceholder", u"C:\\b\\browser.exe %1 -x", u"C:\\b\\browser.exe  \"http://example.org/a b\""},
        CommandCase{"QuotedWinsOverEarlierBare", u"b.exe %1 \"%1\"", u"b.exe %1  \"http://example.org/a b\""},
        CommandCase{"NoPlaceholder", u"browser.exe -nohome", u"browser.exe -nohome \"http://example.org/a b\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Hyperlinks, TargetsThatCouldInjectCommandsAreRefused) {
    for (const char16_t* evil : {u"x\" & calc & \"", u"a\nb", u"tab\there", u"del\x7f"}) {
        EXPECT_FALSE(FallbackCommandLine(u"b.exe \"%1\"", evil).has_value());
    }
}

TEST(Hyperlinks, TrailingBackslashesStayInsideTheQuotes) {
    EXPECT_EQ(*FallbackCommandLine(u"b.exe", u"C:\\dir\\"), u"b.exe \"C:\\dir\\\\\"");
}

class FakePlatform final : public HyperlinkPlatform {
public:
    bool shell_ok = false;
    std::optional<std::u16string> handler;
    bool start_ok = false;
    std::vector<std::u16string> calls;

    bool ShellOpen(std::u16string_view t) override {
        calls.push_back(u"shell " + std::u16string(t));
        return shell_ok;
    }
    std::optional<std::u16string> HtmlHandlerCommand() override { return handler; }
    bool StartCommand(std::u16string_view c) override {
        calls.push_back(u"start " + std::u16string(c));
        return start_ok;
    }
    void ShowFailure(std::u16string_view m) override { calls.push_back(u"message " + std::u16string(m)); }
};

TEST(Hyperlinks, ShellFirstThenHandlerThenMessage) {
    FakePlatform platform;
    EXPECT_FALSE(OpenHyperlink(platform, u"a@b"));
    EXPECT_EQ(platform.calls, (std::vector<std::u16string>{u"shell mailto:a@b", u"message Unable to open hyperlink"}));

    platform.calls.clear();
    platform.handler = u"b.exe \"%1\"";
    platform.start_ok = true;
    EXPECT_TRUE(OpenHyperlink(platform, u"http://x/"));
    EXPECT_EQ(platform.calls, (std::vector<std::u16string>{u"shell http://x/", u"start b.exe  \"http://x/\""}));

    platform.calls.clear();
    EXPECT_FALSE(OpenHyperlink(platform, u"http://x/\"&calc"));
    EXPECT_EQ(platform.calls.back(), u"message Unable to open hyperlink") << "a refused target is a failed open";
}

TEST(Hyperlinks, OnlyWebAndMailTargetsAreSafeForPages) {
    for (const char16_t* ok : {u"http://example.org/", u"HTTPS://example.org/", u"mailto:a@b", u"MailTo:x"}) {
        EXPECT_TRUE(IsWebOrMailTarget(ok)) << std::string(ok, ok + std::char_traits<char16_t>::length(ok));
    }
    for (const char16_t* bad : {u"C:\\Windows\\system32\\calc.exe", u"file:///C:/x", u"javascript:alert(1)",
                                u"\\\\server\\share", u"http:", u"ftp://x", u" http://x"}) {
        EXPECT_FALSE(IsWebOrMailTarget(bad)) << std::string(bad, bad + std::char_traits<char16_t>::length(bad));
    }
}

TEST(Hyperlinks, UntrustedRefusalReachesNeitherShellNorHandler) {
    FakePlatform platform;
    platform.handler = u"b.exe \"%1\"";
    platform.start_ok = true;
    EXPECT_FALSE(OpenHyperlink(platform, u"\\\\host\\share\\x.hta", HyperlinkTrust::Untrusted));
    EXPECT_EQ(platform.calls, (std::vector<std::u16string>{u"message Unable to open hyperlink"}));

    platform.calls.clear();
    EXPECT_TRUE(OpenHyperlink(platform, u"www.example.org", HyperlinkTrust::Untrusted));
    EXPECT_EQ(platform.calls, (std::vector<std::u16string>{u"shell http://www.example.org",
                                                           u"start b.exe  \"http://www.example.org\""}))
        << "the fallback gets the address as the shell did";
}

TEST(Hyperlinks, EmptyAddressOpensNothingAndSaysNothing) {
    FakePlatform platform;
    EXPECT_FALSE(OpenHyperlink(platform, u""));
    EXPECT_TRUE(platform.calls.empty());
}

}  // namespace
}  // namespace brixel
