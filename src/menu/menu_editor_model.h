// The menu editor page's working model: the control's menu tree flattened
// into lines, one per item in menu order, with the depth shown by dot
// prefixes and a blank new-item line always kept last.
//
// The model edits copies of the records' fields, never the control's records
// themselves: the tree indexes its records by ID and keeps shortcut
// registrations on them, so editing them in place would leave both stale
// until apply, and a cancelled page would have to undo work on live data.
// Apply checks the lines, then rebuilds the tree from them in one step, which
// also re-registers the tree's shortcuts; cancelling just drops the copies.
#pragma once

#include "menu/menu_host.h"
#include "menu/menu_item.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brixel {

class MenuTree;

inline constexpr std::u16string_view kLevelPrefix = u"....";
inline constexpr std::u16string_view kSeparatorLineText = u"----------";

inline constexpr std::ptrdiff_t kNoParentLine = -1;

struct MenuEditorLine {
    MenuItemFields fields;    // what the page edits
    MenuItemFields snapshot;  // the fields when the page was filled or last applied
    // The control's record this line was filled from; null for lines the page
    // created. Only compared, never followed: the record may be gone by apply.
    const MenuItemRecord* source = nullptr;
    bool created = false;
    // Position of the parent line in the list, from the last relation pass.
    std::ptrdiff_t parent_line = kNoParentLine;
};

class MenuEditorModel {
public:
    // Starts with nothing but the blank line, as for an empty tree.
    explicit MenuEditorModel(MessageBoxHost& host) : host_(host) { Reset(); }

    // Lists every record of `tree` in menu order, appends the blank line and
    // selects the first line.
    void Fill(const MenuTree& tree);
    // Just the blank line: for a selection whose tree cannot be reached.
    void Reset();
    // When the page is shown: warns once per fill about negative IDs in the
    // stored tree. Returns whether it warned.
    bool WarnNegativeIds();
    // Back to the state of the last fill or apply.
    void Revert();
    bool Dirty() const { return dirty_; }

    // --- Lines ---------------------------------------------------------------
    std::size_t LineCount() const { return lines_.size(); }
    const MenuEditorLine& Line(std::size_t i) const { return lines_[i]; }
    bool IsBlankLine(std::size_t i) const { return i + 1 == lines_.size(); }
    // The caption (or the separator dashes) after one dot prefix per level.
    std::u16string LineText(std::size_t i) const;

    std::size_t Selected() const { return selected_; }
    void Select(std::size_t i);
    const MenuItemFields& Current() const { return lines_[selected_].fields; }
    // The ID as the field shows it: empty for a negative ID.
    std::u16string CurrentIdText() const;
    std::int16_t CurrentShortcutCode() const;
    // A separator keeps only its ID editable.
    bool ItemFieldsEnabled() const { return !Current().separator; }

    // --- Operations on the selected line ---------------------------------------
    bool Indent();   // "-->": one level deeper, up to the deepest level
    bool Outdent();  // "<--": one level up, down to the top level
    void Insert();   // a new line before the selected one, then selected
    bool Delete();   // the blank line stays; the selection moves up instead

    // --- Field edits on the selected line --------------------------------------
    // Editing the blank line makes it a real line and adds a new blank line.
    void SetCaption(std::u16string_view text);
    // Empty stores 0; anything but a number from 0 to 32767 stores -1, which
    // apply refuses, rather than a wrapped or truncated ID.
    void SetIdText(std::u16string_view text);
    void SetShortcutCode(std::int16_t code);
    void SetHyperlink(bool on);
    void SetHyperlinkAddress(std::u16string_view text);
    void SetSeparator(bool on);
    void SetEnabled(bool on);
    void SetVisible(bool on);
    void SetPicture(SharedPicture picture);

    // --- Apply -------------------------------------------------------------------
    // Works out every line's parent from the levels.
    void ComputeRelations();
    // Runs the checks in order; the first failure shows its message and
    // returns false.
    bool Check();
    // Checks, then makes `tree` exactly the listed lines. Returns false, with
    // the tree untouched, when a check failed.
    bool Apply(MenuTree& tree);

private:
    using CheckResult = std::optional<std::u16string_view>;

    template <typename Change>
    void Edit(Change change);
    // Appends the blank line and makes the lines the filled state.
    void Finish();
    MenuEditorLine NewLine() const;
    std::int16_t NewId() const;
    std::size_t RealLineCount() const { return lines_.size() - 1; }
    void Rebuild(MenuTree& tree);
    void TakeSnapshot();

    CheckResult CheckNegativeIds();
    CheckResult CheckDuplicateIds();
    CheckResult CheckSkippedLevels();
    CheckResult CheckSeparatorParents();
    CheckResult CheckParentShortcuts();
    CheckResult CheckDuplicateShortcuts();

    MessageBoxHost& host_;
    std::vector<MenuEditorLine> lines_;
    std::vector<MenuEditorLine> filled_;
    std::size_t selected_ = 0;
    bool dirty_ = false;
    bool negative_ids_ = false;
};

}  // namespace brixel
