// Capture bindings of the analyser's host services.
#include "capture_analyser.h"

#include <cstdio>

#include "analyser/anal_host.h"
#include "capture_host.h"
#include "shell/host.h"

namespace capture_anal {

std::vector<std::string> dev_lines;
std::vector<int> wordattr_errors;
int marks_cleared;
int flow_redraws;
std::vector<int> exits;

void reset()
{
    dev_lines.clear();
    wordattr_errors.clear();
    marks_cleared = 0;
    flow_redraws = 0;
    exits.clear();
}

}  // namespace capture_anal

int anal_dev_print(const char *text)
{
    capture_anal::dev_lines.push_back(text);
    fputs(text, stderr);
    return 0;
}

int wordattr_error(int n, int)
{
    capture_anal::wordattr_errors.push_back(n);
    return 0;
}

int window_text_append(win_handle edit, const char *text)
{
    capture::edit_text(edit) += text;
    return 0;
}

int clear_marks()
{
    ++capture_anal::marks_cleared;
    return 0;
}

int redraw_flow()
{
    ++capture_anal::flow_redraws;
    return 0;
}

void anal_exit(int code)
{
    capture_anal::exits.push_back(code);
    throw capture_anal::exit_called{code};
}
