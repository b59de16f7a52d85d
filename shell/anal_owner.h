// The window that asked for the analysis now running; the analyser's boxes
// are owned by it, and the shell asks it which screen is in charge.
#ifndef VOK_SHELL_ANAL_OWNER_H
#define VOK_SHELL_ANAL_OWNER_H

#include "shell/host.h"

extern win_handle anal_owner;

int set_anal_owner(win_handle window);
win_handle get_anal_owner();

#endif
