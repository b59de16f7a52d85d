// Loading and saving the current form, and what a load recomputes.
#include "forms/formfile.h"

#include <cstring>

#include "forms/multi_cur.h"
#include "forms/para.h"
#include "forms/rtree.h"
#include "forms/xwindow.h"
#include "shell/text.h"

void form_fix_kinds(int first, int end)
{
    for (int i = first; i < end; ++i) {
        if (box_table[i].kind[0] == '\0') copy_bounded(box_table[i].kind, sizeof box_table[i].kind, "?");
    }
}

int form_file_save(const char *name, const char *text)
{
    form_fix_kinds(0, form_num);
    return form_write(name, form_sta, form_num, box_table, l_sta, l_num, link_table, text);
}

int save_form(const char *name) { return form_file_save(name, para_buf); }

namespace {

void rename_legacy_links()
{
    static const char *const renames[][2] = {
        {"h_connect", "right_connect"}, {"v_connect", "bottom_connect"}, {"POSI", "SET"}};
    for (int r = l_sta; r < l_num; ++r) {
        for (const auto &m : renames) {
            if (strcmp(link_table[r].name, m[0]) == 0) copy_bounded(link_table[r].name, name_size, m[1]);
        }
    }
}

}  // namespace

int form_file_load(const char *name, char *text)
{
    if (!form_storage) form_alloc();
    const int r = form_read(name, box_cap, box_table, link_cap, link_table, &l_num, text, &form_num);
    para_changed();
    cur_box = cur_link = -1;
    read_xwindow();
    scroll_org = {0, 0};
    rename_legacy_links();
    return r == -1 ? 1 : r == -2 ? 2 : 0;
}

int form_recalc()
{
    set_form_range(form_sta, form_num, l_sta, l_num);
    rtree_build();
    return layout_source();
}

int load_form(const char *name)
{
    copy_bounded(cur_form_name, sizeof cur_form_name, name);
    multi_cur_reset();
    tree_view_flag = 0;
    const int r = form_file_load(name, para_buf);
    form_recalc();
    return r;
}
