#include "menu/menu_item.h"

#include <gtest/gtest.h>

#include <vector>

namespace brixel {
namespace {

std::unique_ptr<MenuItemRecord> Item(int id) { return std::make_unique<MenuItemRecord>(static_cast<std::int16_t>(id)); }

std::vector<int> Ids(const MenuItemList& list) {
    std::vector<int> ids;
    for (const MenuItemRecord& r : list) ids.push_back(r.id);
    return ids;
}

void ExpectPositions(const MenuItemList& list) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list[i].Index(), i);
        EXPECT_EQ(list[i].List(), &list);
    }
}

TEST(MenuItemList, InsertNeverGoesPastTheEnd) {
    MenuItemList list;
    list.Append(Item(1));
    list.Insert(99, Item(2));
    list.Insert(0, Item(3));
    list.Insert(1, Item(4));
    EXPECT_EQ(Ids(list), (std::vector<int>{3, 4, 1, 2}));
    ExpectPositions(list);
    EXPECT_EQ(list.Append(nullptr), nullptr);
    EXPECT_EQ(list.size(), 4u);
}

TEST(MenuItemList, TakeDetachesAndRenumbers) {
    MenuItemList list;
    for (int id = 0; id < 4; ++id) list.Append(Item(id));
    std::unique_ptr<MenuItemRecord> taken = list.Take(1);
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(taken->id, 1);
    EXPECT_EQ(taken->List(), nullptr);
    EXPECT_EQ(Ids(list), (std::vector<int>{0, 2, 3}));
    ExpectPositions(list);
    EXPECT_EQ(list.Take(3), nullptr);
}

TEST(MenuItemList, ParentsAndDepthFollowThePosition) {
    MenuItemList top;
    MenuItemRecord* a = top.Append(Item(1));
    MenuItemRecord* b = a->SubItems().Append(Item(2));
    MenuItemRecord* c = b->SubItems().Append(Item(3));
    EXPECT_EQ(a->Parent(), nullptr);
    EXPECT_EQ(c->Parent(), b);
    EXPECT_EQ(b->Parent(), a);
    EXPECT_EQ(c->Depth(), 2);
    EXPECT_EQ(a->SubItems().Owner(), a);
}

TEST(MenuItemList, MovingKeepsTheRecordsPointingAtTheirNewList) {
    MenuItemList source;
    source.Append(Item(1));
    source.Append(Item(2));
    MenuItemList top;
    MenuItemRecord* owner = top.Append(Item(9));
    owner->SubItems() = std::move(source);
    EXPECT_TRUE(source.empty());
    EXPECT_EQ(owner->SubItems().Owner(), owner) << "a list keeps its owner when records move in";
    ExpectPositions(owner->SubItems());
    EXPECT_EQ(owner->SubItems()[1].Parent(), owner);
    MenuItemList moved(std::move(owner->SubItems()));
    ExpectPositions(moved);
    EXPECT_EQ(moved[0].Parent(), nullptr);
}

TEST(MenuItemList, ReleaseAllDetachesEveryRecord) {
    MenuItemList list;
    list.Append(Item(1));
    list.Append(Item(2));
    MenuItemList::Slots released = list.ReleaseAll();
    EXPECT_TRUE(list.empty());
    ASSERT_EQ(released.size(), 2u);
    EXPECT_EQ(released[1]->List(), nullptr);
}

TEST(FindPreOrder, VisitsAParentsSubItemsBeforeItsNextSibling) {
    MenuItemList top;
    MenuItemRecord* a = top.Append(Item(1));
    a->SubItems().Append(Item(2))->SubItems().Append(Item(3));
    a->SubItems().Append(Item(4));
    top.Append(Item(5));
    std::vector<int> order;
    ForEachPreOrder(top, [&](const MenuItemRecord& r) { order.push_back(r.id); });
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4, 5}));
    const MenuItemRecord* found = FindPreOrder(top, [](const MenuItemRecord& r) { return r.id != 4; });
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->Index(), 1u);
}

}  // namespace
}  // namespace brixel
