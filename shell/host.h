// The host seam: what the portable code needs of the program that carries it.
//
// Portable modules never include <windows.h>.  They reach the host only
// through the functions below, which each program binds in its own way:
//   - VOKTAVIR binds them to Win32 (shell/win/host_win.cpp);
//   - the native tests bind a capture host (tests/support/capture_host.cpp)
//     that keeps fake edit and list windows, scripted box answers and a
//     record of what was asked;
//   - vokrun binds none of them: it links only the text helpers and the
//     interpreter, whose own output and file-open hooks it sets.
//
// Window handles are opaque to the portable code: a win_handle is whatever
// the host uses (an HWND under Win32), and null means "no window".
//
// Services built on this seam, declared in their own headers:
//   send_msg, msg_box and the screen boxes   shell/msgbox.h
//   code_print and the CODE mark table       shell/codeout.h
//   sys_fopen (the one path-mapping point)   shell/sysfile.h
#ifndef VOK_SHELL_HOST_H
#define VOK_SHELL_HOST_H

#include <cstdint>

typedef void *win_handle;

// SendMessageA: the message numbers are Win32's (shell/winmsg.h).
intptr_t host_send(win_handle hwnd, unsigned msg, uintptr_t wparam, intptr_t lparam);

// MessageBoxA(owner, text, caption, style): returns the button pressed.
int host_message_box(win_handle owner, const char *text, const char *caption, unsigned style);

// MessageBeep(0).
void host_beep();

// SetActiveWindow(hwnd).
void host_activate(win_handle hwnd);

// Sets the hourglass cursor and returns the cursor it replaced.
win_handle host_wait_cursor();

// Sets a cursor that host_wait_cursor returned.
void host_set_cursor(win_handle cursor);

// ShowWindow(hwnd, SW_HIDE) when show is 0, else ShowWindow(hwnd, SW_SHOWNORMAL).
void host_show_window(win_handle hwnd, int show);

#endif
