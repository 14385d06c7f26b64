#include "core/picture_choice.h"

#include <gtest/gtest.h>

#include <string>

#include "core/enums.h"
#include "core/property_table.h"
#include "model_fakes.h"

namespace brixel {
namespace {

using testing::MakePicture;

struct ChoiceCase {
    const char* name;
    bool enabled, disabled_switch;
    bool down_picture, disabled_picture;
    bool dropdown_menu;
    InteractionState s;
    std::int16_t down_effect, over_effect;
    StateVariant set;
    PictureEffect effect;
    bool embossed;
};

class PictureChoices : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(PictureChoices, PictureEffectAndForm) {
    const ChoiceCase& c = GetParam();
    ButtonProperties p = NewControlProperties(u"B", 0);
    p.Picture = MakePicture();
    if (c.down_picture) p.DownPicture = MakePicture();
    if (c.disabled_picture) p.DisabledPicture = MakePicture();
    p.Enabled = c.enabled;
    p.EnableDisabledProperties = c.disabled_switch;
    p.EnableDownProperties = true;
    p.PictureEffectWhenMouseDown = c.down_effect;
    p.PictureEffectWhenMouseOver = c.over_effect;
    if (c.dropdown_menu) {
        p.Menu = true;
        p.MenuButtonStyle = kvnMenuButtonStyleDropDown;
    }
    const PictureChoice got = ChoosePicture(p, c.s);
    EXPECT_EQ(got.set, c.set);
    EXPECT_EQ(got.effect, c.effect);
    EXPECT_EQ(got.embossed, c.embossed);
}

constexpr InteractionState kOut{};
constexpr InteractionState kIn{true, false, false, false, false};
constexpr InteractionState kPressed{true, true, false, false, false};
constexpr InteractionState kToggledOut{false, false, true, false, false};
constexpr InteractionState kMenuOpenOut{false, false, false, true, false};
constexpr auto N = StateVariant::Normal;
constexpr auto D = StateVariant::Down;
constexpr auto X = StateVariant::Disabled;
using E = PictureEffect;

INSTANTIATE_TEST_SUITE_P(
    Rows, PictureChoices,
    ::testing::Values(
        ChoiceCase{"PlainOutside", true, true, false, false, false, kOut, 1, 2, N, E::None, false},
        ChoiceCase{"OverEffectLighter", true, true, false, false, false, kIn, 0, kvnLighter, N, E::Lighter, false},
        ChoiceCase{"PressedPopupWithoutDownPicture", true, true, false, false, false, kPressed, kvnPopup, 0, N,
                   E::Popup, false},
        ChoiceCase{"PressedDownPictureHasNoEffect", true, true, true, false, false, kPressed, kvnDarker, 0, D,
                   E::None, false},
        ChoiceCase{"ToggledDownKeepsTheDownEffect", true, true, false, false, false, kToggledOut, kvnDarker, 0, N,
                   E::Darker, false},
        // The mouse-down effect is chosen for the open drop-down menu, but
        // with nobody pressing or pointing the picture stays plain.
        ChoiceCase{"OpenMenuPointerAwayDrawsPlain", true, true, false, false, true, kMenuOpenOut, kvnDarker, 0, N,
                   E::None, false},
        ChoiceCase{"DisabledWithItsPicture", false, true, false, true, false, kOut, 0, 0, X, E::None, false},
        ChoiceCase{"DisabledWithoutItsPictureEmbossed", false, true, false, false, false, kOut, 0, 0, N, E::None,
                   true},
        ChoiceCase{"DisabledPictureIgnoredWhenSwitchOff", false, false, false, true, false, kOut, 0, 0, N, E::None,
                   true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PictureChoices, NoPictureAnywhereDrawsNothing) {
    ButtonProperties p = NewControlProperties(u"B", 0);
    p.DownPicture = MakePicture();
    p.EnableDownProperties = false;
    EXPECT_EQ(ChoosePicture(p, kPressed).mode, 0);
}

TEST(PictureSettingsFor, EachSetReadsItsOwnProperties) {
    ButtonProperties p = NewControlProperties(u"B", 0);
    p.PictureHAlignment = 0, p.PictureVAlignment = 1, p.PictureStyle = 0, p.PictureTransparentColor = 10;
    p.MouseInPictureHAlignment = 1, p.MouseInPictureVAlignment = 2, p.MouseInPictureStyle = 1;
    p.MouseInPictureTransparentColor = 11;
    p.DownPictureHAlignment = 2, p.DownPictureVAlignment = 0, p.DownPictureStyle = 1;
    p.DownPictureTransparentColor = 12;
    p.DisabledPictureHAlignment = 2, p.DisabledPictureVAlignment = 2, p.DisabledPictureStyle = 0;
    p.DisabledPictureTransparentColor = 13;
    const struct {
        StateVariant set;
        PictureSettings want;
    } rows[] = {{StateVariant::Normal, {0, 1, 0, 10}},
                {StateVariant::MouseIn, {1, 2, 1, 11}},
                {StateVariant::Down, {2, 0, 1, 12}},
                {StateVariant::Disabled, {2, 2, 0, 13}}};
    for (const auto& r : rows) {
        SCOPED_TRACE(static_cast<int>(r.set));
        const PictureSettings got = PictureSettingsFor(p, r.set);
        EXPECT_EQ(got.h_alignment, r.want.h_alignment);
        EXPECT_EQ(got.v_alignment, r.want.v_alignment);
        EXPECT_EQ(got.style, r.want.style);
        EXPECT_EQ(got.transparent, r.want.transparent);
    }
}

}  // namespace
}  // namespace brixel
