// The CODE output: code_print appends to the CODE screen's output edit
// (code_out_hwnd) and the mark table code_marks records which stretch of
// the output belongs to what.  Offsets are in the edit's own units, taken
// from the edit itself (the end of a select-all), so they stay right
// whether the edit counts bytes or characters.
#ifndef VOK_SHELL_CODEOUT_H
#define VOK_SHELL_CODEOUT_H

#include <cstdint>

#include "shell/host.h"

struct code_mark {
    uint32_t a;     // first owner key (a FLOW block: the node's cell column)
    uint32_t b;     // second owner key (a FLOW block: the node's cell row)
    uint32_t kind;  // 0 plain output, non-zero a removable block
    int32_t start;  // where the span begins
    int32_t end;    // where it ends; -1 while a block is open
};

const int code_mark_cap = 1000;
extern code_mark code_marks[code_mark_cap];
extern int code_mark_num;

int code_print(const char *text);
int code_mark_add(uint32_t a, uint32_t b, uint32_t kind, int32_t start);
int code_mark_close();
int code_mark_clear();
int code_mark_count();
int code_mark_get(int n, uint32_t *a, uint32_t *b, uint32_t *kind);

// The end of the CODE output, in the edit's units.
int32_t code_out_length();

// Shows a file (its first 4096 bytes) with a status line in an edit.
int read_file_to_edit(win_handle edit, const char *name);

#endif
