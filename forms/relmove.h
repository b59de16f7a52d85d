// Moving and resizing a box with everything its relation links carry along:
// on_set children, aligned and sized children and h/v balance chains.
#ifndef VOK_FORMS_RELMOVE_H
#define VOK_FORMS_RELMOVE_H

#include "shell/host.h"

struct box_rec;

extern int relate_off;  // while set, moves and resizes change the box alone

// Moves the rectangle alone.
void shift_rect(box_rec &b, int dx, int dy);
int move_box(int i, int dx, int dy);
int shift_box(int i, int dx, int dy);
// shift_box that hands back the delta it applied after clamping.
int shift_box_by(int i, int *dx, int *dy);
int resize_box(int i, int dw, int dh);
int follow_move(int i, int dx, int dy, int depth);
int follow_size(int i, int depth);
int follow_balance(int i, int depth);
int balance_h_chain(int i, int acc, int depth);
int balance_v_chain(int i, int acc, int depth);
int corner_at_point(int x, int y, int tol, win_handle window);
int shift_drag_rect(int *x, int *y, int *endx, int *endy, int dx, int dy);
int grow_drag_rect(int *x, int *y, int *endx, int *endy, int dx, int dy);
bool is_line_comment(int i);
bool is_relation_link(int r);

#endif
