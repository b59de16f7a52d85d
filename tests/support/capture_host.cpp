// The capture host: binds the host seam for the portable test suites.
// Fake edits keep their text and selection in bytes; fake lists keep items.
#include "tests/support/capture_host.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>

#include "shell/msgbox.h"
#include "shell/winmsg.h"

namespace capture {

std::vector<box_call> boxes;
std::deque<int> answers;
std::function<void()> while_box;
int beeps;
std::vector<win_handle> activated;
std::vector<shown_window> shows;
std::vector<win_handle> repaints;
win_handle cursor;
std::vector<unsigned> sent;
std::vector<send_call> sends;

namespace {

struct fake_window {
    bool is_list = false;
    std::string text;
    uint32_t sel_start = 0;
    uint32_t sel_end = 0;
    std::vector<std::string> items;
    int cur_sel = -1;
};

std::vector<std::unique_ptr<fake_window>> windows;

fake_window *find(win_handle h)
{
    for (auto &w : windows) {
        if (w.get() == h) return w.get();
    }
    return nullptr;
}

intptr_t edit_message(fake_window &w, unsigned msg, uintptr_t wp, intptr_t lp)
{
    const uint32_t len = static_cast<uint32_t>(w.text.size());
    switch (msg) {
    case WM_SETTEXT:
        w.text = reinterpret_cast<const char *>(lp);
        w.sel_start = w.sel_end = 0;
        return 1;
    case WM_GETTEXT: {
        if (wp == 0) return 0;
        const size_t n = std::min(static_cast<size_t>(wp) - 1, w.text.size());
        memcpy(reinterpret_cast<char *>(lp), w.text.data(), n);
        reinterpret_cast<char *>(lp)[n] = '\0';
        return static_cast<intptr_t>(n);
    }
    case WM_GETTEXTLENGTH: return len;
    case EM_SETSEL: {
        const intptr_t s = static_cast<intptr_t>(static_cast<int32_t>(wp));
        const intptr_t e = lp;
        if (s == -1) {
            w.sel_start = w.sel_end;
            return 0;
        }
        uint32_t a = static_cast<uint32_t>(std::min<intptr_t>(std::max<intptr_t>(s, 0), len));
        uint32_t b = e < 0 ? len : static_cast<uint32_t>(std::min<intptr_t>(e, len));
        if (a > b) std::swap(a, b);
        w.sel_start = a;
        w.sel_end = b;
        return 0;
    }
    case EM_GETSEL:
        if (wp != 0) *reinterpret_cast<uint32_t *>(wp) = w.sel_start;
        if (lp != 0) *reinterpret_cast<uint32_t *>(lp) = w.sel_end;
        return static_cast<intptr_t>((w.sel_end << 16) | (w.sel_start & 0xFFFF));
    case EM_REPLACESEL: {
        const char *t = reinterpret_cast<const char *>(lp);
        w.text.replace(w.sel_start, w.sel_end - w.sel_start, t);
        w.sel_start = w.sel_end = w.sel_start + static_cast<uint32_t>(strlen(t));
        return 0;
    }
    default: return 0;
    }
}

bool same_ignoring_case(const std::string &a, const char *b)
{
    if (a.size() != strlen(b)) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const unsigned char x = static_cast<unsigned char>(a[i]);
        const unsigned char y = static_cast<unsigned char>(b[i]);
        if (x != y && !(x < 0x80 && y < 0x80 && tolower(x) == tolower(y))) return false;
    }
    return true;
}

int find_exact(const std::vector<std::string> &items, const char *text)
{
    for (size_t i = 0; i < items.size(); ++i) {
        if (same_ignoring_case(items[i], text)) return static_cast<int>(i);
    }
    return -1;
}

intptr_t list_message(fake_window &w, unsigned msg, uintptr_t wp, intptr_t lp)
{
    const int count = static_cast<int>(w.items.size());
    const int index = static_cast<int>(static_cast<intptr_t>(wp));
    switch (msg) {
    case LB_GETCOUNT: return count;
    case LB_GETTEXT:
        if (index < 0 || index >= count) return -1;
        // LB_GETTEXT trusts the caller's buffer to hold the item, as Win32 does.
        memcpy(reinterpret_cast<char *>(lp), w.items[index].c_str(), w.items[index].size() + 1);
        return static_cast<intptr_t>(w.items[index].size());
    case LB_INSERTSTRING: {
        const int at = index < 0 || index > count ? count : index;
        w.items.insert(w.items.begin() + at, reinterpret_cast<const char *>(lp));
        return at;
    }
    case LB_RESETCONTENT:
        w.items.clear();
        w.cur_sel = -1;
        return 0;
    case LB_FINDSTRINGEXACT: return find_exact(w.items, reinterpret_cast<const char *>(lp));
    case LB_GETCURSEL: return w.cur_sel;
    default: return 0;
    }
}

}  // namespace

void reset()
{
    boxes.clear();
    answers.clear();
    while_box = nullptr;
    beeps = 0;
    activated.clear();
    shows.clear();
    repaints.clear();
    cursor = nullptr;
    sent.clear();
    sends.clear();
    windows.clear();
    msgbox_depth = 0;
}

win_handle new_edit(const std::string &text)
{
    windows.push_back(std::make_unique<fake_window>());
    windows.back()->text = text;
    return windows.back().get();
}

win_handle new_list()
{
    windows.push_back(std::make_unique<fake_window>());
    windows.back()->is_list = true;
    return windows.back().get();
}

std::string &edit_text(win_handle edit) { return find(edit)->text; }

std::vector<std::string> &list_items(win_handle list) { return find(list)->items; }

}  // namespace capture

using namespace capture;

intptr_t host_send(win_handle hwnd, unsigned msg, uintptr_t wparam, intptr_t lparam)
{
    sent.push_back(msg);
    sends.push_back({hwnd, msg, wparam, lparam});
    fake_window *w = find(hwnd);
    if (w == nullptr) return 0;
    return w->is_list ? list_message(*w, msg, wparam, lparam) : edit_message(*w, msg, wparam, lparam);
}

int host_message_box(win_handle owner, const char *text, const char *caption, unsigned style)
{
    boxes.push_back({owner, text, caption, style, msgbox_depth});
    if (while_box) {
        auto hook = while_box;
        while_box = nullptr;  // a box shown by the hook does not run it again
        hook();
    }
    if (answers.empty()) return IDOK;
    const int a = answers.front();
    answers.pop_front();
    return a;
}

void host_beep() { ++beeps; }

void host_activate(win_handle hwnd) { activated.push_back(hwnd); }

win_handle host_wait_cursor()
{
    static int hourglass;
    win_handle old = cursor;
    cursor = &hourglass;
    return old;
}

void host_set_cursor(win_handle c) { cursor = c; }

void host_show_window(win_handle hwnd, int show) { shows.push_back({hwnd, show}); }

void host_repaint(win_handle hwnd) { repaints.push_back(hwnd); }
