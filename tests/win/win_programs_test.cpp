// The three programs start and end under Windows: VOKTAVIR's main screen is
// created and closing it ends the program; PLX shows its window; vokrun runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string program_path[3];  // VOKTAVIR, PLX, vokrun

// A path given by the test runner ("/..." on the host) as a Windows path.
std::string windows_path(const std::string &p)
{
    std::string w = p[0] == '/' ? "Z:" + p : p;
    for (char &c : w) {
        if (c == '/') c = '\\';
    }
    return w;
}

struct found_window {
    DWORD pid;
    const char *cls;
    HWND hwnd;
};

BOOL CALLBACK match_window(HWND hwnd, LPARAM lp)
{
    auto *f = reinterpret_cast<found_window *>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char cls[64];
    GetClassNameA(hwnd, cls, sizeof cls);
    if (pid == f->pid && lstrcmpA(cls, f->cls) == 0) {
        f->hwnd = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND wait_for_window(DWORD pid, const char *cls)
{
    found_window f = {pid, cls, nullptr};
    for (int i = 0; i < 300 && f.hwnd == nullptr; ++i) {
        EnumWindows(match_window, reinterpret_cast<LPARAM>(&f));
        if (f.hwnd == nullptr) Sleep(100);
    }
    return f.hwnd;
}

// The caption once start-up has set it (the window exists a moment before).
std::string settled_caption(HWND hwnd, const char *part)
{
    char caption[128] = "";
    for (int i = 0; i < 50; ++i) {
        GetWindowTextA(hwnd, caption, sizeof caption);
        if (strstr(caption, part) != nullptr) break;
        Sleep(100);
    }
    return caption;
}

PROCESS_INFORMATION start(const std::string &path, const char *folder = nullptr)
{
    std::string cmd = "\"" + windows_path(path) + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, folder, &si, &pi)) {
        pi.hProcess = nullptr;
    }
    return pi;
}

DWORD wait_exit(const PROCESS_INFORMATION &pi)
{
    DWORD code = 12345;
    if (WaitForSingleObject(pi.hProcess, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

TEST(Programs, AnsiCodePageIs932) { EXPECT_EQ(932u, GetACP()); }

BOOL CALLBACK match_box(HWND hwnd, LPARAM lp)
{
    auto *f = reinterpret_cast<found_window *>(lp);
    char cls[64];
    GetClassNameA(hwnd, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") == 0 && GetWindow(hwnd, GW_OWNER) == f->hwnd && IsWindowVisible(hwnd)) {
        f->pid = 0;
        f->hwnd = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The longest text of the box's static controls: the message.
BOOL CALLBACK longest_static(HWND hwnd, LPARAM lp)
{
    auto *text = reinterpret_cast<std::string *>(lp);
    char cls[64];
    GetClassNameA(hwnd, cls, sizeof cls);
    char buf[1024] = "";
    GetWindowTextA(hwnd, buf, sizeof buf);
    if (lstrcmpiA(cls, "Static") == 0 && lstrlenA(buf) > static_cast<int>(text->size())) *text = buf;
    return TRUE;
}

// Answers the next box that the main screen owns with the button; returns
// the box's text.
std::string answer_box(HWND screen, int button)
{
    found_window f = {1, "#32770", screen};
    for (int i = 0; i < 100 && f.pid != 0; ++i) {
        f.hwnd = screen;
        EnumWindows(match_box, reinterpret_cast<LPARAM>(&f));
        if (f.pid != 0) Sleep(100);
    }
    if (f.pid != 0) return "<no box>";
    std::string text;
    EnumChildWindows(f.hwnd, longest_static, reinterpret_cast<LPARAM>(&text));
    PostMessageA(f.hwnd, WM_COMMAND, static_cast<WPARAM>(button), 0);
    for (int i = 0; i < 50 && IsWindow(f.hwnd); ++i) Sleep(100);
    return text;
}

std::string close_and_answer(HWND screen, int button)
{
    PostMessageA(screen, WM_CLOSE, 0, 0);
    return answer_box(screen, button);
}

void write_text(const std::string &path, const char *text)
{
    FILE *fp = fopen(path.c_str(), "wb");
    if (fp == nullptr) return;
    fputs(text, fp);
    fclose(fp);
}

std::string file_text(const std::string &path)
{
    FILE *fp = fopen(path.c_str(), "rb");
    if (fp == nullptr) return "<none>";
    std::string text;
    int c;
    while ((c = fgetc(fp)) != EOF) text += static_cast<char>(c);
    fclose(fp);
    return text;
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
    EXPECT_EQ("[TAVIR]Ornak.C言語作図ソフト、ビュー１[V]", settled_caption(screen, "ビュー"));
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

    pi = start(program_path[0], folder);
    ASSERT_NE(nullptr, pi.hProcess);
    screen = wait_for_window(pi.dwProcessId, "TAVIR");
    ASSERT_NE(nullptr, screen);
    EXPECT_EQ(close_and_answer(screen, IDYES), backup_question);
    EXPECT_EQ(0u, wait_exit(pi));
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
