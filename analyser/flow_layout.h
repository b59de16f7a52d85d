// Layout of the flow nodes on the cell grid: the gotos resolved, the
// columns (longest path), the loop roofs and the rows (lanes).
#ifndef VOK_ANALYSER_FLOW_LAYOUT_H
#define VOK_ANALYSER_FLOW_LAYOUT_H

// The re-layout after a fold: t, m and disp restored from the saved copies,
// then the finishing pass.  Returns 0; an undefined label leaves an empty
// chart and a box.
int layout_flow();
// The start of a new chart's layout: counters and roofs cleared, t, m and
// disp saved for the re-layouts.
int layout_prepare();
// The finishing pass on the current letters: the gotos resolved under the
// failure guard, in-line gotos marked, then columns, roofs and rows.
int layout_finish();

// Follows every label to its statement and turns second gotos into 'P';
// an undefined label is an analysis failure.
int resolve_labels();

// The walks from node i along the visible successors and branch targets.
int count_in_edges(int i);
int count_flow_edges(int i);
int set_x(int i, int depth);
int set_r_walk(int i);
int set_r(int from, int target);
int set_y(int i, int row);
// One step of the row walk: 0 go on from i, 1 more links will arrive,
// 2 i is already placed.
int set_y_step(int i, int *row, int joining, int *next_row);
int set_y_new(int start, int row);

int layout_count();
int layout_count_all();
int layout_x();
int layout_r();
int layout_y();

#endif
