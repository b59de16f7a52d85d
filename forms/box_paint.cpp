// Box painting decisions: marks and styles from the links, the pen, frame and
// label of each kind, the anchors of the comment styles, hit tests and the
// sizing of boxes to their texts.
#include "forms/box_paint.h"

#include <cstring>

#include "forms/find_box.h"
#include "forms/form_state.h"
#include "forms/kinds.h"
#include "forms/link_route.h"
#include "forms/multi_cur.h"
#include "forms/para.h"
#include "forms/queries.h"
#include "forms/rtree.h"
#include "shell/msgbox.h"
#include "shell/sjis.h"
#include "shell/text.h"
#include "shell/words.h"

signed char box_mark[box_cap];
signed char box_style[box_cap];

const char *const kind_letters[] = {
    "T:TEXT",   "L:LIST",   "E:EDIT",  "B:BUTTON", "S:STATIC", "L:LISTBOX", "C:COMBOBOX", "A:MENUA",  "D:MENUD",
    "G:MENUG",  "M:MENUM",  "K:MENUK", "g:PROJ",   "g:APP",    "g:FORM",    "g:SMENU",    "g:WORK",   "g:HTML",
    "g:DATA",   "g:CALC",   "g:OBJECT", "g:DLGSHELL", "s:POSI", "s:REPEAT", "s:ANY",      "s:SET",    "s:MSG",
    "s:MAP",    "s:TAG",    "s:FOR",   "s:ALL",    "s:SUM",    "W:WNDCLASS", "w:HOLE",    "j:JOIN",   ""};

namespace {

bool in_y_range(const box_rec &b) { return b.y >= -32766 && b.y <= 32767 && b.endy >= -32766 && b.endy <= 32767; }

bool is(const char *a, const char *b) { return strcmp(a, b) == 0; }

// Parameter field k of box i with its quotes cut.
void field_cut(int i, int k, char *out, int size)
{
    get_para(out, size, i, k);
    cut_quote(out);
}

// The style a COMMENT's field 1 gives by itself, or 0.
int word_style(const char *f1)
{
    static const struct {
        const char *word;
        int style;
    } words[] = {{"Center", style_center},         {"TopLeft", style_top_left},         {"TopRight", style_top_right},
                 {"TopCenter", style_top_center},  {"BottomLeft", style_bottom_left},   {"BottomRight", style_bottom_right},
                 {"BottomCenter", style_bottom_center}, {"Ellipse", style_ellipse}};
    for (const auto &w : words)
        if (is(f1, w.word)) return w.style;
    return style_label;
}

// The style a routing or bridge link gives a COMMENT by its field 1: the
// plain-text, line and double-line styles of that link, or -1.
int comment_style(int i, int plain, int line, int dline)
{
    char f1[100];
    get_para(f1, i, 1);
    if (f1[0] == '0') return plain;
    if (is(f1, "Line")) return line;
    if (is(f1, "BLine")) return dline;
    return -1;
}

void set_style(int i, int style)
{
    if (style >= 0) box_style[i] = static_cast<signed char>(style);
}

void style_from_link(const link_rec &k)
{
    const box_rec &f = box_table[k.from];
    const box_rec &t = box_table[k.to];
    const bool to_comment = is(t.kind, "COMMENT"), to_string = is(t.kind, "STRING");
    const bool from_comment = is(f.kind, "COMMENT");
    if (is(k.name, "under_pos") || is(k.name, "right_pos")) {
        const bool under = k.name[0] == 'u';
        if (to_string) set_style(k.to, style_framed);
        else if (to_comment)
            set_style(k.to, comment_style(k.to, style_corner, under ? style_vline : style_hline,
                                          under ? style_vdouble : style_hdouble));
    } else if (is(k.name, "under_bridge") || is(k.name, "right_bridge")) {
        if (from_comment)
            set_style(k.from, comment_style(k.from, style_corner, k.name[0] == 'u' ? style_vline : style_hline, style_by_link));
    } else if (is(k.name, "on_set")) {
        if (to_string) set_style(k.to, style_framed);
        if (!to_comment) return;
        char f1[100];
        get_para(f1, k.to, 1);
        if (f1[0] != '0' && f1[0] != '\0') return;
        box_style[k.to] = style_corner;
        const bool from_tag = is(f.kind, "TAG");
        if (k.from == cur_box && !from_tag && !is(f.kind, "TAIL")) box_mark[k.to] = mark_related;
        else if (k.to == cur_box && !from_tag && !is(t.kind, "TAIL")) box_mark[k.from] = mark_related;
    }
}

bool is_related_name(const char *name) { return is(name, "SET") || is(name, "ANY") || name[0] == '$'; }

void put_text(box_look *out, const char *text, int x, int y, unsigned colour, unsigned back, int font)
{
    if (out->text_num >= 2) return;
    text_item &t = out->texts[out->text_num++];
    copy_bounded(t.text, sizeof t.text, text);
    t.x = x;
    t.y = y;
    t.colour = colour;
    t.back = back;
    t.font = font;
}

// The label above the box, at (x + 2, y - 18).
void put_label(box_look *out, const box_rec &b, const char *text, unsigned colour, unsigned back)
{
    put_text(out, text, b.x + 2, b.y - 18, colour, back, font_label);
}

// The inside text at (x + 3, y + 2).
void text_in_font(box_look *out, const box_rec &b, const char *text, unsigned colour, unsigned back, int font)
{
    put_text(out, text, b.x + 3, b.y + 2, colour, back, font);
}

void add_shadows(box_look *out, int dx, int dy)
{
    out->shadow_num = 2;
    out->shadows[0] = {2 * dx, 2 * dy};
    out->shadows[1] = {dx, dy};
}

bool is_item_kind(const char *kind)
{
    return is(kind, "GITEM") || is(kind, "BITEM") || is(kind, "AITEM") || is(kind, "YITEM");
}

// Name and kind as draw_box_body shows them.
void shown_name_kind(int i, char (&name)[300], char (&kind)[100])
{
    const box_rec &b = box_table[i];
    copy_bounded(name, sizeof name, b.name);
    copy_bounded(kind, sizeof kind, b.kind);
    if (is(b.kind, "HBOX")) {
        field_cut(i, 0, name, sizeof name);
        if (name[0] == '\0') copy_bounded(name, sizeof name, "HBOX:");
        char f1[100];
        field_cut(i, 1, f1, sizeof f1);
        copy_bounded(kind, sizeof kind, is_user_kind(f1) ? "BOX" : f1);
    } else if (is_item_kind(b.kind)) {
        char f0[256];
        item_field_into(i, 0, f0, sizeof f0);
        if (b.name[0] != '\0' || f0[0] != '\0') format_text(name, sizeof name, "%s %s", b.name, f0);
    }
}

// Texts of the detail group (DETAIL, TAIL, UNION, VBUTTON, ITEM named;
// WIDGET, BDATA, EDATA).
void group_texts(int i, const box_rec &b, const char *name, const char *kind, box_look *out)
{
    char f0[256], f2[100], text[300];
    field_cut(i, 0, f0, sizeof f0);
    get_para(f2, i, 2);
    bool from_field = false;
    if (is(kind, "UNION")) {
        if (f0[0] != '\0') format_text(text, sizeof text, "U=>%s", f0);
        else copy_bounded(text, sizeof text, "UNION:");
    } else if (is(kind, "VBUTTON") || is(kind, "WIDGET") || is(kind, "EDATA")) {
        from_field = f0[0] != '\0' && !is(kind, "WIDGET");
        if (f0[0] != '\0') copy_bounded(text, sizeof text, f0);
        else format_text(text, sizeof text, "%s:", kind);
    } else if (is(kind, "ITEM") || is(kind, "BDATA")) {
        const bool on = is(f2, "1");
        format_text(text, sizeof text, "%s%s", is(kind, "ITEM") ? (on ? "●" : "○") : (on ? "■" : "□"), f0);
        from_field = true;
    } else {
        format_text(text, sizeof text, "%s:", kind);
    }
    if (!is(kind, "ITEM") && !is(kind, "BDATA") && name[0] != '\0') put_label(out, b, name, colour_dark_green, colour_default);
    unsigned back = colour_yellow;
    int font = font_label;
    if (from_field) {
        back = colour_button_face;
        font = font_text;
    } else if (is(kind, "VBUTTON")) {
        back = colour_button_face;
    } else if (is(kind, "WIDGET") && f0[0] != '\0') {
        back = colour_cyan;
    }
    text_in_font(out, b, text, colour_default, back, font);
}

void letter_texts(int i, const box_rec &b, const char *name, const char *kind, int letter, box_look *out)
{
    char text[300];
    switch (letter) {
    case 'g':
        format_text(text, sizeof text, "%s:", kind);
        if (name[0] == '\0') {
            text_in_font(out, b, text, colour_default, colour_light_green, font_label);
        } else {
            put_label(out, b, text, colour_default, colour_light_green);
            text_in_font(out, b, name, colour_default, colour_default, font_label);
        }
        return;
    case 's': {
        char f0[256];
        field_cut(i, 0, f0, sizeof f0);
        char three[4];
        copy_span(three, sizeof three, kind, 3);
        format_text(text, sizeof text, "%s:%s", three, is(kind, "FOR") || is(kind, "ALL") ? f0 : name);
        text_in_font(out, b, text, colour_default, colour_cyan, font_label);
        return;
    }
    case 'w':
        format_text(text, sizeof text, "%s:%s", kind, name);
        text_in_font(out, b, text, colour_default, colour_cyan, font_label);
        return;
    case 'j':
        format_text(text, sizeof text, "J:%s", name);
        text_in_font(out, b, text, colour_default, colour_cyan, font_label);
        return;
    case 'W':
        if (name[0] != '\0') put_label(out, b, name, colour_default, colour_default);
        format_text(text, sizeof text, "%s:", kind);
        text_in_font(out, b, text, colour_default, colour_cyan, font_label);
        return;
    default:
        format_text(text, sizeof text, "%c:%s", letter, name);
        text_in_font(out, b, text, colour_default, colour_default, font_label);
    }
}

// The texts of a style-0 box by its shown kind.
void label_texts(int i, box_look *out)
{
    const box_rec &b = box_table[i];
    char name[300], kind[100], text[300];
    shown_name_kind(i, name, kind);
    const bool named = name[0] != '\0';
    const char *name_or_kind = name;
    if (!named) {
        format_text(text, sizeof text, "%s:", kind);
        name_or_kind = text;
    }
    if (is(kind, "BOX") || is(kind, "XITEM")) {
        text_in_font(out, b, name_or_kind, colour_default, colour_default, font_text);
    } else if (is(kind, "FBOX")) {
        char t[300];
        format_text(t, sizeof t, "%s:", named ? name : "FBOX");
        text_in_font(out, b, t, colour_default, colour_default, font_label);
    } else if (named && is(kind, "AREA")) {
        char t[300];
        format_text(t, sizeof t, "AREA:%s", name);
        text_in_font(out, b, t, colour_default, colour_default, font_label);
    } else if (named && case_no(kind) >= 0) {
        char t[300];
        format_text(t, sizeof t, "%d:%s", case_no(kind), name);
        text_in_font(out, b, t, colour_default, colour_default, font_label);
    } else if (named && is(kind, "PROC")) {
        text_in_font(out, b, name, colour_default, colour_cyan, font_label);
    } else if (named && (is(kind, "WM") || is(kind, "ID"))) {
        text_in_font(out, b, name, colour_default, colour_default, font_label);
    } else if (is(kind, "RBOX") || is(kind, "RITEM")) {
        if (is(kind, "RITEM")) add_shadows(out, 2, -2);
        text_in_font(out, b, name_or_kind, colour_red, colour_default, font_text);
    } else if (is(kind, "GBOX") || is(kind, "GITEM")) {
        if (is(kind, "GITEM")) add_shadows(out, 2, 0);
        text_in_font(out, b, name_or_kind, colour_green, colour_default, font_text);
    } else if (is(kind, "YBOX") || is(kind, "YITEM")) {
        text_in_font(out, b, name_or_kind, colour_black, colour_yellow, font_text);
    } else if (is(kind, "ABOX") || is(kind, "AITEM")) {
        text_in_font(out, b, name_or_kind, colour_black, colour_cyan, font_text);
    } else if (is(kind, "BBOX") || is(kind, "BITEM")) {
        if (is(kind, "BITEM")) add_shadows(out, 0, -2);
        text_in_font(out, b, name_or_kind, colour_blue, colour_default, font_text);
    } else if ((named && (is(kind, "DETAIL") || is(kind, "TAIL") || is(kind, "UNION") || is(kind, "VBUTTON") ||
                          is(kind, "ITEM"))) ||
               is(kind, "WIDGET") || is(kind, "BDATA") || is(kind, "EDATA")) {
        group_texts(i, b, name, kind, out);
    } else if (kind_letter(kind) != 0) {
        letter_texts(i, b, name, kind, kind_letter(kind), out);
    } else if (!named) {
        char f0[256], t[300];
        field_cut(i, 0, f0, sizeof f0);
        if (is(kind, "UNION")) {
            if (f0[0] != '\0') format_text(t, sizeof t, "U=>%s", f0);
            else copy_bounded(t, sizeof t, "UNION:");
            text_in_font(out, b, t, colour_default, colour_yellow, font_label);
        } else if (is(kind, "VBUTTON")) {
            if (f0[0] != '\0') text_in_font(out, b, f0, colour_default, colour_button_face, font_text);
            else text_in_font(out, b, "VBUTTON:", colour_default, colour_button_face, font_label);
        } else {
            text_in_font(out, b, text, colour_default, colour_yellow, font_label);
        }
    } else {
        char t[300];
        format_text(t, sizeof t, "%s:", kind);
        put_label(out, b, t, colour_default, colour_default);
        text_in_font(out, b, name, colour_dark_green, colour_default, font_label);
    }
}

// The text of a styled box: field 0, unquoted with its escapes resolved.
void style_text(int i, char (&text)[paint_text_size])
{
    get_para(text, i, 0);
    if (text[0] == '"') unquote_esc(text);
}

int push_text(text_item *texts, int cap, int *n, const char *text, int x, int y)
{
    if (*n >= cap) return 1;
    text_item &t = texts[(*n)++];
    copy_bounded(t.text, sizeof t.text, text);
    t.x = x;
    t.y = y;
    t.colour = colour_default;
    t.back = colour_default;
    t.font = font_text;
    return 0;
}

// The outline of box b as four line segments in the device context's pen.
void frame_rect(const box_rec &b, shape_item *shapes, int cap, int *n)
{
    const paint_point pts[5] = {{b.x, b.y}, {b.endx, b.y}, {b.endx, b.endy}, {b.x, b.endy}, {b.x, b.y}};
    add_lines(shapes, cap, n, pen_dc, pts, 5);
}

// The characters of text one under another, centred on the box; a
// Shift-JIS pair is one character.
void vertical_text(const box_rec &b, const char *text, text_item *texts, int cap, int *n)
{
    const int first = *n;
    int height = 1;
    for (const char *p = text; *p != '\0';) {
        const size_t len = is_kanji1(static_cast<unsigned char>(*p)) && p[1] != '\0' ? 2 : 1;
        char ch[3];
        copy_span(ch, sizeof ch, p, len);
        int w = 0, h = 0;
        measure_text(font_text, ch, &w, &h);
        if (push_text(texts, cap, n, ch, (b.x + b.endx) / 2 - w / 2, h - 1) != 0) break;
        height += h - 1;
        p += len;
    }
    int y = (b.y + b.endy) / 2 - height / 2;
    for (int k = first; k < *n; ++k) {
        const int step = texts[k].y;
        texts[k].y = y;
        y += step;
    }
}

// Sizes box i to a text measured in font.
void fit_to(int i, const char *text, int font)
{
    int w = 0, h = 0;
    measure_text(font, text, &w, &h);
    box_rec &b = box_table[i];
    b.endx = b.x + w + 6;
    b.endy = b.y + h + 4;
}

bool form_has_kind(const char *kind)
{
    for (int i = form_sta; i < form_num; ++i)
        if (is(box_table[i].kind, kind)) return true;
    return false;
}

}  // namespace

int kind_letter(const char *kind)
{
    for (int r = 0; kind_letters[r][0] != '\0'; ++r)
        if (is(kind_letters[r] + 2, kind)) return kind_letters[r][0];
    return 0;
}

int paint_prepare()
{
    if (cur_box < 0) click_move_pending = 0;
    for (int i = form_sta; i < form_num; ++i) {
        box_mark[i] = mark_plain;
        box_style[i] = style_label;
        if (!in_y_range(box_table[i]) || !is(box_table[i].kind, "COMMENT")) continue;
        char f1[100];
        get_para(f1, i, 1);
        box_style[i] = static_cast<signed char>(word_style(f1));
    }
    const bool has_cur = in_form(cur_box);
    if (has_cur && box_table[cur_box].kind[0] != '\0' && box_table[cur_box].name[0] != '\0') {
        for (int i = form_sta; i < form_num; ++i)
            if (i != cur_box && is(box_table[i].name, box_table[cur_box].name)) box_mark[i] = mark_related;
    }
    for (int r = l_sta; r < l_num; ++r) {
        const link_rec &k = link_table[r];
        if (!in_form(k.from) || !in_form(k.to)) continue;
        style_from_link(k);
    }
    for (int r = l_sta; r < l_num; ++r) {
        const link_rec &k = link_table[r];
        if (!has_cur || !in_form(k.from) || !in_form(k.to) || !is_related_name(k.name)) continue;
        if (k.from == cur_box) box_mark[k.to] = mark_related;
        if (k.to == cur_box) box_mark[k.from] = mark_related;
    }
    if (has_cur) box_mark[cur_box] = mark_current;
    return 0;
}

int armed_frame(int w, int h, paint_point (&pts)[5])
{
    if (pending_op <= 0 && click_move_pending == 0) return 0;
    pts[0] = {1, 1};
    pts[1] = {1, h - 1};
    pts[2] = {w - 1, h - 1};
    pts[3] = {w - 1, 1};
    pts[4] = {1, 1};
    return 1;
}

bool box_framed(int i)
{
    if (!in_form(i) || box_level[i] != cur_level || !in_y_range(box_table[i])) return false;
    return (box_style[i] != style_corner && box_style[i] < style_vline) || box_mark[i] != mark_plain;
}

int box_look_of(int i, box_look *out)
{
    *out = box_look{};
    const box_rec &b = box_table[i];
    out->drawn = !(tree_view_flag != 0 && b.x == 250 && b.y == 10);
    if (box_mark[i] == mark_plain) out->pen = pen_box_plain;
    else if (box_mark[i] == mark_related) out->pen = pen_box_related;
    else if (pending_op < 1) {
        out->pen = pen_box_current;
        out->right_extra = 1;
    } else {
        out->pen = pen_box_armed;
    }
    if (out->drawn && box_style[i] == style_label) label_texts(i, out);
    return 0;
}

int box_inside_text(int i, char *text, int size, int *font)
{
    box_look look{};
    label_texts(i, &look);
    const box_rec &b = box_table[i];
    for (int k = 0; k < look.text_num; ++k) {
        if (look.texts[k].y != b.y + 2) continue;
        copy_bounded(text, size, look.texts[k].text);
        *font = look.texts[k].font;
        return 0;
    }
    if (size > 0) text[0] = '\0';
    return 1;
}

int box_text_items(int i, text_item *texts, int text_cap, shape_item *shapes, int shape_cap, int *shape_n)
{
    *shape_n = 0;
    int n = 0;
    const int style = box_style[i];
    if (style == style_label || style == style_by_link || box_level[i] != cur_level) return 0;
    const box_rec &b = box_table[i];
    char text[paint_text_size];
    style_text(i, text);
    if (style == style_corner) {
        push_text(texts, text_cap, &n, text, b.x + 2, b.y + 2);
        return n;
    }
    int cx = 0, cy = 0;
    measure_text(font_text, text, &cx, &cy);
    const int cx0 = (b.x + b.endx) / 2 - cx / 2, cy0 = (b.y + b.endy) / 2 - cy / 2;
    const bool omit = is(text, "omit");
    switch (style) {
    case style_center: push_text(texts, text_cap, &n, text, cx0, cy0); break;
    case style_top_left: push_text(texts, text_cap, &n, text, b.x + 2, b.y - 2 - cy); break;
    case style_top_right: push_text(texts, text_cap, &n, text, b.endx - 2 - cx, b.y - 2 - cy); break;
    case style_top_center: push_text(texts, text_cap, &n, text, cx0, b.y - 2 - cy); break;
    case style_bottom_left: push_text(texts, text_cap, &n, text, b.x + 2, b.endy + 2); break;
    case style_bottom_right: push_text(texts, text_cap, &n, text, b.endx - 2 - cx, b.endy + 2); break;
    case style_bottom_center: push_text(texts, text_cap, &n, text, cx0, b.endy + 2); break;
    case style_framed: {
        if (!omit) push_text(texts, text_cap, &n, text, b.x + 2, b.y + 2);
        frame_rect(b, shapes, shape_cap, shape_n);
        break;
    }
    case style_vline: *shape_n = shape_items(i, i, 't', shapes, shape_cap); break;
    case style_hline: *shape_n = shape_items(i, i, 'y', shapes, shape_cap); break;
    case style_ellipse:
        *shape_n = shape_items(i, i, 'E', shapes, shape_cap);
        if (!omit) push_text(texts, text_cap, &n, text, cx0, cy0);
        break;
    case style_vdouble:
        *shape_n = shape_items(i, i, 'T', shapes, shape_cap);
        if (!omit) vertical_text(b, text, texts, text_cap, &n);
        break;
    case style_hdouble:
        *shape_n = shape_items(i, i, 'Y', shapes, shape_cap);
        if (!omit) push_text(texts, text_cap, &n, text, cx0, cy0);
        break;
    default: break;
    }
    return n;
}

int box_at_point(int x, int y, win_handle window)
{
    int hit = -1;
    for (int i = form_sta; i < form_num; ++i) {
        const box_rec &b = box_table[i];
        if (box_level[i] != cur_level || b.y < -4095 || b.y > 4095) continue;
        if (b.x <= x && x < b.endx && b.y <= y && y < b.endy) hit = i;
    }
    if (window == nullptr || hit < 0) return hit;
    if (cur_box >= 0) commit_prop_value();
    if (hit != cur_box) {
        sel_changed = 1;
        find_series_reset();
    }
    cur_box = hit;
    cur_link = -1;
    return hit;
}

int fit_all_boxes(win_handle window)
{
    const bool form_box = form_has_kind("FORM");
    for (int i = form_sta; i < form_num; ++i) {
        const box_rec &b = box_table[i];
        if (b.kind[0] == '\0' || is(b.kind, "COMMENT") || is(b.kind, "STRING") || is_control_box(i)) continue;
        if (form_box && b.name[0] != '\0' && !is_reserved_kind(i) && !is(b.kind, "PROC") && !is(b.kind, "WM") &&
            !is(b.kind, "ID") && !is(b.kind, "AREA") && case_no(b.kind) < 0)
            continue;
        char text[paint_text_size];
        int font = font_label;
        if (box_inside_text(i, text, sizeof text, &font) == 0) fit_to(i, text, font);
    }
    for (int i = form_sta; i < form_num; ++i) {
        const box_rec &b = box_table[i];
        char f1[100];
        get_para(f1, i, 1);
        const bool plain_comment = is(b.kind, "COMMENT") && !is(f1, "Center") && (f1[0] == '\0' || f1[0] == '0');
        if (!plain_comment && !is(b.kind, "STRING") && !is(b.kind, "EDATA")) continue;
        char text[paint_text_size];
        style_text(i, text);
        if (text[0] != '\0') fit_to(i, text, font_text);
    }
    if (window != nullptr) host_redraw(window, form_redraw_flags);
    return 0;
}

int layout_work_form() { return layout_work(form_sta, form_num, l_sta, l_num); }

int work_mark_boxes(int *out, int cap)
{
    if (!has_work_box() || !in_form(cur_box) || is(box_table[cur_box].kind, "TAIL")) return 0;
    int n = 0;
    for (int r = l_sta; r < l_num && n < cap; ++r) {
        const link_rec &k = link_table[r];
        if (k.from == cur_box && in_form(k.to)) out[n++] = k.to;
        else if (k.to == cur_box && in_form(k.from)) out[n++] = k.from;
    }
    return n;
}

int frame_box_points(int i, paint_point (&pts)[5])
{
    const box_rec &b = box_table[i];
    pts[0] = {b.x, b.y};
    pts[1] = {b.endx - 1, b.y};
    pts[2] = {b.endx - 1, b.endy - 1};
    pts[3] = {b.x, b.endy - 1};
    pts[4] = {b.x, b.y};
    return 0;
}

int box_paint_reset()
{
    memset(box_mark, 0, sizeof box_mark);
    memset(box_style, 0, sizeof box_style);
    return 0;
}
