// The CODE screen's decisions that need no window: saving the shown text
// without the program's "★" notices, the memo commands, and reading a
// file name and line out of a selected text for the tree extraction and
// the editor.
#ifndef VOK_TREES_CODE_TEXT_H
#define VOK_TREES_CODE_TEXT_H

#include <cstddef>
#include <cstdio>

#include "shell/host.h"
#include "shell/sysmenus.h"  // the memo commands

const int selection_size = 100;   // the selection taken through the clipboard (99 bytes)

// What the output holds: -1 nothing special, positive after the head of a
// longer file was shown (saving is then refused).
extern int shown_state;

// Writes the text line by line (CR, LF or CR LF end a line) with "\n",
// leaving out the lines that begin with "★": 0, or 1 when a write failed.
int write_code_lines(FILE *fp, const char *text);
// The edit's whole text into the file the name resolves to, through a
// temporary so that a failed write keeps the old file: 0 saved, 1 not
// (after "ファイル(%s)がオープン出来ない\n" on the main screen).
int save_code_text(win_handle edit, const char *name);

// A memo command on memo_buf and memo_restore with the selection (null or
// empty: none): 0 done (the main screen repainted), 1 refused with a beep
// (46 and 47 without a selection).
int memo_command(int id, const char *selection);
// The memo text of a change: text cut so that it and its line end fit the
// memo with its NUL, never inside a double-byte character or a CR LF, then
// "\n" after a lone CR or "\r\n" after anything but LF.  Into out of
// memo_size bytes; 0.
int memo_fit(char *out, const char *text);

// The F10 selection: file name (to a blank, tab, "(", CR or LF), optional
// blanks, "(", digits, ")": 0 with file (size bytes) and line, else 1.
int parse_line_ref(const char *selection, char *file, size_t size, int *line);
// The editor selection: an optional slot character and ":" (that slot's
// folder, else the current directory), the name up to "(" and the line up
// to ")": 0 with folder, name and line; 1 refused or not found.
int parse_editor_ref(const char *selection, char *dir, size_t dir_size, char *name, size_t name_size, int *line);

// Back to the start values; 0.
int code_text_reset();

#endif
