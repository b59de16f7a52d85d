// The tree walk: every call below a root becomes a node of the tree, each
// function's calls are expanded once, a duplicate definition resolves to
// the copy in the calling file, and the walk stops at the depth limit.
#include "analyser/tree_walk.h"

#include "analyser/anal_host.h"
#include "analyser/calls.h"
#include "analyser/report.h"

int last_tree_box;

namespace {

int cut_reported;

bool is_unknown(const func_rec &f) { return f.kind < 0 && f.src < 0; }

bool is_shown(const func_rec &f) { return tree_external || !is_unknown(f); }

// A duplicate function's definition in the file of the call.
void resolve_duplicate(int f, int source, int *src, int *line)
{
    for (int i = 0; i < call_num; ++i) {
        if (CALLTBL[i].source == source && CALLTBL[i].caller == f) {
            *src = CALLTBL[i].source;
            *line = CALLTBL[i].caller_line;
            return;
        }
    }
}

int box_kind(int f, int root)
{
    const func_rec &r = FUNCTBL[f];
    if (r.dup) return 2;
    if (r.root == root) return 1;
    if (shown_elsewhere(f, root)) return 3;
    return r.kind < 0 ? 0 : 4;
}

void report_cut()
{
    if (cut_reported) return;
    cut_reported = 1;
    code_printf("★★★E3131 Over tree depth(%d)★★★\r\n", tree_depth_limit);
}

// Shows the calls of function f below the walk, unless the depth is used up.
void expand(int f, int depth, int root)
{
    func_rec &r = FUNCTBL[f];
    if (depth >= tree_depth_limit) {
        if (r.head >= 0 && CALLTBL[r.head].first_child >= 0) report_cut();
        return;
    }
    r.expanded = 1;
    if (r.head < 0) return;
    r.root = root;
    tree_walk(r.head, depth + 1, root);
    r.root = -1;
}

}  // namespace

int tree_walk(int head, int depth, int root)
{
    for (int c = CALLTBL[head].first_child; c >= 0; c = CALLTBL[c].next_sibling) {
        const call_rec &call = CALLTBL[c];
        const int f = call.callee;
        const func_rec &r = FUNCTBL[f];
        if (!is_shown(r)) continue;
        int src = r.src;
        int line = r.line;
        if (r.dup) resolve_duplicate(f, call.source, &src, &line);
        last_tree_box = add_tree_box(src, line, depth, r.name, box_kind(f, root), call.source, call.call_line,
                                     call.caller_line, r.kind);
        const bool on_path = r.root == root;
        const bool external = tree_external && is_unknown(r);
        if (!r.dup && !on_path && !external && !r.expanded) expand(f, depth, root);
    }
    return 0;
}

int shown_elsewhere(int f, int root)
{
    const func_rec &r = FUNCTBL[f];
    if (r.dup || r.root == root || (tree_external && is_unknown(r)) || !r.expanded || r.head < 0) return 0;
    for (int c = CALLTBL[r.head].first_child; c >= 0; c = CALLTBL[c].next_sibling) {
        if (is_shown(FUNCTBL[CALLTBL[c].callee])) return 1;
    }
    return 0;
}

int tree_walk_rearm()
{
    cut_reported = 0;
    return 0;
}
