// What the analyser's pointer-argument report and its listings ask of the
// loaded tree form and the LIST screen: the pointer-argument table, the
// function box of a name, the "no_set" links and the current result range.
#ifndef VOK_TREES_TREE_LINKS_H
#define VOK_TREES_TREE_LINKS_H

// get_parg_tbl, find_func_box, add_no_set_link, range_count and range_line,
// bound here.
#include "analyser/anal_host.h"

const int parg_cap = 1000;
extern parg_rec parg_tbl[parg_cap];  // sorted by source number
extern int parg_num;

// What the stand-ins of those functions answer and record until the tree form and the
// LIST screen provide them.
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
const int range_entry_cap = 10000;
extern func_box_answer func_box_answers[func_box_answer_cap];
extern int func_box_answer_num;
extern box_pair no_set_links[no_set_link_cap];
extern int no_set_link_num;
extern int range_lines[range_entry_cap];
extern int range_entry_num;

int tree_links_reset();

#endif
