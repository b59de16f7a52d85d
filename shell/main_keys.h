// What the main screen's keys and mouse clicks decide: the memo taken from
// or added to by the CODE output, the category file created or deleted, the
// define lookup, the nesting listings, the multiple-extraction mode, and the
// CODE caption and listings they leave.  Boxes go to the main screen.
#ifndef VOK_SHELL_MAIN_KEYS_H
#define VOK_SHELL_MAIN_KEYS_H

// Sets the CODE caption for a file shown there ("" forgets it); 0.
int set_code_caption(const char *name);
// The file name set_code_caption remembers, followed by CR LF ("" none).
const char *code_caption_name();

// Shift+left: the memo becomes the CODE output's text; Ctrl+left: the text is
// appended as far as it fits.  Either keeps the old memo in memo_restore and
// never cuts a double-byte character.  0.
int memo_from_code(bool append);
// Shift or Ctrl+right: the memo goes to memo_restore and is emptied; 0.
int memo_clear();

// Page Up: asks to create (Yes) or delete (No) the category file.  Delete
// removes only the file the search path finds first.  0 done, 1 refused or
// failed, 2 cancelled.
int category_file_key();

// Home (Shift+Home lists the names containing the target): 0 shown, 1 refused.
int define_key();

// Keys 2, 3, 4: the nesting listing of the category source ('#' or 'k' by the
// question for 2, 's' for 3, 'd' for 4), shown in CODE or in the editor.
// 0 shown, 1 refused or failed, 2 cancelled.
int nesting_key(int key);

// Shows a listing of the home folder in CODE (caption: its path) or, with an
// editor set, opens it there at line 1; 0.
int show_home_listing(const char *name);
// The refusal when a listing could not be written: a hand-icon box naming it; 1.
int listing_failed(const char *name);

// F10: the multiple-extraction mode on (only while the form in use is
// "ftree.f", "0:" allowed) or off.  0 switched, 1 refused, 2 nothing (work mode).
int multi_extract_key(const char *form_in_use);

#endif
