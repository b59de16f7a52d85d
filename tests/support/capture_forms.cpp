// The capture host's form-designer windows.  List hooks work on the fake
// lists of the capture host; a null or unknown handle takes nothing.
#include "tests/support/capture_forms.h"

#include <cstring>

#include "shell/winmsg.h"
#include "tests/support/capture_host.h"

namespace capture_forms {

std::vector<win_handle> redraws;
int char_width;
int text_height;
int font_height;
int client_w, client_h;
int desktop_w, desktop_h;
std::string last_face;
int last_height;
int panes_hidden;
std::vector<label_call> labels;
std::string panes[10];

void reset()
{
    redraws.clear();
    char_width = 7;
    text_height = 14;
    font_height = 16;
    client_w = 640;
    client_h = 480;
    desktop_w = 1024;
    desktop_h = 768;
    last_face.clear();
    last_height = 0;
    panes_hidden = 0;
    labels.clear();
    for (auto &p : panes) p.clear();
}

}  // namespace capture_forms

using namespace capture_forms;

void host_redraw(win_handle hwnd, unsigned) { redraws.push_back(hwnd); }

void host_list_reset(win_handle list)
{
    if (list != nullptr) host_send(list, LB_RESETCONTENT, 0, 0);
}

int host_list_add(win_handle list, const char *text)
{
    if (list == nullptr) return -1;
    return static_cast<int>(host_send(list, LB_INSERTSTRING, static_cast<uintptr_t>(-1), reinterpret_cast<intptr_t>(text)));
}

int host_list_count(win_handle list)
{
    return list == nullptr ? 0 : static_cast<int>(host_send(list, LB_GETCOUNT, 0, 0));
}

int host_list_text(win_handle list, int n, char *buf, int size)
{
    if (size > 0) buf[0] = '\0';
    if (list == nullptr || n < 0 || n >= host_list_count(list) || size <= 0) return -1;
    const std::string &item = capture::list_items(list)[n];
    strncpy(buf, item.c_str(), size - 1);
    buf[size - 1] = '\0';
    return static_cast<int>(strlen(buf));
}

void host_set_edit_text(win_handle edit, const char *text)
{
    if (edit != nullptr) host_send(edit, WM_SETTEXT, 0, reinterpret_cast<intptr_t>(text));
}

void host_text_size(const char *face, int height, const char *text, int *w, int *h)
{
    last_face = face;
    last_height = height;
    *w = static_cast<int>(strlen(text)) * char_width;
    *h = text_height;
}

int host_font_height(win_handle) { return font_height; }

void host_client_size(win_handle, int *w, int *h)
{
    *w = client_w;
    *h = client_h;
}

void host_desktop_size(int *w, int *h)
{
    *w = desktop_w;
    *h = desktop_h;
}

void hide_panes() { ++panes_hidden; }

void show_label(int n, int x0, int x1, int bottom) { labels.push_back({n, x0, x1, bottom}); }

void set_pane_text(int n, const char *text)
{
    if (n >= 0 && n < 10) panes[n] = text;
}

void get_pane_text(int n, char *buf, int size)
{
    if (size <= 0) return;
    const std::string t = n >= 0 && n < 10 ? panes[n] : "";
    strncpy(buf, t.c_str(), size - 1);
    buf[size - 1] = '\0';
}
