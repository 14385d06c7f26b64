/* The C interface's own tests, written in C as its callers are. Each test
 * is a function; a failed check prints its place and the test goes on. */
#ifndef BRIXEL_ABI_TEST_H
#define BRIXEL_ABI_TEST_H

#include "brixel/brixel.h"

#include <stdio.h>

extern int abi_failures;

#define CHECK(cond)                                                                      \
    do {                                                                                 \
        if (!(cond)) {                                                                   \
            ++abi_failures;                                                              \
            fprintf(stderr, "%s:%d: %s: CHECK(%s) failed\n", __FILE__, __LINE__, __func__, #cond); \
        }                                                                                \
    } while (0)

#define CHECK_STATUS(expected, call)                                                                    \
    do {                                                                                                \
        brixel_status check_status_ = (call);                                                           \
        if (check_status_ != (expected)) {                                                              \
            ++abi_failures;                                                                             \
            fprintf(stderr, "%s:%d: %s: %s gave %d (%s), expected %d\n", __FILE__, __LINE__, __func__, #call, \
                    (int)check_status_, brixel_status_text(check_status_), (int)(expected));            \
        }                                                                                               \
    } while (0)

/* A button of the given rules with the default environment; design time
 * when `design` is set (Bevel and the like then keep what is written). */
brixel_button* make_button(int rules, int design);
/* The frame of a shown 87 x 25 control, pointer at (x, y). */
brixel_frame shown_frame(int x, int y);
/* UTF-16 from ASCII into a static buffer (one at a time). */
const uint16_t* u16(const char* ascii, int32_t* length);
/* Whether UTF-16 text equals an ASCII one. */
int is_ascii_text(const uint16_t* text, int32_t length, const char* ascii);
/* The event kinds of a list in order, other entries skipped; the list is freed. */
int event_kinds(brixel_effects* effects, int32_t* kinds, int capacity);
/* Whether the list holds an entry of `kind`; the list is freed. */
int has_effect(brixel_effects* effects, int32_t kind);

/* The cases, by area. */
void test_errors(void);
void test_properties(void);
void test_dotnet_rules(void);
void test_interaction(void);
void test_painting(void);
void test_helpers(void);
void test_dpi(void);

#endif
