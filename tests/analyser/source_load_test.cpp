// Source loading: line ends, long lines, the line capacity, missing files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analyser/anal_reset.h"
#include "analyser/source_load.h"
#include "anal_support.h"

namespace {

using anal_test::lines;

struct ending_case {
    const char *name;
    std::string bytes;
    std::vector<std::string> expected;
};

class Loading : public ::testing::Test {
protected:
    void SetUp() override { anal_test::fresh(); }
};

TEST_F(Loading, LineEnds)
{
    const ending_case cases[] = {
        {"LF", "a\nb\n", {"a\n", "b\n"}},
        {"CR LF", "a\r\nb\r\n", {"a\n", "b\n"}},
        {"CR CR LF gives an extra empty line", "a\r\r\nb\n", {"a\n", "\n", "b\n"}},
        {"a lone CR stays in the line", "a\rb\n", {"a\rb\n"}},
        {"Ctrl-Z ends the file", "a\nb\x1a" "c\n", {"a\n", "b"}},
        {"last line without LF", "a\nb", {"a\n", "b"}},
        {"a NUL ends the line's text", std::string("ab\0cd\ne\n", 8), {"ab", "e\n"}},
    };
    for (const auto &c : cases) {
        anal_test::write_file("le.c", c.bytes);
        int count = -1;
        ASSERT_EQ(load_source("le.c", &count), 1) << c.name;
        EXPECT_EQ(count, (int)c.expected.size()) << c.name;
        EXPECT_EQ(lines(), c.expected) << c.name;
    }
}

TEST_F(Loading, LongLinesAreReportedAndSplit)
{
    struct {
        int length;
        const char *expected_output;
        int lines;
    } cases[] = {
        {500, "", 2},
        {501, "long.c(1):超大行を検出しました(501)\r\n", 2},
        {2999, "long.c(1):超々大行を検出しました、行番号がずれます(1998)\r\nlong.c(1):超大行を検出しました(1998)\r\n"
               "long.c(2):超大行を検出しました(1001)\r\n", 3},
    };
    for (const auto &c : cases) {
        anal_test::fresh();
        anal_test::write_file("long.c", std::string(c.length - 1, 'x') + "\nnext\n");
        int count = 0;
        ASSERT_EQ(load_source("long.c", &count), 1);
        EXPECT_EQ(anal_test::code_output(), c.expected_output) << c.length;
        EXPECT_EQ(count, c.lines) << c.length;
        EXPECT_STREQ(source_lines[count - 1], "next\n") << c.length;
    }
}

TEST_F(Loading, FileOverTheLineCapacityKeepsItsFirstLines)
{
    std::string text;
    for (int i = 0; i < line_cap + 5; ++i) text += "x\n";
    anal_test::write_file("big.c", text);
    int count = 0;
    ASSERT_EQ(load_source("big.c", &count), 1);
    EXPECT_EQ(count, line_cap);
    EXPECT_EQ(anal_test::code_output(), "ファイル(big.c)の行数(100000)が多過ぎます\r\n");
}

// A load that leaves bytes of the file unread says so; a full table and a
// Ctrl-Z before the end are cut, a file that fits or ends in Ctrl-Z is not.
TEST_F(Loading, CutLoadsAreFlagged)
{
    std::string full;
    for (int i = 0; i < line_cap; ++i) full += "x\n";
    const struct {
        const char *name;
        std::string bytes;
        int cut;
    } cases[] = {
        {"exactly the capacity", full, 0},
        {"one line over the capacity", full + "y\n", 1},
        {"CR CR LF line filling the last two entries", full.substr(4) + "z\r\r\n", 0},
        {"CR CR LF line one entry over", full.substr(4) + "a\nz\r\r\n", 1},
        {"Ctrl-Z before the end", "a\nb\x1a" "c\n", 1},
        {"Ctrl-Z as the last byte", "a\nb\n\x1a", 0},
        {"plain file", "a\nb\n", 0},
    };
    for (const auto &c : cases) {
        anal_test::write_file("cut.c", c.bytes);
        int count = 0;
        ASSERT_EQ(load_source("cut.c", &count), 1) << c.name;
        EXPECT_EQ(load_cut, c.cut) << c.name;
    }
    int count = 0;
    EXPECT_EQ(load_source("nowhere.c", &count), 0);
    EXPECT_EQ(load_cut, 0);
}

TEST_F(Loading, MissingFileAndHeaderNames)
{
    int count = 7;
    EXPECT_EQ(load_source("nowhere.c", &count), 0);
    EXPECT_EQ(count, 0);
    EXPECT_STREQ(cur_file, "nowhere.c");

    const struct {
        const char *name;
        int header;
    } names[] = {{"a.h", 1}, {"a.H", 1}, {"a.hpp", 0}, {"a.c", 0}};
    for (const auto &n : names) {
        anal_test::write_file(n.name, "  x\n");
        load_source(n.name, &count);
        EXPECT_EQ(header_file, n.header) << n.name;
        EXPECT_STREQ(skip_line_blanks(source_lines[0]), n.header ? "  x\n" : "x\n") << n.name;
    }
}

TEST_F(Loading, PerLineWritesOutsideTheFileAreIgnored)
{
    anal_test::load_text("a\nb\n");
    EXPECT_EQ(set_line_mark(2, "●"), 0);
    EXPECT_EQ(set_line_mark(3, "●"), 1);
    EXPECT_EQ(set_line_mark(-1, "●"), 1);
    EXPECT_EQ(set_line_class_flag(line_cap + 1, 2), 1);
    EXPECT_STREQ(line_mark[2], "●");
    EXPECT_EQ(set_entry_flag(3), 1);
    EXPECT_EQ(set_entry_flag(0), 1);
}

// Line classes and entry flags of a longer file must not survive into a
// shorter or a later one, whichever clear empties them.
TEST_F(Loading, ClearsForgetTheRowsOfALongerFile)
{
    const struct {
        const char *what;
        void (*clear)();
    } clears[] = {
        {"clear_line_class and clear_entry_flags", [] { clear_line_class(), clear_entry_flags(); }},
        {"clear_line_marks and clear_line_class", [] { clear_line_marks(), clear_line_class(); }},
        {"anal_reset", [] { anal_reset(); }},
    };
    for (const auto &c : clears) {
        anal_test::load_text("a\nb\nc\nd\ne\n");
        set_line_class_flag(5, 8);
        set_line_class_flag(1, 4);
        set_entry_flag(4);
        anal_test::load_text("a\n");
        c.clear();
        anal_test::load_text("a\nb\nc\nd\ne\n");
        EXPECT_EQ(line_class[5], 0) << c.what;
        EXPECT_EQ(line_class[1], 0) << c.what;
        EXPECT_EQ(entry_flag[4], 0) << c.what;
    }
}

// A reset leaves no mark and no selection in any row, up to the last one.
TEST_F(Loading, AResetEmptiesMarksAndSelectionsOfEveryRow)
{
    for (int round = 0; round < 2; ++round) {
        anal_test::load_text("a\nb\nc\n");
        EXPECT_EQ(set_line_mark(2, "●"), 0);
        EXPECT_EQ(put_line_mark(line_cap, "●"), 0);
        EXPECT_EQ(put_line_mark(line_cap + 1, "●"), 1);
        EXPECT_EQ(set_line_selected(line_cap, 1), 0);
        EXPECT_EQ(set_line_selected(-1, 1), 1);
        anal_reset();
        EXPECT_STREQ(line_mark[2], "");
        EXPECT_STREQ(line_mark[line_cap], "");
        EXPECT_EQ(line_selected[line_cap], 0);
    }
}

}  // namespace
