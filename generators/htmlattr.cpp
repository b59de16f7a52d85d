// The HTML word lists.
#include "generators/htmlattr.h"

// VOK-PLACEHOLDER: the HTML/ASP generator reads "htmlattr.dat" into its word lists here.
int load_htmlattr() { return 0; }
