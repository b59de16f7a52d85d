// The main screen's layout and paint decisions (see main_layout.h).
#include "shell/main_layout.h"

#include <cstdint>
#include <cstring>

#include "shell/keypad.h"
#include "shell/main_help.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/stacks.h"
#include "shell/text.h"
#include "shell/winmsg.h"

namespace {

const int default_category_width = 231;
const int default_target_width = 258;
const int button_width = 38;  // a screen button, and the room beside the target edit

struct button_row {
    char letter;
    int cap;  // buttons of the screen's row
    win_handle buttons[25];
    int count;
};
button_row rows[] = {
    {'O', 12, {}, 0}, {'F', 6, {}, 0}, {'E', 17, {}, 0}, {'L', 6, {}, 0},
    {'C', 10, {}, 0}, {'P', 4, {}, 0}, {'f', 25, {}, 0}, {'X', 3, {}, 0},
};

bool left_alone(const button_row &r, win_handle button)
{
    if (r.letter != 'E' && r.letter != 'f') return false;
    char caption[16] = "";
    send_msg(button, WM_GETTEXT, sizeof caption, reinterpret_cast<intptr_t>(caption));
    return strcmp(caption, "・") == 0;
}

int fkey_index(win_handle child)
{
    for (int n = 0; n < fkey_button_count; ++n) {
        if (fkey_buttons[n] == child && child != nullptr) return n;
    }
    return -1;
}

int control_index(win_handle child)
{
    for (int n = 0; n < main_control_cap; ++n) {
        if (main_controls[n] == child && child != nullptr) return n;
    }
    return -1;
}

}  // namespace

int main_widths(int *wc, int *wt)
{
    *wc = category_wide > 0 ? category_wide : default_category_width;
    *wt = object_wide > 0 ? object_wide - button_width : default_target_width;
    return 0;
}

int text_area_left()
{
    int wc, wt;
    main_widths(&wc, &wt);
    return wc + wt + button_width;
}

const char *text_area_text(bool *is_help)
{
    *is_help = false;
    if (bar_group != 0 || work_mode || multi_extract_mode) return nullptr;
    const char *help = help_mode != 0 ? help_text(help_mode) : nullptr;
    if (help != nullptr) {
        *is_help = true;
        return help;
    }
    return memo_buf;
}

bool next_text_line(const char **cursor, char *line, size_t size)
{
    const char *p = *cursor;
    if (*p == '\0') return false;
    const size_t len = strcspn(p, "\r\n");
    copy_span(line, size, p, len);
    for (char *c = line; *c != '\0'; ++c) {
        if (*c == '\t') *c = ' ';
    }
    p += len;
    if (*p == '\r' && p[1] == '\n') p += 2;  // CR LF
    else if (*p != '\0') ++p;              // CR or LF alone
    *cursor = p;
    return true;
}

int register_buttons(char letter, const win_handle *buttons, int count)
{
    for (button_row &r : rows) {
        if (r.letter != letter) continue;
        if (count < 0 || count > r.cap) return 1;
        for (int i = 0; i < count; ++i) r.buttons[i] = buttons[i];
        r.count = count;
        return 0;
    }
    return 1;
}

bool find_button(win_handle child, char *letter, int *index)
{
    if (child == nullptr) return false;
    for (const button_row &r : rows) {
        for (int i = 0; i < r.count; ++i) {
            if (r.buttons[i] != child) continue;
            *letter = r.letter;
            *index = i;
            return true;
        }
    }
    return false;
}

int show_buttons(int show)
{
    buttons_shown = show;
    for (const button_row &r : rows) {
        for (int i = 0; i < r.count; ++i) {
            if (!left_alone(r, r.buttons[i])) host_show_window(r.buttons[i], show != bars_hidden ? 1 : 0);
        }
    }
    if (main_hooks.fit_code_output != nullptr) main_hooks.fit_code_output();
    return 0;
}

bool button_hint_text(win_handle child, bool on_main, char *text, size_t size)
{
    text[0] = '\0';
    char letter;
    int index;
    if (find_button(child, &letter, &index) && letter != 'X') {
        copy_bounded(text, size, button_hint(letter, index));
    } else if (on_main && fkey_index(child) >= 0) {
        button_help_text(fkey_index(child), "!", text, size);
    } else if (on_main && control_index(child) >= 0) {
        button_help_text(control_index(child), "", text, size);
    }
    return text[0] != '\0';
}
