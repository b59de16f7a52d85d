// The FORM screen's shared state and its reset.
#include "forms/form_state.h"

#include "shell/screen_hooks.h"

int pending_op;
int click_move_pending;
int align_button;
int sel_changed;
int last_up_left;
char rclick_kind[11];
char rclick_name[32];
int child_rclick_point;
int keep_main_shown;
int keep_prop_shown;
int show_hidden_links;
char vbutton_next[vbutton_next_size];
char editor_cmd[editor_cmd_size];
int editor_pending;
char last_src_path[src_path_size];
form_hooks_rec form_hooks;

namespace {

int pending_now() { return pending_op; }

}  // namespace

int form_state_reset()
{
    pending_op = op_none;
    click_move_pending = 0;
    align_button = 0;
    sel_changed = 0;
    last_up_left = 0;
    rclick_kind[0] = '\0';
    rclick_name[0] = '\0';
    child_rclick_point = 0;
    keep_main_shown = 0;
    keep_prop_shown = 0;
    show_hidden_links = 0;
    vbutton_next[0] = '\0';
    editor_cmd[0] = '\0';
    editor_pending = 0;
    last_src_path[0] = '\0';
    return 0;
}

int form_bind_screen_hooks()
{
    screen_hooks.pending_mode = pending_now;
    return 0;
}
