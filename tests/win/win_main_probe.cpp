// VOKTAVIR's main screen driven from outside with posted messages only: keys,
// system commands, clicks with their key words.  The probe reads captions,
// fields, lists and boxes, compares the files at close and saves bitmaps of
// the screen and the two dialogs into shots/ (scripts/test turns them into PNG).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "tests/win/program_probe.h"

namespace {

std::string program;  // VOKTAVIR.exe
std::string samples;  // the sample project's folder
std::string echo;     // a program that writes its command line to "cmdline.txt"

const char first_caption[] = "[TAVIR]Ornak.C言語作図ソフト、ビュー１[V]";

// A started VOKTAVIR on a fresh home folder holding the sample files.
struct probe_run {
    std::string home;
    PROCESS_INFORMATION pi = {};
    HWND screen = nullptr;
};

// The start-up shows the main screen last, just before the message loop: until
// then the program may answer settle()'s send before it takes a posted message.
bool shown(HWND hwnd)
{
    for (int i = 0; i < 600 && !IsWindowVisible(hwnd); i++) Sleep(50);
    return IsWindowVisible(hwnd) != FALSE;
}

bool launch(probe_run &r)
{
    r.pi = start(program, r.home.c_str());
    if (r.pi.hProcess == nullptr) return false;
    r.screen = wait_for_window(r.pi.dwProcessId, "TAVIR");
    return r.screen != nullptr && wait_for_caption(r.screen, first_caption).rfind("[TAVIR]", 0) == 0 &&
           shown(r.screen);
}

// Closes the screen, answers the backup question No and waits for the end.
DWORD close_run(probe_run &r)
{
    PostMessageA(r.screen, WM_CLOSE, 0, 0);
    answer_box(r.screen, IDNO);
    return wait_exit(r.pi);
}

// A control's text, asked of the control itself (a caption read from another
// process is the window manager's copy, which an edit does not keep).
std::string text_of(HWND hwnd)
{
    char text[5000] = "";
    SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string caption(HWND hwnd) { return text_of(hwnd); }

// The window holding the keyboard focus in the program's GUI thread.
HWND focus_of(HWND screen)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(screen, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

// The focus once it has reached `want`, or what it is after five seconds: on a
// loaded machine the activation that SetFocus brings can lag behind the queue.
HWND focus_reaches(HWND screen, HWND want)
{
    HWND now = focus_of(screen);
    for (int i = 0; i < 100 && now != want; i++) {
        Sleep(50);
        now = focus_of(screen);
    }
    return now;
}

// The text of the CODE screen's output edit.
std::string code_text(DWORD pid)
{
    HWND code = wait_for_window(pid, "CODE");
    return code == nullptr ? "<no CODE>" : text_of(FindWindowExA(code, nullptr, "EDIT", nullptr));
}

bool starts_with(const std::string &text, const char *head) { return text.rfind(head, 0) == 0; }

// Makes a folder (emptied of files) under the home; its path.
std::string make_folder(const std::string &home, const char *name)
{
    const std::string folder = home + "\\" + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

class MainProbe : public ::testing::Test {
protected:
    probe_run run;
    HWND field(int id) { return GetDlgItem(run.screen, id); }
    void SetUp() override
    {
        run.home = make_home(::testing::UnitTest::GetInstance()->current_test_info()->name(), samples);
        ASSERT_TRUE(launch(run));
    }
    void TearDown() override
    {
        if (run.pi.hProcess != nullptr) {
            EXPECT_EQ(0u, close_run(run));
        }
    }
    std::string home_file(const char *name) { return file_text(run.home + "\\" + name); }
    // A field's new text, once the keys posted before it were handled (a sent
    // message would overtake them).
    void set_field(int id, const char *text)
    {
        settle(run.screen);
        SendMessageA(field(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    void key(UINT vk, LPARAM lparam = 0) { PostMessageA(run.screen, WM_KEYUP, vk, lparam); }
    void left_click(WPARAM keys = MK_LBUTTON) { PostMessageA(run.screen, WM_LBUTTONDOWN, keys, MAKELPARAM(600, 300)); }
    void right_click(WPARAM keys = MK_RBUTTON) { PostMessageA(run.screen, WM_RBUTTONDOWN, keys, MAKELPARAM(600, 300)); }
    // Switches to the project: its box answered, the caption read.
    std::string switch_to(const char *name)
    {
        set_field(104, name);
        key(VK_F4);
        const std::string said = answer_box(run.screen, IDOK);
        settle(run.screen);
        return said;
    }
};

TEST_F(MainProbe, CaptionShowsTheViewAndTheScreenIsShotWithMemoHelpAndABarPage)
{
    EXPECT_EQ(caption(run.screen), first_caption);
    SetForegroundWindow(run.screen);
    Sleep(1500);  // the text area is painted on a timer tick
    EXPECT_TRUE(save_shot(run.screen, "main_memo"));
    PostMessageA(run.screen, WM_KEYDOWN, VK_RETURN, 0);
    settle(run.screen);
    Sleep(1500);
    EXPECT_TRUE(save_shot(run.screen, "main_help"));
    PostMessageA(run.screen, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(run.screen, WM_KEYDOWN, VK_APPS, 0);
    settle(run.screen);
    Sleep(1500);
    EXPECT_TRUE(save_shot(run.screen, "main_bar"));
}

// Apps pages the key help over the four function buttons and wraps, Shift+Apps
// goes one page back; a function button presses the key its page names, and
// Enter closes the page.
TEST_F(MainProbe, AppsPagesTheKeyHelpAndAFunctionButtonPressesItsKey)
{
    HWND first = field(1000);
    ASSERT_NE(nullptr, first);
    const char *const pages[] = {"F1パラメータの設定", "F5多重論理検索条件の登録", "F9異種ファイル全検索",
                                 "Insert対象欄にフォーカスを設定解除", "Esc主画面にフォーカスを移す",
                                 "↑共通キイを登録する", "F1パラメータの設定"};
    for (const char *page : pages) {
        PostMessageA(run.screen, WM_KEYDOWN, VK_APPS, 0);
        settle(run.screen);
        EXPECT_EQ(text_of(first), page);
        EXPECT_TRUE(IsWindowVisible(first)) << page;
    }
    EXPECT_EQ(text_of(field(1003)), "F4プロジェクトを切り替える");
    PostMessageA(run.screen, WM_KEYDOWN, VK_SHIFT, 0);
    PostMessageA(run.screen, WM_KEYDOWN, VK_APPS, 0);
    settle(run.screen);
    EXPECT_EQ(text_of(first), "↑共通キイを登録する");
    PostMessageA(run.screen, WM_KEYDOWN, VK_APPS, 0);
    settle(run.screen);
    EXPECT_EQ(text_of(first), "F1パラメータの設定");
    // Button 4 of page 1 is F4: a switch before any left click is refused.
    PostMessageA(run.screen, WM_COMMAND, 1003, 0);
    EXPECT_EQ(answer_box(run.screen, IDOK), "先ず左クリックして、作業用のディレクトリを選んで下さい");
    PostMessageA(run.screen, WM_KEYDOWN, VK_RETURN, 0);
    settle(run.screen);
    EXPECT_FALSE(IsWindowVisible(first));
}

// The keypad keys reach the small buttons' commands by their extended bit; a
// key with the wrong bit does nothing, so the next box is the next case's.
TEST_F(MainProbe, KeypadKeysReachTheSmallButtonCommands)
{
    set_field(0, "main.c");
    const LPARAM ext = 1 << 24;
    struct keypad_case {
        UINT vk;
        LPARAM lparam;
        const char *box_start;  // null: no box
    };
    const keypad_case cases[] = {
        {VK_NUMLOCK, 0, nullptr},    {VK_NUMLOCK, ext, "外部関数を含めて関数ツリーを作成しますか？"},  // 32: the tree build
        {VK_DIVIDE, 0, nullptr},     {VK_DIVIDE, ext, "対象欄に検索キイが指定されていません"},  // 33: F9
        {VK_MULTIPLY, ext, nullptr}, {VK_MULTIPLY, 0, nullptr},         // 34: the step count, no box
        {VK_SUBTRACT, ext, nullptr}, {VK_SUBTRACT, 0, "ディレクティブの階層を表示しますか？"},  // 35: key 2
        {VK_RETURN, ext, nullptr},                                       // 36: key 1 shows the file
    };
    for (const keypad_case &c : cases) {
        key(c.vk, c.lparam);
        if (c.box_start == nullptr) continue;
        const std::string box = answer_box(run.screen, IDCANCEL);
        EXPECT_TRUE(starts_with(box, c.box_start)) << c.vk << ": " << box;
    }
    settle(run.screen);
    EXPECT_NE(code_text(run.pi.dwProcessId).find("read_sales"), std::string::npos);
    EXPECT_NE(home_file("stepcnt.txt").find("main.c"), std::string::npos);
}

// The common keys (Up adds, Down lists, Right deletes), normalising (Left),
// the multi keys (F5, F6), F11's entry names, Delete, and the focus keys;
// "cstack.dat" keeps the common keys at close.
TEST_F(MainProbe, CommonKeysMultiKeysAndTheFieldKeys)
{
    HWND target = field(104), list = field(1);
    key(VK_DOWN);
    settle(run.screen);
    const LRESULT before = SendMessageA(list, LB_GETCOUNT, 0, 0);
    set_field(104, "123(4):func_one(int)");
    key(VK_LEFT);
    settle(run.screen);
    EXPECT_EQ(text_of(target), "func_one(int)");
    key(VK_UP);  // adds the key and lists the common keys, emptying the field
    settle(run.screen);
    EXPECT_EQ(text_of(target), "");
    set_field(104, "func_two");
    key(VK_UP);
    settle(run.screen);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), before + 2);
    set_field(104, "func_two");
    key(VK_RIGHT);
    settle(run.screen);
    settle(run.screen);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), before + 1);

    key(VK_F1 + 10);
    settle(run.screen);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 3);  // WinMain, Main, main

    set_field(104, "multi_key");
    key(VK_F5);
    key(VK_F6);
    settle(run.screen);
    EXPECT_EQ(text_of(target), "");
    EXPECT_NE(code_text(run.pi.dwProcessId).find("multi_key"), std::string::npos);
    key(VK_F1 + 7);
    // F5 kept the key on the history too: button 7 lists it, PageDown drops it.
    PostMessageA(run.screen, WM_COMMAND, 7, 0);
    settle(run.screen);
    const LRESULT history = SendMessageA(list, LB_GETCOUNT, 0, 0);
    EXPECT_GE(history, 1);
    set_field(104, "multi_key");
    key(VK_NEXT);
    PostMessageA(run.screen, WM_COMMAND, 7, 0);
    settle(run.screen);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), history - 1);

    set_field(104, "gone");
    key(VK_DELETE);
    settle(run.screen);
    EXPECT_EQ(text_of(target), "");
    EXPECT_EQ(focus_reaches(run.screen, target), target);
    key(VK_BACK);
    settle(run.screen);
    EXPECT_EQ(focus_reaches(run.screen, field(0)), field(0));
    key(VK_INSERT);
    settle(run.screen);
    EXPECT_EQ(focus_reaches(run.screen, target), target);

    EXPECT_EQ(0u, close_run(run));
    run.pi.hProcess = nullptr;
    const std::string common = home_file("cstack.dat");
    EXPECT_NE(common.find("func_one(int)"), std::string::npos) << common;
    EXPECT_EQ(common.find("func_two"), std::string::npos) << common;
}

// A right click and F4 switch to the project named in the target field once a
// left click listed the projects: the caption names it, the file list shows
// its files; with the start-up form item on, the category becomes "begin.f".
TEST_F(MainProbe, ProjectSwitchByRightClickAndF4)
{
    const std::string second = make_folder(run.home, "second");
    write_text(second + "\\two.c", "int two(void) { return 2; }\r\n");
    write_text(run.home + "\\vokdir.dat", ("home\r\nsecond\t" + second + ",home\r\n").c_str());
    set_field(104, "second");
    right_click();
    EXPECT_EQ(answer_box(run.screen, IDOK), "先ず左クリックして、作業用のディレクトリを選んで下さい");
    EXPECT_EQ(caption(run.screen), first_caption);

    left_click();
    settle(run.screen);
    EXPECT_EQ(SendMessageA(field(1), LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(switch_to("second"), "ディレクトリ(" + second + ")に移動しました");
    EXPECT_EQ(caption(run.screen), std::string(first_caption) + "(second)");
    EXPECT_EQ(text_of(field(0)), "*.c* *.h");
    const LRESULT patterns = SendMessageA(field(12), LB_GETCOUNT, 0, 0);
    left_click();
    settle(run.screen);
    EXPECT_EQ(SendMessageA(field(12), LB_GETCOUNT, 0, 0), patterns + 1);  // two.c

    PostMessageA(run.screen, WM_SYSCOMMAND, 79, 1);
    set_field(104, "home");
    right_click();
    EXPECT_TRUE(starts_with(answer_box(run.screen, IDOK), "ディレクトリ("));
    settle(run.screen);
    EXPECT_EQ(caption(run.screen), first_caption);
    EXPECT_EQ(text_of(field(0)), "begin.f");
}

// The default-language items put their language's first pattern into the
// category field; the about box belongs to FORM when sent with lParam 0.
TEST_F(MainProbe, LanguageItemsAndTheAboutBox)
{
    struct language_case {
        UINT id;
        const char *pattern;
    };
    for (const language_case &c : {language_case{69, "*.java"}, language_case{68, "*.pc *.c* *.h"},
                                   language_case{67, "*.c* *.h"}}) {
        PostMessageA(run.screen, WM_SYSCOMMAND, c.id, 1);
        settle(run.screen);
        EXPECT_EQ(text_of(field(0)), c.pattern) << c.id;
    }
    PostMessageA(run.screen, WM_SYSCOMMAND, 1, 1);
    EXPECT_TRUE(starts_with(answer_box(run.screen, IDOK), "VOKTAVIR"));
    HWND form = wait_for_window(run.pi.dwProcessId, "FORM");
    ASSERT_NE(nullptr, form);
    PostMessageA(run.screen, WM_SYSCOMMAND, 1, 0);
    EXPECT_TRUE(starts_with(answer_box(form, IDOK), "VOKTAVIR"));
}

// Command 11 by the kind of the category entry: refusals, a calculation file
// run into CODE, a form file loaded into FORM, a missing form asked about.
TEST_F(MainProbe, OpenCommandByTheEntryKind)
{
    struct refusal_case {
        const char *entry;
        const char *box_start;
    };
    const refusal_case refusals[] = {
        {"", "カテゴリ欄が空欄です、何か指定して下さい"},
        {"C:x.c", "カテゴリ欄中のフルパスのファイルは開くことが出来ません"},
        {"a\\b.c", "カテゴリ欄にドライブやディレクトリは指定出来ません"},
        {"nosuch.f", "指定されたフォームファイル(nosuch.f)が見つかりません、新規に作りますか？"},
        {"nosuch.vok", "指定された解析ファイル(nosuch.vok)が見つかりません"},
    };
    for (const refusal_case &c : refusals) {
        set_field(0, c.entry);
        PostMessageA(run.screen, WM_COMMAND, 11, 0);
        const std::string box = answer_box(run.screen, IDCANCEL);
        EXPECT_TRUE(starts_with(box, c.box_start)) << c.entry << ": " << box;
    }
    set_field(0, "table.vok");
    PostMessageA(run.screen, WM_COMMAND, 11, 0);
    settle(run.screen);
    HWND code = wait_for_window(run.pi.dwProcessId, "CODE");
    ASSERT_NE(nullptr, code);
    EXPECT_TRUE(IsWindowVisible(code));
    EXPECT_NE(code_text(run.pi.dwProcessId).find("Total"), std::string::npos) << code_text(run.pi.dwProcessId);

    HWND form = wait_for_window(run.pi.dwProcessId, "FORM");
    ASSERT_NE(nullptr, form);
    HWND form_name = FindWindowExA(form, nullptr, "EDIT", nullptr);
    PostMessageA(run.screen, WM_COMMAND, 3, 0);  // the help button opens the help form
    settle(run.screen);
    EXPECT_TRUE(IsWindowVisible(form));
    EXPECT_EQ(text_of(form_name), "AHELPA.F");

    set_field(0, "sample.f");
    PostMessageA(run.screen, WM_COMMAND, 11, 0);
    settle(run.screen);
    EXPECT_EQ(text_of(form_name), "sample.f");
    EXPECT_EQ(wait_for_caption(form, "[ﾌｫｰﾑ]Ornak.C言語作図ソフト"), "[ﾌｫｰﾑ]Ornak.C言語作図ソフト");
    EXPECT_TRUE(IsWindowVisible(form));
}

// Home looks a define up, keys 2 to 4 list the nesting of a source into CODE
// through "layer.txt"; a missing source and a cancelled question list nothing.
TEST_F(MainProbe, HomeAndTheNestingKeys)
{
    key(VK_HOME);
    EXPECT_EQ(answer_box(run.screen, IDOK), "対象欄にdefine定義名が指定されていません！");
    set_field(104, "MAXN");
    key(VK_HOME);
    EXPECT_TRUE(starts_with(answer_box(run.screen, IDOK), "対象欄のdefine情報ファイル("));

    set_field(0, "nosuch.c");
    key('3');
    EXPECT_EQ(answer_box(run.screen, IDOK), "ファイル(nosuch.c)が見つかりません！");
    set_field(0, "main.c");
    key('2');
    EXPECT_TRUE(starts_with(answer_box(run.screen, IDCANCEL), "ディレクティブの階層を表示しますか？"));
    settle(run.screen);
    EXPECT_EQ(home_file("layer.txt"), "<none>");
    HWND code = wait_for_window(run.pi.dwProcessId, "CODE");
    ASSERT_NE(nullptr, code);
    for (UINT k : {static_cast<UINT>('3'), static_cast<UINT>('4')}) {
        key(k);
        settle(run.screen);
        const std::string layer = home_file("layer.txt");
        EXPECT_NE(layer, "<none>") << k;
        EXPECT_NE(caption(code).find("layer.txt"), std::string::npos) << caption(code);
        EXPECT_NE(code_text(run.pi.dwProcessId).find("main"), std::string::npos) << k;
        DeleteFileA((run.home + "\\layer.txt").c_str());
    }
}

// PageUp creates the category file (Yes), refuses a second one, and deletes it
// (No); with the name in two slots, No removes only the first slot's file.
TEST_F(MainProbe, PageUpCreatesAndDeletesTheCategoryFile)
{
    set_field(0, "new.txt");
    struct page_up_case {
        int answer;
        const char *then;  // the box after the question, or null
        bool exists;
    };
    const page_up_case cases[] = {
        {IDYES, nullptr, true},
        {IDYES, "同一名のファイル(new.txt)が既に存在します！", true},
        {IDNO, nullptr, false},
        {IDNO, "削除するファイル(new.txt)が存在しません！", false},
    };
    for (const page_up_case &c : cases) {
        key(VK_PRIOR);
        EXPECT_EQ(answer_box(run.screen, c.answer), "カテゴリ欄のファイル(new.txt)を作成しますか？(いいえ(N)：削除)");
        if (c.then != nullptr) {
            EXPECT_EQ(answer_box(run.screen, IDOK), c.then);
        }
        settle(run.screen);
        EXPECT_EQ(home_file("new.txt") != "<none>", c.exists) << c.answer;
    }

    const std::string a = make_folder(run.home, "slot_a"), b = make_folder(run.home, "slot_b");
    write_text(a + "\\dup.txt", "a");
    write_text(b + "\\dup.txt", "b");
    write_text(run.home + "\\vokdir.dat", ("home\r\ntwo\t" + a + "," + b + ",home\r\n").c_str());
    left_click();
    settle(run.screen);
    EXPECT_EQ(switch_to("two"), "ディレクトリ(" + a + ")に移動しました");
    set_field(0, "dup.txt");
    key(VK_PRIOR);
    answer_box(run.screen, IDNO);
    settle(run.screen);
    EXPECT_EQ(file_text(a + "\\dup.txt"), "<none>");
    EXPECT_EQ(file_text(b + "\\dup.txt"), "b");
}

// Command 11 on a source analyses it ("voktavir.tag", "define.txt"), after
// which Home shows a define in CODE; the searches list by the target and
// keep it in the history; 87 writes the step count and shows it.
TEST_F(MainProbe, SourceSetSearchesAndTheStepCount)
{
    set_field(0, "main.c");
    PostMessageA(run.screen, WM_COMMAND, 11, 0);
    settle(run.screen);
    EXPECT_NE(home_file("voktavir.tag").find("read_sales"), std::string::npos) << home_file("voktavir.tag");
    set_field(104, "MAX_LINE");
    key(VK_HOME);
    settle(run.screen);
    EXPECT_NE(code_text(run.pi.dwProcessId).find("256"), std::string::npos) << code_text(run.pi.dwProcessId);

    set_field(104, " ");
    PostMessageA(run.screen, WM_SYSCOMMAND, 55, 1);
    EXPECT_EQ(answer_box(run.screen, IDOK), "対象欄に関数または変数が指定されていません\n");
    set_field(104, "read_sales");
    PostMessageA(run.screen, WM_SYSCOMMAND, 54, 1);
    settle(run.screen);
    EXPECT_EQ(text_of(field(104)), "");
    set_field(104, "fgets");
    PostMessageA(run.screen, WM_SYSCOMMAND, 64, 1);
    settle(run.screen);
    EXPECT_NE(home_file("vokcall.tag").find("read_sales"), std::string::npos) << home_file("vokcall.tag");
    set_field(104, "multi");
    key(VK_F5);
    PostMessageA(run.screen, WM_SYSCOMMAND, 55, 1);
    EXPECT_EQ(answer_box(run.screen, IDOK), "多重論理検索の登録がありますので多重論理検索を実行します");
    key(VK_F1 + 7);

    set_field(0, "main.c");
    PostMessageA(run.screen, WM_SYSCOMMAND, 87, 1);
    settle(run.screen);
    EXPECT_NE(home_file("stepcnt.txt").find("main.c"), std::string::npos) << home_file("stepcnt.txt");
    HWND code = wait_for_window(run.pi.dwProcessId, "CODE");
    ASSERT_NE(nullptr, code);
    EXPECT_NE(caption(code).find("stepcnt.txt"), std::string::npos) << caption(code);
    set_field(0, "*.h");
    PostMessageA(run.screen, WM_SYSCOMMAND, 87, 1);
    settle(run.screen);
    EXPECT_NE(home_file("stepcnt.txt").find("sales.h"), std::string::npos) << home_file("stepcnt.txt");
    set_field(0, "note.txt");
    PostMessageA(run.screen, WM_SYSCOMMAND, 87, 1);
    EXPECT_EQ(answer_box(run.screen, IDOK),
              "カテゴリ欄にソースファイル名が設定されていません、\r\nワイルドカードの使用が可能です");

    EXPECT_EQ(0u, close_run(run));
    run.pi.hProcess = nullptr;
    std::string stacks = home_file("ostacks.dat");
    EXPECT_NE(stacks.find("read_sales"), std::string::npos) << stacks;
}

// F10 is refused unless the function-tree form is in use; with it, the four
// function buttons carry the multiple-extraction commands until F10 again.
TEST_F(MainProbe, MultipleExtractionNeedsTheTreeForm)
{
    key(VK_F10);
    EXPECT_EQ(answer_box(run.screen, IDOK), "関数ツリーでないので複数抽出できません");
    CopyFileA((run.home + "\\sample.f").c_str(), (run.home + "\\ftree.f").c_str(), FALSE);
    set_field(0, "ftree.f");
    PostMessageA(run.screen, WM_COMMAND, 11, 0);
    settle(run.screen);
    key(VK_F10);
    settle(run.screen);
    EXPECT_TRUE(IsWindowVisible(field(1000)));
    EXPECT_EQ(text_of(field(1000)), "複数ｶﾚﾝﾄ矩形の抽出番号の登録");
    EXPECT_EQ(text_of(field(1003)), "複数ｶﾚﾝﾄ矩形の抽出番号の解除");
    PostMessageA(run.screen, WM_COMMAND, 1002, 0);  // the check finds nothing registered
    EXPECT_NE(answer_box(run.screen, IDOK), "<no box>");
    PostMessageA(run.screen, WM_COMMAND, 1003, 0);
    settle(run.screen);
    EXPECT_EQ(SendMessageA(field(1), LB_GETCOUNT, 0, 0), 0);
    key(VK_F10);
    settle(run.screen);
    EXPECT_FALSE(IsWindowVisible(field(1000)));
}

// A dialog's control clicked as its button does it.
void click_item(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void set_item(HWND dialog, int id, const char *text)
{
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// Waits for the dialog to end.
bool dialog_closed(HWND dialog)
{
    for (DWORD i = 0; i < probe_wait_ms / 100 && IsWindow(dialog); ++i) Sleep(100);
    return !IsWindow(dialog);
}

// A project created in the project dialog (F2) is saved, switched to and
// used; the project files at close hold it, its key history and the memo.
TEST_F(MainProbe, ProjectCreatedInTheDialogIsSwitchedToAndKept)
{
    const std::string folder = make_folder(run.home, "made");
    write_text(folder + "\\made.c", "int made(void) { return 0; }\r\n");
    key(VK_F1 + 1);
    HWND dialog = wait_for_box(run.screen);
    ASSERT_NE(nullptr, dialog);
    set_item(dialog, 1055, "made");  // the name
    click_item(dialog, 1011);        // Create
    settle(dialog);
    set_item(dialog, 1013, folder.c_str());  // slot row 0
    set_item(dialog, 1025, "MADEDEF");       // definition line 0
    click_item(dialog, 1053);                // Save
    settle(dialog);
    EXPECT_EQ(home_file("vokdir.dat"), "home\r\nmade " + folder + ";HOME\r\n");
    click_item(dialog, 1);  // Close
    ASSERT_TRUE(dialog_closed(dialog));

    left_click();
    settle(run.screen);
    EXPECT_EQ(switch_to("made"), "ディレクトリ(" + folder + ")に移動しました");
    EXPECT_EQ(caption(run.screen), std::string(first_caption) + "(made)");
    set_field(104, "made_key");
    key(VK_F5);  // on the project's key history too
    set_field(104, "common_key");
    key(VK_UP);
    settle(run.screen);
    EXPECT_EQ(0u, close_run(run));
    run.pi.hProcess = nullptr;
    EXPECT_EQ(home_file("vokdir.dat"), "home\r\nmade " + folder + ";HOME\r\n");
    EXPECT_NE(home_file("ostacks.dat").find("made\tmade_key"), std::string::npos) << home_file("ostacks.dat");
    EXPECT_NE(home_file("vstacks.dat").find("made\tMADEDEF"), std::string::npos) << home_file("vstacks.dat");
    EXPECT_NE(home_file("cstack.dat").find("common_key"), std::string::npos) << home_file("cstack.dat");
    EXPECT_NE(home_file("vokmemo.dat"), "<none>");
}

// The parameter dialog (F1) refuses a bad option, writes the file on OK and
// lays the screen out by it; Cancel writes nothing.
TEST_F(MainProbe, ParameterDialogRefusesWritesAndCancels)
{
    const std::string before = home_file("vokparameter.dat");
    key(VK_F1);
    HWND dialog = wait_for_box(run.screen);
    ASSERT_NE(nullptr, dialog);
    set_item(dialog, 1018, "%s /j%d");  // the option
    click_item(dialog, 1);
    EXPECT_EQ(answer_box(dialog, IDOK), "エディタ起動時のオプションにエラーがあります");
    click_item(dialog, 1098);  // the line preset
    set_item(dialog, 1002, "300");  // the category field's width
    click_item(dialog, 1);
    ASSERT_TRUE(dialog_closed(dialog));
    settle(run.screen);
    const std::string written = home_file("vokparameter.dat");
    EXPECT_NE(written, before);
    EXPECT_NE(written.find("300"), std::string::npos) << written;
    RECT r;
    GetWindowRect(field(0), &r);
    EXPECT_EQ(r.right - r.left, 300);

    key(VK_F1);
    dialog = wait_for_box(run.screen);
    ASSERT_NE(nullptr, dialog);
    set_item(dialog, 1002, "200");
    click_item(dialog, 2);
    ASSERT_TRUE(dialog_closed(dialog));
    EXPECT_EQ(home_file("vokparameter.dat"), written);
}

// With an editor set in the parameter dialog, command 11 on a plain file and
// the nesting listing start it on the file at line 1 without waiting.
TEST_F(MainProbe, AnEditorSetOpensFilesAndListings)
{
    ASSERT_FALSE(echo.empty());
    const std::string editor = windows_path(echo);
    key(VK_F1);
    HWND dialog = wait_for_box(run.screen);
    ASSERT_NE(nullptr, dialog);
    set_item(dialog, 1017, editor.c_str());
    set_item(dialog, 1018, "/j%d");
    click_item(dialog, 1);
    ASSERT_TRUE(dialog_closed(dialog));

    write_text(run.home + "\\note.txt", "note\r\n");
    struct editor_case {
        const char *category;
        UINT command;  // WM_COMMAND 11, or the key
        const char *file;
    };
    const editor_case cases[] = {{"note.txt", 11, "note.txt"}, {"main.c", '3', "layer.txt"}};
    for (const editor_case &c : cases) {
        DeleteFileA((run.home + "\\cmdline.txt").c_str());
        set_field(0, c.category);
        if (c.command == 11) PostMessageA(run.screen, WM_COMMAND, 11, 0);
        else key(c.command);
        std::string line = "<none>";
        for (int i = 0; i < 100 && line == "<none>"; ++i) {
            Sleep(100);
            line = home_file("cmdline.txt");
        }
        // The launcher starts the program under the name the editor knows.
        EXPECT_EQ(line, "TTT.exe /j1 \"" + run.home + "\\" + c.file + "\"");
    }
}

// E, H and 1 open the category file in CODE; L and F check the category and
// the target before they look for a rectangle.
TEST_F(MainProbe, CategoryFileLineAndBoxKeys)
{
    write_text(run.home + "\\note.txt", "note text\r\n");
    struct key_case {
        UINT key;
        const char *category, *target;
        const char *box;  // null: no box, the file is shown
    };
    const key_case cases[] = {
        {'E', "", "", "カテゴリ欄にファイル名が設定されていません"},
        {'1', "*.txt", "", "ワイルドカードは使えません\r\nカテゴリ欄に一個のファイル名を設定して下さい"},
        {'H', "note.txt", "", nullptr},
        {'L', "", "3", "カテゴリ欄にソースファイル名が設定されていません"},
        {'L', "*.c", "3", "カテゴリ欄のソースファイル名(*.c)にワイルドカードは使用出来ません"},
        {'L', "note.txt", "3", "カテゴリ欄にソースファイル名が設定されていません"},
        {'L', "main.c", "x", "対象欄に行番号(x)が設定されていません"},
        {'F', "", "", "対象欄にオブジェクト番号が設定されていません"},
        {'F', "", "999", "指定のオブジェクト番号(999)を持つ矩形は見つかりません"},
    };
    for (const key_case &c : cases) {
        set_field(0, c.category);
        set_field(104, c.target);
        key(c.key);
        if (c.box != nullptr) {
            EXPECT_EQ(answer_box(run.screen, IDOK), c.box) << c.key << " " << c.category;
            continue;
        }
        settle(run.screen);
        EXPECT_NE(code_text(run.pi.dwProcessId).find("note text"), std::string::npos) << c.key;
    }
}

// A right-button press on each small button shows that button's own hint.
TEST_F(MainProbe, HintShownOnARightButtonPressOnASmallButton)
{
    HWND popup = field(99);
    ASSERT_NE(nullptr, popup);
    std::string last;
    for (int id = 20; id < 37; ++id) {
        HWND button = field(id);
        if (button == nullptr || !IsWindowVisible(button)) continue;
        PostMessageA(run.screen, WM_SETCURSOR, reinterpret_cast<WPARAM>(button), MAKELPARAM(HTCLIENT, WM_RBUTTONDOWN));
        settle(run.screen);
        const std::string hint = text_of(popup);
        EXPECT_FALSE(hint.empty()) << "button " << id;
        EXPECT_NE(hint, last) << "button " << id;
        last = hint;
        PostMessageA(run.screen, WM_SETCURSOR, reinterpret_cast<WPARAM>(button), MAKELPARAM(HTCLIENT, WM_RBUTTONUP));
    }
}

// A left click and F3 list the files matching the category field's pattern
// after the patterns, and the projects of "vokdir.dat" in the target list.
// Another process's list texts do not cross to the probe: it counts.
TEST_F(MainProbe, ListFilesByALeftClickAndF3)
{
    HWND files = field(12);
    ASSERT_NE(nullptr, files);
    EXPECT_EQ(text_of(field(0)), "*.c* *.h");  // the first C pattern
    const LRESULT patterns = SendMessageA(files, LB_GETCOUNT, 0, 0);
    EXPECT_GE(patterns, 3);
    for (UINT how : {static_cast<UINT>(WM_LBUTTONDOWN), static_cast<UINT>(WM_KEYUP)}) {
        SendMessageA(files, LB_RESETCONTENT, 0, 0);
        SendMessageA(field(1), LB_RESETCONTENT, 0, 0);
        if (how == WM_LBUTTONDOWN) PostMessageA(run.screen, how, MK_LBUTTON, MAKELPARAM(600, 300));
        else PostMessageA(run.screen, how, VK_F3, 0);
        settle(run.screen);
        EXPECT_EQ(SendMessageA(files, LB_GETCOUNT, 0, 0), patterns + 3) << how;  // main.c, sales.c, sales.h
        EXPECT_EQ(SendMessageA(field(1), LB_GETCOUNT, 0, 0), 1) << how;          // home
    }
}

// A plain file opened with button 11 shows in CODE; Shift+left copies CODE's
// text into the memo, Ctrl+left appends it, and the memo is written at close.
TEST_F(MainProbe, MemoTakesCodeTextByShiftAndCtrlClicksAndIsWrittenAtClose)
{
    write_text(run.home + "\\note.txt", "memo line one\r\nメモの二行目\r\n");
    SendMessageA(field(0), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("note.txt"));
    PostMessageA(run.screen, WM_COMMAND, 11, 0);
    HWND code = wait_for_window(run.pi.dwProcessId, "CODE");
    ASSERT_NE(nullptr, code);
    EXPECT_EQ(wait_for_caption(code, "[ｺｰﾄﾞ]Ornak.C言語作図ソフト(note.txt)"), "[ｺｰﾄﾞ]Ornak.C言語作図ソフト(note.txt)");
    PostMessageA(run.screen, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(600, 300));
    PostMessageA(run.screen, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, MAKELPARAM(600, 300));
    settle(run.screen);
    EXPECT_EQ(0u, close_run(run));
    run.pi.hProcess = nullptr;
    // CODE shows the file and a closing line naming it; the memo holds that twice.
    const std::string memo = home_file("vokmemo.dat");
    const std::string note = "memo line one\r\nメモの二行目\r\n";
    ASSERT_EQ(memo.rfind(note, 0), 0u) << memo;
    const size_t half = memo.size() / 2;
    EXPECT_EQ(memo.substr(0, half), memo.substr(half));
    EXPECT_NE(memo.find("note.txt)"), std::string::npos);
}

// An oversized CODE text fills the memo up to its limit without splitting a
// double-byte character; Shift with a right press empties it.
TEST_F(MainProbe, OversizedCodeTextIsCutBeforeADoubleByteCharacter)
{
    std::string big(3998, 'a');
    big += "漢字";
    write_text(run.home + "\\big.txt", big.c_str());
    SendMessageA(field(0), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("big.txt"));
    PostMessageA(run.screen, WM_COMMAND, 11, 0);
    HWND code = wait_for_window(run.pi.dwProcessId, "CODE");
    ASSERT_NE(nullptr, code);
    wait_for_caption(code, "[ｺｰﾄﾞ]Ornak.C言語作図ソフト(big.txt)");
    PostMessageA(run.screen, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(600, 300));
    settle(run.screen);
    EXPECT_EQ(0u, close_run(run));
    EXPECT_EQ(home_file("vokmemo.dat"), std::string(3998, 'a') + "\r\n");

    ASSERT_TRUE(launch(run));
    PostMessageA(run.screen, WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, MAKELPARAM(600, 300));
    settle(run.screen);
    EXPECT_EQ(0u, close_run(run));
    run.pi.hProcess = nullptr;
    EXPECT_EQ(home_file("vokmemo.dat"), "");
}

// Views B, N and back to V: each asks, the caption follows, a switch to the
// view in use is refused; C asks before it resets the current view.
TEST_F(MainProbe, ViewsSwitchWithTheirQuestionAndTheCaptionFollows)
{
    struct view_case {
        UINT key;
        const char *question;
        const char *tail;
    };
    const view_case cases[] = {
        {'B', "ビュー２{B]に切り替えますか？", "ビュー２[B]"},
        {'N', "ビュー３{N]に切り替えますか？", "ビュー３[N]"},
        {'V', "ビュー１{V]に切り替えますか？", "ビュー１[V]"},
    };
    for (const view_case &c : cases) {
        PostMessageA(run.screen, WM_KEYUP, c.key, 0);
        EXPECT_EQ(answer_box(run.screen, IDOK), c.question);
        settle(run.screen);
        EXPECT_NE(caption(run.screen).find(c.tail), std::string::npos) << caption(run.screen);
    }
    PostMessageA(run.screen, WM_KEYUP, 'V', 0);
    EXPECT_EQ(answer_box(run.screen, IDOK), "同一ビュー１[V]への切り替えです");
    PostMessageA(run.screen, WM_KEYUP, 'B', 0);
    EXPECT_EQ(answer_box(run.screen, IDCANCEL), "ビュー２{B]に切り替えますか？");
    settle(run.screen);
    EXPECT_NE(caption(run.screen).find("ビュー１[V]"), std::string::npos);
    PostMessageA(run.screen, WM_KEYUP, 'C', 0);
    EXPECT_EQ(answer_box(run.screen, IDCANCEL), "カレント ビュー１[V]を初期化しますか？");
    EXPECT_EQ(0u, close_run(run));
    run.pi.hProcess = nullptr;
    for (const char *name : {"vokwsize.dat", "vokwsiz2.dat", "vokwsiz3.dat", "vokwview.dat"}) {
        EXPECT_NE(home_file(name), "<none>") << name;
    }
    EXPECT_EQ(home_file("vokwsize.dat").find("#P1"), std::string::npos);
}

// Restore (78) and exchange (81): No changes nothing, Yes copies or swaps.
TEST_F(MainProbe, ProjectFilesRestoredExchangedAndAddedAnsweredNoAndYes)
{
    const std::string current = home_file("vokdir.dat");
    ASSERT_NE(current, "<none>");
    const char backup[] = "home\r\nold\tZ:\\old\r\n";
    write_text(run.home + "\\vokdirBK.dat", backup);
    struct files_case {
        UINT id;
        const char *question_start;
        int answer;
        std::string list, list_backup;
    };
    const files_case cases[] = {
        {78, "プロジェクトを復旧しますが", IDNO, current, backup},
        {81, "プロジェクトを交換しますが", IDNO, current, backup},
        {83, "プロジェクトを加算しますが", IDNO, current, backup},
        {84, "プロジェクトを逆加算しますが", IDNO, current, backup},
        {81, "プロジェクトを交換しますが", IDYES, backup, current},
        {81, "プロジェクトを交換しますが", IDYES, current, backup},
        {78, "プロジェクトを復旧しますが", IDYES, backup, backup},
    };
    for (const files_case &c : cases) {
        PostMessageA(run.screen, WM_SYSCOMMAND, c.id, 1);
        const std::string question = answer_box(run.screen, c.answer);
        EXPECT_EQ(question.rfind(c.question_start, 0), 0u) << c.id << ": " << question;
        settle(run.screen);
        EXPECT_EQ(home_file("vokdir.dat"), c.list) << c.id << " " << c.answer;
        EXPECT_EQ(home_file("vokdirBK.dat"), c.list_backup) << c.id << " " << c.answer;
    }
}

// Sets the parameter dialog's field (F1) and closes the dialog with OK.
void set_parameter(HWND screen, int id, const std::string &text)
{
    PostMessageA(screen, WM_KEYUP, VK_F1, 0);
    HWND dialog = wait_for_box(screen);
    ASSERT_NE(nullptr, dialog);
    set_item(dialog, id, text.c_str());
    click_item(dialog, 1);
    ASSERT_TRUE(dialog_closed(dialog));
}

// A left click on the first row of the LIST screen, which selects its entry.
void click_first_list_row(HWND list)
{
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 25));
    PostMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(10, 25));
    settle(list);
}

// LIST's F9 gives the four function buttons the work-folder commands. In the
// project "home" they are refused; in a project, the selected file header's
// file is copied in and the target-named file back, each asking first when a
// file would be overwritten (Cancel keeps it), a copy that cannot be made is
// reported, the list is cut down to the files the folder holds and the
// folder is emptied.
TEST_F(MainProbe, WorkFolderButtonsCopyListAndEmpty)
{
    const std::string proj = make_folder(run.home, "proj");
    const std::string work = make_folder(run.home, "work");
    const char source[] = "int one(void) { return 1; }\r\n";
    write_text(proj + "\\one.c", source);
    write_text(run.home + "\\vokdir.dat", ("home\r\nproj\t" + proj + ",home\r\n").c_str());
    set_parameter(run.screen, 1020, work);
    HWND list = wait_for_window(run.pi.dwProcessId, "LIST");
    ASSERT_NE(nullptr, list);
    PostMessageA(list, WM_KEYUP, VK_F9, 0);
    settle(list);
    EXPECT_TRUE(IsWindowVisible(field(1000)));
    EXPECT_EQ(text_of(field(1000)), "ワークフォルダを表示");
    EXPECT_EQ(text_of(field(1003)), "ワークフォルダを空にする");
    PostMessageA(run.screen, WM_COMMAND, 1002, 0);
    EXPECT_EQ(answer_box(run.screen, IDOK), "homeプロジェクトでは無効です");

    left_click();
    settle(run.screen);
    EXPECT_EQ(switch_to("proj"), "ディレクトリ(" + proj + ")に移動しました");
    set_field(0, "one.c");
    PostMessageA(run.screen, WM_COMMAND, 11, 0);
    settle(run.screen);
    ShowWindow(list, SW_SHOWNORMAL);
    PostMessageA(run.screen, WM_COMMAND, 1002, 0);  // nothing selected
    EXPECT_EQ(answer_box(run.screen, IDOK), "ファイル()のコピーに失敗しました");
    click_first_list_row(list);  // the file header of one.c
    PostMessageA(run.screen, WM_COMMAND, 1002, 0);
    settle(run.screen);
    EXPECT_EQ(file_text(work + "\\one.c"), source);

    const char edited[] = "int one(void) { return 11; }\r\n";
    write_text(work + "\\one.c", edited);
    struct copy_case {
        int button;
        const char *target;  // the target field's text
        const char *question;
        int answer;
        const char *slot_text;  // proj\one.c afterwards
        const char *work_text;  // work\one.c afterwards
    };
    const copy_case cases[] = {
        {1002, "", "ファイルを上書きしますが、よろしいですか？\r\n", IDCANCEL, source, edited},
        {1001, "", "ファイルを上書きしますが、よろしいですか？\r\n", IDCANCEL, source, edited},
        {1001, "0:one.c", "ファイルをコピーしますが、よろしいですか？\r\n", IDCANCEL, source, edited},
        {1001, "0:one.c", "ファイルをコピーしますが、よろしいですか？\r\n", IDOK, edited, edited},
    };
    for (const copy_case &c : cases) {
        set_field(104, c.target);
        PostMessageA(run.screen, WM_COMMAND, c.button, 0);
        const std::string question = answer_box(run.screen, c.answer);
        EXPECT_TRUE(starts_with(question, c.question)) << c.button << " " << c.target << ": " << question;
        EXPECT_NE(question.find("one.c"), std::string::npos) << question;
        settle(run.screen);
        EXPECT_EQ(file_text(proj + "\\one.c"), c.slot_text) << c.button << " " << c.target << " " << c.answer;
        EXPECT_EQ(file_text(work + "\\one.c"), c.work_text) << c.button << " " << c.target << " " << c.answer;
    }
    // A folder in the work copy's place cannot be written: the retry question,
    // OK, the retry question again, whose Cancel reports the failed copy.
    DeleteFileA((work + "\\one.c").c_str());
    CreateDirectoryA((work + "\\one.c").c_str(), nullptr);
    set_field(104, "");
    PostMessageA(run.screen, WM_COMMAND, 1002, 0);
    const char retry[] = "ファイルの書き込みに失敗しました、リトライしますか？";
    EXPECT_TRUE(starts_with(answer_box(run.screen, IDOK), retry));
    EXPECT_TRUE(starts_with(answer_box(run.screen, IDCANCEL), retry));
    EXPECT_EQ(answer_box(run.screen, IDOK), "ファイル(0:one.c)のコピーに失敗しました");
    RemoveDirectoryA((work + "\\one.c").c_str());
    write_text(work + "\\one.c", edited);
    set_field(104, "0:gone.c");  // not in the work folder
    PostMessageA(run.screen, WM_COMMAND, 1001, 0);
    EXPECT_TRUE(starts_with(answer_box(run.screen, IDOK), "ファイルをコピーしますが"));
    EXPECT_EQ(answer_box(run.screen, IDOK), "ファイル(0:gone.c)のコピーに失敗しました");
    EXPECT_EQ(file_text(proj + "\\gone.c"), "<none>");

    // The list keeps one.c, which the folder holds; the target names the
    // folder's first file that the list does not show.
    write_text(work + "\\extra.txt", "x");
    PostMessageA(run.screen, WM_COMMAND, 1000, 0);
    settle(run.screen);
    EXPECT_EQ(text_of(field(104)), "0:extra.txt");
    click_first_list_row(list);
    PostMessageA(run.screen, WM_COMMAND, 1002, 0);
    EXPECT_TRUE(starts_with(answer_box(run.screen, IDCANCEL), "ファイルを上書きしますが"));

    PostMessageA(run.screen, WM_COMMAND, 1003, 0);
    EXPECT_EQ(answer_box(run.screen, IDCANCEL), "ワークフォルダ中のファイルを全て削除しますが、よろしいですか？\r\n" + work);
    settle(run.screen);
    EXPECT_EQ(file_text(work + "\\extra.txt"), "x");
    PostMessageA(run.screen, WM_COMMAND, 1003, 0);
    answer_box(run.screen, IDOK);
    settle(run.screen);
    EXPECT_EQ(file_text(work + "\\one.c"), "<none>");
    EXPECT_EQ(file_text(work + "\\extra.txt"), "<none>");

    // Now the folder holds no listed file: the list is empty, nothing to select.
    PostMessageA(run.screen, WM_COMMAND, 1000, 0);
    settle(run.screen);
    EXPECT_EQ(text_of(field(104)), "");
    click_first_list_row(list);
    PostMessageA(run.screen, WM_COMMAND, 1002, 0);
    EXPECT_EQ(answer_box(run.screen, IDOK), "ファイル()のコピーに失敗しました");
    PostMessageA(list, WM_KEYUP, VK_F9, 0);
    settle(list);
    EXPECT_FALSE(IsWindowVisible(field(1000)));
}

// End puts the target text on the clipboard; command 9 minimises the owner
// of the screens, which takes every screen out of sight until restored.
TEST_F(MainProbe, EndCopiesTheTargetToTheClipboardAndCommand9Minimises)
{
    set_field(104, "対象のキイ key");
    key(VK_END);
    settle(run.screen);
    std::string clip = "<no clipboard>";
    for (int i = 0; i < 50 && clip == "<no clipboard>"; ++i) {
        if (OpenClipboard(nullptr)) {
            HANDLE data = GetClipboardData(CF_TEXT);
            const char *text = data == nullptr ? nullptr : static_cast<const char *>(GlobalLock(data));
            if (text != nullptr) {
                clip = text;
                GlobalUnlock(data);
            }
            CloseClipboard();
        }
        if (clip == "<no clipboard>") Sleep(100);
    }
    EXPECT_EQ(clip, "対象のキイ key");

    HWND main_window = GetWindow(run.screen, GW_OWNER);
    ASSERT_NE(nullptr, main_window);
    PostMessageA(run.screen, WM_SYSCOMMAND, 9, 1);
    settle(run.screen);
    for (int i = 0; i < 50 && !IsIconic(main_window); ++i) Sleep(100);
    EXPECT_TRUE(IsIconic(main_window));
    EXPECT_FALSE(IsWindowVisible(run.screen));
    PostMessageA(main_window, WM_SYSCOMMAND, SC_RESTORE, 0);
    for (int i = 0; i < 50 && !IsWindowVisible(run.screen); ++i) Sleep(100);
    EXPECT_TRUE(IsWindowVisible(run.screen));
}

// The project dialog's refusals, its slot rows (insert and delete move the
// folders, the pages show the other slots), Open and Cancel, and Delete, with
// "vokdir.dat" and the definitions' stacks file after each.
TEST_F(MainProbe, ProjectDialogSlotsPagesOpenCancelAndDelete)
{
    const std::string a = make_folder(run.home, "fa");
    const std::string b = make_folder(run.home, "fb");
    const std::string list = home_file("vokdir.dat");
    key(VK_F1 + 1);
    HWND dialog = wait_for_box(run.screen);
    ASSERT_NE(nullptr, dialog);
    auto item = [dialog](int id) { return text_of(GetDlgItem(dialog, id)); };
    struct refusal_case {
        const char *name;
        int button;
        const char *box;
    };
    const refusal_case refusals[] = {
        {"", 1011, "作成するプロジェクト名が指定されていません"},
        {"two words", 1011, "作成するプロジェクト名に空白は許されません"},
        {"home", 1011, "プロジェクト名が重複しています(0)"},
        {"nosuch", 1056, "指定されたプロジェクト名が見つかりません"},
        {"nosuch", 1058, "削除すべきプロジェクト名が見つかりません"},
    };
    for (const refusal_case &c : refusals) {
        set_item(dialog, 1055, c.name);
        click_item(dialog, c.button);
        EXPECT_EQ(answer_box(dialog, IDOK), c.box) << c.name;
    }

    set_item(dialog, 1055, "paged");
    click_item(dialog, 1011);  // Create
    click_item(dialog, 1053);  // Save without a folder
    EXPECT_EQ(answer_box(dialog, IDOK), "プロジェクトにディレクトリの指定が見つかりません");
    set_item(dialog, 1013, a.c_str());
    set_item(dialog, 1002, b.c_str());
    click_item(dialog, 1059);  // insert a slot at row 0
    settle(dialog);
    EXPECT_EQ(item(1013), "");
    EXPECT_EQ(item(1002), a);
    EXPECT_EQ(item(1005), b);
    struct page_case {
        int button;
        const char *label;
    };
    const page_case pages[] = {{1089, "フォルダ(a～j)"}, {1089, "フォルダ(k～t)"}, {1089, "フォルダ(u～z)"},
                               {1089, "フォルダ(u～z)"}, {1090, "フォルダ(k～t)"}, {1088, "フォルダ(0～9)"}};
    for (const page_case &c : pages) {
        click_item(dialog, c.button);
        settle(dialog);
        EXPECT_EQ(item(1012), c.label);
        const bool first = c.label == pages[5].label;
        EXPECT_EQ(item(1002), first ? a : "") << c.label;
        if (c.label == pages[2].label) {  // slots 36 to 39 do not exist
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 1019)));
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, 1018)));
        }
    }
    click_item(dialog, 1024);  // delete the slot of row 0
    settle(dialog);
    EXPECT_EQ(item(1013), a);
    EXPECT_EQ(item(1002), b);
    EXPECT_EQ(item(1005), "");
    set_item(dialog, 1025, "PAGEDDEF");
    click_item(dialog, 1053);
    settle(dialog);
    EXPECT_EQ(home_file("vokdir.dat"), list + "paged " + a + ";" + b + ";HOME\r\n");
    EXPECT_NE(home_file("vstacks.dat").find("paged\tPAGEDDEF"), std::string::npos) << home_file("vstacks.dat");

    // Open shows the slots; what is typed after it goes with Cancel.
    set_item(dialog, 1055, "paged");
    click_item(dialog, 1056);
    settle(dialog);
    EXPECT_EQ(item(1013), a);
    EXPECT_EQ(item(1002), b);
    set_item(dialog, 1013, "C:\\elsewhere");
    click_item(dialog, 2);
    settle(dialog);
    EXPECT_EQ(item(1013), a);
    EXPECT_EQ(home_file("vokdir.dat"), list + "paged " + a + ";" + b + ";HOME\r\n");

    set_item(dialog, 1055, "paged");
    click_item(dialog, 1058);  // Delete asks nothing
    settle(dialog);
    EXPECT_EQ(home_file("vokdir.dat"), list);
    EXPECT_EQ(home_file("vstacks.dat").find("paged"), std::string::npos) << home_file("vstacks.dat");
    click_item(dialog, 1);
    ASSERT_TRUE(dialog_closed(dialog));
}

// The parameter dialog with an editor's uninstall key seeded in the registry:
// the look-up fills the empty editor row at the start, and Cancel writes
// nothing; the sets and presets fill their rows, the restore button brings
// the start values back (no looked-up editor among them), the look-up button
// finds the editor again, and OK writes every row in order.
TEST_F(MainProbe, EditorLookupSetsAndPresetsInTheParameterDialog)
{
    const char key_path[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Hidemaru";
    const char uninstall[] = "C:\\Tools\\Edit\\Uninst.exe";
    const std::string found = "C:\\Tools\\Edit\\Hidemaru.exe";
    HKEY opened;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key_path, 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(opened, "UninstallString", 0, REG_SZ, reinterpret_cast<const BYTE *>(uninstall), sizeof uninstall);
    RegCloseKey(opened);
    const std::string before = home_file("vokparameter.dat");
    key(VK_F1);
    HWND dialog = wait_for_box(run.screen);
    ASSERT_NE(nullptr, dialog);
    auto item = [&dialog](int id) { return text_of(GetDlgItem(dialog, id)); };
    EXPECT_EQ(item(1017), found);
    click_item(dialog, 2);
    ASSERT_TRUE(dialog_closed(dialog));
    EXPECT_EQ(home_file("vokparameter.dat"), before);

    key(VK_F1);
    dialog = wait_for_box(run.screen);
    ASSERT_NE(nullptr, dialog);
    const std::string start_width = item(1002);
    struct fill_case {
        int button, field;
        const char *text;
    };
    const fill_case fills[] = {
        {1074, 1002, "150"}, {1074, 1005, "245"}, {1074, 1016, "14"},  {1074, 1018, "/j%d"},
        {1071, 1002, "231"}, {1071, 1005, "296"}, {1071, 1016, "12"},  {1071, 1022, "/j%d"},
        {1098, 1018, "/j%d"}, {1095, 1022, "/j%d"}, {1096, 1022, "/scwI \"%s\""},
        {1097, 1022, "/scwI \"%s\" /j%d"},
    };
    for (const fill_case &c : fills) {
        set_item(dialog, c.field, "x");
        click_item(dialog, c.button);
        settle(dialog);
        EXPECT_EQ(item(c.field), c.text) << c.button;
    }
    click_item(dialog, 1072);  // the start values again
    settle(dialog);
    EXPECT_EQ(item(1002), start_width);
    EXPECT_EQ(item(1017), "");
    click_item(dialog, 1071);
    click_item(dialog, 1084);
    settle(dialog);
    EXPECT_EQ(item(1017), found);
    const std::pair<const char *, int> rows[] = {
        {"category_wide", 1002}, {"object_wide", 1005}, {"category_font", 1016}, {"editor", 1017}, {"option", 1018},
        {"option2", 1022},       {"explorer", 1019},    {"excel", 1021},         {"folder", 1020},
    };
    std::string expected;
    for (const auto &r : rows) expected += std::string(r.first) + "\t=\t" + item(r.second) + "\r\n";
    click_item(dialog, 1);
    ASSERT_TRUE(dialog_closed(dialog));
    settle(run.screen);
    EXPECT_EQ(home_file("vokparameter.dat"), expected);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, key_path);
}

// A cancelled folder browse in the parameter dialog leaves the work folder's
// field as it was (its beep cannot be heard from here).
TEST_F(MainProbe, CancelledFolderBrowseChangesNothing)
{
    key(VK_F1);
    HWND dialog = wait_for_box(run.screen);
    ASSERT_NE(nullptr, dialog);
    set_item(dialog, 1020, "C:\\kept");
    click_item(dialog, 1076);
    HWND browse = wait_for_box(dialog);
    ASSERT_NE(nullptr, browse);
    PostMessageA(browse, WM_COMMAND, IDCANCEL, 0);
    for (DWORD i = 0; i < probe_wait_ms / 100 && IsWindow(browse); ++i) Sleep(100);
    settle(dialog);
    EXPECT_EQ(text_of(GetDlgItem(dialog, 1020)), "C:\\kept");
    click_item(dialog, 2);
    ASSERT_TRUE(dialog_closed(dialog));
}

// Adding (83) puts the backup's projects that the current files lack after
// the current ones and takes "beginBK.f" as "begin.f"; adding back (84) does
// the same the other way round.
TEST_F(MainProbe, AddedProjectFilesBothWaysAnsweredYes)
{
    write_text(run.home + "\\vokdir.dat", "home\r\nnow\tZ:\\now\r\n");
    write_text(run.home + "\\vokdirBK.dat", "home\r\nold\tZ:\\old\r\n");
    write_text(run.home + "\\ostacks.dat", "now\tnow_key\r\n");
    write_text(run.home + "\\ostackBK.dat", "old\told_key\r\n");
    write_text(run.home + "\\begin.f", "");
    write_text(run.home + "\\beginBK.f", "");
    CopyFileA((run.home + "\\sample.f").c_str(), (run.home + "\\beginBK.f").c_str(), FALSE);
    const std::string form = home_file("sample.f");

    PostMessageA(run.screen, WM_SYSCOMMAND, 83, 1);
    const std::string question = answer_box(run.screen, IDYES);
    EXPECT_TRUE(starts_with(question, "プロジェクトを加算しますが、よろしいですか？\r\nvokdir.dat＋vokdirBK.dat→vokdir.dat\r\n"))
        << question;
    settle(run.screen);
    EXPECT_EQ(home_file("vokdir.dat"), "home\r\nnow\tZ:\\now\r\nold\tZ:\\old\r\n");
    EXPECT_EQ(home_file("vokdirBK.dat"), "home\r\nold\tZ:\\old\r\n");
    EXPECT_NE(home_file("ostacks.dat").find("old\told_key"), std::string::npos) << home_file("ostacks.dat");
    EXPECT_EQ(home_file("begin.f"), form);

    write_text(run.home + "\\vokdir.dat", "home\r\nnew\tZ:\\new\r\n");
    write_text(run.home + "\\begin.f", "");
    PostMessageA(run.screen, WM_SYSCOMMAND, 84, 1);
    EXPECT_TRUE(starts_with(answer_box(run.screen, IDYES), "プロジェクトを逆加算しますが、よろしいですか？\r\n"));
    settle(run.screen);
    EXPECT_EQ(home_file("vokdirBK.dat"), "home\r\nold\tZ:\\old\r\nnew\tZ:\\new\r\n");
    EXPECT_EQ(home_file("vokdir.dat"), "home\r\nnew\tZ:\\new\r\n");
    EXPECT_NE(home_file("ostackBK.dat").find("now\tnow_key"), std::string::npos) << home_file("ostackBK.dat");
    EXPECT_EQ(home_file("beginBK.f"), "");
}

// F1 and F2 open the parameter and project dialogs over the screen; a close
// (Cancel of the one, Close of the other) leaves the parameter file as it was.
TEST_F(MainProbe, DialogsOpenedByF1AndF2AndClosed)
{
    const std::string params = home_file("vokparameter.dat");
    struct dialog_case {
        UINT vk;
        const char *shot;
    };
    for (const dialog_case &c : {dialog_case{VK_F1, "param_dialog"}, dialog_case{VK_F2, "project_dialog"}}) {
        PostMessageA(run.screen, WM_KEYUP, c.vk, 0);
        HWND dialog = wait_for_box(run.screen);
        ASSERT_NE(nullptr, dialog) << c.shot;
        SetForegroundWindow(dialog);
        Sleep(1000);
        EXPECT_TRUE(save_shot(dialog, c.shot));
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        for (DWORD i = 0; i < probe_wait_ms / 100 && IsWindow(dialog); ++i) Sleep(100);
        EXPECT_FALSE(IsWindow(dialog)) << c.shot;
    }
    // The system menu's items reach the same dialogs.
    for (UINT id : {73u, 66u}) {
        PostMessageA(run.screen, WM_SYSCOMMAND, id, 1);
        HWND dialog = wait_for_box(run.screen);
        ASSERT_NE(nullptr, dialog) << id;
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        for (DWORD i = 0; i < probe_wait_ms / 100 && IsWindow(dialog); ++i) Sleep(100);
    }
    EXPECT_EQ(home_file("vokparameter.dat"), params);
}

}  // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc >= 3) {
        program = argv[1];
        samples = argv[2];
    }
    if (argc >= 4) echo = argv[3];
    return RUN_ALL_TESTS();
}
