#include "menu/menu_editor_model.h"

#include "menu/menu_messages.h"
#include "menu/menu_tree.h"
#include "menu/shortcut_table.h"

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace brixel {
namespace {

constexpr std::int16_t kLargestId = 32767;

// Stored data may hold an empty text as well as the two "no shortcut" texts;
// none of them is a key, so none may clash with a parent or another item.
bool HasShortcut(const MenuItemFields& f) { return !f.shortcut.empty() && !IsNoShortcut(f.shortcut); }

}  // namespace

// --- Filling ----------------------------------------------------------------------

void MenuEditorModel::Reset() {
    lines_.clear();
    negative_ids_ = false;
    Finish();
}

// Levels come from where a record really sits, so a stored Level that
// disagrees with the shape cannot reshape the tree on the next apply.
void MenuEditorModel::Fill(const MenuTree& tree) {
    lines_.clear();
    negative_ids_ = false;
    ForEachPreOrder(tree.Items(), [this](const MenuItemRecord& record) {
        MenuEditorLine line;
        line.fields = record;
        line.fields.level = static_cast<std::int16_t>(std::min(record.Depth(), int{kMaxLevel}));
        line.snapshot = line.fields;
        line.source = &record;
        negative_ids_ = negative_ids_ || record.id < 0;
        lines_.push_back(std::move(line));
    });
    Finish();
}

void MenuEditorModel::Finish() {
    lines_.push_back(NewLine());
    ComputeRelations();
    filled_ = lines_;
    selected_ = 0;
    dirty_ = false;
}

bool MenuEditorModel::WarnNegativeIds() {
    if (!negative_ids_) return false;
    negative_ids_ = false;
    host_.ShowMessage(menu_messages::kEditorNegativeIdsFound, MessageBoxIcon::Exclamation);
    return true;
}

void MenuEditorModel::Revert() {
    lines_ = filled_;
    selected_ = 0;
    dirty_ = false;
}

// --- New lines ----------------------------------------------------------------------

MenuEditorLine MenuEditorModel::NewLine() const {
    MenuEditorLine line;
    line.fields.id = NewId();
    line.snapshot = line.fields;
    line.created = true;
    return line;
}

// One more than the largest ID in the list; once 32767 is taken that would
// wrap to a negative ID that no apply could ever accept, so the lowest free
// ID is used instead.
std::int16_t MenuEditorModel::NewId() const {
    std::int16_t largest = -1;
    for (const MenuEditorLine& line : lines_) largest = std::max(largest, line.fields.id);
    if (largest < kLargestId) return static_cast<std::int16_t>(largest + 1);
    std::unordered_set<std::int16_t> used;
    for (const MenuEditorLine& line : lines_) used.insert(line.fields.id);
    std::int16_t id = 0;
    while (used.count(id) != 0 && id < kLargestId) ++id;
    return id;
}

// --- Lines ----------------------------------------------------------------------------

std::u16string MenuEditorModel::LineText(std::size_t i) const {
    const MenuItemFields& f = lines_[i].fields;
    std::u16string text;
    for (int level = 0; level < f.level; ++level) text += kLevelPrefix;
    text += f.separator ? std::u16string(kSeparatorLineText) : f.caption;
    return text;
}

void MenuEditorModel::Select(std::size_t i) { selected_ = std::min(i, lines_.size() - 1); }

std::u16string MenuEditorModel::CurrentIdText() const {
    const std::int16_t id = Current().id;
    if (id < 0) return {};
    std::u16string text;
    for (char c : std::to_string(id)) text += static_cast<char16_t>(c);
    return text;
}

std::int16_t MenuEditorModel::CurrentShortcutCode() const { return ShortcutCode(Current().shortcut); }

// --- Operations -----------------------------------------------------------------------

template <typename Change>
void MenuEditorModel::Edit(Change change) {
    change(lines_[selected_].fields);
    dirty_ = true;
    if (IsBlankLine(selected_)) lines_.push_back(NewLine());
}

bool MenuEditorModel::Indent() {
    if (Current().level >= kMaxLevel) return false;
    Edit([](MenuItemFields& f) { ++f.level; });
    return true;
}

bool MenuEditorModel::Outdent() {
    if (Current().level <= 0) return false;
    Edit([](MenuItemFields& f) { --f.level; });
    return true;
}

void MenuEditorModel::Insert() {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(selected_), NewLine());
    dirty_ = true;
}

bool MenuEditorModel::Delete() {
    if (IsBlankLine(selected_)) {
        if (selected_ > 0) --selected_;
        return false;
    }
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(selected_));
    dirty_ = true;
    return true;
}

// --- Field edits -----------------------------------------------------------------------

void MenuEditorModel::SetCaption(std::u16string_view text) {
    Edit([&](MenuItemFields& f) { f.caption = text; });
}

void MenuEditorModel::SetIdText(std::u16string_view text) {
    std::int32_t value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9' || value > kLargestId) {
            value = -1;
            break;
        }
        value = value * 10 + (c - u'0');
    }
    if (value > kLargestId) value = -1;
    Edit([&](MenuItemFields& f) { f.id = static_cast<std::int16_t>(value); });
}

void MenuEditorModel::SetShortcutCode(std::int16_t code) {
    Edit([&](MenuItemFields& f) { f.shortcut = ShortcutText(code); });
}
void MenuEditorModel::SetHyperlink(bool on) {
    Edit([&](MenuItemFields& f) { f.hyperlink = on; });
}
void MenuEditorModel::SetHyperlinkAddress(std::u16string_view text) {
    Edit([&](MenuItemFields& f) { f.hyperlink_address = text; });
}
void MenuEditorModel::SetSeparator(bool on) {
    Edit([&](MenuItemFields& f) { f.separator = on; });
}
void MenuEditorModel::SetEnabled(bool on) {
    Edit([&](MenuItemFields& f) { f.enabled = on; });
}
void MenuEditorModel::SetVisible(bool on) {
    Edit([&](MenuItemFields& f) { f.visible = on; });
}
void MenuEditorModel::SetPicture(SharedPicture picture) {
    Edit([&](MenuItemFields& f) { f.picture = std::move(picture); });
}

// --- Relations and checks ----------------------------------------------------------------

// A line's parent is the nearest earlier line of a lower level, and only when
// that line is exactly one level up; otherwise a level was skipped and the
// line has none. The blank line takes no part. A stack of the latest line at
// each level finds the nearest lower line without scanning back.
void MenuEditorModel::ComputeRelations() {
    std::vector<std::size_t> latest;  // latest[k]: the last line seen at level k, while still open
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        MenuEditorLine& line = lines_[i];
        line.fields.has_sub_items = false;
        line.parent_line = kNoParentLine;
        line.fields.parent_id = kTopLevel;
        line.fields.parent_index = -1;
        if (IsBlankLine(i)) continue;
        const auto level = static_cast<std::size_t>(std::max<std::int16_t>(line.fields.level, 0));
        // Drop every open line at this level or deeper: they are not ancestors.
        while (!latest.empty() && lines_[latest.back()].fields.level >= line.fields.level) latest.pop_back();
        if (level > 0 && !latest.empty() && lines_[latest.back()].fields.level + 1 == line.fields.level) {
            MenuEditorLine& parent = lines_[latest.back()];
            line.parent_line = static_cast<std::ptrdiff_t>(latest.back());
            line.fields.parent_id = parent.fields.id;
            line.fields.parent_index = Saturate16(latest.back());
            parent.fields.has_sub_items = true;
        }
        latest.push_back(i);
    }
}

bool MenuEditorModel::Check() {
    ComputeRelations();
    using Rule = CheckResult (MenuEditorModel::*)();
    static constexpr Rule kRules[] = {
        &MenuEditorModel::CheckNegativeIds,      &MenuEditorModel::CheckDuplicateIds,
        &MenuEditorModel::CheckSkippedLevels,    &MenuEditorModel::CheckSeparatorParents,
        &MenuEditorModel::CheckParentShortcuts,  &MenuEditorModel::CheckDuplicateShortcuts,
    };
    for (Rule rule : kRules) {
        if (const CheckResult failure = (this->*rule)()) {
            host_.ShowMessage(*failure, MessageBoxIcon::Exclamation);
            return false;
        }
    }
    return true;
}

// The blank line too: it would carry a negative ID into the next new line.
MenuEditorModel::CheckResult MenuEditorModel::CheckNegativeIds() {
    for (const MenuEditorLine& line : lines_) {
        if (line.fields.id < 0) return menu_messages::kEditorEmptyId;
    }
    return std::nullopt;
}

// Of the two lines, the one whose ID was edited is put back: restoring one
// that still has its filled ID would change nothing and leave the user stuck.
MenuEditorModel::CheckResult MenuEditorModel::CheckDuplicateIds() {
    std::unordered_map<std::int16_t, std::size_t> first;
    for (std::size_t i = 0; i < RealLineCount(); ++i) {
        const auto [it, fresh] = first.emplace(lines_[i].fields.id, i);
        if (fresh) continue;
        const bool later_edited = lines_[i].fields.id != lines_[i].snapshot.id;
        const bool earlier_edited = lines_[it->second].fields.id != lines_[it->second].snapshot.id;
        const std::size_t culprit = !later_edited && earlier_edited ? it->second : i;
        lines_[culprit].fields.id = lines_[culprit].snapshot.id;
        selected_ = culprit;
        return menu_messages::kDuplicateId;
    }
    return std::nullopt;
}

MenuEditorModel::CheckResult MenuEditorModel::CheckSkippedLevels() {
    for (std::size_t i = 0; i < RealLineCount(); ++i) {
        if (lines_[i].fields.level > 0 && lines_[i].parent_line == kNoParentLine) {
            return menu_messages::kEditorSkippedLevel;
        }
    }
    return std::nullopt;
}

MenuEditorModel::CheckResult MenuEditorModel::CheckSeparatorParents() {
    for (std::size_t i = 0; i < RealLineCount(); ++i) {
        if (lines_[i].fields.separator && lines_[i].fields.has_sub_items) return menu_messages::kSubMenuOnSeparator;
    }
    return std::nullopt;
}

MenuEditorModel::CheckResult MenuEditorModel::CheckParentShortcuts() {
    for (std::size_t i = 0; i < RealLineCount(); ++i) {
        const MenuItemFields& f = lines_[i].fields;
        if (!f.has_sub_items) continue;
        if (HasShortcut(f)) return menu_messages::kEditorShortcutOnParent;
        if (f.hyperlink) return menu_messages::kEditorHyperlinkOnParent;
    }
    return std::nullopt;
}

MenuEditorModel::CheckResult MenuEditorModel::CheckDuplicateShortcuts() {
    std::unordered_set<std::u16string> seen;
    for (std::size_t i = 0; i < RealLineCount(); ++i) {
        const MenuItemFields& f = lines_[i].fields;
        if (HasShortcut(f) && !seen.insert(f.shortcut).second) return menu_messages::kShortcutTaken;
    }
    return std::nullopt;
}

// --- Apply ---------------------------------------------------------------------------------

bool MenuEditorModel::Apply(MenuTree& tree) {
    if (!Check()) return false;
    Rebuild(tree);
    TakeSnapshot();
    return true;
}

// The control's records are reused for the lines filled from them, new ones
// are made for the page's lines, and whatever record no line names any more
// is deleted with `old` at the end. Every parent line comes before its
// sub-item lines, so one pass in list order builds the whole tree. In the tree
// ParentIndex keeps its meaning there: the parent's index in its own list.
void MenuEditorModel::Rebuild(MenuTree& tree) {
    std::unordered_map<const MenuItemRecord*, std::unique_ptr<MenuItemRecord>> old;
    for (auto& record : tree.DetachAll()) {
        const MenuItemRecord* key = record.get();
        old.emplace(key, std::move(record));
    }
    MenuItemList top;
    std::vector<MenuItemRecord*> placed(RealLineCount(), nullptr);
    for (std::size_t i = 0; i < RealLineCount(); ++i) {
        MenuEditorLine& line = lines_[i];
        std::unique_ptr<MenuItemRecord> record;
        if (auto it = old.find(line.source); line.source != nullptr && it != old.end()) record = std::move(it->second);
        if (!record) record = std::make_unique<MenuItemRecord>();
        static_cast<MenuItemFields&>(*record) = line.fields;
        MenuItemRecord* parent = line.parent_line == kNoParentLine ? nullptr : placed[line.parent_line];
        if (parent != nullptr) record->parent_index = Saturate16(parent->Index());
        placed[i] = (parent != nullptr ? parent->SubItems() : top).Append(std::move(record));
        line.source = placed[i];
    }
    tree.ReplaceAll(std::move(top));
}

void MenuEditorModel::TakeSnapshot() {
    for (MenuEditorLine& line : lines_) {
        line.snapshot = line.fields;
        line.created = false;
    }
    lines_.back().created = true;  // the blank line is still the page's own
    lines_.back().source = nullptr;
    filled_ = lines_;
    dirty_ = false;
}

}  // namespace brixel
