#include "menu/menu_persist.h"

#include <algorithm>
#include <type_traits>
#include <variant>
#include <vector>

namespace brixel {
namespace {

using F = MenuItemFields;

// An item's stored fields in their order, with the value a missing key gives.
// These differ from a new item's: an item stored without "Enabled" is
// disabled, one without "ParentID" has 0.
struct ItemField {
    std::string_view name;
    std::variant<std::u16string F::*, std::int16_t F::*, bool F::*, SharedPicture F::*> member;
    std::int16_t number = 0;  // default of a number or switch
    std::u16string_view text{};
};

const ItemField kItemFields[] = {
    {"Caption", &F::caption},
    {"Shortcut", &F::shortcut, 0, kShortcutNoneText},
    {"ID", &F::id},
    {"Picture", &F::picture},
    {"Separator", &F::separator},
    {"Hyperlink", &F::hyperlink},
    {"HyperlinkAddress", &F::hyperlink_address},
    {"Enabled", &F::enabled, 0},
    {"Visible", &F::visible, 1},
    {"SubMenuItem", &F::has_sub_items},
    {"Level", &F::level},
    {"ParentIndex", &F::parent_index, -1},
    {"ParentID", &F::parent_id, 0},
};

void ExchangeItemFields(PropertyExchange& px, MenuItemFields& item, const std::string& prefix) {
    // A stream finds values by position: its keys would be built for nothing.
    const bool keyed = px.Keyed();
    for (const ItemField& f : kItemFields) {
        const std::string key = keyed ? prefix + std::string(f.name) : std::string();
        std::visit(
            [&](auto member) {
                using T = std::remove_reference_t<decltype(item.*member)>;
                if constexpr (std::is_same_v<T, std::u16string>) {
                    px.ExchangeString(key, item.*member, f.text);
                } else if constexpr (std::is_same_v<T, std::int16_t>) {
                    px.ExchangeShort(key, item.*member, f.number);
                } else if constexpr (std::is_same_v<T, bool>) {
                    px.ExchangeBool(key, item.*member, f.number != 0);
                } else {
                    px.ExchangePicture(key, item.*member);
                }
            },
            f.member);
    }
}

class TreeExchanger {
public:
    TreeExchanger(PropertyExchange& px, MenuTree& tree, bool current_layout)
        : px_(px), tree_(tree), saving_(px.Saving()), current_layout_(saving_ || current_layout) {}

    void Run() {
        if (px_.Mode() == ExchangeMode::Reset) tree_.DeleteAll();
        ExchangeMenuList(saving_ ? &tree_.Items() : nullptr, nullptr, true, 0, 0, kTopLevel);
    }

private:
    // Saving walks `source`. Loading appends to `owner`'s sub-list (null: the
    // tree's top level) when `keep`, and reads the records past otherwise.
    void ExchangeMenuList(const MenuItemList* source, MenuItemRecord* owner, bool keep, int pindex, int depth,
                          std::int16_t pid) {
        const std::int32_t saved = source != nullptr ? static_cast<std::int32_t>(source->size()) : 0;
        const std::int32_t count = ExchangeCount(saved, pindex, depth, pid);
        for (std::int32_t i = 0; i < count; ++i) {
            if (!saving_ && Stopped()) return;
            const std::string prefix = MenuItemKey(depth, pindex, i, pid, current_layout_, {});
            if (saving_) {
                const MenuItemRecord& record = (*source)[static_cast<std::size_t>(i)];
                MenuItemFields fields = record;
                ExchangeItemFields(px_, fields, prefix);
                if (fields.has_sub_items)
                    ExchangeSubList(&record.SubItems(), nullptr, false, i, depth + 1, fields.id);
                continue;
            }
            auto record = std::make_unique<MenuItemRecord>();
            ExchangeItemFields(px_, *record, prefix);
            const bool kept = keep && kept_ < kMaxLoadedMenuItems;
            if (kept) ++kept_;
            if (record->has_sub_items) ExchangeSubList(nullptr, record.get(), kept, i, depth + 1, record->id);
            if (!kept) continue;
            if (owner != nullptr) {
                owner->SubItems().Append(std::move(record));
            } else {
                tree_.AppendLoaded(std::move(record));
            }
        }
    }

    void ExchangeSubList(const MenuItemList* source, MenuItemRecord* owner, bool keep, int pindex, int depth,
                         std::int16_t pid) {
        if (depth <= kMaxLevel) {
            ExchangeMenuList(source, owner, keep, pindex, depth, pid);
        } else if (saving_) {
            ExchangeCount(0, pindex, depth, pid);  // nothing deeper is ever kept, so none is written
        } else if (!px_.Keyed()) {
            ReadPast(pindex, depth, pid);
        }
    }

    std::int32_t ExchangeCount(std::int32_t saved, int pindex, int depth, std::int16_t pid) {
        std::int32_t count = saved;
        px_.ExchangeLong(MenuCountKey(pindex, depth), count, 0);
        if (depth > 0 && px_.Keyed()) {
            std::int32_t owned = saving_ ? saved : -1;
            px_.ExchangeLong(MenuOwnerCountKey(depth, pindex, pid), owned, -1);
            if (!saving_ && owned >= 0) count = owned;
        }
        return std::max(count, 0);
    }

    // Lists below the deepest level, in a stream: every record is read, in
    // order, and dropped. A stack instead of recursion, as stored nesting has
    // no limit.
    void ReadPast(int pindex, int depth, std::int16_t pid) {
        struct Pending {
            std::int32_t count, next;
            int depth, pindex;
            std::int16_t pid;
        };
        std::vector<Pending> stack{{ExchangeCount(0, pindex, depth, pid), 0, depth, pindex, pid}};
        while (!stack.empty() && !px_.Ended()) {
            Pending& top = stack.back();
            if (top.next >= top.count) {
                stack.pop_back();
                continue;
            }
            const int index = top.next++;
            const int deeper = top.depth + 1;
            MenuItemFields scratch;
            ExchangeItemFields(px_, scratch,
                               MenuItemKey(top.depth, top.pindex, index, top.pid, current_layout_, {}));
            if (!scratch.has_sub_items) continue;
            const std::int32_t count = ExchangeCount(0, index, deeper, scratch.id);
            stack.push_back({count, 0, deeper, index, scratch.id});
        }
    }

    // A stream that has ended has nothing more to give; a bag has no end, so
    // the item limit ends its walk.
    bool Stopped() const { return px_.Ended() || (px_.Keyed() && kept_ >= kMaxLoadedMenuItems); }

    PropertyExchange& px_;
    MenuTree& tree_;
    const bool saving_;
    const bool current_layout_;
    std::size_t kept_ = 0;
};

}  // namespace

std::string MenuCountKey(int pindex, int depth) {
    return "MenuItem" + std::to_string(pindex) + "-" + std::to_string(depth) + "Count";
}

std::string MenuOwnerCountKey(int depth, int pindex, std::int16_t pid) {
    return "MenuOwner" + std::to_string(depth) + "-" + std::to_string(pindex) + "-" + std::to_string(pid) +
           "Count";
}

std::string MenuItemKey(int depth, int pindex, int index, std::int16_t pid, bool current_layout,
                        std::string_view field) {
    std::string key =
        "MenuItem" + std::to_string(depth) + "-" + std::to_string(pindex) + "-" + std::to_string(index);
    if (depth > 0 && current_layout) key += "-" + std::to_string(pid);
    key += field;
    return key;
}

void ExchangeMenuTree(PropertyExchange& px, MenuTree& tree, std::int16_t style) {
    TreeExchanger(px, tree, style > 0).Run();
}

}  // namespace brixel
