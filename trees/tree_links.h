// What the analyser's pointer-argument report asks of the loaded tree form:
// the pointer-argument table, the function box of a name and the "no_set"
// links.  The result range is trees/launch.h's.
#ifndef VOK_TREES_TREE_LINKS_H
#define VOK_TREES_TREE_LINKS_H

// get_parg_tbl, find_func_box and add_no_set_link, bound here.
#include "analyser/anal_host.h"

const int parg_cap = 1000;  // rows; ftree_mark_s stops adding at the cap
extern parg_rec parg_tbl[parg_cap];  // sorted by source number
extern int parg_num;


int tree_links_reset();

#endif
