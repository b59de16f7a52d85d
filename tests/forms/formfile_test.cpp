// Form files: the writer's bytes, every layout the reader takes, loads at a
// base, the failures, and the table reader and writer.
#include "forms/formfile.h"

#include <filesystem>

#include "forms/multi_cur.h"
#include "forms/rtree.h"
#include "shell/dirs.h"
#include "tests/forms/form_fixture.h"

namespace {

class FormFile : public FormTest {
protected:
    static std::string fixture(const char *name) { return file_text(std::string(VOK_FORMS_FIXTURES) + "/" + name); }
    static std::string raw_text(const char *name)
    {
        std::ifstream in(name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void three_boxes()
    {
        box("WORK", "top", 10, 20, 100, 200, "w \"cap tion\" 1");
        box("", "", 12345, 0, 99999, -5, "");
        box("abc d", "n m", 1, 2, 3, 4, "#not a mark");
        link(0, 1, "on_set");
        link(0, 2, "right_connect");
    }
};

TEST_F(FormFile, WriterBytes)
{
    three_boxes();
    EXPECT_EQ(0, save_form("out.f"));
    EXPECT_EQ(fixture("two_links.f"), file_text("out.f"));
    EXPECT_STREQ("?", box_table[1].kind);  // fixed in the model too
}

TEST_F(FormFile, LfAndCrLfFilesLoadToTheSameTables)
{
    auto load = [](const char *fixture_name) {
        forms_reset_all();
        form_alloc();
        std::ifstream in(std::string(VOK_FORMS_FIXTURES) + "/" + fixture_name, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        write_file("copy.f", bytes.str());
        EXPECT_EQ(0, load_form("copy.f"));
        std::string tables = para_buf;
        for (int i = 0; i < form_num; ++i) tables += rect(i) + box_table[i].kind + "|" + box_table[i].name + "\n";
        for (int r = 0; r < l_num; ++r)
            tables += std::to_string(link_table[r].from) + ">" + std::to_string(link_table[r].to) + link_table[r].name + "\n";
        return tables;
    };
    const std::string lf = load("two_links.f");
    EXPECT_NE(std::string::npos, lf.find("12345,0,99999,-5?|"));
    EXPECT_EQ(lf, load("two_links_crlf.f"));
}

TEST_F(FormFile, NoLinkSectionWithoutLinks)
{
    box("K", "a", 1, 2, 3, 4, "p");
    EXPECT_EQ(0, save_form("one.f"));
    EXPECT_EQ("#F2    x\t   y\tendx\tendy\tclass     \tname      \n"
              "       1\t   2\t   3\t   4\tK         \ta         \n"
              "#P1       \np\n",
              file_text("one.f"));
}

TEST_F(FormFile, RoundTripAndReadBehindExistingBoxes)
{
    three_boxes();
    save_form("rt.f");
    forms_reset_all();
    form_alloc();
    for (int i = 0; i < 10; ++i) box("OLD", "", 0, 0, 1, 1, "old");
    form_push("rt.f", 0);
    EXPECT_EQ(0, load_form("rt.f"));
    EXPECT_EQ(13, form_num);
    ASSERT_EQ(2, l_num);
    EXPECT_EQ(10, link_table[0].from);
    EXPECT_EQ(11, link_table[0].to);
    EXPECT_EQ(12, link_table[1].to);
    EXPECT_STREQ("abc_d", box_table[12].kind);
    EXPECT_STREQ("n_m", box_table[12].name);
    EXPECT_STREQ("", box_table[11].name);
    EXPECT_EQ("10,20,100,200", rect(10));
    EXPECT_EQ("\"cap tion\"", field(10, 1));
    EXPECT_EQ("#not a mark\n", para_line(12));
    EXPECT_STREQ("rt.f", cur_form_name);
    EXPECT_EQ(10, gen_range.first_box);
    save_form("again.f");  // a sub-form writes its own range, relative
    EXPECT_EQ(file_text("rt.f"), file_text("again.f"));
}

TEST_F(FormFile, EveryLayout)
{
    write_file("old.f",
               "a/b 1 2 3 4 K(x)\n"  // before any mark: the "#F1" layout
               "#  \n"
               "n(1) 1 2 3 4 k/2\n"
               "#F1\n"
               "f1name FK 5 6 7 8\n"
               "#F2\n"
               "9 10 11 12 F2K w(1)/x\n"
               "\n"
               "#L1\n"
               "h_connect 1 2\n"
               "#zz skipped\n"
               "#L2\n"
               "2 3 POSI\n"
               "3 1 v_connect\n"
               "#P1\n"
               "p0\n");
    EXPECT_EQ(0, load_form("old.f"));
    ASSERT_EQ(5, form_num);
    EXPECT_STREQ("a", box_table[0].name);
    EXPECT_STREQ("1", box_table[0].kind);
    EXPECT_STREQ("n", box_table[1].name);
    EXPECT_STREQ("k", box_table[1].kind);
    EXPECT_EQ("1,2,3,4", rect(1));
    EXPECT_STREQ("FK", box_table[2].kind);
    EXPECT_EQ("5,6,7,8", rect(2));
    EXPECT_STREQ("w(1)/x", box_table[3].name);
    EXPECT_EQ("9,10,11,12", rect(3));
    EXPECT_STREQ("", box_table[4].kind);
    EXPECT_EQ("0,0,0,0", rect(4));
    ASSERT_EQ(3, l_num);
    EXPECT_STREQ("right_connect", link_table[0].name);
    EXPECT_STREQ("SET", link_table[1].name);
    EXPECT_STREQ("bottom_connect", link_table[2].name);
    EXPECT_EQ("p0\n", para_line(0));
}

TEST_F(FormFile, FileEndingInLinksAndCrLfLines)
{
    write_file("crlf.f", "#F2\r\n1 2 3 4 K a\r\n5 6 7 8 K b\r\n#L2\r\n0 1 on_set\r\n");
    EXPECT_EQ(0, load_form("crlf.f"));
    EXPECT_EQ(2, form_num);
    EXPECT_EQ(1, l_num);
    EXPECT_STREQ("a", box_table[0].name);
    EXPECT_STREQ("on_set", link_table[0].name);
    EXPECT_STREQ("", para_buf);
}

TEST_F(FormFile, AStrayCrEndsAFieldAndTheFormReadsBackAlike)
{
    write_file("cr.f", "#F1\nname\r  K 1 2 3 4\nlast K2 5 6 7 8\r\n#L2\n0 1 on\rx\n");
    EXPECT_EQ(0, load_form("cr.f"));
    ASSERT_EQ(2, form_num);
    ASSERT_EQ(1, l_num);
    EXPECT_STREQ("name", box_table[0].name);
    EXPECT_STREQ("K", box_table[0].kind);
    EXPECT_EQ("1,2,3,4", rect(0));
    EXPECT_STREQ("K2", box_table[1].kind);
    EXPECT_STREQ("on", link_table[0].name);
    save_form("cr2.f");
    forms_reset_all();
    form_alloc();
    EXPECT_EQ(0, load_form("cr2.f"));
    EXPECT_STREQ("name", box_table[0].name);
    EXPECT_STREQ("on", link_table[0].name);
}

TEST_F(FormFile, LongParameterLinesReadWhole)
{
    const std::string long_line = "v " + std::string(2500, 'q');
    box("K", "a", 1, 2, 3, 4, long_line.c_str());
    box("K", "b", 1, 2, 3, 4, "second");
    save_form("long.f");
    forms_reset_all();
    form_alloc();
    EXPECT_EQ(0, load_form("long.f"));
    EXPECT_EQ(long_line + "\n", para_line(0));
    EXPECT_EQ("second\n", para_line(1));
}

TEST_F(FormFile, Failures)
{
    multi_cur = 4;
    tree_view_flag = 1;
    EXPECT_EQ(1, load_form("missing.f"));
    EXPECT_STREQ("missing.f", cur_form_name);
    EXPECT_EQ(0, multi_cur);
    EXPECT_EQ(0, tree_view_flag);
    EXPECT_EQ(0, form_num);
    box("K", "a", 1, 2, 3, 4);
    EXPECT_EQ(1, save_form("no_such_dir\\x.f"));
    int links = 0, boxes = 0;
    EXPECT_EQ(-1, form_read("missing.f", 10, box_table, 10, link_table, &links, nullptr, &boxes));
    write_file("many.f", "#F2\n1 1 1 1 K a\n2 2 2 2 K b\n3 3 3 3 K c\n#L2\n0 1 x\n#P1\nl0\nl1\nl2\n");
    box_rec rows[2];
    link_rec lk[2];
    EXPECT_EQ(-2, form_read("many.f", 2, rows, 2, lk, &links, nullptr, &boxes));
    EXPECT_EQ(2, boxes);
    EXPECT_EQ(0, links);
    forms_reset_all();
    form_alloc();
    form_num = box_cap - 2;
    EXPECT_EQ(2, load_form("many.f"));
    EXPECT_EQ(box_cap, form_num);
}

// A save writes a temporary beside the form and renames it over the form:
// when the temporary cannot be made the old form stays byte for byte.
TEST_F(FormFile, AFailedSaveKeepsTheOldForm)
{
    three_boxes();
    write_file("kept.f", "old form\r\n");
    std::filesystem::create_directory("kept.f.$$$");
    EXPECT_EQ(1, save_form("kept.f"));
    EXPECT_EQ("old form\r\n", raw_text("kept.f"));
    std::filesystem::remove("kept.f.$$$");
    EXPECT_EQ(0, save_form("kept.f"));
    EXPECT_EQ(fixture("two_links.f"), file_text("kept.f"));
    EXPECT_FALSE(std::filesystem::exists("kept.f.$$$"));
}

TEST_F(FormFile, SavesGoWhereTheFolderSlotsSendThem)
{
    std::filesystem::create_directory("slot1");
    proj_selected = 1;
    copy_bounded(proj_dirs, sizeof proj_dirs, "no_such_dir,slot1");
    three_boxes();
    static const struct {
        const char *name;
        const char *written;
    } cases[] = {{"w.f", "slot1/w.f"}, {"1:p.f", "slot1/p.f"}};
    for (const auto &c : cases) {
        std::filesystem::remove(c.written);
        EXPECT_EQ(0, save_form(c.name)) << c.name;
        EXPECT_EQ(fixture("two_links.f"), file_text(c.written)) << c.name;
        EXPECT_FALSE(std::filesystem::exists(std::string(c.written) + ".$$$")) << c.name;
    }
    EXPECT_EQ(1, save_form("0:x.f"));
    proj_selected = 0;
    proj_dirs[0] = '\0';
}

TEST_F(FormFile, TableReadAndWrite)
{
    box_rec rows[7] = {};
    for (int i = 0; i < 7; ++i) {
        copy_bounded(rows[i].name, sizeof rows[i].name, ("W" + std::to_string(i)).c_str());
        copy_bounded(rows[i].kind, sizeof rows[i].kind, "v");
        rows[i].x = i;
        rows[i].endy = 100 * i;
    }
    EXPECT_EQ(0, table_write("vokwsize.dat", 7, rows, 0, nullptr, nullptr));
    EXPECT_EQ(std::string::npos, file_text("vokwsize.dat").find("#L2"));
    EXPECT_EQ(std::string::npos, file_text("vokwsize.dat").find("#P1"));
    box_rec back[7] = {};
    int links = 0, lines = 0;
    EXPECT_EQ(7, table_read("vokwsize.dat", 7, back, 0, nullptr, &links, nullptr, &lines));
    EXPECT_EQ(7, lines);
    EXPECT_STREQ("W6", back[6].name);
    EXPECT_EQ(600, back[6].endy);
    EXPECT_EQ(-1, table_read("none.dat", 7, back, 0, nullptr, &links, nullptr, &lines));
    EXPECT_EQ(1, table_write("no_such_dir\\v.dat", 7, rows, 0, nullptr, nullptr));
}

}  // namespace
