// The RELATION screen's window: the graph painted links first, then named
// nodes; mouse gestures place, move, merge, rename and delete nodes while
// the category mode is 1, and show a node's structure on PROPERTY in mode 0.
#include <windows.h>

#include "forms/readers.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "shell/sysmenus.h"
#include "shell/text.h"
#include "shell/win/startup_win.h"
#include "trees/graph.h"
#include "trees/property.h"
#include "trees/win/relation_win.h"

namespace {

HWND hw(win_handle h) { return static_cast<HWND>(h); }

const COLORREF node_blue = RGB(0, 0, 255);
const int node_size = 6;  // the outline of a named node, in pixels

POINT pressed = {-1, -1};    // the press point, -1 none
int cur_node = -1;           // the node of the last left press, -1 none
bool skip_right_up = false;  // a rename ignores the right release that follows it

HFONT arial() { return CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial"); }

void text_at(HDC dc, int x, int y, const char *text)
{
    HFONT font = arial();
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, x, y, text, static_cast<int>(strlen(text)));
    SelectObject(dc, old);
    DeleteObject(font);
}

void outline(HDC dc, int x, int y, int size)
{
    HPEN pen = CreatePen(PS_SOLID, 1, node_blue);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, x, y, x + size, y + size);
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
}

void field_text(win_handle field, char *out, int size)
{
    out[0] = '\0';
    if (field != nullptr) GetWindowTextA(hw(field), out, size);
}

// A left press with the right button held names the node or link under it.
void rename_at(HWND hwnd, int x, int y)
{
    pressed = {-1, -1};
    skip_right_up = true;
    char text[1000];
    const int n = graph_node_at(x, y, graph_rename_tol);
    int tx = 0, ty = 0;
    if (n >= 0) {
        field_text(main_controls[ctl_category], text, sizeof text);
        graph_name_node(n, text);
        tx = graph_nodes[n].x;
        ty = graph_nodes[n].y;
        copy_bounded(text, sizeof text, graph_nodes[n].name);
    } else {
        const int l = graph_link_at(x, y, graph_rename_tol);
        if (l < 0) return;
        field_text(target_field.edit, text, sizeof text);
        graph_name_link(l, text);
        const graph_node &a = graph_nodes[graph_links[l].from], &b = graph_nodes[graph_links[l].to];
        tx = (a.x + b.x) / 2;
        ty = (a.y + b.y) / 2;
        copy_bounded(text, sizeof text, graph_links[l].name);
    }
    HDC dc = GetDC(hwnd);
    text_at(dc, tx, ty, text);
    ReleaseDC(hwnd, dc);
}

void left_press(HWND hwnd, int x, int y)
{
    pressed = {x, y};
    int added = 0;
    cur_node = graph_press(x, y, &added);
    if (cur_node < 0) {
        MessageBeep(0);
        return;
    }
    if (!added) return;
    HDC dc = GetDC(hwnd);
    outline(dc, x, y, node_size);
    ReleaseDC(hwnd, dc);
}

bool confirmed(HWND hwnd, const char *question)
{
    return msg_box(hwnd, question, msg_caption_text, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

void right_release(HWND hwnd, int x, int y)
{
    if (skip_right_up) {
        skip_right_up = false;
        return;
    }
    const graph_drag d = graph_release(pressed.x, pressed.y, x, y);
    switch (d.kind) {
    case graph_drag_move: graph_move_node(d.a, x, y); break;
    case graph_drag_ask_node:
        if (!confirmed(hwnd, "A node will vanish Are you shure?")) return;
        graph_delete_node(d.a);
        break;
    case graph_drag_ask_link:
        if (!confirmed(hwnd, "A line will vanish Are you shure?")) return;
        graph_delete_link(d.link);
        break;
    case graph_drag_merge: graph_merge_node(d.a, d.b); break;
    default: break;
    }
    InvalidateRect(hwnd, nullptr, TRUE);
}

// Outside the relation mode a node's name picks the structure PROPERTY shows.
void show_structure(int x, int y)
{
    const int n = graph_node_at(x, y, graph_rename_tol);
    if (n < 0) return;
    char file[40];
    format_text(file, sizeof file, "%s.S", graph_nodes[n].name);
    if (main_controls[ctl_category] != nullptr) SetWindowTextA(hw(main_controls[ctl_category]), file);
    if (prop_member_list == nullptr) return;
    list_struct_members(prop_member_list, file, "");
    SendMessageA(hw(prop_member_list), LB_SETCURSEL, 0, 0);
    list_param_members(prop_value_list, 0);
}

void save_graph(HWND hwnd)
{
    MessageBeep(0);
    char name[300], question[400];
    field_text(main_controls[ctl_category], name, sizeof name);
    format_text(question, sizeof question, "ファィル(%s)を保存します、よろしいですか？", name);
    MessageBeep(0);
    if (confirmed(hwnd, question)) graph_write(name);
}

bool sys_command(HWND hwnd, WPARAM wparam)
{
    switch (wparam) {
    case sys_about: SendMessageA(hw(hwndE), WM_SYSCOMMAND, sys_about, 1); return true;
    case sys_help: open_homepage(hwnd); return true;
    case relation_sys_open:
        MessageBeep(0);
        msg_box(hwnd, "not yet implemented!", msg_caption_text, MB_ICONEXCLAMATION);
        return true;
    case relation_sys_save: save_graph(hwnd); return true;
    default: break;
    }
    if ((wparam & 0xFFF0) == SC_MINIMIZE) {
        ShowWindow(hwnd, SW_HIDE);
        hidden_flags[hidden_relation] = 1;
        return true;
    }
    return false;
}

bool mouse(HWND hwnd, UINT msg, WPARAM wparam, int x, int y)
{
    if (gen_rel_mode != mode_create) {
        if (msg == WM_LBUTTONDOWN) show_structure(x, y);
        if (msg == WM_RBUTTONUP) {
            if (prop_member_list != nullptr) host_list_reset(prop_member_list);
            if (prop_value_list != nullptr) host_list_reset(prop_value_list);
        }
        return true;
    }
    switch (msg) {
    case WM_LBUTTONDOWN:
        if ((wparam & MK_RBUTTON) != 0) rename_at(hwnd, x, y);
        else left_press(hwnd, x, y);
        break;
    case WM_LBUTTONUP: pressed = {-1, -1}; break;
    case WM_RBUTTONDOWN: pressed = {x, y}; break;
    case WM_RBUTTONUP: right_release(hwnd, x, y); break;
    case WM_RBUTTONDBLCLK:
        graph_reset();
        InvalidateRect(hwnd, nullptr, TRUE);
        break;
    default: break;
    }
    return true;
}

}  // namespace

int graph_paint_links(HDC dc)
{
    HFONT font = arial();
    HGDIOBJ old_font = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    graph_pen pen = graph_first_pen;
    HGDIOBJ old_pen = nullptr;
    for (int l = 0; l < graph_link_num; ++l) {
        const graph_link &k = graph_links[l];
        if (k.from < 0) continue;
        pen = graph_pen_of(k.kind, pen);
        const int style = pen.style == graph_line_solid ? PS_SOLID : pen.style == graph_line_dash ? PS_DASH : PS_DOT;
        HPEN hpen = CreatePen(style, 1, pen.colour);
        HGDIOBJ previous = SelectObject(dc, hpen);
        if (old_pen == nullptr) old_pen = previous;
        else DeleteObject(previous);
        const graph_node &a = graph_nodes[k.from], &b = graph_nodes[k.to];
        MoveToEx(dc, a.x, a.y, nullptr);
        LineTo(dc, b.x, b.y);
        if (graph_shows_name(k.name)) TextOutA(dc, (a.x + b.x) / 2, (a.y + b.y) / 2, k.name, static_cast<int>(strlen(k.name)));
    }
    if (old_pen != nullptr) DeleteObject(SelectObject(dc, old_pen));
    SelectObject(dc, old_font);
    DeleteObject(font);
    return 0;
}

int graph_paint(HDC dc, int size)
{
    for (int n = 0; n < graph_node_num; ++n) {
        const graph_node &g = graph_nodes[n];
        if (g.x < 0 || g.name[0] == '\0') continue;
        outline(dc, g.x, g.y, size);
        text_at(dc, g.x, g.y, g.name);
    }
    return 0;
}

LRESULT CALLBACK relation_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    const int x = static_cast<short>(LOWORD(lparam)), y = static_cast<short>(HIWORD(lparam));
    switch (msg) {
    case WM_CREATE:
        CreateWindowA("BUTTON", "★", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 16, 16, hwnd,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(0)), app_instance, nullptr);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        graph_paint_links(dc);
        graph_paint(dc, node_size);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK:
        mouse(hwnd, msg, wparam, x, y);
        return 0;
    case WM_COMMAND:
        if (wparam == 0 && lparam == 0) {
            SetFocus(hwnd);
        } else if (LOWORD(wparam) == 0) {
            ShowWindow(hw(hwndE), SW_SHOWNORMAL);
            SetFocus(hw(hwndE));
        }
        return 0;
    case WM_SYSCOMMAND:
        if (sys_command(hwnd, wparam)) return 0;
        break;
    case WM_CLOSE:
        ShowWindow(hwnd, SW_HIDE);
        hidden_flags[hidden_relation] = 1;
        return 0;
    case WM_SHOWWINDOW:
        if (wparam != 0 && lparam == SW_PARENTOPENING && hidden_flags[hidden_relation]) return 0;
        if (wparam != 0 && lparam == 0) hidden_flags[hidden_relation] = 0;
        break;
    default: break;
    }
    return DefWindowProcA(hwnd, msg, wparam, lparam);
}
