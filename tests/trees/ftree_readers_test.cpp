// The readers of the tree files: node lines by number with their marks,
// definitions by name, and the hexadecimal source numbers of box names.
#include <gtest/gtest.h>

#include <string>

#include "shell/text.h"
#include "tests/analyser/tree_support.h"
#include "trees/ftree_files.h"

namespace {

struct node_read {
    int result;
    std::string file;
    int line;
    std::string name;
    int caller, mark;
};

node_read read_node(int n, int mark = 99)
{
    node_read r{};
    char file[64], name[8];
    r.mark = mark;
    r.result = read_ftree_node("ftree_s.txt", n, file, sizeof file, &r.line, name, sizeof name, &r.caller, &r.mark);
    r.file = file;
    r.name = name;
    return r;
}

TEST(ReadFtreeNode, LinesMarksAndFailures)
{
    anal_test::write_file("ftree_s.txt",
                          "P00000 プロジェクト名(p)\n"
                          "F00001 x.c 5 wrong 1\n"
                          "\n\n\n"
                          "F00003 a.c 10 main 10\n"
                          "E00004 a.c 12 helper 10\n"
                          "E00005 b.c 22 priv 20 S\n"
                          "E00006 a.c 15 cb 10 P2\n"
                          "E00007 a.c 16 a_long_name 10\n");
    const struct {
        int n, mark_in;
        node_read want;
    } cases[] = {
        {3, 99, {1, "a.c", 10, "main", 10, node_mark_plain}},
        {4, 99, {1, "a.c", 12, "helper", 10, node_mark_plain}},
        {5, 99, {1, "b.c", 22, "priv", 20, node_mark_private}},  // a written -2
        {6, 99, {1, "a.c", 15, "cb", 10, 2}},
        {7, 99, {1, "a.c", 16, "a_long_", 10, node_mark_plain}},  // the name cut to its buffer
        {0, 99, {0, "", -3, "", -1, -3}},                          // a header box: no node line
        {8, 99, {0, "", -3, "", -1, -3}},
        {-1, 99, {0, "", -1, "", -1, 99}},                         // the mark untouched
    };
    for (const auto &c : cases) {
        const node_read r = read_node(c.n, c.mark_in);
        EXPECT_EQ(r.result, c.want.result) << c.n;
        EXPECT_EQ(r.file, c.want.file) << c.n;
        EXPECT_EQ(r.line, c.want.line) << c.n;
        EXPECT_EQ(r.name, c.want.name) << c.n;
        EXPECT_EQ(r.caller, c.want.caller) << c.n;
        EXPECT_EQ(r.mark, c.want.mark) << c.n;
    }
    remove("ftree_s.txt");
    const node_read r = read_node(3);
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.line, -2);
    EXPECT_EQ(r.mark, -1);
    EXPECT_EQ(r.caller, -1);
}

TEST(FindGLine, ModesOnTheAnalysersLines)
{
    tree_test::setup();
    anal_test::write_file("one.c", "static int same(void) { return 1; }\nint pub(void) { return same(); }\n");
    anal_test::write_file("two.c", "int same(void) { return 2; }\nint top(void) { pub(); return same(); }\n");
    tree_test::build({"one.c", "two.c"});
    call_tables_release();
    const struct {
        const char *name;
        const char *file_in;
        int mode;
        int result, line;
        const char *file_out;
    } cases[] = {
        {"same", "one.c", g_line_private, 1, 1, "one.c"},
        {"same", "two.c", g_line_private, 0, -3, "two.c"},   // only global there
        {"same", "", 0, 1, 1, "two.c"},                      // the global one
        {"pub", "one.c", g_line_private, 0, -3, "one.c"},
        {"pub", "", 0, 1, 2, "one.c"},
        {"nothing", "x.c", 0, 0, -3, "x.c"},
    };
    for (const auto &c : cases) {
        char file[64];
        copy_bounded(file, sizeof file, c.file_in);
        int line = 0;
        EXPECT_EQ(find_g_line("ftree_s.txt", c.name, file, sizeof file, &line, c.mode), c.result) << c.name;
        EXPECT_EQ(line, c.line) << c.name << " " << c.file_in;
        EXPECT_STREQ(file, c.file_out) << c.name;
    }
    char file[64] = "kept.c";
    int line = 0;
    EXPECT_EQ(find_g_line("missing.txt", "same", file, sizeof file, &line, 0), 0);
    EXPECT_EQ(line, -2);
    EXPECT_STREQ(file, "");
}

TEST(HexName, NumbersBothWays)
{
    const struct {
        int n;
        const char *text;
    } names[] = {{0, "0"}, {9, "9"}, {26, "1A"}, {255, "FF"}, {65536, "10000"}, {1048575, "FFFFF"}, {-1, "?"}};
    for (const auto &c : names) EXPECT_STREQ(hex_name(c.n), c.text) << c.n;
    const struct {
        const char *text;
        int n;
        char letter;
    } parses[] = {
        {"1A", 26, 0},         {"1AS", 26, 'S'},       {"0", 0, 0},          {"7FFFFFFF", 0x7fffffff, 0},
        {"80000000", -1, 1},   {"123456789", -1, 1},
        {"", -1, 1},           {"S", -1, 1},           {"1X", -1, 1},        {"1a", -1, 1},
        {"1ASS", -1, 1},       {"1234567890", -1, 1},  {"12345678", 0x12345678, 0},
    };
    for (const auto &c : parses) {
        char letter = 1;
        EXPECT_EQ(parse_hex_name(c.text, &letter), c.n) << c.text;
        if (c.n >= 0) {
            EXPECT_EQ(letter, c.letter) << c.text;
        }
    }
}

TEST(HexName, ExpandsThroughTheSourceList)
{
    remove("ftree_f.txt");
    char name[16] = "1A";
    EXPECT_EQ(expand_hex_name(name, sizeof name), 1);
    EXPECT_STREQ(name, "?????");
    EXPECT_EQ(expand_hex_name_s("z.c"), -1);
    std::string list;
    for (int i = 0; i < 27; ++i) list += "S" + std::string(i < 10 ? "0000" : "000") + std::to_string(i) + " f" + std::to_string(i) + ".c\n";
    list += "S00028 a_rather_long_folder_name/file.c\n";
    anal_test::write_file("ftree_f.txt", list);
    const struct {
        const char *in;
        const char *out;
    } cases[] = {{"1AS", "f26.c/s"}, {"1A", "f26.c"}, {"1X", "?"}, {"", "?"}, {"1B", "????"},
                 {"1C", "a_rather_long_f"}};  // cut to the buffer
    for (const auto &c : cases) {
        copy_bounded(name, sizeof name, c.in);
        expand_hex_name(name, sizeof name);
        EXPECT_STREQ(name, c.out) << c.in;
    }
    EXPECT_EQ(expand_hex_name_s("f26.c"), 26);
    EXPECT_EQ(expand_hex_name_s("f0.c"), 0);
    EXPECT_EQ(expand_hex_name_s("f99.c"), -2);
    EXPECT_EQ(expand_hex_name_s("f2"), -2);
}

}  // namespace
