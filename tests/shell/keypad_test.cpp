// The shared keyboard handling and the help tables: keypad decisions by the
// extended flag, the bar paged by Apps and closed by Enter, the function
// buttons pressed with and without an open box, and the designed-form buttons.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <utility>

#include "shell/codeout.h"
#include "shell/keypad.h"
#include "shell/main_help.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/winmsg.h"
#include "tests/support/capture_forms.h"
#include "tests/support/capture_host.h"

namespace {

const intptr_t extended = 0x1000000;

class Keypad : public ::testing::Test {
protected:
    void SetUp() override
    {
        capture::reset();
        capture_forms::reset();
        main_state_reset();
        code_mark_clear();
        for (win_handle *w : {&hwndE, &hwndL, &hwndF, &hwndC, &hwndO, &hwndP, &code_out_hwnd}) *w = capture::new_edit();
        for (int n = 0; n < fkey_button_count; ++n) fkey_buttons[n] = capture::new_edit("cap" + std::to_string(n));
    }
    void TearDown() override
    {
        for (win_handle *w : {&hwndE, &hwndL, &hwndF, &hwndC, &hwndO, &hwndP, &code_out_hwnd}) *w = nullptr;
    }
    std::string caption(int n) const { return capture::edit_text(fkey_buttons[n]); }
    // The one message sent, as (window, wparam) of the given message; null when none or several.
    std::pair<win_handle, uintptr_t> only_send(unsigned msg) const
    {
        std::pair<win_handle, uintptr_t> found{nullptr, 0};
        int n = 0;
        for (const auto &s : capture::sends) {
            if (s.msg != msg) continue;
            found = {s.window, s.wparam};
            ++n;
        }
        return n == 1 ? found : std::pair<win_handle, uintptr_t>{nullptr, 0};
    }
};

TEST_F(Keypad, KeypadKeysSendTheirCommandsByTheExtendedFlag)
{
    struct pad_case {
        const char *name;
        unsigned message, key;
        intptr_t lparam;
        win_handle *window;  // the procedure's own window
        int taken;
        win_handle *to;      // where WM_COMMAND went, null none
        uintptr_t command;
    };
    const pad_case cases[] = {
        {"keypad Enter down", WM_KEYDOWN, VK_RETURN, extended, &hwndE, 1, nullptr, 0},
        {"main Enter down", WM_KEYDOWN, VK_RETURN, 0, &hwndE, 0, nullptr, 0},
        {"keypad Enter on main", WM_KEYUP, VK_RETURN, extended, &hwndE, 1, &hwndE, 36},
        {"keypad Enter on FLOW", WM_KEYUP, VK_RETURN, extended, &hwndF, 1, &hwndF, 25},
        {"keypad Enter on LIST", WM_KEYUP, VK_RETURN, extended, &hwndL, 1, &hwndL, 25},
        {"keypad Enter on CODE", WM_KEYUP, VK_RETURN, extended, &hwndC, 1, &hwndC, 29},
        {"keypad Enter on FORM", WM_KEYUP, VK_RETURN, extended | 5, &hwndO, 1, &hwndO, 31},
        {"FORM's own keypad Enter", WM_KEYUP, VK_RETURN, 0x1000001, &hwndO, 0, nullptr, 0},
        {"keypad Enter on PROPERTY", WM_KEYUP, VK_RETURN, extended, &hwndP, 0, nullptr, 0},
        {"main Enter up", WM_KEYUP, VK_RETURN, 0, &hwndE, 0, nullptr, 0},
        {"+", WM_KEYUP, VK_ADD, 0, &hwndL, 1, &hwndC, 28},
        {"+ extended", WM_KEYUP, VK_ADD, extended, &hwndL, 0, nullptr, 0},
        {"NumLock", WM_KEYUP, VK_NUMLOCK, extended, &hwndF, 1, &hwndE, 32},
        {"NumLock plain", WM_KEYUP, VK_NUMLOCK, 0, &hwndF, 0, nullptr, 0},
        {"/", WM_KEYUP, VK_DIVIDE, extended, &hwndC, 1, &hwndE, 33},
        {"/ plain", WM_KEYUP, VK_DIVIDE, 0, &hwndC, 0, nullptr, 0},
        {"*", WM_KEYUP, VK_MULTIPLY, 0, &hwndE, 1, &hwndE, 34},
        {"-", WM_KEYUP, VK_SUBTRACT, 0, &hwndO, 1, &hwndE, 35},
        {"- extended", WM_KEYUP, VK_SUBTRACT, extended, &hwndO, 0, nullptr, 0},
        {"- key-down", WM_KEYDOWN, VK_SUBTRACT, 0, &hwndO, 0, nullptr, 0},
        {"a letter", WM_KEYUP, 'A', 0, &hwndE, 0, nullptr, 0},
    };
    for (const auto &c : cases) {
        capture::sends.clear();
        EXPECT_EQ(c.taken, keypad_dispatch(c.message, *c.window, c.key, c.lparam)) << c.name;
        const auto sent = only_send(WM_COMMAND);
        EXPECT_EQ(c.to != nullptr ? *c.to : nullptr, sent.first) << c.name;
        if (c.to != nullptr) {
            EXPECT_EQ(c.command, sent.second) << c.name;
        }
        const bool pad = c.message == WM_KEYUP && c.key != VK_RETURN && c.taken == 1;
        EXPECT_EQ(pad, is_keypad_key(c.message, c.key, c.lparam)) << c.name;
    }
}

TEST_F(Keypad, NavigationKeysAreTheKeypadOnesWithoutTheExtendedFlag)
{
    for (unsigned key : {VK_HOME, VK_UP, VK_PRIOR, VK_LEFT, VK_CLEAR, VK_RIGHT, VK_END, VK_DOWN, VK_NEXT, VK_INSERT,
                         VK_DELETE}) {
        EXPECT_TRUE(is_keypad_nav_key(WM_KEYUP, key, 0)) << key;
        EXPECT_FALSE(is_keypad_nav_key(WM_KEYUP, key, extended)) << key;
    }
    EXPECT_TRUE(is_keypad_nav_key(WM_KEYUP, VK_RETURN, extended));
    EXPECT_FALSE(is_keypad_nav_key(WM_KEYUP, VK_RETURN, 0));
    EXPECT_FALSE(is_keypad_nav_key(WM_KEYUP, VK_F1, 0));
    EXPECT_FALSE(is_keypad_nav_key(WM_KEYUP, 'A', 0));
}

TEST_F(Keypad, AppsPagesForwardsBackwardsAndWraps)
{
    int pages[8];
    for (int &p : pages) {
        EXPECT_EQ(1, fkey_handler(hwndE, VK_APPS));
        p = bar_group;
    }
    const int forward[8] = {1, 2, 3, 4, 5, 6, 1, 2};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(forward[i], pages[i]) << i;
    EXPECT_EQ(hwndE, bar_screen);
    EXPECT_EQ("F5多重論理検索条件の登録", caption(0));
    EXPECT_EQ("F8多重論理検索条件の解除", caption(3));
    shift_down = 1;
    fkey_handler(hwndE, VK_APPS);
    EXPECT_EQ(1, bar_group);
    EXPECT_EQ(0, shift_down);
    shift_down = 1;
    fkey_handler(hwndE, VK_APPS);
    EXPECT_EQ(6, bar_group);
    EXPECT_EQ("↑共通キイを登録する", caption(0));
    EXPECT_EQ("→共通キイを削除する", caption(3));
    shift_down = 1;
    fkey_handler(hwndE, VK_APPS);
    EXPECT_EQ(5, bar_group);
    EXPECT_FALSE(capture::repaints.empty());
}

TEST_F(Keypad, ShiftAppsFromNoBarShowsTheLastPageOfThatScreen)
{
    shift_down = 1;
    fkey_handler(hwndF, VK_APPS);
    EXPECT_EQ(6, bar_group);
    EXPECT_EQ(hwndF, bar_screen);
    EXPECT_EQ("↑FLOW画面を拡大表示する", caption(0));
    for (int n = 0; n < fkey_button_count; ++n) {
        bool shown = false;
        for (const auto &s : capture::shows) shown = shown || (s.window == fkey_buttons[n] && s.show == 1);
        EXPECT_TRUE(shown) << n;
    }
}

TEST_F(Keypad, EnterClosesABarThenSwitchesTheHelpLine)
{
    fkey_handler(hwndL, VK_APPS);
    EXPECT_EQ("F1一覧の関数を秀丸エディタで開く", caption(0));
    EXPECT_EQ(1, fkey_handler(hwndL, VK_RETURN));
    EXPECT_EQ(0, bar_group);
    EXPECT_EQ(nullptr, bar_screen);
    EXPECT_EQ(0, help_mode);
    for (int n = 0; n < fkey_button_count; ++n) EXPECT_EQ("cap" + std::to_string(n), caption(n));
    EXPECT_EQ(0, capture::shows.back().show);
    fkey_handler(hwndL, VK_RETURN);
    EXPECT_EQ('L', help_mode);
    fkey_handler(hwndE, VK_RETURN);
    EXPECT_EQ(0, help_mode);
    // FORM's letter follows the editing mode.
    gen_rel_mode = mode_create;
    EXPECT_EQ(0, toggle_help_line(hwndO));
    EXPECT_EQ('O', help_mode);
    gen_rel_mode = mode_relation;
    toggle_help_line(hwndO);
    toggle_help_line(hwndO);
    EXPECT_EQ('R', help_mode);
}

TEST_F(Keypad, EnterLeavesTheSpecialModesWithoutTouchingTheHelpLine)
{
    work_mode = 1;
    EXPECT_EQ(1, fkey_handler(hwndC, VK_RETURN));
    EXPECT_EQ(hwndL, only_send(WM_KEYUP).first);
    EXPECT_EQ(static_cast<uintptr_t>(VK_F9), only_send(WM_KEYUP).second);
    EXPECT_EQ(0, fkey_handler(hwndC, VK_APPS));
    work_mode = 0;
    multi_extract_mode = 1;
    capture::sends.clear();
    EXPECT_EQ(1, fkey_handler(hwndC, VK_RETURN));
    EXPECT_EQ(hwndE, only_send(WM_KEYUP).first);
    EXPECT_EQ(static_cast<uintptr_t>(VK_F10), only_send(WM_KEYUP).second);
    EXPECT_EQ(0, toggle_help_line(hwndE));
    EXPECT_EQ(0, help_mode);
    EXPECT_EQ(0, bar_group);
}

TEST_F(Keypad, PressingAFunctionButtonSendsThePagesKeyOrRefusesWhileABoxIsOpen)
{
    EXPECT_EQ(0, press_button(hwndE, 0));  // no bar
    EXPECT_TRUE(capture::sends.empty());
    fkey_handler(hwndO, VK_APPS);
    fkey_handler(hwndO, VK_APPS);  // page 2 of FORM
    capture::sends.clear();
    EXPECT_EQ(1, press_button(hwndE, 1));
    ASSERT_EQ(1u, capture::sends.size());
    EXPECT_EQ(hwndO, capture::sends[0].window);
    EXPECT_EQ(static_cast<unsigned>(WM_KEYUP), capture::sends[0].msg);
    EXPECT_EQ(static_cast<uintptr_t>(VK_F1 + 5), capture::sends[0].wparam);
    EXPECT_EQ(0x1000000, capture::sends[0].lparam);

    capture::sends.clear();
    capture::while_box = [this] { EXPECT_EQ(1, press_button(hwndE, 0)); };
    msg_box(hwndE, "open", "TAVIR", MB_OK);
    EXPECT_EQ(1, capture::beeps);
    EXPECT_NE(std::string::npos,
              capture::edit_text(code_out_hwnd).find("★メッセージ応答待ち状態のため、機能ボタン(F5)を受付けません\r\n"));
    for (const auto &s : capture::sends) EXPECT_NE(static_cast<unsigned>(WM_KEYUP), s.msg);
}

TEST_F(Keypad, ButtonHelpFollowsTheBarOrTheSpecialMode)
{
    char text[300];
    EXPECT_EQ(0, button_help_text(0, "!", text, sizeof text));
    multi_extract_mode = 1;
    ASSERT_EQ(1, button_help_text(3, "!", text, sizeof text));
    EXPECT_STREQ("複数カレント矩形の上位矩形を抽出の為のオブジェクト番号を解除する", text);
    multi_extract_mode = 0;
    work_mode = 1;
    EXPECT_EQ(1, button_help_text(0, "!", text, sizeof text));
    EXPECT_STREQ(find_button_help("hwndL", -1, 1), text);
    work_mode = 0;
    fkey_handler(hwndE, VK_APPS);
    fkey_handler(hwndE, VK_APPS);
    ASSERT_EQ(1, button_help_text(1, "!", text, sizeof text));
    EXPECT_STREQ("コード画面に,既登録の論理検索条件の一覧を表示します", text);
    ASSERT_EQ(1, button_help_text(14, "削除", text, sizeof text));
    EXPECT_STREQ("削除:機能ボタン群を非表示にします、ﾎﾞﾀﾝ:機能ボタン群を表示します", text);
    ASSERT_EQ(1, button_help_text(12, "", text, sizeof text));
    EXPECT_STREQ("", text);
}

TEST_F(Keypad, DesignedFormButtonsFindTheirMessages)
{
    win_handle window = nullptr;
    unsigned message = 0;
    uintptr_t wparam = 0;
    ASSERT_EQ(1, find_form_button("終了", "", &window, &message, &wparam));
    EXPECT_EQ(hwndO, window);
    EXPECT_EQ(static_cast<unsigned>(WM_SYSCOMMAND), message);
    EXPECT_EQ(95u, wparam);
    ASSERT_EQ(1, find_form_button("ビュー２への切替", "ﾌｫｰﾑ画面", &window, &message, &wparam));
    EXPECT_EQ(hwndE, window);
    EXPECT_EQ(static_cast<unsigned>(WM_KEYUP), message);
    EXPECT_EQ(static_cast<uintptr_t>('B'), wparam);
    ASSERT_EQ(1, find_form_button("TAVIRの終了", "", &window, &message, &wparam));
    EXPECT_EQ(static_cast<unsigned>(WM_CLOSE), message);
    EXPECT_EQ(0, find_form_button("終", "", &window, &message, &wparam));
    EXPECT_EQ(0, find_form_button("", "", &window, &message, &wparam));
}

TEST(HelpTables, EveryInventoriedHintAndButtonHelpRowIsPresent)
{
    std::set<std::pair<char, int>> hints;
    for (const hint_row &r : hint_table) {
        EXPECT_TRUE(hints.insert({r.letter, r.number}).second) << r.letter << r.number;
        EXPECT_NE('\0', r.text[0]) << r.letter << r.number;
    }
    const struct {
        char letter;
        std::set<int> numbers;
    } inventory[] = {
        {'E', {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 12, 13, 14, 15, 16}},
        {'F', {0, 1, 2, 3, 4, 5}},
        {'O', {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        {'C', {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {'L', {0, 1, 2, 3, 4, 5}},
        {'P', {0, 1, 2, 3}},
        {'f', {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 12, 13, 14, 15, 16, 17, 19, 20, 21, 22, 23}},
    };
    size_t total = 0;
    for (const auto &s : inventory) {
        for (int n : s.numbers) EXPECT_EQ(1u, hints.count({s.letter, n})) << s.letter << n;
        total += s.numbers.size();
    }
    EXPECT_EQ(total, hints.size());
    EXPECT_STREQ("フローを拡大する", button_hint('F', 3));
    EXPECT_STREQ("矩形の変更の復旧", button_hint('f', 12));
    EXPECT_STREQ("エクセルでexcel.csvファイルを開く、テンキイ中の+キイでも同じことが出来ます", button_hint('C', 8));
    EXPECT_STREQ("???", button_hint('E', 6));

    // (window, page, first button, last button) of every help row.
    const struct {
        const char *window;
        int page, first, last;
    } helps[] = {
        {"hwndE", -1, 1, 4}, {"hwndE", 1, 1, 4}, {"hwndE", 2, 1, 4}, {"hwndE", 3, 1, 4}, {"hwndE", 4, 1, 4},
        {"hwndE", 5, 3, 4},  {"hwndE", 6, 1, 4}, {"hwndL", -1, 1, 4}, {"hwndL", 1, 1, 2}, {"hwndL", 2, 1, 4},
        {"hwndL", 3, 1, 4},  {"hwndL", 4, 1, 1}, {"hwndL", 4, 3, 4},  {"hwndL", 5, 1, 4}, {"hwndL", 6, 3, 4},
        {"hwndF", 1, 3, 3},  {"hwndF", 3, 4, 4}, {"hwndF", 4, 3, 3},  {"hwndF", 5, 1, 2}, {"hwndF", 6, 1, 4},
        {"hwndC", 3, 2, 2},  {"hwndC", 4, 1, 2}, {"hwndC", 5, 1, 2},  {"hwndO", 1, 1, 4}, {"hwndO", 2, 1, 4},
        {"hwndO", 3, 1, 4},  {"hwndO", 4, 1, 4}, {"hwndO", 5, 1, 4},  {"hwndO", 6, 1, 4}, {"hwndP", 4, 1, 2},
        {"hwndP", 5, 1, 4},
    };
    int expected = 0;
    for (const auto &h : helps) {
        for (int b = h.first; b <= h.last; ++b) {
            EXPECT_NE(nullptr, find_button_help(h.window, h.page, b)) << h.window << h.page << b;
            ++expected;
        }
    }
    EXPECT_EQ(button_help_num, expected);
    const char *text_search = find_button_help("hwndE", 3, 1);
    ASSERT_NE(nullptr, text_search);
    EXPECT_EQ(0, strncmp(text_search,
                         "対象欄の検索キイで*.cpp,*.c,*.h,*.java,*.f,*.jsp,*.properties,*.tld,*.xml,*.conf,*.php,*.",
                         strlen("対象欄の検索キイで*.cpp,*.c,*.h,*.java,*.f,*.jsp,*.properties,*.tld,*.xml,*.conf,*.php,*.")));
}

TEST(HelpTables, EveryKeyHelpRowBeginsWithItsKeyName)
{
    for (int s = 0; s < help_screen_count; ++s) {
        for (int r = 0; r < key_help_rows; ++r) {
            const char *name = key_names[r];
            EXPECT_EQ(0, strncmp(key_help[s][r], name, strlen(name))) << s << " " << key_help[s][r];
            EXPECT_LT(strlen(key_help[s][r]), 100u);
        }
    }
    // A name that begins another's ("F1", "F10") is followed by no digit.
    for (int s = 0; s < help_screen_count; ++s) {
        const char after = key_help[s][0][2];
        EXPECT_FALSE(after >= '0' && after <= '9') << s;
    }
    EXPECT_STREQ("F9ワークディレクトリボタン", key_help[help_list][8]);
    EXPECT_STREQ("↑FLOW画面を拡大表示する", key_help[help_flow][20]);
    EXPECT_STREQ("F11１段階、処理前の状態への回復", key_help[help_form][10]);
    for (int p = 1; p <= 6; ++p) {
        for (int n = 0; n < 4; ++n) EXPECT_STREQ(key_names[4 * (p - 1) + n], page_key_name(p, n));
    }
    EXPECT_EQ(static_cast<unsigned>(VK_NEXT), page_key(5, 3));
    EXPECT_EQ(static_cast<unsigned>(VK_F12), page_key(3, 3));
}

TEST(HelpTables, HelpTextsBeginWithTheirHeadingAndColumnHead)
{
    const struct {
        char letter;
        const char *heading;
    } rows[] = {
        {'E', "主画面でのマウスの利用法"},          {'L', "一覧画面でのマウスの利用法"},
        {'F', "ﾌﾛｰ画面でのマウスの利用法"},         {'C', "ｺｰﾄﾞ画面でのマウスの利用法"},
        {'O', "ﾌｫｰﾑ画面が生成状態でのマウスの利用法"}, {'R', "ﾌｫｰﾑ画面が関連状態でのマウスの利用法"},
        {'P', "個性画面でのマウスの利用法"},
    };
    const std::string head = "\r\n............ Left Button................Right Button.............\r\n";
    for (const auto &r : rows) {
        const char *text = help_text(r.letter);
        ASSERT_NE(nullptr, text) << r.letter;
        EXPECT_EQ(0u, std::string(text).find(r.heading + head)) << r.letter;
        EXPECT_LE(strlen(text), 1900u);
    }
    EXPECT_EQ(nullptr, help_text('X'));
    EXPECT_EQ(nullptr, help_text(0));
    EXPECT_NE(std::string::npos,
              std::string(help_text('E')).find("Ctrl........ ｺｰﾄﾞ画面をﾒﾓに追加         メモを削除\r\n"));
}

}  // namespace
