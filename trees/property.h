// The PROPERTY screen's rules: the members of the current box with their
// values, the store of the edited value into the box's parameter line, the
// category mode switch of the FORM gestures, and the text section a TAG box
// names.  The window code creates the controls and sets the handles below.
#ifndef VOK_TREES_PROPERTY_H
#define VOK_TREES_PROPERTY_H

#include "shell/host.h"

extern int prop_field;               // the member (field number) being edited, -1 none
extern win_handle prop_member_list;  // the member list (id 3)
extern win_handle prop_value_edit;   // the value edit (id 4)
extern win_handle prop_value_list;   // the value list (id 5)

// Forgets the member and the remembered gesture flags; 0.
int property_reset();
// Binds the shell's PROPERTY hooks to this screen; 0.
int property_bind_hooks();

// In mode 0 with a member selected: stores the value edit into that field of
// the current box, forgets the member and empties the controls.  0.
int prop_value_commit();
// The same store, nothing emptied: 0 stored or nothing to store, 1 refused (a beep).
int prop_value_set();
// Empty the value edit and both lists; 0.
int prop_reset();
int prop_clear();

// The member list's selection s (-1 none: nothing happens): the edited value
// goes into the member being left, the value list gets member s's candidate
// values and the value edit its field.  0, or 1 without a selection.
int prop_select_member(int s);
// The value list's entry n, its "//" comment cut, into the value edit; 0, 1 no entry.
int prop_choose_value(int n);

// Empties the whole parameter line of the current box and the value edit,
// and repaints the FORM screen; 0, 1 without a current box.
int prop_clear_box();

// The FORM gesture's mode switch: 's' at a press with Shift (and not both
// buttons) flips the mode and remembers the flags, 'e' at the release flips
// it back when flags were remembered.  1 when the mode flipped, else 0.
int toggle_gen_rel(int flags, int letter);

// Lists the current box's relations and its members with their values into
// the edit; 0, 1 without a current box.
int list_members(win_handle edit);
// Appends the current form's links that end at box, then those that start from it; 0.
int list_box_relations(win_handle edit, int box);
// Shows a TAG box's text section in the edit, the file searched from hint's
// folder slot; 0, 1 without a current box.
int show_tag_text(win_handle edit, const char *hint);
// Starts the editor on a TAG box's text file at its section's line; 0
// started, 1 without a current box, 2 not a TAG text box, 3 not started.
int edit_tag_text(win_handle edit, const char *hint);

#endif
