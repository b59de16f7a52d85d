// The function list: the tag loader, the select command with its options
// and refusals, the accessors of the selection and the look-ups.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "analyser/anal_inputs.h"
#include "analyser/search_keys.h"
#include "analyser/steps.h"
#include "analyser/wordattr.h"
#include "list_support.h"
#include "shell/params.h"
#include "shell/runner.h"
#include "shell/text.h"
#include "trees/launch.h"

namespace {

using list_test::anal_calls;
using list_test::call_text;
using list_test::load_list;
using list_test::write_file;

class FuncList : public ::testing::Test {
protected:
    void SetUp() override { list_test::fresh(); }
};

struct loaded {
    std::string name, file;
    int line, sub_line;
};

std::vector<loaded> entries()
{
    std::vector<loaded> v;
    for (int i = 0; i < fl_count; ++i) v.push_back({fl_name[i], fl_file[i], fl_kind_line[i].line, fl_kind_line[i].sub_line});
    return v;
}

TEST_F(FuncList, LoaderReadsHeadersAndEntryLines)
{
    const struct {
        const char *what;
        std::string line;
        std::vector<loaded> expect;
    } cases[] = {
        {"header padded to 20", "---------- 0:main.c ----------\n", {{"-0:main.c-----------", "0:main.c", -1, 0}}},
        {"header of a long name", "-- 0:a_rather_long_name.c --\n", {{"-0:a_rather_long_name.c", "0:a_rather_long_name.c", -1, 0}}},
        {"class with empty parentheses", "0:main.c 120 Foo:()\n", {{"Foo:", "0:main.c", 120, 0}}},
        {"reference line", "0:main.c 120 Foo:(133)\n", {{"Foo:", "0:main.c", 120, 133}}},
        {"the last tab field is the name", "a.c 5 int x\tname(7)\n", {{"name", "a.c", 5, 7}}},
        {"blanks inside a name", "a.c 5 operator new(7)\n", {{"operator new", "a.c", 5, 7}}},
        {"operator ()", "a.cpp 3 operator()()\n", {{"operator()", "a.cpp", 3, 0}}},
        {"operator () of a member", "a.cpp 3 operator()'(12)\n", {{"operator()'", "a.cpp", 3, 12}}},
        {"no parenthesis", "a.c 5 name\n", {}},
        {"no blank", "a.c\n", {}},
        {"CR LF line", "a.c 7 f()\r\n", {{"f", "a.c", 7, 0}}},
    };
    for (const auto &c : cases) {
        list_test::fresh();
        load_list(c.line);
        const std::vector<loaded> got = entries();
        ASSERT_EQ(got.size(), c.expect.size()) << c.what;
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].name, c.expect[i].name) << c.what;
            EXPECT_EQ(got[i].file, c.expect[i].file) << c.what;
            EXPECT_EQ(got[i].line, c.expect[i].line) << c.what;
            EXPECT_EQ(got[i].sub_line, c.expect[i].sub_line) << c.what;
        }
        EXPECT_EQ(i_num, fl_count) << c.what;
    }
}

TEST_F(FuncList, LoaderCutsNamesAndFilesOnCharacterBoundaries)
{
    load_list("a.c 1 " + std::string(300, 'n') + "()\n" + "a.c 2 " + std::string(255, 'm') + "あ()\n" +
              std::string(90, 'f') + " 3 g()\n");
    ASSERT_EQ(fl_count, 3);
    EXPECT_EQ(std::string(fl_name[0]), std::string(256, 'n'));
    EXPECT_EQ(std::string(fl_name[1]), std::string(255, 'm'));
    EXPECT_EQ(std::string(fl_file[2]), std::string(80, 'f'));
}

TEST_F(FuncList, LoaderSkipsTheRestOfAnOverlongLine)
{
    std::string tag = "a.c 1 f()\n";
    tag += "a.c 2 " + std::string(cmd_buf_size + 100, 'x') + " 3 ghost()\n";
    tag += "a.c 4 g()\n";
    load_list(tag);
    ASSERT_EQ(fl_count, 2);
    EXPECT_STREQ(fl_name[0], "f");
    EXPECT_STREQ(fl_name[1], "g");
}

TEST_F(FuncList, LoaderStopsAtTheLimitWithOneBox)
{
    std::string tag;
    for (int i = 0; i <= fl_cap + 5; ++i) tag += "a.c " + std::to_string(i) + " f" + std::to_string(i) + "()\n";
    load_list(tag);
    EXPECT_EQ(fl_count, fl_cap);
    EXPECT_EQ(i_num, fl_cap);
    ASSERT_EQ(capture::boxes.size(), 1u);
    EXPECT_EQ(capture::boxes[0].text, "関数の数が限界値(30000)を越えました");
}

TEST_F(FuncList, MissingTagFileEmptiesTheList)
{
    load_list("a.c 1 f()\n");
    remove("none.tag");
    EXPECT_EQ(load_tag_file("none.tag"), 1);
    EXPECT_EQ(fl_count, 0);
    EXPECT_EQ(i_num, 0);
    ASSERT_FALSE(capture_anal::dev_lines.empty());
    EXPECT_NE(capture_anal::dev_lines.back().find("ファイル(none.tag)が見つかりません"), std::string::npos);
}

int select_with(std::vector<std::string> words)
{
    words.insert(words.begin(), "select");
    std::vector<char *> argv;
    for (auto &w : words) argv.push_back(&w[0]);
    argv.push_back(nullptr);
    return select_main((int)words.size(), argv.data());
}

TEST_F(FuncList, SelectRunsTheAnalyserAndLoadsItsTagFile)
{
    list_test::fake_tag() = "---------- a.c ----------\na.c 3 f()\n";
    EXPECT_EQ(select_with({"a.c", "b.c"}), 0);
    EXPECT_EQ(call_text(0), "vokanal -i -ovoktavir.tag a.c b.c");
    EXPECT_STREQ(cmd_buf, "vokanal");  // the words were split in place
    EXPECT_STREQ(cat_pattern, " a.c b.c");
    EXPECT_EQ(list_origin, -7);
    EXPECT_EQ(fl_count, 2);
    EXPECT_STREQ(fl_name[1], "f");

    list_test::fake_tag() = "---------- c.c ----------\n";
    EXPECT_EQ(select_with({"-n", "-fother.tag", "c.c"}), 0);
    EXPECT_EQ(call_text(1), "vokanal -i -oother.tag c.c");
    EXPECT_STREQ(cat_pattern, " c.c");
    EXPECT_EQ(fl_count, 1);
}

TEST_F(FuncList, SelectWithoutFilesReloadsOrEmpties)
{
    write_file("voktavir.tag", "a.c 3 f()\n");
    EXPECT_EQ(select_with({}), 0);  // no file set open: emptied, nothing read
    EXPECT_EQ(fl_count, 0);
    EXPECT_TRUE(anal_calls().empty());

    copy_bounded(cat_pattern, sizeof cat_pattern, " a.c");
    EXPECT_EQ(select_with({}), 0);  // reload without a run
    EXPECT_EQ(fl_count, 1);
    EXPECT_TRUE(anal_calls().empty());

    write_file("vokcall.tag", "a.c 3 f(5)\na.c 3 f(6)\n");
    EXPECT_EQ(select_with({"-fvokcall.tag"}), 0);
    EXPECT_TRUE(anal_calls().empty());
    EXPECT_EQ(fl_count, 2);
    EXPECT_EQ(fl_kind_line[1].sub_line, 6);
}

TEST_F(FuncList, SelectRefusesUnknownOptionsAndTheTagFileAsAFile)
{
    load_list("a.c 1 f()\n");
    EXPECT_EQ(select_with({"-z", "a.c"}), 0);
    ASSERT_EQ(anal_calls().size(), 1u);
    EXPECT_EQ(call_text(0), "vokanal -H");
    ASSERT_EQ(capture_anal::dev_lines.size(), 3u);
    EXPECT_NE(capture_anal::dev_lines[0].find("使用法　: select iii"), std::string::npos);
    EXPECT_NE(capture_anal::dev_lines[2].find("省略時 voktavir.tag"), std::string::npos);
    EXPECT_EQ(fl_count, 1);

    capture_anal::dev_lines.clear();
    EXPECT_EQ(select_with({"-fmine.tag", "a.c", "mine.tag"}), 0);
    EXPECT_EQ(anal_calls().size(), 1u);
    ASSERT_EQ(capture_anal::dev_lines.size(), 1u);
    EXPECT_NE(capture_anal::dev_lines[0].find("-fの後ろに、表示ファイルと同じファイル(mine.tag)は指定出来ません"),
              std::string::npos);
    EXPECT_EQ(fl_count, 1);
}

TEST_F(FuncList, OverlongFileSetShowsABoxAndChangesNothing)
{
    load_list("a.c 1 f()\n");
    std::vector<std::string> words;
    for (int i = 0; i < cmd_buf_size / 100 + 10; ++i) words.push_back(std::string(99, 'x'));
    EXPECT_EQ(select_with(words), 0);
    EXPECT_TRUE(anal_calls().empty());
    ASSERT_EQ(capture::boxes.size(), 1u);
    EXPECT_EQ(capture::boxes[0].text.find("一覧作成用作業域が足りない、要求が"), 0u);
    EXPECT_NE(capture::boxes[0].text.find("165888しか有りません"), std::string::npos);
    EXPECT_STREQ(cat_pattern, " a.c b.c");
    EXPECT_EQ(fl_count, 1);
}

TEST_F(FuncList, SelectThroughTheRunnerGetsExpandedFileNames)
{
    write_file("sel_one.c", "int f(void) { return 0; }\n");
    write_file("sel_two.c", "int g(void) { return 0; }\n");
    char command[] = "select sel_*.c";
    EXPECT_EQ(run_command(command, select_main), 0);
    ASSERT_EQ(anal_calls().size(), 1u);
    EXPECT_EQ(call_text(0), "vokanal -i -ovoktavir.tag sel_one.c sel_two.c");
    EXPECT_STREQ(cat_pattern, " sel_one.c sel_two.c");
}

TEST_F(FuncList, NameMarksAndDisplayNames)
{
    const struct {
        const char *text;
        int colons;
        bool down, up, decl;
        int leading, trailing;
        const char *display;
    } cases[] = {
        {"Foo:", 1, false, false, false, 0, 0, "Foo"},
        {"In::", 2, false, false, false, 0, 0, "In"},
        {"Thread{1}↓", 0, true, false, false, 0, 0, "Thread"},
        {"run↑", 0, false, true, false, 0, 0, "run"},
        {"count;", 0, false, false, true, 0, 0, "count;"},
        {"get';", 0, false, false, true, 0, 1, "get';"},
        {"''deep''", 0, false, false, false, 2, 2, "''deep''"},
        {"::", 2, false, false, false, 0, 0, ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(count_trailing_colons(c.text), c.colons) << c.text;
        EXPECT_EQ(has_down_mark(c.text), c.down) << c.text;
        EXPECT_EQ(has_up_mark(c.text), c.up) << c.text;
        EXPECT_EQ(is_decl_text(c.text), c.decl) << c.text;
        EXPECT_EQ(leading_quotes(c.text), c.leading) << c.text;
        EXPECT_EQ(trailing_quotes(c.text), c.trailing) << c.text;
        char out[64];
        EXPECT_EQ(display_name(c.text, out, sizeof out), c.display[0] == '\0' ? 1 : 0) << c.text;
        EXPECT_STREQ(out, c.display) << c.text;
    }
}

TEST_F(FuncList, NameCompare)
{
    const struct {
        const char *a, *b;
        int expect;
    } cases[] = {
        {"f", "f", 0},         {"''f'", "f''", 0}, {"f□", "f", 0}, {"f", "fg", 1},
        {"fg", "f'x", 2},      {"fa", "fb", 3},    {"", "", 0},    {"f□'", "'f", 0},
    };
    for (const auto &c : cases) EXPECT_EQ(name_compare(c.a, c.b), c.expect) << c.a << " / " << c.b;
}

TEST_F(FuncList, SelectionAccessors)
{
    load_list(list_test::small_list);
    char file[128], name[128];
    int line = 0, sub = 0;
    EXPECT_EQ(sel_line(), -1);
    EXPECT_EQ(sel_entry(&sub), -1);
    EXPECT_EQ(sel_file(file, sizeof file), 0);
    EXPECT_STREQ(file, "");
    EXPECT_EQ(sel_func(file, sizeof file, &line), 1);
    EXPECT_EQ(sel_func_name(file, sizeof file, name, sizeof name), 1);
    cur_index = i_num;  // past the shown order: no selection
    EXPECT_EQ(sel_line(), -1);

    cur_index = 2;
    EXPECT_EQ(sel_line(), 0);
    EXPECT_EQ(sel_entry(&sub), 2);
    EXPECT_EQ(sel_file(file, sizeof file), 1);
    EXPECT_STREQ(file, "a.c");
    EXPECT_EQ(sel_func(file, sizeof file, &line), 0);
    EXPECT_EQ(line, 2);
    EXPECT_EQ(sel_func_name(file, sizeof file, name, sizeof name), 0);
    EXPECT_STREQ(name, "get'");
    EXPECT_EQ(sel_name(name, sizeof name), 2);
    EXPECT_STREQ(name, "get'");

    cur_index = 10;
    EXPECT_EQ(sel_func(file, sizeof file, &line), 2);
    EXPECT_EQ(sel_name(name, sizeof name), 10);
    EXPECT_STREQ(name, "");
    EXPECT_EQ(cur_entry_slot(), '?');
}

TEST_F(FuncList, LocationKinds)
{
    load_list("-- 0:main.c --\n0:main.c 7 f()\n0:main.c 7 f(12)\n");
    char here[512];
    ASSERT_EQ(host_getcwd(here, sizeof here), 0);
    char dir[512], file[128];
    int line = 0;
    const struct {
        int position, kept, kind, line;
    } cases[] = {{0, -1, 0, 1}, {2, -1, 1, 12}, {1, 30, 2, 30}, {1, -1, 3, 7}};
    for (const auto &c : cases) {
        cur_index = c.position;
        g_entry = c.kept;
        EXPECT_EQ(sel_location(dir, sizeof dir, file, sizeof file, &line), c.kind) << c.position;
        EXPECT_EQ(line, c.line) << c.position;
        EXPECT_STREQ(file, "main.c");
        EXPECT_STREQ(dir, ".");  // slot 0 of no project
    }
    cur_index = 0;
    EXPECT_EQ(cur_entry_slot(), '0');
    cur_index = -1;
    EXPECT_EQ(sel_location(dir, sizeof dir, file, sizeof file, &line), -1);
}

TEST_F(FuncList, FindListEntryNeedsExactlyOneMatch)
{
    const std::string long_name(40, 'L');
    load_list("a.c 1 get'()\na.c 2 'run()\nb.c 3 run()\nc.c 4 " + long_name + "()\n");
    char dir[512], file[128];
    int line = 0;
    EXPECT_EQ(find_list_entry("get", dir, sizeof dir, file, sizeof file, &line), 3);
    EXPECT_EQ(line, 1);
    EXPECT_EQ(find_list_entry("run", dir, sizeof dir, file, sizeof file, &line), -1);  // two
    EXPECT_EQ(find_list_entry("none", dir, sizeof dir, file, sizeof file, &line), -1);
    EXPECT_EQ(find_list_entry(std::string(31, 'L').c_str(), dir, sizeof dir, file, sizeof file, &line), 3);
    EXPECT_EQ(line, 4);
    EXPECT_EQ(find_list_entry(long_name.c_str(), dir, sizeof dir, file, sizeof file, &line), 3);
}

TEST_F(FuncList, FindTagIndexInTheFullList)
{
    write_file("voktavir.tag", "-- a.c --\na.c 1 f()\na.c 9 g()\n-- b.c --\nb.c 9 g()\n");
    write_file("vokcall.tag", "-- b.c --\nb.c 9 g(11)\n");
    copy_bounded(cat_pattern, sizeof cat_pattern, " a.c b.c");
    load_tag_file("vokcall.tag");
    EXPECT_EQ(find_tag_index("g", 1), 4);
    EXPECT_EQ(find_tag_index("g□", 1), 4);
    EXPECT_EQ(find_tag_index("h", 1), -2);
    ASSERT_EQ(capture::boxes.size(), 1u);
    EXPECT_EQ(capture::boxes[0].text, "direct指定を利用出来ません");
    EXPECT_EQ(capture::boxes[0].caption, "TAVIR警告画面");
    EXPECT_EQ(find_tag_index("g", 7), -1);
    cat_pattern[0] = '\0';
    EXPECT_EQ(find_tag_index("g", 1), -1);
}

TEST_F(FuncList, ClassifyNameAnswersAllFourWays)
{
    write_file("wordattr.dat", "is_word8\n\tprintf\nis_word9\n\tmalloc\n");
    int limit = 0;
    ASSERT_EQ(load_wordattr(&limit), 0);
    load_list("-- a.c --\na.c 1 helper'()\na.c 2 Box:()\n");
    EXPECT_EQ(classify_name("helper"), 1);
    EXPECT_EQ(classify_name("printf"), 2);
    EXPECT_EQ(classify_name("malloc"), 3);
    EXPECT_EQ(classify_name("Box"), 0);  // a class text keeps its ":"
    EXPECT_EQ(classify_name("-- a.c --"), 0);
}

TEST_F(FuncList, ListLookUps)
{
    load_list(list_test::small_list);
    EXPECT_EQ(get_f_num(), 15);
    char word[64] = "b.c";
    copy_bounded(cat_pattern, sizeof cat_pattern, " 0:a.c\t1:B.C");
    EXPECT_EQ(find_category_word(word, sizeof word), 0);
    EXPECT_STREQ(word, "1:B.C");
    char other[64] = "c.c";
    EXPECT_EQ(find_category_word(other, sizeof other), 1);

    load_list("-- 0:one.c --\n-- two.c --\n");
    EXPECT_EQ(has_file_entry("one.c"), 1);
    EXPECT_EQ(has_file_entry("two.c"), 0);  // no slot prefix
    EXPECT_EQ(has_file_entry("0:one.c"), 0);
}

TEST_F(FuncList, CountListKindsPerFile)
{
    load_list(list_test::small_list);
    clear_step_records();
    add_step_record("a.c", 1, 1, 0, 0, 0, 0, 0);
    add_step_record("b.c", 1, 1, 0, 0, 0, 0, 0);
    count_list_kinds();
    ASSERT_EQ(step_num, 2);
    EXPECT_EQ(step_tbl[0].functions, 6);
    EXPECT_EQ(step_tbl[0].classes, 3);
    EXPECT_EQ(step_tbl[0].enums, 0);
    EXPECT_EQ(step_tbl[1].functions, 4);
    EXPECT_EQ(step_tbl[1].classes, 1);
    EXPECT_EQ(step_tbl[1].enums, 1);
}

TEST_F(FuncList, FirstWorkFileSkipsShownFiles)
{
    list_test::fresh_folder("work_dir");
    write_file("work_dir/aa.c", "");
    write_file("work_dir/bb.c", "");
    char here[512];
    host_getcwd(here, sizeof here);
    format_text(folder, sizeof folder, "%s/work_dir", here);
    load_list("-- 0:aa.c --\n");
    char out[128];
    EXPECT_EQ(first_work_file(out, sizeof out, '5'), 1);
    EXPECT_STREQ(out, "5:bb.c");
    char after[512];
    host_getcwd(after, sizeof after);
    EXPECT_STREQ(after, here);
    load_list("-- 0:aa.c --\n-- 0:bb.c --\n");
    EXPECT_EQ(first_work_file(out, sizeof out, '5'), 0);
    folder[0] = '\0';
    EXPECT_EQ(first_work_file(out, sizeof out, '5'), 0);
}

TEST_F(FuncList, ClearListAndResets)
{
    load_list(list_test::small_list);
    set_search_key("key");
    cur_index = 3;
    reset_select();
    EXPECT_EQ(cur_index, -1);
    EXPECT_STREQ(search_key.text, "");
    EXPECT_EQ(fl_count, 17);
    cur_index = 3;
    clear_list();
    EXPECT_EQ(fl_count, 0);
    EXPECT_EQ(i_num, 0);
    EXPECT_EQ(cur_index, -1);
    EXPECT_STREQ(cat_pattern, "");
}

}  // namespace
