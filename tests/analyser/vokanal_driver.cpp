// A console driver of the analyser for checks outside the test suites:
//   vokanal_driver [-s SAVE_FOLDER] HOME LANG SOURCE_FOLDER COMMAND...
// Each COMMAND is one argument, or "@FILE" naming a file of commands, one a
// line (blank lines and lines beginning with "#" are skipped).  Every command
// runs from a fresh program state in the source folder (no project in use),
// with the home folder for the tag files and the language 0 C/C++, 1 Pro*C,
// 2 Java.  The home and save folders are best given as full paths: the
// driver enters the source folder before the first command.
//
// Commands:
//   [WORD ...] vokanal ...   the analyser on the command text, as the screens
//                            run it; the words before it, each beginning with
//                            "+", say what the screen does around the run:
//     +start=N +decl +anon=N +entry=N   the flow inputs: flow_start_line,
//                            flow_decl_flag 1, flow_anon_line, g_entry
//     +tree    a function-tree build: the call tables before the run, then
//              "ftree_s.txt", the tree walk into the tree builder, "ftree.f",
//              "ftree_f.txt" and the release
//     +ext     the tree shows functions defined in no analysed file
//     +step    step counting; "stepcnt.txt" (numbered) after the run, and
//              "--- stepcnt <r>" with the writer's result
//     +route   the FLOW paint's grid filling and line routing after the run
//   and dumps after the run:
//     +nodes   the flow-node rows         +grid    the non-empty grid cells
//                                                  after +route (the grid
//                                                  is filled only there)
//     +calls   the call records (+tree)   +boxes   the tree nodes handed over
//     +steps   the step records (+step)   +classes the line classes of the
//                                                  last loaded file
//   layer FILE KIND LAYOUT   the nesting listing "layer.txt" of FILE with the
//                            column kind (d, s, #, k) and layout (C or E)
//   checks FILE              loads FILE and runs the indentation check and the
//                            AREA-marker check
//
// For each command standard output gets, in this order:
//   "=== <n> <command text>"      n counts the commands from 1
//   the dumps, each line beginning "--- <dump name> "
//   the CODE output
//   "--- box <caption>: <text>"   one per message box
//   "--- dev <line>"              one per developer line
//   "--- result <r>"              the result (-2 for a command the driver does
//                                 not know), or "--- exit <code>" after a hard stop
// With -s every output file that the command created or changed, in the home
// folder or in the source folder, is copied into SAVE_FOLDER as
// "<n>.home.<name>" or "<n>.src.<name>" (n in three digits), so that two runs
// can be compared file by file.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

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
#include "tests/support/capture_analyser.h"
#include "tests/support/capture_host.h"
#include "tests/support/capture_shell.h"
#include "trees/ftree_files.h"
#include "trees/tree_box.h"

namespace {

const char *const output_names[] = {
    "voktavir.tag", "vokcall.tag", "define.txt", "ftree_t.txt", "ftree_s.txt", "ftree_f.txt",
    "stepcnt.txt", "layer.txt", "voktavir.dat", "vokerror.txt", "ftree.f",
};

struct driver_setup {
    std::string save_folder;
    std::string home;
    int lang;
    std::string source_folder;  // current from the first command on
};

// What the words before "vokanal" ask for.
struct run_words {
    bool tree = false, externals = false, step = false, route = false;
    bool nodes = false, grid = false, calls = false, boxes = false, steps = false, classes = false;
    bool has_start = false, decl = false;
    int start = 0, anon = -1, entry = 0;
};

int usage()
{
    fprintf(stderr, "usage: vokanal_driver [-s SAVE_FOLDER] HOME LANG SOURCE_FOLDER COMMAND|@FILE...\n");
    return 2;
}

std::string join_path(const std::string &folder, const char *name)
{
    if (folder.empty()) return name;
    const char last = folder[folder.size() - 1];
    return last == '/' || last == '\\' ? folder + name : folder + "/" + name;
}

std::vector<std::string> split_words(const std::string &text)
{
    std::vector<std::string> words;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        const size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

int read_command_file(const char *path, std::vector<std::string> *commands)
{
    FILE *fp = fopen(path, "rb");
    if (fp == nullptr) return 1;
    std::string line;
    int c;
    while ((c = fgetc(fp)) != EOF || !line.empty()) {
        if (c != EOF && c != '\n') {
            if (c != '\r') line += (char)c;
            continue;
        }
        if (!line.empty() && line[0] != '#') commands->push_back(line);
        line.clear();
        if (c == EOF) break;
    }
    fclose(fp);
    return 0;
}

// The whole content of a file, or "\x01missing" when it cannot be read.
std::string file_content(const std::string &path)
{
    FILE *in = fopen(path.c_str(), "rb");
    if (in == nullptr) return "\x01missing";
    std::string text;
    char buf[8192];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, in)) > 0) text.append(buf, n);
    fclose(in);
    return text;
}

// The output files where they may be written: the home folder, then the source folder.
std::vector<std::string> output_paths(const driver_setup &setup)
{
    std::vector<std::string> paths;
    for (const char *name : output_names) paths.push_back(join_path(setup.home, name));
    for (const char *name : output_names) paths.push_back(name);
    return paths;
}

std::vector<std::string> snapshot_outputs(const driver_setup &setup)
{
    std::vector<std::string> contents;
    for (const std::string &path : output_paths(setup)) contents.push_back(file_content(path));
    return contents;
}

void save_changed_outputs(const driver_setup &setup, int number, const std::vector<std::string> &before)
{
    const std::vector<std::string> paths = output_paths(setup);
    const size_t per_folder = sizeof output_names / sizeof output_names[0];
    for (size_t i = 0; i < paths.size(); ++i) {
        const std::string now = file_content(paths[i]);
        if (now == before[i] || now == "\x01missing") continue;
        char name[64];
        const char *folder = i < per_folder ? "home" : "src";
        snprintf(name, sizeof name, "%03d.%s.%s", number, folder, output_names[i % per_folder]);
        FILE *out = fopen(join_path(setup.save_folder, name).c_str(), "wb");
        if (out == nullptr) continue;
        fwrite(now.data(), 1, now.size(), out);
        fclose(out);
    }
}

void start_fresh(const driver_setup &setup)
{
    capture::reset();
    capture::reset_shell();
    capture_anal::reset();
    anal_reset();
    call_tables_reset();
    tree_box_calls_clear();
    code_out_hwnd = capture::new_edit();
    copy_bounded(home_dir, sizeof home_dir, setup.home.c_str());
    lang_mode = setup.lang;
}

// Reads the words before the command text; the index of "vokanal", or -1
// when a word is unknown or no command follows.
int read_words(const std::vector<std::string> &words, run_words *w)
{
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string &s = words[i];
        if (s == "vokanal") return (int)i;
        const char *value = strchr(s.c_str(), '=');
        const int number = value != nullptr ? atoi(value + 1) : 0;
        const std::string key = value != nullptr ? s.substr(0, (size_t)(value - s.c_str())) : s;
        if (key == "+tree") w->tree = true;
        else if (key == "+ext") w->externals = true;
        else if (key == "+step") w->step = true;
        else if (key == "+route") w->route = true;
        else if (key == "+nodes") w->nodes = true;
        else if (key == "+grid") w->grid = true;
        else if (key == "+calls") w->calls = true;
        else if (key == "+boxes") w->boxes = true;
        else if (key == "+steps") w->steps = true;
        else if (key == "+classes") w->classes = true;
        else if (key == "+decl") w->decl = true;
        else if (key == "+start") w->has_start = true, w->start = number;
        else if (key == "+anon") w->anon = number;
        else if (key == "+entry") w->entry = number;
        else return -1;
    }
    return -1;
}

void dump_nodes()
{
    char row[1024];
    node_header_str(row, sizeof row);
    printf("--- nodes %s\n", row);
    for (int i = 0; i < cb_num; ++i) {
        if (cbp[i] == nullptr) {
            printf("--- nodes %d (empty)\n", i);
            continue;
        }
        node_row_str(row, sizeof row, i);
        printf("--- nodes %s\n", row);
    }
}

void dump_grid()
{
    for (int y = 0; y < grid_rows; ++y) {
        if (flow_grid[y] == nullptr) continue;
        for (int x = 0; x < grid_cols; ++x) {
            if (flow_grid[y][x] != -1) printf("--- grid %d %d %d\n", y, x, (int)flow_grid[y][x]);
        }
    }
}

const char *func_name_of(int f)
{
    return f >= 0 && f < func_num ? name_at(FUNCTBL[f].name) : "?";
}

void dump_calls()
{
    if (CALLTBL == nullptr) return;
    for (int i = 0; i < call_num; ++i) {
        const call_rec &c = CALLTBL[i];
        if (c.callee < 0) continue;
        printf("--- calls %s %s %s %d %d\n", src_name(c.source), func_name_of(c.caller), func_name_of(c.callee),
               (int)c.caller_line, (int)c.call_line);
    }
}

void dump_boxes()
{
    const int n = tree_box_call_num < tree_box_call_cap ? tree_box_call_num : tree_box_call_cap;
    for (int i = 0; i < n; ++i) {
        const tree_box_call &b = tree_box_calls[i];
        printf("--- boxes %d %d %d %d %d %d %d %d %d\n", b.source, b.line, b.level, b.name, b.kind, b.call_source,
               b.call_line, b.caller_line, b.mark);
    }
}

void dump_steps()
{
    for (int i = 0; i < step_num; ++i) {
        const step_record &r = step_tbl[i];
        printf("--- steps %s %d %d %d %d %d %d %d\n", r.name != nullptr ? r.name : "?", r.total, r.real, r.comment,
               r.inactive, r.directive, r.empty, r.commented);
    }
}

void dump_classes()
{
    char text[8];
    for (int i = 0; i < line_count; ++i) printf("--- classes %d %s\n", i + 1, line_class_text(i, text));
}

void set_flow_inputs(const run_words &w)
{
    if (w.has_start) flow_start_line = w.start;
    flow_decl_flag = w.decl ? 1 : 0;
    flow_anon_line = w.anon;
    g_entry = w.entry;
}

// Runs the analyser as the screens do around it; the result of anal_main.
int run_analyser(const run_words &w, std::string command)
{
    set_flow_inputs(w);
    if (w.tree) {
        tree_external = w.externals ? 1 : 0;
        if (write_ftree_t() != 0) printf("--- tree write_ftree_t failed\n");
        else tree_mode = 1;
    }
    if (w.step) step_mode = 1;
    const int result = run_command(&command[0], anal_main);
    tree_mode = 0;
    step_mode = 0;
    const bool routed = w.route && cb_num > 0;
    if (routed) {
        fill_flow_grid();
        route_flow_lines();
    }
    if (w.nodes) dump_nodes();
    if (w.grid && routed) dump_grid();
    if (w.classes) dump_classes();
    if (w.tree) {
        if (ftree_s_open("ftree_s.txt") != 0) printf("--- tree ftree_s.txt cannot be created\n");
        const bool built = ftree_alloc() == 0;
        if (!built) printf("--- tree ftree_alloc failed\n");
        tree_level_reset();
        write_ftree();
        if (!built) write_ftree_sources();
        else if (write_tree_form("ftree.f") != 0) printf("--- tree ftree.f cannot be written\n");
        ftree_free();
        ftree_s_close();
        if (w.calls) dump_calls();
        if (w.boxes) dump_boxes();
        call_tables_release();
    }
    if (w.step) {
        if (w.steps) dump_steps();
        printf("--- stepcnt %d\n", write_step_report("stepcnt.txt", 1));
    }
    return result;
}

int run_layer(const std::vector<std::string> &words)
{
    if (words.size() != 4) return -2;
    return write_nesting_list(words[1].c_str(), "layer.txt", words[3][0], words[2][0]);
}

int run_checks(const std::vector<std::string> &words)
{
    if (words.size() != 2) return -2;
    int count = 0;
    if (load_source(words[1].c_str(), &count) == 0) return -1;
    int line = 0;
    const int indent = check_indent(&line, count);
    printf("--- checks indent %d line %d\n", indent, line);
    line = 0;
    const int marks = check_area_marks(&line);
    printf("--- checks marks %d line %d\n", marks, line);
    return 0;
}

int run_text(const std::string &text)
{
    const std::vector<std::string> words = split_words(text);
    if (!words.empty() && words[0] == "layer") return run_layer(words);
    if (!words.empty() && words[0] == "checks") return run_checks(words);
    run_words w;
    const int at = read_words(words, &w);
    if (at < 0) return -2;
    const size_t from = text.find("vokanal");
    return run_analyser(w, text.substr(from));
}

void print_records(int result, bool exited)
{
    for (const capture::box_call &box : capture::boxes) {
        printf("--- box %s: %s\n", box.caption.c_str(), box.text.c_str());
    }
    for (const std::string &line : capture_anal::dev_lines) {
        printf("--- dev %s", line.c_str());
        if (line.empty() || line[line.size() - 1] != '\n') putchar('\n');
    }
    printf("--- %s %d\n", exited ? "exit" : "result", result);
}

void run_one(const driver_setup &setup, int number, const std::string &text)
{
    start_fresh(setup);
    printf("=== %d %s\n", number, text.c_str());
    fflush(stdout);
    const bool saving = !setup.save_folder.empty();
    const std::vector<std::string> before = saving ? snapshot_outputs(setup) : std::vector<std::string>();
    int result;
    bool exited = false;
    try {
        result = run_text(text);
    } catch (const capture_anal::exit_called &e) {
        result = e.code;
        exited = true;
    }
    fputs(capture::edit_text(code_out_hwnd).c_str(), stdout);
    print_records(result, exited);
    fflush(stdout);
    if (saving) save_changed_outputs(setup, number, before);
}

}  // namespace

int main(int argc, char **argv)
{
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    driver_setup setup;
    int first = 1;
    if (argc > 2 && strcmp(argv[1], "-s") == 0) {
        setup.save_folder = argv[2];
        first = 3;
    }
    if (argc - first < 4) return usage();
    setup.home = argv[first];
    setup.lang = atoi(argv[first + 1]);
    setup.source_folder = argv[first + 2];
    std::vector<std::string> commands;
    for (int i = first + 3; i < argc; ++i) {
        if (argv[i][0] != '@') {
            commands.push_back(argv[i]);
        } else if (read_command_file(argv[i] + 1, &commands) != 0) {
            fprintf(stderr, "cannot read %s\n", argv[i] + 1);
            return 2;
        }
    }
    if (change_dir(setup.source_folder.c_str()) != 0) {
        fprintf(stderr, "cannot enter %s\n", setup.source_folder.c_str());
        return 2;
    }
    for (size_t i = 0; i < commands.size(); ++i) run_one(setup, (int)i + 1, commands[i]);
    return 0;
}
