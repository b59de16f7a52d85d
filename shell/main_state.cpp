// The main screen's shared state and its program-start values.
#include "shell/main_state.h"

win_handle main_controls[main_control_cap];
win_handle fkey_buttons[fkey_button_count];
int gen_rel_mode;
int help_mode;
int multi_extract_mode;
int work_mode;
int state;
int source_open;
int keep_code_text;
int &keep_code = keep_code_text;
win_handle bar_screen;
int bar_group;
int shift_down;
int buttons_shown = bars_shown;
main_hooks_rec main_hooks;

int main_state_reset()
{
    gen_rel_mode = mode_relation;
    help_mode = 0;
    multi_extract_mode = 0;
    work_mode = 0;
    state = state_none;
    source_open = 0;
    keep_code_text = 0;
    bar_screen = nullptr;
    bar_group = 0;
    shift_down = 0;
    buttons_shown = bars_shown;
    return 0;
}
