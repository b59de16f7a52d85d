// The one reset of this folder's tables: every file's reset, in order.
#ifndef VOK_TREES_TREES_RESET_H
#define VOK_TREES_TREES_RESET_H

// Back to the start values of every table of trees/; 0.
int trees_reset_all();

#endif
