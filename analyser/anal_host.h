// Host services the analyser needs beyond the common seam: the developer
// lines (what a console program would print on its standard output), the
// word-attribute error box, the window-text append, the clearing of the
// grid highlights and the end of the program at a hard stop.  VOKTAVIR
// binds them to its windows; the test programs capture them.
#ifndef VOK_ANALYSER_ANAL_HOST_H
#define VOK_ANALYSER_ANAL_HOST_H

#include "shell/host.h"

// One developer line; VOKTAVIR drops it.
int anal_dev_print(const char *text);
// Tells the user that "wordattr.dat" could not be used (code from the loader).
int wordattr_error(int n, int limit);
// Puts the caret at the end of an edit's text and replaces the selection.
int window_text_append(win_handle edit, const char *text);
// Empties the grid highlight list and the CODE mark table.
int clear_marks();
// Ends the program with the code; does not return.
[[noreturn]] void anal_exit(int code);

// A formatted developer line (cut at 2000 bytes).
int dev_printf(const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 1, 2)))
#endif
    ;

#endif
