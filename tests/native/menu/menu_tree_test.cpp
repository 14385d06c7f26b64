#include "menu/menu_tree.h"

#include "menu/menu_messages.h"
#include "native/menu/menu_fakes.h"

#include <gtest/gtest.h>

namespace brixel {
namespace {

using testing::RecordingMessageBox;
using testing::ShownMessage;
namespace msg = menu_messages;

class MenuTreeTest : public ::testing::Test {
protected:
    // Builds a chain: id, a sub-item id+1 under it, ... `levels` deep.
    void Chain(std::int16_t first, int levels) {
        ASSERT_TRUE(tree.AddItem(first, kTopLevel));
        for (int i = 1; i < levels; ++i) {
            ASSERT_TRUE(tree.AddItem(static_cast<std::int16_t>(first + i), static_cast<std::int16_t>(first + i - 1)));
        }
    }
    std::vector<std::int16_t> IdsOf(const MenuItemList& list) const {
        std::vector<std::int16_t> ids;
        for (const MenuItemRecord& r : list) ids.push_back(r.id);
        return ids;
    }
    ShownMessage Exclaim(std::u16string_view text) { return {std::u16string(text), MessageBoxIcon::Exclamation}; }

    RecordingMessageBox box;
    MenuTree tree{box};
};

TEST_F(MenuTreeTest, NewItemTakesTheDefaults) {
    ASSERT_TRUE(tree.AddItem(7, kTopLevel));
    const MenuItemRecord* r = tree.FindItem(7);
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(r->caption.empty());
    EXPECT_TRUE(r->shortcut == u"None");
    EXPECT_EQ(r->picture, nullptr);
    EXPECT_TRUE(r->enabled);
    EXPECT_FALSE(r->separator);
    EXPECT_TRUE(r->visible);
    EXPECT_FALSE(r->hyperlink);
    EXPECT_TRUE(r->hyperlink_address.empty());
    EXPECT_EQ(r->level, 0);
    EXPECT_EQ(r->parent_index, -1);
    EXPECT_EQ(r->parent_id, -1);
    EXPECT_FALSE(r->has_sub_items);
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(MenuTreeTest, DuplicateTopLevelAddIsRefusedWithItsMessage) {
    ASSERT_TRUE(tree.AddItem(1, kTopLevel));
    EXPECT_FALSE(tree.AddItem(1, kTopLevel));
    EXPECT_EQ(tree.Items().size(), 1u);
    EXPECT_EQ(box.shown, (std::vector<ShownMessage>{Exclaim(msg::kDuplicateId)}));
}

TEST_F(MenuTreeTest, DuplicateOfASubItemIsRefusedAtAnyLevel) {
    Chain(1, 3);
    EXPECT_FALSE(tree.AddItem(3, kTopLevel));
    EXPECT_FALSE(tree.AddItem(3, 1));
    EXPECT_FALSE(tree.InsertItem(3, 1));
    EXPECT_EQ(box.shown.size(), 3u);
    EXPECT_EQ(tree.CountAll(), 3u);
}

TEST_F(MenuTreeTest, NegativeIdIsRefusedWithTheStopIcon) {
    EXPECT_FALSE(tree.AddItem(-1, kTopLevel));
    EXPECT_FALSE(tree.InsertItem(-5, 0));
    const ShownMessage stop{std::u16string(msg::kNegativeId), MessageBoxIcon::Stop};
    EXPECT_EQ(box.shown, (std::vector<ShownMessage>{stop, stop}));
    EXPECT_TRUE(tree.Items().empty());
}

TEST_F(MenuTreeTest, IdZeroIsAValidItem) {
    ASSERT_TRUE(tree.AddItem(0, kTopLevel));
    ASSERT_TRUE(tree.AddItem(1, 0));
    EXPECT_EQ(tree.FindItem(1)->parent_id, 0);
    EXPECT_TRUE(tree.IdExists(0));
    EXPECT_FALSE(tree.IdExists(-1));
}

TEST_F(MenuTreeTest, DepthLimitIsSilentAndLevelFourIsReachable) {
    Chain(10, 4);  // levels 0..3
    ASSERT_TRUE(tree.AddItem(14, 13));
    EXPECT_EQ(tree.FindItem(14)->level, 4);
    EXPECT_FALSE(tree.AddItem(15, 14));
    EXPECT_FALSE(tree.IdExists(15));
    EXPECT_FALSE(tree.FindItem(14)->has_sub_items);
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(MenuTreeTest, SubItemRecordsItsParent) {
    ASSERT_TRUE(tree.AddItem(1, kTopLevel));
    ASSERT_TRUE(tree.AddItem(2, kTopLevel));
    ASSERT_TRUE(tree.AddItem(20, 2));
    const MenuItemRecord* child = tree.FindItem(20);
    EXPECT_EQ(child->level, 1);
    EXPECT_EQ(child->parent_id, 2);
    EXPECT_EQ(child->parent_index, 1);
    EXPECT_TRUE(tree.FindItem(2)->has_sub_items);
    EXPECT_EQ(tree.FindParentOf(*child), tree.FindItem(2));
}

TEST_F(MenuTreeTest, UnknownParentIsSilent) {
    EXPECT_FALSE(tree.AddItem(1, 99));
    EXPECT_FALSE(tree.AddItem(1, -7));
    EXPECT_TRUE(box.shown.empty());
    EXPECT_TRUE(tree.Items().empty());
}

TEST_F(MenuTreeTest, SeparatorCannotTakeSubItems) {
    ASSERT_TRUE(tree.AddItem(1, kTopLevel));
    ASSERT_TRUE(tree.SetSeparator(1, true));
    EXPECT_FALSE(tree.AddItem(2, 1));
    EXPECT_EQ(box.shown, (std::vector<ShownMessage>{Exclaim(msg::kSubMenuOnSeparator)}));
}

TEST_F(MenuTreeTest, ShortcutBlocksSubItemsUntilClearedToNone) {
    ASSERT_TRUE(tree.AddItem(1, kTopLevel));
    ASSERT_TRUE(tree.SetShortcut(1, u"Ctrl+A"));
    EXPECT_FALSE(tree.AddItem(2, 1));
    EXPECT_EQ(box.shown, (std::vector<ShownMessage>{Exclaim(msg::kSubMenuOnShortcut)}));
    ASSERT_TRUE(tree.SetShortcut(1, u"None"));
    EXPECT_TRUE(tree.AddItem(2, 1));
    ASSERT_TRUE(tree.AddItem(3, kTopLevel));
    ASSERT_TRUE(tree.SetShortcut(3, u"(None)"));
    EXPECT_TRUE(tree.AddItem(4, 3)) << "\"(None)\" is no shortcut either";
}

TEST_F(MenuTreeTest, RemovingTheOnlySubItemFreesTheParent) {
    ASSERT_TRUE(tree.AddItem(1, kTopLevel));
    ASSERT_TRUE(tree.AddItem(2, 1));
    EXPECT_FALSE(tree.SetSeparator(1, true));
    EXPECT_FALSE(tree.SetShortcut(1, u"F2"));
    EXPECT_FALSE(tree.SetHyperlink(1, true));
    EXPECT_EQ(box.shown, (std::vector<ShownMessage>{Exclaim(msg::kSeparatorOnParent), Exclaim(msg::kShortcutOnParent),
                                                     Exclaim(msg::kHyperlinkOnParent)}));
    ASSERT_TRUE(tree.RemoveItem(2));
    EXPECT_FALSE(tree.FindItem(1)->has_sub_items);
    EXPECT_TRUE(tree.SetSeparator(1, true));
    EXPECT_TRUE(tree.SetShortcut(1, u"F2"));
    EXPECT_TRUE(tree.SetHyperlink(1, true));
}

TEST_F(MenuTreeTest, ClearingFlagsOnAParentIsAlwaysAccepted) {
    ASSERT_TRUE(tree.AddItem(1, kTopLevel));
    ASSERT_TRUE(tree.AddItem(2, 1));
    EXPECT_TRUE(tree.SetSeparator(1, false));
    EXPECT_TRUE(tree.SetHyperlink(1, false));
    EXPECT_TRUE(tree.SetShortcut(1, u"None"));
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(MenuTreeTest, RemovingAParentFreesAllDescendantIds) {
    Chain(1, 5);
    ASSERT_TRUE(tree.AddItem(9, kTopLevel));
    ASSERT_TRUE(tree.RemoveItem(1));
    EXPECT_EQ(tree.CountAll(), 1u);
    for (std::int16_t id = 1; id <= 5; ++id) EXPECT_FALSE(tree.IdExists(id)) << id;
    EXPECT_TRUE(tree.AddItem(3, 9)) << "a freed ID can be used again";
    EXPECT_EQ(tree.Items()[0].Index(), 0u);
}

TEST_F(MenuTreeTest, RemovingAnUnknownIdDoesNothing) {
    Chain(1, 2);
    EXPECT_FALSE(tree.RemoveItem(42));
    EXPECT_EQ(tree.CountAll(), 2u);
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(MenuTreeTest, InsertBeforeASubItemLandsInItsList) {
    ASSERT_TRUE(tree.AddItem(1, kTopLevel));
    ASSERT_TRUE(tree.AddItem(10, 1));
    ASSERT_TRUE(tree.AddItem(11, 1));
    ASSERT_TRUE(tree.InsertItem(12, 11));
    const MenuItemRecord& parent = *tree.FindItem(1);
    EXPECT_EQ(IdsOf(parent.SubItems()), (std::vector<std::int16_t>{10, 12, 11}));
    const MenuItemRecord* inserted = tree.FindItem(12);
    EXPECT_EQ(inserted->Index(), 1u);
    EXPECT_EQ(inserted->level, 1);
    EXPECT_EQ(inserted->parent_id, 1);
    EXPECT_EQ(tree.FindItem(11)->Index(), 2u) << "the items after it move down";
}

TEST_F(MenuTreeTest, InsertBeforeATopLevelItem) {
    ASSERT_TRUE(tree.AddItem(1, kTopLevel));
    ASSERT_TRUE(tree.AddItem(2, kTopLevel));
    ASSERT_TRUE(tree.InsertItem(3, 1));
    EXPECT_EQ(IdsOf(tree.Items()), (std::vector<std::int16_t>{3, 1, 2}));
    EXPECT_EQ(tree.FindItem(3)->parent_id, kTopLevel);
}

TEST_F(MenuTreeTest, InsertBeforeAnUnknownIdDoesNothing) {
    ASSERT_TRUE(tree.AddItem(1, kTopLevel));
    EXPECT_FALSE(tree.InsertItem(2, 5));
    EXPECT_EQ(tree.CountAll(), 1u);
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(MenuTreeTest, AssigningAnItemItsOwnIdIsADuplicate) {
    ASSERT_TRUE(tree.AddItem(4, kTopLevel));
    EXPECT_FALSE(tree.SetId(4, 4));
    EXPECT_EQ(box.shown, (std::vector<ShownMessage>{Exclaim(msg::kDuplicateId)}));
}

TEST_F(MenuTreeTest, NegativeIdCheckComesBeforeTheSearch) {
    EXPECT_FALSE(tree.SetId(99, -3));
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].icon, MessageBoxIcon::Stop);
    EXPECT_FALSE(tree.SetId(99, 5)) << "an unknown item is silent otherwise";
    EXPECT_EQ(box.shown.size(), 1u);
}

TEST_F(MenuTreeTest, ChangingAnIdMovesItsSubItemsWithIt) {
    Chain(1, 3);
    ASSERT_TRUE(tree.SetId(2, 20));
    EXPECT_FALSE(tree.IdExists(2));
    const MenuItemRecord* child = tree.FindItem(3);
    EXPECT_EQ(child->parent_id, 20);
    EXPECT_EQ(tree.FindParentOf(*child), tree.FindItem(20));
    ASSERT_TRUE(tree.InsertItem(4, 3));
    EXPECT_EQ(tree.FindItem(4)->parent_id, 20);
    EXPECT_TRUE(tree.AddItem(2, kTopLevel)) << "the old ID is free";
}

TEST_F(MenuTreeTest, ShortcutDuplicatesAreRefusedButReassigningTheSameItemIsNot) {
    ASSERT_TRUE(tree.AddItem(1, kTopLevel));
    ASSERT_TRUE(tree.AddItem(2, kTopLevel));
    ASSERT_TRUE(tree.SetShortcut(1, u"Ctrl+B"));
    EXPECT_TRUE(tree.SetShortcut(1, u"Ctrl+B"));
    EXPECT_FALSE(tree.SetShortcut(2, u"Ctrl+B"));
    EXPECT_EQ(box.shown, (std::vector<ShownMessage>{Exclaim(msg::kShortcutTaken)}));
    EXPECT_TRUE(tree.SetShortcut(2, u"None"));
    EXPECT_TRUE(tree.SetShortcut(1, u"None")) << "many items may carry no shortcut";
}

TEST_F(MenuTreeTest, PlainFieldsAreStoredWithoutChecks) {
    ASSERT_TRUE(tree.AddItem(1, kTopLevel));
    ASSERT_TRUE(tree.AddItem(2, 1));
    auto picture = std::make_shared<testing::FakePicture>(true);
    EXPECT_TRUE(tree.SetCaption(1, u"&File"));
    EXPECT_TRUE(tree.SetHyperlinkAddress(1, u"x@y"));
    EXPECT_TRUE(tree.SetEnabled(1, false));
    EXPECT_TRUE(tree.SetVisible(1, false));
    EXPECT_TRUE(tree.SetPicture(1, picture));
    const MenuItemRecord& r = *tree.FindItem(1);
    EXPECT_TRUE(r.caption == u"&File");
    EXPECT_TRUE(r.hyperlink_address == u"x@y");
    EXPECT_FALSE(r.enabled);
    EXPECT_FALSE(r.visible);
    EXPECT_EQ(r.picture, picture);
    EXPECT_FALSE(tree.SetCaption(5, u"missing"));
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(MenuTreeTest, AnyVisibleSearchesBelowInvisibleParents) {
    EXPECT_FALSE(tree.AnyVisible());
    Chain(1, 2);
    ASSERT_TRUE(tree.SetVisible(1, false));
    EXPECT_TRUE(tree.AnyVisible());
    ASSERT_TRUE(tree.SetVisible(2, false));
    EXPECT_FALSE(tree.AnyVisible());
}

TEST_F(MenuTreeTest, DeleteAllEmptiesTheTree) {
    Chain(1, 5);
    Chain(6, 3);
    tree.DeleteAll();
    EXPECT_TRUE(tree.Items().empty());
    EXPECT_EQ(tree.CountAll(), 0u);
    EXPECT_FALSE(tree.IdExists(3));
    EXPECT_TRUE(tree.AddItem(3, kTopLevel));
}

// --- Stored trees, taken as they are ------------------------------------------------

std::unique_ptr<MenuItemRecord> Stored(std::int16_t id, std::int16_t level, std::int16_t parent_id) {
    auto r = std::make_unique<MenuItemRecord>(id);
    r->level = level;
    r->parent_id = parent_id;
    return r;
}

TEST_F(MenuTreeTest, DuplicateStoredIdsResolveToTheFirstInMenuOrder) {
    auto first = Stored(1, 0, -1);
    first->has_sub_items = true;
    first->SubItems().Append(Stored(5, 1, 1));
    tree.AppendLoaded(std::move(first));
    tree.AppendLoaded(Stored(5, 0, -1));
    EXPECT_EQ(tree.FindItem(5)->Parent(), tree.FindItem(1)) << "the sub-item precedes its parent's next sibling";
    ASSERT_TRUE(tree.RemoveItem(5));
    EXPECT_EQ(tree.FindItem(5), &tree.Items()[1]) << "the other one remains findable";
    EXPECT_FALSE(tree.FindItem(1)->has_sub_items);
}

TEST_F(MenuTreeTest, StoredLevelCannotGrowASixthLevel) {
    // A chain stored five deep whose deepest record claims Level 0.
    auto root = Stored(0, 0, -1);
    MenuItemRecord* tail = root.get();
    for (std::int16_t id = 1; id <= 4; ++id) {
        tail->has_sub_items = true;
        tail = tail->SubItems().Append(Stored(id, id == 4 ? 0 : id, static_cast<std::int16_t>(id - 1)));
    }
    tree.AppendLoaded(std::move(root));
    EXPECT_FALSE(tree.AddItem(9, 4));
    EXPECT_EQ(tree.CountAll(), 5u);
}

TEST_F(MenuTreeTest, InsertBeforeAStoredItemWithWrongParentFieldsStaysInItsList) {
    // The sub-item claims Level 0 and names a parent that is not its own; the
    // new item must still land next to it, in range.
    auto decoy = Stored(7, 0, -1);
    auto parent = Stored(1, 0, -1);
    parent->has_sub_items = true;
    parent->SubItems().Append(Stored(10, 0, 7));
    parent->SubItems().Append(Stored(11, 1, 7));
    tree.AppendLoaded(std::move(decoy));
    tree.AppendLoaded(std::move(parent));
    ASSERT_TRUE(tree.InsertItem(12, 11));
    ASSERT_TRUE(tree.InsertItem(13, 10));
    EXPECT_EQ(IdsOf(tree.FindItem(1)->SubItems()), (std::vector<std::int16_t>{13, 10, 12, 11}));
    EXPECT_TRUE(tree.FindItem(7)->SubItems().empty());
    EXPECT_EQ(tree.FindItem(12)->parent_id, 1);
    EXPECT_EQ(tree.FindItem(13)->level, 1);
}

TEST_F(MenuTreeTest, FindParentOfSkipsTheRecordItself) {
    auto self = Stored(3, 1, 3);  // names itself as its parent
    tree.AppendLoaded(std::move(self));
    EXPECT_EQ(tree.FindParentOf(*tree.FindItem(3)), nullptr);
}

TEST_F(MenuTreeTest, DetachAllGivesPreOrderAndReplaceAllReindexes) {
    Chain(1, 3);
    ASSERT_TRUE(tree.AddItem(4, kTopLevel));
    MenuItemList::Slots flat = tree.DetachAll();
    ASSERT_EQ(flat.size(), 4u);
    EXPECT_EQ(flat[0]->id, 1);
    EXPECT_EQ(flat[1]->id, 2);
    EXPECT_EQ(flat[2]->id, 3);
    EXPECT_EQ(flat[3]->id, 4);
    EXPECT_TRUE(tree.Items().empty());
    EXPECT_FALSE(tree.IdExists(1));
    MenuItemList rebuilt;
    for (auto& r : flat) rebuilt.Append(std::move(r));
    tree.ReplaceAll(std::move(rebuilt));
    EXPECT_EQ(tree.Items().size(), 4u);
    EXPECT_EQ(tree.FindItem(3)->Index(), 2u);
    EXPECT_EQ(tree.FindItem(3)->List(), &tree.Items());
}

TEST(Saturate16, CountsStopAtTheLargestItemId) {
    EXPECT_EQ(Saturate16(0), 0);
    EXPECT_EQ(Saturate16(32767), 32767);
    EXPECT_EQ(Saturate16(32768), 32767);
    EXPECT_EQ(Saturate16(70000), 32767);
}

}  // namespace
}  // namespace brixel
