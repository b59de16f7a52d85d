// The call-line marks of a function-tree box on the loaded source.
#ifndef VOK_ANALYSER_TREE_MARKS_H
#define VOK_ANALYSER_TREE_MARKS_H

// Marks "□" on every line that "ftree_t.txt" lists for the call of name in
// file at the line number; every other line gets "　".
int mark_tree_lines(const char *name, const char *file, int number);

#endif
