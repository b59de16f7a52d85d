// The FLOW screen's window: the chart's display list replayed on a device
// context (WM_PAINT and WM_PRINTCLIENT share it), the links of a node, the
// zoom keys, a left click showing a box's code, and the timer forwarded to
// LIST and the main screen.
#include <windows.h>

#include "analyser/flow_grid.h"
#include "shell/cell_geom.h"
#include "shell/codeout.h"
#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "shell/win/cell_grid.h"
#include "shell/win/startup_win.h"
#include "trees/flow_chart.h"
#include "trees/flow_code.h"
#include "trees/flow_rules.h"

namespace {

const COLORREF pure_blue = RGB(0, 0, 255);
const COLORREF pure_red = RGB(255, 0, 0);
const int timer_id = 77;

void replay_item(HDC dc, const flow_item &it)
{
    switch (it.kind) {
    case item_text:
        TextOutA(dc, zoom_px(it.x, flow_zoom), zoom_px(it.y, flow_zoom), it.text, lstrlenA(it.text));
        break;
    case item_piece: draw_arrow(it.column, it.row, dc, it.code); break;
    case item_fold: notcopy_cell(dc, it.column, it.row); break;
    case item_frame: frame_cell_dc(dc, it.column, it.row, it.code == color_red ? pure_red : pure_blue); break;
    default: break;
    }
}

// The whole picture of the window on dc.
void paint_window(HWND hwnd, HDC dc)
{
    RECT r;
    GetWindowRect(hwnd, &r);
    set_flow_view(r.right - r.left, r.bottom - r.top, GetSystemMetrics(SM_CYSIZE), GetSystemMetrics(SM_CYFRAME));
    HPEN pen = CreatePen(PS_SOLID, 1, pure_blue);
    HFONT font = CreateFontA(-flow_zoom, 0, 0, 0, FW_DONTCARE, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "ＭＳ 明朝");
    HGDIOBJ old_pen = SelectObject(dc, pen);
    HGDIOBJ old_font = SelectObject(dc, font);
    paint_flow();
    for (int i = 0; i < flow_item_num; ++i) replay_item(dc, flow_items[i]);
    SelectObject(dc, old_font);
    SelectObject(dc, old_pen);
    DeleteObject(font);
    DeleteObject(pen);
    for (int i = 0; i < code_mark_num; ++i) {
        if (code_marks[i].kind != 0) xor_cell_dc(dc, (int)code_marks[i].a, (int)code_marks[i].b);
    }
    redraw_marks(dc);
}

int invert_on_window(int c, int r) { return xor_cell(c, r); }
int mark_on_window(int n) { return mark_cell(n, 0); }

void hide_flow(HWND hwnd)
{
    hidden_flags[hidden_flow] = 1;
    ShowWindow(hwnd, SW_HIDE);
}

void zoom_key(HWND hwnd, bool in)
{
    if ((in ? flow_zoom_in() : flow_zoom_out()) == 0) {
        MessageBeep(0);
        return;
    }
    InvalidateRect(hwnd, nullptr, TRUE);
}

void left_release(HWND hwnd, LPARAM lparam)
{
    const int x = (short)LOWORD(lparam), y = (short)HIWORD(lparam);
    const int drag = flow_drag_class(flow_press_x - x, flow_press_y - y);
    const int action = flow_release(flow_drag_state, drag);
    flow_drag_state = gesture_none;
    if (action == rel_show) {
        fill_flow_code(chart_px(x), chart_px(y), code_out_hwnd, ext_plain, target_field_handle(), pane_show);
    } else if (action == rel_scroll) {
        if (scroll_grid(chart_px(flow_press_x - x), chart_px(flow_press_y - y))) InvalidateRect(hwnd, nullptr, TRUE);
    } else if (action == rel_beep) {
        MessageBeep(0);
    }
}

}  // namespace

int draw_cb_links(HDC dc, int node)
{
    cell_seg segs[link_seg_cap];
    const int n = cb_link_segments(node, segs, link_seg_cap);
    for (int i = 0; i < n; ++i) draw_connector(dc, segs[i].x0, segs[i].y0, segs[i].x1, segs[i].y1);
    return 0;
}

LRESULT CALLBACK flow_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    switch (msg) {
    case WM_CREATE:
        create_flow_brushes();
        flow_invert_cell = invert_on_window;
        flow_mark_node = mark_on_window;
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        paint_window(hwnd, dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        paint_window(hwnd, reinterpret_cast<HDC>(wparam));
        return 0;
    case WM_TIMER:
        if (wparam != timer_id) return 0;
        if (hwndL != nullptr) SendMessageA(static_cast<HWND>(hwndL), WM_TIMER, 0, 0);
        if (hwndE != nullptr) SendMessageA(static_cast<HWND>(hwndE), WM_TIMER, 0, 0);
        return 0;
    case WM_LBUTTONDOWN: {
        int action = act_none;
        const int mods = ((wparam & MK_SHIFT) ? mod_shift : 0) | ((wparam & MK_CONTROL) ? mod_ctrl : 0)
                         | ((wparam & MK_RBUTTON) ? mod_other_button : 0);
        flow_press_x = (short)LOWORD(lparam);
        flow_press_y = (short)HIWORD(lparam);
        flow_drag_state = flow_press(press_left, mods, &action);
        return 0;
    }
    case WM_LBUTTONUP:
        left_release(hwnd, lparam);
        return 0;
    case WM_KEYUP:
        if (wparam == VK_UP) zoom_key(hwnd, true);
        else if (wparam == VK_DOWN) zoom_key(hwnd, false);
        return 0;
    case WM_SYSCOMMAND:
        if ((wparam & 0xFFF0) == SC_MINIMIZE) {
            hide_flow(hwnd);
            return 0;
        }
        break;
    case WM_CLOSE:
        hide_flow(hwnd);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wparam, lparam);
}
