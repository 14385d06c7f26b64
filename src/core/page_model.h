// The rules of the property pages that need no window: which row of a list
// shows a value and which value a row writes, how colour and number fields
// read, what the spin buttons do at their bounds, and how a gradient group
// constrains its own fields.
#pragma once

#include "core/enums.h"

#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <string>
#include <string_view>
#include <vector>

namespace brixel {

// The rows of one drop-down list of a page, in the order they are shown.
struct PageList {
    std::vector<std::string_view> rows;
    // The row that shows a stored 99 ("99 - ccCustom", "99 - kvnCustom"):
    // the control stores 99 for it, but the row index is what is written.
    std::optional<int> custom_row;
};

enum class ListOrder : std::uint8_t { Sorted, Unsorted };

// The rows for `source`: an ENUM_... type name, or "MousePointer" for the
// pointer table. A sorted list orders its rows by label, which puts each row
// at the index of its value. Empty rows when the source is unknown.
PageList MakePageList(std::string_view source, ListOrder order);

// The row that shows `value`, or -1 when no row does.
int RowForValue(const PageList& list, std::int16_t value);
// The value a selected row writes: the row index itself. Nothing for -1 or a
// row outside the list, so an empty selection never overwrites a property.
std::optional<std::int16_t> ValueForRow(const PageList& list, int row);

// Colour fields hold the colour as an unsigned decimal number.
std::u16string FormatColourField(std::uint32_t colour);
// The colour a field holds: digits only (surrounding blanks allowed), at most
// 0xFFFFFFFF. Nothing for anything else, so a typing slip is reported rather
// than written as some other colour.
std::optional<std::uint32_t> ParseColourField(std::u16string_view text);
// The colour the colour dialog starts from: the number the field starts
// with, black when it does not start with one.
std::uint32_t ColourDialogStart(std::u16string_view text);

// A 16-bit number field: an optional sign and digits, surrounding blanks
// allowed, within -32768..32767.
std::optional<std::int16_t> ParseNumberField(std::u16string_view text);
std::u16string FormatNumberField(std::int16_t value);

// One click of a spin arrow (`up` or down) on a field holding `current`
// (nothing when the field holds no number: counted from 0). Up adds one while
// below `upper`, down takes one away while above 0; otherwise the value stays.
std::int16_t SpinStep(std::optional<std::int16_t> current, bool up, std::int16_t upper);

// What a gradient group's style allows of its other fields.
struct GradientGroupState {
    std::uint32_t colour2;       // the colour 2 the group holds after the rules
    bool colour2_pick_enabled;   // the colour-2 "..." button
    bool variant_enabled;        // the style variant list
};
inline constexpr std::uint32_t kWhiteColour = 0xFFFFFF;
GradientGroupState GradientGroupRules(std::int16_t style, std::uint32_t colour2);

// The system colours a colour page offers by name, in index order.
struct SystemColourName {
    int index;               // the COLOR_... index; the OLE colour is SystemColourRef(index)
    std::string_view name;
};
std::span<const SystemColourName> SystemColourNames();

// The colour page: every colour property of the selected controls in one
// list, one value field for the selected row. Each row keeps the text its
// field holds, so a half-typed value survives a look at another row and is
// reported on apply rather than lost.
class ColourPageModel {
public:
    struct Row {
        std::u16string name;
        std::u16string loaded;  // the value as the control had it
        std::u16string text;    // the value as the field holds it now
    };
    struct Write {
        std::u16string name;
        std::uint32_t value;
    };

    // Rows sorted by name; the first row selected (none when empty).
    void Load(std::vector<std::pair<std::u16string, std::uint32_t>> colours);
    const std::vector<Row>& rows() const noexcept { return rows_; }
    int selected() const noexcept { return selected_; }
    // Rows outside the list select nothing.
    void Select(int row);
    // The text the value field shows for the selected row; empty for none.
    std::u16string SelectedText() const;
    // The user edited the value field; false when nothing changed (no row,
    // or the same text).
    bool Edit(std::u16string_view text);
    bool Dirty() const;
    // The first changed row whose text is not a colour, if any: apply must
    // report it and write nothing.
    std::optional<int> FirstInvalid() const;
    // Only the rows the user changed, so a multiple selection keeps every
    // other colour each control has of its own.
    std::vector<Write> Writes() const;
    // After a successful apply the written values are the loaded ones.
    void Applied();

private:
    std::vector<Row> rows_;
    int selected_ = -1;
};

}  // namespace brixel
