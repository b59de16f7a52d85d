// The model's tables, their reset and the stack of nested forms.
#include <cstring>

#include "forms/model.h"
#include "forms/para.h"
#include "forms/rtree.h"
#include "forms/xwindow.h"
#include "shell/codeout.h"
#include "shell/text.h"

box_rec box_table[box_cap];
link_rec link_table[link_cap];
int form_sta, form_num, l_sta, l_num, fnum;
form_stack_rec form_stack[form_stack_cap];
int cur_box = -1, cur_link = -1;
int box_level[box_cap];
int cur_level;
scroll_point scroll_org;
int form_changed;
char cur_form_name[256];
int canvas_w, canvas_h;
char undo_name[name_size];
char undo_kind[kind_size];
int swap_mark[box_cap];
int form_storage;
int shift_held;
int full_as_centering;
find_history_rec find_history[find_history_cap];
int find_history_num;

int form_alloc()
{
    form_storage = 1;
    read_xwindow();
    return 0;
}

void form_free() { form_storage = 0; }

void form_reset()
{
    fnum = form_sta = form_num = l_sta = l_num = form_changed = 0;
    cur_box = cur_link = -1;
    para_buf[0] = '\0';
    para_changed();
}

void form_clear()
{
    form_num = form_sta;
    l_num = l_sta;
    cur_box = cur_link = -1;
    para_truncate(form_num);
    read_xwindow();
    scroll_org = {0, 0};
}

int form_push(const char *name, int cur)
{
    if (fnum >= form_stack_cap) return 1;
    if (strlen(name) >= sizeof form_stack[0].fname) return 2;
    form_stack_rec &e = form_stack[fnum];
    e.form_num = form_num;
    e.l_num = l_num;
    e.level = cur_level;
    e.cur = cur;
    e.changed = form_changed;
    copy_bounded(e.fname, sizeof e.fname, name);
    e.scroll_x = scroll_org.x;
    e.scroll_y = scroll_org.y;
    form_sta = form_num;
    l_sta = l_num;
    form_changed = 0;
    ++fnum;
    return 0;
}

int form_pop(char *name_out, int size, int *cur_out)
{
    if (fnum == 0) {
        form_reset();
        return 1;
    }
    const form_stack_rec &e = form_stack[--fnum];
    form_num = e.form_num;
    l_num = e.l_num;
    form_changed = e.changed;
    cur_level = e.level;
    scroll_org = {e.scroll_x, e.scroll_y};
    if (name_out != nullptr && size > 0) copy_bounded(name_out, size, e.fname);
    copy_bounded(cur_form_name, sizeof cur_form_name, e.fname);
    if (cur_out != nullptr) *cur_out = e.cur;
    para_truncate(form_num);
    form_sta = fnum > 0 ? form_stack[fnum - 1].form_num : 0;
    l_sta = fnum > 0 ? form_stack[fnum - 1].l_num : 0;
    cur_box = cur_link = -1;
    set_form_range_l(l_sta, l_num, form_sta, form_num);
    return 0;
}

int mark_parent_changed()
{
    if (fnum == 0) return 1;
    form_stack[fnum - 1].changed = 1;
    return 0;
}

int get_form_changed() { return form_changed; }
void clear_form_changed() { form_changed = 0; }

void form_stack_dump()
{
    char line[300];
    format_text(line, sizeof line, "E20100 fnum(%d) form_sta(%d) form_num(%d) l_sta(%d) l_num(%d)\r\n", fnum,
                form_sta, form_num, l_sta, l_num);
    code_print(line);
    for (int i = 0; i < fnum; ++i) {
        format_text(line, sizeof line, "E20101 i(%3d) form_num(%4d) l_num(%4d) cur(%d) fname(%s)\r\n", i,
                    form_stack[i].form_num, form_stack[i].l_num, form_stack[i].cur, form_stack[i].fname);
        code_print(line);
    }
}

bool in_form(int i) { return i >= form_sta && i < form_num; }

void set_cur_box(int i)
{
    if (in_form(i)) cur_box = i;
}

int get_cur_box() { return cur_box; }

void reset_cur_box() { cur_box = cur_link = -1; }

namespace {
int form_base() { return fnum > 0 ? form_stack[fnum - 1].form_num : 0; }
}  // namespace

int get_cur_box_rel() { return cur_box - form_base(); }
int box_rel_index(int i) { return i - form_base(); }
int box_abs_index(int i) { return i + form_base(); }
int get_form_num() { return form_num; }
int get_box_count() { return form_num - form_sta; }

void set_canvas_size(int w, int h)
{
    canvas_w = w;
    canvas_h = h;
}
