#include "menu/menu_automation.h"

#include "menu/menu_messages.h"
#include "native/menu/menu_fakes.h"

#include <gtest/gtest.h>

namespace brixel {
namespace {

class MenuAutomationTest : public ::testing::Test {
protected:
    testing::RecordingMessageBox box;
    MenuTree tree{box};
};

TEST_F(MenuAutomationTest, EmptyTreeQueries) {
    EXPECT_EQ(GetMenuItemCount(tree, -1), 0);
    EXPECT_EQ(GetMenuItemIDFromIndex(tree, -1, 0), kNoSuchItem);
    EXPECT_TRUE(IsMenuItemParent(tree, -1));
    EXPECT_EQ(GetTotalMenuItemCount(tree), 0);
    EXPECT_EQ(GetMenuItemParentID(tree, 5), kNoSuchItem);
}

TEST_F(MenuAutomationTest, CountsAndIndexesPerList) {
    AddMenuItem(tree, 1, -1);
    AddMenuItem(tree, 2, -1);
    AddMenuItem(tree, 10, 1);
    AddMenuItem(tree, 11, 1);
    AddMenuItem(tree, 100, 10);
    struct Row {
        const char* name;
        std::int16_t parent, index, expected_id;
    } rows[] = {
        {"top first", -1, 0, 1},          {"top last", -1, 1, 2},
        {"top past end", -1, 2, -2},      {"sub first", 1, 0, 10},
        {"sub at count", 1, 2, -2},       {"negative index", 1, -1, -2},
        {"parent without sub-items", 2, 0, -2}, {"unknown parent", 77, 0, -2},
        {"third level", 10, 0, 100},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(GetMenuItemIDFromIndex(tree, row.parent, row.index), row.expected_id);
    }
    EXPECT_EQ(GetMenuItemCount(tree, -1), 2);
    EXPECT_EQ(GetMenuItemCount(tree, 1), 2);
    EXPECT_EQ(GetMenuItemCount(tree, 2), 0);
    EXPECT_EQ(GetMenuItemCount(tree, 77), 0);
    EXPECT_EQ(GetTotalMenuItemCount(tree), 5);
    EXPECT_TRUE(IsMenuItemParent(tree, 1));
    EXPECT_FALSE(IsMenuItemParent(tree, 2));
    EXPECT_FALSE(IsMenuItemParent(tree, 77));
    EXPECT_EQ(GetMenuItemParentID(tree, 1), -1);
    EXPECT_EQ(GetMenuItemParentID(tree, 100), 10);
}

TEST_F(MenuAutomationTest, InsertAndRemoveThroughTheMethods) {
    AddMenuItem(tree, 1, -1);
    InsertMenuItem(tree, 2, 1);
    EXPECT_EQ(GetMenuItemIDFromIndex(tree, -1, 0), 2);
    EXPECT_EQ(GetMenuItemParentID(tree, 2), -1);
    RemoveMenuItem(tree, 2);
    EXPECT_EQ(GetTotalMenuItemCount(tree), 1);
}

TEST_F(MenuAutomationTest, MissingItemsReadTheirDefaults) {
    EXPECT_TRUE(GetMenuItemCaption(tree, 3).empty());
    EXPECT_EQ(GetMenuItemID(tree, 3), 0);
    EXPECT_EQ(GetMenuItemShortcut(tree, 3), 0);
    EXPECT_FALSE(GetMenuItemHyperlink(tree, 3));
    EXPECT_TRUE(GetMenuItemHyperlinkAddress(tree, 3).empty());
    EXPECT_FALSE(GetMenuItemSeparator(tree, 3));
    EXPECT_FALSE(GetMenuItemEnabled(tree, 3));
    EXPECT_EQ(GetMenuItemPicture(tree, 3), nullptr);
    EXPECT_FALSE(GetMenuItemVisible(tree, 3));
}

TEST_F(MenuAutomationTest, WritesToMissingItemsDoNothing) {
    SetMenuItemCaption(tree, 3, u"x");
    SetMenuItemShortcut(tree, 3, 5);
    SetMenuItemHyperlink(tree, 3, true);
    SetMenuItemSeparator(tree, 3, true);
    SetMenuItemEnabled(tree, 3, true);
    SetMenuItemVisible(tree, 3, true);
    SetMenuItemID(tree, 3, 4);
    EXPECT_EQ(GetTotalMenuItemCount(tree), 0);
    EXPECT_TRUE(box.shown.empty());
    SetMenuItemID(tree, 3, -4);
    EXPECT_EQ(box.shown.size(), 1u) << "the negative-ID check runs before the search";
}

TEST_F(MenuAutomationTest, ExistingItemsReadBackWhatWasWritten) {
    AddMenuItem(tree, 1, -1);
    auto picture = std::make_shared<testing::FakePicture>(true);
    SetMenuItemCaption(tree, 1, u"Open");
    SetMenuItemHyperlink(tree, 1, true);
    SetMenuItemHyperlinkAddress(tree, 1, u"http://example.invalid");
    SetMenuItemSeparator(tree, 1, true);
    SetMenuItemEnabled(tree, 1, false);
    SetMenuItemVisible(tree, 1, false);
    SetMenuItemPicture(tree, 1, picture);
    EXPECT_TRUE(GetMenuItemCaption(tree, 1) == u"Open");
    EXPECT_TRUE(GetMenuItemHyperlink(tree, 1));
    EXPECT_TRUE(GetMenuItemHyperlinkAddress(tree, 1) == u"http://example.invalid");
    EXPECT_TRUE(GetMenuItemSeparator(tree, 1));
    EXPECT_FALSE(GetMenuItemEnabled(tree, 1));
    EXPECT_FALSE(GetMenuItemVisible(tree, 1));
    EXPECT_EQ(GetMenuItemPicture(tree, 1), picture);
    SetMenuItemID(tree, 1, 8);
    EXPECT_EQ(GetMenuItemID(tree, 8), 8);
    EXPECT_TRUE(GetMenuItemCaption(tree, 1).empty());
}

TEST_F(MenuAutomationTest, ShortcutTravelsAsACode) {
    AddMenuItem(tree, 5, -1);
    SetMenuItemShortcut(tree, 5, 3);
    EXPECT_TRUE(tree.FindItem(5)->shortcut == u"Ctrl+C");
    EXPECT_EQ(GetMenuItemShortcut(tree, 5), 3);
    SetMenuItemShortcut(tree, 5, 0);
    EXPECT_TRUE(tree.FindItem(5)->shortcut == u"None");
    SetMenuItemShortcut(tree, 5, 200);
    EXPECT_TRUE(tree.FindItem(5)->shortcut == u"None");
    SetMenuItemShortcut(tree, 5, -1);
    EXPECT_EQ(GetMenuItemShortcut(tree, 5), 0);
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(MenuAutomationTest, ShortcutReadsBackWhateverTheStoredCase) {
    auto stored = std::make_unique<MenuItemRecord>(std::int16_t{4});
    stored->shortcut = u"shift+ctrl+f2";
    tree.AppendLoaded(std::move(stored));
    EXPECT_EQ(GetMenuItemShortcut(tree, 4), 64);
}

TEST_F(MenuAutomationTest, CountsSaturateInsteadOfWrapping) {
    for (int id = 0; id < 32767; ++id) AddMenuItem(tree, static_cast<std::int16_t>(id), -1);
    // Only stored data can hold more items than there are IDs.
    auto extra = std::make_unique<MenuItemRecord>(std::int16_t{32767});
    tree.AppendLoaded(std::move(extra));
    auto another = std::make_unique<MenuItemRecord>(std::int16_t{32767});
    tree.AppendLoaded(std::move(another));
    EXPECT_EQ(tree.CountAll(), 32769u);
    EXPECT_EQ(GetTotalMenuItemCount(tree), 32767);
    EXPECT_EQ(GetMenuItemCount(tree, -1), 32767);
}

}  // namespace
}  // namespace brixel
