// Flow charts built as the extraction leaves them, for the layout and
// routing tests.
#ifndef VOK_TESTS_ANALYSER_FLOW_CHARTS_H
#define VOK_TESTS_ANALYSER_FLOW_CHARTS_H

#include <cstdlib>
#include <cstring>

#include "analyser/flow_extract.h"
#include "analyser/flow_layout.h"
#include "analyser/flow_nodes.h"

namespace flow_charts {

// Chart building as the extraction leaves it.
inline int run(int n, const cb *tpl, int parent)
{
    int x = 0;
    return get_cb(n, tpl, parent, &x);
}

// The function head 0..3; returns its body container (2).
inline int head()
{
    run(4, tpl_head, -1);
    return 2;
}

inline int slot(int owner, char m, char n)
{
    const int i = run(1, tpl_block, owner);
    cbp[i]->m = m;
    cbp[i]->n = n;
    return i;
}

// A slot that holds records of its own (m 'y'), and the next entry.
inline void link_entries(int prev, int next)
{
    cbp[prev]->m = 'y';
    cbp[prev]->n = next == 0 ? '-' : '^';
    cbp[prev]->branch = next;
}

// A plain statement written over a container record.
inline void plain_body(int container)
{
    cb *c = cbp[container];
    const int parent = c->parent;
    *c = tpl_other[0];
    c->n = '>';
    c->parent = parent;
}

inline void add_label(const char *name, int label_node)
{
    label_rec *r = (label_rec *)malloc(sizeof(label_rec));
    char *copy = (char *)malloc(strlen(name) + 1);
    memcpy(copy, name, strlen(name) + 1);
    *r = label_rec{label_list, -1, label_node, -1, copy};
    label_list = r;
}

// What the analyser's entry does at the end of a flow run.
inline void finish()
{
    layout_prepare();
    layout_finish();
}

}  // namespace flow_charts

#endif
