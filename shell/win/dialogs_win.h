// The project dialog (resource 102) and the parameter dialog (resource 103),
// both modal, and what they share: the folder browser, the refusal box and
// the colours of their fields and labels.
#ifndef VOK_SHELL_WIN_DIALOGS_WIN_H
#define VOK_SHELL_WIN_DIALOGS_WIN_H

#include <windows.h>

// Opens the project dialog over owner; 0 when it was closed.
INT_PTR open_project_dlg(HINSTANCE instance, HWND owner);
// The project dialog's procedure (a test may create the dialog modeless with it).
INT_PTR CALLBACK project_dlg_proc(HWND dlg, UINT msg, WPARAM wparam, LPARAM lparam);

// Opens the parameter dialog over owner; 0 after OK, 1 after Cancel.
INT_PTR open_param_dlg(HINSTANCE instance, HWND owner);
// The parameter dialog's procedure.
INT_PTR CALLBACK param_dlg_proc(HWND dlg, UINT msg, WPARAM wparam, LPARAM lparam);

// The system's folder browser, titled "フォルダを選択してください", opened
// on initial.  1 when a folder was chosen (its path copied to out when it
// is shorter than size); 2 when the user cancelled.
int browse_folder(HWND owner, const char *initial, char *out, int size);

// A refusal of a dialog: a hand-icon box "TAVIR警告画面" owned by the dialog.
void dialog_refusal(HWND dlg, const char *text);

// Moves a control to its place in pixels (size -1: the control keeps its size).
void place_control(HWND dlg, int id, int x, int y, int w, int h);
// Grows the dialog until its client area holds every control.
void fit_dialog_to_controls(HWND dlg);

// WM_CTLCOLORSTATIC answers: black on the white brush, or blue on the button face.
INT_PTR white_field_colour(HDC dc, HBRUSH white);
INT_PTR blue_label_colour(HDC dc);

#endif
