// Control places, window-place files and the names of the forms and pages
// the FORM screen opens.
#include "forms/form_places.h"

#include <cstdio>
#include <cstring>

#include "forms/model.h"
#include "shell/dirs.h"
#include "shell/sysfile.h"
#include "shell/text.h"
#include "shell/words.h"

const char *const key_button_captions[key_button_count] = {
    "sR", "sT", "mR", "mT", "dR", "dT", "・", "sH", "sV", "mH", "mV", "・", "復",
    "移", "出", "入", "参", "定", "・", "元", "↑", "↓", "←", "→", "・"};
const char *const pad_button_captions[pad_button_count] = {"★", "覧", "個", "戻", "〒", "▽",
                                                           "△", "↑", "♂", "索", "↓", "編"};

namespace {

const char place_temp[] = "vokplace.tmp";

// True when the file at path holds exactly text (read as text).
bool holds_text(const char *path, const char *text)
{
    FILE *fp = sys_fopen(path, "r");
    if (fp == nullptr) return false;
    char buf[1001];
    const size_t n = fread(buf, 1, sizeof buf - 1, fp);
    fclose(fp);
    buf[n] = '\0';
    return strcmp(buf, text) == 0;
}

// Removes the copies of a place file in the project folders that differ from
// the text just written (an older place would be found before it); the home
// folder's new file, when a project folder is the home folder, holds the text
// and stays.
void remove_stale_copies(const char *name, const char *text)
{
    char folder[dir_path_size];
    char path[1024];
    for (int n = 0; get_proj_dir(folder, n); ++n) {
        if (join_path(path, sizeof path, folder, name) == 0 && !holds_text(path, text)) sys_remove(path);
    }
}

struct place_kind {
    char letter;
    const char *file;
    const char *head;   // the lines before the rectangle
    bool form_layout;   // FORM.P's centred layout of the rectangle
};

const place_kind place_kinds[] = {
    {'P', "PROJ.P", "struct proj x1 = {\n\tTAVIR,\n\tPROJ0,\n\t0,\n", false},
    {'W', "WORK.P", "struct team x1 = {\n\tTAVIR,\n\tWORK0,\n\t0,\n", false},
    {'D', "DATA.P", "struct data x1 = {\n\tTAVIR,\n\tDATA0,\n\t0,\n", false},
    {'F', "FORM.P", "struct form x1 = {\n\tTAVIR,\n\tFORM0,\n\tWS_OVERLAPPEDWINDOW,\n", true},
    {'S', "SMENU.P", "struct smenu x1 = {\n\tTAVIR,\n\tSMENU0,\n\t0,\n", false},
    {'H', "HTML.P", "struct html x1 = {\n\tTAVIR,\n\tHTML0,\n\tomit+\n\tVBScript+\n\tJScript+\n\tJavaScript,\n", false},
    {'C', "CALC.P", "struct data x1 = {\n\tTAVIR,\n\tCALC0,\n\t0,\n", false},
    {'\0', "APP.P", "struct form x1 = {\n\tTAVIR,\n\tAPP0,\n\tY+\n\tN,\n", false},
};

const place_kind &kind_row(const char *kind)
{
    for (const auto &row : place_kinds)
        if (row.letter != '\0' && kind[0] == row.letter) return row;
    return place_kinds[sizeof place_kinds / sizeof place_kinds[0] - 1];
}

control_place place(int x, int y, int w, int h) { return {x, y, w, h, 0}; }

// name with its extension (from the last ".") replaced by ext.
int replace_extension(const char *name, const char *ext, char *out, size_t size)
{
    char base[512];
    if (format_text(base, sizeof base, "%s", name) != 0) return 1;
    *find_ext(base) = '\0';
    return format_text(out, size, "%s%s", base, ext);
}

bool is_page_name(const char *name)
{
    return ends_with(name, ".html") || ends_with(name, ".HTML") || ends_with(name, ".htm") || ends_with(name, ".HTM");
}

}  // namespace

int form_layout(int w, int h, form_layout_rec *out)
{
    out->name_edit = place(w - 155, 0, 150, 20);
    out->counter = place(w - 55, 21, 50, 20);
    for (int i = 0; i < key_button_count; ++i) {
        out->keys[i] = place(w - 745 + 20 * i, h - 21, 20, 20);
        out->keys[i].hidden = strcmp(key_button_captions[i], "・") == 0 ? 1 : 0;
    }
    for (int i = 0; i < pad_button_count; ++i) out->pads[i] = place(w - 245 + 20 * i, h - 21, 20, 20);
    return 0;
}

const char *place_file_name(const char *kind) { return kind_row(kind).file; }

int place_file_text(const char *kind, int x, int y, int w, int h, char *out, size_t size)
{
    const place_kind &row = kind_row(kind);
    if (row.form_layout)
        return format_text(out, size, "%s\t%d+\n\tCENTERING+\n\tFULL,\n\t%d+\n\tCENTERING+\n\tFULL,\n\t%d+\n\t%d,\n\t%d+\n\t%d\n};\n",
                           row.head, x, y, w, 640, h, 480);
    return format_text(out, size, "%s\t%d,\n\t%d,\n\t%d,\n\t%d\n};\n", row.head, x, y, w, h);
}

int write_place_file(const char *kind, int x, int y, int w, int h)
{
    char text[1000];
    if (place_file_text(kind, x, y, w, h, text, sizeof text) != 0) return 1;
    FILE *fp = home_fopen(place_temp, "w");
    if (fp == nullptr) return 1;
    fputs(text, fp);
    if (!close_written(fp)) {
        home_replace(place_file_name(kind), place_temp, false);
        return 1;
    }
    if (home_replace(place_file_name(kind), place_temp, true) != 0) return 1;
    remove_stale_copies(place_file_name(kind), text);
    return 0;
}

int browser_page_name(const char *form_name, char *out, size_t size)
{
    return replace_extension(form_name, ".html", out, size);
}

int subform_file_name(const char *name, const char *in_use, char *out, size_t size)
{
    if (locate_file(out, size, name) == 0) return 0;
    char plain[512];
    if (format_text(plain, sizeof plain, "%s", name) != 0) return 1;
    copy_dir_prefix(plain, sizeof plain, in_use);
    return format_text(out, size, "%s", plain);
}

int kind_form_name(const char *kind, const char *in_use, char *out, size_t size)
{
    char name[100];
    format_text(name, sizeof name, "%s.F", kind);
    return subform_file_name(name, in_use, out, size);
}

int page_form_name(const char *target, const char *in_use, char *out, size_t size)
{
    if (has_prefix(target, "http://") == 0 || !is_page_name(target)) return 1;
    char name[512];
    if (format_text(name, sizeof name, "%s", target) != 0) return 1;
    copy_dir_prefix(name, sizeof name, in_use);
    return replace_extension(name, ".F", out, size);
}
