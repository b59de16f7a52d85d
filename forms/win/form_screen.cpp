// The FORM screen as an empty window, until the form designer's window code
// replaces it.
#include "forms/win/form_screen.h"

#include "shell/win/startup_win.h"

// VOK-PLACEHOLDER: the FORM screen creates them: HWND pane_hwnd[pane_count]; HWND form_name_edit;
HWND pane_hwnd[pane_count];
HWND form_name_edit;

// VOK-PLACEHOLDER: the FORM screen.
LRESULT CALLBACK FORM_PROC(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    return hide_screen_on_close(hwnd, msg, wparam, lparam);
}
