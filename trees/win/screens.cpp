// The CODE screen's window procedure: each message goes to its step in
// code_screen.cpp.  Its close only hides it; MAIN destroys the screens.
#include <windows.h>

#include "shell/keypad.h"
#include "shell/main_state.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "shell/win/syskey.h"
#include "trees/win/code_screen.h"

namespace {

bool hidden() { return hidden_flags[hidden_code] != 0; }

}  // namespace

LRESULT CALLBACK code_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    if (f10_as_key_up(&msg, wparam)) return 0;
    if (keypad_dispatch(msg, hwnd, static_cast<unsigned>(wparam), lparam) != 0) return 0;
    switch (msg) {
    case WM_CREATE: code_create(hwnd); return 0;
    case WM_DESTROY: code_destroy(); return 0;
    case WM_SIZE: code_size(hwnd, LOWORD(lparam), HIWORD(lparam)); return 0;
    case WM_KEYUP:
        if (wparam == VK_SHIFT) shift_down = 0;
        if (is_keypad_nav_key(msg, static_cast<unsigned>(wparam), lparam)) return 0;
        if (code_key(hwnd, wparam, lparam)) return 0;
        break;
    case WM_KEYDOWN:
        if (wparam == VK_SHIFT) shift_down = 1;
        if (fkey_handler(hwnd, static_cast<unsigned>(wparam)) != 0) return 0;
        break;
    case WM_COMMAND:
        if (code_command(hwnd, wparam, lparam)) return 0;
        break;
    case WM_SYSCOMMAND:
        if (code_sys_command(hwnd, wparam)) return 0;
        break;
    case WM_CLOSE:
        hidden_flags[hidden_code] = 1;
        ShowWindow(hwnd, SW_HIDE);
        return 0;
    case WM_SHOWWINDOW:
        if (wparam && lparam == SW_PARENTOPENING && hidden()) return 0;
        if (wparam && lparam == 0) hidden_flags[hidden_code] = 0;
        break;
    case WM_SETFOCUS: fkey_accept(hwnd); return 0;
    case WM_PARENTNOTIFY:
    case WM_SETCURSOR:
    case WM_IME_SETCONTEXT: code_hint(hwnd, msg, wparam, lparam); break;
    case WM_CTLCOLORSTATIC: return reinterpret_cast<LRESULT>(code_static_color(reinterpret_cast<HDC>(wparam)));
    default: break;
    }
    return DefWindowProcA(hwnd, msg, wparam, lparam);
}
