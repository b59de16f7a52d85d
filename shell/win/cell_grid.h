// The cell-grid drawing of the FLOW screen: the two brushes it creates,
// inverted, light-blue and framed cells, connectors, line pieces, junction
// marks and the highlighted nodes, all drawn relative to the grid origin and
// scaled by the FLOW zoom (the geometry is shell/cell_geom.h's).
#ifndef VOK_SHELL_WIN_CELL_GRID_H
#define VOK_SHELL_WIN_CELL_GRID_H

#include <windows.h>

// The yellow and light-blue brushes, created with the FLOW window.
extern HBRUSH flow_brushes[2];
// Creates the brushes once; 0.
int create_flow_brushes();
// Deletes them; 0.
int delete_flow_brushes();

// The cell filled with the yellow brush in R2_NOT (twice restores it).
int xor_cell_dc(HDC dc, int c, int r);
// The same on the FLOW window.
int xor_cell(int c, int r);
// The cell painted over with the light-blue brush in R2_NOTCOPYPEN.
int notcopy_cell(HDC dc, int c, int r);
// The cell's outline in a pen of the colour.
int frame_cell_dc(HDC dc, int c, int r, COLORREF color);
// The cell's outline on the FLOW window in blue and in red.
int blue_frame(int c, int r);
int red_frame(int c, int r);
// A line between the centres of two cells with the selected pen.
int draw_connector(HDC dc, int c1, int r1, int c2, int r2);
// Line piece code of the cell: 1 for the codes drawn elsewhere, else 0.
int draw_arrow(int c, int r, HDC dc, int code);
// A junction mark at full size: its stubs and a box (a circle for kind 63).
int draw_junction(int c, int r, HDC dc, int stubs, int kind);
// Remembers the node as highlighted and draws its links in red; 0.
int mark_cell(int node, int flag);
// Draws every highlighted node's links in red; 0.
int redraw_marks(HDC dc);
// MoveToEx without the old position.
int move_to(HDC dc, int x, int y);

// A node's outgoing links with the pen selected in dc; the FLOW screen
// defines it.
int draw_cb_links(HDC dc, int node);

#endif
