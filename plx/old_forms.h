// PLX's paths and small files: the extension rule of its input and output
// paths, "plx_cur.dat" (the last path converted), and the stacking of old
// form files one below the other with its record "z.txt".
#ifndef VOK_PLX_OLD_FORMS_H
#define VOK_PLX_OLD_FORMS_H

#include <cstddef>

constexpr int plx_read_file_max = 200;  // stacked files recorded; later ones are read but not recorded
constexpr int plx_cur_line_size = 1000;  // bytes of the line read from "plx_cur.dat"

// One stacked form file: where its items and rows began, and its path.
struct plx_read_file {
    int base;    // item-index base of its links
    int offset;  // vertical offset of its items
    char name[200];
};

extern plx_read_file plx_read_files[plx_read_file_max];
extern int plx_read_file_num;

// Copies path into out with its extension (from the last "." of its file
// name) replaced by ext, or ext appended when the file name has no ".".  0, or 1 when cut to fit.
int plx_path_ext(char *out, size_t size, const char *path, const char *ext);

// The first line of "plx_cur.dat" without its newline: 0, or 1 when the
// file is missing (out unchanged).
int plx_cur_load(char *out, size_t size);
// Writes path to "plx_cur.dat" as one line: 0, or 1 when it cannot be created.
int plx_cur_save(const char *path);

// Empties the model and the run's tree, then reads the form files named
// (found by the pattern: each is the pattern's folder plus the name) in the
// byte order of their names, each below the one before, recording each in
// "z.txt" and the list of read files; a non-empty list ends with a "***"
// line.  Every item read is marked.  0, or 1 when "z.txt" cannot be created
// (the files are read all the same).
int plx_stack_forms(const char *pattern, const char *const *names, int count);

// Empties the list of read files.
void plx_old_reset();

#endif
