// The X widget-class table read from "xwindow.dat": for a box kind, the
// widget class the X/Motif sources create (column 1) and its creation call
// (column 2).  The form loads re-read it; the X generator looks names up.
#ifndef VOK_FORMS_XWINDOW_H
#define VOK_FORMS_XWINDOW_H

struct xwindow_row {
    char name[10];
    char col1[10];
    char col2[50];
    char col3[8];
};
const int xwindow_cap = 200;  // rows kept; further lines of the file are skipped
extern xwindow_row xwindow_tbl[xwindow_cap];
extern int xwindow_num;

// Reads "xwindow.dat" through the folder slots: 0, or 1 when it cannot be opened.
int read_xwindow();
// Column 1 or 2 of the row named name in out: 1 found; 0 not found (out = name).
int xwindow_col1(const char *name, const char **out);
int xwindow_col2(const char *name, const char **out);

#endif
