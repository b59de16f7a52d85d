// The depth-first walk of the flow chart on an explicit stack.  A node is on
// the stack at most once at a time, so the chart's capacity bounds it.
#include "analyser/flow_walk.h"

#include "analyser/flow_nodes.h"

namespace {

walk_frame walk_stack[cb_cap + 1];

bool on_path(int i) { return (cbp[i]->disp & disp_on_path) != 0; }

void enter(const walker &w, walk_frame &f, int node, int depth)
{
    f.node = node;
    f.child[0] = f.child[1] = -1;
    f.child_depth[0] = f.child_depth[1] = depth;
    f.next = 0;
    if (w.mark_path) cbp[node]->disp |= disp_on_path;
    w.enter(f, depth);
}

void leave(const walker &w, const walk_frame &f)
{
    if (w.mark_path) cbp[f.node]->disp &= (unsigned char)~disp_on_path;
}

}  // namespace

void enter_first_visit(walk_frame &f, int)
{
    cb *c = cbp[f.node];
    ++c->ct;
    if (c->ct >= 2) return;
    f.child[0] = next_visible_cb(f.node);
    f.child[1] = branch_target_cb(f.node);
}

int run_walk(const walker &w, int start, int depth)
{
    if (!valid_cb(start)) return 0;
    int top = 0;
    enter(w, walk_stack[top++], start, depth);
    while (top > 0) {
        walk_frame &f = walk_stack[top - 1];
        if (f.next >= 2) {
            leave(w, f);
            --top;
            continue;
        }
        const int index = f.next++;
        const int child = f.child[index];
        if (child == -1) continue;
        if (w.before_child != nullptr) w.before_child(f.node, child, index);
        if (!valid_cb(child) || (w.skip_on_path && on_path(child)) || top > cb_cap) continue;
        enter(w, walk_stack[top], child, f.child_depth[index]);
        ++top;
    }
    return 0;
}
