// The form-file reader and writer over any box and link rows: they touch
// no state of the model, so the window table's size files use them alone.
#include <cstdlib>
#include <cstring>

#include "forms/formfile.h"
#include "forms/para.h"
#include "shell/dir_replace.h"
#include "shell/dirs.h"
#include "shell/text.h"

namespace {

enum layout { oldest, f1, f2, l1, l2, p1 };

bool box_layout(layout s) { return s == oldest || s == f1 || s == f2; }
bool link_layout(layout s) { return s == l1 || s == l2; }

// Splits a row into at most six fields at blanks, tabs and stray CRs (a CR
// is never part of a name: the writer's line end would drop it).
int split_fields(char *line, char *(&fields)[6])
{
    int n = 0;
    char *p = line;
    while (n < 6) {
        while (*p == ' ' || *p == '\t' || *p == '\r') ++p;
        if (*p == '\0' || *p == '\n') break;
        fields[n++] = p;
        while (*p != '\0' && *p != '\n' && *p != ' ' && *p != '\t' && *p != '\r') ++p;
        const bool last = *p == '\0' || *p == '\n';
        *p = '\0';
        if (last) break;
        ++p;
    }
    for (int i = n; i < 6; ++i) fields[i] = const_cast<char *>("");
    return n;
}

// Copies a name or kind field; the old layouts cut it at '/' or '('.
void copy_word(char *out, int size, const char *field, bool old)
{
    char work[1000];
    copy_bounded(work, sizeof work, field);
    if (old) work[strcspn(work, "/(")] = '\0';
    copy_bounded(out, size, work);
}

void read_box_row(layout s, char *line, box_rec &b)
{
    char *f[6];
    split_fields(line, f);
    b = box_rec{};
    const bool old = s != f2;
    const char *name = s == f2 ? f[5] : f[0];
    const char *kind = s == oldest ? f[5] : s == f1 ? f[1] : f[4];
    const int first_number = s == oldest ? 1 : s == f1 ? 2 : 0;
    copy_word(b.name, sizeof b.name, name, old);
    copy_word(b.kind, sizeof b.kind, kind, old);
    b.x = atoi(f[first_number]);
    b.y = atoi(f[first_number + 1]);
    b.endx = atoi(f[first_number + 2]);
    b.endy = atoi(f[first_number + 3]);
}

void read_link_row(layout s, char *line, int base, link_rec &k)
{
    char *f[6];
    split_fields(line, f);
    k = link_rec{};
    const bool old = s == l1;
    copy_word(k.name, sizeof k.name, old ? f[0] : f[2], old);
    k.from = atoi(old ? f[1] : f[0]) + base;
    k.to = atoi(old ? f[2] : f[1]) + base;
}

bool mark_of(const char *line, layout *s)
{
    static const struct {
        const char *mark;
        layout s;
    } marks[] = {{"#  ", oldest}, {"#F1", f1}, {"#F2", f2}, {"#L1", l1}, {"#L2", l2}, {"#P1", p1}};
    for (const auto &m : marks) {
        if (strncmp(line, m.mark, 3) == 0) {
            *s = m.s;
            return true;
        }
    }
    return false;
}

// Appends a parameter line (with the rest of a line longer than the read
// buffer) to text; false when it does not fit.
bool append_para_line(char *text, int *len, const char *chunk, FILE *fp)
{
    char buf[1000];
    const char *piece = chunk;
    for (;;) {
        const int n = static_cast<int>(strlen(piece));
        if (*len + n + 1 >= para_cap) return false;
        memcpy(text + *len, piece, n + 1);
        *len += n;
        if (n > 0 && piece[n - 1] == '\n') return true;
        if (read_line(buf, sizeof buf, fp) == nullptr) break;
        piece = buf;
    }
    if (*len + 2 >= para_cap) return false;
    text[(*len)++] = '\n';
    text[*len] = '\0';
    return true;
}

}  // namespace

int form_read(const char *name, int box_capacity, box_rec *boxes, int link_capacity, link_rec *links, int *link_count,
              char *text, int *box_count)
{
    FILE *fp = dir_fopen(name, "r");
    if (fp == nullptr) return -1;
    const int base = *box_count;
    int nb = base, nl = *link_count;
    int len = text != nullptr ? static_cast<int>(strlen(text)) : 0;
    bool links_seen = false, full = false;
    layout s = f1;
    char line[1000];
    while (!full && read_line(line, sizeof line, fp) != nullptr) {
        if (s != p1 && line[0] == '#') {
            layout next = s;
            if (!mark_of(line, &next)) continue;
            if (link_layout(next) && !link_layout(s)) nl = *link_count;
            links_seen = links_seen || link_layout(next);
            s = next;
            continue;
        }
        if (box_layout(s)) {
            if (nb >= box_capacity) full = true;
            else read_box_row(s, line, boxes[nb++]);
        } else if (link_layout(s)) {
            if (nl >= link_capacity) full = true;
            else read_link_row(s, line, base, links[nl++]);
        } else if (text != nullptr) {
            full = !append_para_line(text, &len, line, fp);
        }
    }
    fclose(fp);
    *box_count = nb;
    if (links_seen) *link_count = nl;
    return full ? -2 : nb;
}

namespace {

// The offset of line n of a text, or -1 when it has none.
int line_offset(const char *text, int n)
{
    const char *p = text;
    for (int i = 0; i < n; ++i) {
        p = strchr(p, '\n');
        if (p == nullptr) return -1;
        ++p;
    }
    return *p != '\0' ? static_cast<int>(p - text) : -1;
}

// The end (past its newline) of line n, or of the text.
int line_end_offset(const char *text, int n)
{
    const int start = line_offset(text, n);
    if (start < 0) return static_cast<int>(strlen(text));
    const char *nl = strchr(text + start, '\n');
    return nl != nullptr ? static_cast<int>(nl - text) + 1 : static_cast<int>(strlen(text));
}

}  // namespace

void file_word(char *out, int size, const char *text)
{
    copy_bounded(out, size, text);
    for (char *p = out; *p != '\0'; ++p) {
        if (*p == ' ' || *p == '\t') *p = '_';
    }
}

int form_write(const char *name, int first_box, int end_box, const box_rec *boxes, int first_link, int end_link,
               const link_rec *links, const char *text)
{
    dir_replacement out;
    if (!dir_replace_open(&out, name)) {
        printf("can't write open file(%s)\n", name);
        return 1;
    }
    FILE *fp = out.fp;
    fprintf(fp, "%-4s%4s\t%4s\t%4s\t%4s\t%-10s\t%-10s\n", "#F2", "   x", "   y", "endx", "endy", "class", "name");
    for (int i = first_box; i < end_box; ++i) {
        const box_rec &b = boxes[i];
        char kind[kind_size], bname[name_size];
        file_word(kind, sizeof kind, b.kind[0] != '\0' ? b.kind : "?");
        file_word(bname, sizeof bname, b.name);
        fprintf(fp, "%-4s%4d\t%4d\t%4d\t%4d\t%-10s\t%-10s\n", "", b.x, b.y, b.endx, b.endy, kind, bname);
    }
    if (end_link > first_link) {
        fprintf(fp, "%-4s%4s\t%4s\t%-10s\n", "#L2", "from", "to", "name");
        for (int i = first_link; i < end_link; ++i) {
            fprintf(fp, "%-4s%4d\t%4d\t%-10s\n", "", links[i].from - first_box, links[i].to - first_box,
                    links[i].name);
        }
    }
    if (text != nullptr) {
        fprintf(fp, "%-10s\n", "#P1");
        const int start = line_offset(text, first_box);
        if (start >= 0 && end_box > first_box) {
            const int end = line_end_offset(text, end_box - 1);
            fwrite(text + start, 1, end - start, fp);
        }
    }
    return dir_replace_close(&out, true);
}

int table_write(const char *name, int n, const box_rec *rows, int n_links, const link_rec *links, const char *text)
{
    return form_write(name, 0, n, rows, 0, n_links, links, text);
}

int table_read(const char *name, int capacity, box_rec *rows, int link_capacity, link_rec *links, int *link_count,
               char *text, int *line_count)
{
    int boxes = 0, nl = 0;
    if (text != nullptr) text[0] = '\0';
    const int r = form_read(name, capacity, rows, link_capacity, links, &nl, text, &boxes);
    if (link_count != nullptr) *link_count = nl;
    if (line_count != nullptr) *line_count = boxes;
    return r;
}

