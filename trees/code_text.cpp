// The CODE screen's portable decisions (see code_text.h).
#include "trees/code_text.h"

#include <cstdlib>
#include <cstring>

#include "shell/dir_replace.h"
#include "shell/dirs.h"
#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/sjis.h"
#include "shell/stacks.h"
#include "shell/text.h"
#include "shell/winmsg.h"

int shown_state = -1;

namespace {

const char notice_mark[] = "★";

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The length of a text cut to at most limit bytes on a character boundary
// and not between a CR and its LF.
size_t cut_length(const char *text, size_t limit)
{
    size_t n = 0;
    while (text[n] != '\0') {
        const size_t step = is_sjis_lead(static_cast<unsigned char>(text[n])) && text[n + 1] != '\0' ? 2 : 1;
        if (n + step > limit) break;
        n += step;
    }
    if (n > 0 && n < strlen(text) && text[n - 1] == '\r' && text[n] == '\n') --n;
    return n;
}

// The line end a memo text of n bytes gets.
const char *memo_end(const char *text, size_t n)
{
    if (n > 0 && text[n - 1] == '\n') return "";
    if (n > 0 && text[n - 1] == '\r') return "\n";
    return "\r\n";
}

}  // namespace

int write_code_lines(FILE *fp, const char *text)
{
    int failed = 0;
    const char *p = text;
    while (*p != '\0') {
        const size_t n = strcspn(p, "\r\n");
        if (strncmp(p, notice_mark, 2) != 0) {
            if (fwrite(p, 1, n, fp) != n || fputc('\n', fp) == EOF) failed = 1;
        }
        p += n;
        if (*p == '\r' && p[1] == '\n') p += 2;
        else if (*p != '\0') ++p;
    }
    return failed;
}

int save_code_text(win_handle edit, const char *name)
{
    const intptr_t length = send_msg(edit, WM_GETTEXTLENGTH, 0, 0);
    char *text = static_cast<char *>(malloc(static_cast<size_t>(length > 0 ? length : 0) + 1));
    if (text == nullptr) return 1;
    text[0] = '\0';
    send_msg(edit, WM_GETTEXT, static_cast<uintptr_t>(length + 1), reinterpret_cast<intptr_t>(text));
    dir_replacement r;
    int result = 1;
    if (dir_replace_open(&r, name)) {
        const bool written = write_code_lines(r.fp, text) == 0;
        result = dir_replace_close(&r, written);
    }
    free(text);
    if (result != 0) error_boxf(screen_main, "ファイル(%s)がオープン出来ない\n", name);
    return result;
}

int memo_fit(char *out, const char *text)
{
    const size_t room = static_cast<size_t>(memo_size) - 1;
    size_t n = strlen(text);
    if (n + strlen(memo_end(text, n)) > room) {
        n = cut_length(text, room);
        while (n > 0 && n + strlen(memo_end(text, n)) > room) n = cut_length(text, n - 1);
    }
    memcpy(out, text, n);
    copy_bounded(out + n, static_cast<size_t>(memo_size) - n, memo_end(text, n));
    return 0;
}

int memo_command(int id, const char *selection)
{
    const bool none = selection == nullptr || selection[0] == '\0';
    if ((id == memo_set || id == memo_append) && none) {
        host_beep();
        return 1;
    }
    static char joined[memo_size * 2];
    switch (id) {
    case memo_set:
        copy_bounded(memo_restore, sizeof memo_restore, memo_buf);
        memo_fit(memo_buf, selection);
        break;
    case memo_append:
        copy_bounded(memo_restore, sizeof memo_restore, memo_buf);
        format_text(joined, sizeof joined, "%s%s", memo_buf, selection);
        memo_fit(memo_buf, joined);
        break;
    case memo_swap:
        copy_bounded(joined, sizeof joined, memo_buf);
        copy_bounded(memo_buf, sizeof memo_buf, memo_restore);
        copy_bounded(memo_restore, sizeof memo_restore, joined);
        break;
    case memo_erase:
        copy_bounded(memo_restore, sizeof memo_restore, memo_buf);
        memo_buf[0] = '\0';
        break;
    case memo_builtin:
        copy_bounded(memo_restore, sizeof memo_restore, memo_buf);
        memo_fit(memo_buf, builtin_memo);
        break;
    default:
        return 1;
    }
    host_repaint(hwndE);
    return 0;
}

int parse_line_ref(const char *selection, char *file, size_t size, int *line)
{
    const char *p = selection;
    while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n') ++p;
    const size_t n = strcspn(p, " \t(\r\n");
    if (n == 0 || n >= size) return 1;
    const char *q = p + n;
    while (*q == ' ' || *q == '\t') ++q;
    if (*q != '(' || !is_digit(q[1])) return 1;
    ++q;
    long value = 0;
    while (is_digit(*q)) {
        value = value * 10 + (*q++ - '0');
        if (value > 99999999) return 1;
    }
    if (*q != ')') return 1;
    copy_span(file, size, p, n);
    *line = static_cast<int>(value);
    return 0;
}

int parse_editor_ref(const char *selection, char *dir, size_t dir_size, char *name, size_t name_size, int *line)
{
    const char *p = selection;
    while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n') ++p;
    char folder_buf[dir_path_size] = "";
    if (p[0] != '\0' && p[1] == ':' && p[0] != ':' && dir_index(static_cast<unsigned char>(p[0])) >= 0) {
        if (get_proj_dir(folder_buf, dir_index(static_cast<unsigned char>(p[0]))) == 0 || folder_buf[0] == '\0')
            return 1;
        p += 2;
    } else if (p[0] == ':' && p[1] != ':') {
        return 1;
    } else if (host_getcwd(folder_buf, sizeof folder_buf) != 0) {
        return 1;
    }
    const char *open = strchr(p, '(');
    if (open == nullptr || open == p) return 1;
    const char *close = strchr(open, ')');
    if (close == nullptr || close == open + 1) return 1;
    for (const char *d = open + 1; d < close; ++d) {
        if (!is_digit(*d) || d - open > 8) return 1;
    }
    copy_bounded(dir, dir_size, folder_buf);
    copy_span(name, name_size, p, static_cast<size_t>(open - p));
    *line = atoi(open + 1);
    return 0;
}

int code_text_reset()
{
    shown_state = -1;
    return 0;
}
