// Message boxes with the owner stack, the screen-numbered boxes and their
// printf forms, and the SendMessage wrapper with the target-field mapping.
#include "shell/msgbox.h"

#include <cstdarg>
#include <cstdio>

#include "shell/codeout.h"
#include "shell/screens.h"
#include "shell/text.h"
#include "shell/winmsg.h"

target_field_rec target_field;
int msgbox_depth;
const char msg_caption_text[] = "TAVIR";

namespace {

const int owner_cap = 32;
win_handle owner_stack[owner_cap];

// Combo-box message on the target field -> list-box message on its list.
unsigned list_message_for(unsigned msg)
{
    switch (msg) {
    case CB_GETCOUNT: return LB_GETCOUNT;
    case CB_GETLBTEXT: return LB_GETTEXT;
    case CB_GETLBTEXTLEN: return LB_GETTEXTLEN;
    case CB_INSERTSTRING: return LB_INSERTSTRING;
    case CB_FINDSTRINGEXACT: return LB_FINDSTRINGEXACT;
    case LB_GETCURSEL: return LB_GETCURSEL;
    default: return 0;
    }
}

intptr_t send_to_target_field(unsigned msg, uintptr_t wparam, intptr_t lparam)
{
    switch (msg) {
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        return host_send(target_field.edit, msg, wparam, lparam);
    case CB_RESETCONTENT:
        host_send(target_field.edit, WM_SETTEXT, 0, reinterpret_cast<intptr_t>(""));
        return host_send(target_field.list, LB_RESETCONTENT, 0, 0);
    default: {
        const unsigned lb = list_message_for(msg);
        return lb != 0 ? host_send(target_field.list, lb, wparam, lparam) : 0;
    }
    }
}

// A box asked while another is open: beep and a "★" line instead.
void refuse_box(const char *text)
{
    host_beep();
    code_print("★");
    code_print(text);
    code_print("\r\n");
}

int show_box(win_handle owner, const char *text, const char *caption, unsigned style)
{
    if (msgbox_depth < owner_cap) owner_stack[msgbox_depth] = owner;
    ++msgbox_depth;
    const int answer = host_message_box(owner, text, caption, style);
    --msgbox_depth;
    return answer;
}

win_handle saved_cursor;

}  // namespace

win_handle target_field_handle() { return &target_field; }

intptr_t send_msg(win_handle hwnd, unsigned msg, uintptr_t wparam, intptr_t lparam)
{
    if (hwnd == target_field_handle()) return send_to_target_field(msg, wparam, lparam);
    return host_send(hwnd, msg, wparam, lparam);
}

int msg_box(win_handle owner, const char *text, const char *caption, unsigned style)
{
    if (msgbox_depth >= 1) {
        if (style == 0 || (style & MB_ICONHAND) != 0 || (style & MB_ICONINFORMATION) != 0) {
            refuse_box(text);
            return IDOK;
        }
        if ((style & MB_OKCANCEL) != 0) {
            refuse_box(text);
            return IDCANCEL;
        }
    }
    return show_box(owner, text, caption, style);
}

int msg_box_once(win_handle owner, const char *text, const char *caption, unsigned style)
{
    if (msgbox_depth >= 1) {
        host_beep();
        activate_msg_box();
        code_print("★");
        code_print(text);
        code_print("\r\n");
        return 1;
    }
    show_box(owner, text, caption, style);
    return 0;
}

int activate_msg_box()
{
    if (msgbox_depth >= 1) {
        const int top = msgbox_depth <= owner_cap ? msgbox_depth - 1 : owner_cap - 1;
        host_activate(owner_stack[top]);
    }
    return 0;
}

int screen_warn_box(int screen, const char *text)
{
    msg_box(screen_window(screen), text, msg_caption_text, MB_ICONEXCLAMATION);
    return 0;
}

int screen_error_box(int screen, const char *text)
{
    host_beep();
    msg_box(screen_window(screen), text, msg_caption_text, MB_ICONHAND);
    return 0;
}

int form_error_box(const char *text)
{
    return msg_box(hwndO, text, msg_caption_text, MB_ICONHAND);
}

namespace {

int screen_boxf(int (*box)(int, const char *), int screen, const char *format, va_list ap)
{
    char text[200];
    vformat_text(text, sizeof text, format, ap);
    return box(screen, text);
}

}  // namespace

int warn_boxf(int screen, const char *format, ...)
{
    va_list ap;
    va_start(ap, format);
    screen_boxf(screen_warn_box, screen, format, ap);
    va_end(ap);
    return 0;
}

int error_boxf(int screen, const char *format, ...)
{
    va_list ap;
    va_start(ap, format);
    screen_boxf(screen_error_box, screen, format, ap);
    va_end(ap);
    return 0;
}

int set_wait_cursor()
{
    saved_cursor = host_wait_cursor();
    return 0;
}

int restore_cursor()
{
    host_set_cursor(saved_cursor);
    return 0;
}
