// What the FORM window's message handlers share between their files: the
// repaint, the boxes of its refusals, the caption and place of the window,
// the opening of a form file under a name and the double-click actions.
#ifndef VOK_FORMS_WIN_FORM_SCREEN_PARTS_H
#define VOK_FORMS_WIN_FORM_SCREEN_PARTS_H

#include <windows.h>

const int gesture_consumed = -9;  // the press box after a designed-form button or item
const int form_cmd_editor = 3;     // WM_COMMAND: starts the editor command in editor_cmd

// RedrawWindow with invalidate, erase, update-now and all children.
void form_repaint(HWND hwnd);
// F12's box: "本機能は未サポートです".
int form_refuse(HWND hwnd);
// text in a hand-icon box captioned "TAVIR警告画面".
int form_warn(HWND hwnd, const char *text);
// The text of a control into out (empty for no control).
void form_field_text(HWND field, char *out, int size);
// The caption and place: a designed form's own, else the default ones.
void place_form_window(HWND hwnd);
// The common tail of the opening actions: the name into the form-name
// field, the file loaded (a wildcard name lists the matching files), the
// PROPERTY screen forgotten and the window placed and repainted.
void open_form_name(HWND hwnd, const char *name);

// Binds the form designer's tree hooks: a box's hexadecimal source name
// spelt out from the source list, the occurrence cursor file removed.
void form_bind_tree_hooks();
// The keypad keys of the tree walk and keypad Enter (lParam with the
// extended bit; exactly that bit defers the editor to the release of
// Shift): 1 when the key was one of them, else 0.
int form_keypad_nav(HWND hwnd, unsigned key, LPARAM lparam);
// F10: the function tree extracted around the current box, or whole again.
void form_tree_toggle(HWND hwnd);
// Space: the duplicate functions and headers of the tree on CODE.
void form_duplicates(HWND hwnd);
// "L": the current link made a PROC box's only EMPTY link, else the next
// call of the current tree box's function shown on CODE.
void form_next_call(HWND hwnd);
// PageUp on a tree box: the calling function's flow run with the calls
// marked, on FLOW and CODE.
void form_tree_refs(HWND hwnd);
// "編" after a left click: the editor at the next call of the current tree
// box's function.
void form_edit_call(HWND hwnd);

// The left double-click with the keys and point of the message; box is the
// box of the click before it.  The press box the gesture keeps afterwards.
int form_left_dblclk(HWND hwnd, int keys, int x, int y, int box);
// The right double-click.
void form_right_dblclk(HWND hwnd, int keys, int x, int y);
// Back to the form that opened this one (asking first to save a changed
// form when ask is set); with no such form the start-up form "begin.f".
void return_to_caller(HWND hwnd, bool ask);
// Opens name as a sub-form of box (a UNION's field 0, or the "次へ" button's).
void open_subform_by_name(HWND hwnd, int box, const char *name);

#endif
