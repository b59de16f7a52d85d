// The project list and the project switch of the main screen (a left or
// right click on its free area, F3 and F4): the file list refilled from the
// category pattern with the project names in the target list, and the
// project named in the target made the project in use.
#ifndef VOK_SHELL_PROJECT_SWITCH_H
#define VOK_SHELL_PROJECT_SWITCH_H

#include "shell/host.h"

// Refills the pattern and file list and lists the projects of "vokdir.dat".
// 0, or 1 when the category holds a folder.
int refill_file_list();

// Switches to the project named in the target field; boxes go to owner.
// 0 switched; 1 refused (no project list loaded, or its folders missing);
// 2 the change failed and the project in use was entered again.
int switch_project(win_handle owner);

#endif
