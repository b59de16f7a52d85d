// The three programs start and end under Windows: VOKTAVIR's main screen is
// created and closing it ends the program; PLX shows its window; vokrun runs.
#include <windows.h>

#include <gtest/gtest.h>

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

PROCESS_INFORMATION start(const std::string &path)
{
    std::string cmd = "\"" + windows_path(path) + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
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

TEST(Programs, VoktavirMainScreenClosesTheProgram)
{
    PROCESS_INFORMATION pi = start(program_path[0]);
    ASSERT_NE(nullptr, pi.hProcess);
    HWND screen = wait_for_window(pi.dwProcessId, "TAVIR");
    ASSERT_NE(nullptr, screen);
    char caption[128];
    GetWindowTextA(screen, caption, sizeof caption);
    EXPECT_STREQ("[TAVIR]Ornak.C言語作図ソフト", caption);
    EXPECT_NE(nullptr, wait_for_window(pi.dwProcessId, "MAIN"));
    PostMessageA(screen, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, wait_exit(pi));
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
