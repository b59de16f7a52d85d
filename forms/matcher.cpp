// The line pattern matcher and the line helpers built on its rules.
#include "forms/matcher.h"

#include <cstdlib>
#include <cstring>

#include "shell/sjis.h"

unsigned char delim_tbl[256];

void set_delims(const char *chars)
{
    for (int b = 0; b < 256; ++b) delim_tbl[b] = b != 0 ? 1 : 0;
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(chars); *p != '\0'; ++p) delim_tbl[*p] = 0;
}

namespace {

bool lead(const char *p) { return is_kanji1(static_cast<unsigned char>(*p)) && p[1] != '\0'; }
bool ideographic_space(const char *p) { return static_cast<unsigned char>(p[0]) == 0x81 && static_cast<unsigned char>(p[1]) == 0x40; }

// The length of the run of one item at p.
int run_length(const char *p, char item)
{
    const char *s = p;
    for (;;) {
        const unsigned char c = static_cast<unsigned char>(*s);
        if (c == '\0') break;
        if (item == ' ' || item == 'b') {
            if (c == ' ' || c == '\t') ++s;
            else if (ideographic_space(s)) s += 2;
            else break;
        } else if (item == 'A') {
            if (c >= 'A' && c <= 'Z') ++s;
            else break;
        } else if (item == 'a') {
            if (c >= 'a' && c <= 'z') ++s;
            else break;
        } else if (item == 'n' || item == 'm') {
            if (c >= '0' && c <= '9') ++s;
            else break;
        } else {  // 'S' or 'D'
            if (lead(s)) s += 2;
            else if (delim_tbl[c] || (item == 'D' && (c == ' ' || c == '\t'))) ++s;
            else break;
        }
    }
    return static_cast<int>(s - p);
}

bool run_item(char c) { return strchr(" bAanmSD", c) != nullptr; }

}  // namespace

const char *match_pattern(const char *line, const char *pattern, int *numbers, const char **captures)
{
    const char *p = line;
    const char *q = pattern;
    int n_numbers = 0, n_captures = 0;
    while (*q != '\0') {
        int count = -1;
        if (*q >= '0' && *q <= '9') {
            count = atoi(q);
            while (*q >= '0' && *q <= '9') ++q;
            if (*q == '\0') break;
        }
        const char item = *q++;
        if (item == '&') {
            if (captures != nullptr) captures[n_captures++] = p;
            continue;
        }
        if (item == '[') {
            const char *close = strchr(q, ']');
            const size_t len = close != nullptr ? static_cast<size_t>(close - q) : strlen(q);
            if (strncmp(p, q, len) == 0) p += len;
            q += len + (close != nullptr ? 1 : 0);
            continue;
        }
        if (run_item(item)) {
            int len = 0;
            if ((item == 'S' || item == 'D') && *p == '"') {
                const char *s = p;
                skip_quoted(&s);
                len = static_cast<int>(s - p);
            } else {
                len = run_length(p, item);
            }
            if (count < 0 ? len == 0 : count > 0 && len != count) return nullptr;
            if (item == 'm' && numbers != nullptr) numbers[n_numbers++] = atoi(p);
            p += len;
            continue;
        }
        if (is_kanji1(static_cast<unsigned char>(item)) && *q != '\0') {
            if (p[0] != item || p[1] != *q) return nullptr;
            p += 2;
            ++q;
            continue;
        }
        if (*p != item) return nullptr;
        ++p;
    }
    return p;
}

int skip_quoted(const char **pos)
{
    const char *p = *pos;
    if (*p != '"') return 0;
    ++p;
    while (*p != '\0' && *p != '"') p += (*p == '\\' || lead(p)) && p[1] != '\0' ? 2 : 1;
    if (*p == '"') ++p;
    *pos = p;
    return 1;
}

namespace {

// Walks a line outside strings up to its end, a newline or a "//": the
// last significant byte, and whether it closes a string.
char *last_significant(char *line, bool *closes_string)
{
    char *last = nullptr;
    *closes_string = false;
    char *p = line;
    while (*p != '\0' && *p != '\n' && *p != '\r' && !(p[0] == '/' && p[1] == '/')) {
        if (*p == '"') {
            const char *s = p;
            skip_quoted(&s);
            p = const_cast<char *>(s);
            last = p - 1;
            *closes_string = *last == '"';
        } else if (*p == ' ' || *p == '\t') {
            ++p;
        } else {
            last = p;
            *closes_string = false;
            p += lead(p) ? 2 : 1;
        }
    }
    return last;
}

}  // namespace

void cut_line_comment(char *line)
{
    bool closes = false;
    char *last = last_significant(line, &closes);
    if (last == nullptr) {
        line[0] = '\0';
        return;
    }
    last[lead(last) ? 2 : 1] = '\0';
}

char *last_char_is(char *line, int c)
{
    bool closes = false;
    char *last = last_significant(line, &closes);
    if (last == nullptr || closes || static_cast<unsigned char>(*last) != c) return nullptr;
    return last;
}

int read_item_line(char *line, int c, char **start, char **end)
{
    char *p = line + strspn(line, " \t");
    char *nl = strchr(p, '\n');
    if (nl == nullptr || nl == p) return 0;
    if (c != 0) {
        char *last = last_char_is(line, c);
        if (last == nullptr) return 0;
        *last = ' ';
    }
    *start = p;
    *end = nl;
    return 1;
}
