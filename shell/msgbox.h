// Message boxes and the SendMessage wrapper.
//
// send_msg serves the main screen's target field (an edit with a list box
// under it) as a combo box: the address of target_field is its handle.
// msg_box keeps the owners of the open boxes; while one is open, further
// plain, error, information and OK/Cancel boxes become a beep and a "★"
// line in the CODE output with a fixed answer.
#ifndef VOK_SHELL_MSGBOX_H
#define VOK_SHELL_MSGBOX_H

#include <cstdint>

#include "shell/host.h"

struct target_field_rec {
    win_handle edit;  // the target edit
    win_handle list;  // the list box under it
};
extern target_field_rec target_field;

// The pseudo handle of the target field.
win_handle target_field_handle();

intptr_t send_msg(win_handle hwnd, unsigned msg, uintptr_t wparam, intptr_t lparam);

extern int msgbox_depth;            // boxes open now
extern const char msg_caption_text[];  // caption of the screen-numbered boxes

int msg_box(win_handle owner, const char *text, const char *caption, unsigned style);
int msg_box_once(win_handle owner, const char *text, const char *caption, unsigned style);
int activate_msg_box();

int screen_warn_box(int screen, const char *text);
int screen_error_box(int screen, const char *text);
int form_error_box(const char *text);
int warn_boxf(int screen, const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 2, 3)))
#endif
    ;
int error_boxf(int screen, const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 2, 3)))
#endif
    ;

int set_wait_cursor();
int restore_cursor();

// State of other screens, answered here for every caller.
// 1 when the FORM screen asked for the analysis now running, else 0.
int is_form_active();
// The FORM screen's pending operation code (1 while it is busy; 0 none).
int form_pending_mode();
// Hides the window, replays the FORM screen's recorded clicks on it, shows it again; 0.
int replay_clicks(win_handle window);
// The PROPERTY screen forgets its current member and empties its values; 0.
int reset_cur_prop();
// The PROPERTY screen stores the value being edited into its box; 0.
int commit_prop_value();

#endif
