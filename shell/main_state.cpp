// The main screen's shared state and its program-start values.
#include "shell/main_state.h"

#include "shell/hook_audit.h"

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

int main_hooks_unbound(char *out, size_t size)
{
    const hook_audit_row rows[] = {
        {"main_hooks.list_form_defs", main_hooks.list_form_defs != nullptr},
        {"main_hooks.form_redraw", main_hooks.form_redraw != nullptr},
        {"main_hooks.clear_list", main_hooks.clear_list != nullptr},
        {"main_hooks.show_define", main_hooks.show_define != nullptr},
        {"main_hooks.list_defines", main_hooks.list_defines != nullptr},
        {"main_hooks.write_nesting", main_hooks.write_nesting != nullptr},
        {"main_hooks.flow_reset", main_hooks.flow_reset != nullptr},
        {"main_hooks.multi_cur_reset", main_hooks.multi_cur_reset != nullptr},
        {"main_hooks.project_changed", main_hooks.project_changed != nullptr},
        {"main_hooks.fit_code_output", main_hooks.fit_code_output != nullptr},
    };
    static_assert(sizeof rows / sizeof rows[0] * sizeof(void (*)()) == sizeof(main_hooks_rec), "a row per member");
    return hook_audit(rows, sizeof rows / sizeof rows[0], out, size);
}
