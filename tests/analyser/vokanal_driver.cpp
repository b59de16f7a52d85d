// A console driver of the analyser for checks outside the test suites:
//   vokanal_driver HOME LANG SOURCE_FOLDER "vokanal ..."
// It runs the command in the source folder (no project in use), with the
// home folder for the tag files, the language 0 C/C++, 1 Pro*C, 2 Java.
// The CODE output goes to standard output, developer lines to standard error.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "analyser/anal_main.h"
#include "analyser/anal_reset.h"
#include "shell/dirs.h"
#include "shell/runner.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "tests/support/capture_analyser.h"
#include "tests/support/capture_host.h"
#include "tests/support/capture_shell.h"

int main(int argc, char **argv)
{
    if (argc != 5) {
        fprintf(stderr, "usage: vokanal_driver HOME LANG SOURCE_FOLDER \"vokanal ...\"\n");
        return 2;
    }
    capture::reset();
    capture::reset_shell();
    capture_anal::reset();
    anal_reset();
    code_out_hwnd = capture::new_edit();
    copy_bounded(home_dir, sizeof home_dir, argv[1]);
    lang_mode = atoi(argv[2]);
    if (change_dir(argv[3]) != 0) {
        fprintf(stderr, "cannot enter %s\n", argv[3]);
        return 2;
    }
    std::string command = argv[4];
    int result;
    try {
        result = run_command(&command[0], anal_main);
    } catch (const capture_anal::exit_called &e) {
        result = e.code;
    }
    fputs(capture::edit_text(code_out_hwnd).c_str(), stdout);
    fprintf(stderr, "result %d\n", result);
    return result < 0 ? 1 : result;
}
