// VOKTAVIR's FORM screen driven from outside by posted messages on a fresh
// home holding the samples: a form built, linked, moved, pasted and undone
// saves to the expected file and reloads to the same bytes; Delete asks its
// questions, F11 takes a move back, a UNION box opens its sub-form and a
// right double-click comes back; refusals show their texts; the sample form
// is shot in both modes, with a current box and an armed paste, into shots/
// (scripts/test turns them into PNG).  Arguments: VOKTAVIR.exe, the samples
// folder, then the folder of the expected files.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/win/program_probe.h"

namespace {

std::string program;
std::string samples;
std::string fixtures;

std::string text_of(HWND hwnd)
{
    char text[1000] = "";
    SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

void set_text(HWND hwnd, const char *text) { SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)); }

std::string without_cr(const std::string &s)
{
    std::string out;
    for (const char c : s)
        if (c != '\r') out += c;
    return out;
}

// The colour the screen shows at a point of the window's client area.
COLORREF pixel(HWND hwnd, int x, int y)
{
    POINT p = {x, y};
    ClientToScreen(hwnd, &p);
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return c;
}

// VOKTAVIR started on a home holding every sample file, the sample form
// opened on the FORM screen through the category field and command 11.
class FormProbe : public ::testing::Test {
protected:
    std::string home;
    PROCESS_INFORMATION pi = {};
    HWND screen = nullptr, form = nullptr, form_name = nullptr;

    void SetUp() override
    {
        home = make_home(::testing::UnitTest::GetInstance()->current_test_info()->name(), samples);

        pi = start(program, home.c_str());
        ASSERT_NE(nullptr, pi.hProcess);
        screen = wait_for_window(pi.dwProcessId, "TAVIR");
        ASSERT_NE(nullptr, screen);
        ASSERT_EQ(0u, wait_for_caption(screen, "[TAVIR]Ornak.C言語作図ソフト、ビュー１[V]").rfind("[TAVIR]", 0));
        form = wait_for_window(pi.dwProcessId, "FORM");
        ASSERT_NE(nullptr, form);
        form_name = GetDlgItem(form, 1);
        open_form("sample.f");
        ASSERT_EQ("sample.f", text_of(form_name));
        ASSERT_TRUE(IsWindowVisible(form));
    }

    void TearDown() override
    {
        if (pi.hProcess == nullptr) return;
        PostMessageA(screen, WM_CLOSE, 0, 0);
        answer_box(screen, IDNO);  // the backup question
        EXPECT_EQ(0u, wait_exit(pi));
    }

    void open_form(const char *name)
    {
        set_text(GetDlgItem(screen, 0), name);
        PostMessageA(screen, WM_COMMAND, 11, 0);
        settle(screen);
    }

    std::string mode_text() { return text_of(GetDlgItem(screen, 8)); }
    void mode_button()
    {
        PostMessageA(screen, WM_COMMAND, 8, 0);
        settle(screen);
    }

    void post(UINT msg, WPARAM keys, int x, int y) { PostMessageA(form, msg, keys, MAKELPARAM(x, y)); }
    void key(unsigned vk, LPARAM lparam = 0)
    {
        PostMessageA(form, WM_KEYUP, vk, lparam);
        settle(form);
    }
    // A gesture of one button from (x0, y0) to (x1, y1).
    void drag(UINT down, WPARAM keys, int x0, int y0, int x1, int y1)
    {
        post(down, keys, x0, y0);
        post(WM_MOUSEMOVE, keys, x1, y1);
        post(down + 1, 0, x1, y1);
        settle(form);
    }
    void click(int x, int y, WPARAM keys = MK_LBUTTON) { drag(WM_LBUTTONDOWN, keys, x, y, x, y); }

    // Saves the form under name through system command 4, the question
    // answered OK; the file's text with CR LF made LF.
    std::string save_as(const char *name)
    {
        set_text(form_name, name);
        PostMessageA(form, WM_SYSCOMMAND, 4, 0);
        EXPECT_EQ(std::string("ファィル(") + name + ")を保存します、よろしいですか？", answer_box(form, IDOK));
        settle(form);
        return without_cr(file_text(home + "\\" + name));
    }
};

TEST_F(FormProbe, BuiltLinkedMovedPastedUndoneSavesTheExpectedFile)
{
    PostMessageA(form, WM_SYSCOMMAND, 11, 0);  // an empty form
    settle(form);
    EXPECT_EQ("", text_of(form_name));
    ASSERT_EQ("関連", mode_text()) << "the mode a start shows";
    mode_button();
    ASSERT_EQ("生成", mode_text());

    drag(WM_RBUTTONDOWN, MK_RBUTTON, 40, 40, 140, 80);    // box 0
    drag(WM_RBUTTONDOWN, MK_RBUTTON, 300, 40, 400, 100);  // box 1
    drag(WM_RBUTTONDOWN, MK_RBUTTON, 40, 200, 140, 240);  // box 2
    // Shift makes this right drag a 関連 one, which creates nothing; the
    // mode button shows the swap while the gesture lasts.
    post(WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, 500, 200);
    settle(form);
    EXPECT_EQ("関連", mode_text());
    post(WM_MOUSEMOVE, MK_RBUTTON | MK_SHIFT, 600, 260);
    post(WM_RBUTTONUP, 0, 600, 260);
    settle(form);
    EXPECT_EQ("生成", mode_text());

    // In 関連 mode a left drag from box 0 to box 1 links them under the target field's name.
    mode_button();
    ASSERT_EQ("関連", mode_text());
    set_text(GetDlgItem(screen, 104), "call");
    drag(WM_LBUTTONDOWN, MK_LBUTTON, 90, 60, 350, 60);
    mode_button();
    ASSERT_EQ("生成", mode_text());

    drag(WM_LBUTTONDOWN, MK_LBUTTON, 350, 60, 370, 90);  // box 1 moves by (20, 30)

    // Box 2 current, copied (F1) and pasted twice; F11 takes the second paste back.
    click(90, 220);
    for (const int x : {300, 460}) {
        key(VK_F1);
        click(x, 300);
    }
    key(VK_F11);

    const std::string saved = save_as("built.f");
    EXPECT_EQ(file_text(windows_path(fixtures) + "\\form_probe_built.f"), saved);

    // Read back through the main screen, the form saves to the same bytes.
    open_form("built.f");
    ASSERT_EQ("built.f", text_of(form_name));
    EXPECT_EQ(saved, save_as("again.f"));
}

// The sample form on the screen in both modes, with a current box and with
// an armed paste; the shots are checked at the places the Parts name.
TEST_F(FormProbe, ShotsOfTheSampleForm)
{
    SetWindowPos(form, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    settle(form);
    Sleep(500);
    const COLORREF blue = RGB(0, 0, 255), red = RGB(255, 0, 0), magenta = RGB(255, 0, 255);
    ASSERT_EQ("関連", mode_text());
    EXPECT_EQ(blue, pixel(form, 190, 62)) << "the top edge of read_data";
    EXPECT_TRUE(save_shot(form, "form_relation"));

    click(190, 72);  // read_data becomes current
    Sleep(500);
    EXPECT_EQ(red, pixel(form, 190, 62));
    EXPECT_EQ(blue, pixel(form, 190, 102)) << "report stays blue";
    EXPECT_TRUE(save_shot(form, "form_current"));

    mode_button();
    ASSERT_EQ("生成", mode_text());
    Sleep(500);
    EXPECT_EQ(red, pixel(form, 190, 62)) << "read_data stays current";
    EXPECT_EQ(RGB(255, 255, 255), pixel(form, 1, 100));
    EXPECT_TRUE(save_shot(form, "form_generate"));

    key(VK_F1);
    Sleep(500);
    EXPECT_EQ(magenta, pixel(form, 1, 100)) << "the armed paste frames the client area";
    EXPECT_TRUE(save_shot(form, "form_paste"));
}

// Delete asks about the current box and, for a linked one, about the links
// too; F11 takes a move back and a second F11 makes it again.  The saves
// show what each step left.
TEST_F(FormProbe, DeleteAndUndoOnTheSampleForm)
{
    const LPARAM extended = 0x01000000;  // the Delete key of the editing block, not the keypad's
    PostMessageA(form, WM_KEYUP, VK_DELETE, extended);
    EXPECT_EQ("カレント矩形が有りません", answer_box(form, IDOK));
    mode_button();
    ASSERT_EQ("生成", mode_text());
    const std::string before = save_as("before.f");
    ASSERT_NE(std::string::npos, before.find("STRING"));

    drag(WM_LBUTTONDOWN, MK_LBUTTON, 375, 72, 375, 200);  // table moves down, then back
    key(VK_F11);
    EXPECT_EQ(before, save_as("undone.f"));
    drag(WM_LBUTTONDOWN, MK_LBUTTON, 375, 72, 375, 200);  // moved, taken back, made again
    key(VK_F11);
    key(VK_F11);
    const std::string moved = save_as("moved.f");
    EXPECT_NE(std::string::npos, moved.find("     330\t 190\t 420\t 210\tBOX       \ttable     \n")) << moved;

    click(530, 32);  // the STRING box, linked from table
    PostMessageA(form, WM_KEYUP, VK_DELETE, extended);
    EXPECT_EQ("カレントの矩形を削除をしますか？", answer_box(form, IDOK));
    EXPECT_EQ("関係も含めて強制削除をしますか？", answer_box(form, IDCANCEL));
    settle(form);
    EXPECT_EQ(moved, save_as("kept.f")) << "the linked box stays when the second question is cancelled";

    PostMessageA(form, WM_KEYUP, VK_DELETE, extended);
    EXPECT_EQ("カレントの矩形を削除をしますか？", answer_box(form, IDOK));
    EXPECT_EQ("関係も含めて強制削除をしますか？", answer_box(form, IDOK));
    settle(form);
    const std::string deleted = save_as("deleted.f");
    EXPECT_EQ(std::string::npos, deleted.find("STRING")) << deleted;
    EXPECT_EQ(std::string::npos, deleted.find("to_right_arrow")) << deleted;
    EXPECT_NE(std::string::npos, deleted.find("under_pos")) << deleted;
}

// A 関連 double-click on a UNION box opens the form its field 0 names; a
// right double-click on an empty place comes back, the parent unchanged.
TEST_F(FormProbe, UnionOpensItsSubFormAndTheRightDoubleClickReturns)
{
    write_text(home + "\\sub.f",
               "#F2    x\t   y\tendx\tendy\tclass     \tname      \r\n"
               "      10\t  10\t  60\t  40\t?         \t          \r\n"
               "#L2 from\t  to\tname      \r\n#P1       \r\n\r\n");
    write_text(home + "\\parent.f",
               "#F2    x\t   y\tendx\tendy\tclass     \tname      \r\n"
               "     100\t  40\t 200\t  80\tUNION     \t          \r\n"
               "#L2 from\t  to\tname      \r\n#P1       \r\nsub.f\r\n");
    open_form("parent.f");
    ASSERT_EQ("parent.f", text_of(form_name));
    ASSERT_EQ("関連", mode_text());
    const std::string before = save_as("parent.f");

    click(150, 60);
    post(WM_LBUTTONDBLCLK, MK_LBUTTON, 150, 60);
    post(WM_LBUTTONUP, 0, 150, 60);
    settle(form);
    EXPECT_EQ("sub.f", text_of(form_name));

    post(WM_RBUTTONDBLCLK, MK_RBUTTON, 500, 120);
    settle(form);
    EXPECT_EQ("parent.f", text_of(form_name));
    EXPECT_EQ(before, save_as("parent.f"));
}

// What the FORM screen refuses, each with its box; the form stays as it was.
TEST_F(FormProbe, RefusalsShowTheirTexts)
{
    const std::string before = save_as("before.f");
    struct refusal_case {
        const char *name;
        UINT msg;
        WPARAM wparam;
        LPARAM lparam;
        const char *text;
    };
    const refusal_case cases[] = {
        {"F12", WM_KEYUP, VK_F12, 0, "本機能は未サポートです"},
        {"Space asks before the duplicate list", WM_KEYUP, VK_SPACE, 0,
         "ﾌｫｰﾑ画面に関数ツリー(ftree.f)を表示している場合、\r\n重複関数や重複ヘッダファイルを抽出します、\r\n"
         "クラスの場合、膨大な量出ることもありますが、出力しますか？"},
        {"F1 without a current box", WM_KEYUP, VK_F1, 0, "カレント矩形が有りません"},
        {"generation without a name", WM_SYSCOMMAND, 5, 0, "ソースを生成するフォーム名を入れてください"},
        {"right double-click on a box in 生成", WM_RBUTTONDBLCLK, MK_RBUTTON, MAKELPARAM(190, 72), "モードが違います"},
        {"split without a name", WM_SYSCOMMAND, 59, 0, "今は分割が出来ない状況です(現FORM名が存在しない)"},
        {"save without a name", WM_SYSCOMMAND, 4, 0, "保存するファイル名を入れてください"},
    };
    mode_button();
    ASSERT_EQ("生成", mode_text());
    for (const refusal_case &c : cases) {
        if (c.msg == WM_SYSCOMMAND) set_text(form_name, "");
        PostMessageA(form, c.msg, c.wparam, c.lparam);
        EXPECT_EQ(c.text, answer_box(form, IDOK)) << c.name;
    }

    click(190, 72);  // read_data current, copied, pasted onto report
    key(VK_F1);
    click(190, 112);
    EXPECT_EQ("既存の矩形の上に重ねて貼り付け出来ません", answer_box(form, IDOK));
    EXPECT_EQ(before, save_as("after.f"));
}

}  // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1) program = argv[1];
    if (argc > 2) samples = argv[2];
    if (argc > 3) fixtures = argv[3];
    return RUN_ALL_TESTS();
}
