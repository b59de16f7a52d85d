// VOKTAVIR's start-up steps in-process: the eight classes, MAIN and the seven
// screens with their captions, owners, places and system menus, and the
// button bitmaps of the resources.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "shell/screens.h"
#include "shell/startup.h"
#include "shell/sysmenus.h"
#include "shell/win/startup_win.h"
#include "shell/wsize.h"

namespace {

HWND hw(win_handle h) { return static_cast<HWND>(h); }

class started : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        init_wsize();
        form_mode = 9;
        startup_form_flag = 1;
        default_lang = 1;
        app_instance = instance;
        create_main_font();
        ASSERT_EQ(register_classes(instance), 0);
        ASSERT_EQ(create_windows(instance), 0);
    }
};

struct screen_row {
    const char *cls;
    win_handle *hwnd;
    const char *caption;
    UINT style;
};

const screen_row screen_rows[] = {
    {"TAVIR", &hwndE, "[TAVIR]Ornak.C言語作図ソフト", CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS},
    {"LIST", &hwndL, "[一覧]Ornak.C言語作図ソフト", CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS},
    {"FLOW", &hwndF, "[ﾌﾛｰ]Ornak.C言語作図ソフト", CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS},
    {"CODE", &hwndC, "[ｺｰﾄﾞ]Ornak.C言語作図ソフト", CS_HREDRAW | CS_VREDRAW},
    {"FORM", &hwndO, "[ﾌｫｰﾑ]Ornak.C言語作図ソフト", CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS},
    {"RELATION", &hwndR, "[ｸﾞﾗﾌ]Ornak.C言語作図ソフト", CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS},
    {"PROPERTY", &hwndP, "[個性]Ornak.C言語作図ソフト", CS_HREDRAW | CS_VREDRAW},
};

}  // namespace

TEST_F(started, ClassesCaptionsOwnersAndPlaces)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (const screen_row &row : screen_rows) {
        WNDCLASSA wc;
        ASSERT_TRUE(GetClassInfoA(instance, row.cls, &wc)) << row.cls;
        EXPECT_EQ(wc.style, row.style) << row.cls;
        const bool hollow = strcmp(row.cls, "FORM") == 0;
        EXPECT_EQ(wc.hbrBackground, GetStockObject(hollow ? HOLLOW_BRUSH : WHITE_BRUSH)) << row.cls;
        char caption[200];
        GetWindowTextA(hw(*row.hwnd), caption, sizeof caption);
        EXPECT_STREQ(caption, row.caption);
        EXPECT_EQ(GetWindow(hw(*row.hwnd), GW_OWNER), hw(hwndM)) << row.cls;
        char cls[64];
        GetClassNameA(hw(*row.hwnd), cls, sizeof cls);
        EXPECT_STREQ(cls, row.cls);
        EXPECT_EQ(wsize_hwnd[wsize_index(row.cls)], *row.hwnd) << row.cls;
        RECT r;
        GetWindowRect(hw(*row.hwnd), &r);
        int x, y, w, h;
        get_wsize(row.cls, &x, &y, &w, &h);
        if (hollow) {
            RECT desk;
            GetClientRect(GetDesktopWindow(), &desk);
            x = desk.left;
            y = desk.top;
            w = desk.right - desk.left;
            h = desk.bottom - desk.top;
        }
        EXPECT_EQ(r.left, x) << row.cls;
        EXPECT_EQ(r.top, y) << row.cls;
        EXPECT_EQ(r.right - r.left, w) << row.cls;
        EXPECT_EQ(r.bottom - r.top, h) << row.cls;
    }
    char caption[600];
    GetWindowTextA(hw(hwndM), caption, sizeof caption);
    EXPECT_EQ(std::string(caption).rfind("[TAVIR]Ornak.C言語作図ソフト ", 0), 0u);
    EXPECT_EQ(GetWindow(hw(hwndM), GW_OWNER), nullptr);
    EXPECT_NE(code_out_hwnd, nullptr);
}

TEST_F(started, SystemMenusFollowTheTables)
{
    for (const sysmenu_list &list : sysmenu_lists) {
        HWND hwnd = hw(wsize_hwnd[wsize_index(list.screen)]);
        HMENU menu = GetSystemMenu(hwnd, FALSE);
        const int count = GetMenuItemCount(menu);
        ASSERT_GT(count, list.count) << list.screen;
        const int first = count - list.count;
        EXPECT_TRUE(GetMenuState(menu, first - 1, MF_BYPOSITION) & MF_SEPARATOR) << list.screen;
        for (int i = 0; i < list.count; ++i) {
            EXPECT_EQ(static_cast<int>(GetMenuItemID(menu, first + i)), list.items[i].id) << list.screen;
            char text[200];
            GetMenuStringA(menu, first + i, text, sizeof text, MF_BYPOSITION);
            EXPECT_STREQ(text, list.items[i].text);
            const bool checked = (GetMenuState(menu, first + i, MF_BYPOSITION) & MF_CHECKED) != 0;
            EXPECT_EQ(checked, sysmenu_checked(list.screen, list.items[i].id) == 1) << list.items[i].id;
        }
    }
    HMENU main_menu = GetSystemMenu(hw(hwndE), FALSE);
    EXPECT_TRUE(GetMenuState(main_menu, 79, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(main_menu, 68, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(main_menu, 67, MF_BYCOMMAND) & MF_CHECKED);
}

TEST(Bitmaps, EightButtonFacesLoadWithTheirSizes)
{
    ASSERT_EQ(load_bitmaps(GetModuleHandleA(nullptr)), 0);
    const int ids[8] = {111, 109, 112, 113, 114, 115, 116, 117};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(bitmaps[i].id, ids[i]);
        EXPECT_NE(bitmaps[i].handle, nullptr) << ids[i];
        EXPECT_EQ(bitmaps[i].width, 20);
        EXPECT_EQ(bitmaps[i].height, 20);
    }
}

TEST_F(started, XWindowModeChecksItsFormMenuItem)
{
    form_mode = 99;
    ASSERT_EQ(create_windows(GetModuleHandleA(nullptr)), 0);
    HMENU menu = GetSystemMenu(hw(hwndO), FALSE);
    EXPECT_TRUE(GetMenuState(menu, 58, MF_BYCOMMAND) & MF_CHECKED);
    int x, y, w, h;
    get_wsize("FORM", &x, &y, &w, &h);
    RECT r;
    GetWindowRect(hw(hwndO), &r);
    EXPECT_EQ(r.right - r.left, w);  // only mode 9 covers the desktop
    form_mode = 9;
}
