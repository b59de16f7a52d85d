// The FORM screen in-process: a small form printed into a DIB section shows
// its box frames and links at the model's places, and real mouse and key
// messages create, move and delete boxes (Shift swapping the mode for one
// gesture).  Timers answer the questions from inside their modal loops.
#include <windows.h>

#include "own_box.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "forms/form_state.h"
#include "forms/formfile.h"
#include "forms/model.h"
#include "forms/para.h"
#include "forms/relmove.h"
#include "forms/win/form_screen.h"
#include "shell/devaids.h"
#include "shell/dirs.h"
#include "shell/form_services.h"
#include "shell/main_layout.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "shell/win/startup_win.h"
#include "shell/wsize.h"
#include "trees/property.h"

namespace {

HWND form_window() { return static_cast<HWND>(hwndO); }

const int shot_w = 640, shot_h = 400;
const unsigned blue = 0x0000FF, red = 0xFF0000, purple = 0x800080;  // DIB pixels 0x00RRGGBB

// The FORM client area printed through WM_PRINTCLIENT.
struct shot {
    unsigned *bits = nullptr;
    HBITMAP bitmap = nullptr;
    HDC dc = nullptr;
    shot()
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = shot_w;
        info.bmiHeader.biHeight = -shot_h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void *p = nullptr;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &p, nullptr, 0);
        bits = static_cast<unsigned *>(p);
        dc = CreateCompatibleDC(nullptr);
        SelectObject(dc, bitmap);
        SendMessageA(form_window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        GdiFlush();
    }
    ~shot()
    {
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    unsigned at(int x, int y) const { return bits[y * shot_w + x] & 0xFFFFFF; }
    // Whether colour appears in column x between y0 and y1.
    bool column_has(int x, int y0, int y1, unsigned colour) const
    {
        for (int y = y0; y <= y1; ++y)
            if (at(x, y) == colour) return true;
        return false;
    }
};

// Presses OK on every open box while the timer runs.
void CALLBACK press_ok(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = own_box();
    if (box != nullptr) PostMessageA(box, WM_COMMAND, IDOK, 0);
}

LPARAM at_point(int x, int y) { return MAKELPARAM(x, y); }

// The texts of the boxes answered by answer_and_record, in order.
std::string box_texts;

// Records the text of an open box, then presses its OK.
void CALLBACK answer_and_record(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = own_box();
    if (box == nullptr) return;
    char text[300] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    box_texts += text;
    box_texts += "|";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

// Sends msg and returns the texts of the boxes it opened.
std::string boxes_of(UINT msg, WPARAM wparam, LPARAM lparam)
{
    box_texts.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, answer_and_record);
    SendMessageA(static_cast<HWND>(hwndO), msg, wparam, lparam);
    KillTimer(nullptr, timer);
    return box_texts;
}

// Dispatches what is queued for this thread's windows.
void pump()
{
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

// The bytes of a file found through the folder slots, "" when there is none.
std::string file_bytes(const char *name)
{
    char path[1024];
    if (locate_file(path, sizeof path, name) != 0) return "";
    FILE *f = fopen(path, "rb");
    if (f == nullptr) return "";
    std::string bytes;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    fclose(f);
    return bytes;
}

// Saves through system command 4 under name, the question answered OK.
void save_through_menu(const char *name)
{
    SetWindowTextA(form_name_edit, name);
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, press_ok);
    PostMessageA(static_cast<HWND>(hwndO), WM_SYSCOMMAND, 4, 0);
    pump();
    KillTimer(nullptr, timer);
}

class form_screen : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        init_wsize();
        main_state_reset();
        app_instance = instance;
        create_main_font();
        ASSERT_EQ(register_classes(instance), 0);
        ASSERT_EQ(create_windows(instance), 0);
        SetWindowPos(form_window(), nullptr, 0, 0, shot_w + 40, shot_h + 80, SWP_NOZORDER | SWP_NOACTIVATE);
        RECT client;
        GetClientRect(form_window(), &client);
        SendMessageA(form_window(), WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
    }
    void SetUp() override
    {
        forms_reset_all();
        form_reset();
        gen_rel_mode = 1;
    }
    static int box(int x0, int y0, int x1, int y1)
    {
        add_box_rect(x0, y0, x1, y1, 12);
        return form_num - 1;
    }
    static void send(UINT msg, WPARAM keys, int x, int y) { SendMessageA(form_window(), msg, keys, at_point(x, y)); }
    static void post(UINT msg, WPARAM keys, int x, int y) { PostMessageA(form_window(), msg, keys, at_point(x, y)); }
    static void post_key(unsigned key) { PostMessageA(form_window(), WM_KEYUP, key, 0); }
    // A gesture of one button from (x0, y0) to (x1, y1), posted and dispatched.
    static void drag(UINT down, UINT up, WPARAM keys, int x0, int y0, int x1, int y1)
    {
        post(down, keys, x0, y0);
        post(WM_MOUSEMOVE, keys, x1, y1);
        post(up, 0, x1, y1);
        pump();
    }
};

TEST_F(form_screen, ChildrenAreCreatedWithTheirIds)
{
    EXPECT_EQ(GetDlgCtrlID(form_name_edit), 1);
    for (int i = 0; i < pane_count; ++i) {
        ASSERT_NE(pane_hwnd[i], nullptr);
        EXPECT_EQ(GetDlgCtrlID(pane_hwnd[i]), 100 + i);
        EXPECT_FALSE(GetWindowLongA(pane_hwnd[i], GWL_STYLE) & WS_VISIBLE);
    }
    EXPECT_NE(GetDlgItem(form_window(), 0x14), nullptr);
    EXPECT_NE(GetDlgItem(form_window(), 0x40), nullptr);
    // The button rows reach the main screen's hints; the "・" key buttons stay hidden.
    const struct {
        int id;
        char letter;
        int index;
    } rows[] = {{0x14, 'O', 0}, {0x1F, 'O', 11}, {0x28, 'f', 0}, {0x40, 'f', 24}, {1, 'X', 1}};
    for (const auto &r : rows) {
        char letter = 0;
        int index = -1;
        EXPECT_TRUE(find_button(GetDlgItem(form_window(), r.id), &letter, &index)) << r.id;
        EXPECT_EQ(letter, r.letter) << r.id;
        EXPECT_EQ(index, r.index) << r.id;
    }
    for (const int id : {0x2E, 0x33, 0x3A, 0x40})
        EXPECT_FALSE(GetWindowLongA(GetDlgItem(form_window(), id), GWL_STYLE) & WS_VISIBLE) << id;
    EXPECT_TRUE(GetWindowLongA(GetDlgItem(form_window(), 0x28), GWL_STYLE) & WS_VISIBLE);
}

TEST_F(form_screen, PrintedFormShowsFramesAndLinks)
{
    const int a = box(40, 40, 140, 80);
    const int b = box(300, 40, 400, 80);
    add_link(a, b, "call", nullptr);
    reset_cur_box();
    cur_link = -1;
    shot plain;
    EXPECT_EQ(plain.at(90, 40), blue) << "top edge of the first box";
    EXPECT_EQ(plain.at(139, 60), blue) << "right edge, one pixel inside endx";
    EXPECT_EQ(plain.at(350, 79), blue) << "bottom edge of the second box";
    EXPECT_EQ(plain.at(220, 60), purple) << "the link between the boxes";
    EXPECT_EQ(plain.at(220, 20), 0xFFFFFFu) << "white canvas above the link";

    set_cur_box(a);
    shot current;
    EXPECT_EQ(current.at(90, 40), red) << "the current box is drawn red";
    EXPECT_EQ(current.at(350, 40), blue);
}

TEST_F(form_screen, ArmedOperationFramesTheClientArea)
{
    box(40, 40, 140, 80);
    pending_op = op_paste_once;
    EXPECT_EQ(form_pending_mode(), op_paste_once) << "the shell asks FORM through its hook";
    shot armed;
    EXPECT_EQ(armed.at(1, 100), 0xFF00FFu);
    pending_op = op_none;
    shot quiet;
    EXPECT_EQ(quiet.at(1, 100), 0xFFFFFFu);
}

struct create_case {
    const char *name;
    int mode;      // gen_rel_mode
    WPARAM keys;   // key word of the press
    int x1, y1;    // release point (press at 100, 200)
    int created;
};

TEST_F(form_screen, RightDragCreatesInGenerateModeShiftSwaps)
{
    const create_case cases[] = {
        {"生成 drag", 1, MK_RBUTTON, 180, 260, 1},
        {"関連 drag", 0, MK_RBUTTON, 180, 260, 0},
        {"関連 with Shift", 0, MK_RBUTTON | MK_SHIFT, 180, 260, 1},
        {"生成 with Shift", 1, MK_RBUTTON | MK_SHIFT, 180, 260, 0},
        {"too small", 1, MK_RBUTTON, 110, 260, 0},
        {"up and left", 1, MK_RBUTTON, 50, 150, 0},
    };
    for (const create_case &c : cases) {
        form_reset();
        gen_rel_mode = c.mode;
        send(WM_RBUTTONDOWN, c.keys, 100, 200);
        send(WM_RBUTTONUP, 0, c.x1, c.y1);
        ASSERT_EQ(get_box_count(), c.created) << c.name;
        EXPECT_EQ(gen_rel_mode, c.mode) << c.name << ": the mode returns after the gesture";
        if (c.created == 0) continue;
        int x, y, ex, ey;
        get_box_rect(form_num - 1, &x, &y, &ex, &ey);
        EXPECT_EQ(x, 100);
        EXPECT_EQ(y, 200);
        EXPECT_EQ(ex, 180);
        EXPECT_EQ(ey, 260);
    }
}

TEST_F(form_screen, LeftDragMovesAndDeleteRemoves)
{
    const int b = box(100, 200, 180, 260);
    send(WM_LBUTTONDOWN, MK_LBUTTON, 130, 230);
    send(WM_LBUTTONUP, 0, 160, 250);
    int x, y, ex, ey;
    get_box_rect(b, &x, &y, &ex, &ey);
    EXPECT_EQ(x, 130);
    EXPECT_EQ(y, 220);
    EXPECT_EQ(ex, 210);
    EXPECT_EQ(ey, 280);
    shot moved;
    EXPECT_EQ(moved.at(170, 220), red) << "the moved box is current and drawn at its new place";

    set_cur_box(b);
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, press_ok);
    const LPARAM extended = 0x01000000;  // the Delete key of the editing block, not the keypad's
    SendMessageA(form_window(), WM_KEYUP, VK_DELETE, extended);
    KillTimer(nullptr, timer);
    EXPECT_EQ(get_box_count(), 0);
    shot empty;
    EXPECT_EQ(empty.at(170, 220), 0xFFFFFFu);
}

TEST_F(form_screen, LeftDragFromACornerResizes)
{
    const int b = box(100, 200, 180, 260);
    send(WM_LBUTTONDOWN, MK_LBUTTON, 180, 260);
    send(WM_LBUTTONUP, 0, 200, 290);
    int x, y, ex, ey;
    get_box_rect(b, &x, &y, &ex, &ey);
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 200);
    EXPECT_EQ(ex, 200);
    EXPECT_EQ(ey, 290);
}

TEST_F(form_screen, MainCommandOpensAFormFile)
{
    box(40, 40, 140, 80);
    box(300, 40, 400, 80);
    ASSERT_EQ(save_form("two.f"), 0);
    form_reset();
    SetWindowTextA(static_cast<HWND>(main_controls[ctl_category]), "two.f");
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, press_ok);
    SendMessageA(static_cast<HWND>(hwndE), WM_COMMAND, 11, 0);
    KillTimer(nullptr, timer);
    EXPECT_EQ(get_box_count(), 2);
    char name[100] = "";
    GetWindowTextA(form_name_edit, name, sizeof name);
    EXPECT_STREQ(name, "two.f");
    shot opened;
    EXPECT_EQ(opened.at(350, 40), blue);

    // Save (system command 4) after a move writes the moved box; reloading gives it back.
    send(WM_LBUTTONDOWN, MK_LBUTTON, 60, 50);
    send(WM_LBUTTONUP, 0, 70, 150);
    const UINT_PTR save_timer = SetTimer(nullptr, 0, 100, press_ok);
    SendMessageA(form_window(), WM_SYSCOMMAND, 4, 0);
    KillTimer(nullptr, save_timer);
    EXPECT_EQ(form_changed, 0);
    form_reset();
    ASSERT_EQ(load_form("two.f"), 0);
    int x, y, ex, ey;
    get_box_rect(form_sta, &x, &y, &ex, &ey);
    EXPECT_EQ(x, 50);
    EXPECT_EQ(y, 140);
    ShowWindow(form_window(), SW_HIDE);
}

// A form built, linked, moved, pasted and undone by posted messages only
// saves to the expected rows, and the file read back saves to the same bytes.
TEST_F(form_screen, PostedEditsSaveAndReloadIdentically)
{
    gen_rel_mode = 1;
    drag(WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, 40, 40, 140, 80);    // box 0
    drag(WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, 300, 40, 400, 100);  // box 1
    drag(WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, 40, 200, 140, 240);  // box 2
    ASSERT_EQ(get_box_count(), 3);

    // Shift makes this left drag a 関連 one: 0 -> 1 under the target field's name.
    SetWindowTextA(static_cast<HWND>(target_field.edit), "call");
    drag(WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON | MK_SHIFT, 90, 60, 350, 60);
    ASSERT_EQ(l_num - l_sta, 1);
    EXPECT_EQ(gen_rel_mode, 1);

    drag(WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, 350, 60, 370, 90);  // box 1 moves by (20, 30)

    // Box 2 current, copied (F1) and pasted twice; F11 takes the second paste back.
    drag(WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, 90, 220, 90, 220);
    ASSERT_EQ(cur_box, form_sta + 2);
    for (const int x : {300, 460}) {
        post_key(VK_F1);
        pump();
        ASSERT_EQ(pending_op, op_paste_once);
        drag(WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, x, 300, x, 300);
        EXPECT_EQ(pending_op, op_none);
    }
    ASSERT_EQ(get_box_count(), 5);
    post_key(VK_F11);
    pump();
    ASSERT_EQ(get_box_count(), 4);

    save_through_menu("built.f");
    EXPECT_EQ(form_changed, 0);
    const std::string saved = file_bytes("built.f");
    EXPECT_EQ(saved,
              "#F2    x\t   y\tendx\tendy\tclass     \tname      \r\n"
              "      40\t  40\t 140\t  80\t?         \t          \r\n"
              "     320\t  70\t 420\t 130\t?         \t          \r\n"
              "      40\t 200\t 140\t 240\t?         \t          \r\n"
              "     300\t 300\t 400\t 340\t?         \t          \r\n"
              "#L2 from\t  to\tname      \r\n"
              "       0\t   1\tcall      \r\n"
              "#P1       \r\n\r\n\r\n\r\n\r\n");

    form_reset();
    ASSERT_EQ(load_form("built.f"), 0);
    ASSERT_EQ(get_box_count(), 4);
    save_through_menu("again.f");
    EXPECT_EQ(file_bytes("again.f"), saved);
    ShowWindow(form_window(), SW_HIDE);
}

TEST_F(form_screen, ShiftSwapsTheModeButtonForOneGesture)
{
    HWND mode = static_cast<HWND>(main_controls[ctl_mode]);
    ASSERT_NE(mode, nullptr);
    char text[20] = "";
    send(WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, 100, 200);
    GetWindowTextA(mode, text, sizeof text);
    EXPECT_STREQ(text, "関連");
    EXPECT_EQ(gen_rel_mode, 0);
    send(WM_RBUTTONUP, 0, 180, 260);
    GetWindowTextA(mode, text, sizeof text);
    EXPECT_STREQ(text, "生成");
    EXPECT_EQ(gen_rel_mode, 1);
}

// A 関連 click then a double-click on a UNION box opens the form its field 0
// names; a right double-click on an empty place comes back to the box.
TEST_F(form_screen, UnionOpensItsSubFormAndTheRightDoubleClickReturns)
{
    box(10, 10, 60, 40);
    ASSERT_EQ(save_form("sub.f"), 0);
    form_reset();
    const int u = box(100, 100, 200, 140);
    set_box_kind(u, "UNION");
    set_para("sub.f", u, 0);
    ASSERT_EQ(save_form("parent.f"), 0);
    SetWindowTextA(form_name_edit, "parent.f");
    gen_rel_mode = 0;
    send(WM_LBUTTONDOWN, MK_LBUTTON, 150, 120);
    send(WM_LBUTTONUP, 0, 150, 120);
    send(WM_LBUTTONDBLCLK, MK_LBUTTON, 150, 120);
    send(WM_LBUTTONUP, 0, 150, 120);
    char name[100] = "";
    GetWindowTextA(form_name_edit, name, sizeof name);
    EXPECT_STREQ(name, "sub.f");
    EXPECT_EQ(fnum, 1);
    EXPECT_EQ(get_box_count(), 1);

    send(WM_RBUTTONDBLCLK, MK_RBUTTON, 500, 300);
    GetWindowTextA(form_name_edit, name, sizeof name);
    EXPECT_STREQ(name, "parent.f");
    EXPECT_EQ(fnum, 0);
    EXPECT_EQ(get_box_count(), 1);
    EXPECT_EQ(cur_box, u) << "the box that opened the sub-form is current again";
    ShowWindow(form_window(), SW_HIDE);
}

TEST_F(form_screen, ItemDoubleClicksTickAndUntick)
{
    const int item = box(100, 100, 200, 140);
    set_box_kind(item, "ITEM");
    gen_rel_mode = 0;
    const char *const marks[] = {"1", "0", "1"};
    for (const char *mark : marks) {
        send(WM_LBUTTONDOWN, MK_LBUTTON, 150, 120);
        send(WM_LBUTTONUP, 0, 150, 120);
        send(WM_LBUTTONDBLCLK, MK_LBUTTON, 150, 120);
        send(WM_LBUTTONUP, 0, 150, 120);
        char field[16];
        get_para(field, item, 2);
        EXPECT_STREQ(field, mark);
    }
}

TEST_F(form_screen, SystemMenuTogglesFollowTheirCheckMarks)
{
    const struct {
        unsigned id;
        int *flag;
    } toggles[] = {{40, &relate_off}, {41, &keep_main_shown}, {42, &keep_prop_shown}, {44, &full_as_centering}, {62, &show_hidden_links}};
    HMENU menu = GetSystemMenu(form_window(), FALSE);
    for (const auto &t : toggles) {
        for (const int expected : {1, 0}) {
            SendMessageA(form_window(), WM_SYSCOMMAND, t.id, 0);
            EXPECT_EQ(*t.flag, expected) << t.id;
            EXPECT_EQ((GetMenuState(menu, t.id, MF_BYCOMMAND) & MF_CHECKED) != 0, expected == 1) << t.id;
        }
    }
}

TEST_F(form_screen, ChordTakesKindAndNameFromTheMainScreen)
{
    const int b = box(100, 100, 200, 140);
    SetWindowTextA(static_cast<HWND>(main_controls[ctl_category]), "FUNC.c");
    SetWindowTextA(static_cast<HWND>(target_field.edit), "report");
    send(WM_RBUTTONDOWN, MK_RBUTTON, 150, 120);
    send(WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, 150, 120);
    send(WM_LBUTTONUP, MK_RBUTTON, 150, 120);
    send(WM_RBUTTONUP, 0, 150, 120);
    EXPECT_STREQ(box_table[b].kind, "FUNC");
    EXPECT_STREQ(box_table[b].name, "report");
    EXPECT_EQ(get_box_count(), 1);
}

TEST_F(form_screen, RelationRightPressShowsTheNameLabel)
{
    const int b = box(100, 100, 200, 140);
    set_box_kind(b, "FUNC");
    set_box_name(b, "main");
    gen_rel_mode = 0;
    HWND label = GetDlgItem(form_window(), 99);
    ASSERT_NE(label, nullptr);
    const auto shown = [label] { return (GetWindowLongA(label, GWL_STYLE) & WS_VISIBLE) != 0; };
    send(WM_RBUTTONDOWN, MK_RBUTTON, 150, 120);
    EXPECT_TRUE(shown());
    char text[200] = "";
    GetWindowTextA(label, text, sizeof text);
    EXPECT_EQ(std::string(text).rfind("(0) ", 0), 0u) << "the legend of the box's relative index: " << text;
    send(WM_RBUTTONUP, 0, 150, 120);
    EXPECT_FALSE(shown());
    send(WM_RBUTTONDOWN, MK_RBUTTON, 500, 300);
    EXPECT_FALSE(shown()) << "no label on an empty place";
    send(WM_RBUTTONUP, 0, 500, 300);
}

TEST_F(form_screen, RefusalsAndWrongModeBoxes)
{
    box(100, 100, 200, 140);
    const struct {
        const char *name;
        UINT msg;
        WPARAM wparam;
        LPARAM lparam;
        const char *texts;
    } cases[] = {
        {"F12", WM_KEYUP, VK_F12, 0, "本機能は未サポートです|"},
        {"Space asks before the duplicate list", WM_KEYUP, VK_SPACE, 0,
         "ﾌｫｰﾑ画面に関数ツリー(ftree.f)を表示している場合、\r\n重複関数や重複ヘッダファイルを抽出します、\r\n"
         "クラスの場合、膨大な量出ることもありますが、出力しますか？|"},
        {"F1 without a box", WM_KEYUP, VK_F1, 0, "カレント矩形が有りません|"},
        {"right double-click in 生成", WM_RBUTTONDBLCLK, MK_RBUTTON, at_point(150, 120), "モードが違います|"},
        {"split without a name", WM_SYSCOMMAND, 59, 0, "今は分割が出来ない状況です(現FORM名が存在しない)|"},
    };
    for (const auto &c : cases) {
        reset_cur_box();
        SetWindowTextA(form_name_edit, "");
        EXPECT_EQ(boxes_of(c.msg, c.wparam, c.lparam), c.texts) << c.name;
        EXPECT_EQ(get_box_count(), 1) << c.name;
    }
}

// Generation (5) asks about the files named after the form, unless another
// screen sends it with -1; a WORK form is asked about as a whole.
TEST_F(form_screen, GenerationAsksAboutTheFilesOfTheFormName)
{
    box(100, 100, 200, 140);
    SetWindowTextA(form_name_edit, "gen.f");
    const std::string asked = boxes_of(WM_SYSCOMMAND, 5, 0);
    EXPECT_EQ(asked.rfind("ファィル(gen.c,gen.h,gen.html,gen.asp)を生成します、よろしいですか？|", 0), 0u) << asked;
    const std::string sent = boxes_of(WM_SYSCOMMAND, 5, -1);
    EXPECT_EQ(sent.find("よろしいですか"), std::string::npos) << sent;
    set_box_kind(form_sta, "WORK");
    const std::string work = boxes_of(WM_SYSCOMMAND, 5, 0);
    EXPECT_EQ(work.rfind("フォームファィル(gen.f)に関してソースファイルを生成します、よろしいですか？|", 0), 0u) << work;
    EXPECT_EQ(get_box_count(), 1);
}

TEST_F(form_screen, SystemMenuEditsTheForm)
{
    const int a = box(40, 40, 140, 80);
    const int b = box(300, 40, 400, 80);
    add_link(a, b, "call", nullptr);
    set_cur_box(b);
    SendMessageA(form_window(), WM_SYSCOMMAND, 39, 0);
    EXPECT_EQ(box_table[form_sta].x, 300) << "the current box moved to the front";
    SendMessageA(form_window(), WM_SYSCOMMAND, 12, 0);
    EXPECT_EQ(l_num - l_sta, 0) << "every link removed";
    SetWindowTextA(form_name_edit, "some.f");
    SendMessageA(form_window(), WM_SYSCOMMAND, 11, 0);
    EXPECT_EQ(get_box_count(), 0);
    char name[100] = "x";
    GetWindowTextA(form_name_edit, name, sizeof name);
    EXPECT_STREQ(name, "");
}

TEST_F(form_screen, ArrowKeysScrollAFormWithATopBox)
{
    const int p = box(40, 40, 140, 80);
    set_box_kind(p, "PROJ");
    SendMessageA(form_window(), WM_KEYUP, VK_RIGHT, 0x1000000);
    EXPECT_LT(box_table[p].x, 40) << "the view moved right, the box left";
    SendMessageA(form_window(), WM_KEYUP, VK_HOME, 0x1000000);
    EXPECT_EQ(box_table[p].x, 40);
    SendMessageA(form_window(), WM_KEYUP, VK_DOWN, 0x1000000);
    EXPECT_LT(box_table[p].y, 40);
    SendMessageA(form_window(), WM_KEYUP, VK_HOME, 0x1000000);
}

// A 関連 click on a top box records the window's place in its ".P" file and
// shows the box's field 0 on the PROPERTY screen.
TEST_F(form_screen, RelationClickOnATopBoxWritesItsPlaceAndFillsProperty)
{
    const int p = box(40, 40, 140, 80);
    set_box_kind(p, "PROJ");
    set_para("sales", p, 0);
    DeleteFileA("PROJ.P");
    gen_rel_mode = 0;
    send(WM_LBUTTONDOWN, MK_LBUTTON, 90, 60);
    send(WM_LBUTTONUP, 0, 90, 60);
    EXPECT_EQ(cur_box, p);
    RECT r;
    GetWindowRect(form_window(), &r);
    char expected[300];
    snprintf(expected, sizeof expected,
             "struct proj x1 = {\r\n\tTAVIR,\r\n\tPROJ0,\r\n\t0,\r\n\t%ld,\r\n\t%ld,\r\n\t%ld,\r\n\t%ld\r\n};\r\n",
             static_cast<long>(r.left), static_cast<long>(r.top), static_cast<long>(r.right - r.left),
             static_cast<long>(r.bottom - r.top));
    EXPECT_EQ(file_bytes("PROJ.P"), expected) << "text lines, CR LF on Windows";
    ASSERT_NE(prop_value_edit, nullptr);
    char value[100] = "";
    GetWindowTextA(static_cast<HWND>(prop_value_edit), value, sizeof value);
    EXPECT_STREQ(value, "sales");
}

// Another screen's redraw of FORM makes the box it names current.
TEST_F(form_screen, RedrawFromAnotherScreenMakesTheBoxCurrent)
{
    const int a = box(40, 40, 140, 80);
    const int b = box(300, 40, 400, 80);
    reset_cur_box();
    form_redraw(b);
    EXPECT_EQ(cur_box, b);
    shot drawn;
    EXPECT_EQ(drawn.at(350, 40), red);
    EXPECT_EQ(drawn.at(90, 40), blue);
    form_redraw(a);
    EXPECT_EQ(cur_box, a);
}

// With the FORM trace on, every message is written to the CODE output
// marked "△" as it arrives, a button message once more marked "▲" as its
// handler begins; with the trace off nothing is written.
TEST_F(form_screen, TraceMarksEveryMessageAndTheButtonHandlers)
{
    HWND out = static_cast<HWND>(code_out_hwnd);
    SetWindowTextA(out, "");
    init_msg_names();
    msg_trace_form = 1;
    send(WM_RBUTTONUP, 0, 10, 10);
    send(WM_MOUSEMOVE, 0, 12, 10);
    msg_trace_form = 0;
    send(WM_RBUTTONUP, 0, 10, 10);
    char text[4000] = "";
    GetWindowTextA(out, text, sizeof text);
    const std::string trace = text;
    EXPECT_NE(trace.find("△00000205 00000000 000a000a WM_RBUTTONUP\r\n▲00000205 00000000 000a000a WM_RBUTTONUP\r\n"),
              std::string::npos) << trace;
    EXPECT_NE(trace.find("△00000200 00000000 000a000c WM_MOUSEMOVE"), std::string::npos) << trace;
    EXPECT_EQ(trace.find("▲00000200"), std::string::npos) << trace;
    int lines = 0;
    for (size_t at = trace.find("WM_RBUTTONUP"); at != std::string::npos; at = trace.find("WM_RBUTTONUP", at + 1)) ++lines;
    EXPECT_EQ(lines, 2) << "none after the trace went off";
}

}  // namespace
