// The analyser's flow runs: the function chosen by the start line, the
// listing-range requests, the entry flag, the chart left for the FLOW
// screen, failures that leave the next file analysed, and the largest
// charts the tables allow.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analyser/anal_inputs.h"
#include "analyser/anal_main.h"
#include "analyser/flow_grid.h"
#include "analyser/flow_nodes.h"
#include "analyser/range_labels.h"
#include "shell/anal_owner.h"
#include "anal_support.h"
#include "shell/startup.h"

namespace {

class FlowDriver : public ::testing::Test {
protected:
    void SetUp() override
    {
        anal_test::fresh();
        reset_anal_inputs();
        set_anal_owner(capture::new_edit());
        flow_start_line = -1;
        remove("voktavir.dat");
        anal_test::write_file("wordattr.dat", "");
    }
    // A flow run on one file from the start line.
    int flow(const std::string &file, int start)
    {
        return anal_test::run_vokanal({file, "-l" + std::to_string(start), "-L-1", "-o"});
    }
};

const char *const two_functions =
    "int f(int a)\n"  // 1
    "{\n"
    "  return a;\n"
    "}\n"
    "\n"
    "int g(void)\n"  // 6
    "{\n"
    "  a();\n"
    "  b();\n"
    "}\n";

TEST_F(FlowDriver, StartLinePicksTheFunction)
{
    anal_test::write_file("a.c", two_functions);
    const struct {
        int start;
        int head_line;
        int nodes;
    } cases[] = {
        {1, 1, 6},  // f: head run, slot, return
        {5, 5, 5},  // the first head at or after the line: g, one merged box
        {6, 5, 5},  // a head starts on the line after the previous token
    };
    for (const auto &c : cases) {
        EXPECT_EQ(flow("a.c", c.start), 0);
        EXPECT_EQ(cbp[0]->sline, c.head_line) << c.start;
        EXPECT_EQ(cb_num, c.nodes) << c.start;
        EXPECT_EQ(cb_base_num, c.nodes) << c.start;
        EXPECT_EQ(sel_cb, -1);
    }
    EXPECT_EQ(cbp[0]->eline, 10);
    EXPECT_EQ(cbp[2]->eline, 10);
    EXPECT_EQ(cbp[4]->sline, 8);
    EXPECT_EQ(cbp[4]->eline, 9);
    ASSERT_NE(flow_grid[0], nullptr);
    ASSERT_NE(flow_grid[grid_rows - 1], nullptr);

    EXPECT_EQ(flow("a.c", 11), 0);  // no function at or after the line
    EXPECT_EQ(cb_num, 0);
    EXPECT_EQ(cb_base_num, 0);
    EXPECT_EQ(capture_anal::dev_lines.back(), "関数データが見つかりません\n");
}

TEST_F(FlowDriver, RangeRequests)
{
    anal_test::write_file("a.c", two_functions);
    flow_start_line = 0;  // a flow request that reports the end of what it read
    EXPECT_EQ(flow("a.c", 6), 0);
    EXPECT_EQ(cb_num, 5);
    EXPECT_EQ(anal_end_line, 10);

    flow_start_line = 1;  // a listing range: labels, no nodes
    EXPECT_EQ(flow("a.c", 1), 0);
    EXPECT_EQ(cb_num, 0);
    EXPECT_EQ(anal_end_line, 10);
    ASSERT_EQ(range_label_num, 2);
    EXPECT_STREQ(range_label[0].text, "関数");
    EXPECT_EQ(range_label[0].start, 0);
    EXPECT_EQ(range_label[0].end, 5);
    EXPECT_EQ(range_label[1].start, 4);
    EXPECT_EQ(range_label[1].end, 11);

    anal_test::write_file("n.cpp",
                          "class A {\n"
                          "  class B {\n"
                          "    void f() { }\n"
                          "  };\n"
                          "  void g() { }\n"
                          "};\n"
                          "int h() { return 0; }\n");
    EXPECT_EQ(flow("n.cpp", 1), 0);  // the inner class's range replaces f's
    EXPECT_EQ(anal_end_line, 6);      // the outer class ends the range
    ASSERT_EQ(range_label_num, 2);
    EXPECT_STREQ(range_label[0].text, "クラス");
    EXPECT_EQ(range_label[0].start, 1);
    EXPECT_EQ(range_label[0].end, 5);
    EXPECT_STREQ(range_label[1].text, "関数");
    EXPECT_EQ(range_label[1].start, 4);
    EXPECT_EQ(range_label[1].end, 6);

    anal_test::write_file("b.c", "int x;\nint f(void)\n{\n  return 0;\n}\n");
    flow_start_line = -1;
    flow_decl_flag = 1;  // ends at the first complete declaration
    EXPECT_EQ(flow("b.c", 1), 0);
    EXPECT_EQ(anal_end_line, 1);
    EXPECT_EQ(cb_num, 0);
    flow_decl_flag = 0;
    EXPECT_EQ(flow("b.c", 1), 0);
    EXPECT_EQ(cb_num, 6);
}

TEST_F(FlowDriver, EntryFlagAndInactiveRanges)
{
    anal_test::write_file("a.c",
                          "int f(void)\n"
                          "{\n"
                          "  a();\n"
                          "#if 0\n"
                          "  b();\n"
                          "  c();\n"
                          "#endif\n"
                          "  d();\n"
                          "}\n");
    g_entry = 3;
    EXPECT_EQ(flow("a.c", 1), 0);
    for (int line = 1; line <= 9; ++line) EXPECT_EQ(entry_flag[line], line == 3 ? 1 : 0) << line;
    ASSERT_EQ(range_label_num, 1);
    EXPECT_STREQ(range_label[0].text, "無効文(5～6)");
    ASSERT_EQ(cb_num, 5);
    EXPECT_EQ(cbp[4]->sline, 3);
    EXPECT_EQ(cbp[4]->eline, 8);
}

TEST_F(FlowDriver, MissingFileEndsTheRun)
{
    anal_test::write_file("a.c", two_functions);
    EXPECT_EQ(anal_test::run_vokanal({"missing.c", "a.c", "-o"}), 0);
    EXPECT_EQ(cb_num, 0);
    ASSERT_GE(capture_anal::dev_lines.size(), 2u);
    EXPECT_EQ(capture_anal::dev_lines[0], "ファイル(missing.c)が見つかりません\n");
    EXPECT_EQ(capture_anal::dev_lines.back(), "関数データが見つかりません\n");
}

TEST_F(FlowDriver, FailureInOneFileLeavesTheNextAnalysed)
{
    anal_test::write_file("bad.c", "int f(void)\n{\n  for x;\n}\n");
    anal_test::write_file("good.c", "int g(void)\n{\n  if (a) b();\n}\n");
    EXPECT_EQ(anal_test::run_vokanal({"bad.c", "good.c", "-o"}), 0);
    ASSERT_EQ(capture::boxes.size(), 1u);
    EXPECT_EQ(capture::boxes[0].text,
              "ソースの解析中に異常が発生しました、ソースを作り直してやりなおして下さい rtc(11)");
    EXPECT_EQ(capture::boxes[0].owner, get_anal_owner());
    EXPECT_EQ(anal_test::read_file("voktavir.dat"), "bad.c:3 cmd(x) rtc(11)\n");
    EXPECT_EQ(cb_num, 10);  // g: head run, slot, if run
    EXPECT_EQ(cbp[0]->sline, 1);
    EXPECT_EQ(cb_base_num, 10);

    EXPECT_EQ(anal_test::run_vokanal({"good.c", "bad.c", "-o"}), 0);  // the last function shown wins
    EXPECT_EQ(cb_num, 0);
}

TEST_F(FlowDriver, AnonymousClassInAStatement)
{
    lang_mode = 2;
    anal_test::write_file("A.java",
                          "class A {\n"
                          "  void f() {\n"
                          "    r = new Runnable() {\n"
                          "      public void anal_test::run_vokanal() { }\n"
                          "    };\n"
                          "    g();\n"
                          "  }\n"
                          "}\n");
    EXPECT_EQ(flow("A.java", 2), 0);
    lang_mode = 0;
    ASSERT_EQ(range_label_num, 1);
    EXPECT_STREQ(range_label[0].text, "無名クラス(Runnable)");
    EXPECT_EQ(range_label[0].start, 3);
    EXPECT_EQ(range_label[0].end, 5);
    ASSERT_EQ(cb_num, 5);  // the statement and g() share one box
    EXPECT_EQ(cbp[4]->sline, 3);
    EXPECT_EQ(cbp[4]->eline, 6);
}

// The first node of the kind that starts on the line; -1 none.
int node_at(char t, int line)
{
    for (int i = 0; i < cb_num; ++i) {
        if (cbp[i]->t == t && cbp[i]->sline == line) return i;
    }
    return -1;
}

TEST_F(FlowDriver, GotosAfterTheLabelsAreResolved)
{
    anal_test::write_file("a.c",
                          "int f(void)\n"
                          "{\n"
                          "  if (a) goto L1;\n"  // 3: its label is also reached from b()
                          "  b();\n"
                          "L1:\n"
                          "  c();\n"
                          "  goto L2;\n"  // 7: its label is reached only through gotos
                          "  return;\n"
                          "L2:\n"
                          "  d();\n"
                          "  goto L2;\n"  // 11: a second goto to L2
                          "}\n");
    EXPECT_EQ(flow("a.c", 1), 0);
    EXPECT_TRUE(capture::boxes.empty());
    const int first = node_at('O', 3);
    ASSERT_GE(first, 0);
    EXPECT_EQ(cbp[first]->m, 'r');
    EXPECT_EQ(cbp[cbp[first]->branch]->t, 'x');
    EXPECT_EQ(cbp[cbp[first]->branch]->sline, 5);
    const int only = node_at('O', 7);
    ASSERT_GE(only, 0);
    EXPECT_EQ(cbp[only]->m, 'x');
    const int second = node_at('P', 11);
    ASSERT_GE(second, 0);
    EXPECT_EQ(cbp[second]->m, '.');
    EXPECT_EQ(cbp[second]->branch, cbp[only]->branch);
    EXPECT_EQ(cbp[cbp[only]->branch]->t, 'x');
    EXPECT_NE(cbp[cbp[only]->branch]->disp & 0x80, 0);
    EXPECT_EQ(cb_base_num, cb_num);

    anal_test::write_file("b.c", "int f(void)\n{\n  goto L9;\n}\n");
    EXPECT_EQ(flow("b.c", 1), 0);
    ASSERT_EQ(capture::boxes.size(), 1u);
    EXPECT_EQ(capture::boxes[0].text, "ラベル(L9)の飛び先が定義されていません\n");
    EXPECT_EQ(capture::boxes[0].owner, get_anal_owner());
    EXPECT_EQ(cb_num, 0);
    EXPECT_EQ(cb_base_num, 0);
}

// Large charts, laid out too.
struct large_case {
    const char *name;
    std::string body;
    int nodes;
};

std::string repeat(const std::string &text, int n, bool numbered = false)
{
    std::string s;
    for (int i = 0; i < n; ++i) {
        std::string piece = text;
        if (numbered) {
            for (size_t at; (at = piece.find('#')) != std::string::npos;) piece.replace(at, 1, std::to_string(i));
        }
        s += piece;
    }
    return s;
}

TEST_F(FlowDriver, LargestCharts)
{
    const large_case cases[] = {
        {"straight chain of 9999 nodes", repeat("L#: a();\n", 9995, true), 9999},
        {"else-if chain of 200", "if (c) a();\n" + repeat("else if (c#) a();\n", 199, true) + "else b();\n",
         4 + 1 + 200 * 5 + 3},
        {"switch of 300 cases", "switch (k) {\n" + repeat("case #: a(); break;\n", 300, true) + "}\n",
         4 + 1 + 1 + 300 * 4 + 3},
        {"130 nested loops", repeat("while (a) {\n", 130) + "x();\n" + repeat("}\n", 130), 4 + 130 * 5 + 1},
        {"blocks nested 256 deep", repeat("{\n", 255) + repeat("}\n", 255), 4 + 255},
    };
    for (const auto &c : cases) {
        anal_test::write_file("big.c", "void f(void)\n{\n" + c.body + "}\n");
        capture::boxes.clear();
        EXPECT_EQ(flow("big.c", 1), 0) << c.name;
        EXPECT_TRUE(capture::boxes.empty()) << c.name;
        EXPECT_EQ(cb_num, c.nodes) << c.name;
        EXPECT_EQ(cb_base_num, c.nodes) << c.name;
    }

    // the chain takes one lane, a column per node
    anal_test::write_file("big.c", "void f(void)\n{\n" + cases[0].body + "}\n");
    EXPECT_EQ(flow("big.c", 1), 0);
    ASSERT_EQ(cb_num, 9999);
    int steps = 0;
    for (int i = 5; i < cb_num; ++i) steps += cbp[i]->y == cbp[4]->y && cbp[i]->x == cbp[i - 1]->x + 1;
    EXPECT_EQ(steps, cb_num - 5);
}

TEST_F(FlowDriver, TooLargeCharts)
{
    const struct {
        const char *name;
        std::string body;
        const char *box;
    } cases[] = {
        {"10001 nodes", repeat("L#: a();\n", 9997, true),
         "ソースの解析中にアプリケーションに異常が発生しました rtc(555)"},
        {"blocks nested 257 deep", repeat("{\n", 256) + repeat("}\n", 256),
         "ソースの解析中に異常が発生しました、ソースを作り直してやりなおして下さい rtc(256)"},
    };
    for (const auto &c : cases) {
        anal_test::write_file("big.c", "void f(void)\n{\n" + c.body + "}\n");
        capture::boxes.clear();
        EXPECT_EQ(flow("big.c", 1), 0) << c.name;
        ASSERT_EQ(capture::boxes.size(), 1u) << c.name;
        EXPECT_EQ(capture::boxes[0].text, c.box) << c.name;
        EXPECT_EQ(cb_num, 0) << c.name;
        EXPECT_EQ(cb_base_num, 0) << c.name;
    }
}

}  // namespace
