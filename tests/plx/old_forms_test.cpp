// PLX's paths and small files: the extension rule, "plx_cur.dat", and old
// form files stacked one below the other with their record "z.txt".
#include <string>

#include "plx/old_forms.h"
#include "plx/view.h"
#include "tests/plx/plx_fixture.h"

namespace {

using PlxOld = PlxTest;

TEST_F(PlxOld, ExtensionIsReplacedOrAppended)
{
    struct ext_case {
        const char *path, *ext, *expect;
    } cases[] = {
        {"tree.txt", ".ft", "tree.ft"},
        {"tree", ".ft", "tree.ft"},
        {"a.b.c", ".f", "a.b.f"},
        {"dir.d\\tree", ".ft", "dir.d\\tree.ft"},   // a dot in a folder is no extension
        {"C:\\w\\*.x", ".f", "C:\\w\\*.f"},
        {"a.表b", ".ft", "a.ft"},                     // the trail byte of 表 is no folder separator
    };
    for (const ext_case &c : cases) {
        char out[100];
        EXPECT_EQ(0, plx_path_ext(out, sizeof out, c.path, c.ext));
        EXPECT_STREQ(c.expect, out) << c.path;
    }
    char small[6];
    EXPECT_EQ(1, plx_path_ext(small, sizeof small, "tree", ".ft"));
}

TEST_F(PlxOld, CurrentPathIsSavedAndLoaded)
{
    char path[100] = "default";
    EXPECT_EQ(1, plx_cur_load(path, sizeof path));
    EXPECT_STREQ("default", path);
    EXPECT_EQ(0, plx_cur_save("C:\\work\\tree.ft"));
    EXPECT_EQ("C:\\work\\tree.ft\n", file_text("plx_cur.dat"));
    EXPECT_EQ(0, plx_cur_load(path, sizeof path));
    EXPECT_STREQ("C:\\work\\tree.ft", path);
    write_file("plx_cur.dat", "first.ft\r\nsecond.ft\r\n");
    EXPECT_EQ(0, plx_cur_load(path, sizeof path));
    EXPECT_STREQ("first.ft", path);
}

TEST_F(PlxOld, TwoFilesStackInByteOrder)
{
    write_file("b.f", "#F2\n0 0 10 10 WORK wb\n5 30 20 40 BOX b1\n#L2\n0 1 on_set\n#P1\nwb\nb1\n");
    write_file("a.f", "#F2\n0 0 10 10 WORK wa\n5 50 20 60 BOX a1\n#L2\n0 1 on_set\n#P1\nwa\na1\n");
    plx_item_add(0, 0, 1, 1, "BOX", "dropped by the stacking");
    const char *names[] = {"b.f", "a.f"};
    EXPECT_EQ(0, plx_stack_forms("*.f", names, 2));
    EXPECT_EQ("mfnum( 0) pgeta(   0) ygeta(    0) fname(a.f)\n"
              "mfnum( 1) pgeta(   2) ygeta(   50) fname(b.f)\n"
              "mfnum( 2) pgeta(   4) ygeta(   80) fname(***)\n",
              file_text("z.txt"));
    ASSERT_EQ(4, plx_item_num);
    EXPECT_EQ("0,0,10,10 WORK|wa", item(0));
    EXPECT_EQ("0,50,10,60 WORK|wb", item(2));
    EXPECT_EQ("5,80,20,90 BOX|b1", item(3));
    EXPECT_EQ("0>1 on_set;2>3 on_set;", links());
    EXPECT_EQ(0, plx_index_base);
    EXPECT_EQ(0, plx_y_offset);
    for (int i = 0; i < plx_item_num; ++i) EXPECT_EQ(1, plx_items[i].mark);
    ASSERT_EQ(2, plx_read_file_num);
    EXPECT_STREQ("b.f", plx_read_files[1].name);
    EXPECT_EQ(2, plx_read_files[1].base);
    EXPECT_EQ(50, plx_read_files[1].offset);
}

TEST_F(PlxOld, MatchesAreReadFromThePatternsFolder)
{
    write_file("c.f", "#F2\n1 2 3 4 BOX c\n");
    const char *names[] = {"c.f"};
    plx_stack_forms(".\\*.f", names, 1);
    EXPECT_EQ("mfnum( 0) pgeta(   0) ygeta(    0) fname(.\\c.f)\n"
              "mfnum( 1) pgeta(   1) ygeta(    2) fname(***)\n",
              file_text("z.txt"));
    EXPECT_EQ(1, plx_item_num);
}

TEST_F(PlxOld, NoMatchLeavesAnEmptyRecordAndModel)
{
    plx_item_add(0, 0, 1, 1, "BOX", "old");
    EXPECT_EQ(0, plx_stack_forms("*.f", nullptr, 0));
    EXPECT_EQ("", file_text("z.txt"));
    char counts[40];
    plx_counts_text(counts, sizeof counts);
    EXPECT_STREQ("p(0)l(0)s(0)", counts);
}

}  // namespace
