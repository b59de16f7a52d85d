// What the calling screens set before they run the analyser, and the end
// line it gives back.
#ifndef VOK_ANALYSER_ANAL_INPUTS_H
#define VOK_ANALYSER_ANAL_INPUTS_H

const int ref_file_size = 512;

extern int flow_start_line;     // 0 before any range command; -1 a plain flow request
extern int anal_end_line;
extern int flow_decl_flag;
extern int flow_anon_line;      // -1 none
extern char ref_file[ref_file_size];
extern int ref_line;            // -1 none
extern int ref_down;            // 1 for a key ending in "↓"
extern int tree_mode;
extern int step_mode;
extern int g_entry;
// Until the LIST screen and the tree extraction exist these stay 0.
extern int list_entry_line;
extern int flow_anon_func_flag;
extern int tree_extract;

int reset_anal_inputs();

#endif
