// The main screen's window side: its child controls and their places, the
// text area painted on timer ticks, the button hints, and the keys, clicks
// and commands that tavir_proc hands to the portable decisions.
#ifndef VOK_SHELL_WIN_MAIN_SCREEN_WIN_H
#define VOK_SHELL_WIN_MAIN_SCREEN_WIN_H

#include <windows.h>

// WM_CREATE: the controls, fonts, lists and the hooks of the main screen; 0.
int create_main_controls(HWND hwnd);
// WM_DESTROY: the two fonts; 0.
int destroy_main_controls();
// Lays the controls out again from the parameters (after the parameter
// dialog): text_x gets where the text area begins, list_font the pattern
// list's new font (the old one deleted); 0.
int layout_main_screen(HWND hwnd, int *text_x, HFONT *list_font);
// WM_SIZE: the small buttons along the bottom and the lists stretched; 0.
int size_main_screen(HWND hwnd, int width, int height);
// WM_PAINT and WM_TIMER of the text area: 1 when the message was handled.
int paint_text_area(HWND hwnd);
int tick_text_area(HWND hwnd);
// The hint popup of a child pressed with the right button at point (client
// coordinates of window); hidden when the child has no hint.  0.
int show_button_hint(HWND window, HWND child, POINT point, HWND popup);
// The main screen's messages after the keypad dispatch: 1 and the result
// when handled, else 0 (the default handling follows).
int main_screen_message(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, LRESULT *result);

#endif
