// Small listing services of the screens: tab expansion, the lines of the
// loaded source, a file written to the CODE output or appended to an edit,
// the head of a file and the reference hits of the last search.
#ifndef VOK_ANALYSER_LISTINGS_H
#define VOK_ANALYSER_LISTINGS_H

#include "shell/host.h"

// The longest expansion: a line of 1998 tabs at tab 4.
const int expand_size = 1998 * 4 + 1;

// Display width of the leading blanks and tabs (tab stops every tab).
int indent_width(const char *line, int tab);

// A static copy of the line with its tabs expanded; Shift-JIS pairs stay
// whole, and with brackets non-zero "[" and "]" become full-width.  A text
// too long for the copy is cut on a character boundary.
const char *expand_tabs(const char *line, int tab, int brackets);

// Copies line n (0 the first) of the loaded source, with its newline, into
// buffer of size bytes, cut to fit: 0, or 1 and an empty text for an n
// outside the file.
int get_source_line(char *buffer, int size, int n);
// The number of lines get_source_line can give.
int old_line_count();

// The file to the CODE output, each newline as CR LF: 0, 1 not opened.
int print_file(const char *name);

// The separator and the first 10 lines of a file, appended to the window.
int show_file_head(win_handle window, const char *name);

// The separator and the lines of the current result range, or the note
// that the last run was no reference run.
int show_references(win_handle window);

// The home folder's file appended to the window, or a note that it is missing.
int show_file(win_handle window, const char *name);

#endif
