// What the analyser's pointer-argument report and its listings ask of the
// loaded tree form and the LIST screen: the pointer-argument table, the
// function box of a name, the "no_set" links and the current result range.
#ifndef VOK_TREES_TREE_LINKS_H
#define VOK_TREES_TREE_LINKS_H

// get_parg_tbl, find_func_box, add_no_set_link, range_count and range_line,
// bound here.
#include "analyser/anal_host.h"

const int parg_cap = 1000;  // rows; ftree_mark_s stops adding at the cap
extern parg_rec parg_tbl[parg_cap];  // sorted by source number
extern int parg_num;

// What the stand-ins of the result range answer until the LIST screen
// provides it.
const int range_entry_cap = 10000;
extern int range_lines[range_entry_cap];
extern int range_entry_num;

int tree_links_reset();

#endif
