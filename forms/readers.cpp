// Structure files list the members of a kind, parameter files the values
// of each member; both are read line by line with the pattern matcher.
#include "forms/readers.h"

#include <cctype>
#include <cstring>

#include "forms/kinds.h"
#include "forms/matcher.h"
#include "forms/xwindow.h"
#include "shell/dirs.h"
#include "shell/startup.h"
#include "shell/text.h"

namespace {

char last_kind[100];
char last_name[100];

bool is_case_file(const char *s) { return strncmp(s, "CASE", 4) == 0 && isdigit(static_cast<unsigned char>(s[4])); }

void copy_capture(char *out, int size, const char *a, const char *b)
{
    int n = static_cast<int>(b - a);
    if (n > size - 1) n = size - 1;
    memcpy(out, a, n);
    out[n] = '\0';
}

void add_line(win_handle list, const char *format, const char *arg)
{
    char text[300];
    format_text(text, sizeof text, format, arg);
    host_list_add(list, text);
}

}  // namespace

void readers_reset()
{
    last_kind[0] = last_name[0] = '\0';
    memset(delim_tbl, 0, sizeof delim_tbl);
}

int struct_kind_file(char *out, int size, const char *kind)
{
    const char *name = kind;
    char cls[100];
    if (xwin_mode && xwindow_col1(kind, &name)) {
        copy_bounded(cls, sizeof cls, name);
        cut_extension(cls);
        name = cls;
    }
    format_text(out, size, "%s.s", name);
    return 0;
}

int walk_struct_members(const char *kind, const char *name, char *file, int file_size, struct_member_fn each,
                        void *ctx)
{
    char base[100], wanted[100] = "";
    copy_bounded(base, sizeof base, kind);
    char *dot = strrchr(base, '.');
    if (dot != nullptr) *dot = '\0';
    copy_bounded(file, file_size, kind);
    if (strcmp(base, "TAG") == 0) {
        copy_bounded(wanted, sizeof wanted, name);
    } else if (!not_tree_or_hbox(base)) {
        copy_bounded(wanted, sizeof wanted, base);
        copy_bounded(file, file_size, "BOX.S");
    } else if (!not_item_kind(base)) {
        copy_bounded(wanted, sizeof wanted, base);
        copy_bounded(file, file_size, "XITEM.S");
    }
    if (is_case_file(file)) copy_bounded(file, file_size, "CASE.S");
    set_delims("={,};\t\r\n ");
    FILE *fp = dir_fopen(file, "r");
    if (fp == nullptr) return -1;
    bool listing = wanted[0] == '\0';
    int count = 0;
    char line[1000];
    while (read_line(line, sizeof line, fp) != nullptr) {
        const char *cap[4];
        if (!listing) {
            char header[100];
            if (match_pattern(line, "0bstructb&S&0b{", nullptr, cap) != nullptr) {
                copy_capture(header, sizeof header, cap[0], cap[1]);
                listing = strcmp(header, wanted) == 0;
            }
            continue;
        }
        if (match_pattern(line, "0bstructb&S&b&S&0b=0b{", nullptr, cap) != nullptr) continue;
        if (match_pattern(line, "0b&S&b&S&0b;", nullptr, cap) != nullptr) {
            char type[100], member[100];
            copy_capture(type, sizeof type, cap[0], cap[1]);
            copy_capture(member, sizeof member, cap[2], cap[3]);
            each(type, member, ctx);
            ++count;
            continue;
        }
        if (match_pattern(line, "0b&S&", nullptr, cap) != nullptr) continue;
        if (match_pattern(line, "0b}0b;", nullptr, nullptr) != nullptr) break;
    }
    fclose(fp);
    return count;
}

namespace {

void add_member(const char *, const char *member, void *list) { host_list_add(static_cast<win_handle>(list), member); }

}  // namespace

int list_struct_members(win_handle listbox, const char *kind, const char *name)
{
    host_list_reset(listbox);
    copy_bounded(last_kind, sizeof last_kind, kind);
    char *dot = strrchr(last_kind, '.');
    if (dot != nullptr) *dot = '\0';
    copy_bounded(last_name, sizeof last_name, name);
    char file[100];
    const int count = walk_struct_members(kind, name, file, sizeof file, add_member, listbox);
    if (count >= 0) return count;
    add_line(listbox, "?(%s)", file);
    return 0;
}

namespace {

void add_item(win_handle list, const char *start, const char *end)
{
    char text[1000];
    copy_capture(text, sizeof text, start, end);
    int n = static_cast<int>(strlen(text));
    while (n > 0 && (text[n - 1] == ' ' || text[n - 1] == '\t')) text[--n] = '\0';
    host_list_add(list, text);
}

bool block_end(const char *line) { return match_pattern(line, "0b}0b;", nullptr, nullptr) != nullptr; }

// Reads up to the block header whose type is wanted (the first one when
// wanted is empty).
bool find_block(FILE *fp, const char *wanted)
{
    char line[1000];
    while (read_line(line, sizeof line, fp) != nullptr) {
        const char *cap[4];
        if (match_pattern(line, "0bstructb&S&b&S&0b=0b{", nullptr, cap) == nullptr) continue;
        char type[100];
        copy_capture(type, sizeof type, cap[0], cap[1]);
        if (wanted[0] == '\0' || strcmp(type, wanted) == 0) return true;
    }
    return false;
}

void list_element(FILE *fp, win_handle list, int n)
{
    char line[1000];
    char *s = nullptr, *e = nullptr;
    for (int passed = 0; passed < n;) {
        if (read_line(line, sizeof line, fp) == nullptr || block_end(line)) return;
        if (read_item_line(line, ',', &s, &e)) ++passed;
    }
    while (read_line(line, sizeof line, fp) != nullptr) {
        if (block_end(line)) return;
        char copy[1000];
        copy_bounded(copy, sizeof copy, line);
        if (read_item_line(copy, '+', &s, &e)) {
            add_item(list, s, e);
            continue;
        }
        if (read_item_line(line, ',', &s, &e) || read_item_line(line, 0, &s, &e)) {
            add_item(list, s, e);
            return;
        }
    }
}

}  // namespace

int list_param_members(win_handle listbox, int n)
{
    host_list_reset(listbox);
    char file[110], wanted[100] = "";
    if (is_case_file(last_kind)) copy_bounded(file, sizeof file, "case.p");
    else format_text(file, sizeof file, "%s.p", last_kind);
    set_delims("={,}+;\t\r\n ");
    if (strcmp(last_kind, "TAG") == 0) {
        copy_bounded(wanted, sizeof wanted, last_name);
    } else if (!not_tree_or_hbox(last_kind)) {
        copy_bounded(file, sizeof file, "BOX.P");
        copy_bounded(wanted, sizeof wanted, last_kind);
    } else if (!not_item_kind(last_kind)) {
        copy_bounded(file, sizeof file, "XITEM.P");
        copy_bounded(wanted, sizeof wanted, last_kind);
    }
    FILE *fp = dir_fopen(file, "r");
    if (fp == nullptr) {
        add_line(listbox, "パラメータ.ファイル(%s)が見つかりません", file);
        return 0;
    }
    if (find_block(fp, wanted)) list_element(fp, listbox, n);
    fclose(fp);
    return 0;
}
