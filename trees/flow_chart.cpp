// The flow chart's display list, the box of a line and the node links (see
// flow_chart.h).  Every paint refills the whole grid and re-routes the
// lines; a column or row outside the grid is never read, wherever the
// origin has been scrolled.
#include "trees/flow_chart.h"

#include <cstring>

#include "analyser/flow_grid.h"
#include "analyser/flow_nodes.h"
#include "analyser/flow_route.h"
#include "analyser/options.h"
#include "analyser/parser.h"
#include "analyser/source_load.h"
#include "shell/codeout.h"
#include "shell/text.h"
#include "trees/launch.h"

flow_item flow_items[flow_item_cap];
int flow_item_num;
int flow_last_row;
invalid_line invalid_lines[invalid_line_cap];
int invalid_line_num;

namespace {

// Slots of the caption table the paint uses.
const int slot_ruler = 0;    // its width sets the ruler's digits
const int slot_up = 16;      // "%3d^": a loop connector up to its parent
const int slot_down = 17;    // "%3dv": a loop connector down to its parent
const int slot_jump = 18;    // ">%-3d": a goto to its target
const int slot_back = 19;    // "逆戻": the loop-back mark

const unsigned char disp_chain_end = 0x40;  // ends a line chain
const unsigned char disp_chain_on = 0x03;   // both low bits: the chain goes on
const unsigned char disp_piece = 0x0f;      // the line-piece code of a connector node
const int piece_back = 2;                   // the loop-back mark's piece code
const int piece_branch_chain = 9;           // continues a branch chain
const int piece_box = 3;                    // a box without code
const int node_hit_skip = 2;                // the node that never takes the hit-line frame

const char mark_hit[] = "●";
const char mark_tree[] = "□";

bool on_grid(int c, int r) { return c >= 0 && c < grid_cols && r >= 0 && r < grid_rows; }

int grid_at(int c, int r) { return on_grid(c, r) && flow_grid[r] != nullptr ? flow_grid[r][c] : -1; }

bool placed(int i) { return valid_cb(i) && on_grid(cbp[i]->x, cbp[i]->y); }

// The visible columns: opt_x .. opt_x + opt_w - 1 inside the grid.
int first_col() { return opt_x < 0 ? 0 : opt_x; }
int end_col() { return opt_x + opt_w > grid_cols ? grid_cols : opt_x + opt_w; }

flow_item *add_item(int kind, int c, int r)
{
    if (flow_item_num >= flow_item_cap) return nullptr;
    flow_item *it = &flow_items[flow_item_num++];
    it->kind = kind;
    it->column = c;
    it->row = r;
    it->x = cell_w * (c - opt_x);
    it->y = cell_h * (r - opt_y) + title_band;
    it->code = 0;
    it->text[0] = '\0';
    return it;
}

void add_text_at(int x, int y, const char *text)
{
    if (flow_item_num >= flow_item_cap) return;
    flow_item *it = &flow_items[flow_item_num++];
    *it = flow_item{item_text, x, y, -1, -1, 0, ""};
    copy_bounded(it->text, sizeof it->text, text);
}

int last_row_used()
{
    for (int r = grid_rows - 1; r >= 0; --r) {
        for (int c = first_col(); c < end_col(); ++c) {
            if (grid_at(c, r) != -1) return r;
        }
    }
    return -1;
}

// A node's piece code: the low nibble of disp, when bit 0x40 is clear.
int node_piece(const cb *c) { return (c->disp & disp_chain_end) != 0 ? 0 : c->disp & disp_piece; }

// What node n's cell shows: its text, or a piece in *piece (text empty).
void node_look(int n, char *text, size_t size, int *piece)
{
    const cb *c = cbp[n];
    *piece = 0;
    text[0] = '\0';
    const bool jump = c->t == kind_loop_exit || (c->t == kind_goto && c->m == mode_leave);
    if (jump) format_text(text, size, caption_tbl[slot_jump], (int)c->branch);
    else if (c->t == kind_goto && c->m == mode_container) *piece = piece_arrow;
    else if (c->t == kind_link) copy_bounded(text, size, cb_caption(n));
    else if ((c->disp & disp_piece) == piece_back) format_text(text, size, caption_tbl[slot_back], (int)c->parent);
    else if (c->t == kind_up && c->m == mode_leave) format_text(text, size, caption_tbl[slot_up], (int)c->parent);
    else if (c->t == kind_down && c->m == mode_leave) format_text(text, size, caption_tbl[slot_down], (int)c->parent);
    else {
        const int k = node_piece(c);
        const bool stops = c->t == kind_break || c->t == kind_continue;
        if (k >= 1 && k <= 14) *piece = k == piece_box && stops ? piece_arrow : k;
        else copy_bounded(text, size, cb_caption(n));
    }
    if (*piece == 0 && c->eline < c->sline) {
        *piece = piece_box;
        text[0] = '\0';
    }
}

void paint_cell(int c, int r)
{
    const int v = grid_at(c, r);
    if (v == -1) return;
    if (v < 0) {
        flow_item *it = add_item(item_piece, c, r);
        if (it != nullptr) it->code = -v;
        return;
    }
    if (!valid_cb(v)) return;
    char text[flow_item_text_size];
    int piece = 0;
    node_look(v, text, sizeof text, &piece);
    if (piece != 0) {
        flow_item *it = add_item(item_piece, c, r);
        if (it != nullptr) it->code = piece;
        return;
    }
    flow_item *it = add_item(item_text, c, r);
    if (it != nullptr) copy_bounded(it->text, sizeof it->text, text);
    if (cbp[v]->fold != 0) add_item(item_fold, c, r);
}

// Rows from the origin; returns the y of the line after the last row and
// the last row drawn in *last.
int paint_rows(int *last)
{
    int y = title_band;
    *last = opt_y - 1;
    for (int r = opt_y; r <= flow_last_row && r <= opt_y + opt_h; ++r, y += cell_h) {
        *last = r;
        if (r < 0 || r >= grid_rows) continue;
        for (int c = first_col(); c < end_col(); ++c) paint_cell(c, r);
    }
    return y;
}

// The last digits of a number in ruler form: right-aligned in 10 places,
// blanks turned into "-", then the end mark.
void ruler_text(int number, char end, char *out, size_t size)
{
    char wide[16];
    format_text(wide, sizeof wide, "%10d", number);
    int digits = (int)strlen(caption_tbl[slot_ruler]) - 1;
    if (digits < 1) digits = 1;
    if (digits > 10) digits = 10;
    const char *tail = wide + strlen(wide) - digits;
    format_text(out, size, "%s%c", tail, end);
    for (char *p = out; *p != '\0'; ++p) {
        if (*p == ' ') *p = '-';
    }
}

void paint_ruler(int y, int last)
{
    char text[32];
    ruler_text(last, ':', text, sizeof text);
    add_text_at(0, y, text);
    for (int c = opt_x + 1; c < opt_x + opt_w; ++c) {
        ruler_text(c, '-', text, sizeof text);
        add_text_at(cell_w * (c - opt_x), y, text);
    }
}

bool line_has(int line, const char *mark)
{
    return line >= 1 && line <= line_count && line <= line_cap && memcmp(line_mark[line], mark, 2) == 0;
}

void frame(int n, int color)
{
    if (!placed(n)) return;
    const int c = cbp[n]->x, r = cbp[n]->y;
    if (c < opt_x || c >= opt_x + opt_w || r < opt_y || r > opt_y + opt_h) return;
    flow_item *it = add_item(item_frame, c, r);
    if (it != nullptr) it->code = color;
}

void frame_line(int line, int color)
{
    const int b = box_of_line(line);
    if (b >= 0) frame(b, color);
}

// The highest node (1 <= i < cb_num, not node 2) whose lines hold the line.
int hit_node(int line)
{
    for (int i = cb_num - 1; i >= 1; --i) {
        if (i != node_hit_skip && valid_cb(i) && cbp[i]->sline <= line && line <= cbp[i]->eline) return i;
    }
    return -1;
}

void paint_frames()
{
    if (opt_end_line < 1) {
        for (int line = 1; line <= line_count && line <= line_cap; ++line) {
            if (line_has(line, mark_tree)) frame_line(line, color_blue);
        }
    } else if (range_count() > 0) {
        if (valid_cb(1)) {
            for (int line = cbp[1]->sline; line <= cbp[1]->eline; ++line) {
                if (line_has(line, mark_hit)) {
                    frame(1, color_blue);
                    break;
                }
            }
        }
        for (int i = 0; i < range_count(); ++i) {
            const int line = range_line(i);
            if (line < 1 || line > line_cap) continue;
            put_line_mark(line, mark_hit);
            frame_line(line, color_blue);
        }
    }
    if (hit_line > 0) frame(hit_node(hit_line), color_red);
    for (int line = 1; line <= line_count && line <= line_cap; ++line) {
        if (line_selected[line]) frame_line(line, color_red);
    }
    if (valid_cb(sel_cb)) frame(sel_cb, color_red);
}

// The innermost node whose lines hold the line; -1 none.
int innermost(int line)
{
    int best = -1;
    for (int i = 0; i < cb_num; ++i) {
        if (!valid_cb(i) || cbp[i]->sline > line || line > cbp[i]->eline) continue;
        if (best < 0) {
            best = i;
            continue;
        }
        const cb *b = cbp[best], *c = cbp[i];
        const bool within = c->sline >= b->sline && c->eline <= b->eline;
        const bool equal = c->sline == b->sline && c->eline == b->eline;
        if (within && !equal) best = i;
    }
    return best;
}

// The visible twin of a box: the highest node of the same lines with a place and no piece.
int visible_twin(int box)
{
    const cb *b = cbp[box];
    for (int i = cb_num - 1; i >= 1; --i) {
        if (!valid_cb(i)) continue;
        const cb *c = cbp[i];
        if (c->sline == b->sline && c->eline == b->eline && c->y >= 0 && (c->disp & disp_piece) == 0) return i;
    }
    return -2;
}

// Segments of the links, in grid cells.
struct seg_sink {
    cell_seg *out;
    int cap, num;
    void add(int x0, int y0, int x1, int y1)
    {
        if (num < cap) out[num++] = cell_seg{x0, y0, x1, y1};
    }
};

int roof_depth(int h)
{
    int k = 0;
    for (int i = h; valid_cb(i) && k <= cb_num; i = cbp[i]->roof) ++k;
    return k;
}

void loop_back(seg_sink &s, int n, bool with_do)
{
    if (!valid_cb(n)) return;
    const cb *c = cbp[n];
    if (c->m != mode_leave || !(c->t == kind_while || c->t == kind_for || (with_do && c->t == kind_do))) return;
    const int h = c->branch;
    if (!valid_cb(h)) return;
    const cb *hb = cbp[h];
    const int row = hb->y - roof_depth(h);
    s.add(c->x, row, c->x, c->y);
    s.add(hb->x, row, c->x, row);
    s.add(hb->x, row, hb->x, hb->y);
}

void successor_chain(seg_sink &s, int from)
{
    int cur = from;
    int next = next_visible_cb(from);
    for (int steps = 0; valid_cb(next) && steps <= cb_num; ++steps) {
        const cb *a = cbp[cur], *b = cbp[next];
        s.add(a->x, a->y, b->x, a->y);
        s.add(b->x, a->y, b->x, b->y);
        loop_back(s, next, false);
        if ((b->disp & disp_chain_end) != 0 || (b->disp & disp_chain_on) != disp_chain_on) return;
        cur = next;
        next = next_visible_cb(next);
    }
}

}  // namespace

int paint_flow()
{
    flow_item_num = 0;
    if (cb_num == 0 || flow_grid[0] == nullptr) return 0;
    fill_flow_grid();
    route_flow_lines();
    flow_last_row = last_row_used();
    char title[160];
    format_text(title, sizeof title, "-----------------------(%-20s)-------------------------------", func_name[0]);
    add_text_at(0, 0, title);
    int last = 0;
    const int y = paint_rows(&last);
    paint_ruler(y, last);
    paint_frames();
    return flow_item_num;
}

int box_of_line(int line)
{
    const int box = innermost(line);
    return box < 0 ? -2 : visible_twin(box);
}

int check_entry_lines()
{
    invalid_line_num = 0;
    for (int i = 0; i < range_count(); ++i) {
        const int line = range_line(i);
        const int box = innermost(line);
        if (box < 0 || visible_twin(box) >= 0) continue;
        if (invalid_line_num >= invalid_line_cap) break;
        invalid_line &row = invalid_lines[invalid_line_num++];
        row.box = box;
        row.line = line;
        copy_bounded(row.name, sizeof row.name, range_name(i));
    }
    for (int i = 0; i < invalid_line_num; ++i) {
        const invalid_line &row = invalid_lines[i];
        char text[256];
        format_text(text, sizeof text, "%s (%d): ●無効行です BOX(%d) %d～%d\r\n", row.name, row.line, row.box,
                    (int)cbp[row.box]->sline, (int)cbp[row.box]->eline);
        code_print(text);
    }
    return invalid_line_num;
}

int jump_target_cb(int n)
{
    if (!valid_cb(n)) return -1;
    const cb *c = cbp[n];
    int t = -1;
    const bool loop_exit = c->t == kind_loop_exit || c->t == kind_loop_exit_entered;
    if (loop_exit || (c->t == kind_goto && c->m == mode_leave)) t = c->branch;
    else if (c->t == kind_up || c->t == kind_down) t = c->parent;
    for (int steps = 0; valid_cb(t) && !placed(t) && steps <= cb_num; ++steps) t = next_visible_cb(t);
    return placed(t) ? t : -1;
}

int cb_link_segments(int n, cell_seg *out, int cap)
{
    seg_sink s{out, cap, 0};
    if (!valid_cb(n)) return 0;
    const cb *c = cbp[n];
    loop_back(s, n, true);
    const int target = jump_target_cb(n);
    if (target >= 0 && c->x != 0 && c->y != 0) s.add(c->x, c->y, cbp[target]->x, cbp[target]->y);
    successor_chain(s, n);
    const int b = branch_target_cb(n);
    if (valid_cb(b)) {
        const cb *bb = cbp[b];
        s.add(c->x, c->y, c->x, bb->y);
        s.add(c->x, bb->y, bb->x, bb->y);
        loop_back(s, b, false);
        const bool goes_on = (bb->disp & disp_chain_end) == 0
                             && ((bb->disp & disp_piece) == piece_branch_chain || (bb->disp & disp_chain_on) == disp_chain_on);
        if (goes_on) successor_chain(s, b);
    }
    return s.num;
}

int flow_chart_reset()
{
    flow_item_num = 0;
    flow_last_row = -1;
    invalid_line_num = 0;
    return 0;
}
