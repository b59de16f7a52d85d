// The scanner of generated WORK sources: the recognisers of their lines, the
// editor's line count, the jumps that open the editor at a rectangle's code
// and the report of the procedure, message and id that own a line.  It reads
// the source itself, line by line, without the analyser.
#ifndef VOK_GENERATORS_WORK_JUMPS_H
#define VOK_GENERATORS_WORK_JUMPS_H

#include <cstddef>
#include <cstdio>

#include "shell/host.h"

const int scan_line_size = 1000;  // the head of a line the recognisers see, its ending kept

// 0 when text begins with word (bytes over the word's length), 1 otherwise,
// also when text is shorter.
int word_prefix(const char *text, const char *word);

// True when, after blanks and tabs, the line begins with "default", then
// optional blanks and tabs and ":".
bool is_default_label(const char *line);

// True when the line is a case label whose label begins with "WM" (a
// window message); the label is copied.
bool is_wm_label(const char *line, char *label, size_t size);

// Keeps the name path (forms/name_path.h) up to date over a procedure's
// lines: a depth-counted case label sets its level, any case label the WM
// name (a "WM" label) or the ID name.
void follow_case_labels(const char *line);

// The editor's line numbers: a line read with "\r\n" at its end (a CR CR LF
// line) counts as two, the second taking effect at the next line.
struct line_count_rec {
    int line;  // the number of the last line counted; 0 before the first
    int crlf;  // 1 when that line ended in "\r\n"
};
// Counts the line and returns its number.  The first line's ending is not
// examined.
int count_line(line_count_rec *counter, const char *line);

// Reads one physical line of a stream opened in binary mode, one CR before
// its LF dropped: its head, cut on a character boundary to fit buf, followed
// by the line's own ending ("\r\n", "\n" or none at the end of the file).
// False at the end of the input.
bool read_scan_line(FILE *fp, char *buf, size_t size);

// Editor jumps for the current rectangle.  The file is the form or the
// source; a name ending in ".f" or ".F" scans the ".c" of that name.  Each
// starts the editor, without waiting, at the line found (or at the one
// remembered: the procedure head, the case label, line 1) and returns 0;
// 1 when the source is not found in the folder slots (an error box on the
// FORM screen says so).
//
// The procedure's head, or, with a case, the case label inside it whose
// name path matches the rectangle's (IDC_ and IDM_ prefixes ignored).
int jump_proc(const char *file, const char *procedure, const char *case_name);
// The case label of that name at the given nesting depth (tab count).
int jump_case(const char *file, const char *procedure, const char *case_name, int depth);
// The rectangle's default label, at the tab count its path gives.
int jump_default(const char *file, const char *procedure);
// A region's opening marker (mouse WM_LBUTTONDBLCLK) or closing marker
// (WM_RBUTTONDBLCLK): before the first procedure without a procedure,
// inside it (and the case's "WM" branch) with one; the head itself when the
// region is empty.
int jump_area(const char *file, const char *procedure, const char *case_name, const char *region, int mouse);

// Appends to the edit which procedure, message and id own the source line
// (text is the line's text, shown with it), with a CODE mark over the span;
// on screen 0 or without a procedure an error box on that screen says it
// too.  0 done; 1 the file is not found or has no such line (an error box
// on the screen).
int line_to_rect(const char *file, int line, win_handle edit, int screen, const char *text);

#endif
