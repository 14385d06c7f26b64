#include "core/state_selection.h"

#include <gtest/gtest.h>

#include <string>

#include "core/enums.h"
#include "core/property_table.h"
#include "model_fakes.h"

namespace brixel {
namespace {

using testing::MakePicture;

// A new control's record, with every state colour told apart.
ButtonProperties Distinct() {
    ButtonProperties p = NewControlProperties(u"B", 0xAAAAAA);
    p.BackColor = 0x10;
    p.MouseInBackColor = 0x11;
    p.DownBackColor = 0x12;
    p.DisabledBackColor = 0x13;
    p.BorderColor = 0x20;
    p.MouseInBorderColor = 0x21;
    p.DownBorderColor = 0x22;
    p.DisabledBorderColor = 0x23;
    p.FontColor = 0x30;
    p.MouseInFontColor = 0x31;
    p.DownFontColor = 0x32;
    p.DisabledFontColor = 0x33;
    p.BorderStyle = kvnSolid;
    p.MouseInBorderStyle = kvnDots;
    p.DownBorderStyle = kvnDashes;
    return p;
}

struct Situation {
    bool enabled = true;
    bool enable_disabled = true;
    bool enable_down = true;
    bool enable_mouse_in = true;
    bool split_menu = false;      // Menu with the split style
    bool drop_down_menu = false;  // Menu with the whole-button style
    InteractionState s;
};

ButtonProperties Apply(const Situation& x) {
    ButtonProperties p = Distinct();
    p.Enabled = x.enabled;
    p.EnableDisabledProperties = x.enable_disabled;
    p.EnableDownProperties = x.enable_down;
    p.EnableMouseInProperties = x.enable_mouse_in;
    p.Menu = x.split_menu || x.drop_down_menu;
    p.MenuButtonStyle =
        x.drop_down_menu ? kvnMenuButtonStyleDropDown : kvnMenuButtonStylePushButtonAndDropDown;
    return p;
}

struct VariantCase {
    const char* name;
    Situation x;
    StateVariant set;
    OleColor back, border, font_colour;
    std::int16_t border_style;
};

class VariantSelection : public ::testing::TestWithParam<VariantCase> {};

TEST_P(VariantSelection, PicksThePrecedenceRow) {
    const VariantCase& c = GetParam();
    const ButtonProperties p = Apply(c.x);
    EXPECT_EQ(SelectStateSet(p, c.x.s), c.set);
    EXPECT_EQ(SelectBackColor(p, c.x.s), c.back);
    EXPECT_EQ(GetButtonBorderColor(p, c.x.s), c.border);
    EXPECT_EQ(SelectCaption(p, c.x.s).colour, c.font_colour);
    EXPECT_EQ(GetBorderStyle(p, c.x.s), c.border_style);
}

constexpr InteractionState kMouseIn{true, false, false, false, false};
constexpr InteractionState kPressedIn{true, true, false, false, false};
constexpr InteractionState kToggled{false, false, true, false, false};
constexpr InteractionState kMenuOpen{false, false, false, true, false};

INSTANTIATE_TEST_SUITE_P(
    Rows, VariantSelection,
    ::testing::Values(
        VariantCase{"Normal", {}, StateVariant::Normal, 0x10, 0x20, 0x30, kvnSolid},
        VariantCase{"MouseIn", {.s = kMouseIn}, StateVariant::MouseIn, 0x11, 0x21, 0x31, kvnDots},
        VariantCase{"MouseInSwitchedOff",
                    {.enable_mouse_in = false, .s = kMouseIn},
                    StateVariant::Normal,
                    0x10,
                    0x20,
                    0x30,
                    kvnSolid},
        VariantCase{
            "PressedBeatsMouseIn", {.s = kPressedIn}, StateVariant::Down, 0x12, 0x22, 0x32, kvnDashes},
        VariantCase{"DownSwitchedOffFallsToMouseIn",
                    {.enable_down = false, .s = kPressedIn},
                    StateVariant::MouseIn,
                    0x11,
                    0x21,
                    0x31,
                    kvnDots},
        VariantCase{"Toggled", {.s = kToggled}, StateVariant::Down, 0x12, 0x22, 0x32, kvnDashes},
        VariantCase{"DisabledBeatsEverything",
                    {.enabled = false, .s = kPressedIn},
                    StateVariant::Disabled,
                    0x13,
                    0x23,
                    0x33,
                    kvnDashes},
        VariantCase{"DisabledSwitchedOffShowsTheLatch",
                    {.enabled = false, .enable_disabled = false, .s = kToggled},
                    StateVariant::Down,
                    0x12,
                    0x22,
                    0x32,
                    kvnDashes},
        // An open split menu: down back colour (the main part is refilled by
        // painting), normal border and caption.
        VariantCase{"OpenSplitMenu",
                    {.split_menu = true, .s = kMenuOpen},
                    StateVariant::Normal,
                    0x12,
                    0x20,
                    0x30,
                    kvnSolid},
        VariantCase{"OpenDropDownMenu",
                    {.drop_down_menu = true, .s = kMenuOpen},
                    StateVariant::Normal,
                    0x12,
                    0x20,
                    0x32,
                    kvnDashes},
        VariantCase{"OpenSplitMenuDownSwitchedOff",
                    {.enable_down = false, .split_menu = true, .s = kMenuOpen},
                    StateVariant::Normal,
                    0x10,
                    0x20,
                    0x30,
                    kvnSolid}),
    [](const auto& info) { return std::string(info.param.name); });

struct FaceCase {
    const char* name;
    std::int16_t appearance;
    bool mouse_in, user_mode, enabled;
    FaceKind face;
};

class EffectiveFaces : public ::testing::TestWithParam<FaceCase> {};

TEST_P(EffectiveFaces, FollowAppearanceAndMouse) {
    ButtonProperties p = Distinct();
    p.Appearance = GetParam().appearance;
    p.Enabled = GetParam().enabled;
    InteractionState s;
    s.mouse_in = GetParam().mouse_in;
    EXPECT_EQ(EffectiveFace(p, s, GetParam().user_mode), GetParam().face);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EffectiveFaces,
    ::testing::Values(FaceCase{"Flat", kvnFlat, true, true, true, FaceKind::Flat},
                      FaceCase{"ThreeD", kvn3D, false, false, false, FaceKind::ThreeD},
                      FaceCase{"XP", kvnXPStyleAPB, false, false, false, FaceKind::XP},
                      FaceCase{"XPWithMouseOutside", kvnXPWithMouse, false, true, true, FaceKind::Flat},
                      FaceCase{"XPWithMouseInside", kvnXPWithMouse, true, true, true, FaceKind::XP},
                      FaceCase{"XPWithMouseAtDesignTime", kvnXPWithMouse, true, false, true, FaceKind::Flat},
                      FaceCase{"XPWithMouseDisabled", kvnXPWithMouse, true, true, false, FaceKind::Flat},
                      FaceCase{"ThreeDWithMouseInside", kvn3DWithMouse, true, true, true, FaceKind::ThreeD},
                      FaceCase{"ThreeDWithMouseAtDesignTime", kvn3DWithMouse, true, false, true,
                               FaceKind::Flat},
                      FaceCase{"UnknownValue", 9, true, true, true, FaceKind::Flat}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CustomBorderFlagOfTheState, FollowsTheBorderColourRowAndIsSetWhileDisabled) {
    ButtonProperties p = Distinct();
    p.CustomMouseInBorderColor = true;
    EXPECT_FALSE(StateBorderColourIsCustom(p, {}));
    EXPECT_TRUE(StateBorderColourIsCustom(p, kMouseIn));
    EXPECT_FALSE(StateBorderColourIsCustom(p, kPressedIn));
    p.Enabled = false;
    p.EnableDisabledProperties = false;
    EXPECT_TRUE(StateBorderColourIsCustom(p, {}));
}

struct PictureCase {
    const char* name;
    bool picture, mouse_in_picture, down_picture, disabled_picture;
    std::int16_t over_effect, down_effect;
    bool enabled;
    InteractionState s;
    int mode;
};

class PictureModes : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PictureModes, ChooseThePictureDrawn) {
    const PictureCase& c = GetParam();
    ButtonProperties p = Distinct();
    if (c.picture) p.Picture = MakePicture();
    if (c.mouse_in_picture) p.MouseInPicture = MakePicture();
    if (c.down_picture) p.DownPicture = MakePicture();
    if (c.disabled_picture) p.DisabledPicture = MakePicture();
    p.PictureEffectWhenMouseOver = c.over_effect;
    p.PictureEffectWhenMouseDown = c.down_effect;
    p.Enabled = c.enabled;
    EXPECT_EQ(ChoosePictureMode(p, c.s), c.mode);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PictureModes,
    ::testing::Values(
        PictureCase{"Nothing", false, false, false, false, 0, 0, true, {}, kPictureNone},
        PictureCase{"Plain", true, false, false, false, 0, 0, true, {}, kPicturePlain},
        PictureCase{"MouseInPicture", true, true, false, false, 1, 0, true, kMouseIn, kPictureMouseIn},
        PictureCase{"OverEffect", true, false, false, false, 2, 0, true, kMouseIn, 2},
        PictureCase{"DownPicture", true, true, true, false, 0, 3, true, kPressedIn, kPictureDown},
        PictureCase{"DownEffect", true, true, false, false, 0, 3, true, kPressedIn, 3},
        PictureCase{"PressedNoEffectMouseInPicture", true, true, false, false, 0, 0, true, kPressedIn,
                    kPictureMouseIn},
        PictureCase{"DisabledPicture", true, false, false, true, 0, 0, false, {}, kPictureDisabled},
        PictureCase{"DisabledWithoutItsPicture", true, false, false, false, 0, 0, false, {}, kPicturePlain},
        PictureCase{"EffectOutsideTheListDrawsPlain", true, false, false, false, 7, 0, true, kMouseIn,
                    kPicturePlain}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GradientChoice, FollowsTheStateRules) {
    ButtonProperties p = Distinct();
    p.Gradient = true;
    EXPECT_EQ(SelectGradient(p, {}, true).face, StateVariant::Normal);
    EXPECT_EQ(SelectGradient(p, kMouseIn, true).face, std::nullopt) << "mouse-in set on, its gradient off";
    p.EnableMouseInProperties = false;
    p.Appearance = kvnFlat;
    EXPECT_EQ(SelectGradient(p, kMouseIn, true).face, StateVariant::Normal);
    p.Appearance = kvnXPStyleAPB;
    EXPECT_EQ(SelectGradient(p, kMouseIn, true).face, std::nullopt);
    p.GradientStyle = kvnGradientStyleXPStyle2;
    EXPECT_EQ(SelectGradient(p, kPressedIn, true).face, StateVariant::Normal) << "XP styles on the XP face";
    p.Enabled = false;
    EXPECT_EQ(SelectGradient(p, {}, true).face, std::nullopt);
    p.DisabledGradient = true;
    EXPECT_EQ(SelectGradient(p, {}, true).face, StateVariant::Disabled);
}

TEST(GradientChoice, AnOpenSplitMenuFillsItsPartWithTheDownSet) {
    ButtonProperties p = Distinct();
    p.Menu = true;
    p.Gradient = true;
    p.DownGradient = true;
    const GradientChoice g = SelectGradient(p, kMenuOpen, true);
    EXPECT_EQ(g.face, StateVariant::Normal);
    EXPECT_EQ(g.menu_part, StateVariant::Down);
}

TEST(DefaultLook, TransparencyAndTheContainerDecide) {
    ButtonProperties p = Distinct();
    EXPECT_TRUE(ShownAsDefault(p, true, true));
    EXPECT_FALSE(ShownAsDefault(p, false, true));
    p.TranslucentStyle = kvnAll;
    EXPECT_TRUE(ShownAsDefault(p, true, true)) << "blended with a level: not transparent";
    EXPECT_FALSE(ShownAsDefault(p, true, false));
    p.TranslucentLevel = 0;
    EXPECT_TRUE(IsButtonTransparent(p, true));
}

}  // namespace
}  // namespace brixel
