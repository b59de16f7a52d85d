// The walk of the call tables that hands every tree node to the tree builder.
#ifndef VOK_ANALYSER_TREE_WALK_H
#define VOK_ANALYSER_TREE_WALK_H

const int tree_depth_limit = 99;  // deepest level handed to the tree builder

extern int last_tree_box;  // the last node number the tree builder gave

// Shows the calls of the head record at the depth, below the root.
int tree_walk(int head, int depth, int root);
// 1 when the function's calls were already shown elsewhere in the tree.
int shown_elsewhere(int f, int root);
// The once-per-build report of a cut at the depth limit may show again.
int tree_walk_rearm();

#endif
