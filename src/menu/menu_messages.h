// The texts of the messages that refuse a change to the menu item tree. The
// editor page shows some of the same texts, so they live in one place.
#pragma once

#include <string_view>

namespace brixel::menu_messages {

inline constexpr std::u16string_view kNegativeId = u"You cannot assign a negative value to a menu item ID";
inline constexpr std::u16string_view kDuplicateId = u"Duplicate menu item ID exists";
inline constexpr std::u16string_view kSubMenuOnSeparator = u"You cannot add sub menus to separators";
inline constexpr std::u16string_view kSubMenuOnShortcut =
    u"You cannot add a sub menu item to this menu item because it has shortcut";
inline constexpr std::u16string_view kShortcutOnParent = u"Cannot assign shortcut key to a top level menu";
inline constexpr std::u16string_view kShortcutTaken = u"Shortcut key already assigned";
inline constexpr std::u16string_view kHyperlinkOnParent = u"Cannot assign Hyperlink address to a top level menu";
inline constexpr std::u16string_view kSeparatorOnParent =
    u"This menu item cannot be converted to a separator because it contains sub menu items";

}  // namespace brixel::menu_messages
