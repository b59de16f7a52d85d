// F10 reaches a window as a system key, whose default handling would open
// the menu bar; the screens take it as an ordinary key-up instead.
#ifndef VOK_SHELL_WIN_SYSKEY_H
#define VOK_SHELL_WIN_SYSKEY_H

#include <windows.h>

// true for F10's WM_SYSKEYDOWN, which the window swallows (returns 0);
// F10's WM_SYSKEYUP turns *msg into WM_KEYUP; any other message is left.
inline bool f10_as_key_up(UINT *msg, WPARAM wparam)
{
    if (wparam != VK_F10) return false;
    if (*msg == WM_SYSKEYDOWN) return true;
    if (*msg == WM_SYSKEYUP) *msg = WM_KEYUP;
    return false;
}

#endif
