// READ and IREAD: real or complex tables from a data file or from the
// "#DATA" blocks of the calculation file, into a work row.
#include <cstdlib>
#include <cstring>

#include "calc/calc_tables.h"
#include "shell/sysfile.h"
#include "shell/text.h"

namespace {

struct data_filter {
    int data_mode;      // the source is the calculation file itself
    int in_block;
    const char *label;  // null: no label
    int found;
};

int starts(const char *line, const char *word) { return strncmp(line, word, strlen(word)) == 0; }

// 1 a data line, 0 not data, -1 the end of the reading.
int filter_line(data_filter *f, const char *line)
{
    if (starts(line, "#FIN")) return -1;
    if (starts(line, "//")) return 0;
    if (f->label != nullptr && f->found && line[0] == '#') return -1;
    if (f->data_mode) {
        if (!f->in_block) {
            if (starts(line, "#DATA")) f->in_block = 1;
            return 0;
        }
        if (starts(line, "#END")) {
            f->in_block = 0;
            return 0;
        }
    }
    if (f->label != nullptr && !f->found) {
        if (strncmp(line, f->label, strlen(f->label)) == 0) f->found = 1;
        return 0;
    }
    return 1;
}

int is_digit(char c) { return c >= '0' && c <= '9'; }

// A number: optional sign, digits and points, and an exponent; value 0 and
// no move when none is there.
double read_number(const char *p, const char **end, int with_sign)
{
    const char *q = p;
    if (with_sign && (*q == '+' || *q == '-')) ++q;
    const char *digits = q;
    while (is_digit(*q) || *q == '.') ++q;
    if (q == digits) {
        *end = p;
        return 0.0;
    }
    if ((*q == 'e' || *q == 'E')) {
        const char *r = q + 1;
        if (*r == '+' || *r == '-') ++r;
        if (is_digit(*r)) {
            while (is_digit(*r)) ++r;
            q = r;
        }
    }
    char text[128];
    const size_t n = static_cast<size_t>(q - p) < sizeof text - 1 ? static_cast<size_t>(q - p) : sizeof text - 1;
    memcpy(text, p, n);
    text[n] = '\0';
    *end = q;
    return strtod(text, nullptr);
}

const char *skip_blanks(const char *p)
{
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

const char *complex_cell(const char *p, double *re, double *im)
{
    *re = 0.0;
    *im = 0.0;
    if (*p == 'i') {
        *im = 1.0;
        return p + 1;
    }
    if ((*p == '+' || *p == '-') && p[1] == 'i') {
        *im = *p == '-' ? -1.0 : 1.0;
        return p + 2;
    }
    const char *q;
    const double a = read_number(p, &q, 1);
    if (*q == 'i') {
        *im = a;
        return q + 1;
    }
    *re = a;
    const char *r = skip_blanks(q);
    if (*r == 'i') {
        *im = 1.0;
        return r + 1;
    }
    if (*r == '+' || *r == '-') {
        const double s = *r == '-' ? -1.0 : 1.0;
        if (r[1] == 'i') {
            *im = s;
            return r + 2;
        }
        const char *e;
        const double b = read_number(r + 1, &e, 0);
        if (e > r + 1) {
            if (*e == 'i') {
                *im = s * b;
                return e + 1;
            }
            return e;
        }
    }
    return q;
}

// Reads the cells of one data line; stores them when out is not null.
int read_cells(const char *line, int complex, double *out, int max)
{
    const char *p = skip_blanks(line);
    int n = 0;
    while (*p != '\0' && *p != '\n' && *p != '\r') {
        double re;
        double im = 0.0;
        const char *q;
        if (complex) {
            q = complex_cell(p, &re, &im);
        } else {
            re = read_number(p, &q, 1);
        }
        const char *skip = complex ? "0123456789+-.i" : "0123456789+-.";
        while (chr_in_str(*q, skip)) ++q;
        if (out != nullptr && n < max) {
            if (complex) {
                out[2 * n] = re;
                out[2 * n + 1] = im;
            } else {
                out[n] = re;
            }
        }
        ++n;
        q = skip_blanks(q);
        if (*q != ',') break;
        p = skip_blanks(q + 1);
    }
    return n;
}

FILE *open_source(const char *name)
{
    if (name[0] == '\0') return calc_hook_open(calc_file, "r");
    const int slot = (is_digit(name[0]) || (name[0] >= 'a' && name[0] <= 'z')) && name[1] == ':';
    return slot ? calc_hook_open(name, "r") : sys_fopen(name, "r");
}

}  // namespace

int exec_read(int count, int first)
{
    const char *name = string_of(first);
    if (name == nullptr) return -1;
    const char *label = nullptr;
    if (count == 2) {
        label = string_of(first + 1);
        if (label == nullptr) return -2;
        if (label[0] == '\0') label = nullptr;
    }
    const int complex = nd(first).kind == vk_complex;
    FILE *fp = open_source(name);
    if (fp == nullptr) {
        calc_printf("F444 行番号(%d)のファイル(%s)が見つかりません\r\n", calc_tok[nd(first).tok].line,
                    name[0] == '\0' ? calc_file : name);
        return -3;
    }
    static char line[calc_line_size];
    data_filter f = {name[0] == '\0', 0, label, 0};
    long long rows = 0;
    int cols = 0;
    while (read_line(line, sizeof line, fp) != nullptr) {
        const int k = filter_line(&f, line);
        if (k < 0) break;
        if (k == 0) continue;
        ++rows;
        const int n = read_cells(line, complex, nullptr, 0);
        if (n > cols) cols = n;
    }
    fclose(fp);
    if (rows * cols < 1 || rows > 0x7FFFFFF) return -4;
    fp = open_source(name);
    if (fp == nullptr) return -5;
    const int row = work_alloc(first, 2, static_cast<int>(rows), cols);
    if (row < 0) {
        fclose(fp);
        return -6;
    }
    calc_work &w = calc_work_tab[row];
    const int e = elem_doubles(w.kind);
    memset(w.data, 0, static_cast<size_t>(w.count) * e * sizeof(double));
    f = {name[0] == '\0', 0, label, 0};
    int r = 0;
    while (r < rows && read_line(line, sizeof line, fp) != nullptr) {
        const int k = filter_line(&f, line);
        if (k < 0) break;
        if (k == 0) continue;
        read_cells(line, e == 2, w.data + static_cast<long long>(r) * cols * e, cols);
        ++r;
    }
    fclose(fp);
    return row;
}

const char *node_var_name(int node)
{
    while (node >= 0 && (nd(node).type == 'M' || nd(node).type == 'X' || nd(node).type == 'P') && nd(node).nchild > 0) {
        node = nd(node).child;
    }
    if (node < 0 || nd(node).tok < 0) return "?";
    const int var = var_of_node(node);
    return var_row_name(var);
}
