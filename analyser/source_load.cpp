// Source loading: a file read whole into the line table, in pieces of at
// most 1998 bytes, with the reports of over-long lines and files.
#include "analyser/source_load.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "analyser/report.h"
#include "shell/dirs.h"
#include "shell/lbuf.h"
#include "shell/text.h"
#include "shell/trace_log.h"

char **source_lines;
int line_count;
char cur_file[file_name_size];
int header_file;
int load_cut;
char line_mark[line_cap + 1][3];
unsigned char entry_flag[line_cap + 1];
unsigned char line_class[line_cap + 1];
unsigned char line_selected[line_cap + 1];

namespace {

const int source_pool = 0;

// Rows of the per-line tables that may be non-zero: a clear empties only
// these, the rest being untouched since the table was last cleared.
int class_rows;
int entry_rows;
int mark_rows;
int selected_rows;

void keep_row(int *rows, int n)
{
    if (n >= *rows) *rows = n + 1;
}

// A loaded file read in blocks (a byte at a time through the C library
// locks the stream for every byte).
struct block_reader {
    FILE *fp;
    size_t at, len;
    bool ended;
    char buf[65536];
};

block_reader reader;

// The next byte, or EOF.
int next_byte(block_reader &r)
{
    if (r.at == r.len) {
        r.at = 0;
        r.len = r.ended ? 0 : fread(r.buf, 1, sizeof r.buf, r.fp);
        if (r.len == 0) {
            r.ended = true;
            return EOF;
        }
    }
    return (unsigned char)r.buf[r.at++];
}

// One byte of the file as text mode gives it: one CR before an LF is
// dropped, Ctrl-Z ends the file.  -1 at the end.
int text_getc(block_reader &r)
{
    const int c = next_byte(r);
    if (c == 0x1A) {
        if (next_byte(r) != EOF) load_cut = 1;
        r.ended = true;
        r.at = r.len = 0;
        return -1;
    }
    if (c == '\r') {
        const int next = next_byte(r);
        if (next == '\n') return '\n';
        if (next != EOF) --r.at;  // the byte just read is still in the block
    }
    return c == EOF ? -1 : c;
}

// Copies plain bytes (none of CR, LF, Ctrl-Z) of the block into buf from n
// on, up to limit; the new length.
int copy_plain(block_reader &r, char *buf, int n, int limit)
{
    while (n < limit && r.at < r.len) {
        const char c = r.buf[r.at];
        if (c == '\r' || c == '\n' || c == 0x1A) break;
        buf[n++] = c;
        ++r.at;
    }
    return n;
}

// Up to size - 1 bytes, stopping after a line feed; the length, 0 at the end.
int read_piece(block_reader &r, char *buf, int size)
{
    int n = 0;
    while (n < size - 1) {
        n = copy_plain(r, buf, n, size - 1);
        if (n >= size - 1) break;
        const int c = text_getc(r);
        if (c < 0) break;
        buf[n++] = (char)c;
        if (c == '\n') break;
    }
    buf[n] = '\0';
    return n;
}

void report_long_piece(const char *kind, int n)
{
    code_printf("%s(%d):%s(%d)\r\n", cur_file, line_count + 1, kind, n);
}

// Stores one line of n bytes (its NUL after them); false when the table is full.
bool store_line(const char *text, int n)
{
    if (line_count >= line_cap) {
        log_printf("ファイル(%s)の行数(%d)が多過ぎます\n", cur_file, line_count);
        code_printf("ファイル(%s)の行数(%d)が多過ぎます\r\n", cur_file, line_count);
        return false;
    }
    source_lines[line_count++] = lbuf_add(source_pool, text, n + 1);
    return true;
}

bool store_piece(char *piece, int n)
{
    if (n >= line_piece_size - 1 && piece[n - 1] != '\n') report_long_piece("超々大行を検出しました、行番号がずれます", n);
    if (n > 500) report_long_piece("超大行を検出しました", n);
    if (n >= 2 && piece[n - 2] == '\r' && piece[n - 1] == '\n') {
        piece[n - 2] = '\n';
        piece[n - 1] = '\0';
        return store_line(piece, n - 1) && store_line("\n", 1);
    }
    return store_line(piece, n);
}

}  // namespace

int load_source(const char *name, int *count)
{
    copy_bounded(cur_file, sizeof cur_file, name);
    *count = 0;
    load_cut = 0;
    FILE *fp = dir_fopen(name, "rb");
    if (fp == nullptr) return 0;
    const size_t len = strlen(name);
    header_file = len > 0 && (name[len - 1] == 'h' || name[len - 1] == 'H');
    if (source_lines != nullptr) {
        lbuf_free(source_pool);
    } else {
        source_lines = (char **)calloc(line_cap, sizeof(char *));
        if (source_lines == nullptr) {
            fclose(fp);
            return 0;
        }
    }
    line_count = 0;
    char piece[line_piece_size];
    int n;
    reader.fp = fp;
    reader.at = reader.len = 0;
    reader.ended = false;
    while ((n = read_piece(reader, piece, sizeof piece)) > 0) {
        if (!store_piece(piece, n)) {
            load_cut = 1;
            break;
        }
    }
    fclose(fp);
    *count = line_count;
    return 1;
}

int free_source()
{
    if (source_lines != nullptr) lbuf_free(source_pool);
    free(source_lines);
    source_lines = nullptr;
    line_count = 0;
    return 0;
}

const char *skip_line_blanks(const char *text)
{
    if (header_file) return text;
    while (*text == ' ' || *text == '\t') ++text;
    return text;
}

int put_line_mark(int n, const char *mark)
{
    if (n < 0 || n > line_cap) return 1;
    line_mark[n][0] = mark[0];
    line_mark[n][1] = mark[1];
    line_mark[n][2] = '\0';
    keep_row(&mark_rows, n);
    return 0;
}

int set_line_mark(int n, const char *mark) { return n > line_count ? 1 : put_line_mark(n, mark); }

int set_line_selected(int n, int on)
{
    if (n < 0 || n > line_cap) return 1;
    line_selected[n] = on ? 1 : 0;
    if (on) keep_row(&selected_rows, n);
    return 0;
}

int clear_line_rows()
{
    memset(line_mark, 0, sizeof line_mark[0] * (size_t)mark_rows);
    memset(line_selected, 0, (size_t)selected_rows);
    mark_rows = selected_rows = 0;
    clear_entry_flags();
    return clear_line_class();
}

int set_line_class_flag(int index, int flag)
{
    if (index < 0 || index > line_count) return 1;
    line_class[index] |= (unsigned char)flag;
    keep_row(&class_rows, index);
    return 0;
}

int set_entry_flag(int line)
{
    if (line <= 0 || line > line_count) return 1;
    entry_flag[line] = 1;
    keep_row(&entry_rows, line);
    return 0;
}

int clear_line_class()
{
    memset(line_class, 0, (size_t)class_rows);
    class_rows = 0;
    return 0;
}

int clear_entry_flags()
{
    memset(entry_flag, 0, (size_t)entry_rows);
    entry_rows = 0;
    return 0;
}

int clear_line_marks()
{
    for (int n = 0; n <= line_count; ++n) set_line_mark(n, "　");
    return clear_entry_flags();
}
