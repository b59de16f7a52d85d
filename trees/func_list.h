// The function list behind the LIST screen: one entry per file header and
// per function, class or reference line of a tag file, the shown order over
// it, and the in-process command "select" that runs the analyser over a file
// set and loads its tag file.  An entry's text carries the analyser's marks:
// a trailing ":" run (a class and its nesting level), "↓" (an anonymous
// class), "↑" (its function), ";" (a declaration), "□" (a marked name) and
// apostrophes (the nesting of members).
#ifndef VOK_TREES_FUNC_LIST_H
#define VOK_TREES_FUNC_LIST_H

#include <cstddef>
#include <cstdint>

#include "analyser/anal_host.h"  // has_list_name, bound here

const int fl_cap = 30000;          // entries of one list; the loader stops with a box when full
const int fl_name_size = 257;      // an entry's name text (256 bytes)
const int fl_file_size = 81;       // an entry's file text (80 bytes)
const int cmd_buf_size = 165888;   // the command buffer and the longest tag line read
const int select_key_size = 256;   // the key of the last list selection
const int header_text_width = 20;  // a header's text is padded with "-" to this width

// The numbers of an entry: its tag-file line (-1 marks a file header) and
// the number in the parentheses after the name (a reference line; 0 none).
struct fl_kind_line_rec {
    int32_t line;
    int32_t sub_line;
};

extern char *fl_name[fl_cap];  // entry texts, in line-buffer pool 3 (lbuf_free_list frees it)
extern char *fl_file[fl_cap];  // file texts ("0:main.c" or a plain path), in pool 3
extern fl_kind_line_rec fl_kind_line[fl_cap];
extern int fl_count;
extern int fl_order[fl_cap];        // the shown order: entry indexes at positions 0 .. i_num-1
extern int fl_order_saved[fl_cap];  // a snapshot of fl_order
extern int i_num;
extern char cat_pattern[cmd_buf_size];  // " name" per file of the open set; empty: none open
extern char select_key[select_key_size];
extern int shift;         // position of the first painted entry
extern int cur_index;     // position of the selected entry; -1 none
extern int list_shown;    // 1 once the main screen has opened a file set
extern int list_origin;   // how the list came about; 1 or more: the anonymous class line shown
extern char cmd_buf[cmd_buf_size];  // the command text of every analyser run of the screens
extern int bracket_flag;  // CODE menu 72: print '[' and ']' full width

// The analyser's main as the screens run it; a test may replace it.
extern int (*anal_runner)(int argc, char **argv);

// The select command: runs the analyser over the file words (writing
// "voktavir.tag") and loads the tag file ("-fname" chooses another).
// Returns 0, or anal_output_failed when the analyser could not write its
// list (a box said so; the tag file is then not loaded).
int select_main(int argc, char **argv);

// Reads the tag file named into the list (no analyser run): 0 loaded, 1
// the file cannot be opened (the list is emptied).
int load_tag_file(const char *tag);

// Position of entry i in the full "voktavir.tag": -1 not found, -2 when the
// name there differs (after a warning box).
int find_tag_index(const char *name, int i);

// Compares names without leading apostrophes, up to the next apostrophe (a
// trailing "□" dropped): 0 equal, 1 a ends first, 2 b ends first, 3 they
// differ at a byte.
int name_compare(const char *a, const char *b);

// Mark tests of an entry text.
int count_trailing_colons(const char *text);  // the class nesting level; 0 not a class
bool has_down_mark(const char *text);         // ends in "↓": an anonymous class
bool has_up_mark(const char *text);           // ends in "↑": a function of an anonymous class
bool has_box_mark(const char *text);          // ends in "□": a marked name
bool is_decl_text(const char *text);          // ends in ";" before any trailing apostrophes
int leading_quotes(const char *text);
int trailing_quotes(const char *text);        // a final ";" is skipped first
// A class: a trailing ":" run or "↓".
bool is_class_text(const char *text);

// The display name: the text without its ":" run, "↓" (and from the first
// "{" on) or "↑".  0, or 1 when nothing is left.
int display_name(const char *text, char *out, size_t size);

// Entry index at shown position p; -1 outside 0 .. i_num-1.
int entry_at(int p);
bool is_header(int entry);

// Accessors of the selected entry.  Each answers "none" when cur_index is
// not a shown position.
int sel_line();                                  // its sub_line; -1 none
int sel_entry(int *sub_line);                    // its entry index; -1 none
int sel_file(char *file, size_t size);           // 1 with its file text; 0 and "" none
int sel_func(char *file, size_t size, int *line);       // 0 a function, 2 a header, 1 none
int sel_func_name(char *file, size_t size, char *name, size_t name_size);  // the same
int sel_name(char *name, size_t size);           // a function entry's name ("" else); cur_index

// Where the editor opens an entry: the folder (the slot's, or the current
// directory), the file without its slot prefix and the line.  Kinds: 0 a
// header (line 1), 1 a reference line (sub_line), 2 the kept line g_entry,
// 3 the entry's line; -1 none.
int sel_location(char *dir, size_t dir_size, char *file, size_t size, int *line);
// The same for the single shown entry of that name; -1 unless exactly one.
int find_list_entry(const char *name, char *dir, size_t dir_size, char *file, size_t size, int *line);

// Empties the list and the file set and clears the selection; 0.
int clear_list();
// Clears the selection and its highlight and empties the search-key text; 0.
int reset_select();
// Stores the functions, classes and declarations of each shown file in its
// step-count record; 0.
int count_list_kinds();
// Replaces name by the word of cat_pattern that matches it without its slot
// prefix and case (0), or 1 when none matches.
int find_category_word(char *name, size_t size);
// Number of shown entries that are not headers.
int get_f_num();
// 1 when a shown header's file text is "slot:name" with this name, else 0.
int has_file_entry(const char *name);
// The first file of the work folder that no shown header names, as
// "c:name" with the slot character c: 1 found, 0 none.
int first_work_file(char *out, size_t size, int c);
// The slot character of the selected header, else '?'.
int cur_entry_slot();
// Start-up hook; 0.
int list_init();

// Back to the start values of this file's tables; 0.
int func_list_reset();

#endif
