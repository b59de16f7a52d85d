// The FLOW and LIST pictures: a hand-made chart and a small list painted through
// WM_PRINTCLIENT into a memory device context and probed pixel by pixel
// (frames, a folded cell, the title text, the selected row), and an inverted
// cell restored.
#include <windows.h>

#include <gtest/gtest.h>

#include "analyser/anal_main.h"
#include "analyser/anal_reset.h"
#include "analyser/flow_grid.h"
#include "analyser/flow_nodes.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "shell/win/cell_grid.h"
#include "shell/win/startup_win.h"
#include "shell/wsize.h"
#include "trees/func_list.h"
#include "trees/list_rules.h"
#include "trees/trees_reset.h"

namespace {

const int pic_w = 640;
const int pic_h = 480;

int node(int x, int y, int sline, int eline)
{
    int column = 0;
    const int i = get_cb(1, tpl_other, -1, &column);
    cb *c = cbp[i];
    c->t = 'A';
    c->m = '.';
    c->n = '-';
    c->disp = 0;
    c->branch = c->parent = c->roof = -1;
    c->x = x;
    c->y = y;
    c->sline = sline;
    c->eline = eline;
    c->fold = 0;
    cb_base_num = cb_num;
    return i;
}

// A white memory picture of the FLOW window's client area.
class picture {
public:
    explicit picture(win_handle window = hwndF)
    {
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bitmap = CreateCompatibleBitmap(screen, pic_w, pic_h);
        ReleaseDC(nullptr, screen);
        old = SelectObject(dc, bitmap);
        const RECT all{0, 0, pic_w, pic_h};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SendMessageA(static_cast<HWND>(window), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    }
    ~picture()
    {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    COLORREF at(int x, int y) const { return GetPixel(dc, x, y); }
    HDC dc;

private:
    HBITMAP bitmap;
    HGDIOBJ old;
};

class ListFlowScreens : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        init_wsize();
        app_instance = instance;
        create_main_font();
        ASSERT_EQ(register_classes(instance), 0);
        ASSERT_EQ(create_windows(instance), 0);
        MoveWindow(static_cast<HWND>(hwndF), 0, 0, pic_w, pic_h, FALSE);
        MoveWindow(static_cast<HWND>(hwndL), 0, 0, pic_w, pic_h, TRUE);
    }
    void SetUp() override
    {
        anal_reset();
        trees_reset_all();
        alloc_flow_grid();
        anal_first_run = 0;
        flow_zoom = 16;
    }
};

TEST_F(ListFlowScreens, FramesFoldsAndTitle)
{
    node(0, 0, 1, 9);
    const int selected = node(1, 1, 2, 3);
    const int folded = node(3, 1, 4, 5);
    cbp[folded]->fold = 1;
    sel_cb = selected;
    picture p;
    EXPECT_EQ(p.at(48, 32), RGB(255, 0, 0));   // the top edge of cell (1, 1)
    EXPECT_EQ(p.at(112, 40), RGB(255, 5, 0));  // the folded cell, light blue inverted
    bool title_ink = false;
    for (int x = 0; x < 300 && !title_ink; ++x) {
        for (int y = 0; y < 16 && !title_ink; ++y) title_ink = p.at(x, y) != RGB(255, 255, 255);
    }
    EXPECT_TRUE(title_ink);

    const COLORREF before = p.at(170, 40);
    xor_cell_dc(p.dc, 5, 1);
    EXPECT_NE(p.at(170, 40), before);
    xor_cell_dc(p.dc, 5, 1);
    EXPECT_EQ(p.at(170, 40), before);
}

TEST_F(ListFlowScreens, ZoomScalesTheFrames)
{
    node(0, 0, 1, 9);
    sel_cb = node(2, 2, 2, 3);
    flow_zoom = 8;
    picture p;
    EXPECT_EQ(p.at(40, 24), RGB(255, 0, 0));  // cell (2, 2) is (32, 24)-(48, 32) at zoom 8
    EXPECT_EQ(p.at(32, 28), RGB(255, 0, 0));  // its left edge
    EXPECT_EQ(p.at(40, 40), RGB(255, 255, 255));
}

TEST_F(ListFlowScreens, ListRowsAndTheSelectedRow)
{
    FILE *fp = fopen("win_list.tag", "wb");
    ASSERT_NE(fp, nullptr);
    fputs("---------- a.c ----------\na.c 3 alpha()\na.c 9 beta()\n", fp);
    fclose(fp);
    load_tag_file("win_list.tag");
    list_shown = 1;
    cur_index = 1;
    picture p(hwndL);
    const int h = list_char_height;
    EXPECT_EQ(p.at(1, 2 * h + 1), GetSysColor(COLOR_WINDOWTEXT));   // the selected row
    EXPECT_NE(p.at(1, 3 * h + 1), GetSysColor(COLOR_WINDOWTEXT));   // the next row
    bool status_ink = false;
    for (int x = 0; x < 200 && !status_ink; ++x) status_ink = p.at(x, h / 2) != p.at(0, 4 * h + h / 2 + 40);
    EXPECT_TRUE(status_ink);
}

}  // namespace
