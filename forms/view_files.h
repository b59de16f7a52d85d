// The size files of the views: the window table written as "#F2" rows of a
// form file (x, y, width as endx, height as endy, the value as the kind, the
// screen as the name) in the home folder.  The shell's start-up and shutdown
// call them; they stand with the form files whose format they share.
#ifndef VOK_FORMS_VIEW_FILES_H
#define VOK_FORMS_VIEW_FILES_H

// Loads the size file in use from the home folder over the defaults.
int load_wsize();
// Writes the table to the size file in use in the home folder: 0, or 1.
int save_wsize();

#endif
