// Copy to and paste from "saveform.txt", the split of a category into a form
// file of its own, and the deletion of a box with its on_set subtree.
#ifndef VOK_FORMS_COPYSPLIT_H
#define VOK_FORMS_COPYSPLIT_H

int copy_to_saveform(int i, int mode);  // 0; 2 the file cannot be written
int paste_saved(int x, int y);          // 0; 1 cannot be opened; 2 does not fit
int split_form(const char *cur_file, const char *new_file);  // 0; 2, 3 not written
// Deletes box i and its on_set descendants; *follow (when given) tracks a
// box index through the deletions (-1 when that box went too).
int delete_subtree(int i, int *follow = nullptr);

// Visited marks of the tree walks: 1 for each box reached from i along
// on_set links (i itself included), each box once.
int mark_on_set_tree(int i);
int mark_delete_tree(int i);
int mark_split_tree(int i);
extern unsigned char tree_mark[];  // indexed by box

#endif
