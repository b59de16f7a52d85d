// Form queries and the values a property-sheet sub-form exchanges with the
// box that holds it.
#include "forms/queries.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "forms/kinds.h"
#include "forms/model.h"
#include "forms/para.h"
#include "forms/prescan.h"
#include "shell/dirs.h"
#include "shell/text.h"

int font_h = -12;
int font_w;
union_pos union_list[box_cap];
int union_count;
char data_items[512];
char data_vals[data_val_count][256];

namespace {

int first_of_kinds(const char *const *kinds)
{
    for (int r = form_sta; r < form_num; ++r) {
        if (kind_in(box_table[r].kind, kinds)) return r;
    }
    return -1;
}

void place_axis(const char *where, const char *size, int screen, int *pos, int *length)
{
    *length = atoi(size);
    if (strcmp(where, "CENTERING") == 0 || strcmp(where, "FULL") == 0) *pos = screen / 2 - *length / 2;
    else *pos = atoi(where);
}

bool field_is(int i, int k, const char *text)
{
    char f[512];
    get_para(f, i, k);
    return strcmp(f, text) == 0;
}

// The field number n of a "p" followed by n, or -1.
int p_field(int i, int k)
{
    char f[100];
    get_para(f, i, k);
    return f[0] == 'p' ? atoi(f + 1) : -1;
}

int holder_box() { return form_stack[fnum - 1].cur; }

std::string chosen_items()
{
    std::string list;
    for (int r = form_sta; r < form_num; ++r) {
        if (!kind_is(r, "ITEM") || !field_is(r, 2, "1")) continue;
        if (!list.empty()) list += '|';
        list += box_table[r].name;
    }
    return list;
}

void choose_items(const char *list)
{
    std::string parts(list);
    size_t p = 0;
    while (p <= parts.size()) {
        size_t e = parts.find('|', p);
        if (e == std::string::npos) e = parts.size();
        const std::string part = parts.substr(p, e - p);
        for (int r = form_sta; r < form_num && !part.empty(); ++r) {
            if (kind_is(r, "ITEM") && part == box_table[r].name) set_para("1", r, 2);
        }
        p = e + 1;
    }
}

}  // namespace

int form_geometry(form_geometry_rec *out)
{
    hide_panes();
    static const char *const geometry_kinds[] = {"PROJ", "APP", "FORM", "WORK", "HTML", "SMENU", "DATA", "CALC", ""};
    const int top = first_of_kinds(geometry_kinds);
    if (top < 0) return -1;
    char f[7][512];
    for (int k = 0; k < 7; ++k) get_para(f[k], top, k);
    copy_bounded(out->name, sizeof out->name, f[0]);
    copy_bounded(out->caption, sizeof out->caption, f[1]);
    copy_bounded(out->flag, sizeof out->flag, f[2]);
    int w = 0, h = 0;
    host_desktop_size(&w, &h);
    place_axis(f[3], f[5], w, &out->x, &out->width);
    place_axis(f[4], f[6], h, &out->y, &out->height);
    if (!kind_is(top, "DATA")) return 0;
    for (int r = form_sta; r < form_num; ++r) {
        char pw[100];
        get_para(pw, r, 2);
        int width = atoi(pw);
        if (width < 1) width = 100;
        const int n = edata_no(r);
        if (n >= 0) show_label(n, box_table[r].endx, box_table[r].endx + width, box_table[r].endy);
    }
    load_data_values();
    name_items();
    return 0;
}

int get_qfont()
{
    static const char *const qfont[] = {"QFONT", ""};
    const int q = first_of_kinds(qfont);
    char f[100];
    get_para(f, q, 0);
    const int h = q >= 0 ? atoi(f) : 0;
    get_para(f, q, 1);
    const int w = q >= 0 ? atoi(f) : 0;
    font_h = h != 0 ? -h : -12;
    font_w = w != 0 ? -w : 0;
    return 0;
}

int get_union_list()
{
    static const char *const generate[] = {"GENERATE", ""};
    const int g = first_of_kinds(generate);
    if (g < 0) return 0;
    union_count = 0;
    for (int r = l_sta; r < l_num && union_count < box_cap; ++r) {
        const int c = link_table[r].to;
        if (link_table[r].from == g && strcmp(link_table[r].name, "on_set") == 0 && kind_is(c, "UNION"))
            union_list[union_count++] = {box_table[c].x, box_table[c].y};
    }
    return 0;
}

int union_num() { return union_count; }

int get_union(int i, int *x, int *y)
{
    if (i < 0 || i >= union_count) return 1;
    *x = union_list[i].x;
    *y = union_list[i].y;
    return 0;
}

void get_box_fields(int i, char (&f0)[512], char (&f1)[512], char (&f2)[512])
{
    get_para(f0, i, 0);
    get_para(f1, i, 1);
    get_para(f2, i, 2);
}

void get_kind_name(int i, char *kind, int kind_cap, char *name, int name_cap)
{
    copy_box_kind(i, kind, kind_cap);
    copy_box_name(i, name, name_cap);
}

int has_work_box()
{
    for (int r = form_sta; r < form_num; ++r) {
        if (kind_is(r, "WORK")) return 1;
    }
    return 0;
}

void reset_item_marks()
{
    for (int r = form_sta; r < form_num; ++r) {
        if (kind_is(r, "ITEM") || kind_is(r, "BDATA")) set_para("0", r, 2);
        if (kind_is(r, "EDATA")) set_pane_text(edata_no(r), "");
    }
}

int find_style_line(int i)
{
    if (i < 0 || i >= box_cap) return -1;
    char name[100];
    format_text(name, sizeof name, "%s.s", box_table[i].kind);
    FILE *fp = dir_fopen(name, "r");
    if (fp == nullptr) return -1;
    char line[1000];
    int number = 0, found = -1;
    while (found < 0 && read_line(line, sizeof line, fp) != nullptr) {
        ++number;
        const char *p = line + strspn(line, " \t");
        if (strncmp(p, "char", 4) != 0) continue;
        p += 4;
        p += strspn(p, " \t");
        if (*p != '*') continue;
        ++p;
        p += strspn(p, " \t");
        if (strncmp(p, "style", 5) == 0) found = number - 2;
    }
    fclose(fp);
    return found;
}

int name_items()
{
    if (fnum == 0) return 1;
    reset_item_marks();
    const int holder = holder_box();
    const int k = find_style_line(holder);
    if (k >= 0) {
        char list[512];
        get_para(list, holder, k);
        choose_items(list);
    }
    for (int r = form_sta; r < form_num; ++r) {
        char text[512] = "";
        if (kind_is(r, "EDATA")) {
            const int n = p_field(r, 1);
            if (field_is(r, 1, "name")) copy_box_name(holder, text);
            else if (n >= 0) get_para(text, holder, n);
            set_pane_text(edata_no(r), text);
        } else if (kind_is(r, "BDATA")) {
            const int n = p_field(r, 3);
            if (n < 0) continue;
            char value[512];
            get_para(text, holder, n);
            get_para(value, r, 4);
            set_para(strcmp(text, value) == 0 ? "1" : "0", r, 2);
        }
    }
    return 0;
}

int store_item_values()
{
    if (fnum == 0) return 1;
    const int holder = holder_box();
    const int k = find_style_line(holder);
    if (k >= 0) {
        const std::string list = chosen_items();
        set_para(list.empty() ? "0" : list.c_str(), holder, k);
    }
    for (int r = form_sta; r < form_num; ++r) {
        if (!kind_is(r, "EDATA")) continue;
        char text[512];
        get_pane_text(edata_no(r), text, sizeof text);
        const int n = p_field(r, 1);
        if (field_is(r, 1, "name")) {
            if (validate_object_name(holder, text) == 0) {
                char name[name_size];
                copy_bounded(name, sizeof name, text);
                copy_bounded(box_table[holder].name, sizeof box_table[holder].name, name);
            }
        } else if (n >= 0) {
            set_para(text[0] != '\0' ? text : "omit", holder, n);
        }
    }
    for (int r = form_sta; r < form_num; ++r) {
        const int n = kind_is(r, "BDATA") ? p_field(r, 3) : -1;
        if (n >= 0) set_para("omit", holder, n);
    }
    for (int r = form_sta; r < form_num; ++r) {
        const int n = kind_is(r, "BDATA") ? p_field(r, 3) : -1;
        if (n < 0 || !field_is(r, 2, "1")) continue;
        char value[512];
        get_para(value, r, 4);
        set_para(value, holder, n);
    }
    mark_parent_changed();
    return 0;
}

void load_data_values()
{
    copy_bounded(data_items, sizeof data_items, chosen_items().c_str());
    for (int r = form_sta; r < form_num; ++r) {
        const int n = kind_is(r, "BDATA") ? p_field(r, 3) : -1;
        if (n < 0 || n >= data_val_count || !field_is(r, 2, "1")) continue;
        get_para(data_vals[n], r, 4);
    }
}

void apply_data_values()
{
    for (int r = form_sta; r < form_num; ++r) {
        if (kind_is(r, "ITEM")) set_para("0", r, 2);
    }
    choose_items(data_items);
    for (int r = form_sta; r < form_num; ++r) {
        const int n = kind_is(r, "BDATA") ? p_field(r, 3) : -1;
        if (n < 0 || n >= data_val_count) continue;
        char value[512];
        get_para(value, r, 4);
        set_para(strcmp(value, data_vals[n]) == 0 ? "1" : "0", r, 2);
    }
}

namespace {

// Follows the first on_set link leaving (down) or reaching (up) each box in
// turn and clears the mark of each ITEM or BDATA box reached; a box met twice ends it.
void clear_chain(int i, bool down)
{
    std::vector<char> seen(box_cap, 0);
    seen[i] = 1;
    for (int b = i;;) {
        int next = -1;
        for (int r = l_sta; r < l_num && next < 0; ++r) {
            if (strcmp(link_table[r].name, "on_set") != 0) continue;
            if (down && link_table[r].from == b) next = link_table[r].to;
            if (!down && link_table[r].to == b) next = link_table[r].from;
        }
        if (next < 0 || next >= box_cap || seen[next]) return;
        seen[next] = 1;
        if (kind_is(next, "ITEM") || kind_is(next, "BDATA")) set_para("0", next, 2);
        b = next;
    }
}

}  // namespace

void clear_item_chain(int i)
{
    if (i < 0 || i >= box_cap) return;
    clear_chain(i, true);
    clear_chain(i, false);
}
