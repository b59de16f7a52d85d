// The RELATION screen in-process: mouse messages that place, move, merge,
// rename and delete nodes (the questions answered from a timer), the graph
// painted into a DIB section, and the system-menu item that saves the file.
#include <windows.h>

#include "own_box.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "shell/win/startup_win.h"
#include "shell/wsize.h"
#include "trees/graph.h"
#include "trees/win/relation_win.h"

namespace {

HWND hw(win_handle h) { return static_cast<HWND>(h); }

int box_answer = IDOK;  // the button the timer presses on the next question
int questions = 0;

void CALLBACK answer_box(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = own_box();
    if (box == nullptr) return;
    ++questions;
    PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(box_answer), 0);
}

class relation_screen : public ::testing::Test {
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
    }
    void SetUp() override
    {
        main_state_reset();
        gen_rel_mode = mode_create;
        graph_reset();
        questions = 0;
        timer = SetTimer(nullptr, 0, 50, answer_box);
    }
    void TearDown() override { KillTimer(nullptr, timer); }
    static void mouse(UINT msg, WPARAM keys, int x, int y) { SendMessageA(hw(hwndR), msg, keys, MAKELPARAM(x, y)); }
    static void click(int x, int y)
    {
        mouse(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
        mouse(WM_LBUTTONUP, 0, x, y);
    }
    static void drag_right(int x0, int y0, int x1, int y1)
    {
        mouse(WM_RBUTTONDOWN, MK_RBUTTON, x0, y0);
        mouse(WM_RBUTTONUP, 0, x1, y1);
    }
    static void rename(int x, int y, const char *category)
    {
        SetWindowTextA(hw(main_controls[ctl_category]), category);
        mouse(WM_RBUTTONDOWN, MK_RBUTTON, x, y);
        mouse(WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, x, y);
        mouse(WM_LBUTTONUP, MK_RBUTTON, x, y);
        mouse(WM_RBUTTONUP, 0, x, y);
    }
    UINT_PTR timer = 0;
};

TEST_F(relation_screen, MouseBuildsMovesMergesRenamesAndDeletes)
{
    click(100, 50);
    click(200, 50);
    click(102, 52);  // on node 0: no new node
    ASSERT_EQ(2, graph_node_num);
    rename(100, 50, "top.c");
    EXPECT_STREQ("top", graph_nodes[0].name);
    EXPECT_EQ(100, graph_nodes[0].x);  // the rename's right release moves nothing

    drag_right(200, 50, 300, 80);  // move
    EXPECT_EQ(300, graph_nodes[1].x);
    EXPECT_EQ(80, graph_nodes[1].y);

    graph_add_link(0, 1, "call");
    click(150, 150);
    drag_right(150, 150, 300, 80);  // node 2 merged into node 1
    EXPECT_EQ(-1, graph_nodes[2].x);

    box_answer = IDCANCEL;
    drag_right(100, 50, 300, 80);  // a line would vanish: cancelled
    EXPECT_EQ(1, questions);
    EXPECT_EQ(0, graph_links[0].from);
    box_answer = IDOK;
    drag_right(100, 50, 300, 80);
    EXPECT_EQ(-1, graph_links[0].from);
    drag_right(100, 50, 101, 51);  // on itself: the node vanishes once confirmed
    EXPECT_EQ(3, questions);
    EXPECT_EQ(-1, graph_nodes[0].x);

    mouse(WM_RBUTTONDBLCLK, MK_RBUTTON, 5, 5);
    EXPECT_EQ(0, graph_node_num);

    // In the other mode a press adds nothing.
    gen_rel_mode = mode_relation;
    click(40, 40);
    EXPECT_EQ(0, graph_node_num);
}

TEST_F(relation_screen, PaintShowsNamedNodesOnly)
{
    graph_add_node(10, 10);
    graph_name_node(0, "named");
    graph_add_node(70, 25);  // unnamed: not painted
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = 80;
    bi.bmiHeader.biHeight = -40;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void *bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bmp);
    PatBlt(dc, 0, 0, 80, 40, WHITENESS);
    graph_paint_links(dc);
    graph_paint(dc, 6);
    GdiFlush();
    const DWORD *px = static_cast<const DWORD *>(bits);
    const DWORD blue = 0x0000FF;  // 0x00RRGGBB in a 32-bit DIB
    EXPECT_EQ(blue, px[10 * 80 + 10] & 0xFFFFFF);  // the outline's corner
    EXPECT_EQ(blue, px[10 * 80 + 13] & 0xFFFFFF);  // its top edge
    EXPECT_EQ(0xFFFFFFu, px[25 * 80 + 70] & 0xFFFFFF);
    EXPECT_EQ(0xFFFFFFu, px[30 * 80 + 75] & 0xFFFFFF);
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
}

TEST_F(relation_screen, SaveItemWritesTheFile)
{
    graph_add_node(100, 50);
    graph_name_node(0, "top");
    remove("graph.cpg");
    SetWindowTextA(hw(main_controls[ctl_category]), "graph.cpg");
    SendMessageA(hw(hwndR), WM_SYSCOMMAND, 4, 0);
    EXPECT_EQ(1, questions);
    std::ifstream in("graph.cpg", std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    std::string t = s.str(), plain;
    for (char c : t) {
        if (c != '\r') plain += c;
    }
    EXPECT_EQ("#F1\n     100       50      top\n#L1\n", plain);
}

}  // namespace
