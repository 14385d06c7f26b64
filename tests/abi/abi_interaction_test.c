/* Input scripts against the events and host requests they must produce. */
#include "abi_test.h"

#include <string.h>

#define MAX_EVENTS 32

static int same_events(const int32_t* got, int n, const int32_t* want, int m) {
    return n == m && (n == 0 || memcmp(got, want, sizeof(int32_t) * (size_t)n) == 0);
}

/* `effects` is read only after the step ran: the arguments of a call are
 * evaluated in no fixed order. */
static int events_of(brixel_status status, brixel_effects** effects, int32_t* kinds) {
    if (status != BRIXEL_OK) {
        ++abi_failures;
        fprintf(stderr, "step failed: %s\n", brixel_status_text(status));
        return -1;
    }
    return event_kinds(*effects, kinds, MAX_EVENTS);
}

struct script_step {
    const char* name;
    int action; /* 0 down, 1 move, 2 up */
    int x, y;
    int32_t events[4];
    int event_count;
};

static void run_script(brixel_button* b, const struct script_step* steps, int count) {
    int i, n;
    int32_t kinds[MAX_EVENTS];
    for (i = 0; i < count; ++i) {
        const struct script_step* s = &steps[i];
        brixel_frame frame = shown_frame(s->x, s->y);
        brixel_effects* effects = NULL;
        brixel_status status;
        frame.capture = i > 0 ? frame.window : 0; /* the host took the capture at the press */
        if (s->action == 0)
            status = brixel_mouse_down(b, &frame, BRIXEL_BUTTON_LEFT, 1, s->x, s->y, 0, &effects);
        else if (s->action == 1)
            status = brixel_mouse_move(b, &frame, s->x, s->y, BRIXEL_BUTTON_LEFT, 0, &effects);
        else
            status = brixel_mouse_up(b, &frame, BRIXEL_BUTTON_LEFT, s->x, s->y, 0, &effects);
        n = events_of(status, &effects, kinds);
        if (!same_events(kinds, n, s->events, s->event_count)) {
            ++abi_failures;
            fprintf(stderr, "script step '%s': %d event(s), not the expected %d\n", s->name, n, s->event_count);
        }
    }
}

void test_interaction(void) {
    static const struct script_step drag_out_and_back[] = {
        {"press", 0, 10, 10, {BRIXEL_EFFECT_FIRE_MOUSE_DOWN}, 1},
        {"drag out", 1, 200, 10, {BRIXEL_EFFECT_FIRE_MOUSE_EXIT, BRIXEL_EFFECT_FIRE_MOUSE_MOVE}, 2},
        {"drag back", 1, 10, 10, {BRIXEL_EFFECT_FIRE_MOUSE_ENTER, BRIXEL_EFFECT_FIRE_MOUSE_MOVE}, 2},
        {"release inside",
         2,
         10,
         10,
         {BRIXEL_EFFECT_FIRE_BUTTON_TOGGLED, BRIXEL_EFFECT_FIRE_MOUSE_UP, BRIXEL_EFFECT_FIRE_CLICK},
         3},
    };
    static const struct script_step release_outside[] = {
        {"press", 0, 10, 10, {BRIXEL_EFFECT_FIRE_MOUSE_DOWN}, 1},
        {"drag out", 1, 200, 10, {BRIXEL_EFFECT_FIRE_MOUSE_EXIT, BRIXEL_EFFECT_FIRE_MOUSE_MOVE}, 2},
        {"release outside", 2, 200, 10, {0}, 0},
    };
    brixel_button* b = make_button(BRIXEL_RULES_ACTIVEX, 0);
    brixel_frame frame = shown_frame(10, 10);
    brixel_effects* effects = NULL;
    brixel_effect e = BRIXEL_EFFECT_INIT;
    int32_t kinds[MAX_EVENTS], value = 0;
    int tick, repeats = 0, started_repeat = 0, n, toggled_flag = -1;

    /* A toggle button: press, drag out and back, release inside. */
    CHECK_STATUS(BRIXEL_OK, brixel_set_bool(b, 20, 1, NULL));
    run_script(b, drag_out_and_back, 4);
    CHECK_STATUS(BRIXEL_OK, brixel_get_toggle_state(b, &value));
    CHECK(value == 1);
    /* Pressed and released outside: no click and no second toggle. */
    run_script(b, release_outside, 3);
    CHECK_STATUS(BRIXEL_OK, brixel_get_toggle_state(b, &value));
    CHECK(value == 1);
    brixel_button_destroy(b);

    /* Held for one second: the repeat timer starts and the first repeat comes on the fifth tick. */
    b = make_button(BRIXEL_RULES_ACTIVEX, 0);
    CHECK_STATUS(BRIXEL_OK, brixel_mouse_down(b, &frame, BRIXEL_BUTTON_LEFT, 1, 10, 10, 0, &effects));
    while (brixel_effects_next(effects, &e) == BRIXEL_OK) {
        if (e.kind == BRIXEL_EFFECT_START_TIMER && e.code == 3 && e.value == 50) started_repeat = 1;
    }
    brixel_effects_free(effects);
    CHECK(started_repeat);
    frame.capture = frame.window;
    for (tick = 1; tick <= 20; ++tick) {
        n = events_of(brixel_timer(b, &frame, 3, &effects), &effects, kinds);
        if (tick < 5) CHECK(n == 0);
        repeats += n;
    }
    CHECK(repeats == 16);
    /* Value reads TRUE only while the host's Click handler runs. */
    CHECK_STATUS(BRIXEL_OK, brixel_click_event(b, 1));
    CHECK_STATUS(BRIXEL_OK, brixel_get_bool(b, 99, &value));
    CHECK(value == 1);
    CHECK_STATUS(BRIXEL_OK, brixel_click_event(b, 0));
    CHECK_STATUS(BRIXEL_OK, brixel_click_event(b, 0)); /* an unmatched end changes nothing */
    CHECK_STATUS(BRIXEL_OK, brixel_get_bool(b, 99, &value));
    CHECK(value == 0);
    brixel_button_destroy(b);

    /* Toggled from code: the event carries the new state; the same state again fires nothing. */
    b = make_button(BRIXEL_RULES_ACTIVEX, 0);
    CHECK_STATUS(BRIXEL_OK, brixel_set_bool(b, 20, 1, NULL));
    CHECK_STATUS(BRIXEL_OK, brixel_set_toggle_state(b, &frame, 1, &effects));
    while (brixel_effects_next(effects, &e) == BRIXEL_OK) {
        if (e.kind == BRIXEL_EFFECT_FIRE_BUTTON_TOGGLED) toggled_flag = e.flag;
    }
    brixel_effects_free(effects);
    CHECK(toggled_flag == 1);
    n = events_of(brixel_set_toggle_state(b, &frame, 1, &effects), &effects, kinds);
    CHECK(n == 0);

    /* Inactive: no mouse or key event at all. */
    CHECK_STATUS(BRIXEL_OK, brixel_set_bool(b, 12, 0, NULL));
    CHECK(events_of(brixel_mouse_down(b, &frame, BRIXEL_BUTTON_LEFT, 1, 10, 10, 0, &effects), &effects, kinds) == 0);
    CHECK(events_of(brixel_mouse_up(b, &frame, BRIXEL_BUTTON_LEFT, 10, 10, 0, &effects), &effects, kinds) == 0);
    CHECK(events_of(brixel_key_down(b, &frame, 32, 0, 0, &effects), &effects, kinds) == 0);

    /* Bad arguments of the steps. */
    CHECK_STATUS(BRIXEL_E_INVALID_ARGUMENT, brixel_timer(b, &frame, 9, NULL));
    CHECK_STATUS(BRIXEL_E_INVALID_ARGUMENT, brixel_mouse_down(b, &frame, 8, 1, 0, 0, 0, NULL));
    frame.size = 3;
    CHECK_STATUS(BRIXEL_E_BAD_SIZE, brixel_focus(b, &frame, 1, NULL));
    brixel_button_destroy(b);
}
