// The services the main screen's module gives the FORM screen's users: its
// client size and a redraw with a box made current.  They stand apart from
// the fields because they reach the form designer's host services.
#ifndef VOK_SHELL_FORM_SERVICES_H
#define VOK_SHELL_FORM_SERVICES_H

// The FORM screen's client size; 0.
int form_client_size(int *w, int *h);
// Makes box current on the FORM screen and redraws it (through its hook); 0.
int form_redraw(int box);

#endif
