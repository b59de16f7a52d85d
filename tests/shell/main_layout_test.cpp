// The main screen's layout and paint decisions: the widths from the
// parameters, the text area's text and lines, the registered button rows,
// their switch and the hint of a pressed button.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/keypad.h"
#include "shell/main_layout.h"
#include "shell/main_state.h"
#include "shell/params.h"
#include "shell/stacks.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "tests/support/capture_host.h"

namespace {

class MainLayout : public ::testing::Test {
protected:
    void SetUp() override
    {
        capture::reset();
        main_state_reset();
        main_hooks = main_hooks_rec{};
        category_wide = 0;
        object_wide = 0;
    }
    void TearDown() override
    {
        for (char letter : {'O', 'F', 'E', 'L', 'C', 'P', 'f', 'X'}) register_buttons(letter, nullptr, 0);
        for (win_handle &h : main_controls) h = nullptr;
        for (win_handle &h : fkey_buttons) h = nullptr;
    }
};

TEST_F(MainLayout, WidthsFollowTheParameters)
{
    const struct {
        int category, object, wc, wt, left;
    } cases[] = {
        {0, 0, 231, 258, 527}, {300, 0, 300, 258, 596}, {0, 338, 231, 300, 569}, {-5, -1, 231, 258, 527},
    };
    for (const auto &c : cases) {
        category_wide = c.category;
        object_wide = c.object;
        int wc = 0, wt = 0;
        main_widths(&wc, &wt);
        EXPECT_EQ(c.wc, wc);
        EXPECT_EQ(c.wt, wt);
        EXPECT_EQ(c.left, text_area_left());
    }
}

TEST_F(MainLayout, TheTextAreaShowsHelpOrMemoButNothingBesideABar)
{
    copy_bounded(memo_buf, sizeof memo_buf, "memo");
    bool help = true;
    EXPECT_STREQ("memo", text_area_text(&help));
    EXPECT_FALSE(help);
    help_mode = 'E';
    const char *text = text_area_text(&help);
    ASSERT_NE(nullptr, text);
    EXPECT_EQ(0u, std::string(text).find("主画面でのマウスの利用法"));
    EXPECT_TRUE(help);
    help_mode = 'Z';  // no such help: the memo
    EXPECT_STREQ("memo", text_area_text(&help));
    for (int *mode : {&bar_group, &work_mode, &multi_extract_mode}) {
        *mode = 1;
        EXPECT_EQ(nullptr, text_area_text(&help));
        *mode = 0;
    }
    memo_buf[0] = '\0';
}

TEST_F(MainLayout, TextLinesEndAtCrLfOrCrLfAndTabsBecomeBlanks)
{
    const char *text = "a\tb\r\nc\rd\ne\n\nf\r\r\n日本";
    std::vector<std::string> lines;
    char line[100];
    for (const char *p = text; next_text_line(&p, line, sizeof line);) lines.push_back(line);
    EXPECT_EQ((std::vector<std::string>{"a b", "c", "d", "e", "", "f", "", "日本"}), lines);
    const char *cut = "日本語";
    char small[4];
    ASSERT_TRUE(next_text_line(&cut, small, sizeof small));
    EXPECT_STREQ("日", small);  // cut on a character boundary
}

TEST_F(MainLayout, RowsShowAndHideButLeaveTheDots)
{
    win_handle main_row[17], form_row[12];
    for (int i = 0; i < 17; ++i) main_row[i] = capture::new_edit(i == 6 || i == 11 ? "・" : "cD");
    for (win_handle &h : form_row) h = capture::new_edit("★");
    EXPECT_EQ(0, register_buttons('E', main_row, 17));
    EXPECT_EQ(0, register_buttons('O', form_row, 12));
    EXPECT_EQ(1, register_buttons('O', form_row, 13));
    EXPECT_EQ(1, register_buttons('Q', form_row, 1));
    static int fits;
    fits = 0;
    main_hooks.fit_code_output = [] { ++fits; };
    show_buttons(bars_hidden);
    EXPECT_EQ(bars_hidden, buttons_shown);
    EXPECT_EQ(27u, capture::shows.size());
    for (const auto &s : capture::shows) {
        EXPECT_EQ(0, s.show);
        EXPECT_NE(main_row[6], s.window);
        EXPECT_NE(main_row[11], s.window);
    }
    EXPECT_EQ(1, fits);
    capture::shows.clear();
    show_buttons(bars_shown);
    EXPECT_EQ(bars_shown, buttons_shown);
    EXPECT_EQ(1, capture::shows.back().show);
}

TEST_F(MainLayout, HintsOfRowButtonsFunctionButtonsAndControls)
{
    win_handle flow_row[6], pad_row[25];
    for (win_handle &h : flow_row) h = capture::new_edit();
    for (win_handle &h : pad_row) h = capture::new_edit();
    register_buttons('F', flow_row, 6);
    register_buttons('f', pad_row, 25);
    for (win_handle &h : fkey_buttons) h = capture::new_edit();
    main_controls[ctl_help] = capture::new_edit();
    main_controls[ctl_patterns] = capture::new_edit();
    char text[300];
    ASSERT_TRUE(button_hint_text(flow_row[3], false, text, sizeof text));
    EXPECT_STREQ("フローを拡大する", text);
    ASSERT_TRUE(button_hint_text(pad_row[12], false, text, sizeof text));
    EXPECT_STREQ("矩形の変更の復旧", text);
    ASSERT_TRUE(button_hint_text(pad_row[6], false, text, sizeof text));
    EXPECT_STREQ("???", text);
    ASSERT_TRUE(button_hint_text(main_controls[ctl_help], true, text, sizeof text));
    EXPECT_STREQ("フォームのヘルプを表示します、フォーム画面が閉じていれば開きます", text);
    EXPECT_FALSE(button_hint_text(main_controls[ctl_help], false, text, sizeof text));  // only on the main screen
    EXPECT_FALSE(button_hint_text(main_controls[ctl_patterns], true, text, sizeof text));
    EXPECT_FALSE(button_hint_text(fkey_buttons[0], true, text, sizeof text));  // no bar shown
    multi_extract_mode = 1;
    ASSERT_TRUE(button_hint_text(fkey_buttons[0], true, text, sizeof text));
    EXPECT_STREQ("複数カレント矩形の上位矩形を抽出の為のオブジェクト番号を登録する", text);
    EXPECT_FALSE(button_hint_text(nullptr, true, text, sizeof text));
}

}  // namespace
