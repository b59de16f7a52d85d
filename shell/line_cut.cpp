// Names from list and listing lines (see line_cut.h).
#include "shell/line_cut.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "shell/text.h"

namespace {

bool is_digit(char c) { return isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

int trim_dashes(char *text)
{
    size_t len = strlen(text);
    while (len > 2 && text[len - 1] == '-') text[--len] = '\0';
    return 0;
}

int parse_number_pair(const char *text, const char **rest, int *second)
{
    *second = -1;
    if (!is_digit(text[0])) return -1;
    const int first = atoi(text);
    const char *p = text;
    while (is_digit(*p)) ++p;
    if (*p == '(') {
        ++p;
        if (*p == ')') return -2;
        const char *digits = p;
        while (is_digit(*p)) ++p;
        if (*p != ')' || p == digits) return -3;
        *second = atoi(digits);
        ++p;
    }
    if (*p != ':') return -4;
    ++p;
    if (*p == '\0') return -5;
    *rest = p;
    return first;
}

int cut_line_prefix(char *text)
{
    const char *rest = text;
    int second;
    const char *after = nullptr;
    if (parse_number_pair(text, &after, &second) >= 0) rest = after;
    while (*rest == '\'') ++rest;
    memmove(text, rest, strlen(rest) + 1);
    char *quote = strchr(text, '\'');
    if (quote != nullptr) *quote = '\0';
    return 0;
}

const char *strip_quotes(const char *s)
{
    static char text[line_name_size];
    while (*s == '\'') ++s;
    copy_bounded(text, sizeof text, s);
    for (int i = (int)strlen(text) - 1; i >= 0 && chr_in_str((unsigned char)text[i], "';:"); --i) text[i] = '\0';
    return text;
}
