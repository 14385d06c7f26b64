/* Painting through the interface: the same pixels DrawTheButton paints,
 * pictures, the host's text service, the window shape and, on Windows, the
 * GDI path onto a memory DC. */
#include "abi_test.h"
#include "reference_face.h"

#include <stddef.h>
#include <stdlib.h>
#include <string.h>

#ifdef _WIN32
#include <windows.h>
#endif

enum { W = 87, H = 25 };

static uint32_t face[W * H];
static uint32_t expected[W * H];

static int first_difference(const uint32_t* a, const uint32_t* b) {
    int i;
    for (i = 0; i < W * H; ++i) {
        if (a[i] != b[i]) return i;
    }
    return -1;
}

static brixel_status paint(brixel_button* b, uint32_t* pixels) {
    brixel_frame frame = shown_frame(-1, -1);
    brixel_paint_result result = BRIXEL_PAINT_RESULT_INIT;
    brixel_status s;
    memset(pixels, 0, sizeof(uint32_t) * W * H);
    s = brixel_paint_buffer(b, &frame, NULL, pixels, W, H, W * 4, &result, NULL);
    if (s == BRIXEL_OK && !result.painted) return -100;
    return s;
}

static void set_caption(brixel_button* b, const char* caption) {
    int32_t length = 0;
    const uint16_t* text = u16(caption, &length);
    CHECK_STATUS(BRIXEL_OK, brixel_set_string(b, -518, text, length, NULL));
}

/* The same face as DrawTheButton paints it, for each appearance. */
static void faces_equal_direct_paint(void) {
    static const struct {
        const char* name;
        int appearance;
        const char* caption;
    } rows[] = {{"flat", 0, "&Print"}, {"3D", 1, "&Print"}, {"XP", 2, "&Print"}, {"XP without caption", 2, ""}};
    size_t i;
    for (i = 0; i < sizeof rows / sizeof rows[0]; ++i) {
        brixel_button* b = make_button(BRIXEL_RULES_ACTIVEX, 0);
        uint32_t border = 0;
        int at;
        set_caption(b, rows[i].caption);
        CHECK_STATUS(BRIXEL_OK, brixel_set_int(b, 18, rows[i].appearance, NULL));
        CHECK_STATUS(BRIXEL_OK, brixel_get_color(b, 5, &border));
        CHECK_STATUS(BRIXEL_OK, paint(b, face));
        memset(expected, 0, sizeof expected);
        CHECK(reference_face(rows[i].caption, rows[i].appearance, border, expected, W, H) == 1);
        at = first_difference(face, expected);
        if (at >= 0) {
            ++abi_failures;
            fprintf(stderr, "face '%s' differs at (%d,%d): %06X, direct %06X\n", rows[i].name, at % W, at / W,
                    (unsigned)face[at], (unsigned)expected[at]);
        }
        brixel_button_destroy(b);
    }
}

/* Pictures registered as pixels: opaque ones show, transparent pixels of an alpha one do not. */
static void pictures_show(void) {
    uint32_t red[8 * 8], holed[8 * 8];
    brixel_picture_desc desc = BRIXEL_PICTURE_DESC_INIT;
    brixel_picture* picture = NULL;
    brixel_button* b = make_button(BRIXEL_RULES_ACTIVEX, 0);
    uint32_t plain[W * H];
    int i;
    for (i = 0; i < 64; ++i) {
        red[i] = 0xFFFF0000u;
        holed[i] = 0x00FF0000u; /* alpha 0 everywhere */
    }
    set_caption(b, "");
    CHECK_STATUS(BRIXEL_OK, brixel_set_int(b, 18, 0, NULL)); /* flat */
    CHECK_STATUS(BRIXEL_OK, paint(b, plain));

    desc.width = 8;
    desc.height = 8;
    desc.stride = 32;
    desc.pixels = red;
    CHECK_STATUS(BRIXEL_OK, brixel_picture_create(&desc, &picture));
    CHECK_STATUS(BRIXEL_OK, brixel_set_picture(b, 100, picture, NULL));
    CHECK_STATUS(BRIXEL_OK, brixel_picture_release(picture));
    CHECK_STATUS(BRIXEL_OK, paint(b, face));
    CHECK(face[12 * W + 43] == 0xFF0000u);

    desc.kind = BRIXEL_PICTURE_ALPHA;
    desc.pixels = holed;
    CHECK_STATUS(BRIXEL_OK, brixel_picture_create(&desc, &picture));
    CHECK_STATUS(BRIXEL_OK, brixel_set_picture(b, 100, picture, NULL));
    CHECK_STATUS(BRIXEL_OK, brixel_picture_release(picture));
    CHECK_STATUS(BRIXEL_OK, paint(b, face));
    CHECK(first_difference(face, plain) < 0);
    brixel_button_destroy(b);
}

/* The host's text service: it is asked with the caption's font, and its coverage is painted in the font colour. */
static int measured, rendered;
static int32_t seen_height;
static brixel_status BRIXEL_CALL fake_measure(void* context, const uint16_t* text, int32_t length, const brixel_font* font,
                                              const brixel_rect* bounds, uint32_t format, brixel_rect* occupied) {
    (void)context, (void)text, (void)length, (void)format;
    ++measured;
    seen_height = font->pixel_height;
    occupied->left = bounds->left;
    occupied->top = bounds->top;
    occupied->right = bounds->left + 10;
    occupied->bottom = bounds->top + 8;
    return BRIXEL_OK;
}
static brixel_status BRIXEL_CALL fake_render(void* context, const uint16_t* text, int32_t length, const brixel_font* font,
                                             const brixel_rect* bounds, uint32_t format, uint8_t* coverage, int32_t stride) {
    int x, y;
    (void)text, (void)length, (void)format;
    ++rendered;
    seen_height = font->pixel_height;
    CHECK(context == &rendered);
    for (y = 0; y < bounds->bottom - bounds->top; ++y) {
        for (x = 0; x < bounds->right - bounds->left; ++x) coverage[y * stride + x] = 255;
    }
    return BRIXEL_OK;
}

/* A button of `rules` with the fake service above and a red "Go" caption. */
static brixel_button* red_caption_button(int rules, brixel_text_service* service) {
    brixel_button* b = make_button(rules, 0);
    service->context = &rendered;
    service->measure = fake_measure;
    service->render = fake_render;
    CHECK_STATUS(BRIXEL_OK, brixel_set_text_service(b, service));
    set_caption(b, "Go");
    CHECK_STATUS(BRIXEL_OK, brixel_set_color(b, 4, 0x0000FFu, NULL)); /* FontColor red */
    return b;
}

static void host_text_service(void) {
    brixel_text_service service = BRIXEL_TEXT_SERVICE_INIT;
    brixel_button* b = red_caption_button(BRIXEL_RULES_ACTIVEX, &service);
    int i, dark = 0;
    CHECK_STATUS(BRIXEL_OK, paint(b, face));
    CHECK(rendered > 0);
    CHECK(seen_height == -11);
    for (i = 0; i < W * H; ++i) dark += face[i] == 0xFF0000u;
    CHECK(dark > 0);
    service.render = NULL;
    CHECK_STATUS(BRIXEL_E_NULL_ARGUMENT, brixel_set_text_service(b, &service));
    brixel_button_destroy(b);
}

/* The caption left to the host: the face comes without it and the result
 * says where, in which state font and colour, it goes. */
static int count_colour(const uint32_t* pixels, uint32_t colour, const brixel_rect* inside, int* outside) {
    int x, y, n = 0;
    *outside = 0;
    for (y = 0; y < H; ++y) {
        for (x = 0; x < W; ++x) {
            if (pixels[y * W + x] != colour) continue;
            ++n;
            if (x < inside->left || x >= inside->right || y < inside->top || y >= inside->bottom) ++*outside;
        }
    }
    return n;
}

static brixel_status paint_with(brixel_button* b, uint32_t* pixels, const brixel_paint_options* options,
                                brixel_paint_result* result) {
    brixel_frame frame = shown_frame(-1, -1);
    memset(pixels, 0, sizeof(uint32_t) * W * H);
    return brixel_paint_buffer(b, &frame, options, pixels, W, H, W * 4, result, NULL);
}

static void caption_left_to_host(void) {
    static uint32_t with_caption[W * H];
    brixel_text_service service = BRIXEL_TEXT_SERVICE_INIT;
    brixel_paint_options options = BRIXEL_PAINT_OPTIONS_INIT;
    brixel_paint_result result = BRIXEL_PAINT_RESULT_INIT;
    brixel_button* b = red_caption_button(BRIXEL_RULES_DOTNET, &service);
    int outside = 0, x, y, differ_outside = 0;

    CHECK_STATUS(BRIXEL_OK, paint_with(b, with_caption, &options, &result));
    CHECK(result.caption.shown == 1 && result.caption.text == BRIXEL_CAPTION_TEXT);
    CHECK(result.caption.font == 0 && result.caption.underline == 0);
    CHECK(result.caption.colour == 0xFF0000u);
    CHECK((result.caption.format & BRIXEL_TEXT_SINGLE_LINE) == 0);
    CHECK(result.caption.box.right > result.caption.box.left && result.caption.box.bottom > result.caption.box.top);
    CHECK(count_colour(with_caption, 0xFF0000u, &result.caption.box, &outside) > 0);
    CHECK(outside == 0);

    options.caption_by_host = 1;
    result.caption.shown = 0;
    CHECK_STATUS(BRIXEL_OK, paint_with(b, face, &options, &result));
    CHECK(result.painted == 1 && result.caption.shown == 1);
    CHECK(count_colour(face, 0xFF0000u, &result.caption.box, &outside) == 0);
    for (y = 0; y < H; ++y) {
        for (x = 0; x < W; ++x) {
            const int in = x >= result.caption.box.left && x < result.caption.box.right && y >= result.caption.box.top &&
                           y < result.caption.box.bottom;
            if (!in && face[y * W + x] != with_caption[y * W + x]) ++differ_outside;
        }
    }
    CHECK(differ_outside == 0);

    /* Disabled: the disabled font's slot. */
    CHECK_STATUS(BRIXEL_OK, brixel_set_bool(b, -514, 0, NULL));
    CHECK_STATUS(BRIXEL_OK, paint_with(b, face, &options, &result));
    CHECK(result.caption.font == 3);
    CHECK_STATUS(BRIXEL_OK, brixel_set_bool(b, -514, 1, NULL));

    /* Structs of the first version: the caption is drawn, and a short result is not written past its end. */
    options.size = (uint32_t)offsetof(brixel_paint_options, caption_by_host);
    result.size = (uint32_t)offsetof(brixel_paint_result, caption);
    result.caption.shown = 77;
    CHECK_STATUS(BRIXEL_OK, paint_with(b, face, &options, &result));
    CHECK(result.painted == 1 && result.caption.shown == 77);
    CHECK(first_difference(face, with_caption) < 0);
    options.size = (uint32_t)offsetof(brixel_paint_options, caption_by_host) - 1;
    CHECK_STATUS(BRIXEL_E_BAD_SIZE, paint_with(b, face, &options, &result));
    brixel_button_destroy(b);
}

/* Flat with rounded corners: the region leaves the corner pixels out. */
static void window_region(void) {
    brixel_button* b = make_button(BRIXEL_RULES_ACTIVEX, 0);
    brixel_frame frame = shown_frame(-1, -1);
    brixel_rect rects[64];
    int32_t count = 0, i, width = 0, height = 0;
    int corner = 0, centre = 0;
    int32_t length = 0;
    const uint16_t* corners = u16("1;1;1;1", &length);
    CHECK_STATUS(BRIXEL_OK, brixel_set_int(b, 18, 0, NULL));
    CHECK_STATUS(BRIXEL_OK, brixel_set_string(b, 81, corners, length, NULL));
    CHECK_STATUS(BRIXEL_E_BUFFER_TOO_SMALL, brixel_region_rects(b, &frame, rects, 0, &count));
    CHECK(count > 1 && count <= 64);
    CHECK_STATUS(BRIXEL_OK, brixel_region_rects(b, &frame, rects, 64, &count));
    for (i = 0; i < count; ++i) {
        corner |= rects[i].left <= 0 && rects[i].right > 0 && rects[i].top <= 0 && rects[i].bottom > 0;
        centre |= rects[i].left <= 43 && rects[i].right > 43 && rects[i].top <= 12 && rects[i].bottom > 12;
    }
    CHECK(!corner && centre);
    CHECK_STATUS(BRIXEL_OK, brixel_minimum_size(b, &width, &height));
    CHECK(width == 16 && height == 17);
    brixel_button_destroy(b);
}

#ifdef _WIN32
/* Paints `b` onto a memory DC through GDI into `out`. */
static void paint_gdi(brixel_button* b, const brixel_paint_options* options, uint32_t* out) {
    brixel_frame frame = shown_frame(-1, -1);
    brixel_paint_result result = BRIXEL_PAINT_RESULT_INIT;
    BITMAPINFO info;
    void* bits = NULL;
    HDC dc = CreateCompatibleDC(NULL);
    HBITMAP bitmap;
    HGDIOBJ old;
    int i;
    memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = W;
    info.bmiHeader.biHeight = -H;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    old = SelectObject(dc, bitmap);
    CHECK_STATUS(BRIXEL_OK, brixel_paint_hdc(b, &frame, options, dc, &result, NULL));
    CHECK(result.painted == 1);
    GdiFlush();
    memcpy(out, bits, sizeof(uint32_t) * W * H);
    for (i = 0; i < W * H; ++i) out[i] &= 0x00FFFFFFu;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

/* The GDI path onto a memory DC paints what the pixel path paints, pictures included. */
static void gdi_path(void) {
    static const struct {
        const char* name;
        int kind; /* -1: no picture */
    } rows[] = {{"3D face", -1}, {"opaque picture", BRIXEL_PICTURE_OPAQUE}, {"alpha picture", BRIXEL_PICTURE_ALPHA}};
    uint32_t art[8 * 8];
    size_t r;
    int i, at;
    for (i = 0; i < 64; ++i) art[i] = (i % 3 == 0) ? 0x000000FFu : 0xFF00FF00u; /* every third pixel transparent */
    for (r = 0; r < sizeof rows / sizeof rows[0]; ++r) {
        brixel_button* b = make_button(BRIXEL_RULES_ACTIVEX, 0);
        set_caption(b, "");
        CHECK_STATUS(BRIXEL_OK, brixel_set_int(b, 18, 1, NULL)); /* 3D */
        if (rows[r].kind >= 0) {
            brixel_picture_desc desc = BRIXEL_PICTURE_DESC_INIT;
            brixel_picture* picture = NULL;
            desc.kind = rows[r].kind;
            desc.width = 8;
            desc.height = 8;
            desc.stride = 32;
            desc.pixels = art;
            CHECK_STATUS(BRIXEL_OK, brixel_picture_create(&desc, &picture));
            CHECK_STATUS(BRIXEL_OK, brixel_set_picture(b, 100, picture, NULL));
            brixel_picture_release(picture);
        }
        paint_gdi(b, NULL, expected);
        CHECK_STATUS(BRIXEL_OK, paint(b, face));
        at = first_difference(face, expected);
        if (at >= 0) {
            ++abi_failures;
            fprintf(stderr, "GDI '%s' differs at (%d,%d): pixel %06X, GDI %06X\n", rows[r].name, at % W, at / W,
                    (unsigned)face[at], (unsigned)expected[at]);
        }
        CHECK_STATUS(BRIXEL_E_NULL_ARGUMENT, brixel_paint_hdc(b, NULL, NULL, NULL, NULL, NULL));
        brixel_button_destroy(b);
    }
}

/* A Windows Forms host drawing its own caption gets from the GDI path the
 * face the pixel path paints without the caption, and the same plan. */
static void gdi_path_leaves_the_caption_to_the_host(void) {
    brixel_paint_options options = BRIXEL_PAINT_OPTIONS_INIT;
    brixel_paint_result result = BRIXEL_PAINT_RESULT_INIT;
    brixel_button* b = make_button(BRIXEL_RULES_DOTNET, 0);
    int at;
    set_caption(b, "Go");
    CHECK_STATUS(BRIXEL_OK, brixel_set_int(b, 18, 1, NULL)); /* 3D */
    options.caption_by_host = 1;
    paint_gdi(b, &options, expected);
    CHECK_STATUS(BRIXEL_OK, paint_with(b, face, &options, &result));
    CHECK(result.caption.shown == 1);
    at = first_difference(face, expected);
    if (at >= 0) {
        ++abi_failures;
        fprintf(stderr, "GDI face without caption differs at (%d,%d): pixel %06X, GDI %06X\n", at % W, at / W,
                (unsigned)face[at], (unsigned)expected[at]);
    }
    options.caption_by_host = 0;
    paint_gdi(b, &options, face);
    CHECK(first_difference(face, expected) >= 0); /* with its caption the face differs */
    brixel_button_destroy(b);
}
#endif

void test_painting(void) {
    brixel_button* b = make_button(BRIXEL_RULES_ACTIVEX, 0);
    CHECK_STATUS(BRIXEL_E_INVALID_ARGUMENT, brixel_paint_buffer(b, NULL, NULL, face, W, H, W * 4 - 1, NULL, NULL));
    CHECK_STATUS(BRIXEL_E_NULL_ARGUMENT, brixel_paint_buffer(b, NULL, NULL, NULL, W, H, W * 4, NULL, NULL));
    CHECK_STATUS(BRIXEL_E_INVALID_ARGUMENT, brixel_paint_buffer(b, NULL, NULL, face, 0, H, W * 4, NULL, NULL));
#ifndef _WIN32
    CHECK_STATUS(BRIXEL_E_UNSUPPORTED, brixel_paint_hdc(b, NULL, NULL, face, NULL, NULL));
#endif
    brixel_button_destroy(b);
    faces_equal_direct_paint();
    pictures_show();
    host_text_service();
    caption_left_to_host();
    window_region();
#ifdef _WIN32
    gdi_path();
    gdi_path_leaves_the_caption_to_the_host();
#endif
}
