// The host seam bound to Win32, for VOKTAVIR.
#include <windows.h>

#include "shell/host.h"

intptr_t host_send(win_handle hwnd, unsigned msg, uintptr_t wparam, intptr_t lparam)
{
    return SendMessageA(static_cast<HWND>(hwnd), msg, static_cast<WPARAM>(wparam), static_cast<LPARAM>(lparam));
}

int host_message_box(win_handle owner, const char *text, const char *caption, unsigned style)
{
    return MessageBoxA(static_cast<HWND>(owner), text, caption, style);
}

void host_beep() { MessageBeep(0); }

void host_activate(win_handle hwnd) { SetActiveWindow(static_cast<HWND>(hwnd)); }

win_handle host_wait_cursor()
{
    static HCURSOR const hourglass = LoadCursor(nullptr, IDC_WAIT);
    return SetCursor(hourglass);
}

void host_set_cursor(win_handle cursor) { SetCursor(static_cast<HCURSOR>(cursor)); }

void host_show_window(win_handle hwnd, int show)
{
    ShowWindow(static_cast<HWND>(hwnd), show != 0 ? SW_SHOWNORMAL : SW_HIDE);
}

void host_repaint(win_handle hwnd)
{
    if (hwnd != nullptr) InvalidateRect(static_cast<HWND>(hwnd), nullptr, TRUE);
}
