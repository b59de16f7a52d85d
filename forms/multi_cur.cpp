// The count of multiple-extraction registrations and the tree-view flag.
#include "forms/multi_cur.h"

int multi_cur;
int tree_view_flag;

int multi_cur_reset()
{
    multi_cur = 0;
    return 0;
}

// VOK-PLACEHOLDER: int load_form_keep(const char *name); the tree form's
// load with its kept state comes with the tree form; nothing is loaded yet.
int load_form_keep(const char *) { return 0; }
