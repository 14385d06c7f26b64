// Menu shortcut registrations and the decision of the message hook.
//
// One registry serves the whole process (controls in different top-level
// windows must not answer each other's keys); tests make their own. A
// registration points at a record of a live tree: the tree withdraws the
// registrations of every record it removes, and a tree that is destroyed or
// a registry that goes away unbinds the other, so no entry can dangle.
#pragma once

#include "menu/menu_host.h"
#include "menu/menu_item.h"

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace brixel {

class MenuTree;

inline constexpr std::uint32_t kUmShortcutInvoke = 0x07E8;
inline constexpr std::uint32_t kUmAutoDropProbe = 0x0BD0;

struct ShortcutRegistration {
    WindowHandle window = 0;  // the owning control's window
    std::uint16_t key = 0;
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    const MenuItemRecord* record = nullptr;
    const MenuTree* owner = nullptr;  // the owning control's tree
};

struct ShortcutKeyPress {
    std::uint16_t key = 0;  // virtual-key code of the key-down message
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

// Whether `control_window` lies in the same top-level window as the window
// the key message is for.
using SameTopLevelTest = std::function<bool(WindowHandle control_window)>;

// The four fields sent with kUmShortcutInvoke, copied from the record.
struct ShortcutInvocation {
    std::int16_t item_id = 0;
    std::u16string hyperlink_address;
    bool hyperlink = false;
    bool enabled = false;
};

// The process-wide order is the order in which trees were first registered,
// and inside one tree menu order. A tree keeps its place for as long as it
// stays bound: a refresh (a shortcut write, a load, an editor apply) replaces
// its entries where they stand, so which control wins a shortcut that two of
// them carry never changes behind the user's back.
//
// Controls on different threads of one process share the registry, so every
// member takes one mutex. A tree belongs to the thread that registers it (its
// control's window thread, where all of its setters run), and a thread's hook
// chooses only among its own thread's trees: reading another thread's records
// would race with that thread's setters, and the other thread's control could
// not act on the invocation anyway. Nothing calls out while holding the lock:
// Choose copies what the hook is to send and the hook sends it after the lock
// is released, so a handler that changes its menu cannot deadlock on the
// registry.
class ShortcutRegistry {
public:
    ShortcutRegistry() = default;
    ~ShortcutRegistry();
    ShortcutRegistry(const ShortcutRegistry&) = delete;
    ShortcutRegistry& operator=(const ShortcutRegistry&) = delete;

    // Lists one entry per record whose shortcut is not "None", "(None)" or
    // empty, in menu order, and keeps the tree bound to `window`: later shortcut
    // writes and loads re-register it. Registering a bound tree again replaces
    // its entries in place, so a tree is never listed twice nor moved.
    void RegisterShortcuts(WindowHandle window, MenuTree& tree);
    // Removes every entry of `window` and unbinds the trees registered for it.
    void UnregisterShortcuts(WindowHandle window);

    // A snapshot in process order.
    std::vector<ShortcutRegistration> Entries() const;

    struct Chosen {
        WindowHandle window = 0;
        ShortcutInvocation invocation;
    };
    // The hook's decision for one key-down: the control to be sent
    // kUmShortcutInvoke and a copy of the item's fields, or nothing. The first
    // registration that matches key, modifiers and top-level window decides
    // alone: when its item or one of its ancestors is hidden, disabled or a
    // separator, nothing is sent. `same_top_level` runs under the lock and must
    // not send messages; a record is read only after it says yes, that is for a
    // control in the key's own top-level window. Only the calling thread's
    // trees take part.
    std::optional<Chosen> Choose(const ShortcutKeyPress& press, bool popup_tracked,
                                 const SameTopLevelTest& same_top_level) const;

private:
    friend class MenuTree;
    struct Binding {
        MenuTree* tree = nullptr;
        std::thread::id thread;  // the thread that registered it last
        std::vector<ShortcutRegistration> entries;  // menu order
    };
    // Called by the tree; each takes the lock.
    void AppendSubtree(const MenuTree& tree, const MenuItemRecord& root);
    void WithdrawSubtree(const MenuTree& tree, const MenuItemRecord& root);
    void RemoveEntriesOf(const MenuTree& tree);
    void ForgetTree(MenuTree& tree);

    // The caller holds mutex_.
    Binding* BindingOf(const MenuTree& tree);
    void ListSubtree(Binding& binding, const MenuItemRecord& root) const;

    mutable std::mutex mutex_;
    std::vector<Binding> bindings_;  // in order of first registration
};

// The registry of this process; controls register here.
ShortcutRegistry& ProcessShortcutRegistry();

// Whether the item and every ancestor named by ParentID can be invoked. The
// walk takes at most as many steps as there are levels above the deepest one,
// so a ParentID naming the item itself or a loop of ParentIDs ends it.
bool IsInvocable(const MenuTree& tree, const MenuItemRecord& record);

ShortcutInvocation MakeInvocation(const MenuItemRecord& record);

// What the control checks before it acts on kUmShortcutInvoke.
struct ShortcutInvokeContext {
    bool active_window_is_own_top_level = false;
    bool user_mode = false;
    bool menu = false;
    bool active = false;
    bool enabled = false;
    bool window_visible = false;
    bool drop_suppressed = false;
    bool alt_down = false;  // the long parameter of the message
};
bool ShouldRunShortcut(const ShortcutInvokeContext& context);

}  // namespace brixel
