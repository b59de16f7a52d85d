// The HTML word lists of "htmlattr.dat", which the HTML/ASP generator uses.
#ifndef VOK_GENERATORS_HTMLATTR_H
#define VOK_GENERATORS_HTMLATTR_H

// Reloads the word lists from "htmlattr.dat" of the work folder; 0.
int load_htmlattr();

#endif
