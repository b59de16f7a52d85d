// Link routing: the eight facing rules, the shape codes, the elbow routes of
// right_pos and under_pos, the pen of each relation name and what hides a link.
#include "forms/link_route.h"

#include <string>
#include <vector>

#include "forms/form_state.h"
#include "tests/forms/form_fixture.h"

namespace {

// Items as text: "L pen x,y x,y ...", "E pen x,y x,y", "A pen x,y x,y x,y".
std::string show(const shape_item *items, int n)
{
    std::string s;
    for (int k = 0; k < n; ++k) {
        const shape_item &it = items[k];
        if (!s.empty()) s += " | ";
        s += it.kind == shape_lines ? "L" : it.kind == shape_ellipse ? "E" : "A";
        s += std::to_string(it.pen);
        for (int p = 0; p < it.n; ++p) s += " " + std::to_string(it.pts[p].x) + "," + std::to_string(it.pts[p].y);
    }
    return s;
}


struct route_case {
    const char *what;
    const char *parent_kind, *parent_para;
    int x, y, endx, endy;
    const char *child_kind, *child_para;
    const char *expect;
};

class LinkRoute : public FormTest {
protected:
    static void check_routes(const route_case *cases, int n, char code)
    {
        for (int k = 0; k < n; ++k) {
            const route_case &c = cases[k];
            SCOPED_TRACE(c.what);
            forms_reset_all();
            form_alloc();
            const int a = box(c.parent_kind, "", 100, 100, 200, 150, c.parent_para);
            const int b = box(c.child_kind, "", c.x, c.y, c.endx, c.endy, c.child_para);
            shape_item items[link_item_cap];
            EXPECT_EQ(show(items, shape_items(a, b, code, items, link_item_cap)), c.expect);
        }
    }
};

struct rect_case {
    const char *what;
    int x, y, endx, endy;
    const char *expect;
};

TEST_F(LinkRoute, StraightLinksFollowTheFirstFacingRule)
{
    // a is (0, 0, 100, 50): centre 50, 25.
    const rect_case cases[] = {
        {"1 clear gap on the right", 120, 0, 200, 50, "L4 100,25 120,25"},
        {"2 a narrow gap on the right", 105, 0, 200, 50, "L4 96,25 109,25"},
        {"3 overlapping by less than 8", 95, 0, 200, 50, "L4 91,25 104,25"},
        {"4 clear gap below", 0, 70, 100, 120, "L4 50,50 50,70"},
        {"5 a narrow gap below", 0, 55, 100, 100, "L4 50,46 50,59"},
        {"6 overlapping below by less than 8", 0, 45, 100, 100, "L4 50,41 50,54"},
        {"7 wider overlap across", 10, 10, 100, 100, "L4 50,50 55,10"},
        {"8 taller overlap", 90, -100, 200, 40, "L4 100,25 90,-30"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        forms_reset_all();
        form_alloc();
        const int a = box("EDIT", "a", 0, 0, 100, 50);
        const int b = box("EDIT", "b", c.x, c.y, c.endx, c.endy);
        shape_item items[link_item_cap];
        EXPECT_EQ(show(items, draw_straight_link(a, b, pen_link, items, link_item_cap)), c.expect);
    }
}

struct shape_case {
    char code;
    const char *expect;
};

TEST_F(LinkRoute, ShapeCodesDrawLinesEllipsesAndArrowHeads)
{
    // a (0, 0, 100, 50) centre 50, 25; b (200, 100, 300, 150) centre 250, 125.
    const shape_case cases[] = {
        {'t', "L9 50,0 50,50"},
        {'y', "L9 0,25 100,25"},
        {'E', "E10 0,0 100,50"},
        {'T', "L10 0,0 0,50 | L10 100,0 100,50"},
        {'Y', "L10 0,0 100,0 | L10 0,50 100,50"},
        {'U', "L9 50,25 250,25 | A9 240,20 250,25 240,30"},
        {'R', "L9 50,25 50,125 | A9 45,115 50,125 55,115"},
        {'r', "A9 190,120 200,125 190,130"},
        {'l', "A9 310,120 300,125 310,130"},
        {'d', "A9 245,90 250,100 255,90"},
        {'u', "A9 245,160 250,150 255,160"},
        {'c', "L10 100,0 200,100 | L10 100,50 200,150"},
        {'C', "L10 0,50 200,100 | L10 100,50 300,100"},
    };
    const int a = box("EDIT", "a", 0, 0, 100, 50);
    const int b = box("EDIT", "b", 200, 100, 300, 150);
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(1, c.code));
        shape_item items[link_item_cap];
        EXPECT_EQ(show(items, shape_items(a, b, c.code, items, link_item_cap)), c.expect);
    }
    shape_item items[link_item_cap];
    EXPECT_EQ(show(items, shape_items(b, a, 'U', items, link_item_cap)), "L9 250,125 50,125 | A9 60,120 50,125 60,130");
    EXPECT_EQ(show(items, shape_items(b, a, 'R', items, link_item_cap)), "L9 250,125 250,25 | A9 245,35 250,25 255,35");
}


TEST_F(LinkRoute, RightPosRoutesEveryBranch)
{
    // The parent is (100, 100, 200, 150): centre 150, 125.
    const route_case cases[] = {
        {"above, ends inside", "EDIT", "", 120, 20, 180, 60, "EDIT", "", "L9 180,40 200,40 200,125"},
        {"above, ends beyond", "EDIT", "", 120, 20, 260, 60, "EDIT", "", "L9 260,40 260,125 200,125"},
        {"above, ends left of the centre", "EDIT", "", 20, 20, 140, 60, "EDIT", "", "L9 140,40 150,40 150,100"},
        {"below, starts right of a.x", "EDIT", "", 120, 200, 140, 240, "EDIT", "", "L9 100,125 100,220 120,220"},
        {"below, starts left of a.x", "EDIT", "", 60, 200, 180, 240, "EDIT", "", "L9 100,125 60,125 60,220"},
        {"below, left of a.x", "EDIT", "", 20, 200, 60, 240, "EDIT", "", "L9 100,125 40,125 40,200"},
        {"from a Line, beside", "COMMENT", "x Line", 300, 100, 400, 160, "EDIT", "",
         "L9 200,125 250,125 250,130 300,130"},
        {"from a Line, lower", "COMMENT", "x Line", 300, 200, 400, 240, "EDIT", "", "L9 200,125 350,125 350,200"},
        {"from a Line, higher", "COMMENT", "x Line", 300, 0, 400, 40, "EDIT", "", "L9 200,125 350,125 350,40"},
        {"elbow to the right", "EDIT", "", 300, 200, 400, 240, "EDIT", "", "L9 200,125 250,125 250,220 300,220"},
        {"down from the centre", "EDIT", "", 160, 200, 260, 240, "EDIT", "", "L9 150,150 150,220 160,220"},
        {"up from the centre", "EDIT", "", 160, 110, 260, 120, "EDIT", "", "L9 150,100 150,115 160,115"},
        {"from a double line", "COMMENT", "x BLine", 300, 90, 400, 200, "EDIT", "",
         "L11 300,90 400,90 | L10 100,100 300,100 300,91 | L10 100,150 399,150 399,91"},
        {"into a double line", "EDIT", "", 300, 110, 400, 140, "COMMENT", "x BLine",
         "L11 100,100 200,100 | L10 100,100 100,140 399,140 | L10 199,100 199,110 399,110"},
    };
    check_routes(cases, sizeof cases / sizeof cases[0], '#');
}

TEST_F(LinkRoute, UnderPosRoutesEveryBranch)
{
    const route_case cases[] = {
        {"above-left, ends lower", "EDIT", "", 20, 20, 60, 130, "EDIT", "", "L9 40,130 40,150 150,150"},
        {"above-left, ends below", "EDIT", "", 20, 20, 60, 160, "EDIT", "", "L9 40,160 150,160 150,150"},
        {"above-left, ends above", "EDIT", "", 20, 20, 60, 60, "EDIT", "", "L9 40,60 40,125 100,125"},
        {"above-right, starts lower", "EDIT", "", 260, 110, 300, 120, "EDIT", "", "L9 150,100 280,100 280,110"},
        {"above-right, starts higher", "EDIT", "", 260, 90, 300, 120, "EDIT", "", "L9 150,100 150,90 280,90"},
        {"above-right, above", "EDIT", "", 260, 20, 300, 60, "EDIT", "", "L9 150,100 150,40 260,40"},
        {"from a Line, under", "COMMENT", "x Line", 120, 300, 200, 400, "EDIT", "",
         "L9 150,150 150,225 160,225 160,300"},
        {"from a Line, right", "COMMENT", "x Line", 300, 300, 400, 400, "EDIT", "", "L9 150,150 150,350 300,350"},
        {"elbow down", "EDIT", "", 300, 300, 400, 400, "EDIT", "", "L9 150,150 150,225 350,225 350,300"},
        {"across to the right", "EDIT", "", 300, 130, 400, 200, "EDIT", "", "L9 200,125 350,125 350,130"},
        {"across to the left", "EDIT", "", 0, 130, 100, 200, "EDIT", "", "L9 100,125 50,125 50,130"},
        {"from a double line", "COMMENT", "x BLine", 300, 200, 400, 300, "EDIT", "",
         "L11 300,200 300,300 | L10 100,100 100,200 301,200 | L10 200,100 200,299 301,299"},
        {"into a double line", "EDIT", "", 300, 200, 400, 300, "COMMENT", "x BLine",
         "L11 100,100 100,150 | L10 101,100 400,100 400,299 | L10 101,149 300,149 300,299"},
    };
    check_routes(cases, sizeof cases / sizeof cases[0], '&');
}

struct pen_case {
    const char *name;
    int pen;  // -1: not drawn
};

TEST_F(LinkRoute, EachRelationNameTakesItsPen)
{
    const int a = box("EDIT", "a", 0, 0, 100, 50);
    const int b = box("EDIT", "b", 200, 0, 300, 50);
    const int other = box("EDIT", "c", 400, 0, 500, 50);
    const pen_case cases[] = {
        {"on_set", pen_link}, {"no_set_x", pen_link_dotted}, {"SET", pen_related_set}, {"ANY", pen_related},
        {"$x", pen_related},  {"anything", pen_link},
    };
    cur_box = a;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        l_num = l_sta;
        link(a, b, c.name);
        link(b, other, c.name);
        links_prepare();
        shape_item items[link_item_cap];
        ASSERT_EQ(link_paint_items(0, items, link_item_cap), 1);
        EXPECT_EQ(items[0].pen, c.pen);
        const bool related = c.pen == pen_related || c.pen == pen_related_set;
        EXPECT_EQ(link_paint_items(1, items, link_item_cap), related ? 0 : 1);
        show_hidden_links = 1;
        EXPECT_EQ(link_paint_items(1, items, link_item_cap), 1);
        show_hidden_links = 0;
    }
}

TEST_F(LinkRoute, AnOnSetCommentShowsAsARelatedLinkUnlessItsParentIsATag)
{
    const int a = box("EDIT", "a", 0, 0, 100, 50);
    const int tag = box("TAG", "t", 0, 100, 100, 150);
    const int note = box("COMMENT", "", 200, 0, 300, 50, "x 0");
    link(a, note, "on_set");
    link(tag, note, "on_set");
    links_prepare();
    shape_item items[link_item_cap];
    EXPECT_EQ(link_paint_items(0, items, link_item_cap), 0);
    ASSERT_EQ(link_paint_items(1, items, link_item_cap), 1);
    EXPECT_EQ(items[0].pen, pen_link);
    cur_box = note;
    ASSERT_EQ(link_paint_items(0, items, link_item_cap), 1);
    EXPECT_EQ(items[0].pen, pen_related);
}

TEST_F(LinkRoute, ArrowNamesPutTheHeadOnTheirBox)
{
    const int parent = box("EDIT", "p", 0, 0, 100, 50);
    const int child = box("EDIT", "c", 200, 100, 300, 150);
    link(parent, child, "to_up_arrow");
    link(parent, child, "from_up_arrow");
    link(parent, child, "right_pos");
    links_prepare();
    shape_item items[link_item_cap];
    EXPECT_EQ(show(items, link_items(0, pen_link, items, link_item_cap)), "A9 245,160 250,150 255,160");
    EXPECT_EQ(show(items, link_items(1, pen_link, items, link_item_cap)), "A9 45,60 50,50 55,60");
    EXPECT_EQ(show(items, link_items(2, pen_link, items, link_item_cap)), "L9 100,25 150,25 150,125 200,125");
}

TEST_F(LinkRoute, ASpacePairHidesItsLinksButNotTheCurrentOne)
{
    const int a = box("EDIT", "a", 0, 0, 100, 50);
    const int b = box("EDIT", "b", 200, 0, 300, 50);
    const int c = box("EDIT", "c", 400, 0, 500, 50);
    link(a, b, "$space");
    link(a, b, "on_set");
    link(b, c, "on_set");
    links_prepare();
    shape_item items[link_item_cap];
    EXPECT_EQ(link_items(1, pen_link, items, link_item_cap), 0);
    EXPECT_EQ(link_items(2, pen_link, items, link_item_cap), 1);
    cur_link = 1;
    EXPECT_EQ(link_items(1, pen_link, items, link_item_cap), 1);
    cur_box = a;
    EXPECT_EQ(link_paint_items(0, items, link_item_cap), 1);  // the "$space" link itself, dotted
}

TEST_F(LinkRoute, LinksOffTheLevelOrFarAboveAreSkipped)
{
    const int a = box("EDIT", "a", 0, -5000, 100, -4950);
    const int b = box("EDIT", "b", 200, -5000, 300, -4950);
    const int c = box("EDIT", "c", 200, 0, 300, 50);
    const int d = box("EDIT", "d", 400, 0, 500, 50);
    box_level[d] = 2;
    link(a, b, "on_set");
    link(a, c, "on_set");
    link(c, d, "on_set");
    links_prepare();
    shape_item items[link_item_cap];
    EXPECT_EQ(link_paint_items(0, items, link_item_cap), 0);
    EXPECT_EQ(link_paint_items(1, items, link_item_cap), 1);
    EXPECT_EQ(link_paint_items(2, items, link_item_cap), 0);
    EXPECT_EQ(link_items(-1, pen_link, items, link_item_cap), 0);
    EXPECT_EQ(link_items(link_cap, pen_link, items, link_item_cap), 0);
}

TEST_F(LinkRoute, AMapBoxMarksTheLinksOfItsName)
{
    const int map = box("MAP", "m1", 0, 0, 100, 50);
    const int a = box("EDIT", "a", 200, 0, 300, 50);
    const int b = box("EDIT", "b", 400, 0, 500, 50);
    link(a, b, "m1");
    link(a, b, "other");
    link(b, a, "m1");
    int out[8];
    cur_link = 1;
    EXPECT_EQ(marked_links(out, 8), 1);
    EXPECT_EQ(out[0], 1);
    cur_box = map;
    ASSERT_EQ(marked_links(out, 8), 2);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[1], 2);
    EXPECT_EQ(cur_link, -1);
}

}  // namespace
