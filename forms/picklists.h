// Pick lists filled straight from files: the box names of a form file and
// the procedures, case labels and preserved regions of a generated source.
#ifndef VOK_FORMS_PICKLISTS_H
#define VOK_FORMS_PICKLISTS_H

#include "shell/host.h"

int list_form_rects(win_handle combo, const char *file, int follow);
int find_menu_form(const char *file, char *out, int size);
int get_area_name(const char *line, char *out, int size);
int list_src_names(win_handle combo, const char *file, const char *procedure, const char *area, int key);
// A key of a WORK form's key file on box: "I" the boxes of the box's form
// file, "W" the messages of the source generated from the form itself (the
// list emptied for another form), other keys list_src_names on its C source.
int list_work_key(win_handle combo, int box, int key);

#endif
