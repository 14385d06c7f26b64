#include "core/text_fields.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace brixel {
namespace {

struct FieldCase {
    const char* name;
    const char* text;
    std::array<std::int32_t, 4> fields;
};

class ParseIndexDataTable : public ::testing::TestWithParam<FieldCase> {};

TEST_P(ParseIndexDataTable, ReadsEveryField) {
    const FieldCase& c = GetParam();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ParseIndexData(std::string_view(c.text), i), c.fields[static_cast<std::size_t>(i)])
            << "field " << i << " of \"" << c.text << "\"";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseIndexDataTable,
    ::testing::Values(
        FieldCase{"Default", "6;6;6;6", {6, 6, 6, 6}},
        FieldCase{"TwoFields", "4;4", {4, 4, -1, -1}},
        FieldCase{"Letters", "a;b;c;d", {0, 0, 0, 0}},
        FieldCase{"DigitsThenLetters", "12px;3x;x3;7", {12, 3, 0, 7}},
        FieldCase{"BlanksAndSigns", "  5; -3;+8;\t 9", {5, -3, 8, 9}},
        FieldCase{"SignWithoutDigits", "-;+;- 4;", {0, 0, 0, -1}},
        FieldCase{"EmptyFields", ";;;", {0, 0, 0, -1}},
        FieldCase{"InnerEmptyField", "1;;3;4", {1, 0, 3, 4}},
        FieldCase{"TrailingSemicolon", "1;2;3;", {1, 2, 3, -1}},
        FieldCase{"ExtraFields", "1;2;3;4;5", {1, 2, 3, 4}},
        FieldCase{"Empty", "", {-1, -1, -1, -1}},
        FieldCase{"BlankAfterLast", "1;2;3; ", {1, 2, 3, 0}},
        FieldCase{"Overflow", "99999999999;-99999999999;2147483647;-2147483648",
                  {2147483647, -2147483647 - 1, 2147483647, -2147483647 - 1}}),
    [](const ::testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.name); });

TEST(ParseIndexData, WideTextReadsTheSame) {
    EXPECT_EQ(ParseIndexData(std::u16string_view(u"4;-2"), 1), -2);
    EXPECT_EQ(ParseIndexData(std::u16string_view(u"4;\u00e9"), 1), 0);
    EXPECT_EQ(ParseIndexData(std::u16string_view(u"4;"), 1), -1);
}

TEST(ParseIndexData, NegativeIndexIsMissing) { EXPECT_EQ(ParseIndexData(std::string_view("1;2"), -1), -1); }

}  // namespace
}  // namespace brixel
