// The replacement of a file on Windows (see plx/replace.h): MoveFileExA
// replaces an existing file in one step and refuses a folder.
#include <windows.h>

#include "plx/replace.h"

int plx_replace_file(const char *temp, const char *path)
{
    if (MoveFileExA(temp, path, MOVEFILE_REPLACE_EXISTING) != 0) return 0;
    DeleteFileA(temp);
    return 1;
}
