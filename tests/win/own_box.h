// The box or dialog of this test program: the Windows suites run several
// programs on one display at once, and a test must answer only its own boxes.
#ifndef VOK_TESTS_WIN_OWN_BOX_H
#define VOK_TESTS_WIN_OWN_BOX_H

#include <windows.h>

struct own_box_search {
    const char *caption;  // nullptr: any caption
    HWND found;
};

inline BOOL CALLBACK own_box_match(HWND hwnd, LPARAM lparam)
{
    auto *s = reinterpret_cast<own_box_search *>(lparam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char text[256] = "";
    if (pid != GetCurrentProcessId() || !GetClassNameA(hwnd, text, sizeof text) || lstrcmpA(text, "#32770") != 0)
        return TRUE;
    if (s->caption != nullptr) {
        GetWindowTextA(hwnd, text, sizeof text);
        if (lstrcmpA(text, s->caption) != 0) return TRUE;
    }
    s->found = hwnd;
    return FALSE;
}

// The first of this process's top-level boxes with that caption, in the order
// FindWindowA would give them; nullptr when there is none.
inline HWND own_box(const char *caption = nullptr)
{
    own_box_search s = {caption, nullptr};
    EnumWindows(own_box_match, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

#endif
