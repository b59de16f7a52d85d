// PLX's form files: the sections of the reader, a file written by the FORM
// screen read back, links to unwritten items dropped and renumbered, a PLX
// file loaded by the FORM screen, and a failed write keeping the old file.
#include <string>
#include <sys/stat.h>
#ifdef _WIN32
#include <direct.h>
#else
#include <unistd.h>
#endif

#include "forms/formfile.h"
#include "plx/form_io.h"
#include "tests/plx/plx_fixture.h"
#include "tests/support/small_fs.h"

namespace {

using PlxForms = PlxTest;

void make_folder(const char *name)
{
#ifdef _WIN32
    _mkdir(name);
#else
    mkdir(name, 0700);
#endif
}

TEST_F(PlxForms, ReaderTakesEachSection)
{
    write_file("in.f",
               "#F2 heading ignored\n"
               "  10 20 110 30 BOX main\n"
               "\n"
               "#  old heading: data of the box section\n"
               "#L1\n"
               "ANY 0 1\n"
               "#L2\n"
               "1\t0\ton_set\n"
               "#P1\n"
               "first text\n"
               "\n");
    EXPECT_EQ(0, plx_read_form("in.f"));
    ASSERT_EQ(3, plx_item_num);
    EXPECT_EQ("10,20,110,30 BOX|main", item(0));
    EXPECT_EQ("0,0,0,0 |", item(1));             // the empty line: an item of zeros
    EXPECT_EQ("0,0,0,0 of|the", item(2));        // "#  " is not a section mark
    EXPECT_EQ("0>1 ANY;1>0 on_set;", links());
    ASSERT_EQ(2, plx_text_num);
    EXPECT_STREQ("first text\n", plx_texts[0]);
    EXPECT_STREQ("\n", plx_texts[1]);
    EXPECT_EQ(1, plx_read_form("missing.f"));
}

TEST_F(PlxForms, FormScreenFileReadsBack)
{
    box("WORK", "top", 10, 20, 100, 200, "w \"cap tion\" 1");
    box("BOX", "漢字", 1, 2, 3, 4, "");
    link(0, 1, "on_set");
    ASSERT_EQ(0, form_write("screen.f", 0, 2, box_table, 0, 1, link_table, para_buf));
    EXPECT_EQ(0, plx_read_form("screen.f"));
    ASSERT_EQ(2, plx_item_num);
    EXPECT_EQ("10,20,100,200 WORK|top", item(0));
    EXPECT_EQ("1,2,3,4 BOX|漢字", item(1));
    EXPECT_EQ("0>1 on_set;", links());
    EXPECT_STREQ("w \"cap tion\" 1\n", plx_text_of(0));
}

TEST_F(PlxForms, LinksToUnwrittenItemsAreDroppedAndRenumbered)
{
    plx_item_add(0, 0, 10, 10, "WORK", "");
    plx_item_add(1, 1, 2, 2, "BOX", "off");
    plx_item_add(3, 3, 4, 4, "BOX", "on");
    plx_link_add(0, 1, "ANY");
    plx_link_add(0, 2, "ANY");
    plx_link_add(2, 1, "on_set");
    plx_text_add("w\n");
    plx_text_add("off\n");
    plx_text_add("on two\nlines\n");
    plx_items[0].mark = 1;
    plx_items[2].mark = 1;
    EXPECT_EQ(0, plx_write_form("out.f"));
    EXPECT_EQ("#F2\n"
              "    0     0    10    10 WORK         \n"
              "    3     3     4     4 BOX          on\n"
              "#L2\n"
              "    0     1 ANY         \n"
              "#P1\n"
              "w\n"
              "on two\n",
              file_text("out.f"));
    EXPECT_EQ(-1, plx_items[1].out);
}

TEST_F(PlxForms, WrittenFileLoadsOnTheFormScreen)
{
    plx_item_add(5, 5, 35, 20, "WORK", "");
    plx_item_add(0, 20, 100, 30, "BOX", "main");
    plx_link_add(0, 1, "ANY");
    plx_text_add("TAVIR Caption N 0 0 640 480\n");
    plx_text_add("\n");
    plx_mark_every();
    ASSERT_EQ(0, plx_write_form("out.f"));
    ASSERT_EQ(0, load_form("out.f"));
    ASSERT_EQ(2, form_num);
    EXPECT_EQ("0,20,100,30", rect(1));
    EXPECT_STREQ("main", box_table[1].name);
    ASSERT_EQ(1, l_num);
    EXPECT_EQ(1, link_table[0].to);
    EXPECT_EQ("TAVIR Caption N 0 0 640 480\n", para_line(0));
}

TEST_F(PlxForms, FailedWriteKeepsTheOldFile)
{
    write_file("out.f", "old bytes\n");
    make_folder("out.f.$$$");  // the temporary cannot be created
    plx_item_add(0, 0, 1, 1, "WORK", "");
    plx_mark_every();
    EXPECT_EQ(1, plx_write_form("out.f"));
    EXPECT_EQ("old bytes\n", file_text("out.f"));
    rmdir("out.f.$$$");
    EXPECT_EQ(0, plx_write_form("out.f"));
    EXPECT_EQ("#F2\n    0     0     1     1 WORK         \n#L2\n#P1\n\n", file_text("out.f"));
}

// A folder at the file's name, a full disk and a read-only folder: the
// write fails, the folder or old file stays as it was and no temporary is left.
TEST_F(PlxForms, FailedReplacementKeepsWhatStoodThere)
{
    enum { at_name, full, read_only };
    const char *const names[] = {"a folder at the name", "a full disk", "a read-only folder"};
    plx_item_add(0, 0, 1, 1, "WORK", "");
    plx_mark_every();
    const std::string start = std::filesystem::current_path().string();
    for (int kind : {at_name, full, read_only}) {
        small_fs::folder fs(small_fs::folder_name("plxout", kind), kind != at_name);
        if (kind != at_name && !fs.mounted()) {
            printf("skipped %s: no small file system could be mounted here\n", names[kind]);
            continue;
        }
        ASSERT_EQ(host_chdir(fs.path().c_str()), 0);
        if (kind == at_name) make_folder("out.f");
        else write_file("out.f", "old bytes\n");
        if (kind == full) {
            EXPECT_TRUE(fs.fill());
        } else if (kind == read_only) {
            EXPECT_TRUE(fs.make_read_only());
        }
        const std::set<std::string> before = failed_write::folder_names();
        const std::string old = failed_write::bytes_of("out.f");
        EXPECT_EQ(1, plx_write_form("out.f")) << names[kind];
        EXPECT_EQ(old, failed_write::bytes_of("out.f")) << names[kind];
        EXPECT_EQ(before, failed_write::folder_names()) << names[kind];
        ASSERT_EQ(host_chdir(start.c_str()), 0);
    }
}

}  // namespace
