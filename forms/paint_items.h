// What the FORM screen draws, worked out without a device context: pens,
// colours, line and shape items and placed texts.  The window code turns
// them into GDI calls; every line end goes through clip_y first.
#ifndef VOK_FORMS_PAINT_ITEMS_H
#define VOK_FORMS_PAINT_ITEMS_H

// Colours as COLORREF values (0x00BBGGRR).
constexpr unsigned paint_rgb(unsigned r, unsigned g, unsigned b) { return r | g << 8 | b << 16; }
const unsigned colour_black = paint_rgb(0, 0, 0);
const unsigned colour_white = paint_rgb(255, 255, 255);
const unsigned colour_blue = paint_rgb(0, 0, 255);
const unsigned colour_red = paint_rgb(255, 0, 0);
const unsigned colour_magenta = paint_rgb(255, 0, 255);
const unsigned colour_green = paint_rgb(0, 180, 0);
const unsigned colour_dark_green = paint_rgb(0, 128, 0);
const unsigned colour_light_green = paint_rgb(0, 255, 0);
const unsigned colour_yellow = paint_rgb(255, 255, 0);
const unsigned colour_cyan = paint_rgb(0, 255, 255);
const unsigned colour_purple = paint_rgb(128, 0, 128);
const unsigned colour_button_face = 0x80000000u;  // the system colour COLOR_BTNFACE
const unsigned colour_default = 0xFFFFFFFFu;      // what the device context has

// Pens of the canvas, indexes into paint_pens.
enum paint_pen {
    pen_box_plain,     // solid 1 px blue: a box
    pen_box_related,   // solid 1 px red: a box related to the current one, a WORK mark
    pen_box_current,   // solid 2 px red, right edge one pixel further: the current box
    pen_box_armed,     // solid 4 px magenta: the current box while an operation waits
    pen_link,          // solid 1 px purple
    pen_link_dotted,   // dotted 1 px purple: no_set links
    pen_link_marked,   // solid 1 px red: the current link, a MAP's links
    pen_related_set,   // dotted 1 px blue: SET links
    pen_related,       // dotted 1 px red: ANY and "$" links
    pen_shape,         // solid 2 px purple: routed lines, line comments, arrow heads
    pen_shape_blue,    // solid 1 px blue: ellipses, double lines, correspondences
    pen_shape_white,   // solid 1 px white: erases an edge under a double line
    pen_dc,            // the device context's own pen (solid 1 px black): a STRING's frame
    pen_count
};

struct pen_rec {
    int dotted;  // 1 PS_DOT, 0 PS_SOLID
    int width;
    unsigned colour;
};
extern const pen_rec paint_pens[pen_count];

struct paint_point {
    int x, y;
};

// Shape item kinds.
enum shape_kind {
    shape_lines,    // a pen move to pts[0], then lines through pts[1..n-1]
    shape_ellipse,  // the ellipse inscribed in pts[0]-pts[1]
    shape_arrow,    // a triangle pts[0..2] filled with a solid purple brush (WINDING)
};

struct shape_item {
    int kind;  // a shape_kind
    int pen;   // a paint_pen
    int n;
    paint_point pts[5];
};

// Fonts a text is written in.
enum paint_font {
    font_label,  // "Arial" at font_h
    font_text,   // "ＭＳ 明朝" at font_w; the device context's own font while font_w is 0
};

const int paint_text_size = 300;
struct text_item {
    char text[paint_text_size];
    int x, y;
    unsigned colour;  // colour_default: black
    unsigned back;    // colour_default: the device context's background
    int font;         // a paint_font
};

// The faces and heights of the two fonts (face "" and height 0: the device
// context's own font).
const char *font_face(int font);
int font_height_of(int font);
// Measures text in a font through the host.
void measure_text(int font, const char *text, int *w, int *h);

// The clamp of every line end: y limited to -4095..4095, x unchanged.
int clip_y(int y);

// Appends an item when there is room: 0, or 1 when out is full.
int add_lines(shape_item *out, int cap, int *n, int pen, const paint_point *pts, int count);
int add_shape(shape_item *out, int cap, int *n, int kind, int pen, const paint_point *pts, int count);

#endif
