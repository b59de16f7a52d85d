// The HTML word lists of "htmlattr.dat", which the HTML/ASP generator uses:
// six lists of tag names sharing one table of words in file order.
#ifndef VOK_GENERATORS_HTMLATTR_H
#define VOK_GENERATORS_HTMLATTR_H

const int html_word_max = 100;   // words of one load; later entries are ignored
const int html_word_size = 20;   // a word: at most 19 characters, longer ones are skipped

// Rebuilds the word lists from "htmlattr.dat", opened through the project's
// folders; 0.  A missing file leaves the lists as they were; a load that
// opens the file first empties all six.
int load_htmlattr();

// 1 when the word is an entry of the list, else 0 (exact comparison).
int is_bef(const char *word);  // element without an end tag
int is_aft(const char *word);  // tag written after its children
int is_str(const char *word);  // content copied from a text file
int is_pre(const char *word);  // preformatted element
int is_scr(const char *word);  // children are indented script text
int is_car(const char *word);  // a line break right after the start tag

// Empties the table and the six lists.
void htmlattr_reset();

#endif
