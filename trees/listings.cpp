// The source listings of the LIST and CODE screens (see listings.h).
#include "trees/listings.h"

int mark_filter_on;
int mark_filter_mode;

// VOK-PLACEHOLDER: int fill_list(win_handle edit, int mode); lists nothing yet.
int fill_list(win_handle, int) { return 0; }

// VOK-PLACEHOLDER: int fill_list_with_parse(win_handle edit, char *file, int mode);
// lists nothing yet and answers that no file is selected.
int fill_list_with_parse(win_handle, char *file, int)
{
    file[0] = '\0';
    return 0;
}

// VOK-PLACEHOLDER: int draw_function_top(win_handle window, const char *name, int width);
// paints nothing yet.
int draw_function_top(win_handle, const char *, int) { return 0; }

// VOK-PLACEHOLDER: int find_function_at_line(const char *file, int *line, char *name);
// finds no function yet (line -1, name empty).
int find_function_at_line(const char *, int *line, char *name)
{
    *line = -1;
    name[0] = '\0';
    return 1;
}

// VOK-PLACEHOLDER: int search_file_set(win_handle edit, const char *option);
// lists nothing yet.
int search_file_set(win_handle, const char *) { return 0; }

int listings_reset()
{
    mark_filter_on = 0;
    mark_filter_mode = 0;
    return 0;
}
