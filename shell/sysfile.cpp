// Path mapping for the C library's file calls (see sysfile.h).
#include "shell/sysfile.h"

#include <cstdio>

#include "shell/sjis.h"

namespace {

// Holds the path as the C library of this build wants it.
struct host_path {
    char text[1024];
    bool ok;
    explicit host_path(const char *path)
    {
        ok = path != nullptr && snprintf(text, sizeof text, "%s", path) < static_cast<int>(sizeof text);
#ifndef _WIN32
        if (ok) {
            for (char *p = text; *p != '\0'; ++p) {
                const unsigned char c = static_cast<unsigned char>(*p);
                if (is_kanji1(c) && p[1] != '\0') ++p;  // Shift-JIS pair
                else if (*p == '\\') *p = '/';
            }
        }
#endif
    }
};

}  // namespace

FILE *sys_fopen(const char *path, const char *mode)
{
    const host_path p(path);
    return p.ok ? fopen(p.text, mode) : nullptr;
}

int sys_remove(const char *path)
{
    const host_path p(path);
    return p.ok ? remove(p.text) : -1;
}

int sys_rename(const char *from, const char *to)
{
    const host_path a(from);
    const host_path b(to);
    return a.ok && b.ok ? rename(a.text, b.text) : -1;
}
