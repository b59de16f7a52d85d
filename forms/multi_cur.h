// The multiple-extraction registrations of the function-tree form and the
// flag the LIST and CODE screens set while they show that form.  The tree
// screens own them; they stand here because every form load clears them.
#ifndef VOK_FORMS_MULTI_CUR_H
#define VOK_FORMS_MULTI_CUR_H

extern int multi_cur;       // registrations in use
extern int tree_view_flag;  // cleared by every form load

int multi_cur_reset();

// Loads the form for the LIST's tree extraction and keeps the screen's own
// state: 0 loaded, else load_form's failure.
int load_form_keep(const char *name);

#endif
