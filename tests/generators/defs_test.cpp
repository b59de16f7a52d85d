// The definition buffer, the wtype and itype tables, the name registries
// and the HTML word lists.
#include <string>

#include "generators/defs.h"
#include "generators/htmlattr.h"
#include "shell/msgbox.h"
#include "tests/generators/gen_fixture.h"

namespace {

class Defs : public GenTest {
protected:
    void SetUp() override
    {
        GenTest::SetUp();
        target_field.edit = capture::new_edit();
        target_field.list = capture::new_list();
    }
    void TearDown() override
    {
        target_field = target_field_rec{};
        GenTest::TearDown();
    }
    static std::vector<std::string> &target_items() { return capture::list_items(target_field.list); }
};

TEST_F(Defs, ReadDefsKeepsDefinitionsAndPlainLines)
{
    put("a.R",
        "#define ok_id 1\n"
        "#include \"x.h\"\n"
        "#static tbl a,b\n"
        "# comment\n"
        "\n"
        "#DATA rows\n"
        "key a, b,c\r\n"
        "   ,\n");
    EXPECT_EQ(0, read_defs("a.R"));
    EXPECT_STREQ("ok_id\t1\t\ntbl\ta\tb\t\n#\tcomment\t\n#DATA\trows\t\nkey\ta\tb\tc\t\n", defs_buf);
    EXPECT_EQ(0, read_defs("missing.R"));
    EXPECT_STREQ("a\tb\tc\t\t", def_line("key"));
    EXPECT_EQ(nullptr, def_line("ke"));
    clear_defs();
    EXPECT_STREQ("", defs_buf);
}

TEST_F(Defs, GetDefFillsTheTargetFieldOnlyWhenFound)
{
    put("a.R", "key one two\nother x\n");
    read_defs("a.R");
    target_items() = {"old"};
    EXPECT_EQ(1, get_def(target_field_handle(), "absent"));
    EXPECT_EQ(std::vector<std::string>{"old"}, target_items());
    EXPECT_EQ(0, get_def(target_field_handle(), "key"));
    EXPECT_EQ((std::vector<std::string>{"one", "two"}), target_items());
    target_items().clear();
    EXPECT_EQ(1, list_defs(target_field.list));
    EXPECT_EQ((std::vector<std::string>{"key", "other"}), target_items());
}

TEST_F(Defs, AFullBufferStopsAtTheFirstLineThatNoLongerFits)
{
    std::string text;
    for (int i = 0; i < 5000; ++i) text += "name" + std::to_string(i) + " value\n";
    put("big.R", text);
    read_defs("big.R");
    const std::string buf = defs_buf;
    ASSERT_LT(buf.size(), static_cast<size_t>(defs_cap));
    EXPECT_EQ('\n', buf.back());
    EXPECT_EQ(static_cast<size_t>(defs_len), buf.size());
    read_defs("big.R");
    EXPECT_EQ(buf, std::string(defs_buf));
}

// A row keeps its newline: a line of 255 characters and its newline no longer fits.
TEST_F(Defs, WtypeSkipsCommentsLongLinesAndStopsAt500Rows)
{
    std::string text = "// a comment\n  \t// another\n\n  WM_SIZE  size(hwnd);\n" + std::string(256, 'x') + "\n" +
                       std::string(255, 'z') + "\n" + std::string(254, 'y') + "\n";
    for (int i = 0; i < 600; ++i) text += "WM_N" + std::to_string(i) + " n\n";
    put("wtype.dat", text);
    EXPECT_EQ(500, read_wtype());
    EXPECT_STREQ("WM_SIZE  size(hwnd);\n", wtype[0]);
    EXPECT_EQ(std::string(254, 'y') + "\n", wtype[1]);
    EXPECT_STREQ("WM_N497 n\n", wtype[499]);
    EXPECT_STREQ("size(hwnd);\n", wtype_rest("WM_SIZE"));
    EXPECT_EQ(nullptr, wtype_rest("WM_SIZ"));
    EXPECT_EQ(nullptr, wtype_rest("WM_N498"));
}

TEST_F(Defs, ItypeMakesControlAndMenuNames)
{
    put("itype.dat", "IDOK rest\nID_\n\n" + std::string(100, 'z') + "\n");
    EXPECT_EQ(2, read_itype());
    EXPECT_STREQ("IDOK", idc_name("IDOK"));
    EXPECT_STREQ("ID_NAME", idc_name("ID_NAME"));
    EXPECT_STREQ("IDC_name", idc_name("name"));
    EXPECT_STREQ("SC_CLOSE", idm_name("SC_CLOSE"));
    EXPECT_STREQ("IDM_open", idm_name("open"));
}

TEST_F(Defs, RegistriesNumberNamesUpToTheirCapacity)
{
    for (int i = 0; i < reg_max; ++i) ASSERT_EQ(i, reg_name_a(("n" + std::to_string(i)).c_str()));
    EXPECT_EQ(5, reg_name_a("n5"));
    EXPECT_EQ(-1, reg_name_a("more"));
    EXPECT_EQ(0, reg_name_b("more"));
    generators_reset_all();
    EXPECT_EQ(0, reg_name_a("more"));
}

TEST_F(Defs, HtmlListsFromTheirSections)
{
    put("htmlattr.dat",
        "is_bef\n br\n hr\n img\n"
        "other\n\tnowhere\n"
        "is_pre,x\n\t\"pre\",more text\n"
        "is_str\n table\n");
    load_htmlattr();
    EXPECT_EQ(1, is_bef("br"));
    EXPECT_EQ(1, is_bef("img"));
    EXPECT_EQ(0, is_bef("BR"));
    EXPECT_EQ(1, is_pre("pre"));
    EXPECT_EQ(0, is_pre("nowhere"));
    EXPECT_EQ(0, is_bef("nowhere"));
    EXPECT_EQ(1, is_str("table"));
    // A reload without is_bef and is_str empties them.
    put("htmlattr.dat", "is_aft\n li\n");
    load_htmlattr();
    EXPECT_EQ(0, is_bef("br"));
    EXPECT_EQ(0, is_str("table"));
    EXPECT_EQ(0, is_str("li"));
    EXPECT_EQ(1, is_aft("li"));
    // A missing file keeps the lists.
    std::filesystem::remove("g0/htmlattr.dat");
    load_htmlattr();
    EXPECT_EQ(1, is_aft("li"));
}

TEST_F(Defs, HtmlListsSkipLongWordsAndStopAt100)
{
    std::string text = "is_car\n " + std::string(20, 'w') + "\n " + std::string(19, 'v') + "\n";
    for (int i = 0; i < 100; ++i) text += " t" + std::to_string(i) + "\n";
    put("htmlattr.dat", text);
    load_htmlattr();
    EXPECT_EQ(0, is_car(std::string(20, 'w').c_str()));
    EXPECT_EQ(1, is_car(std::string(19, 'v').c_str()));
    EXPECT_EQ(1, is_car("t98"));
    EXPECT_EQ(0, is_car("t99"));
}

}  // namespace
