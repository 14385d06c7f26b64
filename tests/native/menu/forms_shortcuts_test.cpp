#include "menu/forms_shortcuts.h"

#include <gtest/gtest.h>

#include <set>

namespace brixel {
namespace {

constexpr std::int32_t kModifierSets[] = {0,         kFormsShift,         kFormsCtrl,         kFormsCtrl | kFormsShift,
                                          kFormsAlt, kFormsAlt | kFormsShift, kFormsAlt | kFormsCtrl,
                                          kFormsAlt | kFormsCtrl | kFormsShift};

// The framework's enumeration has 149 members besides None that carry a
// text; every one is spelled differently and is what its own key press spells.
TEST(FormsShortcuts, EveryMemberHasItsOwnTextAndItsKeyPressSpellsIt) {
    std::set<std::u16string> texts;
    for (std::int32_t modifiers : kModifierSets) {
        for (std::int32_t key = 1; key <= 0xFF; ++key) {
            const std::u16string text = FormsShortcutText(modifiers | key);
            if (text.empty()) continue;
            EXPECT_TRUE(texts.insert(text).second);
            EXPECT_EQ(FormsKeyText(static_cast<std::uint16_t>(key), (modifiers & kFormsCtrl) != 0,
                                   (modifiers & kFormsShift) != 0, (modifiers & kFormsAlt) != 0),
                      text);
        }
    }
    EXPECT_EQ(texts.size(), 149u);
}

TEST(FormsShortcuts, TextsOfNamedMembers) {
    struct Row {
        const char* name;
        std::int32_t value;
        std::u16string_view text;
    } rows[] = {
        {"CtrlA", 0x20041, u"Ctrl+A"},           {"CtrlShiftF12", 0x3007B, u"Ctrl+Shift+F12"},
        {"AltBksp", 0x40008, u"Alt+Bksp"},       {"ShiftDel", 0x1002E, u"Shift+Del"},
        {"Ins", 0x2D, u"Ins"},                   {"CtrlIns", 0x2002D, u"Ctrl+Ins"},
        {"CtrlShift0", 0x30030, u"Ctrl+Shift+0"}, {"AltF4", 0x40073, u"Alt+F4"},
        {"None", 0, u""},                        {"AltLeftArrow", 0x40025, u""},
        {"AltDownArrow", 0x40028, u""},          {"no Shift letters", 0x10041, u""},
        {"no Alt letters", 0x40041, u""},        {"no Ctrl Bksp", 0x20008, u""},
        {"unknown bits", 0x80041, u""},          {"negative", -0x20041, u""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FormsShortcutText(row.value), row.text);
    }
}

TEST(FormsShortcuts, KeyPressesThatSpellNothing) {
    EXPECT_EQ(FormsKeyText(0x41, false, false, false), u"");  // typing a letter
    EXPECT_EQ(FormsKeyText(0x37, false, false, false), u"");  // typing a digit
    EXPECT_EQ(FormsKeyText(0x25, false, false, true), u"");   // Alt+Left
    EXPECT_EQ(FormsKeyText(0x10, true, true, false), u"");    // the Shift key itself
    EXPECT_EQ(FormsKeyText(0x2E, false, false, false), u"Del");
    EXPECT_EQ(FormsKeyText(0x41, true, true, true), u"Ctrl+Shift+Alt+A");  // spelled, but no member matches it
}

TEST(FormsShortcuts, PathIsInvocableOnlyWhenEveryLevelIsUsable) {
    const MenuLevelFlags ok{};
    const MenuLevelFlags disabled{false, true, false};
    const MenuLevelFlags hidden{true, false, false};
    const MenuLevelFlags separator{true, true, true};
    struct Row {
        const char* name;
        std::vector<MenuLevelFlags> levels;
        bool invocable;
    } rows[] = {
        {"top-level item", {ok}, true},
        {"nested item", {ok, ok, ok}, true},
        {"disabled item", {disabled, ok}, false},
        {"hidden item", {hidden}, false},
        {"separator", {separator}, false},
        {"under a disabled parent", {ok, disabled}, false},
        {"under a hidden grandparent", {ok, ok, hidden}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(IsShortcutPathInvocable(row.levels), row.invocable);
    }
}

}  // namespace
}  // namespace brixel
