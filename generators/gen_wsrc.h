// The WORK-form source generator.
#ifndef VOK_GENERATORS_GEN_WSRC_H
#define VOK_GENERATORS_GEN_WSRC_H

// Generates one source per root SOURCE box of boxes first_box .. end_box-1
// and links first_link .. end_link-1 (the names are not used); 0 in every
// case, refusals shown to the user.  The form's links, current box and
// name are as before afterwards, unless a refusal made another box current.
int gen_wsrc(const char *c_name, const char *h_name, int first_box, int end_box, int first_link, int end_link);
// Writes the source of the root SOURCE box; 0.
int gen_wsrc_file(int source);
// The DEFAULT box (d, or one found on the way down) with a WM, ID, DEFAULT or
// CASE0-CASE9 box below it, depth first under box; -1 none.
int find_default_conflict(int box, int d);

#endif
