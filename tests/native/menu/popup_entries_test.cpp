// What one drop of the popup holds: the visible part of the tree in menu
// order, its command numbers and the item data that names entries.
#include "activex/popup_entries.h"

#include "menu/menu_tree.h"
#include "menu_fakes.h"

#include <gtest/gtest.h>

#include <string>

namespace brixel::testing {
namespace {

using activex::kMaxPopupCommand;
using activex::kPopupRoot;
using activex::PopupEntries;
using activex::PopupEntry;

// 1 File          (parent)
//   11 Open
//   12 -----      (separator)
//   13 Recent     (parent, disabled)
//     131 a.txt   (enabled: choosable under its disabled parent)
// 2 Hidden        (parent, invisible)
//   21 Never
// 3 Help
// 4 Off           (disabled)
class PopupEntriesTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (auto [id, parent] : {std::pair<int, int>{1, -1}, {11, 1}, {12, 1}, {13, 1}, {131, 13}, {2, -1}, {21, 2},
                                  {3, -1}, {4, -1}}) {
            ASSERT_TRUE(tree_.AddItem(static_cast<std::int16_t>(id), static_cast<std::int16_t>(parent)));
        }
        tree_.SetSeparator(12, true);
        tree_.SetEnabled(13, false);
        tree_.SetVisible(2, false);
        tree_.SetEnabled(4, false);
    }

    std::string Ids(const PopupEntries& entries) const {
        std::string out;
        for (const PopupEntry& e : entries.Entries()) out += std::to_string(e.item.id) + " ";
        return out;
    }

    RecordingMessageBox box_;
    MenuTree tree_{box_};
};

TEST_F(PopupEntriesTest, VisiblePartInMenuOrder) {
    PopupEntries entries;
    entries.Build(tree_.Items());
    EXPECT_EQ(Ids(entries), "1 11 12 13 131 3 4 ");
}

TEST_F(PopupEntriesTest, EntryKinds) {
    PopupEntries entries;
    entries.Build(tree_.Items());
    struct Case {
        std::int16_t id;
        bool parent, greyed;
        std::uint32_t command;
        std::int16_t owner_id;  // -1: the root popup
    };
    const Case cases[] = {
        {1, true, false, 0, -1},   {11, false, false, 1, 1},  {12, false, false, 2, 1},
        {13, true, true, 0, 1},    {131, false, false, 3, 13}, {3, false, false, 4, -1},
        {4, false, true, 5, -1},
    };
    ASSERT_EQ(entries.Entries().size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const PopupEntry& e = entries.Entries()[i];
        const Case& c = cases[i];
        EXPECT_EQ(e.item.id, c.id) << i;
        EXPECT_EQ(e.parent, c.parent) << c.id;
        EXPECT_EQ(e.greyed, c.greyed) << c.id << " (only its own record greys an entry)";
        EXPECT_EQ(e.command, c.command) << c.id;
        const std::int16_t owner = e.owner == kPopupRoot ? -1 : entries.Entries()[e.owner].item.id;
        EXPECT_EQ(owner, c.owner_id) << c.id;
    }
}

TEST_F(PopupEntriesTest, CommandsAndItemDataNameEntriesOfThisDropOnly) {
    PopupEntries entries;
    entries.Build(tree_.Items());
    EXPECT_EQ(entries.ByCommand(0), nullptr) << "0 means nothing chosen";
    ASSERT_NE(entries.ByCommand(3), nullptr);
    EXPECT_EQ(entries.ByCommand(3)->item.id, 131);
    EXPECT_EQ(entries.ByCommand(6), nullptr);
    EXPECT_EQ(entries.ByCommand(0xF001), nullptr);
    EXPECT_EQ(entries.ByItemData(0), nullptr);
    ASSERT_NE(entries.ByItemData(PopupEntries::ItemData(3)), nullptr);
    EXPECT_EQ(entries.ByItemData(PopupEntries::ItemData(3))->item.id, 13);
    EXPECT_EQ(entries.ByItemData(PopupEntries::ItemData(7)), nullptr);

    entries.Clear();
    EXPECT_EQ(entries.ByCommand(1), nullptr);
    EXPECT_EQ(entries.ByItemData(1), nullptr);
}

TEST_F(PopupEntriesTest, EveryDropNumbersFromOneAgain) {
    PopupEntries entries;
    for (int drop = 0; drop < 3; ++drop) {
        entries.Build(tree_.Items());
        ASSERT_NE(entries.ByCommand(1), nullptr) << drop;
        EXPECT_EQ(entries.ByCommand(1)->item.id, 11) << drop;
    }
}

TEST_F(PopupEntriesTest, EntriesAreCopiesThatOutliveTheirRecords) {
    PopupEntries entries;
    tree_.SetCaption(131, u"a.txt");
    entries.Build(tree_.Items());
    tree_.RemoveItem(1);
    ASSERT_NE(entries.ByCommand(3), nullptr);
    EXPECT_EQ(entries.ByCommand(3)->item.caption, u"a.txt");
}

// A stored tree may hold more entries than a popup command can number: no
// two entries ever share a number, the surplus is left out.
TEST(PopupEntriesLimit, CommandsNeverRepeatBeyondTheirRange) {
    RecordingMessageBox box;
    MenuTree tree(box);
    MenuItemList items;
    const std::size_t count = kMaxPopupCommand + 3;
    for (std::size_t i = 0; i < count; ++i) {
        auto record = std::make_unique<MenuItemRecord>(static_cast<std::int16_t>(i % 30000));
        items.Append(std::move(record));
    }
    tree.ReplaceAll(std::move(items));
    PopupEntries entries;
    entries.Build(tree.Items());
    EXPECT_EQ(entries.Entries().size(), kMaxPopupCommand);
    EXPECT_EQ(entries.Entries().back().command, kMaxPopupCommand);
    EXPECT_EQ(entries.ByCommand(kMaxPopupCommand + 1), nullptr);
}

}  // namespace
}  // namespace brixel::testing
