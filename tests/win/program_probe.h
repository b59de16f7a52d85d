// What the Windows tests that drive a started program share: starting it,
// waiting for its windows, answering its boxes and reading the files it
// wrote.  Every wait polls until probe_wait_ms has passed.
#ifndef VOK_TESTS_WIN_PROGRAM_PROBE_H
#define VOK_TESTS_WIN_PROGRAM_PROBE_H

#include <windows.h>

#include <string>

// How long a wait for a window, a box, a caption or an exit lasts.
const DWORD probe_wait_ms = 30000;

// A path given by the test runner ("/..." on the host) as a Windows path.
std::string windows_path(const std::string &p);

// Starts the program in folder (null: the current one); hProcess is null
// when it did not start.
PROCESS_INFORMATION start(const std::string &path, const char *folder = nullptr);

// The process's exit code (12345 when it did not end in time); closes its handles.
DWORD wait_exit(const PROCESS_INFORMATION &pi);

// The first top-level window of the process with this class, or null.
HWND wait_for_window(DWORD pid, const char *cls);

// The window's caption once it equals caption, else the last one read.
std::string wait_for_caption(HWND hwnd, const char *caption);

// Waits until the window is shown; false when it stays hidden.
bool wait_visible(HWND hwnd);

// The next visible dialog or box owned by owner, or null.
HWND wait_for_box(HWND owner);

// Answers the next visible box owned by owner with the button and returns
// its message, or "<no box>".
std::string answer_box(HWND owner, int button);

// A file's bytes as they are, or "<none>" when it does not open.
std::string file_text(const std::string &path);

// Empties folder of files and copies the files (not the folders) of from into it.
void fill_folder(const std::string &folder, const std::string &from);

// Writes text to a file as it is.
void write_text(const std::string &path, const char *text);

// A folder of that name under the current one, emptied, then holding a copy
// of every file of the samples folder; its Windows path.
std::string make_home(const char *name, const std::string &samples);

// Lets the program work through what was posted.  A thread takes a sent
// message before its posted ones, so the send waits until the posted
// messages were picked up first.
void settle(HWND hwnd);

// Saves what the screen shows of the window as a 24-bit bitmap file in shots/.
bool save_shot(HWND hwnd, const std::string &name);

#endif
