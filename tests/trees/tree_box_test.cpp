// The tree builder: header boxes, rows and levels, merging, the letters,
// HBOX names, the overflow and parent messages with their caps, the level
// range, a full parameter pool, and the node lines and "ftree.f" it writes.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "forms/rtree.h"
#include "tests/analyser/tree_support.h"
#include "trees/ftree_files.h"
#include "trees/tree_box.h"

namespace {

std::string fixture(const char *name) { return anal_test::read_file(std::string(VOK_TREES_FIXTURES "/") + name); }

// The call tables hold the sources and names; the builder's tables are
// allocated and the tree listing is open.
class TreeBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree_test::setup();
        tree_box_reset();
        ASSERT_EQ(write_ftree_t(), 0);
        add_src("a.c");
        add_src("b.c");
        clear_rtree();
        ASSERT_EQ(ftree_alloc(), 0);
        ASSERT_EQ(ftree_s_open("ftree_s.txt"), 0);
        tree_level_reset();
    }
    void TearDown() override
    {
        ftree_s_close();
        tree_box_reset();
        call_tables_release();
    }
    static int node(int source, int line, int level, const char *name, int kind, int call_source, int call_line,
                    int caller_line, int mark)
    {
        return add_tree_box(source, line, level, intern_name(name), kind, call_source, call_line, caller_line, mark);
    }
    // The small tree of the expected files.
    static void small_tree()
    {
        node(0, 10, 0, "main", 0, -1, -1, 10, -1);
        node(0, 20, 1, "helper", 0, 0, 12, 10, -1);
        node(1, 5, 2, "priv", 0, 1, 22, 20, -2);
        node(0, 20, 1, "helper", 0, 0, 14, 10, -1);  // merged
        node(-1, -1, 1, "puts", 0, 0, 13, 10, -1);
        node(1, 30, 1, "cb", 4, 0, 15, 10, 2);
        node(0, 40, 1, "a_function_name_of_32_characters", 2, 0, 16, 10, -1);
        node(0, 50, 0, "main", 0, -1, -1, 50, -1);  // another line: its own root
        node(0, 10, 0, "main", 0, -1, -1, 10, -1);  // the first root again
        node(0, 20, 1, "helper", 0, 0, 17, 10, -1);  // merged below it
        node(-1, -1, 0, "ext", 0, -1, -1, -1, -1);
        node(1, 60, 0, "spriv", 0, -1, -1, 60, -2);
    }
    static std::vector<int> y_of(const std::vector<int> &boxes)
    {
        std::vector<int> v;
        for (int b : boxes) v.push_back(tbox_tbl[b].y1);
        return v;
    }
};

TEST_F(TreeBox, SmallTreeWritesTheExpectedFiles)
{
    small_tree();
    ftree_s_close();
    ASSERT_EQ(write_tree_form("ftree.f"), 0);
    EXPECT_EQ(anal_test::read_file("ftree.f"), fixture("small_tree.f"));
    EXPECT_EQ(anal_test::read_file("ftree_s.txt"), fixture("small_tree_s.txt"));
    EXPECT_EQ(anal_test::read_file("ftree_f.txt"), "S00000 a.c\nS00001 b.c\n");
    EXPECT_EQ(tree_box_call_num, 12);
}

TEST_F(TreeBox, FirstChildInItsParentsRowSiblingBelowTheDeepestRow)
{
    node(0, 1, 0, "r", 0, -1, -1, 1, -1);    // box 3, row 0
    node(0, 2, 1, "a", 0, 0, 2, 1, -1);      // box 4, row 0
    node(0, 3, 2, "b", 0, 0, 3, 2, -1);      // box 5, row 0
    node(0, 4, 2, "c", 0, 0, 4, 2, -1);      // box 6, row 1
    node(0, 5, 3, "d", 0, 0, 5, 4, -1);      // box 7, row 1 (its parent's)
    node(0, 6, 1, "e", 0, 0, 6, 1, -1);      // box 8, row 2: below level 3's row 1
    node(0, 7, 0, "s", 0, -1, -1, 7, -1);    // box 9, row 3
    ASSERT_EQ(tbox_num, 10);
    EXPECT_EQ(y_of({3, 4, 5, 6, 7, 8, 9}), (std::vector<int>{26, 26, 26, 52, 52, 78, 104}));
    for (int b = 3; b < 10; ++b) {
        EXPECT_EQ(tbox_tbl[b].y2 - tbox_tbl[b].y1, 13) << b;
        EXPECT_EQ(tbox_tbl[b].x2 - tbox_tbl[b].x1, 100) << b;
    }
    EXPECT_EQ(tbox_tbl[7].x1, 390);
}

TEST_F(TreeBox, HeaderBoxesComeFirstAndMergingKeepsOneBox)
{
    node(0, 1, 0, "r", 0, -1, -1, 1, -1);
    ASSERT_EQ(tbox_num, 4);
    const char letters[] = {'W', 'Q', 'V', 'X'};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(tbox_tbl[i].type, letters[i]) << i;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(tbox_tbl[i].name, -1) << i;
        EXPECT_EQ(tbox_tbl[i].source, -1) << i;
    }
    EXPECT_EQ(tbox_tbl[1].x1, 84);
    EXPECT_EQ(tbox_tbl[2].y2, 22);
    EXPECT_EQ(tparam_num, 4);
    // Level 0: the same name, source and line merge; another source does not.
    node(0, 1, 0, "r", 0, -1, -1, 1, -1);
    node(1, 1, 0, "r", 0, -1, -1, 1, -1);
    EXPECT_EQ(tbox_num, 5);
    // Deeper: the name alone merges, whatever the source and line.
    node(0, 9, 1, "k", 0, 0, 9, 1, -1);
    node(1, 8, 1, "k", 0, 1, 3, 1, -1);
    EXPECT_EQ(tbox_num, 6);
    // A child of the merged box goes under it.
    node(0, 2, 2, "m", 0, 0, 2, 9, -1);
    EXPECT_EQ(rtree[6].parent, 5);
    EXPECT_EQ(tlink_num, 4);
}

TEST_F(TreeBox, LettersInTheirOrder)
{
    node(0, 1, 0, "r", 0, -1, -1, 1, -1);
    static const struct {
        int kind, line;
        char letter;
    } cases[] = {{4, -1, 'A'}, {0, -1, 'B'}, {2, -1, 'B'}, {0, 5, 'X'}, {1, 5, 'R'},
                 {2, 5, 'G'},  {3, 5, 'Y'},  {4, 5, 'A'},  {7, 5, 'X'}, {-1, 5, 'X'}};
    int i = 0;
    for (const auto &c : cases) {
        const std::string name = "f" + std::to_string(i++);
        node(0, c.line, 1, name.c_str(), c.kind, 0, 1, 1, -1);
        EXPECT_EQ(tbox_tbl[tbox_num - 1].type, c.letter) << c.kind << " " << c.line;
    }
    EXPECT_STREQ(tbox_type_name('Z'), "???");
    EXPECT_STREQ(tbox_type_name('C'), "COMMENT");
}

TEST_F(TreeBox, HboxAtThirtyTwoCharactersNotAtThirtyOne)
{
    node(0, 1, 0, "r", 0, -1, -1, 1, -1);
    const std::string n31(31, 'q'), n32(32, 'q'), m32 = std::string(31, 'q') + "z";
    node(0, 2, 1, n31.c_str(), 0, 0, 2, 1, -1);
    node(1, 3, 1, n32.c_str(), 3, 0, 3, 1, -2);
    node(0, 4, 1, m32.c_str(), 0, 0, 4, 1, -1);  // another long name: not merged with the first
    ASSERT_EQ(tbox_num, 7);
    EXPECT_EQ(tbox_tbl[4].type, 'X');
    EXPECT_STREQ(name_at(tbox_tbl[4].name), n31.c_str());
    EXPECT_EQ(tbox_tbl[5].type, 'H');
    EXPECT_EQ(tbox_tbl[5].name, -1);
    EXPECT_EQ(std::string(tparam_tbl[5], strcspn(tparam_tbl[5], "\n")), n32 + " YBOX 1S");
    EXPECT_EQ(tbox_tbl[6].type, 'H');
    ftree_s_close();
    const std::vector<std::string> lines = tree_test::lines_of(anal_test::read_file("ftree_s.txt"), "E");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "E00005 a.c 3 " + n32 + " 1 S");
}

TEST_F(TreeBox, BoxOverflowIsShownTenTimes)
{
    // Roots of 490 children each: the table fills in the 101st; the 102nd root
    // is refused and its children with it.
    std::vector<int> names;
    for (int i = 0; i < 500; ++i) names.push_back(intern_name(("c" + std::to_string(i)).c_str()));
    for (int r = 0; r < 102; ++r) {
        add_tree_box(0, r, 0, names[0], 0, -1, -1, r, -1);
        for (int c = 1; c <= 490; ++c) add_tree_box(0, c, 1, names[c], 0, 0, c, r, -1);
    }
    EXPECT_EQ(tbox_num, tbox_cap);
    const std::string out = anal_test::code_output();
    EXPECT_EQ(tree_test::count_of(out, "★★★E3939 関数がオーバしました(49152)★★★\r\n"), 10);
    // The children of a root that was not placed are refused as well.
    EXPECT_EQ(tree_test::count_of(out, "E3333 異常発生"), 10);
    EXPECT_EQ(tparam_num, tbox_cap);
    EXPECT_EQ(tlink_num, tbox_cap - 3);
}

TEST_F(TreeBox, LinkAndParameterTablesRefuseWhenFull)
{
    node(0, 1, 0, "r", 0, -1, -1, 1, -1);
    const int links = tlink_num, lines = tparam_num;
    tlink_num = tlink_cap;
    EXPECT_EQ(add_tlink(0, 3, "on_set"), -1);
    EXPECT_EQ(add_tlink(0, 3, "on_set"), -1);
    EXPECT_EQ(tree_test::count_of(anal_test::code_output(), "関数関係がオーバしました\r\n"), 2);
    tlink_num = links;
    tparam_num = tparam_cap;
    EXPECT_EQ(add_tparam("x"), -1);
    EXPECT_EQ(tparam_num, tparam_cap);
    tparam_num = lines;
}

TEST_F(TreeBox, ParentMessageAndItsCascade)
{
    node(0, 1, 0, "r", 0, -1, -1, 1, -1);
    // A node two levels below the root: its parent was never placed.
    EXPECT_EQ(node(0, 2, 2, "lost", 0, 0, 2, 1, -1), 2);
    for (int i = 0; i < 11; ++i) node(0, 3, 3 + i, "below", 0, 0, 3, 2, -1);
    EXPECT_EQ(tbox_num, 4);
    const std::string out = anal_test::code_output();
    EXPECT_EQ(tree_test::count_of(out, "E3333 異常発生"), 10);
    EXPECT_NE(out.find("E3333 異常発生 line(2) funcname(lost) level(2) omem[level-1](-1), nmem[level-1](-1) "
                       "parent(-1)\r\npp[].fname()\r\n"),
              std::string::npos);
    EXPECT_NE(out.find("E3333 異常発生 line(3) funcname(below) level(3) omem[level-1](-1), nmem[level-1](-1) "
                       "parent(2)\r\n"),
              std::string::npos);
    // A sibling of the refused nodes still goes under the root.
    node(0, 4, 1, "fine", 0, 0, 4, 1, -1);
    EXPECT_EQ(tbox_num, 5);
    EXPECT_EQ(rtree[4].parent, 3);
}

TEST_F(TreeBox, LevelOutsideTheTreeIsRefusedBeforeAnyTable)
{
    node(0, 1, 0, "r", 0, -1, -1, 1, -1);
    node(0, 2, 1, "a", 0, 0, 2, 1, -1);
    const int boxes = tbox_num;
    for (int level : {tree_depth_limit + 1, -1}) {
        EXPECT_EQ(node(0, 3, level, "deep", 0, 0, 3, 2, -1), 3 + (level < 0 ? 1 : 0)) << level;
        EXPECT_EQ(tbox_num, boxes) << level;
    }
    EXPECT_EQ(tree_test::count_of(anal_test::code_output(), "★★★関数ツリーの階層("), 2);
    // The level tables were not touched: a child of "a" still finds it.
    node(0, 5, 2, "b", 0, 0, 5, 2, -1);
    EXPECT_EQ(rtree[tbox_num - 1].parent, 4);
}

TEST_F(TreeBox, FullParameterPoolLeavesEveryBoxOnItsOwnLine)
{
    node(0, 1, 0, "r", 0, -1, -1, 1, -1);
    const int count = 60;  // 60 lines of about 3000 bytes overfill the pool
    for (int i = 0; i < count; ++i) {
        const std::string name = std::string(3000, 'n') + std::to_string(i);
        node(0, 10 + i, 1, name.c_str(), 0, 0, 10 + i, 1, -1);
    }
    node(1, 99, 1, "short", 0, 0, 99, 1, -1);
    ftree_s_close();
    ASSERT_EQ(write_tree_form("ftree.f"), 0);
    EXPECT_EQ(tree_test::count_of(anal_test::code_output(), "パラメータ領域"), 1);
    const std::string f = anal_test::read_file("ftree.f");
    const std::string params = f.substr(f.find("#P1\n") + 4);
    std::vector<std::string> lines;
    for (size_t at = 0; at < params.size();) {
        const size_t end = params.find('\n', at);
        lines.push_back(params.substr(at, end - at));
        at = end + 1;
    }
    ASSERT_EQ(static_cast<int>(lines.size()), tbox_num);
    int empty = 0;
    for (int i = 4; i < 4 + count; ++i) {
        const std::string name = std::string(3000, 'n') + std::to_string(i - 4);
        if (lines[i].empty()) ++empty;
        else EXPECT_EQ(lines[i], name + " BOX 0") << i;
    }
    EXPECT_GT(empty, 0);
    EXPECT_EQ(lines.back(), "1");
}

TEST_F(TreeBox, UnmarkedBoxesAndTheirLinksAreLeftOutOfTheForm)
{
    node(0, 1, 0, "first", 0, -1, -1, 1, -1);
    node(0, 2, 1, "a", 0, 0, 2, 1, -1);
    // A further tree in the same model starts at row 500; the first is unmarked.
    tree_place_rearm();
    tree_level_reset();
    node(0, 3, 0, "second", 0, -1, -1, 3, -1);
    EXPECT_EQ(tbox_tbl[5].y1, 13 * (2 * 500 + 2));
    ftree_s_close();
    ASSERT_EQ(write_tree_form("ftree.f"), 0);
    EXPECT_EQ(anal_test::read_file("ftree.f"),
              "#F2\n"
              "   36    10    41    25 WORK         \n"
              "   94    10   129    25 QFONT        \n"
              "  158    12   236    27 VBUTTON      \n"
              "   10 13031   110 13044 BOX          second\n"
              "#L2\n"
              "    0     3 ANY         \n"
              "#P1\n"
              "TAVIR Caption N 0 0 758 480\n"
              "0 12\n"
              "重複関数表示 関数ツリーから同じ関数名を持つ重複した関数の一覧をｺｰﾄﾞ画面に表示します\n"
              "0\n");
    EXPECT_EQ(tbox_tbl[3].out, -1);
    EXPECT_EQ(tbox_tbl[5].out, 3);
}

TEST_F(TreeBox, UnwritableFormKeepsTheOldFile)
{
    small_tree();
    anal_test::write_file("ftree.f", "old tree\n");
    remove("ftree_f.txt");
    std::filesystem::create_directory("ftree.f.$$$");
    EXPECT_EQ(write_tree_form("ftree.f"), 1);
    std::filesystem::remove("ftree.f.$$$");
    EXPECT_EQ(anal_test::read_file("ftree.f"), "old tree\n");
    EXPECT_EQ(anal_test::read_file("ftree_f.txt"), "<missing>");
}

// A chain of 105 calls through the real analyser stops at the deepest level.
TEST(TreeDepth, ChainOf105StopsAtLevel99)
{
    tree_test::setup();
    tree_box_reset();
    std::string src;
    for (int i = 0; i < 105; ++i) src += "void f" + std::to_string(i) + "(void) { f" + std::to_string(i + 1) + "(); }\n";
    anal_test::write_file("chain.c", src);
    tree_external = 0;
    ASSERT_EQ(write_ftree_t(), 0);
    tree_mode = 1;
    anal_test::run_vokanal({"chain.c", "-i"});
    tree_mode = 0;
    ASSERT_EQ(ftree_alloc(), 0);
    ASSERT_EQ(ftree_s_open("ftree_s.txt"), 0);
    tree_level_reset();
    write_ftree();
    ASSERT_EQ(write_tree_form("ftree.f"), 0);
    ftree_s_close();
    int deepest = 0;
    for (int i = 3; i < tbox_num; ++i) deepest = std::max(deepest, static_cast<int>(tbox_tbl[i].x1) / 130);
    EXPECT_EQ(deepest, tree_depth_limit);
    EXPECT_STREQ(name_at(tbox_tbl[3 + tree_depth_limit].func), "f99");
    const std::string out = anal_test::code_output();
    EXPECT_NE(out.find("★★★E3131 Over tree depth(99)★★★"), std::string::npos);
    EXPECT_EQ(out.find("E3333"), std::string::npos);
    EXPECT_EQ(out.find("★★★関数ツリーの階層("), std::string::npos);
    tree_box_reset();
    call_tables_release();
}

}  // namespace
