// Project folders: the search-path open over the folder slots of the
// project in use, and the opens of the system's own files in the home folder.
#ifndef VOK_SHELL_DIRS_H
#define VOK_SHELL_DIRS_H

#include <cstdio>

extern char home_dir[512];  // the home folder; empty: the current directory

FILE *dir_fopen(const char *name, const char *mode);
FILE *home_fopen(const char *name, const char *mode);
int home_remove(const char *name);

#endif
