// Key-assignment files, selection frames, parent-relative placing and the
// scroll keys.
#include "forms/keys.h"
#include "forms/relmove.h"
#include "tests/forms/form_fixture.h"

namespace {

class Keys : public FormTest {};

TEST_F(Keys, KeyFileNames)
{
    const struct {
        const char *kind, *file;
    } cases[] = {{"PROJ", "PROJ_Key.dat"}, {"APP", "APP_Key.dat"},  {"FORM", "FORM_Key.dat"},
                 {"SMENU", "SMENUKey.dat"}, {"HTML", "HTML_Key.dat"}, {"WORK", "WORK_Key.dat"},
                 {"DATA", "DATA_Key.dat"}, {"CALC", "CALC_Key.dat"}, {"K", "APP_Key.dat"}};
    for (const auto &c : cases) {
        forms_reset_all();
        box("X", "", 0, 0, 1, 1);
        box(c.kind, "", 0, 0, 1, 1);
        box("APP", "", 0, 0, 1, 1);  // the first top box wins
        char file[20], kind[kind_size];
        key_file_name(file, sizeof file, kind, sizeof kind);
        EXPECT_STREQ(c.file, file) << c.kind;
    }
}

TEST_F(Keys, LookupRules)
{
    box("SMENU", "", 0, 0, 1, 1);
    write_file("SMENUKey.dat", ("q" + std::string(150, 'x') + "\nB\na:lower a\nA:upper A\n7:seven\n").c_str());
    char text[50] = "untouched", kind[kind_size] = "";
    EXPECT_EQ(2, lookup_key('A', text, sizeof text, kind, sizeof kind));
    EXPECT_STREQ("lower a", text);
    EXPECT_STREQ("SMENU", kind);
    EXPECT_EQ(2, lookup_key('a', text, sizeof text, kind, sizeof kind));
    EXPECT_EQ(1, lookup_key('B', text, sizeof text, kind, sizeof kind));
    EXPECT_STREQ("B", text);
    EXPECT_EQ(1, lookup_key('7', text, sizeof text, kind, sizeof kind));
    EXPECT_STREQ("seven", text);
    EXPECT_EQ(0, lookup_key('b', text, sizeof text, kind, sizeof kind));
    EXPECT_EQ(0, lookup_key('x', text, sizeof text, kind, sizeof kind));  // the rest of the long line
    EXPECT_EQ(0, lookup_key('#', text, sizeof text, kind, sizeof kind));
    EXPECT_STREQ("seven", text);
    forms_reset_all();
    EXPECT_EQ(0, lookup_key('A', text, sizeof text, kind, sizeof kind));  // no INI_Key.dat
    write_file("INI_Key.dat", "Z:zed\n");
    EXPECT_EQ(1, lookup_key('Z', text, sizeof text, kind, sizeof kind));
    EXPECT_STREQ("", kind);
}

TEST_F(Keys, FramesToggleAndGo)
{
    EXPECT_EQ(0, toggle_frame());
    EXPECT_EQ(1, capture::beeps);
    cur_box = box("", "", 0, 0, 1, 1);
    EXPECT_EQ(1, toggle_frame());
    EXPECT_STREQ("z", box_table[0].kind);
    EXPECT_EQ(1, toggle_frame());
    EXPECT_STREQ("", box_table[0].kind);
    copy_bounded(box_table[0].kind, kind_size, "K");
    EXPECT_EQ(0, toggle_frame());
    EXPECT_EQ(2, capture::beeps);
    box("z", "", 0, 0, 1, 1);
    box("z", "", 0, 0, 1, 1);
    const int linked = box("z", "", 0, 0, 1, 1);
    box("K", "", 0, 0, 1, 1);
    link(0, linked, "x");
    delete_frames();
    ASSERT_EQ(3, form_num);
    EXPECT_STREQ("z", box_table[1].kind);
}

TEST_F(Keys, CentreAndHeightFromTheParent)
{
    const int p = box("K", "p", 100, 100, 300, 200);
    const int under = box("K", "u", 0, 500, 20, 520);
    const int left = box("K", "l", 400, 0, 420, 20);
    const int loose = box("K", "n", 150, 0, 170, 20);
    const int none = box("K", "x", 0, 0, 1, 1);
    link(p, under, "under_pos");
    link(p, left, "right_pos");
    link(p, loose, "ANY");
    link(p, loose, "no_set_x");
    int dx = 0, dy = 0;
    EXPECT_EQ(1, center_on_parent(under, &dx, &dy));
    EXPECT_EQ(190, dx);
    EXPECT_EQ(0, dy);
    EXPECT_EQ(1, center_on_parent(left, &dx, &dy));
    EXPECT_EQ(0, dx);
    EXPECT_EQ(140, dy);
    EXPECT_EQ(1, center_on_parent(loose, &dx, &dy));
    EXPECT_EQ(40, dx);
    EXPECT_EQ(0, center_on_parent(none, &dx, &dy));
    EXPECT_EQ(0, dx);
    EXPECT_EQ(1, match_parent_height(under, nullptr));
    EXPECT_EQ(600, box_table[under].endy);
    EXPECT_EQ(0, match_parent_height(loose, nullptr));
}

TEST_F(Keys, ChildrenAndSiblings)
{
    const int p = box("K", "p", 0, 0, 10, 10);
    const int c = box("COMMENT", "c", 0, 0, 10, 10);
    const int d = box("COMMENT", "d", 0, 0, 10, 10);
    const int k = box("K", "k", 0, 0, 10, 10);
    link(p, c, "on_set");
    link(c, d, "on_set");
    link(d, c, "on_set");
    link(p, k, "on_set");
    move_children(p, 5, 7);
    EXPECT_EQ("5,7,15,17", rect(c));
    EXPECT_EQ("5,7,15,17", rect(d));
    EXPECT_EQ("0,0,10,10", rect(k));
    forms_reset_all();
    form_alloc();
    const int parent = box("K", "p", 0, 0, 10, 10);
    const int a = box("EDIT", "a", 100, 10, 110, 20);
    const int b = box("EDIT", "b", 200, 30, 210, 40);
    const int other = box("BUTTON", "o", 300, 50, 310, 60);
    const int on = box("EDIT", "s", 400, 50, 410, 60);
    link(parent, a, "right_pos");
    link(parent, b, "right_pos");
    link(parent, other, "right_pos");
    link(parent, on, "on_set");
    EXPECT_EQ(0, align_siblings(a, 0));
    EXPECT_EQ(100, box_table[b].x);
    EXPECT_EQ(300, box_table[other].x);
    EXPECT_EQ(400, box_table[on].x);
}

TEST_F(Keys, ScrollCodes)
{
    win_handle w = capture::new_edit();
    capture_forms::client_w = 700;  // half a page: 2 columns of 130
    capture_forms::client_h = 200;  // 3 rows of 26
    box("K", "", 100, 100, 110, 110);
    EXPECT_EQ(0, scroll_form(w, 39));
    EXPECT_EQ(1, capture::beeps);
    EXPECT_EQ(0, scroll_form(w, 1911));
    EXPECT_EQ(1, capture::beeps);
    box("WORK", "", 0, 0, 1, 1);
    EXPECT_EQ(0, scroll_form(w, 0));
    EXPECT_EQ(1, scroll_form(w, 39));
    EXPECT_EQ(1, scroll_form(w, 39));
    EXPECT_EQ(-520, scroll_org.x);
    EXPECT_EQ(1, scroll_form(w, 2184));
    EXPECT_EQ(-260, scroll_org.x);
    EXPECT_EQ("-160,100,-150,110", rect(0));
    EXPECT_EQ(1, scroll_form(w, 40));
    EXPECT_EQ(-78, scroll_org.y);
    shift_held = 1;
    EXPECT_EQ(1, scroll_form(w, 37));
    EXPECT_EQ(1, scroll_form(w, 38));
    EXPECT_EQ(-130, scroll_org.x);
    EXPECT_EQ(-52, scroll_org.y);
    EXPECT_EQ(1, scroll_form(w, 0));
    EXPECT_EQ(1, scroll_form(w, 36));
    EXPECT_EQ("100,100,110,110", rect(0));
    EXPECT_EQ(0, scroll_form(w, 65));
    scroll_org = {3, 4};
    find_history_num = 9;
    EXPECT_EQ(0, scroll_form(nullptr, 39));
    EXPECT_EQ(0, scroll_org.x);
    EXPECT_EQ(0, find_history_num);
}

}  // namespace
