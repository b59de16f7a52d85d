// The pointer-argument table of the loaded tree, the function-box look-up,
// the "no_set" links.
#include "trees/tree_links.h"

#include <cstring>

parg_rec parg_tbl[parg_cap];
int parg_num;

func_box_answer func_box_answers[func_box_answer_cap];
int func_box_answer_num;
box_pair no_set_links[no_set_link_cap];
int no_set_link_num;

// VOK-PLACEHOLDER: hands over parg_tbl as it stands; the pointer marks of
// the loaded tree form fill it.
int get_parg_tbl(int *count, parg_rec **table)
{
    *count = parg_num;
    *table = parg_tbl;
    return 0;
}

// VOK-PLACEHOLDER: answers from func_box_answers; the passes over the loaded
// tree form (children, source number, letter) come with the tree form.
int find_func_box(int, const char *name)
{
    for (int i = 0; i < func_box_answer_num; ++i) {
        if (strcmp(func_box_answers[i].name, name) == 0) return func_box_answers[i].box;
    }
    return -1;
}

// VOK-PLACEHOLDER: records the pair in no_set_links; the append to the
// FORM link table comes with the tree form.
int add_no_set_link(int from, int to)
{
    if (from < 0 || to < 0 || no_set_link_num >= no_set_link_cap) return 0;
    no_set_links[no_set_link_num++] = box_pair{from, to};
    return 1;
}

int tree_links_reset()
{
    parg_num = 0;
    func_box_answer_num = 0;
    no_set_link_num = 0;
    return 0;
}
