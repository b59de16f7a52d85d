// Fuzz target of the analyser: one source file of arbitrary bytes, analysed as
// the screens do in list mode and then, by the sum of its bytes, in one of:
// reference mode, flow mode (a line inside the file, the FLOW grid routed),
// a tree build, step counting, or the indentation, AREA-marker and nesting
// checks with a Java list run.  Every command starts from the program state
// of a fresh command, as in the console driver.
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "analyser/anal_inputs.h"
#include "analyser/anal_main.h"
#include "analyser/anal_reset.h"
#include "analyser/calls.h"
#include "analyser/flow_grid.h"
#include "analyser/flow_nodes.h"
#include "analyser/flow_route.h"
#include "analyser/nesting.h"
#include "analyser/source_load.h"
#include "analyser/steps.h"
#include "shell/dirs.h"
#include "shell/runner.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/capture_analyser.h"
#include "tests/support/capture_host.h"
#include "tests/support/capture_shell.h"
#include "trees/ftree_files.h"
#include "trees/tree_box.h"

namespace {

// The home folder (with the word-attribute file) beside the source folder.
void setup_once()
{
    static bool done = false;
    if (done) return;
    done = true;
    const std::string &root = fuzz::scratch();
    const std::string home = root + "/home";
    const std::string src = root + "/src";
    if (mkdir(home.c_str(), 0700) != 0 || mkdir(src.c_str(), 0700) != 0) exit(2);
    if (!fuzz::copy_file(VOK_ANAL_DATA "/wordattr.dat", (home + "/wordattr.dat").c_str())) exit(2);
    if (change_dir(src.c_str()) != 0) exit(2);
}

void start_fresh(int lang)
{
    capture::reset();
    capture::reset_shell();
    capture_anal::reset();
    anal_reset();
    call_tables_reset();
    tree_box_calls_clear();
    code_out_hwnd = capture::new_edit();
    format_text(home_dir, sizeof home_dir, "%s/home", fuzz::scratch().c_str());
    lang_mode = lang;
}

int count_lines(const uint8_t *data, size_t size)
{
    int lines = 1;
    for (size_t i = 0; i < size; ++i) lines += data[i] == '\n';
    return lines;
}

// One command of the analyser; a hard stop ends it as the screens' exit would.
void analyse(const char *text, int lang)
{
    start_fresh(lang);
    char command[256];
    copy_bounded(command, sizeof command, text);
    try {
        (void)run_command(command, anal_main);
    } catch (const capture_anal::exit_called &) {
    }
}

void flow(int line)
{
    start_fresh(0);
    flow_start_line = -1;
    char command[256];
    format_text(command, sizeof command, "vokanal f.c -l%d -L-1 -o", line);
    try {
        (void)run_command(command, anal_main);
        if (cb_num > 0) {
            fill_flow_grid();
            route_flow_lines();
        }
    } catch (const capture_anal::exit_called &) {
    }
}

void tree()
{
    start_fresh(0);
    try {
        if (write_ftree_t() == 0) tree_mode = 1;
        char command[] = "vokanal f.c -i";
        (void)run_command(command, anal_main);
        tree_mode = 0;
        if (ftree_s_open("ftree_s.txt") == 0) {
            write_ftree();
            write_ftree_sources();
            ftree_s_close();
        }
    } catch (const capture_anal::exit_called &) {
    }
    tree_mode = 0;
    call_tables_release();
}

void steps()
{
    start_fresh(0);
    step_mode = 1;
    try {
        char command[] = "vokanal f.c -i -o";
        (void)run_command(command, anal_main);
        step_mode = 0;
        (void)write_step_report("stepcnt.txt", 1);
    } catch (const capture_anal::exit_called &) {
    }
    step_mode = 0;
}

void checks(size_t size)
{
    start_fresh(0);
    try {
        int count = 0;
        if (load_source("f.c", &count) != 0) {
            int line = 0;
            (void)check_indent(&line, count);
            line = 0;
            (void)check_area_marks(&line);
        }
        (void)write_nesting_list("f.c", "layer.txt", "CE"[size % 2], "ds#k"[size % 4]);
    } catch (const capture_anal::exit_called &) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    setup_once();
    if (!fuzz::write_file("f.c", data, size) || !fuzz::write_file("f.java", data, size)) return 0;
    analyse("vokanal f.c -i", 0);
    unsigned sum = 0;
    for (size_t i = 0; i < size; ++i) sum += data[i];
    switch (sum % 5) {
    case 0: analyse("vokanal -rmain f.c", 0); break;
    case 1: flow(1 + (int)(sum % (unsigned)count_lines(data, size))); break;
    case 2: tree(); break;
    case 3: steps(); break;
    default:
        checks(size);
        analyse("vokanal f.java -i", 2);
    }
    return 0;
}
