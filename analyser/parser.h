// The declaration and function-head parser: reads one declaration at file
// or class scope and decides whether a function definition follows, and
// reads a function head up to its body.
#ifndef VOK_ANALYSER_PARSER_H
#define VOK_ANALYSER_PARSER_H

#include <cstddef>
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

// What parse_declaration found.
enum decl_result {
    decl_end = -1,        // end of input
    decl_func_head = 0,   // a function head follows
    decl_read = 1,        // a declaration was read
    decl_scope = 2,       // a named scope opened
    decl_anon_class = 3,  // an anonymous class opened
    decl_extern_c = 5,    // an extern "C" block opened
    decl_too_deep = 7,    // a 21st nested level was refused
};
// Reads one construct of file scope or of a class body: a decl_result.
int parse_declaration();
int parse_func_head(int *head, int slot);
int check_begin_end(const char *token);
int reset_begin_end();
// Loads a file and sets up the parser for a walk of its file scope: 1, or
// 0 when it cannot be loaded.
int load_for_walk(const char *file);
int begin_count();
int is_decl_list();
// True when an open class level is an anonymous class.
bool any_anonymous_level();
const char *quote_prefix(int n);
const char *colon_prefix(int n);

// Where find_extends gave up.
enum extends_result {
    extends_found = 0,
    extends_empty = 1,               // no source is loaded
    extends_no_line = 2,             // the input ends before the line
    extends_no_class = 3,            // the class name does not follow
    extends_end_after_name = 4,
    extends_end_in_params = 5,       // inside the class's "<...>"
    extends_not_extends = 6,         // the next word is neither "extends" nor ":"
    extends_end_after_extends = 7,
    extends_end_after_access = 8,    // after "public", "protected", "private" or "virtual"
    extends_end_in_name = 9,         // inside the base name ("." or "::" parts)
    extends_end_in_base_params = 10, // inside the base's "<...>"
    extends_no_body = 11             // the input ends before "{"
};
// The base class of the class named in name: the loaded source is read
// again from the start, and at or after the line the name must be followed
// by "extends" (Java) or ":" (C++, over access words) and a base name, the
// last part of a qualified one, before a "{".  extends_found with the base
// in name (size bytes), else where it gave up.
int find_extends(int line, char *name, size_t size);

#endif
