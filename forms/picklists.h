// Pick lists filled straight from files: the box names of a form file and
// the procedures, case labels and preserved regions of a generated source.
#ifndef VOK_FORMS_PICKLISTS_H
#define VOK_FORMS_PICKLISTS_H

#include "shell/host.h"

int list_form_rects(win_handle combo, const char *file, int follow);
int find_menu_form(const char *file, char *out, int size);
int get_area_name(const char *line, char *out, int size);
int list_src_names(win_handle combo, const char *file, const char *procedure, const char *area, int key);

#endif
