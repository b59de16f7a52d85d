// The replacement of a file where rename replaces in one step (see
// replace.h); the Windows build takes win/replace_win.cpp instead.
#ifndef _WIN32
#include "plx/replace.h"

#include "shell/sysfile.h"

int plx_replace_file(const char *temp, const char *path)
{
    if (sys_rename(temp, path) == 0) return 0;
    sys_remove(temp);
    return 1;
}
#endif
