// The source listings of the LIST and CODE screens: the current function or
// the selected entry's file into the CODE output with marks and separator
// rows, the function's first line across the LIST, the function holding a
// line, the search hits of the file set and of the source patterns, the
// main screen's search marks, and the mark filter of the F11 and F12
// listings.
#ifndef VOK_TREES_LISTINGS_H
#define VOK_TREES_LISTINGS_H

#include <cstddef>

#include "shell/host.h"

const int search_text_size = 500;
const int mark_row_cap = 10;       // rows a mode-0 listing remembers
const int mark_near_rows = 100;    // the window of mode 1 around each of them
const int top_text_size = 1200;    // the painted first line (999 columns and the name)

// The mark filter modes.
enum mark_filter_mode_value { filter_collect = 0, filter_near = 1, filter_off = -1 };

extern int mark_filter_on;    // 1 while a listing passes only marked rows (F11, F12)
extern int mark_filter_mode;  // mark_filter_mode_value
extern int mark_rows[mark_row_cap];
extern int mark_row_num;
extern int search_mode;                      // 0 token search, else plain text
extern char search_text[search_text_size];   // the key the listings mark

// The window's painter of draw_function_top (the LIST binds it; unbound:
// nothing is painted): the text at x, y 0.
extern int (*paint_top_text)(win_handle window, int x, const char *text);

// Sets the mark filter mode; mode 0 forgets the remembered rows.  0.
int set_mark_filter(int mode);
// Offers one row of a listing to the edit through the mark filter and
// counts it; 1 when the row was inserted, else 0.
int offer_row(win_handle edit, const char *text);
// Starts the row count of a new listing; 0.
int start_rows();

// Marks the search hits of lines first .. last with "●"; 0.
int mark_hits(int first, int last);
// The current function after a flow run into the edit; 0.
int fill_list(win_handle edit, int mode);
// The selected entry's whole file with its own parse: 0 without a selected
// file, -1 after an end-of-file report, else 1; the entry's file text in
// file (list_file_size bytes).
const int list_file_size = 81;
int fill_list_with_parse(win_handle edit, char *file, int mode);
// The text and x of draw_function_top: 0 with the text in out, 1 nothing.
int function_top_text(const char *name, int width, char *out, size_t size);
int function_top_x();
// The name and the function's first code line across the top of the window; 0.
int draw_function_top(win_handle window, const char *name, int width);
// The function whose definition holds the line: 0 found (line := its head
// line, name := its name, top_name_size bytes), -1 the file cannot be loaded
// (line -1), -2 the parse failed, -3 no function holds it (name empty).
const int top_name_size = 256;
int find_function_at_line(const char *file, int *line, char *name);
// Appends "file(line):text" rows for every line of the file the search marks; 0.
int list_search_hits(win_handle edit, const char *file, const char *option);
// list_search_hits for every word of the file set that names a source file
// (the option text is passed on as given); 0.
int search_file_set(win_handle edit, const char *option);
// The plain-text hits of one file (the tree files skipped); 0, 1 not opened.
int grep_file(const char *text, win_handle edit, const char *file, int option);
// grep_file over the files of the 21 source patterns in their order; 0.
int run_all_patterns(const char *text, win_handle edit, int option);
// The main screen's search in the loaded file: 1 lines selected, 0 nothing
// to search.
int mark_search_lines(const char *text);
// The caret after the last character of the edit; 0.
int caret_to_end(win_handle edit);

// Back to the start values; 0.
int listings_reset();

#endif
