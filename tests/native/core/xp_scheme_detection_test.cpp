#include "core/xp_scheme_detection.h"

#include "core/enums.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

namespace brixel {
namespace {

// The current user's theme values as the registry would hand them over:
// UTF-16LE with a terminating NUL, unless a case stores raw bytes.
class FakeThemeSettings final : public ThemeSettingsReader {
public:
    void SetText(std::u16string name, std::u16string_view text) {
        std::vector<std::uint8_t> bytes;
        for (char16_t c : text) {
            bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
            bytes.push_back(static_cast<std::uint8_t>(c >> 8));
        }
        bytes.push_back(0);
        bytes.push_back(0);
        values_[std::move(name)] = bytes;
    }
    void SetBytes(std::u16string name, std::vector<std::uint8_t> bytes) { values_[std::move(name)] = bytes; }

    std::optional<std::size_t> ReadThemeValue(std::u16string_view name, ThemeValueBuffer buffer) const override {
        reads.emplace_back(name);
        const auto it = values_.find(std::u16string(name));
        if (it == values_.end() || it->second.size() > buffer.size()) return std::nullopt;
        // Whatever the buffer held before stays beyond the stored bytes.
        std::fill(buffer.begin(), buffer.end(), std::uint8_t{'X'});
        std::copy(it->second.begin(), it->second.end(), buffer.begin());
        return it->second.size();
    }

    mutable std::vector<std::u16string> reads;

private:
    std::map<std::u16string, std::vector<std::uint8_t>> values_;
};

struct DetectionCase {
    const char* name;
    std::optional<std::u16string_view> active;
    std::optional<std::u16string_view> colour;
    std::int16_t scheme;
};

class SchemeDetection : public ::testing::TestWithParam<DetectionCase> {};

TEST_P(SchemeDetection, FromTheThemeValues) {
    FakeThemeSettings settings;
    if (GetParam().active) settings.SetText(u"ThemeActive", *GetParam().active);
    if (GetParam().colour) settings.SetText(u"ColorName", *GetParam().colour);
    EXPECT_EQ(GetSystemXPColorScheme(settings), GetParam().scheme);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SchemeDetection,
    ::testing::Values(DetectionCase{"KeyMissing", std::nullopt, std::nullopt, kvnXPBlueScheme},
                      DetectionCase{"ThemeOffIgnoresTheColour", u"0", u"Metallic", kvnXPBlueScheme},
                      DetectionCase{"ThemeActiveNeitherZeroNorOne", u"01", u"Metallic", kvnXPBlueScheme},
                      DetectionCase{"ThemeActiveEmpty", u"", u"HomeStead", kvnXPBlueScheme},
                      DetectionCase{"Blue", u"1", u"NormalColor", kvnXPBlueScheme},
                      DetectionCase{"OliveGreen", u"1", u"HomeStead", kvnXPOliveGreenScheme},
                      DetectionCase{"Silver", u"1", u"Metallic", kvnXPSilverScheme},
                      DetectionCase{"LowerCaseMetallicIsBlue", u"1", u"metallic", kvnXPBlueScheme},
                      DetectionCase{"TrailingBlankIsNoName", u"1", u"HomeStead ", kvnXPBlueScheme},
                      DetectionCase{"ColourMissing", u"1", std::nullopt, kvnXPBlueScheme}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SchemeDetectionReads, TheColourNameOnlyWhileAThemeIsActive) {
    FakeThemeSettings off;
    off.SetText(u"ThemeActive", u"0");
    off.SetText(u"ColorName", u"Metallic");
    GetSystemXPColorScheme(off);
    EXPECT_EQ(off.reads, (std::vector<std::u16string>{u"ThemeActive"}));

    FakeThemeSettings on;
    on.SetText(u"ThemeActive", u"1");
    on.SetText(u"ColorName", u"Metallic");
    GetSystemXPColorScheme(on);
    EXPECT_EQ(on.reads, (std::vector<std::u16string>{u"ThemeActive", u"ColorName"}));
}

TEST(SchemeDetectionReads, AValueTooLongForTheBufferCountsAsUnreadable) {
    FakeThemeSettings settings;
    settings.SetText(u"ThemeActive", u"1");
    // 130 characters and the NUL need 262 bytes.
    settings.SetText(u"ColorName", u"Metallic" + std::u16string(122, u' '));
    EXPECT_EQ(GetSystemXPColorScheme(settings), kvnXPBlueScheme);
}

TEST(SchemeDetectionReads, AValueStoredWithoutItsNulStopsAtItsLength) {
    FakeThemeSettings settings;
    settings.SetBytes(u"ThemeActive", {'1', 0});
    settings.SetBytes(u"ColorName", {'M', 0, 'e', 0, 't', 0, 'a', 0, 'l', 0, 'l', 0, 'i', 0, 'c', 0});
    EXPECT_EQ(GetSystemXPColorScheme(settings), kvnXPSilverScheme);
}

TEST(ThemeValueText, StopsAtTheFirstNulAndDropsAnOddByte) {
    const std::uint8_t bytes[] = {'H', 0, 'i', 0, 0, 0, 'X', 0};
    EXPECT_EQ(ThemeValueText(bytes, 8), u"Hi");
    EXPECT_EQ(ThemeValueText(bytes, 3), u"H");
    EXPECT_EQ(ThemeValueText(bytes, 0), u"");
    // A count beyond the buffer reads only the buffer.
    EXPECT_EQ(ThemeValueText(std::span(bytes, 4), 400), u"Hi");
}

TEST(GetXPBorderColor, FollowsTheDesktopScheme) {
    struct Case {
        const char* name;
        std::u16string_view colour;
        Rgb enabled, disabled;
    };
    const Case cases[] = {
        {"blue", u"NormalColor", {0, 60, 116}, {201, 199, 186}},
        {"olive green", u"HomeStead", {55, 98, 6}, {202, 196, 184}},
        {"silver", u"Metallic", {0, 60, 116}, {196, 195, 191}},
    };
    for (const Case& c : cases) {
        FakeThemeSettings settings;
        settings.SetText(u"ThemeActive", u"1");
        settings.SetText(u"ColorName", c.colour);
        EXPECT_EQ(GetXPBorderColor(settings, false), c.enabled) << c.name;
        EXPECT_EQ(GetXPBorderColor(settings, true), c.disabled) << c.name;
    }
    FakeThemeSettings nothing;
    EXPECT_EQ(GetXPBorderColor(nothing, true), (Rgb{201, 199, 186}));
}

}  // namespace
}  // namespace brixel
