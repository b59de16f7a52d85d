// Copy to "saveform.txt", paste, its undo, split files and subtree deletion.
#include "forms/copysplit.h"

#include <filesystem>

#include "forms/undo.h"
#include "shell/dirs.h"
#include "tests/forms/form_fixture.h"

namespace {

class CopySplit : public FormTest {};

TEST_F(CopySplit, CopiesABoxASubtreeAndAFrame)
{
    const int other = box("K", "other", 0, 0, 5, 5, "o");
    const int p = box("", "p", 20, 40, 120, 80, "pp");
    const int c1 = box("C", "c1", 20, 100, 120, 140, "one");
    const int c2 = box("C", "", 30, 100, 40, 110, "two");
    box_level[c2] = 3;
    link(p, c1, "on_set");
    link(p, c2, "on_set");
    link(other, c1, "x");
    EXPECT_EQ(0, copy_to_saveform(p, 1));
    EXPECT_EQ("#F2\n00 20 40 120 80 ? p\n#L2\n#P1\npp\n", file_text("saveform.txt"));
    EXPECT_EQ(0, copy_to_saveform(p, 0));
    EXPECT_EQ("#F2\n00 20 40 120 80 ? p\n00 20 100 120 140 C c1\n03 30 100 40 110 C \n"
              "#L2\n0 1 on_set\n0 2 on_set\n#P1\npp\none\ntwo\n",
              file_text("saveform.txt"));
    const int f = box("z", "", 10, 30, 130, 150, "frame");
    EXPECT_EQ(0, copy_to_saveform(f, 0));
    EXPECT_EQ("#F2\n00 10 30 130 150 z \n00 20 40 120 80 ? p\n00 20 100 120 140 C c1\n"
              "#L2\n1 2 on_set\n#P1\nframe\npp\none\n",
              file_text("saveform.txt"));
    EXPECT_EQ(-1, copy_to_saveform(99, 0));
}

TEST_F(CopySplit, PastePlacesLevelsAndUndoes)
{
    write_file("saveform.txt", "#F2\n03 20 40 120 80 A a\n00 20 100 120 140 B b\n-1 7 8 9 10 C c\n"
                               "#L2\n0 1 on_set\n#P1\n#first\nsecond\nthird\n");
    box("K", "k", 0, 0, 1, 1, "k");
    cur_level = 1;
    EXPECT_EQ(0, paste_saved(200, 100));
    ASSERT_EQ(4, form_num);
    EXPECT_EQ("200,100,300,140", rect(1));
    EXPECT_EQ("200,160,300,200", rect(2));
    EXPECT_EQ("7,8,9,10", rect(3));
    EXPECT_EQ(1, box_level[1]);
    EXPECT_EQ(-1, box_level[3]);
    EXPECT_EQ(1, link_table[0].from);
    EXPECT_EQ(2, link_table[0].to);
    EXPECT_EQ("#first\n", para_line(1));
    cur_box = 3;
    EXPECT_EQ(0, undo_paste());
    EXPECT_EQ(1, form_num);
    EXPECT_EQ(0, l_num);
    EXPECT_STREQ("k\n", para_buf);
    EXPECT_EQ(-1, cur_box);
    EXPECT_EQ(0, undo_paste());
    EXPECT_EQ(4, form_num);
    EXPECT_EQ("third\n", para_line(3));
}

TEST_F(CopySplit, DeletingBelowThePasteBaseForgetsThePaste)
{
    write_file("saveform.txt", "#F2\n00 0 0 10 10 A a\n#L2\n#P1\npa\n");
    box("K", "k", 0, 0, 1, 1, "k");
    box("K", "k2", 0, 0, 1, 1, "k2");
    paste_saved(50, 50);
    delete_box(2, 1);  // the pasted box itself: above the base
    EXPECT_EQ(2, undo_paste_rec.boxes);
    paste_saved(50, 50);
    delete_box(0, 1);
    EXPECT_EQ(1, undo_paste());
    EXPECT_STREQ("k2\npa\n", para_buf);
}

TEST_F(CopySplit, PastedFramesGoAndFullTablesRefuse)
{
    write_file("saveform.txt", "#F2\n00 0 0 100 100 z \n00 10 10 20 20 A in\n#L2\n#P1\nf\nin\n");
    EXPECT_EQ(0, paste_saved(5, 5));
    ASSERT_EQ(1, form_num);
    EXPECT_STREQ("in", box_table[0].name);
    EXPECT_EQ("15,15,25,25", rect(0));
    EXPECT_EQ(1, undo_paste());
    form_num = box_cap - 1;
    EXPECT_EQ(2, paste_saved(5, 5));
    EXPECT_EQ(box_cap - 1, form_num);
    home_remove("saveform.txt");
    EXPECT_EQ(1, paste_saved(5, 5));
}

TEST_F(CopySplit, SplitWritesBothFiles)
{
    const int w = box("WORK", "top", 0, 0, 10, 10, "w");
    const int i1 = box("ITEMBOX", "one", 0, 20, 10, 30, "i1");
    const int c1 = box("K", "", 0, 40, 10, 50, "c1");
    const int i2 = box("ITEMBOX", "two", 0, 60, 10, 70, "i2");
    const int c2 = box("K", "kid", 0, 80, 10, 90, "c2");
    box("QFONT", "q", 0, 100, 10, 110, "12");
    link(w, i2, "on_set");
    link(i1, c1, "on_set");
    link(i2, c2, "on_set");
    cur_box = i1;
    write_file("cur.f", "old");
    EXPECT_EQ(0, split_form("cur.f", "ITEMBOX.f"));
    EXPECT_EQ("#F2\n0 0 10 10 WORK top\n0 20 10 30 ITEMBOX one\n0 60 10 70 ITEMBOX two\n0 100 10 110 QFONT q\n"
              "#L2\n0 2 on_set\n#P1\nw\ni1\ni2\n12\n",
              file_text("cur.f"));
    EXPECT_EQ("#F2\n0 0 10 10 WORK top\n0 20 10 30 EBOX one\n0 40 10 50 K \n0 60 10 70 EBOX two\n"
              "0 80 10 90 K kid\n0 100 10 110 QFONT q\n"
              "#L2\n0 1 ANY\n0 3 on_set\n1 2 on_set\n3 4 on_set\n#P1\nw\ni1\nc1\ni2\nc2\n12\n",
              file_text("ITEMBOX.f"));
    EXPECT_EQ(6, form_num);
}

TEST_F(CopySplit, AnUnwritableNewFileLeavesTheCurrentFile)
{
    box("WORK", "top", 0, 0, 10, 10, "w");
    cur_box = box("CAT", "c", 0, 20, 10, 30, "c");
    write_file("cur.f", "unchanged\n");
    EXPECT_EQ(3, split_form("cur.f", "no_such_dir\\CAT.f"));
    EXPECT_EQ("unchanged\n", file_text("cur.f"));
    EXPECT_EQ(2, split_form("no_such_dir\\cur.f", "CAT.f"));
    EXPECT_EQ(2, form_num);
    std::filesystem::create_directory("cur.f.$$$");  // the current file's temporary cannot be made
    EXPECT_EQ(2, split_form("cur.f", "CAT.f"));
    EXPECT_EQ("unchanged\n", file_text("cur.f"));
    std::filesystem::remove("cur.f.$$$");
}

TEST_F(CopySplit, SubtreeDeletionThroughSwappedDetailsAndCycles)
{
    const int a = box("K", "a", 0, 0, 1, 1);
    const int d = box("DETAIL", "d", 0, 0, 1, 1, "0 0 1 0 0");
    const int b = box("K", "b", 0, 0, 1, 1);
    box("K", "keep", 0, 0, 1, 1);
    link(a, d, "on_set");
    link(d, b, "on_set");
    link(b, a, "on_set");
    EXPECT_EQ(0, delete_subtree(a));
    ASSERT_EQ(2, form_num);
    EXPECT_STREQ("d", box_table[0].name);
    EXPECT_STREQ("keep", box_table[1].name);
    EXPECT_EQ(0, l_num);
    EXPECT_EQ(0, delete_subtree(-1));
}

}  // namespace
