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
#include <string>
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

class ShortcutRegistry {
public:
    ShortcutRegistry() = default;
    ~ShortcutRegistry();
    ShortcutRegistry(const ShortcutRegistry&) = delete;
    ShortcutRegistry& operator=(const ShortcutRegistry&) = delete;

    // Appends one entry per record whose shortcut is not "None", "(None)" or
    // empty, in menu order, and keeps the tree bound to `window`: later shortcut
    // writes and loads re-register it. Registering a tree again first drops its
    // earlier entries, so a tree is never listed twice.
    void RegisterShortcuts(WindowHandle window, MenuTree& tree);
    // Removes every entry of `window` and unbinds the trees registered for it.
    void UnregisterShortcuts(WindowHandle window);

    const std::vector<ShortcutRegistration>& Entries() const { return entries_; }

private:
    friend class MenuTree;
    void AppendSubtree(const MenuTree& tree, const MenuItemRecord& root);
    void WithdrawSubtree(const MenuTree& tree, const MenuItemRecord& root);
    void RemoveEntriesOf(const MenuTree& tree);
    void ForgetTree(MenuTree& tree);

    std::vector<ShortcutRegistration> entries_;
    std::vector<MenuTree*> bound_;
};

// The registry of this process; controls register here.
ShortcutRegistry& ProcessShortcutRegistry();

struct ShortcutKeyPress {
    std::uint16_t key = 0;  // virtual-key code of the key-down message
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

// Whether `control_window` lies in the same top-level window as the window
// the key message is for.
using SameTopLevelTest = std::function<bool(WindowHandle control_window)>;

// The hook's decision for one key-down: the registration whose control is to
// be sent kUmShortcutInvoke, or null. The first registration that matches key,
// modifiers and top-level window decides alone: when its item or one of its
// ancestors is hidden, disabled or a separator, nothing is sent.
const ShortcutRegistration* ChooseShortcut(const ShortcutRegistry& registry, const ShortcutKeyPress& press,
                                           bool popup_tracked, const SameTopLevelTest& same_top_level);

// Whether the item and every ancestor named by ParentID can be invoked. The
// walk takes at most as many steps as there are levels above the deepest one,
// so a ParentID naming the item itself or a loop of ParentIDs ends it.
bool IsInvocable(const MenuTree& tree, const MenuItemRecord& record);

// The four fields sent with kUmShortcutInvoke, copied from the record.
struct ShortcutInvocation {
    std::int16_t item_id = 0;
    std::u16string hyperlink_address;
    bool hyperlink = false;
    bool enabled = false;
};
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
