#include "abi_test.h"

#include <string.h>

int abi_failures = 0;

brixel_button* make_button(int rules, int design) {
    brixel_environment env = BRIXEL_ENVIRONMENT_INIT;
    brixel_create_options options = BRIXEL_CREATE_OPTIONS_INIT;
    brixel_button* button = NULL;
    int32_t length = 0;
    env.user_mode = design ? 0 : 1;
    options.rules = rules;
    options.environment = &env;
    options.display_name = u16("Command1", &length);
    options.display_name_length = length;
    if (brixel_button_create(&options, &button) != BRIXEL_OK) {
        ++abi_failures;
        fprintf(stderr, "make_button: creation failed\n");
    }
    return button;
}

brixel_frame shown_frame(int x, int y) {
    brixel_frame frame = BRIXEL_FRAME_INIT;
    frame.window = 0x100;
    frame.width = 87;
    frame.height = 25;
    frame.cursor_x = x;
    frame.cursor_y = y;
    frame.enabled = 1;
    frame.visible = 1;
    return frame;
}

const uint16_t* u16(const char* ascii, int32_t* length) {
    static uint16_t buffer[256];
    int32_t n = 0;
    while (ascii[n] != 0 && n < 255) {
        buffer[n] = (uint16_t)(unsigned char)ascii[n];
        ++n;
    }
    buffer[n] = 0;
    if (length != NULL) *length = n;
    return buffer;
}

int is_ascii_text(const uint16_t* text, int32_t length, const char* ascii) {
    int32_t i;
    if ((int32_t)strlen(ascii) != length) return 0;
    for (i = 0; i < length; ++i) {
        if (text[i] != (uint16_t)(unsigned char)ascii[i]) return 0;
    }
    return 1;
}

static int is_event(int32_t kind) { return kind >= BRIXEL_EFFECT_FIRE_CLICK && kind <= BRIXEL_EFFECT_FIRE_WHILE_MOUSE_DOWN; }

/* A list that is not live is a fault of the test itself. */
static int live_list(brixel_effects* effects) {
    int32_t count = 0;
    if (brixel_effects_count(effects, &count) == BRIXEL_OK) return 1;
    ++abi_failures;
    fprintf(stderr, "an effect list that is not live was read\n");
    return 0;
}

int event_kinds(brixel_effects* effects, int32_t* kinds, int capacity) {
    brixel_effect e = BRIXEL_EFFECT_INIT;
    int n = 0;
    if (!live_list(effects)) return -1;
    while (brixel_effects_next(effects, &e) == BRIXEL_OK) {
        if (is_event(e.kind) && n < capacity) kinds[n++] = e.kind;
    }
    brixel_effects_free(effects);
    return n;
}

int has_effect(brixel_effects* effects, int32_t kind) {
    brixel_effect e = BRIXEL_EFFECT_INIT;
    int found = 0;
    if (!live_list(effects)) return 0;
    while (brixel_effects_next(effects, &e) == BRIXEL_OK) {
        if (e.kind == kind) found = 1;
    }
    brixel_effects_free(effects);
    return found;
}

int main(int argc, char** argv) {
    static const struct {
        const char* name;
        void (*run)(void);
    } cases[] = {{"errors", test_errors},           {"properties", test_properties}, {"dotnet_rules", test_dotnet_rules},
                 {"interaction", test_interaction}, {"painting", test_painting},     {"helpers", test_helpers},
                 {"dpi", test_dpi}};
    size_t i;
    int ran = 0;
    for (i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        const int before = abi_failures;
        if (argc > 1 && strcmp(argv[1], cases[i].name) != 0) continue;
        cases[i].run();
        ++ran;
        printf("[%s] %s\n", abi_failures == before ? "  OK  " : "FAILED", cases[i].name);
    }
    if (ran == 0) {
        fprintf(stderr, "no case named %s\n", argv[1]);
        return 2;
    }
    printf("%d check(s) failed\n", abi_failures);
    return abi_failures == 0 ? 0 : 1;
}
