// The generated sources of the chart benchmarks: a chain of gotos of about
// three nodes a link, and a function of branches and loops of about ten
// nodes a step; and a file written from a text.
#ifndef VOK_TESTS_TREES_BENCH_SOURCES_H
#define VOK_TESTS_TREES_BENCH_SOURCES_H

#include <cstdio>
#include <string>

namespace bench_sources {

inline void write_file(const char *name, const std::string &text)
{
    FILE *fp = fopen(name, "wb");
    if (fp == nullptr) return;
    fwrite(text.data(), 1, text.size(), fp);
    fclose(fp);
}

inline std::string chain(int links)
{
    std::string s = "int chain(int v)\n{\n";
    for (int i = 0; i < links; ++i) s += "    goto L" + std::to_string(i) + ";\nL" + std::to_string(i) + ":\n    v++;\n";
    return s + "    return v;\n}\n";
}

inline std::string branches(int steps)
{
    std::string s = "int mixed(int v)\n{\n";
    for (int i = 0; i < steps; ++i) {
        s += "    if (v > " + std::to_string(i) + ") v--; else v++;\n";
        s += "    while (v < " + std::to_string(i) + ") { v += 2; }\n";
    }
    return s + "    return v;\n}\n";
}

}  // namespace bench_sources

#endif
