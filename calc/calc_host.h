// The interpreter's two hooks to the program that carries it, and its entry.
//
//   output hook     one finished text (its lines already end in "\r\n")
//   file-open hook  (name, mode) -> stream, or null
//
// VOKTAVIR binds code_print and dir_fopen, vokrun con_print and con_fopen, the
// tests a capture and a name-to-fixture map.  Unbound hooks drop the text and
// open nothing.  "excel.csv", "excel.csvW" and data files named without a
// folder-slot prefix do not go through the file-open hook: they open in the
// current directory through sys_fopen.
#ifndef VOK_CALC_CALC_HOST_H
#define VOK_CALC_CALC_HOST_H

#include <cstdio>

typedef int (*calc_print_hook)(const char *text);
typedef FILE *(*calc_fopen_hook)(const char *name, const char *mode);

// Binds both hooks (either may be null).
void calc_bind_hooks(calc_print_hook print, calc_fopen_hook open);
// Appends the names of the two hooks still unbound ("calc_hooks.print",
// "calc_hooks.open"), each followed by a blank, to out; their number.
int calc_hooks_unbound(char *out, size_t size);

// The values the interpreter starts the program with: tab width 4, tolerance
// 1e-6, registers 0, dumps off, the random sequence from its start.
void calc_program_start();

// Console rules of TITLE and of table headings (vokrun sets it; VOKTAVIR not).
extern int calc_console_rules;

// Runs one calculation file: 0 when it ran to its end, else the failed stage 1-14.
int run_calc_file(const char *path);

// Prints the external-function list through the output hook.
int print_ext_func_list();

// Program name and the date of the build's commit, for the banner and vokrun.
extern const char calc_program_name[];
extern const char calc_build_date[];

#endif
