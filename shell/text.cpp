// Byte-string helpers: set tests, trimming, suffixes, bounded copies and the
// CR-dropping line reader.
#include "shell/text.h"

#include <cstdio>
#include <cstring>

#include "shell/sjis.h"

int chr_in_str(int c, const char *set)
{
    for (const char *p = set; *p != '\0'; ++p) {
        if (static_cast<unsigned char>(*p) == static_cast<unsigned char>(c)) return 1;
    }
    return 0;
}

// One pass: skip leading blanks, copy down, end after the last kept byte.
static int trim_set(char *s, const char *blanks)
{
    char *w = s;
    char *end = s;
    const char *r = s;
    while (*r != '\0' && chr_in_str(*r, blanks)) ++r;
    for (; *r != '\0'; ++r) {
        *w++ = *r;
        if (!chr_in_str(*r, blanks)) end = w;
    }
    *end = '\0';
    return 0;
}

int trim_blanks(char *s) { return trim_set(s, " \t"); }

int trim_blanks_dash(char *s) { return trim_set(s, " \t-"); }

int blanks_to_at(char *s)
{
    trim_blanks(s);
    for (char *p = s; *p != '\0'; ++p) {
        if (*p == ' ' || *p == '\t') *p = '@';
    }
    return 0;
}

int ends_with(const char *s, const char *suffix)
{
    const size_t n = strlen(s);
    const size_t k = strlen(suffix);
    if (n <= k) return 0;
    return strncmp(s + n - k, suffix, k) == 0 ? 1 : 0;
}

int cut_extension(char *name)
{
    char *dot = strrchr(name, '.');
    if (dot != nullptr) *dot = '\0';
    return 0;
}

int copy_tail_first(char *dst, const char *src)
{
    for (size_t i = strlen(src) + 1; i > 0; --i) dst[i - 1] = src[i - 1];
    return 0;
}

int has_prefix(const char *text, const char *prefix) { return strncmp(text, prefix, strlen(prefix)) == 0 ? 0 : 1; }

bool has_blank(const char *text) { return strpbrk(text, " \t\r\n") != nullptr; }

int count_tabs(const char *line)
{
    int n = 0;
    while (line[n] == '\t') ++n;
    return n;
}

char *copy_bounded(char *dst, size_t size, const char *src)
{
    if (size == 0) return dst;
    size_t i = 0;
    while (src[i] != '\0' && i + 1 < size) {
        const unsigned char c = static_cast<unsigned char>(src[i]);
        if (is_kanji1(c) && src[i + 1] != '\0') {
            if (i + 2 >= size) break;
            dst[i] = src[i];
            dst[i + 1] = src[i + 1];
            i += 2;
            continue;
        }
        dst[i] = src[i];
        ++i;
    }
    dst[i] = '\0';
    return dst;
}

char *copy_span(char *dst, size_t size, const char *src, size_t len)
{
    return copy_bounded(dst, len + 1 < size ? len + 1 : size, src);
}

// Drops a lead byte that a cut left without its follower.
static void cut_broken_char(char *s)
{
    for (char *p = s; *p != '\0'; ++p) {
        if (is_kanji1(static_cast<unsigned char>(*p))) {
            if (p[1] == '\0') {
                *p = '\0';
                return;
            }
            ++p;
        }
    }
}

int vformat_text(char *buf, size_t size, const char *format, va_list ap)
{
    if (size == 0) return 1;
    const int n = vsnprintf(buf, size, format, ap);
    if (n < 0) {
        buf[0] = '\0';
        return 1;
    }
    if (static_cast<size_t>(n) < size) return 0;
    cut_broken_char(buf);
    return 1;
}

int format_text(char *buf, size_t size, const char *format, ...)
{
    va_list ap;
    va_start(ap, format);
    const int cut = vformat_text(buf, size, format, ap);
    va_end(ap);
    return cut;
}

char *read_line(char *buf, int size, FILE *fp)
{
    if (fgets(buf, size, fp) == nullptr) return nullptr;
    const size_t n = strlen(buf);
    if (n >= 2 && buf[n - 1] == '\n' && buf[n - 2] == '\r') {
        buf[n - 2] = '\n';
        buf[n - 1] = '\0';
    } else if (n >= 1 && buf[n - 1] == '\r') {
        // The piece ended between CR and LF: take the LF in its place.
        const int next = fgetc(fp);
        if (next == '\n') buf[n - 1] = '\n';
        else if (next != EOF) ungetc(next, fp);
    }
    return buf;
}
