// The FORM screen's windows that the rest of the program reaches: the ten
// pane edits over a designed form's boxes and the form-name field.
#ifndef VOK_FORMS_WIN_FORM_SCREEN_H
#define VOK_FORMS_WIN_FORM_SCREEN_H

#include <windows.h>

const int pane_count = 10;

// The pane edits (ids 100-109) that show and edit a DATA form's values;
// null: no pane.
extern HWND pane_hwnd[pane_count];
// The field that holds the name of the form in use; null: none.
extern HWND form_name_edit;

#endif
