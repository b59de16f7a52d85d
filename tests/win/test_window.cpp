// The test window of the Win32 tests.
#include "tests/win/test_window.h"

#include <cstdio>
#include <vector>

test_window make_test_window()
{
    HINSTANCE inst = GetModuleHandleA(nullptr);
    test_window w;
    w.frame = CreateWindowExA(0, "STATIC", "テスト窓", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 500, 400, nullptr,
                              nullptr, inst, nullptr);
    w.edit = CreateWindowExA(0, "EDIT", "",
                             WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL, 0, 0,
                             480, 200, w.frame, nullptr, inst, nullptr);
    SendMessageA(w.edit, EM_LIMITTEXT, 500000, 0);
    w.list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 0, 210, 480, 150, w.frame,
                             nullptr, inst, nullptr);
    return w;
}

void destroy_test_window(const test_window &w) { DestroyWindow(w.frame); }

std::string window_text(HWND hwnd)
{
    const int n = GetWindowTextLengthA(hwnd);
    std::vector<char> buf(static_cast<size_t>(n) + 1);
    GetWindowTextA(hwnd, buf.data(), n + 1);
    return buf.data();
}

std::string windows_program_path(const char *arg)
{
    std::string path = arg[0] == '/' ? std::string("Z:") + arg : arg;
    for (char &c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

std::string first_line(const char *path)
{
    FILE *fp = fopen(path, "r");
    if (fp == nullptr) return "<none>";
    char buf[1024] = "";
    fgets(buf, sizeof buf, fp);
    fclose(fp);
    return buf;
}
