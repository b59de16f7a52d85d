// Runs calculation programs under the capture hooks: the output as one text,
// files opened by name in the working folder or through a fixture map, and tables
// of programs checked against their output.
#ifndef VOK_TESTS_CALC_CALC_RUN_H
#define VOK_TESTS_CALC_CALC_RUN_H

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "calc/calc_host.h"

namespace calc_test {

inline std::string &captured()
{
    static std::string text;
    return text;
}

inline std::map<std::string, std::string> &fixture_map()
{
    static std::map<std::string, std::string> names;
    return names;
}

inline int capture_print(const char *text)
{
    captured() += text;
    return 0;
}

inline FILE *map_open(const char *name, const char *mode)
{
    const auto it = fixture_map().find(name);
    return fopen(it != fixture_map().end() ? it->second.c_str() : name, mode);
}

inline void write_file(const std::string &name, const std::string &text)
{
    std::ofstream out(name, std::ios::binary);
    out << text;
}

inline std::string read_file(const std::string &name)
{
    std::ifstream in(name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// A text file's content with its line ends as "\n" (the Windows build writes CR LF).
inline std::string read_text(const std::string &name)
{
    std::string s = read_file(name);
    std::string out;
    for (char c : s) {
        if (c != '\r') out += c;
    }
    return out;
}

inline bool file_exists(const std::string &name)
{
    FILE *fp = fopen(name.c_str(), "r");
    if (fp != nullptr) fclose(fp);
    return fp != nullptr;
}

struct result {
    int rc;
    std::string out;
};

// Program-start values, capture hooks, GUI rules unless asked.
inline void start(int console = 0)
{
    calc_program_start();
    calc_console_rules = console;
    calc_bind_hooks(capture_print, map_open);
    captured().clear();
}

// Writes the program (Shift-JIS text) to p.vok and runs it.
inline result run(const std::string &program, int console = 0, bool fresh = true)
{
    if (fresh) start(console);
    captured().clear();
    write_file("p.vok", program);
    const int rc = run_calc_file("p.vok");
    return {rc, captured()};
}

// The output without the lines that always appear (start, F907, time).
inline std::string body(const std::string &out)
{
    std::istringstream in(out);
    std::string line;
    std::string kept;
    while (std::getline(in, line)) {
        if (line.rfind("ファイル(", 0) == 0 && line.find("の解析を開始します") != std::string::npos) continue;
        if (line.rfind("F907 ", 0) == 0 || line.rfind("計算時間 ", 0) == 0) continue;
        kept += line + "\n";
    }
    return kept;
}

// A program that runs to the end and the output body() keeps of it.
struct program_case {
    const char *name;
    const char *program;
    const char *out;
};

template <size_t N>
void expect_outputs(const program_case (&cases)[N])
{
    for (const program_case &c : cases) {
        const result r = run(c.program);
        EXPECT_EQ(0, r.rc) << c.name;
        EXPECT_EQ(c.out, body(r.out)) << c.name;
    }
}

}  // namespace calc_test

#endif
