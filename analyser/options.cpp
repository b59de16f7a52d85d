// Option defaults.
#include "analyser/options.h"

#include "shell/text.h"

char opt_o_file[opt_name_size] = "voktavir.tag";
char opt_d_file[opt_name_size] = "variable.def";
int opt_x;
int opt_y;
int opt_w = 13;
int opt_h = 20;
int opt_p;
int opt_start_line = 1;
int opt_end_line;
int opt_i;
int opt_r;

int reset_options()
{
    copy_bounded(opt_o_file, sizeof opt_o_file, "voktavir.tag");
    copy_bounded(opt_d_file, sizeof opt_d_file, "variable.def");
    opt_x = 0;
    opt_y = 0;
    opt_w = 13;
    opt_h = 20;
    opt_p = 0;
    opt_start_line = 1;
    opt_end_line = 0;
    opt_i = 0;
    opt_r = 0;
    return 0;
}
