// Key assignments, scrolling, selection frames and parent-relative placing.
#include "forms/keys.h"

#include <cstring>
#include <vector>

#include "forms/kinds.h"
#include "forms/model.h"
#include "forms/relmove.h"
#include "shell/dirs.h"
#include "shell/text.h"
#include "shell/winmsg.h"

void key_file_name(char *file, int file_size, char *kind, int kind_size)
{
    for (int r = form_sta; r < form_num; ++r) {
        for (int k = 0; top_kinds[k][0] != '\0'; ++k) {
            if (!kind_is(r, top_kinds[k])) continue;
            char head[6];
            format_text(head, sizeof head, "%s_", top_kinds[k]);
            format_text(file, file_size, "%sKey.dat", head);
            copy_bounded(kind, kind_size, top_kinds[k]);
            return;
        }
    }
    copy_bounded(file, file_size, "INI_Key.dat");
    copy_bounded(kind, kind_size, "");
}

namespace {

bool is_key_char(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

// Reads a line of at most 100 bytes; the rest of a longer line is skipped.
bool read_key_line(char (&line)[101], FILE *fp)
{
    if (read_line(line, sizeof line, fp) == nullptr) return false;
    if (strchr(line, '\n') == nullptr) {
        char rest[101];
        while (read_line(rest, sizeof rest, fp) != nullptr && strchr(rest, '\n') == nullptr) {
        }
    }
    line[strcspn(line, "\n")] = '\0';
    return true;
}

}  // namespace

int lookup_key(int ch, char *text, int text_size, char *kind, int kind_size)
{
    if (!is_key_char(ch)) return 0;
    char file[20], top[kind_size];
    key_file_name(file, sizeof file, top, sizeof top);
    FILE *fp = dir_fopen(file, "r");
    if (fp == nullptr) return 0;
    char line[101];
    int result = 0;
    while (result == 0 && read_key_line(line, fp)) {
        const int c = static_cast<unsigned char>(line[0]);
        if (c != ch && !(ch >= 'A' && ch <= 'Z' && c == ch - 'A' + 'a')) continue;
        copy_bounded(text, text_size, line[1] == ':' ? line + 2 : line);
        copy_bounded(kind, kind_size, top);
        result = c >= 'a' && c <= 'z' ? 2 : 1;
    }
    fclose(fp);
    return result;
}

int toggle_frame()
{
    if (!in_form(cur_box)) {
        host_beep();
        return 0;
    }
    char *kind = box_table[cur_box].kind;
    if (strcmp(kind, "z") == 0) {
        kind[0] = '\0';
        return 1;
    }
    if (kind[0] != '\0') {
        host_beep();
        return 0;
    }
    copy_bounded(kind, kind_size, "z");
    return 1;
}

int delete_frames()
{
    int r = form_sta;
    while (r < form_num) {
        if (kind_is(r, "z") && delete_box(r, 0) == 0) continue;
        ++r;
    }
    return 0;
}

namespace {

bool starts_with(const char *s, const char *head) { return strncmp(s, head, strlen(head)) == 0; }

// The first link ending in i that is a parent link; with fallback, the first
// no_set link when there is none.
int parent_link(int i, bool fallback)
{
    for (int r = l_sta; r < l_num; ++r) {
        const char *n = link_table[r].name;
        if (link_table[r].to == i && !starts_with(n, "no_set") && strcmp(n, "ANY") != 0 && strcmp(n, "SET") != 0)
            return r;
    }
    if (!fallback) return -1;
    for (int r = l_sta; r < l_num; ++r) {
        if (link_table[r].to == i && starts_with(link_table[r].name, "no_set")) return r;
    }
    return -1;
}

}  // namespace

int center_on_parent(int i, int *dx, int *dy)
{
    *dx = *dy = 0;
    const int r = in_form(i) ? parent_link(i, true) : -1;
    if (r < 0) return 0;
    const box_rec &p = box_table[link_table[r].from];
    const box_rec &b = box_table[i];
    if (strcmp(link_table[r].name, "under_pos") == 0 || p.endx >= b.x) *dx = (p.x + p.endx) / 2 - (b.x + b.endx) / 2;
    else *dy = (p.y + p.endy) / 2 - (b.y + b.endy) / 2;
    return 1;
}

int match_parent_height(int i, win_handle window)
{
    const int r = in_form(i) ? parent_link(i, false) : -1;
    if (r < 0) return 0;
    const box_rec &p = box_table[link_table[r].from];
    box_table[i].endy = box_table[i].y + p.endy - p.y;
    host_redraw(window, form_redraw_flags);
    return 1;
}

int move_children(int i, int dx, int dy)
{
    if (!in_form(i)) return 0;
    std::vector<char> seen(box_cap, 0);
    std::vector<int> todo{i};
    seen[i] = 1;
    while (!todo.empty()) {
        const int b = todo.back();
        todo.pop_back();
        for (int r = l_sta; r < l_num; ++r) {
            const int c = link_table[r].to;
            if (link_table[r].from != b || strcmp(link_table[r].name, "on_set") != 0) continue;
            if (c < 0 || c >= box_cap || seen[c] || !kind_is(c, "COMMENT")) continue;
            seen[c] = 1;
            shift_rect(box_table[c], dx, dy);
            todo.push_back(c);
        }
    }
    return 0;
}

void move_with_children(int i, int dx, int dy, bool with_children)
{
    if (!with_children) {
        move_box(i, dx, dy);
        return;
    }
    const int saved = relate_off;
    relate_off = 1;
    move_box(i, dx, dy);
    move_children(i, dx, dy);
    relate_off = saved;
}

namespace {

bool same_group(int a, int b)
{
    const bool ua = is_user_kind(box_table[a].kind), ub = is_user_kind(box_table[b].kind);
    if (ua && ub) return strcmp(box_table[a].kind, box_table[b].kind) == 0;
    return !ua && !ub;
}

}  // namespace

int align_siblings(int i, int with_children)
{
    int link = -1;
    for (int r = l_sta; r < l_num && link < 0; ++r) {
        const char *n = link_table[r].name;
        if (link_table[r].to == i && (!strcmp(n, "on_set") || !strcmp(n, "under_pos") || !strcmp(n, "right_pos"))) link = r;
    }
    if (link < 0 || !in_form(i)) return 0;
    const int p = link_table[link].from;
    char rel[name_size];
    copy_bounded(rel, sizeof rel, link_table[link].name);
    std::vector<int> siblings;
    for (int r = l_sta; r < l_num; ++r) {
        const int c = link_table[r].to;
        if (link_table[r].from == p && strcmp(link_table[r].name, rel) == 0 && c != i && in_form(c) && same_group(c, i))
            siblings.push_back(c);
    }
    for (const int c : siblings) {
        const bool under = strcmp(rel, "under_pos") == 0;
        const int dx = under ? 0 : box_table[i].x - box_table[c].x;
        const int dy = under ? box_table[i].y - box_table[c].y : 0;
        move_with_children(c, dx, dy, with_children);
    }
    return 0;
}

namespace {

scroll_point last_scroll;

bool scrollable_form()
{
    static const char *const kinds[] = {"PROJ", "WORK", "HTML", "APP", "SMENU"};
    for (int r = form_sta; r < form_num; ++r) {
        for (const char *k : kinds) {
            if (kind_is(r, k)) return true;
        }
    }
    return false;
}

}  // namespace

void scroll_form_reset() { last_scroll = {0, 0}; }

int scroll_form(win_handle window, int code)
{
    if (window == nullptr) {
        scroll_org = {0, 0};
        find_history_num = 0;
        return 0;
    }
    if (code == scroll_query) return scroll_org.x != 0 || scroll_org.y != 0 ? 1 : 0;
    if (!scrollable_form()) {
        if (code != scroll_to_origin && code != scroll_undo) host_beep();
        return 0;
    }
    int w = 0, h = 0;
    host_client_size(window, &w, &h);
    const int half_x = shift_held ? 130 : w / 130 / 2 * 130;
    const int half_y = shift_held ? 26 : h / 26 / 2 * 26;
    scroll_point d = {0, 0};
    switch (code) {
    case VK_HOME:
    case scroll_to_origin: d = {-scroll_org.x, -scroll_org.y}; break;
    case scroll_undo: d = {-last_scroll.x, -last_scroll.y}; break;
    case VK_LEFT: d.x = half_x; break;
    case VK_UP: d.y = half_y; break;
    case VK_RIGHT: d.x = -half_x; break;
    case VK_DOWN: d.y = -half_y; break;
    default: return 0;
    }
    scroll_org.x += d.x;
    scroll_org.y += d.y;
    for (int r = form_sta; r < form_num; ++r) shift_rect(box_table[r], d.x, d.y);
    last_scroll = d;
    return 1;
}
