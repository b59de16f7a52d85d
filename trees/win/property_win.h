// The PROPERTY screen's value edit, subclassed by the screen.
#ifndef VOK_TREES_WIN_PROPERTY_WIN_H
#define VOK_TREES_WIN_PROPERTY_WIN_H

#include <windows.h>

// The value edit's procedure: the keypad Enter, Up, Down and Esc are posted
// to the screen, Insert gives it the focus back; all go on to the edit.
LRESULT CALLBACK property_child_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

#endif
