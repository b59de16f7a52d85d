// The window table and the view file "vokwview.dat" (see wsize.h).
#include "shell/wsize.h"

#include <cstdio>
#include <cstring>

#include "shell/dirs.h"
#include "shell/startup.h"
#include "shell/text.h"

wsize_row wsize_tbl[wsize_rows];
win_handle wsize_hwnd[wsize_rows];
char wsize_file[100] = "vokwsize.dat";

namespace {

const wsize_row defaults[wsize_rows] = {
    {"TAVIR", "0", 0, 395, 880, 205},    {"LIST", "3", 0, 600, 880, 142},
    {"FLOW", "0", 0, 175, 880, 220},     {"CODE", "12", 0, 0, 880, 175},
    {"FORM", "0", 0, 0, 880, 175},       {"RELATION", "12", 0, 175, 880, 245},
    {"PROPERTY", "0.....R", 0, 600, 880, 168},
};

const char screen_letters[] = "LFOPCR";

// Copies text up to the first blank, tab, "/", "(" or newline, at most 9 characters.
void copy_value(char *out, const char *text)
{
    size_t n = 0;
    while (n < 9 && text[n] != '\0' && strchr(" \t/(\r\n", text[n]) == nullptr) {
        out[n] = text[n];
        ++n;
    }
    out[n] = '\0';
}

}  // namespace

int wsize_index(const char *name)
{
    for (int i = 0; i < wsize_rows; ++i) {
        if (strcmp(defaults[i].name, name) == 0) return i;
    }
    return -1;
}

int init_wsize()
{
    memcpy(wsize_tbl, defaults, sizeof wsize_tbl);
    return 0;
}

int set_whwnd(const char *name, win_handle hwnd)
{
    const int i = wsize_index(name);
    if (i < 0) {
        printf("given error name(%s) of set_whwnd()\n", name);
        return 1;
    }
    wsize_hwnd[i] = hwnd;
    return 0;
}

int get_wsize(const char *name, int *x, int *y, int *width, int *height)
{
    const int i = wsize_index(name);
    if (i < 0) {
        printf("given error name(%s) of get_wsize()\n", name);
        return 1;
    }
    *x = wsize_tbl[i].x;
    *y = wsize_tbl[i].y;
    *width = wsize_tbl[i].width;
    *height = wsize_tbl[i].height;
    return 0;
}

int set_wvalue(const char *name, const char *text)
{
    const int i = wsize_index(name);
    if (i < 0) return -1;
    copy_value(wsize_tbl[i].value, text);
    return 0;
}

int get_wvalue(const char *name, char *buf)
{
    const int i = wsize_index(name);
    if (i < 0) return -1;
    copy_value(buf, wsize_tbl[i].value);
    return 0;
}

const char *wsize_label()
{
    if (strcmp(wsize_file, "vokwsize.dat") == 0) return "１[V]";
    if (strcmp(wsize_file, "vokwsiz2.dat") == 0) return "２[B]";
    if (strcmp(wsize_file, "vokwsiz3.dat") == 0) return "３[N]";
    return "?";
}

int is_wsize_std(const char *name) { return strcmp(name, wsize_file); }

int parse_screen_flags(const char *text)
{
    while (*text >= '0' && *text <= '9') ++text;
    for (int i = 0; i < 6; ++i) hidden_flags[i] = 0;
    for (int i = 0; i < 6 && text[i] != '\0'; ++i) hidden_flags[i] = text[i] == screen_letters[i] ? 1 : 0;
    return 0;
}

int format_screen_flags(char *text, size_t size)
{
    size_t digits = 0;
    while (text[digits] >= '0' && text[digits] <= '9') ++digits;
    if (digits + 7 > size) return 1;
    for (int i = 0; i < 6; ++i) text[digits + i] = hidden_flags[i] ? screen_letters[i] : '.';
    text[digits + 6] = '\0';
    return 0;
}

int read_wview()
{
    FILE *fp = home_fopen("vokwview.dat", "r");
    if (fp == nullptr) return 0;
    char line[1000] = "";
    read_line(line, sizeof line, fp);
    fclose(fp);
    line[strcspn(line, "\n")] = '\0';
    if (line[0] != '\0' && strlen(line) < sizeof wsize_file) copy_bounded(wsize_file, sizeof wsize_file, line);
    return 0;
}

int set_wview(const char *name)
{
    if (strlen(name) >= sizeof wsize_file) return 1;
    FILE *fp = home_fopen("vokwview.$$$", "w");
    if (fp == nullptr) return 1;
    const bool ok = fprintf(fp, "%s\n", name) >= 0;
    if (home_replace("vokwview.dat", "vokwview.$$$", close_written(fp) && ok) != 0) return 1;
    copy_bounded(wsize_file, sizeof wsize_file, name);
    return 0;
}
