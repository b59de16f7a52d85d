// A top-level test window with a multi-line edit, as the CODE screen has,
// and a list box, for the Win32 tests; and the helpers of the tests that
// start the echo program.
#ifndef VOK_TESTS_WIN_TEST_WINDOW_H
#define VOK_TESTS_WIN_TEST_WINDOW_H

#include <windows.h>

#include <string>

struct test_window {
    HWND frame;
    HWND edit;
    HWND list;
};

test_window make_test_window();
void destroy_test_window(const test_window &w);
std::string window_text(HWND hwnd);

// A program's path given on the command line, as Windows names it (a Unix
// path under Z:, with backslashes).
std::string windows_program_path(const char *arg);
// The first line of a text file, or "<none>" when it does not open.
std::string first_line(const char *path);

#endif
