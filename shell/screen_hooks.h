// Hooks through which the shell and the form model reach the screens above
// them: the FORM screen's pending operation and recorded clicks, and the
// PROPERTY screen's selection and the value it edits.  Each screen binds its
// hooks when it is created; an unbound hook does nothing (and a question
// answers 0).
#ifndef VOK_SHELL_SCREEN_HOOKS_H
#define VOK_SHELL_SCREEN_HOOKS_H

#include <cstddef>

#include "shell/host.h"

struct screen_hooks_rec {
    int (*pending_mode)();            // FORM: its pending operation code, 1 while busy, 0 none
    void (*replay)(win_handle form);  // FORM: sends its recorded clicks to the window
    void (*reset_prop)();             // PROPERTY: forgets its current member, empties its values
    void (*commit_prop)();            // PROPERTY: stores the value being edited into its box
};
extern screen_hooks_rec screen_hooks;
// Appends the names of the members of screen_hooks still unbound, each followed
// by a blank, to out; their number.
int screen_hooks_unbound(char *out, size_t size);

#endif
