// The menu item tree inside the control's property exchange: a flat set of
// values whose keys encode each item's place in the tree.
//
// Keys (depth: the list's level; pindex: the owner's index in its own list;
// i: the item's index; pid: the owner's ID):
//   list length            MenuItem<pindex>-<depth>Count
//   item field, top level  MenuItem<depth>-<pindex>-<i><Field>   (and every item, old layout)
//   item field, below it   MenuItem<depth>-<pindex>-<i>-<pid><Field>
// Two owners at the same depth and index share a Count key, so a sub-list's
// length is also stored under MenuOwner<depth>-<pindex>-<pid>Count, which the
// loader prefers; data without it reads as before. A stream is read in order
// and carries no such second count.
//
// Loading takes the stored tree as it is (no rule of the tree is checked) but
// never keeps more than five levels or kMaxLoadedMenuItems items: deeper
// items are read past in a stream (to stay in step) and not looked for in a
// bag.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/persist_control.h"
#include "core/persist_exchange.h"
#include "menu/menu_tree.h"

namespace brixel {

inline constexpr std::size_t kMaxLoadedMenuItems = 32767;

// `style` > 0: the current key layout; otherwise the older one, for loading.
// Saving always writes the current layout. Loading appends to what the tree
// holds; resetting empties it.
void ExchangeMenuTree(PropertyExchange& px, MenuTree& tree, std::int16_t style);

// The link the control's exchange calls for the menu.
class MenuTreeLink final : public MenuExchangeLink {
public:
    explicit MenuTreeLink(MenuTree& tree) : tree_(tree) {}
    void ExchangeMenuTree(PropertyExchange& px, std::int16_t style) override {
        brixel::ExchangeMenuTree(px, tree_, style);
    }

private:
    MenuTree& tree_;
};

// The keys, for tools and tests that read or write bags by hand.
std::string MenuCountKey(int pindex, int depth);
std::string MenuOwnerCountKey(int depth, int pindex, std::int16_t pid);
// `pid` is used only when it is not the top level and the layout is current.
std::string MenuItemKey(int depth, int pindex, int index, std::int16_t pid, bool current_layout,
                        std::string_view field);

}  // namespace brixel
