// The main screen's tree build through the real analyser with scripted
// answers: each stop, the loaded and saved tree, an extraction that leaves
// the saved tree whole, and F10 toggling between extraction and full tree.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "analyser/search_keys.h"
#include "forms/formfile.h"
#include "forms/model.h"
#include "shell/msgbox.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "tests/analyser/tree_support.h"
#include "tests/support/capture_forms.h"
#include "trees/multi_cur.h"
#include "trees/tree_box.h"
#include "trees/tree_build.h"

namespace {

int analyses;

int analyse_category()
{
    ++analyses;
    if (write_ftree_t() != 0) return 1;
    anal_test::run_vokanal({"a.c", "-i"});
    return 0;
}

// The "#L2" rows of a form file.
int saved_links(const std::string &form)
{
    const size_t from = form.find("#L2"), to = form.find("#P1");
    if (from == std::string::npos || to == std::string::npos) return -1;
    return tree_test::count_of(form.substr(from, to - from), "\n") - 1;
}

class TreeBuild : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree_test::setup();
        capture_forms::reset();
        tree_build_reset();
        forms_reset_all();
        clear_multi_keys();
        set_search_key("");
        analyses = 0;
        remove("ftree.f");
        anal_test::write_file("a.c",
                              "int helper(int x) { return x + 1; }\n"
                              "int other(int x) { return x * 2; }\n"
                              "int main(void) { return helper(1) + other(2); }\n"
                              "int lone(void) { return other(3); }\n");
    }
    void TearDown() override
    {
        tree_build_reset();
        forms_reset_all();
        call_tables_release();
    }
    static int build(const char *category, const char *target, std::initializer_list<int> answers)
    {
        capture::boxes.clear();
        capture::answers.assign(answers.begin(), answers.end());
        return run_tree_build(category, target, analyse_category);
    }
    static std::string last_box() { return capture::boxes.empty() ? "" : capture::boxes.back().text; }
    static int box_named(const char *name)
    {
        for (int i = form_sta; i < form_num; ++i) {
            if (strcmp(box_table[i].name, name) == 0) return i;
        }
        return -1;
    }
};

TEST_F(TreeBuild, StopsBeforeTheAnalysis)
{
    const struct {
        const char *category, *target;
        std::initializer_list<int> answers;
        int result;
        const char *box;
    } cases[] = {
        {"  ", "", {}, tree_no_category, "カテゴリ欄にソースファイル名が設定されていません、\r\nワイルドカードの使用が可能です"},
        {"notes.txt", "", {}, tree_no_category, "カテゴリ欄にソースファイル名が設定されていません、\r\nワイルドカードの使用が可能です"},
        {" *.c ", "", {IDCANCEL}, tree_cancelled, "外部関数を含めて関数ツリーを作成しますか？"},
        {"a.c", "  ", {IDYES, IDYES}, tree_no_key, "対象欄に論理検索キイを設定して下さい!"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(build(c.category, c.target, c.answers), c.result) << c.category;
        EXPECT_EQ(last_box(), c.box) << c.category;
    }
    EXPECT_EQ(analyses, 0);
    EXPECT_EQ(anal_test::read_file("ftree.f"), "<missing>");
}

TEST_F(TreeBuild, BuildsLoadsAndSavesTheTree)
{
    ASSERT_EQ(build("a.c", "", {IDNO}), tree_built);
    EXPECT_EQ(analyses, 1);
    EXPECT_EQ(tree_external, 0);
    EXPECT_EQ(capture::boxes.size(), 1u);
    EXPECT_STREQ(cur_form_name, "ftree.f");
    EXPECT_GE(box_named("helper"), 3);
    EXPECT_GE(box_named("lone"), 3);
    EXPECT_EQ(saved_links(anal_test::read_file("ftree.f")), l_num - l_sta);
    EXPECT_EQ(tbox_tbl, nullptr);
    EXPECT_EQ(CALLTBL, nullptr);
    const std::string out = anal_test::code_output();
    EXPECT_NE(out.find("E252525 MAX_FORM(49152) MAX_LINK(49152) MAX_MBUF(168840) MAX_MLINK(1000)\r\n"),
              std::string::npos);
    EXPECT_NE(out.find("fnum(" + std::to_string(form_num) + ") lnum(" + std::to_string(l_num) + ")"),
              std::string::npos);
}

TEST_F(TreeBuild, ExtractionLeavesTheSavedTreeWhole)
{
    ASSERT_EQ(build("a.c", "", {IDNO}), tree_built);
    const int all_links = l_num;
    forms_reset_all();
    ASSERT_EQ(build("a.c", "helper", {IDYES, IDYES}), tree_built);
    EXPECT_EQ(tree_extract, 0);
    EXPECT_EQ(saved_links(anal_test::read_file("ftree.f")), all_links);
    EXPECT_LT(l_num, all_links);
    EXPECT_GE(box_named("helper"), 0);
    // F10 twice: an extraction around helper, then the whole tree again.
    const int helper = box_named("helper");
    ASSERT_EQ(tree_view_toggle(helper), 0);
    EXPECT_EQ(tree_view_flag, 1);
    ASSERT_EQ(tree_view_toggle(helper), 0);
    EXPECT_EQ(tree_view_flag, 0);
    EXPECT_EQ(l_num, all_links);
    EXPECT_EQ(cur_box, helper);
}

TEST_F(TreeBuild, UnwritableFilesStopTheBuild)
{
    const struct {
        const char *blocked, *named;
    } cases[] = {{"ftree.f.$$$", "ftree.f"}, {"ftree_s.txt", "ftree_s.txt"}};
    for (const auto &c : cases) {
        const char *blocked = c.blocked;
        forms_reset_all();
        std::filesystem::remove(blocked);
        std::filesystem::create_directory(blocked);
        EXPECT_EQ(build("a.c", "", {IDNO}), tree_unwritable) << blocked;
        std::filesystem::remove(blocked);
        EXPECT_EQ(last_box(), std::string("関数ツリーのファイル(") + c.named + ")を書き込めませんでした") << blocked;
        EXPECT_EQ(capture::boxes.back().style & MB_ICONHAND, static_cast<unsigned>(MB_ICONHAND));
        EXPECT_EQ(form_num, 0) << blocked;
        EXPECT_EQ(tbox_tbl, nullptr) << blocked;
        EXPECT_EQ(CALLTBL, nullptr) << blocked;
        EXPECT_EQ(capture::cursor, nullptr) << blocked;
    }
}

TEST_F(TreeBuild, F10TogglesAndRefuses)
{
    ASSERT_EQ(build("a.c", "", {IDNO}), tree_built);
    const int all_links = l_num;
    capture::boxes.clear();
    EXPECT_EQ(tree_view_toggle(-1), toggle_no_box);
    EXPECT_EQ(last_box(), "カレント矩形が有りません");
    // From LIST or CODE: by file, name and line.
    ASSERT_EQ(tree_view_toggle_at("a.c", "other", 2), 0);
    EXPECT_EQ(tree_view_flag, 1);
    EXPECT_LT(l_num, all_links);
    ASSERT_EQ(tree_view_toggle_at("a.c", "other", 2), 0);
    EXPECT_EQ(l_num, all_links);
    EXPECT_EQ(tree_view_toggle_at("a.c", "nothing", 2), toggle_not_found);
    copy_bounded(cur_form_name, sizeof cur_form_name, "other.f");
    EXPECT_EQ(tree_view_toggle(3), toggle_not_tree);
    EXPECT_EQ(last_box(), "関数ツリーでないので抽出できません");
    copy_bounded(cur_form_name, sizeof cur_form_name, "0:FTREE.F");
    EXPECT_EQ(tree_view_toggle(3), 0);
}

}  // namespace
