/* What a host needs without a button. */
#include "abi_test.h"

#include <string.h>

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
}
