// The main screen's key and mouse decisions against the capture host: the
// memo at its limit, Page Up with a file in two slots, the define lookup,
// the nesting listings and the multiple-extraction switch.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "shell/codeout.h"
#include "shell/main_keys.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/screens.h"
#include "shell/stacks.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "tests/shell/shell_fixture.h"

using fixture::exists;
using fixture::read_file;
using fixture::write_file;

namespace {

struct nesting_call {
    std::string source;
    int layout, kind;
};
std::vector<nesting_call> nesting_calls;
int nesting_result;
int define_result;
std::string define_asked;

class MainKeys : public folder_test {
protected:
    void SetUp() override
    {
        folder_test::SetUp();
        fill_home_dir();
        main_state_reset();
        main_hooks = main_hooks_rec{};
        for (win_handle *w : {&hwndE, &hwndC, &code_out_hwnd}) *w = capture::new_edit();
        main_controls[ctl_category] = capture::new_edit();
        target_field.edit = capture::new_edit();
        target_field.list = capture::new_list();
        for (int n = 0; n < fkey_button_count; ++n) fkey_buttons[n] = capture::new_edit("cap");
        saved_editor = editor;
        saved_option = option;
        editor[0] = '\0';
        memo_buf[0] = '\0';
        memo_restore[0] = '\0';
        nesting_calls.clear();
        nesting_result = 1;
        define_result = 0;
        define_asked.clear();
        main_hooks.write_nesting = [](const char *source, int layout, int kind) {
            nesting_calls.push_back({source, layout, kind});
            if (nesting_result == 1) write_file("layer.txt", std::string("listing of ") + source + "\n");
            return nesting_result;
        };
        main_hooks.show_define = [](const char *name) { return define_asked = name, define_result; };
        main_hooks.list_defines = [](const char *key) { return define_asked = std::string("*") + key, define_result; };
    }
    void TearDown() override
    {
        main_hooks = main_hooks_rec{};
        for (win_handle *w : {&hwndE, &hwndC, &code_out_hwnd}) *w = nullptr;
        copy_bounded(editor, sizeof editor, saved_editor.c_str());
        copy_bounded(option, sizeof option, saved_option.c_str());
        folder_test::TearDown();
    }
    std::string saved_editor, saved_option;
    void category(const std::string &text) { capture::edit_text(main_controls[ctl_category]) = text; }
    std::string last_box() const { return capture::boxes.empty() ? "" : capture::boxes.back().text; }
    std::string code_text() const { return capture::edit_text(code_out_hwnd); }
};

TEST_F(MainKeys, MemoTakesAndAddsTheCodeTextWithoutSplittingACharacter)
{
    const std::string kanji = "日";  // two bytes
    copy_bounded(memo_buf, sizeof memo_buf, "old memo");
    capture::edit_text(code_out_hwnd) = std::string(3997, 'a') + kanji + "tail";
    memo_from_code(false);
    EXPECT_EQ(3999u, strlen(memo_buf));  // 3997 + the whole character
    EXPECT_STREQ("old memo", memo_restore);
    capture::edit_text(code_out_hwnd) = std::string(3998, 'a') + kanji;
    memo_from_code(false);
    EXPECT_EQ(std::string(3998, 'a'), memo_buf);  // the character would end past the limit

    copy_bounded(memo_buf, sizeof memo_buf, "0123456789");
    capture::edit_text(code_out_hwnd) = std::string(3987, 'b') + kanji + "zz";
    memo_from_code(true);
    EXPECT_EQ("0123456789" + std::string(3987, 'b') + kanji, memo_buf);
    EXPECT_STREQ("0123456789", memo_restore);
    copy_bounded(memo_buf, sizeof memo_buf, "0123456789");
    capture::edit_text(code_out_hwnd) = std::string(3988, 'b') + kanji;
    memo_from_code(true);
    EXPECT_EQ("0123456789" + std::string(3988, 'b'), memo_buf);
    capture::edit_text(code_out_hwnd) = "more";
    memo_from_code(true);  // one byte was left
    EXPECT_TRUE("0123456789" + std::string(3988, 'b') + "m" == memo_buf);
    memo_from_code(true);  // a full memo takes nothing more
    EXPECT_EQ(3999u, strlen(memo_buf));

    memo_clear();
    EXPECT_STREQ("", memo_buf);
    EXPECT_TRUE("0123456789" + std::string(3988, 'b') + "m" == memo_restore);
    EXPECT_FALSE(capture::repaints.empty());
}

TEST_F(MainKeys, PageUpDeletesOnlyTheFileTheSearchPathFinds)
{
    const std::string a = drive_dir("a"), b = drive_dir("b");
    select(a + "," + b);
    write_file(a + "\\dup.c", "A\n");
    write_file(b + "\\dup.c", "B\n");
    category(" dup.c ");
    capture::answers = {IDNO};
    EXPECT_EQ(0, category_file_key());
    EXPECT_EQ("カテゴリ欄のファイル(dup.c)を作成しますか？(いいえ(N)：削除)", capture::boxes[0].text);
    EXPECT_FALSE(exists(a + "\\dup.c"));
    EXPECT_EQ("B\n", read_file(b + "\\dup.c"));

    capture::answers = {IDYES};
    EXPECT_EQ(1, category_file_key());
    EXPECT_EQ("同一名のファイル(dup.c)が既に存在します！", last_box());
    category("new.c");
    capture::answers = {IDYES};
    EXPECT_EQ(0, category_file_key());
    EXPECT_TRUE(exists(a + "\\new.c"));
    EXPECT_FALSE(exists(b + "\\new.c"));
    category("none.c");
    capture::answers = {IDNO};
    EXPECT_EQ(1, category_file_key());
    EXPECT_EQ("削除するファイル(none.c)が存在しません！", last_box());
    capture::answers = {IDCANCEL};
    EXPECT_EQ(2, category_file_key());
    category("");
    EXPECT_EQ(1, category_file_key());
    EXPECT_EQ("カテゴリ欄に作成／削除するファイル名が指定されていません！", last_box());
    category("two words.c");
    const size_t shown = capture::boxes.size();
    EXPECT_EQ(1, category_file_key());
    EXPECT_EQ(shown + 1, capture::boxes.size());  // the check's box, no question
}

TEST_F(MainKeys, HomeLooksTheDefineUpWithOrWithoutShift)
{
    const std::string missing = "対象欄のdefine情報ファイル(define.txt)が見つかりません！\r\n"
                                "事前に、主画面の[開く]ボタンを左クリックしてソースを開いて下さい";
    const struct {
        const char *name;
        const char *target;
        int shift, result;
        const char *asked;
        std::string box;  // "" none
        bool shows_code;
    } cases[] = {
        {"empty", "  ", 0, 0, "", "対象欄にdefine定義名が指定されていません！", false},
        {"found", " MAX ", 0, 0, "MAX", "", true},
        {"no define.txt", "MAX", 0, 1, "MAX", missing, false},
        {"not a define", "MAX", 0, 2, "MAX",
         "対象欄のdefine定義名(MAX)が見つかりません！\r\ndefine定義名ではないかも知れません", false},
        {"shift lists", "MA", 1, 4, "*MA", "", false},
        {"shift, no define.txt", "MA", 1, -1, "*MA", missing, false},
    };
    for (const auto &c : cases) {
        capture::boxes.clear();
        capture::sends.clear();
        define_asked.clear();
        capture::edit_text(target_field.edit) = c.target;
        shift_down = c.shift;
        define_result = c.result;
        EXPECT_EQ(c.box.empty() ? 0 : 1, define_key()) << c.name;
        EXPECT_EQ(c.asked, define_asked) << c.name;
        EXPECT_EQ(c.box, last_box()) << c.name;
        bool code = false;
        for (const auto &s : capture::sends) code = code || (s.window == hwndE && s.msg == WM_COMMAND && s.wparam == 5);
        EXPECT_EQ(c.shows_code, code) << c.name;
    }
}

TEST_F(MainKeys, NestingKeysListTheSourceOrRefuseWithoutAStaleListing)
{
    write_file("a.c", "int main() {}\n");
    write_file("layer.txt", "stale listing\n");
    capture::edit_text(code_out_hwnd) = "old output";
    category("a.c");
    const struct {
        const char *name;
        int key;
        int answer;
        int kind;  // 0: nothing written
    } cases[] = {
        {"key 3", '3', 0, 's'}, {"key 4", '4', 0, 'd'}, {"key 2 Yes", '2', IDYES, '#'},
        {"key 2 No", '2', IDNO, 'k'}, {"key 2 Cancel", '2', IDCANCEL, 0},
    };
    for (const auto &c : cases) {
        nesting_calls.clear();
        capture::answers.clear();
        if (c.answer != 0) capture::answers.push_back(c.answer);
        EXPECT_EQ(c.kind != 0 ? 0 : 2, nesting_key(c.key)) << c.name;
        if (c.kind == 0) {
            EXPECT_TRUE(nesting_calls.empty()) << c.name;
            continue;
        }
        ASSERT_EQ(1u, nesting_calls.size()) << c.name;
        EXPECT_EQ("a.c", nesting_calls[0].source);
        EXPECT_EQ('C', nesting_calls[0].layout);
        EXPECT_EQ(c.kind, nesting_calls[0].kind) << c.name;
        EXPECT_NE(std::string::npos, code_text().find("listing of a.c")) << c.name;
    }
    EXPECT_NE(std::string::npos, capture::edit_text(hwndC).find("layer.txt)"));

    // A source that no slot holds: refused before anything is written or asked.
    category("gone.c");
    nesting_calls.clear();
    const int beeps = capture::beeps;
    EXPECT_EQ(1, nesting_key('2'));
    EXPECT_EQ("ファイル(gone.c)が見つかりません！", last_box());
    EXPECT_EQ(beeps + 1, capture::beeps);
    EXPECT_TRUE(nesting_calls.empty());

    // The listing cannot be written: a box naming it, no listing shown.
    category("a.c");
    write_file("layer.txt", "stale listing\n");
    capture::edit_text(code_out_hwnd) = "old output";
    nesting_result = 0;
    EXPECT_EQ(1, nesting_key('3'));
    EXPECT_NE(std::string::npos, last_box().find("layer.txt"));
    EXPECT_EQ(std::string::npos, code_text().find("stale"));

    for (const char *refused : {"", "x.txt"}) {
        category(refused);
        EXPECT_EQ(1, nesting_key('4'));
        EXPECT_EQ("カテゴリ欄にソースファイル名が設定されていません", last_box());
    }
}

TEST_F(MainKeys, NestingWithAnEditorOpensTheListingThere)
{
    write_file("a.c", "x\n");
    category("a.c");
    copy_bounded(editor, sizeof editor, "C:\\ed\\ed.exe");
    copy_bounded(option, sizeof option, "/j%d");
    keep_code_text = 1;
    capture::edit_text(code_out_hwnd) = "kept";
    EXPECT_EQ(0, nesting_key('4'));
    EXPECT_EQ('E', nesting_calls.at(0).layout);
    ASSERT_EQ(1u, capture::processes.size());
    EXPECT_NE(std::string::npos, capture::processes[0].cmdline.find("/j1"));
    EXPECT_NE(std::string::npos, capture::processes[0].cmdline.find("layer.txt\""));
    EXPECT_EQ("kept", code_text());
}

TEST_F(MainKeys, MultipleExtractionNeedsTheTreeForm)
{
    EXPECT_EQ(1, multi_extract_key("begin.f"));
    EXPECT_EQ("関数ツリーでないので複数抽出できません", last_box());
    EXPECT_EQ(0, multi_extract_mode);
    EXPECT_EQ("cap", capture::edit_text(fkey_buttons[0]));
    static int resets;
    resets = 0;
    main_hooks.multi_cur_reset = [] { ++resets; };
    bar_group = 3;
    bar_screen = hwndE;
    EXPECT_EQ(0, multi_extract_key("0:FTREE.F"));
    EXPECT_EQ(1, multi_extract_mode);
    EXPECT_EQ(1, resets);
    EXPECT_EQ(0, bar_group);
    EXPECT_EQ(nullptr, bar_screen);
    EXPECT_EQ("複数ｶﾚﾝﾄ矩形の抽出番号の登録", capture::edit_text(fkey_buttons[0]));
    EXPECT_EQ("複数ｶﾚﾝﾄ矩形の抽出番号の解除", capture::edit_text(fkey_buttons[3]));
    EXPECT_EQ(0, multi_extract_key(""));
    EXPECT_EQ(0, multi_extract_mode);
    EXPECT_EQ(0, capture::shows.back().show);
    work_mode = 1;
    EXPECT_EQ(2, multi_extract_key("ftree.f"));
    EXPECT_EQ(0, multi_extract_mode);
}

TEST_F(MainKeys, CodeCaptionRemembersTheName)
{
    set_code_caption("0:a.c");
    EXPECT_EQ("[ｺｰﾄﾞ]Ornak.C言語作図ソフト(0:a.c)", capture::edit_text(hwndC));
    EXPECT_STREQ("0:a.c\r\n", code_caption_name());
    set_code_caption("");
    EXPECT_EQ("[ｺｰﾄﾞ]Ornak.C言語作図ソフト", capture::edit_text(hwndC));
    EXPECT_STREQ("", code_caption_name());
}

}  // namespace
