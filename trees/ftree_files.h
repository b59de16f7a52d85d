// The tree files of a function-call tree: the open tree listing
// "ftree_s.txt", the source list "ftree_f.txt" and the occurrence cursors
// over the call-line list "ftree_t.txt".
#ifndef VOK_TREES_FTREE_FILES_H
#define VOK_TREES_FTREE_FILES_H

#include <cstdio>

// Opens the tree listing for writing: 0, or 1 when it cannot be created.
int ftree_s_open(const char *name);
int ftree_s_close();
// The open tree listing, null when none is open.
FILE *ftree_s_stream();

// Steps through the call lines that the list file gives for (name, file,
// number), keeping the place in the cursor file.  1 with the next line, its
// index from 0 and the number of lines; 0 when the list has no such line
// (next = number, index 0, count 0, the cursor file removed).
int next_occurrence(const char *list_file, const char *cursor_file, const char *name, const char *file, int number,
                    int *next, int *index, int *count);

// The file name of source number n in "ftree_f.txt": "?" without the file,
// "??" when the number is not listed.
const char *ftree_f_name(int n);

#endif
