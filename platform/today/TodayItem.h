#pragma once

/*
 * The interface between the home screen and its item plug-ins.
 *
 * A plug-in is a shared library that exports one C function,
 *
 *     tevalo_today_item* tevalo_today_init_item(tevalo_today_item_desc* desc,
 *                                               const tevalo_today_host* host);
 *
 * (TEVALO_TODAY_INIT_ITEM_SYMBOL names it for dlsym). The home screen calls it once per
 * load of the item. It answers NULL when the item is not enabled; otherwise it returns
 * the item "window": a handle with a message procedure. The home screen then talks to
 * the item only through that procedure, on the home screen's own thread, and finally
 * sends TEVALO_TODAY_DESTROY, after which the handle is gone and the library may be
 * unloaded.
 *
 * The plug-in asks the home screen for everything a window system would give it
 * (client size, colours, the watermark, a drawing surface outside of painting,
 * message boxes, the local time) through the host table passed at initialisation.
 * All text crossing the interface is UTF-16 without terminator unless stated; colours
 * are 0x00RRGGBB. Nothing here is thread-safe: every call happens on the home
 * screen's thread.
 */

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define TEVALO_TODAY_INIT_ITEM_SYMBOL "tevalo_today_init_item"

/* Item description, one per registered item; the host owns it for the item's life. */
typedef struct tevalo_today_item_desc {
    const char16_t* name; /* zero-terminated key name of the item */
    uint32_t type;
    uint32_t order;
    int32_t height; /* 0 until the item sets it from a refresh query */
    int32_t enabled;
    uint32_t options;
    uint32_t flags;
    uint32_t selectability;
    const char* library_path; /* host file the library was loaded from */
} tevalo_today_item_desc;

/* A 32-bit ARGB (premultiplied, QImage::Format_ARGB32_Premultiplied) pixel buffer.
   At display scale N every logical pixel of the item's layout is N x N pixels of
   the buffer; width and height count buffer pixels. */
typedef struct tevalo_today_surface {
    uint32_t* pixels;
    int32_t width;
    int32_t height;
    int32_t stride; /* bytes per row */
    int32_t scale;  /* 1 to 4; 0 is taken as 1 */
} tevalo_today_surface;

typedef struct tevalo_today_rect {
    int32_t left, top, right, bottom;
} tevalo_today_rect;

/* What an item drew, reported to a host that asked for it (tests, accessibility). */
enum tevalo_today_draw_kind {
    TEVALO_TODAY_DRAW_TEXT = 1,    /* text into rect, colour */
    TEVALO_TODAY_DRAW_PICTURE = 2, /* picture file (UTF-16 host path) stretched into rect */
    TEVALO_TODAY_DRAW_FILL = 3,    /* solid fill of rect with colour */
    TEVALO_TODAY_DRAW_COPY = 4,    /* the item's off-screen picture copied into rect */
    TEVALO_TODAY_DRAW_WATERMARK = 5,
    TEVALO_TODAY_DRAW_RENDER = 6 /* the item re-rendered its off-screen picture */
};

typedef struct tevalo_today_draw {
    int32_t kind;
    tevalo_today_rect rect;
    uint32_t colour;
    const char16_t* text; /* text or picture path; may be NULL */
    size_t text_length;
} tevalo_today_draw;

/* A drawing context: the target pixels plus an optional draw log. */
typedef struct tevalo_today_dc {
    tevalo_today_surface surface;
    void (*record)(void* record_context, const tevalo_today_draw* draw); /* may be NULL */
    void* record_context;
} tevalo_today_dc;

/* Colour indexes for host->colour. */
enum tevalo_today_colour {
    TEVALO_TODAY_COLOUR_TEXT = 1,
    TEVALO_TODAY_COLOUR_HIGHLIGHT = 2,
    TEVALO_TODAY_COLOUR_HIGHLIGHT_TEXT = 3
};

/* Message box flags and answers. */
enum tevalo_today_mb {
    TEVALO_TODAY_MB_OK = 0,
    TEVALO_TODAY_MB_ICON_EXCLAMATION = 0x30,
    TEVALO_TODAY_ID_OK = 1
};

typedef struct tevalo_today_time {
    int32_t year, month, day, hour, minute, second;
} tevalo_today_time;

/* Services of the home screen. Every function gets `context` as its first argument. */
typedef struct tevalo_today_host {
    void* context;
    /* The item's client area in pixels (the host's width by the item's height). */
    void (*client_size)(void* context, int32_t* width, int32_t* height);
    uint32_t (*colour)(void* context, int32_t which);
    /* Draws the home screen's background picture into dc over rect. */
    void (*draw_watermark)(void* context, const tevalo_today_dc* dc, const tevalo_today_rect* rect);
    /* System font size in pixels; 0 or less when unknown. */
    int32_t (*system_font_pixels)(void* context);
    /* Non-zero once the shell can answer queries (tested without waiting). */
    int32_t (*shell_ready)(void* context);
    /* Modal message box over the home screen; text and caption zero-terminated;
       a NULL caption means the platform's default caption. */
    int32_t (*message_box)(void* context, const char16_t* text, const char16_t* caption,
                           uint32_t flags);
    void (*local_time)(void* context, tevalo_today_time* now);
    /* A drawing context on the item's window outside of a paint message, and its
       release (which puts what was drawn on screen). */
    tevalo_today_dc* (*get_dc)(void* context);
    void (*release_dc)(void* context, tevalo_today_dc* dc);
    /* Asks for a paint message later. */
    void (*invalidate)(void* context);
    /* Sends a paint message now and returns after it was handled. */
    void (*update_now)(void* context);
} tevalo_today_host;

/* Item messages (the `message` argument of the procedure). */
enum tevalo_today_message {
    /* lparam: tevalo_today_dc* valid for the call. Result 0. */
    TEVALO_TODAY_PAINT = 1,
    /* lparam: tevalo_today_dc*. The item has the watermark drawn. Result 1. */
    TEVALO_TODAY_ERASE_BACKGROUND = 2,
    /* wparam: x, lparam: y in item coordinates. Result 0. */
    TEVALO_TODAY_PEN_DOWN = 3,
    TEVALO_TODAY_PEN_UP = 4,
    /* Periodic refresh query; lparam: tevalo_today_item_desc*. Result 1 when the item
       set desc->height, else 0. */
    TEVALO_TODAY_QUERY_REFRESH = 5,
    /* The item got the home screen's selection. Result 1. */
    TEVALO_TODAY_RECEIVED_SELECTION = 6,
    /* The item lost the selection. Result 0. */
    TEVALO_TODAY_LOST_SELECTION = 7,
    /* A navigation key while selected; wparam: TEVALO_TODAY_KEY_*. Result 0. */
    TEVALO_TODAY_USER_NAVIGATION = 8,
    /* The action key while selected. Result 0. */
    TEVALO_TODAY_ACTION = 9,
    /* The host is done with the item; the handle is invalid afterwards. */
    TEVALO_TODAY_DESTROY = 10
};

enum tevalo_today_key {
    TEVALO_TODAY_KEY_UP = 0x26,
    TEVALO_TODAY_KEY_DOWN = 0x28,
    TEVALO_TODAY_KEY_LEFT = 0x25,
    TEVALO_TODAY_KEY_RIGHT = 0x27
};

typedef struct tevalo_today_item tevalo_today_item;
struct tevalo_today_item {
    intptr_t (*proc)(tevalo_today_item* item, uint32_t message, uintptr_t wparam, intptr_t lparam);
};

typedef tevalo_today_item* (*tevalo_today_init_item_fn)(tevalo_today_item_desc* desc,
                                                        const tevalo_today_host* host);

#ifdef __cplusplus
}
#endif
