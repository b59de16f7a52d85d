// The define listings of the main screen, read from "define.txt", and the
// " -D" option text of the project's variable definitions.
#ifndef VOK_ANALYSER_DEFINE_LISTS_H
#define VOK_ANALYSER_DEFINE_LISTS_H

#include "shell/host.h"

const int define_prefix_cap = 10000;

// Every definition line of the name with its source line: 0 found, 2 not
// found, 1 "define.txt" missing.
int show_define(const char *name, win_handle window);

// The distinct prefixes up to the first "_": the column after the listing
// (0 none), -1 "define.txt" missing, -2 no memory.
int list_define_prefixes(win_handle window);

// The names that begin with the key ("*": the prefixes): the column after
// the listing, -1 "define.txt" missing.
int list_defines(const char *key, win_handle window);

// " -D" and the entry, for every variable definition of the project in use.
const char *build_define_options();

#endif
