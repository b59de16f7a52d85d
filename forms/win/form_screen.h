// The FORM screen's windows that the rest of the program reaches: the ten
// pane edits over a designed form's boxes, the form-name field, the canvas
// paint and the opening of a form file from the main screen.
#ifndef VOK_FORMS_WIN_FORM_SCREEN_H
#define VOK_FORMS_WIN_FORM_SCREEN_H

#include <windows.h>

const int pane_count = 10;

// The pane edits (ids 100-109) that show and edit a DATA form's values;
// null: no pane.
extern HWND pane_hwnd[pane_count];
// The field that holds the name of the form in use; null: none.
extern HWND form_name_edit;

// Paints the current form onto dc for a client area width x height: box
// frames and labels, comment texts and shapes, links with their arrow
// heads, the WORK marks and the armed frame.  0.
int paint_form(HDC dc, int width, int height);

// Opens form file name on the FORM screen: asks before beginning a form no
// folder slot holds, then the name goes into the form-name field, the model
// is emptied and the file loaded, and FORM is shown, placed and focused.
// 0 opened, 1 the user declined.
int open_form_file(HWND owner, const char *name);

#endif
