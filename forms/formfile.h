// The form-file format: "#F2" box rows, "#L2" link rows, "#P1" parameter
// lines (the older "#  ", "#F1" and "#L1" layouts are still read), the
// reader that appends a file to the model and the writer.  A parameter text
// handed to these functions is a buffer of para_cap bytes.
#ifndef VOK_FORMS_FORMFILE_H
#define VOK_FORMS_FORMFILE_H

#include "forms/model.h"

// 0 read whole, 1 cannot be opened, 2 stopped at a capacity.
int load_form(const char *name);
int form_file_load(const char *name, char *text);
int form_recalc();  // layout_source's result
// 0 written, 1 not (cannot be opened, a write or the close failed).
int save_form(const char *name);
int form_file_save(const char *name, const char *text);
void form_fix_kinds(int first, int end);
int form_write(const char *name, int first_box, int end_box, const box_rec *boxes, int first_link, int end_link,
               const link_rec *links, const char *text);
// -1 cannot be opened, -2 stopped at a capacity (the counts hold what was
// read), else the new box count.
int form_read(const char *name, int box_capacity, box_rec *boxes, int link_capacity, link_rec *links, int *link_count,
              char *text, int *box_count);
int table_write(const char *name, int n, const box_rec *rows, int n_links, const link_rec *links, const char *text);
int table_read(const char *name, int capacity, box_rec *rows, int link_capacity, link_rec *links, int *link_count,
               char *text, int *line_count);

// The writers' name and kind: a blank or tab written as '_'.
void file_word(char *out, int size, const char *text);

#endif
