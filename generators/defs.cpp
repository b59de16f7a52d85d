// Definition files, message and identifier tables.  A definition line is a
// key and its values; "#define" and "#static" lines give theirs after the
// directive, other directives give nothing.
#include "generators/defs.h"

#include <cstdint>
#include <cstring>

#include "shell/dirs.h"
#include "shell/msgbox.h"
#include "shell/text.h"
#include "shell/winmsg.h"

char defs_buf[defs_cap];
int defs_len;
char wtype[wtype_max][wtype_size];
int wtype_num;
char itype[itype_max][itype_size];
int itype_num;

namespace {

struct name_registry {
    char names[reg_max][reg_name_size];
    int num;
};
name_registry reg_a, reg_b;

// Directives that read as plain lines (their first word is the key).
const char *const plain_directives[] = {"#DATA", "#COMMENT", "#END", "#TAB", "#FIN", "#\x81\x40", ""};

bool is_sep(char c) { return c == ' ' || c == ',' || c == '\t' || c == '\r' || c == '\n'; }

// Where the definition of line starts; null for a directive that defines nothing.
const char *def_start(const char *line)
{
    if (line[0] != '#' || line[1] == '\0' || strchr(" \t\r\n", line[1]) != nullptr) return line;
    for (const char *const *d = plain_directives; (*d)[0] != '\0'; ++d) {
        if (has_prefix(line, *d) == 0) return line;
    }
    if (has_prefix(line, "#define") == 0 || has_prefix(line, "#static") == 0) return line + 7;
    return nullptr;
}

// Appends "key TAB values... NL" of line; false when it does not fit whole
// (the buffer is left as it was).
bool add_def(const char *line)
{
    const char *p = def_start(line);
    if (p == nullptr) return true;
    while (*p == ' ' || *p == '\t') ++p;
    if (*p == '\0' || is_sep(*p)) return true;
    const int last = static_cast<int>(sizeof defs_buf) - 1;  // room for the NUL
    int n = defs_len;
    while (*p != '\0') {
        while (*p != '\0' && is_sep(*p)) ++p;
        if (*p == '\0') break;
        while (*p != '\0' && !is_sep(*p) && n < last) defs_buf[n++] = *p++;
        if (n >= last) break;
        defs_buf[n++] = '\t';
    }
    if (n >= last) {
        defs_buf[defs_len] = '\0';
        return false;
    }
    defs_buf[n++] = '\n';
    defs_buf[n] = '\0';
    defs_len = n;
    return true;
}

// The first buffer line of key (past key and its tab); null when none.
const char *find_def(const char *key)
{
    const size_t k = strlen(key);
    for (const char *p = defs_buf; *p != '\0';) {
        if (strncmp(p, key, k) == 0 && p[k] == '\t') return p + k + 1;
        const char *nl = strchr(p, '\n');
        if (nl == nullptr) break;
        p = nl + 1;
    }
    return nullptr;
}

int reg_name(name_registry &r, const char *name)
{
    for (int i = 0; i < r.num; ++i) {
        if (strcmp(r.names[i], name) == 0) return i;
    }
    if (r.num >= reg_max) return -1;
    copy_bounded(r.names[r.num], sizeof r.names[r.num], name);
    return r.num++;
}

}  // namespace

char *read_whole_line(char *buf, int size, FILE *fp)
{
    if (read_line(buf, size, fp) == nullptr) return nullptr;
    const size_t n = strlen(buf);
    if (n > 0 && buf[n - 1] == '\n') return buf;
    for (int c; (c = fgetc(fp)) != EOF && c != '\n';) {
    }
    return buf;
}

int clear_defs()
{
    defs_len = 0;
    defs_buf[0] = '\0';
    return 0;
}

int read_defs(const char *name)
{
    defs_buf[defs_len] = '\0';
    FILE *fp = dir_fopen(name, "r");
    if (fp == nullptr) return 0;
    char line[200];
    while (read_whole_line(line, sizeof line, fp) != nullptr) {
        if (!add_def(line)) break;
    }
    fclose(fp);
    return 0;
}

int get_def(win_handle combo, const char *key)
{
    const char *p = find_def(key);
    if (p == nullptr) return 1;
    send_msg(combo, CB_RESETCONTENT, 0, 0);
    while (*p != '\0' && *p != '\n') {
        const char *tab = strchr(p, '\t');
        if (tab == nullptr) break;
        char value[1000];
        copy_span(value, sizeof value, p, static_cast<size_t>(tab - p));
        send_msg(combo, CB_INSERTSTRING, static_cast<uintptr_t>(-1), reinterpret_cast<intptr_t>(value));
        p = tab + 1;
    }
    return 0;
}

int list_defs(win_handle list)
{
    for (const char *p = defs_buf; *p != '\0';) {
        const char *tab = strchr(p, '\t');
        const char *nl = strchr(p, '\n');
        if (tab != nullptr && (nl == nullptr || tab < nl)) {
            char key[1000];
            copy_span(key, sizeof key, p, static_cast<size_t>(tab - p));
            send_msg(list, LB_INSERTSTRING, static_cast<uintptr_t>(-1), reinterpret_cast<intptr_t>(key));
        }
        if (nl == nullptr) break;
        p = nl + 1;
    }
    return 1;
}

const char *def_line(const char *key)
{
    static char values[sizeof defs_buf];
    const char *p = find_def(key);
    if (p == nullptr) return nullptr;
    const char *nl = strchr(p, '\n');
    const size_t n = nl != nullptr ? static_cast<size_t>(nl - p) : strlen(p);
    memcpy(values, p, n);
    values[n] = '\t';
    values[n + 1] = '\0';
    return values;
}

int read_wtype()
{
    wtype_num = 0;
    FILE *fp = dir_fopen("wtype.dat", "r");
    if (fp == nullptr) return 0;
    char line[1000];
    while (wtype_num < wtype_max && read_whole_line(line, sizeof line, fp) != nullptr) {
        const char *p = line;
        while (*p == ' ' || *p == '\t') ++p;
        if (*p == '\n' || *p == '\0' || has_prefix(p, "//") == 0) continue;
        if (strlen(p) >= sizeof wtype[0]) continue;
        copy_bounded(wtype[wtype_num++], sizeof wtype[0], p);
    }
    fclose(fp);
    return wtype_num;
}

int read_itype()
{
    itype_num = 0;
    FILE *fp = dir_fopen("itype.dat", "r");
    if (fp == nullptr) return 0;
    char line[1000];
    while (itype_num < itype_max && read_whole_line(line, sizeof line, fp) != nullptr) {
        const size_t n = strcspn(line, " \t\r\n");
        if (n == 0 || n >= sizeof itype[0]) continue;
        copy_span(itype[itype_num++], sizeof itype[0], line, n);
    }
    fclose(fp);
    return itype_num;
}

const char *wtype_rest(const char *name)
{
    const size_t k = strlen(name);
    for (int i = 0; i < wtype_num; ++i) {
        const char *row = wtype[i];
        if (strcspn(row, " \t") != k || strncmp(row, name, k) != 0) continue;
        const char *p = row + k;
        while (*p == ' ' || *p == '\t') ++p;
        return p;
    }
    return nullptr;
}

bool is_itype(const char *text)
{
    for (int i = 0; i < itype_num; ++i) {
        if (has_prefix(text, itype[i]) == 0) return true;
    }
    return false;
}

const char *idc_name(const char *name)
{
    static char out[100];
    if (is_itype(name)) copy_bounded(out, sizeof out, name);
    else format_text(out, sizeof out, "IDC_%s", name);
    return out;
}

const char *idm_name(const char *name)
{
    static char out[100];
    if (has_prefix(name, "SC_") == 0) copy_bounded(out, sizeof out, name);
    else format_text(out, sizeof out, "IDM_%s", name);
    return out;
}

int reg_name_a(const char *name) { return reg_name(reg_a, name); }
int reg_name_b(const char *name) { return reg_name(reg_b, name); }

void reg_names_clear()
{
    reg_a.num = 0;
    reg_b.num = 0;
}

void defs_reset()
{
    clear_defs();
    wtype_num = 0;
    itype_num = 0;
    reg_names_clear();
}
