// The HTML and ASP page generator.
#include "generators/gen_html.h"

// VOK-PLACEHOLDER: int gen_html(const char *c_name, int first_box, int end_box, int first_link,
// int end_link), the page generator; writes nothing yet.
int gen_html(const char *, int, int, int, int) { return 0; }
