// The X/Motif source generator.
#ifndef VOK_GENERATORS_GEN_XSRC_H
#define VOK_GENERATORS_GEN_XSRC_H

// Generates the X/Motif sources of boxes first_box .. end_box-1 and links first_link .. end_link-1; 0.
int gen_xsrc(const char *c_name, const char *h_name, int first_box, int end_box, int first_link, int end_link);

#endif
