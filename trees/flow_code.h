// The FLOW screen's code pane: the source lines of a clicked box printed
// into the CODE output, each print a CODE mark so that a second click takes
// it out again; rows of the node table for developers; and the pickers that
// fill the target field's list with the names a box calls or uses.
#ifndef VOK_TREES_FLOW_CODE_H
#define VOK_TREES_FLOW_CODE_H

#include "shell/host.h"

// fill_flow_code modes.
enum code_pane_mode {
    pane_show = 1,         // the box's code
    pane_show_mark = 2,    // the code, and the box's links highlighted
    pane_table_head = 3,   // a node-table row with its header
    pane_table_row = 4     // a node-table row
};
// fill_flow_code ext values besides a node index in the table modes.
const int ext_plain = 0;
const int ext_branches = 1;
const int ext_short = -1;  // lines cut to 20 columns

const int flow_line_size = 1024;  // the display form of one line

extern int code_cb;  // the node whose code the pane showed last; -1 none

// The window's part of a print: inverting a box's cell, and highlighting
// the box with its links (the FLOW window binds them; unbound: nothing).
extern int (*flow_invert_cell)(int column, int row);
extern int (*flow_mark_node)(int node);

// Prints the code of the box at (x, y) in chart pixels (modes 1, 2) or a
// node-table row (3, 4) into the edit and fills the picker: 0, or -1 for a
// miss or a print taken out again.
int fill_flow_code(int x, int y, win_handle edit, int ext, win_handle picker, int mode);
// The display form of a source line: tabs to the next multiple of 4,
// brackets full width with bracket_flag, cut at 20 columns for ext -1 on a
// line not marked "●".  A static buffer.
const char *flow_line_text(int line, int ext, const char *text);
// Appends the whole node table; 0.
int dump_cb_to_edit(win_handle edit);
// The identifier picker over the lines of code_cb; 0.
int list_box_identifiers(win_handle picker, int mode);
// The call pickers: the known names called in lines first .. last; 0.
// The pointer-argument positions of a call of name when name is the tree
// form's current function: 0 with count and up to size positions filled,
// 1 when name is not current (the name itself is then a candidate).  A test
// may replace it.
extern int (*pointer_arg_positions)(const char *name, int *count, int *list, int size);
int fill_call_picker(win_handle picker, int first, int last);
int fill_call_picker2(win_handle picker, int first, int last);
// The identifier picker: mode 1 every name not a flow keyword, mode 0 the
// search key when the lines use it; 0.
int pick_identifiers(win_handle picker, int first, int last, int mode);

// Back to the start values; 0.
int flow_code_reset();

#endif
