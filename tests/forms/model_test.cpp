// The form model: the stack of nested forms, box deletion and reordering,
// links and relations, renames, placements and file-pattern boxes.
#include "forms/copysplit.h"
#include "forms/formfile.h"
#include "forms/model.h"
#include "forms/undo.h"
#include "shell/winmsg.h"
#include "tests/forms/form_fixture.h"

namespace {

class Model : public FormTest {};

TEST_F(Model, StackPushesAndPopsAtItsLimits)
{
    box("A", "a", 0, 0, 10, 10, "pa");
    link(0, 0, "x");
    cur_level = 2;
    scroll_org = {5, 6};
    form_changed = 1;
    for (int i = 0; i < form_stack_cap; ++i) {
        ASSERT_EQ(0, form_push("sub.f", i));
        box("B", "b", 0, 0, 10, 10, "pb");
    }
    EXPECT_EQ(1, form_push("full.f", 0));
    EXPECT_EQ(101, form_num);
    char name[100];
    int cur = 0;
    for (int i = form_stack_cap - 1; i >= 0; --i) {
        ASSERT_EQ(0, form_pop(name, &cur));
        EXPECT_EQ(i, cur);
    }
    EXPECT_EQ(1, form_num);
    EXPECT_EQ(1, l_num);
    EXPECT_EQ(2, cur_level);
    EXPECT_EQ(5, scroll_org.x);
    EXPECT_EQ(6, scroll_org.y);
    EXPECT_EQ(1, form_changed);
    EXPECT_STREQ("pa\n", para_buf);
    EXPECT_STREQ("sub.f", cur_form_name);
    EXPECT_EQ(1, form_pop(name, &cur));
    EXPECT_EQ(0, form_num);
    EXPECT_STREQ("", para_buf);
}

TEST_F(Model, PushRefusesLongNamesAndPopDropsCurrentIndexes)
{
    const std::string long_name(100, 'n');
    EXPECT_EQ(2, form_push(long_name.c_str(), 0));
    EXPECT_EQ(0, fnum);
    box("A", "a", 0, 0, 10, 10);
    ASSERT_EQ(0, form_push(std::string(99, 'n').c_str(), 7));
    box("B", "b", 0, 0, 10, 10);
    cur_box = 1;
    cur_link = 0;
    set_cur_box(0);  // a box of the stacked form
    EXPECT_EQ(1, cur_box);
    EXPECT_EQ(0, get_cur_box_rel());
    EXPECT_EQ(1, box_abs_index(0));
    EXPECT_EQ(-1, box_rel_index(0));
    char small[10];
    int cur = 0;
    EXPECT_EQ(0, form_pop(small, &cur));
    EXPECT_STREQ("nnnnnnnnn", small);
    EXPECT_EQ(-1, cur_box);
    EXPECT_EQ(-1, cur_link);
    cur_box = 0;
    form_reset();
    EXPECT_EQ(-1, cur_box);
}

TEST_F(Model, StackDumpPrintsEveryEntry)
{
    box("A", "a", 0, 0, 10, 10);
    form_push("one.f", 3);
    form_stack_dump();
    EXPECT_EQ("E20100 fnum(1) form_sta(1) form_num(1) l_sta(0) l_num(0)\r\n"
              "E20101 i(  0) form_num(   1) l_num(   0) cur(3) fname(one.f)\r\n",
              output());
}

TEST_F(Model, DeleteBoxKeepsOrRenumbers)
{
    box("A", "a", 0, 0, 10, 10, "p0");
    box("B", "b", 0, 0, 10, 10, "p1");
    box("C", "c", 0, 0, 10, 10, "p2");
    link(0, 2, "on_set");
    link(1, 2, "left_set");
    cur_box = 2;
    cur_link = 0;
    EXPECT_EQ(2, delete_box(1, 0));
    EXPECT_EQ(3, form_num);
    EXPECT_EQ(2, l_num);
    EXPECT_EQ(0, delete_box(1, 1));
    EXPECT_EQ(2, form_num);
    ASSERT_EQ(1, l_num);
    EXPECT_EQ(0, link_table[0].from);
    EXPECT_EQ(1, link_table[0].to);
    EXPECT_EQ(1, cur_box);
    EXPECT_STREQ("p0\np2\n", para_buf);
    EXPECT_STREQ("c", box_table[1].name);
    EXPECT_EQ(-1, delete_box(5, 1));
    EXPECT_EQ(-1, delete_box(-1, 1));
    EXPECT_EQ(0, delete_box(1, 1));
    EXPECT_EQ(0, delete_box(0, 1));
    EXPECT_EQ(1, delete_box(0, 1));
}

TEST_F(Model, DeleteCommandFollowsDetailSubtreesAndFrames)
{
    const int d = box("DETAIL", "d", 10, 10, 50, 50, "0 0 0 0 0");
    const int c = box("X", "c", 60, 60, 70, 70);
    const int s = box("TAIL", "s", 100, 100, 120, 120, "0 0 1 0 0");
    const int g = box("X", "g", 130, 130, 140, 140);
    box("Y", "keep", 300, 300, 310, 310);
    link(d, c, "on_set");
    link(c, s, "on_set");
    link(s, g, "on_set");
    EXPECT_EQ(0, delete_box_cmd(s, 1));  // swapped: stays
    EXPECT_EQ(5, form_num);
    EXPECT_EQ(0, delete_box_cmd(d, 1));  // walks through the swapped TAIL
    ASSERT_EQ(2, form_num);
    EXPECT_STREQ("s", box_table[0].name);
    EXPECT_STREQ("keep", box_table[1].name);
    EXPECT_EQ(-1, delete_box_cmd(9, 1));
}

TEST_F(Model, DeleteCommandOnAFrameDeletesThatFrame)
{
    box("z", "first", 500, 500, 600, 600);
    box("A", "out", 0, 0, 10, 10);
    const int frame = box("z", "", 100, 100, 300, 300);
    box("B", "in1", 110, 110, 120, 120);
    box("DETAIL", "in2", 130, 130, 140, 140, "0 0 0 0 0");
    box("C", "child", 400, 400, 410, 410);
    link(4, 5, "on_set");
    box("TAIL", "swapped", 150, 150, 160, 160, "0 0 1 0 0");
    EXPECT_EQ(0, delete_box_cmd(frame, 1));
    ASSERT_EQ(3, form_num);
    EXPECT_STREQ("first", box_table[0].name);
    EXPECT_STREQ("out", box_table[1].name);
    EXPECT_STREQ("swapped", box_table[2].name);
}

TEST_F(Model, MoveBoxIndexRenumbersLinksAndLines)
{
    for (int i = 0; i < 4; ++i) box("K", std::string(1, static_cast<char>('a' + i)).c_str(), 0, 0, 1, 1, std::to_string(i).c_str());
    link(0, 3, "on_set");
    link(1, 2, "on_set");
    EXPECT_EQ(0, move_box_index(0, 1));  // after = j - 1: nothing
    EXPECT_EQ(0, move_box_index(2, 2));
    EXPECT_STREQ("0\n1\n2\n3\n", para_buf);
    move_box_index(-1, 3);
    EXPECT_STREQ("d", box_table[0].name);
    EXPECT_STREQ("a", box_table[1].name);
    EXPECT_STREQ("3\n0\n1\n2\n", para_buf);
    EXPECT_EQ(0, cur_box);
    EXPECT_EQ(1, link_table[0].from);
    EXPECT_EQ(0, link_table[0].to);
    EXPECT_EQ(2, link_table[1].from);
    EXPECT_EQ(3, link_table[1].to);
    move_box_index(3, 0);  // back to the end
    EXPECT_STREQ("0\n1\n2\n3\n", para_buf);
    EXPECT_EQ(0, link_table[0].from);
    EXPECT_EQ(3, link_table[0].to);
}

TEST_F(Model, LinksAreOrderedByFromNameTo)
{
    for (int i = 0; i < 6; ++i) box("K", "", 0, 0, 1, 1);
    win_handle w = capture::new_edit();
    EXPECT_EQ(0, add_link(3, 5, "b", w));
    EXPECT_EQ(1, add_link(3, 4, "b", w));
    EXPECT_EQ(2, add_link(3, 5, "a", w));
    EXPECT_EQ(3, add_link(3, 5, "B", w));
    EXPECT_EQ(-1, add_link(3, 5, "", w));
    EXPECT_EQ(1, capture::beeps);
    EXPECT_EQ(-1, add_link(3, 9, "a", w));
    const char *want[][2] = {{"5", "B"}, {"5", "a"}, {"4", "b"}, {"5", "b"}};
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(std::stoi(want[r][0]), link_table[r].to);
        EXPECT_STREQ(want[r][1], link_table[r].name);
    }
    EXPECT_EQ(0, cur_link);  // the last link added, where the sort put it
    EXPECT_EQ(5u, capture_forms::redraws.size());
    l_num = link_cap;
    EXPECT_EQ(-1, add_link(3, 5, "c", w));
}

TEST_F(Model, RelateBoxesResults)
{
    for (int i = 0; i < 3; ++i) box("K", "", 0, 0, 1, 1);
    win_handle list = capture::new_list();
    win_handle w = capture::new_edit();
    auto items = [&] { return capture::list_items(list); };
    EXPECT_EQ(-1, relate_boxes(1, 1, "x", w, list));
    EXPECT_EQ(-1, relate_boxes(0, 1, "on_set", w, list));  // none yet
    EXPECT_EQ(std::vector<std::string>{"on_set"}, items());
    link(0, 1, "on_set");
    link(1, 0, "left_set");
    EXPECT_EQ(1, relate_boxes(0, 1, "on_set", w, list));
    EXPECT_EQ((std::vector<std::string>{"on_set", "left_set"}), items());
    EXPECT_EQ(0, cur_link);
    l_num = 1;
    EXPECT_EQ(1, relate_boxes(0, 1, "", w, list));  // a forward link and no name
    EXPECT_TRUE(capture::boxes.empty());
}

TEST_F(Model, RelateBoxesRemovesReverseLinksAfterTheQuestion)
{
    for (int i = 0; i < 3; ++i) box("K", "", 0, 0, 1, 1);
    win_handle list = capture::new_list();
    link(1, 0, "left_set");
    link(1, 0, "on_set");
    link(0, 1, "top_set");
    capture::answers.push_back(IDCANCEL);
    EXPECT_EQ(0, relate_boxes(0, 1, "", nullptr, list));
    EXPECT_EQ(3, l_num);
    ASSERT_EQ(1u, capture::boxes.size());
    EXPECT_EQ("この関係を全部削除するのですか？", capture::boxes[0].text);
    EXPECT_EQ(-2, relate_boxes(0, 1, "", nullptr, list));
    ASSERT_EQ(1, l_num);
    EXPECT_STREQ("top_set", link_table[0].name);
    link(1, 0, "on_set");
    EXPECT_EQ(-2, relate_boxes(0, 1, "on_set", nullptr, list));  // same name: removed without a question
    EXPECT_EQ(2u, capture::boxes.size());
    EXPECT_EQ(1, l_num);
}

TEST_F(Model, UnrelatePairStopsAtTheFirstForwardLink)
{
    for (int i = 0; i < 2; ++i) box("K", "", 0, 0, 1, 1);
    win_handle edit = capture::new_edit("typed");
    link(0, 1, "a_set");
    link(1, 0, "b_set");
    EXPECT_EQ(-1, unrelate_pair(0, 1, "", nullptr, edit));
    EXPECT_EQ(2, l_num);
    EXPECT_EQ(0, cur_link);
    EXPECT_EQ("", capture::edit_text(edit));
    EXPECT_EQ(-1, unrelate_pair(1, 1, "", nullptr, edit));
    l_num = 0;
    link(1, 0, "b_set");
    link(0, 1, "a_set");
    EXPECT_EQ(-1, unrelate_pair(0, 1, "", nullptr, edit));
    EXPECT_EQ(1, l_num);
}

TEST_F(Model, LinksFromAList)
{
    for (int i = 0; i < 2; ++i) box("K", "", 0, 0, 1, 1);
    win_handle list = capture::new_list();
    EXPECT_EQ(0, add_links_from_list(0, 1, list, nullptr));
    EXPECT_EQ(0, l_num);
    link(0, 1, "old");
    capture::list_items(list) = {"b_set", "", "old", "a_set", "b_set"};
    EXPECT_EQ(0, add_links_from_list(0, 1, list, nullptr));
    EXPECT_EQ(3, capture::beeps);
    ASSERT_EQ(3, l_num);
    EXPECT_STREQ("a_set", link_table[0].name);
    EXPECT_STREQ("b_set", link_table[1].name);
    EXPECT_STREQ("old", link_table[2].name);
    EXPECT_EQ((std::vector<std::string>{"b_set", "", "old", "a_set", "b_set"}), capture::list_items(list));
    for (int r = 0; r < 3; ++r) link_table[r] = link_rec{};
    capture::list_items(list) = {"n1", "n2", "n3"};
    l_num = link_cap - 2;
    link_table[link_cap - 3] = {0, 1, "extra"};
    EXPECT_EQ(0, add_links_from_list(0, 1, list, nullptr));
    EXPECT_EQ(link_cap, l_num);
    EXPECT_EQ((std::vector<std::string>{"n1", "n2", "n3", "extra"}), capture::list_items(list));
}

TEST_F(Model, AddBoxRectMinimumAndFullTable)
{
    EXPECT_EQ(0, add_box_rect(10, 10, 15, 40, 6));
    EXPECT_EQ(0, add_box_rect(10, 10, 5, 40, 0));
    EXPECT_EQ(1, add_box_rect(10, 10, 16, 16, 6));
    EXPECT_EQ(1, form_num);
    EXPECT_EQ(0, cur_box);
    EXPECT_STREQ("\n", para_buf);
    form_num = box_cap;
    EXPECT_EQ(0, add_box_rect(10, 10, 50, 50, 6));
    EXPECT_EQ(1, capture::beeps);
    form_num = 1;
    std::string full(para_cap - 1, '\n');
    copy_bounded(para_buf, para_cap, full.c_str());
    para_changed();
    EXPECT_EQ(0, add_box_rect(10, 10, 50, 50, 6));
    EXPECT_EQ(2, capture::beeps);
}

TEST_F(Model, NamesKindsAndRenames)
{
    box("BOX", "plain", 0, 0, 1, 1);
    box("HBOX", "", 0, 0, 1, 1, "shown YBOX");
    char out[8];
    get_box_name(1, out);
    EXPECT_STREQ("shown", out);
    get_box_kind(1, out);
    EXPECT_STREQ("YBOX", out);
    get_box_name(-1, out);
    EXPECT_STREQ("???", out);
    EXPECT_EQ(1, is_box_or_ybox(0));
    EXPECT_EQ(1, is_ybox(1));
    EXPECT_EQ(1, box_is_named(0, "plain"));
    EXPECT_EQ(0, box_is_named(1, "shown"));
    EXPECT_EQ(1, set_box_name(0, "two words"));
    EXPECT_EQ(1, set_box_kind(0, "K\t"));
    EXPECT_EQ(0, set_box_name(0, std::string(40, 'n').c_str()));
    EXPECT_EQ(31u, strlen(box_table[0].name));
    EXPECT_STREQ("plain", undo_name);
    EXPECT_EQ(0, set_box_kind(0, "ABCDEFGHIJKL"));
    EXPECT_STREQ("ABCDEFGHIJ", box_table[0].kind);
    undo_box_rename(0);
    EXPECT_STREQ("plain", box_table[0].name);
    EXPECT_STREQ("BOX", box_table[0].kind);
    undo_box_rename(0);
    EXPECT_STREQ("ABCDEFGHIJ", box_table[0].kind);
    link(0, 1, "on_set");
    get_parent_kind(1, out);
    EXPECT_STREQ("ABCDEFG", out);
}

TEST_F(Model, FitBoxToNameMeasuresOrTakesTheFontHeight)
{
    box("K", "abcd", 10, 20, 11, 21);
    fit_box_to_name(0, nullptr);
    EXPECT_EQ("10,20,44,38", rect(0));
    EXPECT_EQ("Arial", capture_forms::last_face);
    EXPECT_EQ(-12, capture_forms::last_height);
    box("FORM", "", 0, 0, 1, 1);
    fit_box_to_name(0, nullptr);
    EXPECT_EQ("10,20,44,42", rect(0));
}

TEST_F(Model, FileBoxesReplaceTheCurrentFormOnly)
{
    const char *names[] = {"get_any", "a.c", "b d.h", "long_name_of_file.cpp", "noext"};
    canvas_w = 300;
    box("STACKED", "keep", 0, 0, 1, 1, "kept");
    form_push("x.f", 0);
    box("OLD", "", 0, 0, 1, 1, "old");
    link(1, 1, "on_set");
    cur_level = 3;
    para_reset_cb(5, const_cast<char **>(names));
    ASSERT_EQ(5, form_num);
    EXPECT_EQ(0, l_num);
    EXPECT_STREQ("keep", box_table[0].name);
    EXPECT_STREQ("a", box_table[1].kind);
    EXPECT_STREQ("b d", box_table[2].kind);
    EXPECT_STREQ("long_name_", box_table[3].kind);
    EXPECT_EQ("40,60,60,80", rect(1));
    EXPECT_EQ("120,60,140,80", rect(2));
    EXPECT_EQ("200,60,220,80", rect(3));
    EXPECT_EQ("40,110,60,130", rect(4));
    EXPECT_EQ(3, box_level[4]);
    EXPECT_STREQ("kept\n\n\n\n\n", para_buf);
    canvas_w = 50;
    para_reset_cb(4, const_cast<char **>(names));
    EXPECT_EQ("40,60,60,80", rect(1));
    EXPECT_EQ("40,110,60,130", rect(2));
    EXPECT_EQ("40,160,60,180", rect(3));
}

TEST_F(Model, FileBoxesAtTopLevelAndClearingTheForm)
{
    const char *names[] = {"get_any", "x.dat"};
    box("OLD", "a", 0, 0, 1, 1, "a");
    box("OLD", "b", 0, 0, 1, 1, "b");
    link(0, 1, "on_set");
    cur_box = 1;
    canvas_w = 640;
    para_reset_cb(2, const_cast<char **>(names));
    EXPECT_EQ(1, form_num);
    EXPECT_EQ(0, l_num);
    EXPECT_EQ(-1, cur_box);
    EXPECT_STREQ("x", box_table[0].kind);
    EXPECT_STREQ("\n", para_buf);
    form_push("sub.f", 0);
    box("S", "s", 0, 0, 1, 1, "s");
    link(1, 1, "on_set");
    scroll_org = {4, 4};
    EXPECT_EQ(0, mark_parent_changed());
    form_clear();
    EXPECT_EQ(1, form_num);
    EXPECT_EQ(0, l_num);
    EXPECT_STREQ("\n", para_buf);
    EXPECT_EQ(0, scroll_org.x);
    char name[20];
    int cur = 0;
    form_pop(name, &cur);
    EXPECT_EQ(1, get_form_changed());
    clear_form_changed();
    EXPECT_EQ(0, get_form_changed());
    EXPECT_EQ(1, mark_parent_changed());
}

TEST_F(Model, SwappingAPlaceTwiceRestoresIt)
{
    box("DETAIL", "d", 10, 20, 40, 60, "100 200 0 7 8");
    box("K", "other", 5, 5, 6, 6);
    scroll_org = {1, 2};
    swap_box_place(0);
    EXPECT_EQ("107,208,137,248", rect(0));
    EXPECT_EQ("9 18 1 1 2\n", para_line(0));
    EXPECT_EQ(7, scroll_org.x);
    EXPECT_EQ("11,11,12,12", rect(1));
    swap_box_place(0);
    EXPECT_EQ("10,20,40,60", rect(0));
    EXPECT_EQ("100 200 0 7 8\n", para_line(0));
    EXPECT_EQ(1, scroll_org.x);
    EXPECT_EQ(2, scroll_org.y);
    EXPECT_EQ("5,5,6,6", rect(1));
}

TEST_F(Model, SwapDetailPlacesOnlyTheSwappedOnes)
{
    box("DETAIL", "a", 10, 10, 20, 20, "50 50 1 0 0");
    box("TAIL", "b", 10, 10, 20, 20, "60 60 0 0 0");
    box("K", "c", 10, 10, 20, 20, "70 70 1 0 0");
    swap_detail_places();
    EXPECT_EQ("50,50,60,60", rect(0));
    EXPECT_EQ("10,10,20,20", rect(1));
    EXPECT_EQ("10,10,20,20", rect(2));
    swap_back_places();
    EXPECT_EQ("10,10,20,20", rect(0));
    EXPECT_EQ("50 50 1 0 0\n", para_line(0));
    box("z", "frame", 0, 0, 100, 100);
    EXPECT_EQ(1, holds_swapped_detail(3));
    EXPECT_EQ(0, holds_swapped_detail(1));
}

TEST_F(Model, SlotPrefixes)
{
    EXPECT_STREQ("x.f", skip_dir_prefix("3:x.f"));
    EXPECT_STREQ("x.f", skip_dir_prefix("b:x.f"));
    EXPECT_STREQ(":x.f", skip_dir_prefix(":::x.f"));
    EXPECT_STREQ("C:x.f", skip_dir_prefix("C:x.f"));
    char a[20] = "new.f";
    copy_dir_prefix(a, sizeof a, "2:cur.f");
    EXPECT_STREQ("2:new.f", a);
    copy_dir_prefix(a, sizeof a, "3:cur.f");
    EXPECT_STREQ("2:new.f", a);
    char b[20] = "new.f";
    copy_dir_prefix(b, sizeof b, "cur.f");
    EXPECT_STREQ("new.f", b);
}

}  // namespace
