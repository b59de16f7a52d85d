// The flow chart as the FLOW screen paints it: the nodes placed on the
// cell grid, the lines routed, and what goes where as a display list of
// texts, line pieces, folded-cell fills and frames in chart pixels (the
// window replays it scaled by the zoom).  Also the box of a source line, the
// result-range lines that fall into a box without a visible node, and the
// outgoing links of a highlighted node as segments between cell centres.
#ifndef VOK_TREES_FLOW_CHART_H
#define VOK_TREES_FLOW_CHART_H

#include "shell/cell_geom.h"

// What a display item draws.
enum flow_item_kind {
    item_text,     // text with its top-left corner at (x, y)
    item_piece,    // line piece code of the cell at (x, y)
    item_fold,     // the folded cell at (x, y) painted over in R2_NOTCOPY with the light-blue brush
    item_frame     // the outline of the cell at (x, y) in colour
};

// Frame colours.
enum flow_color { color_blue, color_red };

const int flow_item_text_size = 80;
const int flow_item_cap = 60000;  // items of one paint; further items are dropped

// One display item: a cell's place (x, y) in chart pixels from the chart's
// top-left corner, column and row of the grid, and what to draw.
struct flow_item {
    int kind;
    int x, y;
    int column, row;
    int code;   // item_piece: the piece; item_frame: the colour
    char text[flow_item_text_size];
};

extern flow_item flow_items[flow_item_cap];
extern int flow_item_num;
extern int flow_last_row;  // the last grid row holding anything in the visible columns

const int invalid_line_cap = 100;  // result-range lines reported; more are dropped
struct invalid_line {
    int box, line;
    char name[81];
};
extern invalid_line invalid_lines[invalid_line_cap];
extern int invalid_line_num;

// Rebuilds the grid from the nodes and fills the display list: title,
// rows of texts and pieces, the ruler and the frames.  Nothing while there
// are no nodes.  Returns the number of items.
int paint_flow();

// The visible node of the innermost box holding the source line; -2 none.
int box_of_line(int line);
// Reports result-range lines that lie in a box without a visible node into
// the CODE output; the number reported.
int check_entry_lines();

const int link_seg_cap = 4096;  // segments of one node's links; more are dropped
// The outgoing links of node n as segments between cell centres, in grid
// columns and rows (x0, y0, x1, y1); their number.
int cb_link_segments(int n, cell_seg *out, int cap);
// The node a goto or loop connector leads to, past nodes without a place;
// -1 none.
int jump_target_cb(int n);

// Back to the start values; 0.
int flow_chart_reset();

#endif
