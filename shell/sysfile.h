// The one point where a path built the Windows way ("%s\\%s") is handed to
// the C library.  The native build turns every "\\" into "/" here; the
// Windows build passes the path unchanged.
#ifndef VOK_SHELL_SYSFILE_H
#define VOK_SHELL_SYSFILE_H

#include <cstdio>

FILE *sys_fopen(const char *path, const char *mode);
int sys_remove(const char *path);
int sys_rename(const char *from, const char *to);

#endif
