// Flow-node records: the flat table of the flow chart of one function, the
// template runs that build it, the walks the FLOW screen uses, and the
// text pieces that draw it.
#ifndef VOK_ANALYSER_FLOW_NODES_H
#define VOK_ANALYSER_FLOW_NODES_H

#include <cstdint>

const int cb_cap = 10000;
const int cb_size = 44;  // the record size the messages print
const int piece_count = 21;
const int piece_size = 16;

struct cb {
    char t;               // kind letter
    char m;               // mode letter
    unsigned char disp;   // L R C B flags and the caption code
    char n;               // next letter: '>' index + 1, '^' branch, '-' by m
    int32_t branch;
    int32_t parent;
    int32_t sline;
    int32_t eline;
    int32_t x;
    int32_t y;
    int32_t yy;
    int32_t ct;
    int32_t r_num;
    uint8_t fold;
    char saved_t;
    char saved_m;
    unsigned char saved_disp;
    int32_t roof;
};

extern cb *cbp[cb_cap];
extern int cb_num;
extern int cur_cb;
extern int last_caption_code;
extern char flow_pieces[2][piece_count][piece_size];  // narrow, wide
extern const char (*caption_tbl)[piece_size];

// Template runs.
extern const cb tpl_head[4], tpl_block[1], tpl_break[1], tpl_continue[1], tpl_goto[1], tpl_return[1];
extern const cb tpl_exit[1], tpl_abort[1], tpl_do[4], tpl_for[5], tpl_while[4], tpl_try[4], tpl_catch[4];
extern const cb tpl_sync[4], tpl_finally[4], tpl_if[5], tpl_elseif[5], tpl_else[3], tpl_switch_head[1];
extern const cb tpl_case[2], tpl_default[2], tpl_switch_end[3], tpl_switch_end_default[1], tpl_other[1];

int get_cb(int n, const cb *run, int parent, int *out_x);
// True when i names a filled record of the table.
bool valid_cb(int i);
int next_cb(int i);
int next_visible_cb(int i);
int branch_target_cb(int i);
int loop_back_cb(int i);
const char *cb_caption(int i);
int set_cb_caption_code(int i, int code);
int add_cb_caption_code(int i, int code);
const char *disp_bits_str(int disp);
int clear_cur_cb();
int cur_cb_line();
int clear_cb_num();
// Starts the FLOW screen afresh: the node table emptied, no node selected,
// the CODE mark table emptied, FLOW redrawn.  The generators call it too.  0.
int flow_reset();
int get_cb_num();
// Record i of cbp, allocated when its row is empty; null for a row outside
// the table or when memory ran out.  Every record is allocated here.
cb *cb_row(int i);
int clear_cbp();
int free_cb_records();
// Frees the connector records behind the chart's own records, empties their
// slots and cuts cb_num back to cb_base_num.
int free_connector_records();
int node_header_str(char *buffer, int size);
int node_row_str(char *buffer, int size, int i);
int select_pieces(int wide);
int use_pc98_pieces();
int reset_flow_pieces();  // the pieces of a fresh program

extern int flow_wide;

#endif
