// The window parts LIST and FLOW share (see chart_screens.h).
#include "trees/win/chart_screens.h"

#include "shell/codeout.h"
#include "shell/main_fields.h"
#include "shell/main_layout.h"
#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/text.h"
#include "shell/win/main_screen_win.h"
#include "shell/win/startup_win.h"
#include "trees/launch.h"

namespace {

HWND hw(void *h) { return static_cast<HWND>(h); }

const int button_size = 20;
const int corner_size = 16;
const int row_left = 125;  // the row starts this far left of the right edge
const int row_up = 21;     // and this far above the bottom
const LPARAM extended_key = 1 << 24;

HWND make(HWND parent, const char *cls, const char *text, DWORD style, int id, int x, int y, int w, int h)
{
    HWND child = CreateWindowA(cls, text, WS_CHILD | style, x, y, w, h, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), app_instance, nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(main_font), 0);
    return child;
}

// WM_KEYUP of key sent to the window, focused first.
void key_to_self(HWND hwnd, WPARAM key, LPARAM lparam)
{
    SetFocus(hwnd);
    SendMessageA(hwnd, WM_KEYUP, key, lparam);
}

}  // namespace

HWND create_screen_buttons(HWND hwnd, char letter, const char *const captions[screen_button_count], int hint_id)
{
    make(hwnd, "BUTTON", "★", WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 0, corner_size, corner_size);
    win_handle handles[screen_button_count];
    for (int i = 0; i < screen_button_count; ++i) {
        handles[i] = make(hwnd, "BUTTON", captions[i], WS_VISIBLE | BS_PUSHBUTTON, screen_button_first + i, 0, 0,
                          button_size, button_size);
    }
    register_buttons(letter, handles, screen_button_count);
    return make(hwnd, "STATIC", "", SS_LEFT | WS_BORDER, hint_id, 0, 0, 10, 10);
}

int place_screen_buttons(HWND hwnd, int width, int height)
{
    for (int i = 0; i < screen_button_count; ++i) {
        MoveWindow(GetDlgItem(hwnd, screen_button_first + i), width - row_left + button_size * i, height - row_up,
                   button_size, button_size, TRUE);
    }
    return 0;
}

int hide_or_show_screen(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, int *hidden)
{
    if (msg == WM_CLOSE || (msg == WM_SYSCOMMAND && (wparam & 0xFFF0) == SC_MINIMIZE)) {
        ShowWindow(hwnd, SW_HIDE);
        *hidden = 1;
        return 1;
    }
    if (msg == WM_SHOWWINDOW && wparam != 0) {
        if (lparam == SW_PARENTOPENING && *hidden) return 1;
        if (lparam == 0) *hidden = 0;
    }
    return 0;
}

int screen_hint_message(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, HWND popup, POINT *pressed)
{
    switch (msg) {
    case WM_PARENTNOTIFY:
        if (LOWORD(wparam) == WM_RBUTTONDOWN) {
            pressed->x = static_cast<short>(LOWORD(lparam));
            pressed->y = static_cast<short>(HIWORD(lparam));
        }
        return 0;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wparam) == hwnd || HIWORD(lparam) == WM_RBUTTONUP) ShowWindow(popup, SW_HIDE);
        else if (HIWORD(lparam) == WM_RBUTTONDOWN) show_button_hint(hwnd, reinterpret_cast<HWND>(wparam), *pressed, popup);
        return 0;
    case WM_IME_SETCONTEXT: ShowWindow(popup, SW_HIDE); return 0;
    default: return 0;
    }
}

void show_and_focus(void *screen)
{
    ShowWindow(hw(screen), SW_SHOWNORMAL);
    SetFocus(hw(screen));
}

int target_text(char *out, size_t size)
{
    target_get_text(out, size);
    trim_blanks(out);
    return 0;
}

void set_target_text(const char *text)
{
    send_msg(target_field_handle(), WM_SETTEXT, 0, reinterpret_cast<intptr_t>(text));
}


int screen_command(HWND hwnd, WPARAM wparam, LPARAM lparam, void *other, LPARAM f1_lparam)
{
    if (wparam == 0 && lparam == 0) {
        SetFocus(hwnd);
        return 0;
    }
    switch (LOWORD(wparam)) {
    case chart_cmd_other: show_and_focus(other); break;
    case chart_cmd_code: show_and_focus(hwndC); break;
    case chart_cmd_up: key_to_self(hwnd, VK_UP, extended_key); break;
    case chart_cmd_down: key_to_self(hwnd, VK_DOWN, extended_key); break;
    case chart_cmd_f1: key_to_self(hwnd, VK_F1, f1_lparam); break;
    default: show_and_focus(hwndE); break;
    }
    return 0;
}

LRESULT white_static(WPARAM dc)
{
    SetTextColor(reinterpret_cast<HDC>(dc), RGB(0, 0, 0));
    SetBkColor(reinterpret_cast<HDC>(dc), RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

int open_source_window(const char *text)
{
    set_wait_cursor();
    open_source_set(text);
    restore_cursor();
    InvalidateRect(hw(hwndL), nullptr, TRUE);
    InvalidateRect(hw(hwndF), nullptr, TRUE);
    SetFocus(hw(hwndL));
    return 0;
}
