// The FLOW screen's highlight list.
#include "shell/marks.h"

int highlight_nodes[highlight_cap];
int highlight_num;

int highlight_add(int node)
{
    if (highlight_num >= highlight_cap) return 1;
    highlight_nodes[highlight_num++] = node;
    return 0;
}

int highlight_clear()
{
    highlight_num = 0;
    return 0;
}
