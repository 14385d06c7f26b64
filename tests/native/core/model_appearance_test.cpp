// The algorithms that change several properties at once: the appearance, the
// XP colour scheme, the Office 2003 style and the scheme follow-up.
#include <gtest/gtest.h>

#include <string>

#include "core/button_model.h"
#include "core/dispids.h"
#include "core/enums.h"
#include "core/xp_schemes.h"
#include "model_fakes.h"

namespace brixel {
namespace {

using testing::ModelFixture;

constexpr OleColor kBlueBorder = 0x743C00;
constexpr OleColor kOliveBorder = 0x066237;    // RGB(55, 98, 6)
constexpr OleColor kBlueDisabled = 0xBAC7C9;   // RGB(201, 199, 186)
constexpr OleColor kOliveDisabled = 0xB8C4CA;  // RGB(202, 196, 184)
constexpr OleColor kSilverDisabled = 0xBFC3C4;
constexpr OleColor kInactiveBorderRef = 0x8000000B;

bool AnyCustomFlag(const ButtonProperties& p) {
    return p.CustomBorderColor || p.CustomMouseInBorderColor || p.CustomBackBorderColor;
}

TEST(AppearanceChange, TheAppliedValueAgainDoesNothing) {
    ModelFixture f;
    EXPECT_EQ(f.Put(dispid::kAppearance, std::int16_t{kvnXPStyleAPB}).status, PutStatus::Unchanged);
    EXPECT_EQ(f.host.modified, 0);
    EXPECT_EQ(f.host.repaints, 0);
    EXPECT_TRUE(f.host.notified.empty());
}

TEST(AppearanceChange, LeavingXPTakesBackTheSchemeColours) {
    ModelFixture f;
    f.Put(dispid::kAppearance, std::int16_t{kvnFlat});
    EXPECT_EQ(f.props().BorderColor, 0u);
    EXPECT_EQ(f.props().MouseInBorderColor, 0u);
    EXPECT_EQ(f.props().DownBorderColor, 0u);
    EXPECT_EQ(f.props().DisabledBorderColor, 0xC8D0D4u) << "the default is not the scheme's disabled colour";
    EXPECT_FALSE(AnyCustomFlag(f.props())) << "the control's own writes set no flag";
    EXPECT_EQ(f.host.regions, 1);
    EXPECT_EQ(f.host.repaints, 1) << "one redraw at the end, none per colour";
    // Each border colour's change handling ran, then the appearance's own tail.
    EXPECT_EQ(f.host.notified,
              (std::vector<std::int32_t>{dispid::kBorderColor, dispid::kDownBorderColor,
                                         dispid::kMouseInBorderColor, dispid::kDisabledBorderColor,
                                         dispid::kAppearance}));
}

TEST(AppearanceChange, LeavingXPKeepsTheUsersColoursButClearsTheirFlags) {
    ModelFixture f;
    f.Put(dispid::kBorderColor, OleColor{0x123456});
    f.Put(dispid::kDisabledBorderColor, kBlueDisabled);
    ASSERT_TRUE(f.props().CustomBorderColor);
    f.Put(dispid::kAppearance, std::int16_t{kvn3D});
    EXPECT_EQ(f.props().BorderColor, 0x123456u);
    EXPECT_EQ(f.props().DownBorderColor, 0u);
    EXPECT_EQ(f.props().DisabledBorderColor, kInactiveBorderRef);
    EXPECT_FALSE(AnyCustomFlag(f.props()));
}

TEST(AppearanceChange, OnlyTheEffectiveSchemesColoursAreTakenBack) {
    ModelFixture f;
    f.model.PropsForExchange().XPColorScheme = kvnXPOliveGreenScheme;
    f.Put(dispid::kAppearance, std::int16_t{kvnFlat});
    EXPECT_EQ(f.props().BorderColor, kBlueBorder) << "blue is not the olive scheme's border";
}

TEST(AppearanceChange, EnteringXPOverwritesEveryBorderColour) {
    ModelFixture f;
    f.Put(dispid::kAppearance, std::int16_t{kvnFlat});
    f.Put(dispid::kMouseInBorderColor, OleColor{0x00FF00});
    f.Put(dispid::kXPColorScheme, std::int16_t{kvnXPOliveGreenScheme});
    f.Put(dispid::kAppearance, std::int16_t{kvnXPStyleAPB});
    EXPECT_EQ(f.props().BorderColor, kOliveBorder);
    EXPECT_EQ(f.props().MouseInBorderColor, kOliveBorder);
    EXPECT_EQ(f.props().DownBorderColor, kOliveBorder);
    EXPECT_EQ(f.props().DisabledBorderColor, kOliveDisabled);
    EXPECT_FALSE(AnyCustomFlag(f.props()));
}

TEST(AppearanceChange, XPWhenMouseOverCountsAsXPOnlyUnderTheMouseAtRunTime) {
    for (const bool run_time : {false, true}) {
        ModelFixture f;
        f.host.user_mode = run_time;
        f.behavior.state.mouse_in = true;
        f.Put(dispid::kAppearance, std::int16_t{kvnFlat});
        f.Put(dispid::kAppearance, std::int16_t{kvnXPWithMouse});
        EXPECT_EQ(f.props().BorderColor, run_time ? kBlueBorder : 0u) << "run time: " << run_time;
    }
}

TEST(XPColorSchemeChange, AnXPFaceFollowsTheSchemeWhateverTheUserChose) {
    ModelFixture f;
    f.Put(dispid::kBorderColor, OleColor{0x123456});
    f.Put(dispid::kXPColorScheme, std::int16_t{kvnXPOliveGreenScheme});
    EXPECT_EQ(f.props().BorderColor, kOliveBorder);
    EXPECT_EQ(f.props().DisabledBorderColor, kOliveDisabled);
    EXPECT_FALSE(AnyCustomFlag(f.props()));
}

TEST(XPColorSchemeChange, AFlatFaceKeepsItsColoursButLosesTheFlags) {
    ModelFixture f;
    f.Put(dispid::kAppearance, std::int16_t{kvnFlat});
    f.Put(dispid::kBorderColor, OleColor{0x123456});
    f.Put(dispid::kXPColorScheme, std::int16_t{kvnXPSilverScheme});
    EXPECT_EQ(f.props().BorderColor, 0x123456u);
    EXPECT_FALSE(f.props().CustomBorderColor);
}

TEST(XPColorSchemeChange, AutoDetectUsesTheDesktop) {
    ModelFixture f;
    f.host.desktop_scheme = kvnXPSilverScheme;
    f.Put(dispid::kXPColorScheme, std::int16_t{kvnXPAutoDetect});
    EXPECT_EQ(f.props().DisabledBorderColor, kSilverDisabled);
    EXPECT_EQ(f.model.EffectiveXPScheme(), kvnXPSilverScheme);
}

TEST(XPColorSchemeChange, ReappliesTheOfficePresetInTheNewScheme) {
    ModelFixture f;
    f.Put(dispid::kAppearanceStyle, std::int16_t{kvnAppearanceOffice2003Style});
    f.Put(dispid::kXPColorScheme, std::int16_t{kvnXPOliveGreenScheme});
    EXPECT_EQ(f.props().GradientColor1, SchemeColours(kvnXPOliveGreenScheme).office_light);
    EXPECT_EQ(f.props().DownBorderColor, SchemeColours(kvnXPOliveGreenScheme).office_border);
}

// Gives every field the preset writes a value of the user's own.
void CustomisePresetFields(ButtonProperties& p) {
    p.EnableMouseInProperties = false;
    p.Gradient = true;
    p.GradientStyle = kvnGradientStyleCorner;
    p.DownGradientStyleVariant = kvnGradientStyleVariant4;
    p.GradientColor1 = 0x010203;
    p.DisabledGradientColor2 = 0x040506;
    p.MouseInGradientColor1 = 0x070809;
    p.BorderStyle = kvnDashes;
    p.MouseInBorderColor = 0x0A0B0C;
    p.DisabledFontColor = 0x0D0E0F;
}

bool RecordsEqual(const ButtonProperties& a, const ButtonProperties& b, std::string* differing) {
    for (const MemberInfo& m : MemberTable()) {
        if (!FieldEquals(a, b, m.field)) {
            *differing = std::string(m.name);
            return false;
        }
    }
    return true;
}

TEST(Office2003Style, ThereAndBackRestoresExactly) {
    ModelFixture f;
    CustomisePresetFields(f.model.PropsForExchange());
    const ButtonProperties before = f.props();
    f.Put(dispid::kAppearanceStyle, std::int16_t{kvnAppearanceOffice2003Style});
    EXPECT_EQ(f.props().GradientColor1, 0xFCE1CBu) << "blue light colour RGB(203, 225, 252)";
    EXPECT_EQ(f.props().DownBorderColor, 0x800000u) << "blue border RGB(0, 0, 128)";
    EXPECT_EQ(f.props().BorderStyle, kvnNone);
    EXPECT_EQ(f.props().DownGradientStyleVariant, kvnGradientStyleVariant2);
    f.Put(dispid::kAppearanceStyle, std::int16_t{kvnAppearanceDefaultStyle});
    std::string differing;
    EXPECT_TRUE(RecordsEqual(before, f.props(), &differing)) << differing << " was not restored";
    EXPECT_EQ(f.host.notified.back(), dispid::kAppearanceStyle);
}

TEST(Office2003Style, ARepeatedWriteKeepsTheFirstSave) {
    ModelFixture f;
    CustomisePresetFields(f.model.PropsForExchange());
    const ButtonProperties before = f.props();
    f.Put(dispid::kAppearanceStyle, std::int16_t{kvnAppearanceOffice2003Style});
    f.Put(dispid::kAppearanceStyle, std::int16_t{kvnAppearanceOffice2003Style});
    f.Put(dispid::kAppearanceStyle, std::int16_t{kvnAppearanceDefaultStyle});
    std::string differing;
    EXPECT_TRUE(RecordsEqual(before, f.props(), &differing)) << differing;
}

TEST(Office2003Style, WithoutASaveOfItsOwnTheDefaultsReturn) {
    ModelFixture f;
    ButtonProperties& loaded = f.model.PropsForExchange();
    CustomisePresetFields(loaded);
    SetOffice2003LookDefaults(loaded, kvnXPBlueScheme);
    loaded.AppearanceStyle = kvnAppearanceOffice2003Style;
    loaded.FontColor = 0x00FF00;  // not the preset's: stays
    f.Put(dispid::kAppearanceStyle, std::int16_t{kvnAppearanceDefaultStyle});
    const ButtonProperties fresh = NewControlProperties(u"BrixelDemo1", 0xD8E9EC);
    for (const RecordField& field : Office2003PresetFields()) {
        EXPECT_TRUE(FieldEquals(f.props(), fresh, field));
    }
    EXPECT_EQ(f.props().FontColor, 0x00FF00u);
}

TEST(Office2003Style, DefaultToDefaultRestoresNothing) {
    ModelFixture f;
    f.Put(dispid::kAppearanceStyle, std::int16_t{kvnAppearanceOffice2003Style});
    f.Put(dispid::kAppearanceStyle, std::int16_t{kvnAppearanceDefaultStyle});
    f.Put(dispid::kGradientColor1, OleColor{0x010101});
    f.Put(dispid::kAppearanceStyle, std::int16_t{kvnAppearanceDefaultStyle});
    EXPECT_EQ(f.props().GradientColor1, 0x010101u);
}

struct SchemeFollowUp : ::testing::Test {
    SchemeFollowUp() {
        f.host.user_mode = true;
        f.model.PropsForExchange().XPColorScheme = kvnXPAutoDetect;
        f.model.WindowCreated();
    }
    ModelFixture f;
};

TEST_F(SchemeFollowUp, BordersTheUserDidNotChooseFollowTheDesktop) {
    f.Put(dispid::kBorderColor, OleColor{0x123456});
    f.host.ClearRecords();
    f.host.desktop_scheme = kvnXPOliveGreenScheme;
    EXPECT_TRUE(f.model.CheckIfTheSchemeChanged());
    EXPECT_EQ(f.props().BorderColor, 0x123456u);
    EXPECT_EQ(f.props().DownBorderColor, kOliveBorder);
    EXPECT_EQ(f.props().MouseInBorderColor, kOliveBorder);
    EXPECT_FALSE(f.props().CustomBackBorderColor || f.props().CustomMouseInBorderColor);
    EXPECT_EQ(f.host.modified, 2);
    EXPECT_EQ(f.host.repaints, 0) << "the draw request under way paints";
    EXPECT_FALSE(f.model.CheckIfTheSchemeChanged()) << "the change is remembered";
}

TEST_F(SchemeFollowUp, OnlyUnderAutoDetectOnAnXPFace) {
    f.host.desktop_scheme = kvnXPSilverScheme;
    f.model.PropsForExchange().Appearance = kvnFlat;
    EXPECT_FALSE(f.model.CheckIfTheSchemeChanged());
    f.model.PropsForExchange().Appearance = kvnXPStyleAPB;
    f.model.PropsForExchange().XPColorScheme = kvnXPBlueScheme;
    EXPECT_FALSE(f.model.CheckIfTheSchemeChanged());
    f.model.PropsForExchange().XPColorScheme = kvnXPAutoDetect;
    EXPECT_TRUE(f.model.CheckIfTheSchemeChanged());
}

TEST(WindowCreation, RemembersTheLoadedAppearance) {
    ModelFixture f;
    f.model.PropsForExchange().Appearance = kvnFlat;  // loaded
    f.model.WindowCreated();
    EXPECT_EQ(f.Put(dispid::kAppearance, std::int16_t{kvnFlat}).status, PutStatus::Unchanged);
}

TEST(WindowCreation, ATranslucentControlShowsNoFocusBorder) {
    ModelFixture f;
    f.model.PropsForExchange().TranslucentStyle = kvnAll;
    f.model.WindowCreated();
    EXPECT_FALSE(f.props().ShowFocusBorder);
}

TEST(AmbientChanges, RepaintWhenTheyCanShow) {
    ModelFixture f;
    f.model.AmbientPropertyChanged(dispid::kAmbientDisplayAsDefault);
    f.model.AmbientPropertyChanged(dispid::kAmbientBackColor);
    f.model.AmbientPropertyChanged(-710);  // the ambient font: the control keeps its own
    EXPECT_EQ(f.host.repaints, 2);
    f.model.PropsForExchange().Active = false;
    f.model.AmbientPropertyChanged(dispid::kAmbientDisplayAsDefault);
    EXPECT_EQ(f.host.repaints, 2);
    EXPECT_EQ(f.host.modified, 0);
}

TEST(Loading, ArmsTheAutoDropFromBothSwitches) {
    ModelFixture f;
    f.model.PropsForExchange().MenuAutoDrop = true;
    f.model.ArmAutoDropFromProperties();
    EXPECT_FALSE(f.behavior.state.auto_drop_armed);
    f.model.PropsForExchange().Menu = true;
    f.model.ArmAutoDropFromProperties();
    EXPECT_TRUE(f.behavior.state.auto_drop_armed);
}

}  // namespace
}  // namespace brixel
