/* The screen's resolution as the host reports it: the face, the window's
 * shape, the minimum size, the fonts handed to the text service and the
 * menu's rows all follow it; 96 dpi keeps every designed size. */
#include "abi_test.h"

#include <stddef.h>
#include <string.h>

enum { DW = 130, DH = 38 };

static uint32_t dense[DW * DH];

static void set_dpi(brixel_button* b, int32_t dpi) {
    brixel_environment env = BRIXEL_ENVIRONMENT_INIT;
    env.dpi = dpi;
    CHECK_STATUS(BRIXEL_OK, brixel_set_environment(b, &env));
}

static brixel_frame dense_frame(void) {
    brixel_frame frame = shown_frame(-1, -1);
    frame.width = DW;
    frame.height = DH;
    return frame;
}

static void set_text(brixel_button* b, const char* property, const char* value) {
    int32_t id = 0, length = 0;
    const uint16_t* text;
    CHECK_STATUS(BRIXEL_OK, brixel_property_id(property, &id));
    text = u16(value, &length);
    CHECK_STATUS(BRIXEL_OK, brixel_set_string(b, id, text, length, NULL));
}

static void paint_dense(brixel_button* b) {
    brixel_frame frame = dense_frame();
    memset(dense, 0, sizeof dense);
    CHECK_STATUS(BRIXEL_OK, brixel_paint_buffer(b, &frame, NULL, dense, DW, DH, DW * 4, NULL, NULL));
}

/* The first x of `row` the region covers, or -1. */
static int first_covered(const brixel_rect* rects, int32_t count, int row) {
    int32_t i;
    int first = -1;
    for (i = 0; i < count; ++i) {
        if (rects[i].top <= row && rects[i].bottom > row && (first < 0 || rects[i].left < first)) first = rects[i].left;
    }
    return first;
}

/* The rounded corner cuts deeper and the minimum size grows at 144 dpi; a
 * change of the environment takes effect on the next question. */
static void region_and_minimum_follow_dpi(void) {
    brixel_button* b = make_button(BRIXEL_RULES_ACTIVEX, 0);
    brixel_frame frame = dense_frame();
    brixel_rect rects[128];
    int32_t count = 0, width = 0, height = 0;
    int cut96 = 0, cut144 = 0;
    CHECK_STATUS(BRIXEL_OK, brixel_set_int(b, 18, 0, NULL));
    set_text(b, "CornerStyle", "1;0;0;0");
    set_text(b, "CornerRoundingLevel", "0;0;0;0");

    CHECK_STATUS(BRIXEL_OK, brixel_region_rects(b, &frame, rects, 128, &count));
    while (first_covered(rects, count, cut96) > 0) ++cut96;
    CHECK(first_covered(rects, count, 0) > 0);
    CHECK_STATUS(BRIXEL_OK, brixel_minimum_size(b, &width, &height));
    CHECK(width == 16 && height == 17);

    set_dpi(b, 144);
    CHECK_STATUS(BRIXEL_OK, brixel_region_rects(b, &frame, rects, 128, &count));
    while (first_covered(rects, count, cut144) > 0) ++cut144;
    /* The 6 x 6 ellipse of the top-left piece (4 x 4 at 96 dpi). */
    CHECK(cut144 > cut96);
    CHECK(first_covered(rects, count, 0) > 1);
    CHECK(first_covered(rects, count, DH - 1) == 0);
    CHECK_STATUS(BRIXEL_OK, brixel_minimum_size(b, &width, &height));
    CHECK(width == 24 && height == 26);
    brixel_button_destroy(b);
}

/* What the host's text service is handed: its own context back, and the
 * font's height at the row's dpi. */
static int32_t service_heights[4];
static int service_calls;
static int service_context;
static brixel_status BRIXEL_CALL dpi_measure(void* context, const uint16_t* text, int32_t length, const brixel_font* font,
                                             const brixel_rect* bounds, uint32_t format, brixel_rect* occupied) {
    (void)text, (void)length, (void)format;
    CHECK(context == &service_context);
    if (service_calls < 4) service_heights[service_calls] = font->pixel_height;
    ++service_calls;
    occupied->left = bounds->left;
    occupied->top = bounds->top;
    occupied->right = bounds->left + 10;
    occupied->bottom = bounds->top + 8;
    return BRIXEL_OK;
}
static brixel_status BRIXEL_CALL dpi_render(void* context, const uint16_t* text, int32_t length, const brixel_font* font,
                                            const brixel_rect* bounds, uint32_t format, uint8_t* coverage, int32_t stride) {
    (void)text, (void)length, (void)format, (void)bounds, (void)coverage, (void)stride;
    CHECK(context == &service_context);
    if (service_calls < 4) service_heights[service_calls] = font->pixel_height;
    ++service_calls;
    return BRIXEL_OK;
}

static brixel_text_service dpi_service(void) {
    brixel_text_service service = BRIXEL_TEXT_SERVICE_INIT;
    service.context = &service_context;
    service.measure = dpi_measure;
    service.render = dpi_render;
    return service;
}

/* Rows holding pixels of the blue caption (smoothed into the grey face)
 * drawn by the built-in service. */
static int caption_rows(void) {
    int x, y, rows = 0;
    for (y = 0; y < DH; ++y) {
        int inked = 0;
        for (x = 4; x < DW - 4; ++x) {
            const uint32_t p = dense[y * DW + x];
            inked |= (int)(p & 0xFF) - (int)(p >> 16 & 0xFF) > 40;
        }
        rows += inked;
    }
    return rows;
}

/* The built-in service keeps its fonts between paints: a later change of the
 * dpi must reach the fonts it already holds. */
static void built_in_text_follows_a_dpi_change(void) {
    brixel_button* b = make_button(BRIXEL_RULES_ACTIVEX, 0);
    int at96, at144;
    CHECK_STATUS(BRIXEL_OK, brixel_set_int(b, 18, 0, NULL));
    CHECK_STATUS(BRIXEL_OK, brixel_set_color(b, 4, 0xFF0000u, NULL)); /* FontColor blue */
    set_text(b, "Caption", "Hg");
    paint_dense(b);
    at96 = caption_rows();
    if (at96 == 0) {
        /* This build has no built-in text service. */
        brixel_button_destroy(b);
        return;
    }
    set_dpi(b, 144);
    paint_dense(b);
    at144 = caption_rows();
    if (at144 * 4 < at96 * 5) {
        ++abi_failures;
        fprintf(stderr, "caption %d rows high at 96 dpi, %d at 144\n", at96, at144);
    }
    brixel_button_destroy(b);
}

/* Row sizes and the width estimate at a dpi: the margins and minimums grow,
 * 0 reads as 96, and the functions without a dpi are the 96 dpi ones. */
static void menu_sizes_follow_dpi(void) {
    static const struct {
        int32_t text_width, text_height, separator, dpi, width, height;
    } rows[] = {
        {50, 13, 0, 96, 97, 20},   {50, 13, 0, 144, 135, 30}, {50, 13, 1, 144, 135, 9},  {50, 13, 0, 0, 97, 20},
        {200, 20, 0, 144, 271, 30}, {200, 24, 0, 144, 271, 30}, {200, 24, 0, 96, 247, 28},
    };
    const int32_t widths[2] = {40, 300};
    int32_t width = 0, height = 0, estimate96 = 0, plain = 0;
    size_t i;
    for (i = 0; i < sizeof rows / sizeof rows[0]; ++i) {
        CHECK_STATUS(BRIXEL_OK, brixel_menu_row_size_dpi(rows[i].text_width, rows[i].text_height, rows[i].separator,
                                                         rows[i].dpi, &width, &height));
        if (width != rows[i].width || height != rows[i].height) {
            ++abi_failures;
            fprintf(stderr, "row %u: %d x %d, expected %d x %d\n", (unsigned)i, (int)width, (int)height,
                    (int)rows[i].width, (int)rows[i].height);
        }
    }
    CHECK_STATUS(BRIXEL_OK, brixel_menu_row_size(50, 13, 0, &width, &height));
    CHECK(width == 97 && height == 20);
    CHECK_STATUS(BRIXEL_E_NULL_ARGUMENT, brixel_menu_row_size_dpi(50, 13, 0, 144, NULL, &height));

    CHECK_STATUS(BRIXEL_OK, brixel_popup_width_estimate_dpi(widths, 2, 0, 96, &estimate96));
    CHECK_STATUS(BRIXEL_OK, brixel_popup_width_estimate(widths, 2, 0, &plain));
    CHECK(estimate96 == plain && plain == 300 + 25 + 22);
    CHECK_STATUS(BRIXEL_OK, brixel_popup_width_estimate_dpi(widths, 2, 0, 144, &width));
    CHECK(width == 300 + 38 + 33);
    CHECK_STATUS(BRIXEL_OK, brixel_popup_width_estimate_dpi(NULL, 0, 1, 144, &width));
    CHECK(width == 135 + 33);
    CHECK_STATUS(BRIXEL_E_INVALID_ARGUMENT, brixel_popup_width_estimate_dpi(widths, -1, 0, 144, &width));
}

/* A host's own sizes by the library's rule. */
static void host_sizes_scale_by_the_same_rule(void) {
    static const struct {
        int32_t pixels, dpi, scaled;
    } rows[] = {{1, 96, 1}, {1, 144, 2}, {4, 144, 6}, {6, 144, 9}, {7, 120, 9}, {5, 0, 5}, {-4, 144, -6}, {4, 192, 8}};
    int32_t scaled = 0;
    size_t i;
    for (i = 0; i < sizeof rows / sizeof rows[0]; ++i) {
        CHECK_STATUS(BRIXEL_OK, brixel_scale_for_dpi(rows[i].pixels, rows[i].dpi, &scaled));
        if (scaled != rows[i].scaled) {
            ++abi_failures;
            fprintf(stderr, "%d pixels at %d dpi gave %d, expected %d\n", (int)rows[i].pixels, (int)rows[i].dpi,
                    (int)scaled, (int)rows[i].scaled);
        }
    }
    CHECK_STATUS(BRIXEL_E_NULL_ARGUMENT, brixel_scale_for_dpi(1, 144, NULL));
    CHECK_STATUS(BRIXEL_E_INVALID_ARGUMENT, brixel_scale_for_dpi(2000000000, 960, &scaled));
    CHECK_STATUS(BRIXEL_E_INVALID_ARGUMENT, brixel_scale_for_dpi(-2000000000, 960, &scaled));
}

enum { RW = 200, RH = 30 };

/* The width of the sidebar strip along the row's middle. */
static int strip_width(const brixel_menu_row* row) {
    static uint32_t pixels[RW * RH];
    brixel_text_service service = dpi_service();
    int x = 0;
    memset(pixels, 0, sizeof pixels);
    CHECK_STATUS(BRIXEL_OK, brixel_menu_paint_row(row, &service, pixels, RW, RH, RW * 4));
    while (x < RW && pixels[(RH / 2) * RW + x] == 0x123456u) ++x;
    return x;
}

/* A row painted at 144 dpi: a wider strip and the font at that size; a caller
 * of the first version of the row, which has no dpi, gets 96 dpi rows. */
static void menu_row_follows_dpi(void) {
    brixel_menu_row row = BRIXEL_MENU_ROW_INIT;
    brixel_font font = BRIXEL_FONT_INIT;
    int at96, at144;
    font.size_units = 82500;
    row.caption = u16("Open", &row.caption_length);
    row.sidebar = 1;
    row.sidebar_colour = 0x123456u;
    row.back = 0xF6F6F6u;
    row.font = &font;

    CHECK(row.dpi == 96);
    service_calls = 0;
    at96 = strip_width(&row);
    CHECK(service_calls > 0 && service_heights[0] == -11);
    row.dpi = 144;
    service_calls = 0;
    at144 = strip_width(&row);
    /* 8.25 points at 144 dpi: 16.5 pixels, rounded away from zero. */
    CHECK(service_calls > 0 && service_heights[0] == -17);
    CHECK(at96 > 0);
    CHECK(at144 == (at96 * 144 + 48) / 96);

    row.size = (uint32_t)offsetof(brixel_menu_row, dpi);
    CHECK(strip_width(&row) == at96);
    row.size = (uint32_t)offsetof(brixel_menu_row, dpi) - 1;
    {
        uint32_t pixel = 0;
        CHECK_STATUS(BRIXEL_E_BAD_SIZE, brixel_menu_paint_row(&row, NULL, &pixel, 1, 1, 4));
    }
}

void test_dpi(void) {
    region_and_minimum_follow_dpi();
    built_in_text_follows_a_dpi_change();
    menu_sizes_follow_dpi();
    host_sizes_scale_by_the_same_rule();
    menu_row_follows_dpi();
}
