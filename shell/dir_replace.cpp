// Whole rewrites of project files through a temporary beside them.
#include "shell/dir_replace.h"

#include "shell/dirs.h"
#include "shell/sysfile.h"
#include "shell/text.h"

namespace {

// The path of rest in folder slot n; false when the slot is missing or the path does not fit.
bool slot_file(char *out, size_t size, int n, const char *rest)
{
    char folder[dir_path_size];
    return get_proj_dir(folder, n) && join_path(out, size, folder, rest) == 0;
}

}  // namespace

bool dir_replace_open(dir_replacement *r, const char *name)
{
    r->fp = nullptr;
    char path[1024];
    if (is_drive_path(name) || name[0] == '\\' || name[0] == '/') return dir_replace_at(r, name);
    if (has_dir_prefix(name)) {
        return slot_file(path, sizeof path, dir_index(name[0]), name + 2) && dir_replace_at(r, path);
    }
    char folder[dir_path_size];
    for (int n = 0; get_proj_dir(folder, n) && folder[0] != '\0'; ++n) {
        if (join_path(path, sizeof path, folder, name) == 0 && dir_replace_at(r, path)) return true;
    }
    return false;
}

bool dir_replace_at(dir_replacement *r, const char *path)
{
    r->fp = nullptr;
    if (format_text(r->path, sizeof r->path, "%s", path) != 0 ||
        format_text(r->temp, sizeof r->temp, "%s.$$$", path) != 0) {
        return false;
    }
    r->fp = sys_fopen(r->temp, "w");
    return r->fp != nullptr;
}

bool home_replace_open(dir_replacement *r, const char *name)
{
    r->fp = nullptr;
    char path[1024];
    return format_text(path, sizeof path, "%s", name) == 0 && home_path(path, sizeof path) == 0 &&
           dir_replace_at(r, path);
}

int dir_replace_close(dir_replacement *r, bool ok)
{
    ok = close_written(r->fp) && ok;
    r->fp = nullptr;
    if (ok && host_rename_over(r->temp, r->path) == 0) return 0;
    sys_remove(r->temp);
    return 1;
}
