// The analyser's host services bound to Win32, for VOKTAVIR: developer lines
// are dropped, the word-attribute error is a warning box on the main screen,
// appends go to the end of an edit, and a hard stop ends the process.
#include <windows.h>

#include <cstdlib>

#include "analyser/anal_host.h"
#include "shell/codeout.h"
#include "shell/marks.h"
#include "shell/msgbox.h"
#include "shell/screens.h"

namespace {

const int main_screen = 0;

}  // namespace

int anal_dev_print(const char *) { return 0; }

// n below 1: the file is missing; else the number of words it holds,
// beyond the limit of the word table.
int wordattr_error(int n, int limit)
{
    if (n < 1) return screen_warn_box(main_screen, "構文解析の属性定義(wordattr.dat)が見つかりません");
    return warn_boxf(main_screen, "構文解析の属性定義(wordattr.dat)の数(%d > %d)が多過ぎます", n, limit);
}

int window_text_append(win_handle edit, const char *text)
{
    const HWND hwnd = static_cast<HWND>(edit);
    DWORD start = 0, end = 0;
    SendMessageA(hwnd, EM_SETSEL, 0, -1);
    SendMessageA(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    SendMessageA(hwnd, EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageA(hwnd, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text));
    return 0;
}

int clear_marks()
{
    highlight_clear();
    code_mark_clear();
    return 0;
}

int redraw_flow()
{
    if (hwndF != nullptr) InvalidateRect(static_cast<HWND>(hwndF), nullptr, TRUE);
    return 0;
}

// The hard stops end the program at once: the C runtime flushes and closes
// the open files and the process ends with the code.  Nothing of the normal
// shutdown is saved.
void anal_exit(int code) { std::exit(code); }
