// Questions about other screens' state that the shell answers for every
// caller.  The FORM screen's pending operations, its recorded clicks and the
// PROPERTY screen's selection join these answers as those screens arrive;
// until then there is nothing pending, nothing recorded and nothing selected.
#include "analyser/owner.h"
#include "shell/msgbox.h"
#include "shell/screens.h"

int is_form_active() { return anal_owner != nullptr && anal_owner == hwndO ? 1 : 0; }

int form_pending_mode() { return 0; }

int replay_clicks(win_handle window)
{
    host_show_window(window, 0);
    host_show_window(window, 1);
    return 0;
}

int reset_cur_prop() { return 0; }
