// The LIST and FLOW path with the real analyser: select over a copy of the
// sample project and over generated stress functions, then a flow run and a
// paint of every function: the title names it, every placed node is drawn
// in exactly one cell, and nothing lies outside the grid.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "analyser/anal_main.h"
#include "analyser/flow_grid.h"
#include "analyser/flow_nodes.h"
#include "analyser/options.h"
#include "list_support.h"
#include "shell/runner.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "trees/flow_chart.h"
#include "trees/launch.h"

namespace {

std::string chain(int links)
{
    std::string s = "int chain(int v)\n{\n";
    for (int i = 0; i < links; ++i) s += "    goto L" + std::to_string(i) + ";\nL" + std::to_string(i) + ":\n    v++;\n";
    return s + "    return v;\n}\n";
}

std::string else_if(int count)
{
    std::string s = "int choose(int v)\n{\n    if (v == 0) v = 1;\n";
    for (int i = 1; i < count; ++i) s += "    else if (v == " + std::to_string(i) + ") v = " + std::to_string(i + 1) + ";\n";
    return s + "    else v = 0;\n    return v;\n}\n";
}

std::string loops(int depth)
{
    std::string s = "int loops(int v)\n{\n    int i = 0;\n";
    for (int d = 0; d < depth; ++d) s += std::string(4 + 4 * d, ' ') + "for (i = 0; i < 9; i++) {\n";
    s += "v++;\n";
    for (int d = depth - 1; d >= 0; --d) s += std::string(4 + 4 * d, ' ') + "}\n";
    return s + "    return v;\n}\n";
}

std::string switches(int count)
{
    std::string s = "int pick(int v)\n{\n    switch (v) {\n";
    for (int i = 0; i < count; ++i) s += "    case " + std::to_string(i) + ":\n        v = 1;\n        break;\n";
    return s + "    default:\n        v = 0;\n    }\n    while (v) { if (v > 3) break; v--; }\n    return v;\n}\n";
}

class RealChart : public ::testing::Test {
protected:
    void SetUp() override
    {
        list_test::fresh();
        anal_runner = anal_main;
        host_getcwd(here, sizeof here);
        list_test::fresh_folder("real_charts");
        host_chdir("real_charts");
    }
    void TearDown() override { host_chdir(here); }

    // Flow-runs and paints every function entry of the list.
    int paint_every_function()
    {
        int painted = 0;
        for (int p = 0; p < i_num; ++p) {
            const int e = fl_order[p];
            if (is_header(e)) continue;
            cur_index = p;
            run_anal_range();
            opt_x = opt_y = 0;
            opt_w = grid_cols;
            opt_h = grid_rows;
            paint_flow();
            if (cb_num == 0) continue;
            ++painted;
            check_paint(fl_name[e]);
        }
        return painted;
    }

    void check_paint(const char *entry)
    {
        ASSERT_GT(flow_item_num, 0) << entry;
        char name[fl_name_size];
        display_name(entry, name, sizeof name);
        EXPECT_NE(std::string(flow_items[0].text).find(std::string("(") + name), std::string::npos)
            << entry << ": " << flow_items[0].text;
        std::map<std::pair<int, int>, int> cells;
        for (int i = 1; i < flow_item_num; ++i) {
            const flow_item &it = flow_items[i];
            if (it.row < 0) continue;
            EXPECT_TRUE(it.column >= 0 && it.column < grid_cols && it.row >= 0 && it.row < grid_rows) << entry;
            if (it.kind == item_text || it.kind == item_piece) ++cells[{it.column, it.row}];
        }
        for (int n = 0; n < cb_base_num; ++n) {
            const cb *c = cbp[n];
            if (c == nullptr || c->m == 'e' || c->x < 0 || c->y < 0 || c->x >= grid_cols || c->y >= grid_rows) continue;
            if (flow_grid[c->y][c->x] != n) continue;  // a later node took the cell
            EXPECT_EQ((cells[{c->x, c->y}]), 1) << entry << " node " << n;
        }
    }
    char here[512];
};

TEST_F(RealChart, EveryFunctionOfTheSamples)
{
    const char *const files[] = {"main.c", "sales.c", "sales.h", "wordattr.dat"};
    for (const char *f : files) {
        list_test::write_file(f, list_test::read_file(std::string(VOK_SAMPLES "/") + f));
    }
    char command[] = "select *.c *.h";
    ASSERT_EQ(run_command(command, select_main), 0);
    int functions = 0;
    for (int p = 0; p < i_num; ++p) functions += !is_header(fl_order[p]) && !is_class_text(fl_name[fl_order[p]]);
    ASSERT_GT(functions, 2);
    EXPECT_EQ(paint_every_function(), functions);  // a structure has no chart
}

TEST_F(RealChart, StressFunctions)
{
    list_test::write_file("s_chain.c", chain(3331));
    list_test::write_file("s_elseif.c", else_if(200));
    list_test::write_file("s_loops.c", loops(40));
    list_test::write_file("s_switch.c", switches(300));
    char command[] = "select s_*.c";
    ASSERT_EQ(run_command(command, select_main), 0);
    ASSERT_EQ(get_f_num(), 4);
    EXPECT_EQ(paint_every_function(), 4);
}

}  // namespace
