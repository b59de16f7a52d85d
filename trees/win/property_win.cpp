// The PROPERTY screen's window: the member list, the value edit with its
// candidate list, the button row and the four small buttons, and the keys
// that move a value between the value edit and the main screen's target field.
#include <windows.h>

#include "shell/keypad.h"
#include "shell/main_layout.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "shell/win/main_screen_win.h"
#include "shell/win/startup_win.h"
#include "trees/property.h"
#include "trees/win/property_win.h"

namespace {

HWND hw(win_handle h) { return static_cast<HWND>(h); }

// Control ids.
enum prop_id {
    id_home = 0,          // "★" at the top-left corner
    id_member_label = 1,  // "member"
    id_value_label = 2,   // "value"
    id_members = 3,       // the member list
    id_value = 4,         // the value edit
    id_values = 5,        // the candidate values
    id_list_all = 6,      // "個性値一覧"
    id_clear_all = 7,     // "個性値全クリア"
    id_clear_value = 8,   // "個性値投入エリアのクリア"
    id_tag_text = 9,      // "ﾃｷｽﾄ内容表示"
    id_open = 10,         // " 開く"
    id_small = 20,        // the four small buttons, 20 to 23
    id_hint = 30,         // the button-hint popup
};

struct row_button {
    int id;
    const char *caption;
    int x, width;
};
const row_button row_buttons[] = {
    {id_list_all, "個性値一覧", 10, 100},           {id_clear_all, "個性値全クリア", 120, 130},
    {id_clear_value, "個性値投入エリアのクリア", 260, 210}, {id_tag_text, "ﾃｷｽﾄ内容表示", 480, 120},
    {id_open, " 開く", 610, 50},
};
const int small_count = 4;
const char *const small_captions[small_count] = {"★", "ﾌｫ", "挿", "抜"};
const int target_text_size = 1000;

HWND small_handles[small_count];
HWND hint_popup;
WNDPROC value_edit_base;
POINT pressed_at;

HWND make(HWND parent, const char *cls, const char *text, DWORD style, int id, int x, int y, int w, int h)
{
    return CreateWindowA(cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), app_instance, nullptr);
}

void show_and_focus(win_handle screen)
{
    ShowWindow(hw(screen), SW_SHOWNORMAL);
    SetFocus(hw(screen));
}

void create_controls(HWND hwnd)
{
    make(hwnd, "BUTTON", "★", BS_PUSHBUTTON, id_home, 0, 0, 16, 16);
    make(hwnd, "STATIC", "member", SS_CENTER, id_member_label, 16, 5, 94, 20);
    make(hwnd, "STATIC", "value", SS_CENTER, id_value_label, 120, 5, 500, 20);
    prop_member_list =
        make(hwnd, "LISTBOX", "", WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, id_members, 10, 30, 100, 174);
    prop_value_edit = make(hwnd, "EDIT", "", WS_BORDER | ES_CENTER | ES_AUTOHSCROLL, id_value, 120, 30, 500, 24);
    prop_value_list =
        make(hwnd, "LISTBOX", "", WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, id_values, 120, 54, 500, 150);
    for (const row_button &b : row_buttons) make(hwnd, "BUTTON", b.caption, BS_PUSHBUTTON, b.id, b.x, 203, b.width, 24);
    win_handle handles[small_count];
    for (int i = 0; i < small_count; ++i) {
        small_handles[i] = make(hwnd, "BUTTON", small_captions[i], WS_BORDER | BS_PUSHBUTTON, id_small + i, 0, 0, 20, 20);
        SendMessageA(small_handles[i], WM_SETFONT, reinterpret_cast<WPARAM>(main_font), TRUE);
        handles[i] = small_handles[i];
    }
    register_buttons('P', handles, small_count);
    hint_popup = CreateWindowA("STATIC", "", WS_CHILD | WS_BORDER, 0, 0, 10, 10, hwnd,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_hint)), app_instance, nullptr);
    SendMessageA(hint_popup, WM_SETFONT, reinterpret_cast<WPARAM>(main_font), TRUE);
    value_edit_base = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        hw(prop_value_edit), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(property_child_proc)));
    property_bind_hooks();
}

void place(HWND hwnd, int id, int x, int y, int w, int h) { MoveWindow(GetDlgItem(hwnd, id), x, y, w, h, TRUE); }

void size_controls(HWND hwnd, int width, int height)
{
    for (int i = 0; i < small_count; ++i) MoveWindow(small_handles[i], width - 85 + 20 * i, height - 21, 20, 20, TRUE);
    const int w = width - 129 > 500 ? width - 129 : 500;
    place(hwnd, id_value_label, 120, 5, w, 20);
    place(hwnd, id_value, 120, 30, w, 24);
    place(hwnd, id_values, 120, 54, w, height - 84 > 50 ? height - 84 : 50);
    place(hwnd, id_members, 10, 30, 100, height - 60 > 74 ? height - 60 : 74);
    const int row_y = (height - 131 > 0 ? height - 131 : 0) + 103;
    for (const row_button &b : row_buttons) place(hwnd, b.id, b.x, row_y, b.width, 24);
}

void command(HWND hwnd, WPARAM wparam, LPARAM lparam)
{
    const int id = LOWORD(wparam);
    const int note = HIWORD(wparam);
    if (wparam == 0 && lparam == 0) {
        SetFocus(hwnd);
        return;
    }
    char hint[300];
    switch (id) {
    case id_home: case id_small: show_and_focus(hwndE); break;
    case id_small + 1: show_and_focus(hwndO); break;
    case id_small + 2: SendMessageA(hwnd, WM_KEYUP, VK_PRIOR, 1 << 24); break;
    case id_small + 3: SendMessageA(hwnd, WM_KEYUP, VK_NEXT, 1 << 24); break;
    case id_members:
        if (note != LBN_SETFOCUS) {
            prop_select_member(static_cast<int>(SendMessageA(hw(prop_member_list), LB_GETCURSEL, 0, 0)));
        }
        break;
    case id_values:
        if (note == LBN_SELCHANGE) prop_choose_value(static_cast<int>(SendMessageA(hw(prop_value_list), LB_GETCARETINDEX, 0, 0)));
        break;
    case id_list_all:
        list_members(code_out_hwnd);
        SetFocus(hw(code_out_hwnd));
        break;
    case id_clear_all: prop_clear_box(); break;
    case id_clear_value: SetWindowTextA(hw(prop_value_edit), ""); break;
    case id_tag_text:
        GetWindowTextA(hw(main_controls[ctl_category]), hint, sizeof hint);
        show_tag_text(code_out_hwnd, hint);
        SetFocus(hw(code_out_hwnd));
        break;
    case id_open: SendMessageA(hw(hwndE), WM_COMMAND, ctl_open, 0); break;
    default: break;
    }
}

void key_up(WPARAM key)
{
    char text[target_text_size];
    switch (key) {
    case VK_ESCAPE: show_and_focus(hwndE); break;
    case VK_TAB: show_and_focus(hwndO); break;
    case VK_INSERT: SetFocus(hw(prop_value_edit)); break;
    case VK_DELETE:
        SetWindowTextA(hw(prop_value_edit), "");
        SetFocus(hw(prop_value_edit));
        break;
    case VK_PRIOR:
        GetWindowTextA(hw(prop_value_edit), text, sizeof text);
        SetWindowTextA(hw(target_field.edit), text);
        SetFocus(hw(hwndE));
        break;
    case VK_NEXT:
        GetWindowTextA(hw(target_field.edit), text, sizeof text);
        SetWindowTextA(hw(prop_value_edit), text);
        SetFocus(hw(prop_value_edit));
        break;
    default: break;
    }
}

// Close and minimise hide the screen and mark it hidden; 1 when handled.
bool hide_or_show(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    int &hidden = hidden_flags[hidden_property];
    if (msg == WM_CLOSE || (msg == WM_SYSCOMMAND && (wparam & 0xFFF0) == SC_MINIMIZE)) {
        ShowWindow(hwnd, SW_HIDE);
        hidden = 1;
        return true;
    }
    if (msg == WM_SHOWWINDOW && wparam != 0) {
        if (lparam == SW_PARENTOPENING && hidden) return true;
        if (lparam == 0) hidden = 0;
    }
    return false;
}

}  // namespace

LRESULT CALLBACK property_child_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    if (msg == WM_KEYUP) {
        const bool extended = ((lparam >> 24) & 1) != 0;
        if ((wparam == VK_RETURN && extended) || ((wparam == VK_UP || wparam == VK_DOWN) && !extended) ||
            wparam == VK_ESCAPE) {
            PostMessageA(hw(hwndP), WM_KEYUP, wparam, lparam);
        }
        if (wparam == VK_INSERT) SetFocus(hw(hwndP));
    }
    return CallWindowProcA(value_edit_base, hwnd, msg, wparam, lparam);
}

LRESULT CALLBACK property_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    if (keypad_dispatch(msg, hwnd, static_cast<unsigned>(wparam), lparam)) return 0;
    if (hide_or_show(hwnd, msg, wparam, lparam)) return 0;
    switch (msg) {
    case WM_CREATE: create_controls(hwnd); return 0;
    case WM_SIZE: size_controls(hwnd, LOWORD(lparam), HIWORD(lparam)); return 0;
    case WM_COMMAND: command(hwnd, wparam, lparam); return 0;
    case WM_KEYDOWN: fkey_handler(hwnd, static_cast<unsigned>(wparam)); return 0;
    case WM_KEYUP:
        if (!is_keypad_nav_key(msg, static_cast<unsigned>(wparam), lparam)) key_up(wparam);
        return 0;
    case WM_LBUTTONUP: case WM_RBUTTONUP: SetFocus(hwnd); return 0;
    case WM_SYSCOMMAND: SetFocus(hwnd); break;
    case WM_SETFOCUS: fkey_accept(hwnd); return 0;
    case WM_CTLCOLORSTATIC:
        SetTextColor(reinterpret_cast<HDC>(wparam), RGB(0, 0, 0));
        SetBkColor(reinterpret_cast<HDC>(wparam), RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    case WM_PARENTNOTIFY:
        if (LOWORD(wparam) == WM_RBUTTONDOWN) {
            pressed_at.x = static_cast<short>(LOWORD(lparam));
            pressed_at.y = static_cast<short>(HIWORD(lparam));
        }
        break;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wparam) == hwnd || HIWORD(lparam) == WM_RBUTTONUP) ShowWindow(hint_popup, SW_HIDE);
        else if (HIWORD(lparam) == WM_RBUTTONDOWN) show_button_hint(hwnd, reinterpret_cast<HWND>(wparam), pressed_at, hint_popup);
        break;
    case WM_IME_SETCONTEXT: ShowWindow(hint_popup, SW_HIDE); break;
    default: break;
    }
    return DefWindowProcA(hwnd, msg, wparam, lparam);
}
