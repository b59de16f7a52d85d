// Flow layout: the gotos resolved, then every drawn node given a column
// (the step along the longest path) and a row (the lane).  The walks go from
// node 0 along the visible successors and the branch targets on an explicit
// stack; disp bit 0 marks the nodes on the current path.
#include "analyser/flow_layout.h"

#include "analyser/failures.h"
#include "analyser/flow_extract.h"
#include "analyser/flow_grid.h"
#include "analyser/flow_nodes.h"
#include "analyser/flow_walk.h"
#include "analyser/startup_tables.h"
#include "shell/trace_log.h"

namespace {

const int step_limit = 1000;  // nodes one row or roof run may cover

void lower_kind(int i)
{
    if (valid_cb(i)) cbp[i]->t = (char)to_lower_ascii(cbp[i]->t);
}

// The pending branch targets of the row walk.  Every node sends its
// successor on at most once, so cb_cap entries are never outgrown.
struct pending_branch {
    int node;
    int row;
};
pending_branch pending[cb_cap];
int pending_num;

// count_in_edges and count_flow_edges: one more incoming link; the first
// visit goes on.
void count_enter(walk_frame &f, int, bool flow)
{
    cb *c = cbp[f.node];
    ++c->ct;
    if (c->ct >= 2) return;
    const int back = flow ? loop_back_cb(f.node) : -1;
    if (back != -1) {
        f.child[0] = back;
        return;
    }
    f.child[0] = next_visible_cb(f.node);
    f.child[1] = branch_target_cb(f.node);
}

void count_in_enter(walk_frame &f, int depth) { count_enter(f, depth, false); }
void count_flow_enter(walk_frame &f, int depth) { count_enter(f, depth, true); }

// set_x: the column is the longest path; only the last incoming link
// goes on.
void set_x_enter(walk_frame &f, int depth)
{
    cb *c = cbp[f.node];
    if (c->x < depth) c->x = depth;
    else depth = c->x;
    --c->ct;
    if (c->ct > 0) return;
    const int back = loop_back_cb(f.node);
    if (back != -1) {
        f.child[0] = back;
        f.child_depth[0] = depth + 1;
        return;
    }
    f.child[0] = next_visible_cb(f.node);
    f.child_depth[0] = depth + 1;
    f.child[1] = branch_target_cb(f.node);
    f.child_depth[1] = c->m == mode_decision ? depth : depth + 1;  // an alternative stays in the column
}

void set_r_before(int node, int child, int index)
{
    if (index == 1) set_r(node, child);
}

const walker count_in_walker = {count_in_enter, nullptr, true, true};
const walker count_flow_walker = {count_flow_enter, nullptr, true, true};
const walker set_x_walker = {set_x_enter, nullptr, true, true};
const walker set_r_walker = {enter_first_visit, set_r_before, true, false};

bool is_loop_step(const cb *c)
{
    return c->m == mode_leave && (c->t == kind_do || c->t == kind_while || c->t == kind_for);
}

void pop_pending(int *node, int *row)
{
    --pending_num;
    *node = pending[pending_num].node;
    *row = pending[pending_num].row;
}

// The label's node followed through block slots and switch ends to the
// record that is drawn.
int label_target(int n)
{
    while (valid_cb(n) && (cbp[n]->t == kind_switch || cbp[n]->t == kind_slot) && cbp[n]->m == mode_end) {
        n = cbp[n]->branch;
    }
    if (valid_cb(n) && (cbp[n]->t == kind_switch || cbp[n]->t == kind_slot)) {
        for (int steps = 0; valid_cb(n) && steps < cb_num; ++steps) {
            if (cbp[n]->m == mode_container) n = cbp[n]->branch;
            else if (cbp[n]->m == mode_own_records) ++n;
            else break;
        }
    }
    return valid_cb(n) ? n : -1;
}

// The label a goto leads to: by its label node, or, on a re-layout, by the
// target an earlier pass gave the goto.
label_rec *label_of_goto(int branch)
{
    for (label_rec *l = label_list; l != nullptr; l = l->next) {
        if (l->label_node == branch) return l;
    }
    for (label_rec *l = label_list; l != nullptr; l = l->next) {
        if (l->goto_node == branch) return l;
    }
    return nullptr;
}

void resolve_step(void *) { resolve_labels(); }

}  // namespace

int resolve_labels()
{
    for (label_rec *l = label_list; l != nullptr; l = l->next) l->first_goto = -1;
    for (label_rec *l = label_list; l != nullptr; l = l->next) {
        if (l->label_node == -1) label_undefined_fatal(l->name);
        const int n = label_target(l->label_node);
        if (n != -1) cbp[n]->disp |= disp_jump_target;
        l->goto_node = n;
    }
    for (int i = 0; i < cb_num; ++i) {
        cb *c = cbp[i];
        if (c->t != kind_goto) continue;
        label_rec *l = label_of_goto(c->branch);
        if (l == nullptr) continue;
        c->branch = l->goto_node;
        if (l->first_goto == -1) {
            l->first_goto = i;
            continue;
        }
        c->t = kind_loop_exit;
        c->m = mode_placeholder;
        lower_kind(l->goto_node);
    }
    return 0;
}

int count_in_edges(int i) { return run_walk(count_in_walker, i, 0); }
int count_flow_edges(int i) { return run_walk(count_flow_walker, i, 0); }
int set_x(int i, int depth) { return run_walk(set_x_walker, i, depth); }
int set_r_walk(int i) { return run_walk(set_r_walker, i, 0); }

int set_r(int, int target)
{
    int depth = 0;
    int maximum = 0;
    int head = -1;
    int v = target;
    for (int steps = 0; valid_cb(v) && cbp[v]->ct <= 0 && steps < step_limit; ++steps) {
        cb *c = cbp[v];
        if (c->disp & disp_loop_head) {
            c->roof = -1;
            if (head != -1) cbp[head]->roof = v;
            head = v;
            ++depth;
            if (depth > maximum) maximum = depth;
        } else if (is_loop_step(c)) {
            --depth;
            if (depth < 1) head = -1;
        }
        v = next_visible_cb(v);
    }
    if (valid_cb(target)) cbp[target]->r_num = maximum;
    return 0;
}

int set_y(int i, int row)
{
    for (int steps = 0; valid_cb(i) && cbp[i]->y == -1 && steps < step_limit; ++steps) {
        cbp[i]->y = row;
        i = next_visible_cb(i);
    }
    return 0;
}

int set_y_step(int i, int *row, int joining, int *next_row)
{
    if (!valid_cb(i)) return 2;
    cb *c = cbp[i];
    if (c->ct < 1) return 2;
    if (joining) {
        *row += c->r_num;
        if (*row < c->yy) *row = c->yy;
    }
    --c->ct;
    if (c->y == -1) set_y(i, *row);
    if (c->ct > 0) return 1;
    if (c->y != -1) *row = c->y;
    for (int k = 0; k < pending_num; ++k) {
        cb *e = cbp[pending[k].node];
        const int lane = e->r_num + 1 + *row;
        if (e->yy < lane) e->yy = lane;
    }
    if (c->m == mode_decision || c->m == mode_loop_test) *next_row = *row + 1;
    return 0;
}

int set_y_new(int start, int row)
{
    int next_row = row;
    int node = start;
    pending_num = 0;
    set_y_step(start, &row, 0, &next_row);
    int r = 0;
    for (;;) {
        if (r == 0) {
            const int s = next_visible_cb(node);
            const int b = branch_target_cb(node);
            if (s != -1 || b == -1) {
                if (s != -1 && b != -1 && pending_num < cb_cap) pending[pending_num++] = {b, next_row};
                if (s != -1) {
                    r = set_y_step(s, &row, 0, &next_row);
                    node = s;
                    continue;
                }
            } else {
                row = next_row;
                r = set_y_step(b, &row, 1, &next_row);
                node = b;
                continue;
            }
        }
        if (pending_num == 0) break;
        pop_pending(&node, &row);
        r = set_y_step(node, &row, 1, &next_row);
    }
    return 0;
}

int layout_count()
{
    for (int i = 0; i < cb_num; ++i) cbp[i]->ct = 0;
    return count_flow_edges(0);
}

int layout_count_all()
{
    for (int i = 0; i < cb_num; ++i) cbp[i]->ct = 0;
    return count_in_edges(0);
}

int layout_x()
{
    for (int i = 0; i < cb_num; ++i) cbp[i]->x = 0;
    return set_x(0, 0);
}

int layout_r()
{
    for (int i = 0; i < cb_num; ++i) {
        cbp[i]->r_num = 0;
        cbp[i]->ct = 0;
        cbp[i]->roof = -1;
    }
    return set_r_walk(0);
}

int layout_y()
{
    layout_count_all();
    for (int i = 0; i < cb_num; ++i) {
        cbp[i]->y = -1;
        cbp[i]->yy = -1;
    }
    return set_y_new(0, 0);
}

int layout_prepare()
{
    for (int i = 0; i < cb_num; ++i) {
        cb *c = cbp[i];
        c->ct = 0;
        c->r_num = 0;
        c->roof = -1;
        c->saved_t = c->t;
        c->saved_m = c->m;
        c->saved_disp = c->disp;
    }
    return 0;
}

int layout_finish()
{
    if (anal_guard(resolve_step, nullptr) != 0) return 0;
    for (int i = 0; i < cb_num; ++i) {
        if (cbp[i]->t == kind_goto) cbp[i]->m = mode_leave;
    }
    count_in_edges(0);
    for (int i = 0; i < cb_num; ++i) {
        cb *c = cbp[i];
        if (c->t != kind_goto || !valid_cb(c->branch)) continue;
        if (cbp[c->branch]->ct == 0) c->m = mode_container;
        else lower_kind(c->branch);
    }
    layout_count();
    layout_x();
    layout_r();
    layout_y();
    anal_trace_on = 1;
    return 0;
}

int layout_flow()
{
    if (cb_base_num > 0) free_connector_records();  // the next paint routes again
    for (int i = 0; i < cb_num; ++i) {
        cb *c = cbp[i];
        c->t = c->saved_t;
        c->m = c->saved_m;
        c->disp = c->saved_disp;
        c->ct = 0;
        c->r_num = 0;
        c->roof = -1;
    }
    return layout_finish();
}
