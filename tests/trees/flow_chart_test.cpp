// The flow chart's display list on hand-made node tables: placement, the
// text or piece of each cell, the ruler, the frames, the box of a line,
// the invalid entry lines and the links of a node; and the cell geometry.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "analyser/flow_grid.h"
#include "analyser/flow_nodes.h"
#include "analyser/options.h"
#include "analyser/parser.h"
#include "analyser/source_load.h"
#include "list_support.h"
#include "shell/cell_geom.h"
#include "shell/text.h"
#include "trees/flow_chart.h"
#include "trees/launch.h"

namespace {

// A node of a hand-made table: kind, mode, place and lines; no links.
int node(char t, char m, int x, int y, int sline = 1, int eline = 1)
{
    int column = 0;
    const int i = get_cb(1, tpl_other, -1, &column);
    cb *c = cbp[i];
    c->t = t;
    c->m = m;
    c->n = '-';
    c->disp = 0;
    c->branch = -1;
    c->parent = -1;
    c->roof = -1;
    c->x = x;
    c->y = y;
    c->sline = sline;
    c->eline = eline;
    c->fold = 0;
    cb_base_num = cb_num;
    return i;
}

class Chart : public ::testing::Test {
protected:
    void SetUp() override
    {
        list_test::fresh();
        alloc_flow_grid();
        opt_x = opt_y = 0;
        opt_w = 10;
        opt_h = 20;
        opt_end_line = 0;
        copy_bounded(func_name[0], sizeof func_name[0], "main");
        line_count = 30;
        for (int l = 0; l <= line_count; ++l) set_line_mark(l, "　");
    }
    void TearDown() override
    {
        for (int i = 0; i < flow_item_num; ++i) {
            const flow_item &it = flow_items[i];
            if (it.row < 0) continue;  // title and ruler
            EXPECT_TRUE(it.column >= 0 && it.column < grid_cols && it.row >= 0 && it.row < grid_rows) << i;
            EXPECT_TRUE(it.column >= opt_x && it.column < opt_x + opt_w) << i;
        }
    }
    const flow_item *at(int kind, int c, int r)
    {
        for (int i = 0; i < flow_item_num; ++i) {
            const flow_item &it = flow_items[i];
            if (it.kind == kind && it.column == c && it.row == r) return &it;
        }
        return nullptr;
    }
    std::vector<std::pair<int, int>> frames(int color)
    {
        std::vector<std::pair<int, int>> v;
        for (int i = 0; i < flow_item_num; ++i) {
            if (flow_items[i].kind == item_frame && flow_items[i].code == color)
                v.push_back({flow_items[i].column, flow_items[i].row});
        }
        return v;
    }
};

TEST_F(Chart, NoNodesPaintsNothing)
{
    EXPECT_EQ(paint_flow(), 0);
    EXPECT_EQ(flow_item_num, 0);
}

TEST_F(Chart, PlacesNodesInsideTheGridOnly)
{
    node('A', '.', 0, 0);
    node('A', 'e', 1, 0);
    node('A', '.', -1, 0);
    node('A', '.', 2, 1000);
    node('A', '.', 3, 2);
    paint_flow();
    EXPECT_EQ(flow_grid[0][0], 0);
    EXPECT_EQ(flow_grid[0][1], -1);
    EXPECT_EQ(flow_grid[2][3], 4);
    ASSERT_GT(flow_item_num, 0);
    EXPECT_EQ(std::string(flow_items[0].text),
              "-----------------------(main                )-------------------------------");
    EXPECT_EQ(flow_last_row, 2);
    const flow_item *t = at(item_text, 3, 2);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->x, 96);
    EXPECT_EQ(t->y, 48);
    EXPECT_EQ(at(item_text, 1, 0), nullptr);
}

TEST_F(Chart, CellTextsAndPieces)
{
    const int jump = node('P', '.', 0, 0);
    cbp[jump]->branch = 7;
    const int up = node('u', 'r', 1, 0);
    cbp[up]->parent = 3;
    const int down = node('d', 'r', 2, 0);
    cbp[down]->parent = 4;
    const int plain = node('A', '.', 3, 0);
    const int k = node('K', '.', 4, 0);
    const int empty = node('A', '.', 5, 0, 9, 8);
    const int folded = node('A', '.', 6, 0);
    cbp[folded]->fold = 1;
    const int arrow = node('O', 'x', 7, 0);
    paint_flow();
    const struct {
        int n;
        const char *text;  // null: a piece
        int piece;
    } cases[] = {
        {jump, ">7  ", 0},
        {up, "  3^", 0},
        {down, "  4v", 0},
        {plain, "  3a", 0},
        {k, nullptr, 3},
        {empty, nullptr, 3},
        {arrow, nullptr, 21},
    };
    for (const auto &c : cases) {
        const int column = cbp[c.n]->x;
        if (c.text != nullptr) {
            const flow_item *t = at(item_text, column, 0);
            ASSERT_NE(t, nullptr) << c.n;
            EXPECT_STREQ(t->text, c.text) << c.n;
        } else {
            const flow_item *p = at(item_piece, column, 0);
            ASSERT_NE(p, nullptr) << c.n;
            EXPECT_EQ(p->code, c.piece) << c.n;
        }
    }
    EXPECT_NE(at(item_fold, 6, 0), nullptr);
    EXPECT_EQ(at(item_fold, 3, 0), nullptr);
}

TEST_F(Chart, RulerShowsTheLastDigitsOfEachNumber)
{
    node('A', '.', 0, 5);
    opt_w = 4;
    paint_flow();
    std::vector<std::string> ruler;
    for (int i = 0; i < flow_item_num; ++i) {
        if (flow_items[i].kind == item_text && flow_items[i].y == 16 + 16 * 6) ruler.push_back(flow_items[i].text);
    }
    EXPECT_EQ(ruler, (std::vector<std::string>{"--5:", "--1-", "--2-", "--3-"}));

    opt_x = 1233;  // past the grid: a four-digit column and nothing read
    paint_flow();
    ruler.clear();
    for (int i = 0; i < flow_item_num; ++i) {
        if (flow_items[i].kind == item_text && flow_items[i].x == 32 && flow_items[i].row < 0) ruler.push_back(flow_items[i].text);
    }
    EXPECT_EQ(ruler, (std::vector<std::string>{"234-"}));
    EXPECT_EQ(flow_last_row, -1);
}

TEST_F(Chart, OriginOutsideTheGridPaintsNoCells)
{
    node('A', '.', 0, 0);
    node('A', '.', 2, 3);
    const int origins[][2] = {{-3, -2}, {998, 0}, {1005, 1005}, {0, -40}};
    for (const auto &o : origins) {
        opt_x = o[0];
        opt_y = o[1];
        paint_flow();
        for (int i = 0; i < flow_item_num; ++i) {
            const flow_item &it = flow_items[i];
            if (it.row < 0) continue;
            EXPECT_GE(it.column, 0);
            EXPECT_LT(it.column, grid_cols);
            EXPECT_EQ(it.x, 32 * (it.column - opt_x));
            EXPECT_EQ(it.y, 16 * (it.row - opt_y) + 16);
        }
    }
    opt_x = -3;
    opt_y = -2;
    paint_flow();
    const flow_item *t = at(item_text, 2, 3);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->x, 160);
    EXPECT_EQ(t->y, 96);
}

TEST_F(Chart, BoxOfLine)
{
    node('A', '.', 0, 0, 1, 20);   // 0 the function
    node('A', '.', 0, 1, 3, 9);    // 1
    node('A', '.', 0, 2, 5, 6);    // 2 innermost of 5..6
    node('A', '.', 0, 3, 5, 6);    // 3 an equal range: the earlier stays innermost
    node('A', '.', -1, -1, 12, 14); // 4 no place
    EXPECT_EQ(box_of_line(5), 3);   // the highest visible twin
    EXPECT_EQ(box_of_line(4), 1);
    EXPECT_EQ(box_of_line(13), -2); // no visible twin
    EXPECT_EQ(box_of_line(25), -2);
    cbp[3]->y = -1;
    EXPECT_EQ(box_of_line(5), 2);
}

TEST_F(Chart, FramesOfWholeAndRangedCharts)
{
    node('A', '.', 0, 0, 1, 20);
    node('A', '.', 0, 1, 2, 4);
    node('A', '.', 0, 2, 5, 6);
    node('A', '.', 0, 3, 7, 9);
    set_line_mark(5, "□");
    paint_flow();
    EXPECT_EQ(frames(color_blue), (std::vector<std::pair<int, int>>{{0, 2}}));
    EXPECT_TRUE(frames(color_red).empty());

    hit_line = 6;  // only node 2 holds it, which never takes the hit frame
    set_line_selected(8, 1);
    sel_cb = 1;
    paint_flow();
    EXPECT_EQ(frames(color_red), (std::vector<std::pair<int, int>>{{0, 3}, {0, 1}}));
    set_line_selected(8, 0);
    sel_cb = 99;
    hit_line = 8;
    paint_flow();
    EXPECT_EQ(frames(color_red), (std::vector<std::pair<int, int>>{{0, 3}}));

    hit_line = 0;
    opt_end_line = 9;
    list_test::load_list("-- a.c --\na.c 1 main(3)\na.c 1 main(8)\n");
    result_range(2);
    paint_flow();
    EXPECT_EQ(frames(color_blue), (std::vector<std::pair<int, int>>{{0, 1}, {0, 3}}));
    EXPECT_EQ(memcmp(line_mark[8], "●", 2), 0);
    paint_flow();  // node 1 now holds a "●" line
    EXPECT_EQ(frames(color_blue), (std::vector<std::pair<int, int>>{{0, 1}, {0, 1}, {0, 3}}));
}

TEST_F(Chart, CheckEntryLinesReportsBoxesWithoutAVisibleNode)
{
    node('A', '.', 0, 0, 1, 500);
    node('A', '.', -1, -1, 10, 400);  // no place, no twin
    std::string tag = "-- a.c --\n";
    for (int i = 0; i < 130; ++i) tag += "a.c 1 main(" + std::to_string(10 + i) + ")\n";
    tag += "a.c 1 main(450)\n";
    list_test::load_list(tag);
    result_range(2);
    EXPECT_EQ(check_entry_lines(), 100);
    const std::string out = capture::edit_text(code_out_hwnd);
    EXPECT_EQ(out.find("a.c (10): ●無効行です BOX(1) 10～400\r\n"), 0u);
    EXPECT_EQ(out.find("(450)"), std::string::npos);
    EXPECT_EQ(out.find("(110)"), std::string::npos);
}

TEST_F(Chart, LinksOfANode)
{
    // 0 a while loop (m 'r') looping back to its head 1 under roof 2; 3 a goto to 4.
    const int loop = node('W', 'r', 2, 5);
    const int head = node('A', '.', 1, 3);
    const int roof = node('A', '.', 0, 0);
    cbp[loop]->branch = head;
    cbp[head]->roof = roof;
    cell_seg segs[link_seg_cap];
    int n = cb_link_segments(loop, segs, link_seg_cap);
    ASSERT_EQ(n, 3);
    EXPECT_EQ(segs[0].x0, 2);
    EXPECT_EQ(segs[0].y0, 1);  // row h.y - 2
    EXPECT_EQ(segs[0].y1, 5);
    EXPECT_EQ(segs[1].x0, 1);
    EXPECT_EQ(segs[1].x1, 2);
    EXPECT_EQ(segs[2].y1, 3);

    const int jump = node('P', '.', 4, 6);
    const int hidden = node('A', '.', -1, -1);
    const int target = node('A', '.', 4, 9);
    cbp[jump]->branch = hidden;
    cbp[hidden]->n = '>';
    EXPECT_EQ(jump_target_cb(jump), target);
    n = cb_link_segments(jump, segs, link_seg_cap);
    ASSERT_GE(n, 1);
    EXPECT_EQ(segs[0].x0, 4);
    EXPECT_EQ(segs[0].y0, 6);
    EXPECT_EQ(segs[0].y1, 9);
    cbp[jump]->x = 0;  // a goto in column 0 draws no jump
    EXPECT_EQ(cb_link_segments(jump, segs, link_seg_cap), 0);
    EXPECT_EQ(cb_link_segments(-1, segs, link_seg_cap), 0);
}

TEST_F(Chart, SuccessorChainAndBranch)
{
    const int a = node('A', '.', 1, 1);
    const int b = node('A', '.', 3, 2);
    const int c = node('A', '.', 3, 4);
    cbp[a]->n = '>';
    cbp[b]->n = '>';
    cbp[b]->disp = 0x03;  // the chain goes on to c
    cbp[c]->disp = 0x40;
    cell_seg segs[link_seg_cap];
    const int n = cb_link_segments(a, segs, link_seg_cap);
    ASSERT_EQ(n, 4);
    EXPECT_EQ(segs[0].x0, 1);
    EXPECT_EQ(segs[0].x1, 3);
    EXPECT_EQ(segs[0].y1, 1);
    EXPECT_EQ(segs[1].y1, 2);
    EXPECT_EQ(segs[3].y1, 4);

    const int fork = node('I', 'd', 5, 1);
    const int other = node('A', '.', 7, 3);
    cbp[fork]->branch = other;
    const int m = cb_link_segments(fork, segs, link_seg_cap);
    ASSERT_EQ(m, 2);
    EXPECT_EQ(segs[0].x0, 5);
    EXPECT_EQ(segs[0].y1, 3);
    EXPECT_EQ(segs[1].x1, 7);
}

TEST(CellGeom, RectanglesAtZoomsAndOrigins)
{
    const struct {
        int c, r, ox, oy, zoom;
        cell_rect expect;
    } cases[] = {
        {1, 0, 0, 0, 16, {32, 16, 64, 32}},
        {1, 0, 0, 0, 8, {16, 8, 32, 16}},
        {1, 0, 0, 0, 13, {26, 13, 52, 26}},
        {5, 3, 4, 3, 16, {32, 16, 64, 32}},  // the origin moved with the cell
        {0, 0, 2, 1, 16, {-64, 0, -32, 16}},
    };
    for (const auto &c : cases) {
        const cell_rect r = cell_box(c.c, c.r, c.ox, c.oy, c.zoom);
        EXPECT_EQ(r.left, c.expect.left);
        EXPECT_EQ(r.top, c.expect.top);
        EXPECT_EQ(r.right, c.expect.right);
        EXPECT_EQ(r.bottom, c.expect.bottom);
    }
    const cell_seg s = connector_seg(0, 0, 2, 1, 0, 0, 16);
    EXPECT_EQ(s.x0, 16);
    EXPECT_EQ(s.y0, 24);
    EXPECT_EQ(s.x1, 80);
    EXPECT_EQ(s.y1, 40);
}

TEST(CellGeom, EveryPieceCode)
{
    const struct {
        int code, result, count;
    } cases[] = {
        {0, 0, 0},  {1, 0, 0},  {2, 1, 0},  {3, 0, 1},  {4, 0, 0},  {5, 0, 2},  {6, 0, 2},  {7, 0, 2},
        {8, 0, 0},  {9, 0, 2},  {10, 0, 2}, {11, 0, 2}, {12, 0, 1}, {13, 0, 2}, {14, 0, 2}, {15, 0, 2},
        {16, 1, 0}, {17, 1, 0}, {18, 1, 0}, {19, 1, 0}, {20, 1, 0}, {21, 0, 3}, {22, 0, 0},
    };
    for (const auto &c : cases) {
        cell_seg out[piece_seg_cap];
        int count = -1;
        EXPECT_EQ(piece_segs(0, 0, 0, 0, 16, c.code, out, &count), c.result) << c.code;
        EXPECT_EQ(count, c.count) << c.code;
    }
    cell_seg out[piece_seg_cap];
    int count = 0;
    piece_segs(0, 0, 0, 0, 16, 3, out, &count);
    EXPECT_EQ(out[0].x0, 0);
    EXPECT_EQ(out[0].x1, 33);
    piece_segs(1, 1, 1, 0, 13, 12, out, &count);  // zoom 13, origin moved a column
    EXPECT_EQ(out[0].x0, 13);
    EXPECT_EQ(out[0].y0, 32 - 6);
    EXPECT_EQ(out[0].y1, 32 + 6 + 1);
    piece_segs(0, 0, 0, 0, 16, 21, out, &count);
    EXPECT_EQ(out[1].x0, 31);
    EXPECT_EQ(out[1].x1, 27);
    EXPECT_EQ(out[1].y1, 20);
    EXPECT_EQ(out[2].y1, 28);
}

TEST(CellGeom, JunctionStubs)
{
    cell_seg out[junction_seg_cap];
    int count = 0;
    cell_rect box{};
    junction_shape(2, 1, 1, 0, 15, out, &count, &box);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(out[0].x0, 48);
    EXPECT_EQ(out[0].y0, 32);
    EXPECT_EQ(box.left, 46);
    EXPECT_EQ(box.bottom, 43);
    junction_shape(0, 0, 0, 0, 2, out, &count, &box);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(out[0].x1, 14);
}

}  // namespace
