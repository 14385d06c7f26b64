// What one drop of the menu shows: the entries of the popup and its
// sub-popups in menu order, each a copy of its item, with the command number
// the popup returns when the entry is chosen.
//
// Command numbers: every drop numbers its leaf entries afresh from 1 in menu
// order; 0 means "nothing chosen". Numbers therefore never repeat within one
// popup and never run out over a long run of the process, whatever the number
// of drops. A popup holds at most kMaxPopupCommand leaf entries (what a menu
// entry identifier can carry); entries past that are left out of the popup.
//
// Item data: an entry is named by its position in the table plus one (the
// native popup carries it as the address of the entry's block in a table of
// the same order), so the owner-draw messages name an entry of this table,
// never a record of the tree. Event handlers may change or empty the tree while the popup is open;
// the copies keep drawing and choosing safe, and a number of a previous drop
// names nothing once the table is cleared.
//
// Portable on purpose (no Windows header), so the numbering and the walk are
// checked by the native tests.
#pragma once

#include "menu/menu_item.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

namespace brixel::activex {

inline constexpr std::uint32_t kMaxPopupCommand = 0xFFFF;
inline constexpr std::size_t kPopupRoot = std::numeric_limits<std::size_t>::max();

struct PopupEntry {
    MenuItemFields item;  // a copy taken when the popup was built
    bool parent = false;  // opens a sub-popup; has no command number
    // Drawn grey and not choosable: the item itself is disabled. A disabled
    // parent still opens its sub-popup, and each entry there follows its
    // own record.
    bool greyed = false;
    std::uint32_t command = 0;
    std::size_t owner = kPopupRoot;  // the parent entry whose sub-popup holds it
};

class PopupEntries {
public:
    // Replaces the table with the visible part of `top`: an invisible item is
    // left out with its whole subtree.
    void Build(const MenuItemList& top) {
        Clear();
        AddList(top, kPopupRoot, 0);
    }
    void Clear() {
        entries_.clear();
        by_command_.clear();
    }

    const std::vector<PopupEntry>& Entries() const { return entries_; }
    static std::uintptr_t ItemData(std::size_t index) { return index + 1; }
    const PopupEntry* ByItemData(std::uintptr_t data) const {
        return data >= 1 && data <= entries_.size() ? &entries_[data - 1] : nullptr;
    }
    const PopupEntry* ByCommand(std::uint32_t command) const {
        return command >= 1 && command <= by_command_.size() ? &entries_[by_command_[command - 1]] : nullptr;
    }

private:
    // Deeper than any tree the rules and the loaders allow; a guard only.
    static constexpr int kDepthGuard = 16;

    void AddList(const MenuItemList& list, std::size_t owner, int depth) {
        if (depth > kDepthGuard) return;
        for (const MenuItemRecord& record : list) {
            if (!record.visible) continue;
            PopupEntry entry{static_cast<const MenuItemFields&>(record), record.has_sub_items || !record.SubItems().empty(),
                             !record.enabled, 0, owner};
            if (!entry.parent) {
                if (by_command_.size() >= kMaxPopupCommand) continue;
                by_command_.push_back(entries_.size());
                entry.command = static_cast<std::uint32_t>(by_command_.size());
            }
            entries_.push_back(std::move(entry));
            if (entries_.back().parent) AddList(record.SubItems(), entries_.size() - 1, depth + 1);
        }
    }

    std::vector<PopupEntry> entries_;
    std::vector<std::size_t> by_command_;  // command - 1 -> entry index
};

}  // namespace brixel::activex
