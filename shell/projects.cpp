// The project list "vokdir.dat": selecting a project, the dialog's reads and
// rewrites, name lists for combo boxes, the project report lines and the
// file-pattern walker.
#include <cstring>

#include "shell/dirs.h"
#include "shell/msgbox.h"
#include "shell/sysfile.h"
#include "shell/text.h"
#include "shell/winmsg.h"

namespace {

char project_name_buf[dir_path_size];
char last_name_list[dir_path_size];
char line_buf[dir_line_size + 1];

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// The name of a project line (up to the first blank or tab) into name;
// returns the folder list after the blanks, or null for a line without one.
const char *split_project_line(const char *line, char *name, size_t size)
{
    const char *p = line;
    while (*p != '\0' && !is_blank(*p) && *p != '\n') ++p;
    if (!is_blank(*p)) return nullptr;
    const size_t len = static_cast<size_t>(p - line) < size ? static_cast<size_t>(p - line) : size - 1;
    memcpy(name, line, len);
    name[len] = '\0';
    while (is_blank(*p)) ++p;
    return p;
}

void drop_newline(char *s) { s[strcspn(s, "\r\n")] = '\0'; }

bool is_home_name(const char *name) { return strcmp(name, "home") == 0 || strcmp(name, "HOME") == 0; }

// Finds the project's line in vokdir.dat of the home folder; the folder list into dirs.
int find_project_line(const char *name, char *dirs, size_t size)
{
    FILE *fp = home_fopen("vokdir.dat", "r");
    if (fp == nullptr) return home_no_list_file;
    char line_name[dir_path_size];
    while (read_line(line_buf, sizeof line_buf, fp) != nullptr) {
        const char *list = split_project_line(line_buf, line_name, sizeof line_name);
        if (list != nullptr && strcmp(line_name, name) == 0) {
            copy_bounded(dirs, size, list);
            drop_newline(dirs);
            fclose(fp);
            return 0;
        }
    }
    fclose(fp);
    return home_not_listed;
}

// Reads up to 8 lines of a file into defs (newline removed).
void read_defs_lines(const char *path, char defs[][1000])
{
    FILE *fp = sys_fopen(path, "r");
    if (fp == nullptr) return;
    for (int i = 0; i < 8 && read_line(line_buf, sizeof line_buf, fp) != nullptr; ++i) {
        drop_newline(line_buf);
        copy_bounded(defs[i], 1000, line_buf);
    }
    fclose(fp);
}

}  // namespace

const char *proj_name() { return proj_selected ? project_name_buf : "home"; }

int select_project(char *name_buf, const char **file)
{
    if (strcmp(last_name_list, "vokdir.dat") != 0) return home_no_name_list;
    saved_cwd[0] = '\0';
    if (home_dir[0] != '\0') {
        if (host_getcwd(saved_cwd, sizeof saved_cwd) != 0) return home_cwd_unknown;
        if (change_dir(home_dir) != 0) return home_unentered;
    } else if (fill_home_dir() != 0) {
        return home_cwd_unknown;
    }
    if (is_home_name(name_buf)) {
        copy_bounded(name_buf, dir_path_size, home_dir);
        proj_selected = 0;
        saved_cwd[0] = '\0';
        return 0;
    }
    char dirs[dir_line_size];
    const int rc = find_project_line(name_buf, dirs, sizeof dirs);
    if (rc == home_no_list_file) {
        if (file != nullptr) *file = "vokdir.dat";
        const int got = host_getcwd(name_buf, dir_path_size);
        leave_home();
        return got == 0 ? home_no_list_file : home_cwd_unknown;
    }
    if (rc == home_not_listed) return leave_home() == 0 ? home_not_listed : home_no_way_back;
    copy_bounded(proj_dirs, sizeof proj_dirs, dirs);
    copy_bounded(project_name_buf, sizeof project_name_buf, name_buf);
    proj_selected = 1;
    get_proj_dir(name_buf, 0);
    return leave_home() == 0 ? 0 : home_unleft;
}

int list_project_dirs(const char *name, char dirs[][256], char defs[][1000])
{
    if (strcmp(name, "home") == 0) {
        char path[1024] = "variable.def";
        home_path(path, sizeof path);
        read_defs_lines(path, defs);
        return 0;
    }
    char list[dir_line_size];
    const int rc = find_project_line(name, list, sizeof list);
    if (rc != 0) return rc;
    int count = 0;
    const char *p = list;
    for (int row = 0; row < 36 && *p != '\0'; ++row) {
        size_t len = 0;
        while (*p != '\0' && strchr("\t,;/(\r\n", *p) == nullptr) {
            if (len < 255) dirs[row][len++] = *p;
            ++p;
        }
        dirs[row][len] = '\0';
        if (strcmp(dirs[row], "HOME") == 0) dirs[row][0] = '\0';
        else ++count;
        if (*p == ',' || *p == ';') ++p;
        else break;
    }
    char path[1024];
    if (dirs[0][0] != '\0' && join_path(path, sizeof path, dirs[0], "variable.def") == 0) read_defs_lines(path, defs);
    return count;
}

int edit_project_file(char *name, size_t name_size, const char *line, char op)
{
    int rc = enter_home();
    if (rc != 0) return rc;
    FILE *in = home_fopen("vokdir.dat", "r");
    FILE *out = in != nullptr ? home_fopen("vokdir_X.dat", "w") : nullptr;
    if (out == nullptr) {
        if (in != nullptr) fclose(in);
        rc = host_getcwd(name, static_cast<int>(name_size)) == 0 ? -4 : -3;
        leave_home();
        return rc;
    }
    char line_name[dir_path_size];
    bool ok = true;
    bool ends_in_newline = true;
    while (ok && read_line(line_buf, sizeof line_buf, in) != nullptr) {
        const char *list = split_project_line(line_buf, line_name, sizeof line_name);
        const char *text = line_buf;
        if (list != nullptr && strcmp(line_name, name) == 0) {
            if (op == 'd') continue;
            if (op == 'o') text = line;
        }
        ok = fputs(text, out) >= 0;
        const size_t len = strlen(text);
        ends_in_newline = len > 0 && text[len - 1] == '\n';
    }
    fclose(in);
    if (ok && op == 'n') {
        if (!ends_in_newline) ok = fputc('\n', out) != EOF;
        ok = ok && fputs(line, out) >= 0;
    }
    ok = close_written(out) && ok;
    if (!ok) {
        home_remove("vokdir_X.dat");
        leave_home();
        return -4;
    }
    // The old list stays in place until the new one replaces it whole: the
    // backup is a copy, and a failed copy or replace keeps "vokdir.dat".
    if (copy_text_file("vokdir.bak", "vokdir.dat") != 0 || home_replace("vokdir.dat", "vokdir_X.dat", true) != 0) {
        home_remove("vokdir_X.dat");
        leave_home();
        return -4;
    }
    return leave_home() == 0 ? -5 : -7;
}

namespace {

// Appends one word to the combo box; true when added.
bool add_name(win_handle combo, const char *word, size_t len)
{
    if (len == 0) return false;
    char name[1024];
    const size_t n = len < sizeof name - 1 ? len : sizeof name - 1;
    memcpy(name, word, n);
    name[n] = '\0';
    send_msg(combo, CB_INSERTSTRING, static_cast<uintptr_t>(-1), reinterpret_cast<intptr_t>(name));
    return true;
}

size_t word_length(const char *p, const char *stops)
{
    size_t n = 0;
    while (p[n] != '\0' && strchr(stops, p[n]) == nullptr) ++n;
    return n;
}

// Adds the names of one line; returns how many were added.
int add_line_names(win_handle combo, const char *line, bool in_vokdir, bool wm_only)
{
    const char *p = line;
    if (p[0] == '#') {
        if (strncmp(p, "#define", 7) != 0 && strncmp(p, "#static", 7) != 0) return 0;
        p += 7;
    }
    while (is_blank(*p)) ++p;
    const size_t len = word_length(p, " \t\r\n");
    if (len == 0) return 0;
    if (!in_vokdir && len == 4 && strncmp(p, "HOLE", 4) == 0) {
        int added = 0;
        for (const char *q = p + 4; *q != '\0';) {
            const size_t n = word_length(q, " ,\t\r\n");
            if (n > 0 && (!wm_only || strncmp(q, "WM_", 3) == 0) && add_name(combo, q, n)) ++added;
            q += n;
            if (*q != '\0') ++q;
        }
        return added;
    }
    if (wm_only && strncmp(p, "WM_", 3) != 0) return 0;
    return add_name(combo, p, len) ? 1 : 0;
}

}  // namespace

int load_name_list(win_handle combo, const char *file, char *dir_buf, int where)
{
    if (where == 1) return 0;
    send_msg(combo, CB_RESETCONTENT, 0, 0);
    if (file[0] == '*') return 0;
    copy_bounded(last_name_list, sizeof last_name_list, file);
    FILE *fp = nullptr;
    if (where == 0) {
        dir_buf[0] = '\0';
        if (home_dir[0] != '\0' && host_getcwd(dir_buf, dir_path_size) != 0) return -8;
        fp = home_fopen(file, "r");
        if (fp == nullptr) {
            get_home_dir(dir_buf, dir_path_size);
            return -4;
        }
    } else {
        fp = dir_fopen(file, "r");
        if (fp == nullptr) return host_getcwd(dir_buf, dir_path_size) == 0 ? -4 : -8;
    }
    const bool in_vokdir = strcmp(file, "vokdir.dat") == 0;
    const bool wm_only = strcmp(file, "WM.d") == 0;
    int added = 0;
    while (read_line(line_buf, sizeof line_buf, fp) != nullptr) {
        if (strncmp(line_buf, "#L", 2) == 0 || strncmp(line_buf, "#P", 2) == 0) break;
        added += add_line_names(combo, line_buf, in_vokdir, wm_only);
    }
    fclose(fp);
    return added > 0 ? 0 : -6;
}

int remove_all_files(const char *folder)
{
    char cwd[dir_path_size];
    if (host_getcwd(cwd, sizeof cwd) != 0) return -3;
    if (change_dir(folder) != 0) return -2;
    char name[dir_path_size];
    const intptr_t search = host_find_first("*", name, sizeof name);
    if (search != -1) {
        do {
            if (strcmp(name, ".") != 0 && strcmp(name, "..") != 0) sys_remove(name);
        } while (host_find_next(search, name, sizeof name) == 0);
        host_find_close(search);
    }
    return change_dir(cwd) == 0 ? 0 : -7;
}

namespace {

// The text of slot n as the project report shows it.
void slot_line_text(char *out, size_t size, int n, const char *folder)
{
    if (strcmp(folder, ".") == 0) {
        if (host_getcwd(out, static_cast<int>(size)) != 0) copy_bounded(out, size, ".");
        return;
    }
    format_text(out, size, "%c: %s", dir_char(n), folder);
}

void append_to_edit(win_handle edit, const char *text)
{
    const intptr_t len = send_msg(edit, WM_GETTEXTLENGTH, 0, 0);
    send_msg(edit, EM_SETSEL, static_cast<uintptr_t>(len), len);
    send_msg(edit, EM_REPLACESEL, 0, reinterpret_cast<intptr_t>(text));
}

}  // namespace

int show_project(win_handle edit)
{
    char text[1024];
    format_text(text, sizeof text, "プロジェクト名(%s)\r\n", proj_name());
    append_to_edit(edit, text);
    char folder[dir_path_size];
    for (int n = 0; get_proj_dir(folder, n); ++n) {
        char line[1024];
        slot_line_text(line, sizeof line - 2, n, folder);
        format_text(text, sizeof text, "%s\r\n", line);
        append_to_edit(edit, text);
    }
    return 0;
}

int write_project_lines(FILE *stream)
{
    fprintf(stream, "P%05d プロジェクト名(%s)\n", 0, proj_name());
    char folder[dir_path_size];
    for (int n = 0; get_proj_dir(folder, n); ++n) {
        char line[1024];
        slot_line_text(line, sizeof line, n, folder);
        fprintf(stream, "D%05d %s\n", n, line);
    }
    return 0;
}

namespace {

const int pattern_count = 10;
char patterns[pattern_count][81];
int pattern_at = 0;
intptr_t pattern_search = -1;

}  // namespace

int set_file_patterns(const char *list)
{
    if (pattern_search != -1) host_find_close(pattern_search);
    pattern_search = -1;
    pattern_at = 0;
    const char *p = list;
    for (int i = 0; i < pattern_count; ++i) {
        while (*p == ' ' || *p == '\t' || *p == ',') ++p;
        const size_t len = word_length(p, " \t,");
        const size_t n = len < 80 ? len : 80;
        memcpy(patterns[i], p, n);
        patterns[i][n] = '\0';
        p += len;
    }
    return 0;
}

int next_file(char *out, size_t size)
{
    char name[dir_path_size];
    while (pattern_at < pattern_count) {
        if (pattern_search != -1) {
            if (host_find_next(pattern_search, name, sizeof name) == 0) {
                copy_bounded(out, size, name);
                return 0;
            }
            host_find_close(pattern_search);
            pattern_search = -1;
            ++pattern_at;
            continue;
        }
        if (patterns[pattern_at][0] == '\0') {
            ++pattern_at;
            continue;
        }
        pattern_search = host_find_first(patterns[pattern_at], name, sizeof name);
        if (pattern_search != -1) {
            copy_bounded(out, size, name);
            return 0;
        }
        ++pattern_at;
    }
    return 2;
}
