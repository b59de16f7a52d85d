// Project folders.  Until a project is read there is one folder slot, the
// current directory, and the home folder is the current directory.
#include "shell/dirs.h"

#include "shell/sysfile.h"
#include "shell/text.h"

char home_dir[512];

namespace {

// {home_dir}\name, or the name as given while home_dir is empty.
bool home_path(char *out, size_t size, const char *name)
{
    if (home_dir[0] == '\0') return format_text(out, size, "%s", name) == 0;
    return format_text(out, size, "%s\\%s", home_dir, name) == 0;
}

}  // namespace

FILE *dir_fopen(const char *name, const char *mode) { return sys_fopen(name, mode); }

FILE *home_fopen(const char *name, const char *mode)
{
    char path[1024];
    return home_path(path, sizeof path, name) ? sys_fopen(path, mode) : nullptr;
}

int home_remove(const char *name)
{
    char path[1024];
    return home_path(path, sizeof path, name) ? sys_remove(path) : -1;
}
