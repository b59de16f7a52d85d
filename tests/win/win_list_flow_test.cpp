// The FLOW and LIST screens: a hand-made chart and a small list painted
// through WM_PRINTCLIENT into a memory device context and probed pixel by
// pixel (frames, a folded cell, the title text, the selected row), and the
// sample sources opened on LIST and driven by messages: clicks, drags, keys,
// the system menus and a chart's clicks on FLOW.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "analyser/anal_main.h"
#include "analyser/anal_reset.h"
#include "analyser/flow_grid.h"
#include "analyser/flow_nodes.h"
#include "analyser/options.h"
#include "shell/codeout.h"
#include "shell/dirs.h"
#include "shell/list_setting.h"
#include "shell/main_commands.h"
#include "shell/main_fields.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "shell/win/cell_grid.h"
#include "shell/win/startup_win.h"
#include "shell/wsize.h"
#include "trees/func_list.h"
#include "trees/flow_rules.h"
#include "trees/list_rules.h"
#include "trees/trees_reset.h"
#include "trees/win/chart_screens.h"

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
        if (hwndF != nullptr) return;
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

TEST_F(ListFlowScreens, ZoomAndOriginMoveTheFramesAndFolds)
{
    node(0, 0, 1, 9);
    sel_cb = node(2, 2, 2, 3);
    cbp[node(4, 2, 4, 5)]->fold = 1;
    const struct {
        int zoom, ox, oy;
    } cases[] = {{8, 0, 0}, {13, 0, 0}, {16, 0, 0}, {13, 1, 1}};
    for (const auto &c : cases) {
        flow_zoom = c.zoom;
        opt_x = c.ox;
        opt_y = c.oy;
        // Cell (2, 2) spans chart pixels (64, 48)-(96, 64) at the origin (0, 0).
        const auto px = [&](int v) { return v * c.zoom / 16; };
        const int left = px(32 * (2 - c.ox)), top = px(16 * (2 - c.oy) + 16);
        const int right = px(32 * (3 - c.ox)), bottom = px(16 * (3 - c.oy) + 16);
        picture p;
        EXPECT_EQ(p.at((left + right) / 2, top), RGB(255, 0, 0)) << c.zoom << " " << c.ox;
        EXPECT_EQ(p.at(left, (top + bottom) / 2), RGB(255, 0, 0)) << c.zoom << " " << c.ox;
        EXPECT_EQ(p.at((left + right) / 2, bottom + 3), RGB(255, 255, 255)) << c.zoom << " " << c.ox;
        // The folded cell (4, 2), two cells on: light blue inverted over white.
        EXPECT_EQ(p.at(px(32 * (4 - c.ox) + 24), (top + bottom) / 2 + 1), RGB(255, 5, 0)) << c.zoom << " " << c.ox;
    }
    opt_x = opt_y = 0;
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

// A name with "_" painted at the smallest and the default font size: the
// columns of the "_" hold ink within its row (some faces leave the glyph
// empty at these sizes, and the screen then rules it itself).
TEST_F(ListFlowScreens, EveryCharacterOfANameShowsAtTheSmallestAndDefaultSizes)
{
    FILE *fp = fopen("win_list.tag", "wb");
    ASSERT_NE(fp, nullptr);
    fputs("---------- a.c ----------\na.c 3 read_sales()\n", fp);
    fclose(fp);
    load_tag_file("win_list.tag");
    list_shown = 1;
    cur_index = -1;
    for (int size : {10, 12}) {
        list_font_size = size;
        SendMessageA(static_cast<HWND>(hwndL), WM_SYSCOMMAND, 82, 0);
        picture p(hwndL);
        const list_item *row = nullptr;
        for (int i = 0; i < list_item_num; ++i) {
            if (list_items[i].kind == list_row && list_items[i].position == 1) row = &list_items[i];
        }
        ASSERT_NE(row, nullptr) << size;
        const int at = static_cast<int>(strchr(row->text, '_') - row->text);
        HFONT font = CreateFontA(-size, 0, 0, 0, FW_DONTCARE, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "ＭＳ 明朝");
        HGDIOBJ old = SelectObject(p.dc, font);
        SIZE before{}, after{};
        GetTextExtentPoint32A(p.dc, row->text, at, &before);
        GetTextExtentPoint32A(p.dc, row->text, at + 1, &after);
        SelectObject(p.dc, old);
        DeleteObject(font);
        bool ink = false;
        for (int y = row->y; y < row->y + list_char_height && !ink; ++y) {
            for (int x = row->x + before.cx; x < row->x + after.cx && !ink; ++x) {
                ink = p.at(x, y) == GetSysColor(COLOR_WINDOWTEXT);
            }
        }
        EXPECT_TRUE(ink) << "size " << size << " row " << row->text;
    }
    list_font_size = 12;
    SendMessageA(static_cast<HWND>(hwndL), WM_SYSCOMMAND, 82, 0);
}

// The sample sources opened through the main screen's open of a file set,
// LIST and FLOW driven by messages.
class SampleScreens : public ListFlowScreens {
protected:
    void SetUp() override
    {
        ListFlowScreens::SetUp();
        for (const char *name : {"main.c", "sales.c", "sales.h", "wordattr.dat"}) {
            const std::string from = sample_dir() + "\\" + name;
            ASSERT_TRUE(CopyFileA(from.c_str(), name, FALSE)) << from;
        }
        home_dir[0] = '\0';
        list_cols = 1;
        list_font_size = 12;
        SendMessageA(list(), WM_SYSCOMMAND, 82, 0);
        open_source_window("*.c *.h");
        ASSERT_GT(i_num, 3);
        SetWindowTextA(hw(code_out_hwnd), "");
    }
    static std::string sample_dir()
    {
        std::string p = std::string("Z:") + VOK_SAMPLES;
        for (char &c : p) {
            if (c == '/') c = '\\';
        }
        return p;
    }
    static HWND hw(win_handle h) { return static_cast<HWND>(h); }
    static HWND list() { return hw(hwndL); }
    static HWND flow() { return hw(hwndF); }
    // The shown position of a function entry of a file; -1 none.
    static int position_of(const char *name, const char *file)
    {
        for (int p = 0; p < i_num; ++p) {
            const int e = entry_at(p);
            if (!is_header(e) && strstr(fl_name[e], name) != nullptr && strstr(fl_file[e], file) != nullptr) return p;
        }
        return -1;
    }
    // The LIST point where position p is painted (the first page).
    static LPARAM list_point(int p)
    {
        return MAKELPARAM(20, (p - shift + 1) * list_char_height + list_char_height / 2);
    }
    static void click(HWND w, LPARAM at, WPARAM keys = 0)
    {
        SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON | keys, at);
        SendMessageA(w, WM_LBUTTONUP, keys, at);
    }
    static void drag(HWND w, UINT down, UINT up, int x0, int y0, int x1, int y1)
    {
        SendMessageA(w, down, 0, MAKELPARAM(x0, y0));
        SendMessageA(w, up, 0, MAKELPARAM(x1, y1));
    }
    static std::string target()
    {
        char buf[1000] = "";
        target_get_text(buf, sizeof buf);
        return buf;
    }
    static std::string text_of(win_handle w)
    {
        char buf[4000] = "";
        GetWindowTextA(hw(w), buf, sizeof buf);
        return buf;
    }
    // The window point of node n's cell at zoom 16 and origin (0, 0).
    static LPARAM node_point(int n) { return MAKELPARAM(cbp[n]->x * 32 + 16, (cbp[n]->y + 1) * 16 + 8); }
    // Opens the chart of print_totals by a LIST click.
    void open_chart()
    {
        const int p = position_of("print_totals", "sales.c");
        ASSERT_GE(p, 0);
        click(list(), list_point(p));
        ASSERT_EQ(cur_index, p);
        ASSERT_GT(cb_num, 0);
        opt_x = opt_y = 0;
    }
};

TEST_F(SampleScreens, ButtonsAndPaintOnTicks)
{
    SendMessageA(list(), WM_SIZE, 0, MAKELPARAM(pic_w, pic_h));
    RECT r;
    GetWindowRect(GetDlgItem(list(), 20), &r);
    POINT corner{r.left, r.top};
    ScreenToClient(list(), &corner);
    EXPECT_EQ(corner.x, pic_w - 125);
    EXPECT_EQ(corner.y, pic_h - 21);
    EXPECT_NE(GetDlgItem(list(), 25), nullptr);
    EXPECT_NE(GetDlgItem(flow(), 25), nullptr);

    // The right button held on a button shows its hint; releasing it hides it.
    const struct {
        HWND screen;
        int popup;
        const char *hint;
    } hints[] = {{flow(), 99, "一覧画面を前面に出す"}, {list(), 3, "フロー画面を前面に出す"}};
    for (const auto &h : hints) {
        ShowWindow(h.screen, SW_SHOWNORMAL);
        HWND button = GetDlgItem(h.screen, 21);
        SendMessageA(h.screen, WM_PARENTNOTIFY, WM_RBUTTONDOWN, MAKELPARAM(pic_w - 100, pic_h - 10));
        SendMessageA(h.screen, WM_SETCURSOR, reinterpret_cast<WPARAM>(button), MAKELPARAM(HTCLIENT, WM_RBUTTONDOWN));
        HWND popup = GetDlgItem(h.screen, h.popup);
        EXPECT_TRUE(IsWindowVisible(popup));
        EXPECT_EQ(text_of(popup), h.hint);
        SendMessageA(h.screen, WM_SETCURSOR, reinterpret_cast<WPARAM>(button), MAKELPARAM(HTCLIENT, WM_RBUTTONUP));
        EXPECT_FALSE(IsWindowVisible(popup));
    }

    ShowWindow(list(), SW_SHOWNORMAL);
    ShowWindow(flow(), SW_HIDE);
    paint_state = 0;
    list_item_num = 0;
    InvalidateRect(list(), nullptr, TRUE);
    UpdateWindow(list());
    EXPECT_EQ(paint_state, 1);  // WM_PAINT alone only leaves a paint pending
    EXPECT_EQ(list_item_num, 0);
    SendMessageA(flow(), WM_TIMER, 77, 0);
    EXPECT_EQ(paint_state, 0);
    EXPECT_GT(list_item_num, 3);
    list_item_num = 0;
    SendMessageA(flow(), WM_TIMER, 77, 0);  // nothing pending: no paint
    EXPECT_EQ(list_item_num, 0);
}

TEST_F(SampleScreens, FontKeysStopAtTheirLimits)
{
    const struct {
        int from;
        WPARAM key;
        int to;
    } cases[] = {{18, VK_UP, 18}, {17, VK_UP, 18}, {10, VK_DOWN, 10}, {11, VK_DOWN, 10}};
    for (const auto &c : cases) {
        list_font_size = c.from;
        SendMessageA(list(), WM_KEYUP, c.key, 1 << 24);
        EXPECT_EQ(list_font_size, c.to) << c.from;
    }
}

TEST_F(SampleScreens, ListClicksDragsAndKeys)
{
    const int p = position_of("parse_sale", "sales.c");
    ASSERT_GE(p, 0);
    SendMessageA(list(), WM_KEYUP, VK_DELETE, 1 << 24);
    click(list(), list_point(p));
    EXPECT_EQ(cur_index, p);
    SendMessageA(list(), WM_KEYUP, VK_INSERT, 1 << 24);
    EXPECT_EQ(target(), "parse_sale(*)");

    // Drags: 20 pixels beep and keep the page, 40 pixels down page on.
    set_max_line(3 * list_char_height);  // two rows a page
    shift = 0;
    drag(list(), WM_LBUTTONDOWN, WM_LBUTTONUP, 20, 40, 20, 60);
    EXPECT_EQ(shift, 0);
    drag(list(), WM_LBUTTONDOWN, WM_LBUTTONUP, 20, 40, 20, 80);
    EXPECT_EQ(shift, 2);
    drag(list(), WM_LBUTTONDOWN, WM_LBUTTONUP, 20, 80, 20, 40);
    EXPECT_EQ(shift, 0);
    drag(list(), WM_RBUTTONDOWN, WM_RBUTTONUP, 20, 40, 20, 80);  // right drag down: the last page
    EXPECT_EQ(shift, (i_num - 1) / 2 * 2);
    drag(list(), WM_RBUTTONDOWN, WM_RBUTTONUP, 20, 80, 20, 40);
    EXPECT_EQ(shift, 0);
    set_max_line(pic_h);

    // Ctrl: every entry of that name; Ctrl+Shift: the entry alone with its header.
    const int all = i_num;
    SendMessageA(list(), WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, list_point(position_of("parse_sale", "sales.c")));
    SendMessageA(list(), WM_LBUTTONUP, MK_CONTROL, 0);
    EXPECT_LT(i_num, all);
    for (int q = 0; q < i_num; ++q) {
        const int e = entry_at(q);
        if (!is_header(e)) {
            EXPECT_NE(strstr(fl_name[e], "parse_sale"), nullptr) << fl_name[e];
        }
    }
    SendMessageA(list(), WM_KEYUP, VK_HOME, 1 << 24);  // all entries again
    EXPECT_EQ(i_num, all);
    SendMessageA(list(), WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL | MK_SHIFT,
                 list_point(position_of("print_totals", "sales.c")));
    EXPECT_EQ(i_num, 2);
    SendMessageA(list(), WM_KEYUP, VK_HOME, 1 << 24);
    // Shift on a function (no class) beeps and changes nothing.
    SendMessageA(list(), WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, list_point(position_of("print_totals", "sales.c")));
    EXPECT_EQ(i_num, all);
    // End: the file headers alone.
    SendMessageA(list(), WM_KEYUP, VK_END, 1 << 24);
    EXPECT_EQ(i_num, 3);
    // A right double click narrows to the target field's name.
    SendMessageA(list(), WM_KEYUP, VK_HOME, 1 << 24);
    set_target_text("main");
    SendMessageA(list(), WM_RBUTTONDBLCLK, 0, MAKELPARAM(20, 40));
    SendMessageA(list(), WM_RBUTTONUP, 0, MAKELPARAM(20, 40));
    EXPECT_LT(i_num, all);
    EXPECT_EQ(target(), "");
}

TEST_F(SampleScreens, ListKeysIntoTheCodeOutput)
{
    click(list(), list_point(position_of("print_totals", "sales.c")));
    SetWindowTextA(hw(code_out_hwnd), "");
    SendMessageA(list(), WM_KEYUP, VK_PRIOR, 1 << 24);
    EXPECT_NE(text_of(code_out_hwnd).find("関数          :print_totals()"), std::string::npos) << text_of(code_out_hwnd);
    SetWindowTextA(hw(code_out_hwnd), "");
    SendMessageA(list(), WM_KEYUP, VK_F6, 0);
    EXPECT_NE(text_of(code_out_hwnd).find("print_totals"), std::string::npos);  // the tag file shown
    // F7 and F11 work in a reference list only: in a function list they change nothing.
    SetWindowTextA(hw(code_out_hwnd), "kept");
    SendMessageA(list(), WM_KEYUP, VK_F7, 0);
    SendMessageA(list(), WM_KEYUP, VK_F11, 0);
    EXPECT_EQ(text_of(code_out_hwnd), "kept");
}

TEST_F(SampleScreens, ListSystemMenu)
{
    list_cols = 2;
    SendMessageA(list(), WM_SYSCOMMAND, 7, 0);
    EXPECT_EQ(list_cols, 3);
    SendMessageA(list(), WM_SYSCOMMAND, 8, 0);
    SendMessageA(list(), WM_SYSCOMMAND, 8, 0);
    SendMessageA(list(), WM_SYSCOMMAND, 8, 0);
    EXPECT_EQ(list_cols, 1);
    keep_code_text = 0;
    SendMessageA(list(), WM_SYSCOMMAND, 53, 0);
    EXPECT_EQ(keep_code_text, 1);
    EXPECT_EQ(GetMenuState(GetSystemMenu(list(), FALSE), 53, MF_BYCOMMAND) & MF_CHECKED, 0u + MF_CHECKED);
    SendMessageA(list(), WM_SYSCOMMAND, 53, 0);
    EXPECT_EQ(keep_code_text, 0);
}

// The reload after a project command answered Yes empties the function
// list: LIST shows nothing of the project before.
TEST_F(SampleScreens, ProjectReloadEmptiesTheFunctionList)
{
    ASSERT_GE(position_of("print_totals", "sales.c"), 0);
    project_files_reload();
    EXPECT_EQ(i_num, 0);
    EXPECT_EQ(position_of("print_totals", "sales.c"), -1);
    list_item_num = 0;
    picture p(hwndL);
    for (int i = 0; i < list_item_num; ++i) EXPECT_EQ(strstr(list_items[i].text, "print_totals"), nullptr) << i;
}

TEST_F(SampleScreens, FlowChartOfAListClick)
{
    open_chart();
    picture p;
    bool title_ink = false, blue = false;
    for (int x = 0; x < pic_w && !title_ink; ++x) {
        for (int y = 0; y < 14 && !title_ink; ++y) title_ink = p.at(x, y) != RGB(255, 255, 255);
    }
    for (int x = 0; x < pic_w && !blue; ++x) {
        for (int y = 16; y < pic_h && !blue; ++y) blue = p.at(x, y) == RGB(0, 0, 255);
    }
    EXPECT_TRUE(title_ink);
    EXPECT_TRUE(blue);
}

TEST_F(SampleScreens, FlowClicksShowAndTakeOutTheCode)
{
    open_chart();
    const int n = cb_num > 1 ? 1 : 0;
    const LPARAM at = node_point(n);
    const COLORREF before = picture().at(LOWORD(at), HIWORD(at) - 4);
    click(flow(), at);
    const std::string shown = text_of(code_out_hwnd);
    EXPECT_FALSE(shown.empty());
    EXPECT_NE(picture().at(LOWORD(at), HIWORD(at) - 4), before);  // the cell inverted
    click(flow(), at);
    EXPECT_EQ(text_of(code_out_hwnd), "");
    EXPECT_EQ(picture().at(LOWORD(at), HIWORD(at) - 4), before);

    click(flow(), at);
    SendMessageA(flow(), WM_RBUTTONDOWN, MK_RBUTTON, at);
    SendMessageA(flow(), WM_RBUTTONUP, 0, at);
    EXPECT_EQ(text_of(code_out_hwnd), "");
    EXPECT_EQ(code_mark_num, 0);
}

TEST_F(SampleScreens, FlowZoomKeysAndDrag)
{
    open_chart();
    flow_zoom = 16;
    SendMessageA(flow(), WM_KEYUP, VK_UP, 1 << 24);
    EXPECT_EQ(flow_zoom, 16);
    for (int i = 0; i < 9; ++i) SendMessageA(flow(), WM_KEYUP, VK_DOWN, 1 << 24);
    EXPECT_EQ(flow_zoom, 7);
    SendMessageA(flow(), WM_KEYUP, VK_DOWN, 1 << 24);
    EXPECT_EQ(flow_zoom, 7);
    SendMessageA(flow(), WM_KEYUP, VK_UP, 1 << 24);
    EXPECT_EQ(flow_zoom, 8);
    flow_zoom = 16;
    opt_x = opt_y = 0;
    drag(flow(), WM_LBUTTONDOWN, WM_LBUTTONUP, 200, 200, 130, 200);  // 70 pixels left
    EXPECT_EQ(opt_x, 2);
    drag(flow(), WM_LBUTTONDOWN, WM_LBUTTONUP, 200, 200, 175, 190);  // less than a cell
    EXPECT_EQ(opt_x, 2);
    EXPECT_EQ(opt_y, 0);
}

TEST_F(SampleScreens, FlowSystemMenuAndTargetSelection)
{
    open_chart();
    SendMessageA(flow(), WM_SYSCOMMAND, 45, 0);
    EXPECT_EQ(flow_keep_code, 1);
    SendMessageA(flow(), WM_SYSCOMMAND, 45, 0);
    EXPECT_EQ(flow_keep_code, 0);
    SendMessageA(flow(), WM_SYSCOMMAND, 52, 0);
    EXPECT_EQ(flow_fix_zoom, 1);
    EXPECT_EQ(GetMenuState(GetSystemMenu(flow(), FALSE), 52, MF_BYCOMMAND) & MF_CHECKED, 0u + MF_CHECKED);
    SendMessageA(flow(), WM_SYSCOMMAND, 63, 0);
    EXPECT_FALSE(text_of(code_out_hwnd).empty());
    const int wide = flow_wide;
    SendMessageA(flow(), WM_SYSCOMMAND, 50, 0);
    EXPECT_NE(flow_wide, wide);
    EXPECT_GT(cb_num, 0);
    EXPECT_EQ(code_mark_num, 0);

    // Shift+left: the target field's number selects a node; other text only empties the field.
    set_target_text("1");
    SendMessageA(flow(), WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(10, 40));
    EXPECT_EQ(sel_cb, 1);
    EXPECT_EQ(target(), "");
    set_target_text("abc");
    SendMessageA(flow(), WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(10, 40));
    EXPECT_EQ(sel_cb, 1);
    EXPECT_EQ(target(), "");
}

}  // namespace
