// The window handles of VOKTAVIR's eight top-level windows and of the CODE
// output edit.  The window code fills them as it creates the windows; the
// portable code only passes them back to the host.
#ifndef VOK_SHELL_SCREENS_H
#define VOK_SHELL_SCREENS_H

#include "shell/host.h"

extern win_handle hwndE;          // main screen (class "TAVIR")
extern win_handle hwndL;          // LIST
extern win_handle hwndF;          // FLOW
extern win_handle hwndC;          // CODE
extern win_handle hwndO;          // FORM
extern win_handle hwndR;          // RELATION
extern win_handle hwndP;          // PROPERTY
extern win_handle hwndM;          // MAIN, the hidden owner
extern win_handle code_out_hwnd;  // the CODE screen's output edit

// Screen numbers of the screen-numbered boxes: 0 main, 1 LIST, 2 FLOW,
// 3 CODE, 4 FORM, 5 RELATION, 6 PROPERTY; any other number is no window.
win_handle screen_window(int screen);

#endif
