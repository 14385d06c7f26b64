#include "menu/menu_tree.h"

#include "menu/menu_messages.h"
#include "menu/shortcut_registry.h"

#include <algorithm>
#include <utility>

namespace brixel {
namespace {

// A record counts as a parent when it owns sub-items by either sign: the flag
// (as stored data may have it) or a non-empty list.
bool IsParent(const MenuItemRecord& record) { return record.has_sub_items || !record.SubItems().empty(); }

}  // namespace

std::int16_t Saturate16(std::size_t n) { return static_cast<std::int16_t>(std::min<std::size_t>(n, 32767)); }

MenuTree::~MenuTree() {
    if (registry_ != nullptr) registry_->ForgetTree(*this);
}

// --- Queries ----------------------------------------------------------------

const MenuItemRecord* MenuTree::FindItem(std::int16_t id) const {
    const auto it = ids_.find(id);
    if (it == ids_.end()) return nullptr;
    IdSlot& slot = it->second;
    if (slot.count == 1 && slot.record != nullptr) return slot.record;
    const MenuItemRecord* found = FindPreOrder(items_, [id](const MenuItemRecord& r) { return r.id != id; });
    if (slot.count == 1) slot.record = found;
    return found;
}

MenuItemRecord* MenuTree::Find(std::int16_t id) {
    // The tree owns every record it indexes, so handing back a mutable one is sound.
    return const_cast<MenuItemRecord*>(FindItem(id));
}

const MenuItemRecord* MenuTree::FindParentOf(const MenuItemRecord& record) const {
    const std::int16_t wanted = record.parent_id;
    const MenuItemRecord* candidate = FindItem(wanted);
    if (candidate != &record) return candidate;
    return FindPreOrder(items_, [&](const MenuItemRecord& r) { return &r == &record || r.id != wanted; });
}

// Every record of the tree is in the index, so its count is the walk's count
// without the walk.
std::size_t MenuTree::CountAll() const { return record_count_; }

bool MenuTree::AnyVisible() const {
    return FindPreOrder(items_, [](const MenuItemRecord& r) { return !r.visible; }) != nullptr;
}

// --- Shape ------------------------------------------------------------------

bool MenuTree::RefuseNegativeId(std::int16_t id) {
    if (id >= 0) return false;
    host_.ShowMessage(menu_messages::kNegativeId, MessageBoxIcon::Stop);
    return true;
}

bool MenuTree::RefuseDuplicateId(std::int16_t id) {
    if (!IdExists(id)) return false;
    host_.ShowMessage(menu_messages::kDuplicateId, MessageBoxIcon::Exclamation);
    return true;
}

// The depth limit is taken from where the parent really sits rather than from
// its stored Level, so stored data with a wrong Level cannot grow a sixth level.
bool MenuTree::AddItem(std::int16_t id, std::int16_t parent_id) {
    if (RefuseNegativeId(id) || RefuseDuplicateId(id)) return false;
    auto record = std::make_unique<MenuItemRecord>(id);
    if (parent_id == kTopLevel) {
        IndexSubtree(*items_.Append(std::move(record)));
        return true;
    }
    MenuItemRecord* parent = Find(parent_id);
    if (parent == nullptr) return false;
    if (parent->separator) {
        host_.ShowMessage(menu_messages::kSubMenuOnSeparator, MessageBoxIcon::Exclamation);
        return false;
    }
    if (!IsNoShortcut(parent->shortcut)) {
        host_.ShowMessage(menu_messages::kSubMenuOnShortcut, MessageBoxIcon::Exclamation);
        return false;
    }
    const int depth = parent->Depth() + 1;
    if (depth > kMaxLevel) return false;
    parent->has_sub_items = true;
    record->level = static_cast<std::int16_t>(depth);
    record->parent_id = parent->id;
    record->parent_index = Saturate16(parent->Index());
    IndexSubtree(*parent->SubItems().Append(std::move(record)));
    return true;
}

// The new item goes into the list the target really sits in, at the target's
// index, so stored Level or ParentID values that disagree with the shape can
// neither misplace it nor push it past the end of another list.
bool MenuTree::InsertItem(std::int16_t id, std::int16_t place_before_id) {
    if (RefuseNegativeId(id) || RefuseDuplicateId(id)) return false;
    MenuItemRecord* target = Find(place_before_id);
    if (target == nullptr) return false;
    auto record = std::make_unique<MenuItemRecord>(id);
    MenuItemRecord* parent = target->Parent();
    if (parent != nullptr) {
        parent->has_sub_items = true;
        record->level = static_cast<std::int16_t>(target->Depth());
        record->parent_id = parent->id;
        record->parent_index = target->parent_index;
    }
    IndexSubtree(*ListOf(*target).Insert(target->Index(), std::move(record)));
    return true;
}

bool MenuTree::RemoveItem(std::int16_t id) {
    MenuItemRecord* record = Find(id);
    if (record == nullptr) return false;
    WithdrawSubtree(*record);
    UnindexSubtree(*record);
    MenuItemRecord* parent = record->Parent();
    ListOf(*record).Take(record->Index());  // deletes the record and its subtree
    if (parent != nullptr && parent->SubItems().empty()) parent->has_sub_items = false;
    return true;
}

void MenuTree::DeleteAll() {
    WithdrawAll();
    ClearIndex();
    items_.Clear();
}

MenuItemList& MenuTree::ListOf(MenuItemRecord& record) {
    MenuItemRecord* parent = record.Parent();
    return parent != nullptr ? parent->SubItems() : items_;
}

// --- Fields -----------------------------------------------------------------

// Sub-items follow their parent's new ID, so that ParentID keeps naming the
// current parent for the ParentID query and the shortcut ancestor walk.
bool MenuTree::SetId(std::int16_t id, std::int16_t new_id) {
    if (RefuseNegativeId(new_id)) return false;
    MenuItemRecord* record = Find(id);
    if (record == nullptr || RefuseDuplicateId(new_id)) return false;
    UnindexOne(*record);
    record->id = new_id;
    for (MenuItemRecord& child : record->SubItems()) child.parent_id = new_id;
    IndexOne(*record);
    return true;
}

bool MenuTree::SetShortcut(std::int16_t id, std::u16string_view text) {
    MenuItemRecord* record = Find(id);
    if (record == nullptr) return false;
    if (!IsNoShortcut(text)) {
        if (IsParent(*record)) {
            host_.ShowMessage(menu_messages::kShortcutOnParent, MessageBoxIcon::Exclamation);
            return false;
        }
        const auto* holder = FindPreOrder(
            items_, [&](const MenuItemRecord& r) { return &r == record || r.shortcut != text; });
        if (holder != nullptr) {
            host_.ShowMessage(menu_messages::kShortcutTaken, MessageBoxIcon::Exclamation);
            return false;
        }
    }
    record->shortcut = text;
    RefreshShortcuts();
    return true;
}

bool MenuTree::SetHyperlink(std::int16_t id, bool on) {
    MenuItemRecord* record = Find(id);
    if (record == nullptr) return false;
    if (on && IsParent(*record)) {
        host_.ShowMessage(menu_messages::kHyperlinkOnParent, MessageBoxIcon::Exclamation);
        return false;
    }
    record->hyperlink = on;
    return true;
}

bool MenuTree::SetSeparator(std::int16_t id, bool on) {
    MenuItemRecord* record = Find(id);
    if (record == nullptr) return false;
    if (on && IsParent(*record)) {
        host_.ShowMessage(menu_messages::kSeparatorOnParent, MessageBoxIcon::Exclamation);
        return false;
    }
    record->separator = on;
    return true;
}

namespace {
template <typename Field, typename Value>
bool Store(MenuItemRecord* record, Field MenuItemFields::*field, Value&& value) {
    if (record == nullptr) return false;
    record->*field = std::forward<Value>(value);
    return true;
}
}  // namespace

bool MenuTree::SetCaption(std::int16_t id, std::u16string_view text) {
    return Store(Find(id), &MenuItemFields::caption, std::u16string(text));
}
bool MenuTree::SetHyperlinkAddress(std::int16_t id, std::u16string_view text) {
    return Store(Find(id), &MenuItemFields::hyperlink_address, std::u16string(text));
}
bool MenuTree::SetEnabled(std::int16_t id, bool on) { return Store(Find(id), &MenuItemFields::enabled, on); }
bool MenuTree::SetVisible(std::int16_t id, bool on) { return Store(Find(id), &MenuItemFields::visible, on); }
bool MenuTree::SetPicture(std::int16_t id, SharedPicture picture) {
    return Store(Find(id), &MenuItemFields::picture, std::move(picture));
}

// --- Bulk changes -------------------------------------------------------------

// The loaded subtree comes last in menu order, so registering just its
// shortcuts keeps the registrations in menu order without re-walking what was
// loaded before.
void MenuTree::AppendLoaded(std::unique_ptr<MenuItemRecord> record) {
    if (!record) return;
    const MenuItemRecord& added = *items_.Append(std::move(record));
    IndexSubtree(added);
    if (registry_ != nullptr) registry_->AppendSubtree(*this, added);
}

MenuItemList::Slots MenuTree::DetachAll() {
    WithdrawAll();
    ClearIndex();
    MenuItemList::Slots flat;
    MenuItemList::Slots pending = items_.ReleaseAll();
    std::reverse(pending.begin(), pending.end());
    while (!pending.empty()) {  // pre-order with an explicit stack
        std::unique_ptr<MenuItemRecord> record = std::move(pending.back());
        pending.pop_back();
        MenuItemList::Slots children = record->SubItems().ReleaseAll();
        flat.push_back(std::move(record));
        for (auto it = children.rbegin(); it != children.rend(); ++it) pending.push_back(std::move(*it));
    }
    return flat;
}

void MenuTree::ReplaceAll(MenuItemList items) {
    WithdrawAll();
    items_ = std::move(items);
    Reindex();
    RefreshShortcuts();
}

// --- Index and registrations ----------------------------------------------------

void MenuTree::ClearIndex() {
    ids_.clear();
    record_count_ = 0;
}

void MenuTree::IndexOne(const MenuItemRecord& record) {
    IdSlot& slot = ids_[record.id];
    ++slot.count;
    ++record_count_;
    slot.record = slot.count == 1 ? &record : nullptr;
}

void MenuTree::UnindexOne(const MenuItemRecord& record) {
    const auto it = ids_.find(record.id);
    if (it == ids_.end()) return;
    --record_count_;
    if (--it->second.count == 0) ids_.erase(it);
    else it->second.record = nullptr;  // which of the rest comes first: found by the next lookup
}

void MenuTree::IndexSubtree(const MenuItemRecord& root) {
    IndexOne(root);
    ForEachPreOrder(root.SubItems(), [this](const MenuItemRecord& r) { IndexOne(r); });
}

void MenuTree::UnindexSubtree(const MenuItemRecord& root) {
    UnindexOne(root);
    ForEachPreOrder(root.SubItems(), [this](const MenuItemRecord& r) { UnindexOne(r); });
}

void MenuTree::Reindex() {
    ClearIndex();
    for (const MenuItemRecord& r : items_) IndexSubtree(r);
}

void MenuTree::WithdrawSubtree(const MenuItemRecord& root) {
    if (registry_ != nullptr) registry_->WithdrawSubtree(*this, root);
}

void MenuTree::WithdrawAll() {
    if (registry_ != nullptr) registry_->RemoveEntriesOf(*this);
}

void MenuTree::RefreshShortcuts() {
    if (registry_ != nullptr) registry_->RegisterShortcuts(window_, *this);
}

}  // namespace brixel
