// The three programs start and end under Windows: VOKTAVIR's main screen is
// created and closing it ends the program; PLX shows its window; vokrun runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/win/program_probe.h"

namespace {

std::string program_path[3];  // VOKTAVIR, PLX, vokrun

TEST(Programs, AnsiCodePageIs932) { EXPECT_EQ(932u, GetACP()); }

std::string close_and_answer(HWND screen, int button)
{
    PostMessageA(screen, WM_CLOSE, 0, 0);
    return answer_box(screen, button);
}

const char backup_question[] =
    "プロジェクトのバックアップを取りますが、よろしいですか？\r\nvokdir.dat→vokdirBK.dat\r\n"
    "ostacks.dat→ostackBK.dat\r\nvstacks.dat→vstackBK.dat\r\npstacks.dat→pstackBK.dat\r\n"
    "begin.f→beginBK.f\r\n";

TEST(Programs, VoktavirStartsInAnEmptyFolderAndClosesThroughTheBackupQuestion)
{
    char folder[MAX_PATH];
    GetCurrentDirectoryA(sizeof folder, folder);
    lstrcatA(folder, "\\home");
    CreateDirectoryA(folder, nullptr);
    const std::string home = folder;
    for (const char *name : {"vokdir.dat", "ostacks.dat", "vstacks.dat", "pstacks.dat", "vokdirBK.dat", "ostackBK.dat",
                             "vstackBK.dat", "pstackBK.dat", "ostacks.BAK", "cstack.dat", "vokmemo.dat"}) {
        DeleteFileA((home + "\\" + name).c_str());
    }

    PROCESS_INFORMATION pi = start(program_path[0], folder);
    ASSERT_NE(nullptr, pi.hProcess);
    HWND screen = wait_for_window(pi.dwProcessId, "TAVIR");
    ASSERT_NE(nullptr, screen);
    // The caption gains the view once start-up has set it, after the window is made.
    EXPECT_EQ(wait_for_caption(screen, "[TAVIR]Ornak.C言語作図ソフト、ビュー１[V]"),
              "[TAVIR]Ornak.C言語作図ソフト、ビュー１[V]");
    EXPECT_NE(nullptr, wait_for_window(pi.dwProcessId, "MAIN"));
    for (const char *name : {"vokdir.dat", "ostacks.dat", "vstacks.dat", "pstacks.dat"}) {
        EXPECT_EQ(file_text(home + "\\" + name), "home\r\n") << name;
    }

    EXPECT_EQ(close_and_answer(screen, IDCANCEL), backup_question);
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 1000), static_cast<DWORD>(WAIT_TIMEOUT));  // still running
    EXPECT_EQ(close_and_answer(screen, IDNO), backup_question);
    EXPECT_EQ(0u, wait_exit(pi));
    EXPECT_EQ(file_text(home + "\\vokdirBK.dat"), "<none>");
    // The shutdown writes the target history (the old file kept as ".BAK"),
    // the common keys and the built-in memo.
    EXPECT_EQ(file_text(home + "\\ostacks.dat"), "home\r\n");
    EXPECT_EQ(file_text(home + "\\ostacks.BAK"), "home\r\n");
    EXPECT_EQ(file_text(home + "\\cstack.dat"), "");
    EXPECT_EQ(file_text(home + "\\vokmemo.dat").substr(0, 2), "\r\n");
    // The close writes the view's window places, one row a screen; a start
    // and close on them leaves them as they were.
    const std::string places = file_text(home + "\\vokwsize.dat");
    for (const char *name : {"TAVIR", "LIST", "FLOW", "CODE", "FORM", "RELATION", "PROPERTY"}) {
        EXPECT_NE(places.find(std::string("\t") + name), std::string::npos) << name << " in " << places;
    }

    pi = start(program_path[0], folder);
    ASSERT_NE(nullptr, pi.hProcess);
    screen = wait_for_window(pi.dwProcessId, "TAVIR");
    ASSERT_NE(nullptr, screen);
    EXPECT_EQ(close_and_answer(screen, IDYES), backup_question);
    EXPECT_EQ(0u, wait_exit(pi));
    EXPECT_EQ(file_text(home + "\\vokwsize.dat"), places);
    EXPECT_EQ(file_text(home + "\\vokdirBK.dat"), "home\r\n");
    EXPECT_EQ(file_text(home + "\\pstackBK.dat"), "home\r\n");

    // A longer backup is refused; deleting it leads back to the question.
    write_text(home + "\\vokdirBK.dat", "home\r\nold1\tx\r\nold2\ty\r\n");
    // The target history and the common keys edited between two runs are kept.
    write_text(home + "\\ostacks.dat", "home\tk1\tk2\r\n");
    write_text(home + "\\cstack.dat", "c1\r\nc2\r\n");
    pi = start(program_path[0], folder);
    ASSERT_NE(nullptr, pi.hProcess);
    screen = wait_for_window(pi.dwProcessId, "TAVIR");
    ASSERT_NE(nullptr, screen);
    EXPECT_EQ(close_and_answer(screen, IDYES), backup_question);
    EXPECT_EQ(answer_box(screen, IDOK),
              "現バックアップファイルの方(3)が現ファイル(1)より大きいのでバックアップ出来ません\r\n"
              "バックアップファイルを削除してから、バックアップして下さい\r\n"
              "現ﾊﾞｯｸｱｯﾌﾟ側にのみ(old1,old2)があります");
    EXPECT_EQ(answer_box(screen, IDYES), "現バックアップファイルを削除しますか？");
    EXPECT_EQ(answer_box(screen, IDNO), backup_question);
    EXPECT_EQ(0u, wait_exit(pi));
    EXPECT_EQ(file_text(home + "\\vokdirBK.dat"), "<none>");
    EXPECT_EQ(file_text(home + "\\ostacks.dat"), "home\tk1\tk2\r\n");
    EXPECT_EQ(file_text(home + "\\cstack.dat"), "c1\r\nc2\r\n");
}

TEST(Programs, PlxShowsItsWindow)
{
    PROCESS_INFORMATION pi = start(program_path[1]);
    ASSERT_NE(nullptr, pi.hProcess);
    HWND main = wait_for_window(pi.dwProcessId, "PLX_MAIN");
    ASSERT_NE(nullptr, main);
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, wait_exit(pi));
}

TEST(Programs, VokrunRuns)
{
    PROCESS_INFORMATION pi = start(program_path[2]);
    ASSERT_NE(nullptr, pi.hProcess);
    EXPECT_EQ(0u, wait_exit(pi));
}

}  // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc && i <= 3; ++i) program_path[i - 1] = argv[i];
    return RUN_ALL_TESTS();
}
