// The FLOW code pane with a fake CODE output and the CODE mark table: the
// box prints and their removal, the misses, the table rows, branches, the
// display form of a line, and the three pickers into the target field.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "analyser/anal_main.h"
#include "analyser/flow_grid.h"
#include "analyser/flow_nodes.h"
#include "analyser/options.h"
#include "analyser/preproc.h"
#include "analyser/search_keys.h"
#include "analyser/source_load.h"
#include "list_support.h"
#include "shell/codeout.h"
#include "shell/msgbox.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "trees/flow_chart.h"
#include "trees/flow_code.h"
#include "trees/tree_form.h"

namespace {

std::vector<std::pair<int, int>> &inverted()
{
    static std::vector<std::pair<int, int>> cells;
    return cells;
}
int record_invert(int c, int r)
{
    inverted().push_back({c, r});
    return 0;
}
std::vector<int> &marked()
{
    static std::vector<int> nodes;
    return nodes;
}
int record_mark(int n)
{
    marked().push_back(n);
    return 0;
}

const char *const source =
    "int main(void)\n"           // 1
    "{\n"                        // 2
    "\tint a[3];\n"              // 3
    "    if (a[0]) helper(a[1]);\n"  // 4
    "    helper(helper(1), cb);\n"   // 5
    "    return 0;\n"            // 6
    "}\n";                       // 7

class CodePane : public ::testing::Test {
protected:
    void SetUp() override
    {
        list_test::fresh();
        list_test::write_file("src.c", source);
        int count = 0;
        load_source("src.c", &count);
        set_source_lines(count);
        for (int l = 0; l <= line_count; ++l) set_line_mark(l, "　");
        alloc_flow_grid();
        anal_first_run = 0;
        flow_zoom = 16;
        opt_x = opt_y = 0;
        opt_w = 10;
        opt_h = 20;
        opt_end_line = 0;
        out = code_out_hwnd;
        target_field.edit = capture::new_edit("");
        target_field.list = capture::new_list();
        picker = target_field_handle();
        inverted().clear();
        marked().clear();
        flow_invert_cell = record_invert;
        flow_mark_node = record_mark;
    }
    int node(char t, char m, int x, int y, int sline, int eline)
    {
        int column = 0;
        const int i = get_cb(1, tpl_other, -1, &column);
        cb *c = cbp[i];
        c->t = t;
        c->m = m;
        c->n = '-';
        c->disp = 0;
        c->branch = c->parent = c->roof = -1;
        c->x = x;
        c->y = y;
        c->sline = sline;
        c->eline = eline;
        c->fold = 0;
        cb_base_num = cb_num;
        return i;
    }
    std::string shown() { return capture::edit_text(out); }
    std::vector<std::string> &picked() { return capture::list_items(target_field.list); }
    std::string field() { return capture::edit_text(target_field.edit); }
    win_handle out = nullptr;
    win_handle picker = nullptr;
};

const std::string head1 = "----------------------------(   1a)-----------------------------------------\r\n";

TEST_F(CodePane, ClickPrintsTheBoxAndASecondClickTakesItOut)
{
    node('A', '.', 0, 0, 1, 7);
    node('A', '.', 0, 1, 3, 4);
    paint_flow();
    capture::edit_text(out) = "before\r\n";
    set_line_mark(4, "●");
    set_line_selected(3, 1);
    EXPECT_EQ(fill_flow_code(5, 36, out, ext_plain, picker, pane_show), 0);
    EXPECT_EQ(shown(), "before\r\n" + head1 + "▲    3:int a[3];\r\n●    4:if (a[0]) helper(a[1]);\r\n");
    EXPECT_EQ(code_cb, 1);
    EXPECT_EQ(cur_cb, 1);
    EXPECT_EQ(inverted(), (std::vector<std::pair<int, int>>{{0, 1}}));
    EXPECT_EQ(code_mark_num, 1);
    EXPECT_EQ(code_marks[0].kind, 1u);
    EXPECT_EQ(code_marks[0].b, 1u);

    EXPECT_EQ(fill_flow_code(5, 36, out, ext_plain, picker, pane_show), -1);
    EXPECT_EQ(shown(), "before\r\n");
    EXPECT_EQ(inverted().size(), 2u);
    EXPECT_EQ(code_mark_num, 0);
    set_line_selected(3, 0);
}

TEST_F(CodePane, MarkModeShortLinesAndNoCode)
{
    node('A', '.', 0, 0, 1, 7);
    node('A', '.', 0, 1, 5, 5);
    node('B', '.', 1, 1, 0, -1);
    paint_flow();
    EXPECT_EQ(fill_flow_code(5, 36, out, ext_short, picker, pane_show_mark), 0);
    EXPECT_EQ(marked(), (std::vector<int>{1}));
    EXPECT_NE(shown().find("    5:helper(helper(1), cb\r\n"), std::string::npos);
    EXPECT_EQ(cur_cb, -1);  // only a plain show makes the box current

    capture::edit_text(out).clear();
    EXPECT_EQ(fill_flow_code(40, 36, out, ext_plain, picker, pane_show), 0);
    EXPECT_EQ(shown(), "----------------------------(   2b)-----------------------------------------\r\n"
                       "***no code data***\r\n");
    EXPECT_EQ(code_cb, -1);
}

TEST_F(CodePane, MissesAndAFullMarkTable)
{
    node('A', '.', 0, 0, 1, 7);
    paint_flow();
    const struct {
        int x, y;
        const char *line;
    } misses[] = {{32 * 12, 20, "x(12)\r\n"}, {5, 5, "y(-1)\r\n"}, {40, 20, "idx(-1)\r\n"}};
    for (const auto &m : misses) {
        capture::edit_text(out).clear();
        EXPECT_EQ(fill_flow_code(m.x, m.y, out, ext_plain, picker, pane_show), -1) << m.line;
        EXPECT_EQ(shown(), m.line);
    }
    code_mark_clear();
    code_mark_num = code_mark_cap;
    capture::edit_text(out).clear();
    EXPECT_EQ(fill_flow_code(5, 20, out, ext_plain, picker, pane_show), -1);
    EXPECT_EQ(shown(), "");
    code_mark_clear();

    anal_first_run = 1;
    EXPECT_EQ(fill_flow_code(5, 20, out, ext_plain, picker, pane_show), 0);
    EXPECT_EQ(shown(), "");
}

TEST_F(CodePane, TableRowsAndTheWholeTable)
{
    node('A', '.', 0, 0, 1, 7);
    node('A', '.', 0, 1, 3, 4);
    paint_flow();
    EXPECT_EQ(fill_flow_code(0, 0, out, 1, picker, pane_table_head), 0);
    char header[256];
    node_header_str(header, sizeof header);
    EXPECT_EQ(shown().find(std::string(header) + "\r\n"), 0u);
    EXPECT_NE(shown().find(" first(-1) second(-1) third(-1)\r\n"), std::string::npos);
    capture::edit_text(out).clear();
    EXPECT_EQ(fill_flow_code(0, 0, out, 250, picker, pane_table_row), 0);
    EXPECT_EQ(shown(), " given table_index(250) is too large to max(2)\r\n");
    capture::edit_text(out).clear();
    EXPECT_EQ(fill_flow_code(5, 36, out, ext_short, picker, pane_table_row), 0);  // the node under the point
    EXPECT_EQ(shown().find(header), std::string::npos);
    EXPECT_NE(shown().find(" first("), std::string::npos);

    capture::edit_text(out).clear();
    dump_cb_to_edit(out);
    EXPECT_EQ(shown().find(std::string(header) + "\r\n"), 0u);
    size_t rows = 0;
    for (size_t p = shown().find(" first("); p != std::string::npos; p = shown().find(" first(", p + 1)) ++rows;
    EXPECT_EQ(rows, 2u);
    EXPECT_EQ(code_marks[code_mark_num - 1].kind, 0u);
}

TEST_F(CodePane, BranchesPrintTheirLines)
{
    node('A', '.', 0, 0, 1, 7);
    const int fork = node('I', 'd', 0, 1, 4, 4);
    const int other = node('A', '.', 1, 2, 5, 6);
    cbp[fork]->branch = other;
    paint_flow();
    EXPECT_EQ(fill_flow_code(5, 36, out, ext_branches, picker, pane_show), 0);
    EXPECT_EQ(shown(), "　   2a:helper(helper(1), cb);\r\n　     :return 0;\r\n");
    EXPECT_EQ(inverted(), (std::vector<std::pair<int, int>>{{1, 2}}));
}

TEST_F(CodePane, LineDisplayForm)
{
    set_line_mark(4, "●");
    const std::string long_line = "abcdefghijklmnopqrstuvwxyz";
    const struct {
        int line, ext, brackets;
        std::string text, expect;
    } cases[] = {
        {1, 0, 0, "a\tb", "a   b"},
        {1, 0, 0, "ab\tc", "ab  c"},                 // a tab at column 2 pads two blanks
        {1, 0, 1, "a[i]", "a［i］"},
        {1, 0, 0, "a[i]", "a[i]"},
        {1, -1, 0, long_line, long_line.substr(0, 20)},
        {4, -1, 0, long_line, long_line},            // a "●" line is not cut
        {-1, -1, 0, long_line, long_line.substr(0, 20)},
        {1, 0, 0, "あい", "あい"},
        {1, 0, 0, std::string("x") + "\x82", "x"},   // a lead byte at the end ends the copy
        {1, -1, 0, std::string(19, 'x') + "あ", std::string(19, 'x') + "あ"},
    };
    for (const auto &c : cases) {
        bracket_flag = c.brackets;
        EXPECT_EQ(std::string(flow_line_text(c.line, c.ext, c.text.c_str())), c.expect) << c.text;
    }
    bracket_flag = 0;
    const std::string tabs(2000, '\t');
    const std::string wide = flow_line_text(1, 0, tabs.c_str());
    EXPECT_LT(wide.size(), (size_t)flow_line_size);
    EXPECT_EQ(wide.size() % 4, 0u);
    std::string kanji;
    for (int i = 0; i < 600; ++i) kanji += "あ";
    const std::string cut = flow_line_text(1, 0, kanji.c_str());
    EXPECT_EQ(cut.size() % 2, 0u);
    EXPECT_LT(cut.size(), (size_t)flow_line_size);
}

TEST_F(CodePane, CallPickers)
{
    list_test::load_list("-- src.c --\nsrc.c 10 helper()\nsrc.c 20 cb()\n");
    fill_call_picker2(picker, 4, 5);
    EXPECT_EQ(picked(), (std::vector<std::string>{"helper", "helper", "helper"}));

    fill_call_picker(picker, 4, 5);
    EXPECT_EQ(picked(), (std::vector<std::string>{"helper", "helper", "helper"}));

    const auto tree_answer = pointer_arg_positions;
    pointer_arg_positions = [](const char *name, int *count, int *list, int) {
        if (strcmp(name, "helper") != 0) return 1;
        list[0] = 1;
        *count = 1;
        return 0;
    };
    fill_call_picker(picker, 5, 5);  // helper(helper(1), cb): cb is the pointer argument
    pointer_arg_positions = tree_answer;
    EXPECT_EQ(picked(), (std::vector<std::string>{"cb"}));

    list_test::write_file("deep.c", "f(f(f(f(f(f(f(f(f(f(f(f(1))))))))))));\nx) f(2);\n");
    int count = 0;
    load_source("deep.c", &count);
    set_source_lines(count);
    list_test::load_list("-- deep.c --\ndeep.c 1 f()\n");
    fill_call_picker(picker, 1, 1);
    EXPECT_EQ(picked().size(), 9u);  // stops at the tenth level
    fill_call_picker(picker, 2, 2);
    EXPECT_TRUE(picked().empty());   // a ")" that closes nothing ends the scan
    fill_call_picker2(picker, 2, 2);
    EXPECT_EQ(picked(), (std::vector<std::string>{"f"}));
}

TEST_F(CodePane, IdentifierPicker)
{
    pick_identifiers(picker, 4, 6, 1);
    EXPECT_EQ(picked(), (std::vector<std::string>{"a", "helper", "cb"}));
    set_search_key("cb");
    pick_identifiers(picker, 4, 6, 0);
    EXPECT_TRUE(picked().empty());
    EXPECT_EQ(field(), "cb");
    pick_identifiers(picker, 6, 6, 0);
    EXPECT_EQ(field(), "");
    pick_identifiers(picker, 6, 6, 1);  // only a flow keyword
    EXPECT_TRUE(picked().empty());
    EXPECT_EQ(field(), "");

    node('A', '.', 0, 0, 1, 7);
    node('A', '.', 0, 1, 5, 5);
    paint_flow();
    opt_end_line = 7;  // a ranged chart fills the field with the search key
    EXPECT_EQ(fill_flow_code(5, 36, out, ext_plain, picker, pane_show), 0);
    EXPECT_EQ(field(), "cb");
}

}  // namespace
