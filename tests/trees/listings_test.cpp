// The source listings on small files through the real analyser and a fake
// CODE output: the rows and separators, the mark filter of F11 and F12,
// the current-function and whole-file listings, the hit marks, the plain
// text search over files, the function holding a line, the main screen's
// search marks and the first line painted across the LIST.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "analyser/anal_main.h"
#include "analyser/flow_grid.h"
#include "analyser/flow_nodes.h"
#include "analyser/options.h"
#include "analyser/parser.h"
#include "analyser/preproc.h"
#include "analyser/range_labels.h"
#include "analyser/source_load.h"
#include "analyser/wordattr.h"
#include "list_support.h"
#include "shell/runner.h"
#include "shell/sjis.h"
#include "shell/stacks.h"
#include "shell/startup.h"
#include "trees/listings.h"

namespace {

const char *const source =
    "// sample\n"                  // 1
    "int count;\n"                 // 2
    "int add(int a, int b)\n"      // 3
    "{\n"                          // 4
    "\treturn a + b;\n"            // 5
    "}\n"                          // 6
    "int main(void)\n"             // 7
    "{\n"                          // 8
    "    return add(1, 2);\n"      // 9
    "}\n";                         // 10

class Listings : public ::testing::Test {
protected:
    void SetUp() override
    {
        list_test::fresh();
        list_test::write_file("wordattr.dat", list_test::read_file(VOK_ANAL_DATA "/wordattr.dat"));
        int limit = 0;
        load_wordattr(&limit);
        load_env_defines("");
        alloc_flow_grid();
        out = code_out_hwnd;
        flow_zoom = 13;
    }
    void load(const char *name, const std::string &text)
    {
        list_test::write_file(name, text);
        int count = 0;
        load_source(name, &count);
        set_source_lines(count);
        clear_range_labels();
        clear_line_marks();
    }
    void node(int sline, int eline)
    {
        int column = 0;
        const int i = get_cb(1, tpl_other, -1, &column);
        cbp[i]->sline = sline;
        cbp[i]->eline = eline;
        cbp[i]->x = cbp[i]->y = 0;
        cb_base_num = cb_num;
    }
    // Selects the header of the file in a one-file list.
    void select_file(const char *name)
    {
        list_test::load_list(std::string("---------- ") + name + " ----------\n" + name + " 3 add()\n");
        cur_index = 0;
    }
    std::string shown() { return capture::edit_text(out); }
    win_handle out = nullptr;
};

TEST_F(Listings, CurrentFunctionForEachRangeStart)
{
    struct row {
        int start, end;
        bool flow_node, flow_shown;
        const char *listing;
    } rows[] = {
        {0, 3, false, false, "　    1:// sample\r\n●    2:int count;\r\n　    3:int add(int a, int b)\r\n"},
        {5, 6, false, false, "　    5:return a + b;\r\n　    6:}\r\n"},
        {-1, 0, true, false, "　    7:int main(void)\r\n　    8:{\r\n　    9:return add(1, 2);\r\n"},
        {-1, 0, true, true, ""},
    };
    for (const row &r : rows) {
        load("a.c", source);
        cb_num = cb_base_num = 0;
        if (r.flow_node) {
            node(1, 10);
            node(7, 9);
        }
        hwndF = capture::new_edit();
        hidden_flags[hidden_flow] = r.flow_shown ? 0 : 1;
        flow_start_line = r.start;
        anal_end_line = r.end;
        search_mode = 1;
        copy_bounded(search_text, sizeof search_text, "count");
        capture::edit_text(out) = "";
        EXPECT_EQ(fill_list(out, filter_collect), 0);
        EXPECT_EQ(shown(), r.listing) << r.start << " " << r.flow_shown;
        if (r.flow_shown) {
            EXPECT_EQ(anal_end_line, 0);  // the chart's pane shows the code
        }
        if (r.start == -1 && !r.flow_shown) {
            EXPECT_EQ(anal_end_line, 9);
        }
    }
}

TEST_F(Listings, SelectedRowsAndSeparators)
{
    load("a.c", source);
    flow_start_line = 0;
    anal_end_line = 10;
    set_line_selected(2, 1);
    set_line_mark(9, "●");
    add_range_label(6, 11, "関数");
    EXPECT_EQ(fill_list(out, filter_collect), 0);
    EXPECT_EQ(shown(),
              "　    1:// sample\r\n▲    2:int count;\r\n　    3:int add(int a, int b)\r\n　    4:{\r\n"
              "　    5:return a + b;\r\n　    6:}\r\n●      ----関数{1}----\r\n");
}

TEST_F(Listings, WholeFileWithItsOwnParse)
{
    list_test::write_file("a.cpp",
                          "int count;\n"              // 1
                          "namespace ns {\n"          // 2
                          "int add(int a)\n"          // 3
                          "{\n"                       // 4
                          "    return a;\n"           // 5
                          "}\n"                       // 6
                          "}\n"                       // 7
                          "class Box {\n"             // 8
                          "    int w;\n"              // 9
                          "} box1;\n"                 // 10
                          "int main()\n"              // 11
                          "{\n"                       // 12
                          "    return add(1);\n"      // 13
                          "}\n");                     // 14
    select_file("a.cpp");
    copy_bounded(search_text, sizeof search_text, "add");
    char file[list_file_size];
    EXPECT_EQ(fill_list_with_parse(out, file, filter_collect), 1);
    EXPECT_STREQ(file, "a.cpp");
    ASSERT_EQ(range_label_num, 3);
    EXPECT_STREQ(range_label[0].text, "関数");
    EXPECT_EQ(range_label[0].start, 2);
    EXPECT_EQ(range_label[0].end, 7);
    EXPECT_STREQ(range_label[1].text, "クラス");
    EXPECT_EQ(range_label[1].start, 7);
    EXPECT_EQ(range_label[1].end, 11);
    EXPECT_STREQ(range_label[2].text, "関数");
    EXPECT_EQ(range_label[2].start, 10);
    EXPECT_EQ(range_label[2].end, 15);
    EXPECT_EQ(shown(),
              "　    1:int count;\r\n　    2:namespace ns {\r\n●      ----関数{1}----\r\n"
              "　    7:}\r\n　      ----クラス{2}----\r\n●      ----関数{3}----\r\n");
    EXPECT_EQ(mark_row_num, 2);  // the two marked separators

    // No selection: nothing listed.
    cur_index = -1;
    EXPECT_EQ(fill_list_with_parse(out, file, filter_collect), 0);
    EXPECT_STREQ(file, "");
}

TEST_F(Listings, UnterminatedClassTailReportsTheEnd)
{
    list_test::write_file("t.cpp", "class T {\n  int x;\n}\n");
    select_file("t.cpp");
    char file[list_file_size];
    capture::edit_text(out) = "";
    EXPECT_EQ(fill_list_with_parse(out, file, filter_collect), -1);
    EXPECT_NE(shown().find("E555"), std::string::npos) << shown();  // the report, no rows
    EXPECT_EQ(shown().find("    1:"), std::string::npos);
}

TEST_F(Listings, TokenAndPlainTextMarks)
{
    load("a.c", source);
    copy_bounded(search_text, sizeof search_text, "add");
    search_mode = 0;
    func_line[0] = 42;
    mark_hits(1, 10);
    EXPECT_EQ(func_line[0], 42);
    std::string marked;
    for (int n = 1; n <= 10; ++n) marked += strncmp(line_mark[n], "●", 2) == 0 ? '1' : '0';
    EXPECT_EQ(marked, "0010000010");

    clear_line_marks();
    search_mode = 1;
    copy_bounded(search_text, sizeof search_text, "a@+@b");  // "@" matches a blank
    mark_hits(1, 10);
    marked.clear();
    for (int n = 1; n <= 10; ++n) marked += strncmp(line_mark[n], "●", 2) == 0 ? '1' : '0';
    EXPECT_EQ(marked, "0000100000");
}

// Eleven marked rows, then blank rows: F12 keeps the marked ones, F11 the
// rows within 100 of the first ten.
TEST_F(Listings, MarkFilterOfF11AndF12)
{
    auto listing = [&](int mode, int on) {
        capture::edit_text(out) = "";
        mark_filter_on = on;
        set_mark_filter(mode);
        start_rows();
        int passed = 0, last = -1;
        for (int row = 0; row < 300; ++row) {
            if (offer_row(out, row <= 10 ? "●row\r\n" : "　row\r\n") != 0) {
                ++passed;
                last = row;
            }
        }
        return std::make_pair(passed, last);
    };
    EXPECT_EQ(listing(filter_collect, 0), std::make_pair(300, 299));
    EXPECT_EQ(mark_row_num, mark_row_cap);
    EXPECT_EQ(mark_rows[9], 9);
    EXPECT_EQ(listing(filter_collect, 1), std::make_pair(11, 10));  // F12
    EXPECT_EQ(listing(filter_near, 1), std::make_pair(110, 109));   // F11: row 110 is 101 from row 9
    EXPECT_EQ(listing(filter_off, 0), std::make_pair(300, 299));
}

TEST_F(Listings, FunctionAtLine)
{
    list_test::write_file("f.cpp",
                          "int g;\n"                  // 1
                          "Foo::Foo(int v)\n"         // 2
                          "    : a(v),\n"             // 3
                          "      b(v)\n"              // 4
                          "{\n"                       // 5
                          "}\n"                       // 6
                          "\n"                        // 7
                          "int run(int x)\n"          // 8
                          "{\n"                       // 9
                          "    return x;\n"           // 10
                          "}\n"                       // 11
                          "int tail;\n");             // 12
    struct row {
        int line, result, head;
        const char *name;
    } rows[] = {
        // a head's statement line starts after the previous statement
        {10, 0, 7, "run"}, {8, 0, 7, "run"}, {7, 0, 7, "run"}, {3, 0, 2, "Foo"},
        {5, 0, 2, "Foo"},  {12, -3, 12, ""}, {1, -3, 1, ""},
    };
    for (const row &r : rows) {
        int line = r.line;
        char name[top_name_size] = "junk";
        EXPECT_EQ(find_function_at_line("f.cpp", &line, name), r.result) << r.line;
        EXPECT_EQ(line, r.head) << r.line;
        EXPECT_STREQ(name, r.name) << r.line;
        EXPECT_EQ(cb_num, 0);
    }
    int line = 5;
    char name[top_name_size] = "junk";
    EXPECT_EQ(find_function_at_line("missing.cpp", &line, name), -1);
    EXPECT_EQ(line, -1);
    EXPECT_STREQ(name, "");
}

TEST_F(Listings, PlainTextSearchOverFiles)
{
    std::string long_line(2500, 'x');
    list_test::write_file("g.c", "one key\r\n" + long_line + " key\r\nthree\r\nfour key\n");
    list_test::write_file("ftree.f", "key\n");
    list_test::write_file("ftree_s.txt", "key\n");
    list_test::write_file("z.cpp", "key in cpp\n");
    list_test::write_file("h.h", "\tkey\there\n");
    EXPECT_EQ(grep_file("key", out, "g.c", 0), 0);
    EXPECT_EQ(shown(), "g.c(1):one key\r\ng.c(2):" + long_line.substr(0, 240) + "\r\ng.c(4):four key\r\n");
    capture::edit_text(out) = "";
    EXPECT_EQ(grep_file("key", out, "ftree.f", 0), 0);
    EXPECT_EQ(grep_file("key", out, "0:ftree_s.txt", 0), 0);
    EXPECT_EQ(shown(), "");
    EXPECT_EQ(grep_file("key", out, "none.c", 0), 1);

    capture::edit_text(out) = "";
    EXPECT_EQ(run_all_patterns("key", out, 0), 0);
    EXPECT_EQ(shown(), "z.cpp(1):key in cpp\r\n"
                       "g.c(1):one key\r\ng.c(2):" + long_line.substr(0, 240) + "\r\ng.c(4):four key\r\n"
                       "h.h(1):    key here\r\n");
}

TEST_F(Listings, SearchHitsOfTheFileSet)
{
    list_test::write_file("a.c", source);
    list_test::write_file("b.txt", "add\n");
    copy_bounded(cat_pattern, sizeof cat_pattern, " a.c b.txt");
    copy_bounded(search_text, sizeof search_text, "add");
    EXPECT_EQ(search_file_set(out, ""), 0);
    EXPECT_EQ(shown(), "a.c(3):int add(int a, int b)\r\na.c(9):return add(1, 2);\r\n");
}

TEST_F(Listings, MainScreenSearchSelectsLines)
{
    load("a.c", source);
    set_line_selected(5, 1);
    EXPECT_EQ(mark_search_lines("add"), 0);  // no flow nodes
    EXPECT_EQ(line_selected[5], 0);
    node(1, 10);
    node(7, 9);
    EXPECT_EQ(mark_search_lines("   "), 0);
    key_stack_num = 0;
    EXPECT_EQ(mark_search_lines(" add "), 1);
    std::string selected;
    for (int n = 1; n <= 10; ++n) selected += line_selected[n] ? '1' : '0';
    EXPECT_EQ(selected, "0010000010");
    ASSERT_GE(key_stack_num, 1);
    EXPECT_STREQ(key_stack[0], "add");
}

TEST_F(Listings, FirstLineAcrossTheList)
{
    load("a.c", "\n  = \n\tint\tmain(void)\n{\n");
    char text[top_text_size];
    func_line[0] = 2;
    flow_start_line = -1;
    EXPECT_EQ(function_top_text("main", 30, text, sizeof text), 0);
    EXPECT_EQ(std::string(text), "main int main(void)" + std::string(11, ' '));
    flow_start_line = 0;
    EXPECT_EQ(function_top_text("main", 30, text, sizeof text), 1);
    flow_start_line = 9;  // past the end: the name alone
    EXPECT_EQ(function_top_text("main", 6, text, sizeof text), 0);
    EXPECT_STREQ(text, "main  ");
    func_line[0] = 0;
    flow_start_line = -1;
    EXPECT_EQ(function_top_text("main", 30, text, sizeof text), 1);

    struct zoom_row {
        int zoom, x;
    } zooms[] = {{13, 13}, {0, 0}, {-1, 8}, {-3, 2}};
    for (const zoom_row &z : zooms) {
        flow_zoom = z.zoom;
        EXPECT_EQ(function_top_x(), z.x) << z.zoom;
    }
}

}  // namespace

namespace {

// A sample source of the project after the file-list command, no flow grid
// allocated: its functions fold into separators, the key's hits mark them.
TEST_F(Listings, SampleSourceListing)
{
    list_test::write_file("sales.c", list_test::read_file(VOK_SAMPLES "/sales.c"));
    list_test::write_file("sales.h", list_test::read_file(VOK_SAMPLES "/sales.h"));
    list_test::write_file("wordattr.dat", list_test::read_file(VOK_SAMPLES "/wordattr.dat"));
    int limit = 0;
    load_wordattr(&limit);
    init_sjis_table();
    free_flow_grid();
    anal_runner = anal_main;
    char command[] = "select sales.c";
    run_command(command, select_main);
    cur_index = 0;
    capture::edit_text(out) = "";
    copy_bounded(search_text, sizeof search_text, "total_of");
    char file[list_file_size];
    EXPECT_EQ(fill_list_with_parse(out, file, filter_collect), 1);
    EXPECT_EQ(shown(), "　    1:/* 売上データの解析と合計 */\r\n　      ----関数{1}----\r\n●      ----関数{2～3}----\r\n");
}

}  // namespace
