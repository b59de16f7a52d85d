// The RELATION graph: the ".cpg" text with deleted rows, the pick of nodes
// and link midpoints, merge and delete, a full table, names cut at a
// character pair and a failed save keeping the old file.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#ifdef _WIN32
#include <direct.h>
#else
#include <unistd.h>
#endif

#include "tests/support/capture_host.h"
#include "trees/graph.h"

namespace {

// A file's bytes with CR LF read as LF.
std::string file_text(const char *name)
{
    std::ifstream in(name, std::ios::binary);
    if (!in) return "<missing>";
    std::stringstream s;
    s << in.rdbuf();
    std::string out;
    for (char c : s.str()) {
        if (c != '\r') out += c;
    }
    return out;
}

void make_folder(const char *name)
{
#ifdef _WIN32
    _mkdir(name);
#else
    mkdir(name, 0700);
#endif
}

class Graph : public ::testing::Test {
protected:
    void SetUp() override
    {
        capture::reset();
        graph_reset();
        remove("g.cpg");
    }
};

TEST_F(Graph, OneNamedNodeIsWrittenInItsColumns)
{
    graph_name_node(graph_add_node(100, 50), "node.S");
    EXPECT_EQ(0, graph_write("g.cpg"));
    EXPECT_EQ("#F1\n     100       50      node\n#L1\n", file_text("g.cpg"));
}

TEST_F(Graph, DeletedRowsKeepTheirPlaces)
{
    graph_name_node(graph_add_node(100, 50), "node");
    graph_name_node(graph_add_node(10, 20), "gone");
    graph_name_node(graph_add_node(7, 8), "漢字.S");
    graph_add_link(0, 2, "*");
    graph_add_link(1, 2, "x");
    graph_delete_node(1);
    EXPECT_EQ(0, graph_write("g.cpg"));
    EXPECT_EQ("#F1\n"
              "     100       50      node\n"
              "      -1       -1      \n"
              "       7        8      漢字\n"
              "#L1\n"
              "       0        2      *\n"
              "      -1       -1      \n",
              file_text("g.cpg"));
    EXPECT_TRUE(capture::boxes.empty());
}

TEST_F(Graph, NodePickTakesTheLowestRowWithinTheTolerance)
{
    graph_add_node(100, 100);
    graph_add_node(105, 100);
    graph_add_node(300, 300);
    graph_delete_node(2);
    struct pick {
        int x, y, expect;
    } picks[] = {
        {103, 100, 0}, {106, 106, 0}, {107, 100, 1}, {111, 94, 1}, {112, 100, -1}, {300, 300, -1},
    };
    for (const pick &p : picks) EXPECT_EQ(p.expect, graph_node_at(p.x, p.y, 6)) << p.x << "," << p.y;
}

TEST_F(Graph, LinkPickUsesTheIntegerMidpoint)
{
    graph_add_node(0, 0);
    graph_add_node(5, 5);
    graph_add_node(100, 0);
    const int l = graph_add_link(0, 1, "*");
    graph_add_link(1, 2, "*");
    EXPECT_EQ(l, graph_link_at(2, 2, 0));   // (5 / 2, 5 / 2)
    EXPECT_EQ(-1, graph_link_at(3, 3, 0));  // not rounded up
    EXPECT_EQ(1, graph_link_at(52, 2, 0));
    graph_delete_link(l);
    EXPECT_EQ(-1, graph_link_at(2, 2, 12));
}

TEST_F(Graph, MergeMovesTheLinksAndDeletesTheNode)
{
    for (int n = 0; n < 3; ++n) graph_add_node(10 * n, 0);
    graph_add_link(0, 2, "a");
    graph_add_link(2, 0, "b");  // refused: 0 and 2 are linked
    graph_add_link(1, 2, "c");
    ASSERT_EQ(2, graph_link_num);
    graph_merge_node(0, 1);
    EXPECT_EQ(-1, graph_nodes[0].x);
    EXPECT_EQ(1, graph_links[0].from);
    EXPECT_EQ(2, graph_links[0].to);
    EXPECT_EQ(0, graph_find_link(2, 1));
    EXPECT_EQ(-1, graph_find_link(1, 1));
    graph_delete_node(2);
    EXPECT_EQ(-1, graph_links[0].from);
    EXPECT_EQ(-1, graph_links[1].to);
    EXPECT_EQ(-1, graph_add_link(0, 1, "to a deleted node"));
}

TEST_F(Graph, FullNodeTableAddsNothing)
{
    for (int n = 0; n < graph_node_max; ++n) ASSERT_EQ(n, graph_add_node(n, n));
    EXPECT_EQ(-1, graph_add_node(5, 5));
    EXPECT_EQ(graph_node_max, graph_node_num);
}

TEST_F(Graph, NamesAreCutOnACharacterPair)
{
    const int n = graph_add_node(1, 1);
    graph_add_node(2, 2);
    const int l = graph_add_link(0, 1, "");
    const std::string a30(30, 'a');
    EXPECT_EQ(0, graph_name_node(n, (a30 + "漢.S").c_str()));  // 32 bytes without the extension
    EXPECT_EQ(a30, graph_nodes[n].name);
    EXPECT_EQ(0, graph_name_link(l, (a30 + "字").c_str()));
    EXPECT_EQ(a30, graph_links[l].name);
    EXPECT_EQ(1, graph_name_node(7, "x"));
    EXPECT_EQ(1, graph_name_link(3, "x"));
}

TEST_F(Graph, FailedSaveKeepsTheOldFileAndSaysSo)
{
    graph_name_node(graph_add_node(1, 2), "a");
    ASSERT_EQ(0, graph_write("g.cpg"));
    const std::string old = file_text("g.cpg");
    graph_name_node(graph_add_node(3, 4), "b");
    make_folder("g.cpg.$$$");  // the temporary cannot be created
    EXPECT_EQ(1, graph_write("g.cpg"));
    rmdir("g.cpg.$$$");
    EXPECT_EQ(old, file_text("g.cpg"));
    ASSERT_EQ(1u, capture::boxes.size());
    EXPECT_EQ("ファイル(g.cpg)をオープン出来ません", capture::boxes[0].text);
    EXPECT_EQ(1, graph_write("no_such_folder/g.cpg"));
}

}  // namespace

namespace {

TEST_F(Graph, LeftPressPicksOrAddsAndRefusesWhenFull)
{
    int added = 0;
    EXPECT_EQ(0, graph_press(50, 50, &added));
    EXPECT_EQ(1, added);
    EXPECT_EQ(0, graph_press(56, 44, &added));  // within 6: the same node
    EXPECT_EQ(0, added);
    while (graph_node_num < graph_node_max) graph_add_node(500, 500);
    EXPECT_EQ(-1, graph_press(200, 200, &added));  // full: no current node, never node 0
    EXPECT_EQ(0, added);
}

TEST_F(Graph, RightDragDecidesMoveDeleteOrMerge)
{
    graph_add_node(10, 10);   // 0
    graph_add_node(100, 10);  // 1
    graph_add_node(200, 10);  // 2
    graph_add_link(0, 2, "*");
    struct drag_case {
        int px, py, x, y, kind, a, b, link;
    } cases[] = {
        {300, 300, 10, 10, graph_drag_none, -1, -1, -1},     // from empty ground
        {12, 12, 50, 60, graph_drag_move, 0, -1, -1},
        {12, 12, 8, 14, graph_drag_ask_node, 0, 0, -1},
        {12, 12, 198, 10, graph_drag_ask_link, 0, 2, 0},
        {12, 12, 100, 16, graph_drag_merge, 0, 1, -1},
    };
    for (const drag_case &c : cases) {
        const graph_drag d = graph_release(c.px, c.py, c.x, c.y);
        EXPECT_EQ(c.kind, d.kind) << c.x << "," << c.y;
        EXPECT_EQ(c.a, d.a);
        EXPECT_EQ(c.b, d.b);
        EXPECT_EQ(c.link, d.link);
    }
    EXPECT_EQ(0, graph_move_node(0, 50, 60));
    EXPECT_EQ(0, graph_node_at(50, 60, 0));
    graph_delete_node(1);
    EXPECT_EQ(1, graph_move_node(1, 5, 5));
}

TEST_F(Graph, LinkPensFollowTheKindOrKeepThePrevious)
{
    struct pen_case {
        const char *kind;
        unsigned colour;
        int style;
    } cases[] = {
        {"DS", 0x000000, graph_line_solid}, {"RA", 0x0000ff, graph_line_dash}, {"GX", 0x00ff00, graph_line_dot},
        {"B", 0xff0000, graph_line_dot},    {"xS", 0xff0000, graph_line_dot},  // keeps the blue dotted pen
    };
    graph_pen pen = graph_first_pen;
    EXPECT_EQ(0x0000ffu, graph_pen_of("", pen).colour);  // the first pen: solid red
    EXPECT_EQ(graph_line_solid, graph_pen_of("", pen).style);
    for (const pen_case &c : cases) {
        pen = graph_pen_of(c.kind, pen);
        EXPECT_EQ(c.colour, pen.colour) << c.kind;
        EXPECT_EQ(c.style, pen.style) << c.kind;
    }
    EXPECT_TRUE(graph_shows_name("*"));
    EXPECT_FALSE(graph_shows_name("."));
    EXPECT_FALSE(graph_shows_name(""));
}

}  // namespace
