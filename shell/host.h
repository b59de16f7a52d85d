// The host seam: what the portable code needs of the program that carries it.
//
// Portable modules never include <windows.h>.  They reach the host only
// through the functions below, which each program binds in its own way:
//   - VOKTAVIR binds them to Win32 (shell/win/host_win.cpp);
//   - the native tests bind a capture host (tests/support/capture_host.cpp)
//     that keeps fake edit and list windows, scripted box answers and a
//     record of what was asked;
//   - vokrun binds none of them: it links only the text helpers and the
//     interpreter, whose own output and file-open hooks it sets.
//
// The interpreter has two hooks of its own, declared in calc/calc_host.h:
// the output of one finished text and the file open (name, mode -> stream).
// VOKTAVIR binds them to code_print and dir_fopen, vokrun to the console
// and a plain open, the tests to a capture and a fixture map.
//
// The analyser's host services (developer lines, the word-attribute error
// box, the append to a window's text, clearing the cell-grid marks and the
// exit of its hard stops) are declared in analyser/anal_host.h; VOKTAVIR
// binds them in shell/win/host_anal_win.cpp, the tests in
// tests/support/capture_analyser.cpp.  The same header declares what a tree
// build hands to the tree builder, which trees/ and the form model bind.
//
// The screens above the shell answer its questions about them through the
// hooks of shell/screen_hooks.h, which they bind when they are created.
//
// Window handles are opaque to the portable code: a win_handle is whatever
// the host uses (an HWND under Win32), and null means "no window".
//
// Services built on this seam, declared in their own headers:
//   send_msg, msg_box and the screen boxes   shell/msgbox.h
//   code_print and the CODE mark table       shell/codeout.h
//   sys_fopen (the one path-mapping point)   shell/sysfile.h
#ifndef VOK_SHELL_HOST_H
#define VOK_SHELL_HOST_H

#include <cstdint>

typedef void *win_handle;

// SendMessageA: the message numbers are Win32's (shell/winmsg.h).
intptr_t host_send(win_handle hwnd, unsigned msg, uintptr_t wparam, intptr_t lparam);

// MessageBoxA(owner, text, caption, style): returns the button pressed.
int host_message_box(win_handle owner, const char *text, const char *caption, unsigned style);

// MessageBeep(0).
void host_beep();

// SetActiveWindow(hwnd).
void host_activate(win_handle hwnd);

// Sets the hourglass cursor and returns the cursor it replaced.
win_handle host_wait_cursor();

// Sets a cursor that host_wait_cursor returned.
void host_set_cursor(win_handle cursor);

// ShowWindow(hwnd, SW_HIDE) when show is 0, else ShowWindow(hwnd, SW_SHOWNORMAL).
void host_show_window(win_handle hwnd, int show);

// InvalidateRect(hwnd, null, TRUE): the whole window is painted again; a null window is none.
void host_repaint(win_handle hwnd);

// ---- Shell services ----
// Drive and directory: host_chdrive(1 for A:), host_chdir, host_getcwd
// (0 done).  host_find_first gives the first name matching a pattern of the
// current directory and a search handle (-1: none); host_find_next gives the
// next name (0) until it returns non-zero.  host_rename_over renames "from"
// to "to", replacing an existing "to" (sys_rename refuses that on Windows).
int host_chdrive(int drive);
int host_chdir(const char *path);
int host_getcwd(char *buf, int size);
intptr_t host_find_first(const char *pattern, char *name, int size);
int host_find_next(intptr_t search, char *name, int size);
void host_find_close(intptr_t search);
int host_rename_over(const char *from, const char *to);
// CopyFileA(from, to, fail_if_exists): 0 copied, else -1 (with
// fail_if_exists non-zero an existing "to" makes it fail).
int host_copy_file(const char *from, const char *to, int fail_if_exists);
// Starts exe with the command line and returns at once: 0 started, else the
// system's error number with its text in error_text.
int host_start_process(const char *exe, char *cmdline, char *error_text, int size);
// Reads a registry value (root 0 HKEY_CLASSES_ROOT, 1 HKEY_LOCAL_MACHINE;
// value null: the default value): 0 done, 1 when the key or value is missing.
// With size 0 only the key is opened.
int host_reg_read(int root, const char *key, const char *value, char *buf, int size);

// ---- Form designer windows ----
// The window services of the form model and its commands.  The FORM screen
// binds them when it links the form designer; a null window is no window.

// RedrawWindow(hwnd, null, null, flags), flags as Win32's RDW_* numbers.
void host_redraw(win_handle hwnd, unsigned flags);

// A list box or combo box seen as a list of texts.
void host_list_reset(win_handle list);                              // empty it
int host_list_add(win_handle list, const char *text);               // append; the new index
int host_list_count(win_handle list);                               // number of items
int host_list_text(win_handle list, int n, char *buf, int size);    // item n, cut to size; -1 none

// WM_SETTEXT on an edit.
void host_set_edit_text(win_handle edit, const char *text);

// The extent of a text in a font face of the given height (a negative height
// is a character height, as the font API takes it).
void host_text_size(const char *face, int height, const char *text, int *w, int *h);

// The height of the font a window uses now.
int host_font_height(win_handle hwnd);

// A window's client size, and the desktop's.
void host_client_size(win_handle hwnd, int *w, int *h);
void host_desktop_size(int *w, int *h);

// The main screen's ten panes that show and edit a DATA form's values.
void hide_panes();
void show_label(int n, int x0, int x1, int bottom);
void set_pane_text(int n, const char *text);
void get_pane_text(int n, char *buf, int size);

#endif
