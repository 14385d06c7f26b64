/*
 * brixel.h: the C interface to the button.
 *
 * One button instance (brixel_button) holds the property set, the menu rules
 * and the interaction state; every decision is made behind this interface
 * and handed back to the host as data. The host owns the window, the
 * timers, the sounds, the message boxes and the events; it carries out what
 * each call asks, in the order given.
 *
 * Conventions
 *  - Every function returns a brixel_status: BRIXEL_OK (0), BRIXEL_END (1, a
 *    list has no more entries) or a negative error. brixel_status_text turns
 *    any code into a short English sentence. Nothing throws across this line.
 *  - Handles are opaque. A null handle, one already destroyed or one that
 *    never came from this library gives BRIXEL_E_BAD_HANDLE, never a crash.
 *  - Structs passed by pointer begin with `size`: the caller sets it to
 *    sizeof the struct it was compiled with, so the struct can grow. The
 *    BRIXEL_..._INIT macros do that.
 *  - Text is UTF-16 as pointer plus length in UTF-16 units (no terminator
 *    needed on input). Text comes out into a caller buffer: `capacity` in
 *    UTF-16 units; `*length` always receives the full length without the
 *    terminator; the text is written, terminated, only when length + 1 fits,
 *    otherwise the call returns BRIXEL_E_BUFFER_TOO_SMALL.
 *  - Colours are 32-bit OLE colours: 0x00BBGGRR, or 0x800000nn for the
 *    system colour nn. Pixels in buffers are 0x00RRGGBB words (byte order
 *    B, G, R, x in memory), rows top-down, `stride` bytes apart.
 *  - Out-parameters come last. Who frees what is written beside each call.
 *  - A button is used from one thread at a time; different buttons may live
 *    on different threads.
 *  - On Windows every function and callback uses the C calling convention
 *    (BRIXEL_CALL), also in the 32-bit DLL: P/Invoke declarations say
 *    CallingConvention.Cdecl.
 */
#ifndef BRIXEL_BRIXEL_H
#define BRIXEL_BRIXEL_H

#include <stddef.h>
#include <stdint.h>

#ifdef _WIN32
#define BRIXEL_CALL __cdecl
#ifdef BRIXEL_BUILDING
#define BRIXEL_API __declspec(dllexport)
#else
#define BRIXEL_API __declspec(dllimport)
#endif
#else
#define BRIXEL_CALL
#if defined(BRIXEL_BUILDING) && defined(__GNUC__)
#define BRIXEL_API __attribute__((visibility("default")))
#else
#define BRIXEL_API
#endif
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---------------------------------------------------------------------------
 * Version
 * Major in the high 16 bits, minor in the low 16 bits. A library with the
 * same major and a minor at least the caller's serves that caller.
 * ------------------------------------------------------------------------- */
#define BRIXEL_ABI_VERSION 0x00010002u
#define BRIXEL_ABI_VERSION_MAJOR(v) ((uint32_t)(v) >> 16)

BRIXEL_API uint32_t BRIXEL_CALL brixel_abi_version(void);

/* ---------------------------------------------------------------------------
 * Status codes
 * ------------------------------------------------------------------------- */
typedef int32_t brixel_status;

#define BRIXEL_OK 0
#define BRIXEL_END 1                   /* no more entries in a list */
#define BRIXEL_E_BAD_HANDLE (-1)       /* null, destroyed or foreign handle */
#define BRIXEL_E_NULL_ARGUMENT (-2)    /* a required pointer is null */
#define BRIXEL_E_BAD_SIZE (-3)         /* a struct's size field is too small */
#define BRIXEL_E_UNKNOWN_PROPERTY (-4) /* no property with that id or name */
#define BRIXEL_E_WRONG_TYPE (-5)       /* the property has another type */
#define BRIXEL_E_READ_ONLY (-6)
#define BRIXEL_E_INVALID_ENUM (-7)     /* .NET rules: not a value of the enumeration; nothing changed */
#define BRIXEL_E_INVALID_ARGUMENT (-8)
#define BRIXEL_E_BUFFER_TOO_SMALL (-9) /* *length says how much is needed */
#define BRIXEL_E_FILE_NOT_FOUND (-10)  /* "The specified file was not found" */
#define BRIXEL_E_PATH_NOT_FOUND (-11)  /* "The specified path was not found" */
#define BRIXEL_E_FILE_ACCESS (-12)     /* "File Access Error" */
#define BRIXEL_E_REFUSED (-13)         /* e.g. a hyperlink address that may not be opened */
#define BRIXEL_E_UNSUPPORTED (-14)     /* not in this build (HDC painting off Windows, no fonts) */
#define BRIXEL_E_NO_MEMORY (-15)
#define BRIXEL_E_INTERNAL (-16)        /* a fault inside the library; the button is unchanged or reset */

/* A static, NUL-terminated ASCII text for any code (unknown codes included);
 * never null, never to be freed. For the three file errors it is exactly the
 * message the control's callers expect. */
BRIXEL_API const char* BRIXEL_CALL brixel_status_text(brixel_status status);

/* ---------------------------------------------------------------------------
 * Shared plain types
 * ------------------------------------------------------------------------- */
typedef struct brixel_rect {
    int32_t left, top, right, bottom; /* right and bottom exclusive */
} brixel_rect;

/* A font by value, as the font properties hold it. */
typedef struct brixel_font {
    uint32_t size;
    const uint16_t* face; /* UTF-16; on output valid until the next call on the same button */
    int32_t face_length;
    int64_t size_units;   /* point size x 10000 (8.25 pt = 82500) */
    int32_t weight;       /* 400 regular, 700 bold */
    int32_t charset;
    int32_t italic, underline, strikethrough; /* 0 or 1 */
    /* The character height in pixels at the button's dpi (negative, as the
     * platform's font height). Output only: set by the library when it hands
     * a font to a text service or a getter; ignored on input. */
    int32_t pixel_height;
} brixel_font;
#define BRIXEL_FONT_INIT {sizeof(brixel_font), 0, 0, 0, 400, 0, 0, 0, 0, 0}

/* ---------------------------------------------------------------------------
 * Text service: how captions and menu rows are measured and drawn.
 *
 * The host's service lays text out the way formatted text drawing does:
 * `format` combines the BRIXEL_TEXT_ flags; without BRIXEL_TEXT_NO_PREFIX an
 * "&" underlines the next character (the mnemonic) and "&&" shows one "&".
 * A service that is not set, or set to null, is the built-in FreeType
 * service (Liberation fonts) where this build has one.
 *
 * measure: the rectangle the text occupies laid out in `bounds` (it starts
 *   at the bounds' top left; width of the widest line, height of all lines).
 * render: lays the text out in `bounds` and writes its coverage into
 *   `coverage`, one byte per pixel of the bounds (0 nothing, 255 fully
 *   inside a glyph; the mnemonic underline included), rows `stride` bytes
 *   apart, already cleared to 0. The library colours, clips and blends.
 * Both return BRIXEL_OK; any other status draws no text for that call.
 * The pointers passed in are valid only during the call. The callbacks must
 * not call back into the library for the same button.
 * ------------------------------------------------------------------------- */
#define BRIXEL_TEXT_LEFT 0x00u
#define BRIXEL_TEXT_CENTER 0x01u
#define BRIXEL_TEXT_RIGHT 0x02u
#define BRIXEL_TEXT_TOP 0x00u
#define BRIXEL_TEXT_VCENTER 0x04u
#define BRIXEL_TEXT_BOTTOM 0x08u
#define BRIXEL_TEXT_SINGLE_LINE 0x10u
#define BRIXEL_TEXT_WORD_BREAK 0x20u
#define BRIXEL_TEXT_NO_PREFIX 0x40u

typedef brixel_status(BRIXEL_CALL* brixel_measure_fn)(void* context, const uint16_t* text, int32_t length,
                                                      const brixel_font* font, const brixel_rect* bounds,
                                                      uint32_t format, brixel_rect* occupied);
typedef brixel_status(BRIXEL_CALL* brixel_render_fn)(void* context, const uint16_t* text, int32_t length,
                                                     const brixel_font* font, const brixel_rect* bounds,
                                                     uint32_t format, uint8_t* coverage, int32_t stride);

typedef struct brixel_text_service {
    uint32_t size;
    void* context; /* handed back to each callback; the library never touches it */
    brixel_measure_fn measure;
    brixel_render_fn render;
} brixel_text_service;
#define BRIXEL_TEXT_SERVICE_INIT {sizeof(brixel_text_service), 0, 0, 0}

/* ---------------------------------------------------------------------------
 * Pictures
 * A picture is registered once as pixels and referred to by handle; picture
 * properties keep their own reference, so the host may release its handle
 * as soon as it has assigned it.
 * ------------------------------------------------------------------------- */
typedef struct brixel_picture brixel_picture;

#define BRIXEL_PICTURE_OPAQUE 0 /* every pixel drawn; the state's transparent-colour property keys one colour out */
#define BRIXEL_PICTURE_ALPHA 1  /* pixels with alpha below 128 are transparent (0xAARRGGBB words) */

typedef struct brixel_picture_desc {
    uint32_t size;
    int32_t kind;        /* BRIXEL_PICTURE_ */
    int32_t width, height;
    const void* pixels;  /* 32-bit words, top-down; copied, so the caller keeps its buffer */
    int32_t stride;      /* bytes from one row to the next */
    int32_t dpi;         /* the image's resolution for its physical size; 0 means 96 */
} brixel_picture_desc;
#define BRIXEL_PICTURE_DESC_INIT {sizeof(brixel_picture_desc), 0, 0, 0, 0, 0, 0}

/* *picture receives a new handle; free it with brixel_picture_release. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_picture_create(const brixel_picture_desc* desc, brixel_picture** picture);
/* Releases the caller's reference; properties holding the picture keep it. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_picture_release(brixel_picture* picture);

/* ---------------------------------------------------------------------------
 * Button instance
 * ------------------------------------------------------------------------- */
typedef struct brixel_button brixel_button;

/* Rule variants. */
#define BRIXEL_RULES_ACTIVEX 0 /* the ActiveX control's rules */
/* The Windows Forms control's: enumerations validated (BRIXEL_E_INVALID_ENUM),
 * BRIXEL_PROP_FLAT_STYLE instead of Appearance values, System style resolved
 * from the environment's theme_active, AppearanceStyle effective only after a
 * BorderColor assignment, BorderColor's custom flag only when the colour
 * changes, classic grey for the down and mouse-in border colours when the XP
 * look goes, and the Windows Forms defaults. */
#define BRIXEL_RULES_DOTNET 1

/* What the host knows of its container and desktop. Passed at creation and
 * again whenever it changes (brixel_set_environment). */
typedef struct brixel_environment {
    uint32_t size;
    int32_t user_mode;          /* 1 run time, 0 design time */
    int32_t display_as_default; /* the host shows this button as the default button */
    int32_t has_ambient_back_colour;
    uint32_t ambient_back_colour;   /* the container's background (OLE colour) */
    int32_t desktop_xp_scheme;      /* 0 blue, 1 olive green, 2 silver: what auto-detect finds */
    int32_t theme_active;           /* the desktop's "ThemeActive" is not "0" (the System style) */
    int32_t windows_forms_parent;   /* the parent is a Windows Forms window */
    int32_t dpi;                    /* 0 means 96; the face, region, minimum size and fonts follow it */
    const uint32_t* system_colours; /* 0x00RRGGBB for indexes 0 .. system_colour_count-1; null: classic colours */
    int32_t system_colour_count;
    /* .NET rules: the control's window is not shown yet while its Visible
     * property is true (a form still loading). FlatStyle and XPColorScheme
     * assignments then keep the stored border colours. */
    int32_t hidden_while_loading;
} brixel_environment;
#define BRIXEL_ENVIRONMENT_INIT {sizeof(brixel_environment), 1, 0, 0, 0, 0, 1, 0, 96, 0, 0, 0}

typedef struct brixel_create_options {
    uint32_t size;
    int32_t rules;                 /* BRIXEL_RULES_ */
    const uint16_t* display_name;  /* the default Caption: the control's name in the container */
    int32_t display_name_length;
    const brixel_environment* environment; /* null: BRIXEL_ENVIRONMENT_INIT */
} brixel_create_options;
#define BRIXEL_CREATE_OPTIONS_INIT {sizeof(brixel_create_options), 0, 0, 0, 0}

/* *button receives a new button with the defaults of a new control; free it
 * with brixel_button_destroy. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_button_create(const brixel_create_options* options, brixel_button** button);
/* Destroys the button; every later use of the handle gives BRIXEL_E_BAD_HANDLE.
 * Effect lists already handed out stay valid until freed. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_button_destroy(brixel_button* button);
BRIXEL_API brixel_status BRIXEL_CALL brixel_set_environment(brixel_button* button, const brixel_environment* environment);
/* The service is copied; null restores the built-in one. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_set_text_service(brixel_button* button, const brixel_text_service* service);

/* ---------------------------------------------------------------------------
 * Effects: what a call asks the host to do
 *
 * Calls that change the button take `effects`: on return *effects is a new
 * list (free it with brixel_effects_free), or pass null to drop the effects.
 * The host takes the entries one by one with brixel_effects_next and
 * carries them out in order, under these rules:
 *  1. After each event (BRIXEL_EFFECT_FIRE_...), if the host's control is
 *     gone (a handler disposed it), stop and free the list.
 *  2. A run of entries with only_if_capture_lost set is carried out only
 *     when, at the first of them, the control's window no longer holds the
 *     mouse capture.
 *  3. UI_ACTIVATE_AFTER_CLICK only while the window is the one the step
 *     began with.
 *  4. A handler may call into the button again; that call's list is carried
 *     out at once, inside the handler, before the outer list goes on.
 *  5. Around FIRE_CLICK call brixel_click_event(button, 1) and (button, 0), so
 *     that the Value property reads TRUE inside the handler.
 * A key event's handler may set the key code to 0: the host then skips the
 * default processing of that key.
 * ------------------------------------------------------------------------- */
typedef struct brixel_effects brixel_effects;

enum brixel_effect_kind {
    /* Events, with the automation argument encodings. */
    BRIXEL_EFFECT_FIRE_CLICK = 1,
    BRIXEL_EFFECT_FIRE_DBL_CLICK = 2,
    BRIXEL_EFFECT_FIRE_MOUSE_DOWN = 3, /* code: button (1 left, 2 right, 4 middle), shift, x, y */
    BRIXEL_EFFECT_FIRE_MOUSE_MOVE = 4, /* code: held buttons, shift, x, y */
    BRIXEL_EFFECT_FIRE_MOUSE_UP = 5,   /* code: button, shift, x, y */
    BRIXEL_EFFECT_FIRE_KEY_DOWN = 6,   /* code: key code, shift */
    BRIXEL_EFFECT_FIRE_KEY_PRESS = 7,  /* code: character */
    BRIXEL_EFFECT_FIRE_KEY_UP = 8,     /* code: key code, shift */
    BRIXEL_EFFECT_FIRE_MOUSE_ENTER = 9,
    BRIXEL_EFFECT_FIRE_MOUSE_EXIT = 10,
    BRIXEL_EFFECT_FIRE_BUTTON_TOGGLED = 11, /* flag: the new toggle state */
    BRIXEL_EFFECT_FIRE_WHILE_MOUSE_DOWN = 12,

    /* The window and its surroundings. */
    BRIXEL_EFFECT_REDRAW = 20,            /* paint the whole face now; flag: right after a click */
    BRIXEL_EFFECT_SHOW_FOCUS_BORDER = 21, /* flag: shown */
    BRIXEL_EFFECT_SHOW_HAND_CURSOR = 22,
    BRIXEL_EFFECT_RELAY_TO_TOOLTIP = 23,  /* code: 0 left down, 1 left up, 2 move; x, y */
    BRIXEL_EFFECT_HIDE_CONTAINER_TOOLTIP = 24,
    BRIXEL_EFFECT_START_TIMER = 25,       /* code: timer id (2 hover, 3 repeat), value: period in ms */
    BRIXEL_EFFECT_STOP_TIMER = 26,        /* code: timer id */
    BRIXEL_EFFECT_TAKE_CAPTURE = 27,
    BRIXEL_EFFECT_RELEASE_CAPTURE = 28,   /* only if the control's window holds it */
    BRIXEL_EFFECT_GIVE_CAPTURE_TO = 29,   /* window */
    BRIXEL_EFFECT_TAKE_FOCUS = 30,
    BRIXEL_EFFECT_PASS_FOCUS_TO_NEXT = 31,
    BRIXEL_EFFECT_DEFAULT_PROCESSING = 32, /* the default handling of the message in hand */
    BRIXEL_EFFECT_SEND_BUTTON_UP = 33,     /* code: 0 left, 1 middle, 2 right; x, y: post it as real input */
    BRIXEL_EFFECT_SEND_SPACE_KEY_UP = 34,
    BRIXEL_EFFECT_UI_ACTIVATE_AFTER_CLICK = 35,

    /* The button's own services. */
    BRIXEL_EFFECT_DROP_MENU = 40,
    BRIXEL_EFFECT_PLAY_SOUND = 41,     /* code: 0 click sound, 1 mouse-in sound; value: the ClickSound/MouseInSound value */
    BRIXEL_EFFECT_OPEN_HYPERLINK = 42, /* text: HyperlinkAddress */
    BRIXEL_EFFECT_MESSAGE_BOX = 43,    /* text: the message; code: 0 plain, 1 stop icon, 2 exclamation */

    /* What a property change asks for. */
    BRIXEL_EFFECT_MARK_MODIFIED = 50,
    BRIXEL_EFFECT_NOTIFY_PROPERTY_CHANGED = 51, /* value: property id */
    BRIXEL_EFFECT_REBUILD_REGION = 52,          /* brixel_region_rects gives the new shape */
    BRIXEL_EFFECT_REAPPLY_CONTROL_SIZE = 53,    /* brixel_minimum_size gives the limit */
    BRIXEL_EFFECT_SET_TOOLTIP = 54,             /* text, flag: active */
    BRIXEL_EFFECT_ENABLE_WINDOW = 55,           /* flag: enable */
    BRIXEL_EFFECT_REFRESH_TRANSLUCENCY = 56,
    BRIXEL_EFFECT_APPLY_MENU_READING_DIRECTION = 57
};

typedef struct brixel_effect {
    uint32_t size;
    int32_t kind;     /* brixel_effect_kind */
    int32_t code;
    int32_t shift;    /* 1 Shift, 2 Ctrl, 4 Alt */
    int32_t x, y;     /* client pixels */
    int32_t flag;     /* 0 or 1 */
    int32_t value;
    uint64_t window;  /* a window the host named in a frame */
    int32_t only_if_capture_lost;
    const uint16_t* text; /* valid until the list is freed; null when empty */
    int32_t text_length;
} brixel_effect;
#define BRIXEL_EFFECT_INIT {sizeof(brixel_effect), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}

/* BRIXEL_OK with the next entry in *effect, or BRIXEL_END when none is left. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_effects_next(brixel_effects* effects, brixel_effect* effect);
BRIXEL_API brixel_status BRIXEL_CALL brixel_effects_count(brixel_effects* effects, int32_t* count);
BRIXEL_API brixel_status BRIXEL_CALL brixel_effects_free(brixel_effects* effects);

/* ---------------------------------------------------------------------------
 * Properties
 * Ids are the automation DISPIDs of the ActiveX control (BackColor -501,
 * Caption -518, Enabled -514, Font 111, ...), plus the ids below for what
 * only the Windows Forms surface has. brixel_property_id looks one up by its
 * automation name; brixel_property_info lists them all.
 * Each setter stores and runs the property's rules; a guarded property that
 * refuses a value returns BRIXEL_OK with a MESSAGE_BOX effect and keeps its
 * old value. Enumerations are 16-bit values set with brixel_set_int.
 * ------------------------------------------------------------------------- */
#define BRIXEL_PROP_FLAT_STYLE 0x10001 /* .NET kvnFlatStyle: Flat 0, Popup 1, Standard 2, System 3, XPStyle 4, XPPopup 5 */
#define BRIXEL_PROP_CUSTOM_BORDER_COLOR 0x10002         /* bool: BorderColorCustom */
#define BRIXEL_PROP_CUSTOM_MOUSE_IN_BORDER_COLOR 0x10003 /* bool: MouseInBorderColorCustom */
#define BRIXEL_PROP_CUSTOM_DOWN_BORDER_COLOR 0x10004     /* bool: DownBorderColorCustom */

#define BRIXEL_TYPE_BOOL 1
#define BRIXEL_TYPE_INT 2     /* 16-bit values, enumerations included */
#define BRIXEL_TYPE_INT32 3
#define BRIXEL_TYPE_COLOR 4
#define BRIXEL_TYPE_STRING 5
#define BRIXEL_TYPE_FONT 6
#define BRIXEL_TYPE_PICTURE 7

typedef struct brixel_property_info {
    uint32_t size;
    int32_t id;
    int32_t type;          /* BRIXEL_TYPE_ */
    int32_t read_only;
    const char* name;      /* static ASCII automation name */
    const char* enum_type; /* static ASCII "ENUM_..." or null */
} brixel_property_info;
#define BRIXEL_PROPERTY_INFO_INIT {sizeof(brixel_property_info), 0, 0, 0, 0, 0}

/* Entry `index` (from 0) of the property list; BRIXEL_END past the last. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_property_info_at(int32_t index, brixel_property_info* info);
/* `name` is ASCII, NUL-terminated, compared without regard to case. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_property_id(const char* name, int32_t* id);

BRIXEL_API brixel_status BRIXEL_CALL brixel_set_bool(brixel_button* button, int32_t id, int32_t value, brixel_effects** effects);
BRIXEL_API brixel_status BRIXEL_CALL brixel_set_int(brixel_button* button, int32_t id, int32_t value, brixel_effects** effects);
BRIXEL_API brixel_status BRIXEL_CALL brixel_set_color(brixel_button* button, int32_t id, uint32_t value, brixel_effects** effects);
BRIXEL_API brixel_status BRIXEL_CALL brixel_set_string(brixel_button* button, int32_t id, const uint16_t* text, int32_t length,
                                                       brixel_effects** effects);
BRIXEL_API brixel_status BRIXEL_CALL brixel_set_font(brixel_button* button, int32_t id, const brixel_font* font, brixel_effects** effects);
/* `picture` null empties the property. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_set_picture(brixel_button* button, int32_t id, brixel_picture* picture, brixel_effects** effects);

BRIXEL_API brixel_status BRIXEL_CALL brixel_get_bool(brixel_button* button, int32_t id, int32_t* value);
BRIXEL_API brixel_status BRIXEL_CALL brixel_get_int(brixel_button* button, int32_t id, int32_t* value);
BRIXEL_API brixel_status BRIXEL_CALL brixel_get_color(brixel_button* button, int32_t id, uint32_t* value);
BRIXEL_API brixel_status BRIXEL_CALL brixel_get_string(brixel_button* button, int32_t id, uint16_t* buffer, int32_t capacity, int32_t* length);
/* font->face points into the button; valid until the next call on it. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_get_font(brixel_button* button, int32_t id, brixel_font* font);
/* *picture receives a new reference (release it) or null for an empty property. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_get_picture(brixel_button* button, int32_t id, brixel_picture** picture);

/* ---------------------------------------------------------------------------
 * Interaction
 * Each step takes the window as the host sees it when the step begins.
 * `frame` null means the frame of the previous step (initially: no window).
 * ------------------------------------------------------------------------- */
typedef struct brixel_frame {
    uint32_t size;
    uint64_t window;        /* any non-zero value naming the control's window; 0: no window */
    int32_t width, height;  /* client size */
    uint64_t capture;       /* the window holding the mouse capture, 0 for none */
    int32_t cursor_x, cursor_y; /* the pointer now, client pixels */
    int32_t enabled, visible;   /* the window's state */
    int32_t has_focus;          /* the window has the keyboard focus (painting reads it) */
} brixel_frame;
#define BRIXEL_FRAME_INIT {sizeof(brixel_frame), 0, 0, 0, 0, -1, -1, 0, 0, 0}

#define BRIXEL_BUTTON_LEFT 1
#define BRIXEL_BUTTON_RIGHT 2
#define BRIXEL_BUTTON_MIDDLE 4
#define BRIXEL_SHIFT 1
#define BRIXEL_CTRL 2
#define BRIXEL_ALT 4

/* `button_id` is one BRIXEL_BUTTON_; `clicks` 1, or 2 for a double click. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_mouse_down(brixel_button* button, const brixel_frame* frame, int32_t button_id,
                                                       int32_t clicks, int32_t x, int32_t y, int32_t shift,
                                                       brixel_effects** effects);
BRIXEL_API brixel_status BRIXEL_CALL brixel_mouse_up(brixel_button* button, const brixel_frame* frame, int32_t button_id,
                                                     int32_t x, int32_t y, int32_t shift, brixel_effects** effects);
/* `buttons`: the held buttons, BRIXEL_BUTTON_ combined. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_mouse_move(brixel_button* button, const brixel_frame* frame, int32_t x, int32_t y,
                                                       int32_t buttons, int32_t shift, brixel_effects** effects);
/* The pointer left the window: the hover check runs at once instead of on
 * the next hover tick (the frame's cursor should lie outside). */
BRIXEL_API brixel_status BRIXEL_CALL brixel_mouse_leave(brixel_button* button, const brixel_frame* frame, brixel_effects** effects);
/* `key` is the virtual key code (space 0x20, enter 0x0D). */
BRIXEL_API brixel_status BRIXEL_CALL brixel_key_down(brixel_button* button, const brixel_frame* frame, int32_t key,
                                                     int32_t auto_repeat, int32_t shift, brixel_effects** effects);
BRIXEL_API brixel_status BRIXEL_CALL brixel_key_up(brixel_button* button, const brixel_frame* frame, int32_t key, int32_t shift,
                                                   brixel_effects** effects);
BRIXEL_API brixel_status BRIXEL_CALL brixel_key_char(brixel_button* button, const brixel_frame* frame, int32_t character,
                                                     brixel_effects** effects);
/* The mnemonic of the caption was pressed. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_mnemonic(brixel_button* button, const brixel_frame* frame, int32_t key,
                                                     brixel_effects** effects);
BRIXEL_API brixel_status BRIXEL_CALL brixel_focus(brixel_button* button, const brixel_frame* frame, int32_t gained,
                                                  brixel_effects** effects);
/* A tick of timer `timer_id` (2 or 3), started by a START_TIMER effect. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_timer(brixel_button* button, const brixel_frame* frame, int32_t timer_id,
                                                  brixel_effects** effects);
/* Once the window exists (and again after it is re-created). */
BRIXEL_API brixel_status BRIXEL_CALL brixel_window_created(brixel_button* button, const brixel_frame* frame, brixel_effects** effects);

BRIXEL_API brixel_status BRIXEL_CALL brixel_perform_click(brixel_button* button, const brixel_frame* frame, brixel_effects** effects);
BRIXEL_API brixel_status BRIXEL_CALL brixel_perform_click_actions(brixel_button* button, const brixel_frame* frame,
                                                                  brixel_effects** effects);
BRIXEL_API brixel_status BRIXEL_CALL brixel_perform_hyperlink(brixel_button* button, const brixel_frame* frame,
                                                              brixel_effects** effects);
BRIXEL_API brixel_status BRIXEL_CALL brixel_set_toggle_state(brixel_button* button, const brixel_frame* frame, int32_t state,
                                                             brixel_effects** effects);
BRIXEL_API brixel_status BRIXEL_CALL brixel_get_toggle_state(brixel_button* button, int32_t* state);
/* The custom sound loaded for slot 0 (ClickSoundFile) or 1 (MouseInSoundFile):
 * the file's bytes, to be played from memory when PLAY_SOUND names value 99.
 * *bytes points into the button (null, length 0 when none is loaded) and is
 * valid until the next call on the button. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_sound_data(brixel_button* button, int32_t slot, const uint8_t** bytes, int32_t* length);
/* Brackets the host's Click event: 1 before it fires, 0 after. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_click_event(brixel_button* button, int32_t running);

/* The run-time state painting reads. */
typedef struct brixel_state {
    uint32_t size;
    int32_t mouse_in, pressed, toggled, menu_open;
} brixel_state;
#define BRIXEL_STATE_INIT {sizeof(brixel_state), 0, 0, 0, 0}
BRIXEL_API brixel_status BRIXEL_CALL brixel_get_state(brixel_button* button, brixel_state* state);

/* The drop-down menu's life as the host's popup reports it. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_menu_dropping(brixel_button* button, const brixel_frame* frame, brixel_effects** effects);
BRIXEL_API brixel_status BRIXEL_CALL brixel_menu_set_open(brixel_button* button, int32_t open);
BRIXEL_API brixel_status BRIXEL_CALL brixel_menu_loop_ended(brixel_button* button);
/* The popup has closed, with the pointer where `frame` says; `keys_closed`:
 * Escape or Enter is down. *keep_shut receives 1 when the click that closed
 * the popup landed on the part that opens it: the drop request that same
 * click makes must only clear this mark. The effects end the menu-open look
 * and, when the pointer left the control, the hover (with MOUSE_EXIT). */
BRIXEL_API brixel_status BRIXEL_CALL brixel_menu_loop_end(brixel_button* button, const brixel_frame* frame,
                                                          int32_t keys_closed, int32_t* keep_shut,
                                                          brixel_effects** effects);
/* Whether a press at (x, y) of the client area drops the menu instead. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_in_drop_part(brixel_button* button, int32_t width, int32_t height, int32_t x,
                                                         int32_t y, int32_t* in_drop_part);

/* The menu drops by itself because the pointer moved onto its drop part: the
 * button becomes hot (MouseEnter and the mouse-in sound when it was not). */
BRIXEL_API brixel_status BRIXEL_CALL brixel_menu_auto_dropped(brixel_button* button, const brixel_frame* frame,
                                                              brixel_effects** effects);

/* ---------------------------------------------------------------------------
 * Painting
 * ------------------------------------------------------------------------- */
typedef struct brixel_paint_options {
    uint32_t size;
    int32_t after_click;          /* the repaint right after a click, a toggle or a click from code */
    uint32_t parent_back_colour;  /* 0x00RRGGBB: the container's background, for translucency and corners */
    int32_t fast_primitives;      /* gradient and blend primitives may be used */
    const void* background;       /* the container's pixels under the control (translucency); null: none */
    int32_t background_stride;
    /* 1.2: 1 leaves the caption out of the face; the result says how the
     * host draws it. Absent from an older struct: 0, the library draws it. */
    int32_t caption_by_host;
} brixel_paint_options;
#define BRIXEL_PAINT_OPTIONS_INIT {sizeof(brixel_paint_options), 0, 0, 1, 0, 0, 0}

/* The caption of one paint, laid out by the button's rules. */
#define BRIXEL_CAPTION_TEXT 1    /* the button's Text (Caption) */
#define BRIXEL_CAPTION_ADDRESS 2 /* the hyperlink address, shown instead */
typedef struct brixel_caption {
    int32_t shown;        /* 0: nothing to draw (no text, or no room) */
    int32_t text;         /* BRIXEL_CAPTION_TEXT or BRIXEL_CAPTION_ADDRESS */
    int32_t font;         /* the state font: 0 Font, 1 MouseInFont, 2 DownFont, 3 DisabledFont */
    int32_t underline;    /* drawn in the underlined variant of that font (the address) */
    uint32_t colour;      /* 0x00RRGGBB */
    brixel_rect box;      /* the text rectangle, in the target's coordinates; the text is clipped to it */
    uint32_t format;      /* BRIXEL_TEXT_ flags: alignments, word break, prefix */
} brixel_caption;

/* What is left to the host after a paint. */
typedef struct brixel_paint_result {
    uint32_t size;
    int32_t painted;  /* 0: nothing reached the target (translucent without background, empty size) */
    int32_t focus;    /* 0 nothing, 1 draw the focus frame, 2 erase it (see docs) */
    /* 1.2: the caption as drawn, or as left to the host (caption_by_host);
     * written when the struct is this large. Under the ActiveX rules a
     * disabled 3D face embosses its caption, which this does not describe. */
    brixel_caption caption;
} brixel_paint_result;
#define BRIXEL_PAINT_RESULT_INIT {sizeof(brixel_paint_result), 0, 0, {0, 0, 0, 0, 0, {0, 0, 0, 0}, 0}}

/* Paints the face into the caller's width x height pixels (0x00RRGGBB). Runs
 * the paint-time scheme follow-up first: pass `effects` to learn of the
 * border colours it changed (null drops them). `frame` as for the steps. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_paint_buffer(brixel_button* button, const brixel_frame* frame,
                                                         const brixel_paint_options* options, void* pixels, int32_t width,
                                                         int32_t height, int32_t stride, brixel_paint_result* result,
                                                         brixel_effects** effects);
/* Windows only (BRIXEL_E_UNSUPPORTED elsewhere): paints through GDI onto
 * `hdc` at (0,0) with the frame's size; captions in GDI fonts, unless the
 * options leave them to the host. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_paint_hdc(brixel_button* button, const brixel_frame* frame,
                                                      const brixel_paint_options* options, void* hdc,
                                                      brixel_paint_result* result, brixel_effects** effects);

/* ---------------------------------------------------------------------------
 * Window shape
 * ------------------------------------------------------------------------- */
/* The window region for the frame's size as rectangles whose union is the
 * region (rows of the rounded corners included). `*count` receives the number
 * needed; rectangles are written when it is at most `capacity`, else
 * BRIXEL_E_BUFFER_TOO_SMALL. Zero rectangles: no region (the plain window). */
BRIXEL_API brixel_status BRIXEL_CALL brixel_region_rects(brixel_button* button, const brixel_frame* frame, brixel_rect* rects,
                                                         int32_t capacity, int32_t* count);
/* The size a resize must keep to (0 x 0: none). */
BRIXEL_API brixel_status BRIXEL_CALL brixel_minimum_size(brixel_button* button, int32_t* width, int32_t* height);

/* ---------------------------------------------------------------------------
 * Menu helpers (no button needed)
 * ------------------------------------------------------------------------- */
typedef struct brixel_popup_input {
    uint32_t size;
    int32_t alignment;       /* MenuAlignment: 0 left, 1 right */
    brixel_rect window;      /* the control's window rectangle, screen coordinates */
    int32_t screen_width, screen_height;
    int32_t popup_width;     /* from brixel_popup_width_estimate */
    int32_t menu_height;     /* the row heights of all top-level items, visible or not */
    int32_t sidebar;
} brixel_popup_input;
#define BRIXEL_POPUP_INPUT_INIT {sizeof(brixel_popup_input), 0, {0, 0, 0, 0}, 0, 0, 0, 0, 0}

typedef struct brixel_popup_placement {
    uint32_t size;
    int32_t x, y;
    int32_t h_align; /* 0 left, 1 right: which edge of the popup sits at x */
    int32_t v_align; /* 0 top, 1 bottom, 2 centre */
} brixel_popup_placement;
#define BRIXEL_POPUP_PLACEMENT_INIT {sizeof(brixel_popup_placement), 0, 0, 0, 0}

BRIXEL_API brixel_status BRIXEL_CALL brixel_popup_place(const brixel_popup_input* input, brixel_popup_placement* placement);
/* From the text widths of the top-level items (caption and shortcut run together). */
BRIXEL_API brixel_status BRIXEL_CALL brixel_popup_width_estimate(const int32_t* text_widths, int32_t count, int32_t sidebar,
                                                                 int32_t* width);
/* A row's size from its measured text (caption, two spaces, shortcut). */
BRIXEL_API brixel_status BRIXEL_CALL brixel_menu_row_size(int32_t text_width, int32_t text_height, int32_t separator,
                                                          int32_t* width, int32_t* height);
/* Since 1.2: the two above on a screen of `dpi` (0 means 96). The rows' own
 * margins and minimums grow with it; the text widths and height are measured
 * in the menu font at that dpi by the caller. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_popup_width_estimate_dpi(const int32_t* text_widths, int32_t count,
                                                                     int32_t sidebar, int32_t dpi, int32_t* width);
BRIXEL_API brixel_status BRIXEL_CALL brixel_menu_row_size_dpi(int32_t text_width, int32_t text_height, int32_t separator,
                                                              int32_t dpi, int32_t* width, int32_t* height);
/* Since 1.2: a size designed for a 96 dpi screen at `dpi` (0 means 96), by the
 * rule the library's own sizes follow, for what a host draws itself next to
 * them (a half rounds away from zero: 1 pixel is 2 at 144 dpi). */
BRIXEL_API brixel_status BRIXEL_CALL brixel_scale_for_dpi(int32_t pixels, int32_t dpi, int32_t* scaled);

typedef struct brixel_menu_row {
    uint32_t size;
    const uint16_t* caption;
    int32_t caption_length;
    const uint16_t* shortcut; /* empty: none */
    int32_t shortcut_length;
    int32_t separator, enabled, sidebar, right_to_left;
    int32_t selected; /* draw the highlight */
    brixel_picture* picture;  /* drawn only with the sidebar on; may be null */
    uint32_t picture_transparent; /* 0x00RRGGBB keyed out of an opaque picture */
    const brixel_font* font;  /* MenuFont */
    /* 0x00RRGGBB */
    uint32_t back, sidebar_colour, separator_colour, font_colour, selection_back, selection_font;
    /* Since 1.2: the screen's dpi (0 means 96). The strip, insets and the
     * font's pixel_height handed to the text service follow it. */
    int32_t dpi;
} brixel_menu_row;
#define BRIXEL_MENU_ROW_INIT {sizeof(brixel_menu_row), 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 96}

/* Paints one whole row into width x height pixels; `service` null: the
 * built-in text service. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_menu_paint_row(const brixel_menu_row* row, const brixel_text_service* service,
                                                           void* pixels, int32_t width, int32_t height, int32_t stride);

/* The text of shortcut code 0..79 ("None", "Ctrl+A", ...); other codes give
 * BRIXEL_E_INVALID_ARGUMENT. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_shortcut_text(int32_t code, uint16_t* buffer, int32_t capacity, int32_t* length);
/* The code of a shortcut text, 0 for none or unknown. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_shortcut_code(const uint16_t* text, int32_t length, int32_t* code);

/* ---------------------------------------------------------------------------
 * Hyperlinks
 * ------------------------------------------------------------------------- */
/* What the shell is given for a stored address: `untrusted` 0, the address
 * with an "@" made a mail link; 1, only web and mail addresses, or
 * BRIXEL_E_REFUSED. An empty address gives BRIXEL_E_REFUSED too. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_hyperlink_target(const uint16_t* address, int32_t length, int32_t untrusted,
                                                             uint16_t* buffer, int32_t capacity, int32_t* target_length);

/* ---------------------------------------------------------------------------
 * Menu object trees (a host that keeps its own items, where an item whose
 * text is "-" is a separator)
 * ------------------------------------------------------------------------- */
#define BRIXEL_MENU_CHANGE_TEXT 0         /* may an item (`is_parent`: it holds sub-items) take `text`? */
#define BRIXEL_MENU_CHANGE_ADD_SUB_ITEM 1 /* may an item whose text is `text` take a sub-item? */
/* BRIXEL_OK (and *message_length 0) when the change is allowed;
 * BRIXEL_E_REFUSED with the message to show written out when it is not;
 * an unknown `change` gives BRIXEL_E_INVALID_ARGUMENT. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_menu_object_check(int32_t change, const uint16_t* text, int32_t length,
                                                              int32_t is_parent, uint16_t* buffer, int32_t capacity,
                                                              int32_t* message_length);

/* Windows Forms shortcuts: a Shortcut value is a key code in the low 16 bits
 * with the modifier bits of Keys (Shift 0x10000, Ctrl 0x20000, Alt 0x40000).
 * Its text is what the popup shows ("Ctrl+Shift+F12", "Alt+Bksp", "Ins");
 * None, the Alt+arrow members and values outside the enumeration give "". */
BRIXEL_API brixel_status BRIXEL_CALL brixel_forms_shortcut_text(int32_t value, uint16_t* buffer, int32_t capacity,
                                                                int32_t* length);
/* The text a key press spells (`key` a virtual-key code, `shift` the modifier
 * bits of the steps: 1 Shift, 2 Ctrl, 4 Alt); an item whose shortcut text
 * equals it is the one the press runs. "" when the key cannot be a shortcut. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_forms_key_text(int32_t key, int32_t shift, uint16_t* buffer, int32_t capacity,
                                                           int32_t* length);
#define BRIXEL_MENU_LEVEL_ENABLED 1
#define BRIXEL_MENU_LEVEL_VISIBLE 2
#define BRIXEL_MENU_LEVEL_SEPARATOR 4
/* Whether a shortcut may run an item: `levels` holds the item's
 * BRIXEL_MENU_LEVEL_ bits, then those of each item above it up to the top. */
BRIXEL_API brixel_status BRIXEL_CALL brixel_menu_object_invocable(const int32_t* levels, int32_t count, int32_t* invocable);

/* Whether a button drops its menu by itself for a pointer over it (every
 * field 0 or 1). */
typedef struct brixel_auto_drop_context {
    uint32_t size;
    int32_t user_mode, menu_auto_drop, active, menu, enabled, window_visible;
    int32_t own_top_level_active; /* the button's top-level window is the active one */
    int32_t drop_suppressed;      /* its menu is marked as shown */
    int32_t has_items, any_visible; /* top-level items: any, and any visible */
    int32_t point_in_drop_part;
} brixel_auto_drop_context;
#define BRIXEL_AUTO_DROP_CONTEXT_INIT {sizeof(brixel_auto_drop_context), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}
BRIXEL_API brixel_status BRIXEL_CALL brixel_should_auto_drop(const brixel_auto_drop_context* context, int32_t* drop);

#ifdef __cplusplus
}
#endif

#endif /* BRIXEL_BRIXEL_H */
