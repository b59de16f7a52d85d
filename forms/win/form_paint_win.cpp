// The FORM canvas drawn with GDI: the portable painting (box looks, comment
// texts and shapes, routed links, WORK marks, the armed frame) replayed onto
// a device context.  Every line end goes through clip_moveto/clip_lineto.
#include <windows.h>

#include <cstring>

#include "forms/box_paint.h"
#include "forms/link_route.h"
#include "forms/model.h"
#include "forms/queries.h"
#include "forms/win/form_screen.h"

namespace {

const int marked_cap = 256;  // red links drawn after the others; more stay purple
const int label_margin = 100;  // how far a box's frame labels and shadows reach beyond it
const int text_margin = 600;   // how far a styled box's texts and shapes may reach

// The part of the canvas the device context shows.
struct view_rect {
    int left, top, right, bottom;
};

view_rect clip_view(HDC dc)
{
    RECT r;
    if (GetClipBox(dc, &r) == ERROR) return {-32768, -32768, 32767, 32767};
    return {r.left, r.top, r.right, r.bottom};
}

// Whether the rectangle, grown by margin, lies wholly outside the view.
bool outside(const view_rect &v, int x0, int y0, int x1, int y1, int margin)
{
    return x1 + margin < v.left || x0 - margin > v.right || y1 + margin < v.top || y0 - margin > v.bottom;
}

bool box_outside(const view_rect &v, int i, int margin)
{
    const box_rec &b = box_table[i];
    return outside(v, b.x, b.y, b.endx, b.endy, margin);
}

// Whether a link's two boxes lie on one side beyond the view: no route
// between them can cross it.
bool link_outside(const view_rect &v, int l)
{
    const link_rec &k = link_table[l];
    if (k.from < 0 || k.to < 0) return false;
    const box_rec &a = box_table[k.from], &b = box_table[k.to];
    const int m = label_margin;
    return (a.endx + m < v.left && b.endx + m < v.left) || (a.x - m > v.right && b.x - m > v.right) ||
           (a.endy + m < v.top && b.endy + m < v.top) || (a.y - m > v.bottom && b.y - m > v.bottom);
}

// The pens and fonts of one paint, made once and deleted at its end.
struct paint_tools {
    HPEN pens[pen_count];
    HFONT label_font;
    HFONT text_font;  // null: the device context's own font
    HFONT dc_font;
    HBRUSH arrow_brush;
};

void clip_moveto(HDC dc, int x, int y) { MoveToEx(dc, x, clip_y(y), nullptr); }
void clip_lineto(HDC dc, int x, int y) { LineTo(dc, x, clip_y(y)); }

void make_tools(HDC dc, paint_tools *t)
{
    for (int p = 0; p < pen_count; ++p) {
        const pen_rec &r = paint_pens[p];
        t->pens[p] = p == pen_dc ? static_cast<HPEN>(GetStockObject(BLACK_PEN))
                                 : CreatePen(r.dotted ? PS_DOT : PS_SOLID, r.width, r.colour);
    }
    t->label_font = CreateFontA(font_h, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    t->text_font = font_w != 0 ? CreateFontA(font_w, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, font_face(font_text))
                               : nullptr;
    t->dc_font = static_cast<HFONT>(SelectObject(dc, t->label_font));
    t->arrow_brush = CreateSolidBrush(colour_purple);
}

void free_tools(HDC dc, paint_tools *t)
{
    SelectObject(dc, t->dc_font);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    for (int p = 0; p < pen_count; ++p)
        if (p != pen_dc) DeleteObject(t->pens[p]);
    DeleteObject(t->label_font);
    if (t->text_font != nullptr) DeleteObject(t->text_font);
    DeleteObject(t->arrow_brush);
}

void draw_shape(HDC dc, const paint_tools &t, const shape_item &s)
{
    SelectObject(dc, t.pens[s.pen]);
    switch (s.kind) {
    case shape_lines:
        if (s.n < 1) return;
        clip_moveto(dc, s.pts[0].x, s.pts[0].y);
        for (int k = 1; k < s.n; ++k) clip_lineto(dc, s.pts[k].x, s.pts[k].y);
        return;
    case shape_ellipse: {
        HGDIOBJ old = SelectObject(dc, GetStockObject(NULL_BRUSH));
        Ellipse(dc, s.pts[0].x, clip_y(s.pts[0].y), s.pts[1].x, clip_y(s.pts[1].y));
        SelectObject(dc, old);
        return;
    }
    case shape_arrow: {
        POINT p[3];
        for (int k = 0; k < 3; ++k) p[k] = {s.pts[k].x, clip_y(s.pts[k].y)};
        HGDIOBJ old = SelectObject(dc, t.arrow_brush);
        SetPolyFillMode(dc, WINDING);
        Polygon(dc, p, 3);
        SelectObject(dc, old);
        return;
    }
    default: return;
    }
}

void draw_text(HDC dc, const paint_tools &t, const text_item &x)
{
    HFONT font = x.font == font_label ? t.label_font : t.text_font != nullptr ? t.text_font : t.dc_font;
    SelectObject(dc, font);
    const COLORREF old_text = SetTextColor(dc, x.colour == colour_default ? RGB(0, 0, 0) : x.colour);
    COLORREF old_back = GetBkColor(dc);
    if (x.back == colour_button_face) SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    else if (x.back != colour_default) SetBkColor(dc, x.back);
    TextOutA(dc, x.x, x.y, x.text, static_cast<int>(strlen(x.text)));
    SetTextColor(dc, old_text);
    SetBkColor(dc, old_back);
}

// Box i in the pen of its mark: its shadows, frame and label texts.
void draw_box(HDC dc, const paint_tools &t, int i)
{
    box_look look;
    box_look_of(i, &look);
    if (!look.drawn) return;
    const box_rec &b = box_table[i];
    SelectObject(dc, t.pens[look.pen]);
    for (int s = 0; s < look.shadow_num; ++s) {
        const int dx = look.shadows[s].x, dy = look.shadows[s].y;
        Rectangle(dc, b.x + dx, clip_y(b.y + dy), b.endx + dx, clip_y(b.endy + dy));
    }
    Rectangle(dc, b.x, clip_y(b.y), b.endx + look.right_extra, clip_y(b.endy));
    for (int k = 0; k < look.text_num; ++k) draw_text(dc, t, look.texts[k]);
}

// The frame and label of every framed box, in table order.
void paint_frames(HDC dc, const paint_tools &t, const view_rect &v)
{
    for (int i = form_sta; i < form_num; ++i) {
        if (box_outside(v, i, label_margin) || !box_framed(i)) continue;
        draw_box(dc, t, i);
    }
}

// The texts and shapes of the styled boxes (comments, STRING frames).
void paint_styled(HDC dc, const paint_tools &t, const view_rect &v)
{
    static text_item texts[box_text_cap];
    shape_item shapes[4];
    for (int i = form_sta; i < form_num; ++i) {
        if (box_style[i] == style_label || box_level[i] != cur_level || box_outside(v, i, text_margin)) continue;
        int shape_n = 0;
        const int n = box_text_items(i, texts, box_text_cap, shapes, 4, &shape_n);
        for (int k = 0; k < shape_n; ++k) draw_shape(dc, t, shapes[k]);
        for (int k = 0; k < n; ++k) draw_text(dc, t, texts[k]);
    }
}

// Every box of the current form: the frames first, then the styled boxes'
// texts and shapes over them.
void paint_boxes(HDC dc, const paint_tools &t, const view_rect &v)
{
    paint_frames(dc, t, v);
    paint_styled(dc, t, v);
}

// Link l routed by its name in pen.
void draw_link_pen(HDC dc, const paint_tools &t, int l, int pen)
{
    shape_item items[link_item_cap];
    const int n = link_items(l, pen, items, link_item_cap);
    for (int k = 0; k < n; ++k) draw_shape(dc, t, items[k]);
}

void paint_links(HDC dc, const paint_tools &t, const view_rect &v)
{
    shape_item items[link_item_cap];
    for (int l = l_sta; l < l_num; ++l) {
        if (link_outside(v, l)) continue;
        const int n = link_paint_items(l, items, link_item_cap);
        for (int k = 0; k < n; ++k) draw_shape(dc, t, items[k]);
    }
    int marked[marked_cap];
    const int m = marked_links(marked, marked_cap);
    for (int r = 0; r < m; ++r) draw_link_pen(dc, t, marked[r], pen_link_marked);
}

void paint_work_marks(HDC dc, const paint_tools &t)
{
    int boxes[marked_cap];
    const int n = work_mark_boxes(boxes, marked_cap);
    for (int k = 0; k < n; ++k) {
        shape_item s{shape_lines, pen_box_related, 5, {}};
        frame_box_points(boxes[k], s.pts);
        draw_shape(dc, t, s);
    }
}

}  // namespace

int paint_form(HDC dc, int width, int height)
{
    get_qfont();
    paint_prepare();
    links_prepare();
    paint_tools t;
    make_tools(dc, &t);
    SetBkMode(dc, OPAQUE);
    const view_rect v = clip_view(dc);
    paint_boxes(dc, t, v);
    paint_links(dc, t, v);
    paint_work_marks(dc, t);
    shape_item frame{shape_lines, pen_box_armed, 5, {}};
    if (armed_frame(width, height, frame.pts) != 0) draw_shape(dc, t, frame);
    free_tools(dc, &t);
    return 0;
}
