// The X widget-class table of "xwindow.dat".
#include "forms/xwindow.h"

#include <cstring>

#include "shell/dirs.h"
#include "shell/text.h"
#include "shell/words.h"

xwindow_row xwindow_tbl[xwindow_cap];
int xwindow_num;

namespace {

// The next word of a line into out, cut to the column.
void take_word(const char **p, char *out, int size)
{
    skip_blank(p);
    const char *start = *p;
    skip_word(p);
    copy_span(out, static_cast<size_t>(size), start, static_cast<size_t>(*p - start));
}

int lookup(const char *name, const char **out, int column)
{
    for (int i = 0; i < xwindow_num; ++i) {
        if (strcmp(xwindow_tbl[i].name, name) == 0) {
            *out = column == 1 ? xwindow_tbl[i].col1 : xwindow_tbl[i].col2;
            return 1;
        }
    }
    *out = name;
    return 0;
}

}  // namespace

int read_xwindow()
{
    xwindow_num = 0;
    FILE *fp = dir_fopen("xwindow.dat", "r");
    if (fp == nullptr) return 1;
    char line[100];
    while (read_line(line, sizeof line, fp) != nullptr) {
        if (xwindow_num >= xwindow_cap) continue;
        xwindow_row &r = xwindow_tbl[xwindow_num++];
        const char *p = line;
        take_word(&p, r.name, sizeof r.name);
        take_word(&p, r.col1, sizeof r.col1);
        take_word(&p, r.col2, sizeof r.col2);
        take_word(&p, r.col3, sizeof r.col3);
    }
    fclose(fp);
    return 0;
}

int xwindow_col1(const char *name, const char **out) { return lookup(name, out, 1); }
int xwindow_col2(const char *name, const char **out) { return lookup(name, out, 2); }
