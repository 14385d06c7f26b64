// One menu item and the ordered list that owns items. A list owns its
// records; a record owns the list of its sub-items, so deleting a record
// deletes its whole subtree first.
//
// Records know where they sit (their list and their index in it), which lets
// the tree answer "which list, which index, which parent" without a walk.
#pragma once

#include "menu/menu_host.h"
#include "menu/shortcut_table.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace brixel {

inline constexpr std::int16_t kTopLevel = -1;   // as a parent: the top-level list
inline constexpr std::int16_t kNoSuchItem = -2; // a query whose item or index does not exist
inline constexpr std::int16_t kMaxLevel = 4;    // five levels: 0 (top) to 4

// Everything of a record but its sub-items: what persistence exchanges and
// what the editor page snapshots. The defaults are those of a newly added item.
struct MenuItemFields {
    std::int16_t id = 0;
    std::u16string caption;
    std::u16string shortcut{kShortcutNoneText};  // a text of the shortcut table
    SharedPicture picture;
    bool enabled = true;
    bool separator = false;
    bool visible = true;
    bool hyperlink = false;
    std::u16string hyperlink_address;
    std::int16_t level = 0;
    std::int16_t parent_index = -1;
    std::int16_t parent_id = kTopLevel;
    bool has_sub_items = false;  // persisted as "SubMenuItem"
};

class MenuItemRecord;

class MenuItemList {
public:
    // Iterates the records as references, so that a const list never hands
    // out a mutable record.
    template <typename Record, typename Base>
    class BasicIterator {
    public:
        explicit BasicIterator(Base it) : it_(it) {}
        Record& operator*() const { return **it_; }
        Record* operator->() const { return it_->get(); }
        BasicIterator& operator++() { ++it_; return *this; }
        bool operator==(const BasicIterator&) const = default;
    private:
        Base it_;
    };
    using Slots = std::vector<std::unique_ptr<MenuItemRecord>>;
    using iterator = BasicIterator<MenuItemRecord, Slots::iterator>;
    using const_iterator = BasicIterator<const MenuItemRecord, Slots::const_iterator>;

    MenuItemList() = default;
    explicit MenuItemList(MenuItemRecord* owner) : owner_(owner) {}
    MenuItemList(MenuItemList&& other) noexcept;
    MenuItemList& operator=(MenuItemList&& other) noexcept;
    MenuItemList(const MenuItemList&) = delete;
    MenuItemList& operator=(const MenuItemList&) = delete;
    ~MenuItemList();

    std::size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    MenuItemRecord& operator[](std::size_t i) { return *items_[i]; }
    const MenuItemRecord& operator[](std::size_t i) const { return *items_[i]; }
    iterator begin() { return iterator(items_.begin()); }
    iterator end() { return iterator(items_.end()); }
    const_iterator begin() const { return const_iterator(items_.begin()); }
    const_iterator end() const { return const_iterator(items_.end()); }

    // The record whose sub-items this list holds; null for a top-level list.
    const MenuItemRecord* Owner() const { return owner_; }
    MenuItemRecord* Owner() { return owner_; }

    // A null record is ignored. Insert places at `position` clamped to the end.
    MenuItemRecord* Append(std::unique_ptr<MenuItemRecord> record);
    MenuItemRecord* Insert(std::size_t position, std::unique_ptr<MenuItemRecord> record);
    // Detaches and returns the record at `position`; the ones after it move up.
    std::unique_ptr<MenuItemRecord> Take(std::size_t position);
    // Detaches every record, leaving the list empty.
    Slots ReleaseAll();
    // Deletes every record with its subtree.
    void Clear();

private:
    void Adopt(std::size_t from);

    Slots items_;
    MenuItemRecord* owner_ = nullptr;
};

class MenuItemRecord : public MenuItemFields {
public:
    MenuItemRecord() : sub_items_(this) {}
    explicit MenuItemRecord(std::int16_t item_id) : sub_items_(this) { id = item_id; }
    explicit MenuItemRecord(const MenuItemFields& fields) : MenuItemFields(fields), sub_items_(this) {}
    MenuItemRecord(const MenuItemRecord&) = delete;
    MenuItemRecord& operator=(const MenuItemRecord&) = delete;

    MenuItemList& SubItems() { return sub_items_; }
    const MenuItemList& SubItems() const { return sub_items_; }

    // Where the record sits; null list and index 0 while it is detached.
    const MenuItemList* List() const { return list_; }
    std::size_t Index() const { return index_; }
    // The record whose sub-item this is (by position, not by parent_id).
    const MenuItemRecord* Parent() const { return list_ != nullptr ? list_->Owner() : nullptr; }
    MenuItemRecord* Parent() { return list_ != nullptr ? list_->Owner() : nullptr; }
    // 0 for a record of a top-level (or detached) list, one more per parent.
    int Depth() const;

private:
    friend class MenuItemList;
    MenuItemList sub_items_;
    MenuItemList* list_ = nullptr;
    std::size_t index_ = 0;
};

// Depth-first pre-order over a list and every non-empty sub-list: an item,
// then its sub-items, then its next sibling. `visit(record)` returns false to
// stop; the walk then returns the record it stopped at. Iterative, so a deep
// stored tree cannot exhaust the stack.
template <typename List, typename Visit>
auto FindPreOrder(List& list, Visit visit) -> decltype(&list[0]) {
    struct Frame {
        List* list;
        std::size_t next;
    };
    std::vector<Frame> stack{{&list, 0}};
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.next >= top.list->size()) {
            stack.pop_back();
            continue;
        }
        auto& record = (*top.list)[top.next++];
        if (!visit(record)) return &record;
        if (!record.SubItems().empty()) stack.push_back({&record.SubItems(), 0});
    }
    return nullptr;
}

template <typename List, typename Visit>
void ForEachPreOrder(List& list, Visit visit) {
    FindPreOrder(list, [&](auto& record) {
        visit(record);
        return true;
    });
}

}  // namespace brixel
