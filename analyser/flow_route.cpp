// Routing of the flow chart's lines.  Each link from a node to its
// successor or branch target is drawn as line pieces through empty cells;
// a line that runs into a foreign cell stops and leaves a connector record
// ('d' or 'u') in its last free cell, which the FLOW screen draws as a jump.
#include "analyser/flow_route.h"

#include <cstdlib>

#include "analyser/flow_nodes.h"
#include "analyser/flow_walk.h"
#include "analyser/options.h"
#include "analyser/startup_tables.h"

namespace {

const int no_cell = -1;

// The line being drawn: the node it leads to (-1 stops it), the last cell
// it placed, and the target of an upward run.
int cur_target = -1;
int last_column = no_cell;
int last_row = no_cell;
int cur_source = -1;

bool on_grid(int column, int row)
{
    return column >= 0 && column < grid_cols && row >= 0 && row < grid_rows && flow_grid[row] != nullptr;
}

// Kinds whose nodes take a place of their own: a placeholder record, a
// record that leaves its flow, and the targets a loop's line needs no way
// back to.
const char placed_placeholders[] = {kind_default, kind_head, kind_abort, '\0'};
const char placed_leaving[] = {kind_return, kind_else, kind_abort, kind_continue, kind_do, kind_goto, '\0'};
const char no_loop_back[] = {kind_return, kind_goto, kind_continue, kind_else, kind_abort, '\0'};

bool is_one_of(char c, const char *letters)
{
    for (; *letters != '\0'; ++letters) {
        if (*letters == c) return true;
    }
    return false;
}

bool is_lower(char c) { return c >= 'a' && c <= 'z'; }

bool is_connector(int i)
{
    return valid_cb(i) && (cbp[i]->t == kind_down || cbp[i]->t == kind_up) && cbp[i]->m == mode_leave &&
           cbp[i]->n == next_by_mode;
}

void remember(int column, int row)
{
    last_column = column;
    last_row = row;
}

void forget_last() { last_column = last_row = no_cell; }

int32_t &cell(int column, int row) { return flow_grid[row][column]; }

// The first node cell above the row in the column, -1 at the grid's edge.
int node_row_above(int column, int row)
{
    for (int r = row - 1; r >= 0; --r) {
        if (flow_grid[r] != nullptr && cell(column, r) >= 0) return r;
    }
    return -1;
}

// The first node cell right of the column in the row, -1 at the grid's edge.
int node_column_right(int column, int row)
{
    for (int c = column + 1; c < grid_cols; ++c) {
        if (cell(c, row) >= 0) return c;
    }
    return -1;
}

int roof_chain_length(int head)
{
    int k = 0;
    for (int v = head; valid_cb(v) && k <= cb_num; v = cbp[v]->roof) ++k;
    return k;
}

// The lane above a loop from its step record back to its head.
void route_loop_back(int step)
{
    const cb *s = cbp[step];
    const int head = s->branch;
    if (!valid_cb(head)) return;
    const cb *h = cbp[head];
    const int lane = h->y - roof_chain_length(head);
    if (lane < 0 || h->x < 0 || !on_grid(h->x, h->y) || !on_grid(h->x, lane)) return;
    cur_target = head;
    if (s->t == kind_do) forget_last();
    else remember(s->x, s->y);
    route_vertical(s->x, s->y, lane);
    route_corner(s->x, lane, -6);
    route_horizontal(s->x, h->x, lane);
    route_corner(h->x, lane, -5);
    route_vertical(h->x, lane, h->y);
    if (cell(h->x, h->y) == -3) cell(h->x, h->y) = -11;
}

void route_backward(int from, int to)
{
    cb *f = cbp[from];
    if (f->x + 1 < grid_cols && cell(f->x + 1, f->y) == -1) {
        const int n = make_connector(to, f->x + 1, f->y, -9);
        if (n >= 0) cell(f->x + 1, f->y) = n;
        return;
    }
    f->yy = to;
    f->t = kind_link;
    f->disp &= disp_flags;
}

void route_forward(int from, int to)
{
    const cb *f = cbp[from];
    const cb *t = cbp[to];
    if (f->y < t->y) add_cb_caption_code(from, -4);
    else if (f->x < t->x) add_cb_caption_code(from, -1);
    route_vertical(f->x, f->y, t->y);
    if (f->y != t->y && f->x != t->x) route_corner(f->x, t->y, -9);
    route_horizontal(f->x, t->x, t->y);
}

void route_upward(int from, int to)
{
    const cb *f = cbp[from];
    const cb *t = cbp[to];
    add_cb_caption_code(from, -1);
    route_horizontal(f->x, t->x, f->y);
    route_corner(t->x, f->y, -10);
    cur_source = to;
    route_vertical(t->x, f->y, t->y);
    cur_source = -1;
    if (cur_target != -1) add_cb_caption_code(cell(t->x, t->y), -4);
}

void route_before(int node, int child, int) { route_link(node, child); }

// The routing walk keeps disp's low nibble, the line-piece codes it draws
// with, so it marks no path; the visit count alone ends it.
const walker route_walker = {enter_first_visit, route_before, false, false};

// A vertical run meeting an up-left corner joins it when the corner's line
// comes from the run's own target.
bool joins_up_left(int column, int row, int to_row)
{
    const int above = node_row_above(column, row);
    if (above == -1) return false;
    const int node = cell(column, above);
    if (above == to_row) {
        add_cb_caption_code(node, -4);
        return true;
    }
    return is_connector(node) && cbp[node]->t == kind_up && cbp[node]->parent == cur_source;
}

}  // namespace

int fill_flow_grid()
{
    for (auto row : flow_grid) {
        if (row == nullptr) continue;
        for (int c = 0; c < grid_cols; ++c) row[c] = -1;
    }
    free_connector_records();
    for (int i = 0; i < cb_num; ++i) {
        const cb *c = cbp[i];
        if (c->m == mode_end || !on_grid(c->x, c->y)) continue;
        cell(c->x, c->y) = i;
        set_cb_caption_code(i, cb_route_code(i));
    }
    return 0;
}

int cb_route_code(int i)
{
    if (opt_p || !valid_cb(i)) return i;
    const cb *c = cbp[i];
    if (c->t == kind_slot) return c->m == mode_action ? i : -2;
    if (is_lower(c->t)) return i;
    if (c->t == kind_empty_block) return -3;
    if (c->t == kind_break || c->t == kind_continue) return -2;
    switch (c->m) {
    case mode_container: return c->t == kind_head ? i : -2;
    case mode_own_records: return -2;
    case mode_placeholder:
        if (c->t == kind_else || c->t == kind_if) return -9;
        return is_one_of(c->t, placed_placeholders) ? i : -2;
    case mode_leave: return is_one_of(c->t, placed_leaving) ? i : -10;
    default: return i;
    }
}

int route_flow_lines()
{
    for (int i = 0; i < cb_num; ++i) cbp[i]->ct = 0;
    cur_target = -1;
    cur_source = -1;
    forget_last();
    return route_from(0);
}

int route_from(int i) { return run_walk(route_walker, i, 0); }

int route_link(int from, int to)
{
    if (!valid_cb(from) || !valid_cb(to)) return 0;
    const cb *f = cbp[from];
    const cb *t = cbp[to];
    if (!on_grid(f->x, f->y) || !on_grid(t->x, t->y)) return 0;
    if (t->m == mode_leave && !is_one_of(t->t, no_loop_back) && t->ct == 0) route_loop_back(to);
    cur_target = to;
    forget_last();
    const int x1 = f->x, y1 = f->y, x2 = t->x, y2 = t->y;
    if (x2 <= x1 && y2 <= y1) route_backward(from, to);
    else if (x1 <= x2 && y1 <= y2) route_forward(from, to);
    else if (x1 < x2 && y2 < y1) route_upward(from, to);
    return 0;
}

int make_connector(int base, int column, int row, int old_cell)
{
    if (!valid_cb(base) || cb_num >= cb_cap) {
        cur_target = -1;
        return -1;
    }
    cb *slot = cb_row(cb_num);
    if (slot == nullptr) {
        cur_target = -1;
        return -1;
    }
    cb *b = cbp[base];
    *slot = cb{};
    slot->t = row < b->y ? kind_down : kind_up;
    slot->m = mode_leave;
    slot->n = next_by_mode;
    slot->branch = old_cell;
    slot->parent = base;
    slot->x = column;
    slot->y = row;
    slot->yy = -1;
    slot->roof = -1;
    if (cb_route_code(base) < 0) {
        b->disp = (unsigned char)((b->disp & disp_flags) | disp_caption);
        b->t = (char)to_lower_ascii(b->t);
    }
    return cb_num++;
}

int route_vertical(int column, int from_row, int to_row)
{
    const int step = to_row > from_row ? 1 : -1;
    for (int r = from_row + step; r != to_row && from_row != to_row && cur_target != -1; r += step) {
        if (!on_grid(column, r)) break;
        int32_t &c = cell(column, r);
        if (c == -1) {
            c = -12;
            remember(column, r);
        } else if (c == -10) {
            if (!joins_up_left(column, r, to_row)) {
                route_collision(-10);
                break;
            }
            c = -14;
            break;
        } else if (c != -3) {
            route_collision(c);
        }
    }
    return 0;
}

int route_horizontal(int from_column, int to_column, int row)
{
    const int step = to_column > from_column ? 1 : -1;
    for (int col = from_column + step; col != to_column && from_column != to_column && cur_target != -1;
         col += step) {
        if (!on_grid(col, row)) break;
        int32_t &c = cell(col, row);
        if (c == -1) {
            c = -3;
            remember(col, row);
        } else if (c == -9) {
            if (node_column_right(col, row) != to_column) {
                route_collision(-9);
                break;
            }
            c = -11;
            break;
        } else {
            route_collision(c);
        }
    }
    return 0;
}

int route_corner(int column, int row, int piece)
{
    if (cur_target == -1 || !on_grid(column, row)) return 0;
    int32_t &c = cell(column, row);
    if (c == -1) {
        c = piece;
        remember(column, row);
    } else {
        route_collision(c);
    }
    return 0;
}

int route_collision(int cell_value)
{
    if (is_connector(cell_value) && cbp[cell_value]->parent == cur_target) {
        cur_target = -1;
        return 0;
    }
    if (last_column != no_cell) {
        int base = cur_target;
        for (int steps = 0; is_connector(base) && steps < cb_num; ++steps) base = cbp[base]->parent;
        const int n = make_connector(base, last_column, last_row, cell(last_column, last_row));
        if (n >= 0) cell(last_column, last_row) = n;
    }
    cur_target = -1;
    return 0;
}
