#include "core/page_model.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace brixel {
namespace {

// --- Lists --------------------------------------------------------------------

struct ListCase {
    const char* name;
    const char* source;
    ListOrder order;
    std::int16_t value;      // a stored value ...
    int row;                 // ... shows on this row
    std::string_view label;  // ... which reads
};

class PageListTable : public ::testing::TestWithParam<ListCase> {};

TEST_P(PageListTable, ShowsTheStoredValueOnItsRow) {
    const ListCase& c = GetParam();
    const PageList list = MakePageList(c.source, c.order);
    const int row = RowForValue(list, c.value);
    ASSERT_EQ(row, c.row);
    EXPECT_EQ(list.rows.at(static_cast<std::size_t>(row)), c.label);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PageListTable,
    ::testing::Values(
        ListCase{"DarkerSortsToRowThree", "ENUM_PICTURE_EFFECT", ListOrder::Sorted, 3, 3, "3 - Darker"},
        ListCase{"XPStyle2IsLastGradientRow", "ENUM_GRADIENT_FILL_STYLE", ListOrder::Sorted, 6, 6,
                 "6 - XP Style 2"},
        ListCase{"FlatIsFirstAppearanceRow", "ENUM_APPEARANCE", ListOrder::Sorted, 0, 0, "0 - Flat"},
        ListCase{"CustomPointerOnRowSixteen", "MousePointer", ListOrder::Unsorted, 99, 16, "99 - ccCustom"},
        ListCase{"SizeAllPointer", "MousePointer", ListOrder::Unsorted, 15, 15, "15 - ccSizeAll"},
        ListCase{"CustomSoundOnRowThree", "ENUM_SOUND", ListOrder::Unsorted, 99, 3, "99 - kvnCustom"},
        ListCase{"SecondSound", "ENUM_SOUND", ListOrder::Unsorted, 2, 2, "2 - kvnSound2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PageList, EverySortedListWritesTheValueOfTheLabelItShows) {
    // The row index is written as the value: it must be the number the
    // label starts with, for every list a page sorts.
    for (const EnumType& type : AllEnumTypes()) {
        const PageList list = MakePageList(type.name, ListOrder::Sorted);
        for (std::size_t row = 0; row < list.rows.size(); ++row) {
            const auto written = ValueForRow(list, static_cast<int>(row));
            ASSERT_TRUE(written.has_value());
            if (list.custom_row == static_cast<int>(row)) continue;
            EXPECT_EQ(std::to_string(*written) + " -", list.rows[row].substr(0, std::to_string(*written).size() + 2))
                << type.name << " row " << row;
        }
    }
}

TEST(PageList, ValuesWithoutARowSelectNothingAndNothingIsWrittenForNoRow) {
    const PageList pointers = MakePageList("MousePointer", ListOrder::Unsorted);
    EXPECT_EQ(RowForValue(pointers, 50), -1);
    EXPECT_EQ(RowForValue(pointers, -1), -1);
    EXPECT_EQ(ValueForRow(pointers, -1), std::nullopt);
    EXPECT_EQ(ValueForRow(pointers, 17), std::nullopt);
    // The custom row writes its index; the control turns it into 99.
    EXPECT_EQ(ValueForRow(pointers, 16), 16);
    const PageList effects = MakePageList("ENUM_PICTURE_EFFECT", ListOrder::Sorted);
    EXPECT_EQ(RowForValue(effects, 99), -1);  // no custom row in this list
    EXPECT_TRUE(MakePageList("NoSuchList", ListOrder::Sorted).rows.empty());
}

// --- Colour and number fields ----------------------------------------------------

struct ColourCase {
    const char* name;
    std::u16string_view text;
    std::optional<std::uint32_t> parsed;  // what apply writes
    std::uint32_t dialog_start;           // where the colour dialog starts
};

class ColourFieldTable : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ColourFieldTable, ReadsTheField) {
    const ColourCase& c = GetParam();
    EXPECT_EQ(ParseColourField(c.text), c.parsed);
    EXPECT_EQ(ColourDialogStart(c.text), c.dialog_start);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ColourFieldTable,
    ::testing::Values(ColourCase{"White", u"16777215", 0xFFFFFF, 0xFFFFFF},
                      ColourCase{"SystemColourAboveSignedRange", u"2147483663", 0x8000000F, 0x8000000F},
                      ColourCase{"Largest", u"4294967295", 0xFFFFFFFF, 0xFFFFFFFF},
                      ColourCase{"OnePastLargest", u"4294967296", std::nullopt, 0},
                      ColourCase{"ManyDigitsDoNotWrap", u"99999999999999999999", std::nullopt, 0},
                      ColourCase{"Blanks", u"  255 ", 255, 255},
                      ColourCase{"TrailingText", u"255abc", std::nullopt, 255},
                      ColourCase{"NotANumber", u"red", std::nullopt, 0},
                      ColourCase{"Negative", u"-1", std::nullopt, 0},
                      ColourCase{"Empty", u"", std::nullopt, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ColourField, FormatsAsUnsignedDecimalAndReadsBack) {
    EXPECT_EQ(FormatColourField(0x8000000F), u"2147483663");
    EXPECT_EQ(ParseColourField(FormatColourField(0x00F9DED6)), 0x00F9DED6u);
}

TEST(NumberField, ReadsSixteenBitNumbersOnly) {
    EXPECT_EQ(ParseNumberField(u"99"), 99);
    EXPECT_EQ(ParseNumberField(u" -32768 "), -32768);
    EXPECT_EQ(ParseNumberField(u"32767"), 32767);
    EXPECT_EQ(ParseNumberField(u"32768"), std::nullopt);
    EXPECT_EQ(ParseNumberField(u"-32769"), std::nullopt);
    EXPECT_EQ(ParseNumberField(u"12x"), std::nullopt);
    EXPECT_EQ(ParseNumberField(u"-"), std::nullopt);
    EXPECT_EQ(ParseNumberField(u""), std::nullopt);
    EXPECT_EQ(FormatNumberField(-5), u"-5");
}

// --- Spin buttons ------------------------------------------------------------------

struct SpinCase {
    const char* name;
    std::optional<std::int16_t> current;
    bool up;
    std::int16_t upper;
    std::int16_t expected;
};

class SpinTable : public ::testing::TestWithParam<SpinCase> {};

TEST_P(SpinTable, StepsWithinTheBounds) {
    const SpinCase& c = GetParam();
    EXPECT_EQ(SpinStep(c.current, c.up, c.upper), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, SpinTable,
    ::testing::Values(SpinCase{"BevelUpBelowBound", 98, true, 99, 99}, SpinCase{"BevelStopsAt99", 99, true, 99, 99},
                      SpinCase{"BevelDownStopsAt0", 0, false, 99, 0}, SpinCase{"BevelDown", 1, false, 99, 0},
                      SpinCase{"TranslucentStopsAt254", 254, true, 254, 254},
                      SpinCase{"TypedAboveBoundOnlyComesDown", 300, false, 254, 299},
                      SpinCase{"TypedAboveBoundUpStays", 300, true, 254, 300},
                      SpinCase{"NegativeDownStays", -4, false, 99, -4},
                      SpinCase{"NoNumberCountsFromZero", std::nullopt, true, 99, 1}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Gradient groups ---------------------------------------------------------------

struct GradientCase {
    const char* name;
    std::int16_t style;
    std::uint32_t colour2_in;
    GradientGroupState expected;
};

class GradientGroupTable : public ::testing::TestWithParam<GradientCase> {};

TEST_P(GradientGroupTable, AppliesTheStyleRules) {
    const GradientCase& c = GetParam();
    const GradientGroupState s = GradientGroupRules(c.style, c.colour2_in);
    EXPECT_EQ(s.colour2, c.expected.colour2);
    EXPECT_EQ(s.colour2_pick_enabled, c.expected.colour2_pick_enabled);
    EXPECT_EQ(s.variant_enabled, c.expected.variant_enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, GradientGroupTable,
    ::testing::Values(GradientCase{"Horizontal", kvnGradientStyleHorizontal, 0x123456, {0x123456, true, true}},
                      GradientCase{"Corner", kvnGradientStyleCorner, 0x123456, {0x123456, true, true}},
                      GradientCase{"XPStyle1", kvnGradientStyleXPStyle1, 0x123456, {0x123456, true, false}},
                      GradientCase{"XPStyle2ForcesWhite", kvnGradientStyleXPStyle2, 0x123456,
                                   {kWhiteColour, false, false}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brixel
