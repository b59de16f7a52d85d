// The pattern matcher, its line helpers and the structure and parameter
// file readers built on it.
#include "forms/matcher.h"
#include "forms/readers.h"
#include "tests/forms/form_fixture.h"

namespace {

class Matcher : public FormTest {};

TEST_F(Matcher, Items)
{
    set_delims("={,};\t\r\n ");
    const struct {
        const char *line, *pattern;
        int end;  // -1: no match
    } cases[] = {
        {"  int  a;\n", "0b&S&b&S&0b;", 9},
        {"  int  a\n", "0b&S&b&S&0b;", -1},
        {"abc", " a", -1},
        {"abc", "0 a", 3},
        {"\x81\x40\t x", "bx", 5},
        {"ABCdef", "Aa", 6},
        {"123x", "3n", 3},
        {"1234x", "3n", -1},
        {"12x", "0nx", 3},
        {"optx", "[opt]x", 4},
        {"x", "[opt]x", 1},
        {"\"a b\" c", "SbS", 7},
        {"a b;c", "D", 3},
        {"\x82\xA0z", "\x82\xA0z", 3},
        {"\x82\xA1z", "\x82\xA0z", -1},
        {"\x82\xA0 z", "[\x82\xA0] z", 4},
        {"struct  X {", "0bstructb&S&0b{", 11},
        {"x", "", 0},
    };
    for (const auto &c : cases) {
        const char *caps[4];
        const char *end = match_pattern(c.line, c.pattern, nullptr, caps);
        if (c.end < 0) EXPECT_EQ(nullptr, end) << c.line << " | " << c.pattern;
        else EXPECT_EQ(c.line + c.end, end) << c.line << " | " << c.pattern;
    }
    const char *caps[4];
    const char *line = "  int  a;";
    ASSERT_NE(nullptr, match_pattern(line, "0b&S&b&S&0b;", nullptr, caps));
    EXPECT_EQ(std::string("int"), std::string(caps[0], caps[1]));
    EXPECT_EQ(std::string("a"), std::string(caps[2], caps[3]));
    int numbers[2] = {};
    EXPECT_NE(nullptr, match_pattern("42abc 7", "mab0m", numbers, nullptr));
    EXPECT_EQ(42, numbers[0]);
    EXPECT_EQ(7, numbers[1]);
}

TEST_F(Matcher, LineHelpers)
{
    const char *p = "\"a\\\"b\\\x95\" rest";
    EXPECT_EQ(1, skip_quoted(&p));
    EXPECT_STREQ(" rest", p);
    const char *q = "plain";
    EXPECT_EQ(0, skip_quoted(&q));
    const char *open = "\"never closed";
    skip_quoted(&open);
    EXPECT_STREQ("", open);
    const struct {
        const char *in, *out;
    } cuts[] = {{"value  // note", "value"},
                {"\"a // b\"  // c", "\"a // b\""},
                {"x\t \n", "x"},
                {"// all", ""},
                {"\x95\x5C/x //y", "\x95\x5C/x"}};
    for (const auto &c : cuts) {
        char s[50];
        copy_bounded(s, sizeof s, c.in);
        cut_line_comment(s);
        EXPECT_STREQ(c.out, s) << c.in;
    }
    char a[] = "  value, // c\n";
    EXPECT_EQ(a + 7, last_char_is(a, ','));
    char b[] = "\"x,\"\n";
    EXPECT_EQ(nullptr, last_char_is(b, '"'));
    char c[] = "\"x,\"\n";
    EXPECT_EQ(nullptr, last_char_is(c, ','));
    char *s = nullptr, *e = nullptr;
    char item[] = "\t  \"one\",\n";
    EXPECT_EQ(1, read_item_line(item, ',', &s, &e));
    EXPECT_EQ(std::string("\"one\" "), std::string(s, e));
    char blank[] = "   \n";
    EXPECT_EQ(0, read_item_line(blank, 0, &s, &e));
    char no_nl[] = "x,";
    EXPECT_EQ(0, read_item_line(no_nl, ',', &s, &e));
    char other[] = "x+\n";
    EXPECT_EQ(0, read_item_line(other, ',', &s, &e));
}

TEST_F(Matcher, StructureMembers)
{
    write_file("EDIT.s", "/* edit */\nstruct EDIT {\n\tchar *caption;\n\tint  width;\n\tint broken\n};\nint after;\n");
    write_file("BOX.S", "struct BOX {\n int a;\n};\nstruct YBOX {\n int y1;\n int y2;\n};\n");
    write_file("XITEM.S", "struct RITEM {\n int r;\n};\n");
    write_file("CASE.S", "struct CASE {\n int c;\n};\n");
    write_file("page.s", "struct head {\n int h;\n};\nstruct body {\n int b;\n};\n");
    win_handle list = capture::new_list();
    using v = std::vector<std::string>;
    EXPECT_EQ(2, list_struct_members(list, "EDIT.s", ""));
    EXPECT_EQ((v{"*caption", "width"}), capture::list_items(list));
    EXPECT_EQ(2, list_struct_members(list, "YBOX.s", ""));
    EXPECT_EQ((v{"y1", "y2"}), capture::list_items(list));
    EXPECT_EQ(1, list_struct_members(list, "RITEM.s", ""));
    EXPECT_EQ(1, list_struct_members(list, "CASE3.s", ""));
    EXPECT_EQ((v{"c"}), capture::list_items(list));
    write_file("TAG.s", "struct head {\n int h;\n};\nstruct body {\n int b;\n};\n");
    EXPECT_EQ(1, list_struct_members(list, "TAG.s", "body"));
    EXPECT_EQ((v{"b"}), capture::list_items(list));
    EXPECT_EQ(0, list_struct_members(list, "NONE.s", ""));
    EXPECT_EQ((v{"?(NONE.s)"}), capture::list_items(list));
}

TEST_F(Matcher, ParameterMembers)
{
    write_file("EDIT.p", "struct EDIT edit_values = {\n"
                         "  \"caption\",\n"
                         "  \"first part\" +\n"
                         "  \"second part\",\n"
                         "  last\n"
                         "};\n");
    write_file("BOX.P", "struct BOX b = {\n 1,\n};\nstruct YBOX y = {\n y0,\n y1,\n};\n");
    write_file("case.p", "struct CASE c = {\n c0,\n};\n");
    win_handle list = capture::new_list();
    using v = std::vector<std::string>;
    list_struct_members(list, "EDIT.s", "");
    list_param_members(list, 0);
    EXPECT_EQ((v{"\"caption\""}), capture::list_items(list));
    list_param_members(list, 1);
    EXPECT_EQ((v{"\"first part\"", "\"second part\""}), capture::list_items(list));
    list_param_members(list, 2);
    EXPECT_EQ((v{"last"}), capture::list_items(list));
    list_struct_members(list, "YBOX.s", "");
    list_param_members(list, 1);
    EXPECT_EQ((v{"y1"}), capture::list_items(list));
    list_struct_members(list, "CASE2.s", "");
    list_param_members(list, 0);
    EXPECT_EQ((v{"c0"}), capture::list_items(list));
    list_struct_members(list, "GONE.s", "");
    list_param_members(list, 0);
    EXPECT_EQ((v{"パラメータ.ファイル(GONE.p)が見つかりません"}), capture::list_items(list));
}

}  // namespace
