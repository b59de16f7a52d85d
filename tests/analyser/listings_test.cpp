// Listing services and the define listings: tab expansion, source lines,
// files into the CODE output and edit windows, the column layout of the
// define lists and the " -D" option text.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "analyser/define_lists.h"
#include "analyser/listings.h"
#include "analyser/options.h"
#include "analyser/preproc.h"
#include "shell/trace_log.h"
#include "anal_support.h"
#include "trees/func_list.h"
#include "trees/launch.h"
#include "trees/trees_reset.h"

namespace {

using anal_test::write_file;

const std::string separator = std::string(76, '-') + "\n";

// A reference list whose one function holds these hit lines, loaded as the
// LIST screen loads it, with the result range around its first hit.
void set_hits(const std::vector<int> &hits)
{
    std::string tag = "---------- a.c ----------\n";
    for (int h : hits) tag += "a.c 1 f(" + std::to_string(h) + ")\n";
    write_file("vokcall.tag", tag);
    load_tag_file("vokcall.tag");
    result_range(2);
}

class Listings : public ::testing::Test {
protected:
    void SetUp() override
    {
        anal_test::fresh();
        trees_reset_all();
        window = capture::new_edit();
    }
    std::string shown() { return capture::edit_text(window); }
    win_handle window = nullptr;
};

TEST_F(Listings, IndentWidth)
{
    const struct {
        const char *line;
        int tab;
        int width;
    } cases[] = {
        {"", 4, 0},          {"x", 4, 0},       {"  x", 4, 2},      {"\tx", 4, 4},
        {"  \tx", 4, 4},     {"    \tx", 4, 8}, {"\t \tx", 4, 8},   {"\t\t", 8, 16},
        {" \t x\t", 3, 4},
    };
    for (const auto &c : cases) EXPECT_EQ(indent_width(c.line, c.tab), c.width) << "[" << c.line << "]";
}

TEST_F(Listings, ExpandTabs)
{
    const struct {
        const char *line;
        int tab;
        int brackets;
        const char *expected;
    } cases[] = {
        {"a\tb", 4, 0, "a   b"},
        {"abcd\te", 4, 0, "abcd    e"},
        {"\t\tx", 2, 0, "    x"},
        {"あ\tx", 4, 0, "あ  x"},                  // a pair counts two columns
        {"a[1]\t;", 4, 1, "a［1］  ;"},            // brackets take two columns each
        {"ゼ[ゾ]", 4, 1, "ゼ［ゾ］"},                // a follower byte "[" or "]" stays in its pair
        {"ゼ[ゾ]", 4, 0, "ゼ[ゾ]"},
        {"", 4, 1, ""},
    };
    for (const auto &c : cases) EXPECT_STREQ(expand_tabs(c.line, c.tab, c.brackets), c.expected) << c.line;
}

TEST_F(Listings, ExpandTabsHoldsTheLongestLineAndCutsOnACharacter)
{
    EXPECT_EQ(std::string(expand_tabs(std::string(1998, '\t').c_str(), 4, 0)), std::string(7992, ' '));
    // 1997 tabs leave room for two full-width characters, not for a third.
    const std::string line = std::string(1997, '\t') + "あいう";
    EXPECT_EQ(std::string(expand_tabs(line.c_str(), 4, 0)), std::string(7988, ' ') + "あい");
    // One byte short of a pair: the pair is dropped whole.
    const std::string odd = std::string(1997, '\t') + "xあい";
    EXPECT_EQ(std::string(expand_tabs(odd.c_str(), 4, 0)), std::string(7988, ' ') + "xあ");
    const std::string brackets = std::string(1997, '\t') + "[[[";
    EXPECT_EQ(std::string(expand_tabs(brackets.c_str(), 4, 1)), std::string(7988, ' ') + "［［");
}

TEST_F(Listings, GetSourceLineAtItsBounds)
{
    char buffer[8];
    EXPECT_EQ(get_source_line(buffer, sizeof buffer, 0), 1) << "nothing loaded";
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(old_line_count(), 0);
    anal_test::load_text("first\nsecond line\nlast");
    EXPECT_EQ(old_line_count(), 3);
    const struct {
        int n;
        int size;
        int result;
        const char *text;
    } cases[] = {
        {0, 8, 0, "first\n"},  {1, 8, 0, "second "}, {2, 8, 0, "last"},
        {3, 8, 1, ""},         {-1, 8, 1, ""},       {0, 1, 0, ""},
    };
    for (const auto &c : cases) {
        memset(buffer, 'z', sizeof buffer);
        EXPECT_EQ(get_source_line(buffer, c.size, c.n), c.result) << c.n;
        EXPECT_STREQ(buffer, c.text) << c.n;
    }
    EXPECT_EQ(get_source_line(buffer, 0, 0), 1);
}

TEST_F(Listings, PrintFileTurnsNewlinesIntoCrLf)
{
    write_file("print.txt", "one\r\ntwo\n\nlast");
    EXPECT_EQ(print_file("print.txt"), 0);
    EXPECT_EQ(anal_test::code_output(), "one\r\ntwo\r\n\r\nlast");
    remove("gone.txt");
    EXPECT_EQ(print_file("gone.txt"), 1);
    EXPECT_EQ(anal_test::code_output(), "one\r\ntwo\r\n\r\nlast");
}

TEST_F(Listings, ShowFileHeadGivesTenLinesWithoutTabs)
{
    std::string text;
    for (int i = 1; i <= 12; ++i) text += "l" + std::to_string(i) + "\tx\n";
    write_file("head.c", text);
    EXPECT_EQ(show_file_head(window, "head.c"), 0);
    std::string expected = separator + "\r\n";
    for (int i = 1; i <= 10; ++i) expected += "l" + std::to_string(i) + " x\r\n";
    EXPECT_EQ(shown(), expected);

    // A line longer than one read counts once.
    const std::string wide(2500, 'w');
    write_file("head.c", wide + "\n" + text);
    capture::edit_text(window).clear();
    show_file_head(window, "head.c");
    expected = separator + "\r\n" + wide + "\r\n";
    for (int i = 1; i <= 9; ++i) expected += "l" + std::to_string(i) + " x\r\n";
    EXPECT_EQ(shown(), expected);

    capture::edit_text(window) = "before";
    remove("gone.c");
    EXPECT_EQ(show_file_head(window, "gone.c"), 0);
    EXPECT_EQ(shown(), "before" + separator + "\r\n");
}

TEST_F(Listings, ShowReferences)
{
    anal_test::load_text("int a;\n\tint b = a;\nreturn a;\n");
    opt_end_line = 0;
    set_hits({2});
    EXPECT_EQ(show_references(window), 0);
    EXPECT_EQ(shown(), separator + "\r\n★参照表示ではありません\r\n");

    capture::edit_text(window).clear();
    opt_end_line = 1;
    set_hits({2, 3, 9});
    EXPECT_EQ(show_references(window), 0);
    EXPECT_EQ(shown(), separator + "\r\n    2:\tint b = a;\r\n    3:return a;\r\n    9:\r\n");
}

TEST_F(Listings, ShowReferencesCutsLongLinesAt240Bytes)
{
    anal_test::load_text("x" + std::string(120, 'w') + std::string(60, 'x') + "\n");  // not cut
    opt_end_line = 1;
    set_hits({1});
    show_references(window);
    EXPECT_EQ(shown(), separator + "\r\n    1:x" + std::string(120, 'w') + std::string(60, 'x') + "\r\n");

    capture::edit_text(window).clear();
    std::string wide;
    for (int i = 0; i < 130; ++i) wide += "あ";
    anal_test::load_text("x" + wide + "\n");
    show_references(window);
    std::string kept = "x";
    for (int i = 0; i < 119; ++i) kept += "あ";  // 239 bytes: the 120th pair would pass 240
    EXPECT_EQ(shown(), separator + "\r\n    1:" + kept + "\r\n");
}

TEST_F(Listings, ShowFile)
{
    write_file("shown.txt", "a\r\nb\n");
    show_file(window, "shown.txt");
    EXPECT_EQ(shown(), "a\r\nb\r\n");
    capture::edit_text(window).clear();
    remove("nofile.txt");
    show_file(window, "nofile.txt");
    EXPECT_EQ(shown(), "ファイル(nofile.txt)が見つかりません");
}

// ---- define listings ----

class DefineLists : public Listings {
protected:
    void TearDown() override
    {
        remove("define.txt");
        remove("vstacks.dat");
    }
    // "define.txt" with one "D" line per name, all in file x.c.
    static void write_names(const std::vector<std::string> &names)
    {
        std::string text = "F x.c " + std::to_string(names.size()) + "\n";
        for (size_t i = 0; i < names.size(); ++i) text += "D " + names[i] + " " + std::to_string(i + 1) + "\n";
        write_file("define.txt", text);
    }
    static std::string name_of(int length, char fill = 'x') { return "K" + std::string(length - 1, fill); }
    static std::string padded(const std::string &s, size_t width) { return s + std::string(width - s.size(), ' '); }
};

TEST_F(DefineLists, ShowDefine)
{
    write_file("define.txt",
               "F def.c 3\nD MAXLEN 2\nD ENVX -1\nD FAR 9\nF gone.c 1\nD MAXLEN 1\n");
    write_file("def.c", "#include <a.h>\n#define MAXLEN 10\n");
    remove("gone.c");
    const struct {
        const char *name;
        int result;
        std::string text;
    } cases[] = {
        {"MAXLEN", 0, "def.c(2):#define MAXLEN 10\r\ngone.c(1):ソースファイル(gone.c)が見つかりません\r\n"},
        {"FAR", 0, "def.c(9):対象のソース行(9)が見つかりません\r\n"},
        {"ENVX", 2, ""},  // an environment definition has no source line
        {"MAX", 2, ""},
    };
    for (const auto &c : cases) {
        capture::edit_text(window).clear();
        EXPECT_EQ(show_define(c.name, window), c.result) << c.name;
        EXPECT_EQ(shown(), c.text) << c.name;
    }
    remove("define.txt");
    EXPECT_EQ(show_define("MAXLEN", window), 1);
}

TEST_F(DefineLists, ColumnLayout)
{
    const std::string n16 = name_of(16), n17 = name_of(17), n32 = name_of(32), n33 = name_of(33);
    const std::string s = padded(n16, 17), m17 = padded(n17, 34), m32 = padded(n32, 34), l33 = padded(n33, 68);
    const struct {
        const char *what;
        std::vector<std::string> names;
        std::string text;
        int column;
    } cases[] = {
        {"16 bytes take one column, five fill a row", {n16, n16, n16, n16, n16, n16},
         s + s + s + s + s + "\r\n" + s + "\r\n", 6},
        {"17 bytes take two columns", {n17, n16}, m17 + s + "\r\n", 3},
        {"32 bytes still two, 33 bytes a row of their own", {n32, n33, n16}, m32 + "\r\n" + l33 + "\r\n" + s + "\r\n", 6},
        {"33 bytes at a row start need no extra break", {n33}, l33 + "\r\n", 5},
        {"a two-column entry does not fit in the last column", {n16, n16, n16, n16, n17},
         s + s + s + s + "\r\n" + m17 + "\r\n", 2},
        {"a two-column entry ending the row", {n16, n16, n16, n32, n16}, s + s + s + m32 + "\r\n" + s + "\r\n", 6},
    };
    for (const auto &c : cases) {
        write_names(c.names);
        capture::edit_text(window).clear();
        EXPECT_EQ(list_defines("K", window), c.column) << c.what;
        EXPECT_EQ(shown(), c.text) << c.what;
    }
}

TEST_F(DefineLists, ListDefinesByPrefix)
{
    write_names({"WM_PAINT", "WM_SIZE", "XWM_A", "WM_PAINT"});
    EXPECT_EQ(list_defines("WM_", window), 3);
    EXPECT_EQ(shown(), padded("WM_PAINT", 17) + padded("WM_SIZE", 17) + padded("WM_PAINT", 17) + "\r\n");

    capture::edit_text(window).clear();
    EXPECT_EQ(list_defines("ZZ", window), 0);
    EXPECT_EQ(shown(), "該キイ(ZZ)に部分一致するdefine名は見つかりません\r\n");

    remove("define.txt");
    EXPECT_EQ(list_defines("WM_", window), -1);
    EXPECT_EQ(list_define_prefixes(window), -1);
}

TEST_F(DefineLists, StarListsThePrefixes)
{
    write_names({"AB_1", "AB_2", "CD_x_y", "NOBAR", "AB_3", "_Z"});
    EXPECT_EQ(list_defines("*", window), 3);
    EXPECT_EQ(shown(), padded("AB_", 17) + padded("CD_", 17) + padded("_", 17) + "\r\n部分キイが3個見つかりました\r\n");

    write_names({"NOBAR"});
    capture::edit_text(window).clear();
    EXPECT_EQ(list_define_prefixes(window), 0);
    EXPECT_EQ(shown(), "部分キイ(XXXX_...)に一致するdefine名は見つかりません\r\n");
}

TEST_F(DefineLists, TheTenThousandFirstPrefixIsDropped)
{
    std::vector<std::string> names;
    char name[32];
    for (int i = 0; i <= 10000; ++i) {
        snprintf(name, sizeof name, "P%05d_X", i);
        names.push_back(name);
    }
    write_names(names);
    EXPECT_EQ(list_define_prefixes(window), 10000);
    const std::string text = shown();
    EXPECT_NE(text.find("P09999_"), std::string::npos);
    EXPECT_EQ(text.find("P10000_"), std::string::npos);
    const std::string tail = "\r\n部分キイが10000個見つかりました\r\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST_F(DefineLists, BuildDefineOptions)
{
    write_file("vstacks.dat", "other\tNO\nhome\tDEBUG=1\t WIN32\tX\n");
    EXPECT_STREQ(build_define_options(), " -DDEBUG=1 -DWIN32 -DX");

    // As many entries as a stacks line holds: 4998 one-letter entries make
    // an option text of almost 20000 bytes.
    std::string line = "home";
    std::string expected;
    for (int i = 0; i < 4998; ++i) {
        const char letter[] = {(char)('A' + i % 26), '\0'};
        line += std::string("\t") + letter;
        expected += std::string(" -D") + letter;
    }
    write_file("vstacks.dat", line + "\n");
    EXPECT_EQ(std::string(build_define_options()), expected);

    write_file("vstacks.dat", "other\tNO\n");
    EXPECT_STREQ(build_define_options(), "");
}

TEST_F(DefineLists, BuildDefineOptionsStopsAtAFullDefineTable)
{
    write_file("vstacks.dat", "home\tA\tB\n");
    remove("trace.log");
    anal_trace_on = 1;
    log_set_name("trace.log");
    d_num = define_cap;
    EXPECT_STREQ(build_define_options(), "");
    anal_trace_on = 0;
    log_set_name(nullptr);
    d_num = 0;
    EXPECT_EQ(anal_test::read_file("trace.log"), "環境変数の定義が多過ぎます(5000)\n");
}

}  // namespace
