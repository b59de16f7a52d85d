// The boxes of a function-call tree as the analyser's walk hands them over.
#ifndef VOK_TREES_TREE_BOX_H
#define VOK_TREES_TREE_BOX_H

#include "analyser/anal_host.h"  // add_tree_box, bound here

// One node of the tree: where the function is defined, its depth, its
// interned name, the box kind (0 call, 1 recursive, 2 duplicate definition,
// 3 shown elsewhere, 4 call through a function-pointer argument), where it
// is called from, and the function kind.
struct tree_box_call {
    int source, line, level, name, kind, call_source, call_line, caller_line, mark;
};

const int tree_box_call_cap = 49152;
extern tree_box_call tree_box_calls[tree_box_call_cap];
extern int tree_box_call_num;  // nodes handed over (only the first tree_box_call_cap are kept)

// Forgets the nodes handed over.
int tree_box_calls_clear();

#endif
