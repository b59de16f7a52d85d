// The pointer-argument table of the loaded tree, the function-box look-up,
// the "no_set" links.
#include "trees/tree_links.h"

#include <cstring>

#include "forms/model.h"
#include "forms/rtree.h"
#include "shell/text.h"
#include "trees/tree_form.h"

parg_rec parg_tbl[parg_cap];
int parg_num;


namespace {

// Passes of find_func_box, in order.
enum func_box_pass {
    parent_of_source,  // has children and the source number
    parent_not_private, // has children and no "S" letter
    of_source,          // the source number
    not_private,        // no "S" letter
    pass_count
};

bool passes(int pass, int b, int number)
{
    const bool parent = rtree_first_child(b) >= 0;
    const bool source = get_box_num(b) == number;
    const bool plain = get_box_letter(b) != 'S';
    switch (pass) {
    case parent_of_source: return parent && source;
    case parent_not_private: return parent && plain;
    case of_source: return source;
    default: return plain;
    }
}

}  // namespace

int get_parg_tbl(int *count, parg_rec **table)
{
    *count = parg_num;
    *table = parg_tbl;
    return 0;
}

int find_func_box(int number, const char *name)
{
    for (int pass = 0; pass < pass_count; ++pass) {
        for (int b = tree_next_named(name, -1); b >= 0; b = tree_next_named(name, b)) {
            if (passes(pass, b, number)) return b;
        }
    }
    return -1;
}

int add_no_set_link(int from, int to)
{
    if (from < 0 || to < 0 || l_num >= link_cap) return 0;
    link_rec &k = link_table[l_num++];
    k.from = from;
    k.to = to;
    copy_bounded(k.name, sizeof k.name, "no_set");
    return 1;
}

int tree_links_reset()
{
    parg_num = 0;
    return 0;
}
