// The FLOW screen's cell-grid drawing (see cell_grid.h).
#include "shell/win/cell_grid.h"

#include "analyser/anal_main.h"
#include "shell/cell_geom.h"
#include "shell/marks.h"
#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/startup.h"

HBRUSH flow_brushes[2];

namespace {

const COLORREF yellow = RGB(255, 250, 0);
const COLORREF light_blue = RGB(0, 250, 255);
const COLORREF pure_blue = RGB(0, 0, 255);
const COLORREF pure_red = RGB(255, 0, 0);
const int junction_circle = 63;  // the kind drawn as a circle ("?")

cell_rect box_of(int c, int r)
{
    int ox = 0, oy = 0;
    get_grid_origin(&ox, &oy);
    return cell_box(c, r, ox, oy, flow_zoom);
}

void line(HDC dc, const cell_seg &s)
{
    MoveToEx(dc, s.x0, s.y0, nullptr);
    LineTo(dc, s.x1, s.y1);
}

int fill_cell(HDC dc, int c, int r, HBRUSH brush, int rop)
{
    const cell_rect b = box_of(c, r);
    const RECT rect{b.left, b.top, b.right, b.bottom};
    SetROP2(dc, rop);
    HGDIOBJ old_brush = SelectObject(dc, brush);
    HGDIOBJ old_pen = SelectObject(dc, GetStockObject(NULL_PEN));
    Rectangle(dc, rect.left, rect.top, rect.right + 1, rect.bottom + 1);
    SelectObject(dc, old_pen);
    SelectObject(dc, old_brush);
    SetROP2(dc, R2_COPYPEN);
    return 0;
}

int on_flow_window(int (*draw)(HDC, int, int, COLORREF), int c, int r, COLORREF color)
{
    HWND hwnd = static_cast<HWND>(hwndF);
    if (hwnd == nullptr) return 0;
    HDC dc = GetDC(hwnd);
    draw(dc, c, r, color);
    ReleaseDC(hwnd, dc);
    return 0;
}

}  // namespace

int create_flow_brushes()
{
    if (flow_brushes[0] == nullptr) flow_brushes[0] = CreateSolidBrush(yellow);
    if (flow_brushes[1] == nullptr) flow_brushes[1] = CreateSolidBrush(light_blue);
    return 0;
}

int delete_flow_brushes()
{
    for (HBRUSH &b : flow_brushes) {
        if (b != nullptr) DeleteObject(b);
        b = nullptr;
    }
    return 0;
}

int xor_cell_dc(HDC dc, int c, int r) { return fill_cell(dc, c, r, flow_brushes[0], R2_NOT); }

int xor_cell(int c, int r)
{
    HWND hwnd = static_cast<HWND>(hwndF);
    if (hwnd == nullptr) return 0;
    HDC dc = GetDC(hwnd);
    xor_cell_dc(dc, c, r);
    ReleaseDC(hwnd, dc);
    return 0;
}

int notcopy_cell(HDC dc, int c, int r) { return fill_cell(dc, c, r, flow_brushes[1], R2_NOTCOPYPEN); }

int frame_cell_dc(HDC dc, int c, int r, COLORREF color)
{
    const cell_rect b = box_of(c, r);
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, b.left, b.top, nullptr);
    LineTo(dc, b.left, b.bottom);
    LineTo(dc, b.right, b.bottom);
    LineTo(dc, b.right, b.top);
    LineTo(dc, b.left, b.top);
    SelectObject(dc, old);
    DeleteObject(pen);
    return 0;
}

int blue_frame(int c, int r) { return on_flow_window(frame_cell_dc, c, r, pure_blue); }
int red_frame(int c, int r) { return on_flow_window(frame_cell_dc, c, r, pure_red); }

int draw_connector(HDC dc, int c1, int r1, int c2, int r2)
{
    int ox = 0, oy = 0;
    get_grid_origin(&ox, &oy);
    line(dc, connector_seg(c1, r1, c2, r2, ox, oy, flow_zoom));
    return 0;
}

int draw_arrow(int c, int r, HDC dc, int code)
{
    int ox = 0, oy = 0;
    get_grid_origin(&ox, &oy);
    cell_seg segs[piece_seg_cap];
    int count = 0;
    const int result = piece_segs(c, r, ox, oy, flow_zoom, code, segs, &count);
    for (int i = 0; i < count; ++i) line(dc, segs[i]);
    return result;
}

int draw_junction(int c, int r, HDC dc, int stubs, int kind)
{
    int ox = 0, oy = 0;
    get_grid_origin(&ox, &oy);
    cell_seg segs[junction_seg_cap];
    int count = 0;
    cell_rect box{};
    junction_shape(c, r, ox, oy, stubs, segs, &count, &box);
    for (int i = 0; i < count; ++i) line(dc, segs[i]);
    if (kind == junction_circle) Ellipse(dc, box.left, box.top, box.right, box.bottom);
    else Rectangle(dc, box.left, box.top, box.right, box.bottom);
    return 0;
}

int mark_cell(int node, int)
{
    highlight_add(node);
    HWND hwnd = static_cast<HWND>(hwndF);
    if (hwnd != nullptr) {
        HDC dc = GetDC(hwnd);
        HPEN pen = CreatePen(PS_SOLID, 1, pure_red);
        HGDIOBJ old = SelectObject(dc, pen);
        draw_cb_links(dc, node);
        SelectObject(dc, old);
        DeleteObject(pen);
        ReleaseDC(hwnd, dc);
    }
    send_msg(target_field_handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    return 0;
}

int redraw_marks(HDC dc)
{
    HPEN pen = CreatePen(PS_SOLID, 1, pure_red);
    HGDIOBJ old = SelectObject(dc, pen);
    for (int i = 0; i < highlight_num; ++i) draw_cb_links(dc, highlight_nodes[i]);
    SelectObject(dc, old);
    DeleteObject(pen);
    return 0;
}

int move_to(HDC dc, int x, int y)
{
    MoveToEx(dc, x, y, nullptr);
    return 0;
}
