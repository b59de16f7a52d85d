// The form designer's window services of the host seam (shell/host.h), bound
// to Win32.  A null window is no window.  The list services go through
// send_msg, so the main screen's target field (a pseudo handle served as a
// combo box) is a list too; a real window gets the combo-box or list-box
// messages of its class.  The panes are the FORM screen's pane_hwnd.
#include <windows.h>

#include <cstring>
#include <vector>

#include "forms/win/form_screen.h"
#include "shell/host.h"
#include "shell/msgbox.h"
#include "shell/text.h"

namespace {

HWND as_hwnd(win_handle h) { return static_cast<HWND>(h); }

// The messages of one kind of list.
struct list_messages {
    unsigned reset;
    unsigned insert;
    unsigned count;
    unsigned text;
    unsigned text_length;
};
const list_messages combo_messages = {CB_RESETCONTENT, CB_INSERTSTRING, CB_GETCOUNT, CB_GETLBTEXT, CB_GETLBTEXTLEN};
const list_messages box_messages = {LB_RESETCONTENT, LB_INSERTSTRING, LB_GETCOUNT, LB_GETTEXT, LB_GETTEXTLEN};

const list_messages &messages_of(win_handle list)
{
    if (list == target_field_handle()) return combo_messages;
    char cls[32] = "";
    GetClassNameA(as_hwnd(list), cls, sizeof cls);
    return lstrcmpiA(cls, "ComboBox") == 0 ? combo_messages : box_messages;
}

// Pane n, or null when there is none.
HWND pane_at(int n) { return n >= 0 && n < pane_count ? pane_hwnd[n] : nullptr; }

const int pane_strip_height = 20;  // a pane's height over its box

}  // namespace

void host_redraw(win_handle hwnd, unsigned flags)
{
    if (hwnd != nullptr) RedrawWindow(as_hwnd(hwnd), nullptr, nullptr, flags);
}

void host_list_reset(win_handle list)
{
    if (list != nullptr) send_msg(list, messages_of(list).reset, 0, 0);
}

int host_list_add(win_handle list, const char *text)
{
    if (list == nullptr) return -1;
    return static_cast<int>(
        send_msg(list, messages_of(list).insert, static_cast<uintptr_t>(-1), reinterpret_cast<intptr_t>(text)));
}

int host_list_count(win_handle list)
{
    return list == nullptr ? 0 : static_cast<int>(send_msg(list, messages_of(list).count, 0, 0));
}

int host_list_text(win_handle list, int n, char *buf, int size)
{
    if (size <= 0) return -1;
    buf[0] = '\0';
    if (list == nullptr || n < 0) return -1;
    const list_messages &m = messages_of(list);
    const intptr_t length = send_msg(list, m.text_length, static_cast<uintptr_t>(n), 0);
    if (length < 0) return -1;
    std::vector<char> item(static_cast<size_t>(length) + 1, '\0');
    if (send_msg(list, m.text, static_cast<uintptr_t>(n), reinterpret_cast<intptr_t>(item.data())) < 0) return -1;
    copy_bounded(buf, static_cast<size_t>(size), item.data());
    return static_cast<int>(strlen(buf));
}

void host_set_edit_text(win_handle edit, const char *text)
{
    if (edit != nullptr) send_msg(edit, WM_SETTEXT, 0, reinterpret_cast<intptr_t>(text));
}

void host_text_size(const char *face, int height, const char *text, int *w, int *h)
{
    HDC dc = GetDC(nullptr);
    HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE extent = {0, 0};
    GetTextExtentPoint32A(dc, text, static_cast<int>(strlen(text)), &extent);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    *w = extent.cx;
    *h = extent.cy;
}

int host_font_height(win_handle hwnd)
{
    if (hwnd == nullptr) return 0;
    HDC dc = GetDC(as_hwnd(hwnd));
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(as_hwnd(hwnd), WM_GETFONT, 0, 0));
    HGDIOBJ old = font != nullptr ? SelectObject(dc, font) : nullptr;
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    if (old != nullptr) SelectObject(dc, old);
    ReleaseDC(as_hwnd(hwnd), dc);
    return metrics.tmHeight;
}

void host_client_size(win_handle hwnd, int *w, int *h)
{
    RECT r = {0, 0, 0, 0};
    if (hwnd != nullptr) GetClientRect(as_hwnd(hwnd), &r);
    *w = r.right - r.left;
    *h = r.bottom - r.top;
}

void host_desktop_size(int *w, int *h) { host_client_size(GetDesktopWindow(), w, h); }

void hide_panes()
{
    for (HWND pane : pane_hwnd) {
        if (pane != nullptr) ShowWindow(pane, SW_HIDE);
    }
}

void show_label(int n, int x0, int x1, int bottom)
{
    HWND pane = pane_at(n);
    if (pane == nullptr) return;
    SetWindowTextA(pane, "");
    MoveWindow(pane, x0, bottom - pane_strip_height, x1 - x0, pane_strip_height, TRUE);
    ShowWindow(pane, SW_SHOW);
}

void set_pane_text(int n, const char *text)
{
    HWND pane = pane_at(n);
    if (pane != nullptr) SetWindowTextA(pane, text);
}

void get_pane_text(int n, char *buf, int size)
{
    if (size <= 0) return;
    buf[0] = '\0';
    HWND pane = pane_at(n);
    if (pane == nullptr) return;
    char text[1000] = "";
    GetWindowTextA(pane, text, sizeof text);
    trim_blanks(text);
    // A text with a blank comes back quoted (one that opens a quote gets only the closing one).
    if (strpbrk(text, " \t") == nullptr) copy_bounded(buf, static_cast<size_t>(size), text);
    else format_text(buf, static_cast<size_t>(size), text[0] == '"' ? "%s\"" : "\"%s\"", text);
}
