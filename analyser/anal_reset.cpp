// The reset of the analyser's state to that of a fresh program.
#include "analyser/anal_reset.h"


#include "analyser/anal_inputs.h"
#include "analyser/anal_main.h"
#include "analyser/body_scan.h"
#include "analyser/calls.h"
#include "analyser/flow_extract.h"
#include "analyser/flow_grid.h"
#include "analyser/flow_nodes.h"
#include "analyser/includes.h"
#include "analyser/nesting.h"
#include "analyser/options.h"
#include "analyser/parser.h"
#include "analyser/preproc.h"
#include "analyser/range_labels.h"
#include "analyser/report.h"
#include "analyser/search_keys.h"
#include "analyser/source_load.h"
#include "analyser/startup_tables.h"
#include "analyser/steps.h"
#include "analyser/wordattr.h"
#include "shell/sjis.h"

int anal_reset()
{
    free_source();
    cur_file[0] = '\0';
    header_file = 0;
    load_cut = 0;
    clear_line_rows();
    d_num = 0;
    snapshot_num = 0;
    reset_reader();
    reader_lines = nullptr;
    reader_count = 0;
    inactive_label_mode = 2;
    clear_range_labels();
    static_line = 0;
    static_old_line = 0;
    static_cmd[0] = '\0';
    g_fileindex = 0;
    reset_options();
    reset_anal_inputs();
    anal_first_run = 1;
    ref_next_line = 1;
    ref_header_due = 1;
    extern_depth = 0;
    class_depth = 0;
    anon_count = 0;
    begin_line = -1;
    func_line[0] = func_line[1] = -1;
    func_name[0][0] = func_name[1][0] = '\0';
    prev_class_depth = -1;
    reset_begin_end();
    param_num = 0;
    prev_token[0] = '\0';
    call_tables_reset();
    clear_includes();
    set_search_key("");
    clear_multi_keys();
    for (int i = 0; i < word_list_count; ++i) word_list_num[i] = 0;
    free_cb_records();
    free_flow_grid();
    free_labels();
    cb_base_num = 0;
    sel_cb = -1;
    cur_cb = -2;
    last_caption_code = 0;
    flow_wide = 0;
    reset_flow_pieces();
    init_sjis_table();
    init_char_class();
    clear_step_records();
    nest_counting = 0;
    return 0;
}
