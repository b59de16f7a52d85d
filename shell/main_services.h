// Small services of the main screen's module that other screens call: the
// FORM handle and the common caption, a lower-casing in place, a swap of two
// texts, and the classifiers of a mouse drag on the FLOW and LIST screens.
#ifndef VOK_SHELL_MAIN_SERVICES_H
#define VOK_SHELL_MAIN_SERVICES_H

#include <cstddef>

#include "shell/host.h"

// The FORM screen's window.
win_handle form_hwnd();
// The common caption of the boxes.
const char *msg_caption();

// Lowers the ASCII capitals of a text; a Shift-JIS character stays as it is.
int lower_in_place(char *text);
// Swaps the texts of two buffers of the given sizes: 0, or 1 (nothing
// swapped) when a text would not fit the other buffer.
int swap_strings(char *a, size_t a_size, char *b, size_t b_size);

// A FLOW drag from (x0, y0) to (x1, y1): 1 a move beyond 64 pixels in x or
// y, -1 one of 6 or more, 0 a click.
int drag_class(int x0, int y0, int x1, int y1);
// What a LIST drag was.
enum vertical_drag {
    vdrag_move = -1,  // a move of 6 or more in x or y
    vdrag_click = 0,  // less: a click
    vdrag_down = 1,   // more than 32 pixels down
    vdrag_up = 2,     // more than 32 pixels up
};
// A LIST drag from (x0, y0) to (x1, y1), a vertical_drag.
int drag_class_v(int x0, int y0, int x1, int y1);

#endif
