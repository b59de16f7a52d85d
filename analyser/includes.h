// Per-file include records of the function-tree build.
#ifndef VOK_ANALYSER_INCLUDES_H
#define VOK_ANALYSER_INCLUDES_H

int clear_includes();
int add_include(int line, const char *text);
int write_includes();

#endif
