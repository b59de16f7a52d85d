// The CODE screen in-process by real messages: the button row with and
// without the bars, the font keys at their limits, Insert through the real
// clipboard with the user's text put back, the memo commands, the save of
// menu 4 (refused for a partial file, answered from a timer), the output's
// subclass forwarding keys, the editor started from a selection, F10 on a
// built tree (extract, then the whole tree again), and the function's first
// line painted into a memory device context.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "analyser/calls.h"
#include "analyser/startup_tables.h"
#include "forms/model.h"
#include "forms/multi_cur.h"
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
std::string echo_path;  // the echo program standing in for the editor

void CALLBACK press_ok(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = FindWindowA("#32770", nullptr);
    if (box == nullptr) return;
    HWND text = GetDlgItem(box, 0xFFFF);
    char buf[500] = "";
    if (text != nullptr) GetWindowTextA(text, buf, sizeof buf);
    box_texts += std::string(buf) + "|";
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
        code_font_size = 99;  // unchecked at start-up: the creation makes it 16
        create_main_font();
        ASSERT_EQ(register_classes(instance), 0);
        ASSERT_EQ(create_windows(instance), 0);
        SetWindowPos(code(), nullptr, 0, 0, 600, 400, SWP_NOZORDER | SWP_NOACTIVATE);
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
    buttons_shown = bars_shown;
    EXPECT_EQ(SendMessageA(out(), EM_GETLIMITTEXT, 0, 0), 500000);
}

TEST_F(code_screen, FontKeysStopAtTheirLimits)
{
    auto height = [] {
        LOGFONTA lf{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(out(), WM_GETFONT, 0, 0)), sizeof lf, &lf);
        return static_cast<int>(lf.lfHeight);
    };
    code_font_size = 17;
    SendMessageA(code(), WM_KEYUP, VK_UP, extended);
    EXPECT_EQ(code_font_size, 18);
    EXPECT_EQ(height(), -18);
    SendMessageA(code(), WM_KEYUP, VK_UP, extended);
    EXPECT_EQ(code_font_size, 18);
    code_font_size = 11;
    SendMessageA(code(), WM_KEYUP, VK_DOWN, extended);
    SendMessageA(code(), WM_KEYUP, VK_DOWN, extended);
    EXPECT_EQ(code_font_size, 10);
    EXPECT_EQ(height(), -10);
    SendMessageA(code(), WM_COMMAND, 26, 0);  // the "↓" button
    EXPECT_EQ(code_font_size, 10);
    SendMessageA(code(), WM_COMMAND, 25, 0);
    EXPECT_EQ(code_font_size, 11);
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
    KillTimer(nullptr, timer);
}

TEST_F(code_screen, SubclassForwardsKeys)
{
    SetWindowTextA(out(), "some text");
    SendMessageA(out(), WM_KEYUP, VK_DELETE, extended);
    pump();
    EXPECT_EQ(window_text(out()), "");
    // F10 as a system key: the down is swallowed, the up reaches CODE as a
    // key-up; without a usable selection CODE says so (answered by the timer).
    box_texts.clear();
    UINT_PTR timer = SetTimer(nullptr, 0, 50, press_ok);
    select_text("no reference here", 0, 5);
    EXPECT_EQ(SendMessageA(out(), WM_SYSKEYDOWN, VK_F10, 0), 0);
    SendMessageA(out(), WM_SYSKEYUP, VK_F10, 0);
    pump();
    KillTimer(nullptr, timer);
    EXPECT_EQ(box_texts, "ファイル名又は行番号が正しく取り出せません|");
    ShowWindow(code(), SW_SHOWNORMAL);
    SetFocus(out());
    SendMessageA(out(), WM_KEYUP, VK_TAB, 0);
    pump();
    EXPECT_EQ(GetFocus(), hw(hwndL));
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
    FILE *fp = fopen("a.c", "w");
    fputs("int leaf(int x) { return x; }\n"
          "int mid(int x) { return leaf(x); }\n"
          "int other(void) { return 1; }\n"
          "int main(void) { return mid(1) + other(); }\n", fp);
    fclose(fp);
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
    SendMessageA(code(), WM_KEYUP, VK_F10, 0);
    EXPECT_EQ(tree_view_flag, 0);
    EXPECT_EQ(form_num - form_sta, boxes);
    EXPECT_EQ(l_num - l_sta, links);
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

}  // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1) echo_path = windows_program_path(argv[1]);
    return RUN_ALL_TESTS();
}
