// The menu item methods and indexed properties of the control's automation
// interface, one function per member. IDs, indexes and counts are 16-bit as
// on the interface; -1 as a parent is the top level, -2 as a result means
// "no such item or index". Reading an item that does not exist gives the
// interface's documented default; writing to one changes nothing.
#pragma once

#include "menu/menu_tree.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace brixel {

// Methods
void AddMenuItem(MenuTree& tree, std::int16_t item_id, std::int16_t parent_id);
void InsertMenuItem(MenuTree& tree, std::int16_t item_id, std::int16_t place_before_item_id);
void RemoveMenuItem(MenuTree& tree, std::int16_t item_id);
std::int16_t GetMenuItemCount(const MenuTree& tree, std::int16_t parent_id);
std::int16_t GetMenuItemIDFromIndex(const MenuTree& tree, std::int16_t parent_id, std::int16_t item_index);
std::int16_t GetMenuItemParentID(const MenuTree& tree, std::int16_t item_id);
bool IsMenuItemParent(const MenuTree& tree, std::int16_t item_id);
std::int16_t GetTotalMenuItemCount(const MenuTree& tree);

// Indexed properties
std::u16string GetMenuItemCaption(const MenuTree& tree, std::int16_t item_id);
void SetMenuItemCaption(MenuTree& tree, std::int16_t item_id, std::u16string_view caption);
std::int16_t GetMenuItemID(const MenuTree& tree, std::int16_t item_id);
void SetMenuItemID(MenuTree& tree, std::int16_t item_id, std::int16_t new_id);
// Read as the code of the stored text (letter case ignored); written as a
// code, a code outside the table storing "None".
std::int16_t GetMenuItemShortcut(const MenuTree& tree, std::int16_t item_id);
void SetMenuItemShortcut(MenuTree& tree, std::int16_t item_id, std::int16_t code);
bool GetMenuItemHyperlink(const MenuTree& tree, std::int16_t item_id);
void SetMenuItemHyperlink(MenuTree& tree, std::int16_t item_id, bool on);
std::u16string GetMenuItemHyperlinkAddress(const MenuTree& tree, std::int16_t item_id);
void SetMenuItemHyperlinkAddress(MenuTree& tree, std::int16_t item_id, std::u16string_view address);
bool GetMenuItemSeparator(const MenuTree& tree, std::int16_t item_id);
void SetMenuItemSeparator(MenuTree& tree, std::int16_t item_id, bool on);
bool GetMenuItemEnabled(const MenuTree& tree, std::int16_t item_id);
void SetMenuItemEnabled(MenuTree& tree, std::int16_t item_id, bool on);
SharedPicture GetMenuItemPicture(const MenuTree& tree, std::int16_t item_id);
void SetMenuItemPicture(MenuTree& tree, std::int16_t item_id, SharedPicture picture);
bool GetMenuItemVisible(const MenuTree& tree, std::int16_t item_id);
void SetMenuItemVisible(MenuTree& tree, std::int16_t item_id, bool on);

}  // namespace brixel
