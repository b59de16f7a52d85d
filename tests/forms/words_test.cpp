// Word functions, the widget-class table and the recognisers of generated
// source lines.
#include "forms/name_path.h"
#include "forms/xwindow.h"
#include "shell/words.h"
#include "tests/forms/form_fixture.h"

namespace {

class Words : public FormTest {};

TEST_F(Words, SmallWordFunctions)
{
    EXPECT_STREQ(".c", find_ext("a.b.c"));
    const char *none = "abc";
    EXPECT_EQ(none + 3, find_ext(none));
    const struct {
        const char *in, *out;
    } quotes[] = {{"\"\"", ""}, {"\"", "\""}, {"\"ab\"", "ab"}, {"ab", "ab"}, {"\"ab", "\"ab"}};
    for (const auto &q : quotes) {
        char s[10];
        copy_bounded(s, sizeof s, q.in);
        cut_quote(s);
        EXPECT_STREQ(q.out, s) << q.in;
    }
    EXPECT_STREQ("abc\x82\xA0z1", to_lower("AbC\x82\xA0Z1"));
    EXPECT_EQ(999u, strlen(to_lower(std::string(2000, 'Q').c_str())));
    EXPECT_EQ(1, is_link_tag("frame"));
    EXPECT_EQ(0, is_link_tag("A"));
    const char *p = " \t\nword rest";
    skip_blank(&p);
    EXPECT_STREQ("word rest", p);
    skip_word(&p);
    EXPECT_STREQ(" rest", p);
}

TEST_F(Words, WidgetClassTable)
{
    write_file("xwindow.dat", ("Button xmPush " + std::string(60, 'c') + " averylongword\n"
                               "Label xmLabelWidgetClass x y\n").c_str());
    EXPECT_EQ(0, read_xwindow());
    ASSERT_EQ(2, xwindow_num);
    EXPECT_STREQ("Button", xwindow_tbl[0].name);
    EXPECT_EQ(49u, strlen(xwindow_tbl[0].col2));
    EXPECT_STREQ("averylo", xwindow_tbl[0].col3);
    EXPECT_STREQ("xmLabelWi", xwindow_tbl[1].col1);
    const char *out = nullptr;
    EXPECT_EQ(1, xwindow_col1("Button", &out));
    EXPECT_STREQ("xmPush", out);
    EXPECT_EQ(1, xwindow_col2("Label", &out));
    EXPECT_STREQ("x", out);
    EXPECT_EQ(0, xwindow_col1("Missing", &out));
    EXPECT_STREQ("Missing", out);
    std::string many;
    for (int i = 0; i < xwindow_cap + 5; ++i) many += "w c1 c2 c3\n";
    write_file("xwindow.dat", many.c_str());
    read_xwindow();
    EXPECT_EQ(xwindow_cap, xwindow_num);
}

TEST_F(Words, ProcedureHeadsAndCaseLabels)
{
    const struct {
        const char *line;
        int found;
        const char *name;
    } heads[] = {{"long PASCAL FAR WndProc (HWND hwnd, UINT m)\n", 1, "WndProc"},
                 {"void Win::Paint(void)\n", 1, "Paint"},
                 {"int PASCAL WinMain (HINSTANCE h, int n);\n", 0, nullptr},
                 {"x = \"PASCAL\" f(a)\n", 0, nullptr},
                 {"PASCAL only\n", 0, nullptr}};
    for (const auto &h : heads) {
        char name[20];
        EXPECT_EQ(h.found, get_proc_head(h.line, name)) << h.line;
        if (h.name != nullptr) {
            EXPECT_STREQ(h.name, name) << h.line;
        }
    }
    const struct {
        const char *line;
        int found;
        const char *label;
    } labels[] = {{"  case WM_CREATE :\n", 1, "WM_CREA"},
                  {"case\tIDOK:", 1, "IDOK"},
                  {"casex:", 1, "x"},
                  {"case IDOK\n", 0, nullptr}};
    char label[8];
    for (const auto &l : labels) {
        EXPECT_EQ(l.found, get_case_label(l.line, label)) << l.line;
        if (l.label != nullptr) {
            EXPECT_STREQ(l.label, label) << l.line;
        }
    }
    int depth = 0;
    EXPECT_EQ(1, get_case_label_depth("\t\tcase A:\n", &depth, label));
    EXPECT_EQ(2, depth);
    EXPECT_EQ(0, get_case_label_depth(" case A:\n", &depth, label));
    EXPECT_EQ(0, get_case_label_depth((std::string(11, '\t') + "case A:").c_str(), &depth, label));
}

TEST_F(Words, NameLevels)
{
    EXPECT_EQ(0, set_name_level('I', "IDOK"));
    EXPECT_EQ(0, set_name_level('W', "WM_COMMAND"));
    EXPECT_STREQ("", name_path.id);
    for (int l = 0; l < 10; ++l) set_name_level(l, "c");
    EXPECT_EQ(0, set_name_level(3, "three"));
    EXPECT_STREQ("c", name_path.cases[2]);
    EXPECT_STREQ("three", name_path.cases[3]);
    EXPECT_STREQ("", name_path.cases[4]);
    EXPECT_STREQ("", name_path.cases[9]);
    EXPECT_EQ(1, set_name_level(10, "x"));
    EXPECT_EQ(2, set_name_level(-1, "x"));
    clear_name_levels();
    EXPECT_STREQ("", name_path.wm);
    EXPECT_STREQ("", name_path.cases[0]);
}

}  // namespace
