// Flow-node records: construction from template runs, navigation, captions.
#include "analyser/flow_nodes.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "analyser/anal_host.h"
#include "analyser/failures.h"
#include "analyser/flow_grid.h"
#include "analyser/startup_tables.h"
#include "shell/codeout.h"
#include "shell/sjis.h"
#include "shell/text.h"
#include "shell/trace_log.h"

cb *cbp[cb_cap];
int cb_num;
int cur_cb = -2;
int last_caption_code;
int flow_wide;

#define PIECES_INIT { \
    {"    ", "1111", "～～", "-─-", "4444", " ┌-", "-┐ ", "-┬-", "....", " └-", "-┘ ", "-┴-", " │ ", " ├-", \
     "-┤ ", "-┼-", "%3d^", "%3dv", ">%-3d", "逆戻", "%3d%c"}, \
    {"      ", "111111", "～～～", "━━━", "444444", "  ┏━", "━┓  ", "━┳━", "......", "  ┗━", "━┛  ", "━┻━", \
     "  ┃  ", "  ┣━", "━┫  ", "━╋━", "%3d↑ ", "%3d↓ ", "━>%-3d", "逆戻る", "%3d%c%c%c"}, \
}

namespace {

const char original_pieces[2][piece_count][piece_size] = PIECES_INIT;
int cbp_rows;  // every record of cbp stands below this row

}  // namespace

char flow_pieces[2][piece_count][piece_size] = PIECES_INIT;
const char (*caption_tbl)[piece_size] = flow_pieces[0];

#define R(t, m, n, disp, branch) {t, m, (unsigned char)(disp), n, branch, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}

const cb tpl_head[4] = {
    R(kind_head, mode_loop_test, next_by_mode, 0, 1),
    R(kind_head, mode_action, next_index, 0, 0),
    R(kind_head, mode_container, next_index, 0, 0),
    R(kind_head, mode_end, next_by_mode, 0, 0)
};
const cb tpl_block[1] = {R(kind_slot, mode_container, next_index, 0, 0)};
const cb tpl_break[1] = {R(kind_break, mode_action, next_by_mode, 0, 0)};
const cb tpl_continue[1] = {R(kind_continue, mode_leave, next_by_mode, 0, 0)};
const cb tpl_goto[1] = {R(kind_goto, mode_container, next_by_mode, 0, 0)};
const cb tpl_return[1] = {R(kind_return, mode_leave, next_by_mode, 0, 0)};
const cb tpl_exit[1] = {R(kind_else, mode_leave, next_by_mode, 0, 0)};
const cb tpl_abort[1] = {R(kind_abort, mode_leave, next_by_mode, 0, 0)};
const cb tpl_do[4] = {
    R(kind_do, mode_placeholder, next_index, disp_loop_head, 0),
    R(kind_do, mode_container, next_index, disp_loop_body, 0),
    R(kind_do, mode_leave, next_index, 0, -2),
    R(kind_do, mode_end, next_by_mode, 0, 0)
};
const cb tpl_for[5] = {
    R(kind_for, mode_action, next_index, 0, 0),
    R(kind_for, mode_loop_test, next_index, disp_loop_head, 3),
    R(kind_for, mode_container, next_index, disp_loop_body, 0),
    R(kind_for, mode_leave, next_by_mode, 0, -2),
    R(kind_for, mode_end, next_by_mode, 0, 0)
};
#define LOOP4(k) { \
    R(k, mode_loop_test, next_index, disp_loop_head, 3), \
    R(k, mode_container, next_index, disp_loop_body, 0), \
    R(k, mode_leave, next_by_mode, 0, -2), \
    R(k, mode_end, next_by_mode, 0, 0)}
const cb tpl_while[4] = LOOP4(kind_while);
const cb tpl_try[4] = LOOP4(kind_try);
const cb tpl_catch[4] = LOOP4(kind_catch);
const cb tpl_sync[4] = LOOP4(kind_sync);
const cb tpl_finally[4] = LOOP4(kind_finally);
#define IF5 { \
    R(kind_if, mode_decision, next_index, 0, 3), \
    R(kind_if, mode_container, next_index, 0, 0), \
    R(kind_if, mode_end, next_by_mode, 0, 0), \
    R(kind_if, mode_placeholder, next_index, 0, 0), \
    R(kind_if, mode_end, next_by_mode, 0, 0)}
const cb tpl_if[5] = IF5;
const cb tpl_elseif[5] = IF5;
const cb tpl_else[3] = {
    R(kind_else, mode_placeholder, next_index, 0, 0),
    R(kind_else, mode_container, next_index, 0, 0),
    R(kind_else, mode_end, next_by_mode, 0, 0)
};
const cb tpl_switch_head[1] = {R(kind_case, mode_container, next_by_mode, 0, 2)};
const cb tpl_case[2] = {
    R(kind_case, mode_container, next_by_mode, 0, 2),
    R(kind_abort, mode_decision, next_index, 0, 0)
};
const cb tpl_default[2] = {
    R(kind_case, mode_container, next_by_mode, 0, 2),
    R(kind_default, mode_decision, next_index, 0, 0)
};
const cb tpl_switch_end[3] = {
    R(kind_else, mode_end, next_by_mode, 0, 0),
    R(kind_else, mode_placeholder, next_index, 0, 0),
    R(kind_else, mode_end, next_by_mode, 0, 0)
};
const cb tpl_switch_end_default[1] = {R(kind_else, mode_end, next_by_mode, 0, 0)};
const cb tpl_other[1] = {R(kind_single, mode_action, next_by_mode, 0, 0)};

#undef R
#undef PIECES_INIT
#undef LOOP4
#undef IF5

namespace {

void node_stop(const cb *run, int n, int parent, int code)
{
    dev_printf("get_cb(num(%d:%c%c%c[%s]) was called by illegal parent(%d) cb_num(%d) cb_size(%d)\n", n, run[0].t,
               run[0].m, run[0].n, disp_bits_str(run[0].disp), parent, cb_num, cb_size);
    anal_trace_on = 1;
    anal_abort(code);
}

void node_overflow()
{
    dev_printf("メモリが確保出来ません cb_num(%d)\n", cb_num);
    anal_trace_on = 1;
    anal_fail_hard_text(555);
}

bool is_goto(const cb *c) { return c->t == kind_goto && c->m == mode_container; }

}  // namespace

int get_cb(int n, const cb *run, int parent, int *out_x)
{
    if (parent < -1 || parent >= cb_num) node_stop(run, n, parent, 1);
    if (cb_num + n > cb_cap) node_overflow();
    for (int k = 0; k < n; ++k) {
        cb *slot = cb_row(cb_num + k);
        if (slot == nullptr) {
            dev_printf("メモリが確保出来ません cb_num(%d)\n", cb_num);
            anal_trace_on = 1;
            anal_abort(666);
        }
        *slot = run[k];
    }
    *out_x = -888;
    for (int k = 0; k < n; ++k) {
        const int i = cb_num + k;
        cb *c = cbp[i];
        if (c->m == mode_container) *out_x = i;
        if (c->branch != 0) c->branch += i;
        c->parent = c->parent != 0 ? c->parent + i : parent;
    }
    if (parent >= 0 && cbp[parent]->branch == 0) cbp[parent]->branch = cb_num;
    const int first = cb_num;
    cb_num += n;
    return first;
}

bool valid_cb(int i) { return i >= 0 && i < cb_num && cbp[i] != nullptr; }

int next_cb(int i)
{
    if (!valid_cb(i)) return -1;
    const cb *c = cbp[i];
    int j;
    if (c->n == next_index) j = i + 1;
    else if (c->n == next_branch) j = c->branch;
    else if (is_goto(c)) j = i;
    else return c->m == mode_action || c->m == mode_container || c->m == mode_own_records ? c->parent : -1;
    if (!valid_cb(j)) return -1;
    if (cbp[j]->m == mode_end) return cbp[j]->parent;
    for (int steps = 0; steps < cb_num && valid_cb(j); ++steps) {
        if (cbp[j]->m == mode_container) {
            j = cbp[j]->branch;  // a goto drawn in line leads on to its target
        } else if (cbp[j]->m == mode_own_records) {
            ++j;
            if (valid_cb(j) && is_goto(cbp[j])) return j;
        } else {
            return j;
        }
    }
    return valid_cb(j) ? j : -1;
}

int next_visible_cb(int i)
{
    for (int steps = 0; valid_cb(i) && cbp[i]->fold; ++steps) {
        if (steps >= cb_num) return -1;
        i = cbp[i]->parent;
    }
    if (!valid_cb(i)) return -1;
    int j = i;
    for (int steps = 0; steps <= cb_num; ++steps) {
        j = next_cb(j);
        if (!valid_cb(j)) return -1;
        const cb *c = cbp[j];
        const bool container = c->m == mode_container && c->t != kind_slot && c->t != kind_head && c->t != kind_goto;
        const bool placeholder = c->t == kind_case && c->m == mode_placeholder;
        if (!container && !placeholder) return j;
    }
    return -1;
}

int branch_target_cb(int i)
{
    if (!valid_cb(i) || cbp[i]->fold || (cbp[i]->m != mode_decision && cbp[i]->m != mode_loop_test)) return -1;
    int b = cbp[i]->branch;
    if (!valid_cb(b)) return -1;
    if (cbp[b]->m == mode_end) return cbp[b]->parent;
    for (int steps = 0; steps < cb_num && valid_cb(b); ++steps) {
        if (cbp[b]->m == mode_container) b = cbp[b]->branch;
        else if (cbp[b]->m == mode_own_records) ++b;
        else return b;
    }
    return -1;
}

int loop_back_cb(int i)
{
    if (!valid_cb(i) || cbp[i]->t == kind_do) return -1;
    const cb *c = cbp[i];
    if (flow_wide && c->m == mode_leave && (c->t == kind_for || c->t == kind_while)) {
        const int b = branch_target_cb(i - 2);
        return valid_cb(b) && cbp[b]->m == mode_own_records ? next_visible_cb(b) : b;
    }
    if (c->m != mode_leave && c->m != mode_break) return -1;
    int j = c->parent;
    for (int steps = 0; valid_cb(j) && steps < cb_num; ++steps) {
        if (cbp[j]->disp & disp_loop_body) return j + 1;
        j = cbp[j]->parent;
    }
    return -1;
}

const char *cb_caption(int i)
{
    static char text[64];
    if (i < -15) anal_abort(55);
    if (i < 0) return caption_tbl[-i];
    if (!valid_cb(i)) return caption_tbl[0];
    const cb *c = cbp[i];
    const int code = c->disp & disp_caption;
    if (code >= 1 && code <= 14 && (c->disp & disp_loop_head) == 0) {
        last_caption_code = code;
        return caption_tbl[code];
    }
    last_caption_code = 0;
    if (caption_tbl == flow_pieces[0]) snprintf(text, sizeof text, "%3d%c", i, swap_case_ascii(c->t));
    else snprintf(text, sizeof text, "%3d%c%c%c", i, c->t, c->m, c->n);
    return text;
}

int set_cb_caption_code(int i, int code)
{
    if (!valid_cb(i)) return 1;
    cbp[i]->disp &= disp_flags;
    if (code < 0) cbp[i]->disp |= (unsigned char)(-code & disp_caption);
    return 0;
}

int add_cb_caption_code(int i, int code)
{
    if (!valid_cb(i)) return 1;
    if (code < 0 && (cbp[i]->disp & disp_caption) != 0) cbp[i]->disp |= (unsigned char)(-code & disp_caption);
    return 0;
}

const char *disp_bits_str(int disp)
{
    static char text[9];
    const char *letters = "LRCBudlr";
    for (int b = 0; b < 8; ++b) text[b] = (disp & (0x80 >> b)) ? letters[b] : '.';
    text[8] = '\0';
    return text;
}

int clear_cur_cb()
{
    cur_cb = -2;
    return 0;
}

int cur_cb_line()
{
    if (cb_num == 0) return -1;
    if (cur_cb < 0) return -2;
    if (cur_cb >= cb_num) return -3;
    return cbp[cur_cb]->sline;
}

int clear_cb_num()
{
    cb_num = 0;
    return 0;
}

int flow_reset()
{
    clear_cb_num();
    clear_cur_cb();
    code_mark_clear();
    redraw_flow();
    return 0;
}

int get_cb_num() { return cb_num; }

cb *cb_row(int i)
{
    if (i < 0 || i >= cb_cap) return nullptr;
    if (cbp[i] == nullptr) cbp[i] = (cb *)malloc(sizeof(cb));
    if (cbp[i] != nullptr && i >= cbp_rows) cbp_rows = i + 1;
    return cbp[i];
}

int clear_cbp()
{
    for (int i = 0; i < cbp_rows; ++i) cbp[i] = nullptr;
    cbp_rows = 0;
    return 0;
}

int free_cb_records()
{
    for (int i = 0; i < cbp_rows; ++i) {
        free(cbp[i]);
        cbp[i] = nullptr;
    }
    cbp_rows = 0;
    cb_num = 0;
    return 0;
}

int free_connector_records()
{
    const int base = cb_base_num < 0 ? 0 : cb_base_num;
    for (int i = base; i < cb_num; ++i) {
        free(cbp[i]);
        cbp[i] = nullptr;
    }
    if (cb_num > base) cb_num = base;
    return 0;
}

int node_header_str(char *buffer, int size)
{
    copy_bounded(buffer, (size_t)size, "   no tmn branch parent     disp sline eline     x     y    yy ct r_num  roof");
    return 0;
}

int node_row_str(char *buffer, int size, int i)
{
    if (!valid_cb(i)) return 1;
    const cb *c = cbp[i];
    snprintf(buffer, (size_t)size, "%5d %c%c%c  %5d  %5d %8s %5d %5d %5d %5d %5d %2d %5d %5d", i, c->t, c->m, c->n,
             c->branch, c->parent, disp_bits_str(c->disp), c->sline, c->eline, c->x, c->y, c->yy, c->ct, c->r_num,
             c->roof);
    return 0;
}

int reset_flow_pieces()
{
    memcpy(flow_pieces, original_pieces, sizeof flow_pieces);
    caption_tbl = flow_pieces[0];
    return 0;
}

int select_pieces(int wide)
{
    caption_tbl = flow_pieces[wide ? 1 : 0];
    return 0;
}

int use_pc98_pieces()
{
    static const unsigned char trails[] = {0xA2, 0xA4, 0xAE, 0xB2, 0xBA, 0xB6, 0xBE, 0xCE, 0xC6, 0xD6, 0xDE,
                                           0xA3, 0xA5, 0xB1, 0xB5, 0xBD, 0xB9, 0xC5, 0xD5, 0xCD, 0xDD, 0xED};
    for (auto &set : flow_pieces) {
        for (auto &piece : set) {
            for (unsigned char *p = (unsigned char *)piece; *p != '\0'; ++p) {
                if (p[0] == 0x84 && p[1] >= 0x9F && p[1] <= 0xB4) {
                    p[0] = 0x86;
                    p[1] = trails[p[1] - 0x9F];
                    ++p;
                } else if (is_sjis_lead(p[0]) && p[1] != '\0') {
                    ++p;
                }
            }
        }
    }
    return 0;
}
