// The home folder (the directory current at start-up): opens and rewrites of
// the system's own files there, and the directory changes into it and back.
#include <cctype>
#include <cstring>

#include "shell/dirs.h"
#include "shell/sysfile.h"
#include "shell/text.h"

char saved_cwd[dir_path_size];

namespace {

// {home_dir}\name, or the name as given while home_dir is empty.
bool home_file(char *out, size_t size, const char *name)
{
    if (home_dir[0] == '\0') return format_text(out, size, "%s", name) == 0;
    return join_path(out, size, home_dir, name) == 0;
}

}  // namespace

int fill_home_dir()
{
    if (home_dir[0] != '\0') return 0;
    if (host_getcwd(home_dir, sizeof home_dir) != 0) {
        home_dir[0] = '\0';
        return home_cwd_unknown;
    }
    return 0;
}

FILE *home_fopen(const char *name, const char *mode)
{
    char path[1024];
    return home_file(path, sizeof path, name) ? sys_fopen(path, mode) : nullptr;
}

int home_remove(const char *name)
{
    char path[1024];
    return home_file(path, sizeof path, name) ? sys_remove(path) : -1;
}

int home_path(char *name, size_t size)
{
    if (home_dir[0] == '\0') return 0;
    char path[1024];
    if (join_path(path, sizeof path, home_dir, name) != 0) return 1;
    copy_bounded(name, size, path);
    return 0;
}

int get_home_dir(char *buf, size_t size)
{
    copy_bounded(buf, size, home_dir[0] != '\0' ? home_dir : ".");
    return 0;
}

int count_lines(const char *name)
{
    FILE *fp = home_fopen(name, "r");
    if (fp == nullptr) return 0;
    static char line[dir_line_size + 1];
    int n = 0;
    while (read_line(line, sizeof line, fp) != nullptr) ++n;
    fclose(fp);
    return n;
}

bool close_written(FILE *fp)
{
    const bool ok = !ferror(fp);
    return fclose(fp) == 0 && ok;
}

int home_replace(const char *name, const char *temp, bool ok)
{
    char from[1024];
    char to[1024];
    if (!ok || !home_file(from, sizeof from, temp) || !home_file(to, sizeof to, name) ||
        host_rename_over(from, to) != 0) {
        home_remove(temp);
        return 1;
    }
    return 0;
}

int copy_text_file(const char *destination, const char *source)
{
    FILE *in = home_fopen(source, "r");
    if (in == nullptr) return 1;
    static const char temp[] = "vokcopy.tmp";
    FILE *out = home_fopen(temp, "w");
    if (out == nullptr) {
        fclose(in);
        return 2;
    }
    static char line[dir_line_size + 2];
    bool ok = true;
    while (ok && read_line(line, sizeof line, in) != nullptr) ok = fputs(line, out) >= 0;
    fclose(in);
    ok = close_written(out) && ok;
    return home_replace(destination, temp, ok) == 0 ? 0 : 2;
}

int swap_files(const char *a, const char *b, const char *temp)
{
    char pa[1024], pb[1024], pt[1024];
    if (!home_file(pa, sizeof pa, a) || !home_file(pb, sizeof pb, b) || !home_file(pt, sizeof pt, temp)) return 1;
    sys_remove(pt);
    if (sys_rename(pa, pt) != 0) return 1;
    if (sys_rename(pb, pa) != 0) {
        sys_rename(pt, pa);
        return 2;
    }
    if (sys_rename(pt, pb) != 0) {
        sys_rename(pa, pb);
        sys_rename(pt, pa);
        return 3;
    }
    return 0;
}

int change_dir(const char *path)
{
    if (isalpha(static_cast<unsigned char>(path[0]))) {
        if (path[1] != ':') return -9;
        const int rc = host_chdrive(toupper(static_cast<unsigned char>(path[0])) - 'A' + 1);
        if (rc != 0) return rc;
    }
    if (host_chdir(path) != 0) {
        if (isalpha(static_cast<unsigned char>(saved_cwd[0])) && saved_cwd[1] == ':') {
            host_chdrive(toupper(static_cast<unsigned char>(saved_cwd[0])) - 'A' + 1);
        }
        return -1;
    }
    return 0;
}

int enter_home()
{
    saved_cwd[0] = '\0';
    if (home_dir[0] == '\0') return fill_home_dir();
    if (host_getcwd(saved_cwd, sizeof saved_cwd) != 0) {
        saved_cwd[0] = '\0';
        return home_cwd_unknown;
    }
    return change_dir(home_dir) == 0 ? 0 : home_unentered;
}

int leave_home()
{
    if (saved_cwd[0] == '\0') return 0;
    const int rc = change_dir(saved_cwd) == 0 ? 0 : home_no_way_back;
    saved_cwd[0] = '\0';
    return rc;
}
