// The registrations of the multiple extraction: up to 100 boxes of the tree
// form, each kept by its index relative to the current form with its
// function name and kind, listed in the main screen's target field and
// checked before an extraction in registration mode.
#ifndef VOK_TREES_MULTI_CUR_H
#define VOK_TREES_MULTI_CUR_H

#include "forms/multi_cur.h"  // multi_cur (the count) and tree_view_flag, cleared by every load
#include "shell/host.h"
#include "shell/main_state.h"  // multi_extract_mode

const int multi_cur_cap = 100;       // registrations; a further one is ignored
const int multi_cur_name_size = 512;

struct multi_cur_rec {
    int box;  // index relative to the current form
    char name[multi_cur_name_size];
    char kind[11];
};

extern multi_cur_rec multi_cur_tbl[multi_cur_cap];

// Results of multi_cur_check besides 0 (the F10 key sent).
const int multi_cur_none = 1;       // nothing registered
const int multi_cur_outside = 2;    // a registration outside the form or of another kind now
const int multi_cur_changed = 3;    // a registered box renamed or of another kind

// Registers the current box and inserts "[%04d]%s" at the top of the combo
// (emptied first): 0; 1 nothing done (no current box, full), 2 refused with a
// warning (not a tree or structure box).
int multi_cur_add(win_handle combo, win_handle owner);
// Lists every registration in the combo, the newest at the top; 0.
int multi_cur_list(win_handle combo);
// Checks the registrations against the form: 0 with F10's key-up sent to
// the window, else one of the results above after a warning.
int multi_cur_check(int unused, win_handle window, win_handle owner);
// Empties the combo and the registrations; 0.
int multi_cur_clear(win_handle combo);
// load_form, keeping the registrations: load_form's result.
int load_form_keep(const char *name);

// The registrations and the mode as at program start.
int multi_cur_tbl_reset();

#endif
