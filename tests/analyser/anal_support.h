// Helpers of the analyser tests: files written into the test's folder, the
// CODE output, and sources loaded into the reader.
#ifndef VOK_TESTS_ANALYSER_ANAL_SUPPORT_H
#define VOK_TESTS_ANALYSER_ANAL_SUPPORT_H

#include <cstdio>
#include <string>
#include <vector>

#include "analyser/anal_main.h"
#include "analyser/anal_reset.h"
#include "analyser/preproc.h"
#include "analyser/source_load.h"
#include "tests/support/capture_analyser.h"
#include "tests/support/capture_host.h"
#include "tests/support/capture_shell.h"
#include "shell/screens.h"

namespace anal_test {

inline void write_file(const std::string &name, const std::string &bytes)
{
    FILE *fp = fopen(name.c_str(), "wb");
    fwrite(bytes.data(), 1, bytes.size(), fp);
    fclose(fp);
}

// Read in text mode, as the system writes its files.
inline std::string read_file(const std::string &name)
{
    std::string s;
    FILE *fp = fopen(name.c_str(), "r");
    if (fp == nullptr) return "<missing>";
    int c;
    while ((c = fgetc(fp)) != EOF) s += (char)c;
    fclose(fp);
    return s;
}

// A fresh analyser, capture host and CODE output.
inline void fresh()
{
    capture::reset();
    capture::reset_shell();
    capture_anal::reset();
    anal_reset();
    code_out_hwnd = capture::new_edit();
}

// Runs "vokanal" with the arguments in-process, as the screens do.
inline int run_vokanal(std::vector<std::string> args)
{
    args.insert(args.begin(), "vokanal");
    std::vector<char *> argv;
    for (auto &a : args) argv.push_back(&a[0]);
    return anal_main(static_cast<int>(argv.size()), argv.data());
}

inline std::string code_output() { return capture::edit_text(code_out_hwnd); }

// Writes the text as a source file, loads it and points the reader at it.
inline int load_text(const std::string &text, const std::string &name = "src.c")
{
    write_file(name, text);
    int count = 0;
    load_source(name.c_str(), &count);
    set_source_lines(count);
    cur_line = 1;
    last_token_line = prev_token_line = 1;
    return count;
}

inline std::vector<std::string> lines()
{
    std::vector<std::string> v;
    for (int i = 0; i < line_count; ++i) v.push_back(source_lines[i]);
    return v;
}

}  // namespace anal_test

#endif
