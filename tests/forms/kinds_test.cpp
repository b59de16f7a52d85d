// Kinds and name rules, the pre-scan for source generation and the pick
// lists read from form files and generated sources.
#include "forms/kinds.h"
#include "forms/name_path.h"
#include "forms/picklists.h"
#include "forms/prescan.h"
#include "tests/forms/form_fixture.h"

namespace {

class Kinds : public FormTest {};

TEST_F(Kinds, CaseNumbersAndNameCharacters)
{
    EXPECT_EQ(0, case_no("CASE0"));
    EXPECT_EQ(9, case_no("CASE9"));
    EXPECT_EQ(-1, case_no("CASE10"));
    EXPECT_EQ(-1, case_no("case1"));
    EXPECT_EQ('1', bad_name_char("1abc"));
    EXPECT_EQ('-', bad_name_char("ab-c"));
    EXPECT_EQ(0, bad_name_char("ab_9"));
    EXPECT_EQ(0, bad_name_char(""));
    EXPECT_EQ(0x82, bad_name_char("\x82\xA0"));
    EXPECT_EQ(1, is_long32(std::string(32, 'a').c_str()));
    EXPECT_EQ(0, is_long32(std::string(31, 'a').c_str()));
}

TEST_F(Kinds, EveryPredicateOverEveryKindGroup)
{
    const struct {
        const char *kind;
        int user, not_tree, not_tree_top, not_tree_hbox, not_item, layout;
    } cases[] = {
        {"BOX", 0, 0, 0, 0, 1, 0},      {"ABOX", 0, 0, 0, 0, 1, 0},   {"HBOX", 1, 1, 1, 0, 1, 0},
        {"WORK", 1, 1, 0, 1, 1, 0},     {"QFONT", 1, 1, 0, 1, 1, 0},  {"VBUTTON", 1, 1, 0, 1, 1, 0},
        {"EMPTY", 0, 1, 1, 1, 1, 0},    {"SOURCE", 0, 1, 1, 1, 1, 0}, {"PROC", 0, 1, 1, 1, 1, 0},
        {"WM", 0, 1, 1, 1, 1, 0},       {"ID", 0, 1, 1, 1, 1, 0},     {"AREA", 0, 1, 1, 1, 1, 0},
        {"CASE3", 0, 1, 1, 1, 1, 0},    {"XITEM", 1, 1, 1, 1, 0, 0},  {"YITEM", 1, 1, 1, 1, 0, 0},
        {"FBOX", 1, 1, 1, 1, 1, 1},     {"WNDCLASS", 1, 1, 1, 1, 1, 1}, {"EDIT", 1, 1, 1, 1, 1, 0},
        {"box", 1, 1, 1, 1, 1, 0},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.user, is_user_kind(c.kind)) << c.kind;
        EXPECT_EQ(c.not_tree, not_tree_kind(c.kind)) << c.kind;
        EXPECT_EQ(c.not_tree_top, not_tree_or_top_kind(c.kind)) << c.kind;
        EXPECT_EQ(c.not_tree_hbox, not_tree_or_hbox(c.kind)) << c.kind;
        EXPECT_EQ(c.not_item, not_item_kind(c.kind)) << c.kind;
        EXPECT_EQ(c.layout, is_layout_kind(c.kind)) << c.kind;
    }
    box("WNDCLASS", "", 0, 0, 1, 1);
    box("SCRBAR", "", 0, 0, 1, 1);
    box("GENERATE", "", 0, 0, 1, 1);
    EXPECT_EQ(1, is_reserved_kind(0));
    EXPECT_EQ(0, is_reserved_kind(1));
    EXPECT_EQ(1, is_control_box(1));
    EXPECT_EQ(0, is_control_box(2));
    EXPECT_EQ(0, is_reserved_kind(-1));
}

TEST_F(Kinds, ObjectNamesAgainstTheForm)
{
    box("EDIT", "name1", 0, 0, 1, 1);
    box("BOX", "name2", 0, 0, 1, 1);
    char name[64], kind[kind_size];
    auto check = [&](int i, const char *n, const char *k) {
        copy_bounded(name, sizeof name, n);
        copy_bounded(kind, sizeof kind, k);
        return check_object_name(i, name, kind);
    };
    EXPECT_EQ(1, check(5, "name1", "BUTTON"));
    EXPECT_STREQ("EDIT", kind);
    EXPECT_EQ(0, check(0, "name1", "EDIT"));  // itself
    EXPECT_EQ(0, check(5, "name2", "BUTTON"));  // a tree box is no user box
    EXPECT_EQ(0, check(5, "name1", "BOX"));
    EXPECT_EQ(0, check(5, "name1", "PROC"));
    EXPECT_EQ(0, check(5, "name1", "CASE3"));
    EXPECT_EQ(2, check(5, "sub_cmd", "EDIT"));
    EXPECT_EQ(0, check(5, ("name1" + std::string(35, 'x')).c_str(), "EDIT"));
    EXPECT_EQ(31u, strlen(name));
    copy_bounded(box_table[1].kind, kind_size, "STATIC");
    copy_bounded(box_table[1].name, name_size, std::string(31, 'y').c_str());
    EXPECT_EQ(1, check(5, std::string(40, 'y').c_str(), "EDIT"));
}

TEST_F(Kinds, ValidateObjectNameMessages)
{
    box("EDIT", "taken", 0, 0, 1, 1);
    const int holder = box("LISTBOX", "holder", 0, 0, 1, 1);
    form_push("sub.f", holder);
    const struct {
        const char *name;
        int result;
        const char *message;
    } cases[] = {{"", 1, "オブジェクト（対象）名()が空です"},
                 {"9x", 1, "オブジェクト（対象）名(9x)中に使用禁止文字(9)があります"},
                 {"taken", 1, "オブジェクト（対象）名(taken)がカテゴリ(EDIT)と重複しています"},
                 {"object_id", 1, "オブジェクト（対象）名(object_id)が使用禁止名(Olist,olist,oname)です"},
                 {"fresh", 0, nullptr},
                 {"holder", 0, nullptr}};
    for (const auto &c : cases) {
        capture::boxes.clear();
        EXPECT_EQ(c.result, validate_object_name(holder, c.name)) << c.name;
        if (c.message == nullptr) {
            EXPECT_TRUE(capture::boxes.empty()) << c.name;
        } else {
            ASSERT_EQ(1u, capture::boxes.size()) << c.name;
            EXPECT_EQ(c.message, capture::boxes[0].text);
        }
    }
    EXPECT_EQ(2, form_sta);
    EXPECT_EQ(2, form_num);
}

TEST_F(Kinds, ScanCollectsThePathToTheRoot)
{
    const int src = box("SOURCE", "", 0, 0, 1, 1, "outer.c");
    const int proc = box("PROC", "WndProc", 0, 0, 1, 1, "x win.cpp");
    const int wm = box("WM", "WM_SYSCOMMAND", 0, 0, 1, 1);
    const int id = box("ID", "IDC_OK", 0, 0, 1, 1);
    const int c1 = box("CASE1", "WM_PAINT", 0, 0, 1, 1);
    const int c2 = box("CASE2", "inner", 0, 0, 1, 1);
    link(src, proc, "on_set");
    link(proc, wm, "on_set");
    link(wm, id, "on_set");
    link(id, c1, "on_set");
    link(c1, c2, "on_set");
    gen_scan_rec r;
    EXPECT_EQ(0, scan_gen_form(c2, &r));
    EXPECT_STREQ("outer.c", r.source);
    EXPECT_STREQ("win.cpp", r.file);
    EXPECT_STREQ("WndProc", r.procedure);
    EXPECT_STREQ("WM_SYSCOMMAND", r.message);
    EXPECT_EQ(1, r.syscommand);
    ASSERT_EQ(2, gen_path.case_count);
    EXPECT_EQ(2, gen_path.cases[0].level);
    EXPECT_EQ(1, gen_path.cases[1].level);
    EXPECT_EQ(3, case_depth());
    clear_name_levels();
    set_name_level('W', "WM_SYSCOMMAND");
    set_name_level('I', "IDM_OK");
    set_name_level(1, "WM_PAINT");
    set_name_level(2, "inner");
    EXPECT_EQ(1, case_names_match());
    set_name_level('I', "CANCEL");
    EXPECT_EQ(0, case_names_match());
    EXPECT_STREQ("OK", skip_id_prefix("IDM_OK"));
    EXPECT_STREQ("IDX_OK", skip_id_prefix("IDX_OK"));
}

TEST_F(Kinds, ScanEdgeCases)
{
    const int plain = box("K", "", 0, 0, 1, 1);
    gen_scan_rec r;
    scan_gen_form(plain, &r);
    EXPECT_EQ(0, gen_path.case_count);
    EXPECT_EQ(1, case_depth());
    EXPECT_EQ(1, case_names_match());
    const int p = box("PROC", "p", 0, 0, 1, 1, "x .c");
    scan_gen_form(p, &r);
    EXPECT_STREQ("", r.source);
    int prev = -1;
    for (int i = 0; i < 11; ++i) {  // eleven nested cases
        const int c = box(("CASE" + std::to_string(i % 10)).c_str(), "c", 0, 0, 1, 1);
        if (prev >= 0) link(prev, c, "on_set");
        prev = c;
    }
    scan_gen_form(prev, &r);
    EXPECT_EQ(10, gen_path.case_count);
    // a cycle and a stale row beyond l_num end the walk
    const int a = box("CASE1", "a", 0, 0, 1, 1);
    const int b = box("CASE2", "b", 0, 0, 1, 1);
    link(a, b, "on_set");
    link(b, a, "on_set");
    link_table[l_num] = {999, a, "on_set"};
    scan_gen_form(a, &r);
    EXPECT_EQ(2, gen_path.case_count);
}

TEST_F(Kinds, EdataNumbers)
{
    box("K", "", 0, 0, 1, 1);
    for (int i = 0; i < 12; ++i) box("EDATA", "", 0, 0, 1, 1);
    EXPECT_EQ(-1, edata_no(0));
    EXPECT_EQ(0, edata_no(1));
    EXPECT_EQ(8, edata_no(9));
    EXPECT_EQ(9, edata_no(10));
    EXPECT_EQ(9, edata_no(12));
}

TEST_F(Kinds, BoxNamesOfAFormFile)
{
    write_file("menu.f", "#F2\n1 1 1 1 FONT f\n1 1 1 1 FORM main\n1 1 1 1 K\n1 1 1 1 FORM second\n"
                         "1 1 1 1 MENU1 m\n#L2\n3 4 SMENU\n1 3 x\n1 4 SMENU\n#P1\n");
    write_file("MENU1.f", "#F2\n1 1 1 1 K a\n1 1 1 1 SET b\n1 1 1 1 K c\n#L2\n0 1 x\n");
    write_file("nomenu.f", "#F2\n1 1 1 1 FORM main\n#L2\n0 0 x\n");
    win_handle combo = capture::new_list();
    list_form_rects(combo, "menu.f", 0);
    EXPECT_EQ((std::vector<std::string>{"main", "second", "m"}), capture::list_items(combo));
    char out[50];
    EXPECT_EQ(1, find_menu_form("menu.f", out, sizeof out));
    EXPECT_STREQ("MENU1.f", out);
    list_form_rects(combo, "menu.f", 1);
    EXPECT_EQ((std::vector<std::string>{"a", "c"}), capture::list_items(combo));
    EXPECT_EQ(0, find_menu_form("nomenu.f", out, sizeof out));
    list_form_rects(combo, "nomenu.f", 1);
    EXPECT_TRUE(capture::list_items(combo).empty());
    EXPECT_EQ(0, find_menu_form("none.f", out, sizeof out));
    ASSERT_EQ(1u, capture::boxes.size());
    EXPECT_EQ("フォームファイル(none.f)が見つかりません", capture::boxes[0].text);
}

TEST_F(Kinds, AreaNames)
{
    char out[20];
    EXPECT_EQ(1, get_area_name(" \t/*AREA:init*/\n", out, sizeof out));
    EXPECT_STREQ("init", out);
    EXPECT_EQ(0, get_area_name("/*AREA:init\n", out, sizeof out));
    EXPECT_STREQ("", out);
    EXPECT_EQ(0, get_area_name("x /*AREA:a*/", out, sizeof out));
}

TEST_F(Kinds, SourceNamesPerKey)
{
    write_file("gen.c", "int PASCAL WinMain(HINSTANCE h, int n);\n"
                        "long PASCAL FAR WndProc (HWND hwnd, UINT msg)\n"
                        "{\n"
                        "\tswitch (msg) {\n"
                        "\tcase WM_CREATE:\n"
                        "/*AREA:create*/\n"
                        "\tcase WM_COMMAND:\n"
                        "\t\tcase IDOK:\n"
                        "/*AREA:ok*/\n"
                        "\t\tcase IDCANCEL:\n"
                        "\t}\n"
                        "}\n"
                        "void Other::Run(void)\n"
                        "{\n"
                        "\tcase WM_SIZE:\n"
                        "/*AREA:size*/\n"
                        "}\n");
    const int wm = box("WM", "WM_COMMAND", 0, 0, 1, 1);
    gen_scan_rec r;
    scan_gen_form(wm, &r);
    win_handle combo = capture::new_list();
    auto list = [&](int key, const char *proc, const char *area) {
        capture::list_items(combo) = {"old"};
        list_src_names(combo, "gen.c", proc, area, key);
        return capture::list_items(combo);
    };
    using v = std::vector<std::string>;
    EXPECT_EQ((v{"WndProc", "Run"}), list('P', "", ""));
    EXPECT_EQ((v{"IDOK", "IDCANCEL"}), list('2', "WndProc", ""));
    EXPECT_EQ((v{"WM_COMMAND"}), list('1', "", ""));  // only the box's own message
    EXPECT_EQ((v{"WM_COMMAND"}), list('W', "WndProc", ""));
    EXPECT_EQ((v{"IDOK", "IDCANCEL"}), list('I', "WndProc", ""));
    EXPECT_EQ((v{"create", "ok", "size"}), list('A', "", ""));
    EXPECT_EQ((v{"ok"}), list('A', "WndProc", "WM_COMMAND"));
    EXPECT_EQ((v{"old"}), list('X', "", ""));
    list('P', "", "");
    list_src_names(combo, "none.c", "", "", 'P');
    EXPECT_EQ("ソースファイル(none.c)が見つかりません", capture::boxes.back().text);
}

// A WORK key file's letter on a box: which file its list comes from.
TEST_F(Kinds, WorkKeyListsByTheBoxesFiles)
{
    write_file("own.f", "#F2\n1 1 1 1 PROC p1\n1 1 1 1 WM WM_PAINT\n");
    write_file("own.c", "long PASCAL p1(HWND h, UINT m)\n{\n\tcase WM_PAINT:\n\tcase IDOK:\n}\n");
    write_file("lib.c", "long PASCAL q(HWND h)\n{\n}\n");
    const int own = box("PROC", "p1", 0, 0, 1, 1, "x own.f");
    const int outer = box("SOURCE", "", 0, 0, 1, 1, "own.f");
    const int inner = box("PROC", "p2", 0, 0, 1, 1, "x other.f");
    const int lib = box("PROC", "q", 0, 0, 1, 1, "x lib.c");
    const int none = box("BOX", "b", 0, 0, 1, 1);
    link(outer, inner, "on_set");
    struct work_case {
        const char *name;
        int box, key;
        std::vector<std::string> items;
    };
    const work_case cases[] = {
        {"I: the boxes of the form file", own, 'I', {"p1", "WM_PAINT"}},
        {"W: the messages of the form's own source", own, 'W', {"WM_PAINT"}},
        {"W: a source form that is not the box's file empties the list", inner, 'W', {}},
        {"P: the procedures of the C source", lib, 'P', {"q"}},
        {"I without a form file: the ids of the C source", lib, 'I', {}},
        {"no file at all: the list stays", none, 'P', {"old"}},
    };
    win_handle combo = capture::new_list();
    for (const work_case &c : cases) {
        capture::list_items(combo) = {"old"};
        list_work_key(combo, c.box, c.key);
        EXPECT_EQ(c.items, capture::list_items(combo)) << c.name;
    }
}

}  // namespace
