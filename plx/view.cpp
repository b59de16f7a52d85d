// The scroll offsets, the hit test and the read-out texts of PLX's window.
#include "plx/view.h"

#include "plx/model.h"
#include "shell/text.h"

int plx_scroll_x;
int plx_scroll_y;
int plx_mouse_x;
int plx_mouse_y;

int plx_scroll_key(int key, int w, int h)
{
    switch (key) {
    case plx_key_home:
        plx_scroll_x = 0;
        plx_scroll_y = 0;
        return 0;
    case plx_key_left: plx_scroll_x += w / 2; return 0;
    case plx_key_right: plx_scroll_x -= w / 2; return 0;
    case plx_key_up: plx_scroll_y += h / 2; return 0;
    case plx_key_down: plx_scroll_y -= h / 2; return 0;
    default: return 1;
    }
}

int plx_hit(int x, int y)
{
    const int mx = x - plx_scroll_x;
    const int my = y - plx_scroll_y;
    for (int i = 0; i < plx_item_num; ++i) {
        const plx_item &t = plx_items[i];
        if (t.x1 < mx && mx < t.x2 && t.y1 < my && my < t.y2) return i;
    }
    return -1;
}

void plx_pos_text(char *out, size_t size, int x, int y)
{
    const int i = plx_hit(x, y);
    format_text(out, size, "%4d-%4d(%s)", x, y, i >= 0 ? plx_items[i].name : "*****");
}

void plx_counts_text(char *out, size_t size)
{
    format_text(out, size, "p(%d)l(%d)s(%d)", plx_item_num, plx_link_num, static_cast<int>(plx_text_bytes));
}

void plx_view_reset()
{
    plx_scroll_x = 0;
    plx_scroll_y = 0;
    plx_mouse_x = 0;
    plx_mouse_y = 0;
}
