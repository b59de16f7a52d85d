// The window table: place, size and one setting text of each of the seven
// screens, stored in one of the three size files (views 1 to 3) that
// "vokwview.dat" names.
#ifndef VOK_SHELL_WSIZE_H
#define VOK_SHELL_WSIZE_H

#include <cstddef>
#include <cstdint>

#include "shell/host.h"

struct wsize_row {
    char name[16];
    char value[32];  // at most 9 characters used
    int32_t x, y, width, height;
};

const int wsize_rows = 7;
extern wsize_row wsize_tbl[wsize_rows];
extern win_handle wsize_hwnd[wsize_rows];
extern char wsize_file[100];

int init_wsize();
int set_whwnd(const char *name, win_handle hwnd);
int get_wsize(const char *name, int *x, int *y, int *width, int *height);
int set_wvalue(const char *name, const char *text);
int get_wvalue(const char *name, char *buf);  // buf of at least 10 bytes
const char *wsize_label();
int is_wsize_std(const char *name);
int parse_screen_flags(const char *text);
int format_screen_flags(char *text, size_t size);
int read_wview();
int set_wview(const char *name);
int wsize_index(const char *name);  // row of a screen name, -1 for another name

// Window code (shell/win/): the screens' rectangles and the hidden flags.
int save_wrect(const char *name);
int apply_screen_flags();

#endif
