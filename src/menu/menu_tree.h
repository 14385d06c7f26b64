// A control's menu item tree and the rules that guard every change to it.
//
// Items are addressed by their 16-bit ID. An index from ID to record keeps
// lookups constant-time, so building, searching and emptying a tree of tens of
// thousands of items stays linear. The index tolerates duplicate IDs, which
// only stored data can bring: a duplicated ID is resolved by the pre-order walk,
// so the first item in menu order wins, as it always has.
//
// Outside code sees the records only as const; every change goes through the
// tree, which keeps the index and the shortcut registrations in step.
#pragma once

#include "menu/menu_host.h"
#include "menu/menu_item.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>

namespace brixel {

class ShortcutRegistry;

class MenuTree {
public:
    explicit MenuTree(MessageBoxHost& host) : host_(host) {}
    ~MenuTree();
    MenuTree(const MenuTree&) = delete;
    MenuTree& operator=(const MenuTree&) = delete;

    const MenuItemList& Items() const { return items_; }

    // --- Queries -----------------------------------------------------------
    // The first record in pre-order with this ID; its index in its own list is
    // record->Index().
    const MenuItemRecord* FindItem(std::int16_t id) const;
    bool IdExists(std::int16_t id) const { return FindItem(id) != nullptr; }
    // The record whose ID is `record`'s parent_id, the record itself excluded.
    const MenuItemRecord* FindParentOf(const MenuItemRecord& record) const;
    std::size_t CountAll() const;
    bool AnyVisible() const;

    // --- Shape -------------------------------------------------------------
    // Each returns true when the tree changed. A refused change shows its
    // message through the host; an unknown parent or target, or the depth
    // limit, is refused silently.
    bool AddItem(std::int16_t id, std::int16_t parent_id);
    bool InsertItem(std::int16_t id, std::int16_t place_before_id);
    bool RemoveItem(std::int16_t id);
    void DeleteAll();

    // --- Fields (an unknown ID changes nothing, silently) -------------------
    bool SetId(std::int16_t id, std::int16_t new_id);
    bool SetShortcut(std::int16_t id, std::u16string_view text);
    bool SetHyperlink(std::int16_t id, bool on);
    bool SetSeparator(std::int16_t id, bool on);
    bool SetCaption(std::int16_t id, std::u16string_view text);
    bool SetHyperlinkAddress(std::int16_t id, std::u16string_view text);
    bool SetEnabled(std::int16_t id, bool on);
    bool SetVisible(std::int16_t id, bool on);
    bool SetPicture(std::int16_t id, SharedPicture picture);

    // --- Bulk changes for persistence and the editor page --------------------
    // Appends a loaded record (with the sub-items already read into it) to the
    // top-level list, as stored: no rule is checked.
    void AppendLoaded(std::unique_ptr<MenuItemRecord> record);
    // Takes every record out of the tree, in pre-order, each with an empty
    // sub-list, so that they can be arranged anew and handed to ReplaceAll.
    MenuItemList::Slots DetachAll();
    // Makes `items` the whole tree, deleting whatever it held before.
    void ReplaceAll(MenuItemList items);

private:
    friend class ShortcutRegistry;

    struct IdSlot {
        const MenuItemRecord* record = nullptr;  // null: resolve by walking
        std::uint32_t count = 0;
    };

    MenuItemRecord* Find(std::int16_t id);
    MenuItemList& ListOf(MenuItemRecord& record);
    bool RefuseNegativeId(std::int16_t id);
    bool RefuseDuplicateId(std::int16_t id);
    void ClearIndex();
    void IndexOne(const MenuItemRecord& record);
    void UnindexOne(const MenuItemRecord& record);
    void IndexSubtree(const MenuItemRecord& root);
    void UnindexSubtree(const MenuItemRecord& root);
    void Reindex();
    void WithdrawSubtree(const MenuItemRecord& root);
    void WithdrawAll();
    void RefreshShortcuts();

    MessageBoxHost& host_;
    MenuItemList items_;
    mutable std::unordered_map<std::int16_t, IdSlot> ids_;
    std::size_t record_count_ = 0;
    // The registry that holds this tree's shortcuts and the control window they
    // were registered for; null while the tree is not registered.
    ShortcutRegistry* registry_ = nullptr;
    WindowHandle window_ = 0;
};

// Clamps a count or index to what a 16-bit automation value can carry.
std::int16_t Saturate16(std::size_t n);

}  // namespace brixel
