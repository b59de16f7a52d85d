// Line routing on a grid filled as the FLOW paint fills it: line pieces,
// loop-back lanes, jump records, connector records and their reuse.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "analyser/anal_inputs.h"
#include "analyser/anal_main.h"
#include "analyser/flow_grid.h"
#include "analyser/flow_layout.h"
#include "analyser/flow_nodes.h"
#include "analyser/flow_route.h"
#include "analyser/options.h"
#include "shell/anal_owner.h"
#include "anal_support.h"
#include "flow_charts.h"

namespace {

using namespace flow_charts;

using cells = std::map<std::pair<int, int>, int>;  // {row, column} -> cell

// Every cell that is not empty in the top-left corner of the grid.
cells used_cells(int rows, int columns)
{
    cells out;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (flow_grid[r][c] != -1) out[{r, c}] = flow_grid[r][c];
        }
    }
    return out;
}

int code_of(int i) { return cbp[i]->disp & 0x0F; }

class Route : public ::testing::Test {
protected:
    void SetUp() override
    {
        anal_test::fresh();
        alloc_flow_grid();
        for (auto row : flow_grid) {
            for (int c = 0; c < grid_cols; ++c) row[c] = -1;
        }
    }
    void TearDown() override
    {
        free_labels();
        free_cb_records();
        free_flow_grid();
        opt_p = 0;
    }

    // A plain node at a cell of its own.
    static int node_at(int column, int row)
    {
        const int i = run(1, tpl_block, -1);
        cbp[i]->m = 'a';
        cbp[i]->n = '-';
        cbp[i]->x = column;
        cbp[i]->y = row;
        flow_grid[row][column] = i;
        return i;
    }

    // The chart of "while (c) s;" laid out and routed.
    static int routed_loop()
    {
        const int body = head();
        const int s = slot(body, 'x', '>');
        const int w = run(4, tpl_while, s);
        link_entries(s, 0);
        plain_body(w + 1);
        finish();
        cb_base_num = cb_num;
        fill_flow_grid();
        route_flow_lines();
        return w;
    }
};

TEST_F(Route, StraightRunsAndTheLoopBackLane)
{
    const int w = routed_loop();  // 5; body 6, step 7, the slot 4
    const cells expected = {
        {{0, 0}, 0},                                                        // head test
        {{1, 0}, -12}, {{1, 2}, -5}, {{1, 3}, -3}, {{1, 4}, -6},            // the lane back
        {{2, 0}, -9}, {{2, 1}, 1}, {{2, 2}, w}, {{2, 3}, w + 1}, {{2, 4}, w + 2},
        {{3, 2}, -9}, {{3, 3}, 4}, {{3, 4}, 2},                             // loop exit
    };
    EXPECT_EQ(used_cells(8, 8), expected);
    EXPECT_EQ(code_of(w + 2), 10);  // the step record is drawn as a corner
    EXPECT_EQ(code_of(4), 3);       // the slot as a line joined to the right
    EXPECT_EQ(cb_num, cb_base_num);  // no connector needed
}

TEST_F(Route, IfWithoutElseJoinsFromBelow)
{
    const int body = head();
    const int s = slot(body, 'x', '>');  // 4
    const int d = run(5, tpl_if, s);     // 5..9
    link_entries(s, 0);
    plain_body(d + 1);
    finish();
    cb_base_num = cb_num;
    fill_flow_grid();
    route_flow_lines();
    const cells expected = {
        {{0, 0}, 0},
        {{1, 0}, -9}, {{1, 1}, 1}, {{1, 2}, d}, {{1, 3}, d + 1}, {{1, 4}, s}, {{1, 5}, 2},
        {{2, 2}, d + 3}, {{2, 3}, -3}, {{2, 4}, -10},
    };
    EXPECT_EQ(used_cells(8, 8), expected);
    EXPECT_EQ(code_of(s), 7);      // joined from the left, to the right and from below
    EXPECT_EQ(code_of(d + 3), 9);  // the empty alternative is a corner
}

TEST_F(Route, PrintOptionDrawsEveryNodeAsABox)
{
    opt_p = 1;
    const int w = routed_loop();
    for (int i = 0; i < cb_num; ++i) EXPECT_EQ(code_of(i), 0) << i;
    EXPECT_EQ(flow_grid[2][4], w + 2);
}

TEST_F(Route, RouteCodes)
{
    struct code_case {
        char t, m;
        int code;  // 0: the node itself
    };
    const code_case cases[] = {
        {'X', 'a', 0},   {'X', 'y', -2}, {'X', 'x', -2},  {'x', 'y', 0},  {'w', 'f', 0},  {'K', '.', -3},
        {'B', 'a', -2},  {'C', 'r', -2}, {'U', 'x', 0},   {'F', 'x', -2}, {'I', 'x', -2}, {'Y', 'y', -2},
        {'E', '.', -9},  {'I', '.', -9}, {'T', '.', 0},   {'U', '.', 0},  {'A', '.', 0},  {'D', '.', -2},
        {'.', '.', -2},  {'R', 'r', 0},  {'E', 'r', 0},   {'A', 'r', 0},  {'D', 'r', 0},  {'O', 'r', 0},
        {'W', 'r', -10}, {'F', 'r', -10}, {'N', 'r', -10}, {'I', 'd', 0}, {'W', 'f', 0},  {'M', 'a', 0},
    };
    for (const code_case &k : cases) {
        const int i = run(1, tpl_block, -1);
        cbp[i]->t = k.t;
        cbp[i]->m = k.m;
        opt_p = 0;
        EXPECT_EQ(cb_route_code(i), k.code == 0 ? i : k.code) << k.t << k.m;
        opt_p = 1;
        EXPECT_EQ(cb_route_code(i), i) << k.t << k.m;
    }
}

TEST_F(Route, ForeignCellStopsTheLineAtAConnector)
{
    struct stop_case {
        const char *what;
        char target_m;  // 'y': the target is drawn as a line piece
        bool upward;
    };
    const stop_case cases[] = {
        {"down into a node", 'a', false},
        {"down to a line-piece target", 'y', false},
        {"up and right into a node", 'a', true},
    };
    for (const stop_case &k : cases) {
        SCOPED_TRACE(k.what);
        free_cb_records();
        for (auto row : flow_grid) {
            for (int c = 0; c < 8; ++c) row[c] = -1;
        }
        // down: from (0,0) to (2,3) past a node at (0,2); up: from (0,5)
        // to (3,1) past a node at (2,5)
        const int from = k.upward ? node_at(0, 5) : node_at(0, 0);
        if (k.upward) node_at(2, 5);
        else node_at(0, 2);
        const int to = k.upward ? node_at(3, 1) : node_at(2, 3);
        cbp[to]->m = k.target_m;
        cb_base_num = cb_num;
        route_link(from, to);
        ASSERT_EQ(cb_num, cb_base_num + 1);
        const cb *c = cbp[cb_base_num];
        const int row = k.upward ? 5 : 1;
        const int column = k.upward ? 1 : 0;
        EXPECT_EQ(flow_grid[row][column], cb_base_num);
        EXPECT_EQ(c->t, k.upward ? 'u' : 'd');
        EXPECT_EQ(c->m, 'r');
        EXPECT_EQ(c->n, '-');
        EXPECT_EQ(c->branch, k.upward ? -3 : -12);  // the piece the cell held
        EXPECT_EQ(c->parent, to);
        EXPECT_EQ(c->x, column);
        EXPECT_EQ(c->y, row);
        EXPECT_EQ(c->yy, -1);
        EXPECT_EQ(c->roof, -1);
        // the line ends: no corner after the stop
        EXPECT_EQ(k.upward ? flow_grid[5][3] : flow_grid[3][0], -1);
        EXPECT_EQ(cbp[to]->t, k.target_m == 'y' ? 'x' : 'X');
        EXPECT_EQ(code_of(to), k.target_m == 'y' ? 15 : 0);
    }
}

TEST_F(Route, LineEndsQuietlyAtItsTargetsConnector)
{
    const int from = node_at(0, 0);
    const int to = node_at(0, 3);
    const int connector = make_connector(to, 0, 2, -1);
    flow_grid[2][0] = connector;
    cb_base_num = cb_num;
    route_link(from, to);
    EXPECT_EQ(cb_num, cb_base_num);
    EXPECT_EQ(flow_grid[1][0], -12);
    EXPECT_EQ(flow_grid[2][0], connector);
}

TEST_F(Route, UpwardRunMeetsPiecesInItsColumn)
{
    // from (0,5) up and right to (3,1); the piece in the way sits at (3,3)
    enum in_the_way { own_connector_above, foreign_connector_above, crossing };
    struct meet_case {
        in_the_way what;
        int piece_left;     // what (3,3) holds afterwards
        bool arrives;       // the line reaches the target
        bool new_connector;
    };
    const meet_case cases[] = {
        {own_connector_above, -14, true, false},
        {foreign_connector_above, -10, false, true},
        {crossing, -3, true, false},
    };
    for (const meet_case &k : cases) {
        SCOPED_TRACE(k.what);
        free_cb_records();
        for (int r = 0; r < 8; ++r) {
            for (int c = 0; c < 8; ++c) flow_grid[r][c] = -1;
        }
        const int from = node_at(0, 5);
        const int to = node_at(3, 1);
        const int other = node_at(6, 6);
        cbp[to]->disp = 0x01;
        if (k.what == crossing) {
            flow_grid[3][3] = -3;
        } else {
            flow_grid[3][3] = -10;
            flow_grid[2][3] = make_connector(k.what == own_connector_above ? to : other, 3, 2, -1);
        }
        cb_base_num = cb_num;
        route_link(from, to);
        EXPECT_EQ(flow_grid[3][3], k.piece_left);
        EXPECT_EQ(flow_grid[5][3], -10);  // the corner where the run turns up
        EXPECT_EQ(cbp[to]->disp, k.arrives ? 0x05 : 0x01);
        EXPECT_EQ(cb_num, cb_base_num + (k.new_connector ? 1 : 0));
        if (k.new_connector) EXPECT_EQ(flow_grid[4][3], cb_base_num);
        else EXPECT_EQ(flow_grid[4][3], -12);
    }
}

TEST_F(Route, BackwardLink)
{
    struct back_case {
        bool right_cell_taken;
    };
    for (const back_case k : {back_case{false}, back_case{true}}) {
        SCOPED_TRACE(k.right_cell_taken);
        free_cb_records();
        flow_grid[1][4] = -1;
        const int from = node_at(3, 1);
        const int to = node_at(1, 0);
        if (k.right_cell_taken) node_at(4, 1);
        cbp[from]->disp = 0x25;
        cb_base_num = cb_num;
        route_link(from, to);
        if (k.right_cell_taken) {
            EXPECT_EQ(cb_num, cb_base_num);
            EXPECT_EQ(cbp[from]->t, 'G');
            EXPECT_EQ(cbp[from]->yy, to);
            EXPECT_EQ(cbp[from]->disp, 0x20);
        } else {
            ASSERT_EQ(cb_num, cb_base_num + 1);
            EXPECT_EQ(flow_grid[1][4], cb_base_num);
            EXPECT_EQ(cbp[cb_base_num]->t, 'u');
            EXPECT_EQ(cbp[cb_base_num]->branch, -9);
            EXPECT_EQ(cbp[cb_base_num]->parent, to);
            EXPECT_EQ(cbp[from]->t, 'X');
        }
    }
}

TEST_F(Route, ConnectorsStopAtTheNodeLimit)
{
    const int from = node_at(0, 0);
    node_at(0, 2);
    const int to = node_at(2, 3);
    while (cb_num < cb_cap) run(1, tpl_block, -1);
    route_link(from, to);
    EXPECT_EQ(cb_num, cb_cap);
    EXPECT_EQ(flow_grid[1][0], -12);  // the last free cell keeps its piece
    EXPECT_EQ(flow_grid[3][0], -1);   // and the line still ends
    EXPECT_EQ(make_connector(to, 5, 5, -1), -1);
}

TEST_F(Route, RightwardLookUpStopsAtTheGridsEdge)
{
    struct edge_case {
        bool node_in_target_column;
        int piece_left;  // what the corner piece in the way becomes
    };
    for (const edge_case k : {edge_case{false, -9}, edge_case{true, -11}}) {
        SCOPED_TRACE(k.node_in_target_column);
        free_cb_records();
        for (int c = 990; c < grid_cols; ++c) flow_grid[5][c] = flow_grid[1][c] = -1;
        const int from = node_at(990, 5);
        const int to = node_at(999, 1);
        if (k.node_in_target_column) node_at(999, 5);
        flow_grid[5][998] = -9;
        cb_base_num = cb_num;
        route_link(from, to);
        EXPECT_EQ(flow_grid[5][998], k.piece_left);
        EXPECT_EQ(flow_grid[5][997], cb_base_num);  // a connector in the last free cell
        ASSERT_EQ(cb_num, cb_base_num + 1);
        EXPECT_EQ(cbp[cb_base_num]->t, 'u');
    }
}

TEST_F(Route, UpwardLookUpStopsAtTheGridsEdge)
{
    struct edge_case {
        bool node_on_the_lane;
        int piece_left;
    };
    for (const edge_case k : {edge_case{false, -10}, edge_case{true, -14}}) {
        SCOPED_TRACE(k.node_on_the_lane);
        free_cb_records();
        for (int r = 0; r < 8; ++r) {
            for (int c = 0; c < 8; ++c) flow_grid[r][c] = -1;
        }
        // a loop test at (1,4), its step record at (4,6): the lane is row 3
        const int test = node_at(1, 4);
        cbp[test]->t = 'W';
        cbp[test]->m = 'f';
        cbp[test]->disp = 0x40;
        cbp[test]->roof = -1;
        const int step = node_at(4, 6);
        cbp[step]->t = 'W';
        cbp[step]->m = 'r';
        cbp[step]->branch = test;
        const int from = node_at(3, 6);
        if (k.node_on_the_lane) node_at(4, 3);
        flow_grid[4][4] = -10;
        cb_base_num = cb_num;
        route_link(from, step);
        EXPECT_EQ(flow_grid[4][4], k.piece_left);
        ASSERT_EQ(cb_num, cb_base_num + 1);
        EXPECT_EQ(flow_grid[5][4], cb_base_num);
        EXPECT_EQ(cbp[cb_base_num]->parent, test);
        EXPECT_EQ(flow_grid[3][2], -1);  // the lane is not drawn on
    }
}

TEST_F(Route, SecondRoutingReusesTheConnectorSlots)
{
    const int from = node_at(0, 0);
    node_at(0, 2);
    const int to = node_at(2, 3);
    run(3, tpl_else, -1);  // a larger chart left records behind the base
    cb_num = 3;
    cb_base_num = 3;
    const cb *kept = cbp[3];
    route_link(from, to);
    ASSERT_EQ(cb_num, 4);
    EXPECT_EQ(cbp[3], kept);  // the record in the slot is filled, not replaced
    const cells first = used_cells(8, 8);

    fill_flow_grid();
    EXPECT_EQ(cb_num, 3);
    EXPECT_EQ(cbp[3], nullptr);  // the connector is freed and its slot empty
    EXPECT_NE(cbp[4], nullptr);
    route_link(from, to);
    EXPECT_EQ(used_cells(8, 8), first);
    EXPECT_EQ(cbp[3]->t, 'd');
}

// Charts the extraction makes from real sources: every node keeps its cell
// (or the connector that stopped a line on it), and a second routing, or a
// fold and unfold, draws the same grid.
class RouteSource : public Route, public ::testing::WithParamInterface<const char *> {};

cells route_chart()
{
    fill_flow_grid();
    route_flow_lines();
    return used_cells(60, 60);
}

TEST_P(RouteSource, RoutingIsStableAndKeepsEveryNode)
{
    anal_test::write_file("wordattr.dat", "");
    anal_test::write_file("src.c", GetParam());
    set_anal_owner(capture::new_edit());
    flow_start_line = -1;
    free_flow_grid();  // the run allocates its own rows
    std::vector<std::string> args = {"vokanal", "src.c", "-l1", "-L-1", "-o"};
    std::vector<char *> argv;
    for (auto &a : args) argv.push_back(&a[0]);
    ASSERT_EQ(anal_main((int)argv.size(), argv.data()), 0);
    ASSERT_GT(cb_base_num, 4);
    EXPECT_TRUE(capture::boxes.empty());

    const cells first = route_chart();
    for (int i = 0; i < cb_base_num; ++i) {
        const cb *c = cbp[i];
        if (c->m == 'e' || c->x < 0 || c->y < 0 || c->x >= 60 || c->y >= 60) continue;
        const int held = flow_grid[c->y][c->x];
        if (held != i) {
            ASSERT_GE(held, cb_base_num) << "node " << i;
            EXPECT_EQ(cbp[held]->branch, i);
        }
    }
    for (int i = cb_base_num; i < cb_num; ++i) {
        EXPECT_TRUE(cbp[i]->t == 'd' || cbp[i]->t == 'u') << i;
        EXPECT_LT(cbp[i]->parent, cb_base_num) << i;
    }
    const int total = cb_num;
    EXPECT_EQ(route_chart(), first);
    EXPECT_EQ(cb_num, total);

    cbp[4]->fold = 1;
    layout_flow();
    route_chart();
    cbp[4]->fold = 0;
    layout_flow();
    EXPECT_EQ(route_chart(), first);
}

INSTANTIATE_TEST_SUITE_P(Sources, RouteSource,
                         ::testing::Values(
                             "int f(int n)\n{\n  int i;\n  for (i = 0; i < n; i++) {\n"
                             "    if (i == 3) continue;\n    while (n > 2) {\n      n--;\n"
                             "      if (n == 5) break;\n    }\n  }\n  return n;\n}\n",
                             "int f(int n)\n{\n  switch (n) {\n  case 1:\n    a();\n    break;\n"
                             "  case 2:\n    b();\n  default:\n    c();\n  }\n  do {\n    n--;\n"
                             "  } while (n);\n  return 0;\n}\n",
                             "int f(int n)\n{\nagain:\n  n--;\n  if (n > 4) goto again;\n"
                             "  if (n) goto out;\n  a();\n  goto out;\nout:\n  return n;\n}\n",
                             "int f(int n)\n{\n  if (n == 1) a();\n  else if (n == 2) b();\n"
                             "  else if (n == 3) c();\n  else d();\n  for (;;) {\n"
                             "    for (;;) {\n      if (n) break;\n    }\n  }\n}\n"));

}  // namespace
