// Pick lists from form files and generated sources.
#include "forms/picklists.h"

#include <cstdlib>
#include <cstring>

#include "forms/kinds.h"
#include "forms/name_path.h"
#include "forms/prescan.h"
#include "shell/dirs.h"
#include "shell/msgbox.h"
#include "shell/text.h"
#include "shell/words.h"

namespace {

// The first n blank- or tab-separated words of a line (empty when absent).
void line_words(const char *line, char (*words)[100], int n)
{
    const char *p = line;
    for (int k = 0; k < n; ++k) {
        p += strspn(p, " \t");
        const size_t len = strcspn(p, " \t\n");
        const size_t cut = len < 99 ? len : 99;
        memcpy(words[k], p, cut);
        words[k][cut] = '\0';
        p += len;
    }
}

FILE *open_form_file(const char *file)
{
    FILE *fp = dir_fopen(file, "r");
    if (fp == nullptr) {
        char text[400];
        format_text(text, sizeof text, "フォームファイル(%s)が見つかりません", file);
        form_error_box(text);
    }
    return fp;
}

bool starts(const char *line, const char *mark) { return strncmp(line, mark, strlen(mark)) == 0; }

}  // namespace

int list_form_rects(win_handle combo, const char *file, int follow)
{
    char target[120];
    copy_bounded(target, sizeof target, file);
    if (follow && find_menu_form(file, target, sizeof target) == 0) {
        host_list_reset(combo);
        return 0;
    }
    host_list_reset(combo);
    FILE *fp = open_form_file(target);
    if (fp == nullptr) return 0;
    char line[1000];
    bool rows = false;
    while (read_line(line, sizeof line, fp) != nullptr) {
        if (!rows) {
            rows = starts(line, "#F2");
            continue;
        }
        if (starts(line, "#L2") || starts(line, "#P1")) break;
        char w[6][100];
        line_words(line, w, 6);
        if (!is_layout_kind(w[4]) && w[5][0] != '\0') host_list_add(combo, w[5]);
    }
    fclose(fp);
    return 0;
}

int find_menu_form(const char *file, char *out, int size)
{
    FILE *fp = open_form_file(file);
    if (fp == nullptr) return 0;
    char line[1000], w[6][100];
    int section = 0, row = 0, form_box = -1, target = -1;
    while (target < 0 && read_line(line, sizeof line, fp) != nullptr) {
        if (starts(line, "#F2")) section = 1;
        else if (starts(line, "#L2")) {
            if (form_box < 0) break;
            section = 2;
        } else if (starts(line, "#P1")) break;
        else if (section == 1) {
            line_words(line, w, 5);
            if (form_box < 0 && strcmp(w[4], "FORM") == 0) form_box = row;
            ++row;
        } else if (section == 2) {
            line_words(line, w, 3);
            if (atoi(w[0]) == form_box && strcmp(w[2], "SMENU") == 0) target = atoi(w[1]);
        }
    }
    fclose(fp);
    if (target < 0) return 0;
    fp = dir_fopen(file, "r");
    if (fp == nullptr) return 0;
    int found = 0;
    section = 0;
    row = 0;
    while (!found && read_line(line, sizeof line, fp) != nullptr) {
        if (starts(line, "#F2")) section = 1;
        else if (starts(line, "#L2") || starts(line, "#P1")) break;
        else if (section == 1) {
            if (row == target) {
                line_words(line, w, 5);
                format_text(out, size, "%s.f", w[4]);
                found = 1;
            }
            ++row;
        }
    }
    fclose(fp);
    return found;
}

int get_area_name(const char *line, char *out, int size)
{
    if (size > 0) out[0] = '\0';
    const char *p = line + strspn(line, " \t");
    if (strncmp(p, "/*AREA:", 7) != 0) return 0;
    p += 7;
    const char *close = strstr(p, "*/");
    if (close == nullptr) return 0;
    const char *star = strchr(p, '*');
    int n = static_cast<int>(star - p);
    if (n > size - 1) n = size - 1;
    memcpy(out, p, n);
    out[n] = '\0';
    return 1;
}

namespace {

// Keeps the position path up to date with a case-label line; the label of
// the line's depth-counted case, when there is one.
void track_path(const char *line, int *depth, char (&label)[100], bool *depth_case, bool *any_case)
{
    char plain[100];
    *any_case = get_case_label(line, plain) != 0;
    if (*any_case) set_name_level(strncmp(plain, "WM", 2) == 0 ? 'W' : 'I', plain);
    *depth_case = get_case_label_depth(line, depth, label) != 0;
    if (*depth_case) set_name_level(*depth, label);
    if (*any_case && !*depth_case) copy_bounded(label, sizeof label, plain);
}

}  // namespace

int list_src_names(win_handle combo, const char *file, const char *procedure, const char *area, int key)
{
    const bool depth_key = key >= '0' && key <= '9';
    if (!depth_key && key != 'P' && key != 'W' && key != 'I' && key != 'A') return 0;
    host_list_reset(combo);
    clear_name_levels();
    FILE *fp = dir_fopen(file, "r");
    if (fp == nullptr) {
        char text[400];
        format_text(text, sizeof text, "ソースファイル(%s)が見つかりません", file);
        form_error_box(text);
        return 0;
    }
    char line[1000], proc[100] = "", message[100] = "", name[100];
    while (read_line(line, sizeof line, fp) != nullptr) {
        if (get_proc_head(line, name)) {
            copy_bounded(proc, sizeof proc, name);
            if (key == 'P') host_list_add(combo, name);
        }
        if (key == 'P') continue;
        const bool in_proc = strcmp(proc, procedure) == 0;
        if (key == 'A') {
            char label[100], region[100];
            if (get_case_label(line, label) && strncmp(label, "WM_", 3) == 0) copy_bounded(message, sizeof message, label);
            if (!get_area_name(line, region, sizeof region)) continue;
            if (procedure[0] == '\0' || (in_proc && (area[0] == '\0' || strcmp(message, area) == 0)))
                host_list_add(combo, region);
            continue;
        }
        if ((!depth_key || procedure[0] != '\0') && !in_proc) continue;
        int depth = 0;
        char label[100] = "";
        bool depth_case = false, any_case = false;
        track_path(line, &depth, label, &depth_case, &any_case);
        if (depth_key) {
            if (depth_case && depth == key - '0' && case_names_match()) host_list_add(combo, label);
        } else if (any_case && case_names_match()) {
            char plain[100];
            get_case_label(line, plain);
            if ((strncmp(plain, "WM", 2) == 0) == (key == 'W')) host_list_add(combo, plain);
        }
    }
    fclose(fp);
    return 0;
}

namespace {

// Whether name ends in one of the endings (and is longer than it).
bool ends_in(const char *name, const char *const *endings)
{
    for (; *endings != nullptr; ++endings) {
        if (ends_with(name, *endings)) return true;
    }
    return false;
}

const char *const form_endings[] = {".f", ".F", nullptr};
const char *const c_endings[] = {".c", ".C", ".cpp", ".CPP", nullptr};

}  // namespace

int list_work_key(win_handle combo, int box, int key)
{
    gen_scan_rec scan;
    scan_gen_form(box, &scan);
    if (key == 'I' && ends_in(scan.file, form_endings)) return list_form_rects(combo, scan.file, 0);
    if (key == 'W' && ends_in(scan.source, form_endings)) {
        char c_name[256];
        if (strcmp(scan.source, scan.file) == 0 && replace_ext(c_name, sizeof c_name, scan.source, ".c") == 0)
            return list_src_names(combo, c_name, scan.procedure, scan.message, key);
        host_list_reset(combo);
        return 0;
    }
    if (ends_in(scan.source, c_endings)) return list_src_names(combo, scan.source, scan.procedure, scan.message, key);
    return 0;
}
