// The analyser's inputs from the screens.
#include "analyser/anal_inputs.h"

int flow_start_line;
int anal_end_line;
int flow_decl_flag;
int flow_anon_line = -1;
char ref_file[ref_file_size];
int ref_line = -1;
int ref_down;
int tree_mode;
int step_mode;
int g_entry;
int list_entry_line;
int flow_anon_func_flag;
int tree_extract;

int reset_anal_inputs()
{
    flow_start_line = 0;
    anal_end_line = 0;
    flow_decl_flag = 0;
    flow_anon_line = -1;
    ref_file[0] = '\0';
    ref_line = -1;
    ref_down = 0;
    tree_mode = 0;
    step_mode = 0;
    g_entry = 0;
    list_entry_line = 0;
    flow_anon_func_flag = 0;
    tree_extract = 0;
    return 0;
}
