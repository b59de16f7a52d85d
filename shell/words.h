// Word and name functions of the generators, shared with the FORM screen,
// the main screen's key lists and PLX.  They make no host call, so PLX links
// them alone.
#ifndef VOK_SHELL_WORDS_H
#define VOK_SHELL_WORDS_H

#include <cstddef>

void skip_blank(const char **cursor);  // over blanks, tabs and newlines
void skip_word(const char **cursor);   // to the next blank, tab, newline or the end
const char *to_lower(const char *text);  // in one static buffer
const char *find_ext(const char *name);  // the last '.', or the end
char *find_ext(char *name);
// Copies name into out of size bytes with everything from its last '.'
// replaced by ext; a name without '.' is copied unchanged.  0, or 1 cut.
int replace_ext(char *out, size_t size, const char *name, const char *ext);
void cut_quote(char *text);
int is_link_tag(const char *tag);

#endif
