// The FORM screen's shared state and its reset.
#include "forms/form_state.h"

#include <cstdint>
#include <initializer_list>

#include "forms/queries.h"
#include "shell/hook_audit.h"
#include "shell/screen_hooks.h"
#include "shell/sysmenus.h"
#include "shell/winmsg.h"

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

// A point as a mouse message's lParam.
intptr_t mouse_point(int x, int y) { return static_cast<intptr_t>(static_cast<uint32_t>(y & 0xFFFF) << 16 | (x & 0xFFFF)); }

// The clicks the GENERATE double-click recorded, each pressed and
// double-clicked, then generation without a question and a right
// double-click far outside that returns from each sub-form.
void replay_unions(win_handle form)
{
    for (int i = 0; i < union_num(); ++i) {
        int x = 0, y = 0;
        get_union(i, &x, &y);
        const intptr_t at = mouse_point(x, y), away = mouse_point(-32767, -32767);
        for (unsigned msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}) host_send(form, msg, 0, at);
        host_send(form, WM_SYSCOMMAND, form_sys_generate, -1);
        for (unsigned msg : {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK}) host_send(form, msg, 0, away);
    }
}

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
    screen_hooks.replay = replay_unions;
    return 0;
}

int form_hooks_unbound(char *out, size_t size)
{
    const hook_audit_row rows[] = {
        {"form_hooks.is_attr_word", form_hooks.is_attr_word != nullptr},
        {"form_hooks.expand_name", form_hooks.expand_name != nullptr},
        {"form_hooks.show_counter", form_hooks.show_counter != nullptr},
        {"form_hooks.clear_occurrence", form_hooks.clear_occurrence != nullptr},
    };
    static_assert(sizeof rows / sizeof rows[0] * sizeof(void (*)()) == sizeof(form_hooks_rec), "a row per member");
    return hook_audit(rows, sizeof rows / sizeof rows[0], out, size);
}
