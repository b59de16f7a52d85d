// Idle bindings of the form designer's window services (shell/host.h) for
// Windows tests that link the form model without the FORM screen.
// VOK-PLACEHOLDER: the FORM screen binds these when it links the form
// designer; a test then links its window library instead of this file.
#include "shell/host.h"

void host_redraw(win_handle, unsigned) {}
void host_list_reset(win_handle) {}
int host_list_add(win_handle, const char *) { return -1; }
int host_list_count(win_handle) { return 0; }
int host_list_text(win_handle, int, char *buf, int size)
{
    if (size > 0) buf[0] = '\0';
    return -1;
}
void host_set_edit_text(win_handle, const char *) {}
void host_text_size(const char *, int, const char *, int *w, int *h) { *w = *h = 0; }
int host_font_height(win_handle) { return 0; }
void host_client_size(win_handle, int *w, int *h) { *w = *h = 0; }
void host_desktop_size(int *w, int *h) { *w = *h = 0; }
void hide_panes() {}
void show_label(int, int, int, int) {}
void set_pane_text(int, const char *) {}
void get_pane_text(int, char *buf, int size)
{
    if (size > 0) buf[0] = '\0';
}
