// The analyser's Win32 host services against real windows: appends land at
// the end of an EDIT holding Japanese text wherever its caret is, the mark
// clear empties both lists, the word-attribute box appears on the main
// screen, developer lines go nowhere and a hard stop ends the process.
#include <windows.h>

#include "own_box.h"

#include <fcntl.h>
#include <io.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "analyser/anal_host.h"
#include "analyser/anal_main.h"
#include "shell/codeout.h"
#include "shell/marks.h"
#include "shell/screens.h"
#include "tests/win/test_window.h"

namespace {

class WinAnalHost : public ::testing::Test {
protected:
    void SetUp() override
    {
        w = make_test_window();
        code_out_hwnd = w.edit;
        hwndE = w.frame;
        code_mark_clear();
        highlight_clear();
    }
    void TearDown() override
    {
        code_out_hwnd = nullptr;
        hwndE = nullptr;
        destroy_test_window(w);
    }
    test_window w{};
};

// ---- window_text_append ----

struct append_case {
    const char *name;
    const char *before;
    int sel_start;  // selection set before the append, in the edit's units
    int sel_end;
    const char *added;
};

const append_case append_cases[] = {
    {"caret at the start", "漢字のテキスト\r\n二行目", 0, 0, "追加\r\n"},
    {"caret between two Japanese characters", "漢字のテキスト", 2, 2, "ソ表\\"},
    {"a selection in the middle is not replaced", "一覧の行\r\n次の行", 1, 4, "----- 3 件 -----\r\n"},
    {"everything selected", "全部選択", 0, -1, "末尾"},
    {"an empty edit", "", 0, 0, "[  0]→(キー)\r\n"},
};

TEST_F(WinAnalHost, AppendGoesToTheEndWhereverTheCaretIs)
{
    ASSERT_EQ(932u, GetACP());
    for (const append_case &c : append_cases) {
        SCOPED_TRACE(c.name);
        SetWindowTextA(w.edit, c.before);
        SendMessageA(w.edit, EM_SETSEL, static_cast<WPARAM>(c.sel_start), c.sel_end);
        EXPECT_EQ(0, window_text_append(w.edit, c.added));
        EXPECT_EQ(std::string(c.before) + c.added, window_text(w.edit));
    }
}

TEST_F(WinAnalHost, AppendsInARowKeepTheirOrder)
{
    SetWindowTextA(w.edit, "前の出力\r\n");
    SendMessageA(w.edit, EM_SETSEL, 0, 0);
    window_text_append(w.edit, "----- 1 件 -----\r\n");
    SendMessageA(w.edit, EM_SETSEL, 3, 3);
    window_text_append(w.edit, "関数@名\r\n");
    window_text_append(w.edit, "[  0]→(関数)\r\n");
    EXPECT_EQ("前の出力\r\n----- 1 件 -----\r\n関数@名\r\n[  0]→(関数)\r\n", window_text(w.edit));
}

// ---- clear_marks ----

TEST_F(WinAnalHost, ClearMarksEmptiesTheHighlightsAndTheCodeMarks)
{
    code_print("一行目\r\n");
    ASSERT_EQ(0, code_mark_add(2, 5, 1, code_out_length()));
    code_print("ブロック\r\n");
    code_mark_close();
    highlight_add(7);
    highlight_add(12);
    ASSERT_EQ(3, code_mark_count());
    ASSERT_EQ(2, highlight_num);

    EXPECT_EQ(0, clear_marks());
    EXPECT_EQ(0, code_mark_count());
    EXPECT_EQ(0, highlight_num);
    EXPECT_EQ("一行目\r\nブロック\r\n", window_text(w.edit));  // the output itself stays
}

TEST(WinHighlights, AFullListKeepsItsNodes)
{
    highlight_clear();
    for (int i = 0; i < highlight_cap; ++i) ASSERT_EQ(0, highlight_add(i));
    EXPECT_EQ(1, highlight_add(-5));
    EXPECT_EQ(highlight_cap, highlight_num);
    EXPECT_EQ(highlight_cap - 1, highlight_nodes[highlight_cap - 1]);
    highlight_clear();
}

// ---- wordattr_error ----

struct seen_box {
    bool found = false;
    HWND owner = nullptr;
    std::string text;
};
seen_box seen;

// Reads the open "TAVIR" box and presses its OK button; tries again on the
// next tick while the box is not open yet.
void CALLBACK read_and_close_box(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND box = own_box("TAVIR");
    if (box == nullptr) return;
    KillTimer(nullptr, id);
    char text[300] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    seen.found = true;
    seen.owner = GetWindow(box, GW_OWNER);
    seen.text = text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

struct wordattr_case {
    int code;
    const char *text;
};

const wordattr_case wordattr_cases[] = {
    {-1, "構文解析の属性定義(wordattr.dat)が見つかりません"},
    {0, "構文解析の属性定義(wordattr.dat)が見つかりません"},
    {501, "構文解析の属性定義(wordattr.dat)の数(501 > 500)が多過ぎます"},
    {1234, "構文解析の属性定義(wordattr.dat)の数(1234 > 500)が多過ぎます"},
};

TEST_F(WinAnalHost, WordAttributeErrorIsAWarningOnTheMainScreen)
{
    for (const wordattr_case &c : wordattr_cases) {
        SCOPED_TRACE(c.code);
        seen = seen_box();
        const UINT_PTR timer = SetTimer(nullptr, 0, 100, read_and_close_box);
        EXPECT_EQ(0, wordattr_error(c.code, 500));
        KillTimer(nullptr, timer);
        EXPECT_TRUE(seen.found);
        EXPECT_EQ(w.frame, seen.owner);
        EXPECT_EQ(c.text, seen.text);
    }
}

// ---- developer lines ----

// What the program writes on its standard output and error while fn runs.
template <typename Fn>
std::string console_output_of(Fn fn)
{
    const char *const name = "console.txt";
    fflush(stdout);
    fflush(stderr);
    const int out = _dup(1), err = _dup(2);
    const int file = _open(name, _O_CREAT | _O_TRUNC | _O_WRONLY | _O_BINARY, 0600);
    _dup2(file, 1);
    _dup2(file, 2);
    fn();
    fflush(stdout);
    fflush(stderr);
    _dup2(out, 1);
    _dup2(err, 2);
    _close(out);
    _close(err);
    _close(file);
    std::string text;
    if (FILE *fp = fopen(name, "rb")) {
        char buf[256];
        for (size_t n; (n = fread(buf, 1, sizeof buf, fp)) > 0;) text.append(buf, n);
        fclose(fp);
    }
    remove(name);
    return text;
}

TEST_F(WinAnalHost, DeveloperLinesAreDropped)
{
    const std::string printed = console_output_of([] {
        EXPECT_EQ(0, anal_dev_print("開発者行\n"));
        dev_printf("%s:%d\n", "abc.c", 12);
    });
    EXPECT_EQ("", printed);
    EXPECT_EQ("", window_text(w.edit));
}

// ---- the analyser in the program ----

// A run without files: the usage goes to the dropped developer lines, the
// highlights and the CODE marks of the last chart are emptied.
TEST_F(WinAnalHost, AnalyserRunWithoutFilesOnlyClearsTheMarks)
{
    highlight_add(3);
    code_print("前の出力\r\n");
    char name[] = "vokanal";
    char *argv[] = {name, nullptr};
    int result = -1;
    const std::string printed = console_output_of([&] { result = anal_main(1, argv); });
    EXPECT_EQ(0, result);
    EXPECT_EQ("", printed);
    EXPECT_EQ(0, highlight_num);
    EXPECT_EQ("前の出力\r\n", window_text(w.edit));
}

// ---- anal_exit ----

// The child writes to a file it never closes, then stops hard.
void stop_hard_after_writing(const char *name, int code)
{
    FILE *fp = fopen(name, "w");
    if (fp == nullptr) return;
    fputs("未完の出力\n", fp);
    anal_exit(code);
}

TEST(WinAnalExit, HardStopEndsTheProcessWithItsCodeAndFlushesOpenFiles)
{
    remove("hard_stop.txt");
    EXPECT_EXIT(stop_hard_after_writing("hard_stop.txt", 555), ::testing::ExitedWithCode(555), "");
    FILE *fp = fopen("hard_stop.txt", "r");
    ASSERT_NE(nullptr, fp);
    char line[100] = "";
    fgets(line, sizeof line, fp);
    fclose(fp);
    remove("hard_stop.txt");
    EXPECT_STREQ("未完の出力\n", line);
}

}  // namespace
