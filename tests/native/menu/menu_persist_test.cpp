// The menu tree inside the control's exchange: key layouts, round trips,
// older data, and stored data that would otherwise break the loader.
#include "menu/menu_persist.h"

#include <gtest/gtest.h>

#include <map>

#include "core/dispids.h"
#include "native/core/model_fakes.h"
#include "native/core/persist_fakes.h"
#include "native/menu/menu_fakes.h"

namespace brixel {
namespace {

using testing::BytesPictureCodec;
using testing::MakeBytesPicture;
using testing::Narrow;
using testing::PictureBytesOf;

// One member of two records, pictures by their bytes.
bool SameField(const ButtonProperties& a, const ButtonProperties& b, const RecordField& field) {
    if (const auto* picture = std::get_if<SharedPicture ButtonProperties::*>(&field)) {
        return PictureBytesOf(a.**picture) == PictureBytesOf(b.**picture);
    }
    return FieldEquals(a, b, field);
}

class SilentBox final : public MessageBoxHost {
public:
    void ShowMessage(std::u16string_view, MessageBoxIcon) override { ++shown; }
    int shown = 0;
};

struct Widget : testing::ModelFixture {
    SilentBox box;
    MenuTree tree{box};
    MenuTreeLink link{tree};
    ControlPersistState state;
    void Exchange(PropertyExchange& px) { ExchangeControl(px, model, host, state, link); }
    auto Exchanger() {
        return [this](PropertyExchange& px) { Exchange(px); };
    }

    ByteBlock SaveStream() { return testing::SaveToStream(Exchanger(), codec); }
    void LoadStream(std::span<const std::uint8_t> bytes) { testing::LoadFromStream(bytes, Exchanger(), codec); }
    MemoryPropertyBag SaveBag() { return testing::SaveToBag(Exchanger()); }
    void LoadBag(const PropertyBag& bag) { testing::LoadFromBag(bag, Exchanger()); }
    BytesPictureCodec codec;
};

// One line per record in pre-order, every stored field and the depth it sits at.
std::vector<std::string> Describe(const MenuItemList& list) {
    std::vector<std::string> out;
    ForEachPreOrder(list, [&](const MenuItemRecord& r) {
        std::string line = std::to_string(r.Depth()) + ":" + std::to_string(r.id) + " " + Narrow(r.caption) +
                           " [" + Narrow(r.shortcut) + "] " + Narrow(r.hyperlink_address);
        for (bool flag : {r.enabled, r.separator, r.visible, r.hyperlink, r.has_sub_items})
            line += flag ? "1" : "0";
        line += " " + std::to_string(r.level) + "/" + std::to_string(r.parent_index) + "/" +
                std::to_string(r.parent_id);
        if (const auto bytes = PictureBytesOf(r.picture)) line += " pic" + std::to_string(bytes->size());
        out.push_back(line);
    });
    return out;
}

// Five levels, with pictures, a shortcut, hyperlinks, a separator, disabled
// and hidden items, and two owners (10 and 20) at the same depth and index.
void BuildTree(MenuTree& t) {
    t.AddItem(1, kTopLevel);
    t.AddItem(2, kTopLevel);
    t.AddItem(3, kTopLevel);
    t.SetCaption(1, u"File");
    t.SetPicture(1, MakeBytesPicture({1, 2, 3}));
    t.AddItem(10, 1);
    t.AddItem(100, 10);
    t.AddItem(1000, 100);
    t.AddItem(10000, 1000);
    t.SetCaption(10000, u"Deepest");
    t.SetPicture(10000, MakeBytesPicture({9}));
    t.AddItem(11, 1);
    t.SetSeparator(11, true);
    t.AddItem(20, 2);
    t.AddItem(200, 20);
    t.AddItem(201, 20);
    t.SetShortcut(201, u"Ctrl+B");
    t.SetHyperlink(200, true);
    t.SetHyperlinkAddress(200, u"http://example.invalid/");
    t.SetEnabled(3, false);
    t.SetVisible(201, false);
    t.SetShortcut(3, u"Ctrl+A");
}

// --- Keys -----------------------------------------------------------------------

TEST(MenuKeys, EmptyTreeIsOneCountOfZero) {
    Widget w;
    const MemoryPropertyBag bag = w.SaveBag();
    std::vector<std::string> menu_keys;
    for (const auto& [key, value] : bag.Entries()) {
        if (key.rfind("MenuItem", 0) == 0 || key.rfind("MenuOwner", 0) == 0) menu_keys.push_back(key);
    }
    EXPECT_EQ(menu_keys, std::vector<std::string>{"MenuItem0-0Count"});
    EXPECT_EQ(*bag.Find("MenuItem0-0Count"), BagValue(std::int32_t{0}));
}

TEST(MenuKeys, NamesFollowDepthOwnerIndexAndOwnerId) {
    Widget w;
    for (std::int16_t id : {5, 6, 7}) w.tree.AddItem(id, kTopLevel);
    w.tree.AddItem(8, 7);
    w.tree.SetCaption(7, u"Third");
    const MemoryPropertyBag bag = w.SaveBag();
    EXPECT_EQ(*bag.Find("MenuItem0-0-2Caption"), BagValue(std::u16string(u"Third")));
    EXPECT_EQ(*bag.Find("MenuItem2-1Count"), BagValue(std::int32_t{1}));
    EXPECT_EQ(*bag.Find("MenuItem1-2-0-7ID"), BagValue(std::int16_t{8}));
    EXPECT_EQ(*bag.Find("MenuOwner1-2-7Count"), BagValue(std::int32_t{1}));
    EXPECT_EQ(bag.Find("MenuItem1-2-0ID"), nullptr);
}

// --- Round trips --------------------------------------------------------------------

struct Medium {
    const char* name;
    std::function<void(Widget& from, Widget& to)> round_trip;
};

class MenuRoundTrip : public ::testing::TestWithParam<Medium> {};

TEST_P(MenuRoundTrip, KeepsAFiveLevelTreeAndEveryProperty) {
    Widget saved;
    testing::ChangeEverything(saved.model.PropsForExchange());
    BuildTree(saved.tree);
    ASSERT_EQ(saved.tree.CountAll(), 11u);
    Widget loaded;
    GetParam().round_trip(saved, loaded);
    EXPECT_EQ(Describe(loaded.tree.Items()), Describe(saved.tree.Items()));
    testing::ExpectSameProperties(loaded.props(), saved.props());
    EXPECT_EQ(loaded.box.shown, 0);
    // The loaded tree answers by ID, so it was indexed.
    ASSERT_NE(loaded.tree.FindItem(10000), nullptr);
    EXPECT_EQ(loaded.tree.FindItem(10000)->Depth(), kMaxLevel);
}

INSTANTIATE_TEST_SUITE_P(
    Media, MenuRoundTrip,
    ::testing::Values(Medium{"Stream", [](Widget& from, Widget& to) { to.LoadStream(from.SaveStream()); }},
                      Medium{"Bag", [](Widget& from, Widget& to) { to.LoadBag(from.SaveBag()); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MenuLoad, OwnersSharingACountKeyNeedTheOwnerKeyToSurvive) {
    Widget saved;
    BuildTree(saved.tree);
    MemoryPropertyBag bag = saved.SaveBag();
    // 10 and 20 are both the first sub-item of a top-level item, with one and
    // two sub-items: one shared key, two owner keys.
    EXPECT_EQ(*bag.Find("MenuItem0-2Count"), BagValue(std::int32_t{2}));
    EXPECT_EQ(*bag.Find("MenuOwner2-0-10Count"), BagValue(std::int32_t{1}));

    std::vector<std::string> owner_keys;
    for (const auto& [key, value] : bag.Entries()) {
        if (key.rfind("MenuOwner", 0) == 0) owner_keys.push_back(key);
    }
    for (const std::string& key : owner_keys) bag.Erase(key);
    Widget legacy;  // data of the older writer: the shared key gives both the same length
    legacy.LoadBag(bag);
    ASSERT_NE(legacy.tree.FindItem(10), nullptr);
    EXPECT_EQ(legacy.tree.FindItem(10)->SubItems().size(), 2u);
    EXPECT_EQ(legacy.tree.FindItem(20)->SubItems().size(), 2u);
    EXPECT_EQ(legacy.tree.FindItem(201)->shortcut, u"Ctrl+B");
}

// --- Older data and load defaults ------------------------------------------------------

TEST(MenuLoad, Version31DataIsReadWithThreeNumberKeys) {
    MemoryPropertyBag bag;
    bag.Write("_Version", std::int32_t{0x00030001});
    bag.Write("MenuExchangeStyle", std::int16_t{1});  // not read from 3.1 data
    bag.Write("MenuItem0-0Count", std::int32_t{1});
    bag.Write("MenuItem0-0-0ID", std::int16_t{7});
    bag.Write("MenuItem0-0-0SubMenuItem", true);
    bag.Write("MenuItem0-1Count", std::int32_t{1});
    bag.Write("MenuItem1-0-0ID", std::int16_t{8});
    bag.Write("MenuItem1-0-0Caption", std::u16string(u"Old"));
    bag.Write("MenuItem1-0-0Enabled", true);
    bag.Write("MenuItem1-0-0-7ID", std::int16_t{99});
    Widget w;
    w.LoadBag(bag);
    EXPECT_EQ(w.state.menu_exchange_style, kMenuLayoutOld);
    EXPECT_EQ(Describe(w.tree.Items()),
              (std::vector<std::string>{"0:7  [None] 00101 0/-1/0", "1:8 Old [None] 10100 0/-1/0"}));
}

// A 3.1 stream has neither MenuExchangeStyle nor MenuAutoDrop: without them
// the values after the menu must still fall into place.
TEST(MenuLoad, Version31StreamLacksTheTwoLaterValues) {
    Widget saved;
    BuildTree(saved.tree);
    saved.model.PropsForExchange().Menu = true;
    saved.model.PropsForExchange().MenuAutoDrop = true;
    saved.model.PropsForExchange().MenuButtonWidth = 40;
    saved.model.PropsForExchange().Font.face = u"Last";
    testing::RecordingExchange record;
    saved.Exchange(record);
    std::vector<std::pair<std::string, BagValue>> old;
    for (auto& [key, value] : record.visits) {
        if (key == "MenuExchangeStyle" || key == "MenuAutoDrop") continue;
        old.emplace_back(key, key == "_Version" ? BagValue(std::int32_t{0x00030001}) : value);
    }
    VectorSink sink;
    StreamSaveExchange writer(sink, saved.codec);
    testing::Replay(old, writer);

    Widget loaded;
    loaded.behavior.state.auto_drop_armed = true;
    SpanSource source(sink.Bytes());
    StreamLoadExchange px(source, loaded.codec);
    loaded.Exchange(px);
    EXPECT_EQ(source.Remaining(), 0u);
    EXPECT_FALSE(px.Ended());
    EXPECT_EQ(Describe(loaded.tree.Items()), Describe(saved.tree.Items()));
    EXPECT_EQ(loaded.props().MenuButtonWidth, 40);
    EXPECT_EQ(loaded.props().Font.face, u"Last");
    EXPECT_FALSE(loaded.props().MenuAutoDrop);
    EXPECT_FALSE(loaded.behavior.state.auto_drop_armed);
    EXPECT_EQ(loaded.state.menu_exchange_style, kMenuLayoutOld);
}

TEST(MenuLoad, MissingFieldsTakeTheStoredDefaultsNotANewItems) {
    MemoryPropertyBag bag;
    bag.Write("MenuItem0-0Count", std::int32_t{1});
    Widget w;
    w.LoadBag(bag);
    ASSERT_EQ(w.tree.Items().size(), 1u);
    const MenuItemRecord& r = w.tree.Items()[0];
    EXPECT_FALSE(r.enabled);
    EXPECT_EQ(r.parent_id, 0);
    EXPECT_EQ(r.parent_index, -1);
    EXPECT_TRUE(r.visible);
    EXPECT_EQ(r.shortcut, u"None");
}

TEST(MenuLoad, LoadedRecordsAreAppendedAndResetEmptiesTheTree) {
    Widget saved;
    saved.tree.AddItem(4, kTopLevel);
    const ByteBlock data = saved.SaveStream();
    Widget w;
    w.tree.AddItem(1, kTopLevel);
    w.LoadStream(data);
    EXPECT_EQ(w.tree.Items().size(), 2u);
    ResetExchange reset;
    w.Exchange(reset);
    EXPECT_TRUE(w.tree.Items().empty());
}

// --- Hostile data ---------------------------------------------------------------------------

// Writes a chain of `levels` items, each the only item of its list and the
// owner of the next, in the stored field order.
class ChainWriter final : public MenuExchangeLink {
public:
    explicit ChainWriter(int levels) : levels_(levels) {}
    void ExchangeMenuTree(PropertyExchange& px, std::int16_t) override {
        for (int depth = 0; depth <= levels_; ++depth) {
            std::int32_t count = depth < levels_ ? 1 : 0;
            px.ExchangeLong(MenuCountKey(0, depth), count, 0);
            if (count == 0) break;
            const std::int16_t pid = static_cast<std::int16_t>(depth - 1);
            auto key = [&](std::string_view field) { return MenuItemKey(depth, 0, 0, pid, true, field); };
            std::u16string caption = u"L" + std::u16string(1, char16_t(u'0' + depth)), none = u"None",
                           address;
            std::int16_t id = static_cast<std::int16_t>(depth), level = id, pindex = 0, parent = pid;
            bool off = false, on = true, sub = depth + 1 < levels_;
            SharedPicture picture;
            px.ExchangeString(key("Caption"), caption, u"");
            px.ExchangeString(key("Shortcut"), none, u"");
            px.ExchangeShort(key("ID"), id, 0);
            px.ExchangePicture(key("Picture"), picture);
            px.ExchangeBool(key("Separator"), off, false);
            px.ExchangeBool(key("Hyperlink"), off, false);
            px.ExchangeString(key("HyperlinkAddress"), address, u"");
            px.ExchangeBool(key("Enabled"), on, false);
            px.ExchangeBool(key("Visible"), on, false);
            px.ExchangeBool(key("SubMenuItem"), sub, false);
            px.ExchangeShort(key("Level"), level, 0);
            px.ExchangeShort(key("ParentIndex"), pindex, 0);
            px.ExchangeShort(key("ParentID"), parent, 0);
            if (!sub) break;
        }
    }

private:
    int levels_;
};

struct DeepCase {
    const char* name;
    bool stream;
};

class TooDeep : public ::testing::TestWithParam<DeepCase> {};

TEST_P(TooDeep, KeepsFiveLevelsAndWhatFollowsTheMenu) {
    Widget writer;
    writer.model.PropsForExchange().MenuButtonWidth = 33;
    writer.model.PropsForExchange().Font.face = u"After";
    ChainWriter chain(9);
    Widget loaded;
    if (GetParam().stream) {
        VectorSink sink;
        StreamSaveExchange px(sink, writer.codec);
        ExchangeControl(px, writer.model, writer.host, writer.state, chain);
        loaded.LoadStream(sink.Bytes());
    } else {
        MemoryPropertyBag bag;
        BagSaveExchange px(bag);
        ExchangeControl(px, writer.model, writer.host, writer.state, chain);
        loaded.LoadBag(bag);
    }
    EXPECT_EQ(loaded.tree.CountAll(), 5u);
    ASSERT_NE(loaded.tree.FindItem(4), nullptr);
    EXPECT_EQ(loaded.tree.FindItem(4)->Depth(), 4);
    EXPECT_EQ(loaded.props().MenuButtonWidth, 33);
    EXPECT_EQ(loaded.props().Font.face, u"After");
    // Saved again, the level-4 owner writes an empty list and the data loads the same.
    Widget again;
    again.LoadStream(loaded.SaveStream());
    EXPECT_EQ(Describe(again.tree.Items()), Describe(loaded.tree.Items()));
}

INSTANTIATE_TEST_SUITE_P(Media, TooDeep, ::testing::Values(DeepCase{"Stream", true}, DeepCase{"Bag", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MenuLoad, OneLoadKeepsAtMost32767Items) {
    MemoryPropertyBag bag;
    bag.Write("MenuItem0-0Count", std::int32_t{2000000000});
    Widget w;
    w.LoadBag(bag);
    EXPECT_EQ(w.tree.CountAll(), kMaxLoadedMenuItems);
}

TEST(MenuLoad, StreamPastTheItemLimitStaysInStep) {
    Widget saved;
    for (int i = 0; i < 32770; ++i) saved.tree.AddItem(static_cast<std::int16_t>(i), kTopLevel);
    saved.model.PropsForExchange().MenuAlignment = 2;
    Widget loaded;
    loaded.LoadStream(saved.SaveStream());
    EXPECT_EQ(loaded.tree.CountAll(), kMaxLoadedMenuItems);
    EXPECT_EQ(loaded.props().MenuAlignment, 2);
}

// --- Every prefix ------------------------------------------------------------------------

// A save that notes where each value starts and ends in the stream.
class OffsetRecorder final : public PropertyExchange {
public:
    OffsetRecorder(VectorSink& sink, PictureCodec& codec)
        : PropertyExchange(ExchangeMode::Save), sink_(sink), inner_(sink, codec) {}
    bool Keyed() const override { return false; }
    void ExchangeBool(std::string_view k, bool& v, bool d) override {
        Note(k, [&] { inner_.ExchangeBool(k, v, d); });
    }
    void ExchangeShort(std::string_view k, std::int16_t& v, std::int16_t d) override {
        Note(k, [&] { inner_.ExchangeShort(k, v, d); });
    }
    void ExchangeLong(std::string_view k, std::int32_t& v, std::int32_t d) override {
        Note(k, [&] { inner_.ExchangeLong(k, v, d); });
    }
    void ExchangeString(std::string_view k, std::u16string& v, std::u16string_view d) override {
        Note(k, [&] { inner_.ExchangeString(k, v, d); });
    }
    void ExchangeFont(std::string_view k, FontDesc& v, const FontDesc& d) override {
        Note(k, [&] { inner_.ExchangeFont(k, v, d); });
    }
    void ExchangePicture(std::string_view k, SharedPicture& v) override {
        Note(k, [&] { inner_.ExchangePicture(k, v); });
    }
    void ExchangeBlob(std::string_view k, std::optional<ByteBlock>& v, std::size_t m) override {
        Note(k, [&] { inner_.ExchangeBlob(k, v, m); });
    }
    std::map<std::string, std::pair<std::size_t, std::size_t>> span;  // first start, last end

private:
    template <typename Write>
    void Note(std::string_view key, Write write) {
        const std::size_t start = sink_.Bytes().size();
        write();
        auto [it, fresh] = span.try_emplace(std::string(key), start, 0);
        it->second.second = sink_.Bytes().size();
    }
    VectorSink& sink_;
    StreamSaveExchange inner_;
};

TEST(MenuLoad, EveryPrefixOfASavedStreamLoadsWhatItHolds) {
    Widget saved;
    testing::ChangeEverything(saved.model.PropsForExchange());
    saved.model.SetSoundMemory(SoundSlotId::Click, SoundBlock{2, 0, 0, 0, 7, 7});
    BuildTree(saved.tree);
    VectorSink sink;
    OffsetRecorder recorder(sink, saved.codec);
    saved.Exchange(recorder);
    const ByteBlock& data = sink.Bytes();
    const ButtonProperties& original = saved.props();

    for (std::size_t cut = 0; cut <= data.size(); ++cut) {
        Widget w;
        const ButtonProperties fresh = w.props();
        w.LoadStream(std::span(data).first(cut));
        for (const MemberInfo& m : MemberTable()) {
            if (m.persist_key.empty()) continue;
            const auto [start, end] = recorder.span.at(std::string(m.persist_key));
            if (end <= cut && !SameField(w.props(), original, m.field)) {
                ADD_FAILURE() << m.name << " is lost with the stream cut at " << cut;
            } else if (start >= cut && !FieldEquals(w.props(), fresh, m.field)) {
                ADD_FAILURE() << m.name << " is not its default with the stream cut at " << cut;
            }
        }
        ASSERT_LE(w.tree.CountAll(), saved.tree.CountAll()) << cut;
        if (HasFailure()) FAIL() << "cut at " << cut;
    }
}

}  // namespace
}  // namespace brixel
