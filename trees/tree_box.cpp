// The function-call tree's boxes as the walk hands them over.
#include "trees/tree_box.h"

tree_box_call tree_box_calls[tree_box_call_cap];
int tree_box_call_num;

// VOK-PLACEHOLDER: keeps the nodes until the tree builder places them as boxes.
int add_tree_box(int source, int line, int level, int name, int kind, int call_source, int call_line, int caller_line,
                 int mark)
{
    if (tree_box_call_num < tree_box_call_cap) {
        tree_box_call &box = tree_box_calls[tree_box_call_num];
        box = {source, line, level, name, kind, call_source, call_line, caller_line, mark};
    }
    return ++tree_box_call_num;
}

int tree_box_calls_clear()
{
    tree_box_call_num = 0;
    return 0;
}
