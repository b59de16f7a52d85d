// CODE output, the mark table and the file viewer of the edit controls.
#include "shell/codeout.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/sysfile.h"
#include "shell/text.h"
#include "shell/winmsg.h"

code_mark code_marks[code_mark_cap];
int code_mark_num;

namespace {

int32_t edit_length(win_handle edit)
{
    uint32_t start = 0;
    uint32_t end = 0;
    send_msg(edit, EM_SETSEL, 0, -1);
    send_msg(edit, EM_GETSEL, reinterpret_cast<uintptr_t>(&start), reinterpret_cast<intptr_t>(&end));
    return static_cast<int32_t>(end);
}

void replace_span(int32_t start, int32_t end, const char *text)
{
    send_msg(code_out_hwnd, EM_SETSEL, static_cast<uintptr_t>(start), end);
    send_msg(code_out_hwnd, EM_REPLACESEL, 0, reinterpret_cast<intptr_t>(text));
}

int find_block(uint32_t a, uint32_t b)
{
    for (int i = 0; i < code_mark_num; ++i) {
        if (code_marks[i].kind != 0 && code_marks[i].a == a && code_marks[i].b == b) return i;
    }
    return -1;
}

void remove_block(int row)
{
    const int32_t start = code_marks[row].start;
    const int32_t end = code_marks[row].end;
    replace_span(start, end, "");
    const int32_t d = end - start;
    for (int i = row; i + 1 < code_mark_num; ++i) {
        code_marks[i] = code_marks[i + 1];
        code_marks[i].start -= d;
        code_marks[i].end -= d;
    }
    --code_mark_num;
}

}  // namespace

int32_t code_out_length() { return edit_length(code_out_hwnd); }

int code_print(const char *text)
{
    const int32_t at = code_out_length();
    replace_span(at, at, text);
    code_mark_add(0, 0, 0, at);
    return 0;
}

int code_mark_add(uint32_t a, uint32_t b, uint32_t kind, int32_t start)
{
    if (code_mark_num >= code_mark_cap) return 2;
    if (kind == 1) {
        const int row = find_block(a, b);
        if (row >= 0) {
            remove_block(row);
            return 1;
        }
    }
    code_mark &m = code_marks[code_mark_num++];
    m.a = a;
    m.b = b;
    m.kind = kind;
    m.start = start;
    m.end = kind != 0 ? -1 : code_out_length();
    return 0;
}

int code_mark_close()
{
    if (code_mark_num > 0) code_marks[code_mark_num - 1].end = code_out_length();
    return 0;
}

int code_mark_clear()
{
    code_mark_num = 0;
    return 0;
}

int code_mark_count() { return code_mark_num; }

int code_mark_get(int n, uint32_t *a, uint32_t *b, uint32_t *kind)
{
    *a = code_marks[n].a;
    *b = code_marks[n].b;
    *kind = code_marks[n].kind;
    return 0;
}

namespace {

const size_t view_max = 4096;    // bytes of the file shown
const size_t view_block = 4196;  // the file's bytes and the status line

// Reads up to view_max bytes; sets the status format and the result.
size_t read_view(const char *name, char *block, const char **status, int *result)
{
    *result = 0;
    FILE *fp = sys_fopen(name, "rb");
    if (fp == nullptr) {
        *status = "★ファイル(%s)が見つかりません\r\n";
        return 0;
    }
    size_t n = fread(block, 1, view_max, fp);
    const bool failed = ferror(fp) != 0;
    fclose(fp);
    if (failed) {
        *status = "★ファイル(%s)が読めません\r\n";
        *result = 1;
        return 0;
    }
    if (n == 0) {
        *status = "★ファイル(%s)の中味が空です\r\n";
    } else if (n < view_max) {
        *status = "★ファイル(%s)の終了\r\n";
        if (static_cast<unsigned char>(block[n - 1]) == 0x1A) --n;
    } else {
        *status = "\r\n★ファイル(%s)の途中終了\r\n";
        *result = 1;
    }
    return n;
}

}  // namespace

int read_file_to_edit(win_handle edit, const char *name)
{
    char *block = static_cast<char *>(malloc(view_block));
    if (block == nullptr) return 1;
    const char *status = nullptr;
    int result = 0;
    const size_t n = read_view(name, block, &status, &result);
    // A long file name is cut so that the whole status line fits.
    const size_t room = view_block - n;
    const size_t fixed = strlen(status) - 2;  // without "%s"
    char shown[view_block];
    copy_bounded(shown, room > fixed ? room - fixed : 1, name);
    format_text(block + n, room, status, shown);
    send_msg(edit, WM_SETTEXT, 0, reinterpret_cast<intptr_t>(block));
    free(block);
    return result;
}
