// The cell grid of the flow chart and the chart's totals that outlive an
// analyser run: the grid rows, the count of the chart's own records and the
// node the FLOW screen selected.
#ifndef VOK_ANALYSER_FLOW_GRID_H
#define VOK_ANALYSER_FLOW_GRID_H

#include <cstdint>

const int grid_rows = 1000;
const int grid_cols = 1000;

// [row][column]: -1 empty, a node index, or a negative line piece.
extern int32_t *flow_grid[grid_rows];
extern int cb_base_num;  // cb_num at the end of a flow run
extern int sel_cb;

// Allocates the rows still missing (failure 444 through anal_abort).
int alloc_flow_grid();
// Forgets the rows without freeing them (the program's first run).
int clear_flow_grid();
// Frees every row (the reset of the tests).
int free_flow_grid();

#endif
