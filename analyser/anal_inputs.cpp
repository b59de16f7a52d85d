// The analyser's inputs from the screens.
#include "analyser/anal_inputs.h"

int range_start;
int range_end;
int range_stop_at_decl;
int anon_class_line = -1;
char ref_file[ref_file_size];
int ref_line = -1;
int ref_down;
int tree_mode;
int step_mode;
int g_entry;
int list_entry_line;
int range_run_flag;
int tree_extract;

int reset_anal_inputs()
{
    range_start = 0;
    range_end = 0;
    range_stop_at_decl = 0;
    anon_class_line = -1;
    ref_file[0] = '\0';
    ref_line = -1;
    ref_down = 0;
    tree_mode = 0;
    step_mode = 0;
    g_entry = 0;
    list_entry_line = 0;
    range_run_flag = 0;
    tree_extract = 0;
    return 0;
}
