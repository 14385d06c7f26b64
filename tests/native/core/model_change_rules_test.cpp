// The property model's change rules: the common tail, which changes repaint,
// the guarded setters and the single-property algorithms.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/button_model.h"
#include "core/dispids.h"
#include "core/enums.h"
#include "model_fakes.h"

namespace brixel {
namespace {

using testing::MakePicture;
using testing::ModelFixture;

TEST(CommonTail, DesignTimeMarksModifiedAndNotifiesTheDispid) {
    ModelFixture f;
    EXPECT_EQ(f.Put(dispid::kFontColor, OleColor{0xFF}).status, PutStatus::Done);
    EXPECT_EQ(f.props().FontColor, 0xFFu);
    EXPECT_EQ(f.host.modified, 1);
    EXPECT_EQ(f.host.notified, std::vector<std::int32_t>{dispid::kFontColor});
}

TEST(CommonTail, RunTimeAndSilentContainersDoNotNotify) {
    for (std::optional<bool> user_mode : {std::optional<bool>(true), std::optional<bool>()}) {
        ModelFixture f;
        f.host.user_mode = user_mode;
        f.Put(dispid::kFontColor, OleColor{0xFF});
        EXPECT_EQ(f.host.modified, 1);
        EXPECT_TRUE(f.host.notified.empty()) << "user mode answered: " << user_mode.has_value();
    }
}

TEST(Ambients, ASilentContainerMeansRunTimeAndNoDefaultLook) {
    ModelFixture f;
    f.host.user_mode.reset();
    EXPECT_TRUE(f.model.UserMode());
    EXPECT_FALSE(f.model.DisplayAsDefault());
    f.host.user_mode = false;
    f.host.display_as_default = true;
    EXPECT_FALSE(f.model.UserMode());
    EXPECT_TRUE(f.model.DisplayAsDefault());
}

TEST(CommonTail, FontAnnouncesTheStockNumberAtRunTimeToo) {
    ModelFixture f;
    f.host.user_mode = true;
    FontDesc bold;
    bold.weight = 700;
    f.Put(dispid::kFont, bold);
    EXPECT_EQ(f.props().Font.weight, 700);
    EXPECT_EQ(f.host.notified, std::vector<std::int32_t>{dispid::kStockFont});
    EXPECT_EQ(f.host.repaints, 1);
}

TEST(CommonTail, DefaultMemberWritesTheCaption) {
    ModelFixture f;
    f.Put(dispid::kDefaultCaption, std::u16string(u"&Save"));
    EXPECT_EQ(f.props().Caption, u"&Save");
    EXPECT_EQ(f.host.notified, std::vector<std::int32_t>{dispid::kCaption});
}

struct RepaintCase {
    const char* name;
    std::int32_t dispid;
    PropertyValue value;
    std::function<void(ModelFixture&)> setup;
    bool repaints;
};

class RepaintRules : public ::testing::TestWithParam<RepaintCase> {};

TEST_P(RepaintRules, RepaintOnlyWhenTheValueShows) {
    ModelFixture f;
    f.host.user_mode = true;
    if (GetParam().setup) GetParam().setup(f);
    f.host.ClearRecords();
    EXPECT_EQ(f.Put(GetParam().dispid, GetParam().value).status, PutStatus::Done);
    EXPECT_EQ(f.host.repaints, GetParam().repaints ? 1 : 0);
    EXPECT_EQ(f.host.modified, 1);
}

void Appearance(ModelFixture& f, std::int16_t a) { f.model.PropsForExchange().Appearance = a; }
void MouseIn(ModelFixture& f) { f.behavior.state.mouse_in = true; }
void Pressed(ModelFixture& f) { f.behavior.state.pressed = true; }
void Disabled(ModelFixture& f) { f.model.PropsForExchange().Enabled = false; }
void WithPicture(ModelFixture& f) { f.model.PropsForExchange().Picture = MakePicture(); }

const RepaintCase kRepaintCases[] = {
    {"BevelOn3D", dispid::kBevel, std::int16_t{2}, [](auto& f) { Appearance(f, kvn3D); }, true},
    {"BevelOnXP", dispid::kBevel, std::int16_t{2}, nullptr, false},
    {"CoolButtonOnFlat", dispid::kCoolButton, true, [](auto& f) { Appearance(f, kvnFlat); }, false},
    {"BackColorOnXP", dispid::kBackColor, OleColor{1}, nullptr, false},
    {"BackColorOnFlat", dispid::kBackColor, OleColor{1}, [](auto& f) { Appearance(f, kvnFlat); }, true},
    {"BackColorXPWhenMouseOverWithMouseIn", dispid::kBackColor, OleColor{1},
     [](auto& f) {
         Appearance(f, kvnXPWithMouse);
         MouseIn(f);
     },
     false},
    {"BackColorXPWhenMouseOverAtDesignTime", dispid::kBackColor, OleColor{1},
     [](auto& f) {
         Appearance(f, kvnXPWithMouse);
         MouseIn(f);
         f.host.user_mode = false;
     },
     true},
    {"BorderStyleOnXP", dispid::kBorderStyle, std::int16_t{2}, nullptr, false},
    {"BorderStyleOn3D", dispid::kBorderStyle, std::int16_t{2}, [](auto& f) { Appearance(f, kvn3D); }, false},
    {"BorderStyleOnXPWhenMouseOver", dispid::kBorderStyle, std::int16_t{2},
     [](auto& f) { Appearance(f, kvnXPWithMouse); }, true},
    {"MouseInBackColorOutside", dispid::kMouseInBackColor, OleColor{1}, nullptr, false},
    {"MouseInBackColorInside", dispid::kMouseInBackColor, OleColor{1}, MouseIn, true},
    {"MouseInFontColorInside", dispid::kMouseInFontColor, OleColor{1}, MouseIn, true},
    {"MouseInFontColorSwitchedOff", dispid::kMouseInFontColor, OleColor{1},
     [](auto& f) {
         MouseIn(f);
         f.model.PropsForExchange().EnableMouseInProperties = false;
     },
     false},
    {"MouseInFontWhilePressed", dispid::kMouseInFont, FontDesc{},
     [](auto& f) {
         MouseIn(f);
         Pressed(f);
     },
     false},
    {"DownBackColorToggled", dispid::kDownBackColor, OleColor{1},
     [](auto& f) { f.behavior.state.toggled = true; }, true},
    {"DownFontColorReleased", dispid::kDownFontColor, OleColor{1}, MouseIn, false},
    {"DisabledFontDisabled", dispid::kDisabledFont, FontDesc{}, Disabled, true},
    {"DisabledBackColorEnabled", dispid::kDisabledBackColor, OleColor{1}, nullptr, false},
    {"TransparentColourWithImage", dispid::kPictureTransparentColor, OleColor{1}, WithPicture, true},
    {"TransparentColourEmptyPicture", dispid::kPictureTransparentColor, OleColor{1},
     [](auto& f) { f.model.PropsForExchange().Picture = MakePicture(false); }, false},
    {"PictureAlignmentShown", dispid::kPictureHAlignment, std::int16_t{0}, WithPicture, true},
    {"PictureAlignmentNoPicture", dispid::kPictureHAlignment, std::int16_t{0}, nullptr, false},
    {"PictureAlignmentMouseInPictureDrawn", dispid::kPictureHAlignment, std::int16_t{0},
     [](auto& f) {
         WithPicture(f);
         MouseIn(f);
         f.model.PropsForExchange().MouseInPicture = MakePicture();
     },
     false},
    {"MouseInPictureAlignmentDrawn", dispid::kMouseInPictureVAlignment, std::int16_t{0},
     [](auto& f) {
         MouseIn(f);
         f.model.PropsForExchange().MouseInPicture = MakePicture();
     },
     true},
    {"MouseInPictureAlignmentNoPicture", dispid::kMouseInPictureVAlignment, std::int16_t{0},
     [](auto& f) {
         MouseIn(f);
         WithPicture(f);
     },
     false},
    {"DownPictureStylePressed", dispid::kDownPictureStyle, std::int16_t{1},
     [](auto& f) {
         Pressed(f);
         f.model.PropsForExchange().DownPicture = MakePicture();
     },
     true},
    {"DisabledPictureStyleOnlyNormalPicture", dispid::kDisabledPictureStyle, std::int16_t{1},
     [](auto& f) {
         Disabled(f);
         WithPicture(f);
     },
     false},
    {"PictureMarginsWithPicture", dispid::kPictureMargins, std::u16string(u"1;1;1;1"), WithPicture, true},
    {"PictureMarginsWithout", dispid::kPictureMargins, std::u16string(u"1;1;1;1"), nullptr, false},
    {"DownEffectOnNormalPicture", dispid::kPictureEffectWhenMouseDown, std::int16_t{3},
     [](auto& f) {
         Pressed(f);
         WithPicture(f);
     },
     true},
    {"DownEffectDownPictureDrawn", dispid::kPictureEffectWhenMouseDown, std::int16_t{3},
     [](auto& f) {
         Pressed(f);
         WithPicture(f);
         f.model.PropsForExchange().DownPicture = MakePicture();
     },
     false},
    {"OverEffectOutside", dispid::kPictureEffectWhenMouseOver, std::int16_t{1}, WithPicture, false},
    {"OverEffectInside", dispid::kPictureEffectWhenMouseOver, std::int16_t{1},
     [](auto& f) {
         MouseIn(f);
         WithPicture(f);
     },
     true},
    {"GradientSwitch", dispid::kGradient, true, nullptr, true},
    {"GradientColourOff", dispid::kGradientColor1, OleColor{1}, nullptr, false},
    {"GradientColourOn", dispid::kGradientColor1, OleColor{1},
     [](auto& f) { f.model.PropsForExchange().Gradient = true; }, true},
    {"MouseInGradientInside", dispid::kMouseInGradientColor2, OleColor{1},
     [](auto& f) {
         MouseIn(f);
         f.model.PropsForExchange().MouseInGradient = true;
     },
     true},
    {"MouseInGradientOutside", dispid::kMouseInGradientColor2, OleColor{1},
     [](auto& f) { f.model.PropsForExchange().MouseInGradient = true; }, false},
    {"DownGradientInOpenSplitMenu", dispid::kDownGradientStyle, std::int16_t{2},
     [](auto& f) {
         f.model.PropsForExchange().Menu = true;
         f.model.PropsForExchange().DownGradient = true;
         f.behavior.state.menu_open = true;
     },
     true},
    {"MenuButtonWidthWithMenu", dispid::kMenuButtonWidth, std::int16_t{20},
     [](auto& f) { f.model.PropsForExchange().Menu = true; }, true},
    {"MenuButtonWidthWithoutMenu", dispid::kMenuButtonWidth, std::int16_t{20}, nullptr, false},
    {"MenuColourOnlyModifies", dispid::kMenuBackColor, OleColor{1},
     [](auto& f) { f.model.PropsForExchange().Menu = true; }, false},
    {"MouseIconOnlyModifies", dispid::kMouseIcon, MakePicture(), nullptr, false},
    {"TranslucentLevel", dispid::kTranslucentLevel, std::int16_t{50}, nullptr, true},
    {"HyperlinkAddress", dispid::kHyperlinkAddress, std::u16string(u"x@y"), nullptr, true},
};

INSTANTIATE_TEST_SUITE_P(Properties, RepaintRules, ::testing::ValuesIn(kRepaintCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Guarded setters --------------------------------------------------------

struct GuardCase {
    const char* name;
    std::function<void(ModelFixture&)> setup;
    std::int32_t dispid;
    bool value;
    std::u16string message;
    MessageBoxIcon icon;
};

class GuardedSetters : public ::testing::TestWithParam<GuardCase> {};

TEST_P(GuardedSetters, RefuseSilently) {
    ModelFixture f;
    GetParam().setup(f);
    f.host.ClearRecords();
    EXPECT_EQ(f.Put(GetParam().dispid, GetParam().value).status, PutStatus::Refused);
    ASSERT_EQ(f.host.messages.size(), 1u);
    EXPECT_EQ(f.host.messages[0].text, GetParam().message);
    EXPECT_EQ(f.host.messages[0].icon, GetParam().icon);
    EXPECT_EQ(std::get<bool>(*f.model.Get(GetParam().dispid)), false);
    EXPECT_EQ(f.host.modified, 0);
    EXPECT_TRUE(f.host.notified.empty());
    EXPECT_EQ(f.host.repaints, 0);
}

const std::u16string kMenuSet = u"This property is invalid if Menu property is set to True";
const std::u16string kToggleSet = u"This property is invalid if ToggleButton property is set to True";
const std::u16string kForms = u"This feature is not applicable under Visual Basic .NET";

INSTANTIATE_TEST_SUITE_P(
    Cases, GuardedSetters,
    ::testing::Values(GuardCase{"ToggleButtonWhileMenu",
                                [](auto& f) { f.model.PropsForExchange().Menu = true; },
                                dispid::kToggleButton, true, kMenuSet, MessageBoxIcon::Stop},
                      GuardCase{"MenuWhileToggleButton",
                                [](auto& f) { f.model.PropsForExchange().ToggleButton = true; },
                                dispid::kMenu, true, kToggleSet, MessageBoxIcon::Stop},
                      GuardCase{"MenuInWindowsForms", [](auto& f) { f.host.windows_forms = true; },
                                dispid::kMenu, true, kForms, MessageBoxIcon::None},
                      GuardCase{"MenuOffInWindowsForms", [](auto& f) { f.host.windows_forms = true; },
                                dispid::kMenu, false, kForms, MessageBoxIcon::None},
                      GuardCase{"WindowsFormsCheckedFirst",
                                [](auto& f) {
                                    f.host.windows_forms = true;
                                    f.model.PropsForExchange().ToggleButton = true;
                                },
                                dispid::kMenu, true, kForms, MessageBoxIcon::None}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MenuProperty, EveryAcceptedChangeClosesTheMenuAndOnlyOffDisarms) {
    ModelFixture f;
    f.behavior.state.menu_open = true;
    f.behavior.state.auto_drop_armed = true;
    f.Put(dispid::kMenu, true);
    EXPECT_FALSE(f.behavior.state.menu_open);
    EXPECT_TRUE(f.behavior.state.auto_drop_armed) << "turning the menu on does not touch the arming";
    f.behavior.state.menu_open = true;
    f.Put(dispid::kMenu, false);
    EXPECT_FALSE(f.behavior.state.menu_open);
    EXPECT_FALSE(f.behavior.state.auto_drop_armed);
    EXPECT_EQ(f.host.repaints, 2);
    EXPECT_EQ(f.host.notified, (std::vector<std::int32_t>{dispid::kMenu, dispid::kMenu}));
}

TEST(MenuProperty, AutoDropArmsOnlyWithTheMenu) {
    ModelFixture f;
    f.Put(dispid::kMenuAutoDrop, true);
    EXPECT_FALSE(f.behavior.state.auto_drop_armed);
    f.Put(dispid::kMenu, true);
    EXPECT_FALSE(f.behavior.state.auto_drop_armed) << "only MenuAutoDrop or loading arms";
    f.Put(dispid::kMenuAutoDrop, true);
    EXPECT_TRUE(f.behavior.state.auto_drop_armed);
    f.Put(dispid::kMenuAutoDrop, false);
    EXPECT_FALSE(f.behavior.state.auto_drop_armed);
}

TEST(ToggleButtonProperty, AcceptedChangeClearsTheLatch) {
    ModelFixture f;
    f.behavior.state.toggled = true;
    f.Put(dispid::kToggleButton, true);
    EXPECT_FALSE(f.behavior.state.toggled);
    EXPECT_TRUE(f.props().ToggleButton);
    f.model.PropsForExchange().Menu = true;
    EXPECT_EQ(f.Put(dispid::kToggleButton, false).status, PutStatus::Done) << "only TRUE is refused";
}

// --- Single-property algorithms -------------------------------------------------

struct BevelCase {
    const char* name;
    bool run_time;
    int client_height;
    CaptionMetrics metrics;
    std::int16_t written;
    std::int16_t read_back;
};

class BevelClamp : public ::testing::TestWithParam<BevelCase> {};

TEST_P(BevelClamp, ReadsBackClamped) {
    const BevelCase& c = GetParam();
    ModelFixture f;
    f.host.user_mode = c.run_time;
    f.host.client_height = c.client_height;
    f.host.metrics = c.metrics;
    f.Put(dispid::kBevel, c.written);
    EXPECT_EQ(f.props().Bevel, c.read_back);
}

INSTANTIATE_TEST_SUITE_P(Cases, BevelClamp,
                         ::testing::Values(BevelCase{"NegativeAtDesignTime", false, 25, {13, 0}, -5, 0},
                                           BevelCase{"NegativeAtRunTime", true, 25, {13, 0}, -5, 0},
                                           BevelCase{"LargeAtDesignTime", false, 25, {13, 0}, 50, 50},
                                           BevelCase{"LargeAtRunTime", true, 25, {13, 0}, 50, 6},
                                           BevelCase{"LeadingCounts", true, 25, {13, 3}, 50, 4},
                                           BevelCase{"OddRoomTruncates", true, 26, {13, 0}, 50, 6},
                                           BevelCase{"AtTheMaximum", true, 25, {13, 0}, 6, 6},
                                           BevelCase{"NoRoomAtAll", true, 10, {13, 2}, 3, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ComboCase {
    const char* name;
    std::int32_t dispid;
    std::int16_t written;
    std::int16_t read_back;
};

class ComboIndexes : public ::testing::TestWithParam<ComboCase> {};

TEST_P(ComboIndexes, CustomRowBecomes99) {
    ModelFixture f;
    f.Put(GetParam().dispid, GetParam().written);
    EXPECT_EQ(std::get<std::int16_t>(*f.model.Get(GetParam().dispid)), GetParam().read_back);
}

INSTANTIATE_TEST_SUITE_P(Cases, ComboIndexes,
                         ::testing::Values(ComboCase{"MousePointerRow16", dispid::kMousePointer, 16, 99},
                                           ComboCase{"MousePointer15", dispid::kMousePointer, 15, 15},
                                           ComboCase{"MousePointerRow3", dispid::kMousePointer, 3, 3},
                                           ComboCase{"ClickSoundRow3", dispid::kClickSound, 3, 99},
                                           ComboCase{"ClickSound5", dispid::kClickSound, 5, 5},
                                           ComboCase{"MouseInSoundRow3", dispid::kMouseInSound, 3, 99},
                                           ComboCase{"MouseInSound16", dispid::kMouseInSound, 16, 16}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EnabledAndActive, TheWindowTakesInputOnlyWhenBothAreOn) {
    ModelFixture f;
    f.Put(dispid::kEnabled, false);
    f.behavior.state.toggled = true;
    f.Put(dispid::kActive, true);  // a disabled control stays deaf to the mouse
    f.Put(dispid::kEnabled, true);
    f.Put(dispid::kActive, false);
    EXPECT_EQ(f.host.window_enabled, (std::vector<bool>{false, false, true, false}));
    EXPECT_FALSE(f.behavior.state.toggled) << "Active FALSE releases a latched toggle";
    EXPECT_EQ(f.host.repaints, 4);
}

TEST(ToolTipTextProperty, UpdatesTheTooltipOnlyAtRunTime) {
    ModelFixture f;
    f.Put(dispid::kToolTipText, std::u16string(u"Design"));
    EXPECT_TRUE(f.host.tooltip.empty());
    f.host.user_mode = true;
    f.Put(dispid::kToolTipText, std::u16string(u"Save the file"));
    EXPECT_EQ(f.host.tooltip, u"Save the file");
    EXPECT_TRUE(f.host.tooltip_active);
    f.Put(dispid::kToolTipText, std::u16string());
    EXPECT_FALSE(f.host.tooltip_active);
}

TEST(TranslucentStyleProperty, TurnsTheFocusBorderOffForGood) {
    ModelFixture f;
    f.Put(dispid::kTranslucentStyle, std::int16_t{kvnBackground});
    EXPECT_FALSE(f.props().ShowFocusBorder);
    f.Put(dispid::kTranslucentStyle, std::int16_t{kvnNotTranslucent});
    EXPECT_FALSE(f.props().ShowFocusBorder);
    EXPECT_EQ(f.host.translucency_refreshes, 2);
}

TEST(CornerProperties, RebuildTheRegionAndSize) {
    ModelFixture f;
    f.Put(dispid::kCornerStyle, std::u16string(u"1;1;1;1"));
    f.Put(dispid::kCornerRoundingLevel, std::u16string(u"0;0;0;0"));
    EXPECT_EQ(f.host.regions, 2);
    EXPECT_EQ(f.host.resizes, 2);
    EXPECT_EQ(f.host.repaints, 2);
}

TEST(RightToLeftProperty, ReachesTheMenu) {
    ModelFixture f;
    f.Put(dispid::kRightToLeft, true);
    EXPECT_EQ(f.host.reading_direction, 1);
    EXPECT_EQ(f.host.repaints, 0);
}

TEST(ValueProperty, TrueClicksThroughTheBehaviour) {
    ModelFixture f;
    f.Put(dispid::kValue, true);
    EXPECT_EQ(f.behavior.clicks, 1);
    f.behavior.value = true;
    EXPECT_EQ(std::get<bool>(*f.model.Get(dispid::kValue)), true);
    f.model.PerformClick();
    EXPECT_EQ(f.behavior.clicks, 2);
}

TEST(Writes, ReadOnlyMembersMethodsAndWrongTypesAreRefused) {
    ModelFixture f;
    const PutResult hwnd = f.Put(dispid::kHWnd, std::int32_t{5});
    EXPECT_EQ(hwnd.status, PutStatus::Failed);
    EXPECT_EQ(hwnd.error, kErrSetNotSupported);
    EXPECT_EQ(f.Put(dispid::kControlPointer, std::int32_t{5}).error, kErrSetNotSupported);
    EXPECT_EQ(f.Put(dispid::kPerformClick, true).status, PutStatus::NotAProperty);
    EXPECT_EQ(f.Put(dispid::kMenuItemCaption, std::u16string()).status, PutStatus::NotAProperty);
    EXPECT_EQ(f.Put(1000, true).status, PutStatus::UnknownMember);
    EXPECT_EQ(f.Put(dispid::kBevel, std::int32_t{3}).status, PutStatus::WrongType);
    EXPECT_EQ(f.props().Bevel, 1);
    EXPECT_EQ(f.host.modified, 0);
}

TEST(CustomBorderFlags, EachColourSetsItsOwnFlag) {
    ModelFixture f;
    f.Put(dispid::kMouseInBorderColor, OleColor{1});
    EXPECT_TRUE(f.props().CustomMouseInBorderColor);
    EXPECT_FALSE(f.props().CustomBorderColor || f.props().CustomBackBorderColor);
    f.Put(dispid::kDownBorderColor, OleColor{1});
    EXPECT_TRUE(f.props().CustomBackBorderColor);
    f.Put(dispid::kBorderColor, OleColor{1});
    EXPECT_TRUE(f.props().CustomBorderColor);
    f.Put(dispid::kDisabledBorderColor, OleColor{1});  // has no flag
}

}  // namespace
}  // namespace brixel
