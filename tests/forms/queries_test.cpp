// Form queries and the values a property-sheet sub-form exchanges with its
// holder through ITEM, BDATA and EDATA boxes.
#include "forms/queries.h"
#include "tests/forms/form_fixture.h"

namespace {

class Queries : public FormTest {};

TEST_F(Queries, GeometryFromTheTopBox)
{
    form_geometry_rec g{};
    box("K", "", 0, 0, 1, 1);
    EXPECT_EQ(-1, form_geometry(&g));
    EXPECT_EQ(1, capture_forms::panes_hidden);
    box("APP", "", 0, 0, 1, 1, "main \"My caption\" flags 120 CENTERING 300 200");
    box("FORM", "", 0, 0, 1, 1, "second x y 1 1 1 1");
    EXPECT_EQ(0, form_geometry(&g));
    EXPECT_STREQ("main", g.name);
    EXPECT_STREQ("\"My caption\"", g.caption);
    EXPECT_STREQ("flags", g.flag);
    EXPECT_EQ(120, g.x);
    EXPECT_EQ(300, g.width);
    EXPECT_EQ(384 - 100, g.y);
    EXPECT_EQ(200, g.height);
    EXPECT_TRUE(capture_forms::labels.empty());
}

TEST_F(Queries, DataFormsShowTheirPanesAndLoadValues)
{
    box("DATA", "", 0, 0, 1, 1, "d c f FULL 10 400 50");
    box("EDATA", "e0", 10, 10, 30, 40, "x name 0");
    box("EDATA", "e1", 10, 50, 30, 70, "x p3 150");
    box("BDATA", "b", 0, 0, 1, 1, "x x 1 p4 val");
    form_geometry_rec g{};
    EXPECT_EQ(0, form_geometry(&g));
    EXPECT_EQ(312, g.x);
    EXPECT_EQ(400, g.width);
    ASSERT_EQ(2u, capture_forms::labels.size());
    EXPECT_EQ(0, capture_forms::labels[0].n);
    EXPECT_EQ(30, capture_forms::labels[0].x0);
    EXPECT_EQ(130, capture_forms::labels[0].x1);
    EXPECT_EQ(40, capture_forms::labels[0].bottom);
    EXPECT_EQ(180, capture_forms::labels[1].x1);
    EXPECT_STREQ("val", data_vals[4]);
}

TEST_F(Queries, QfontAndUnionList)
{
    get_qfont();
    EXPECT_EQ(-12, font_h);
    EXPECT_EQ(0, font_w);
    const int g = box("GENERATE", "", 0, 0, 1, 1);
    const int u1 = box("UNION", "", 5, 6, 7, 8);
    const int u2 = box("UNION", "", 9, 10, 11, 12);
    const int q = box("QFONT", "", 0, 0, 1, 1, "16 8");
    link(g, u2, "on_set");
    link(g, q, "on_set");
    link(g, u1, "no_set");
    get_qfont();
    EXPECT_EQ(-16, font_h);
    EXPECT_EQ(-8, font_w);
    union_count = 5;
    get_union_list();
    ASSERT_EQ(1, union_num());
    int x = 0, y = 0;
    EXPECT_EQ(0, get_union(0, &x, &y));
    EXPECT_EQ(9, x);
    EXPECT_EQ(1, get_union(1, &x, &y));
    EXPECT_EQ(0, has_work_box());
}

class PropertySheet : public FormTest {
protected:
    int holder = -1;
    void SetUp() override
    {
        FormTest::SetUp();
        write_file("LISTBOX.s", "struct LISTBOX {\n  int a;\n  int b;\n  char *style;\n};\n");
        holder = box("LISTBOX", "holder", 0, 0, 1, 1, "f0 f1 b|c f3 f4");
        form_push("sheet.f", holder);
        box("ITEM", "a", 0, 0, 1, 1, "x x 0");
        box("ITEM", "b", 0, 0, 1, 1, "x x 0");
        box("ITEM", "c", 0, 0, 1, 1, "x x 0");
        box("EDATA", "", 0, 0, 1, 1, "x name");
        box("EDATA", "", 0, 0, 1, 1, "x p3");
        box("BDATA", "", 0, 0, 1, 1, "x x 0 p4 x");
        box("BDATA", "", 0, 0, 1, 1, "x x 0 p4 f4");
    }
};

TEST_F(PropertySheet, StyleLineAndRoundTrip)
{
    EXPECT_EQ(2, find_style_line(holder));
    EXPECT_EQ(0, name_items());
    EXPECT_EQ("0", field(1, 2));
    EXPECT_EQ("1", field(2, 2));
    EXPECT_EQ("1", field(3, 2));
    EXPECT_EQ("holder", capture_forms::panes[0]);
    EXPECT_EQ("f3", capture_forms::panes[1]);
    EXPECT_EQ("0", field(6, 2));
    EXPECT_EQ("1", field(7, 2));
    set_para("0", 2, 2);
    set_para("1", 1, 2);
    set_para("1", 6, 2);
    set_para("0", 7, 2);
    capture_forms::panes[0] = "renamed";
    capture_forms::panes[1] = "";
    EXPECT_EQ(0, store_item_values());
    EXPECT_EQ("f0 f1 a|c omit x\n", para_line(holder));
    EXPECT_STREQ("renamed", box_table[holder].name);
    EXPECT_EQ(1, form_stack[0].changed);
    set_para("0", 1, 2);
    set_para("0", 3, 2);
    set_para("0", 6, 2);
    capture_forms::panes[0] = "bad name";
    EXPECT_EQ(0, store_item_values());
    EXPECT_EQ("f0 f1 0 omit omit\n", para_line(holder));
    EXPECT_STREQ("renamed", box_table[holder].name);
}

TEST_F(PropertySheet, MissingStructureFileKeepsTheCaption)
{
    write_file("LISTBOX.s", "struct LISTBOX {\n  int a;\n};\n");
    EXPECT_EQ(-1, find_style_line(holder));
    name_items();
    store_item_values();
    EXPECT_EQ("f1", field(holder, 1));
    EXPECT_EQ("b|c", field(holder, 2));
    form_pop(nullptr, 0, nullptr);
    EXPECT_EQ(1, name_items());
    EXPECT_EQ(1, store_item_values());
}

TEST_F(PropertySheet, DataValuesAndItemChains)
{
    set_para("1", 2, 2);
    set_para("1", 6, 2);
    load_data_values();
    EXPECT_STREQ("b", data_items);
    EXPECT_STREQ("x", data_vals[4]);
    copy_bounded(data_items, sizeof data_items, "a|c");
    copy_bounded(data_vals[4], sizeof data_vals[4], "f4");
    apply_data_values();
    EXPECT_EQ("1", field(1, 2));
    EXPECT_EQ("0", field(2, 2));
    EXPECT_EQ("1", field(3, 2));
    EXPECT_EQ("0", field(6, 2));
    EXPECT_EQ("1", field(7, 2));
    link(1, 2, "on_set");
    link(2, 3, "on_set");
    link(3, 1, "on_set");  // a cycle
    set_para("1", 2, 2);
    clear_item_chain(1);
    EXPECT_EQ("1", field(1, 2));
    EXPECT_EQ("0", field(2, 2));
    EXPECT_EQ("0", field(3, 2));
}

}  // namespace
