// Helpers of the LIST and FLOW tests: a fresh program state, tag files
// written and loaded as the select command loads them, a fake analyser main
// that records its argument arrays, and the shown order as entry indexes.
#ifndef VOK_TESTS_TREES_LIST_SUPPORT_H
#define VOK_TESTS_TREES_LIST_SUPPORT_H

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "analyser/anal_inputs.h"
#include "analyser/anal_reset.h"
#include "shell/codeout.h"
#include "shell/dirs.h"
#include "shell/marks.h"
#include "shell/screens.h"
#include "shell/text.h"
#include "tests/support/capture_analyser.h"
#include "tests/support/capture_host.h"
#include "tests/support/capture_shell.h"
#include "trees/func_list.h"
#include "trees/trees_reset.h"

namespace list_test {

inline void write_file(const std::string &name, const std::string &bytes)
{
    FILE *fp = fopen(name.c_str(), "wb");
    fwrite(bytes.data(), 1, bytes.size(), fp);
    fclose(fp);
}

// An empty folder of that name (its old content removed).
inline void fresh_folder(const char *name)
{
    std::error_code ec;
    std::filesystem::remove_all(name, ec);
    std::filesystem::create_directory(name, ec);
}

// The bytes of a file; with text true, read as text, so that a file the
// program wrote with the host's line ends reads the same on every host.
inline std::string read_file(const std::string &name, bool text = false)
{
    std::string s;
    FILE *fp = fopen(name.c_str(), text ? "r" : "rb");
    if (fp == nullptr) return "<missing>";
    int c;
    while ((c = fgetc(fp)) != EOF) s += (char)c;
    fclose(fp);
    return s;
}

// The argument arrays the fake analyser was called with, and the tag text
// it writes into "voktavir.tag" when it is given -o.
inline std::vector<std::vector<std::string>> &anal_calls()
{
    static std::vector<std::vector<std::string>> calls;
    return calls;
}
inline std::string &fake_tag()
{
    static std::string tag;
    return tag;
}

// The flow-run inputs as the analyser saw them at each call.
struct flow_inputs {
    int start, anon, decl, run_flag;
};
inline std::vector<flow_inputs> &inputs_seen()
{
    static std::vector<flow_inputs> seen;
    return seen;
}

inline int fake_anal(int argc, char **argv)
{
    std::vector<std::string> args(argv, argv + argc);
    anal_calls().push_back(args);
    inputs_seen().push_back(flow_inputs{flow_start_line, flow_anon_line, flow_decl_flag, flow_anon_func_flag});
    for (const std::string &a : args) {
        if (a.compare(0, 2, "-o") == 0 && a.size() > 2 && !fake_tag().empty()) write_file(a.substr(2), fake_tag());
    }
    return 0;
}

// The argument array of call n joined by blanks.
inline std::string call_text(size_t n)
{
    if (n >= anal_calls().size()) return "<no call>";
    std::string s;
    for (const std::string &a : anal_calls()[n]) s += (s.empty() ? "" : " ") + a;
    return s;
}

// A fresh program state with the fake analyser behind anal_runner.
inline void fresh()
{
    capture::reset();
    capture::reset_shell();
    capture_anal::reset();
    anal_reset();
    trees_reset_all();
    code_mark_clear();
    highlight_clear();
    code_out_hwnd = capture::new_edit();
    home_dir[0] = '\0';
    anal_calls().clear();
    inputs_seen().clear();
    fake_tag().clear();
    anal_runner = fake_anal;
}

// Writes the tag text as "voktavir.tag", loads it and opens a file set.
inline void load_list(const std::string &tag)
{
    write_file("voktavir.tag", tag);
    load_tag_file("voktavir.tag");
    copy_bounded(cat_pattern, sizeof cat_pattern, " a.c b.c");
}

// The shown order as entry indexes.
inline std::vector<int> shown_order()
{
    return std::vector<int>(fl_order, fl_order + i_num);
}

// A small list of two files: classes, members, a nested class, an
// anonymous class with its function, plain functions and a declaration.
const char *const small_list =
    "---------- a.c ----------\n"  // 0
    "a.c 1 A:()\n"                 // 1  class A
    "a.c 2 get'()\n"               // 2  member of A
    "a.c 3 set'()\n"               // 3  member of A
    "a.c 4 In::()\n"               // 4  class In inside A
    "a.c 5 deep''()\n"             // 5  member of In
    "a.c 9 main()\n"               // 6
    "a.c 10 Runnable{1}↓()\n"      // 7  anonymous class
    "a.c 11 run↑()\n"              // 8  its function
    "a.c 20 helper()\n"            // 9
    "---------- b.c ----------\n"  // 10
    "b.c 1 B:()\n"                 // 11
    "b.c 2 get'()\n"               // 12
    "b.c 3 Bar.foo()\n"            // 13
    "b.c 4 x[foo]()\n"             // 14
    "b.c 5 foo()\n"                // 15
    "b.c 6 count;()\n";            // 16 a declaration

}  // namespace list_test

#endif
