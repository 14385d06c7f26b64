#include "instance/accessibility.h"

#include "core/enums.h"

#include <gtest/gtest.h>

#include <string>

namespace brixel {
namespace {

ButtonProperties AccessibleButton(std::u16string caption) {
    ButtonProperties p;
    p.Caption = std::move(caption);
    p.Enabled = true;
    p.Active = true;
    p.MenuButtonWidth = 17;
    p.MenuButtonAlignment = kvnMenuButtonAlignmentRight;
    return p;
}

ButtonProperties SplitButton() {
    ButtonProperties p = AccessibleButton(u"&Save");
    p.Menu = true;
    p.MenuButtonStyle = kvnMenuButtonStylePushButtonAndDropDown;
    return p;
}

ButtonProperties DropDownOnlyButton() {
    ButtonProperties p = SplitButton();
    p.MenuButtonStyle = kvnMenuButtonStyleDropDown;
    return p;
}

TEST(AccessibleText, NameAndShortcutFromTheCaption) {
    struct Row {
        const char* name;
        std::u16string caption;
        std::u16string read_as;
        std::u16string shortcut;
    };
    const Row rows[] = {
        {"Plain", u"Save", u"Save", u""},
        {"Mnemonic", u"&Save", u"Save", u"Alt+S"},
        {"LowerCaseMnemonic", u"Save &as", u"Save as", u"Alt+A"},
        {"DoubledIsOneAmpersand", u"Fish && Chips", u"Fish & Chips", u""},
        {"DoubledThenMnemonic", u"A&&B &c", u"A&B c", u"Alt+C"},
        {"TrailingPrefixDropped", u"Save&", u"Save", u""},
        {"DigitMnemonic", u"Level &1", u"Level 1", u"Alt+1"},
        {"Empty", u"", u"", u""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CaptionWithoutMnemonic(row.caption), row.read_as);
        EXPECT_EQ(MnemonicShortcutText(row.caption), row.shortcut);
    }
}

TEST(AccessibleView, RoleChildrenAndActionFollowTheMenuStyle) {
    struct Row {
        const char* name;
        ButtonProperties props;
        AccessibleRole role;
        int children;
        AccessibleAction action;
    };
    const Row rows[] = {
        {"PlainButton", AccessibleButton(u"&Save"), AccessibleRole::PushButton, 0, AccessibleAction::Press},
        {"SplitButton", SplitButton(), AccessibleRole::SplitButton, 2, AccessibleAction::Press},
        {"DropDownOnly", DropDownOnlyButton(), AccessibleRole::ButtonMenu, 0, AccessibleAction::Open},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto v = DescribeAccessible(row.props, {}, AccessiblePart::Whole);
        ASSERT_TRUE(v.has_value());
        EXPECT_EQ(v->role, row.role);
        EXPECT_EQ(v->action, row.action);
        EXPECT_EQ(v->name, u"Save");
        EXPECT_EQ(v->keyboard_shortcut, u"Alt+S");
        EXPECT_EQ(AccessibleChildCount(row.props), row.children);
        EXPECT_EQ(DescribeAccessible(row.props, {}, AccessiblePart::DropPart).has_value(), row.children == 2);
    }
}

TEST(AccessibleView, SplitButtonPartsPressAndOpen) {
    const ButtonProperties p = SplitButton();
    AccessibleInputs in;
    in.state.menu_open = true;
    const auto push = DescribeAccessible(p, in, AccessiblePart::PushPart);
    const auto drop = DescribeAccessible(p, in, AccessiblePart::DropPart);
    ASSERT_TRUE(push && drop);
    EXPECT_EQ(push->role, AccessibleRole::PushButton);
    EXPECT_EQ(AccessibleActionText(push->action), u"Press");
    EXPECT_FALSE(push->states.has_popup);
    EXPECT_EQ(drop->role, AccessibleRole::ButtonDropDown);
    EXPECT_EQ(AccessibleActionText(drop->action), u"Open");
    EXPECT_TRUE(drop->states.has_popup);
    EXPECT_TRUE(drop->states.expanded);
}

TEST(AccessibleView, States) {
    struct Row {
        const char* name;
        ButtonProperties props;
        InteractionState state;
        bool focused;
        AccessibleStates expected;
        AccessibleAction action;
    };
    ButtonProperties toggle = AccessibleButton(u"T");
    toggle.ToggleButton = true;
    ButtonProperties disabled = AccessibleButton(u"T");
    disabled.Enabled = false;
    ButtonProperties inactive = AccessibleButton(u"T");
    inactive.Active = false;
    ButtonProperties was_toggle = AccessibleButton(u"T");  // latched, then ToggleButton went off
    const auto S = [](bool pressed, bool unavailable, bool focusable, bool focused, bool hot, bool popup) {
        return AccessibleStates{pressed, unavailable, focusable, focused, hot, popup, false};
    };
    const Row rows[] = {
        {"Idle", AccessibleButton(u"T"), {}, false, S(false, false, true, false, false, false), AccessibleAction::Press},
        {"FocusedAndHot", AccessibleButton(u"T"), {.mouse_in = true}, true, S(false, false, true, true, true, false),
         AccessibleAction::Press},
        {"HeldDown", AccessibleButton(u"T"), {.pressed = true}, false, S(true, false, true, false, false, false),
         AccessibleAction::Press},
        {"ToggleLatched", toggle, {.toggled = true}, false, S(true, false, true, false, false, false),
         AccessibleAction::Press},
        {"ToggledFlagWithoutToggleButton", was_toggle, {.toggled = true}, false,
         S(false, false, true, false, false, false), AccessibleAction::Press},
        {"Disabled", disabled, {}, true, S(false, true, false, false, false, false), AccessibleAction::None},
        {"Inactive", inactive, {}, true, S(false, true, false, false, false, false), AccessibleAction::None},
        {"SplitHasPopup", SplitButton(), {}, false, S(false, false, true, false, false, true),
         AccessibleAction::Press},
        {"DropDownOnlyNeverPressed", DropDownOnlyButton(), {.pressed = true}, false,
         S(false, false, true, false, false, true), AccessibleAction::Open},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto v = DescribeAccessible(row.props, {row.state, row.focused}, AccessiblePart::Whole);
        ASSERT_TRUE(v.has_value());
        EXPECT_EQ(v->states, row.expected);
        EXPECT_EQ(v->action, row.action);
    }
}

TEST(AccessibleGeometry, PartsOfASplitButtonFollowTheMenuPartSide) {
    const Rect client{0, 0, 87, 25};
    ButtonProperties right = SplitButton();
    ButtonProperties left = SplitButton();
    left.MenuButtonAlignment = kvnMenuButtonAlignmentLeft;
    struct Row {
        const char* name;
        const ButtonProperties& props;
        Rect push, drop;
        Point on_push, on_drop;
    };
    const Row rows[] = {
        {"Right", right, {0, 0, 70, 25}, {70, 0, 87, 25}, {10, 10}, {80, 10}},
        {"Left", left, {17, 0, 87, 25}, {0, 0, 17, 25}, {80, 10}, {5, 10}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(AccessiblePartBounds(row.props, client, AccessiblePart::PushPart), row.push);
        EXPECT_EQ(AccessiblePartBounds(row.props, client, AccessiblePart::DropPart), row.drop);
        EXPECT_EQ(AccessiblePartAt(row.props, client, row.on_push), AccessiblePart::PushPart);
        EXPECT_EQ(AccessiblePartAt(row.props, client, row.on_drop), AccessiblePart::DropPart);
        EXPECT_EQ(AccessiblePartAt(row.props, client, Point{87, 10}), std::nullopt) << "right edge is outside";
    }
    EXPECT_EQ(AccessiblePartAt(AccessibleButton(u"x"), client, Point{80, 10}), AccessiblePart::Whole);
    EXPECT_EQ(AccessiblePartBounds(AccessibleButton(u"x"), client, AccessiblePart::DropPart), std::nullopt);
}

}  // namespace
}  // namespace brixel
