// Questions about other screens' state that the shell answers for every
// caller.  The FORM and PROPERTY screens answer through the hooks they bind
// (shell/screen_hooks.h); unbound, nothing is pending, nothing recorded and
// nothing selected.
#include "shell/anal_owner.h"
#include "shell/hook_audit.h"
#include "shell/msgbox.h"
#include "shell/screen_hooks.h"
#include "shell/screens.h"

screen_hooks_rec screen_hooks;

int is_form_active() { return anal_owner != nullptr && anal_owner == hwndO ? 1 : 0; }

int form_pending_mode() { return screen_hooks.pending_mode != nullptr ? screen_hooks.pending_mode() : 0; }

int replay_clicks(win_handle window)
{
    host_show_window(window, 0);
    if (screen_hooks.replay != nullptr) screen_hooks.replay(window);
    host_show_window(window, 1);
    return 0;
}

int reset_cur_prop()
{
    if (screen_hooks.reset_prop != nullptr) screen_hooks.reset_prop();
    return 0;
}

int commit_prop_value()
{
    if (screen_hooks.commit_prop != nullptr) screen_hooks.commit_prop();
    return 0;
}

int screen_hooks_unbound(char *out, size_t size)
{
    const hook_audit_row rows[] = {
        {"screen_hooks.pending_mode", screen_hooks.pending_mode != nullptr},
        {"screen_hooks.replay", screen_hooks.replay != nullptr},
        {"screen_hooks.reset_prop", screen_hooks.reset_prop != nullptr},
        {"screen_hooks.commit_prop", screen_hooks.commit_prop != nullptr},
    };
    static_assert(sizeof rows / sizeof rows[0] * sizeof(void (*)()) == sizeof(screen_hooks_rec), "a row per member");
    return hook_audit(rows, sizeof rows / sizeof rows[0], out, size);
}
