// The texts of the messages that refuse a change to the menu: the tree's own
// rules, and the menu editor page's checks on apply. The page shows some of
// the tree's texts and words others its own way (its shortcut and hyperlink
// texts differ from the tree's), so all of them live here, side by side.
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

// The object tree of the Windows Forms control words this rule its own way.
inline constexpr std::u16string_view kObjectSubMenuOnSeparator = u"You cannot add submenu to a separator";

// Only the menu editor page shows these.
inline constexpr std::u16string_view kEditorNegativeIdsFound =
    u"Negative menu item IDs were detected and deleted. \nCheck your data and enter new values.";
inline constexpr std::u16string_view kEditorEmptyId = u"Empty menu item ID exists";
inline constexpr std::u16string_view kEditorSkippedLevel = u"Menu item skipped a level";
inline constexpr std::u16string_view kEditorShortcutOnParent = u"You cannot assign a shortcut key to a top level menu";
inline constexpr std::u16string_view kEditorHyperlinkOnParent =
    u"You cannot assign a Hyperlink address to a top level menu";

}  // namespace brixel::menu_messages
