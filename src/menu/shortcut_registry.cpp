#include "menu/shortcut_registry.h"

#include "menu/menu_tree.h"
#include "menu/shortcut_table.h"

#include <algorithm>
#include <unordered_set>

namespace brixel {

ShortcutRegistry::~ShortcutRegistry() {
    for (MenuTree* tree : bound_) tree->registry_ = nullptr;
}

void ShortcutRegistry::RegisterShortcuts(WindowHandle window, MenuTree& tree) {
    if (tree.registry_ != nullptr && tree.registry_ != this) tree.registry_->ForgetTree(tree);
    RemoveEntriesOf(tree);
    tree.registry_ = this;
    tree.window_ = window;
    if (std::find(bound_.begin(), bound_.end(), &tree) == bound_.end()) bound_.push_back(&tree);
    for (const MenuItemRecord& record : tree.Items()) AppendSubtree(tree, record);
}

void ShortcutRegistry::AppendSubtree(const MenuTree& tree, const MenuItemRecord& root) {
    auto add = [&](const MenuItemRecord& record) {
        if (IsNoShortcut(record.shortcut) || record.shortcut.empty()) return;
        const ParsedShortcut parsed = ParseShortcut(record.shortcut);
        entries_.push_back({tree.window_, parsed.key, parsed.ctrl, parsed.shift, parsed.alt, &record, &tree});
    };
    add(root);
    ForEachPreOrder(root.SubItems(), add);
}

void ShortcutRegistry::UnregisterShortcuts(WindowHandle window) {
    std::erase_if(entries_, [window](const ShortcutRegistration& e) { return e.window == window; });
    std::erase_if(bound_, [window](MenuTree* tree) {
        if (tree->window_ != window) return false;
        tree->registry_ = nullptr;
        return true;
    });
}

void ShortcutRegistry::WithdrawSubtree(const MenuTree& tree, const MenuItemRecord& root) {
    std::unordered_set<const MenuItemRecord*> leaving{&root};
    ForEachPreOrder(root.SubItems(), [&leaving](const MenuItemRecord& r) { leaving.insert(&r); });
    std::erase_if(entries_, [&](const ShortcutRegistration& e) {
        return e.owner == &tree && leaving.contains(e.record);
    });
}

void ShortcutRegistry::RemoveEntriesOf(const MenuTree& tree) {
    std::erase_if(entries_, [&tree](const ShortcutRegistration& e) { return e.owner == &tree; });
}

void ShortcutRegistry::ForgetTree(MenuTree& tree) {
    RemoveEntriesOf(tree);
    std::erase(bound_, &tree);
    tree.registry_ = nullptr;
}

ShortcutRegistry& ProcessShortcutRegistry() {
    static ShortcutRegistry registry;
    return registry;
}

// --- Dispatch -------------------------------------------------------------------

namespace {

bool Usable(const MenuItemRecord& r) { return r.visible && r.enabled && !r.separator; }

// Without a modifier only function keys and Delete may be shortcuts, so that
// typing into the form is never taken over.
bool MayFireUnmodified(std::uint16_t key) { return (key >= kVkF1 && key <= kVkF12) || key == kVkDelete; }

}  // namespace

bool IsInvocable(const MenuTree& tree, const MenuItemRecord& record) {
    if (!Usable(record)) return false;
    const MenuItemRecord* current = &record;
    for (int step = 0; step < kMaxLevel && current->parent_id >= 0; ++step) {
        current = tree.FindParentOf(*current);
        if (current == nullptr) break;
        if (!Usable(*current)) return false;
    }
    return true;
}

const ShortcutRegistration* ChooseShortcut(const ShortcutRegistry& registry, const ShortcutKeyPress& press,
                                           bool popup_tracked, const SameTopLevelTest& same_top_level) {
    if (popup_tracked || press.key == 0) return nullptr;
    if (!press.ctrl && !press.shift && !press.alt && !MayFireUnmodified(press.key)) return nullptr;
    for (const ShortcutRegistration& e : registry.Entries()) {
        if (e.key != press.key || e.ctrl != press.ctrl || e.shift != press.shift || e.alt != press.alt) continue;
        if (same_top_level && !same_top_level(e.window)) continue;
        return IsInvocable(*e.owner, *e.record) ? &e : nullptr;
    }
    return nullptr;
}

ShortcutInvocation MakeInvocation(const MenuItemRecord& record) {
    return {record.id, record.hyperlink_address, record.hyperlink, record.enabled};
}

// A set drop-suppression flag holds back every shortcut except those pressed
// with Alt down.
bool ShouldRunShortcut(const ShortcutInvokeContext& c) {
    return c.active_window_is_own_top_level && c.user_mode && c.menu && c.active && c.enabled &&
           c.window_visible && (!c.drop_suppressed || c.alt_down);
}

}  // namespace brixel
