#include "menu/shortcut_registry.h"

#include "menu/menu_automation.h"
#include "menu/shortcut_table.h"
#include "native/menu/menu_fakes.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

namespace brixel {
namespace {

constexpr WindowHandle kWindowA = 0xA0;
constexpr WindowHandle kWindowB = 0xB0;

class ShortcutRegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        tree.AddItem(1, kTopLevel);   // File
        tree.AddItem(10, 1);          // File > Save, Ctrl+S
        tree.AddItem(11, 1);          // File > Delete, Del
        tree.AddItem(2, kTopLevel);   // Refresh, F5
        tree.AddItem(3, kTopLevel);   // Ctrl+A
        tree.SetShortcut(10, u"Ctrl+S");
        tree.SetShortcut(11, u"Del");
        tree.SetShortcut(2, u"F5");
        tree.SetShortcut(3, u"Ctrl+A");
        registry.RegisterShortcuts(kWindowA, tree);
    }
    std::optional<ShortcutRegistry::Chosen> Press(std::uint16_t key, bool ctrl = false, bool shift = false,
                                                  bool alt = false, bool tracking = false) {
        return registry.Choose({key, ctrl, shift, alt}, tracking, [](WindowHandle) { return true; });
    }
    std::int16_t PressedId(std::uint16_t key, bool ctrl = false, bool shift = false, bool alt = false) {
        const auto r = Press(key, ctrl, shift, alt);
        return r ? r->invocation.item_id : kNoSuchItem;
    }

    testing::RecordingMessageBox box;
    ShortcutRegistry registry;
    MenuTree tree{box};
};

TEST_F(ShortcutRegistryTest, RegistersEveryShortcutInMenuOrder) {
    ASSERT_EQ(registry.Entries().size(), 4u);
    EXPECT_EQ(registry.Entries()[0].record->id, 10);
    EXPECT_EQ(registry.Entries()[1].record->id, 11);
    EXPECT_EQ(registry.Entries()[2].record->id, 2);
    EXPECT_EQ(registry.Entries()[3].record->id, 3);
    EXPECT_EQ(registry.Entries()[0].window, kWindowA);
    EXPECT_EQ(registry.Entries()[0].owner, &tree);
}

TEST_F(ShortcutRegistryTest, ModifiersMustMatchExactly) {
    struct Row {
        const char* name;
        std::uint16_t key;
        bool ctrl, shift, alt;
        std::int16_t expected;
    } rows[] = {
        {"Ctrl+A", 'A', true, false, false, 3},
        {"Ctrl+Shift+A is another key", 'A', true, true, false, kNoSuchItem},
        {"Ctrl+Alt+A is another key", 'A', true, false, true, kNoSuchItem},
        {"A alone never fires", 'A', false, false, false, kNoSuchItem},
        {"F5 alone", 0x74, false, false, false, 2},
        {"Shift+F5 is not F5", 0x74, false, true, false, kNoSuchItem},
        {"Delete alone", 0x2E, false, false, false, 11},
        {"sub-item shortcut", 'S', true, false, false, 10},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(PressedId(row.key, row.ctrl, row.shift, row.alt), row.expected);
    }
}

TEST_F(ShortcutRegistryTest, UnmodifiedLettersNeverFireEvenWhenRegistered) {
    auto odd = std::make_unique<MenuItemRecord>(std::int16_t{50});
    odd->shortcut = u"Q";  // stored data may name a bare letter
    tree.AppendLoaded(std::move(odd));
    ASSERT_EQ(registry.Entries().back().key, 'Q');
    EXPECT_FALSE(Press('Q'));
}

TEST_F(ShortcutRegistryTest, NothingFiresWhileAPopupIsTracked) {
    EXPECT_FALSE(Press('A', true, false, false, true));
}

TEST_F(ShortcutRegistryTest, HiddenDisabledOrSeparatorItemsAndAncestorsBlock) {
    struct Row {
        const char* name;
        void (*change)(MenuTree&);
    } rows[] = {
        {"item disabled", [](MenuTree& t) { t.SetEnabled(10, false); }},
        {"item hidden", [](MenuTree& t) { t.SetVisible(10, false); }},
        {"item is a separator", [](MenuTree& t) { t.SetSeparator(10, true); }},
        {"parent disabled", [](MenuTree& t) { t.SetEnabled(1, false); }},
        {"parent hidden", [](MenuTree& t) { t.SetVisible(1, false); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testing::RecordingMessageBox local_box;
        MenuTree local{local_box};
        local.AddItem(1, kTopLevel);
        local.AddItem(10, 1);
        local.SetShortcut(10, u"Ctrl+S");
        ShortcutRegistry local_registry;
        local_registry.RegisterShortcuts(kWindowA, local);
        ASSERT_TRUE(local_registry.Choose({'S', true, false, false}, false, nullptr));
        row.change(local);
        EXPECT_FALSE(local_registry.Choose({'S', true, false, false}, false, nullptr));
    }
}

TEST_F(ShortcutRegistryTest, FirstMatchDecidesEvenWhenItIsBlocked) {
    testing::RecordingMessageBox other_box;
    MenuTree other{other_box};
    other.AddItem(1, kTopLevel);
    other.SetShortcut(1, u"F5");
    registry.RegisterShortcuts(kWindowB, other);
    EXPECT_EQ(PressedId(0x74), 2) << "the earlier control wins";
    tree.SetEnabled(2, false);
    EXPECT_FALSE(Press(0x74)) << "a blocked first match is not passed over";
}

// Two controls carry Ctrl+A; whatever refreshes the first one's registrations,
// it must stay first and keep winning.
TEST_F(ShortcutRegistryTest, ARefreshKeepsTheControlsPlaceInTheOrder) {
    struct Row {
        const char* name;
        void (*refresh)(ShortcutRegistry&, MenuTree&);
    } rows[] = {
        {"registered again", [](ShortcutRegistry& r, MenuTree& t) { r.RegisterShortcuts(kWindowA, t); }},
        {"shortcut write", [](ShortcutRegistry&, MenuTree& t) { SetMenuItemShortcut(t, 2, 28); }},
        {"editor apply",
         [](ShortcutRegistry&, MenuTree& t) {
             MenuItemList::Slots flat = t.DetachAll();
             MenuItemList rebuilt;
             for (auto& record : flat) rebuilt.Append(std::move(record));
             t.ReplaceAll(std::move(rebuilt));
         }},
        {"emptied and loaded again",
         [](ShortcutRegistry&, MenuTree& t) {
             t.DeleteAll();
             auto loaded = std::make_unique<MenuItemRecord>(std::int16_t{3});
             loaded->shortcut = u"Ctrl+A";
             t.AppendLoaded(std::move(loaded));
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testing::RecordingMessageBox local_box;
        MenuTree first{local_box};
        first.AddItem(2, kTopLevel);
        first.AddItem(3, kTopLevel);
        first.SetShortcut(3, u"Ctrl+A");
        MenuTree second{local_box};
        second.AddItem(1, kTopLevel);
        second.SetShortcut(1, u"Ctrl+A");
        ShortcutRegistry local_registry;
        local_registry.RegisterShortcuts(kWindowA, first);
        local_registry.RegisterShortcuts(kWindowB, second);
        row.refresh(local_registry, first);
        const auto hit = local_registry.Choose({'A', true, false, false}, false, nullptr);
        ASSERT_TRUE(hit);
        EXPECT_EQ(hit->window, kWindowA);
        EXPECT_EQ(hit->invocation.item_id, 3);
    }
}

TEST_F(ShortcutRegistryTest, AWindowRegisteredAfreshComesLast) {
    testing::RecordingMessageBox other_box;
    MenuTree other{other_box};
    other.AddItem(1, kTopLevel);
    other.SetShortcut(1, u"Ctrl+A");
    registry.RegisterShortcuts(kWindowB, other);
    registry.UnregisterShortcuts(kWindowA);  // the first control's window is recreated
    registry.RegisterShortcuts(kWindowA, tree);
    EXPECT_EQ(Press('A', true)->window, kWindowB);
}

// Controls on two threads, both carrying Ctrl+A. The other thread keeps
// taking its control out of the list and putting it back while this thread's
// hook chooses: unguarded, the chooser walks a list being rebuilt. Each
// thread's hook must find its own control's item, never the other's, even
// where the other was registered first.
TEST_F(ShortcutRegistryTest, EachThreadChoosesItsOwnControlWhileAnotherReRegisters) {
    registry.UnregisterShortcuts(kWindowA);
    constexpr int kPresses = 500;
    std::atomic<int> presses{0};
    std::atomic<bool> other_registered{false};
    int other_own = 0, other_rounds = 0;
    std::thread other_thread([&] {
        testing::RecordingMessageBox other_box;
        MenuTree other{other_box};
        for (std::int16_t id = 1; id <= 40; ++id) {
            other.AddItem(id, kTopLevel);
            other.SetShortcut(id, ShortcutText(id));  // Ctrl+A first
        }
        registry.RegisterShortcuts(kWindowB, other);
        other_registered = true;
        do {
            registry.UnregisterShortcuts(kWindowB);
            registry.RegisterShortcuts(kWindowB, other);
            const auto chosen = Press('A', true);
            other_own += chosen && chosen->window == kWindowB && chosen->invocation.item_id == 1 ? 1 : 0;
            ++other_rounds;
        } while (presses.load() < kPresses);
        registry.UnregisterShortcuts(kWindowB);
    });
    while (!other_registered) std::this_thread::yield();
    registry.RegisterShortcuts(kWindowA, tree);  // listed after the other thread's control
    int own = 0;
    for (int i = 0; i < kPresses; ++i, ++presses) {
        const auto chosen = Press('A', true);
        own += chosen && chosen->window == kWindowA && chosen->invocation.item_id == 3 ? 1 : 0;
    }
    other_thread.join();
    EXPECT_EQ(own, kPresses);
    EXPECT_EQ(other_own, other_rounds);
}

TEST_F(ShortcutRegistryTest, OtherTopLevelWindowsDoNotInterfere) {
    testing::RecordingMessageBox other_box;
    MenuTree other{other_box};
    other.AddItem(1, kTopLevel);
    other.SetShortcut(1, u"F5");
    registry.RegisterShortcuts(kWindowB, other);
    const auto only_b = [](WindowHandle w) { return w == kWindowB; };
    const auto hit = registry.Choose({0x74, false, false, false}, false, only_b);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->window, kWindowB);
    EXPECT_EQ(hit->invocation.item_id, 1);
}

TEST_F(ShortcutRegistryTest, ShortcutWritesReRegisterAndCodeZeroWithdrawsAtOnce) {
    SetMenuItemShortcut(tree, 3, 0);
    EXPECT_FALSE(Press('A', true));
    EXPECT_EQ(registry.Entries().size(), 3u);
    SetMenuItemShortcut(tree, 2, 28);  // F2
    EXPECT_EQ(PressedId(0x71), 2);
    EXPECT_FALSE(Press(0x74));
}

TEST_F(ShortcutRegistryTest, RemovedRecordsTakeTheirRegistrations) {
    tree.RemoveItem(1);
    ASSERT_EQ(registry.Entries().size(), 2u);
    for (const auto& e : registry.Entries()) EXPECT_NE(e.record->id, 10);
    tree.DeleteAll();
    EXPECT_TRUE(registry.Entries().empty());
}

TEST_F(ShortcutRegistryTest, DetachingAndReplacingTheTreeFollowsTheRecords) {
    MenuItemList::Slots flat = tree.DetachAll();
    EXPECT_TRUE(registry.Entries().empty()) << "detached records must not stay registered";
    MenuItemList rebuilt;
    for (auto& record : flat) {
        if (record->id != 11) rebuilt.Append(std::move(record));  // the editor dropped "Delete"
    }
    tree.ReplaceAll(std::move(rebuilt));
    ASSERT_EQ(registry.Entries().size(), 3u);
    EXPECT_EQ(PressedId('S', true), 10);
    EXPECT_FALSE(Press(0x2E));
}

TEST_F(ShortcutRegistryTest, UnregisterStopsLaterWritesFromRegistering) {
    registry.UnregisterShortcuts(kWindowA);
    EXPECT_TRUE(registry.Entries().empty());
    SetMenuItemShortcut(tree, 3, 2);
    EXPECT_TRUE(registry.Entries().empty());
}

TEST_F(ShortcutRegistryTest, RegisteringTwiceDoesNotDuplicate) {
    registry.RegisterShortcuts(kWindowA, tree);
    EXPECT_EQ(registry.Entries().size(), 4u);
}

TEST_F(ShortcutRegistryTest, ADestroyedTreeLeavesNoEntries) {
    {
        testing::RecordingMessageBox other_box;
        MenuTree other{other_box};
        other.AddItem(1, kTopLevel);
        other.SetShortcut(1, u"F9");
        registry.RegisterShortcuts(kWindowB, other);
        EXPECT_EQ(registry.Entries().size(), 5u);
    }
    EXPECT_EQ(registry.Entries().size(), 4u);
}

TEST_F(ShortcutRegistryTest, ATreeOutlivingItsRegistryIsUnbound) {
    testing::RecordingMessageBox other_box;
    MenuTree other{other_box};
    other.AddItem(1, kTopLevel);
    {
        ShortcutRegistry short_lived;
        short_lived.RegisterShortcuts(kWindowB, other);
    }
    EXPECT_TRUE(other.SetShortcut(1, u"F9")) << "must not touch the registry that is gone";
    other.RemoveItem(1);
}

TEST_F(ShortcutRegistryTest, AncestorWalkEndsOnParentIdLoops) {
    // Stored data: two records naming each other, and one naming itself.
    auto a = std::make_unique<MenuItemRecord>(std::int16_t{20});
    a->parent_id = 21;
    a->shortcut = u"Ctrl+F1";
    auto b = std::make_unique<MenuItemRecord>(std::int16_t{21});
    b->parent_id = 20;
    auto self = std::make_unique<MenuItemRecord>(std::int16_t{22});
    self->parent_id = 22;
    self->shortcut = u"Ctrl+F2";
    tree.AppendLoaded(std::move(a));
    tree.AppendLoaded(std::move(b));
    tree.AppendLoaded(std::move(self));
    EXPECT_EQ(PressedId(0x70, true), 20);
    EXPECT_EQ(PressedId(0x71, true), 22);
    tree.SetEnabled(21, false);
    EXPECT_FALSE(Press(0x70, true)) << "the ParentID walk still sees the named parent";
}

TEST_F(ShortcutRegistryTest, UnparsableTextRegistersButNeverMatches) {
    auto odd = std::make_unique<MenuItemRecord>(std::int16_t{60});
    odd->shortcut = u"Ctrl+Space";
    tree.AppendLoaded(std::move(odd));
    EXPECT_EQ(registry.Entries().back().key, 0);
    EXPECT_FALSE(Press(0, true));
}

TEST(ShortcutInvocation, CopiesTheFourFields) {
    MenuItemRecord r(std::int16_t{9});
    r.hyperlink = true;
    r.hyperlink_address = u"a@b";
    r.enabled = false;
    const ShortcutInvocation inv = MakeInvocation(r);
    EXPECT_EQ(inv.item_id, 9);
    EXPECT_TRUE(inv.hyperlink);
    EXPECT_TRUE(inv.hyperlink_address == u"a@b");
    EXPECT_FALSE(inv.enabled);
}

TEST(ShortcutInvocation, ControlActsOnlyWhenEverythingHolds) {
    const ShortcutInvokeContext ready{true, true, true, true, true, true, false, false};
    EXPECT_TRUE(ShouldRunShortcut(ready));
    ShortcutInvokeContext c = ready;
    c.drop_suppressed = true;
    EXPECT_FALSE(ShouldRunShortcut(c));
    c.alt_down = true;
    EXPECT_TRUE(ShouldRunShortcut(c)) << "Alt overrides the suppression flag";
    bool ShortcutInvokeContext::*flags[] = {
        &ShortcutInvokeContext::active_window_is_own_top_level, &ShortcutInvokeContext::user_mode,
        &ShortcutInvokeContext::menu, &ShortcutInvokeContext::active, &ShortcutInvokeContext::enabled,
        &ShortcutInvokeContext::window_visible};
    for (auto flag : flags) {
        ShortcutInvokeContext off = ready;
        off.*flag = false;
        EXPECT_FALSE(ShouldRunShortcut(off));
    }
}

}  // namespace
}  // namespace brixel
