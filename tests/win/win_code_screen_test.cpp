// The CODE screen in-process by real messages: the button row with and
// without the bars, the font keys at their limits, Insert through the real
// clipboard with the user's text put back, the memo commands, the save of
// menu 4 (refused for a partial file, answered from a timer), the output's
// subclass forwarding keys, F10 as a system key (CODE and LIST), the editor
// started from a selection, F10 on a built tree (extract, then the whole
// tree again), the function's first line painted into a memory device
// context, the button hints, the definition and reference lists of a
// selected name, the head of a file shown by menu 3 and cleared by "消",
// the menu commands that answer with a box, the bracket check mark and
// Shift, the screens brought forward, and the hiding on close and minimise.
#include <windows.h>

#include "own_box.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "analyser/calls.h"
#include "shell/codeout.h"
#include "shell/main_keys.h"
#include "shell/main_layout.h"
#include "trees/launch.h"
#include "analyser/startup_tables.h"
#include "forms/model.h"
#include "forms/multi_cur.h"
#include "forms/queries.h"
#include "shell/main_state.h"
#include "shell/runner.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/screens.h"
#include "shell/sjis.h"
#include "shell/stacks.h"
#include "shell/text.h"
#include "shell/startup.h"
#include "shell/win/startup_win.h"
#include "shell/wsize.h"
#include "trees/code_text.h"
#include "trees/func_list.h"
#include "trees/tree_build.h"
#include "trees/listings.h"
#include "trees/win/code_screen.h"
#include "test_window.h"

namespace {

HWND hw(win_handle h) { return static_cast<HWND>(h); }
HWND code() { return hw(hwndC); }
HWND out() { return hw(code_out_hwnd); }
// The arrow, Insert and Delete keys of the main block carry the extended
// bit; without it they are the keypad's, which the screens ignore.
const LPARAM extended = 0x1000000;

std::string box_texts;  // texts of the boxes the timer answered
std::string box_captions;  // and their captions
HWND box_owner;            // the owner of the last one
std::string echo_path;  // the echo program standing in for the editor

void CALLBACK press_ok(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = own_box();
    if (box == nullptr) return;
    HWND text = GetDlgItem(box, 0xFFFF);
    char buf[500] = "";
    if (text != nullptr) GetWindowTextA(text, buf, sizeof buf);
    box_texts += std::string(buf) + "|";
    GetWindowTextA(box, buf, sizeof buf);
    box_captions += std::string(buf) + "|";
    box_owner = GetWindow(box, GW_OWNER);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

std::string clipboard()
{
    std::string s = "<none>";
    if (!OpenClipboard(nullptr)) return s;
    HANDLE h = GetClipboardData(CF_TEXT);
    if (h != nullptr) {
        s = static_cast<const char *>(GlobalLock(h));
        GlobalUnlock(h);
    }
    CloseClipboard();
    return s;
}

void pump()
{
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

class code_screen : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        init_wsize();
        main_state_reset();
        init_sjis_table();
        init_char_class();  // the analyser's character classes, as at start-up
        app_instance = instance;
        output_font_size = 99;  // unchecked at start-up: the creation makes it 16
        create_main_font();
        ASSERT_EQ(register_classes(instance), 0);
        ASSERT_EQ(create_windows(instance), 0);
        SetWindowPos(code(), nullptr, 0, 0, 600, 400, SWP_NOZORDER | SWP_NOACTIVATE);
        // The analyser's word attributes, as a project folder holds them.
        const std::string words = std::string("Z:") + VOK_SAMPLES "/wordattr.dat";
        CopyFileA(words.c_str(), "wordattr.dat", FALSE);
    }
    void select_text(const char *text, int from, int to)
    {
        SetWindowTextA(out(), text);
        SendMessageA(out(), EM_SETSEL, from, to);
    }
    void size_to(int w, int h) { SendMessageA(code(), WM_SIZE, 0, MAKELPARAM(w, h)); }
};

TEST_F(code_screen, ButtonRowWithAndWithoutBars)
{
    buttons_shown = bars_shown;
    size_to(500, 300);
    const char *const captions[] = {"★", "消", "助", "覧", "ﾌﾛ", "↑", "↓", "挿", "表", "編"};
    for (int i = 0; i < 10; ++i) {
        HWND b = GetDlgItem(code(), 20 + i);
        ASSERT_NE(b, nullptr) << i;
        RECT r;
        GetWindowRect(b, &r);
        MapWindowPoints(nullptr, code(), reinterpret_cast<POINT *>(&r), 2);
        EXPECT_EQ(r.left, 500 - 205 + 20 * i) << i;
        EXPECT_EQ(r.top, 300 - 21) << i;
        EXPECT_EQ(r.right - r.left, 20);
        EXPECT_TRUE(IsWindowVisible(b) || !IsWindowVisible(code()));
        EXPECT_EQ(window_text(b), captions[i]);
    }
    RECT e;
    GetWindowRect(out(), &e);
    EXPECT_EQ(e.bottom - e.top, 300 - 21);
    buttons_shown = bars_hidden;
    size_to(500, 300);
    GetWindowRect(out(), &e);
    EXPECT_EQ(e.bottom - e.top, 300);
    EXPECT_FALSE(GetWindowLongA(GetDlgItem(code(), 20), GWL_STYLE) & WS_VISIBLE);
    // The shell's switch reaches the row, which CODE registered.
    for (int shown : {bars_shown, bars_hidden, bars_shown}) {
        show_buttons(shown);
        EXPECT_EQ((GetWindowLongA(GetDlgItem(code(), 29), GWL_STYLE) & WS_VISIBLE) != 0, shown == bars_shown);
    }
    EXPECT_EQ(SendMessageA(out(), EM_GETLIMITTEXT, 0, 0), 500000);
}

TEST_F(code_screen, FontKeysStopAtTheirLimits)
{
    auto height = [] {
        LOGFONTA lf{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(out(), WM_GETFONT, 0, 0)), sizeof lf, &lf);
        return static_cast<int>(lf.lfHeight);
    };
    output_font_size = 17;
    SendMessageA(code(), WM_KEYUP, VK_UP, extended);
    EXPECT_EQ(output_font_size, 18);
    EXPECT_EQ(height(), -18);
    SendMessageA(code(), WM_KEYUP, VK_UP, extended);
    EXPECT_EQ(output_font_size, 18);
    output_font_size = 11;
    SendMessageA(code(), WM_KEYUP, VK_DOWN, extended);
    SendMessageA(code(), WM_KEYUP, VK_DOWN, extended);
    EXPECT_EQ(output_font_size, 10);
    EXPECT_EQ(height(), -10);
    SendMessageA(code(), WM_COMMAND, 26, 0);  // the "↓" button
    EXPECT_EQ(output_font_size, 10);
    SendMessageA(code(), WM_COMMAND, 25, 0);
    EXPECT_EQ(output_font_size, 11);
}

TEST_F(code_screen, InsertTakesTheSelectionAndKeepsTheUsersClipboard)
{
    set_clipboard_text(code(), "the user's text");
    select_text("abc main.c(3) xyz", 4, 13);
    SendMessageA(code(), WM_KEYUP, VK_INSERT, extended);
    EXPECT_EQ(window_text(hw(target_field.edit)), "main.c(3)");
    EXPECT_EQ(clipboard(), "the user's text");
    // 49 leaves the selection on the clipboard.
    select_text("abc main.c(3) xyz", 0, 3);
    SendMessageA(code(), WM_SYSCOMMAND, 49, 0);
    EXPECT_EQ(window_text(hw(target_field.edit)), "abc");
    EXPECT_EQ(clipboard(), "abc");
}

TEST_F(code_screen, MemoCommands)
{
    copy_bounded(memo_buf, sizeof memo_buf, "old\r\n");
    select_text("first line", 0, 5);
    SendMessageA(code(), WM_SYSCOMMAND, memo_set, 0);
    EXPECT_STREQ(memo_buf, "first\r\n");
    select_text("first line", 6, 10);
    SendMessageA(code(), WM_SYSCOMMAND, memo_append, 0);
    EXPECT_STREQ(memo_buf, "first\r\nline\r\n");
    SendMessageA(code(), WM_SYSCOMMAND, memo_swap, 0);
    EXPECT_STREQ(memo_buf, "first\r\n");
    SendMessageA(code(), WM_SYSCOMMAND, memo_show, 0);
    EXPECT_EQ(window_text(out()), "first\r\n");
    SendMessageA(code(), WM_SYSCOMMAND, memo_erase, 0);
    EXPECT_STREQ(memo_buf, "");
    SendMessageA(code(), WM_SYSCOMMAND, memo_builtin, 0);
    EXPECT_STREQ(memo_buf, builtin_memo);
    // Without a selection replace and add change nothing.
    for (int id : {int(memo_set), int(memo_append)}) {
        select_text("first line", 3, 3);
        SendMessageA(code(), WM_SYSCOMMAND, id, 0);
        EXPECT_STREQ(memo_buf, builtin_memo) << id;
    }
}

TEST_F(code_screen, SaveAsksAndRefusesAPartialFile)
{
    SetWindowTextA(hw(main_controls[ctl_category]), "saved_code.txt");
    remove("saved_code.txt");
    box_texts.clear();
    SetWindowTextA(out(), "★notice\r\nint a;\r\n");
    shown_state = 1;
    UINT_PTR timer = SetTimer(nullptr, 0, 50, press_ok);
    SendMessageA(code(), WM_SYSCOMMAND, 4, 0);
    EXPECT_EQ(box_texts, "画面上には完全なファイルが有りませんので保存処理を中断します|");
    EXPECT_EQ(first_line("saved_code.txt"), "<none>");
    shown_state = -1;
    box_texts.clear();
    SendMessageA(code(), WM_SYSCOMMAND, 4, 0);
    EXPECT_EQ(box_texts, "ファィル(saved_code.txt)を保存します、よろしいですか？|");
    EXPECT_EQ(first_line("saved_code.txt"), "int a;\n");
    box_texts.clear();
    SendMessageA(code(), WM_SYSCOMMAND, 4, 0);  // now it exists
    EXPECT_EQ(box_texts, "ファィル(saved_code.txt)を保存します、よろしいですか？|"
                         "このファイル(saved_code.txt)は既に存在しています、壊れますがそれでもいいですか？|");
    box_texts.clear();
    SendMessageA(out(), EM_SETMODIFY, TRUE, 0);  // an edited text is named so
    SendMessageA(code(), WM_SYSCOMMAND, 4, 0);
    EXPECT_EQ(box_texts.rfind("修正有りファィル(saved_code.txt)を保存します、よろしいですか？|", 0), 0u) << box_texts;
    KillTimer(nullptr, timer);
}

TEST_F(code_screen, SubclassForwardsKeys)
{
    SetWindowTextA(out(), "some text");
    SendMessageA(out(), WM_KEYUP, VK_DELETE, extended);
    pump();
    EXPECT_EQ(window_text(out()), "");
    // F10 as a system key, on the output, on CODE and on LIST: the down is
    // swallowed, the up arrives as a key-up; without a usable selection or
    // list entry the screen says so (answered by the timer).
    cur_index = -1;
    for (HWND window : {out(), code(), hw(hwndL)}) {
        box_texts.clear();
        UINT_PTR timer = SetTimer(nullptr, 0, 50, press_ok);
        select_text("no reference here", 0, 5);
        EXPECT_EQ(SendMessageA(window, WM_SYSKEYDOWN, VK_F10, 0), 0);
        SendMessageA(window, WM_SYSKEYUP, VK_F10, 0);
        pump();
        KillTimer(nullptr, timer);
        const char *name = window == out() ? "output" : window == code() ? "CODE" : "LIST";
        EXPECT_EQ(box_texts, "ファイル名又は行番号が正しく取り出せません|") << name;
    }
    ShowWindow(code(), SW_SHOWNORMAL);
    SetFocus(out());
    SendMessageA(out(), WM_KEYUP, VK_TAB, 0);
    pump();
    EXPECT_EQ(GetFocus(), hw(hwndL));
    // Enter on the output focuses CODE; Insert reaches CODE as the main
    // block's key even when the edit saw it without the extended bit.
    SetFocus(out());
    SendMessageA(out(), WM_KEYUP, VK_RETURN, 0);
    EXPECT_EQ(GetFocus(), code());
    SetWindowTextA(hw(target_field.edit), "");
    select_text("abc main.c(3) xyz", 4, 13);
    SendMessageA(out(), WM_KEYUP, VK_INSERT, 0);
    pump();
    EXPECT_EQ(window_text(hw(target_field.edit)), "main.c(3)");
}

TEST_F(code_screen, EditorStartedFromTheSelection)
{
    if (echo_path.empty()) GTEST_SKIP() << "no echo program given";
    copy_bounded(editor, sizeof editor, echo_path.c_str());
    copy_bounded(option, sizeof option, "/j%d");
    remove("cmdline.txt");
    set_clipboard_text(code(), "kept");
    select_text("x src.c(15) y", 2, 11);
    SendMessageA(code(), WM_SYSCOMMAND, 76, 0);
    for (int i = 0; i < 100 && first_line("cmdline.txt") == "<none>"; ++i) Sleep(50);
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(sizeof cwd, cwd);
    const std::string line = first_line("cmdline.txt");
    EXPECT_NE(line.find("/j15 \"" + std::string(cwd) + "\\src.c\""), std::string::npos) << line;
    EXPECT_EQ(clipboard(), "kept");
}

// Three functions called from main, mid calling leaf.
void write_a_c()
{
    FILE *fp = fopen("a.c", "w");
    fputs("int leaf(int x) { return x; }\n"
          "int mid(int x) { return leaf(x); }\n"
          "int other(void) { return 1; }\n"
          "int main(void) { return mid(1) + other(); }\n", fp);
    fclose(fp);
}

// The shown entries of the function list, one "|" after each.
std::string shown_list()
{
    std::string s;
    for (int k = 0; k < i_num; ++k) s += std::string(fl_name[fl_order[k]]) + "|";
    return s;
}

int analyse_a()
{
    if (write_ftree_t() != 0) return 1;
    char command[] = "select a.c";
    return run_command(command, select_main);
}

// F10 on a selected "file(line)": the first press extracts the function's
// subtree, the second brings every box and link of "ftree.f" back.
TEST_F(code_screen, F10ExtractsAndRestoresTheTree)
{
    write_a_c();
    box_texts.clear();
    UINT_PTR timer = SetTimer(nullptr, 0, 50, press_ok);  // "No" to the externals: OK closes it as No
    const int built = run_tree_build("a.c", "", analyse_a);
    KillTimer(nullptr, timer);
    ASSERT_EQ(built, tree_built) << box_texts;
    const int boxes = form_num - form_sta, links = l_num - l_sta;
    ASSERT_GT(boxes, 4);
    ASSERT_GT(links, 2);
    select_text("a.c(2):int mid(int x)", 0, 6);
    box_texts.clear();
    timer = SetTimer(nullptr, 0, 50, press_ok);
    SendMessageA(code(), WM_KEYUP, VK_F10, 0);
    KillTimer(nullptr, timer);
    EXPECT_EQ(box_texts, "");
    EXPECT_EQ(tree_view_flag, 1);
    EXPECT_LT(l_num - l_sta, links);  // the links outside mid's subtree are left out
    EXPECT_GT(l_num - l_sta, 0);
    select_text("a.c(2):int mid(int x)", 0, 6);
    // A line outside every function is refused before the toggle.
    select_text("a.c(99)", 0, 7);
    box_texts.clear();
    timer = SetTimer(nullptr, 0, 50, press_ok);
    SendMessageA(code(), WM_KEYUP, VK_F10, 0);
    KillTimer(nullptr, timer);
    EXPECT_EQ(box_texts.rfind("指定の行番号(99)は、関数に含まれていません(", 0), 0u) << box_texts;
    EXPECT_EQ(tree_view_flag, 1);
    select_text("a.c(2):int mid(int x)", 0, 6);
    SetWindowTextA(hw(hwndO), "moved away");
    SendMessageA(code(), WM_KEYUP, VK_F10, 0);
    EXPECT_EQ(tree_view_flag, 0);
    EXPECT_EQ(form_num - form_sta, boxes);
    EXPECT_EQ(l_num - l_sta, links);
    form_geometry_rec g;  // the whole tree's window is placed by the form
    ASSERT_EQ(form_geometry(&g), 0);
    EXPECT_EQ(window_text(hw(hwndO)), g.caption);

    // Another form: refused, the box owned by CODE, or by the main screen
    // for a button press (the extended-key bit alone).
    char tree_form[sizeof cur_form_name];
    copy_bounded(tree_form, sizeof tree_form, cur_form_name);
    copy_bounded(cur_form_name, sizeof cur_form_name, "other.f");
    for (LPARAM lparam : {LPARAM(0), extended}) {
        select_text("a.c(2):int mid(int x)", 0, 6);
        box_texts.clear();
        box_owner = nullptr;
        timer = SetTimer(nullptr, 0, 50, press_ok);
        SendMessageA(code(), WM_KEYUP, VK_F10, lparam);
        KillTimer(nullptr, timer);
        EXPECT_EQ(box_texts, "関数ツリーでないので抽出できません|");
        EXPECT_EQ(box_owner, lparam == 0 ? code() : hw(hwndE));
    }
    copy_bounded(cur_form_name, sizeof cur_form_name, tree_form);
}

TEST_F(code_screen, FirstLinePaintedInTheTopBand)
{
    const int w = 300, h = 60;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *p = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &p, nullptr, 0);
    unsigned *bits = static_cast<unsigned *>(p);
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, bitmap);
    RECT all{0, 0, w, h};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    flow_zoom = -1;  // x = 16 >> 1
    paint_top_text_dc(dc, function_top_x(), "main int main(void)");
    GdiFlush();
    int first_x = w, lowest = -1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((bits[y * w + x] & 0xFFFFFF) != 0xFFFFFF) {
                if (x < first_x) first_x = x;
                if (y > lowest) lowest = y;
            }
    EXPECT_GE(first_x, 8);
    EXPECT_LT(first_x, 16);
    EXPECT_GE(lowest, 0);
    EXPECT_LT(lowest, 24);
    DeleteDC(dc);
    DeleteObject(bitmap);
}


TEST_F(code_screen, ButtonHintsWhileTheRightButtonIsHeld)
{
    buttons_shown = bars_shown;
    ShowWindow(code(), SW_SHOWNORMAL);
    RECT client;
    GetClientRect(code(), &client);
    size_to(client.right, client.bottom);
    const char *const hints[] = {
        "主画面を表示する",
        "コード画面を消去する、フロー画面を右クリックしても消去出来ます",
        "Ornak言語のヘルプをコード画面に表示する",
        "一覧画面を表示する",
        "ﾌﾛｰ画面を表示する",
        "文字サイズを拡大する",
        "文字サイズを縮小する",
        "リバースした文字列を主画面の対象欄に設定する",
        "エクセルでexcel.csvファイルを開く、テンキイ中の+キイでも同じことが出来ます",
        "全検索結果のリバース行を秀丸エディタで開く",
    };
    HWND popup = GetDlgItem(code(), 3);
    ASSERT_NE(popup, nullptr);
    for (int i = 0; i < 10; ++i) {
        HWND button = GetDlgItem(code(), 20 + i);
        SendMessageA(code(), WM_PARENTNOTIFY, WM_RBUTTONDOWN,
                     MAKELPARAM(client.right - 205 + 20 * i + 5, client.bottom - 10));
        SendMessageA(code(), WM_SETCURSOR, reinterpret_cast<WPARAM>(button), MAKELPARAM(HTCLIENT, WM_RBUTTONDOWN));
        EXPECT_TRUE(IsWindowVisible(popup)) << i;
        EXPECT_EQ(window_text(popup), hints[i]);
        RECT r;  // above the button row and inside the window
        GetWindowRect(popup, &r);
        MapWindowPoints(nullptr, code(), reinterpret_cast<POINT *>(&r), 2);
        EXPECT_GE(r.left, 0) << i;
        EXPECT_LE(r.right, client.right) << i;
        EXPECT_LE(r.bottom, client.bottom - 10) << i;
        SendMessageA(code(), WM_SETCURSOR, reinterpret_cast<WPARAM>(button), MAKELPARAM(HTCLIENT, WM_RBUTTONUP));
        EXPECT_FALSE(IsWindowVisible(popup)) << i;
    }
    // The input method's activation hides it too; the output has no hint.
    SendMessageA(code(), WM_SETCURSOR, reinterpret_cast<WPARAM>(GetDlgItem(code(), 20)),
                 MAKELPARAM(HTCLIENT, WM_RBUTTONDOWN));
    SendMessageA(code(), WM_IME_SETCONTEXT, TRUE, 0);
    EXPECT_FALSE(IsWindowVisible(popup));
    SendMessageA(code(), WM_SETCURSOR, reinterpret_cast<WPARAM>(out()), MAKELPARAM(HTCLIENT, WM_RBUTTONDOWN));
    EXPECT_FALSE(IsWindowVisible(popup));
}

// 54 lists the definitions of the selected name, 55 the functions that
// refer to it, blanks inside the name searched as "@".
TEST_F(code_screen, DefinitionAndReferenceListsOfTheSelection)
{
    write_a_c();
    box_texts.clear();
    UINT_PTR timer = SetTimer(nullptr, 0, 50, press_ok);
    char command[] = "select a.c";
    EXPECT_EQ(run_command(command, select_main), 0);
    ShowWindow(code(), SW_SHOWNORMAL);
    HWND target = hw(target_field.edit);

    state = state_none;
    SetWindowTextA(target, "old key");
    select_text("x mid y", 2, 5);
    SendMessageA(code(), WM_SYSCOMMAND, 54, 0);
    EXPECT_EQ(state, state_functions);
    EXPECT_EQ(window_text(target), "");
    EXPECT_EQ(GetFocus(), hw(hwndL));
    const std::string definitions = shown_list();
    EXPECT_NE(definitions.find("mid"), std::string::npos) << definitions;
    EXPECT_EQ(definitions.find("main"), std::string::npos) << definitions;
    EXPECT_EQ(definitions.find("leaf"), std::string::npos) << definitions;

    select_text("x mid y", 2, 5);
    SendMessageA(code(), WM_SYSCOMMAND, 55, 0);
    EXPECT_EQ(state, state_references);
    const std::string references = shown_list();
    EXPECT_NE(references.find("main"), std::string::npos) << references;
    EXPECT_EQ(references.find("leaf"), std::string::npos) << references;
    EXPECT_EQ(GetFocus(), hw(hwndL));

    // Two words are searched as one key: only main returns mid's value.
    select_text("return mid", 0, 10);
    SendMessageA(code(), WM_SYSCOMMAND, 55, 0);
    EXPECT_EQ(shown_list().find("mid"), std::string::npos) << shown_list();
    EXPECT_NE(shown_list().find("main"), std::string::npos) << shown_list();
    KillTimer(nullptr, timer);
    EXPECT_EQ(box_texts, "");
}

// Menu 3 shows the head of the file the category field names; "消"
// empties the output and forgets the file.
TEST_F(code_screen, FileHeadShownThenCleared)
{
    FILE *fp = fopen("short.txt", "wb");
    fputs("int a;\r\n", fp);
    fclose(fp);
    const std::string long_text(5000, 'x');
    fp = fopen("long.txt", "wb");
    fputs(long_text.c_str(), fp);
    fclose(fp);
    remove("missing.txt");
    const struct {
        const char *name;
        int state;
        std::string text;
    } cases[] = {
        {"short.txt", 0, "int a;\r\n★ファイル(%s)の終了\r\n"},
        {"missing.txt", 0, "★ファイル(%s)が見つかりません\r\n"},
        {"long.txt", 1, long_text.substr(0, 4096) + "\r\n★ファイル(%s)の途中終了\r\n"},
    };
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(sizeof cwd, cwd);
    for (const auto &c : cases) {
        SetWindowTextA(hw(main_controls[ctl_category]), c.name);
        SendMessageA(code(), WM_SYSCOMMAND, 3, 0);
        EXPECT_EQ(shown_state, c.state) << c.name;
        std::string expected = c.text;  // the status line names the resolved path
        expected.replace(expected.find("%s"), 2, std::string(cwd) + "\\" + c.name);
        const std::string text = window_text(out());
        EXPECT_TRUE(text == expected) << c.name << ": " << text.substr(0, 60) << "..." << text.size();
        const std::string caption = window_text(code());
        EXPECT_EQ(caption.substr(caption.size() - strlen(c.name) - 2), "(" + std::string(c.name) + ")");
    }
    // The long file's head may not be saved over it.
    box_texts.clear();
    UINT_PTR timer = SetTimer(nullptr, 0, 50, press_ok);
    SendMessageA(code(), WM_SYSCOMMAND, 4, 0);
    KillTimer(nullptr, timer);
    EXPECT_EQ(box_texts, "画面上には完全なファイルが有りませんので保存処理を中断します|");

    // 51 puts the shown file's name at the caret.
    SendMessageA(out(), EM_SETSEL, 0, 0);
    SendMessageA(code(), WM_SYSCOMMAND, 51, 0);
    EXPECT_EQ(window_text(out()).substr(0, 10), "long.txt\r\n");

    SendMessageA(out(), EM_SETMODIFY, TRUE, 0);
    SendMessageA(code(), WM_COMMAND, 21, 0);
    EXPECT_EQ(window_text(out()), "");
    EXPECT_EQ(shown_state, -1);
    EXPECT_EQ(SendMessageA(out(), EM_GETMODIFY, 0, 0), 0);
    EXPECT_EQ(window_text(code()).find('('), std::string::npos);
    EXPECT_STREQ(code_caption_name(), "");
}

// Menu commands that only answer with a box; the about box is the common one.
TEST_F(code_screen, MenuBoxes)
{
    const struct {
        int id;
        const char *selection;
        const char *text;     // the box's text begins so
        const char *caption;  // null: not checked
    } cases[] = {
        {54, "", "関数または変数が指定されていません", nullptr},
        {55, " \t ", "関数または変数が指定されていません", nullptr},
        {5, "", "ファイル全体の保存は未サポート！", nullptr},
        {76, "no reference", "ファイル名又は行番号又はファイルが見つかりません", "TAVIR警告画面"},
        {76, ":src.c(15)", "ファイル名又は行番号又はファイルが見つかりません", "TAVIR警告画面"},
        {1, "", "VOKTAVIR", msg_caption_text},
    };
    for (const auto &c : cases) {
        select_text(c.selection, 0, -1);
        box_texts.clear();
        box_captions.clear();
        UINT_PTR timer = SetTimer(nullptr, 0, 50, press_ok);
        SendMessageA(code(), WM_SYSCOMMAND, c.id, 0);
        KillTimer(nullptr, timer);
        EXPECT_EQ(box_texts.compare(0, strlen(c.text), c.text), 0) << c.id << " " << box_texts;
        if (c.caption != nullptr) {
            EXPECT_EQ(box_captions, std::string(c.caption) + "|") << c.id;
        }
    }
}

TEST_F(code_screen, BracketMenuAndShiftKey)
{
    HMENU menu = GetSystemMenu(code(), FALSE);
    bracket_flag = 0;
    for (int expected : {1, 0}) {
        SendMessageA(code(), WM_SYSCOMMAND, 72, 0);
        EXPECT_EQ(bracket_flag, expected);
        EXPECT_EQ((GetMenuState(menu, 72, MF_BYCOMMAND) & MF_CHECKED) != 0, expected == 1);
    }
    shift_down = 0;
    SendMessageA(code(), WM_KEYDOWN, VK_SHIFT, 0);
    EXPECT_EQ(shift_down, 1);
    SendMessageA(code(), WM_KEYUP, VK_SHIFT, 0);
    EXPECT_EQ(shift_down, 0);
}

// The buttons, keys and menu items that bring another screen forward, and
// the "助" list printed on the output.
TEST_F(code_screen, ScreensBroughtForward)
{
    const struct {
        UINT msg;
        WPARAM wparam;
        LPARAM lparam;
        win_handle *focused;
    } cases[] = {
        {WM_COMMAND, 20, 0, &hwndE},         {WM_COMMAND, 23, 0, &hwndL},    {WM_COMMAND, 24, 0, &hwndF},
        {WM_SYSCOMMAND, 6, 0, &hwndE},       {WM_KEYUP, VK_TAB, 0, &hwndL},  {WM_KEYUP, VK_ESCAPE, 0, &hwndE},
        {WM_COMMAND, 0, 0, &hwndC},
    };
    for (const auto &c : cases) {
        ShowWindow(code(), SW_SHOWNORMAL);
        SetForegroundWindow(code());
        SetFocus(out());
        SendMessageA(code(), c.msg, c.wparam, c.lparam);
        EXPECT_EQ(GetFocus(), hw(*c.focused)) << c.msg << " " << c.wparam;
    }
    SetWindowTextA(out(), "");
    SendMessageA(code(), WM_COMMAND, 22, 0);
    EXPECT_NE(window_text(out()).find("Ornak.C言語作図ソフト"), std::string::npos);
    EXPECT_EQ(GetFocus(), code());
}

// Closing and minimising hide CODE; the owner's opening does not show it
// again until it is shown on purpose.
TEST_F(code_screen, HiddenUntilShownOnPurpose)
{
    for (UINT msg : {UINT(WM_CLOSE), UINT(WM_SYSCOMMAND)}) {
        ShowWindow(code(), SW_SHOWNORMAL);
        SendMessageA(code(), msg, msg == WM_SYSCOMMAND ? SC_MINIMIZE : 0, 0);
        EXPECT_FALSE(IsWindowVisible(code())) << msg;
        EXPECT_EQ(hidden_flags[hidden_code], 1) << msg;
        EXPECT_EQ(SendMessageA(code(), WM_SHOWWINDOW, TRUE, SW_PARENTOPENING), 0);
        EXPECT_FALSE(IsWindowVisible(code())) << msg;
    }
    ShowWindow(code(), SW_SHOWNORMAL);
    EXPECT_EQ(hidden_flags[hidden_code], 0);
    EXPECT_TRUE(IsWindowVisible(code()));
}

}  // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1) echo_path = windows_program_path(argv[1]);
    return RUN_ALL_TESTS();
}
