// The main screen's two fields and their lists: the checks of a file name
// typed into them, the language's file patterns, the file list that a
// pattern fills, the target field's list and key, and the place of a popup
// beside a point (the button hints and FORM's box descriptions).
#ifndef VOK_SHELL_MAIN_FIELDS_H
#define VOK_SHELL_MAIN_FIELDS_H

#include <cstddef>

#include "shell/host.h"

// true when the text from the last "." (not the first character) is a C,
// C++, Pro*C, Java or header extension; "*.c*" counts as a source name.
bool is_source_ext(const char *name);

// The checks of one file name in the category or target field: a drive path
// may hold blanks but no "*" or ","; any other name neither those nor a
// blank.  A refusal shows its box on owner.  1 refused, 0 usable.
int check_category_field(win_handle owner, const char *text);
int check_target_field(win_handle owner, const char *text);

// Puts the file patterns of lang_mode (and the form and definition
// patterns) into a list box, emptied first; the number of patterns.
int fill_pattern_list(win_handle list);
// The category field gets the language's first pattern (none for lang_mode 3)
// and the pattern list is refilled; 0.
int set_lang_patterns();
// The command main of "get_category %s": the pattern list refilled, the
// definitions of the form in use for "*.x" and "*.r", then the matching
// files.  A lone argument equal to a category text without "*" (nothing
// matched a plain name) changes nothing.  0.
int fill_file_list(int argc, char **argv);

// The target field's list: emptied; a name appended, as "name/2",
// "name/3" ... when the list holds it already (0 added, 1 no free number up
// to 1000); the field's text read (at most size - 1 bytes, size up to 1000);
// the entry names "WinMain", "Main", "main".
int target_clear();
int target_add_unique(const char *name);
int target_get_text(char *buf, size_t size);
int fill_entry_names();

// Normalises the key in a field and writes it back: a leading "-" and the
// trailing dashes go; else "new NAME(...)" becomes NAME; else a list-line
// prefix "12(3):" goes or the text ends at its first "("; then the nesting
// apostrophes go.  0.
int normalize_target_key(win_handle field);

// A popup of text extent (w, h) beside the point (px, py) of a client area
// client_w wide: above the point when there is room, else below, always
// ending inside the client area when it fits.
struct popup_place {
    int x, y, width, height;
};
popup_place place_popup(int px, int py, int w, int h, int client_w);

#endif
