// The keypad walk: keys with and without the extended bit and a current box,
// the refusals, the target text of the box-in-target key and the editor call.
#include "forms/keypad_nav.h"

#include <string>
#include <vector>

#include "forms/find_box.h"
#include "forms/form_state.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/winmsg.h"
#include "tests/forms/form_fixture.h"

namespace {

int occurrence_clears;
void note_clear() { ++occurrence_clears; }

class KeypadNav : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        target_field = {capture::new_edit(), capture::new_list()};
        form = capture::new_edit();
        occurrence_clears = 0;
        form_hooks.clear_occurrence = note_clear;
    }
    void TearDown() override { form_hooks = form_hooks_rec{}; }

    int press(unsigned key, intptr_t lparam = 0) { return keypad_nav_step(nullptr, form, key, lparam); }
    static std::string last_box() { return capture::boxes.empty() ? "" : capture::boxes.back().text; }
    static std::string &target_text() { return capture::edit_text(target_field.edit); }

    win_handle form = nullptr;
};

struct key_case {
    unsigned key;
    int mode;
};

TEST_F(KeypadNav, EveryKeypadKeyHasItsMode)
{
    const key_case cases[] = {
        {key_up, find_parent},           {key_numpad0 + 8, find_parent},      {key_end, find_next_caller},
        {key_down, find_next_caller},    {key_numpad0 + 1, find_next_caller}, {key_numpad0 + 2, find_next_caller},
        {key_clear, find_next_root},     {key_home, find_next_root},          {key_numpad0 + 5, find_next_root},
        {key_numpad0 + 7, find_next_root}, {key_left, find_back},             {key_numpad0 + 4, find_back},
        {key_right, find_next_called},   {key_prior, find_next_called},       {key_numpad0 + 6, find_next_called},
        {key_numpad0 + 9, find_next_called}, {key_insert, find_first},        {key_numpad0, find_first},
        {key_next, find_child},          {key_numpad0 + 3, find_child},       {key_delete, find_next_root_any},
        {key_decimal, find_next_root_any},
    };
    for (const auto &c : cases) {
        const nav_key_rec *row = nav_key_row(c.key);
        ASSERT_NE(row, nullptr) << c.key;
        EXPECT_EQ(row->mode, c.mode) << c.key;
    }
    EXPECT_EQ(nav_key_row(key_return), nullptr);
    EXPECT_EQ(nav_key_row('A'), nullptr);
}

TEST_F(KeypadNav, ExtendedKeysAreLeftToTheCaller)
{
    box("BOX", "f", 10, 10, 20, 20);
    cur_box = 0;
    EXPECT_EQ(press(key_up, key_extended), 0);
    EXPECT_EQ(press(key_return, 0), 0);
    EXPECT_EQ(press('A'), 0);
    EXPECT_TRUE(capture::boxes.empty());
}

TEST_F(KeypadNav, KeysThatNeedACurrentBoxSaySoWithoutOne)
{
    box("BOX", "f", 10, 10, 20, 20);
    for (unsigned key : {key_up, key_down, key_home, key_left, key_right, key_next}) {
        capture::boxes.clear();
        EXPECT_EQ(press(key), 1);
        EXPECT_EQ(last_box(), "カレント矩形が有りません");
        EXPECT_EQ(capture::boxes.back().caption, msg_caption_text);
    }
    capture::boxes.clear();
    EXPECT_EQ(press(key_delete), 1);  // the next root needs none
    EXPECT_EQ(cur_box, 0);
    EXPECT_TRUE(capture::boxes.empty());
    ASSERT_EQ(capture_forms::redraws.size(), 1u);
    EXPECT_EQ(capture_forms::redraws[0], form);
}

TEST_F(KeypadNav, FailedStepsShowTheirRefusal)
{
    const int root = box("BOX", "f", 10, 10, 20, 20);
    cur_box = root;
    EXPECT_EQ(press(key_up), 1);  // no parent: no message
    EXPECT_TRUE(capture::boxes.empty());
    EXPECT_EQ(press(key_down), 1);
    EXPECT_EQ(last_box(), "外に下位矩形のある矩形はありません");
    EXPECT_EQ(capture::boxes.back().caption, "TAVIR警告画面");
    EXPECT_EQ(capture::boxes.back().style, static_cast<unsigned>(MB_ICONHAND));
    EXPECT_EQ(press(key_numpad0 + 9), 1);
    EXPECT_EQ(last_box(), "外に上位矩形のある矩形はありません");
    EXPECT_EQ(press(key_home), 1);
    EXPECT_EQ(last_box(), "外に同一オブジェクト名を持つ先頭矩形はありません");
    EXPECT_EQ(press(key_delete), 1);
    EXPECT_EQ(last_box(), "外に先頭矩形はありません");
    EXPECT_TRUE(capture_forms::redraws.empty());
}

TEST_F(KeypadNav, TheTargetKeysNeedATargetText)
{
    box("BOX", "f", 10, 10, 20, 20);
    cur_box = 0;
    target_text() = " \t";
    EXPECT_EQ(press(key_insert), 1);
    EXPECT_EQ(last_box(), "対象欄に関数または変数が指定されていません");
    EXPECT_EQ(press(key_next), 1);
    EXPECT_EQ(last_box(), "対象欄に関数または変数が指定されていません");
    target_text() = "nothing";
    EXPECT_EQ(press(key_next), 1);
    EXPECT_EQ(last_box(), "指定のオブジェクト名(nothing)を持つ矩形は見つかりません");
    EXPECT_EQ(capture::boxes.back().caption, msg_caption_text);
}

TEST_F(KeypadNav, InsertSearchesThePreparedTargetAndKeepsItInTheList)
{
    box("BOX", "main", 10, 10, 20, 20);
    const int header = box("BOX", "stdio.h", 30, 10, 40, 20);
    target_text() = " STDIO.H ";
    EXPECT_EQ(press(key_insert), 1);
    EXPECT_EQ(cur_box, header);
    EXPECT_EQ(last_up_left, 1);
    EXPECT_EQ(occurrence_clears, 1);
    EXPECT_EQ(capture::list_items(target_field.list), (std::vector<std::string>{"STDIO.H"}));
    target_text() = "3:main";
    EXPECT_EQ(press(key_numpad0), 1);
    EXPECT_EQ(cur_box, 0);
    target_text() = "3:none";
    EXPECT_EQ(press(key_insert), 1);
    EXPECT_EQ(last_box(), "指定のオブジェクト名(none)を持つ矩形は見つかりません");
    EXPECT_EQ(occurrence_clears, 2);
}

TEST_F(KeypadNav, PreparingATargetLowersAFileNameButNotATrailByte)
{
    char text[100];
    copy_bounded(text, sizeof text, "アA.H");  // the trail byte of "ア" is 'A'
    prepare_target_text(text, sizeof text);
    EXPECT_STREQ(text, "アa.h");
    copy_bounded(text, sizeof text, "12(3):func");
    prepare_target_text(text, sizeof text);
    EXPECT_STREQ(text, "func");
}

TEST_F(KeypadNav, EnterNeedsACurrentTreeBox)
{
    box("COMMENT", "", 10, 10, 20, 20);
    box("HBOX", "h", 30, 10, 40, 20, "\"x.h\" YBOX");
    EXPECT_EQ(keypad_enter_check(nullptr), 1);
    EXPECT_EQ(last_box(), "カレント矩形が有りません");
    cur_box = 0;
    EXPECT_EQ(keypad_enter_check(nullptr), 1);
    EXPECT_EQ(last_box(), "関数ツリー以外では使用出来ません");
    cur_box = 1;
    EXPECT_EQ(keypad_enter_check(nullptr), 0);
}

struct editor_case {
    const char *option;
    const char *expect;
};

TEST_F(KeypadNav, TheEditorCallNeverTakesTheOptionAsAFormat)
{
    char saved_editor[sizeof editor], saved_option[sizeof option];
    copy_bounded(saved_editor, sizeof saved_editor, editor);
    copy_bounded(saved_option, sizeof saved_option, option);
    copy_bounded(editor, sizeof editor, "C:\\Hidemaru\\Hidemaru.exe");
    const editor_case cases[] = {
        {"/j%d", "\"C:\\Hidemaru\\Hidemaru.exe\" /j12 \"src\\a.c\""},
        {"%s%s%n", "\"C:\\Hidemaru\\Hidemaru.exe\" %s%s%n \"src\\a.c\""},
        {"/j%d,%x", "\"C:\\Hidemaru\\Hidemaru.exe\" /j%d,%x \"src\\a.c\""},
        {"", "\"C:\\Hidemaru\\Hidemaru.exe\"  \"src\\a.c\""},
    };
    char out[editor_cmd_size];
    for (const auto &c : cases) {
        SCOPED_TRACE(c.option);
        copy_bounded(option, sizeof option, c.option);
        EXPECT_EQ(editor_call_text(out, sizeof out, 12, "src", "a.c"), 0);
        EXPECT_STREQ(out, c.expect);
    }
    copy_bounded(option, sizeof option, "/j%d");
    EXPECT_EQ(editor_call_text(out, sizeof out, 1, "", "C:\\x\\b.h"), 0);
    EXPECT_STREQ(out, "\"C:\\Hidemaru\\Hidemaru.exe\" /j1 \"C:\\x\\b.h\"");
    const std::string long_name(990, 'n');
    EXPECT_EQ(editor_call_text(out, sizeof out, 1, "src", long_name.c_str()), 1);
    EXPECT_STREQ(out, "");
    copy_bounded(editor, sizeof editor, saved_editor);
    copy_bounded(option, sizeof option, saved_option);
}

}  // namespace
