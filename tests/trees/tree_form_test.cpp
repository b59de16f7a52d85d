// Operations on loaded tree forms: extraction by box, key and registration
// with the re-layout, cycles and deep chains, pointer marks, the checks
// against the node lines, the pointer-argument children, the function-box
// passes, link edits and the registrations.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "analyser/search_keys.h"
#include "analyser/wordattr.h"
#include "forms/formfile.h"
#include "forms/model.h"
#include "forms/rtree.h"
#include "shell/msgbox.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "tests/analyser/tree_support.h"
#include "tests/support/capture_forms.h"
#include "trees/ftree_files.h"
#include "trees/multi_cur.h"
#include "trees/tree_form.h"
#include "trees/tree_links.h"

namespace {

std::string fixture(const char *name) { return anal_test::read_file(std::string(VOK_TREES_FIXTURES "/") + name); }

struct fbox {
    const char *kind;
    std::string name;
    std::string param;
};

// Writes and loads a tree form: every box 100 x 13 at (10, 31).
void load_tree(const std::vector<fbox> &boxes, const std::vector<std::pair<int, int>> &links,
               const char *relation = "on_set")
{
    std::string f = "#F2\n", p = "#P1\n";
    for (const fbox &b : boxes) {
        char row[200];
        snprintf(row, sizeof row, "%5d %5d %5d %5d %-12s %s\n", 10, 31, 110, 44, b.kind, b.name.c_str());
        f += row;
        p += b.param + "\n";
    }
    f += "#L2\n";
    for (const auto &k : links) {
        char row[100];
        snprintf(row, sizeof row, "%5d %5d %-12s\n", k.first, k.second, k.first == 0 ? "ANY" : relation);
        f += row;
    }
    anal_test::write_file("t.f", f + p);
    forms_reset_all();
    ASSERT_EQ(load_form("t.f"), 0);
}

std::vector<fbox> headers()
{
    return {{"WORK", "", "TAVIR Caption N 0 0 758 480"}, {"QFONT", "", "0 12"}, {"VBUTTON", "", "重複関数表示 x"}};
}

std::vector<int> ys(const std::vector<int> &boxes)
{
    std::vector<int> v;
    for (int b : boxes) v.push_back(box_table[b].y);
    return v;
}

std::vector<std::pair<int, int>> form_links()
{
    std::vector<std::pair<int, int>> v;
    for (int r = l_sta; r < l_num; ++r) v.push_back({link_table[r].from, link_table[r].to});
    return v;
}

bool piled(int b)
{
    const box_rec &r = box_table[b];
    return r.x == 250 && r.y == 10 && r.endx == 300 && r.endy == 30;
}

class TreeForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        anal_test::fresh();
        capture_forms::reset();
        tree_links_reset();
        tree_form_reset();
        multi_cur_tbl_reset();
        clear_multi_keys();
        set_search_key("");
        anal_test::write_file("ftree.f", fixture("small_tree.f"));
        anal_test::write_file("ftree_s.txt", fixture("small_tree_s.txt"));
        anal_test::write_file("ftree_f.txt", "S00000 a.c\nS00001 b.c\n");
        forms_reset_all();
        ASSERT_EQ(load_form("ftree.f"), 0);
    }
    void TearDown() override
    {
        multi_cur_tbl_reset();
        forms_reset_all();
    }
};

TEST_F(TreeForm, ExtractionByBoxKeepsCallersAndTheSameFunction)
{
    // priv (5) under helper (4) under main (3); main is also box 9.
    ASSERT_EQ(ftree_extract(5), 0);
    EXPECT_EQ(form_links(), (std::vector<std::pair<int, int>>{{0, 3}, {3, 4}, {4, 5}, {0, 9}}));
    for (int b : {6, 7, 8, 10, 11}) EXPECT_TRUE(piled(b)) << b;
    for (int b : {0, 1, 2, 3, 4, 5, 9}) EXPECT_FALSE(piled(b)) << b;
    EXPECT_EQ(ys({3, 4, 5, 9}), (std::vector<int>{40, 40, 40, 70}));
    EXPECT_EQ(box_table[9].endy - box_table[9].y, 13);
    EXPECT_EQ(box_table[5].x, 270);
}

TEST_F(TreeForm, ExtractionByKeys)
{
    set_search_key("nothing");
    ASSERT_EQ(ftree_extract(-1), 0);
    EXPECT_TRUE(form_links().empty());
    for (int b = 3; b < 12; ++b) EXPECT_TRUE(piled(b)) << b;
    for (int b = 0; b < 3; ++b) EXPECT_FALSE(piled(b)) << b;
    // The long name of an HBOX is its parameter's first field.
    forms_reset_all();
    load_form("ftree.f");
    set_search_key("a_function_name_of_32_characters");
    ASSERT_EQ(ftree_extract(-1), 0);
    EXPECT_EQ(form_links(), (std::vector<std::pair<int, int>>{{0, 3}, {3, 8}, {0, 9}}));
}

TEST_F(TreeForm, PointerCallsMatchTheirKeyByName)
{
    std::vector<fbox> b = headers();
    b.push_back({"BOX", "run", "0"});
    b.push_back({"ABOX", "(*fp)()", "0"});
    load_tree(b, {{0, 3}, {3, 4}});
    set_search_key("fp");
    ASSERT_EQ(ftree_extract(-1), 0);
    EXPECT_EQ(form_links(), (std::vector<std::pair<int, int>>{{0, 3}, {3, 4}}));
}

TEST_F(TreeForm, GboxOfTheSameNameIsKeptWhateverItsSource)
{
    std::vector<fbox> b = headers();
    b.push_back({"BOX", "top", "0"});    // 3
    b.push_back({"BOX", "f", "0"});      // 4
    b.push_back({"BOX", "other", "1"});  // 5
    b.push_back({"BOX", "f", "1"});      // 6: another file's f
    b.push_back({"BOX", "g3", "2"});     // 7
    b.push_back({"GBOX", "f", "2"});     // 8
    b.push_back({"BOX", "f", "0S"});     // 9: a private f of the same file
    b.push_back({"BOX", "h", "0"});      // 10
    load_tree(b, {{0, 3}, {3, 4}, {0, 5}, {5, 6}, {0, 7}, {7, 8}, {0, 10}, {10, 9}});
    ASSERT_EQ(ftree_extract(4), 0);
    EXPECT_EQ(form_links(), (std::vector<std::pair<int, int>>{{0, 3}, {3, 4}, {0, 7}, {7, 8}}));
    for (int p : {5, 6, 9, 10}) EXPECT_TRUE(piled(p)) << p;
}

TEST_F(TreeForm, RegistrationModeKeepsQfontButNotVbutton)
{
    multi_extract_mode = 1;
    set_cur_box(4);
    win_handle combo = target_field_handle();
    target_field.edit = capture::new_edit();
    target_field.list = capture::new_list();
    ASSERT_EQ(multi_cur_add(combo, nullptr), 0);
    ASSERT_EQ(ftree_extract(-1), 0);
    EXPECT_FALSE(piled(1));
    EXPECT_TRUE(piled(2));
    EXPECT_EQ(form_links(), (std::vector<std::pair<int, int>>{{0, 3}, {3, 4}, {0, 9}}));
}

TEST_F(TreeForm, WithoutWorkNothingChanges)
{
    load_tree({{"BOX", "a", "0"}, {"BOX", "b", "0"}}, {{1, 0}});
    EXPECT_EQ(ftree_extract(0), 1);
    EXPECT_EQ(l_num, 1);
    EXPECT_FALSE(piled(1));
}

TEST_F(TreeForm, CycleAndDeepChainEnd)
{
    std::vector<fbox> b = headers();
    b.push_back({"BOX", "a", "0"});
    b.push_back({"BOX", "b", "0"});
    load_tree(b, {{0, 3}, {3, 4}, {4, 3}});
    ASSERT_EQ(ftree_extract(4), 0);
    EXPECT_EQ(ys({3, 4}), (std::vector<int>{40, 40}));
    EXPECT_EQ(l_num, 3);

    b = headers();
    std::vector<std::pair<int, int>> links = {{0, 3}};
    const int depth = 1200;
    for (int i = 0; i < depth; ++i) {
        b.push_back({"BOX", "c" + std::to_string(i), "0"});
        if (i > 0) links.push_back({2 + i, 3 + i});
    }
    load_tree(b, links);
    for (int i = 3; i < 3 + depth; ++i) box_table[i].y = box_table[i].endy = 5000 + i;
    ASSERT_EQ(ftree_extract(depth + 2), 0);
    EXPECT_EQ(static_cast<int>(form_links().size()), depth);
    EXPECT_EQ(box_table[3 + relayout_level_cap - 1].y, 40);
    EXPECT_EQ(box_table[3 + relayout_level_cap].y, 5000 + 3 + relayout_level_cap);
    EXPECT_EQ(box_table[2 + depth].y, 5002 + depth);
}

TEST_F(TreeForm, MarkSBuildsTheSortedPointerTable)
{
    int limit = 0;
    anal_test::write_file("wordattr.dat", anal_test::read_file(VOK_ANAL_DATA "/wordattr.dat"));
    load_wordattr(&limit);
    std::vector<fbox> b = headers();
    b.push_back({"BOX", "x", "2"});           // 3
    b.push_back({"BOX", "run", "0"});         // 4
    b.push_back({"ABOX", "(*fp)()", "0"});    // 5
    b.push_back({"BOX", "y", "1"});           // 6
    b.push_back({"BOX", "run", "0"});         // 7
    b.push_back({"BOX", "run", "0"});         // 8: a root
    b.push_back({"BOX", "run", "1"});         // 9: another file's run
    load_tree(b, {{0, 3}, {3, 4}, {4, 5}, {0, 6}, {6, 7}, {0, 8}, {6, 9}});
    anal_test::write_file("ftree_s.txt", "P00000 プロジェクト名(p)\nE00003 x.c 1 x 1\n\n\n\n\n\nE00005 a.c 3 (*fp)() 1 P2\n");
    ASSERT_EQ(ftree_mark_s(), 0);
    int count = 0;
    parg_rec *rows = nullptr;
    get_parg_tbl(&count, &rows);
    ASSERT_EQ(count, 3);
    const int want[3][5] = {{-1, -1, 8, 5, 2}, {1, 6, 7, 5, 2}, {2, 3, 4, 5, 2}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rows[i].source, want[i][0]) << i;
        EXPECT_EQ(rows[i].first, want[i][1]) << i;
        EXPECT_EQ(rows[i].second, want[i][2]) << i;
        EXPECT_EQ(rows[i].node, want[i][3]) << i;
        EXPECT_EQ(rows[i].param, want[i][4]) << i;
    }
    EXPECT_NE(anal_test::code_output().find("E232323"), std::string::npos);
}

// Two roots of a duplicated function and a call below the first.
void load_check_tree()
{
    std::vector<fbox> b = headers();
    b.push_back({"GBOX", "dup", "0"});
    b.push_back({"GBOX", "dup", "1"});
    b.push_back({"BOX", "f", "0"});
    load_tree(b, {{0, 3}, {0, 4}, {3, 5}});
    anal_test::write_file("ftree_s.txt", "P00000 プロジェクト名(p)\nS00000 a.c\n\n\n\nF00003 a.c 5 dup 5\nF00004 b.c 7 dup 7\nE00005 a.c 6 f 5\n");
}

TEST_F(TreeForm, CheckListsTheDuplicatedRoots)
{
    load_check_tree();
    ftree_check();
    EXPECT_EQ(anal_test::code_output(), "a.c(5):0001[0003]dup\r\nb.c(7):0002[0004]dup\r\n");
    // A listing shifted by one line.
    anal_test::fresh();
    anal_test::write_file("ftree_s.txt", "\n\n\n\nF00003 a.c 5 dup 5\nF00004 b.c 7 dup 7\nE00005 a.c 6 f 5\n");
    ftree_check();
    EXPECT_EQ(anal_test::code_output(),
              "E212121 関数名が不一致です\r\n"
              "():0001[0003]dup\r\n"
              "E252525 ﾌｧｲﾙ(3):ﾌｫｰﾑ(4)番号に矛盾があります\r\n"
              "a.c(5):0002[0004]dup\r\n"
              "E252525 ﾌｧｲﾙ(4):ﾌｫｰﾑ(5)番号に矛盾があります\r\n");
}

TEST_F(TreeForm, CheckSFindsTheBoxOfAPosition)
{
    load_check_tree();
    const struct {
        const char *file, *name;
        int line, box;
    } cases[] = {{"a.c", "f", 0, 5}, {"b.c", "dup", 7, 4}, {"a.c", "dup", 5, 3},
                 {"b.c", "dup", 8, -2}, {"zz.c", "f", 6, -2}, {"b.c", "f", 6, -2}};
    for (const auto &c : cases) EXPECT_EQ(ftree_check_s(c.file, c.name, c.line), c.box) << c.file << c.name << c.line;
    EXPECT_EQ(anal_test::code_output(), "");
}

TEST_F(TreeForm, ChecksWithoutListingOrForm)
{
    remove("ftree_s.txt");
    EXPECT_EQ(ftree_check_s("a.c", "f", 1), -1);
    ftree_check();
    EXPECT_EQ(anal_test::code_output(), std::string() +
                                            "E242424 ファイル(ftree_s.txt)が見つかりません\r\n"
                                            "E242424 ファイル(ftree_s.txt)が見つかりません\r\n");
    anal_test::fresh();
    anal_test::write_file("ftree_s.txt", "\n");
    forms_reset_all();
    EXPECT_EQ(ftree_check_s("a.c", "f", 1), -3);
    ftree_check();
    EXPECT_EQ(anal_test::code_output(),
              "E242424 フォームが開かれていません\r\nE242424 フォームが開かれていません\r\n");
}

TEST_F(TreeForm, AboxCodesAndMarks)
{
    int count = 0, list[4] = {};
    set_cur_box(3);
    ftree_abox(0, &count, list, 4);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(list[0], 2);
    const struct {
        int cur, count;
    } cases[] = {{-1, abox_no_current}, {0, abox_not_tree_box}, {8, 0}, {7, 0}};
    for (const auto &c : cases) {
        cur_box = c.cur;
        ftree_abox(0, &count, list, 4);
        EXPECT_EQ(count, c.count) << c.cur;
    }
    forms_reset_all();
    ftree_abox(0, &count, list, 4);
    EXPECT_EQ(count, abox_empty_form);
}

TEST_F(TreeForm, FuncBoxPassesAndSmallPredicates)
{
    scan_tree_form();
    const struct {
        int number;
        const char *name;
        int box;
    } cases[] = {{0, "main", 3}, {7, "main", 3}, {1, "priv", 5}, {0, "priv", -1},
                 {1, "cb", 7},   {0, "cb", 7},   {0, "none", -1}, {0, "a_function_name_of_32_characters", 8}};
    for (const auto &c : cases) EXPECT_EQ(find_func_box(c.number, c.name), c.box) << c.name << c.number;
    EXPECT_EQ(get_box_num(8), 0);
    EXPECT_EQ(get_box_letter(5), 'S');
    for (int n : {3, 9, 10}) EXPECT_EQ(is_work_box(n), 1) << n;
    for (int n : {0, 4, -1}) EXPECT_EQ(is_work_box(n), 0) << n;
    const struct {
        const char *in, *out;
    } names[] = {{"(*fp)()", "fp"}, {"(*)()", "(*)()"}, {"fp", "fp"}, {"(*fp)(x)", "(*fp)(x)"}, {"(*a_b)()", "a_b"}};
    for (const auto &c : names) EXPECT_STREQ(fptr_name(c.in), c.out) << c.in;
    set_cur_box(4);
    EXPECT_EQ(is_cur_func("helper"), 1);
    EXPECT_EQ(is_cur_func("main"), 0);
    set_cur_box(0);
    EXPECT_EQ(is_cur_func(""), 0);
}

TEST_F(TreeForm, NoSetLinksAndTheEmptyLink)
{
    const int links = l_num;
    EXPECT_EQ(add_no_set_link(3, 9), 1);
    EXPECT_EQ(add_no_set_link(-1, 9), 0);
    EXPECT_EQ(add_no_set_link(3, -1), 0);
    ASSERT_EQ(l_num, links + 1);
    EXPECT_STREQ(link_table[links].name, "no_set");
    l_num = link_cap;
    EXPECT_EQ(add_no_set_link(3, 9), 0);

    load_tree({{"PROC", "p", ""}, {"EMPTY", "e", ""}, {"PROC", "q", ""}, {"BOX", "b", ""}},
              {{0, 1}, {2, 1}, {3, 1}}, "no_set");
    copy_bounded(link_table[0].name, name_size, "on_set");
    set_cur_box(0);
    cur_link = 1;
    EXPECT_EQ(set_empty_link(), 1);
    EXPECT_STREQ(link_table[0].name, "no_set");
    EXPECT_STREQ(link_table[1].name, "on_set");
    EXPECT_STREQ(link_table[2].name, "no_set");
    cur_link = 2;  // from a BOX
    EXPECT_EQ(set_empty_link(), 0);
    EXPECT_STREQ(link_table[1].name, "on_set");
    cur_box = -1;
    cur_link = 1;
    EXPECT_EQ(set_empty_link(), 0);
}

class MultiCur : public TreeForm {
protected:
    void SetUp() override
    {
        TreeForm::SetUp();
        target_field.edit = capture::new_edit();
        target_field.list = capture::new_list();
        combo = target_field_handle();
        window = capture::new_edit();
    }
    std::vector<std::string> &items() { return capture::list_items(target_field.list); }
    std::string last_box() { return capture::boxes.empty() ? "" : capture::boxes.back().text; }
    win_handle combo = nullptr, window = nullptr;
};

TEST_F(MultiCur, AddListAndClear)
{
    for (int b : {4, 8, 1}) {
        set_cur_box(b);
        EXPECT_EQ(multi_cur_add(combo, nullptr), 0) << b;
    }
    EXPECT_EQ(items(), (std::vector<std::string>{"[0001]"}));
    multi_cur_list(combo);
    EXPECT_EQ(items(), (std::vector<std::string>{"[0001]", "[0008]a_function_name_of_32_characters", "[0004]helper"}));
    EXPECT_TRUE(capture::boxes.empty());
    // A box of another kind is refused with a warning.
    load_tree({{"WORK", "", ""}, {"BUTTON", "ok", ""}}, {});
    set_cur_box(1);
    EXPECT_EQ(multi_cur_add(combo, nullptr), 2);
    EXPECT_EQ(last_box(), "複数抽出用カレント矩形として登録できない矩形です");
    EXPECT_EQ(capture::boxes.back().caption, "TAVIR警告画面");
    EXPECT_EQ(multi_cur, 0);  // the load emptied them
    cur_box = -1;
    EXPECT_EQ(multi_cur_add(combo, nullptr), 1);
    multi_cur = multi_cur_cap;
    set_cur_box(0);
    EXPECT_EQ(multi_cur_add(combo, nullptr), 1);
    EXPECT_EQ(multi_cur_clear(combo), 0);
    EXPECT_EQ(multi_cur, 0);
    EXPECT_TRUE(items().empty());
}

TEST_F(MultiCur, CheckRefusalsAndTheF10Key)
{
    EXPECT_EQ(multi_cur_check(0, window, nullptr), multi_cur_none);
    EXPECT_EQ(last_box(), "複数ｶﾚﾝﾄ矩形抽出番号の登録がありません");
    set_cur_box(11);
    multi_cur_add(combo, nullptr);
    capture::sent.clear();
    EXPECT_EQ(multi_cur_check(0, window, nullptr), 0);
    EXPECT_EQ(capture::sent, (std::vector<unsigned>{WM_KEYUP}));
    copy_bounded(box_table[11].name, name_size, "renamed");
    EXPECT_EQ(multi_cur_check(0, window, nullptr), multi_cur_changed);
    EXPECT_EQ(last_box(), "複数ｶﾚﾝﾄ矩形抽出番号の登録後ツリーが変化しています");
    // A smaller form loaded with the registrations kept.
    anal_test::write_file("small.f", "#F2\n   36    10    41    25 WORK         \n#P1\nx\n");
    form_reset();
    EXPECT_EQ(load_form_keep("small.f"), 0);
    EXPECT_EQ(multi_cur, 1);
    EXPECT_EQ(multi_cur_check(0, window, nullptr), multi_cur_outside);
    EXPECT_EQ(last_box(), "関数ツリーでないので複数抽出できません");
}

}  // namespace
