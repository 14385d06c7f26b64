/* What a host needs without a button. */
#include "abi_test.h"

#include <string.h>

/* Windows Forms shortcut values, their texts and the key presses that spell them. */
static void test_forms_shortcuts(void) {
    static const struct {
        int32_t value;
        const char* text;
    } values[] = {
        {0x20041, "Ctrl+A"},         {0x3007B, "Ctrl+Shift+F12"}, {0x40008, "Alt+Bksp"},
        {0x1002E, "Shift+Del"},      {0x2D, "Ins"},               {0x40039, "Alt+9"},
        {0x20030, "Ctrl+0"},         {0x7B, "F12"},               {0, ""},
        {0x40025, ""} /* Alt+Left */, {0x41, ""} /* a letter alone */, {0x10041, ""} /* Shift+A */,
        {0x40041, ""} /* Alt+A */,   {0x3002E, ""} /* Ctrl+Shift+Del */, {0x7C, ""} /* F13 */,
        {-1, ""},
    };
    static const struct {
        int32_t key, shift;
        const char* text;
    } presses[] = {
        {0x74, 3, "Ctrl+Shift+F5"}, {0x2E, 0, "Del"}, {0x41, 0, ""}, {0x35, 0, ""}, {0x41, 2, "Ctrl+A"},
        {0x08, 4, "Alt+Bksp"}, {0x41, 7, "Ctrl+Shift+Alt+A"}, {0x25, 4, ""}, {0x20, 2, ""}, {0x10074, 2, ""},
    };
    static const struct {
        int32_t levels[3];
        int32_t count, invocable;
    } paths[] = {
        {{3, 3, 3}, 3, 1}, {{1, 3, 0}, 1, 0}, {{2, 3, 0}, 1, 0}, {{7, 3, 0}, 2, 0},
        {{3, 2, 3}, 3, 0} /* under a disabled parent */, {{3, 3, 1}, 3, 0} /* under a hidden one */,
    };
    uint16_t buffer[32];
    int32_t length = 0, invocable = -1;
    size_t i;
    for (i = 0; i < sizeof values / sizeof values[0]; ++i) {
        length = -1;
        CHECK_STATUS(BRIXEL_OK, brixel_forms_shortcut_text(values[i].value, buffer, 32, &length));
        if (!is_ascii_text(buffer, length, values[i].text)) {
            ++abi_failures;
            fprintf(stderr, "shortcut 0x%lx gave another text\n", (unsigned long)values[i].value);
        }
    }
    for (i = 0; i < sizeof presses / sizeof presses[0]; ++i) {
        length = -1;
        CHECK_STATUS(BRIXEL_OK, brixel_forms_key_text(presses[i].key, presses[i].shift, buffer, 32, &length));
        if (!is_ascii_text(buffer, length, presses[i].text)) {
            ++abi_failures;
            fprintf(stderr, "key press %u spelled another text\n", (unsigned)i);
        }
    }
    for (i = 0; i < sizeof paths / sizeof paths[0]; ++i) {
        CHECK_STATUS(BRIXEL_OK, brixel_menu_object_invocable(paths[i].levels, paths[i].count, &invocable));
        CHECK(invocable == paths[i].invocable);
    }
    CHECK_STATUS(BRIXEL_E_INVALID_ARGUMENT, brixel_menu_object_invocable(paths[0].levels, 0, &invocable));
    CHECK_STATUS(BRIXEL_E_BUFFER_TOO_SMALL, brixel_forms_shortcut_text(0x3007B, buffer, 4, &length));
    CHECK(length == 14);
}

/* A button drops by itself only when every condition holds. */
static void test_auto_drop_decision(void) {
    brixel_auto_drop_context all = BRIXEL_AUTO_DROP_CONTEXT_INIT;
    int32_t* fields[11];
    int32_t drop = -1;
    size_t i;
    fields[0] = &all.user_mode;
    fields[1] = &all.menu_auto_drop;
    fields[2] = &all.active;
    fields[3] = &all.menu;
    fields[4] = &all.enabled;
    fields[5] = &all.window_visible;
    fields[6] = &all.own_top_level_active;
    fields[7] = &all.drop_suppressed;
    fields[8] = &all.has_items;
    fields[9] = &all.any_visible;
    fields[10] = &all.point_in_drop_part;
    for (i = 0; i < 11; ++i) *fields[i] = i == 7 ? 0 : 1;
    CHECK_STATUS(BRIXEL_OK, brixel_should_auto_drop(&all, &drop));
    CHECK(drop == 1);
    for (i = 0; i < 11; ++i) {
        *fields[i] = !*fields[i];
        CHECK_STATUS(BRIXEL_OK, brixel_should_auto_drop(&all, &drop));
        if (drop != 0) {
            ++abi_failures;
            fprintf(stderr, "auto-drop condition %u was not needed\n", (unsigned)i);
        }
        *fields[i] = !*fields[i];
    }
    CHECK_STATUS(BRIXEL_E_NULL_ARGUMENT, brixel_should_auto_drop(NULL, &drop));
}

void test_helpers(void) {
    static const struct {
        const char* address;
        int untrusted;
        brixel_status status;
        const char* target;
    } links[] = {
        {"www.example.com", 1, BRIXEL_OK, "http://www.example.com"},
        {"someone@example.com", 1, BRIXEL_OK, "mailto:someone@example.com"},
        {"file:///c:/windows/notepad.exe", 1, BRIXEL_E_REFUSED, ""},
        {"file:///c:/windows/notepad.exe", 0, BRIXEL_OK, "file:///c:/windows/notepad.exe"},
        {"http://example.com/\"a b\"", 1, BRIXEL_E_REFUSED, ""},
        {"", 0, BRIXEL_E_REFUSED, ""},
    };
    uint16_t buffer[128];
    int32_t length = 0, code = 0, width = 0, height = 0;
    int32_t widths[2] = {40, 300};
    size_t i;
    brixel_popup_input input = BRIXEL_POPUP_INPUT_INIT;
    brixel_popup_placement placement = BRIXEL_POPUP_PLACEMENT_INIT;
    brixel_menu_row row = BRIXEL_MENU_ROW_INIT;
    uint32_t pixels[120 * 20];
    const uint16_t* text;

    for (i = 0; i < sizeof links / sizeof links[0]; ++i) {
        int32_t n = 0;
        text = u16(links[i].address, &n);
        CHECK_STATUS(links[i].status, brixel_hyperlink_target(text, n, links[i].untrusted, buffer, 128, &length));
        if (links[i].status == BRIXEL_OK && !is_ascii_text(buffer, length, links[i].target)) {
            ++abi_failures;
            fprintf(stderr, "hyperlink '%s' gave another target\n", links[i].address);
        }
    }

    /* Shortcut codes and texts go both ways. */
    for (code = 0; code <= 79; ++code) {
        int32_t back = -1;
        CHECK_STATUS(BRIXEL_OK, brixel_shortcut_text(code, buffer, 128, &length));
        CHECK_STATUS(BRIXEL_OK, brixel_shortcut_code(buffer, length, &back));
        CHECK(back == code);
    }
    CHECK_STATUS(BRIXEL_E_INVALID_ARGUMENT, brixel_shortcut_text(80, buffer, 128, &length));

    /* The popup opens below the control, or above it when the screen ends. */
    input.window.left = 100;
    input.window.top = 100;
    input.window.right = 187;
    input.window.bottom = 125;
    input.screen_width = 1280;
    input.screen_height = 1024;
    input.menu_height = 200;
    CHECK_STATUS(BRIXEL_OK, brixel_popup_width_estimate(widths, 2, 0, &input.popup_width));
    CHECK(input.popup_width > 300);
    CHECK_STATUS(BRIXEL_OK, brixel_popup_place(&input, &placement));
    CHECK(placement.y == 125 && placement.v_align == 0);
    input.window.top = 900;
    input.window.bottom = 925;
    CHECK_STATUS(BRIXEL_OK, brixel_popup_place(&input, &placement));
    CHECK(placement.y == 900 && placement.v_align == 1);

    /* A separator row is short; a text row grows with its text. */
    CHECK_STATUS(BRIXEL_OK, brixel_menu_row_size(50, 13, 1, &width, &height));
    CHECK(height == 6);
    CHECK_STATUS(BRIXEL_OK, brixel_menu_row_size(50, 13, 0, &width, &height));
    CHECK(height > 13 && width > 50);

    /* A selected row is framed, an unselected one is not. */
    row.caption = u16("Open", &row.caption_length);
    row.back = 0xF6F6F6;
    row.selection_back = 0xFFEEC2;
    CHECK_STATUS(BRIXEL_OK, brixel_menu_paint_row(&row, NULL, pixels, 120, 20, 120 * 4));
    CHECK(pixels[0] == 0xF6F6F6u);
    row.selected = 1;
    CHECK_STATUS(BRIXEL_OK, brixel_menu_paint_row(&row, NULL, pixels, 120, 20, 120 * 4));
    CHECK(pixels[0] == 0x000080u);
    CHECK_STATUS(BRIXEL_E_INVALID_ARGUMENT, brixel_menu_paint_row(&row, NULL, pixels, 120, 20, 10));
    /* Separator rules of an object tree: the refusal carries its message. */
    {
        static const struct {
            int32_t change;
            const char* text;
            int32_t is_parent;
            brixel_status status;
            const char* message;
        } rules[] = {
            {BRIXEL_MENU_CHANGE_TEXT, "-", 1, BRIXEL_E_REFUSED,
             "This menu item cannot be converted to a separator because it contains sub menu items"},
            {BRIXEL_MENU_CHANGE_TEXT, "-", 0, BRIXEL_OK, ""},
            {BRIXEL_MENU_CHANGE_TEXT, "--", 1, BRIXEL_OK, ""},
            {BRIXEL_MENU_CHANGE_TEXT, " -", 1, BRIXEL_OK, ""},
            {BRIXEL_MENU_CHANGE_ADD_SUB_ITEM, "-", 0, BRIXEL_E_REFUSED, "You cannot add submenu to a separator"},
            {BRIXEL_MENU_CHANGE_ADD_SUB_ITEM, "File", 0, BRIXEL_OK, ""},
            {BRIXEL_MENU_CHANGE_ADD_SUB_ITEM, "", 0, BRIXEL_OK, ""},
            {2, "-", 1, BRIXEL_E_INVALID_ARGUMENT, ""},
        };
        for (i = 0; i < sizeof rules / sizeof rules[0]; ++i) {
            int32_t n = 0;
            text = u16(rules[i].text, &n);
            length = -1;
            CHECK_STATUS(rules[i].status,
                         brixel_menu_object_check(rules[i].change, text, n, rules[i].is_parent, buffer, 128, &length));
            if (rules[i].status != BRIXEL_E_INVALID_ARGUMENT && !is_ascii_text(buffer, length, rules[i].message)) {
                ++abi_failures;
                fprintf(stderr, "menu rule %u gave another message\n", (unsigned)i);
            }
        }
        CHECK_STATUS(BRIXEL_E_BUFFER_TOO_SMALL,
                     brixel_menu_object_check(BRIXEL_MENU_CHANGE_ADD_SUB_ITEM, u16("-", &length), 1, 0, buffer, 4, &length));
        CHECK(length == 37);
    }
    test_forms_shortcuts();
    test_auto_drop_decision();
}
