// Layout passes over a loaded source: the nesting listing "layer.txt"
// with its #if nesting counters, the indentation check of switch blocks
// and the checks of the block comments (AREA and END markers only).
#ifndef VOK_ANALYSER_NESTING_H
#define VOK_ANALYSER_NESTING_H

#include "analyser/source_load.h"

const int nest_stack_cap = 100;
const int nest_flag_cont = 0x80;  // case, default, or "{" after a surplus "}"
const int nest_flag_open = 8;     // the line opens a block

struct brace_rec {
    int balance;  // "{" minus "}" on the line
    int column;   // drawing column of the line's block
    int flags;
    int running;  // the balance so far on the line
    int next;     // next line of the block's chain, -1 none
};

extern brace_rec brace_tbl[line_cap + 1];
extern int nest_stack[nest_stack_cap];  // per depth; -1 none
extern int nest_counting;               // 1 while the #if nesting is listed

// The preprocessor's #if counters (0-based line index).
int nest_open(int index);
int nest_close(int index);
int nest_else(int index);

// 0 consistent; 1 to 4 with the 1-based first bad line in *line.
int check_indent(int *line, int count);
// 0 every marker comment well formed; 1 to 3 with its line in *line.
int check_area_marks(int *line);
// 1 with its line in *line when a block comment other than an "/*AREA:" or
// "/*END:" marker stands in the loaded source; 0 none ("//" comments pass).
int find_plain_comment(int *line);
// layout 'E' without line numbers, else with them; kind 'd', 's', '#' or
// any other.  1 written, 0 the list file could not be written (its old
// file kept).
int write_nesting_list(const char *source, const char *list, int layout, int kind);

#endif
