// The capture versions of the analyser's host services: developer lines,
// word-attribute errors, window-text appends, mark clears and the exit of
// a hard stop, which throws.
#ifndef VOK_TESTS_CAPTURE_ANALYSER_H
#define VOK_TESTS_CAPTURE_ANALYSER_H

#include <string>
#include <vector>

namespace capture_anal {

// Thrown by anal_exit.
struct exit_called {
    int code;
};

extern std::vector<std::string> dev_lines;
extern std::vector<int> wordattr_errors;
extern int marks_cleared;
extern int flow_redraws;  // redraw_flow calls
extern std::vector<int> exits;

void reset();

}  // namespace capture_anal

#endif
