// The analyser's command-line options, set to their defaults at the start
// of every run.
#ifndef VOK_ANALYSER_OPTIONS_H
#define VOK_ANALYSER_OPTIONS_H

const int opt_name_size = 512;

extern char opt_o_file[opt_name_size];  // tag file; empty: no tag file, no "define.txt"
extern char opt_d_file[opt_name_size];  // environment definitions; empty: none
extern int opt_x;
extern int opt_y;
extern int opt_w;
extern int opt_h;
extern int opt_p;
extern int opt_start_line;
extern int opt_end_line;
extern int opt_i;   // function-list mode
extern int opt_r;   // reference mode

int reset_options();

#endif
