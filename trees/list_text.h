// Text tests of the list screens.
#ifndef VOK_TREES_LIST_TEXT_H
#define VOK_TREES_LIST_TEXT_H

// 0 when text begins with prefix, 1 otherwise.
int has_prefix(const char *text, const char *prefix);

#endif
