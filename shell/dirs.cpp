// Folder slots of the project in use and the opens through them.  Without a
// project there is one slot, the current directory ".".
#include "shell/dirs.h"

#include <cctype>
#include <cstring>

#include "shell/sysfile.h"
#include "shell/text.h"

char home_dir[dir_path_size];
char proj_dirs[dir_line_size];
int proj_selected;

namespace {

bool is_slot_stop(char c) { return c == '\0' || c == '\t' || c == ',' || c == ';' || c == '/' || c == '(' || c == '\n' || c == '\r'; }

// Copies field n of the folder list into buf; false when there is no such field.
// No stop character occurs as the second byte of a Shift-JIS character.
bool folder_field(const char *list, int n, char *buf, size_t size)
{
    const char *p = list;
    for (int i = 0;; ++i) {
        const char *start = p;
        while (!is_slot_stop(*p)) ++p;
        if (p == start) return false;  // the first empty field ends the list
        if (i == n) {
            format_text(buf, size, "%.*s", static_cast<int>(p - start), start);
            return true;
        }
        if (*p != ',' && *p != ';') return false;  // any other stop leaves an empty next field
        ++p;
    }
}

bool same_text(const char *a, const char *b) { return strcmp(a, b) == 0; }

}  // namespace

int dir_index(int c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c == ':') return 36;
    return -1;
}

int dir_char(int n)
{
    if (n < 0) return '?';
    if (n < 10) return '0' + n;
    if (n < 36) return 'a' + n - 10;
    return ':';
}

int has_dir_prefix(const char *name) { return dir_index(static_cast<unsigned char>(name[0])) >= 0 && name[1] == ':'; }

int is_drive_path(const char *name) { return name[0] >= 'A' && name[0] <= 'Z' && name[1] == ':'; }

int get_proj_dir(char *buf, int n)
{
    buf[0] = '\0';
    if (n < 0) return 0;
    if (!proj_selected) {
        if (n != 0) return 0;
        copy_bounded(buf, dir_path_size, ".");
        return 1;
    }
    if (!folder_field(proj_dirs, n, buf, dir_path_size)) {
        buf[0] = '\0';
        return 0;
    }
    if (same_text(buf, "home") || same_text(buf, "HOME")) {
        if (home_dir[0] != '\0') copy_bounded(buf, dir_path_size, home_dir);
        else if (host_getcwd(buf, dir_path_size) != 0) copy_bounded(buf, dir_path_size, ".");
    }
    return 1;
}

int get_proj_dir_if_more(char *buf, int n)
{
    char next[dir_path_size];
    if (!get_proj_dir(next, n + 1)) {
        buf[0] = '\0';
        return 0;
    }
    return get_proj_dir(buf, n);
}

int has_several_dirs()
{
    char buf[dir_path_size];
    return proj_selected && get_proj_dir(buf, 1) ? 1 : 0;
}

int join_path(char *out, size_t size, const char *folder, const char *name)
{
    const int cut = format_text(out, size, "%s\\%s", folder, name);
    if (size > 1 && out[0] >= 'a' && out[0] <= 'z' && out[1] == ':') out[0] = static_cast<char>(toupper(out[0]));
    return cut;
}

namespace {

// The path of rest in slot n; false when the slot is missing or the path does not fit.
bool slot_path(char *out, size_t size, int n, const char *rest)
{
    char folder[dir_path_size];
    if (!get_proj_dir(folder, n)) return false;
    return join_path(out, size, folder, rest) == 0;
}

}  // namespace

FILE *dir_fopen(const char *name, const char *mode)
{
    char path[1024];
    if (is_drive_path(name) || name[0] == '\\' || name[0] == '/') return sys_fopen(name, mode);  // a rooted path
    if (has_dir_prefix(name)) {
        return slot_path(path, sizeof path, dir_index(name[0]), name + 2) ? sys_fopen(path, mode) : nullptr;
    }
    for (int n = 0;; ++n) {
        char folder[dir_path_size];
        if (!get_proj_dir(folder, n) || folder[0] == '\0') return nullptr;
        if (join_path(path, sizeof path, folder, name) != 0) continue;
        FILE *fp = sys_fopen(path, mode);
        if (fp != nullptr) return fp;
    }
}

FILE *prefix_fopen(const char *name, const char *mode)
{
    if (has_dir_prefix(name) && !is_drive_path(name)) return dir_fopen(name, mode);
    return sys_fopen(name, mode);
}

int remove_in_dirs(const char *name)
{
    char folder[dir_path_size];
    char path[1024];
    for (int n = 0; get_proj_dir(folder, n); ++n) {
        if (join_path(path, sizeof path, folder, name) == 0) sys_remove(path);
    }
    return 0;
}

int dir_remove(const char *name)
{
    char path[1024];
    if (is_drive_path(name)) {
        sys_remove(name);
        return 0;
    }
    if (has_dir_prefix(name)) {
        if (!slot_path(path, sizeof path, dir_index(name[0]), name + 2)) return 1;
        return sys_remove(path);
    }
    return remove_in_dirs(name);
}

int remove_dir_name(const char *name)
{
    char path[1024];
    if (has_dir_prefix(name)) {
        if (!slot_path(path, sizeof path, dir_index(name[0]), name + 2)) return 1;
        return sys_remove(path);
    }
    return sys_remove(name);
}

int resolve_dir_name(char *name, size_t size)
{
    char path[1024];
    if (is_drive_path(name)) return 0;
    if (has_dir_prefix(name)) {
        if (!slot_path(path, sizeof path, dir_index(name[0]), name + 2)) return 0;
        copy_bounded(name, size, path);
        return 1;
    }
    char cwd[dir_path_size];
    if (host_getcwd(cwd, sizeof cwd) != 0 || join_path(path, sizeof path, cwd, name) != 0) return 0;
    copy_bounded(name, size, path);
    return 0;
}

namespace {

bool opens_for_reading(const char *path)
{
    FILE *fp = sys_fopen(path, "r");
    if (fp == nullptr) return false;
    fclose(fp);
    return true;
}

}  // namespace

int locate_file(char *out, size_t size, const char *name)
{
    char path[1024];
    if (is_drive_path(name)) {
        copy_bounded(out, size, name);
        return opens_for_reading(name) ? 0 : 2;
    }
    if (has_dir_prefix(name)) {
        copy_bounded(out, size, name);
        if (!slot_path(path, sizeof path, dir_index(name[0]), name + 2)) return 4;
        return opens_for_reading(path) ? 0 : 3;
    }
    for (int n = 0;; ++n) {
        char folder[dir_path_size];
        if (!get_proj_dir(folder, n)) return 6;
        if (folder[0] == '\0') return 5;
        if (join_path(path, sizeof path, folder, name) != 0 || !opens_for_reading(path)) continue;
        if (folder[0] == '.') copy_bounded(out, size, name);
        else format_text(out, size, "%c:%s", dir_char(n), name);
        return 0;
    }
}

int find_in_dirs(char *out, size_t size, const char *name, const char *hint)
{
    char folder[dir_path_size];
    if (has_dir_prefix(name)) {
        if (!get_proj_dir(folder, dir_index(name[0]))) {
            copy_bounded(out, size, name + 2);
            return 0;
        }
        if (same_text(folder, ".") && host_getcwd(folder, sizeof folder) != 0) copy_bounded(folder, sizeof folder, ".");
        join_path(out, size, folder, name + 2);
        return opens_for_reading(out) ? 1 : 0;
    }
    const int first = hint != nullptr && has_dir_prefix(hint) ? dir_index(hint[0]) : 0;
    char path[1024];
    out[0] = '\0';
    for (int n = first; get_proj_dir(folder, n); ++n) {
        if (join_path(path, sizeof path, folder, name) != 0) continue;
        if (out[0] == '\0') copy_bounded(out, size, path);
        if (opens_for_reading(path)) {
            copy_bounded(out, size, path);
            return 1;
        }
    }
    return 0;
}
