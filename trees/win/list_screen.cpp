// The LIST screen's window: the painted list replayed on a device context
// (at most once per forwarded FLOW tick; WM_PRINTCLIENT paints at once), the
// rows and columns from the window size, a click selecting an entry, the
// font keys, and close and minimise hiding the window.
#include <windows.h>

#include "shell/screens.h"
#include "shell/startup.h"
#include "shell/win/startup_win.h"
#include "trees/func_list.h"
#include "trees/list_rules.h"

namespace {

const int font_min = 10;
const int font_max = 18;
const char list_face[] = "ＭＳ 明朝";
const char sample_text[] = "あいう";  // measures the row height

HFONT list_font;

int new_list_font(HWND hwnd)
{
    if (list_font != nullptr) DeleteObject(list_font);
    list_font = CreateFontA(-list_font_size, 0, 0, 0, FW_DONTCARE, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, list_face);
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, list_font);
    SIZE size{};
    GetTextExtentPoint32A(dc, sample_text, lstrlenA(sample_text), &size);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    if (size.cy > 0) list_char_height = size.cy;
    RECT r;
    GetClientRect(hwnd, &r);
    set_max_line(r.bottom);
    return 0;
}

void replay(HDC dc, const list_item &it)
{
    if (it.kind == list_row) {
        char blanks[list_blank_width + 1];
        for (int i = 0; i < list_blank_width; ++i) blanks[i] = ' ';
        blanks[list_blank_width] = '\0';
        TextOutA(dc, it.x, it.y, blanks, list_blank_width);
    }
    if (it.inverse) {
        SetBkColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    TextOutA(dc, it.x, it.y, it.text, lstrlenA(it.text));
    if (it.inverse) {
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    }
}

void paint_window(HWND hwnd, HDC dc)
{
    RECT r;
    GetClientRect(hwnd, &r);
    set_col_width(r.right);
    HGDIOBJ old = SelectObject(dc, list_font);
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    dsp_select();
    for (int i = 0; i < list_item_num; ++i) replay(dc, list_items[i]);
    SelectObject(dc, old);
}

void hide_list(HWND hwnd)
{
    hidden_flags[hidden_list] = 1;
    ShowWindow(hwnd, SW_HIDE);
}

void font_key(HWND hwnd, int step)
{
    const int size = list_font_size + step;
    if (size < font_min || size > font_max) {
        MessageBeep(0);
        return;
    }
    list_font_size = size;
    new_list_font(hwnd);
    InvalidateRect(hwnd, nullptr, TRUE);
}

}  // namespace

LRESULT CALLBACK list_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    switch (msg) {
    case WM_CREATE:
        new_list_font(hwnd);
        return 0;
    case WM_DESTROY:
        if (list_font != nullptr) DeleteObject(list_font);
        list_font = nullptr;
        return 0;
    case WM_SIZE:
        set_max_line(HIWORD(lparam));
        set_col_width(LOWORD(lparam));
        return 0;
    case WM_PAINT:
        if (paint_state == 2) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            paint_window(hwnd, dc);
            EndPaint(hwnd, &ps);
            return 0;
        }
        paint_state = 1;
        break;
    case WM_TIMER:
        if (paint_state == 1) {
            paint_state = 2;
            RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            paint_state = 0;
        }
        return 0;
    case WM_PRINTCLIENT:
        paint_window(hwnd, reinterpret_cast<HDC>(wparam));
        return 0;
    case WM_LBUTTONUP: {
        char text[list_row_text_size];
        select_list_entry(-1, (short)LOWORD(lparam), (short)HIWORD(lparam), text, sizeof text);
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    }
    case WM_KEYUP:
        if (wparam == VK_UP) font_key(hwnd, 1);
        else if (wparam == VK_DOWN) font_key(hwnd, -1);
        return 0;
    case WM_SYSCOMMAND:
        if ((wparam & 0xFFF0) == SC_MINIMIZE) {
            hide_list(hwnd);
            return 0;
        }
        break;
    case WM_CLOSE:
        hide_list(hwnd);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wparam, lparam);
}
