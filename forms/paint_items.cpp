// The pens, fonts and clamp shared by the box and link painting.
#include "forms/paint_items.h"

#include "forms/queries.h"
#include "shell/host.h"

const pen_rec paint_pens[pen_count] = {
    {0, 1, colour_blue},    {0, 1, colour_red},     {0, 2, colour_red},     {0, 4, colour_magenta},
    {0, 1, colour_purple},  {1, 1, colour_purple},  {0, 1, colour_red},     {1, 1, colour_blue},
    {1, 1, colour_red},     {0, 2, colour_purple},  {0, 1, colour_blue},    {0, 1, colour_white},   {0, 1, colour_black},
};

const char *font_face(int font)
{
    if (font == font_label) return "Arial";
    return font_w != 0 ? "ＭＳ 明朝" : "";
}

int font_height_of(int font) { return font == font_label ? font_h : font_w; }

void measure_text(int font, const char *text, int *w, int *h)
{
    host_text_size(font_face(font), font_height_of(font), text, w, h);
}

int clip_y(int y) { return y < -4095 ? -4095 : y > 4095 ? 4095 : y; }

int add_shape(shape_item *out, int cap, int *n, int kind, int pen, const paint_point *pts, int count)
{
    if (*n >= cap || count > 5) return 1;
    shape_item &s = out[(*n)++];
    s.kind = kind;
    s.pen = pen;
    s.n = count;
    for (int k = 0; k < count; ++k) s.pts[k] = pts[k];
    return 0;
}

int add_lines(shape_item *out, int cap, int *n, int pen, const paint_point *pts, int count)
{
    return add_shape(out, cap, n, shape_lines, pen, pts, count);
}
