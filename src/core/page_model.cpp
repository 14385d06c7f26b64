#include "core/page_model.h"

#include <algorithm>

namespace brixel {
namespace {

constexpr std::string_view kCustomPrefix = "99 -";

std::u16string_view Trim(std::u16string_view text) {
    const auto blank = [](char16_t c) { return c == u' ' || c == u'\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Reads the digits at the start of `text` into a 64-bit value, saturating
// past 32 bits so a long run cannot wrap into a plausible colour.
std::uint64_t LeadingDigits(std::u16string_view text, std::size_t* used) {
    std::uint64_t value = 0;
    std::size_t i = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = std::min<std::uint64_t>(value * 10 + static_cast<std::uint64_t>(text[i] - u'0'), 0x1'0000'0000ULL);
    }
    *used = i;
    return value;
}

}  // namespace

PageList MakePageList(std::string_view source, ListOrder order) {
    PageList list;
    if (source == "MousePointer") {
        for (const MousePointerEntry& e : MousePointerTable()) list.rows.push_back(e.page_label);
    } else if (const EnumType* type = FindEnumType(source)) {
        for (const EnumConstant& c : type->constants) {
            if (!c.page_label.empty()) list.rows.push_back(c.page_label);
        }
    }
    if (order == ListOrder::Sorted) std::sort(list.rows.begin(), list.rows.end());
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        if (list.rows[i].starts_with(kCustomPrefix)) list.custom_row = static_cast<int>(i);
    }
    return list;
}

int RowForValue(const PageList& list, std::int16_t value) {
    if (value == kvnCustom && list.custom_row) return *list.custom_row;
    if (value >= 0 && value < static_cast<int>(list.rows.size())) return value;
    return -1;
}

std::optional<std::int16_t> ValueForRow(const PageList& list, int row) {
    if (row < 0 || row >= static_cast<int>(list.rows.size())) return std::nullopt;
    return static_cast<std::int16_t>(row);
}

std::u16string FormatColourField(std::uint32_t colour) {
    const std::string digits = std::to_string(colour);
    return std::u16string(digits.begin(), digits.end());
}

std::optional<std::uint32_t> ParseColourField(std::u16string_view text) {
    text = Trim(text);
    std::size_t used = 0;
    const std::uint64_t value = LeadingDigits(text, &used);
    if (used == 0 || used != text.size() || value > 0xFFFFFFFFULL) return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

std::uint32_t ColourDialogStart(std::u16string_view text) {
    while (!text.empty() && (text.front() == u' ' || text.front() == u'\t')) text.remove_prefix(1);
    std::size_t used = 0;
    const std::uint64_t value = LeadingDigits(text, &used);
    if (used == 0 || value > 0xFFFFFFFFULL) return 0;
    return static_cast<std::uint32_t>(value);
}

std::optional<std::int16_t> ParseNumberField(std::u16string_view text) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    std::size_t used = 0;
    const std::uint64_t magnitude = LeadingDigits(text, &used);
    if (used == 0 || used != text.size()) return std::nullopt;
    const std::int64_t value = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    if (value < INT16_MIN || value > INT16_MAX) return std::nullopt;
    return static_cast<std::int16_t>(value);
}

std::u16string FormatNumberField(std::int16_t value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

std::int16_t SpinStep(std::optional<std::int16_t> current, bool up, std::int16_t upper) {
    const std::int16_t value = current.value_or(0);
    if (up) return value < upper ? static_cast<std::int16_t>(value + 1) : value;
    return value > 0 ? static_cast<std::int16_t>(value - 1) : value;
}

GradientGroupState GradientGroupRules(std::int16_t style, std::uint32_t colour2) {
    const bool xp2 = style == kvnGradientStyleXPStyle2;
    const bool xp_style = xp2 || style == kvnGradientStyleXPStyle1;
    return {xp2 ? kWhiteColour : colour2, !xp2, !xp_style};
}

std::span<const SystemColourName> SystemColourNames() {
    static constexpr SystemColourName kNames[] = {
        {0, "Scroll Bars"},
        {1, "Desktop"},
        {2, "Active Title Bar"},
        {3, "Inactive Title Bar"},
        {4, "Menu Bar"},
        {5, "Window Background"},
        {6, "Window Frame"},
        {7, "Menu Text"},
        {8, "Window Text"},
        {9, "Active Title Bar Text"},
        {10, "Active Border"},
        {11, "Inactive Border"},
        {12, "Application Workspace"},
        {13, "Highlight"},
        {14, "Highlight Text"},
        {15, "Button Face"},
        {16, "Button Shadow"},
        {17, "Disabled Text"},
        {18, "Button Text"},
        {19, "Inactive Title Bar Text"},
        {20, "Button Highlight"},
        {21, "Button Dark Shadow"},
        {22, "Button Light Shadow"},
        {23, "ToolTip Text"},
        {24, "ToolTip"},
    };
    return kNames;
}

void ColourPageModel::Load(std::vector<std::pair<std::u16string, std::uint32_t>> colours) {
    std::sort(colours.begin(), colours.end());
    rows_.clear();
    for (auto& [name, value] : colours) {
        std::u16string text = FormatColourField(value);
        rows_.push_back({std::move(name), text, text});
    }
    selected_ = rows_.empty() ? -1 : 0;
}

void ColourPageModel::Select(int row) {
    selected_ = row >= 0 && row < static_cast<int>(rows_.size()) ? row : -1;
}

std::u16string ColourPageModel::SelectedText() const {
    return selected_ < 0 ? std::u16string() : rows_[static_cast<std::size_t>(selected_)].text;
}

bool ColourPageModel::Edit(std::u16string_view text) {
    if (selected_ < 0) return false;
    std::u16string& current = rows_[static_cast<std::size_t>(selected_)].text;
    if (current == text) return false;
    current.assign(text);
    return true;
}

bool ColourPageModel::Dirty() const {
    return std::any_of(rows_.begin(), rows_.end(), [](const Row& r) { return r.text != r.loaded; });
}

std::optional<int> ColourPageModel::FirstInvalid() const {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].text != rows_[i].loaded && !ParseColourField(rows_[i].text)) return static_cast<int>(i);
    }
    return std::nullopt;
}

std::vector<ColourPageModel::Write> ColourPageModel::Writes() const {
    std::vector<Write> writes;
    for (const Row& row : rows_) {
        if (row.text == row.loaded) continue;
        if (const auto value = ParseColourField(row.text)) writes.push_back({row.name, *value});
    }
    return writes;
}

void ColourPageModel::Applied() {
    for (Row& row : rows_) {
        // A value typed with blanks is shown as the control now holds it.
        if (const auto value = ParseColourField(row.text)) row.text = FormatColourField(*value);
        row.loaded = row.text;
    }
}

}  // namespace brixel
