// Starting outside programs (the editor, Excel, the browser) without
// waiting for them, and the parameter settings that name them.
#ifndef VOK_SHELL_LAUNCHER_H
#define VOK_SHELL_LAUNCHER_H

#include <cstddef>

#include "shell/host.h"

const int launch_size = 1024;  // the program path and the command line

// exe and cmdline of launch_size bytes.  0, or 1 when the command does not fit.
int split_command(char *exe, char *cmdline, const char *command);
// Starts the program of a command text: 32 started, -3 not started (the
// failure is printed to the CODE output).  wait is ignored.
int exec_wait(const char *command, int wait);

#endif
