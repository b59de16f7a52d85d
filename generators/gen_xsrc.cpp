// The X/Motif source generator.
#include "generators/gen_xsrc.h"

// VOK-PLACEHOLDER: int gen_xsrc(const char *c_name, const char *h_name, int first_box, int end_box,
// int first_link, int end_link), the X/Motif generator; writes nothing yet.
int gen_xsrc(const char *, const char *, int, int, int, int) { return 0; }
