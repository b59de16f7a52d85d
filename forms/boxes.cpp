// Box operations of the form model: adding, deleting, reordering, field
// access, renames and the boxes of a file pattern.
#include <cstdlib>
#include <initializer_list>
#include <cstring>

#include "forms/copysplit.h"
#include "forms/model.h"
#include "forms/para.h"
#include "forms/queries.h"
#include "forms/rtree.h"
#include "forms/undo.h"
#include "shell/msgbox.h"
#include "shell/text.h"

bool kind_is(int i, const char *kind) { return i >= 0 && i < box_cap && strcmp(box_table[i].kind, kind) == 0; }

bool inside_frame(int b, int frame)
{
    const box_rec &f = box_table[frame];
    const box_rec &r = box_table[b];
    return b != frame && box_level[b] == cur_level && r.x > f.x && r.endx < f.endx && r.y > f.y && r.endy < f.endy;
}

int add_box_rect(int x0, int y0, int x1, int y1, int min)
{
    if (!form_storage && form_alloc() != 0) return 0;
    if (!(x0 < x1 && y0 < y1 && x1 - x0 >= min && y1 - y0 >= min)) return 0;
    if (form_num >= box_cap || para_text_len() + 1 >= para_cap) {
        host_beep();
        return 0;
    }
    box_rec &b = box_table[form_num];
    b = box_rec{};
    b.x = x0;
    b.y = y0;
    b.endx = x1;
    b.endy = y1;
    cur_box = form_num;
    ++form_num;
    para_add_nl();
    set_box_level(cur_box);
    return 1;
}

namespace {

// Drops the links that touch box i; 2 (nothing changed) when force is 0
// and one does.
int drop_links_of(int i, int force)
{
    int w = l_sta;
    for (int r = l_sta; r < l_num; ++r) {
        const link_rec &k = link_table[r];
        if (k.from == i || k.to == i) {
            if (!force) return 2;
            if (cur_link == r) cur_link = -1;
            continue;
        }
        if (w != r) {
            link_table[w] = k;
            if (cur_link == r) cur_link = w;
        }
        ++w;
    }
    l_num = w;
    return 0;
}

}  // namespace

int delete_box(int i, int force)
{
    if (form_num <= form_sta) return 1;
    if (!in_form(i)) return -1;
    if (drop_links_of(i, force) != 0) return 2;
    if (cur_box == i) {
        cur_box = -1;
        reset_cur_prop();
    } else if (cur_box > i) {
        --cur_box;
    }
    for (int r = i + 1; r < form_num; ++r) {
        box_table[r - 1] = box_table[r];
        box_level[r - 1] = box_level[r];
    }
    --form_num;
    for (int r = l_sta; r < l_num; ++r) {
        if (link_table[r].from > i) --link_table[r].from;
        if (link_table[r].to > i) --link_table[r].to;
    }
    para_delete_line(i);
    undo_forget_paste_below(i);
    return 0;
}

namespace {

// Deletes what frame encloses, then the frame; frame follows the deletions.
int delete_frame_contents(int frame, int force)
{
    for (;;) {
        int b = -1;
        for (int r = form_sta; r < form_num; ++r) {
            if (inside_frame(r, frame) && !is_swapped_detail(r)) {
                b = r;
                break;
            }
        }
        if (b < 0) break;
        if (is_unswapped_detail(b)) {
            delete_subtree(b, &frame);
            if (frame < 0) return 0;
            continue;
        }
        const int r = delete_box(b, force);
        if (r != 0) return r;
        if (b < frame) --frame;
    }
    return delete_box(frame, force);
}

}  // namespace

int delete_box_cmd(int i, int force)
{
    if (!in_form(i)) return -1;
    if (is_detail_kind(i)) {
        if (is_swapped(i)) return 0;
        return delete_subtree(i);
    }
    if (kind_is(i, "z")) return delete_frame_contents(i, force);
    return delete_box(i, force);
}

int move_box_index(int after, int j)
{
    if (!in_form(j) || j == after || j == after + 1) return 0;
    if (after != -1 && !in_form(after)) return 0;
    const int t = after > j ? after : after == -1 ? form_sta : after + 1;
    const box_rec saved = box_table[j];
    const int saved_level = box_level[j];
    if (t > j) {
        for (int r = j; r < t; ++r) {
            box_table[r] = box_table[r + 1];
            box_level[r] = box_level[r + 1];
        }
    } else {
        for (int r = j; r > t; --r) {
            box_table[r] = box_table[r - 1];
            box_level[r] = box_level[r - 1];
        }
    }
    box_table[t] = saved;
    box_level[t] = saved_level;
    for (int r = l_sta; r < l_num; ++r) {
        for (int *end : {&link_table[r].from, &link_table[r].to}) {
            if (*end == j) *end = t;
            else if (t < j && *end >= t && *end < j) ++*end;
            else if (t > j && *end > j && *end <= t) --*end;
        }
    }
    para_move_line(t, j);
    cur_box = t;
    sort_links();
    return 0;
}

int move_cur_box_first() { return move_box_index(-1, cur_box); }

int get_box_rect(int i, int *x, int *y, int *endx, int *endy)
{
    if (i < 0 || i >= box_cap) return 1;
    const box_rec &b = box_table[i];
    *x = b.x;
    *y = b.y;
    *endx = b.endx;
    *endy = b.endy;
    return 0;
}

void copy_box_name(int i, char *out, int size)
{
    if (size <= 0) return;
    out[0] = '\0';
    if (i >= 0 && i < box_cap) copy_bounded(out, size, box_table[i].name);
}

void copy_box_kind(int i, char *out, int size)
{
    if (size <= 0) return;
    out[0] = '\0';
    if (i >= 0 && i < box_cap) copy_bounded(out, size, box_table[i].kind);
}

void get_box_name(int i, char *out, int size)
{
    if (size <= 0) return;
    if (i < 0) copy_bounded(out, size, "???");
    else if (kind_is(i, "HBOX")) get_para(out, size, i, 0);
    else copy_box_name(i, out, size);
}

void get_box_kind(int i, char *out, int size)
{
    if (size <= 0) return;
    if (kind_is(i, "HBOX")) get_para(out, size, i, 1);
    else copy_box_kind(i, out, size);
}

void get_parent_kind(int i, char *out, int size)
{
    if (size <= 0) return;
    out[0] = '\0';
    for (int r = l_sta; r < l_num; ++r) {
        if (link_table[r].to == i) {
            copy_box_kind(link_table[r].from, out, size);
            return;
        }
    }
}

int set_box_name(int i, const char *text)
{
    if (i < 0 || i >= box_cap || has_blank(text)) return 1;
    copy_bounded(undo_name, sizeof undo_name, box_table[i].name);
    copy_bounded(box_table[i].name, sizeof box_table[i].name, text);
    return 0;
}

int set_box_kind(int i, const char *text)
{
    if (i < 0 || i >= box_cap || has_blank(text)) return 1;
    copy_bounded(undo_kind, sizeof undo_kind, box_table[i].kind);
    copy_bounded(box_table[i].kind, sizeof box_table[i].kind, text);
    return 0;
}

int undo_box_rename(int i)
{
    if (i < 0 || i >= box_cap) return 1;
    char t[name_size];
    copy_bounded(t, sizeof t, box_table[i].kind);
    copy_bounded(box_table[i].kind, sizeof box_table[i].kind, undo_kind);
    copy_bounded(undo_kind, sizeof undo_kind, t);
    copy_bounded(t, sizeof t, box_table[i].name);
    copy_bounded(box_table[i].name, sizeof box_table[i].name, undo_name);
    copy_bounded(undo_name, sizeof undo_name, t);
    return 0;
}

namespace {

// The kind a box shows: field 1 of an HBOX's line, else its kind.
void shown_kind(int i, char (&out)[100]) { get_box_kind(i, out, sizeof out); }

}  // namespace

int is_box_or_ybox(int i)
{
    char k[100];
    shown_kind(i, k);
    return strcmp(k, "BOX") == 0 || strcmp(k, "YBOX") == 0;
}

int is_ybox(int i)
{
    char k[100];
    shown_kind(i, k);
    return strcmp(k, "YBOX") == 0;
}

int box_is_named(int i, const char *name)
{
    if (kind_is(i, "BOX")) return strcmp(box_table[i].name, name) == 0;
    if (!kind_is(i, "HBOX")) return 0;
    char k[100], n[100];
    get_para(k, i, 1);
    get_para(n, i, 0);
    return strcmp(k, "BOX") == 0 && strcmp(n, name) == 0;
}

int fit_box_to_name(int i, win_handle window)
{
    if (i < 0 || i >= box_cap) return 1;
    bool has_form = false;
    for (int r = form_sta; r < form_num; ++r) has_form = has_form || kind_is(r, "FORM");
    box_rec &b = box_table[i];
    if (has_form) {
        b.endy = b.y + host_font_height(window) + 6;
    } else {
        if (b.name[0] == '\0') return 0;
        int w = 0, h = 0;
        host_text_size("Arial", font_h, b.name, &w, &h);
        b.endx = b.x + w + 6;
        b.endy = b.y + h + 4;
    }
    host_redraw(window, form_redraw_flags);
    return 0;
}

int arrange_file_boxes(int n, char **names)
{
    int made = 0;
    int x = 40, y = 60;
    for (int k = 1; k < n; ++k) {
        const int row = form_sta + made;
        if (row >= box_cap || para_text_len() + made + 1 >= para_cap) break;
        box_rec &b = box_table[row];
        b = box_rec{};
        char kind[256];
        copy_bounded(kind, sizeof kind, names[k]);
        char *dot = strrchr(kind, '.');
        if (dot != nullptr) *dot = '\0';
        copy_bounded(b.kind, sizeof b.kind, kind);
        b.x = x;
        b.y = y;
        b.endx = x + 20;
        b.endy = y + 20;
        box_level[row] = cur_level;
        ++made;
        x += 80;
        if (x >= canvas_w - 80) {
            x = 40;
            y += 50;
        }
    }
    form_num = form_sta + made;
    l_num = l_sta;
    cur_box = cur_link = -1;
    return made;
}

int para_reset_cb(int n, char **names)
{
    para_truncate(form_sta);
    const int made = arrange_file_boxes(n, names);
    for (int i = 0; i < made; ++i) para_add_nl();
    return 0;
}
