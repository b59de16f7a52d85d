// The FLOW screen's rules without its window: the visible extent from the
// window size, the zoom, the hit test of a point, scrolling, the selected
// node and lines, folding a box, the callout's geometry and the gesture
// table (what a press does at once and what its release does).
#ifndef VOK_TREES_FLOW_RULES_H
#define VOK_TREES_FLOW_RULES_H

#include "shell/cell_geom.h"
#include "shell/host.h"

const int zoom_min = 7;
const int zoom_max = 16;

extern int flow_keep_code;   // menu 45: focus the CODE output after a show
extern int flow_fix_zoom;    // menu 52
extern int node_table_mode;  // developer switch: Shift clicks show node-table rows
extern int flow_drag_state;  // the gesture begun by the last press (flow_gesture_state)
// A point on the FLOW window, in window pixels.
struct flow_point {
    int x, y;
};
extern flow_point flow_press_point;  // the press point in window pixels

// A window pixel in chart pixels at the zoom.
int chart_px(int p);
// opt_w and opt_h from the window rectangle's size and the system's caption
// and frame heights; 0.
int set_flow_view(int width, int height, int cy_size, int cy_frame);
// Zoom one step: 1 done, 0 at the limit (the caller beeps).
int flow_zoom_in();
int flow_zoom_out();

// Where a hit test ended.
enum flow_hit_result { hit_on_chart = 0, hit_off_column = 1, hit_off_row = 2 };
// The cell of a point in chart pixels: column and row, and whether it is on
// the chart (a column or row outside the grid never is).
int flow_hit(int x, int y, int *column, int *row);

// Moves the origin by whole cells of the deltas in chart pixels: 1 moved.
int scroll_grid(int dx, int dy);
// Selects node n (-1 clears): 1, or 0 for any other n.
int select_cb(int n);
// Selects one source line of the chart (-1 clears): 1, or 0.
int select_line(int line);
// The origin to node n's place: 1 when it moved.
int scroll_to_cb(int n);
// Folds or unfolds the box at the point, or appends the miss line to the
// edit: 0 done or nothing to do, -1 a miss.
int toggle_fold_at(int x, int y, win_handle edit);
// The callout from the press cell to the release cell (chart pixels):
// the scaled line and text corner; 0, or -1 when it cannot be drawn (the
// caller beeps).
int callout_geometry(const char *text, int x0, int y0, int x1, int y1, cell_seg *line, int *tx, int *ty);
// The empty hook of a zoom-out step.
int zoom_out_hook(int x, int y);

// Mouse buttons and modifiers of a press.
enum flow_button { press_left, press_right, press_left_double, press_right_double };
const int mod_shift = 1;
const int mod_ctrl = 2;
const int mod_other_button = 4;  // the other button is held

// The gesture states a press leaves for its release.
enum flow_gesture_state {
    gesture_none = 0,
    gesture_show = 1,        // left: a click shows the box's code, a drag scrolls
    gesture_show_mark = 2,   // Ctrl+left: shown and marked at the press
    gesture_fold = 3,        // left with right held, or Ctrl+right: the release beeps
    gesture_branches = 5,    // right with left held
    gesture_clear = 6,       // right: a click clears, a long drag goes home
    gesture_callout = 7      // Ctrl+Shift+right: a drag draws the callout
};
// What happens at a press.
enum flow_press_action {
    act_none,
    act_fold,            // toggle_fold_at and repaint
    act_select_node,     // the target field's number: select_cb
    act_show_marked,     // show the code and mark the box
    act_show_short,      // show the code with lines cut to 20 columns
    act_pick_names,      // the box's identifiers into the target field's list
    act_show_branches,   // the code of the box and its branches
    act_select_line,     // the target field's number: select_line
    act_forget_marks     // forget the highlighted boxes and repaint
};
// What happens at a release.
enum flow_release_action {
    rel_none,
    rel_show,       // show the box's code
    rel_scroll,     // scroll_grid by press minus release
    rel_clear,      // forget the marks, empty the CODE output
    rel_home,       // scroll_to_cb(0)
    rel_callout,    // draw_callout with the target field's text
    rel_beep
};
// Drag classes: less than 6 pixels both ways a click, more than 64 a long drag.
enum flow_drag_class { drag_click = 0, drag_short = 1, drag_long = 2 };
int flow_drag_class(int dx, int dy);
// The state and action of a press.
int flow_press(int button, int mods, int *action);
// The action of the release in a state.
int flow_release(int state, int drag);

// Back to the start values; 0.
int flow_rules_reset();

#endif
