// The rules of the property pages that need no window: which row of a list
// shows a value and which value a row writes, how colour and number fields
// read, what the spin buttons do at their bounds, and how a gradient group
// constrains its own fields.
#pragma once

#include "core/enums.h"

#include <cstdint>
#include <optional>
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

}  // namespace brixel
