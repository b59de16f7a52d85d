// msg_box with real MessageBoxA: a second plain box asked while the first is
// open is refused (beep and a CODE line), a Yes/No question is shown on top.
// Timers close the boxes from inside their modal loops.
#include <windows.h>

#include "own_box.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/codeout.h"
#include "shell/msgbox.h"
#include "shell/screens.h"
#include "tests/win/test_window.h"

namespace {

struct box_run {
    HWND owner = nullptr;
    int inner_answer = -1;
    int depth_seen = -1;
};
box_run run;

// Presses a button of the open box with this caption; true when found.
bool press(const char *caption, int button)
{
    HWND box = own_box(caption);
    if (box == nullptr) return false;
    PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
    return true;
}

void CALLBACK ask_plain_then_close(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    run.depth_seen = msgbox_depth;
    run.inner_answer = msg_box(run.owner, "二つ目の箱", "二つ目", MB_ICONHAND);
    press("一つ目", IDOK);
}

void CALLBACK answer_question(HWND, UINT, UINT_PTR id, DWORD)
{
    if (!press("質問", IDNO)) return;  // not open yet: the next tick tries again
    KillTimer(nullptr, id);
    run.depth_seen = msgbox_depth;
}

void CALLBACK ask_question_then_close(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    SetTimer(nullptr, 0, 100, answer_question);
    run.inner_answer = msg_box(run.owner, "続けますか", "質問", MB_YESNO | MB_ICONQUESTION);
    press("一つ目", IDOK);
}

class WinMsgBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        w = make_test_window();
        code_out_hwnd = w.edit;
        code_mark_clear();
        run = box_run();
        run.owner = w.frame;
    }
    void TearDown() override
    {
        code_out_hwnd = nullptr;
        destroy_test_window(w);
    }
    test_window w{};
};

TEST_F(WinMsgBox, SecondPlainBoxIsRefusedWhileTheFirstIsOpen)
{
    SetTimer(nullptr, 0, 200, ask_plain_then_close);
    EXPECT_EQ(IDOK, msg_box(w.frame, "最初の箱", "一つ目", MB_ICONHAND));
    EXPECT_EQ(1, run.depth_seen);
    EXPECT_EQ(IDOK, run.inner_answer);
    EXPECT_EQ(0, msgbox_depth);
    EXPECT_EQ("★二つ目の箱\r\n", window_text(w.edit));
}

TEST_F(WinMsgBox, YesNoQuestionIsShownOnTop)
{
    SetTimer(nullptr, 0, 200, ask_question_then_close);
    EXPECT_EQ(IDOK, msg_box(w.frame, "最初の箱", "一つ目", MB_ICONHAND));
    EXPECT_EQ(2, run.depth_seen);
    EXPECT_EQ(IDNO, run.inner_answer);
    EXPECT_EQ(0, msgbox_depth);
    EXPECT_EQ("", window_text(w.edit));
}

}  // namespace
