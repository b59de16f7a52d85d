// The FORM screen's shared state that commands, painting and the keypad read
// and write: the armed operation, the gesture flags, the editor command the
// screen starts, and the hooks through which the form designer asks the
// generators and the tree files above it.  form_state_reset gives the start
// values; forms_reset_all calls it.
#ifndef VOK_FORMS_FORM_STATE_H
#define VOK_FORMS_FORM_STATE_H

#include <cstddef>

// pending_op codes: what the next left click does.
const int op_none = 0;
const int op_paste_once = 1;
const int op_paste_repeat = 2;
const int op_delete_question = 5;  // the subtree-delete question is open
const int op_align_h_once = 6;
const int op_align_v_once = 7;
const int op_align_h_repeat = 8;
const int op_align_v_repeat = 9;

const int editor_cmd_size = 1000;   // the editor call; a call that does not fit is not started
const int src_path_size = 512;      // "%s\%s" of folder and file
const int vbutton_next_size = 512;  // parameter field 2 of the last designed-form button

extern int pending_op;          // an op_* code
extern int click_move_pending;  // the End key's one-click move waits
extern int align_button;        // 0 aligns starts, else ends
extern int sel_changed;         // the current box changed: repaint
extern int last_up_left;        // 1 after a left release, 0 after a right one
extern char rclick_kind[11];    // kind and name of the box last right-clicked
extern char rclick_name[32];
extern int child_rclick_point;  // x | y << 16 of the last right press on a child
extern int keep_main_shown;     // toggles of the FORM system menu
extern int keep_prop_shown;
extern int show_hidden_links;   // related and hidden links drawn for every box
extern char vbutton_next[vbutton_next_size];
extern char editor_cmd[editor_cmd_size];
extern int editor_pending;      // command 3 waits for the release of Shift
extern char last_src_path[src_path_size];

// What the form designer asks of the floors and windows above it.  Unbound,
// a word is no HTML attribute word, a tree name stays as it is, the counter
// shows nowhere and the occurrence file stays.
struct form_hooks_rec {
    int (*is_attr_word)(const char *word);      // the HTML attribute list holds word
    void (*expand_name)(char *name, int size);  // a hexadecimal tree name spelt out
    void (*show_counter)(const char *text);     // the FORM screen's occurrence label
    void (*clear_occurrence)();                 // the tree's occurrence file deleted
};
extern form_hooks_rec form_hooks;
// Appends the names of the members of form_hooks still unbound, each
// followed by a blank, to out; their number.
int form_hooks_unbound(char *out, size_t size);

int form_state_reset();

// Binds the shell's questions about the FORM screen to this state: its
// pending operation, and the replay of the clicks the GENERATE double-click
// recorded (union_list) on a window; 0.
int form_bind_screen_hooks();

#endif
