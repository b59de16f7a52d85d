// SIGMA sums: the real and the typed sum over the index ranges of the items,
// one level record per nested sum, and the two step bodies of the walk.
#include "calc/calc_tables.h"

namespace {

struct sigma_rec {
    double sum;        // real accumulator
    int row;           // typed accumulator
    int started;       // a summand has been added to the typed accumulator
    int node;          // the SIGMA node, for the typed addition
    int saved_dir;     // direction of the first item's variable
};
sigma_rec sigma_levels[calc_sigma_max + 1];
int no_slot;

// Opens a level for the node, or prints F112 once when no level is left.
int open_level(int node)
{
    if (calc_sigma_level >= calc_sigma_max) {
        node_warn_once(node);
        return 0;
    }
    sigma_rec &s = sigma_levels[++calc_sigma_level];
    s.sum = 0.0;
    s.row = -1;
    s.started = 0;
    s.node = node;
    return 1;
}

void close_level(int first)
{
    set_item_dirs(first, 1, 1, dirs_sigma_restore);
    --calc_sigma_level;
}

// Walks the items with the pseudo-node as body; 0 when x%n does not match.
int walk(int node, int body)
{
    const int n = nd(node).nchild;
    const int first = nd(node).child;
    table_lookup(node);
    set_item_dirs(first, 1, 1, dirs_sigma_save);
    int last = first + n - 2;
    int summand = first + n - 1;
    if (nd(first).type == 'q' && nd(first).nchild >= 2) {
        const int parts = calc_to_int(eval_node(kid(first, 1), 0));
        if (n - 1 != parts) return 0;  // parts may be any int
        last = first;
        summand = first + 1;
    }
    prt_items(first, 1, last, body, 0, summand, 1);
    return 1;
}

// The summand of the current index: first + k mod s.
int chosen_summand(int first)
{
    int step = 1;
    const int k = item_current(&step);
    return first + (step > 1 ? k % step : 0);
}

}  // namespace

int *sigma_dir_slot()
{
    return calc_sigma_level > 0 && calc_sigma_level <= calc_sigma_max ? &sigma_levels[calc_sigma_level].saved_dir
                                                                        : &no_slot;
}

double sigma_sum(int node, int /*depth*/, int /*mode*/)
{
    if (nd(node).nchild < 2 || !open_level(node)) return 0.0;
    const int ok = walk(node, body_sigma_step);
    const double value = ok ? sigma_levels[calc_sigma_level].sum : 0.0;
    close_level(nd(node).child);
    return value;
}

int sigma_sum_typed(int node, int /*depth*/, int /*mode*/)
{
    if (nd(node).nchild < 2 || !open_level(node)) return -1;
    const int ok = walk(node, body_sigma_typed);
    sigma_rec &s = sigma_levels[calc_sigma_level];
    int value = s.row;
    if (!ok) {
        work_free(s.row);
        value = -2;
    } else if (!s.started) {
        value = -1;
    }
    close_level(nd(node).child);
    return value;
}

int sigma_step(int first)
{
    const double v = eval_node(chosen_summand(first), 0);
    sigma_levels[calc_sigma_level].sum += v;
    return 0;
}

int sigma_step_typed(int first)
{
    const int r = eval_typed(chosen_summand(first));
    sigma_rec &s = sigma_levels[calc_sigma_level];
    if (!s.started) {
        s.started = 1;
        s.row = r;
        return 0;
    }
    const int sum = work_add(s.node, s.row, r);
    work_free(s.row);
    work_free(r);
    s.row = sum;
    return 0;
}
