// The main screen in-process: its children with their ids, places and fonts
// after creation, a resize and a new layout, and keys that reach the
// portable decisions through tavir_proc (the target key normalised, the
// key-help pages shown on the function buttons).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "forms/win/form_screen.h"
#include "generators/gen_support.h"
#include "shell/main_fields.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/screens.h"
#include "shell/stacks.h"
#include "shell/text.h"
#include "shell/startup.h"
#include "shell/win/main_screen_win.h"
#include "shell/win/startup_win.h"
#include "shell/wsize.h"

namespace {

HWND hw(win_handle h) { return static_cast<HWND>(h); }

class main_screen : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        init_wsize();
        category_wide = 0;
        object_wide = 0;
        category_font = 0;
        startup_form_flag = 0;
        main_state_reset();
        app_instance = instance;
        create_main_font();
        ASSERT_EQ(register_classes(instance), 0);
        ASSERT_EQ(create_windows(instance), 0);
        bind_program_hooks();
    }
    void SetUp() override
    {
        main_state_reset();
        help_mode = 0;
    }

    // A child's place in the main screen's client coordinates.
    static RECT place_of(int id)
    {
        RECT r = {-1, -1, -1, -1};
        HWND child = GetDlgItem(hw(hwndE), id);
        if (child == nullptr) return r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, hw(hwndE), reinterpret_cast<POINT *>(&r), 2);
        return r;
    }
    // The window's own visible style (the screen itself is not shown in the test).
    static bool shown(HWND w) { return (GetWindowLongA(w, GWL_STYLE) & WS_VISIBLE) != 0; }
    static std::string text_of(HWND w)
    {
        char buf[1000] = "";
        GetWindowTextA(w, buf, sizeof buf);
        return buf;
    }
};

struct place_row {
    int id;
    int x, y, width, height;
};

TEST_F(main_screen, ChildrenIdsAndPlacesAfterCreation)
{
    // Wc 231 and Wt 258 without parameters; the row of buttons begins at Wc + Wt + 38.
    const place_row rows[] = {
        {0, 0, 0, 231, 22},     {104, 231, 0, 296, 22}, {2, 527, 0, 38, 22},   {3, 565, 0, 38, 22},
        {8, 755, 0, 38, 22},    {11, 793, 0, 38, 22},   {14, 869, 0, 38, 22},  {1000, 564, 37, 266, 22},
        {1003, 564, 148, 266, 22},
    };
    for (const place_row &r : rows) {
        const RECT p = place_of(r.id);
        EXPECT_EQ(r.x, p.left) << r.id;
        EXPECT_EQ(r.y, p.top) << r.id;
        EXPECT_EQ(r.width, p.right - p.left) << r.id;
        EXPECT_EQ(r.height, p.bottom - p.top) << r.id;
    }
    EXPECT_EQ("関連", text_of(GetDlgItem(hw(hwndE), 8)));
    EXPECT_EQ("削除", text_of(GetDlgItem(hw(hwndE), 14)));
    EXPECT_FALSE(shown(GetDlgItem(hw(hwndE), 1000)));
    for (int id = 20; id <= 36; ++id) EXPECT_NE(nullptr, GetDlgItem(hw(hwndE), id)) << id;
    EXPECT_EQ("編", text_of(GetDlgItem(hw(hwndE), 36)));
    // The target field's pseudo handle serves the real edit and list.
    EXPECT_EQ(GetDlgItem(hw(hwndE), 104), hw(target_field.edit));
    EXPECT_EQ(GetDlgItem(hw(hwndE), 1), hw(target_field.list));
    EXPECT_EQ(3, SendMessageA(hw(target_field.list), LB_GETCOUNT, 0, 0));
    EXPECT_GE(SendMessageA(GetDlgItem(hw(hwndE), 12), LB_GETCOUNT, 0, 0), 3);

    HFONT font = reinterpret_cast<HFONT>(SendMessageA(GetDlgItem(hw(hwndE), 0), WM_GETFONT, 0, 0));
    LOGFONTA lf;
    ASSERT_NE(0, GetObjectA(font, sizeof lf, &lf));
    EXPECT_EQ(-14, lf.lfHeight);
    EXPECT_STREQ("ＭＳ 明朝", lf.lfFaceName);
    font = reinterpret_cast<HFONT>(SendMessageA(GetDlgItem(hw(hwndE), 12), WM_GETFONT, 0, 0));
    ASSERT_NE(0, GetObjectA(font, sizeof lf, &lf));
    EXPECT_EQ(-12, lf.lfHeight);
}

TEST_F(main_screen, ResizeAndLayoutFollowTheSizeAndTheParameters)
{
    SendMessageA(hw(hwndE), WM_SIZE, 0, MAKELPARAM(800, 300));
    RECT p = place_of(20);
    EXPECT_EQ(800 - 345, p.left);
    EXPECT_EQ(279, p.top);
    EXPECT_EQ(20, p.right - p.left);
    p = place_of(36);
    EXPECT_EQ(800 - 345 + 20 * 16, p.left);
    EXPECT_FALSE(shown(GetDlgItem(hw(hwndE), 26)));  // "・"
    p = place_of(12);
    EXPECT_EQ(22, p.top);
    EXPECT_EQ(279, p.bottom);

    category_wide = 300;
    object_wide = 338;
    category_font = 16;
    int text_x = 0;
    HFONT font = nullptr;
    EXPECT_EQ(0, layout_main_screen(hw(hwndE), &text_x, &font));
    EXPECT_EQ(300 + 300 + 38, text_x);
    p = place_of(0);
    EXPECT_EQ(300, p.right - p.left);
    p = place_of(104);
    EXPECT_EQ(300, p.left);
    EXPECT_EQ(338, p.right - p.left);
    LOGFONTA lf;
    ASSERT_NE(0, GetObjectA(font, sizeof lf, &lf));
    EXPECT_EQ(-16, lf.lfHeight);
    category_wide = 0;
    object_wide = 0;
    category_font = 0;
    layout_main_screen(hw(hwndE), &text_x, &font);
}

TEST_F(main_screen, KeysReachTheirDecisions)
{
    SetWindowTextA(hw(target_field.edit), "123(4):func(int)");
    SendMessageA(hw(hwndE), WM_KEYUP, VK_LEFT, 0);
    EXPECT_EQ("func(int)", text_of(hw(target_field.edit)));

    SendMessageA(hw(hwndE), WM_KEYDOWN, VK_APPS, 0);
    EXPECT_EQ(1, bar_group);
    EXPECT_TRUE(shown(hw(fkey_buttons[0])));
    EXPECT_EQ("F1パラメータの設定", text_of(hw(fkey_buttons[0])));
    EXPECT_EQ("F4プロジェクトを切り替える", text_of(hw(fkey_buttons[3])));
    SendMessageA(hw(hwndE), WM_KEYDOWN, VK_RETURN, 0);  // closes the bar
    EXPECT_EQ(0, bar_group);
    EXPECT_FALSE(shown(hw(fkey_buttons[0])));
    SendMessageA(hw(hwndE), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ('E', help_mode);
    SendMessageA(hw(hwndE), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(0, help_mode);

    // The mode button switches its caption.
    SendMessageA(hw(hwndE), WM_COMMAND, 8, 0);
    EXPECT_EQ("生成", text_of(GetDlgItem(hw(hwndE), 8)));
    EXPECT_EQ(mode_create, gen_rel_mode);
    SendMessageA(hw(hwndE), WM_COMMAND, 8, 0);
    EXPECT_EQ("関連", text_of(GetDlgItem(hw(hwndE), 8)));

    // The bars button hides the small buttons and relabels itself.
    SendMessageA(hw(hwndE), WM_COMMAND, 14, 0);
    EXPECT_EQ(bars_hidden, buttons_shown);
    EXPECT_EQ("ﾎﾞﾀﾝ", text_of(GetDlgItem(hw(hwndE), 14)));
    EXPECT_FALSE(shown(GetDlgItem(hw(hwndE), 20)));
    SendMessageA(hw(hwndE), WM_COMMAND, 14, 0);
    EXPECT_EQ("削除", text_of(GetDlgItem(hw(hwndE), 14)));
}

// The client area of a window as 32-bit pixels, through a DIB section.
struct client_pixels {
    int width = 0, height = 0;
    std::string bits;
    COLORREF at(int x, int y) const
    {
        const unsigned char *p = reinterpret_cast<const unsigned char *>(bits.data()) + (y * width + x) * 4;
        return RGB(p[2], p[1], p[0]);
    }
    int count(COLORREF colour, int x0) const
    {
        int n = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = x0; x < width; ++x) n += at(x, y) == colour ? 1 : 0;
        }
        return n;
    }
};

client_pixels capture_client(HWND hwnd)
{
    client_pixels out;
    RECT r;
    GetClientRect(hwnd, &r);
    out.width = r.right;
    out.height = r.bottom;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = out.width;
    bi.bmiHeader.biHeight = -out.height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void *bits = nullptr;
    HDC screen = GetDC(hwnd);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP dib = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, out.width, out.height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    out.bits.assign(static_cast<const char *>(bits), static_cast<size_t>(out.width) * out.height * 4);
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(hwnd, screen);
    return out;
}

// Paints the text area as the timer does: a paint, then a tick.
void paint_by_timer(HWND hwnd)
{
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
    SendMessageA(hwnd, WM_TIMER, 77, 0);
}

TEST_F(main_screen, TheTextAreaShowsTheMemoOrTheHelpButNothingBesideABar)
{
    HWND hwnd = hw(hwndE);
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 1000, 300, SWP_SHOWWINDOW);
    SendMessageA(hwnd, WM_SIZE, 0, MAKELPARAM(1000, 300));
    copy_bounded(memo_buf, sizeof memo_buf, "■■■■■■■■\r\n■■■■■■■■\r\n");
    const int left = 231 + 258 + 38;
    const COLORREF memo_colour = RGB(0, 125, 125), help_colour = RGB(0, 0, 255);

    paint_by_timer(hwnd);
    client_pixels shot = capture_client(hwnd);
    EXPECT_GT(shot.count(memo_colour, left), 20);
    EXPECT_EQ(0, shot.count(help_colour, left));

    SendMessageA(hwnd, WM_KEYDOWN, VK_RETURN, 0);  // the help line
    paint_by_timer(hwnd);
    shot = capture_client(hwnd);
    EXPECT_GT(shot.count(help_colour, left), 20);
    EXPECT_EQ(0, shot.count(memo_colour, left));

    SendMessageA(hwnd, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(hwnd, WM_KEYDOWN, VK_APPS, 0);  // a bar page: the area stays blank
    paint_by_timer(hwnd);
    shot = capture_client(hwnd);
    EXPECT_EQ(0, shot.count(memo_colour, left));
    EXPECT_EQ(0, shot.count(help_colour, left));
    SendMessageA(hwnd, WM_KEYDOWN, VK_RETURN, 0);
    ShowWindow(hwnd, SW_HIDE);
    memo_buf[0] = '\0';
}

// A right double-click on the main screen draws the six junction marks on FLOW.
TEST_F(main_screen, RightDoubleClickDrawsJunctionsOnFlow)
{
    HWND flow = hw(hwndF);
    SetWindowPos(flow, HWND_TOPMOST, 0, 0, 300, 200, SWP_SHOWWINDOW);
    InvalidateRect(flow, nullptr, TRUE);
    UpdateWindow(flow);
    const COLORREF black = RGB(0, 0, 0);
    const int before = capture_client(flow).count(black, 0);
    SendMessageA(hw(hwndE), WM_RBUTTONDBLCLK, MK_RBUTTON, MAKELPARAM(600, 300));
    const int after = capture_client(flow).count(black, 0);
    EXPECT_GT(after, before + 40);  // six marks with their stubs
    ShowWindow(flow, SW_HIDE);
}

TEST_F(main_screen, TheExchangeItemNeedsTheMakerFile)
{
    HMENU menu = GetSystemMenu(hw(hwndE), FALSE);
    DeleteFileA("maker.dat");
    SendMessageA(hw(hwndE), WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
    EXPECT_NE(0u, GetMenuState(menu, 81, MF_BYCOMMAND) & MF_GRAYED);
    FILE *fp = fopen("maker.dat", "w");
    ASSERT_NE(nullptr, fp);
    fclose(fp);
    SendMessageA(hw(hwndE), WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
    EXPECT_EQ(0u, GetMenuState(menu, 81, MF_BYCOMMAND) & MF_GRAYED);
    DeleteFileA("maker.dat");
}

// Every member of every hook table the program binds is set once the windows
// exist; the failure names the empty ones.
TEST_F(main_screen, EveryHookIsBoundOnceTheWindowsExist)
{
    char unbound[2000] = "";
    EXPECT_EQ(0, unbound_hooks(unbound, sizeof unbound)) << unbound;
}

// The category "*.r" or "*.x" lists the definition keys of the form in use
// from its ".R" or ".X" file after the patterns.
TEST_F(main_screen, DefinitionCategoriesListTheKeysOfTheFormInUse)
{
    struct defs_case {
        const char *category;
        const char *file;
        const char *text;
        const char *first, *second;
    };
    const defs_case cases[] = {
        {"*.r", "defs.R", "BUTTON\tIDOK\t\nEDIT\tIDC_NAME\t\n", "BUTTON", "EDIT"},
        {"*.x", "defs.X", "PushB\tok\t\nText\tname\t\n", "PushB", "Text"},
    };
    SetWindowTextA(form_name_edit, "defs.f");
    char prog[] = "get_category";
    char *argv[] = {prog};
    HWND list = hw(main_controls[ctl_patterns]);
    for (const defs_case &c : cases) {
        FILE *fp = fopen(c.file, "wb");
        ASSERT_NE(nullptr, fp);
        fputs(c.text, fp);
        fclose(fp);
        SetWindowTextA(hw(main_controls[ctl_category]), c.category);
        fill_file_list(1, argv);
        const int n = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
        ASSERT_GE(n, 2);
        char item[100] = "";
        SendMessageA(list, LB_GETTEXT, n - 2, reinterpret_cast<LPARAM>(item));
        EXPECT_STREQ(c.first, item) << c.category;
        SendMessageA(list, LB_GETTEXT, n - 1, reinterpret_cast<LPARAM>(item));
        EXPECT_STREQ(c.second, item) << c.category;
        remove(c.file);
    }
    SetWindowTextA(form_name_edit, "");
}

// A form file found missing before a project change is looked for again
// after it, and the identifier words of the kinds are computed anew.
TEST_F(main_screen, ProjectChangeForgetsTheCheckedFormFilesAndTheKindIds)
{
    remove("later.f");
    EXPECT_EQ(0, note_file_exists("later"));
    FILE *fp = fopen("later.f", "w");
    ASSERT_NE(nullptr, fp);
    fclose(fp);
    EXPECT_EQ(0, note_file_exists("later"));  // still the answer checked before
    kind_id_cache[0] = "KIND\t\t";
    kind_id_num = 1;
    ASSERT_NE(nullptr, main_hooks.project_changed);
    main_hooks.project_changed();
    EXPECT_EQ(0, kind_id_num);
    EXPECT_EQ(1, note_file_exists("later"));
    remove("later.f");
}

}  // namespace
