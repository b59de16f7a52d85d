// Word and name functions and the X widget-class table.
#include "generators/words.h"

#include <cstring>

#include "shell/dirs.h"
#include "shell/text.h"

xwindow_row xwindow_tbl[xwindow_cap];
int xwindow_num;

namespace {
bool word_end(char c) { return c == '\0' || c == ' ' || c == '\t' || c == '\n'; }
}  // namespace

void skip_blank(const char **cursor)
{
    while (**cursor == ' ' || **cursor == '\t' || **cursor == '\n') ++*cursor;
}

void skip_word(const char **cursor)
{
    while (!word_end(**cursor)) ++*cursor;
}

const char *to_lower(const char *text)
{
    static char buf[1000];
    copy_bounded(buf, sizeof buf, text);
    for (char *p = buf; *p != '\0'; ++p) {
        if (*p >= 'A' && *p <= 'Z') *p = static_cast<char>(*p - 'A' + 'a');
    }
    return buf;
}

const char *find_ext(const char *name)
{
    const char *dot = strrchr(name, '.');
    return dot != nullptr ? dot : name + strlen(name);
}

char *find_ext(char *name) { return const_cast<char *>(find_ext(static_cast<const char *>(name))); }

void cut_quote(char *text)
{
    const size_t n = strlen(text);
    if (n < 2 || text[0] != '"' || text[n - 1] != '"') return;
    memmove(text, text + 1, n - 2);
    text[n - 2] = '\0';
}

int is_link_tag(const char *tag)
{
    return strcmp(tag, "a") == 0 || strcmp(tag, "frame") == 0 || strcmp(tag, "area") == 0;
}

namespace {

// The next word of a line into out, cut to the column.
void take_word(const char **p, char *out, int size)
{
    skip_blank(p);
    const char *start = *p;
    skip_word(p);
    int n = static_cast<int>(*p - start);
    if (n > size - 1) n = size - 1;
    memcpy(out, start, n);
    out[n] = '\0';
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

namespace {

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

int xwindow_col1(const char *name, const char **out) { return lookup(name, out, 1); }
int xwindow_col2(const char *name, const char **out) { return lookup(name, out, 2); }
