#include "menu/menu_automation.h"

#include "menu/shortcut_table.h"

namespace brixel {
namespace {

// The list a parent argument names, or null when the parent does not exist or
// owns no sub-items.
const MenuItemList* ListOfParent(const MenuTree& tree, std::int16_t parent_id) {
    if (parent_id == kTopLevel) return &tree.Items();
    const MenuItemRecord* parent = tree.FindItem(parent_id);
    if (parent == nullptr || !parent->has_sub_items) return nullptr;
    return &parent->SubItems();
}

template <typename Value, typename Read>
Value ReadOr(const MenuTree& tree, std::int16_t item_id, Value missing, Read read) {
    const MenuItemRecord* record = tree.FindItem(item_id);
    return record != nullptr ? read(*record) : missing;
}

}  // namespace

void AddMenuItem(MenuTree& tree, std::int16_t item_id, std::int16_t parent_id) { tree.AddItem(item_id, parent_id); }

void InsertMenuItem(MenuTree& tree, std::int16_t item_id, std::int16_t place_before_item_id) {
    tree.InsertItem(item_id, place_before_item_id);
}

void RemoveMenuItem(MenuTree& tree, std::int16_t item_id) { tree.RemoveItem(item_id); }

std::int16_t GetMenuItemCount(const MenuTree& tree, std::int16_t parent_id) {
    const MenuItemList* list = ListOfParent(tree, parent_id);
    return list != nullptr ? Saturate16(list->size()) : 0;
}

std::int16_t GetMenuItemIDFromIndex(const MenuTree& tree, std::int16_t parent_id, std::int16_t item_index) {
    const MenuItemList* list = ListOfParent(tree, parent_id);
    if (list == nullptr || item_index < 0 || static_cast<std::size_t>(item_index) >= list->size()) {
        return kNoSuchItem;
    }
    return (*list)[static_cast<std::size_t>(item_index)].id;
}

std::int16_t GetMenuItemParentID(const MenuTree& tree, std::int16_t item_id) {
    return ReadOr(tree, item_id, kNoSuchItem, [](const MenuItemRecord& r) { return r.parent_id; });
}

bool IsMenuItemParent(const MenuTree& tree, std::int16_t item_id) {
    if (item_id == kTopLevel) return true;
    return ReadOr(tree, item_id, false, [](const MenuItemRecord& r) { return r.has_sub_items; });
}

std::int16_t GetTotalMenuItemCount(const MenuTree& tree) { return Saturate16(tree.CountAll()); }

std::u16string GetMenuItemCaption(const MenuTree& tree, std::int16_t item_id) {
    return ReadOr(tree, item_id, std::u16string(), [](const MenuItemRecord& r) { return r.caption; });
}
void SetMenuItemCaption(MenuTree& tree, std::int16_t item_id, std::u16string_view caption) {
    tree.SetCaption(item_id, caption);
}

std::int16_t GetMenuItemID(const MenuTree& tree, std::int16_t item_id) {
    return ReadOr(tree, item_id, std::int16_t{0}, [](const MenuItemRecord& r) { return r.id; });
}
void SetMenuItemID(MenuTree& tree, std::int16_t item_id, std::int16_t new_id) { tree.SetId(item_id, new_id); }

std::int16_t GetMenuItemShortcut(const MenuTree& tree, std::int16_t item_id) {
    return ReadOr(tree, item_id, kShortcutNone, [](const MenuItemRecord& r) { return ShortcutCode(r.shortcut); });
}
void SetMenuItemShortcut(MenuTree& tree, std::int16_t item_id, std::int16_t code) {
    tree.SetShortcut(item_id, ShortcutText(code));
}

bool GetMenuItemHyperlink(const MenuTree& tree, std::int16_t item_id) {
    return ReadOr(tree, item_id, false, [](const MenuItemRecord& r) { return r.hyperlink; });
}
void SetMenuItemHyperlink(MenuTree& tree, std::int16_t item_id, bool on) { tree.SetHyperlink(item_id, on); }

std::u16string GetMenuItemHyperlinkAddress(const MenuTree& tree, std::int16_t item_id) {
    return ReadOr(tree, item_id, std::u16string(), [](const MenuItemRecord& r) { return r.hyperlink_address; });
}
void SetMenuItemHyperlinkAddress(MenuTree& tree, std::int16_t item_id, std::u16string_view address) {
    tree.SetHyperlinkAddress(item_id, address);
}

bool GetMenuItemSeparator(const MenuTree& tree, std::int16_t item_id) {
    return ReadOr(tree, item_id, false, [](const MenuItemRecord& r) { return r.separator; });
}
void SetMenuItemSeparator(MenuTree& tree, std::int16_t item_id, bool on) { tree.SetSeparator(item_id, on); }

bool GetMenuItemEnabled(const MenuTree& tree, std::int16_t item_id) {
    return ReadOr(tree, item_id, false, [](const MenuItemRecord& r) { return r.enabled; });
}
void SetMenuItemEnabled(MenuTree& tree, std::int16_t item_id, bool on) { tree.SetEnabled(item_id, on); }

SharedPicture GetMenuItemPicture(const MenuTree& tree, std::int16_t item_id) {
    return ReadOr(tree, item_id, SharedPicture(), [](const MenuItemRecord& r) { return r.picture; });
}
void SetMenuItemPicture(MenuTree& tree, std::int16_t item_id, SharedPicture picture) {
    tree.SetPicture(item_id, std::move(picture));
}

bool GetMenuItemVisible(const MenuTree& tree, std::int16_t item_id) {
    return ReadOr(tree, item_id, false, [](const MenuItemRecord& r) { return r.visible; });
}
void SetMenuItemVisible(MenuTree& tree, std::int16_t item_id, bool on) { tree.SetVisible(item_id, on); }

}  // namespace brixel
