// The WORK-form source generator.
#include "generators/gen_wsrc.h"

// VOK-PLACEHOLDER: int gen_wsrc(const char *c_name, const char *h_name, int first_box, int end_box,
// int first_link, int end_link), the WORK-form generator; writes nothing yet.
int gen_wsrc(const char *, const char *, int, int, int, int) { return 0; }
