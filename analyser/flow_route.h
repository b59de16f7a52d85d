// Routing of the flow chart's connecting lines through the cell grid: line
// pieces in the free cells, connector records where a line must stop.
#ifndef VOK_ANALYSER_FLOW_ROUTE_H
#define VOK_ANALYSER_FLOW_ROUTE_H

// The grid's line pieces are -2 to -15: the set of directions joined (up 8,
// down 4, left 2, right 1).
#include "analyser/flow_grid.h"

// The grid as the FLOW paint fills it: every cell emptied, the connector
// records of the previous routing freed, every drawn node placed in its
// cell with its line-piece code.  Rows not allocated are skipped.
int fill_flow_grid();

// What the node's cell shows: the node itself (its index) or a line piece.
int cb_route_code(int i);

// Routes every link from node 0 on; may append connector records.
int route_flow_lines();
int route_from(int i);
int route_link(int from, int to);
// A connector record at the cell, leading to base; the new index, or -1
// when no record can be had (the line then ends).
int make_connector(int base, int column, int row, int old_cell);
int route_vertical(int column, int from_row, int to_row);
int route_horizontal(int from_column, int to_column, int row);
int route_corner(int column, int row, int piece);
int route_collision(int cell);

#endif
