// The analyser launches: the flow-run inputs and command text of each kind
// of entry, the result range, the line-range run, the reference search in
// all its outcomes, and the path and current-file helpers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "analyser/anal_inputs.h"
#include "analyser/flow_nodes.h"
#include "analyser/preproc.h"
#include "analyser/search_keys.h"
#include "analyser/source_load.h"
#include "list_support.h"
#include "shell/text.h"
#include "tests/support/capture_host.h"
#include "trees/launch.h"
#include "trees/list_filter.h"
#include "trees/list_rules.h"
#include "shell/main_state.h"

namespace {

using list_test::anal_calls;
using list_test::call_text;
using list_test::inputs_seen;
using list_test::shown_order;
using list_test::write_file;

class Launch : public ::testing::Test {
protected:
    void SetUp() override
    {
        list_test::fresh();
        write_file("a.c", "int f(void) { return 0; }\n");
        write_file("b.c", "int g(void) { return 0; }\n");
        write_file("vokcall.tag", "-- a.c --\na.c 9 main(12)\n");
        list_test::load_list(list_test::small_list);
    }
    void TearDown() override { EXPECT_LE(i_num, fl_count); }
};

TEST_F(Launch, FlowRunInputsByEntryMarks)
{
    const struct {
        int position;
        const char *command;
        list_test::flow_inputs seen;
        int list_line;
    } cases[] = {
        {1, "vokanal a.c -l1 -L0 -o", {1, -1, 0, 0}, 1},           // a class
        {16, "vokanal b.c -l6 -L0 -o", {6, -1, 1, 0}, 6},          // a declaration
        {7, "vokanal a.c -l10 -L0 -o", {10, 10, 0, 0}, 10},        // an anonymous class
        {8, "vokanal a.c -l11 -L0 -o", {-1, -1, 0, 1}, 11},        // its function
        {6, "vokanal a.c -l9 -L0 -o", {-1, -1, 0, 0}, 9},          // a plain function
    };
    for (const auto &c : cases) {
        anal_calls().clear();
        inputs_seen().clear();
        cur_index = c.position;
        EXPECT_EQ(run_anal_range(), 0) << c.command;
        EXPECT_EQ(call_text(0), c.command);
        ASSERT_EQ(inputs_seen().size(), 1u);
        EXPECT_EQ(inputs_seen()[0].start, c.seen.start) << c.command;
        EXPECT_EQ(inputs_seen()[0].anon, c.seen.anon) << c.command;
        EXPECT_EQ(inputs_seen()[0].decl, c.seen.decl) << c.command;
        EXPECT_EQ(inputs_seen()[0].run_flag, c.seen.run_flag) << c.command;
        EXPECT_EQ(flow_anon_func_flag, 0) << c.command;
        EXPECT_EQ(list_entry_line, c.list_line);
        EXPECT_EQ(hit_line, 0);
        EXPECT_EQ(range_count(), 0);
        const std::string path = cur_file_path;
        EXPECT_EQ(path.substr(path.size() - 4), fl_file[c.position][0] == 'a' ? "\\a.c" : "\\b.c");
    }
}

TEST_F(Launch, FlowRunOfAHeaderOrNothing)
{
    cb_num = 3;
    cur_index = 10;
    EXPECT_EQ(run_anal_range(), 0);
    EXPECT_TRUE(anal_calls().empty());
    EXPECT_EQ(cb_num, 0);
    EXPECT_EQ(flow_start_line, -1);
    EXPECT_EQ(flow_anon_line, -1);
    cur_index = -1;
    EXPECT_EQ(run_anal_range(), -1);
    EXPECT_TRUE(anal_calls().empty());
}

TEST_F(Launch, ResultRangeOfAReferenceList)
{
    list_test::load_list("-- a.c --\na.c 5 f(7)\na.c 5 f(8)\na.c 5 f(9)\na.c 20 g(22)\n-- b.c --\nb.c 5 f(30)\n"
                         "b.c 40 h()\n");
    cur_index = 2;
    EXPECT_EQ(run_anal_range(), 0);
    EXPECT_EQ(call_text(0), "vokanal a.c -l5 -L8 -o");
    EXPECT_EQ(hit_line, 8);
    EXPECT_EQ(range_count(), 3);
    const int lines[] = {7, 8, 9, -1};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(range_line(i), lines[i]) << i;
    EXPECT_EQ(range_line(-1), -1);
    EXPECT_STREQ(range_name(0), "a.c");
    EXPECT_STREQ(range_name(3), "");

    result_range(7);  // f(30) of b.c stands alone
    EXPECT_EQ(range_count(), 1);
    EXPECT_EQ(range_line(0), 30);
    result_range(8);  // sub_line 0
    EXPECT_EQ(range_count(), 0);
    result_range(99);
    EXPECT_EQ(range_count(), 0);
}

TEST_F(Launch, LineRangeRunClearsTheInputs)
{
    flow_start_line = 5;
    flow_anon_line = 5;
    flow_decl_flag = 1;
    flow_anon_func_flag = 1;
    hit_line = 4;
    EXPECT_EQ(run_anal_lines("b.c", 3, 9), 0);
    EXPECT_EQ(call_text(0), "vokanal b.c -l3 -L9 -o");
    ASSERT_EQ(inputs_seen().size(), 1u);
    EXPECT_EQ(inputs_seen()[0].start, -1);
    EXPECT_EQ(inputs_seen()[0].anon, -1);
    EXPECT_EQ(inputs_seen()[0].decl, 0);
    EXPECT_EQ(inputs_seen()[0].run_flag, 0);
    EXPECT_EQ(hit_line, 0);
}

TEST_F(Launch, ReferenceSearchByName)
{
    cur_index = 3;
    char name[256] = "foo";
    int pos = -9;
    EXPECT_EQ(run_anal_ref(name, sizeof name, &pos), ref_ran);
    ASSERT_EQ(anal_calls().size(), 1u);  // the reference list loads without a run
    EXPECT_EQ(call_text(0), "vokanal -rfoo a.c b.c");
    EXPECT_STREQ(ref_name, "");  // the loaded list starts without a search name
    EXPECT_EQ(list_origin, -7);  // the select that loaded "vokcall.tag"
    EXPECT_EQ(fl_count, 2);
    EXPECT_EQ(fl_kind_line[1].sub_line, 12);
    EXPECT_EQ(ref_line, -1);
    EXPECT_STREQ(ref_file, "");
}

TEST_F(Launch, ReferenceSearchOnTheSelection)
{
    const struct {
        const char *what;
        std::string list;   // replaces the small list when not empty
        int position, state_before;
        int result, pos;
        const char *command;  // "" no run
        int state_after, origin;
    } cases[] = {
        {"no selection", "", -1, 1, ref_nothing, -9, "", 1, 0},
        {"a header", "", 10, 1, ref_header, -9, "", 1, 0},
        {"a nested class", "", 4, 1, ref_nested, 4, "", 1, 0},
        {"a class without a source", "", 1, 1, ref_no_base, 1, "", 1, 0},
        {"an anonymous class", "", 7, 1, ref_ran, -9, "", 1, 10},
        {"a member", "", 2, 1, ref_ran, -9, "vokanal -rget a.c b.c", 2, -7},
        {"a marked name", "-- a.c --\na.c 1 flag□()\n", 1, 1, ref_ran, -9, "vokanal -rflag a.c b.c", 1, -7},
        {"a one-byte name", "-- a.c --\na.c 1 x()\n", 1, 1, ref_ran, -9, "vokanal -rx a.c b.c", 2, -7},
    };
    for (const auto &c : cases) {
        list_test::fresh();
        list_test::load_list(c.list.empty() ? list_test::small_list : c.list);
        state = c.state_before;
        cur_index = c.position;
        char name[256] = "";
        int pos = -9;
        EXPECT_EQ(run_anal_ref(name, sizeof name, &pos), c.result) << c.what;
        EXPECT_EQ(pos, c.pos) << c.what;
        EXPECT_EQ(call_text(0), c.command[0] != '\0' ? c.command : "<no call>") << c.what;
        EXPECT_EQ(state, c.state_after) << c.what;
        EXPECT_EQ(list_origin, c.origin) << c.what;
        if (c.result == ref_header) {
            EXPECT_STREQ(name, "-b.c----------------");
        }
    }
}

TEST_F(Launch, AnonymousClassShowsItselfWithItsFunction)
{
    cur_index = 7;
    char name[256] = "";
    int pos = 0;
    EXPECT_EQ(run_anal_ref(name, sizeof name, &pos), ref_ran);
    EXPECT_EQ(shown_order(), (std::vector<int>{0, 6, 7, 8}));
}

TEST_F(Launch, ClassWithABaseIsolatesTheBase)
{
    write_file("A.java", "class A extends B {\n}\n");
    int count = 0;
    ASSERT_NE(load_source("A.java", &count), 0);
    set_source_lines(count);
    state = 2;
    cur_index = 1;
    char name[256] = "";
    int pos = -9;
    EXPECT_EQ(run_anal_ref(name, sizeof name, &pos), ref_base_found);
    EXPECT_STREQ(name, "B:");
    EXPECT_EQ(shown_order(), (std::vector<int>{10, 11, 12}));  // the base with its member
    EXPECT_EQ(pos, 2);
    EXPECT_EQ(state, 1);  // a reference list was left for the whole list
    EXPECT_TRUE(anal_calls().empty());

    write_file("A.java", "class A extends Missing {\n}\n");
    load_source("A.java", &count);
    set_source_lines(count);
    list_test::load_list(list_test::small_list);
    cur_index = 1;
    name[0] = '\0';
    EXPECT_EQ(run_anal_ref(name, sizeof name, &pos), ref_no_base);
    EXPECT_EQ(pos, 1);
    EXPECT_EQ(i_num, fl_count);
}

TEST_F(Launch, ReferenceSearchNeedsAFileSet)
{
    cat_pattern[0] = '\0';
    char name[256] = "foo";
    int pos = 0;
    EXPECT_EQ(run_anal_ref(name, sizeof name, &pos), ref_nothing);
    EXPECT_TRUE(anal_calls().empty());
    EXPECT_STREQ(ref_name, "");
    ASSERT_FALSE(capture_anal::dev_lines.empty());
    EXPECT_NE(capture_anal::dev_lines.back().find("この機能はファイル名を指定して"), std::string::npos);
}

TEST_F(Launch, OverlongCommandsAreRefused)
{
    const std::string huge(cmd_buf_size, 'x');
    EXPECT_EQ(format_command("vokanal -r%s", huge.c_str()), 1);
    EXPECT_STREQ(cmd_buf, "");
    ASSERT_EQ(capture::boxes.size(), 1u);
    EXPECT_NE(capture::boxes[0].text.find("要求が165899ですが、165888しか有りません"), std::string::npos);

    copy_bounded(cat_pattern, sizeof cat_pattern, (" " + std::string(cmd_buf_size - 10, 'y')).c_str());
    char name[256] = "foo";
    int pos = 0;
    EXPECT_EQ(run_anal_ref(name, sizeof name, &pos), ref_nothing);
    EXPECT_TRUE(anal_calls().empty());
    EXPECT_EQ(capture::boxes.size(), 2u);
}

TEST_F(Launch, OpeningAFileSetRunsSelectOverIt)
{
    write_file("voktavir.tag", "stale\n");
    list_shown = 0;
    cur_index = 3;
    state = 2;
    anal_calls().clear();
    EXPECT_EQ(open_source_set("a.c b.c"), 0);
    EXPECT_EQ(state, 1);
    EXPECT_EQ(source_open, 1);
    EXPECT_EQ(list_shown, 1);
    EXPECT_EQ(cur_index, -1);
    ASSERT_EQ(anal_calls().size(), 1u);
    EXPECT_NE(call_text(0).find("a.c"), std::string::npos);
    EXPECT_NE(call_text(0).find("b.c"), std::string::npos);
    EXPECT_STREQ(cat_pattern, " a.c b.c");

    // A text longer than the command's room: the box, nothing run.
    anal_calls().clear();
    EXPECT_EQ(open_source_set(std::string(2000, 'x').c_str()), 1);
    EXPECT_TRUE(anal_calls().empty());
    ASSERT_EQ(capture::boxes.size(), 1u);
    EXPECT_EQ(capture::boxes[0].text.find("一覧作成用作業域が足りない"), 0u);
}

TEST_F(Launch, AListClickRunsTheEntry)
{
    cur_index = -1;
    EXPECT_EQ(list_click_entry(nullptr), 1);
    anal_calls().clear();
    cur_index = 6;
    EXPECT_EQ(list_click_entry(nullptr), 0);
    ASSERT_EQ(anal_calls().size(), 1u);
    EXPECT_EQ(call_text(0), "vokanal a.c -l9 -L0 -o");
}

TEST_F(Launch, SplitEntryPath)
{
    char here[512];
    ASSERT_EQ(host_getcwd(here, sizeof here), 0);
    const struct {
        const char *name;
        int result;
        const char *dir, *file;
    } cases[] = {
        {"a.c", 0, here, "a.c"},
        {"0:b.c", 0, ".", "b.c"},
        {"3:b.c", -1, "", "3:b.c"},      // a slot without a folder
        {"gone.c", -1, here, "gone.c"},
        {"Q:\\no\\such.c", -1, "", "Q:\\no\\such.c"},
    };
    for (const auto &c : cases) {
        char dir[512], name[256];
        copy_bounded(name, sizeof name, c.name);
        EXPECT_EQ(split_entry_path(dir, sizeof dir, name, sizeof name), c.result) << c.name;
        EXPECT_STREQ(dir, c.dir) << c.name;
        EXPECT_STREQ(name, c.file) << c.name;
    }
}

TEST_F(Launch, CurrentFileAndLine)
{
    char out[512];
    int line = 0;
    EXPECT_EQ(cur_file_line(out, sizeof out, &line), -1);
    set_cur_file("0:a.c");
    EXPECT_STREQ(cur_file_path, ".\\a.c");
    EXPECT_EQ(cur_file_line(out, sizeof out, &line), 0);  // no flow nodes
    EXPECT_EQ(line, 1);
    get_cur_file(out, sizeof out);
    EXPECT_STREQ(out, ".\\a.c");
    set_cur_file("");
    EXPECT_STREQ(cur_file_path, "");
}

TEST_F(Launch, PickIsolateAndRunAt)
{
    ref_line = 5;
    pick_entry(5);
    EXPECT_EQ(pick_index, 5);
    EXPECT_EQ(list_origin, 0);
    EXPECT_EQ(ref_line, -1);
    EXPECT_EQ(isolate_class("B:"), 2);
    EXPECT_EQ(shown_order(), (std::vector<int>{10, 11, 12}));
    EXPECT_EQ(isolate_class("Z:"), -1);

    const struct {
        const char *key;
        int mode;
        std::vector<int> shown;
    } cases[] = {{"/main", 0, {0, 6, 7, 8}}, {"/Bar", 1, {10, 13}}, {"/x", 5, {10, 14}}};
    split_words("[");
    for (const auto &c : cases) {
        EXPECT_EQ(run_anal_at(c.key, c.mode), -1) << c.key;
        EXPECT_EQ(shown_order(), c.shown) << c.key;
    }
}

}  // namespace
