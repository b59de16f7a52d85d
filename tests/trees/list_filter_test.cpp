// The list filter on a small fixed list: each selection form and mode, the
// direct form, the snapshot of modes 3 and 4, the class chain (with the real
// analyser, a member filter and a cycle of classes) and the name matches.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "analyser/anal_inputs.h"
#include "analyser/anal_main.h"
#include "analyser/search_keys.h"
#include "list_support.h"
#include "shell/runner.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "trees/launch.h"
#include "trees/list_filter.h"

namespace {

using list_test::shown_order;
using list_test::write_file;

class Filter : public ::testing::Test {
protected:
    void SetUp() override
    {
        list_test::fresh();
        list_test::load_list(list_test::small_list);
    }
    void TearDown() override { EXPECT_LE(i_num, fl_count); }
};

struct filter_case {
    const char *text;
    int mode;
    int result;
    std::vector<int> shown;
};

void run_cases(const std::vector<filter_case> &cases)
{
    for (const auto &c : cases) {
        cur_index = 4;
        shift = 7;
        EXPECT_EQ(filter_list(c.text, c.mode), c.result) << c.text << " mode " << c.mode;
        EXPECT_EQ(shown_order(), c.shown) << c.text << " mode " << c.mode;
        EXPECT_EQ(cur_index, -1) << c.text;
        EXPECT_EQ(shift, 0) << c.text;
        EXPECT_LE(i_num, fl_count) << c.text;
    }
}

std::vector<int> all_entries()
{
    std::vector<int> v;
    for (int i = 0; i < fl_count; ++i) v.push_back(i);
    return v;
}

TEST_F(Filter, WholeListForms)
{
    run_cases({
        {"/%", 0, 0, all_entries()},
        {"/\\", 0, 0, {0, 10}},
        {"/", 0, 0, all_entries()},
        {":", 0, 0, all_entries()},
    });
    EXPECT_STREQ(select_key, "");
}

TEST_F(Filter, ExactNames)
{
    run_cases({
        {"/main", 0, -1, {0, 6, 7, 8}},             // a function brings its anonymous classes
        {"/get", 0, -1, {0, 1, 2, 10, 11, 12}},     // members with their files and classes
        {"/foo", 0, -1, {10, 13, 14, 15}},          // words cut at ".,*[]"
        {"/Bar.foo", 0, -1, {10, 13}},              // a dotted key matches whole texts only
        {"/A:", 0, -1, {0, 1, 2, 3, 4, 5}},         // a class brings its members, not main
        {"/In::", 0, -1, {0, 1, 4, 5}},             // a nested class with its enclosing class
        {"/count", 0, -1, {10, 16}},
        {"/none", 0, -1, {}},
        {"/:", 0, -1, {1, 11}},                     // the top-level classes
        {"/\\a.c", 0, -1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"/\\b", 1, -1, {10, 11, 12, 13, 14, 15, 16}},
        {"/\\b", 0, -1, {}},
    });
    EXPECT_STREQ(select_key, "\\b");
}

TEST_F(Filter, Substrings)
{
    run_cases({
        {"/un", 1, -1, {0, 6, 7, 8, 10, 16}},           // the anonymous class brings its function
        {"/et'", 1, -1, {0, 1, 2, 3, 10, 11, 12}},      // a marked key: entries of one trailing apostrophe
        {"/B:", 1, -1, {10, 11, 12}},                    // one ":" only, with its members
        {"/o", 1, -1, {10, 13, 14, 15, 16}},
    });
    EXPECT_EQ(list_origin, 10);  // the first anonymous class shown
}

TEST_F(Filter, FilePatterns)
{
    split_words("ge t'");
    run_cases({{"/x", 5, -1, {0, 1, 2, 10, 11, 12}}});
    split_words("b.");
    run_cases({{"/\\x", 5, -1, {10, 11, 12, 13, 14, 15, 16}}});
}

TEST_F(Filter, DirectForm)
{
    run_cases({{"/7:main", 0, -1, {0, 6, 7, 8}}});
    EXPECT_EQ(g_entry, -1);
    run_cases({{"/7(33):main□", 0, -1, {0, 6, 7, 8}}});
    EXPECT_EQ(g_entry, 33);
    EXPECT_TRUE(capture::boxes.empty());
    const char *const wrong[] = {"/7:helper", "/99:main", "/0:main", "/-1:main"};
    for (const char *text : wrong) {
        capture::boxes.clear();
        filter_list(text, 0);
        EXPECT_EQ(i_num, 0) << text;
        if (text[1] == '-') continue;  // no direct form: an ordinary name
        ASSERT_EQ(capture::boxes.size(), 1u) << text;
        EXPECT_EQ(capture::boxes[0].text, "直接指定が使えません");
        EXPECT_EQ(capture::boxes[0].caption, "TAVIR警告画面");
    }
}

TEST_F(Filter, PickAndFindKeepTheSnapshot)
{
    pick_index = 5;
    run_cases({{".............", 3, -1, {0, 1, 4, 5}}});

    filter_list("/get", 0);
    const std::vector<int> before = shown_order();
    pick_index = 12;
    EXPECT_EQ(filter_list(".............", 4), 5);
    EXPECT_EQ(shown_order(), before);
    pick_index = 9;  // not in the shown order
    EXPECT_EQ(filter_list(".............", 4), -1);
    EXPECT_EQ(shown_order(), before);

    for (const int outside : {-1, fl_count, 99999}) {
        pick_index = outside;
        EXPECT_EQ(filter_list(".............", 3), -1);
        EXPECT_TRUE(shown_order().empty()) << outside;
    }
}

TEST_F(Filter, NameAndWordMatch)
{
    const std::string long31(31, 'k');
    const struct {
        std::string key;
        std::string text;
        int name, word;
    } cases[] = {
        {"foo", "foo", 0, 0},
        {"foo", "Bar.foo", 0, 0},
        {"foo", "x[foo]", 0, 0},
        {"foo", "food", 1, 1},
        {"Bar.foo", "Bar.foo", 0, 0},
        {"Bar.foo", "Baz.Bar.foo", 1, 1},
        {"get", "get'", 0, 1},
        {"get'", "get", 1, 1},     // a key with apostrophes compares whole texts
        {"A:", "A:", 0, 0},
        {"A", "A:", 0, 1},
        {"f□", "f", 0, 1},
        {"kkk", long31 + "x", 1, 1},
        {long31, long31 + "x", 0, 1},          // the entry is cut to 31 bytes
        {long31 + "x", long31 + "x", 0, 0},    // unless the key is longer
        {std::string(29, 'k'), std::string(29, 'k') + "あ", 1, 1},
        {std::string(30, 'k'), std::string(30, 'k') + "あ", 0, 1},  // the cut drops a split character
    };
    for (const auto &c : cases) {
        EXPECT_EQ(name_match(c.key.c_str(), c.text.c_str()), c.name) << c.key << " / " << c.text;
        EXPECT_EQ(word_match(c.key.c_str(), c.text.c_str()), c.word) << c.key << " / " << c.text;
    }
    EXPECT_EQ(find_any_char("ab.c", ".,"), '.');
    EXPECT_EQ(find_any_char("abc", ".,"), 0);
    char out[64];
    short_name(("''" + std::string(40, 'n') + "'x").c_str(), 0, out, sizeof out);
    EXPECT_EQ(std::string(out), std::string(31, 'n'));
    short_name(("'" + std::string(40, 'n') + "'x").c_str(), 1, out, sizeof out);
    EXPECT_EQ(std::string(out), std::string(40, 'n'));
}

TEST_F(Filter, FindTextWithFilePatterns)
{
    EXPECT_EQ(find_text("int  a b", "a@b"), 0);
    EXPECT_EQ(find_text("int  ab", "a@b"), 1);
    ref_down = 2;
    split_words("int ab");
    EXPECT_EQ(find_text("int  ab", "zzz"), 0);
    EXPECT_EQ(find_text("int a b", "a@b"), 1);
    ref_down = 0;
}

// The class chain with the real analyser over Java sources.
class Chain : public ::testing::Test {
protected:
    void SetUp() override
    {
        list_test::fresh();
        anal_runner = anal_main;
        lang_mode = 2;
        list_test::fresh_folder("chain");
        host_getcwd(here, sizeof here);
        host_chdir("chain");
    }
    void TearDown() override
    {
        host_chdir(here);
        lang_mode = 0;
        EXPECT_LE(i_num, fl_count);
    }
    void select_all()
    {
        char command[] = "select *.java";
        ASSERT_EQ(run_command(command, select_main), 0);
    }
    std::vector<std::string> shown_names()
    {
        std::vector<std::string> v;
        for (int p = 0; p < i_num; ++p) v.push_back(fl_name[fl_order[p]]);
        return v;
    }
    char here[512];
};

TEST_F(Chain, FollowsTheBaseClasses)
{
    write_file("A.java", "class A extends B {\n  void run() { }\n  void stop() { }\n}\n");
    write_file("B.java", "class B extends C {\n  void run() { }\n}\n");
    write_file("C.java", "class C {\n  void go() { }\n}\n");
    select_all();
    ASSERT_GT(fl_count, 6);
    EXPECT_EQ(filter_list("&A:", 0), 0);
    EXPECT_EQ(shown_names(), (std::vector<std::string>{"A:", "B:", "C:"}));  // no member filter: the classes

    copy_bounded(member_filter, sizeof member_filter, "run");
    EXPECT_EQ(filter_list("&A:", 0), 0);
    EXPECT_EQ(shown_names(), (std::vector<std::string>{"A:", "run'", "B:", "run'", "C:"}));
    EXPECT_EQ(shift, 0);

    EXPECT_EQ(filter_list("&C:", 0), 0);
    EXPECT_EQ(shown_names(), (std::vector<std::string>{"C:"}));
    EXPECT_EQ(filter_list("&Z:", 0), 0);
    EXPECT_TRUE(shown_names().empty());
}

TEST_F(Chain, ACycleOfClassesEndsWithEachClassOnce)
{
    write_file("P.java", "class P extends Q {\n  void f() { }\n}\n");
    write_file("Q.java", "class Q extends P {\n  void f() { }\n}\nclass R extends R {\n}\n");
    select_all();
    copy_bounded(member_filter, sizeof member_filter, "f");
    EXPECT_EQ(filter_list("&P:", 0), 0);
    EXPECT_EQ(shown_names(), (std::vector<std::string>{"P:", "f'", "Q:", "f'"}));
    EXPECT_EQ(filter_list("&R:", 0), 0);
    EXPECT_EQ(shown_names(), (std::vector<std::string>{"R:"}));
}

TEST_F(Chain, TwoMatchingMembersOfOneClass)
{
    write_file("M.java", "class M {\n  void get() { }\n  int get(int a) { return a; }\n  void set() { }\n}\n");
    select_all();
    copy_bounded(member_filter, sizeof member_filter, "get");
    EXPECT_EQ(filter_list("&M:", 0), 0);
    EXPECT_EQ(shown_names(), (std::vector<std::string>{"M:", "get'", "get'"}));
}

}  // namespace
