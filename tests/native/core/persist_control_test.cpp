// The control's exchange: its order, versions, defaults and what loading does
// and does not do to the control.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/dispids.h"
#include "core/enums.h"
#include "core/persist_control.h"
#include "native/core/model_fakes.h"
#include "native/core/persist_fakes.h"

namespace brixel {
namespace {

using testing::ChangeEverything;
using testing::ExpectSameProperties;
using testing::BytesPictureCodec;
using testing::MakeBytesPicture;
using testing::ModelFixture;
using testing::PictureBytesOf;
using testing::RecordingExchange;

// The menu's place in the sequence, marked by one value of its own.
class MarkerMenu final : public MenuExchangeLink {
public:
    void ExchangeMenuTree(PropertyExchange& px, std::int16_t style) override {
        seen_style = style;
        px.ExchangeLong("<menu>", marker, 0);
    }
    std::int32_t marker = 5;
    std::int16_t seen_style = -1;
};

struct Control : ModelFixture {
    ControlPersistState state{2302, 661, 0};
    MarkerMenu menu;
    void Exchange(PropertyExchange& px) { ExchangeControl(px, model, host, state, menu); }
    ButtonProperties& edit() { return model.PropsForExchange(); }
};

// The stored order, written out independently of the code's tables.
const std::vector<std::string> kStoredOrder = {
    "_Version",
    "_ExtentX",
    "_ExtentY",
    "_StockProps",
    "Caption",
    "BackColor",
    "Enabled",
    "CoolButton",
    "ShowFocusBorder",
    "ShowDefaultBorder",
    "Active",
    "Hyperlink",
    "ShowHyperlink",
    "ToggleButton",
    "CustomBorderColor",
    "CustomBackBorderColor",
    "CustomMouseInBorderColor",
    "EnableMouseInProperties",
    "EnableDownProperties",
    "EnableDisbaledProperties",
    "CaptionWrap",
    "Menu",
    "MenuSidebar",
    "RightToLeft",
    "ShowMenuButtonTriangle",
    "Value",
    "Bevel",
    "XPColorScheme",
    "CaptionVAlignment",
    "CaptionHAlignment",
    "PictureVAlignment",
    "PictureHAlignment",
    "DisabledPictureVAlignment",
    "DisabledPictureHAlignment",
    "DownPictureVAlignment",
    "DownPictureHAlignment",
    "MouseInPictureVAlignment",
    "MouseInPictureHAlignment",
    "MousePointer",
    "ClickSound",
    "MouseInSound",
    "BorderStyle",
    "MouseInBorderStyle",
    "DownBorderStyle",
    "TranslucentStyle",
    "TranslucentLevel",
    "PictureStyle",
    "MouseInPictureStyle",
    "DownPictureStyle",
    "DisabledPictureStyle",
    "PictureEffectWhenMouseOver",
    "PictureEffectWhenMouseDown",
    "AppearanceStyle",
    "BevelUpperShade",
    "BevelLowerShade",
    "BackColor",
    "DownBackColor",
    "MouseInBackColor",
    "DisabledBackColor",
    "BorderColor",
    "DisabledBorderColor",
    "MouseInBorderColor",
    "DownBorderColor",
    "FontColor",
    "MouseInFontColor",
    "DisabledFontColor",
    "DownFontColor",
    "PictureTransparentColor",
    "DisabledPictureTransparentColor",
    "DownPictureTransparentColor",
    "MouseInPictureTransparentColor",
    "MenuSelectionBackColor",
    "MenuSidebarColor",
    "MenuFontColor",
    "MenuSeparatorColor",
    "MenuBackColor",
    "MenuSelectionFontColor",
    "Picture",
    "MouseInPicture",
    "DownPicture",
    "DisabledPicture",
    "MouseIcon",
    "ToolTipText",
    "ClickSoundFile",
    "MouseInSoundFile",
    "HyperlinkAddress",
    "CaptionMargins",
    "PictureMargins",
    "CornerStyle",
    "CornerRoundingLevel",
    "_ClickSoundMemory",
    "_MouseInSoundMemory",
    "Appearance",
    "MouseInFont",
    "DisabledFont",
    "DownFont",
    "MenuFont",
    "Gradient",
    "GradientStyle",
    "GradientStyleVariant",
    "GradientColor1",
    "GradientColor2",
    "MouseInGradient",
    "MouseInGradientStyle",
    "MouseInGradientStyleVariant",
    "MouseInGradientColor1",
    "MouseInGradientColor2",
    "DisabledGradient",
    "DisabledGradientStyle",
    "DisabledGradientStyleVariant",
    "DisabledGradientColor1",
    "DisabledGradientColor2",
    "DownGradient",
    "DownGradientStyle",
    "DownGradientStyleVariant",
    "DownGradientColor1",
    "DownGradientColor2",
    "MenuExchangeStyle",
    "<menu>",
    "MenuButtonStyle",
    "MenuButtonAlignment",
    "MenuButtonWidth",
    "MenuButtonTriangleColor",
    "MenuAlignment",
    "Font",
    "MenuAutoDrop",
};

TEST(ControlExchange, SavesEveryValueInTheStoredOrder) {
    Control c;
    RecordingExchange px;
    c.Exchange(px);
    EXPECT_EQ(px.Keys(), kStoredOrder);
}

TEST(ControlExchange, EveryMemberWithAKeyIsExchanged) {
    Control c;
    RecordingExchange px;
    c.Exchange(px);
    const std::vector<std::string> keys = px.Keys();
    for (const MemberInfo& m : MemberTable()) {
        if (m.persist_key.empty()) continue;
        EXPECT_NE(std::find(keys.begin(), keys.end(), m.persist_key), keys.end()) << m.persist_key;
    }
}

struct Medium {
    const char* name;
    // Saves `from` and loads the result into `to`.
    std::function<void(Control& from, Control& to)> round_trip;
};

class ControlRoundTrip : public ::testing::TestWithParam<Medium> {};

TEST_P(ControlRoundTrip, KeepsEveryChangedPropertyAndTheSounds) {
    Control saved;
    ChangeEverything(saved.edit());
    saved.model.SetSoundMemory(SoundSlotId::Click, SoundBlock{3, 0, 0, 0, 'R', 'I', 'F'});
    saved.state.extent_x = 999;
    Control loaded;
    GetParam().round_trip(saved, loaded);
    ExpectSameProperties(loaded.props(), saved.props());
    EXPECT_EQ(loaded.model.SoundMemory(SoundSlotId::Click), saved.model.SoundMemory(SoundSlotId::Click));
    EXPECT_FALSE(loaded.model.SoundMemory(SoundSlotId::MouseIn).has_value());
    EXPECT_EQ(loaded.state.extent_x, 999);
    EXPECT_EQ(loaded.state.menu_exchange_style, kMenuLayoutCurrent);
    EXPECT_EQ(loaded.menu.seen_style, kMenuLayoutCurrent);
    // Stored through the record, not through the change rules.
    EXPECT_EQ(loaded.host.modified, 0);
    EXPECT_TRUE(loaded.host.notified.empty());
    EXPECT_TRUE(loaded.host.opened.empty());
    EXPECT_EQ(loaded.host.repaints, 0);
    EXPECT_TRUE(loaded.host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Media, ControlRoundTrip,
                         ::testing::Values(Medium{"Stream",
                                                  [](Control& from, Control& to) {
                                                      VectorSink sink;
                                                      BytesPictureCodec codec;
                                                      StreamSaveExchange save(sink, codec);
                                                      from.Exchange(save);
                                                      SpanSource source(sink.Bytes());
                                                      StreamLoadExchange load(source, codec);
                                                      to.Exchange(load);
                                                      EXPECT_FALSE(load.Ended());
                                                      EXPECT_EQ(source.Remaining(), 0u);
                                                  }},
                                           Medium{"Bag",
                                                  [](Control& from, Control& to) {
                                                      MemoryPropertyBag bag;
                                                      BagSaveExchange save(bag);
                                                      from.Exchange(save);
                                                      BagLoadExchange load(bag);
                                                      to.Exchange(load);
                                                  }}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Versions -----------------------------------------------------------------

struct VersionCase {
    const char* name;
    std::int32_t version;
    std::int16_t appearance;
    std::u16string_view mouse_in_face;
    bool auto_drop;  // the stored TRUE is read
};

class StoredVersion : public ::testing::TestWithParam<VersionCase> {};

TEST_P(StoredVersion, DecidesDefaultsAndWhichKeysAreRead) {
    const VersionCase& v = GetParam();
    Control c;
    c.behavior.state.auto_drop_armed = true;
    MemoryPropertyBag bag;
    bag.Write("_Version", v.version);
    bag.Write("Menu", true);
    bag.Write("MenuAutoDrop", true);
    bag.Write("MenuExchangeStyle", std::int16_t{1});
    BagLoadExchange px(bag);
    c.Exchange(px);
    EXPECT_EQ(c.props().Appearance, v.appearance);
    EXPECT_EQ(c.props().MouseInFont.face, v.mouse_in_face);
    EXPECT_EQ(c.props().MouseInFont.size, 8 * kFontSizeUnitsPerPoint);
    EXPECT_EQ(c.props().MenuAutoDrop, v.auto_drop);
    EXPECT_EQ(c.behavior.state.auto_drop_armed, v.auto_drop);
    EXPECT_EQ(c.state.menu_exchange_style, v.auto_drop ? kMenuLayoutCurrent : kMenuLayoutOld);
    // The second BackColor (the button face) decides when the key is missing.
    EXPECT_EQ(c.props().BackColor, MakeOleColor(c.host.SystemColour(kColourBtnFace)));
}

INSTANTIATE_TEST_SUITE_P(
    Versions, StoredVersion,
    ::testing::Values(VersionCase{"V1_5", 0x00010005, kvnFlat, u"Arial", false},
                      VersionCase{"V2_0", 0x00020000, kvnXPStyleAPB, u"MS Sans Serif", false},
                      VersionCase{"V3_1", 0x00030001, kvnXPStyleAPB, u"MS Sans Serif", false},
                      VersionCase{"V3_2", 0x00030002, kvnXPStyleAPB, u"MS Sans Serif", true}),
    [](const auto& info) { return std::string(info.param.name); });

// A load that stores nothing: every value takes the default it is offered,
// which is recorded, with `_Version` answered as configured.
class DefaultsSeen final : public PropertyExchange {
public:
    explicit DefaultsSeen(std::int32_t version) : PropertyExchange(ExchangeMode::Load), version_(version) {}
    bool Keyed() const override { return true; }
    void ExchangeBool(std::string_view k, bool& v, bool d) override { Take(k, v, d); }
    void ExchangeShort(std::string_view k, std::int16_t& v, std::int16_t d) override { Take(k, v, d); }
    void ExchangeLong(std::string_view k, std::int32_t& v, std::int32_t d) override {
        Take(k, v, k == "_Version" ? version_ : d);
    }
    void ExchangeString(std::string_view k, std::u16string& v, std::u16string_view d) override {
        Take(k, v, std::u16string(d));
    }
    void ExchangeFont(std::string_view k, FontDesc& v, const FontDesc& d) override { Take(k, v, d); }
    void ExchangePicture(std::string_view, SharedPicture& v) override { v.reset(); }
    void ExchangeBlob(std::string_view, std::optional<ByteBlock>& v, std::size_t) override { v.reset(); }

    std::vector<std::pair<std::string, BagValue>> offered;

private:
    template <typename T, typename D>
    void Take(std::string_view key, T& value, const D& def) {
        value = def;
        offered.emplace_back(std::string(key), BagValue(value));
    }
    std::int32_t version_;
};

TEST(ControlExchange, StockBackColorDefaultDependsOnTheVersion) {
    for (const auto& [version, expected] :
         {std::pair{0x00010000, OleColor{0xC0C0C0}}, {0x00020000, 0xE0E0E0}}) {
        Control c;
        DefaultsSeen px(version);
        c.Exchange(px);
        std::vector<BagValue> back_colours;
        for (const auto& [key, value] : px.offered) {
            if (key == "BackColor") back_colours.push_back(value);
        }
        const OleColor face = MakeOleColor(c.host.SystemColour(kColourBtnFace));
        EXPECT_EQ(back_colours, (std::vector<BagValue>{static_cast<std::int32_t>(expected),
                                                       static_cast<std::int32_t>(face)}))
            << std::hex << version;
        EXPECT_EQ(c.props().BackColor, face);  // the later one decides
    }
}

TEST(ControlExchange, StockMaskDecidesWhichStockPropertiesAreRead) {
    Control c;
    MemoryPropertyBag bag;
    bag.Write("_StockProps", std::int32_t{kStockEnabled});
    bag.Write("Caption", std::u16string(u"Stored"));
    bag.Write("Enabled", false);
    BagLoadExchange px(bag);
    c.Exchange(px);
    EXPECT_EQ(c.props().Caption, c.host.display_name);
    EXPECT_FALSE(c.props().Enabled);
}

struct MisspeltKeyCase {
    const char* name;
    const char* key;
    bool expected;
};

class DisabledSwitchKey : public ::testing::TestWithParam<MisspeltKeyCase> {};

TEST_P(DisabledSwitchKey, OnlyTheStoredSpellingSetsTheSwitch) {
    Control c;
    MemoryPropertyBag bag;
    bag.Write(GetParam().key, false);
    BagLoadExchange px(bag);
    c.Exchange(px);
    EXPECT_EQ(c.props().EnableDisabledProperties, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, DisabledSwitchKey,
                         ::testing::Values(MisspeltKeyCase{"PropertyName", "EnableDisabledProperties", true},
                                           MisspeltKeyCase{"StoredKey", "EnableDisbaledProperties", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- What loading does to the control ---------------------------------------------

TEST(ControlExchange, LoadedEnabledReachesTheWindowOnlyWhenItChanges) {
    Control c;
    MemoryPropertyBag bag;
    bag.Write("Enabled", false);
    BagLoadExchange px(bag);
    c.Exchange(px);
    EXPECT_EQ(c.host.window_enabled, std::vector<bool>{false});

    c.host.ClearRecords();
    BagLoadExchange again(bag);
    c.Exchange(again);
    EXPECT_TRUE(c.host.window_enabled.empty());
}

TEST(ControlExchange, LoadingNeitherTranslatesComboRowsNorReadsSoundFiles) {
    Control c;
    MemoryPropertyBag bag;
    bag.Write("ClickSound", std::int16_t{3});
    bag.Write("MousePointer", std::int16_t{16});
    bag.Write("ClickSoundFile", std::u16string(u"C:\\gone.wav"));
    BagLoadExchange px(bag);
    c.Exchange(px);
    EXPECT_EQ(c.props().ClickSound, 3);
    EXPECT_EQ(c.props().MousePointer, 16);
    EXPECT_EQ(c.props().ClickSoundFile, u"C:\\gone.wav");
    EXPECT_TRUE(c.host.opened.empty());
}

TEST(ControlExchange, StoredValueTrueNeitherClicksNorSticks) {
    Control c;
    MemoryPropertyBag bag;
    bag.Write("Value", true);
    BagLoadExchange px(bag);
    c.Exchange(px);
    EXPECT_EQ(c.behavior.clicks, 0);
    EXPECT_TRUE(c.behavior.value_writes.empty());
}

TEST(ControlExchange, ADeletedSoundFileStillPlaysAfterLoading) {
    Control saved;
    const std::vector<std::uint8_t> wave = {'R', 'I', 'F', 'F', 1, 2, 3};
    saved.host.files[u"click.wav"] = {FileError::None, wave, std::nullopt, FileError::None};
    ASSERT_EQ(saved.Put(dispid::kClickSoundFile, std::u16string(u"click.wav")).status, PutStatus::Done);
    saved.Put(dispid::kClickSound, std::int16_t{kvnCustom});
    MemoryPropertyBag bag;
    BagSaveExchange save(bag);
    saved.Exchange(save);

    Control loaded;  // a host without the file
    BagLoadExchange load(bag);
    loaded.Exchange(load);
    ASSERT_TRUE(loaded.model.SoundMemory(SoundSlotId::Click).has_value());
    const auto data = SoundBlockData(*loaded.model.SoundMemory(SoundSlotId::Click));
    EXPECT_EQ(std::vector<std::uint8_t>(data.begin(), data.end()), wave);
    EXPECT_EQ(loaded.props().ClickSound, kvnCustom);
}

TEST(ControlExchange, SoundBlobOverTheFileBoundIsNotLoaded) {
    Control c;
    MemoryPropertyBag bag;
    bag.Write("_ClickSoundMemory", ByteBlock(kMaxSoundFileBytes + 1, 0));
    bag.Write("_MouseInSoundMemory", ByteBlock(16, 0));
    BagLoadExchange px(bag);
    c.Exchange(px);
    EXPECT_FALSE(c.model.SoundMemory(SoundSlotId::Click).has_value());
    EXPECT_TRUE(c.model.SoundMemory(SoundSlotId::MouseIn).has_value());
}

TEST(ControlExchange, ResetGivesANewControlsValuesAndDropsPicturesAndSounds) {
    Control c;
    ChangeEverything(c.edit());
    c.model.SetSoundMemory(SoundSlotId::MouseIn, SoundBlock{0, 0, 0, 0});
    c.behavior.state.auto_drop_armed = true;
    ResetExchange px;
    c.Exchange(px);
    const ButtonProperties fresh =
        NewControlProperties(c.host.display_name, MakeOleColor(c.host.SystemColour(kColourBtnFace)));
    ExpectSameProperties(c.props(), fresh);
    EXPECT_EQ(c.props().Picture, nullptr);
    EXPECT_EQ(c.props().MouseIcon, nullptr);
    EXPECT_FALSE(c.model.SoundMemory(SoundSlotId::MouseIn).has_value());
    EXPECT_FALSE(c.behavior.state.auto_drop_armed);
    EXPECT_EQ(c.state.extent_x, 2302);
}

TEST(ControlExchange, SavingSetsTheMenuExchangeStyleFirst) {
    Control c;
    MemoryPropertyBag bag;
    BagSaveExchange px(bag);
    c.Exchange(px);
    EXPECT_EQ(c.state.menu_exchange_style, kMenuLayoutCurrent);
    EXPECT_EQ(*bag.Find("MenuExchangeStyle"), BagValue(std::int16_t{1}));
    EXPECT_EQ(*bag.Find("_Version"), BagValue(std::int32_t{0x00030002}));
    EXPECT_EQ(*bag.Find("_StockProps"), BagValue(std::int32_t{0x43}));
}

}  // namespace
}  // namespace brixel
