// Two UI threads, each with its own control's menu, share the process's
// shortcut registry. Each thread changes its own menu as fast as it can while
// its hook chooses shortcuts. This folder is built with ThreadSanitizer, so a
// read of one thread's records by the other's hook fails the run as a data
// race, not only when it happens to crash.
#include "menu/menu_tree.h"
#include "menu/shortcut_registry.h"
#include "native/menu/menu_fakes.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

namespace brixel {
namespace {

constexpr std::uint16_t kKeyA = 'A';
constexpr std::int16_t kItems = 12;

// What one thread saw of its own shortcut, Ctrl+A, which both threads' menus carry.
struct ThreadOutcome {
    int presses = 0;
    int own = 0;      // chosen, and it was this thread's control
    int foreign = 0;  // chosen, but another thread's control
    int final_id = -1;
};

// One UI thread's control: its own tree, registered under its own window, and
// a loop of the setters a script or the menu editor runs, each followed by a
// press as the thread's hook would make it. The hook's top-level test says yes
// to every window, as it would for controls in one top-level window.
ThreadOutcome RunControlThread(ShortcutRegistry& registry, WindowHandle window, int rounds,
                               std::atomic<int>& ready) {
    testing::RecordingMessageBox box;
    MenuTree tree{box};
    for (std::int16_t id = 1; id <= kItems; ++id) tree.AddItem(id, kTopLevel);
    tree.AddItem(100, 1);  // a sub-item, so the ancestor walk reads a parent
    tree.SetShortcut(100, u"Ctrl+A");
    registry.RegisterShortcuts(window, tree);
    ++ready;
    while (ready.load() < 2) std::this_thread::yield();

    ThreadOutcome out;
    const auto press = [&] {
        const auto chosen = registry.Choose({kKeyA, true, false, false}, false, [](WindowHandle) { return true; });
        ++out.presses;
        if (!chosen) return;
        if (chosen->window == window) ++out.own;
        else ++out.foreign;
    };
    for (int round = 0; round < rounds; ++round) {
        const auto id = static_cast<std::int16_t>(1 + round % kItems);
        tree.SetEnabled(1, round % 3 != 0);  // the shortcut's parent
        press();
        tree.SetVisible(100, round % 5 != 0);
        press();
        tree.SetShortcut(id == 1 ? 2 : id, round % 2 == 0 ? u"F5" : u"None");  // re-registers the tree
        press();
        tree.AddItem(200, round % 2 == 0 ? kTopLevel : 1);  // a new item's shortcut is listed at once
        tree.SetShortcut(200, u"Ctrl+B");
        press();
        tree.RemoveItem(200);  // and withdrawn with its record
        press();
        if (round % 16 == 0) {
            // The editor's apply: every record taken out and put back as one list.
            MenuItemList list;
            for (auto& slot : tree.DetachAll()) {
                if (slot->id != 100) list.Append(std::move(slot));
            }
            tree.ReplaceAll(std::move(list));
            tree.AddItem(100, 1);
            tree.SetShortcut(100, u"Ctrl+A");
        }
        static_cast<void>(registry.Entries());
        press();
    }
    tree.SetEnabled(1, true);
    tree.SetVisible(100, true);
    const auto last = registry.Choose({kKeyA, true, false, false}, false, [](WindowHandle) { return true; });
    out.final_id = last && last->window == window ? last->invocation.item_id : -1;
    registry.UnregisterShortcuts(window);
    return out;
}

TEST(RegistryAcrossThreads, EachThreadsHookChoosesItsOwnControlWhileBothEditTheirMenus) {
    ShortcutRegistry registry;
    std::atomic<int> ready{0};
    constexpr int kRounds = 400;
    ThreadOutcome first, second;
    std::thread a([&] { first = RunControlThread(registry, 0xA0, kRounds, ready); });
    std::thread b([&] { second = RunControlThread(registry, 0xB0, kRounds, ready); });
    a.join();
    b.join();
    for (const ThreadOutcome* o : {&first, &second}) {
        EXPECT_EQ(o->foreign, 0) << "a hook chose the other thread's control";
        EXPECT_GT(o->own, 0) << "the thread's own shortcut never fired";
        EXPECT_EQ(o->final_id, 100) << "with its parent enabled and itself visible, the item fires";
    }
    EXPECT_TRUE(registry.Entries().empty());
}

}  // namespace
}  // namespace brixel
