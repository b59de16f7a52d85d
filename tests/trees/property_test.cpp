// The PROPERTY screen's rules: section lines, the member listing by kind,
// the box relations, the store of edited values by mode, the mode switch of
// the FORM gestures, and the TAG text shown or opened in the editor.
#include "trees/property.h"

#include "forms/form_state.h"
#include "forms/xwindow.h"
#include "generators/gen_entry.h"
#include "generators/htmlattr.h"
#include "generators/text_sections.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/startup.h"
#include "shell/winmsg.h"
#include "tests/forms/form_fixture.h"
#include "tests/support/capture_shell.h"
#include "trees/trees_reset.h"

namespace {

const char header[] = "番号 種類     メンバ名           個性値\r\n";

class Property : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        generators_reset_all();
        trees_reset_all();
        main_state_reset();
        xwin_mode = 0;
        prop_member_list = capture::new_list();
        prop_value_edit = capture::new_edit();
        prop_value_list = capture::new_list();
        main_controls[ctl_mode] = capture::new_edit("関連");
        out = capture::new_edit();
        write_file("BOX.S", "struct BOX {\n int a;\n};\nstruct RBOX {\n  char *title;\n  int  count;\n  word;\n};\n");
        write_file("EDIT.s", "// the edit\nstruct EDIT_T tbl = {\n  int x;\n  char *text;\n};\n");
        write_file("XITEM.S", "struct RITEM {\n int value;\n};\n");
        write_file("XmText.s", "struct X {\n Widget w;\n};\n");
        write_file("xwindow.dat", "EDIT XmText.c XmCreateText\n");
        write_file("htmlattr.dat", "is_str\n  note\n");
        load_htmlattr();
    }
    void TearDown() override
    {
        main_controls[ctl_mode] = nullptr;
        prop_member_list = prop_value_edit = prop_value_list = nullptr;
        gen_rel_mode = mode_relation;
    }
    std::string text() { return capture::edit_text(out); }
    win_handle out = nullptr;
};

TEST_F(Property, SectionLines)
{
    const struct {
        const char *line;
        int section;
    } cases[] = {
        {"#name\n", 1}, {"#name", 1},     {"# name", 0},     {"#\tx", 0},      {"#\n", 0},
        {"#", 0},       {"x#name", 0},    {"#DATA", 0},      {"#DATAX", 0},    {"#COMMENT a", 0},
        {"#END", 0},    {"#TAB", 0},      {"#FIN\r\n", 0},   {"#\x81\x40x", 0}, {"#\x81\x41x", 1},
    };
    for (const auto &c : cases) EXPECT_EQ(c.section, is_section_line(c.line)) << c.line;
    EXPECT_EQ(1, is_section_named("#name\n", "name"));
    EXPECT_EQ(1, is_section_named("#name rest", "name"));
    EXPECT_EQ(0, is_section_named("#name2\n", "name"));
    EXPECT_EQ(0, is_section_named("#DATA\n", "DATA"));
}

TEST_F(Property, MembersByKind)
{
    const struct {
        const char *kind, *para;
        int x;
        const char *listing;
    } cases[] = {
        {"RBOX", "\"T\" omit", 0,
         "   1 char     *title             \"T\"\r\n   2 int      count              \r\n"},
        {"EDIT", "10 abc", 0, "   1 int      x                  10\r\n   2 char     *text              abc\r\n"},
        {"RITEM", "5", 0, "   1 int      value              5\r\n"},
        {"EDIT", "w", 1, "   1 Widget   w                  w\r\n"},  // X mode: the widget class's file
        {"NONE", "1", 0, ""},                                          // no structure file
    };
    for (const auto &c : cases) {
        form_reset();
        form_alloc();
        xwin_mode = c.x;
        read_xwindow();
        cur_box = box(c.kind, "b", 0, 0, 10, 10, c.para);
        EXPECT_EQ(0, list_members(out)) << c.kind;
        EXPECT_EQ(std::string(header) + c.listing, text()) << c.kind;
    }
    cur_box = -1;
    EXPECT_EQ(1, list_members(out));
    EXPECT_EQ(std::string(header) + "カレント矩形が有りません\r\n", text());
}

TEST_F(Property, RelationsAndTheValueBeingEdited)
{
    const int a = box("BOX", "top", 0, 0, 10, 10, "1");
    const int b = box("BOX", "mid", 0, 20, 10, 30, "\"m\" 7");
    const int c = box("BBOX", "low", 0, 40, 10, 50, "9");
    link(a, b, "up");
    link(b, c, "down");
    link(-1, b, "gone");
    cur_box = b;
    prop_field = 0;
    capture::edit_text(prop_value_edit) = "42";
    list_members(out);
    EXPECT_EQ(std::string(header) + "  <- parent   up                 BOX:top  1\r\n" +
                  "  -> child    down               BBOX:low  9\r\n" + "   1 int      a                  42\r\n",
              text());
    EXPECT_EQ("42 7\n", para_line(b));
}

TEST_F(Property, StoresByMode)
{
    const int b = box("RBOX", "r", 0, 0, 10, 10, "a b c");
    cur_box = b;
    capture::edit_text(prop_value_edit) = "old0";
    prop_field = 0;
    // Choosing member 2 stores the edit into field 0 first.
    EXPECT_EQ(0, prop_select_member(2));
    EXPECT_EQ("old0 b c\n", para_line(b));
    EXPECT_EQ("c", capture::edit_text(prop_value_edit));
    EXPECT_EQ(2, prop_field);
    EXPECT_EQ(1, prop_select_member(-1));
    EXPECT_EQ(2, prop_field);

    // Mode 1 stores nothing, and keeps the member.
    gen_rel_mode = mode_create;
    capture::edit_text(prop_value_edit) = "new";
    EXPECT_EQ(0, prop_value_commit());
    EXPECT_EQ("old0 b c\n", para_line(b));
    EXPECT_EQ(2, prop_field);

    // Mode 0 stores, forgets the member and empties the controls.
    gen_rel_mode = mode_relation;
    capture::list_items(prop_value_list) = {"x"};
    EXPECT_EQ(0, prop_value_commit());
    EXPECT_EQ("old0 b new\n", para_line(b));
    EXPECT_EQ(-1, prop_field);
    EXPECT_EQ("", capture::edit_text(prop_value_edit));
    EXPECT_TRUE(capture::list_items(prop_value_list).empty());

    // The shell's hook forgets the member too.
    property_bind_hooks();
    prop_field = 1;
    capture::edit_text(prop_value_edit) = "z";
    reset_cur_prop();
    EXPECT_EQ(-1, prop_field);
    EXPECT_EQ("", capture::edit_text(prop_value_edit));
}

TEST_F(Property, ValueChoiceDropsItsComment)
{
    capture::list_items(prop_value_list) = {"\"a // b\"  // note", "plain"};
    EXPECT_EQ(0, prop_choose_value(0));
    EXPECT_EQ("\"a // b\"", capture::edit_text(prop_value_edit));
    EXPECT_EQ(1, prop_choose_value(5));
    EXPECT_EQ("", capture::edit_text(prop_value_edit));
}

TEST_F(Property, GestureFlipsTheMode)
{
    const int b = box("RBOX", "r", 0, 0, 10, 10, "a");
    cur_box = b;
    const int shift = 0x0004, left = 0x0001, right = 0x0002;
    // Shift with both buttons, or without Shift: nothing.
    EXPECT_EQ(0, toggle_gen_rel(shift | left | right, 's'));
    EXPECT_EQ(0, toggle_gen_rel(left, 's'));
    EXPECT_EQ(0, toggle_gen_rel(left, 'e'));
    EXPECT_EQ(mode_relation, gen_rel_mode);

    prop_field = 0;
    capture::edit_text(prop_value_edit) = "v";
    EXPECT_EQ(1, toggle_gen_rel(shift | left, 's'));
    EXPECT_EQ(mode_create, gen_rel_mode);
    EXPECT_EQ("生成", capture::edit_text(main_controls[ctl_mode]));
    EXPECT_EQ("v\n", para_line(b));  // committed on the flip
    EXPECT_EQ(-1, prop_field);

    EXPECT_EQ(1, toggle_gen_rel(left, 'e'));
    EXPECT_EQ(mode_relation, gen_rel_mode);

    // Each release flips back and focuses the screens kept shown.
    hwndE = capture::new_edit();
    hwndP = capture::new_edit();
    const struct {
        int keep_main, keep_prop;
        std::vector<win_handle> focused;
    } cases[] = {{0, 0, {}}, {1, 0, {hwndE}}, {0, 1, {hwndP}}, {1, 1, {hwndE, hwndP}}};
    for (const auto &c : cases) {
        toggle_gen_rel(shift | left, 's');
        keep_main_shown = c.keep_main;
        keep_prop_shown = c.keep_prop;
        capture::sends.clear();
        EXPECT_EQ(1, toggle_gen_rel(left, 'e'));
        std::vector<win_handle> focused;
        for (const auto &s : capture::sends) {
            if (s.msg == WM_COMMAND && s.wparam == 0 && s.lparam == 0) focused.push_back(s.window);
        }
        EXPECT_EQ(c.focused, focused);
        EXPECT_EQ(mode_relation, gen_rel_mode);
        EXPECT_EQ("関連", capture::edit_text(main_controls[ctl_mode]));
        EXPECT_EQ(0, toggle_gen_rel(left, 'e'));  // flags forgotten
    }
    hwndE = hwndP = nullptr;
}

TEST_F(Property, TagTextSections)
{
    write_file("notes.txt", "head\n#one\nfirst\n#DATA\nkept\n#one2\nnot\n#two x\nsecond\n");
    const struct {
        const char *name, *para, *shown;
    } cases[] = {
        {"note", "\"notes.txt\" one", "first\r\n#DATA\r\nkept\r\n"},
        {"note", "notes.txt two", "second\r\n"},
        {"note", "notes.txt omit", "head\r\n#one\r\nfirst\r\n#DATA\r\nkept\r\n#one2\r\nnot\r\n#two x\r\nsecond\r\n"},
        {"note", "notes.txt none", ""},
        {"note", "missing.txt", ""},
        {"note", "", ""},
        {"other", "notes.txt", ""},  // not in the "is_str" list
    };
    for (const auto &c : cases) {
        form_reset();
        form_alloc();
        cur_box = box("TAG", c.name, 0, 0, 10, 10, c.para);
        EXPECT_EQ(0, show_tag_text(out, ""));
        EXPECT_EQ(c.shown, text()) << c.para;
    }
    cur_box = -1;
    EXPECT_EQ(1, show_tag_text(out, ""));
    EXPECT_EQ("カレント矩形が有りません\r\n", text());
}

TEST_F(Property, TagTextInTheEditor)
{
    write_file("notes.txt", "head\n#one\nfirst\n#two\nsecond\n");
    copy_bounded(editor, sizeof editor, "C:\\ed\\ed.exe");
    const struct {
        const char *para, *opt;
        const char *cmdline;
    } cases[] = {
        {"notes.txt two", "-j%d", "TTT.exe -j4 \".\\notes.txt\""},
        {"notes.txt", "-j%d", "TTT.exe -j1 \".\\notes.txt\""},
        {"notes.txt three", "-j%d", "TTT.exe -j1 \".\\notes.txt\""},
        {"new.txt one", "-j%d", "TTT.exe -j1 \".\\new.txt\""},     // not there yet
        {"notes.txt two", "%s%n%d", "TTT.exe %s%n%d \".\\notes.txt\""},  // never a format
    };
    for (const auto &c : cases) {
        form_reset();
        form_alloc();
        cur_box = box("TAG", "note", 0, 0, 10, 10, c.para);
        copy_bounded(option, sizeof option, c.opt);
        capture::processes.clear();
        EXPECT_EQ(0, edit_tag_text(out, ""));
        ASSERT_EQ(1u, capture::processes.size()) << c.para;
        EXPECT_EQ("C:\\ed\\ed.exe", capture::processes[0].exe);
        EXPECT_EQ(c.cmdline, capture::processes[0].cmdline);
    }
    cur_box = box("TAG", "other", 0, 0, 10, 10, "notes.txt");
    EXPECT_EQ(2, edit_tag_text(out, ""));
    cur_box = -1;
    EXPECT_EQ(1, edit_tag_text(out, ""));
    EXPECT_EQ("カレント矩形が有りません\r\n", text());
}

}  // namespace
