/* Null, destroyed and foreign handles, bad sizes and bad values: an error
 * code every time, never a crash. */
#include "abi_test.h"

#include <string.h>

/* Every entry point that takes a button, called with `b`. */
static void check_button_calls(brixel_button* b, brixel_status expected) {
    int32_t i32 = 0;
    uint32_t u32 = 0;
    uint16_t text[8];
    brixel_font font = BRIXEL_FONT_INIT;
    brixel_picture* picture = NULL;
    brixel_effects* effects = (brixel_effects*)&i32; /* must be reset to null */
    brixel_state state = BRIXEL_STATE_INIT;
    brixel_environment env = BRIXEL_ENVIRONMENT_INIT;
    brixel_rect rects[4];
    uint32_t pixels[4];
    const uint8_t* bytes = NULL;

    CHECK_STATUS(expected, brixel_button_destroy(b));
    CHECK_STATUS(expected, brixel_set_environment(b, &env));
    CHECK_STATUS(expected, brixel_set_text_service(b, NULL));
    CHECK_STATUS(expected, brixel_set_bool(b, -514, 1, &effects));
    CHECK(effects == NULL);
    CHECK_STATUS(expected, brixel_set_int(b, 1, 1, NULL));
    CHECK_STATUS(expected, brixel_set_color(b, 4, 0, NULL));
    CHECK_STATUS(expected, brixel_set_string(b, -518, text, 0, NULL));
    CHECK_STATUS(expected, brixel_set_font(b, 111, &font, NULL));
    CHECK_STATUS(expected, brixel_set_picture(b, 100, NULL, NULL));
    CHECK_STATUS(expected, brixel_get_bool(b, -514, &i32));
    CHECK_STATUS(expected, brixel_get_int(b, 1, &i32));
    CHECK_STATUS(expected, brixel_get_color(b, 4, &u32));
    CHECK_STATUS(expected, brixel_get_string(b, -518, text, 8, &i32));
    CHECK_STATUS(expected, brixel_get_font(b, 111, &font));
    CHECK_STATUS(expected, brixel_get_picture(b, 100, &picture));
    CHECK_STATUS(expected, brixel_mouse_down(b, NULL, BRIXEL_BUTTON_LEFT, 1, 1, 1, 0, NULL));
    CHECK_STATUS(expected, brixel_mouse_up(b, NULL, BRIXEL_BUTTON_LEFT, 1, 1, 0, NULL));
    CHECK_STATUS(expected, brixel_mouse_move(b, NULL, 1, 1, 0, 0, NULL));
    CHECK_STATUS(expected, brixel_mouse_leave(b, NULL, NULL));
    CHECK_STATUS(expected, brixel_key_down(b, NULL, 32, 0, 0, NULL));
    CHECK_STATUS(expected, brixel_key_up(b, NULL, 32, 0, NULL));
    CHECK_STATUS(expected, brixel_key_char(b, NULL, 32, NULL));
    CHECK_STATUS(expected, brixel_mnemonic(b, NULL, 'A', NULL));
    CHECK_STATUS(expected, brixel_focus(b, NULL, 1, NULL));
    CHECK_STATUS(expected, brixel_timer(b, NULL, 3, NULL));
    CHECK_STATUS(expected, brixel_window_created(b, NULL, NULL));
    CHECK_STATUS(expected, brixel_perform_click(b, NULL, NULL));
    CHECK_STATUS(expected, brixel_perform_click_actions(b, NULL, NULL));
    CHECK_STATUS(expected, brixel_perform_hyperlink(b, NULL, NULL));
    CHECK_STATUS(expected, brixel_set_toggle_state(b, NULL, 1, NULL));
    CHECK_STATUS(expected, brixel_get_toggle_state(b, &i32));
    CHECK_STATUS(expected, brixel_sound_data(b, 0, &bytes, &i32));
    CHECK_STATUS(expected, brixel_click_event(b, 1));
    CHECK_STATUS(expected, brixel_get_state(b, &state));
    CHECK_STATUS(expected, brixel_menu_dropping(b, NULL, NULL));
    CHECK_STATUS(expected, brixel_menu_set_open(b, 1));
    CHECK_STATUS(expected, brixel_menu_loop_ended(b));
    CHECK_STATUS(expected, brixel_menu_loop_end(b, NULL, 0, &i32, NULL));
    CHECK_STATUS(expected, brixel_menu_auto_dropped(b, NULL, NULL));
    CHECK_STATUS(expected, brixel_in_drop_part(b, 10, 10, 1, 1, &i32));
    CHECK_STATUS(expected, brixel_paint_buffer(b, NULL, NULL, pixels, 2, 2, 8, NULL, NULL));
    CHECK_STATUS(expected, brixel_paint_hdc(b, NULL, NULL, pixels, NULL, NULL));
    CHECK_STATUS(expected, brixel_region_rects(b, NULL, rects, 4, &i32));
    CHECK_STATUS(expected, brixel_minimum_size(b, &i32, &i32));
}

void test_errors(void) {
    brixel_button* destroyed = make_button(BRIXEL_RULES_ACTIVEX, 0);
    brixel_button* live = make_button(BRIXEL_RULES_ACTIVEX, 0);
    long foreign[64];
    brixel_picture* picture = NULL;
    brixel_picture_desc desc = BRIXEL_PICTURE_DESC_INIT;
    uint32_t pixel = 0xFFFFFFFF;
    brixel_effects* list = NULL;
    brixel_effect effect = BRIXEL_EFFECT_INIT;
    brixel_create_options options = BRIXEL_CREATE_OPTIONS_INIT;
    brixel_button* made = NULL;
    int32_t value = 0;
    uint16_t small[2];
    int32_t length = 0;

    memset(foreign, 0x5A, sizeof foreign);
    CHECK_STATUS(BRIXEL_OK, brixel_button_destroy(destroyed));
    check_button_calls(NULL, BRIXEL_E_BAD_HANDLE);
    check_button_calls(destroyed, BRIXEL_E_BAD_HANDLE);
    check_button_calls((brixel_button*)foreign, BRIXEL_E_BAD_HANDLE);

    /* Handles of one kind are refused where another is expected. */
    CHECK_STATUS(BRIXEL_E_BAD_HANDLE, brixel_effects_free((brixel_effects*)live));
    CHECK_STATUS(BRIXEL_E_BAD_HANDLE, brixel_picture_release((brixel_picture*)live));
    CHECK_STATUS(BRIXEL_E_BAD_HANDLE, brixel_set_picture(live, 100, (brixel_picture*)foreign, NULL));
    CHECK_STATUS(BRIXEL_E_BAD_HANDLE, brixel_effects_next((brixel_effects*)foreign, &effect));

    /* An effect list outlives its button; a freed one is refused. */
    CHECK_STATUS(BRIXEL_OK, brixel_set_bool(live, 9, 0, &list));
    CHECK_STATUS(BRIXEL_OK, brixel_button_destroy(live));
    CHECK_STATUS(BRIXEL_OK, brixel_effects_count(list, &value));
    CHECK_STATUS(BRIXEL_OK, brixel_effects_free(list));
    CHECK_STATUS(BRIXEL_E_BAD_HANDLE, brixel_effects_free(list));

    /* Creation: sizes, rules and null outputs. */
    CHECK_STATUS(BRIXEL_E_NULL_ARGUMENT, brixel_button_create(&options, NULL));
    CHECK_STATUS(BRIXEL_E_NULL_ARGUMENT, brixel_button_create(NULL, &made));
    options.size = 4;
    CHECK_STATUS(BRIXEL_E_BAD_SIZE, brixel_button_create(&options, &made));
    CHECK(made == NULL);
    options.size = sizeof options;
    options.rules = 7;
    CHECK_STATUS(BRIXEL_E_INVALID_ARGUMENT, brixel_button_create(&options, &made));

    /* Pictures: sizes, strides and kinds are checked before anything is read. */
    desc.width = 1;
    desc.height = 1;
    desc.pixels = &pixel;
    desc.stride = 2;
    CHECK_STATUS(BRIXEL_E_INVALID_ARGUMENT, brixel_picture_create(&desc, &picture));
    desc.stride = 4;
    desc.kind = 9;
    CHECK_STATUS(BRIXEL_E_INVALID_ARGUMENT, brixel_picture_create(&desc, &picture));
    desc.kind = BRIXEL_PICTURE_OPAQUE;
    desc.width = -1;
    CHECK_STATUS(BRIXEL_E_INVALID_ARGUMENT, brixel_picture_create(&desc, &picture));
    CHECK(picture == NULL);

    /* Text out: too small a buffer says how much is needed. */
    CHECK_STATUS(BRIXEL_E_BUFFER_TOO_SMALL, brixel_shortcut_text(1, small, 2, &length));
    CHECK(length == 6); /* "Ctrl+A" */

    /* Every code has a text; unknown ones too. */
    CHECK(strcmp(brixel_status_text(BRIXEL_E_FILE_NOT_FOUND), "The specified file was not found") == 0);
    CHECK(brixel_status_text(-12345) != NULL);
    CHECK(BRIXEL_ABI_VERSION_MAJOR(brixel_abi_version()) == BRIXEL_ABI_VERSION_MAJOR(BRIXEL_ABI_VERSION));
}
