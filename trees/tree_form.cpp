// The tree-form questions of the LIST and FLOW screens (see tree_form.h).
#include "trees/tree_form.h"

#include <cstring>

int abox_answer[abox_answer_cap];
int abox_answer_num;
char cur_func_answer[64];

// VOK-PLACEHOLDER: int ftree_check_s(const char *file, const char *name, int line);
// the walk over the tree listing comes with the tree form; no box yet.
int ftree_check_s(const char *, const char *, int) { return 1; }

// VOK-PLACEHOLDER: int ftree_extract(int n); the extraction comes with the
// tree form; it answers that there is no tree.
int ftree_extract(int) { return 1; }

// VOK-PLACEHOLDER: int is_cur_func(const char *name); answers for
// cur_func_answer until the tree form has a current box.
int is_cur_func(const char *name) { return cur_func_answer[0] != '\0' && strcmp(name, cur_func_answer) == 0 ? 1 : 0; }

// VOK-PLACEHOLDER: int ftree_abox(int unused, int *count, int *list);
// answers abox_answer until the tree form's ABOX children give the positions.
int ftree_abox(int, int *count, int *list)
{
    for (int i = 0; i < abox_answer_num && i < abox_answer_cap; ++i) list[i] = abox_answer[i];
    *count = abox_answer_num;
    return 0;
}

int tree_form_reset()
{
    abox_answer_num = 0;
    cur_func_answer[0] = '\0';
    return 0;
}
