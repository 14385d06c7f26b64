// Long random sequences of tree changes, checked after every step against the
// tree's invariants and against an oracle that predicts from a plain walk
// whether each change must be accepted. A failure names its seed and step;
// MENU_MODEL_SEED=<n> replays one seed.
#include "menu/menu_tree.h"

#include "menu/shortcut_registry.h"
#include "native/menu/menu_fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <set>
#include <unordered_set>
#include <vector>

namespace brixel {
namespace {

constexpr WindowHandle kWindow = 0x42;
constexpr int kIdRange = 48;  // small, so collisions and reuse are frequent

// A walk written independently of the tree's own search.
void Flatten(const MenuItemList& list, std::vector<const MenuItemRecord*>& out) {
    for (const MenuItemRecord& r : list) {
        out.push_back(&r);
        Flatten(r.SubItems(), out);
    }
}

struct Snapshot {
    std::vector<const MenuItemRecord*> records;  // pre-order
    const MenuItemRecord* Find(std::int16_t id) const {
        for (const MenuItemRecord* r : records) {
            if (r->id == id) return r;
        }
        return nullptr;
    }
    bool ShortcutTakenByOther(const MenuItemRecord* self, std::u16string_view text) const {
        for (const MenuItemRecord* r : records) {
            if (r != self && r->shortcut == text) return true;
        }
        return false;
    }
};

Snapshot Take(const MenuTree& tree) {
    Snapshot s;
    Flatten(tree.Items(), s.records);
    return s;
}

void CheckShape(const MenuTree& tree, const Snapshot& s) {
    std::set<std::int16_t> ids;
    std::set<std::u16string> shortcuts;
    for (const MenuItemRecord* r : s.records) {
        ASSERT_GE(r->id, 0);
        ASSERT_TRUE(ids.insert(r->id).second) << "duplicate ID " << r->id;
        ASSERT_EQ(tree.FindItem(r->id), r) << "index disagrees for ID " << r->id;
        const int depth = r->Depth();
        ASSERT_LE(depth, kMaxLevel);
        ASSERT_EQ(r->level, depth) << "ID " << r->id;
        ASSERT_EQ(r->has_sub_items, !r->SubItems().empty()) << "ID " << r->id;
        const MenuItemRecord* parent = r->Parent();
        ASSERT_EQ(r->parent_id, parent != nullptr ? parent->id : kTopLevel) << "ID " << r->id;
        const MenuItemList& list = parent != nullptr ? parent->SubItems() : tree.Items();
        ASSERT_EQ(r->List(), &list);
        ASSERT_EQ(&list[r->Index()], r);
        if (r->has_sub_items) {
            ASSERT_FALSE(r->separator) << "separator parent " << r->id;
            ASSERT_TRUE(IsNoShortcut(r->shortcut)) << "shortcut parent " << r->id;
        } else if (!IsNoShortcut(r->shortcut)) {
            ASSERT_TRUE(shortcuts.insert(r->shortcut).second) << "shortcut used twice";
        }
    }
    ASSERT_EQ(tree.CountAll(), s.records.size());
    for (int id = 0; id < kIdRange; ++id) {
        ASSERT_EQ(tree.IdExists(static_cast<std::int16_t>(id)), ids.contains(static_cast<std::int16_t>(id)));
    }
}

// Exactly the live records with a shortcut, once each, in menu order.
void CheckRegistry(const ShortcutRegistry& registry, const Snapshot& s) {
    std::vector<const MenuItemRecord*> expected;
    for (const MenuItemRecord* r : s.records) {
        if (!IsNoShortcut(r->shortcut)) expected.push_back(r);
    }
    const std::vector<ShortcutRegistration> entries = registry.Entries();
    ASSERT_EQ(entries.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ShortcutRegistration& e = entries[i];
        ASSERT_EQ(e.record, expected[i]);
        ASSERT_EQ(ParseShortcut(e.record->shortcut).key, e.key);  // reads the record: ASan sees a dangling one
        ASSERT_EQ(e.window, kWindow);
    }
}

class Runner {
public:
    explicit Runner(unsigned seed) : rng_(seed) {}

    void Step() {
        const Snapshot before = Take(tree_);
        const std::size_t shown = box_.shown.size();
        bool expect = false;
        bool changed = false;
        switch (Pick(9)) {
            case 0: case 1: {
                // Under the last added item half of the time, so chains reach the depth limit.
                const std::int16_t id = Id();
                const int how = Pick(4);
                const std::int16_t parent = how == 0 ? kTopLevel : how == 1 ? Id() : last_added_;
                expect = ExpectAdd(before, id, parent);
                changed = tree_.AddItem(id, parent);
                if (changed) last_added_ = id;
                break;
            }
            case 2: {
                const std::int16_t id = Id(), target = Id();
                expect = id >= 0 && !before.Find(id) && before.Find(target);
                changed = tree_.InsertItem(id, target);
                break;
            }
            case 3: {
                const std::int16_t id = Id();
                expect = before.Find(id) != nullptr;
                changed = tree_.RemoveItem(id);
                break;
            }
            case 4: {
                const std::int16_t id = Id(), new_id = Id();
                expect = new_id >= 0 && before.Find(id) && !before.Find(new_id);
                changed = tree_.SetId(id, new_id);
                break;
            }
            case 5: {
                const std::int16_t id = Id();
                const std::u16string_view text = ShortcutText(Pick(4) == 0 ? 0 : 1 + Pick(12));
                const MenuItemRecord* r = before.Find(id);
                expect = r && (IsNoShortcut(text) || (!r->has_sub_items && !before.ShortcutTakenByOther(r, text)));
                changed = tree_.SetShortcut(id, text);
                break;
            }
            case 6: case 7: {
                const std::int16_t id = Id();
                const bool on = Pick(2) == 0;
                const MenuItemRecord* r = before.Find(id);
                expect = r && (!on || !r->has_sub_items);
                changed = Pick(2) == 0 ? tree_.SetSeparator(id, on) : tree_.SetHyperlink(id, on);
                break;
            }
            default:
                if (Pick(40) == 0) {
                    tree_.DeleteAll();
                    return;
                }
                if (Pick(30) == 0) {
                    LoadFresh(before);
                    return;
                }
                {
                    const std::int16_t id = Id();
                    expect = before.Find(id) != nullptr;
                    changed = Pick(2) == 0 ? tree_.SetVisible(id, Pick(2) == 0) : tree_.SetEnabled(id, Pick(2) == 0);
                }
                break;
        }
        ASSERT_EQ(changed, expect);
        ASSERT_LE(box_.shown.size(), shown + (changed ? 0 : 1)) << "one message at most, none on success";
    }

    void Check() {
        const Snapshot s = Take(tree_);
        for (const MenuItemRecord* r : s.records) deepest_ = std::max(deepest_, r->Depth());
        most_shortcuts_ = std::max(most_shortcuts_, registry_.Entries().size());
        CheckShape(tree_, s);
        CheckRegistry(registry_, s);
    }

    int deepest_ = 0;
    std::size_t most_shortcuts_ = 0;
    ShortcutRegistry registry_;
    testing::RecordingMessageBox box_;
    MenuTree tree_{box_};

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    // Mostly valid IDs, now and then a negative one.
    std::int16_t Id() { return static_cast<std::int16_t>(Pick(20) == 0 ? -1 - Pick(3) : Pick(kIdRange)); }

    // A stored item with a sub-item, both with IDs and shortcuts nobody has,
    // as loading appends it.
    void LoadFresh(const Snapshot& s) {
        std::vector<std::int16_t> free_ids;
        for (int id = 0; id < kIdRange && free_ids.size() < 2; ++id) {
            if (!s.Find(static_cast<std::int16_t>(id))) free_ids.push_back(static_cast<std::int16_t>(id));
        }
        if (free_ids.size() < 2) return;
        std::u16string_view shortcut = ShortcutText(1 + Pick(12));
        if (s.ShortcutTakenByOther(nullptr, shortcut)) shortcut = u"None";
        auto parent = std::make_unique<MenuItemRecord>(free_ids[0]);
        auto child = std::make_unique<MenuItemRecord>(free_ids[1]);
        child->level = 1;
        child->parent_id = free_ids[0];
        child->shortcut = shortcut;
        parent->has_sub_items = true;
        parent->SubItems().Append(std::move(child));
        tree_.AppendLoaded(std::move(parent));
    }

    static bool ExpectAdd(const Snapshot& s, std::int16_t id, std::int16_t parent_id) {
        if (id < 0 || s.Find(id)) return false;
        if (parent_id == kTopLevel) return true;
        const MenuItemRecord* parent = s.Find(parent_id);
        return parent && !parent->separator && IsNoShortcut(parent->shortcut) && parent->Depth() < kMaxLevel;
    }

    std::mt19937 rng_;
    std::int16_t last_added_ = kTopLevel;
};

TEST(MenuTreeModel, RandomSequencesKeepEveryInvariant) {
    std::vector<unsigned> seeds;
    if (const char* fixed = std::getenv("MENU_MODEL_SEED")) {
        seeds.push_back(static_cast<unsigned>(std::strtoul(fixed, nullptr, 10)));
    } else {
        for (unsigned s = 1; s <= 16; ++s) seeds.push_back(s * 7919u);
    }
    int deepest = 0;
    std::size_t most_shortcuts = 0;
    for (unsigned seed : seeds) {
        Runner runner(seed);
        runner.registry_.RegisterShortcuts(kWindow, runner.tree_);
        for (int step = 0; step < 1500; ++step) {
            SCOPED_TRACE(::testing::Message() << "seed " << seed << " step " << step
                                              << " (replay with MENU_MODEL_SEED=" << seed << ")");
            runner.Step();
            if (::testing::Test::HasFatalFailure()) return;
            runner.Check();
            if (::testing::Test::HasFatalFailure()) return;
        }
        // A generator that never reaches the depth limit or never keeps a
        // shortcut would prove little.
        deepest = std::max(deepest, runner.deepest_);
        most_shortcuts = std::max(most_shortcuts, runner.most_shortcuts_);
    }
    if (seeds.size() > 1) {
        EXPECT_EQ(deepest, kMaxLevel);
        EXPECT_GE(most_shortcuts, 3u);
    }
}

}  // namespace
}  // namespace brixel
