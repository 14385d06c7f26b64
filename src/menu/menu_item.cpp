#include "menu/menu_item.h"

#include <algorithm>
#include <utility>

namespace brixel {

MenuItemList::MenuItemList(MenuItemList&& other) noexcept : items_(std::move(other.items_)) {
    other.items_.clear();
    Adopt(0);
}

// The list keeps its own owner: moving records into a record's sub-list makes
// them that record's sub-items.
MenuItemList& MenuItemList::operator=(MenuItemList&& other) noexcept {
    if (this != &other) {
        Clear();
        items_ = std::move(other.items_);
        other.items_.clear();
        Adopt(0);
    }
    return *this;
}

MenuItemList::~MenuItemList() { Clear(); }

MenuItemRecord* MenuItemList::Append(std::unique_ptr<MenuItemRecord> record) {
    return Insert(items_.size(), std::move(record));
}

MenuItemRecord* MenuItemList::Insert(std::size_t position, std::unique_ptr<MenuItemRecord> record) {
    if (!record) return nullptr;
    position = std::min(position, items_.size());
    MenuItemRecord* raw = record.get();
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(position), std::move(record));
    Adopt(position);
    return raw;
}

std::unique_ptr<MenuItemRecord> MenuItemList::Take(std::size_t position) {
    if (position >= items_.size()) return nullptr;
    std::unique_ptr<MenuItemRecord> record = std::move(items_[position]);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(position));
    record->list_ = nullptr;
    record->index_ = 0;
    Adopt(position);
    return record;
}

MenuItemList::Slots MenuItemList::ReleaseAll() {
    Slots released = std::move(items_);
    items_.clear();
    for (auto& record : released) {
        record->list_ = nullptr;
        record->index_ = 0;
    }
    return released;
}

// Last to first, each record taking its own subtree with it before it goes.
void MenuItemList::Clear() {
    while (!items_.empty()) items_.pop_back();
}

void MenuItemList::Adopt(std::size_t from) {
    for (std::size_t i = from; i < items_.size(); ++i) {
        items_[i]->list_ = this;
        items_[i]->index_ = i;
    }
}

int MenuItemRecord::Depth() const {
    int depth = 0;
    for (const MenuItemRecord* p = Parent(); p != nullptr; p = p->Parent()) ++depth;
    return depth;
}

}  // namespace brixel
