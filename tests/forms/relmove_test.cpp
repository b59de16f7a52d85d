// Moves and resizes carried along relation links, the drag rectangles, and
// the one-step undo records.
#include "forms/keys.h"
#include "forms/relmove.h"
#include "forms/undo.h"
#include "tests/forms/form_fixture.h"

namespace {

class RelMove : public FormTest {};

TEST_F(RelMove, OnSetCarriesAcrossLevelsOfTheTree)
{
    const int p = box("K", "p", 100, 100, 200, 200);
    const int c = box("K", "c", 110, 110, 120, 120);
    const int g = box("K", "g", 112, 112, 118, 118);
    const int other = box("K", "o", 300, 300, 310, 310);
    box_level[other] = 1;
    link(p, c, "on_set");
    link(c, g, "on_set");
    link(p, other, "on_set");
    EXPECT_EQ(0, shift_box(p, 10, 5));
    EXPECT_EQ("110,105,210,205", rect(p));
    EXPECT_EQ("120,115,130,125", rect(c));
    EXPECT_EQ("122,117,128,123", rect(g));
    EXPECT_EQ("300,300,310,310", rect(other));
    EXPECT_EQ(1, shift_box(9, 1, 1));
    EXPECT_EQ(0, shift_box(p, -500, -1));  // clamped at 0, the children follow the cut delta
    EXPECT_EQ("0,104,100,204", rect(p));
    EXPECT_EQ("10,114,20,124", rect(c));
}

TEST_F(RelMove, AlignmentRelations)
{
    const struct {
        const char *rel;
        const char *child_after;
    } cases[] = {{"left_set", "100,500,120,520"},   {"right_set", "190,500,210,520"},
                 {"top_set", "500,100,520,120"},    {"bottom_set", "500,140,520,160"},
                 {"h_center", "145,500,165,520"},   {"v_center", "500,120,520,140"},
                 {"right_connect", "209,500,229,520"}, {"left_connect", "81,500,101,520"},
                 {"bottom_connect", "500,159,520,179"}, {"top_connect", "500,81,520,101"},
                 {"SET", "500,500,520,520"},        {"under_pos", "500,500,520,520"}};
    for (const auto &c : cases) {
        forms_reset_all();
        form_alloc();
        const int p = box("K", "p", 90, 90, 200, 150);
        const int ch = box("K", "c", 500, 500, 520, 520);
        link(p, ch, c.rel);
        shift_box(p, 10, 10);
        EXPECT_EQ(c.child_after, rect(ch)) << c.rel;
    }
}

TEST_F(RelMove, LineCommentsAndRelateOff)
{
    const int p = box("COMMENT", "p", 100, 100, 200, 200, "x Line");
    const int c = box("K", "c", 500, 500, 520, 520);
    link(p, c, "left_set");
    shift_box(p, 10, 0);
    EXPECT_EQ("500,500,520,520", rect(c));
    copy_bounded(box_table[p].kind, kind_size, "K");
    relate_off = 1;
    shift_box(p, 10, 0);
    EXPECT_EQ("500,500,520,520", rect(c));
    relate_off = 0;
    shift_box(p, 10, 0);
    EXPECT_EQ("130,500,150,520", rect(c));
}

TEST_F(RelMove, SizeRelationsAndTheMinimum)
{
    const int p = box("K", "p", 100, 100, 200, 160);
    const int w = box("K", "w", 0, 0, 10, 10);
    const int l = box("K", "l", 150, 300, 180, 320);
    const int narrow = box("K", "n", 300, 300, 105, 320);
    link(p, w, "same");
    link(p, l, "left_same");
    link(p, narrow, "left_same");
    EXPECT_EQ(1, resize_box(p, 20, 10));
    EXPECT_EQ("0,0,120,70", rect(w));
    EXPECT_EQ("100,300,180,320", rect(l));
    EXPECT_EQ("300,300,105,320", rect(narrow));
    EXPECT_EQ(0, resize_box(p, 0, 0));
    resize_box(p, -500, -500);
    EXPECT_EQ("100,100,112,112", rect(p));
}

TEST_F(RelMove, EachSizeRelation)
{
    const struct {
        const char *rel;
        const char *child_after;
    } cases[] = {{"wide_same", "150,300,270,330"},   {"height_same", "150,300,170,370"},
                 {"left_same", "100,300,170,330"},   {"right_same", "150,300,220,330"},
                 {"top_same", "150,100,170,330"},    {"bottom_same", "150,300,170,330"},
                 {"Same", "150,300,170,330"}};
    for (const auto &c : cases) {
        forms_reset_all();
        form_alloc();
        const int p = box("K", "p", 100, 100, 200, 160);
        const int ch = box("K", "c", 150, 300, 170, 330);
        link(p, ch, c.rel);
        resize_box(p, 20, 10);
        EXPECT_EQ(c.child_after, rect(ch)) << c.rel;
    }
}

TEST_F(RelMove, BalanceChainsShareTheAverageGap)
{
    const int a = box("K", "a", 0, 0, 10, 10);
    const int b = box("K", "b", 20, 0, 30, 10);
    const int c = box("K", "c", 45, 0, 55, 10);
    link(a, b, "h_balance");
    link(b, c, "h_balance");
    EXPECT_EQ(12, balance_h_chain(a, 0, 0));
    EXPECT_EQ("45,0,55,10", rect(c));
    EXPECT_EQ("23,0,33,10", rect(b));
    EXPECT_EQ("1,0,11,10", rect(a));
    const int d = box("K", "d", 0, 0, 10, 10);
    const int e = box("K", "e", 0, 30, 10, 40);
    const int f = box("K", "f", 0, 45, 10, 55);
    link(d, e, "v_balance");
    link(e, f, "v_balance");
    shift_box(d, 0, 0);  // a move of the chain's first box places the chain
    EXPECT_EQ("0,45,10,55", rect(f));
    EXPECT_EQ("0,23,10,33", rect(e));
    EXPECT_EQ("0,1,10,11", rect(d));
}

TEST_F(RelMove, LongChainsCyclesAndSharedChildrenMoveOnce)
{
    int prev = box("K", "root", 1000, 1000, 1010, 1010);
    const int root = prev;
    for (int i = 1; i < 29; ++i) {
        const int c = box("K", "", 1000 + i, 1000, 1010 + i, 1010);
        link(prev, c, "on_set");
        link(prev, c, "left_set");
        prev = c;
    }
    sort_links();
    shift_box(root, 5, 0);  // each level is carried, then lined up on its parent
    for (int i = 0; i < 29; ++i) EXPECT_EQ(1005, box_table[i].x) << i;
    for (int r = 0; r < l_num; ++r) {
        if (strcmp(link_table[r].name, "left_set") == 0) copy_bounded(link_table[r].name, name_size, "X");
    }
    for (int i = 0; i < 29; ++i) box_table[i].x = 1000 + i;
    shift_box(root, 5, 0);  // on_set alone: every box once by the delta
    for (int i = 0; i < 29; ++i) EXPECT_EQ(1005 + i, box_table[i].x) << i;
    // a cycle and a child with two parents
    forms_reset_all();
    form_alloc();
    const int a = box("K", "a", 100, 100, 110, 110);
    const int b = box("K", "b", 200, 100, 210, 110);
    const int c = box("K", "c", 300, 100, 310, 110);
    link(a, b, "on_set");
    link(a, c, "on_set");
    link(b, c, "on_set");
    link(c, a, "on_set");
    sort_links();
    shift_box(a, 7, 0);
    EXPECT_EQ(107, box_table[a].x);
    EXPECT_EQ(207, box_table[b].x);
    EXPECT_EQ(307, box_table[c].x);
}

TEST_F(RelMove, FramesMoveOnlyWhatTheyHold)
{
    const int f = box("z", "", 100, 100, 200, 200);
    const int in = box("K", "in", 110, 110, 120, 120);
    const int edge = box("K", "edge", 100, 150, 120, 160);
    const int child = box("K", "child", 500, 500, 510, 510);
    link(in, child, "on_set");
    EXPECT_EQ(1, move_box(f, 10, 10));
    EXPECT_EQ(3, form_num);  // the frame went
    EXPECT_EQ("120,120,130,130", rect(in - 1));
    EXPECT_EQ("100,150,120,160", rect(edge - 1));
    EXPECT_EQ("500,500,510,510", rect(child - 1));
}

TEST_F(RelMove, DragRectanglesAndCorners)
{
    int x = 5, y = 5, ex = 50, ey = 50;
    shift_drag_rect(&x, &y, &ex, &ey, -10, 3);
    EXPECT_EQ(0, x);
    EXPECT_EQ(45, ex);
    EXPECT_EQ(8, y);
    grow_drag_rect(&x, &y, &ex, &ey, -100, 4);
    EXPECT_EQ(1, ex);  // raised to x + 1, then x stepped right
    EXPECT_EQ(1, x);
    EXPECT_EQ(57, ey);
    EXPECT_EQ(7, y);
    box("K", "a", 0, 0, 100, 100);
    box("K", "b", 50, 50, 100, 100);
    box("K", "c", 0, 0, 300, 300);
    box_level[2] = 4;
    EXPECT_EQ(1, corner_at_point(103, 97, 6, nullptr));
    EXPECT_EQ(-1, cur_box);
    EXPECT_EQ(1, corner_at_point(103, 97, 6, capture::new_edit()));
    EXPECT_EQ(1, cur_box);
    EXPECT_EQ(-1, corner_at_point(106, 100, 6, nullptr));
}

TEST_F(RelMove, UndoMovesFramesPastesAndAlignments)
{
    const int a = box("K", "a", 100, 100, 110, 110);
    EXPECT_EQ(1, undo_move());
    shift_box(a, 30, 10);
    undo_note_move(0, a, 30, 10);
    cur_box = a;
    EXPECT_EQ(0, undo_move());
    EXPECT_EQ("100,100,110,110", rect(a));
    EXPECT_EQ(0, undo_move());
    EXPECT_EQ("130,110,140,120", rect(a));
    // a moved frame comes back, moves the contents back and goes again
    const int f = box("z", "", 0, 0, 300, 300);
    move_box(f, 5, 5);
    undo_note_move(0, f, 5, 5);
    cur_box = -1;
    EXPECT_EQ("135,115,145,125", rect(a));
    EXPECT_EQ(0, undo_move());
    EXPECT_EQ("130,110,140,120", rect(a));
    EXPECT_EQ(1, form_num);
    // alignments, also after a clamp
    const int b = box("K", "b", 50, 50, 60, 60);
    cur_box = a;
    EXPECT_EQ(1, align_to_current(55, 55, 6, 0));
    EXPECT_EQ(130, box_table[b].x);
    EXPECT_EQ(0, undo_align());
    EXPECT_EQ(50, box_table[b].x);
    EXPECT_EQ(0, undo_align());
    EXPECT_EQ(130, box_table[b].x);
    const int top = box("K", "top", 0, 5, 10, 15);
    box_table[b].y = 20;
    box_table[b].endy = 30;
    cur_box = top;
    EXPECT_EQ(1, align_to_current(135, 25, 7, 0));
    EXPECT_EQ(5, box_table[b].y);
    EXPECT_EQ(-15, undo_align_rec.delta);
    undo_align();
    EXPECT_EQ(20, box_table[b].y);
    EXPECT_EQ(0, align_to_current(999, 999, 6, 0));
    EXPECT_EQ(1, undo_clear() + 1);
    EXPECT_EQ(1, undo_align());
    EXPECT_EQ(1, undo_paste());
}

TEST_F(RelMove, CheckCommandOrder)
{
    char why[100];
    EXPECT_EQ(1, check_command(why));
    EXPECT_STREQ("FORMが空である", why);
    const int u = box("MYKIND", "", 0, 0, 1, 1);
    EXPECT_EQ(1, check_command(why));
    EXPECT_STREQ("カレント矩形が無い", why);
    cur_box = u;
    EXPECT_EQ(0, check_command(why));
    EXPECT_STREQ("MYKIND", why);
    const int e = box("", "", 0, 0, 1, 1);
    cur_box = e;
    EXPECT_EQ(1, check_command(why));
    EXPECT_STREQ("カレント矩形にカテゴリ名が無い", why);
    copy_bounded(box_table[e].kind, kind_size, "EDIT");
    EXPECT_EQ(1, check_command(why));
    EXPECT_STREQ("カレントがコントロールである", why);
    copy_bounded(box_table[e].kind, kind_size, "TAG");
    EXPECT_EQ(1, check_command(why));
    EXPECT_STREQ("カレントが特殊矩形である", why);
    box("SMENU", "", 0, 0, 1, 1);
    cur_box = u;
    EXPECT_EQ(1, check_command(why));
    EXPECT_STREQ("APP,FORM,SMENUは対象外", why);
}

}  // namespace
