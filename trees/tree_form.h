// What the LIST and FLOW screens ask of the function-tree form loaded on
// the FORM screen: the box of a position, the subtree extraction, whether a
// name is the current function box and its pointer-argument positions.
#ifndef VOK_TREES_TREE_FORM_H
#define VOK_TREES_TREE_FORM_H

const int abox_answer_cap = 100;
// What ftree_abox answers until the tree form gives the positions.
extern int abox_answer[abox_answer_cap];
extern int abox_answer_num;
// The name is_cur_func answers 1 for until the tree form has a current box.
extern char cur_func_answer[64];

// The tree box of a function position made current: 0, or 1 when none.
int ftree_check_s(const char *file, const char *name, int line);
// Extracts the subtree of box n: 0, or 1 when the form has no tree.
int ftree_extract(int n);
// 1 when the current box is a function-tree box of this name, else 0.
int is_cur_func(const char *name);
// The pointer-argument numbers of the current box's function in list, their
// number in count; 0.
int ftree_abox(int unused, int *count, int *list);

// Back to the start values; 0.
int tree_form_reset();

#endif
