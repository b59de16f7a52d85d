// What the LIST and FLOW windows share: their button rows and hint popup,
// the hide-on-close rule, the target field's text, and the main screen's
// opening of a file set, which fills LIST.
#ifndef VOK_TREES_WIN_CHART_SCREENS_H
#define VOK_TREES_WIN_CHART_SCREENS_H

#include <windows.h>

#include <cstddef>

const int screen_button_count = 6;  // ids 20 to 25
const int screen_button_first = 20;

// The "★" corner button (id 0), the six buttons of the captions, registered
// as the button row of the letter (their hints), and a hidden static for the
// hints (hint_id); the popup's handle.
HWND create_screen_buttons(HWND hwnd, char letter, const char *const captions[screen_button_count], int hint_id);
// The six buttons along the bottom right of a client area of this size.
int place_screen_buttons(HWND hwnd, int width, int height);
// Close, minimise and the owner's opening while hidden: 1 when handled.
int hide_or_show_screen(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, int *hidden);
// The button hint of the right button on a child: 1 when msg was one of it.
int screen_hint_message(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, HWND popup, POINT *pressed);
// Shows a screen and focuses it.
void show_and_focus(void *screen);
// The main screen's target field: its trimmed text, set and emptied.
int target_text(char *out, size_t size);
void set_target_text(const char *text);
// The buttons' WM_COMMAND (chart_command_id, shell/screens.h): the Up and
// Down keys go with the extended-key flag, F1 with f1_lparam, any other id
// shows the main screen; wParam and lParam 0 focus the window.
int screen_command(HWND hwnd, WPARAM wparam, LPARAM lparam, void *other, LPARAM f1_lparam);
// WM_CTLCOLORSTATIC: black on white, the white stock brush.
LRESULT white_static(WPARAM dc);

// The main screen opened a file set typed into the category field: LIST
// filled and focused, FLOW's selection cleared; 0.
int open_source_window(const char *text);

#endif
