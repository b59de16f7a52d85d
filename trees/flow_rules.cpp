// The FLOW screen's window-free rules (see flow_rules.h).  A window pixel
// p is chart pixel p * 16 / zoom; a chart point (x, y) lies in column
// opt_x + x / 32 and row opt_y - 1 + y / 16 (the title band is row -1).
#include "trees/flow_rules.h"

#include <cstring>

#include "analyser/anal_host.h"
#include "analyser/anal_main.h"
#include "analyser/flow_grid.h"
#include "analyser/flow_layout.h"
#include "analyser/flow_nodes.h"
#include "analyser/options.h"
#include "analyser/source_load.h"
#include "shell/marks.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "trees/flow_chart.h"

int flow_keep_code;
int flow_fix_zoom;
int node_table_mode;
int flow_drag_state;
flow_point flow_press_point;

namespace {

const int drag_short_px = 6;   // this much or more: a drag
const int drag_long_px = 64;   // more than this: a long drag
const int title_rows = 3;      // rows of the visible height taken by the title and ruler

int abs_of(int v) { return v < 0 ? -v : v; }

bool has_chart() { return !anal_first_run && cb_num > 0; }

}  // namespace

int chart_px(int p) { return p * 16 / (flow_zoom < 1 ? 16 : flow_zoom); }

int set_flow_view(int width, int height, int cy_size, int cy_frame)
{
    const int h = height - cy_size - 2 * cy_frame;
    opt_w = chart_px(width) / cell_w;
    opt_h = chart_px(h) / cell_h - title_rows;
    return 0;
}

int flow_zoom_in()
{
    if (flow_zoom > zoom_max - 1) return 0;
    highlight_clear();
    ++flow_zoom;
    return 1;
}

int flow_zoom_out()
{
    if (flow_zoom < zoom_min + 1) return 0;
    zoom_out_hook(flow_press_point.x, flow_press_point.y);
    --flow_zoom;
    return 1;
}

int zoom_out_hook(int, int) { return 0; }

int flow_hit(int x, int y, int *column, int *row)
{
    *column = opt_x + x / cell_w;
    *row = opt_y - 1 + y / cell_h;
    if (*column < 0 || *column > opt_x + opt_w || *column >= grid_cols) return hit_off_column;
    if (*row < 0 || *row > flow_last_row || *row > opt_y + opt_h || *row >= grid_rows) return hit_off_row;
    return hit_on_chart;
}

int scroll_grid(int dx, int dy)
{
    if (abs_of(dx) < cell_w && abs_of(dy) < cell_h) return 0;
    opt_x += dx / cell_w;
    opt_y += dy / cell_h;
    return 1;
}

int select_cb(int n)
{
    if (n != -1 && (n < 0 || n >= cb_num)) return 0;
    sel_cb = n;
    memset(line_selected, 0, sizeof line_selected);
    return 1;
}

int select_line(int line)
{
    if (line == -1) {
        sel_cb = -1;
        memset(line_selected, 0, sizeof line_selected);
        return 1;
    }
    if (!valid_cb(0) || line < cbp[0]->sline || line > cbp[0]->eline || line < 0 || line > line_cap) return 0;
    memset(line_selected, 0, sizeof line_selected);
    set_line_selected(line, 1);
    sel_cb = -1;
    return 1;
}

int scroll_to_cb(int n)
{
    if (!valid_cb(n) || cbp[n]->x < 0 || cbp[n]->y < 0) return 0;
    if (opt_x == cbp[n]->x && opt_y == cbp[n]->y) return 0;
    opt_x = cbp[n]->x;
    opt_y = cbp[n]->y;
    return 1;
}

int toggle_fold_at(int x, int y, win_handle edit)
{
    if (!has_chart()) return 0;
    int c = 0, r = 0;
    char text[128];
    const int hit = flow_hit(x, y, &c, &r);
    if (hit == hit_off_column) format_text(text, sizeof text, "x(%d)\r\n", c);
    else if (hit == hit_off_row) format_text(text, sizeof text, "y(%d)\r\n", r);
    else if (flow_grid[r] == nullptr || flow_grid[r][c] < 0)
        format_text(text, sizeof text, "idx(%d)\r\n", flow_grid[r] == nullptr ? -1 : (int)flow_grid[r][c]);
    else if (!valid_cb(flow_grid[r][c]))
        format_text(text, sizeof text, "cbp[%d] == 0 x(%d) y(%d)\r\n", (int)flow_grid[r][c], c, r);
    else {
        cb *node = cbp[flow_grid[r][c]];
        node->fold = node->fold != 0 ? 0 : 1;
        layout_flow();
        return 0;
    }
    window_text_append(edit, text);
    return -1;
}

int callout_geometry(const char *text, int x0, int y0, int x1, int y1, cell_seg *line, int *tx, int *ty)
{
    int c0 = 0, r0 = 0, c1 = 0, r1 = 0;
    if (!has_chart() || text[0] == '\0' || flow_hit(x0, y0, &c0, &r0) != hit_on_chart) return -1;
    if (flow_grid[r0] == nullptr || !valid_cb(flow_grid[r0][c0])) return -1;
    c1 = opt_x + x1 / cell_w;
    r1 = opt_y - 1 + y1 / cell_h;
    const cell_rect from = cell_box(c0, r0, opt_x, opt_y, flow_zoom);
    const cell_rect to = cell_box(c1, r1, opt_x, opt_y, flow_zoom);
    *line = cell_seg{from.right, from.top, to.left, to.bottom};
    *tx = to.left;
    *ty = to.top;
    return 0;
}

int flow_drag_class(int dx, int dy)
{
    const int m = abs_of(dx) > abs_of(dy) ? abs_of(dx) : abs_of(dy);
    if (m > drag_long_px) return drag_long;
    return m >= drag_short_px ? drag_short : drag_click;
}

int flow_press(int button, int mods, int *action)
{
    *action = act_none;
    const bool shift = (mods & mod_shift) != 0, ctrl = (mods & mod_ctrl) != 0, other = (mods & mod_other_button) != 0;
    if (button == press_left_double) {
        *action = act_pick_names;
        return gesture_none;
    }
    if (button == press_right_double) return gesture_none;
    if (button == press_left) {
        if (ctrl && shift) return *action = act_show_short, gesture_none;
        if (ctrl) return *action = act_show_marked, gesture_show_mark;
        if (shift) return *action = act_select_node, gesture_none;
        if (other) return *action = act_fold, gesture_fold;
        return gesture_show;
    }
    if (ctrl && shift) return gesture_callout;
    if (ctrl) return *action = act_forget_marks, gesture_fold;
    if (shift) return *action = act_select_line, gesture_none;
    if (other) return *action = act_show_branches, gesture_branches;
    return gesture_clear;
}

int flow_release(int state, int drag)
{
    switch (state) {
    case gesture_show: return drag == drag_click ? rel_show : rel_scroll;
    case gesture_show_mark:
    case gesture_fold: return drag == drag_click ? rel_beep : rel_none;
    case gesture_branches: return rel_beep;
    case gesture_clear: return drag == drag_click ? rel_clear : drag == drag_long ? rel_home : rel_beep;
    case gesture_callout: return drag == drag_click ? rel_beep : rel_callout;
    default: return rel_none;
    }
}

int flow_rules_reset()
{
    flow_keep_code = 0;
    flow_fix_zoom = 0;
    node_table_mode = 0;
    flow_drag_state = gesture_none;
    flow_press_point.x = flow_press_point.y = 0;
    return 0;
}
