// The CODE screen as an output edit alone, until its own window code
// replaces it.  Its close only hides it; MAIN destroys the screens.
#include <windows.h>

#include "shell/screens.h"
#include "shell/win/startup_win.h"

// VOK-PLACEHOLDER: the CODE screen; its output edit covers the client area.
LRESULT CALLBACK code_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    if (msg == WM_CREATE) {
        RECT r;
        GetClientRect(hwnd, &r);
        code_out_hwnd = CreateWindowExA(0, "EDIT", "",
                                        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0,
                                        r.right, r.bottom, hwnd, nullptr, app_instance, nullptr);
        return 0;
    }
    if (msg == WM_SIZE && code_out_hwnd != nullptr) {
        MoveWindow(static_cast<HWND>(code_out_hwnd), 0, 0, LOWORD(lparam), HIWORD(lparam), TRUE);
        return 0;
    }
    return hide_screen_on_close(hwnd, msg, wparam, lparam);
}
