// The FLOW code pane and the pickers (see flow_code.h).  Each print is
// recorded as a CODE mark keyed by the box's cell; the mark table removes
// the earlier print when the same box is shown again.
#include "trees/flow_code.h"

#include <cstring>

#include "analyser/anal_host.h"
#include "analyser/anal_main.h"
#include "analyser/flow_extract.h"
#include "analyser/flow_grid.h"
#include "analyser/flow_nodes.h"
#include "analyser/lexer.h"
#include "analyser/options.h"
#include "analyser/preproc.h"
#include "analyser/range_labels.h"
#include "analyser/search_keys.h"
#include "analyser/source_load.h"
#include "analyser/wordattr.h"
#include "shell/codeout.h"
#include "shell/msgbox.h"
#include "shell/sjis.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "trees/flow_rules.h"
#include "trees/func_list.h"
#include "trees/tree_form.h"

int code_cb;
int (*flow_invert_cell)(int column, int row);
int (*flow_mark_node)(int node);

namespace {

const int short_columns = 20;    // ext -1 cuts lines here
const int tab_width = 4;
const int picker_levels = 10;    // parenthesis levels the call picker follows
const int abox_cap = 100;        // pointer-argument positions of one level
const char mark_selected[] = "▲";
const char mark_hit[] = "●";
const char branch_kinds[] = "AIaiTt";  // nodes whose branches ext 1 prints

char line_buf[flow_line_size];

char swapped_kind(int n)
{
    const char t = cbp[n]->t;
    if (t >= 'a' && t <= 'z') return (char)(t - 'a' + 'A');
    if (t >= 'A' && t <= 'Z') return (char)(t - 'A' + 'a');
    return t;
}

int invert(int c, int r) { return flow_invert_cell != nullptr ? flow_invert_cell(c, r) : 0; }

void put(win_handle edit, const char *text) { window_text_append(edit, text); }

// A formatted line with its final "\n" turned into "\r\n".
void put_line(win_handle edit, const char *text)
{
    char buf[flow_line_size + 64];
    copy_bounded(buf, sizeof buf - 2, text);
    size_t n = strlen(buf);
    if (n > 0 && buf[n - 1] == '\n') buf[--n] = '\0';
    memcpy(buf + n, "\r\n", 3);
    put(edit, buf);
}

int plain_mark(int32_t start) { return code_mark_add(0, 0, 0, start); }

void table_row(win_handle edit, int n, bool header)
{
    char row[1024];
    if (header) {
        node_header_str(row, sizeof row);
        put(edit, row);
        put(edit, "\r\n");
    }
    node_row_str(row, sizeof row, n);
    put(edit, row);
    format_text(row, sizeof row, " first(%d) second(%d) third(%d)\r\n", next_visible_cb(n), branch_target_cb(n),
                loop_back_cb(n));
    put(edit, row);
}

bool line_marked_hit(int line) { return line >= 0 && line <= line_cap && memcmp(line_mark[line], mark_hit, 2) == 0; }

// The lines of node n.
void print_lines(win_handle edit, int n, int ext, int mode)
{
    const cb *c = cbp[n];
    if (c->sline < 1) {
        if (ext == ext_plain) put(edit, "***no code data***\r\n");
        return;
    }
    if (ext == ext_plain && mode == pane_show) cur_cb = n;
    char text[flow_line_size + 64];
    for (int line = c->sline; line <= c->eline && line <= line_count && line <= line_cap; ++line) {
        const char *label = nullptr, *mark = nullptr;
        range_label_text(line, &label, &mark);
        if (label[0] != '\0') {
            format_text(text, sizeof text, "%s      ----%s----\r\n", mark, label);
            put(edit, text);
            continue;
        }
        char m[3];
        copy_span(m, sizeof m, line_selected[line] ? mark_selected : line_mark[line], 2);
        const char *t = source_lines[line - 1];
        while (*t == ' ' || *t == '\t') ++t;
        if (ext == ext_branches && line == c->sline) format_text(text, sizeof text, "%s%4d%c:%.240s", m, n, swapped_kind(n), t);
        else if (ext == ext_branches) format_text(text, sizeof text, "%s     :%.240s", m, t);
        else format_text(text, sizeof text, "%s%5d:%.240s", m, line, flow_line_text(line, ext, t));
        put_line(edit, text);
    }
}

void fill_picker(win_handle picker, int n)
{
    const cb *c = cbp[n];
    if (opt_end_line > 0) list_box_identifiers(picker, 0);
    else if (is_form_active()) fill_call_picker(picker, c->sline, c->eline);
    else fill_call_picker2(picker, c->sline, c->eline);
}

int print_branches(win_handle edit, int n)
{
    if (strchr(branch_kinds, cbp[n]->t) == nullptr) return 0;
    int b = branch_target_cb(n);
    for (int steps = 0; valid_cb(b) && steps < cb_num; ++steps) {
        code_mark_close();
        const int32_t start = code_out_length();
        const int r = code_mark_add((uint32_t)cbp[b]->x, (uint32_t)cbp[b]->y, 1, start);
        if (r == 0 || r == 1) invert(cbp[b]->x, cbp[b]->y);
        print_lines(edit, b, ext_branches, pane_show);
        b = branch_target_cb(b);
    }
    code_mark_close();
    return 0;
}

// Steps the reader to the first line and calls step at every token up to
// the last line, while it answers true.
template <typename Step>
void scan_lines(int first, int last, Step step)
{
    if (line_count < 1) return;
    restore_defines();
    set_source_lines(line_count);
    cur_line = last_token_line = prev_token_line = 1;
    while (next_token() >= 0) {
        if (is_comment_token()) continue;
        if (last_token_line < first) continue;
        if (last_token_line > last) return;
        if (!step()) return;
    }
}

void picker_add(win_handle picker, const char *name)
{
    send_msg(picker, CB_INSERTSTRING, (uintptr_t)-1, reinterpret_cast<intptr_t>(name));
}

bool picker_has(win_handle picker, const char *name)
{
    return send_msg(picker, CB_FINDSTRINGEXACT, (uintptr_t)-1, reinterpret_cast<intptr_t>(name)) >= 0;
}

// One parenthesis level of the call picker.
struct call_level {
    int commas;
    int npos;
    int pos[abox_cap];
};

// The tree form's answer: the current box must be name's box.
int tree_pointer_args(const char *name, int *count, int *list, int size)
{
    if (!is_cur_func(name)) return 1;
    ftree_abox(0, count, list, size);
    return 0;
}

}  // namespace

int (*pointer_arg_positions)(const char *name, int *count, int *list, int size) = tree_pointer_args;

int fill_flow_code(int x, int y, win_handle edit, int ext, win_handle picker, int mode)
{
    code_cb = sel_cb = cur_cb = -1;
    if (anal_first_run || cb_num == 0) return 0;
    clear_range_shown();
    const int32_t start = code_out_length();
    char text[256];
    const bool table = mode == pane_table_head || mode == pane_table_row;
    if (table && ext >= 0) {
        if (ext < cb_num && valid_cb(ext)) {
            table_row(edit, ext, mode == pane_table_head);
        } else {
            format_text(text, sizeof text, " given table_index(%d) is too large to max(%d)\r\n", ext, cb_num);
            put(edit, text);
        }
        plain_mark(start);
        return 0;
    }
    int c = 0, r = 0;
    const int hit = flow_hit(x, y, &c, &r);
    if (hit != hit_on_chart) {
        format_text(text, sizeof text, hit == hit_off_column ? "x(%d)\r\n" : "y(%d)\r\n", hit == hit_off_column ? c : r);
        put(edit, text);
        plain_mark(start);
        return -1;
    }
    if (ext != ext_branches) {
        const int added = code_mark_add((uint32_t)c, (uint32_t)r, 1, start);
        if (added == 1) invert(c, r);
        if (added != 0) return -1;
        invert(c, r);
    }
    const int n = flow_grid[r] != nullptr ? flow_grid[r][c] : -1;
    if (n < 0 || !valid_cb(n)) {
        if (n < 0) format_text(text, sizeof text, "idx(%d)\r\n", n);
        else format_text(text, sizeof text, "cbp[%d] == 0 x(%d) y(%d)\r\n", n, c, r);
        put(edit, text);
        code_mark_close();
        return -1;
    }
    if (table) {
        table_row(edit, n, mode == pane_table_head);
        code_mark_close();
        return 0;
    }
    if (ext == ext_branches) return print_branches(edit, n);
    if (mode >= pane_show_mark && flow_mark_node != nullptr) flow_mark_node(n);
    format_text(text, sizeof text, "----------------------------(%4d%c)-----------------------------------------\n", n,
                swapped_kind(n));
    put_line(edit, text);
    if (cbp[n]->sline >= 1) {
        code_cb = n;
        fill_picker(picker, n);
    }
    print_lines(edit, n, ext, mode);
    code_mark_close();
    return 0;
}

const char *flow_line_text(int line, int ext, const char *text)
{
    const bool cut = ext == ext_short && (line < 0 || !line_marked_hit(line));
    size_t n = 0;
    int column = 0;
    for (const char *p = text; *p != '\0'; ++p) {
        if (cut && column >= short_columns) break;
        const unsigned char b = (unsigned char)*p;
        if (b == '\t') {
            const int pad = tab_width - column % tab_width;
            if (n + (size_t)pad >= sizeof line_buf) break;
            for (int i = 0; i < pad; ++i) line_buf[n++] = ' ';
            column += pad;
        } else if (is_kanji1(b)) {
            if (p[1] == '\0' || n + 2 >= sizeof line_buf) break;
            line_buf[n++] = *p++;
            line_buf[n++] = *p;
            column += 2;
        } else if (bracket_flag && (b == '[' || b == ']')) {
            const char *wide = b == '[' ? "［" : "］";
            if (n + 2 >= sizeof line_buf) break;
            line_buf[n++] = wide[0];
            line_buf[n++] = wide[1];
            column += 2;
        } else {
            if (n + 1 >= sizeof line_buf) break;
            line_buf[n++] = *p;
            ++column;
        }
    }
    line_buf[n] = '\0';
    return line_buf;
}

int dump_cb_to_edit(win_handle edit)
{
    const int32_t start = code_out_length();
    char row[1024];
    node_header_str(row, sizeof row);
    put(edit, row);
    put(edit, "\r\n");
    for (int i = 0; i < cb_num; ++i) {
        if (valid_cb(i)) table_row(edit, i, false);
    }
    plain_mark(start);
    return 0;
}

int list_box_identifiers(win_handle picker, int mode)
{
    if (valid_cb(code_cb)) pick_identifiers(picker, cbp[code_cb]->sline, cbp[code_cb]->eline, mode);
    return 0;
}

int fill_call_picker2(win_handle picker, int first, int last)
{
    send_msg(picker, CB_RESETCONTENT, 0, 0);
    char prev[key_token_size] = "";
    scan_lines(first, last, [&]() {
        if (is("(") && starts_name(prev) && classify_name(prev) != 0) picker_add(picker, prev);
        copy_bounded(prev, sizeof prev, cur_token);
        return true;
    });
    return 0;
}

int fill_call_picker(win_handle picker, int first, int last)
{
    send_msg(picker, CB_RESETCONTENT, 0, 0);
    static call_level levels[picker_levels + 1];
    int depth = 0;
    levels[0] = call_level{};
    char prev[key_token_size] = "";
    char candidate[key_token_size] = "";
    bool arg_start = false;
    scan_lines(first, last, [&]() {
        call_level &lv = levels[depth];
        const bool closes = is(")") || is(",");
        if (closes && candidate[0] != '\0') {
            for (int i = 0; i < lv.npos; ++i) {
                if (lv.pos[i] == lv.commas) picker_add(picker, candidate);
            }
        }
        candidate[0] = '\0';
        if (is("(")) {
            if (depth + 1 >= picker_levels) return false;
            call_level &next = levels[++depth];
            next = call_level{};
            if (starts_name(prev) && classify_name(prev) != 0) {
                if (pointer_arg_positions(prev, &next.npos, next.pos, abox_cap) != 0) picker_add(picker, prev);
            }
            arg_start = true;
        } else if (is(")")) {
            if (depth == 0) return false;
            --depth;
            arg_start = false;
        } else if (is(",")) {
            ++lv.commas;
            arg_start = true;
        } else {
            if (arg_start && starts_name(cur_token)) copy_bounded(candidate, sizeof candidate, cur_token);
            arg_start = false;
        }
        copy_bounded(prev, sizeof prev, cur_token);
        return true;
    });
    return 0;
}

int pick_identifiers(win_handle picker, int first, int last, int mode)
{
    send_msg(picker, CB_RESETCONTENT, 0, 0);
    bool met = false;
    scan_lines(first, last, [&]() {
        if (!starts_name(cur_token)) return true;
        if (mode == 1) {
            if (is_flow_keyword(cur_token)) return true;
            met = true;
            if (!picker_has(picker, cur_token)) picker_add(picker, cur_token);
        } else if (strcmp(cur_token, search_key.text) == 0) {
            met = true;
            send_msg(picker, WM_SETTEXT, 0, reinterpret_cast<intptr_t>(cur_token));
        }
        return true;
    });
    if (!met) send_msg(picker, WM_SETTEXT, 0, reinterpret_cast<intptr_t>(""));
    return 0;
}

int flow_code_reset()
{
    code_cb = -1;
    flow_invert_cell = nullptr;
    flow_mark_node = nullptr;
    return 0;
}
