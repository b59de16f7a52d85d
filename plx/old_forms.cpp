// The extension rule, "plx_cur.dat" and the stacking of old form files.  A
// stacked file's links are shifted by the item-index base (the items before
// it) and its boxes by the vertical offset (the largest y1 read so far).
#include "plx/old_forms.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "plx/form_io.h"
#include "plx/ft_convert.h"
#include "plx/model.h"
#include "shell/sjis.h"
#include "shell/sysfile.h"
#include "shell/text.h"

plx_read_file plx_read_files[plx_read_file_max];
int plx_read_file_num;

namespace {

// The length of the folder part of path (through its last separator).
size_t folder_length(const char *path)
{
    size_t end = 0;
    for (size_t i = 0; path[i] != '\0'; ++i) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        if (is_kanji1(c) && path[i + 1] != '\0') ++i;  // a trail byte may be a backslash
        else if (c == '\\' || c == '/' || c == ':') end = i + 1;
    }
    return end;
}

// The position of the last "." of the file name in path, or its end; a trail
// byte is never taken for a dot.
size_t ext_start(const char *path)
{
    size_t dot = strlen(path);
    for (size_t i = folder_length(path); path[i] != '\0'; ++i) {
        if (is_kanji1(static_cast<unsigned char>(path[i])) && path[i + 1] != '\0') ++i;
        else if (path[i] == '.') dot = i;
    }
    return dot;
}

void record_line(FILE *z, int number, const char *name)
{
    if (z != nullptr) fprintf(z, "mfnum(%2d) pgeta(%4d) ygeta(%5d) fname(%s)\n", number, plx_index_base, plx_y_offset, name);
}

// Reads one stacked file and moves base and offset below it.
void stack_one(FILE *z, int number, const char *path)
{
    record_line(z, number, path);
    if (plx_read_file_num < plx_read_file_max) {
        plx_read_file &r = plx_read_files[plx_read_file_num++];
        r.base = plx_index_base;
        r.offset = plx_y_offset;
        copy_bounded(r.name, sizeof r.name, path);
    }
    const int first = plx_item_num;
    plx_read_form(path);
    for (int i = first; i < plx_item_num; ++i) {
        if (i == first || plx_items[i].y1 > plx_y_offset) plx_y_offset = plx_items[i].y1;
    }
    plx_index_base = plx_item_num;
}

bool byte_order(const char *a, const char *b) { return strcmp(a, b) < 0; }

}  // namespace

int plx_path_ext(char *out, size_t size, const char *path, const char *ext)
{
    return format_text(out, size, "%.*s%s", static_cast<int>(ext_start(path)), path, ext);
}

int plx_cur_load(char *out, size_t size)
{
    FILE *fp = sys_fopen("plx_cur.dat", "r");
    if (fp == nullptr) return 1;
    char line[plx_cur_line_size];
    if (read_line(line, sizeof line, fp) == nullptr) line[0] = '\0';
    fclose(fp);
    line[strcspn(line, "\n")] = '\0';
    copy_bounded(out, size, line);
    return 0;
}

int plx_cur_save(const char *path)
{
    FILE *fp = sys_fopen("plx_cur.dat", "w");
    if (fp == nullptr) return 1;
    fprintf(fp, "%s\n", path);
    fclose(fp);
    return 0;
}

int plx_stack_forms(const char *pattern, const char *const *names, int count)
{
    plx_model_reset();
    plx_ft_reset();
    plx_old_reset();
    std::vector<const char *> sorted(names, names + std::max(count, 0));
    std::sort(sorted.begin(), sorted.end(), byte_order);
    FILE *z = sys_fopen("z.txt", "w");
    const int folder = static_cast<int>(folder_length(pattern));
    char path[1024];
    int number = 0;
    for (const char *name : sorted) {
        if (format_text(path, sizeof path, "%.*s%s", folder, pattern, name) != 0) continue;  // a cut path names another file
        stack_one(z, number++, path);
    }
    if (number > 0) record_line(z, number, "***");
    plx_index_base = 0;
    plx_y_offset = 0;
    if (z != nullptr) fclose(z);
    plx_mark_every();
    return z != nullptr ? 0 : 1;
}

void plx_old_reset() { plx_read_file_num = 0; }
