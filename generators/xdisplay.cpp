// The display files of the X/Motif generator.
#include "generators/xdisplay.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "generators/defs.h"
#include "shell/dirs.h"
#include "shell/host.h"
#include "shell/text.h"

int xdisp_w = 1, xdisp_h = 1, xdisp_screen_w = 1, xdisp_screen_h = 1, xdisp_s = 1, xdisp_t = 1;
char xstring_tbl[xstring_max][xstring_size];
int xstring_num;

int read_xdisplay()
{
    FILE *fp = dir_fopen("xdisplay.dat", "r");
    if (fp == nullptr) return 1;
    char line[102];
    while (read_whole_line(line, sizeof line, fp) != nullptr) {
        if (line[0] == '\0' || line[1] != ':') continue;
        const int value = atoi(line + 2);
        int dw = 1, dh = 1;
        switch (line[0]) {
        case 'W':
            host_desktop_size(&dw, &dh);
            xdisp_w = value;
            xdisp_screen_w = dw > 0 ? dw : value;  // an unknown screen leaves W() the identity
            break;
        case 'H':
            host_desktop_size(&dw, &dh);
            xdisp_h = value;
            xdisp_screen_h = dh > 0 ? dh : value;
            break;
        case 'S': xdisp_s = value; break;
        case 'T': xdisp_t = value; break;
        default: break;
        }
    }
    fclose(fp);
    return 0;
}

int read_xstring()
{
    xstring_num = 0;
    FILE *fp = dir_fopen("xstring.dat", "r");
    if (fp == nullptr) return 1;
    char line[xstring_size + 1];
    while (xstring_num < xstring_max && read_whole_line(line, sizeof line, fp) != nullptr) {
        line[strcspn(line, "\n")] = '\0';
        copy_bounded(xstring_tbl[xstring_num++], xstring_size, line);
    }
    fclose(fp);
    return 0;
}

namespace {

// The text of row r when it belongs to class c, else null.
const char *row_text(int r, char c)
{
    const char *row = xstring_tbl[r];
    if (row[0] != c || row[1] == '\0') return nullptr;
    return row + 2;
}

}  // namespace

const char *xstring_text(char c)
{
    for (int r = 0; r < xstring_num; ++r) {
        const char *t = row_text(r, c);
        if (t != nullptr) return t;
    }
    return "???";
}

int xstring_is(char c, const char *name)
{
    for (int r = 0; r < xstring_num; ++r) {
        const char *t = row_text(r, c);
        if (t != nullptr && strcmp(t, name) == 0) return 1;
    }
    return 0;
}

int xstring_matches(char c, const char *name)
{
    const size_t n = strlen(name);
    for (int r = 0; r < xstring_num; ++r) {
        const char *t = row_text(r, c);
        if (t == nullptr) continue;
        const size_t k = strlen(t);
        if (xstring_tbl[r][1] == '<' && strncmp(name, t, k) == 0) return 1;
        if (xstring_tbl[r][1] == '>' && n >= k && strcmp(name + n - k, t) == 0) return 1;
    }
    return 0;
}

void xdisplay_reset()
{
    xdisp_w = xdisp_h = xdisp_screen_w = xdisp_screen_h = xdisp_s = xdisp_t = 1;
    xstring_num = 0;
}
