// The WORK-form source generator.
#ifndef VOK_GENERATORS_GEN_WSRC_H
#define VOK_GENERATORS_GEN_WSRC_H

// Generates the WORK sources of boxes first_box .. end_box-1 and links first_link .. end_link-1; 0.
int gen_wsrc(const char *c_name, const char *h_name, int first_box, int end_box, int first_link, int end_link);

#endif
