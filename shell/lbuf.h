// Line-buffer pools (module Lbuf) and the area allocator: pool allocators
// for the many short texts of one job.  Neither frees single allocations;
// the user of an id frees it whole when its job ends.
//
// Line-buffer ids: 0 the analyser, 1 and 2 the generators, 3 the select
// command, 5 the define-name lists.  Area ids: 0 the command runner, 3 and 4
// the function-tree builder, 6 and 7 the analyser.
#ifndef VOK_SHELL_LBUF_H
#define VOK_SHELL_LBUF_H

#include <cstddef>

const int lbuf_ids = 20;
const int lbuf_data_size = 16384;   // data bytes of the shared area and of a block
const int area_count = 20;
const int area_data_size = 8168;    // data bytes of an area block

// Copies len bytes of text (len < 1: the text with its NUL) into pool id.
char *lbuf_add(int id, const char *text, int len);
int lbuf_free(int id);

// Frees every block and the shared area; the next lbuf_add starts afresh.
int lbuf_release_all();

// n bytes of area, or null for n over area_data_size, a bad area or no memory.
void *area_alloc(int area, size_t n);
int area_free(int area);

#endif
