// The HTML and ASP page generator.
#ifndef VOK_GENERATORS_GEN_HTML_H
#define VOK_GENERATORS_GEN_HTML_H

// Generates the page of boxes first_box .. end_box-1 and links first_link .. end_link-1; 0.
int gen_html(const char *c_name, int first_box, int end_box, int first_link, int end_link);

#endif
