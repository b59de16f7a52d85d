// The define listings of the main screen over "define.txt" (lines "F file"
// and "D name line") and the " -D" option text of the project in use.
#include "analyser/define_lists.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "analyser/anal_host.h"
#include "analyser/preproc.h"
#include "shell/dirs.h"
#include "shell/lbuf.h"
#include "shell/stacks.h"
#include "shell/startup.h"
#include "shell/sysfile.h"
#include "shell/text.h"
#include "shell/trace_log.h"

namespace {

const int line_size = 2000;  // lines of up to 1999 bytes
const int prefix_pool = 5;

// One pass over "define.txt": the current "F" file and the last "D" line.
struct define_reader {
    FILE *fp;
    char file[line_size];
    char name[line_size];
    int line;
};

// Reads one line cut to size bytes, dropping the rest of a longer line.
char *read_whole_line(char *buffer, int size, FILE *fp)
{
    if (read_line(buffer, size, fp) == nullptr) return nullptr;
    const size_t len = strlen(buffer);
    if (len > 0 && buffer[len - 1] == '\n') {
        buffer[len - 1] = '\0';
        return buffer;
    }
    char rest[line_size];
    while (read_line(rest, sizeof rest, fp) != nullptr) {
        const size_t n = strlen(rest);
        if (n > 0 && rest[n - 1] == '\n') break;
    }
    return buffer;
}

// The word at p, ending at a blank, tab, CR or LF; the position after it.
const char *take_word(char *out, size_t size, const char *p)
{
    while (*p == ' ' || *p == '\t') ++p;
    const size_t len = strcspn(p, " \t\r\n");
    copy_span(out, size, p, len);
    return p + len;
}

bool open_defines(define_reader *r)
{
    r->fp = sys_fopen("define.txt", "r");
    r->file[0] = '\0';
    return r->fp != nullptr;
}

// The next "D" line: true with its name and line number, false at the end.
bool next_define(define_reader *r)
{
    char text[line_size];
    while (read_whole_line(text, sizeof text, r->fp) != nullptr) {
        if (text[0] == 'F') {
            take_word(r->file, sizeof r->file, text + 1);
        } else if (text[0] == 'D') {
            char number[line_size];
            take_word(number, sizeof number, take_word(r->name, sizeof r->name, text + 1));
            r->line = atoi(number);
            return true;
        }
    }
    return false;
}

void close_defines(define_reader *r)
{
    fclose(r->fp);
    r->fp = nullptr;
}

// A definition line "file(n):text" of the source file's 1-based line n.
void append_source_line(win_handle window, const char *file, int n)
{
    char line[line_size];
    FILE *fp = prefix_fopen(file, "r");
    if (fp == nullptr) {
        format_text(line, sizeof line, "ソースファイル(%s)が見つかりません", file);
    } else {
        bool found = false;
        for (int i = 1; i <= n && read_whole_line(line, sizeof line, fp) != nullptr; ++i) found = i == n;
        fclose(fp);
        if (!found) format_text(line, sizeof line, "対象のソース行(%d)が見つかりません", n);
    }
    char shown[241];  // 240 bytes, cut on a character boundary
    copy_bounded(shown, sizeof shown, line);
    char text[line_size];
    format_text(text, sizeof text, "%s(%d):%s\r\n", file, n, shown);
    window_text_append(window, text);
}

// One entry of the five-column layout; p is the column position.
void put_entry(win_handle window, const char *entry, int *p)
{
    const size_t len = strlen(entry);
    char text[line_size + 100];
    if (*p > 0 && *p % 5 == 0) window_text_append(window, "\r\n");
    if (len >= 33) {
        if (*p % 5 != 0) window_text_append(window, "\r\n");
        format_text(text, sizeof text, "%-68s", entry);
        *p = 5;
    } else if (len >= 17) {
        if (*p % 5 == 4) {
            window_text_append(window, "\r\n");
            *p = 0;
        }
        format_text(text, sizeof text, "%-34s", entry);
        *p += 2;
    } else {
        format_text(text, sizeof text, "%-17s", entry);
        *p += 1;
    }
    window_text_append(window, text);
}

bool is_listed(char *const *list, int count, const char *text)
{
    for (int i = 0; i < count; ++i) {
        if (strcmp(list[i], text) == 0) return true;
    }
    return false;
}

// Collects the distinct prefixes: their number, or -2 without memory.
int collect_prefixes(define_reader *r, char **list)
{
    int count = 0;
    while (next_define(r)) {
        char *bar = strchr(r->name, '_');
        if (bar == nullptr) continue;
        bar[1] = '\0';
        if (count >= define_prefix_cap || is_listed(list, count, r->name)) continue;
        list[count] = lbuf_add(prefix_pool, r->name, 0);
        if (list[count] == nullptr) return -2;
        ++count;
    }
    return count;
}

}  // namespace

int show_define(const char *name, win_handle window)
{
    define_reader r;
    if (!open_defines(&r)) return 1;
    int result = 2;
    while (next_define(&r)) {
        if (strcmp(r.name, name) != 0 || r.line < 0) continue;
        append_source_line(window, r.file, r.line);
        result = 0;
    }
    close_defines(&r);
    return result;
}

int list_define_prefixes(win_handle window)
{
    lbuf_free(prefix_pool);
    char **list = (char **)malloc(sizeof(char *) * define_prefix_cap);
    if (list == nullptr) return -2;
    define_reader r;
    if (!open_defines(&r)) {
        free(list);
        return -1;
    }
    const int count = collect_prefixes(&r, list);
    close_defines(&r);
    int p = 0;
    for (int i = 0; i < count; ++i) put_entry(window, list[i], &p);
    if (count >= 0) {
        if (p == 0) {
            window_text_append(window, "部分キイ(XXXX_...)に一致するdefine名は見つかりません\r\n");
        } else {
            char text[100];
            format_text(text, sizeof text, "\r\n部分キイが%d個見つかりました\r\n", count);
            window_text_append(window, text);
        }
    }
    lbuf_free(prefix_pool);
    free(list);
    return count < 0 ? count : p;
}

int list_defines(const char *key, win_handle window)
{
    if (strcmp(key, "*") == 0) return list_define_prefixes(window);
    define_reader r;
    if (!open_defines(&r)) return -1;
    int p = 0;
    while (next_define(&r)) {
        if (has_prefix(r.name, key) == 0) put_entry(window, r.name, &p);
    }
    close_defines(&r);
    if (p == 0) {
        char text[line_size + 100];
        format_text(text, sizeof text, "該キイ(%s)に部分一致するdefine名は見つかりません\r\n", key);
        window_text_append(window, text);
    } else {
        window_text_append(window, "\r\n");
    }
    return p;
}

const char *build_define_options()
{
    static std::string options;
    options.clear();
    const char *p = stacks_lookup('v', view_name());
    if (strncmp(p, "■", 2) == 0 || strncmp(p, "●", 2) == 0) return options.c_str();
    for (;;) {
        while (*p == ' ' || *p == '\t') ++p;
        if (*p == '\0' || *p == '\n') break;
        if (get_define_num() >= define_cap) {
            log_printf("環境変数の定義が多過ぎます(%d)\n", get_define_num());
            break;
        }
        const size_t len = strcspn(p, "\t\n");
        options += " -D";
        options.append(p, len);
        p += len;
        if (*p != '\0') ++p;
    }
    return options.c_str();
}
