// The keyboard handling every screen shares: the numeric keypad that sends
// fixed commands to fixed screens, the Enter key that switches the help line,
// the Apps key that pages a screen's key help onto the main screen's four
// function buttons, the presses of those buttons, and the designed-form
// buttons that stand for real messages.  The extended-key flag is bit 24 of
// a key message's lParam.
#ifndef VOK_SHELL_KEYPAD_H
#define VOK_SHELL_KEYPAD_H

#include <cstddef>
#include <cstdint>

#include "shell/host.h"

// The first call of a screen procedure: 1 when it handled the key (the
// procedure returns 0 at once), else 0.  The keypad Enter sends the screen's
// Enter command (FLOW 25, FORM 31, main 36, LIST 25, CODE 29; FORM leaves a
// key-up of lParam 0x1000001 to itself); "+" sends CODE 28, NumLock, "/",
// "*" and "-" send the main screen 32 to 35.
int keypad_dispatch(unsigned message, win_handle window, unsigned key, intptr_t lparam);
// true for the key-up of "+", NumLock, "/", "*" or "-" that keypad_dispatch takes.
bool is_keypad_key(unsigned message, unsigned key, intptr_t lparam);
// Enter: true for the keypad Enter; another key: true for one of the eleven
// keypad navigation keys (NumLock off, extended flag clear).
bool is_keypad_nav_key(unsigned message, unsigned key, intptr_t lparam);

// Whether a screen takes function keys: always 1.
int fkey_accept(win_handle window);
// The shared Enter and Apps handling of a key-down on window: 1 when taken.
// Enter leaves the work-folder (F9 to LIST) or multiple-extraction mode (F10
// to the main screen), else switches the help line; Apps pages the bar (with
// shift_down one page back).
int fkey_handler(win_handle window, unsigned key);
// Switches the help line to window's letter or off, and closes a shown bar
// (the buttons get their captions back and hide): 1 when a bar was closed.
// Nothing in the two special modes (0).
int toggle_help_line(win_handle window);
// Presses function button n (0..3) of the shown bar: the page's key goes to
// bar_screen as a key-up, or, while a message box is open, a beep and a
// refusal line on the CODE output.  0 no bar shown, 1 pressed or refused.
int press_button(win_handle window, int n);
// The hint of a main-screen button: a caption beginning "!" marks function
// button n, whose help comes from the bar page shown or the special mode;
// another caption gives the label of main_controls entry n.  1 and the text, or 0.
int button_help_text(int n, const char *caption, char *text, size_t size);

// The key code and name of button n (0..3) on page (1..6).
unsigned page_key(int page, int n);
const char *page_key_name(int page, int n);

// The real effect of a designed-form button by its caption (the screen name
// is not compared): 1 and the window, message and wParam, or 0.
int find_form_button(const char *caption, const char *screen, win_handle *window, unsigned *message,
                     uintptr_t *wparam);

#endif
