// The analyser's command-line main "vokanal" and the helpers that undo the
// name decorations of its tag files.
#ifndef VOK_ANALYSER_ANAL_MAIN_H
#define VOK_ANALYSER_ANAL_MAIN_H

#include <cstdio>

extern int anal_first_run;
extern int ref_next_line;
extern int ref_header_due;
extern int extern_depth;

// One analyser run over the files and options of argv: 0 done, -1 a source
// ended inside a class, anal_output_failed (analyser/result_files.h) when an
// output file could not be written (a box said which; its old file stays).
int anal_main(int argc, char **argv);

// Reference lists: whether line n is a hit, the header and class lines due
// before a hit, the lines due before line limit, and the open list.
int is_ref_hit(int n);
void write_due_lines();
void report_pending_before(int limit);
FILE *ref_list();
int is_source_file(const char *name);
int anal_enabled();
int print_usage();
int get_grid_origin(int *x, int *y);
int ref_line_hit(int n, const char *key);
int count_trailing_quotes(const char *s);
int count_leading_quotes(const char *s);
int cmp_unquoted(const char *s, const char *t);

#endif
