// Listing services of the screens: tab expansion, lines of the loaded
// source, files written to the CODE output or appended to edit windows.
#include "analyser/listings.h"

#include <cstdio>
#include <cstring>

#include "analyser/anal_host.h"
#include "analyser/options.h"
#include "analyser/source_load.h"
#include "shell/codeout.h"
#include "shell/dirs.h"
#include "shell/sjis.h"
#include "shell/sysfile.h"
#include "shell/text.h"

namespace {

const int read_size = 2000;
const char separator[] =
    "----------------------------------------------------------------------------\n";

// Drops a trailing newline; true when there was one.
bool cut_newline(char *text)
{
    const size_t len = strlen(text);
    if (len == 0 || text[len - 1] != '\n') return false;
    text[len - 1] = '\0';
    return true;
}

// A piece without its newline that fills the buffer goes on in the next piece.
bool line_goes_on(const char *piece, bool had_newline)
{
    return !had_newline && strlen(piece) == (size_t)read_size - 1;
}

void append_separator(win_handle window)
{
    window_text_append(window, separator);
    window_text_append(window, "\r\n");
}

void tabs_to_blanks(char *text)
{
    for (char *p = text; *p != '\0'; ++p) {
        if (*p == '\t') *p = ' ';
    }
}

// Text of the loaded source's 1-based line n without its newline.
void source_line_text(char *buffer, int size, int n)
{
    get_source_line(buffer, size, n - 1);
    cut_newline(buffer);
}

}  // namespace

int indent_width(const char *line, int tab)
{
    if (tab < 1) tab = 1;
    int width = 0;
    for (const char *p = line; *p == ' ' || *p == '\t'; ++p) width = *p == ' ' ? width + 1 : (width / tab + 1) * tab;
    return width;
}

const char *expand_tabs(const char *line, int tab, int brackets)
{
    static char out[expand_size];
    if (tab < 1) tab = 1;
    int n = 0;
    for (const unsigned char *p = (const unsigned char *)line; *p != '\0';) {
        if (*p == '\t') {
            const int next = (n / tab + 1) * tab;
            if (next >= expand_size) break;
            while (n < next) out[n++] = ' ';
            ++p;
            continue;
        }
        const char *piece = nullptr;
        int len = 1;
        if (brackets && (*p == '[' || *p == ']')) {
            piece = *p == '[' ? "［" : "］";
            len = 2;
        } else if (is_sjis_lead(*p) && p[1] != '\0') {
            piece = (const char *)p;
            len = 2;
            ++p;
        } else {
            piece = (const char *)p;
        }
        ++p;
        if (n + len >= expand_size) break;
        memcpy(out + n, piece, len);
        n += len;
    }
    out[n] = '\0';
    return out;
}

int get_source_line(char *buffer, int size, int n)
{
    if (size <= 0) return 1;
    buffer[0] = '\0';
    if (source_lines == nullptr || n < 0 || n >= line_count) return 1;
    copy_bounded(buffer, size, source_lines[n]);
    return 0;
}

int old_line_count() { return source_lines != nullptr ? line_count : 0; }

int print_file(const char *name)
{
    FILE *fp = sys_fopen(name, "r");
    if (fp == nullptr) return 1;
    char piece[read_size];
    char text[read_size + 2];
    while (read_line(piece, sizeof piece, fp) != nullptr) {
        const bool had_newline = cut_newline(piece);
        format_text(text, sizeof text, "%s%s", piece, had_newline ? "\r\n" : "");
        code_print(text);
    }
    fclose(fp);
    return 0;
}

int show_file_head(win_handle window, const char *name)
{
    append_separator(window);
    FILE *fp = prefix_fopen(name, "r");
    if (fp == nullptr) return 0;
    char piece[read_size];
    for (int lines = 0; lines < 10 && read_line(piece, sizeof piece, fp) != nullptr;) {
        const bool had_newline = cut_newline(piece);
        tabs_to_blanks(piece);
        window_text_append(window, piece);
        if (line_goes_on(piece, had_newline)) continue;
        window_text_append(window, "\r\n");
        ++lines;
    }
    fclose(fp);
    return 0;
}

int show_references(win_handle window)
{
    append_separator(window);
    if (opt_end_line < 1) {
        window_text_append(window, "★参照表示ではありません\r\n");
        return 0;
    }
    const int count = range_count();
    for (int i = 0; i < count; ++i) {
        const int n = range_line(i);
        char line[read_size];
        char shown[241];  // 240 bytes, cut on a character boundary
        char text[300];
        source_line_text(line, sizeof line, n);
        copy_bounded(shown, sizeof shown, line);
        format_text(text, sizeof text, "%5d:%s", n, shown);
        window_text_append(window, text);
        window_text_append(window, "\r\n");
    }
    return 0;
}

int show_file(win_handle window, const char *name)
{
    FILE *fp = home_fopen(name, "r");
    if (fp == nullptr) {
        char text[600];
        format_text(text, sizeof text, "ファイル(%s)が見つかりません", name);
        window_text_append(window, text);
        return 0;
    }
    char piece[read_size];
    while (read_line(piece, sizeof piece, fp) != nullptr) {
        const bool had_newline = cut_newline(piece);
        window_text_append(window, piece);
        if (!line_goes_on(piece, had_newline)) window_text_append(window, "\r\n");
    }
    fclose(fp);
    return 0;
}
