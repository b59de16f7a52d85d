// The source listings of the LIST and CODE screens: the current function or
// the selected entry's file into the CODE output, the function's first line
// across the LIST, the function holding a line, the search hits of the file
// set, and the mark filter of the F11 and F12 listings.
#ifndef VOK_TREES_LISTINGS_H
#define VOK_TREES_LISTINGS_H

#include "shell/host.h"

extern int mark_filter_on;    // 1 while a listing passes only marked rows
extern int mark_filter_mode;  // 0 marked rows only, 1 rows near them

// The current function after a flow run into the edit; 0.
int fill_list(win_handle edit, int mode);
// The selected entry's whole file with its own parse: 0 without a selected
// file, -1 after an end-of-file report, else 1; the file in file.
int fill_list_with_parse(win_handle edit, char *file, int mode);
// The name and the function's first code line across the top of the LIST; 0.
int draw_function_top(win_handle window, const char *name, int width);
// The function whose definition holds the line: 0 found (line and name set),
// else not found.
int find_function_at_line(const char *file, int *line, char *name);
// The search hits of every source file of the file set into the edit; 0.
int search_file_set(win_handle edit, const char *option);

// Back to the start values; 0.
int listings_reset();

#endif
