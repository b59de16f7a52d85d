// VOKTAVIR's main screen driven from outside with posted messages only: keys,
// system commands, clicks with their key words.  The probe reads captions,
// fields, lists and boxes, compares the files at close and saves bitmaps of
// the screen and the two dialogs into shots/ (scripts/test turns them into PNG).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/win/program_probe.h"

namespace {

std::string program;  // VOKTAVIR.exe
std::string samples;  // the sample project's folder

const char warning_text[] = "本機能は未サポートです";
const char first_caption[] = "[TAVIR]Ornak.C言語作図ソフト、ビュー１[V]";

// A started VOKTAVIR on a fresh home folder holding the sample files.
struct probe_run {
    std::string home;
    PROCESS_INFORMATION pi = {};
    HWND screen = nullptr;
};

std::string make_home(const char *name)
{
    char folder[MAX_PATH];
    GetCurrentDirectoryA(sizeof folder, folder);
    std::string home = std::string(folder) + "\\" + name;
    CreateDirectoryA(home.c_str(), nullptr);
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((home + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) DeleteFileA((home + "\\" + fd.cFileName).c_str());
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    const std::string from = windows_path(samples);
    h = FindFirstFileA((from + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                CopyFileA((from + "\\" + fd.cFileName).c_str(), (home + "\\" + fd.cFileName).c_str(), FALSE);
            }
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    return home;
}

bool launch(probe_run &r)
{
    r.pi = start(program, r.home.c_str());
    if (r.pi.hProcess == nullptr) return false;
    r.screen = wait_for_window(r.pi.dwProcessId, "TAVIR");
    return r.screen != nullptr && wait_for_caption(r.screen, first_caption).rfind("[TAVIR]", 0) == 0;
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

// Lets the program work through what was posted (a sent message returns
// once the messages before it are done).
void settle(HWND hwnd)
{
    DWORD_PTR ignored;
    SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, probe_wait_ms, &ignored);
}

// Saves what the screen shows of the window as a 24-bit bitmap file.
bool save_shot(HWND hwnd, const std::string &name)
{
    CreateDirectoryA("shots", nullptr);
    RECT r;
    if (!GetWindowRect(hwnd, &r)) return false;
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return false;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    SelectObject(mem, old);
    const DWORD stride = ((static_cast<DWORD>(w) * 3 + 3) & ~3u);
    const DWORD size = stride * static_cast<DWORD>(h);
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = fh.bfOffBits + size;
    bool ok = false;
    FILE *fp = fopen(("shots\\" + name + ".bmp").c_str(), "wb");
    if (fp != nullptr) {
        ok = fwrite(&fh, sizeof fh, 1, fp) == 1 && fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, fp) == 1 &&
             fwrite(bits, 1, size, fp) == size;
        ok = fclose(fp) == 0 && ok;
    }
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return ok;
}

class MainProbe : public ::testing::Test {
protected:
    probe_run run;
    HWND field(int id) { return GetDlgItem(run.screen, id); }
    void SetUp() override
    {
        run.home = make_home(::testing::UnitTest::GetInstance()->current_test_info()->name());
        ASSERT_TRUE(launch(run));
    }
    void TearDown() override
    {
        if (run.pi.hProcess != nullptr) {
            EXPECT_EQ(0u, close_run(run));
        }
    }
    std::string home_file(const char *name) { return file_text(run.home + "\\" + name); }
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

// Every command whose pieces are not delivered yet refuses with the same box.
TEST_F(MainProbe, WaitingCommandsAndKeysShowTheUnsupportedBox)
{
    for (UINT id : {54u, 55u, 64u, 65u, 70u, 71u, 87u}) {
        PostMessageA(run.screen, WM_SYSCOMMAND, id, 1);
        EXPECT_EQ(answer_box(run.screen, IDOK), warning_text) << "command " << id;
    }
    for (UINT vk : {static_cast<UINT>(VK_F7), static_cast<UINT>('E'),
                    static_cast<UINT>('H'), static_cast<UINT>('1'), static_cast<UINT>('L'), static_cast<UINT>('F')}) {
        PostMessageA(run.screen, WM_KEYUP, vk, 0);
        EXPECT_EQ(answer_box(run.screen, IDOK), warning_text) << "key " << vk;
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
    return RUN_ALL_TESTS();
}
