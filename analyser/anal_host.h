// What the analyser needs from above its floor.
//
// Host services beyond the common seam: the developer lines (what a console
// program would print on its standard output), the word-attribute error
// box, the window-text append, the clearing of the grid highlights and the
// end of the program at a hard stop.  VOKTAVIR binds them to its windows;
// the test programs capture them.
//
// The tree builder's side: what a tree build hands over (the boxes, the
// "no_set" links, the tree files) and what the pointer-argument report and
// the listings ask of the loaded tree form and the LIST screen.  trees/
// binds these in every program and in the tests, and the form model binds
// the two that read or clear its own tables (get_box_name, clear_rtree).
#ifndef VOK_ANALYSER_ANAL_HOST_H
#define VOK_ANALYSER_ANAL_HOST_H

#include <cstdint>
#include <cstdio>

#include "shell/host.h"

// One developer line; VOKTAVIR drops it.
int anal_dev_print(const char *text);
// Tells the user that "wordattr.dat" could not be used (code from the loader).
int wordattr_error(int n, int limit);
// Puts the caret at the end of an edit's text and replaces the selection.
int window_text_append(win_handle edit, const char *text);
// Empties the grid highlight list and the CODE mark table.
int clear_marks();
// Redraws the FLOW screen (InvalidateRect of the whole FLOW window).
int redraw_flow();
// Ends the program with the code; does not return.
[[noreturn]] void anal_exit(int code);

// ---- The tree builder (trees/) ----

// Adds one node of a function-call tree: where the function is defined, its
// depth, its interned name, the box kind (0 call, 1 recursive, 2 duplicate
// definition, 3 shown elsewhere, 4 call through a function-pointer
// argument), where it is called from, and the function kind.  Returns the
// node's number (1 for the first).
int add_tree_box(int source, int line, int level, int name, int kind, int call_source, int call_line, int caller_line,
                 int mark);

// One call through a function-pointer parameter of the loaded tree.
struct parg_rec {
    int32_t source;  // source number of the first box ("S" line of "ftree_f.txt")
    int32_t first;   // the box whose function passes the argument
    int32_t second;  // the box of the function with the pointer parameter
    int32_t node;    // number of the pointer call's "E" line in "ftree_s.txt"
    int32_t param;   // index of the pointer parameter
};

// The number of records in count and the table's address in table (sorted
// by source number); 0.
int get_parg_tbl(int *count, parg_rec **table);

// The box of the function name (number: the source of the use); -1 none.
int find_func_box(int number, const char *name);

// Appends a "no_set" link: 1, or 0 for a negative box or a full table.
int add_no_set_link(int from, int to);

// The current result range of the LIST screen: its number of entries and
// the line of entry i (-1 outside the range).
int range_count();
int range_line(int i);
// 1 when the LIST's function list holds an entry (not a file header) of
// this name, else 0.
int has_list_name(const char *name);

// The tree listing "ftree_s.txt", written through a temporary: opened (0,
// or 1 when it cannot be created), closed and put in place (0, or 1 when a
// write or the replacement failed: the old file kept), and the open stream
// (null when none is open).
int ftree_s_open(const char *name);
int ftree_s_close();
FILE *ftree_s_stream();

// The file name of source number n in "ftree_f.txt": "?" without the file,
// "??" when the number is not listed.
const char *ftree_f_name(int n);

// Steps through the call lines that the list file gives for (name, file,
// number), keeping the place in the cursor file.  1 with the next line, its
// index from 0 and the number of lines; 0 when the list has no such line
// (next = number, index 0, count 0, the cursor file removed).
int next_occurrence(const char *list_file, const char *cursor_file, const char *name, const char *file, int number,
                    int *next, int *index, int *count);

// ---- The form model (forms/) ----

// The name of box i of the form model as shown (an HBOX gives its first
// parameter), cut to size; "???" for a negative i.
void get_box_name(int i, char *out, int size);
// Empties the rectangle tree and its range before a tree build.
void clear_rtree();

// A formatted developer line (cut at 2000 bytes).
int dev_printf(const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 1, 2)))
#endif
    ;

#endif
