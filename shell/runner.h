// The in-process command runner: a command text becomes an argument vector
// over the folder slots of the project in use, and a command-line main runs
// on it.  The argument texts live in area 0 until the main returns.
#ifndef VOK_SHELL_RUNNER_H
#define VOK_SHELL_RUNNER_H

#include <cstddef>

typedef int (*command_main)(int argc, char **argv);
typedef int (*file_callback)(void *ctx, int arg, const char *name, int arg2);

const int run_arg_cap = 2000;

// Changes the text (NULs end its words).  Returns main's result, or -1 when
// argv cannot grow or the call would nest.
int run_command(char *command, command_main main);
int for_each_file(file_callback callback, void *ctx, int arg, const char *pattern, int arg2);
// Room for one more pointer and the closing null: 0, or -1 when it cannot grow.
int grow_argv(int *capacity, int *argc, char ***argv);

// The reallocation grow_argv uses (a test may replace it).
extern void *(*argv_realloc)(void *block, size_t size);

#endif
