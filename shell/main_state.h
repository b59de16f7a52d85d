// The main screen's shared state: its child controls, the FORM editing mode,
// the help line, the special modes of the four function buttons, the kind of
// list in use, and the button bars.  Other screens read and set them too.
#ifndef VOK_SHELL_MAIN_STATE_H
#define VOK_SHELL_MAIN_STATE_H

#include <cstddef>

#include "shell/host.h"

// Entries of main_controls, which are also the controls' ids and so the
// main screen's WM_COMMAND ids (9 and 10 are never created).
enum main_control {
    ctl_category = 0,   // the category edit
    ctl_target = 1,     // the target field (its edit and list in target_field)
    ctl_property = 2,   // "個性"
    ctl_help = 3,       // "ﾍﾙﾌﾟ"
    ctl_form = 4,       // "ﾌｫｰﾑ"
    ctl_code = 5,       // "ｺｰﾄﾞ"
    ctl_flow = 6,       // "ﾌﾛｰ"
    ctl_list = 7,       // "一覧"
    ctl_mode = 8,       // "関連" / "生成"
    ctl_open = 11,      // "開く"
    ctl_patterns = 12,  // the pattern and file list
    ctl_button = 13,    // "ﾎﾞﾀﾝ", no command
    ctl_bars = 14,      // "削除" / "ﾎﾞﾀﾝ"
};
const int main_control_cap = 15;
extern win_handle main_controls[main_control_cap];

// The four function buttons of the main screen (ids 1000 to 1003).
const int fkey_button_count = 4;
const int fkey_first_id = 1000;  // the id of button 0
extern win_handle fkey_buttons[fkey_button_count];

// FORM editing mode, shown on the mode button.
enum gen_rel { mode_relation = 0, mode_create = 1 };
extern int gen_rel_mode;

extern int help_mode;           // letter of the help text shown on the main screen, 0 the memo
extern int multi_extract_mode;  // 1 while the function buttons carry the multiple-extraction commands
extern int work_mode;           // 1 while they carry the work-folder commands
// Kind of the list in use.
enum list_state { state_none = 0, state_functions = 1, state_references = 2 };
extern int state;
extern int source_open;     // 1 once a source was opened through the category field
extern int keep_code_text;  // 1: the CODE output is not emptied before each listing
extern int &keep_code;      // the same flag as LIST's system-menu item 53 shows it

extern win_handle bar_screen;  // the screen whose key-help page the function buttons show, null none
extern int bar_group;          // that page, 1 to 6; 0 none
extern int shift_down;         // 1 while Shift is held
// The button bars of every screen: shown (5) or hidden (0).
enum bars_state { bars_hidden = 0, bars_shown = 5 };
extern int buttons_shown;

// Puts the state above back to its program-start values (the handles stay).
int main_state_reset();

// Hooks of the main screen's fields bound by the floors above; an unbound
// hook does nothing.
struct main_hooks_rec {
    // Lists the definitions of the form in use into a list: ext ".x" reads its
    // "NAME.X", ".r" its "NAME.R".
    void (*list_form_defs)(win_handle list, const char *ext);
    // Redraws the FORM screen with box made current (-1 none).
    void (*form_redraw)(int box);
    // Empties the function list of the LIST screen.
    void (*clear_list)();
    // The define lookups of "define.txt" onto the CODE output: show_define 0
    // found, 1 file missing, 2 name not found; list_defines -1 file missing.
    int (*show_define)(const char *name);
    int (*list_defines)(const char *key);
    // Writes the nesting listing of a source into "layer.txt" of the home
    // folder (layout 'C' numbered, 'E' plain; kind '#', 'k', 's' or 'd'): 1 written, 0 not.
    int (*write_nesting)(const char *source, int layout, int kind);
    // Empties the flow chart, its selection and the CODE marks, and redraws FLOW.
    void (*flow_reset)();
    // Empties the registrations of the multiple extraction.
    void (*multi_cur_reset)();
    // After a project change: the HTML word lists read again, the generators'
    // kind-id cache and checked form files forgotten, the form model emptied.
    void (*project_changed)();
    // Fits the CODE output to the CODE client area (21 pixels shorter while the button rows show).
    void (*fit_code_output)();
};
extern main_hooks_rec main_hooks;
// Appends the names of the members of main_hooks still unbound, each followed
// by a blank, to out; their number.
int main_hooks_unbound(char *out, size_t size);

#endif
