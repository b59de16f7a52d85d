// PLX's window in-process: the model painted into a DIB section at its
// scrolled places, and the main window's controls and commands driven by
// real messages (a conversion, a broken tree, stacking, the keys, close).
#include <windows.h>

#include "own_box.h"

#include <gtest/gtest.h>

#include <direct.h>

#include <cstdio>
#include <string>

#include "plx/ft_convert.h"
#include "plx/model.h"
#include "plx/reset.h"
#include "plx/view.h"
#include "plx/win/plx_window.h"
#include "shell/text.h"

namespace {

constexpr int canvas = 300;

// A white 32-bit top-down DIB section selected into a memory DC.
struct canvas_dc {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
    DWORD *bits;

    canvas_dc()
    {
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = canvas;
        bi.bmiHeader.biHeight = -canvas;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void *p = nullptr;
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &p, nullptr, 0);
        bits = static_cast<DWORD *>(p);
        old = SelectObject(dc, bitmap);
        for (int i = 0; i < canvas * canvas; ++i) bits[i] = 0xffffff;
    }
    ~canvas_dc()
    {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    bool dark(int x, int y) const { return (bits[y * canvas + x] & 0xffffff) == 0; }
};

void write_file(const char *name, const char *text)
{
    FILE *fp = fopen(name, "w");
    fputs(text, fp);
    fclose(fp);
}

std::string text_of(HWND hwnd)
{
    char buf[300];
    GetWindowTextA(hwnd, buf, sizeof buf);
    return buf;
}

std::string refusal_text;  // the text of the box the timer answered

// Reads and closes the window's box once it is open.
void CALLBACK answer_refusal(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND box = own_box("ＦＴコンバート");
    if (box == nullptr) return;  // not open yet: the next tick tries again
    KillTimer(nullptr, id);
    char text[300] = "";
    GetDlgItemTextA(box, 0xffff, text, sizeof text);
    refusal_text = text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST(WinPlx, PaintDrawsOutlinesFrameAndLinksAtScrolledPlaces)
{
    plx_reset();
    plx_item_add(10, 10, 50, 30, "BOX", "a");
    plx_item_add(100, 60, 140, 80, "BOX", "b");
    plx_link_add(0, 1, "on_set");
    plx_link_add(0, 7, "on_set");  // an end beyond the items is not drawn
    plx_scroll_x = 5;
    plx_scroll_y = 7;
    canvas_dc c;
    plx_paint(c.dc);
    EXPECT_TRUE(c.dark(15, 25));    // a's left side, scrolled
    EXPECT_TRUE(c.dark(55, 25));    // a's right side
    EXPECT_TRUE(c.dark(30, 17));    // a's top
    EXPECT_TRUE(c.dark(30, 37));    // a's bottom
    EXPECT_FALSE(c.dark(30, 25));   // inside
    EXPECT_FALSE(c.dark(10, 20));   // where a stands unscrolled
    EXPECT_TRUE(c.dark(125, 67));   // b's top
    EXPECT_TRUE(c.dark(200, 7));    // the top frame line
    EXPECT_TRUE(c.dark(5, 200));    // the left frame line
    EXPECT_TRUE(c.dark(80, 52) || c.dark(80, 51) || c.dark(80, 53));  // the link, a's (x2, y2) to b's (x1, y1)
    EXPECT_FALSE(c.dark(250, 250));
}

TEST(WinPlx, WindowRunsItsCommandsAndKeepsRunningAfterABrokenTree)
{
    plx_reset();
    write_file("plx_cur.dat", "t.txt\n");
    write_file("t.ft", "main 1 <0>main()\nf 2 <1>f()\ng 3 <1>g()\n");
    write_file("b.ft", "x 1 <1>x\n");
    remove("t.f");
    HWND w = plx_create_main(GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, w);
    EXPECT_EQ(".ft追加読込表示", text_of(GetDlgItem(w, plx_id_read_ft)));
    EXPECT_EQ("旧.f読込表示", text_of(GetDlgItem(w, plx_id_read_old)));
    EXPECT_EQ("t.txt", text_of(GetDlgItem(w, plx_id_path)));  // from "plx_cur.dat"
    EXPECT_EQ("130", text_of(GetDlgItem(w, plx_id_x_step)));
    EXPECT_NE(0, GetWindowLongA(GetDlgItem(w, plx_id_counts), GWL_STYLE) & ES_READONLY);

    EXPECT_EQ(0, SendMessageA(w, WM_COMMAND, MAKEWPARAM(plx_id_read_ft, 0), 0));
    char counts[80];
    plx_counts_text(counts, sizeof counts);
    EXPECT_EQ(4, plx_item_num);
    EXPECT_EQ(counts, text_of(GetDlgItem(w, plx_id_counts)));
    EXPECT_EQ(0, SendMessageA(w, WM_COMMAND, MAKEWPARAM(plx_id_write_f, 0), 0));
    FILE *fp = fopen("t.f", "r");
    EXPECT_NE(nullptr, fp);
    if (fp != nullptr) fclose(fp);

    SetWindowTextA(GetDlgItem(w, plx_id_path), "b");
    SendMessageA(w, WM_COMMAND, MAKEWPARAM(plx_id_read_ft, 0), 0);
    EXPECT_EQ("line(1) funcname(x) level(1) omem[level-1](1), nmem[level-1](1) parent(-1)",
              text_of(GetDlgItem(w, plx_id_counts)));
    EXPECT_TRUE(IsWindow(w));
    EXPECT_EQ(4, plx_item_num);  // the model kept

    SetWindowTextA(GetDlgItem(w, plx_id_path), "*");
    SendMessageA(w, WM_COMMAND, MAKEWPARAM(plx_id_read_old, 0), 0);
    EXPECT_EQ(4, plx_item_num);  // t.f read back alone
    plx_counts_text(counts, sizeof counts);
    EXPECT_EQ(counts, text_of(GetDlgItem(w, plx_id_counts)));

    RECT r;
    GetClientRect(w, &r);
    EXPECT_EQ(0, SendMessageA(w, WM_KEYDOWN, VK_LEFT, 0));
    EXPECT_EQ(0, plx_scroll_x);  // only the release scrolls
    SendMessageA(w, WM_KEYUP, VK_LEFT, 0);
    EXPECT_EQ((r.right - r.left) / 2, plx_scroll_x);
    SendMessageA(w, WM_KEYUP, VK_HOME, 0);
    EXPECT_EQ(0, plx_scroll_x);

    EXPECT_EQ(0, SendMessageA(w, WM_CLOSE, 0, 0));
    EXPECT_FALSE(IsWindow(w));
    MSG m;
    EXPECT_TRUE(PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    plx_font_free();
}

TEST(WinPlx, WriteOverAFolderSaysSoAndKeepsTheFolder)
{
    plx_reset();
    plx_item_add(10, 10, 50, 30, "BOX", "a");
    _mkdir("held.f");
    HINSTANCE inst = GetModuleHandleA(nullptr);
    HWND w = plx_create_main(inst, inst);  // the class stands from the case above
    ASSERT_NE(nullptr, w);
    SetWindowTextA(GetDlgItem(w, plx_id_path), "held");
    refusal_text.clear();
    SetTimer(nullptr, 0, 100, answer_refusal);
    SendMessageA(w, WM_COMMAND, MAKEWPARAM(plx_id_write_f, 0), 0);
    EXPECT_EQ("ファイル(held.f)の作成に失敗しました！", refusal_text);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("held.f"));
    EXPECT_NE(0u, GetFileAttributesA("held.f") & FILE_ATTRIBUTE_DIRECTORY);
    SendMessageA(w, WM_CLOSE, 0, 0);
    MSG m;
    PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    plx_font_free();
    _rmdir("held.f");
}

}  // namespace
