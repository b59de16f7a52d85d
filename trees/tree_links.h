// What the analyser's pointer-argument report and its listings ask of the
// loaded tree form and the LIST screen: the pointer-argument table, the
// function box of a name, the "no_set" links and the current result range.
#ifndef VOK_TREES_TREE_LINKS_H
#define VOK_TREES_TREE_LINKS_H

#include <cstdint>

// One call through a function-pointer parameter of the loaded tree.
struct parg_rec {
    int32_t source;  // source number of the first box ("S" line of "ftree_f.txt")
    int32_t first;   // the box whose function passes the argument
    int32_t second;  // the box of the function with the pointer parameter
    int32_t node;    // number of the pointer call's "E" line in "ftree_s.txt"
    int32_t param;   // index of the pointer parameter
};

const int parg_cap = 1000;
extern parg_rec parg_tbl[parg_cap];  // sorted by source number
extern int parg_num;

// The number of records in count and the table's address in table; 0.
int get_parg_tbl(int *count, parg_rec **table);

// The box of the function name (number: the source of the use); -1 none.
int find_func_box(int number, const char *name);

// Appends a "no_set" link: 1, or 0 for a negative box or a full table.
int add_no_set_link(int from, int to);

// The current result range: its number of entries and the line of entry i.
int range_count();
int range_line(int i);

// What the stand-ins below answer and record until the tree form and the
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
