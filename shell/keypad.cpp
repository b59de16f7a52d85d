// The shared keyboard handling (see keypad.h).  The bar state lives in
// main_state.h; the captions the four function buttons had before a page was
// shown are kept here until the bar closes.
#include "shell/keypad.h"

#include <cstring>

#include "shell/codeout.h"
#include "shell/main_help.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/text.h"
#include "shell/winmsg.h"

namespace {

struct keypad_row {
    win_handle *window;
    const char *name;
    unsigned command;
};
const keypad_row keypad_table[] = {
    {&hwndF, "FLOW", chart_cmd_f1}, {&hwndO, "FORM", 31},           {&hwndE, "main", 36},
    {&hwndL, "LIST", chart_cmd_f1}, {&hwndC, "CODE", code_cmd_editor},
};

// The keypad keys of the main screen and CODE: key, extended flag, screen, command.
struct pad_key_row {
    unsigned key;
    bool extended;
    win_handle *window;
    unsigned command;
};
const pad_key_row pad_keys[] = {
    {VK_ADD, false, &hwndC, code_cmd_excel},  // Excel on the CODE screen
    {VK_NUMLOCK, true, &hwndE, 32},     // function tree
    {VK_DIVIDE, true, &hwndE, 33},      // text search
    {VK_MULTIPLY, false, &hwndE, 34},   // step count
    {VK_SUBTRACT, false, &hwndE, 35},   // nesting listing
};

const unsigned nav_keys[] = {VK_HOME, VK_UP, VK_PRIOR, VK_LEFT, VK_CLEAR, VK_RIGHT,
                             VK_END,  VK_DOWN, VK_NEXT, VK_INSERT, VK_DELETE};

const unsigned row_keys[key_help_rows] = {VK_F1,     VK_F1 + 1, VK_F1 + 2, VK_F1 + 3, VK_F1 + 4, VK_F1 + 5,
                                          VK_F1 + 6, VK_F1 + 7, VK_F9,     VK_F10,    VK_F1 + 10, VK_F12,
                                          VK_INSERT, VK_DELETE, VK_HOME,   VK_END,    VK_ESCAPE, VK_TAB,
                                          VK_PRIOR,  VK_NEXT,   VK_UP,     VK_DOWN,   VK_LEFT,   VK_RIGHT};

const int page_count = 6;
const intptr_t pressed_lparam = 0x1000000;  // the key-up of a pressed function button
const intptr_t form_own_enter = 0x1000001;  // FORM's own keypad Enter, left to it
const int caption_size = 100;
char saved_captions[fkey_button_count][caption_size];

bool is_extended(intptr_t lparam) { return ((lparam >> 24) & 1) != 0; }

const pad_key_row *find_pad_key(unsigned key, intptr_t lparam)
{
    for (const pad_key_row &r : pad_keys) {
        if (r.key == key && r.extended == is_extended(lparam)) return &r;
    }
    return nullptr;
}

int keypad_enter(win_handle window, intptr_t lparam)
{
    for (const keypad_row &r : keypad_table) {
        if (*r.window != window || window == nullptr) continue;
        if (window == hwndO && lparam == form_own_enter) return 0;
        send_msg(window, WM_COMMAND, r.command, 0);
        return 1;
    }
    return 0;
}

// The key-help screen of a window, or -1.
int help_screen_of(win_handle window)
{
    if (window == nullptr) return -1;
    const win_handle screens[help_screen_count] = {hwndE, hwndL, hwndF, hwndC, hwndO, hwndP};
    for (int i = 0; i < help_screen_count; ++i) {
        if (screens[i] == window) return i;
    }
    return -1;
}

const char *window_name(win_handle window)
{
    static const char *const names[help_screen_count] = {"hwndE", "hwndL", "hwndF", "hwndC", "hwndO", "hwndP"};
    const int s = help_screen_of(window);
    return s >= 0 ? names[s] : "";
}

int help_letter(win_handle window)
{
    switch (help_screen_of(window)) {
    case help_main: return 'E';
    case help_list: return 'L';
    case help_flow: return 'F';
    case help_code: return 'C';
    case help_form: return gen_rel_mode == mode_create ? 'O' : 'R';
    case help_property: return 'P';
    default: return 0;
    }
}

void redraw_main() { host_repaint(hwndE); }

void set_caption(int n, const char *text) { send_msg(fkey_buttons[n], WM_SETTEXT, 0, reinterpret_cast<intptr_t>(text)); }

void close_bar()
{
    bar_group = 0;
    bar_screen = nullptr;
    for (int n = 0; n < fkey_button_count; ++n) {
        set_caption(n, saved_captions[n]);
        host_show_window(fkey_buttons[n], 0);
    }
    help_mode = 0;
}

void open_bar(win_handle window)
{
    for (int n = 0; n < fkey_button_count; ++n) {
        saved_captions[n][0] = '\0';
        send_msg(fkey_buttons[n], WM_GETTEXT, sizeof saved_captions[n], reinterpret_cast<intptr_t>(saved_captions[n]));
        host_show_window(fkey_buttons[n], 1);
    }
    bar_screen = window;
}

int next_page(int page)
{
    if (shift_down) {
        shift_down = 0;
        return page <= 1 ? page_count : page - 1;
    }
    return page >= page_count ? 1 : page + 1;
}

int page_bar(win_handle window)
{
    if (bar_group == 0) open_bar(window);
    bar_group = next_page(bar_group);
    const int s = help_screen_of(bar_screen);
    if (s >= 0) {
        for (int n = 0; n < fkey_button_count; ++n) set_caption(n, key_help[s][4 * (bar_group - 1) + n]);
    }
    redraw_main();
    return 1;
}

}  // namespace

int keypad_dispatch(unsigned message, win_handle window, unsigned key, intptr_t lparam)
{
    if (message == WM_KEYDOWN) return key == VK_RETURN && is_extended(lparam) ? 1 : 0;
    if (message != WM_KEYUP) return 0;
    if (key == VK_RETURN) return is_extended(lparam) ? keypad_enter(window, lparam) : 0;
    const pad_key_row *r = find_pad_key(key, lparam);
    if (r == nullptr) return 0;
    send_msg(*r->window, WM_COMMAND, r->command, 0);
    return 1;
}

bool is_keypad_key(unsigned message, unsigned key, intptr_t lparam)
{
    return message == WM_KEYUP && find_pad_key(key, lparam) != nullptr;
}

bool is_keypad_nav_key(unsigned, unsigned key, intptr_t lparam)
{
    if (key == VK_RETURN) return is_extended(lparam);
    if (is_extended(lparam)) return false;
    for (unsigned k : nav_keys) {
        if (k == key) return true;
    }
    return false;
}

int fkey_accept(win_handle) { return 1; }

int fkey_handler(win_handle window, unsigned key)
{
    if (work_mode || multi_extract_mode) {
        if (key != VK_RETURN) return 0;
        if (work_mode) send_msg(hwndL, WM_KEYUP, VK_F9, 0);
        else send_msg(hwndE, WM_KEYUP, VK_F10, 0);
        return 1;
    }
    if (key == VK_RETURN) {
        toggle_help_line(window);
        redraw_main();
        return 1;
    }
    if (key == VK_APPS) return page_bar(window);
    return 0;
}

int toggle_help_line(win_handle window)
{
    if (work_mode || multi_extract_mode) return 0;
    help_mode = help_mode != 0 ? 0 : help_letter(window);
    if (bar_group == 0) return 0;
    close_bar();
    return 1;
}

unsigned page_key(int page, int n) { return row_keys[4 * (page - 1) + n]; }

const char *page_key_name(int page, int n) { return key_names[4 * (page - 1) + n]; }

int press_button(win_handle window, int n)
{
    if (bar_group == 0) return 0;
    host_activate(window);
    if (msgbox_depth == 0) {
        send_msg(bar_screen, WM_KEYUP, page_key(bar_group, n), pressed_lparam);
        return 1;
    }
    host_beep();
    activate_msg_box();
    char line[200];
    format_text(line, sizeof line, "★メッセージ応答待ち状態のため、機能ボタン(%s)を受付けません\r\n",
                page_key_name(bar_group, n));
    code_print(line);
    return 1;
}

int button_help_text(int n, const char *caption, char *text, size_t size)
{
    if (caption[0] != '!') {
        if (n < 0 || n >= control_label_count) return 0;
        copy_bounded(text, size, control_labels[n]);
        return 1;
    }
    const char *help = nullptr;
    if (bar_group != 0) help = find_button_help(window_name(bar_screen), bar_group, n + 1);
    else if (work_mode) help = find_button_help("hwndL", -1, n + 1);
    else if (multi_extract_mode) help = find_button_help("hwndE", -1, n + 1);
    if (help == nullptr) return 0;
    copy_bounded(text, size, help);
    return 1;
}

int find_form_button(const char *caption, const char *, win_handle *window, unsigned *message, uintptr_t *wparam)
{
    for (const form_button_row &r : form_buttons) {
        if (strcmp(r.caption, caption) != 0) continue;
        *window = r.window == target_main ? hwndE : hwndO;
        *message = r.message;
        *wparam = r.wparam;
        return 1;
    }
    return 0;
}
