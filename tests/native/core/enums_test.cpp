#include "core/enums.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace brixel {
namespace {

TEST(Enumerations, SoundHasAGapBeforeCustom) {
    const EnumType* sound = FindEnumType("ENUM_SOUND");
    ASSERT_NE(sound, nullptr);
    ASSERT_EQ(sound->constants.size(), 4u);
    EXPECT_EQ(sound->constants[3].name, "kvnCustom");
    EXPECT_EQ(sound->constants[3].value, 99);
    EXPECT_EQ(kvnCustom, 99);
    for (std::int16_t v = 3; v < 99; ++v) EXPECT_TRUE(PageLabel(*sound, v).empty()) << v;
    // The list shows "kvnNone" for the constant kvnNoSound.
    EXPECT_EQ(PageLabel(*sound, 0), "0 - kvnNone");
}

TEST(Enumerations, ValuesAreContiguousFromZeroExceptCustomSound) {
    for (const EnumType& type : AllEnumTypes()) {
        for (std::size_t i = 0; i < type.constants.size(); ++i) {
            const EnumConstant& c = type.constants[i];
            if (c.name == "kvnCustom") continue;
            EXPECT_EQ(c.value, static_cast<std::int16_t>(i)) << type.name << "::" << c.name;
        }
    }
}

TEST(Enumerations, ConstantNamesAreUniqueAcrossTheLibrary) {
    // The type library puts every constant in one scope.
    std::set<std::string> names;
    std::size_t count = 0;
    for (const EnumType& type : AllEnumTypes()) {
        for (const EnumConstant& c : type.constants) {
            names.insert(std::string(c.name));
            ++count;
        }
    }
    EXPECT_EQ(names.size(), count);
    EXPECT_EQ(AllEnumTypes().size(), 17u);
}

TEST(Enumerations, PageLabelsStartWithTheirValue) {
    for (const EnumType& type : AllEnumTypes()) {
        for (const EnumConstant& c : type.constants) {
            if (c.page_label.empty()) continue;
            const std::string prefix = std::to_string(c.value) + " - ";
            EXPECT_EQ(c.page_label.substr(0, prefix.size()), prefix) << c.page_label;
        }
    }
}

TEST(Enumerations, LighterComesBeforeDarkerByValue) {
    EXPECT_EQ(kvnLighter, 2);
    EXPECT_EQ(kvnDarker, 3);
    const EnumType* effect = FindEnumType("ENUM_PICTURE_EFFECT");
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(PageLabel(*effect, 3), "3 - Darker");
    EXPECT_EQ(PageLabel(*effect, 2), "2 - Lighter");
}

TEST(Enumerations, CornerTypesHaveNoPageLabels) {
    for (const char* name : {"ENUM_CORNER_STYLE", "ENUM_CORNER_ROUNDING_LEVEL"}) {
        const EnumType* type = FindEnumType(name);
        ASSERT_NE(type, nullptr) << name;
        for (const EnumConstant& c : type->constants) EXPECT_TRUE(c.page_label.empty());
    }
    EXPECT_EQ(kvnLevel2, 1);
    EXPECT_EQ(kvnRoundedRightCorners, 5);
}

TEST(MousePointers, IconShowsArrowAndSizeShowsFourWayCursor) {
    EXPECT_EQ(CursorForMousePointer(4), SystemCursor::Arrow);
    EXPECT_EQ(CursorForMousePointer(5), SystemCursor::SizeAll);
    EXPECT_EQ(CursorForMousePointer(15), SystemCursor::SizeAll);
    EXPECT_EQ(CursorForMousePointer(0), SystemCursor::None);
    EXPECT_EQ(CursorForMousePointer(99), SystemCursor::Custom);
}

TEST(MousePointers, UnknownValuesShowNoCursorOfTheirOwn) {
    for (std::int16_t v : {16, 17, 98, 100, -1, 32767}) EXPECT_EQ(CursorForMousePointer(v), SystemCursor::None) << v;
}

TEST(MousePointers, BehaviorPageRowSixteenIsCustom) {
    const auto table = MousePointerTable();
    ASSERT_EQ(table.size(), 17u);
    for (std::size_t row = 0; row < 16; ++row) EXPECT_EQ(table[row].value, static_cast<std::int16_t>(row));
    EXPECT_EQ(table[16].value, 99);
    EXPECT_EQ(table[16].page_label, "99 - ccCustom");
    EXPECT_EQ(table[3].page_label, "3 - ccIbeam");
}

struct BrowserCase {
    std::int32_t dispid;
    std::int16_t value;
    const char* text;
};

TEST(BrowserLists, TextsAreTheBrowsersOwn) {
    const BrowserCase cases[] = {
        {11, 3, "3 - I-Beam"},          {11, 99, "99 - Custom"},
        {13, 99, "99 - Custom"},        {34, 0, "0 - None"},
        {18, 4, "4 - XP when Mouse Over"}, {58, 0, "0 - Varient 1"},
        {73, 1, "1 - Variant 2"},       {92, 1, "1 -  Dropdown Menu"},
        {92, 0, "0 - PushButton and Dropdown Menu"}, {79, 0, "0 - No Effect"},
        {48, 2, "2 - Center"},          {49, 1, "1 - Bottom Justify"},
        {95, 1, "1 - Right Aligned"},   {27, 4, "4 - DoubleLine"},
    };
    for (const BrowserCase& c : cases) {
        const auto text = BrowserText(c.dispid, c.value);
        ASSERT_TRUE(text.has_value()) << c.dispid << "/" << c.value;
        EXPECT_EQ(*text, c.text) << c.dispid;
    }
}

TEST(BrowserLists, PropertiesWithoutAListAndValuesOutsideIt) {
    EXPECT_EQ(BrowserListFor(80), nullptr);  // DisabledPictureStyle has none
    EXPECT_EQ(BrowserListFor(1), nullptr);   // Bevel is a number
    EXPECT_FALSE(BrowserText(11, 16).has_value());
    EXPECT_FALSE(BrowserText(13, 3).has_value());
}

TEST(BrowserLists, EachPropertyHasAtMostOneList) {
    std::set<std::int32_t> seen;
    for (const BrowserList& list : BrowserLists()) {
        for (std::int32_t id : list.dispids) EXPECT_TRUE(seen.insert(id).second) << id;
    }
    EXPECT_EQ(seen.size(), 36u);
}

}  // namespace
}  // namespace brixel
