// The count of multiple-extraction registrations and the tree-view flag.
#include "forms/multi_cur.h"

int multi_cur;
int tree_view_flag;

int multi_cur_reset()
{
    multi_cur = 0;
    return 0;
}
