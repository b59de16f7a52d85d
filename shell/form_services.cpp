// The FORM screen's size and redraw for other screens (see form_services.h).
#include "shell/form_services.h"

#include "shell/host.h"
#include "shell/main_state.h"
#include "shell/screens.h"

int form_client_size(int *w, int *h)
{
    host_client_size(hwndO, w, h);
    return 0;
}

int form_redraw(int box)
{
    if (main_hooks.form_redraw != nullptr) main_hooks.form_redraw(box);
    return 0;
}
