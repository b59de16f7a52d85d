// The parameter text: locating, reading, replacing, inserting, moving and
// deleting fields and lines of para_buf.  Lines are found through an index
// of their starts, built on the first lookup after para_buf changed.
#include "forms/para.h"

#include <algorithm>
#include <cstring>

#include "forms/model.h"
#include "shell/sjis.h"

char para_buf[para_cap];

namespace {

// Where each line of para_buf starts, and after the last one the text's
// length; a line holds one byte at least, so para_cap entries cover them all.
int line_start[para_cap];
int indexed_lines = -1;  // lines in line_start; -1 when para_buf changed since

void build_line_index()
{
    int n = 0;
    const char *p = para_buf;
    while (*p != '\0') {
        line_start[n++] = static_cast<int>(p - para_buf);
        const char *nl = strchr(p, '\n');
        if (nl == nullptr) {
            p += strlen(p);
            break;
        }
        p = nl + 1;
    }
    line_start[n] = static_cast<int>(p - para_buf);
    indexed_lines = n;
}

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool line_end(char c) { return c == '\n' || c == '\0'; }

int text_len() { return static_cast<int>(strlen(para_buf)); }

// The end of the field that starts at s (the field rule of the header).
const char *field_end(const char *s)
{
    if (*s != '"') {
        while (!line_end(*s) && !is_blank(*s)) ++s;
        return s;
    }
    ++s;
    while (!line_end(*s)) {
        if (*s == '"') return s + 1;
        if ((*s == '\\' || is_kanji1(static_cast<unsigned char>(*s))) && !line_end(s[1])) s += 2;
        else ++s;
    }
    return s;
}

// Copies len bytes of src into out, cut on a character boundary.
void copy_span(char *out, int size, const char *src, int len)
{
    if (size <= 0) return;
    int n = 0;
    while (n < len && n < size - 1) {
        const int step = is_kanji1(static_cast<unsigned char>(src[n])) && n + 1 < len ? 2 : 1;
        if (n + step > size - 1) break;
        n += step;
    }
    memcpy(out, src, n);
    out[n] = '\0';
}

// Locates field k of line n: 0 found, 1 bad arguments, 2 no line n,
// -(missing + 1) when the line ends before field k; *pos is where.
int locate(int n, int k, int *pos, int *skipped)
{
    *pos = 0;
    *skipped = 0;
    if (n < 0 || k < 0) return 1;
    int start = 0, end = 0;
    if (para_line_span(n, &start, &end) != 0) return 2;
    const char *p = para_buf + start;
    for (;;) {
        while (is_blank(*p)) ++p;
        *pos = static_cast<int>(p - para_buf);
        if (line_end(*p)) return -(k - *skipped + 1);
        if (*skipped == k) return 0;
        p = field_end(p);
        ++*skipped;
    }
}

// Moves the text from at (with its NUL) by len bytes: right to open a
// gap, left to close one.  The caller has checked the room.
void shift_rest(int at, int len)
{
    memmove(para_buf + at + len, para_buf + at, text_len() - at + 1);
}

// The same inside line n, where a field grows or shrinks: the later lines
// move with the text and the index stays good.
void shift_in_line(int n, int at, int len)
{
    shift_rest(at, len);
    for (int i = n + 1; i <= indexed_lines; ++i) line_start[i] += len;
}

}  // namespace

void para_changed() { indexed_lines = -1; }

int para_line_span(int n, int *start, int *end)
{
    if (indexed_lines < 0) build_line_index();
    if (n < 0 || n >= indexed_lines) return 1;
    *start = line_start[n];
    *end = line_start[n + 1];
    return 0;
}

int para_lines()
{
    if (indexed_lines < 0) build_line_index();
    return indexed_lines;
}

void get_para(char *out, int size, int n, int k)
{
    if (size <= 0) return;
    out[0] = '\0';
    int pos = 0, skipped = 0;
    if (locate(n, k, &pos, &skipped) != 0) return;
    const char *s = para_buf + pos;
    copy_span(out, size, s, static_cast<int>(field_end(s) - s));
}

void get_cur_field(char *out, int size, int k) { get_para(out, size, cur_box, k); }

void unquote_esc(char *s)
{
    if (s[0] != '"') return;
    const char *r = s + 1;
    char *w = s;
    while (*r != '\0' && *r != '"') {
        if (*r == '\\' && r[1] != '\0') {
            *w++ = r[1];
            r += 2;
        } else if (is_kanji1(static_cast<unsigned char>(*r)) && r[1] != '\0') {
            *w++ = *r++;
            *w++ = *r++;
        } else {
            *w++ = *r++;
        }
    }
    *w = '\0';
}

namespace {

bool walk_end(char c) { return c == '\0' || c == '\n' || c == '\r'; }

const char *walk_field_end(const char *s)
{
    if (*s != '"') {
        while (!walk_end(*s) && !is_blank(*s)) ++s;
        return s;
    }
    ++s;
    while (*s != '\0' && *s != '\n') {
        if (*s == '"') return s + 1;
        s += s[0] == '\\' && s[1] == '"' ? 2 : 1;
    }
    return s;
}

}  // namespace

int para_field_span(const char **cursor, int k, const char **start, const char **end)
{
    const char *p = *cursor != nullptr ? *cursor : para_buf;
    int found = 1;
    const char *fs = p, *fe = p;
    for (int i = 0;; ++i) {
        while (is_blank(*p)) ++p;
        if (walk_end(*p)) {
            fs = fe = p;
            break;
        }
        const char *e = walk_field_end(p);
        if (i == k) {
            fs = p;
            fe = e;
            found = 0;
            break;
        }
        p = e;
    }
    const char *nl = strchr(fe, '\n');
    *cursor = nl != nullptr ? nl + 1 : fe + strlen(fe);
    *start = fs;
    *end = fe;
    return found;
}

int para_field_next(const char **cursor, int k, char *out, int n)
{
    const char *s = nullptr, *e = nullptr;
    const int r = para_field_span(cursor, k, &s, &e);
    copy_span(out, n + 1, s, static_cast<int>(e - s));
    return r;
}

int para_line_count(int *boxes, int *lines)
{
    *boxes = form_num;
    *lines = para_lines();
    return *lines - *boxes;
}

int para_text_len() { return text_len(); }
int para_buf_size() { return para_cap; }
void get_para_buf(char **out) { *out = para_buf; }

int set_para(const char *value, int n, int k)
{
    while (is_blank(*value)) ++value;
    const int vlen = static_cast<int>(field_end(value) - value);
    if (vlen == 0) return 4;
    int pos = 0, skipped = 0;
    const int where = locate(n, k, &pos, &skipped);
    if (where > 0) return where;
    const int total = text_len();
    if (where == 0) {
        const int old = static_cast<int>(field_end(para_buf + pos) - (para_buf + pos));
        if (total - old + vlen >= para_cap) return 5;
        shift_in_line(n, pos + old, vlen - old);
        memcpy(para_buf + pos, value, vlen);
        return 0;
    }
    const int missing = -where - 1;
    const int front = skipped > 0 ? 1 : 0;
    const int len = front + 5 * missing + vlen;
    if (total + len >= para_cap) return 5;
    shift_in_line(n, pos, len);
    char *w = para_buf + pos;
    if (front) *w++ = ' ';
    for (int i = 0; i < missing; ++i, w += 5) memcpy(w, "omit ", 5);
    memcpy(w, value, vlen);
    return 3;
}

int set_cur_field(const char *token, int k)
{
    char work[514];
    copy_span(work, k == 0 ? 512 : 100, token, static_cast<int>(strlen(token)));
    char *s = work;
    while (*s == ' ') ++s;
    if (*s == '"') {
        char *p = s + 1;
        while (*p != '\0' && *p != '"') {
            if ((*p == '\\' || is_kanji1(static_cast<unsigned char>(*p))) && p[1] != '\0') p += 2;
            else ++p;
        }
        if (*p == '"') p[1] = '\0';
        else {
            p[0] = '"';
            p[1] = '\0';
        }
    } else {
        char *b = strchr(s, ' ');
        if (b != nullptr) *b = '\0';
    }
    return set_para(s, cur_box, k);
}

int para_add_nl()
{
    const int total = text_len();
    if (total + 1 >= para_cap) return 1;
    para_buf[total] = '\n';
    para_buf[total + 1] = '\0';
    para_changed();
    return 0;
}

int para_clear_line(int n)
{
    int start = 0, end = 0;
    if (para_line_span(n, &start, &end) != 0) return 1;
    const int content = para_buf[end - 1] == '\n' ? end - 1 : end;
    shift_rest(content, -(content - start));
    para_changed();
    return 0;
}

int para_delete_line(int n)
{
    int start = 0, end = 0;
    if (para_line_span(n, &start, &end) != 0) return 1;
    shift_rest(end, -(end - start));
    para_changed();
    return 0;
}

int para_move_line(int t, int j)
{
    if (t == j) return 0;
    const int total = text_len();
    if (total > 0 && para_buf[total - 1] != '\n') {
        if (para_add_nl() != 0) return 1;
    }
    int ts = 0, te = 0, js = 0, je = 0;
    if (para_line_span(t, &ts, &te) != 0 || para_line_span(j, &js, &je) != 0) return 1;
    if (t > j) std::rotate(para_buf + js, para_buf + je, para_buf + te);
    else std::rotate(para_buf + ts, para_buf + js, para_buf + je);
    para_changed();
    return 0;
}

void para_truncate(int n)
{
    int start = 0, end = 0;
    if (n <= 0) para_buf[0] = '\0';
    else if (para_line_span(n, &start, &end) == 0) para_buf[start] = '\0';
    else return;
    para_changed();
}

void para_resize(int want, int have)
{
    if (want < have) para_truncate(want);
    for (int i = have; i < want; ++i) {
        if (para_add_nl() != 0) break;
    }
}
