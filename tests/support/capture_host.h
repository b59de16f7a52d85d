// The capture host of the portable test suites: fake edit and list windows,
// scripted message-box answers and a record of what the code asked of the host.
#ifndef VOK_TESTS_CAPTURE_HOST_H
#define VOK_TESTS_CAPTURE_HOST_H

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "shell/host.h"

namespace capture {

struct box_call {
    win_handle owner;
    std::string text;
    std::string caption;
    unsigned style;
    int depth;  // msgbox_depth while the box was open
};

struct shown_window {
    win_handle window;
    int show;
};

extern std::vector<box_call> boxes;      // boxes shown, in order
extern std::deque<int> answers;          // answers of the next boxes (default IDOK)
extern std::function<void()> while_box;  // runs while each box is open
extern int beeps;
extern std::vector<win_handle> activated;
extern std::vector<shown_window> shows;
extern std::vector<win_handle> repaints;  // host_repaint calls, in order
extern win_handle cursor;                // the cursor in force

// Empties every record and fake window.
void reset();

// Fake windows; their handles stay valid until reset.
win_handle new_edit(const std::string &text = "");
win_handle new_list();
std::string &edit_text(win_handle edit);
std::vector<std::string> &list_items(win_handle list);
// Messages sent to any window, in order.
extern std::vector<unsigned> sent;
// The same with their window and parameters.
struct send_call {
    win_handle window;
    unsigned msg;
    uintptr_t wparam;
    intptr_t lparam;
};
extern std::vector<send_call> sends;

}  // namespace capture

#endif
