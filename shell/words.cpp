// Word and name functions of the generators.
#include "shell/words.h"

#include <cstring>

#include "shell/sjis.h"
#include "shell/text.h"

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
        if (is_kanji1(static_cast<unsigned char>(*p)) && p[1] != '\0') ++p;  // a trail byte may look like a capital
        else if (*p >= 'A' && *p <= 'Z') *p = static_cast<char>(*p - 'A' + 'a');
    }
    return buf;
}

const char *find_ext(const char *name)
{
    const char *dot = strrchr(name, '.');
    return dot != nullptr ? dot : name + strlen(name);
}

char *find_ext(char *name) { return const_cast<char *>(find_ext(static_cast<const char *>(name))); }

int replace_ext(char *out, size_t size, const char *name, const char *ext)
{
    const char *dot = find_ext(name);
    if (*dot == '\0') return format_text(out, size, "%s", name);
    return format_text(out, size, "%.*s%s", static_cast<int>(dot - name), name, ext);
}

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
