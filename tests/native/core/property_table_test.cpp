#include "core/property_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/dispids.h"
#include "core/enums.h"
#include "model_fakes.h"

namespace brixel {
namespace {

using testing::ModelFixture;

TEST(MemberTable, NamesAndDispidsAreUnique) {
    std::set<std::string_view> names;
    std::set<std::int32_t> ids;
    for (const MemberInfo& m : MemberTable()) {
        EXPECT_TRUE(names.insert(m.name).second) << m.name;
        if (m.kind != MemberKind::PersistedFlag) {
            EXPECT_TRUE(ids.insert(m.dispid).second) << m.name;
        }
    }
}

TEST(MemberTable, CoversTheWholeInterface) {
    int properties = 0, indexed = 0, methods = 0, flags = 0;
    for (const MemberInfo& m : MemberTable()) {
        switch (m.kind) {
            case MemberKind::Property: ++properties; break;
            case MemberKind::IndexedProperty: ++indexed; break;
            case MemberKind::Method: ++methods; break;
            case MemberKind::PersistedFlag: ++flags; break;
        }
    }
    // DISPIDs 1 to 111 and 131, the default member, the three stock
    // properties and hWnd; nine menu item properties; seventeen methods.
    EXPECT_EQ(properties, 117);
    EXPECT_EQ(indexed, 9);
    EXPECT_EQ(methods, 17);
    EXPECT_EQ(flags, 3);
    for (std::int32_t id = 1; id <= 136; ++id) EXPECT_NE(FindMember(id), nullptr) << "DISPID " << id;
}

TEST(MemberTable, EveryStoredPropertyHasARecordField) {
    for (const MemberInfo& m : MemberTable()) {
        if (m.kind != MemberKind::Property && m.kind != MemberKind::PersistedFlag) continue;
        const bool has_field = !std::holds_alternative<std::monostate>(m.field);
        const bool served_elsewhere = m.read_only || m.dispid == dispid::kValue;
        EXPECT_NE(has_field, served_elsewhere) << m.name;
    }
}

TEST(MemberTable, BrowserListsBelongToShortProperties) {
    for (const BrowserList& list : BrowserLists()) {
        for (std::int32_t id : list.dispids) {
            const MemberInfo* m = FindMember(id);
            ASSERT_NE(m, nullptr) << id;
            EXPECT_EQ(m->type, VarType::I2) << m->name;
        }
    }
}

TEST(MemberTable, EnumeratedPropertiesNameTheirTypeLibraryEnumeration) {
    int enumerated = 0;
    for (const MemberInfo& m : MemberTable()) {
        if (m.enum_type.empty()) continue;
        ++enumerated;
        EXPECT_NE(FindEnumType(m.enum_type), nullptr) << m.name;
        EXPECT_EQ(m.type, VarType::I2) << m.name;
    }
    EXPECT_EQ(enumerated, 36);
    EXPECT_EQ(FindMember(dispid::kDisabledPictureVAlignment)->enum_type, "ENUM_VALIGNMENT");
    EXPECT_TRUE(FindMember(dispid::kMousePointer)->enum_type.empty()) << "a plain integer";
}

TEST(MemberTable, PersistenceKeys) {
    EXPECT_EQ(FindMember(dispid::kEnableDisabledProperties)->persist_key, "EnableDisbaledProperties");
    EXPECT_EQ(FindMemberByName("EnableDisbaledProperties"), nullptr);
    EXPECT_EQ(FindMemberByName("CustomBackBorderColor")->persist_key, "CustomBackBorderColor");
    EXPECT_TRUE(FindMember(dispid::kDefaultCaption)->persist_key.empty()) << "Caption is stored once";
    EXPECT_TRUE(FindMember(dispid::kHWnd)->persist_key.empty());
    EXPECT_EQ(FindMember(dispid::kValue)->persist_key, "Value");
}

struct CategoryCase {
    const char* name;
    PropertyCategory category;
    std::vector<std::int32_t> dispids;
};

class CategoryMap : public ::testing::TestWithParam<CategoryCase> {};

TEST_P(CategoryMap, PutsEachPropertyInItsCategory) {
    for (std::int32_t id : GetParam().dispids)
        EXPECT_EQ(CategoryOf(id), GetParam().category) << "DISPID " << id;
    EXPECT_EQ(CategoryName(GetParam().category), GetParam().name);
}

std::vector<std::int32_t> Range(std::int32_t first, std::int32_t last) {
    std::vector<std::int32_t> ids;
    for (std::int32_t id = first; id <= last; ++id) ids.push_back(id);
    return ids;
}

INSTANTIATE_TEST_SUITE_P(
    Categories, CategoryMap,
    ::testing::Values(
        CategoryCase{"Appearance", PropertyCategory::Appearance, {-501, 18, 19, 23, 25, 52, 81, 82, 90}},
        CategoryCase{
            "Caption", PropertyCategory::Caption, {-518, -512, 4, 15, 22, 36, 40, 41, 50, 54, 102, 107, 108}},
        CategoryCase{"Border", PropertyCategory::Border, {1, 2, 3, 5, 9, 10, 21, 24, 26, 27, 51, 53}},
        CategoryCase{"Gradient", PropertyCategory::Gradient, Range(56, 75)},
        CategoryCase{"Picture", PropertyCategory::Picture, {100, 6,  103, 104, 105, 31, 32, 33, 37, 42, 43,
                                                            44,  45, 46,  47,  48,  49, 76, 77, 78, 79, 80}},
        CategoryCase{"Mouse", PropertyCategory::Mouse, {11, 101}},
        CategoryCase{"Sound", PropertyCategory::Sound, {13, 14, 34, 35}},
        CategoryCase{"Hyperlink", PropertyCategory::Hyperlink, {16, 17, 106}},
        CategoryCase{"Translucent", PropertyCategory::Translucent, {28, 29}},
        CategoryCase{"Menu",
                     PropertyCategory::Menu,
                     {83, 84, 85, 86, 87, 88, 89, 91, 92, 93, 94, 95, 97, 98, 110, 131}},
        CategoryCase{"Behavior", PropertyCategory::Behavior, {-514, 7, 8, 12, 20, 38, 39, 55, 96}},
        CategoryCase{"", PropertyCategory::None, {0, 111, 99, 109, -515, 122, 130, 116}}),
    [](const auto& info) {
        return std::string(info.param.name).empty() ? std::string("None") : info.param.name;
    });

struct DefaultCase {
    const char* name;
    std::int32_t dispid;
    PropertyValue value;
};

class NewControlDefaults : public ::testing::TestWithParam<DefaultCase> {};

TEST_P(NewControlDefaults, ReadBack) {
    ModelFixture f;
    const std::optional<PropertyValue> v = f.model.Get(GetParam().dispid);
    ASSERT_TRUE(v.has_value());
    EXPECT_TRUE(*v == GetParam().value) << GetParam().name;
}

constexpr OleColor kButtonFace = 0xD8E9EC;  // the fake's button-face colour

INSTANTIATE_TEST_SUITE_P(
    Defaults, NewControlDefaults,
    ::testing::Values(
        DefaultCase{"CaptionIsTheDisplayName", dispid::kCaption, std::u16string(u"BrixelDemo1")},
        DefaultCase{"DefaultMemberIsTheCaption", dispid::kDefaultCaption, std::u16string(u"BrixelDemo1")},
        DefaultCase{"BackColorIsButtonFace", dispid::kBackColor, kButtonFace},
        DefaultCase{"DisabledBackColorIsButtonFace", dispid::kDisabledBackColor, kButtonFace},
        DefaultCase{"ClickSound", dispid::kClickSound, std::int16_t{1}},
        DefaultCase{"MouseInSound", dispid::kMouseInSound, std::int16_t{2}},
        DefaultCase{"AppearanceIsXP", dispid::kAppearance, std::int16_t{2}},
        DefaultCase{"Bevel", dispid::kBevel, std::int16_t{1}},
        DefaultCase{"BorderColor", dispid::kBorderColor, OleColor{0x743C00}},
        DefaultCase{"DisabledBorderColor", dispid::kDisabledBorderColor, OleColor{0xC8D0D4}},
        DefaultCase{"DisabledFontColor", dispid::kDisabledFontColor, OleColor{0x99A8AC}},
        DefaultCase{"GradientColor2", dispid::kGradientColor2, OleColor{0xF9DED6}},
        DefaultCase{"DisabledGradientColor2", dispid::kDisabledGradientColor2, OleColor{0xE0E0E0}},
        DefaultCase{"TranslucentLevel", dispid::kTranslucentLevel, std::int16_t{120}},
        DefaultCase{"CaptionMargins", dispid::kCaptionMargins, std::u16string(u"6;6;6;6")},
        DefaultCase{"CornerRoundingLevel", dispid::kCornerRoundingLevel, std::u16string(u"1;1;1;1")},
        DefaultCase{"ShowFocusBorder", dispid::kShowFocusBorder, true},
        DefaultCase{"EnableDisabledProperties", dispid::kEnableDisabledProperties, true},
        DefaultCase{"ToggleButton", dispid::kToggleButton, false},
        DefaultCase{"MenuButtonAlignmentRight", dispid::kMenuButtonAlignment, std::int16_t{1}},
        DefaultCase{"MenuButtonWidth", dispid::kMenuButtonWidth, std::int16_t{17}},
        DefaultCase{"MenuSelectionBackColor", dispid::kMenuSelectionBackColor, OleColor{0xC2EEFF}},
        DefaultCase{"ShowMenuButtonTriangle", dispid::kShowMenuButtonTriangle, true},
        DefaultCase{"MouseInFont", dispid::kMouseInFont, FontDesc{}},
        DefaultCase{"NoPicture", dispid::kPicture, SharedPicture{}},
        DefaultCase{"ValueFromTheBehaviour", dispid::kValue, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StoredDataDefaults, DataOlderThanVersionTwoHasItsOwnDefaults) {
    const auto old_default = [](std::int32_t id, std::uint32_t version) {
        return *DefaultOf(*FindMember(id), version, u"B", 0xABCDEF);
    };
    EXPECT_EQ(std::get<std::int16_t>(old_default(dispid::kAppearance, 0x00010000)), kvnFlat);
    EXPECT_EQ(std::get<std::int16_t>(old_default(dispid::kAppearance, kDataVersion2)), kvnXPStyleAPB);
    EXPECT_EQ(std::get<FontDesc>(old_default(dispid::kMouseInFont, 0x00010005)).face, u"Arial");
    EXPECT_EQ(std::get<FontDesc>(old_default(dispid::kMouseInFont, kDataVersion2)).face, u"MS Sans Serif");
    EXPECT_EQ(std::get<FontDesc>(old_default(dispid::kDownFont, 0x00010000)).face, u"MS Sans Serif");
    EXPECT_EQ(std::get<OleColor>(old_default(dispid::kDisabledBackColor, 0x00010000)), 0xABCDEFu);
    EXPECT_EQ(std::get<std::u16string>(old_default(dispid::kCaption, 0)), u"B");
    EXPECT_FALSE(DefaultOf(*FindMember(dispid::kHWnd), kCurrentDataVersion, u"B", 0).has_value());
    EXPECT_EQ(std::get<bool>(*DefaultOf(*FindMemberByName("CustomBorderColor"), 0, u"B", 0)), false);
}

TEST(StoredDataDefaults, OnlyTheAutoDropIsNewerThanTwo) {
    for (const MemberInfo& m : MemberTable()) {
        EXPECT_EQ(m.since_version, m.dispid == dispid::kMenuAutoDrop ? kCurrentDataVersion : 0u) << m.name;
    }
}

TEST(NewControl, StandardFontIsEightPointRegular) {
    const FontDesc f;
    EXPECT_EQ(f.face, u"MS Sans Serif");
    EXPECT_EQ(f.size, 80000);
    EXPECT_EQ(f.weight, 400);
    EXPECT_FALSE(f.italic || f.underline || f.strikethrough);
}

TEST(NewControl, CustomBorderFlagsStartClear) {
    ModelFixture f;
    EXPECT_FALSE(f.props().CustomBorderColor || f.props().CustomMouseInBorderColor ||
                 f.props().CustomBackBorderColor);
}

TEST(NewControl, ReadOnlyMembersAreServedByTheAutomationLayer) {
    ModelFixture f;
    EXPECT_FALSE(f.model.Get(dispid::kHWnd).has_value());
    EXPECT_FALSE(f.model.Get(dispid::kControlPointer).has_value());
    EXPECT_FALSE(f.model.Get(dispid::kPerformClick).has_value());
}

TEST(PropertyValues, WriteFieldRefusesAnotherType) {
    ButtonProperties p;
    const RecordField bevel = &ButtonProperties::Bevel;
    EXPECT_FALSE(WriteField(p, bevel, PropertyValue(std::int32_t{5})));
    EXPECT_FALSE(WriteField(p, bevel, PropertyValue(true)));
    EXPECT_TRUE(WriteField(p, bevel, PropertyValue(std::int16_t{5})));
    EXPECT_EQ(p.Bevel, 5);
}

}  // namespace
}  // namespace brixel
