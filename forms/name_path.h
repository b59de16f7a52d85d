// The position path of a line of a generated source (window message, command
// id and nested case names) and the recognisers of its lines: the generators'
// source scanner, kept beside the form model that names the boxes it maps to.
#ifndef VOK_FORMS_NAME_PATH_H
#define VOK_FORMS_NAME_PATH_H

#include <cstddef>

const int name_path_levels = 10;

struct name_path_rec {
    char wm[100];
    char id[100];
    char cases[name_path_levels][100];
};
extern name_path_rec name_path;

void clear_name_levels();
int set_name_level(int code, const char *name);  // 0, 1 code 10 or above, 2 negative
int get_proc_head(const char *line, char *name, int size);
int get_case_label(const char *line, char *label, int size);
int get_case_label_depth(const char *line, int *depth, char *label, int size);
template <size_t N> int get_proc_head(const char *line, char (&name)[N]) { return get_proc_head(line, name, static_cast<int>(N)); }
template <size_t N> int get_case_label(const char *line, char (&label)[N]) { return get_case_label(line, label, static_cast<int>(N)); }
template <size_t N> int get_case_label_depth(const char *line, int *depth, char (&label)[N])
{
    return get_case_label_depth(line, depth, label, static_cast<int>(N));
}

#endif
