// Turning list and listing lines back into names: trailing dashes, the
// numbered prefix "N:" or "N(M):", and the apostrophes of nesting.  The list
// screens of the trees and the main screen's key stacks read their lines so.
#ifndef VOK_SHELL_LINE_CUT_H
#define VOK_SHELL_LINE_CUT_H

// Removes trailing "-" characters, keeping at least the first two characters.
int trim_dashes(char *text);

// Strips a numbered prefix, then leading apostrophes, and ends the text at
// the next apostrophe.
int cut_line_prefix(char *text);

// Reads "N:rest" or "N(M):rest": returns N, sets rest and second (M, or -1
// without parentheses); -1 no leading digit, -2 empty parentheses, -3 no
// ")", -4 no ":", -5 nothing after the ":".
int parse_number_pair(const char *text, const char **rest, int *second);

// A name without its nesting apostrophes: leading apostrophes dropped, then
// trailing apostrophes, semicolons and colons ("''name';:" gives "name").
// The text is in one static buffer of line_name_size bytes.
const int line_name_size = 256;
const char *strip_quotes(const char *s);

#endif
