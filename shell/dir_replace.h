// Whole rewrites of project files: the text goes to a temporary beside the
// file the name resolves to, and the temporary replaces the file only when
// every byte was written, so a failed write leaves the old file as it was.
#ifndef VOK_SHELL_DIR_REPLACE_H
#define VOK_SHELL_DIR_REPLACE_H

#include <cstdio>

struct dir_replacement {
    FILE *fp;         // the temporary, open for writing
    char path[1024];  // the file it replaces
    char temp[1024];  // the temporary's path
};

// Opens the temporary in the folder where dir_fopen(name, "w") would write
// name: true when it is open.
bool dir_replace_open(dir_replacement *r, const char *name);
// Opens the temporary beside the file at path (as sys_fopen takes it): true
// when it is open.
bool dir_replace_at(dir_replacement *r, const char *path);
// Opens the temporary beside name in the home folder: true when it is open.
bool home_replace_open(dir_replacement *r, const char *name);
// Closes the temporary; when ok and every write succeeded, renames it over
// the file (0), else removes it and keeps the file (1).
int dir_replace_close(dir_replacement *r, bool ok);

#endif
