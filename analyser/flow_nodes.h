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

// Kind letters (t); a kind is turned to lower case when a jump or break
// enters the node from outside its own flow.
const char kind_head = 'U';         // function head
const char kind_slot = 'X';         // statement slot of a block
const char kind_empty_block = 'K';  // owner of an empty block, unless the function head
const char kind_single = 'M';       // plain statement as the single body of a loop, if or else
const char kind_for = 'F';          // for
const char kind_while = 'W';        // while
const char kind_do = 'D';           // do
const char kind_try = 'Y';          // try, __try
const char kind_catch = 'H';        // catch, __except
const char kind_sync = 'Z';         // synchronized
const char kind_finally = 'N';      // finally, __finally
const char kind_if = 'I';           // if and else if
const char kind_else = 'E';         // else; end records of a switch; exit(
const char kind_switch = 'S';       // switch (its slot turned into S)
const char kind_case = '.';         // head of a switch, entry of each case, middle end of a caseless switch
const char kind_abort = 'A';        // abort(; the decision record of a case
const char kind_default = 'T';      // the decision record of default
const char kind_break = 'B';        // break (inside a switch: its own slot)
const char kind_loop_exit = 'P';    // break out of a loop; every goto after the first to one label
const char kind_loop_exit_entered = 'p';  // kind_loop_exit in lower case
const char kind_continue = 'C';     // continue
const char kind_goto = 'O';         // goto
const char kind_return = 'R';       // return
const char kind_link = 'G';         // connector of the line routing to a target
const char kind_down = 'd';         // connector of the line routing, downwards
const char kind_up = 'u';           // connector of the line routing, upwards

// Mode letters (m): how the successor and the branch of a node are found.
const char mode_container = 'x';    // the successor of a node leading here is the branch (first child)
const char mode_own_records = 'y';  // first child at index + 1; branch the next statement of the block
const char mode_action = 'a';       // successor by n; with n '-' the parent
const char mode_end = 'e';          // end of a construct: arriving here continues at the parent
const char mode_decision = 'd';     // if, else if, case, default: branch the next alternative
const char mode_loop_test = 'f';    // loop test (also try, catch, ...): branch the end of the construct
const char mode_leave = 'r';        // leaves its flow: return, exit, abort, loop step, connectors
const char mode_break = 'b';        // break out of a loop
const char mode_placeholder = '.';  // empty else, do head, switch end, owner of an empty block

// Next letters (n).
const char next_index = '>';    // the successor is the next record
const char next_branch = '^';   // the successor is the branch
const char next_by_mode = '-';  // the successor is found by the mode

// Bits of disp; the low nibble is the caption code of a connector.
const unsigned char disp_jump_target = 0x80;   // "L"
const unsigned char disp_loop_head = 0x40;     // "R"
const unsigned char disp_loop_body = 0x20;     // "C"
const unsigned char disp_break_target = 0x10;  // "B"
const unsigned char disp_flags = 0xF0;         // the four above
const unsigned char disp_caption = 0x0F;       // the caption code: bits u 8, d 4, l 2, r 1
const unsigned char disp_on_path = 0x01;       // the layout walks: on the current path

struct cb {
    char t;               // kind letter
    char m;               // mode letter
    unsigned char disp;   // L R C B flags and the caption code
    char n;               // next letter
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
