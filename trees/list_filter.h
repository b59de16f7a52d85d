// The list filter: rebuilds the shown order of the function list from a
// selection text ("/" and a key, or "&" and a class for the class chain)
// and a mode.  A walk keeps the pending file header and enclosing classes
// of each entry so that a match shows them before it.
#ifndef VOK_TREES_LIST_FILTER_H
#define VOK_TREES_LIST_FILTER_H

#include <cstddef>

// Filter modes.
enum filter_mode {
    filter_exact = 0,    // name_match, or the direct form "N:name" / "N(M):name"
    filter_substring = 1,
    filter_pick = 3,     // the entry pick_index alone with its header and classes
    filter_find = 4,     // the position of pick_index in the saved order
    filter_patterns = 5  // the entry text tested by the file patterns
};

const int member_filter_size = 100;  // the member filter (99 bytes)
extern char member_filter[member_filter_size];  // the class chain's member names; empty: the classes only

// Rebuilds the shown order.  0 for the whole-list forms and the class chain,
// the found position in filter_find (-1 none), else -1.
int filter_list(const char *text, int mode);

// Copies the shown order aside; 0.
int snapshot_order();
// Puts the saved order back, with its own length, and returns the position
// of the entry, -1 when absent.
int restore_order(int entry);

// 0 when the entry text matches the key: equal texts for a key with
// trailing apostrophes or a ":" run, else the bare names by word_match (the
// entry's cut to 31 bytes unless the key is longer).
int name_match(const char *key, const char *text);
// 0 when the key equals the text, or (for a key without ".,*[]") one of the
// text's words cut at those characters.
int word_match(const char *key, const char *text);
// The first character of text that is in set; 0 none.
int find_any_char(const char *text, const char *set);
// A name without leading apostrophes, ended at the next one and cut to 31
// bytes unless keep; out of size bytes.
int short_name(const char *text, int keep, char *out, size_t size);

// Back to the start values; 0.
int list_filter_reset();

#endif
