// The current box seen outside the canvas (the FORM title, the legend of a
// box, the main screen's fields and the list of a box's children) and
// find_box_by_name, which makes another box current by name or by a
// navigation step and scrolls the form to it, keeping a history of 256
// places for the back step.  A "series" is a run of steps in one mode: its
// counter shows which occurrence the user stands on.
#ifndef VOK_FORMS_FIND_BOX_H
#define VOK_FORMS_FIND_BOX_H

#include "shell/host.h"

// Navigation modes of find_box_by_name.
const int find_by_index = -9;        // "n" or "[n]": the box with relative index n
const int find_parent = -8;          // the box above along a link other than ANY
const int find_back = -7;            // back to the place before the last jump
const int find_next_root_any = -6;   // the next root box, any name, not a new-box kind
const int find_next_root = -5;       // the next root box of the name
const int find_next_called = -4;     // the next box of the name under a non-COMMENT box
const int find_first = -3;           // the first box of the name, one with callees first
const int find_child = -2;           // a child of the current box of the name
const int find_next_caller = -1;     // the next box of the name with a non-COMMENT child

struct find_series_rec {
    int mode;   // the last navigation mode, -99 none
    int count;  // the occurrence counter shown
    int first;  // the first box of the series
};
extern find_series_rec find_series;

// Restarts the series (the user picked another box); 0.
int find_series_reset();

// The history and the series back to their start; 0.
int find_box_reset();

// 1 when a box was made current (or already was, in view), else 0.
int find_box_by_name(const char *name, int mode);

// The title of the FORM screen into out; form_title sets it on a control.
int form_title_text(char *out, int size);
int form_title(win_handle control);

// The pop-up description of box i, "(%d) %s[%s]"; empty for a negative i.
int box_legend(int i, char *out, int size);

// The fields of the main screen filled from the current box; see each.
// list_on_set_names: the current box's children by on_set, no_set... and
// ANY links (item kinds: by the child's y, at most 1000).
int list_on_set_names(win_handle field);
int key_for_def(win_handle field);
// 1 when the field shows a name, 0 a kind, a WIDGET's construction or nothing.
int key_for_refs(win_handle field);
int box_to_fields(win_handle category, win_handle target);
int set_two_texts(win_handle c1, win_handle c2, const char *t1, const char *t2);

// An HBOX's field 0 without its quotes, else the box's name (one static
// buffer, overwritten by the next call).
const char *box_display_name(int i);
// Field k of box i without its quotes, "OMIT" empty (one static buffer).
const char *item_field(int i, int k);
void item_field_into(int i, int k, char *out, int size);

// 1 for PROJ, APP, FORM, SMENU, HTML, WORK, VBUTTON and QFONT.
int is_new_box_kind(const char *kind);
// 1 when an ANY link from a WORK box ends in the current box.
int under_work_link();

#endif
