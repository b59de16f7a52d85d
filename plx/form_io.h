// PLX's form files: the reader that adds a form file's boxes, links and
// parameter lines to the model (sections "#F2", "#L1", "#L2", "#P1"), and
// the writer of the marked items as a form file the FORM screen loads.
#ifndef VOK_PLX_FORM_IO_H
#define VOK_PLX_FORM_IO_H

constexpr int plx_form_line_size = 1000;  // bytes of a form-file line

// Adds the form file at path to the model, the index base and vertical
// offset applied; rows a full table refuses are dropped.  0 read, 1 the file
// did not open.
int plx_read_form(const char *path);

// Writes the marked items, the links between two written items (their ends
// renumbered) and the items' first text lines as a form file.  The file is
// replaced only after a complete write: 0 written, 1 not (the old file kept).
int plx_write_form(const char *path);

#endif
