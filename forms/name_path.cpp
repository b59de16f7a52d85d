// The position path of a generated source's line and the recognisers of
// procedure heads and case labels.
#include "forms/name_path.h"

#include <cstring>

#include "shell/text.h"

name_path_rec name_path;

void clear_name_levels() { name_path = name_path_rec{}; }

int set_name_level(int code, const char *name)
{
    if (code == 'W') {
        copy_bounded(name_path.wm, sizeof name_path.wm, name);
        name_path.id[0] = '\0';
        return 0;
    }
    if (code == 'I') {
        copy_bounded(name_path.id, sizeof name_path.id, name);
        return 0;
    }
    if (code < 0) return 2;
    if (code >= name_path_levels) return 1;
    copy_bounded(name_path.cases[code], sizeof name_path.cases[code], name);
    for (int l = code + 1; l < name_path_levels; ++l) name_path.cases[l][0] = '\0';
    return 0;
}

namespace {

bool blank(char c) { return c == ' ' || c == '\t'; }
bool at_end(char c) { return c == '\0' || c == '\n'; }

void copy_n(char *out, int size, const char *s, int n)
{
    if (size <= 0) return;
    if (n > size - 1) n = size - 1;
    memcpy(out, s, n);
    out[n] = '\0';
}

// After "PASCAL" or "::": the last word before '(' is the name, unless the
// rest holds ')' and ';'.
int proc_name_after(const char *p, char *name, int size)
{
    while (blank(*p)) ++p;
    for (;;) {
        const char *w = p;
        while (!at_end(*p) && !blank(*p) && *p != '(') ++p;
        copy_n(name, size, w, static_cast<int>(p - w));
        while (blank(*p)) ++p;
        if (at_end(*p)) return 0;
        if (*p == '(') return strchr(p, ')') != nullptr && strchr(p, ';') != nullptr ? 0 : 1;
    }
}

int case_after(const char *p, char *label, int size)
{
    if (strncmp(p, "case", 4) != 0) return 0;
    p += 4;
    while (blank(*p)) ++p;
    const char *w = p;
    while (!at_end(*p) && !blank(*p) && *p != ':') ++p;
    const int n = static_cast<int>(p - w);
    while (blank(*p)) ++p;
    if (*p != ':' || n == 0) return 0;
    copy_n(label, size, w, n);
    return 1;
}

}  // namespace

int get_proc_head(const char *line, char *name, int size)
{
    if (size > 0) name[0] = '\0';
    for (const char *p = line; !at_end(*p) && *p != '"'; ++p) {
        if (strncmp(p, "PASCAL", 6) == 0) return proc_name_after(p + 6, name, size);
        if (strncmp(p, "::", 2) == 0) return proc_name_after(p + 2, name, size);
    }
    return 0;
}

int get_case_label(const char *line, char *label, int size)
{
    if (size > 0) label[0] = '\0';
    while (blank(*line)) ++line;
    return case_after(line, label, size);
}

int get_case_label_depth(const char *line, int *depth, char *label, int size)
{
    if (size > 0) label[0] = '\0';
    int tabs = 0;
    while (line[tabs] == '\t' && tabs < 10) ++tabs;
    *depth = tabs;
    return case_after(line + tabs, label, size);
}
