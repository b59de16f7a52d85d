// The probe of the generated sample application (tests/generators/
// win32_check.py passes the program's path and its folder): the windows,
// controls, font, subclassing, system menu, handler calls, background and
// the end through FIN, checked against tables while the program runs.
// With a third argument "work" (tests/generators/work_check.py) it probes
// the program of the sample WORK source instead: its windows, captions and
// controls, and the system-menu items its filled regions log; "work-filled"
// expects that log.
// Before the end it asks the script for a screenshot: it creates
// "shot.req" in the folder and waits for "shot.done".
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/win/program_probe.h"

namespace {

std::string program;  // the sample application
std::string folder;   // its working folder, where it writes its log
PROCESS_INFORMATION proc = {};
HWND main_window, sub_window;

const int wait_steps = 300;  // 100 ms each: how long a window or a log line may take

// A window of the sample application's class.
HWND sample_window(const char *cls) { return wait_for_window(proc.dwProcessId, cls); }

std::string log_text()
{
    std::ifstream in(windows_path(folder + "/win32_sample.log"), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    std::string text;
    for (char c : s.str()) {
        if (c != '\r') text += c;
    }
    return text;
}

// True once the log holds the line.
bool logged(const std::string &line)
{
    for (int i = 0; i < wait_steps; ++i) {
        if (log_text().find(line + "\n") != std::string::npos) return true;
        Sleep(100);
    }
    return false;
}

std::string text_of(HWND hwnd)
{
    char buf[256] = "";
    SendMessageA(hwnd, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf));
    return buf;
}

struct control_row {
    int id;
    const char *cls;
    const char *text;
    int x, y, w, h;
    bool exact_height;  // list and combo boxes round their height
};

const control_row controls[] = {
    {0, "Button", "了解", 10, 10, 80, 30, true},
    {1, "Edit", "山田 太郎", 10, 50, 160, 24, true},
    {2, "Static", "表示", 180, 50, 80, 24, true},
    {3, "ListBox", "", 10, 84, 120, 76, false},
    {4, "ComboBox", "", 140, 84, 120, 116, false},
    {5, "ScrollBar", "", 270, 10, 20, 150, true},
    {6, "Button", "セル", 10, 210, 40, 24, true},
    {8, "Button", "セル", 96, 210, 40, 24, true},
    {11, "Button", "セル", 96, 237, 40, 24, true},
    {12, "Button", "終了", 100, 10, 80, 30, true},
};

class Generated : public ::testing::Test {};

bool work_filled;  // the WORK program's regions are filled: they log the system menu

// Asks the script for a screenshot and waits until it is taken.
void request_shot()
{
    const std::string req = windows_path(folder + "/shot.req"), done = windows_path(folder + "/shot.done");
    fclose(fopen(req.c_str(), "w"));
    for (int i = 0; i < wait_steps && GetFileAttributesA(done.c_str()) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(100);
}

// The controls of a window: class, text, id and rectangle.
void expect_controls(HWND window)
{
    for (const control_row &c : controls) {
        SCOPED_TRACE(c.id);
        HWND h = GetDlgItem(window, c.id);
        ASSERT_NE(nullptr, h);
        char cls[64];
        GetClassNameA(h, cls, sizeof cls);
        EXPECT_EQ(0, lstrcmpiA(cls, c.cls)) << cls;
        if (lstrcmpiA(c.cls, "ComboBox") != 0) {
            EXPECT_EQ(c.text, text_of(h));
        }
        RECT r;
        GetWindowRect(h, &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT *>(&r), 2);
        EXPECT_EQ(c.x, r.left);
        EXPECT_EQ(c.y, r.top);
        EXPECT_EQ(c.w, r.right - r.left);
        if (c.exact_height) {
            EXPECT_EQ(c.h, r.bottom - r.top);
        }
    }
}

TEST_F(Generated, TheWorkProgramRuns)
{
    std::string cmd = "\"" + windows_path(program) + "\"";
    const std::string dir = windows_path(folder);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    ASSERT_TRUE(CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &proc));
    main_window = sample_window("swin1");
    sub_window = sample_window("swin2");
    ASSERT_NE(nullptr, main_window);
    ASSERT_NE(nullptr, sub_window);
    EXPECT_EQ("メイン画面", text_of(main_window));
    EXPECT_EQ("サブ画面", text_of(sub_window));
    EXPECT_TRUE(IsWindowVisible(main_window));
    EXPECT_TRUE(IsWindowVisible(sub_window));
    EXPECT_EQ(main_window, GetWindow(sub_window, GW_OWNER));
    EXPECT_EQ("閉じる", text_of(GetDlgItem(sub_window, 0)));
    EXPECT_EQ("メモ", text_of(GetDlgItem(sub_window, 1)));
    expect_controls(main_window);
    if (work_filled) {
        // The filled after region logs the system menu's last items: the
        // two appended items with their ids, the separator between them,
        // and the second item grayed.
        for (const char *line : {"menu 0 開く(&O)", "menu 0 ", "menu 1 保存(&S)", "gray 1"}) {
            EXPECT_TRUE(logged(line)) << line;
        }
    }
    request_shot();
    PostMessageA(main_window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(proc.hProcess, 30000));
    DWORD code = 12345;
    GetExitCodeProcess(proc.hProcess, &code);
    EXPECT_EQ(0u, code);
    CloseHandle(proc.hThread);
    CloseHandle(proc.hProcess);
}

TEST_F(Generated, TheSampleApplicationRuns)
{
    std::string cmd = "\"" + windows_path(program) + "\"";
    const std::string dir = windows_path(folder);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    ASSERT_TRUE(CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &proc));
    main_window = sample_window("swin1");
    sub_window = sample_window("swin2");
    ASSERT_NE(nullptr, main_window);
    ASSERT_NE(nullptr, sub_window);
    EXPECT_TRUE(logged("p_init 0 I"));
    EXPECT_TRUE(logged("p_before S"));

    // Windows: captions as cp932 bytes, visibility, ownership.
    EXPECT_EQ("メイン画面", text_of(main_window));
    EXPECT_EQ("サブ画面", text_of(sub_window));
    EXPECT_TRUE(IsWindowVisible(main_window));
    EXPECT_TRUE(IsWindowVisible(sub_window));
    EXPECT_EQ(main_window, GetWindow(sub_window, GW_OWNER));
    EXPECT_EQ(nullptr, GetWindow(main_window, GW_OWNER));
    EXPECT_EQ("閉じる", text_of(GetDlgItem(sub_window, 0)));

    // Controls: class, text, id and rectangle.
    expect_controls(main_window);

    // What the stubs saw inside the program (other processes cannot ask
    // Wine for them): the FONT box's control has the font, the TABSTOP
    // boxes' controls are subclassed, the system menu has its items, ids,
    // separator and states.
    for (const char *line : {"font 0 0", "font 1 1", "font 2 0", "subclassed 0 1", "subclassed 1 1", "subclassed 2 0",
                             "menu -3 1 8 開く(&O)", "menu -2 0 2049 ", "menu -1 4 1 保存(&S)"}) {
        EXPECT_TRUE(logged(line)) << line;
    }
    const std::string log = log_text();
    const size_t at = log.find("menu handle ");
    ASSERT_NE(std::string::npos, at);
    const unsigned long menu = strtoul(log.c_str() + at + 12, nullptr, 10);

    // Handler calls reach the stubs with their arguments.
    SendMessageA(GetDlgItem(main_window, 0), BM_CLICK, 0, 0);
    EXPECT_TRUE(logged("on_ok 273 0 0"));
    // WM_INITMENU deletes SC_CLOSE before the item's two procedures run.
    SendMessageA(main_window, WM_INITMENU, static_cast<WPARAM>(menu), 0);
    SendMessageA(main_window, WM_SYSCOMMAND, 1, 0);
    EXPECT_TRUE(logged("do_open 274 1 0"));
    EXPECT_TRUE(logged("do_log 274 1 0"));
    EXPECT_TRUE(logged("sc_close -1"));
    SetWindowTextA(GetDlgItem(main_window, 1), "x");
    EXPECT_TRUE(logged("on_change 273 1 768"));
    SendMessageA(GetDlgItem(main_window, 8), BM_CLICK, 0, 0);
    EXPECT_TRUE(logged("on_cell 273 8 0 3 2"));

    // The background brush (GRAY_BRUSH) away from the controls.
    HDC dc = GetDC(main_window);
    const COLORREF pixel = GetPixel(dc, 350, 120);
    ReleaseDC(main_window, dc);
    printf("background pixel at (350, 120): %06lx\n", static_cast<unsigned long>(pixel));
    EXPECT_EQ(RGB(128, 128, 128), pixel);

    // The screenshot while the windows are up.
    request_shot();

    // The FIN button ends the program after the AFTER procedure.
    PostMessageA(GetDlgItem(main_window, 12), BM_CLICK, 0, 0);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(proc.hProcess, 30000));
    DWORD code = 12345;
    GetExitCodeProcess(proc.hProcess, &code);
    EXPECT_EQ(0u, code);
    EXPECT_TRUE(logged("on_quit 273 12 0"));
    EXPECT_TRUE(logged("p_after E"));
    const std::string text = log_text();
    EXPECT_LT(text.find("on_quit"), text.find("p_after E"));
    CloseHandle(proc.hThread);
    CloseHandle(proc.hProcess);
}

}  // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 3) {
        fprintf(stderr, "usage: win_generated_probe PROGRAM FOLDER\n");
        return 2;
    }
    program = argv[1];
    folder = argv[2];
    const std::string mode = argc > 3 ? argv[3] : "";
    work_filled = mode == "work-filled";
    ::testing::GTEST_FLAG(filter) =
        mode.compare(0, 4, "work") == 0 ? "Generated.TheWorkProgramRuns" : "Generated.TheSampleApplicationRuns";
    return RUN_ALL_TESTS();
}
