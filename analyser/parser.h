// The declaration and function-head parser: reads one declaration at file
// or class scope and decides whether a function definition follows, and
// reads a function head up to its body.
#ifndef VOK_ANALYSER_PARSER_H
#define VOK_ANALYSER_PARSER_H

#include <cstdio>

const int class_cap = 20;
const int class_name_size = 101;
const int func_name_size = 256;
const int begin_cap = 1000;

struct class_level {
    char name[class_name_size];
    int start;
    int kind;      // 0 a named or anonymous class, 1 named by its declarators, 2 a namespace
    int pending;   // still to be written into the reference list
    int anon_no;   // -1 a named level
};

extern class_level class_stack[class_cap + 2];  // levels 1 .. 20 (one more is filled and refused)
extern int class_depth;
extern int anon_count;
extern int begin_line;
extern int func_line[2];
extern char func_name[2][func_name_size];
extern int prev_class_depth;
extern int head_static;  // the last head began with "static"
extern FILE *tag_fp;     // the open tag file, or null

// -1 end of input, 0 a function head follows, 1 a declaration was read,
// 2 a named scope opened, 3 an anonymous class opened, 5 an extern "C"
// block opened, 7 a 21st nested level was refused.
int parse_declaration();
int parse_func_head(int *head, int slot);
int check_begin_end(const char *token);
int reset_begin_end();
int begin_count();
int is_decl_list();
// True when an open class level is an anonymous class.
bool any_anonymous_level();
const char *quote_prefix(int n);
const char *colon_prefix(int n);

#endif
