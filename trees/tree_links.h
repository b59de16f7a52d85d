// What the analyser's pointer-argument report asks of the loaded tree form:
// the pointer-argument table, the function box of a name and the "no_set"
// links.  The result range is trees/launch.h's.
#ifndef VOK_TREES_TREE_LINKS_H
#define VOK_TREES_TREE_LINKS_H

// get_parg_tbl, find_func_box and add_no_set_link, bound here.
#include "analyser/anal_host.h"

const int parg_cap = 1000;
extern parg_rec parg_tbl[parg_cap];  // sorted by source number
extern int parg_num;

// What the stand-ins of those functions answer and record until the tree
// form provides them.
struct func_box_answer {
    char name[32];
    int box;
};
struct box_pair {
    int from;
    int to;
};
const int func_box_answer_cap = 2000;
const int no_set_link_cap = 49152;
extern func_box_answer func_box_answers[func_box_answer_cap];
extern int func_box_answer_num;
extern box_pair no_set_links[no_set_link_cap];
extern int no_set_link_num;

int tree_links_reset();

#endif
