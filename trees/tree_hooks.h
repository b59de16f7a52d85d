// The hook pointers of the tree screens that the window code binds (FLOW's
// cell and node marks, CODE's top line) or that start bound to the analyser
// and the tree build, listed together for the start-up check.
#ifndef VOK_TREES_TREE_HOOKS_H
#define VOK_TREES_TREE_HOOKS_H

#include <cstddef>

// Appends "name " for each of those pointers that is empty to out (cut on the
// size); the number of empty ones.
int trees_hooks_unbound(char *out, size_t size);

#endif
