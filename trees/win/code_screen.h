// The CODE screen's window parts: the clipboard, the output's subclass,
// the buttons, the font, the selection commands and the memo, called by
// code_proc.
#ifndef VOK_TREES_WIN_CODE_SCREEN_H
#define VOK_TREES_WIN_CODE_SCREEN_H

#include <windows.h>

// Puts the text on the clipboard as CF_TEXT: 0, 1 when it could not.
int set_clipboard_text(HWND window, const char *text);
// The function's first line at x, y 0 on the device context; 0.
int paint_top_text_dc(HDC dc, int x, const char *text);
// The output edit's subclass procedure.
LRESULT CALLBACK code_child_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

// The CODE screen's message steps; each returns true when it took the message.
void code_create(HWND hwnd);
void code_destroy();
void code_size(HWND hwnd, int width, int height);
bool code_key(HWND hwnd, WPARAM key, LPARAM lparam);
bool code_command(HWND hwnd, WPARAM wparam, LPARAM lparam);
bool code_sys_command(HWND hwnd, WPARAM wparam);
HBRUSH code_static_color(HDC dc);
// WM_PARENTNOTIFY, WM_SETCURSOR and WM_IME_SETCONTEXT: the button hints.
void code_hint(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

#endif
