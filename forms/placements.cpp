// The alternate placements of DETAIL and TAIL boxes and the folder-slot
// prefixes of form file names.
#include <cstdlib>
#include <cstring>

#include "forms/model.h"
#include "forms/para.h"
#include "shell/dirs.h"
#include "shell/text.h"

namespace {

int field_number(int i, int k)
{
    char f[100];
    get_para(f, i, k);
    return atoi(f);
}

void set_number(int i, int k, int value)
{
    char f[20];
    format_text(f, sizeof f, "%d", value);
    set_para(f, i, k);
}

}  // namespace

void shift_form(int dx, int dy)
{
    for (int r = form_sta; r < form_num; ++r) {
        box_rec &b = box_table[r];
        b.x += dx;
        b.endx += dx;
        b.y += dy;
        b.endy += dy;
    }
}

int is_swapped(int i)
{
    char f[100];
    get_para(f, i, 2);
    return strcmp(f, "1") == 0;
}

bool is_detail_kind(int i) { return kind_is(i, "DETAIL") || kind_is(i, "TAIL"); }

int is_swapped_detail(int i) { return is_detail_kind(i) && is_swapped(i); }
int is_unswapped_detail(int i) { return is_detail_kind(i) && !is_swapped(i); }

int holds_swapped_detail(int i)
{
    if (!kind_is(i, "z")) return is_swapped_detail(i);
    for (int r = form_sta; r < form_num; ++r) {
        if (inside_frame(r, i) && is_swapped_detail(r)) return 1;
    }
    return 0;
}

int swap_box_place(int i)
{
    if (!in_form(i)) return 1;
    const int fx = field_number(i, 0), fy = field_number(i, 1);
    const int sx = field_number(i, 3), sy = field_number(i, 4);
    const char *flag = is_swapped(i) ? "0" : "1";
    shift_form(-scroll_org.x, -scroll_org.y);
    box_rec &b = box_table[i];
    const int ox = b.x, oy = b.y, w = b.endx - b.x, h = b.endy - b.y;
    b.x = fx;
    b.y = fy;
    b.endx = fx + w;
    b.endy = fy + h;
    set_number(i, 0, ox);
    set_number(i, 1, oy);
    set_para(flag, i, 2);
    set_number(i, 3, scroll_org.x);
    set_number(i, 4, scroll_org.y);
    shift_form(sx, sy);
    scroll_org = {sx, sy};
    return 0;
}

void swap_detail_places()
{
    for (int r = form_sta; r < form_num; ++r) {
        swap_mark[r] = 0;
        if (is_swapped_detail(r)) {
            swap_mark[r] = 1;
            swap_box_place(r);
        }
    }
}

void swap_back_places()
{
    for (int r = form_sta; r < form_num; ++r) {
        if (swap_mark[r]) swap_box_place(r);
    }
}

const char *skip_dir_prefix(const char *name) { return has_dir_prefix(name) ? name + 2 : name; }

void copy_dir_prefix(char *a, int size, const char *b)
{
    if (has_dir_prefix(a) || !has_dir_prefix(b)) return;
    const int len = static_cast<int>(strlen(a));
    if (len + 3 > size) return;
    memmove(a + 2, a, len + 1);
    a[0] = b[0];
    a[1] = ':';
}
