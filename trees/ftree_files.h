// The tree files of a function-call tree: the tree listing "ftree_s.txt"
// (one node line per box), the source list "ftree_f.txt", the tree form
// "ftree.f" and the occurrence cursors over the call-line list "ftree_t.txt".
// The analyser reaches some of them through its seam (ftree_s_open,
// ftree_s_close, ftree_s_stream, ftree_f_name, next_occurrence).
#ifndef VOK_TREES_FTREE_FILES_H
#define VOK_TREES_FTREE_FILES_H

#include "analyser/anal_host.h"

// The node line of box k on the open tree listing: "E" with the call
// position (and " P%d" for a mark of 0 or more, " S" for -2), else "F" with
// the definition (" S" for -2), else an empty line.  Nothing without a listing.
int write_fe_line(int box, const char *call_file, int call_line, int caller_line, int mark, const char *name);

// Writes the builder's marked boxes (and QFONT, VBUTTON always) as the tree
// form through a temporary, then "ftree_f.txt": 0, or 1 when the form could
// not be created or a write or the close failed, 2 when "ftree_f.txt" could
// not be written (an old file is kept).
int write_tree_form(const char *name);

// Upper-case hexadecimal digits of n without leading zeros ("0" for 0), in
// one static buffer; "?" for a negative n.
const char *hex_name(int n);
// The number of a text of hexadecimal digits (at most 9), with *letter 0
// at the end of the text or 'S' when one "S" ends it; -1 for any other
// text, no digit, or a number beyond an int.
int parse_hex_name(const char *text, char *letter);
// Replaces a box name of hexadecimal digits [S] by its file on the "S" line
// of "ftree_f.txt" ("/s" appended for the "S"), cut to size: "?" when the
// name is not of that form, "?????" without the file, "????" when the
// number is not listed.
int expand_hex_name(char *name, int size);
// The number of the "S" line of "ftree_f.txt" that names the file; -1
// without the file, -2 when it is not listed.
int expand_hex_name_s(const char *file);

// Mark results of read_ftree_node.
const int node_mark_plain = -2;    // no suffix
const int node_mark_private = -4;  // " S": a file-private function

// The "E" or "F" line numbered n of a tree listing: its file, line, name,
// caller line and mark (the "P" number, node_mark_private or
// node_mark_plain), copies cut to the sizes given; 1.  0 with an empty file
// and *line -1 for a negative n (*caller_line -1, the mark untouched), -2
// when the listing is missing (mark -1), -3 when no such line (mark -3).
int read_ftree_node(const char *listing, int n, char *file, int file_size, int *line, char *name, int name_size,
                    int *caller_line, int *mark);

// Mode of find_g_line asking for a file-private definition in the given file.
const int g_line_private = -4;

// A "G" line (a defined function) of the tree listing with the function
// name: in mode g_line_private one in the given file with a scope of 0 or
// more, in other modes a global one (scope below 0) whose file is copied
// out.  1 with *line; 0 with *line -2 (no listing, the file emptied) or -3
// (no such line).
int find_g_line(const char *listing, const char *name, char *file, int file_size, int *line, int mode);

#endif
