// Number texts: the shortest fixed-point text of a real, complex texts, the
// one double formatter of the output, checked formats and the random numbers.
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "calc/calc_tables.h"
#include "shell/sjis.h"
#include "shell/text.h"

namespace {
char num_bufs[3][1000];
int num_turn;
unsigned long rand_state = 1;
}  // namespace

const char *calc_num_text(double x)
{
    num_turn = (num_turn + 1) % 3;
    char *buf = num_bufs[num_turn];
    if (x == 0.0) {
        snprintf(buf, sizeof num_bufs[0], "0");
        return buf;
    }
    fmt_double(buf, sizeof num_bufs[0], "%f", x);
    char *point = strchr(buf, '.');
    if (point == nullptr) return buf;
    char *cut = point;
    for (char *p = point + 1; *p >= '0' && *p <= '9'; ++p) {
        if (*p != '0') cut = p + 1;
    }
    *cut = '\0';
    return buf;
}

int complex_text(char *buf, double re, double im)
{
    const size_t n = calc_complex_size;
    if (re == 0.0) {
        if (im == 0.0) snprintf(buf, n, "0");
        else if (im == 1.0) snprintf(buf, n, "i");
        else if (im == -1.0) snprintf(buf, n, "-i");
        else snprintf(buf, n, "%si", calc_num_text(im));
    } else if (im == 0.0) {
        snprintf(buf, n, "%s", calc_num_text(re));
    } else if (im == 1.0) {
        snprintf(buf, n, "%s+i", calc_num_text(re));
    } else if (im == -1.0) {
        snprintf(buf, n, "%s-i", calc_num_text(re));
    } else if (im < 0) {
        snprintf(buf, n, "%s-%si", calc_num_text(re), calc_num_text(-im));
    } else {
        snprintf(buf, n, "%s+%si", calc_num_text(re), calc_num_text(im));
    }
    return 0;
}

// The conversion of a checked format is replaced by "%s" with its flags and
// width for the texts inf, -inf and nan, so that both builds print the same.
void fmt_double(char *buf, size_t size, const char *format, double x)
{
    if (std::isfinite(x)) {
        snprintf(buf, size, format, x);
        return;
    }
    const char *word = std::isnan(x) ? "nan" : (x < 0 ? "-inf" : "inf");
        const char *conv = nullptr;
    for (const char *q = format; *q != '\0'; ++q) {
        if (*q == '%') {
            if (q[1] == '%') {
                ++q;
                continue;
            }
            conv = q;
            break;
        }
    }
    if (conv == nullptr) {
        snprintf(buf, size, format, 0.0);
        return;
    }
    const char *q = conv + 1;
    int left = 0;
    int plus = 0;
    while (*q == '-' || *q == '+' || *q == ' ' || *q == '#' || *q == '0') {
        if (*q == '-') left = 1;
        if (*q == '+') plus = 1;
        ++q;
    }
    int width = 0;
    while (*q >= '0' && *q <= '9' && width < 10000) width = width * 10 + (*q++ - '0');
    while (*q >= '0' && *q <= '9') ++q;
    if (*q == '.') {
        ++q;
        while (*q >= '0' && *q <= '9') ++q;
    }
    if (*q != '\0') ++q;  // the conversion letter
    char text[16];
    snprintf(text, sizeof text, "%s%s", plus && x > 0 && !std::isnan(x) ? "+" : "", word);
    char cell[10100];
    snprintf(cell, sizeof cell, left ? "%-*s" : "%*s", width, text);
    // Prefix and suffix keep their "%%" as in printf.
    char pre[1024];
    char post[1024];
    size_t np = 0;
    for (const char *r = format; r < conv && np + 1 < sizeof pre; ++r) {
        pre[np++] = *r;
        if (*r == '%' && r[1] == '%') ++r;
    }
    pre[np] = '\0';
    size_t nq = 0;
    for (const char *r = q; *r != '\0' && nq + 1 < sizeof post; ++r) {
        post[nq++] = *r;
        if (*r == '%' && r[1] == '%') ++r;
    }
    post[nq] = '\0';
    snprintf(buf, size, "%s%s%s", pre, cell, post);
}

void fmt_name_double(char *buf, size_t size, const char *format, const char *name, double x)
{
    // The format is split before its second conversion: the first part takes
    // the name, the second the value through fmt_double.
    const char *second = nullptr;
    int seen = 0;
    for (const char *p = format; *p != '\0'; ++p) {
        if (*p != '%') continue;
        if (p[1] == '%') {
            ++p;
            continue;
        }
        if (++seen == 2) {
            second = p;
            break;
        }
    }
    if (second == nullptr) {
        snprintf(buf, size, "%s", format);
        return;
    }
    char first[1024];
    const size_t n = static_cast<size_t>(second - format) < sizeof first ? static_cast<size_t>(second - format)
                                                                         : sizeof first - 1;
    memcpy(first, format, n);
    first[n] = '\0';
    char head[1024];
    snprintf(head, sizeof head, first, name);
    char tail[1024];
    fmt_double(tail, sizeof tail, second, x);
    snprintf(buf, size, "%s%s", head, tail);
}

int calc_to_int(double x)
{
    if (std::isnan(x)) return 0;
    if (x >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (x <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(x);
}

int fmt_scan(const char *format, char *kinds, int max)
{
    int n = 0;
    for (const char *p = format; *p != '\0'; ++p) {
        if (*p != '%') continue;
        if (p[1] == '%') {
            ++p;
            continue;
        }
        ++p;
        while (chr_in_str(*p, "-+ #0")) ++p;
        int digits = 0;
        while (*p >= '0' && *p <= '9') {
            ++p;
            if (++digits > 4) return -1;
        }
        if (*p == '.') {
            ++p;
            digits = 0;
            while (*p >= '0' && *p <= '9') {
                ++p;
                if (++digits > 3) return -1;
            }
        }
        char kind;
        if (chr_in_str(*p, "fFeEgG")) kind = 'd';
        else if (chr_in_str(*p, "diouxX")) kind = 'i';
        else if (*p == 's') kind = 's';
        else return -1;
        if (n >= max) return -1;
        kinds[n++] = kind;
    }
    return n;
}

int fmt_conv_count(const char *text)
{
    int n = 0;
    for (const char *p = text; *p != '\0'; ++p) {
        if (is_kanji1(static_cast<unsigned char>(*p))) {
            if (p[1] == '\0') return -1;
            ++p;
        } else if (*p == '\\') {
            if (p[1] == '\0') return -2;
            ++p;
        } else if (*p == '%') {
            if (p[1] == '%') ++p;
            else ++n;
        }
    }
    return n;
}

double calc_rand()
{
    rand_state = (rand_state * 1103515245UL + 12345UL) & 0xFFFFFFFFUL;
    return static_cast<double>((rand_state >> 16) & 0x7FFF) / 32767.0;
}

void calc_rand_seed(unsigned seed) { rand_state = seed; }
