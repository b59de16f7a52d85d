// The main screen's commands over the function list: the definition and
// reference searches, the reference search over the multi keys and the step
// count.  Boxes go to the main screen.
#ifndef VOK_SHELL_WIN_MAIN_SEARCHES_H
#define VOK_SHELL_WIN_MAIN_SEARCHES_H

#include <windows.h>

// Commands 54, 65, 70 (function lists) and 55, 64, 71 (reference lists) on
// the target text: 0 shown on LIST, 1 refused or not run.
int run_search(HWND hwnd, unsigned id);
// F7: the reference search over the registered multi keys: 0 shown, 1 not run.
int run_multi_ref();
// Command 87: the step count of the category sources into "stepcnt.txt",
// shown in CODE or the editor: 0 shown, 1 refused or failed.
int step_count(HWND hwnd);

#endif
