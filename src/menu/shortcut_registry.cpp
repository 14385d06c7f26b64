#include "menu/shortcut_registry.h"

#include "menu/menu_tree.h"
#include "menu/shortcut_table.h"

#include <algorithm>
#include <unordered_set>

namespace brixel {

ShortcutRegistry::~ShortcutRegistry() {
    for (Binding& binding : bindings_) binding.tree->registry_ = nullptr;
}

void ShortcutRegistry::RegisterShortcuts(WindowHandle window, MenuTree& tree) {
    // Another registry's lock is taken before ours, never inside it.
    if (tree.registry_ != nullptr && tree.registry_ != this) tree.registry_->ForgetTree(tree);
    std::lock_guard lock(mutex_);
    Binding* binding = BindingOf(tree);
    if (binding == nullptr) binding = &bindings_.emplace_back(Binding{&tree, {}, {}});
    binding->entries.clear();
    binding->thread = std::this_thread::get_id();
    tree.registry_ = this;
    tree.window_ = window;
    for (const MenuItemRecord& record : tree.Items()) ListSubtree(*binding, record);
}

ShortcutRegistry::Binding* ShortcutRegistry::BindingOf(const MenuTree& tree) {
    const auto it = std::find_if(bindings_.begin(), bindings_.end(), [&](const Binding& b) { return b.tree == &tree; });
    return it != bindings_.end() ? &*it : nullptr;
}

void ShortcutRegistry::ListSubtree(Binding& binding, const MenuItemRecord& root) const {
    const MenuTree& tree = *binding.tree;
    auto add = [&](const MenuItemRecord& record) {
        if (IsNoShortcut(record.shortcut) || record.shortcut.empty()) return;
        const ParsedShortcut parsed = ParseShortcut(record.shortcut);
        binding.entries.push_back({tree.window_, parsed.key, parsed.ctrl, parsed.shift, parsed.alt, &record, &tree});
    };
    add(root);
    ForEachPreOrder(root.SubItems(), add);
}

void ShortcutRegistry::AppendSubtree(const MenuTree& tree, const MenuItemRecord& root) {
    std::lock_guard lock(mutex_);
    if (Binding* binding = BindingOf(tree)) ListSubtree(*binding, root);
}

void ShortcutRegistry::UnregisterShortcuts(WindowHandle window) {
    std::lock_guard lock(mutex_);
    std::erase_if(bindings_, [window](const Binding& b) {
        if (b.tree->window_ != window) return false;
        b.tree->registry_ = nullptr;
        return true;
    });
}

void ShortcutRegistry::WithdrawSubtree(const MenuTree& tree, const MenuItemRecord& root) {
    std::unordered_set<const MenuItemRecord*> leaving{&root};
    ForEachPreOrder(root.SubItems(), [&leaving](const MenuItemRecord& r) { leaving.insert(&r); });
    std::lock_guard lock(mutex_);
    if (Binding* binding = BindingOf(tree)) {
        std::erase_if(binding->entries, [&](const ShortcutRegistration& e) { return leaving.contains(e.record); });
    }
}

// The tree stays bound and keeps its place; only its entries go.
void ShortcutRegistry::RemoveEntriesOf(const MenuTree& tree) {
    std::lock_guard lock(mutex_);
    if (Binding* binding = BindingOf(tree)) binding->entries.clear();
}

void ShortcutRegistry::ForgetTree(MenuTree& tree) {
    std::lock_guard lock(mutex_);
    std::erase_if(bindings_, [&tree](const Binding& b) { return b.tree == &tree; });
    tree.registry_ = nullptr;
}

std::vector<ShortcutRegistration> ShortcutRegistry::Entries() const {
    std::lock_guard lock(mutex_);
    std::vector<ShortcutRegistration> all;
    for (const Binding& binding : bindings_) all.insert(all.end(), binding.entries.begin(), binding.entries.end());
    return all;
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

std::optional<ShortcutRegistry::Chosen> ShortcutRegistry::Choose(const ShortcutKeyPress& press, bool popup_tracked,
                                                                  const SameTopLevelTest& same_top_level) const {
    if (popup_tracked || press.key == 0) return std::nullopt;
    if (!press.ctrl && !press.shift && !press.alt && !MayFireUnmodified(press.key)) return std::nullopt;
    const std::thread::id caller = std::this_thread::get_id();
    std::lock_guard lock(mutex_);
    for (const Binding& binding : bindings_) {
        if (binding.thread != caller) continue;
        for (const ShortcutRegistration& e : binding.entries) {
            if (e.key != press.key || e.ctrl != press.ctrl || e.shift != press.shift || e.alt != press.alt) continue;
            if (same_top_level && !same_top_level(e.window)) continue;
            if (!IsInvocable(*e.owner, *e.record)) return std::nullopt;
            return Chosen{e.window, MakeInvocation(*e.record)};
        }
    }
    return std::nullopt;
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
