// The main screen's commands over the function list and the category file:
// the definition and reference searches, the reference search over the multi
// keys, the step count, and the keys that open the category file, find a
// source line's rectangle or a numbered box.
// Boxes go to the main screen.
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

// A file shown in CODE (caption, slot prefix resolved) with the focus there; 0.
int show_in_code(const char *name);
// A file handed to the editor at line 1, found through the folder slots:
// 0 started, 1 refused or not found.
int open_in_editor(HWND hwnd, const char *name);
// E, H, 1: with a generated-code kind in the category and a box current,
// the editor at that code; else the category file in CODE or the editor.
// 0 done, 1 refused.
int open_category_file(HWND hwnd);
// L: the rectangle that owns the target's line of the category source; 0
// done, 1 refused.
int source_line_key(HWND hwnd);
// F: the box whose object number is the target made current; 0 found, 1 not.
int box_number_key(HWND hwnd);

#endif
