// The cell-grid geometry of the FLOW screen (see cell_geom.h).
#include "shell/cell_geom.h"

namespace {

// The bits of a junction's stubs and of a line piece: arms from the centre.
const int arm_right = 1;
const int arm_left = 2;
const int arm_down = 4;
const int arm_up = 8;

cell_seg seg(int x0, int y0, int x1, int y1) { return cell_seg{x0, y0, x1, y1}; }

}  // namespace

int zoom_px(int p, int zoom) { return p * zoom / 16; }

cell_rect cell_box(int c, int r, int ox, int oy, int zoom)
{
    const int x = cell_w * (c - ox), y = cell_h * (r - oy) + title_band;
    return cell_rect{zoom_px(x, zoom), zoom_px(y, zoom), zoom_px(x + cell_w, zoom), zoom_px(y + cell_h, zoom)};
}

cell_seg connector_seg(int c1, int r1, int c2, int r2, int ox, int oy, int zoom)
{
    const auto cx = [&](int c) { return zoom_px(cell_w * (c - ox) + cell_w / 2, zoom); };
    const auto cy = [&](int r) { return zoom_px(cell_h * (r - oy) + title_band + cell_h / 2, zoom); };
    return seg(cx(c1), cy(r1), cx(c2), cy(r2));
}

int piece_segs(int c, int r, int ox, int oy, int zoom, int code, cell_seg out[piece_seg_cap], int *count)
{
    *count = 0;
    if (code == arm_left || (code >= 16 && code <= 20)) return 1;
    const cell_seg centre = connector_seg(c, r, c, r, ox, oy, zoom);
    const int cx = centre.x0, cy = centre.y0;
    const int hw = zoom_px(cell_w / 2, zoom), hh = zoom_px(cell_h / 2, zoom);
    const int left = cx - hw, right = cx + hw, top = cy - hh, bottom = cy + hh;
    int n = 0;
    if (code == piece_arrow) {
        out[n++] = seg(left, cy, right - 1, cy);
        out[n++] = seg(right - 1, cy, right - 5, cy - 4);
        out[n++] = seg(right - 1, cy, right - 5, cy + 4);
        *count = n;
        return 0;
    }
    const cell_seg across = seg(left, cy, right, cy), through = seg(cx, top, cx, bottom + 1);
    switch (code) {
    case arm_left | arm_right: out[n++] = seg(left, cy, right + 1, cy); break;
    case arm_down | arm_right: out[n++] = seg(right, cy, cx, cy), out[n++] = seg(cx, cy, cx, bottom); break;
    case arm_down | arm_left: out[n++] = seg(cx, bottom, cx, cy), out[n++] = seg(cx, cy, left, cy); break;
    case arm_down | arm_left | arm_right: out[n++] = across, out[n++] = seg(cx, bottom, cx, cy); break;
    case arm_up | arm_right: out[n++] = seg(cx, top, cx, cy), out[n++] = seg(cx, cy, right, cy); break;
    case arm_up | arm_left: out[n++] = seg(left, cy, cx, cy), out[n++] = seg(cx, cy, cx, top); break;
    case arm_up | arm_left | arm_right: out[n++] = seg(cx, top, cx, cy), out[n++] = across; break;
    case arm_up | arm_down: out[n++] = through; break;
    case arm_up | arm_down | arm_right: out[n++] = seg(right, cy, cx, cy), out[n++] = through; break;
    case arm_up | arm_down | arm_left: out[n++] = seg(left, cy, cx, cy), out[n++] = through; break;
    case arm_up | arm_down | arm_left | arm_right: out[n++] = across, out[n++] = through; break;
    default: break;  // single arms and unknown codes draw nothing
    }
    *count = n;
    return 0;
}

int junction_shape(int c, int r, int ox, int oy, int stubs, cell_seg out[junction_seg_cap], int *count,
                   cell_rect *box)
{
    const int x0 = cell_w * (c - ox), y0 = cell_h * (r - oy);
    int n = 0;
    if (stubs & arm_up) out[n++] = seg(x0 + 16, y0 + 16, x0 + 16, y0 + 22);
    if (stubs & arm_left) out[n++] = seg(x0, y0 + 24, x0 + 14, y0 + 24);
    if (stubs & arm_right) out[n++] = seg(x0 + 19, y0 + 24, x0 + 32, y0 + 24);
    if (stubs & arm_down) out[n++] = seg(x0 + 16, y0 + 27, x0 + 16, y0 + 32);
    *count = n;
    *box = cell_rect{x0 + 14, y0 + 22, x0 + 19, y0 + 27};
    return 0;
}
