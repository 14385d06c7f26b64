#include "core/xp_schemes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "core/enums.h"
#include "core/platform_caps.h"

namespace brixel {
namespace {

struct ThemeCase {
    const char* name;
    std::optional<std::u16string_view> active;
    std::optional<std::u16string_view> colour;
    std::int16_t scheme;
};

class ThemeDetection : public ::testing::TestWithParam<ThemeCase> {};

TEST_P(ThemeDetection, ReadsTheThemeValues) {
    EXPECT_EQ(SchemeFromThemeValues(GetParam().active, GetParam().colour), GetParam().scheme);
}

INSTANTIATE_TEST_SUITE_P(Cases, ThemeDetection,
                         ::testing::Values(ThemeCase{"KeyMissing", std::nullopt, std::nullopt,
                                                     kvnXPBlueScheme},
                                           ThemeCase{"ThemeOff", u"0", u"Metallic", kvnXPBlueScheme},
                                           ThemeCase{"NeitherZeroNorOne", u"2", u"Metallic", kvnXPBlueScheme},
                                           ThemeCase{"NormalColor", u"1", u"NormalColor", kvnXPBlueScheme},
                                           ThemeCase{"Metallic", u"1", u"Metallic", kvnXPSilverScheme},
                                           ThemeCase{"HomeStead", u"1", u"HomeStead", kvnXPOliveGreenScheme},
                                           ThemeCase{"CaseMatters", u"1", u"metallic", kvnXPBlueScheme},
                                           ThemeCase{"ColourUnreadable", u"1", std::nullopt, kvnXPBlueScheme},
                                           ThemeCase{"UnknownColour", u"1", u"Royale", kvnXPBlueScheme}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SchemeColours, BordersOfTheThreeSchemes) {
    EXPECT_EQ(SchemeColours(kvnXPBlueScheme).border, MakeOleColor({0, 60, 116}));
    EXPECT_EQ(SchemeColours(kvnXPOliveGreenScheme).border, MakeOleColor({55, 98, 6}));
    EXPECT_EQ(SchemeColours(kvnXPSilverScheme).border, MakeOleColor({0, 60, 116}));
    EXPECT_EQ(SchemeColours(kvnXPSilverScheme).disabled_border, MakeOleColor({196, 195, 191}));
    EXPECT_EQ(SchemeColours(kvnXPOliveGreenScheme).office_mid, MakeOleColor({177, 192, 140}));
    EXPECT_EQ(SchemeColours(kvnXPSilverScheme).office_border, MakeOleColor({75, 75, 11}));
}

TEST(SchemeColours, ValuesOutsideTheSchemesReadAsBlue) {
    for (std::int16_t v : {std::int16_t{-1}, std::int16_t{3}, std::int16_t{200}}) {
        EXPECT_EQ(SchemeColours(v).disabled_border, SchemeColours(kvnXPBlueScheme).disabled_border) << v;
    }
}

TEST(Office2003Preset, WritesExactlyTheListedFields) {
    ButtonProperties before = NewControlProperties(u"B", 0);
    // Values the preset never produces, so every written field shows.
    for (const MemberInfo& m : MemberTable()) {
        if (const auto* colour = std::get_if<OleColor ButtonProperties::*>(&m.field))
            before.** colour = 0x0F0F0F;
        if (const auto* flag = std::get_if<bool ButtonProperties::*>(&m.field)) before.** flag = false;
        if (const auto* number = std::get_if<std::int16_t ButtonProperties::*>(&m.field))
            before.** number = 77;
    }
    ButtonProperties after = before;
    SetOffice2003LookDefaults(after, kvnXPOliveGreenScheme);
    const auto listed = Office2003PresetFields();
    for (const MemberInfo& m : MemberTable()) {
        const bool in_list = std::find(listed.begin(), listed.end(), m.field) != listed.end();
        EXPECT_EQ(!FieldEquals(before, after, m.field), in_list) << m.name;
    }
    EXPECT_EQ(after.GradientColor1, MakeOleColor({234, 240, 207}));
    EXPECT_EQ(after.MouseInGradientColor2, MakeOleColor({247, 192, 91}));
    EXPECT_EQ(after.DownGradientColor2, MakeOleColor({232, 127, 8}));
    EXPECT_EQ(after.DisabledFontColor, MakeOleColor({172, 168, 153}));
    EXPECT_EQ(after.MouseInBorderColor, MakeOleColor({63, 93, 56}));
}

struct CapsCase {
    const char* name;
    OsVersion version;
    Capabilities caps;
};

class PlatformCapabilities : public ::testing::TestWithParam<CapsCase> {};

TEST_P(PlatformCapabilities, FollowTheVersion) {
    const Capabilities c = CapabilitiesFor(GetParam().version);
    EXPECT_EQ(c.fast_primitives, GetParam().caps.fast_primitives);
    EXPECT_EQ(c.nt5, GetParam().caps.nt5);
    EXPECT_EQ(c.win9x, GetParam().caps.win9x);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, PlatformCapabilities,
    ::testing::Values(CapsCase{"Windows95", {OsPlatform::Win9x, 4, 0}, {false, false, false}},
                      CapsCase{"Windows98", {OsPlatform::Win9x, 4, 10}, {true, false, true}},
                      CapsCase{"WindowsMe", {OsPlatform::Win9x, 4, 90}, {true, false, true}},
                      CapsCase{"NT4", {OsPlatform::NT, 4, 0}, {false, false, false}},
                      CapsCase{"Windows2000", {OsPlatform::NT, 5, 0}, {true, true, false}},
                      CapsCase{"WindowsXP", {OsPlatform::NT, 5, 1}, {true, true, false}},
                      CapsCase{"Windows7", {OsPlatform::NT, 6, 1}, {true, false, false}},
                      CapsCase{"Windows10", {OsPlatform::NT, 10, 0}, {true, false, false}},
                      CapsCase{"Unknown", {OsPlatform::Other, 10, 0}, {false, false, false}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WindowsFormsHost, RecognisedByItsClassNamePrefix) {
    EXPECT_TRUE(IsWindowsFormsClassName(u"WindowsForms10.Window.8.app.0.2bf8098_r6_ad1"));
    EXPECT_FALSE(IsWindowsFormsClassName(u"windowsforms10.Window"));
    EXPECT_FALSE(IsWindowsFormsClassName(u"ThunderRT6FormDC"));
}

}  // namespace
}  // namespace brixel
