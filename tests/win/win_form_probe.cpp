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

#include <cstdio>
#include <string>
#include <vector>

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

// A box of a form file: its rectangle, kind and name.
struct box_row {
    int x, y, endx, endy;
    const char *kind, *name;
};

// The line a saved form file holds for a box (CR LF made LF).
std::string row_text(const box_row &b)
{
    char line[120];
    snprintf(line, sizeof line, "%8d\t%4d\t%4d\t%4d\t%-10s\t%-10s\n", b.x, b.y, b.endx, b.endy, b.kind, b.name);
    return line;
}

struct link_row {
    int from, to;
    const char *name;
};

std::string link_text(const link_row &k)
{
    char line[80];
    snprintf(line, sizeof line, "%8d\t%4d\t%-10s\n", k.from, k.to, k.name);
    return line;
}

// A form file of the boxes, links and parameter lines given (one line a box).
std::string form_text(const std::vector<box_row> &boxes, const std::vector<link_row> &links,
                      const std::vector<std::string> &paras)
{
    std::string text = "#F2    x\t   y\tendx\tendy\tclass     \tname      \n";
    for (const box_row &b : boxes) text += row_text(b);
    if (!links.empty()) text += "#L2 from\t  to\tname      \n";
    for (const link_row &k : links) text += link_text(k);
    text += "#P1       \n";
    for (size_t i = 0; i < boxes.size(); ++i) text += (i < paras.size() ? paras[i] : "") + "\n";
    std::string crlf;
    for (const char c : text) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    return crlf;
}

// The items of a list box, in the program's code page.  The box answers
// another process in UTF-16, so the texts are asked for wide and converted.
std::vector<std::string> list_items(HWND list)
{
    std::vector<std::string> items;
    const LRESULT n = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; ++i) {
        wchar_t wide[300] = L"";
        if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < 300)
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide));
        char item[600] = "";
        WideCharToMultiByte(932, 0, wide, -1, item, sizeof item, nullptr, nullptr);
        items.push_back(item);
    }
    return items;
}

struct box_seek {
    HWND owner, box;
};

BOOL CALLBACK match_open_box(HWND hwnd, LPARAM lp)
{
    auto *f = reinterpret_cast<box_seek *>(lp);
    char cls[16] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") != 0 || GetWindow(hwnd, GW_OWNER) != f->owner || !IsWindowVisible(hwnd)) return TRUE;
    f->box = hwnd;
    return FALSE;
}

// The box owned by owner that is open at this moment, or null.
HWND box_now(HWND owner)
{
    box_seek found = {owner, nullptr};
    EnumWindows(match_open_box, reinterpret_cast<LPARAM>(&found));
    return found.box;
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
    // A left double-click as the system sends it: a click, then the double-click and its release.
    void double_click(int x, int y)
    {
        click(x, y);
        post(WM_LBUTTONDBLCLK, MK_LBUTTON, x, y);
        post(WM_LBUTTONUP, 0, x, y);
        settle(form);
    }

    // Writes the form file into the home and opens it.
    void open_written(const char *name, const std::string &text)
    {
        write_text(home + "\\" + name, text.c_str());
        open_form(name);
        ASSERT_EQ(name, text_of(form_name));
    }

    // A key of the editing block (the extended bit set), not the keypad's.
    void key_ext(unsigned vk) { key(vk, 0x01000000); }

    // Saves the form and checks that it holds each of the rows.
    void expect_rows(const char *step, const std::vector<box_row> &rows)
    {
        const std::string saved = save_as("rows.f");
        for (const box_row &b : rows) EXPECT_NE(std::string::npos, saved.find(row_text(b))) << step << "\n" << saved;
    }

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

    double_click(150, 60);
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

// 生成-mode left drags: Ctrl moves a box with its COMMENT children only, a
// plain move carries every on_set child, a corner resizes down to 12 x 12;
// End moves the current box in one click to an empty place (with Ctrl its
// COMMENT children too) and refuses a box under the click; F11 takes the
// one-click move back.
TEST_F(FormProbe, MovesResizesAndOneClickMoves)
{
    open_written("moves.f", form_text({{100, 100, 200, 140, "BOX", "parent"},
                                       {100, 160, 200, 180, "COMMENT", ""},
                                       {220, 160, 320, 180, "BOX", "kid"},
                                       {400, 100, 500, 140, "BOX", "other"}},
                                      {{0, 1, "on_set"}, {0, 2, "on_set"}}, {}));
    mode_button();
    ASSERT_EQ("生成", mode_text());
    struct drag_case {
        const char *name;
        WPARAM keys;
        int x0, y0, x1, y1;
        std::vector<box_row> rows;
    };
    const drag_case drags[] = {
        {"Ctrl moves the box and its COMMENT child", MK_LBUTTON | MK_CONTROL, 150, 120, 170, 130,
         {{120, 110, 220, 150, "BOX", "parent"}, {120, 170, 220, 190, "COMMENT", ""}, {220, 160, 320, 180, "BOX", "kid"}}},
        {"a plain move carries every on_set child", MK_LBUTTON, 170, 130, 170, 150,
         {{120, 130, 220, 170, "BOX", "parent"}, {120, 190, 220, 210, "COMMENT", ""}, {220, 180, 320, 200, "BOX", "kid"}}},
        {"the corner grows the box", MK_LBUTTON, 499, 139, 529, 159, {{400, 100, 530, 160, "BOX", "other"}}},
        {"the corner shrinks it to 12 x 12 at least", MK_LBUTTON, 529, 159, 409, 105, {{400, 100, 412, 112, "BOX", "other"}}},
    };
    for (const drag_case &c : drags) {
        drag(WM_LBUTTONDOWN, c.keys, c.x0, c.y0, c.x1, c.y1);
        expect_rows(c.name, c.rows);
    }

    click(270, 190);  // kid current, moved to an empty place in one click
    key_ext(VK_END);
    EXPECT_EQ("カレントの矩形を１クリック移動しますか？", answer_box(form, IDOK));
    click(600, 300);
    key(VK_F11);  // taken back; the save below forgets the record, so End moves it again
    expect_rows("F11 after End", {{220, 180, 320, 200, "BOX", "kid"}});
    key_ext(VK_END);
    EXPECT_EQ("カレントの矩形を１クリック移動しますか？", answer_box(form, IDOK));
    click(600, 300);
    expect_rows("End", {{600, 300, 700, 320, "BOX", "kid"}, {120, 130, 220, 170, "BOX", "parent"}});

    click(170, 150);  // parent with its COMMENT child
    key_ext(VK_END);
    EXPECT_EQ("カレントの矩形を１クリック移動しますか？", answer_box(form, IDOK));
    click(600, 50, MK_LBUTTON | MK_CONTROL);
    expect_rows("Ctrl+End", {{600, 50, 700, 90, "BOX", "parent"},
                             {600, 110, 700, 130, "COMMENT", ""},
                             {600, 300, 700, 320, "BOX", "kid"}});

    const std::string before = save_as("before.f");
    key_ext(VK_END);
    EXPECT_EQ("カレントの矩形を１クリック移動しますか？", answer_box(form, IDOK));
    click(650, 310);
    EXPECT_EQ("既存の矩形の上に重ねて移動出来ません", answer_box(form, IDOK));
    key_ext(VK_END);
    EXPECT_EQ("カレントの矩形を１クリック移動しますか？", answer_box(form, IDCANCEL));
    click(300, 400);
    EXPECT_EQ(before, save_as("after.f")) << "a refused or cancelled one-click move leaves every box";
}

// Both chords in 関連 mode (a box centred on its parent, with Ctrl its
// COMMENT children along; siblings lined up) and in 生成 mode (kind and name
// from the main screen and back; the parent's height with Ctrl); a Ctrl
// drag unlinks, a plain one links again; Ctrl+right drags reorder the table.
TEST_F(FormProbe, ChordsUnlinkAndReorder)
{
    open_written("tree.f", form_text({{200, 40, 400, 80, "BOX", "top"},
                                      {100, 140, 160, 170, "BOX", "left"},
                                      {300, 160, 360, 190, "BOX", "right"},
                                      {100, 200, 160, 220, "COMMENT", ""}},
                                     {{0, 1, "under_pos"}, {0, 2, "under_pos"}, {1, 3, "on_set"}}, {}));
    ASSERT_EQ("関連", mode_text());

    post(WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, 130, 155);  // left then right on "left", Ctrl held
    post(WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON | MK_CONTROL, 130, 155);
    EXPECT_EQ("関係上、上位の矩形と横または縦に並べますか？", answer_box(form, IDOK));
    settle(form);
    expect_rows("centred on its parent", {{270, 140, 330, 170, "BOX", "left"}, {270, 200, 330, 220, "COMMENT", ""}});

    post(WM_RBUTTONDOWN, MK_RBUTTON, 280, 155);  // right then left on "left"
    post(WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, 280, 155);
    EXPECT_EQ("関係上、同位の矩形を縦又は横に並べますか？", answer_box(form, IDOK));
    settle(form);
    expect_rows("siblings in one row", {{300, 140, 360, 170, "BOX", "right"}, {270, 140, 330, 170, "BOX", "left"}});

    drag(WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, 350, 155, 300, 60);  // right -> top with Ctrl
    std::string saved = save_as("unlinked.f");
    EXPECT_EQ(std::string::npos, saved.find(link_text({0, 2, "under_pos"}))) << saved;
    EXPECT_NE(std::string::npos, saved.find(link_text({0, 1, "under_pos"}))) << saved;
    set_text(GetDlgItem(screen, 104), "under_pos");
    drag(WM_LBUTTONDOWN, MK_LBUTTON, 300, 60, 350, 155);
    saved = save_as("linked.f");
    EXPECT_NE(std::string::npos, saved.find(link_text({0, 2, "under_pos"}))) << saved;

    // Ctrl+right: "right" follows "top"; then the COMMENT, dropped on an empty place, goes first.
    drag(WM_RBUTTONDOWN, MK_RBUTTON | MK_CONTROL, 350, 155, 300, 60);
    drag(WM_RBUTTONDOWN, MK_RBUTTON | MK_CONTROL, 300, 210, 600, 400);
    EXPECT_EQ(without_cr(form_text({{270, 200, 330, 220, "COMMENT", ""},
                         {200, 40, 400, 80, "BOX", "top"},
                         {300, 140, 360, 170, "BOX", "right"},
                         {270, 140, 330, 170, "BOX", "left"}},
                        {{1, 2, "under_pos"}, {1, 3, "under_pos"}, {3, 0, "on_set"}}, {})),
              save_as("tree.f"))
        << "rows and link ends follow the new order";

    mode_button();
    ASSERT_EQ("生成", mode_text());
    set_text(GetDlgItem(screen, 0), "FUNC.c");
    set_text(GetDlgItem(screen, 104), "calc");
    post(WM_RBUTTONDOWN, MK_RBUTTON, 280, 155);  // right then left on "left": kind and name from the main screen
    post(WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, 280, 155);
    post(WM_LBUTTONUP, MK_RBUTTON, 280, 155);
    post(WM_RBUTTONUP, 0, 280, 155);
    settle(form);
    expect_rows("taken from the main screen", {{270, 140, 330, 170, "FUNC", "calc"}});
    post(WM_RBUTTONDOWN, MK_RBUTTON | MK_CONTROL, 280, 155);  // with Ctrl the rename goes back
    post(WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON | MK_CONTROL, 280, 155);
    post(WM_LBUTTONUP, MK_RBUTTON, 280, 155);
    post(WM_RBUTTONUP, 0, 280, 155);
    settle(form);
    expect_rows("kind and name back", {{270, 140, 330, 170, "BOX", "left"}});

    post(WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, 350, 155);  // left then right with Ctrl: the parent's height
    post(WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON | MK_CONTROL, 350, 155);
    post(WM_RBUTTONUP, MK_LBUTTON, 350, 155);
    post(WM_LBUTTONUP, 0, 350, 155);
    settle(form);
    expect_rows("the parent's height", {{300, 140, 360, 180, "BOX", "right"}});
}

// What the target list offers after a click: the position relations from
// an empty place (left: vokpos.dat, right: vokpos2.dat), the names of a
// kind's ".d" file after a right click on a box, after a 関連 click the names
// of the kind's ".R" file when the form's definitions name the kind, and
// with Ctrl the names of the boxes under the clicked one; that click on the
// PROJ box records the window's place in "PROJ.P".
TEST_F(FormProbe, TargetListsFromPlacesAndBoxes)
{
    write_text(home + "\\vokpos.dat", "under_pos\r\nright_pos\r\n");
    write_text(home + "\\vokpos2.dat", "on_set\r\nleft_set\r\n");
    write_text(home + "\\FUNC.d", "argc\r\nargv\r\n");
    write_text(home + "\\sample.R", "#define FUNC call\r\n");
    write_text(home + "\\FUNC.R", "alpha\r\nbeta\r\n");
    const HWND list = GetDlgItem(screen, 1);
    struct list_case {
        const char *name;
        bool create;
        UINT down;
        WPARAM keys;
        int x, y;
        std::vector<std::string> items;
    };
    const list_case cases[] = {
        {"left on an empty place, 関連", false, WM_LBUTTONDOWN, MK_LBUTTON, 300, 300, {"under_pos", "right_pos"}},
        {"right on an empty place, 関連", false, WM_RBUTTONDOWN, MK_RBUTTON, 300, 300, {"on_set", "left_set"}},
        {"right on a FUNC box, 関連", false, WM_RBUTTONDOWN, MK_RBUTTON, 215, 32, {"argc", "argv"}},
        {"Ctrl+left on the PROJ box, 関連", false, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, 55, 32, {"main"}},
        {"left on a FUNC box the form's definitions name, 関連", false, WM_LBUTTONDOWN, MK_LBUTTON, 215, 72,
         {"alpha", "beta"}},
        {"left on a STRING box they do not name, 関連", false, WM_LBUTTONDOWN, MK_LBUTTON, 530, 32, {}},
        {"left on an empty place, 生成", true, WM_LBUTTONDOWN, MK_LBUTTON, 300, 300, {"under_pos", "right_pos"}},
        {"right on an empty place, 生成", true, WM_RBUTTONDOWN, MK_RBUTTON, 300, 300, {"on_set", "left_set"}},
        {"right on a FUNC box, 生成", true, WM_RBUTTONDOWN, MK_RBUTTON, 215, 32, {"argc", "argv"}},
    };
    for (const list_case &c : cases) {
        if (c.create != (mode_text() == "生成")) mode_button();
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        drag(c.down, c.keys, c.x, c.y, c.x, c.y);
        EXPECT_EQ(c.items, list_items(list)) << c.name;
    }

    // The 関連 click on the PROJ box wrote the FORM window's place.
    RECT r;
    GetWindowRect(form, &r);
    char place[300];
    snprintf(place, sizeof place, "struct proj x1 = {\n\tTAVIR,\n\tPROJ0,\n\t0,\n\t%d,\n\t%d,\n\t%d,\n\t%d\n};\n",
             static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right - r.left),
             static_cast<int>(r.bottom - r.top));
    EXPECT_EQ(place, without_cr(file_text(home + "\\PROJ.P")));
}

// Split writes the current box's category into a file of its own and
// reloads the rest, also inside a sub-form, whose caller survives; a second
// split asks about the existing file.  39 moves the current box first, 41
// and 42 keep another screen in front, 40 stops the on_set children
// following, and
// 11 empties the form and its name.
TEST_F(FormProbe, SplitEmptyMoveFirstAndToggles)
{
    write_text(home + "\\caller.f", form_text({{100, 40, 200, 80, "UNION", ""}}, {}, {"split.f"}).c_str());
    write_text(home + "\\split.f", form_text({{10, 10, 100, 30, "PROJ", "app"},
                                              {100, 60, 200, 90, "PART", "head"},
                                              {100, 120, 200, 150, "LINE", "row1"},
                                              {300, 60, 400, 90, "BOX", "other"}},
                                             {{0, 1, "on_set"}, {0, 3, "on_set"}, {1, 2, "on_set"}}, {"", "h", "r", "o"})
                                       .c_str());
    open_form("caller.f");
    ASSERT_EQ("関連", mode_text());
    double_click(150, 60);
    ASSERT_EQ("split.f", text_of(form_name));

    PostMessageA(form, WM_SYSCOMMAND, 59, 0);
    EXPECT_EQ("今は分割が出来ない状況です(カレント矩形が無い)", answer_box(form, IDOK));
    click(150, 75);  // head current
    PostMessageA(form, WM_SYSCOMMAND, 59, 0);
    EXPECT_EQ("カレント矩形を分割しますか？", answer_box(form, IDOK));
    EXPECT_EQ("正常に分割しました(0)", answer_box(form, IDOK));
    settle(form);
    EXPECT_EQ("#F2\n10 10 100 30 PROJ app\n100 60 200 90 EBOX head\n100 120 200 150 LINE row1\n"
              "#L2\n0 1 on_set\n1 2 on_set\n#P1\n\nh\nr\n",
              without_cr(file_text(home + "\\PART.f")));
    const std::string kept = "#F2\n10 10 100 30 PROJ app\n100 60 200 90 PART head\n300 60 400 90 BOX other\n"
                             "#L2\n0 1 on_set\n0 2 on_set\n#P1\n\nh\no\n";
    EXPECT_EQ(kept, without_cr(file_text(home + "\\split.f")));
    EXPECT_EQ("split.f", text_of(form_name));
    click(150, 135);  // row1 has gone from the form shown
    PostMessageA(form, WM_KEYUP, VK_INSERT, 0x01000000);
    EXPECT_EQ("カレント矩形が見つかりません", answer_box(form, IDOK));

    post(WM_RBUTTONDBLCLK, MK_RBUTTON, 500, 300);  // the caller is still below
    settle(form);
    EXPECT_EQ("caller.f", text_of(form_name));

    open_form("split.f");
    click(150, 75);
    PostMessageA(form, WM_SYSCOMMAND, 59, 0);
    EXPECT_EQ("カレント矩形を分割しますか？", answer_box(form, IDOK));
    EXPECT_EQ("ファイル(PART.f)は既に存在します、それでも分割しますか？", answer_box(form, IDCANCEL));
    settle(form);
    EXPECT_EQ(kept, without_cr(file_text(home + "\\split.f")));

    click(350, 75);  // other first
    PostMessageA(form, WM_SYSCOMMAND, 39, 0);
    settle(form);
    const std::string first = save_as("first.f");
    EXPECT_EQ(0u, first.find("#F2    x\t   y\tendx\tendy\tclass     \tname      \n" +
                             row_text({300, 60, 400, 90, "BOX", "other"})))
        << first;

    // 41 and 42 keep the main or the PROPERTY screen in front after every
    // gesture; switched off again, the FORM screen keeps the focus.  (Their
    // check marks are read in-process by the screen test: another process
    // cannot read this menu under Wine.)
    const HWND property = wait_for_window(pi.dwProcessId, "PROPERTY");
    for (const auto &toggle : {std::make_pair(41u, screen), std::make_pair(42u, property)}) {
        PostMessageA(form, WM_SYSCOMMAND, toggle.first, 0);
        click(600, 400);
        EXPECT_EQ(toggle.second, GetForegroundWindow()) << "item " << toggle.first;
        PostMessageA(form, WM_SYSCOMMAND, toggle.first, 0);
        click(600, 400);
        EXPECT_EQ(form, GetForegroundWindow()) << "item " << toggle.first;
    }
    mode_button();
    ASSERT_EQ("生成", mode_text());
    PostMessageA(form, WM_SYSCOMMAND, 40, 0);
    drag(WM_LBUTTONDOWN, MK_LBUTTON, 55, 20, 55, 220);
    PostMessageA(form, WM_SYSCOMMAND, 40, 0);
    expect_rows("40 keeps the children", {{10, 210, 100, 230, "PROJ", "app"}, {100, 60, 200, 90, "PART", "head"}});

    PostMessageA(form, WM_SYSCOMMAND, 11, 0);
    settle(form);
    EXPECT_EQ("", text_of(form_name));
    PostMessageA(form, WM_SYSCOMMAND, 4, 0);
    EXPECT_EQ("保存するファイル名を入れてください", answer_box(form, IDOK));
    EXPECT_EQ(without_cr(form_text({}, {}, {})), save_as("empty.f"));
}

// Double-clicks inside sub-forms: a UNION naming a wildcard shows the
// matching files as boxes; ITEM and BDATA boxes tick (one ITEM of a chain at
// a time); a DETAIL box refuses to open beside an unconnected box or without
// an ancestor; a VBUTTON posts its command, but while a box waits for an
// answer it only writes a "★" line to the CODE screen.
TEST_F(FormProbe, SubFormDoubleClicks)
{
    ASSERT_EQ("関連", mode_text());
    write_text(home + "\\wa.f", form_text({}, {}, {}).c_str());
    write_text(home + "\\wb.f", form_text({}, {}, {}).c_str());
    open_written("wild.f", form_text({{100, 40, 200, 80, "UNION", ""}}, {}, {"w?.f"}));
    double_click(150, 60);
    EXPECT_EQ("w?.f", text_of(form_name));
    const std::string files = save_as("files.f");
    for (const char *kind : {"wa", "wb"}) {
        const bool first = files.find(row_text({40, 60, 60, 80, kind, ""})) != std::string::npos;
        const bool second = files.find(row_text({120, 60, 140, 80, kind, ""})) != std::string::npos;
        EXPECT_TRUE(first != second) << kind << "\n" << files;
    }
    post(WM_RBUTTONDBLCLK, MK_RBUTTON, 500, 300);
    settle(form);
    EXPECT_EQ("wild.f", text_of(form_name));

    open_written("items.f", form_text({{100, 40, 200, 60, "ITEM", "i1"},
                                       {100, 80, 200, 100, "ITEM", "i2"},
                                       {300, 40, 400, 60, "BDATA", "d1"},
                                       {300, 100, 400, 120, "VBUTTON", "reset"}},
                                      {{0, 1, "on_set"}}, {"a b 0", "c d 1", "e f 1", "初期化 ﾌｫｰﾑ画面"}));
    struct tick_case {
        const char *name;
        int x, y;
        const char *paras;
    };
    const tick_case ticks[] = {
        {"i1 ticked, i2 cleared", 150, 50, "a b 1\nc d 0\ne f 1\n"},
        {"i1 again", 150, 50, "a b 0\nc d 0\ne f 1\n"},
        {"i2 ticked", 150, 90, "a b 0\nc d 1\ne f 1\n"},
        {"d1", 350, 50, "a b 0\nc d 1\ne f 0\n"},
    };
    for (const tick_case &c : ticks) {
        double_click(c.x, c.y);
        const std::string saved = save_as("ticks.f");
        EXPECT_NE(std::string::npos, saved.find(std::string("#P1       \n") + c.paras)) << c.name << "\n" << saved;
    }

    const HWND code_out = FindWindowExA(wait_for_window(pi.dwProcessId, "CODE"), nullptr, "EDIT", nullptr);
    ASSERT_NE(nullptr, code_out);
    set_text(form_name, "ticks.f");
    PostMessageA(form, WM_SYSCOMMAND, 4, 0);  // a question open while the button is pressed
    ASSERT_NE(nullptr, wait_for_box(form));
    double_click(350, 110);
    EXPECT_NE(std::string::npos, text_of(code_out).find("★メッセージ応答待ち状態のため、仮想ボタン(初期化)を受付けません"))
        << text_of(code_out);
    EXPECT_EQ("ファィル(ticks.f)を保存します、よろしいですか？", answer_box(form, IDCANCEL));
    double_click(350, 110);  // now "初期化" clears every tick
    const std::string reset = save_as("reset.f");
    EXPECT_NE(std::string::npos, reset.find("#P1       \na b 0\nc d 0\ne f 0\n")) << reset;

    struct detail_case {
        const char *name;
        std::string form;
        const char *text;
    };
    const detail_case details[] = {
        {"beside an unconnected box",
         form_text({{10, 10, 100, 30, "SOURCE", "src"}, {100, 60, 200, 90, "DETAIL", "det"}, {300, 60, 400, 90, "BOX", "lone"}},
                   {{0, 1, "on_set"}}, {}),
         "独立矩形(BOX[lone])が有る場合、DETAIL BOXは展開出来ません"},
        {"without an ancestor",
         form_text({{100, 60, 200, 90, "DETAIL", "det"}, {100, 120, 200, 150, "BOX", "kid"}}, {{0, 1, "on_set"}}, {}),
         "祖先が無いDETAIL BOXは展開出来ません"},
    };
    for (const detail_case &c : details) {
        open_written("detail.f", c.form);
        const std::string before = save_as("detail.f");
        double_click(150, 75);
        EXPECT_EQ(c.text, answer_box(form, IDOK)) << c.name;
        settle(form);
        EXPECT_EQ(before, save_as("detail.f")) << c.name;
    }
}

// F6-F9 line a clicked box up with the current one: F6 and F7 once, F8
// and F9 until a right click, the ends instead of the starts after a right
// click chose the current box; F11 takes an alignment back.  "Z" makes a
// kind-less box a selection frame and back, and leaves a box with a kind
// alone.  F5 deletes the current box with its on_set subtree after OK.
TEST_F(FormProbe, AlignmentsFramesAndSubtreeDelete)
{
    const box_row a = {100, 100, 160, 130, "BOX", "a"};
    open_written("align.f", form_text({a,
                                       {300, 160, 380, 200, "BOX", "b"},
                                       {500, 40, 540, 60, "BOX", "c"},
                                       {600, 200, 700, 260, "", ""},
                                       {500, 80, 540, 90, "COMMENT", ""}},
                                      {{2, 4, "on_set"}}, {}));
    ASSERT_EQ("関連", mode_text());
    // Before the first save, which gives a kind-less box the kind "?".
    click(650, 230);
    key('Z');
    key('Z');
    click(340, 180);
    key('Z');
    click(650, 230);
    key('Z');
    expect_rows("a frame, b as it was", {{600, 200, 700, 260, "z", ""}, {300, 160, 380, 200, "BOX", "b"}});
    key('Z');

    click(110, 125);
    key(VK_F6);
    click(340, 180);
    key(VK_F11);
    expect_rows("F11 takes the alignment back", {{300, 160, 380, 200, "BOX", "b"}});

    struct align_case {
        const char *name;
        bool right;  // the current box chosen by a right click
        unsigned key;
        std::vector<POINT> clicks;
        std::vector<box_row> rows;
    };
    const align_case cases[] = {
        {"F6: left edges, once", false, VK_F6, {{340, 180}, {520, 50}},
         {{100, 160, 180, 200, "BOX", "b"}, {500, 40, 540, 60, "BOX", "c"}}},
        {"F7: tops, once, the on_set child along", false, VK_F7, {{520, 50}, {140, 180}},
         {{500, 100, 540, 120, "BOX", "c"}, {500, 140, 540, 150, "COMMENT", ""}, {100, 160, 180, 200, "BOX", "b"}}},
        {"F8 after a right click: right edges, repeated", true, VK_F8, {{140, 180}, {520, 110}},
         {{80, 160, 160, 200, "BOX", "b"}, {120, 100, 160, 120, "BOX", "c"}, {120, 140, 160, 150, "COMMENT", ""}}},
        {"F9 after a right click: bottoms, repeated", true, VK_F9, {{120, 180}, {140, 110}},
         {{80, 90, 160, 130, "BOX", "b"}, {120, 110, 160, 130, "BOX", "c"}, {120, 150, 160, 160, "COMMENT", ""}}},
    };
    for (const align_case &c : cases) {
        if (c.right) drag(WM_RBUTTONDOWN, MK_RBUTTON, 110, 125, 110, 125);
        else click(110, 125);
        key(c.key);
        for (const POINT &p : c.clicks) click(p.x, p.y);
        drag(WM_RBUTTONDOWN, MK_RBUTTON, 700, 400, 700, 400);  // ends a repeated alignment
        std::vector<box_row> rows = c.rows;
        rows.push_back(a);
        expect_rows(c.name, rows);
    }

    click(150, 120);  // c, with its COMMENT child
    key(VK_F5);
    EXPECT_EQ("カレント矩形の配下を一括削除しますか？", answer_box(form, IDCANCEL));
    expect_rows("F5 cancelled", {{120, 110, 160, 130, "BOX", "c"}, {120, 150, 160, 160, "COMMENT", ""}});
    key(VK_F5);
    EXPECT_EQ("カレント矩形の配下を一括削除しますか？", answer_box(form, IDOK));
    settle(form);
    EXPECT_EQ(without_cr(form_text({a, {80, 90, 160, 130, "BOX", "b"}, {600, 200, 700, 260, "?", ""}}, {}, {})),
              save_as("align.f"));
}

// Keys on the sample form: the key file's letters fill the main screen's
// fields and list; the arrows scroll by half a page (one step with Shift)
// and Home back, while a save still writes the unscrolled places; Insert,
// Backspace and PageDown hand the current box to the main screen's fields,
// and the "入" button takes them back as its kind and name.
TEST_F(FormProbe, KeysOnTheSampleForm)
{
    const HWND category = GetDlgItem(screen, 0), target = GetDlgItem(screen, 104), list = GetDlgItem(screen, 1);
    PostMessageA(form, WM_KEYUP, VK_INSERT, 0x01000000);
    EXPECT_EQ("カレント矩形が見つかりません", answer_box(form, IDOK));

    write_text(home + "\\PROJ_Key.dat", "a:alpha\r\nB:BETA\r\nc:names.dat\r\n");
    write_text(home + "\\names.dat", "one\r\ntwo\r\n");
    struct key_case {
        unsigned key;
        const char *category, *target;
        std::vector<std::string> list;
    };
    const key_case keys[] = {
        {'A', "cat", "alpha", {}},
        {'B', "BETA", "", {}},
        {'C', "cat", "", {"one", "two"}},  // filling the list empties the field's text
    };
    for (const key_case &c : keys) {
        set_text(category, "cat");
        set_text(target, "tgt");
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        key(c.key);
        EXPECT_EQ(c.category, text_of(category)) << static_cast<char>(c.key);
        EXPECT_EQ(c.target, text_of(target)) << static_cast<char>(c.key);
        EXPECT_EQ(c.list, list_items(list)) << static_cast<char>(c.key);
    }

    const std::string before = save_as("before.f");
    RECT client;
    GetClientRect(form, &client);
    const int half_x = client.right / 130 / 2 * 130, half_y = client.bottom / 26 / 2 * 26;
    struct scroll_case {
        const char *name;
        bool shift;
        unsigned key;
        int dx, dy;
    };
    const scroll_case scrolls[] = {
        {"Up", false, VK_UP, 0, half_y},
        {"Left", false, VK_LEFT, half_x, 0},
        {"Shift+Up", true, VK_UP, 0, 26},
        {"Shift+Left", true, VK_LEFT, 130, 0},
    };
    for (const scroll_case &c : scrolls) {
        if (c.shift) PostMessageA(form, WM_KEYDOWN, VK_SHIFT, 0);
        key_ext(c.key);
        if (c.shift) key(VK_SHIFT);
        click(215 + c.dx, 72 + c.dy);  // read_data where the scroll has put it
        set_text(target, "");
        key_ext(VK_INSERT);
        EXPECT_EQ("read_data", text_of(target)) << c.name;
        EXPECT_EQ(before, save_as("before.f")) << c.name;
        key_ext(VK_HOME);
    }
    click(215, 112);  // report, back at its place after Home
    key(VK_BACK);
    EXPECT_EQ("FUNC", text_of(category));
    EXPECT_EQ("report", text_of(target));
    EXPECT_EQ((std::vector<std::string>{"report", "FUNC"}), list_items(list));
    set_text(target, "");
    key_ext(VK_NEXT);  // the main screen searches the name and takes it from the field
    settle(screen);
    EXPECT_EQ(nullptr, box_now(screen)) << "no refusal of an empty target field";
    EXPECT_EQ("", text_of(target));

    // The "入" button: the fields become the current box's kind and name after OK.
    set_text(category, "ITEM.c");
    set_text(target, "sum");
    for (const int answer : {IDCANCEL, IDOK}) {
        PostMessageA(form, WM_COMMAND, 0x37, 0);
        EXPECT_EQ("カレント矩形に(ITEM:sum)を設定しますか？", answer_box(form, answer));
        settle(form);
        const std::string named = save_as("named.f");
        const bool set = named.find(row_text({170, 102, 260, 122, "ITEM", "sum"})) != std::string::npos;
        const bool kept = named.find(row_text({170, 102, 260, 122, "FUNC", "report"})) != std::string::npos;
        EXPECT_EQ(answer == IDOK, set) << named;
        EXPECT_EQ(answer != IDOK, kept) << named;
    }
}

// 58 switches the X-Window generation: the main screen's patterns end in
// "*.x" instead of "*.r" and the view's FORM row holds 99.  A view switch
// writes the row of the view left and brings the switch in line with the
// row of the view entered; closing writes the row of the view in use.  A
// project switch empties the form and its name.
TEST_F(FormProbe, XWindowViewsAndProjectSwitch)
{
    const HWND patterns = GetDlgItem(screen, 12);
    const auto last_pattern = [patterns] {
        const std::vector<std::string> items = list_items(patterns);
        return items.empty() ? std::string("<none>") : items.back();
    };
    const auto switch_view = [this](unsigned letter) {
        PostMessageA(screen, WM_KEYUP, letter, 0);
        EXPECT_NE("<no box>", answer_box(screen, IDOK));
        settle(screen);
    };
    const std::string form_row = "\t99        \tFORM      ";
    EXPECT_EQ("*.r", last_pattern());
    PostMessageA(form, WM_SYSCOMMAND, 58, 0);
    settle(form);
    EXPECT_EQ("*.x", last_pattern());
    switch_view('B');
    EXPECT_EQ("*.r", last_pattern()) << "view 2 starts without it";
    EXPECT_NE(std::string::npos, file_text(home + "\\vokwsize.dat").find(form_row)) << file_text(home + "\\vokwsize.dat");
    switch_view('V');
    EXPECT_EQ("*.x", last_pattern());
    switch_view('B');
    EXPECT_EQ("*.r", last_pattern());
    PostMessageA(form, WM_SYSCOMMAND, 58, 0);
    settle(form);
    EXPECT_EQ("*.x", last_pattern());

    const std::string second = home + "\\second";
    CreateDirectoryA(second.c_str(), nullptr);
    write_text(home + "\\vokdir.dat", ("home\r\nsecond\t" + second + ",home\r\n").c_str());
    PostMessageA(screen, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(600, 300));  // lists the projects
    settle(screen);
    set_text(GetDlgItem(screen, 104), "second");
    PostMessageA(screen, WM_KEYUP, VK_F4, 0);
    EXPECT_EQ("ディレクトリ(" + second + ")に移動しました", answer_box(screen, IDOK));
    settle(form);
    EXPECT_EQ("", text_of(form_name));
    click(215, 72);  // where read_data was
    PostMessageA(form, WM_KEYUP, VK_INSERT, 0x01000000);
    EXPECT_EQ("カレント矩形が見つかりません", answer_box(form, IDOK));

    PostMessageA(screen, WM_CLOSE, 0, 0);
    answer_box(screen, IDNO);  // the backup question
    EXPECT_EQ(0u, wait_exit(pi));
    pi.hProcess = nullptr;
    EXPECT_NE(std::string::npos, file_text(home + "\\vokwsiz2.dat").find(form_row)) << file_text(home + "\\vokwsiz2.dat");
}

// A DATA sub-form shows its EDATA boxes' values in the FORM panes: the
// holder's name and its field 1.  Edited there, 90 writes them back into the
// holder, which keeps them after 91 returns.
TEST_F(FormProbe, EdataPanesWriteBackThrough90)
{
    write_text(home + "\\PANEL.F", form_text({{10, 10, 100, 30, "DATA", "d"},
                                              {40, 60, 140, 80, "EDATA", "e0"},
                                              {40, 100, 140, 120, "EDATA", "e1"}},
                                             {}, {"d cap 0 10 10 600 400", "omit name 100", "omit p1 100"})
                                       .c_str());
    open_written("holder.f", form_text({{100, 40, 200, 80, "PANEL", "pan1"}}, {}, {"x y"}));
    ASSERT_EQ("関連", mode_text());
    double_click(150, 60);
    ASSERT_EQ("PANEL.F", text_of(form_name));
    const HWND name_pane = GetDlgItem(form, 100), field_pane = GetDlgItem(form, 101);
    EXPECT_EQ("pan1", text_of(name_pane));
    EXPECT_EQ("y", text_of(field_pane));
    EXPECT_TRUE(IsWindowVisible(name_pane));

    set_text(name_pane, "pan2");
    set_text(field_pane, "z");
    PostMessageA(form, WM_SYSCOMMAND, 90, 0);
    PostMessageA(form, WM_SYSCOMMAND, 91, 0);
    settle(form);
    ASSERT_EQ("holder.f", text_of(form_name));
    const std::string saved = save_as("holder.f");
    EXPECT_NE(std::string::npos, saved.find(row_text({100, 40, 200, 80, "PANEL", "pan2"}))) << saved;
    EXPECT_NE(std::string::npos, saved.find("#P1       \nx z\n")) << saved;
}

// On a WORK form the key file's letters list what the current box's code
// offers: "I" the boxes of its form file, "W" the messages of the source
// generated from the form itself, "P" the procedures of its C source.
TEST_F(FormProbe, WorkKeyFileLists)
{
    write_text(home + "\\WORK_Key.dat", "I:I\r\nW:W\r\nP:P\r\n");
    write_text(home + "\\wk.c",
               "LRESULT PASCAL Win1Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)\r\n{\r\n\tswitch (msg) {\r\n"
               "\tcase WM_COMMAND:\r\n\t\tswitch (LOWORD(wp)) {\r\n\t\tcase ok:\r\n\t\t}\r\n"
               "\tcase WM_SIZE:\r\n\t}\r\n}\r\n");
    write_text(home + "\\other.c", "LRESULT PASCAL Alpha(HWND h)\r\n{\r\n}\r\nLRESULT PASCAL Beta(HWND h)\r\n{\r\n}\r\n");
    open_written("wk.f", form_text({{10, 10, 60, 30, "WORK", ""},
                                    {80, 50, 140, 70, "PROC", "Win1Proc"},
                                    {160, 50, 230, 70, "WM", "WM_COMMAND"},
                                    {250, 50, 300, 70, "ID", "ok"},
                                    {80, 100, 140, 120, "PROC", "Win2Proc"}},
                                   {{0, 1, "on_set"}, {0, 4, "on_set"}, {1, 2, "on_set"}, {2, 3, "on_set"}},
                                   {"", "omit wk.f", "", "", "omit other.c"}));
    const HWND list = GetDlgItem(screen, 1);
    struct work_case {
        const char *name;
        int x, y;
        unsigned key;
        std::vector<std::string> items;
    };
    const work_case cases[] = {
        {"I on Win1Proc", 110, 60, 'I', {"Win1Proc", "WM_COMMAND", "ok", "Win2Proc"}},
        {"W on Win1Proc", 110, 60, 'W', {"WM_COMMAND", "WM_SIZE"}},
        {"W on WM_COMMAND", 195, 60, 'W', {"WM_COMMAND"}},
        {"P on Win2Proc", 110, 110, 'P', {"Alpha", "Beta"}},
    };
    for (const work_case &c : cases) {
        click(c.x, c.y);
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        key(c.key);
        EXPECT_EQ(c.items, list_items(list)) << c.name;
    }
}

// 生成-mode right drags create a box only when they run right and down by
// 12 pixels at least; a shorter one acts as a right click on its start.  An
// armed paste ignores clicks on UNION and HTML boxes and right clicks on an
// HTML box, and pastes once on the next empty place; F2 pastes the subtree,
// F3 until a right click, and Ctrl keeps a single paste armed.
TEST_F(FormProbe, CreationAndPasteEdges)
{
    write_text(home + "\\vokpos2.dat", "on_set\r\nleft_set\r\n");
    const std::vector<box_row> boxes = {{100, 40, 200, 80, "UNION", ""},
                                        {300, 40, 400, 80, "HTML", "h"},
                                        {100, 200, 160, 230, "BOX", "src"},
                                        {100, 240, 160, 250, "COMMENT", ""}};
    const std::vector<link_row> links = {{2, 3, "on_set"}};
    open_written("edges.f", form_text(boxes, links, {"x.f"}));
    mode_button();
    ASSERT_EQ("生成", mode_text());
    const HWND list = GetDlgItem(screen, 1);
    struct create_case {
        const char *name;
        int x1, y1;
        bool created;
    };
    const create_case drags[] = {
        {"left of the start", 450, 350, false},
        {"above the start", 600, 250, false},
        {"11 wide", 511, 350, false},
        {"11 high", 600, 311, false},
        {"12 x 12", 512, 312, true},
    };
    for (const create_case &c : drags) {
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        drag(WM_RBUTTONDOWN, MK_RBUTTON, 500, 300, c.x1, c.y1);
        const std::string saved = save_as("edges.f");
        std::vector<box_row> rows = boxes;
        if (c.created) rows.push_back({500, 300, c.x1, c.y1, "?", ""});
        EXPECT_EQ(without_cr(form_text(rows, links, {"x.f"})), saved) << c.name;
        if (!c.created) {
            EXPECT_EQ((std::vector<std::string>{"on_set", "left_set"}), list_items(list)) << c.name;
        }
    }

    click(130, 215);
    key(VK_F1);
    click(150, 60);  // UNION
    click(350, 60);  // HTML
    drag(WM_RBUTTONDOWN, MK_RBUTTON, 350, 60, 350, 60);
    click(600, 100);
    click(600, 200);
    std::string pasted = save_as("edges.f");
    EXPECT_NE(std::string::npos, pasted.find(row_text({600, 100, 660, 130, "BOX", "src"}))) << pasted;
    EXPECT_EQ(std::string::npos, pasted.find(row_text({600, 200, 660, 230, "BOX", "src"}))) << pasted;

    // F2 takes the on_set subtree along; F3 pastes until a right click; Ctrl
    // keeps a single paste armed for one more click.
    click(130, 215);
    key(VK_F2);
    click(600, 300);
    key(VK_F3);
    click(700, 100);
    click(700, 200);
    drag(WM_RBUTTONDOWN, MK_RBUTTON, 900, 500, 900, 500);
    click(700, 300);
    key(VK_F1);
    click(800, 100, MK_LBUTTON | MK_CONTROL);
    click(800, 200);
    click(800, 300);
    pasted = save_as("edges.f");
    for (const box_row &b : std::vector<box_row>{{600, 300, 660, 330, "BOX", "src"},
                                                 {600, 340, 660, 350, "COMMENT", ""},
                                                 {700, 100, 760, 130, "BOX", "src"},
                                                 {700, 200, 760, 230, "BOX", "src"},
                                                 {800, 100, 860, 130, "BOX", "src"},
                                                 {800, 200, 860, 230, "BOX", "src"}})
        EXPECT_NE(std::string::npos, pasted.find(row_text(b))) << b.x << "," << b.y << "\n" << pasted;
    EXPECT_NE(std::string::npos, pasted.find(link_text({6, 7, "on_set"}))) << pasted;
    for (const int x : {700, 800}) EXPECT_EQ(std::string::npos, pasted.find(row_text({x, 300, x + 60, 330, "BOX", "src"}))) << pasted;
}

// 80 deletes the form file after OK and keeps the form shown.  A right
// double-click with nothing stacked goes to the start-up form: missing, it
// says so on the main screen; present, it loads it; in use, it leaves an
// empty form without a name.  95 closes every form, stacked ones too.
TEST_F(FormProbe, FileDeleteAndTheStartUpForm)
{
    const auto pop = [this] {
        post(WM_RBUTTONDBLCLK, MK_RBUTTON, 500, 300);
        settle(form);
    };
    const std::string sample = save_as("sample.f");
    for (const int answer : {IDCANCEL, IDOK}) {
        PostMessageA(form, WM_SYSCOMMAND, 80, 0);
        EXPECT_EQ("フォームファイル(sample.f)を削除しますが、よろしいですか？", answer_box(form, answer));
        settle(form);
        EXPECT_EQ(answer == IDOK, file_text(home + "\\sample.f") == "<none>") << answer;
    }
    EXPECT_EQ(sample, save_as("kept.f")) << "the form stays on the screen";

    post(WM_RBUTTONDBLCLK, MK_RBUTTON, 500, 300);
    EXPECT_EQ("起動フォームファイル(begin.f)が見つかりません、作って下さい", answer_box(screen, IDOK));
    settle(form);
    EXPECT_EQ("", text_of(form_name));

    const std::string begin = form_text({{20, 20, 80, 40, "BOX", "start"}}, {}, {});
    write_text(home + "\\begin.f", begin.c_str());
    open_form("kept.f");
    pop();
    EXPECT_EQ("begin.f", text_of(form_name));
    EXPECT_EQ(without_cr(begin), save_as("begin.f"));
    pop();
    EXPECT_EQ("", text_of(form_name));
    EXPECT_EQ(without_cr(form_text({}, {}, {})), save_as("none.f"));

    open_written("parent.f", form_text({{100, 40, 200, 80, "UNION", ""}}, {}, {"kept.f"}));
    double_click(150, 60);
    ASSERT_EQ("kept.f", text_of(form_name));
    PostMessageA(form, WM_SYSCOMMAND, 95, 0);
    settle(form);
    EXPECT_EQ("", text_of(form_name));
    EXPECT_EQ("[ﾌｫｰﾑ]Ornak.C言語作図ソフト", text_of(form));
    pop();
    EXPECT_EQ("begin.f", text_of(form_name)) << "nothing was left stacked";
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
