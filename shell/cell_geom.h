// The geometry of the FLOW screen's cell grid: cells 32 x 16 chart pixels
// below a 16-pixel title band, counted from the grid origin (the first
// shown column and row, passed in), scaled by the zoom in sixteenths.  The
// window code draws what these give: cell rectangles, line pieces, the
// connector between two cell centres and the junction marks.
#ifndef VOK_SHELL_CELL_GEOM_H
#define VOK_SHELL_CELL_GEOM_H

const int cell_w = 32;       // chart pixels of a column
const int cell_h = 16;       // chart pixels of a row
const int title_band = 16;   // chart pixels above row 0
const int piece_seg_cap = 4; // segments of the largest line piece
const int junction_seg_cap = 4;

// Line-piece codes with a meaning of their own.
const int piece_arrow = 21;  // a full horizontal stroke with an arrow head

struct cell_rect {
    int left, top, right, bottom;
};
struct cell_seg {
    int x0, y0, x1, y1;
};

// A chart pixel at the zoom: p * zoom / 16.
int zoom_px(int p, int zoom);
// The scaled rectangle of cell (c, r) seen from origin (ox, oy).
cell_rect cell_box(int c, int r, int ox, int oy, int zoom);
// The scaled line between the centres of two cells.
cell_seg connector_seg(int c1, int r1, int c2, int r2, int ox, int oy, int zoom);
// The strokes of line piece code in cell (c, r): their number in *count;
// returns 1 for the codes drawn elsewhere (2 and 16 to 20), else 0.
int piece_segs(int c, int r, int ox, int oy, int zoom, int code, cell_seg out[piece_seg_cap], int *count);
// A junction mark at full size: the stubs (bits 8 up, 2 left, 1 right, 4
// down) in out with their number in *count, and the 5 x 5 box (a circle for
// kind 63) in *box.
int junction_shape(int c, int r, int ox, int oy, int stubs, cell_seg out[junction_seg_cap], int *count,
                   cell_rect *box);

#endif
