// The FLOW screen's window: the chart's display list replayed on a device
// context (WM_PAINT and WM_PRINTCLIENT share it), the links of a node, the
// mouse gestures of the chart, the keys, buttons and system-menu items, and
// the timer forwarded to LIST and the main screen.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "analyser/flow_grid.h"
#include "analyser/flow_nodes.h"
#include "analyser/listings.h"
#include "shell/cell_geom.h"
#include "shell/codeout.h"
#include "shell/dirs.h"
#include "shell/keypad.h"
#include "shell/launcher.h"
#include "shell/main_fields.h"
#include "shell/main_keys.h"
#include "shell/main_state.h"
#include "shell/marks.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "shell/sysmenus.h"
#include "shell/win/cell_grid.h"
#include "shell/win/startup_win.h"
#include "trees/flow_chart.h"
#include "trees/flow_code.h"
#include "trees/flow_rules.h"
#include "trees/launch.h"
#include "trees/list_rules.h"
#include "trees/win/chart_screens.h"

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

HWND hw(win_handle h) { return static_cast<HWND>(h); }

const char *const flow_buttons[screen_button_count] = {"★", "覧", "コ", "↑", "↓", "編"};
const int hint_id = 99;
const int target_size = 1000;

HWND hint_popup;
POINT hint_point;

void repaint(HWND hwnd) { InvalidateRect(hwnd, nullptr, TRUE); }

void check_item(HWND hwnd, int item, int on)
{
    CheckMenuItem(GetSystemMenu(hwnd, FALSE), item, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void zoom_key(HWND hwnd, bool in)
{
    if (in && flow_zoom < zoom_max) highlight_clear();
    if (!in && flow_zoom > zoom_min) zoom_out_hook(flow_press_point.x, flow_press_point.y);
    if ((in ? flow_zoom_in() : flow_zoom_out()) == 0) {
        MessageBeep(0);
        return;
    }
    repaint(hwnd);
}

// After a print into the CODE output: its caption, its modified flag, and
// the focus when the output is kept in view.
void after_show()
{
    char file[dir_path_size];
    get_cur_file(file, sizeof file);
    set_code_caption(file);
    SendMessageA(hw(code_out_hwnd), EM_SETMODIFY, 0, 0);
    if (flow_keep_code) SetFocus(hw(code_out_hwnd));
}

int show_code(int x, int y, int ext, int mode)
{
    return fill_flow_code(chart_px(x), chart_px(y), code_out_hwnd, ext, target_field_handle(), mode);
}

// The target field's number (its first character a digit): 1 with it,
// 0 for an empty field, -1 for any other text.
int target_number(int *n)
{
    char text[target_size];
    target_text(text, sizeof text);
    if (text[0] == '\0') return 0;
    if (text[0] < '0' || text[0] > '9') return -1;
    *n = atoi(text);
    return 1;
}

// Shift with a press: the target field's number selects a node (left) or a
// source line (right); in the node-table mode the node's table row is shown.
void select_press(HWND hwnd, bool node, int x, int y)
{
    int n = -1;
    const int has = target_number(&n);
    if (node_table_mode) {
        const int mode = node ? pane_table_head : pane_table_row;
        if (has == 1) show_code(0, 0, n, mode);
        else show_code(x, y, -1, mode);
        if (has == 1) target_clear();
        return;
    }
    const int arg = has == 1 ? n : -1;
    const bool done = has >= 0 && (node ? select_cb(arg) : select_line(arg));
    if (done) repaint(hwnd);
    else if (!node) MessageBeep(0);
    target_clear();
}

void press_action(HWND hwnd, int action, int x, int y)
{
    switch (action) {
    case act_fold:
        toggle_fold_at(chart_px(x), chart_px(y), code_out_hwnd);
        repaint(hwnd);
        break;
    case act_select_node: select_press(hwnd, true, x, y); break;
    case act_show_marked: show_code(x, y, ext_plain, pane_show_mark); break;
    case act_show_short: show_code(x, y, ext_short, pane_show); break;
    case act_pick_names: list_box_identifiers(target_field_handle(), 1); break;
    case act_show_branches:
        show_code(x, y, ext_branches, pane_show);
        after_show();
        break;
    case act_select_line: select_press(hwnd, false, x, y); break;
    case act_forget_marks:
        highlight_clear();
        repaint(hwnd);
        break;
    default: break;
    }
}

void press(HWND hwnd, int button, WPARAM keys, LPARAM lparam)
{
    const int other = button == press_left ? MK_RBUTTON : MK_LBUTTON;
    const int mods = ((keys & MK_SHIFT) ? mod_shift : 0) | ((keys & MK_CONTROL) ? mod_ctrl : 0)
                     | ((keys & other) ? mod_other_button : 0);
    flow_press_point.x = (short)LOWORD(lparam);
    flow_press_point.y = (short)HIWORD(lparam);
    int action = act_none;
    flow_drag_state = flow_press(button, mods, &action);
    press_action(hwnd, action, flow_press_point.x, flow_press_point.y);
}

// The callout from the press to the release point, drawn on the window.
void callout(HWND hwnd, int x, int y)
{
    char text[target_size];
    target_text(text, sizeof text);
    cell_seg line{};
    int tx = 0, ty = 0;
    if (callout_geometry(text, chart_px(flow_press_point.x), chart_px(flow_press_point.y), chart_px(x), chart_px(y),
                         &line, &tx, &ty) != 0) {
        MessageBeep(0);
        return;
    }
    HDC dc = GetDC(hwnd);
    HPEN pen = CreatePen(PS_DOT, 1, pure_blue);
    HFONT font = CreateFontA(-flow_zoom, 0, 0, 0, FW_DONTCARE, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "ＭＳ 明朝");
    HGDIOBJ old_pen = SelectObject(dc, pen);
    HGDIOBJ old_font = SelectObject(dc, font);
    MoveToEx(dc, line.x0, line.y0, nullptr);
    LineTo(dc, line.x1, line.y1);
    TextOutA(dc, tx, ty, text, lstrlenA(text));
    SelectObject(dc, old_font);
    SelectObject(dc, old_pen);
    DeleteObject(font);
    DeleteObject(pen);
    ReleaseDC(hwnd, dc);
    target_clear();
}

void release(HWND hwnd, LPARAM lparam)
{
    const int x = (short)LOWORD(lparam), y = (short)HIWORD(lparam);
    const int drag = flow_drag_class(flow_press_point.x - x, flow_press_point.y - y);
    const int action = flow_release(flow_drag_state, drag);
    flow_drag_state = gesture_none;
    switch (action) {
    case rel_show:
        show_code(flow_press_point.x, flow_press_point.y, ext_plain, pane_show);
        after_show();
        break;
    case rel_scroll:
        if (scroll_grid(chart_px(flow_press_point.x - x), chart_px(flow_press_point.y - y))) repaint(hwnd);
        break;
    case rel_clear:
        highlight_clear();
        code_mark_clear();
        repaint(hwnd);
        set_code_caption("");
        SetWindowTextA(hw(code_out_hwnd), "");
        SendMessageA(hw(code_out_hwnd), EM_SETMODIFY, 0, 0);
        if (flow_keep_code) SetFocus(hw(code_out_hwnd));
        break;
    case rel_home:
        if (scroll_to_cb(0)) repaint(hwnd);
        target_clear();
        break;
    case rel_callout: callout(hwnd, x, y); break;
    case rel_beep: MessageBeep(0); break;
    default: break;
    }
}

// F1: the editor at the current node's first line of the current file.
void editor_key()
{
    char path[dir_path_size];
    int line = 1;
    if (cur_file_line(path, sizeof path, &line) < 0) {
        MessageBeep(0);
        return;
    }
    char *cut = strrchr(path, '\\');
    const char *file = cut != nullptr ? cut + 1 : path;
    if (cut != nullptr) *cut = '\0';
    char command[3 * param_size];
    if (list_editor_command(command, sizeof command, cut != nullptr ? path : ".", file, line) != 0) {
        MessageBeep(0);
        return;
    }
    exec_wait(command, 0);
}

void key_up(HWND hwnd, WPARAM key)
{
    char file[dir_path_size];
    switch (key) {
    case VK_F1: editor_key(); break;
    case VK_F2: case VK_F3: MessageBeep(0); break;
    case VK_F12: case VK_HOME:
        get_cur_file(file, sizeof file);
        if (key == VK_F12) show_references(code_out_hwnd);
        else show_file_head(code_out_hwnd, file);
        set_code_caption(file);
        SendMessageA(hw(code_out_hwnd), EM_SETMODIFY, 0, 0);
        SetFocus(hw(code_out_hwnd));
        break;
    case VK_ESCAPE: SetActiveWindow(hw(hwndE)); break;
    case VK_TAB: SetFocus(hw(code_out_hwnd)); break;
    case VK_PRIOR:
        if (dev_flag && cb_num > 0) node_table_mode = 1;
        else MessageBeep(0);
        break;
    case VK_NEXT:
        if (dev_flag) node_table_mode = 0;
        else MessageBeep(0);
        break;
    case VK_UP: zoom_key(hwnd, true); break;
    case VK_DOWN: zoom_key(hwnd, false); break;
    default: break;
    }
}

bool sys_command(HWND hwnd, WPARAM item)
{
    switch (item) {
    case flow_sys_keep_code:
        flow_keep_code = !flow_keep_code;
        check_item(hwnd, flow_sys_keep_code, flow_keep_code);
        if (flow_keep_code) SetFocus(hw(code_out_hwnd));
        return true;
    case flow_sys_wide:
        flow_wide = !flow_wide;
        run_anal_range();
        code_mark_clear();
        highlight_clear();
        repaint(hwnd);
        return true;
    case flow_sys_fix_zoom:
        flow_fix_zoom = !flow_fix_zoom;
        check_item(hwnd, flow_sys_fix_zoom, flow_fix_zoom);
        return true;
    case flow_sys_node_table: dump_cb_to_edit(code_out_hwnd); return true;
    default: return false;
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
    if (keypad_dispatch(msg, hwnd, static_cast<unsigned>(wparam), lparam)) return 0;
    if (hide_or_show_screen(hwnd, msg, wparam, lparam, &hidden_flags[hidden_flow])) return 0;
    screen_hint_message(hwnd, msg, wparam, lparam, hint_popup, &hint_point);
    switch (msg) {
    case WM_CREATE:
        hint_popup = create_screen_buttons(hwnd, 'F', flow_buttons, hint_id);
        create_flow_brushes();
        flow_invert_cell = invert_on_window;
        flow_mark_node = mark_on_window;
        return 0;
    case WM_SIZE: place_screen_buttons(hwnd, LOWORD(lparam), HIWORD(lparam)); return 0;
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
        if (hwndL != nullptr) SendMessageA(hw(hwndL), WM_TIMER, 0, 0);
        if (hwndE != nullptr) SendMessageA(hw(hwndE), WM_TIMER, 0, 0);
        return 0;
    case WM_LBUTTONDOWN: press(hwnd, press_left, wparam, lparam); return 0;
    case WM_RBUTTONDOWN: press(hwnd, press_right, wparam, lparam); return 0;
    case WM_LBUTTONDBLCLK: press(hwnd, press_left_double, wparam, lparam); return 0;
    case WM_RBUTTONDBLCLK: return 0;
    case WM_LBUTTONUP: case WM_RBUTTONUP: release(hwnd, lparam); return 0;
    case WM_KEYDOWN:
        if (wparam == VK_SHIFT) shift_down = 1;
        if (wparam == VK_RETURN || wparam == VK_APPS) fkey_handler(hwnd, static_cast<unsigned>(wparam));
        return 0;
    case WM_KEYUP:
        if (wparam == VK_SHIFT) shift_down = 0;
        if (!is_keypad_nav_key(msg, static_cast<unsigned>(wparam), lparam)) key_up(hwnd, wparam);
        return 0;
    case WM_COMMAND: return screen_command(hwnd, wparam, lparam, hwndL, 0);
    case WM_SYSCOMMAND:
        if (sys_command(hwnd, wparam)) return 0;
        break;
    case WM_SETFOCUS: fkey_accept(hwnd); return 0;
    case WM_CTLCOLORSTATIC: return white_static(wparam);
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wparam, lparam);
}
