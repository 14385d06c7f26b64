#include "menu/shortcut_table.h"

#include <gtest/gtest.h>

namespace brixel {
namespace {

TEST(ShortcutTable, CodesAndTextsAtTheRangeBoundaries) {
    struct Row {
        const char* name;
        int code;
        std::u16string_view text;
    } rows[] = {
        {"none", 0, u"None"},           {"first letter", 1, u"Ctrl+A"},
        {"last letter", 26, u"Ctrl+Z"}, {"first plain F", 27, u"F1"},
        {"F10 two digits", 36, u"F10"}, {"last plain F", 38, u"F12"},
        {"first Ctrl F", 39, u"Ctrl+F1"}, {"last Ctrl F", 50, u"Ctrl+F12"},
        {"first Shift F", 51, u"Shift+F1"}, {"last Shift F", 62, u"Shift+F12"},
        {"first Shift Ctrl F", 63, u"Shift+Ctrl+F1"}, {"last Shift Ctrl F", 74, u"Shift+Ctrl+F12"},
        {"Ctrl Ins", 75, u"Ctrl+Ins"}, {"Shift Ins", 76, u"Shift+Ins"},
        {"Del", 77, u"Del"}, {"Shift Del", 78, u"Shift+Del"},
        {"Alt Bksp", 79, u"Alt+Bksp"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(ShortcutText(row.code) == row.text);
        EXPECT_EQ(ShortcutCode(row.text), row.code);
    }
}

TEST(ShortcutTable, EveryCodeRoundTripsAndTextsAreDistinct) {
    for (int code = 0; code < kShortcutCodeCount; ++code) {
        EXPECT_EQ(ShortcutCode(ShortcutText(code)), code) << "code " << code;
        for (int other = 0; other < code; ++other) EXPECT_FALSE(ShortcutText(other) == ShortcutText(code));
    }
}

TEST(ShortcutTable, CodesOutsideTheTableAreNone) {
    for (int code : {-1, 80, 200, 32767, -32768}) EXPECT_TRUE(ShortcutText(code) == u"None") << code;
}

TEST(ShortcutTable, TextLookupIgnoresCaseAndDefaultsToNone) {
    EXPECT_EQ(ShortcutCode(u"ctrl+a"), 1);
    EXPECT_EQ(ShortcutCode(u"SHIFT+CTRL+F12"), 74);
    EXPECT_EQ(ShortcutCode(u"alt+bksp"), 79);
    EXPECT_EQ(ShortcutCode(u"(None)"), 0);
    EXPECT_EQ(ShortcutCode(u""), 0);
    EXPECT_EQ(ShortcutCode(u"Ctrl+F13"), 0);
    EXPECT_EQ(ShortcutCode(u"Ctrl+A "), 0);
}

TEST(ShortcutTable, NoShortcutMeansExactlyNoneOrParenthesisedNone) {
    EXPECT_TRUE(IsNoShortcut(u"None"));
    EXPECT_TRUE(IsNoShortcut(u"(None)"));
    EXPECT_FALSE(IsNoShortcut(u"none"));
    EXPECT_FALSE(IsNoShortcut(u"Ctrl+A"));
}

TEST(ShortcutTable, EditorListLabels) {
    EXPECT_TRUE(ShortcutListLabel(0) == u"0 - None");
    EXPECT_TRUE(ShortcutListLabel(1) == u"1 - Ctrl+A");
    EXPECT_TRUE(ShortcutListLabel(79) == u"79 - Alt+Bksp");
}

TEST(ParseShortcut, KeysAndModifiers) {
    struct Row {
        const char* name;
        std::u16string_view text;
        ParsedShortcut expected;
    } rows[] = {
        {"letter with Ctrl", u"Ctrl+A", {0x41, true, false, false}},
        {"last letter", u"Ctrl+Z", {0x5A, true, false, false}},
        {"plain function key", u"F1", {0x70, false, false, false}},
        {"two-digit function key", u"F12", {0x7B, false, false, false}},
        {"Shift function key", u"Shift+F5", {0x74, false, true, false}},
        {"two modifiers", u"Shift+Ctrl+F12", {0x7B, true, true, false}},
        {"two modifiers reversed", u"Ctrl+Shift+F3", {0x72, true, true, false}},
        {"Ins", u"Ctrl+Ins", {0x2D, true, false, false}},
        {"Del alone", u"Del", {0x2E, false, false, false}},
        {"Alt with one plus", u"Alt+Bksp", {0x08, false, false, true}},
        {"Alt ignored with two plus", u"Alt+Ctrl+A", {0x41, true, false, false}},
        {"modifier case is exact", u"ctrl+A", {0x41, false, false, false}},
        {"key case is exact", u"Ctrl+a", {0, true, false, false}},
        {"F13 is unknown", u"F13", {0, false, false, false}},
        {"F0 is unknown", u"F0", {0, false, false, false}},
        {"F1x is unknown", u"F1x", {0, false, false, false}},
        {"None", u"None", {0, false, false, false}},
        {"empty", u"", {0, false, false, false}},
        {"lone plus", u"+", {0, false, false, false}},
        {"trailing plus", u"Ctrl+", {0, true, false, false}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ParsedShortcut got = ParseShortcut(row.text);
        EXPECT_EQ(got.key, row.expected.key);
        EXPECT_EQ(got.ctrl, row.expected.ctrl);
        EXPECT_EQ(got.shift, row.expected.shift);
        EXPECT_EQ(got.alt, row.expected.alt);
    }
}

TEST(ParseShortcut, EveryTableEntryNamesAKey) {
    for (int code = 1; code < kShortcutCodeCount; ++code) {
        EXPECT_NE(ParseShortcut(ShortcutText(code)).key, 0) << "code " << code;
    }
}

}  // namespace
}  // namespace brixel
