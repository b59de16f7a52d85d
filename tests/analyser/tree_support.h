// Helpers of the function-tree tests: an analyser run with its arguments, a
// tree build as the main screen runs it, and the nodes handed to the tree
// builder written as "level name kind".
#ifndef VOK_TESTS_ANALYSER_TREE_SUPPORT_H
#define VOK_TESTS_ANALYSER_TREE_SUPPORT_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analyser/anal_inputs.h"
#include "analyser/anal_main.h"
#include "analyser/calls.h"
#include "anal_support.h"
#include "trees/ftree_files.h"
#include "shell/startup.h"
#include "trees/tree_box.h"

namespace tree_test {

inline void setup()
{
    anal_test::fresh();
    reset_anal_inputs();
    lang_mode = 0;
    tree_box_calls_clear();
    for (const char *f : {"ftree_t.txt", "ftree_s.txt", "ftree_f.txt", "ftree_c2.txt", "voktavir.tag"}) remove(f);
    anal_test::write_file("wordattr.dat", anal_test::read_file(VOK_ANAL_DATA "/wordattr.dat"));
}

// The analysis runs and the walk of a tree build; the tables stay until
// call_tables_release.
inline void build(std::vector<std::string> files, int externals = 0)
{
    tree_external = externals;
    ASSERT_EQ(write_ftree_t(), 0);
    tree_mode = 1;
    files.push_back("-i");
    anal_test::run_vokanal(files);
    tree_mode = 0;
    ASSERT_EQ(ftree_s_open("ftree_s.txt"), 0);
    tree_box_calls_clear();
    EXPECT_EQ(write_ftree(), 0);
    write_ftree_sources();
    ftree_s_close();
}

inline std::vector<std::string> boxes()
{
    std::vector<std::string> v;
    for (int i = 0; i < tree_box_call_num && i < tree_box_call_cap; ++i) {
        const tree_box_call &b = tree_box_calls[i];
        v.push_back(std::to_string(b.level) + " " + name_at(b.name) + " " + std::to_string(b.kind));
    }
    return v;
}

// The lines of a file that begin with one of the letters.
inline std::vector<std::string> lines_of(const std::string &text, const std::string &letters)
{
    std::vector<std::string> v;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(at, end - at);
        if (!line.empty() && letters.find(line[0]) != std::string::npos) v.push_back(line);
        at = end + 1;
    }
    return v;
}

inline int count_of(const std::string &text, const std::string &part)
{
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

}  // namespace tree_test

#endif
