// Developer aids: the window-message trace (one line per received message,
// behind a switch for the main screen and one for the FORM screen) and the
// conversion of "define.txt" into "deftbl.txt".
#ifndef VOK_SHELL_DEVAIDS_H
#define VOK_SHELL_DEVAIDS_H

#include <cstddef>
#include <cstdint>

#include "shell/host.h"

struct msg_name_row {
    const char *name;
    int number;
};

const int msg_name_cap = 1000;
extern const msg_name_row msg_name_table[];
extern const char *msg_names[msg_name_cap];
extern int msg_trace_main;  // 1: the main screen's trace is on
extern int msg_trace_form;  // 1: the FORM screen's trace is on

int init_msg_names();
int toggle_msg_trace();
int trace_banner(win_handle edit);
int trace_msg(const char *prefix, win_handle edit, unsigned msg, uintptr_t wparam, intptr_t lparam);
int trace_msg_main(const char *prefix, win_handle edit, unsigned msg, uintptr_t wparam, intptr_t lparam);
int make_deftbl();

// The texts of the heading line and of one trace line.
int trace_banner_text(char *out, size_t size);
int trace_line(char *out, size_t size, const char *prefix, unsigned msg, uintptr_t wparam, intptr_t lparam);

#endif
