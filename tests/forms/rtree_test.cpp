// The rectangle tree, the on_set child lists, page levels and the WORK
// layout.
#include "forms/formfile.h"
#include "forms/rtree.h"
#include "tests/forms/form_fixture.h"

namespace {

class RTree : public FormTest {
protected:
    static std::vector<int> children(int i)
    {
        std::vector<int> out;
        int cursor = -1;
        while (rtree_next_child(&cursor, i) != -1) out.push_back(cursor);
        return out;
    }
    static std::vector<int> on_set_children(int i)
    {
        std::vector<int> out;
        int cursor = -1;
        while (child_next(&cursor, i) != -1) out.push_back(cursor);
        return out;
    }
    static void range() { set_form_range(form_sta, form_num, l_sta, l_num); }
};

TEST_F(RTree, ChildrenComeNewestFirstAndTheFirstParentWins)
{
    clear_rtree();
    set_form_range(0, 10, 0, 0);
    EXPECT_EQ(0, rtree_add_child(0, 1));
    EXPECT_EQ(0, rtree_add_child(0, 2));
    EXPECT_EQ(0, rtree_add_child(0, 3));
    EXPECT_EQ(1, rtree_add_child(4, 2));
    EXPECT_EQ((std::vector<int>{3, 2, 1}), children(0));
    EXPECT_EQ(0, rtree_parent(2));
    EXPECT_EQ(0, rtree_add_child(3, 5));
    EXPECT_EQ(1, rtree_add_child(5, 0));  // would close a cycle
    EXPECT_EQ(1, rtree_add_child(5, 5));
    EXPECT_EQ(-1, rtree_parent(0));
    int cursor = -1;
    EXPECT_EQ(-1, rtree_next_child(&cursor, -1));
    set_form_range(-1, 0, 0, 0);
    EXPECT_EQ(-1, rtree_first_child(0));
}

// A clear forgets every link, also in rows far beyond the ones used after it:
// an old parent must not refuse an adoption, an old child must not be listed.
TEST_F(RTree, AClearForgetsEveryLink)
{
    set_form_range(0, rtree_cap, 0, 0);
    const int far = rtree_cap - 2;
    for (int round = 0; round < 2; ++round) {
        clear_rtree();
        EXPECT_EQ(0, rtree_add_child(0, 1));
        EXPECT_EQ(0, rtree_add_child(1, 2));
        EXPECT_EQ(0, rtree_add_child(far, far + 1));
        clear_rtree();
        EXPECT_TRUE(children(0).empty());
        EXPECT_TRUE(children(far).empty());
        EXPECT_EQ(-1, rtree_parent(2));
        EXPECT_EQ(-1, rtree_parent(far + 1));
        EXPECT_EQ(-1, rtree_first_child(1));
        EXPECT_EQ(0, rtree_add_child(2, 1));  // 1 had a parent before the clear
        EXPECT_EQ(0, rtree_add_child(far + 1, far));
        EXPECT_EQ((std::vector<int>{1}), children(2));
        EXPECT_EQ(-1, rtree_parent(2));
    }
}

TEST_F(RTree, BuildsFollowTheirRelations)
{
    const int k = box("K", "", 0, 0, 1, 1);
    const int a = box("A", "", 0, 0, 1, 1);
    const int b = box("B", "", 0, 0, 1, 1);
    link(k, a, "no_set");
    link(k, b, "on_set");
    link(b, k, "on_set");  // a cycle: refused
    range();
    rtree_build();
    EXPECT_TRUE(children(k).empty());  // no HTML or WORK box: no tree
    const int w = box("WORK", "", 0, 0, 1, 1);
    link(w, k, "x");
    range();
    rtree_build();
    EXPECT_EQ((std::vector<int>{b}), children(k));
    EXPECT_EQ(-1, rtree_parent(a));
    EXPECT_EQ(w, rtree_build_work());
    EXPECT_EQ((std::vector<int>{b, a}), children(k));
    box("WORK", "", 0, 0, 1, 1);
    range();
    EXPECT_EQ(-1, rtree_build_work());
    EXPECT_TRUE(children(k).empty());
}

TEST_F(RTree, SourceForms)
{
    const int html = box("TAG", "html", 0, 0, 1, 1);
    const int work = box("WORK", "", 0, 0, 1, 1);
    const int leaf = box("K", "", 0, 0, 1, 1);
    link(html, leaf, "on_set");
    range();
    EXPECT_EQ(0, is_source_form(leaf));
    EXPECT_EQ(1, is_source_form(work));
    EXPECT_EQ(1, is_source_form(-1));
}

TEST_F(RTree, ChildListsByLinkAndByY)
{
    const int p = box("K", "", 0, 0, 1, 1);
    const int a = box("K", "", 0, 30, 1, 1);
    const int b = box("K", "", 0, 10, 1, 1);
    const int c = box("K", "", 0, 20, 1, 1);
    const int d = box("K", "", 0, 10, 1, 1);
    link(p, a, "on_set");
    link(p, b, "on_set");
    link(p, c, "on_set");
    link(p, d, "on_set");
    link(a, p, "on_set");
    link(c, b, "x");
    range();
    child_tree_build();
    EXPECT_EQ((std::vector<int>{d, c, b, a}), on_set_children(p));
    EXPECT_TRUE(on_set_children(a).empty());
    child_tree_build_by_y();
    EXPECT_EQ((std::vector<int>{b, d, c, a}), on_set_children(p));
    sort_links_by_y();
    const int want[] = {p, d, b, b, c, a};  // the exchange sort's own order
    for (int r = 0; r < 6; ++r) EXPECT_EQ(want[r], link_table[r].to) << r;
    EXPECT_STREQ("x", link_table[3].name);
}

TEST_F(RTree, PageLevels)
{
    const int html = box("HTML", "", 0, 0, 1, 1);
    const int src = box("SOURCE", "", 0, 0, 1, 1);
    const int plain = box("K", "", 0, 0, 1, 1);
    const int d1 = box("DETAIL", "", 0, 0, 1, 1, "0 0 1");
    const int under1 = box("K", "", 0, 0, 1, 1);
    const int d0 = box("TAIL", "", 0, 0, 1, 1, "0 0 0");
    const int under0 = box("K", "", 0, 0, 1, 1);
    const int nested = box("DETAIL", "", 0, 0, 1, 1, "0 0 1");
    const int d2 = box("DETAIL", "", 0, 0, 1, 1, "0 0 1");
    const int lost = box("K", "lost", 0, 0, 1, 1);
    const int lost_comment = box("COMMENT", "", 0, 0, 1, 1);
    link(src, plain, "on_set");
    link(src, d1, "on_set");
    link(d1, under1, "on_set");
    link(d1, d2, "on_set");
    link(src, d0, "on_set");
    link(d0, under0, "on_set");
    link(d0, nested, "on_set");
    range();
    EXPECT_EQ(lost, form_recalc());
    EXPECT_EQ(0, box_level[src]);
    EXPECT_EQ(0, box_level[plain]);
    EXPECT_EQ(1, box_level[d1]);
    EXPECT_EQ(1, box_level[under1]);
    EXPECT_EQ(2, box_level[d2]);
    EXPECT_EQ(0, box_level[d0]);
    EXPECT_EQ(-1, box_level[under0]);
    EXPECT_EQ(-3, box_level[nested]);
    EXPECT_EQ(2, cur_level);
    EXPECT_EQ(2, box_level[lost]);
    EXPECT_EQ(2, box_level[html]);
    EXPECT_EQ(2, box_level[lost_comment]);
    EXPECT_NE(std::string::npos, output().find("E20100"));
    cur_level = 5;
    box_level[plain] = 9;
    EXPECT_EQ(lost, form_recalc_keep_levels());
    EXPECT_EQ(5, cur_level);
    EXPECT_EQ(9, box_level[plain]);
    copy_bounded(box_table[src].kind, kind_size, "K");
    EXPECT_EQ(-2, form_recalc());
    EXPECT_EQ(0, box_level[d2]);
}

TEST_F(RTree, WorkLayoutGoesLeftToRight)
{
    const int w = box("WORK", "", 0, 0, 10, 10);
    const int a = box("K", "", 500, 0, 550, 10);
    const int b = box("K", "", 500, 20, 520, 30);
    const int c = box("K", "", 0, 0, 5, 5);
    link(w, a, "on_set");
    link(a, b, "x");
    link(w, c, "y");
    link(b, c, "on_set");  // reached twice: the first parent keeps it
    EXPECT_EQ(0, layout_work(0, form_num, 0, l_num));
    EXPECT_EQ("20,0,70,10", rect(a));
    EXPECT_EQ("100,20,120,30", rect(b));
    EXPECT_EQ("20,0,25,5", rect(c));
}

}  // namespace
