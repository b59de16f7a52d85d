// The structure-file and parameter-file readers that fill the member and
// value lists of a box's kind.
#ifndef VOK_FORMS_READERS_H
#define VOK_FORMS_READERS_H

#include "shell/host.h"

int list_struct_members(win_handle listbox, const char *kind, const char *name);
int list_param_members(win_handle listbox, int n);
void readers_reset();

#endif
