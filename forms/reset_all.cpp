// One reset of every global of the form model, its commands and the
// structures the generators keep over it.
#include <cstring>

#include "forms/box_paint.h"
#include "forms/copysplit.h"
#include "forms/find_box.h"
#include "forms/form_state.h"
#include "forms/keys.h"
#include "forms/matcher.h"
#include "forms/model.h"
#include "forms/multi_cur.h"
#include "forms/name_path.h"
#include "forms/para.h"
#include "forms/prescan.h"
#include "forms/queries.h"
#include "forms/readers.h"
#include "forms/relmove.h"
#include "forms/rtree.h"
#include "forms/undo.h"
#include "forms/xwindow.h"

void forms_reset_all()
{
    form_reset();
    memset(box_table, 0, sizeof box_table);
    memset(link_table, 0, sizeof link_table);
    memset(form_stack, 0, sizeof form_stack);
    memset(box_level, 0, sizeof box_level);
    memset(swap_mark, 0, sizeof swap_mark);
    memset(tree_mark, 0, box_cap);
    cur_level = 0;
    scroll_org = {0, 0};
    cur_form_name[0] = '\0';
    canvas_w = canvas_h = 0;
    undo_name[0] = undo_kind[0] = '\0';
    form_storage = 0;
    shift_held = 0;
    full_as_centering = 0;
    find_box_reset();
    form_state_reset();
    box_paint_reset();
    font_h = -12;
    font_w = 0;
    union_count = 0;
    data_items[0] = '\0';
    memset(data_vals, 0, sizeof data_vals);
    relate_off = 0;
    undo_clear();
    undo_move_rec = {-1, -1, 0, 0};
    undo_align_rec = {-1, 0, 0};
    undo_paste_rec = {-1, 0, 0, 255};
    gen_path = gen_path_rec{};
    scroll_form_reset();
    readers_reset();
    multi_cur_reset();
    tree_view_flag = 0;
    clear_rtree();
    for (auto &r : child_tree) r = {-1, -1, -1};
    gen_range = {-1, -1, -1, -1};
    clear_name_levels();
    xwindow_num = 0;
}
