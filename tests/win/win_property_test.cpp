// The PROPERTY screen in-process: its controls with their classes, ids and
// places at two sizes, the list notifications that store a box's fields, the
// value choice, the clear buttons, the target-field keys and the close.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "forms/model.h"
#include "forms/para.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "shell/win/startup_win.h"
#include "shell/wsize.h"
#include "trees/property.h"

namespace {

HWND hw(win_handle h) { return static_cast<HWND>(h); }

class property_screen : public ::testing::Test {
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
        form_alloc();
    }
    void SetUp() override
    {
        main_state_reset();
        form_reset();
        form_alloc();
        prop_field = -1;
        // One box with three fields, current.
        box_rec &b = box_table[0];
        b = box_rec{};
        copy_bounded(b.kind, sizeof b.kind, "RBOX");
        copy_bounded(b.name, sizeof b.name, "r");
        form_num = 1;
        copy_bounded(para_buf, para_cap, "a b c\n");
        cur_box = 0;
    }
    static HWND item(int id) { return GetDlgItem(hw(hwndP), id); }
    static std::string text_of(HWND w)
    {
        char buf[1000] = "";
        GetWindowTextA(w, buf, sizeof buf);
        return buf;
    }
    static RECT place_of(int id)
    {
        RECT r = {-1, -1, -1, -1};
        GetWindowRect(item(id), &r);
        MapWindowPoints(nullptr, hw(hwndP), reinterpret_cast<POINT *>(&r), 2);
        return r;
    }
    static std::string line0()
    {
        int s = 0, e = 0;
        para_line_span(0, &s, &e);
        return std::string(para_buf + s, para_buf + e);
    }
    static void notify(int id, int note, win_handle control)
    {
        SendMessageA(hw(hwndP), WM_COMMAND, MAKEWPARAM(id, note), reinterpret_cast<LPARAM>(hw(control)));
    }
};

TEST_F(property_screen, ControlsAndPlacesAtTwoSizes)
{
    const struct {
        int id;
        const char *cls, *text;
    } controls[] = {
        {0, "Button", "★"},          {1, "Static", "member"},          {2, "Static", "value"},
        {3, "ListBox", ""},          {4, "Edit", ""},                  {5, "ListBox", ""},
        {6, "Button", "個性値一覧"}, {7, "Button", "個性値全クリア"}, {8, "Button", "個性値投入エリアのクリア"},
        {9, "Button", "ﾃｷｽﾄ内容表示"}, {10, "Button", " 開く"},       {20, "Button", "★"},
        {21, "Button", "ﾌｫ"},        {22, "Button", "挿"},             {23, "Button", "抜"},
        {30, "Static", ""},
    };
    for (const auto &c : controls) {
        HWND w = item(c.id);
        ASSERT_NE(nullptr, w) << c.id;
        char cls[40] = "";
        GetClassNameA(w, cls, sizeof cls);
        EXPECT_STRCASEEQ(c.cls, cls) << c.id;
        if (c.id != 3 && c.id != 5) {
            EXPECT_EQ(c.text, text_of(w)) << c.id;
        }
    }
    EXPECT_EQ(hw(prop_member_list), item(3));
    EXPECT_EQ(hw(prop_value_edit), item(4));
    EXPECT_EQ(hw(prop_value_list), item(5));

    const struct {
        int width, height;
        int id, x, y, w, h;
    } places[] = {
        {700, 300, 4, 120, 30, 571, 24},  {700, 300, 5, 120, 54, 571, 216}, {700, 300, 3, 10, 30, 100, 240},
        {700, 300, 6, 10, 272, 100, 24},  {700, 300, 10, 610, 272, 50, 24}, {700, 300, 20, 615, 279, 20, 20},
        {700, 300, 23, 675, 279, 20, 20}, {400, 100, 4, 120, 30, 500, 24},  {400, 100, 5, 120, 54, 500, 50},
        {400, 100, 3, 10, 30, 100, 74},   {400, 100, 7, 120, 103, 130, 24}, {400, 100, 21, 335, 79, 20, 20},
    };
    for (const auto &p : places) {
        SendMessageA(hw(hwndP), WM_SIZE, 0, MAKELPARAM(p.width, p.height));
        const RECT r = place_of(p.id);
        EXPECT_EQ(p.x, r.left) << p.width << " " << p.id;
        EXPECT_EQ(p.y, r.top) << p.width << " " << p.id;
        EXPECT_EQ(p.w, r.right - r.left) << p.width << " " << p.id;
        EXPECT_EQ(p.h, r.bottom - r.top) << p.width << " " << p.id;
    }
}

TEST_F(property_screen, ListNotificationsStoreFields)
{
    for (const char *m : {"m0", "m1", "m2"}) SendMessageA(hw(prop_member_list), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(m));
    SendMessageA(hw(prop_member_list), LB_SETCURSEL, 0, 0);
    notify(3, LBN_SELCHANGE, prop_member_list);
    EXPECT_EQ("a", text_of(item(4)));
    EXPECT_EQ(0, prop_field);
    SetWindowTextA(item(4), "new");
    SendMessageA(hw(prop_member_list), LB_SETCURSEL, 2, 0);
    notify(3, LBN_SELCHANGE, prop_member_list);
    EXPECT_EQ("new b c\n", line0());
    EXPECT_EQ("c", text_of(item(4)));
    notify(3, LBN_SETFOCUS, prop_member_list);  // no store, no change
    EXPECT_EQ(2, prop_field);

    // A value choice loses its "//" comment.
    SendMessageA(hw(prop_value_list), LB_RESETCONTENT, 0, 0);
    SendMessageA(hw(prop_value_list), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("WS_CHILD  // a child"));
    SendMessageA(hw(prop_value_list), LB_SETCURSEL, 0, 0);
    notify(5, LBN_SELCHANGE, prop_value_list);
    EXPECT_EQ("WS_CHILD", text_of(item(4)));

    // Button 8 empties the value edit; button 7 the box's whole line.
    SendMessageA(hw(hwndP), WM_COMMAND, 8, 0);
    EXPECT_EQ("", text_of(item(4)));
    SetWindowTextA(item(4), "x");
    SendMessageA(hw(hwndP), WM_COMMAND, 7, 0);
    EXPECT_EQ("", text_of(item(4)));
    EXPECT_EQ("\n", line0());
}

// A right press on a small button shows its hint in the popup (id 30); a
// right release hides it.
TEST_F(property_screen, SmallButtonHints)
{
    const char *const hints[] = {"主画面を表示する", "ﾌｫｰﾑ画面を表示する", "主画面の対象欄に設定する",
                                 "主画面の対象欄から抜き取る"};
    for (int i = 0; i < 4; ++i) {
        SendMessageA(hw(hwndP), WM_PARENTNOTIFY, WM_RBUTTONDOWN, MAKELPARAM(5, 5));
        SendMessageA(hw(hwndP), WM_SETCURSOR, reinterpret_cast<WPARAM>(item(20 + i)), MAKELPARAM(HTCLIENT, WM_RBUTTONDOWN));
        EXPECT_EQ(hints[i], text_of(item(30))) << i;
        EXPECT_NE(0, GetWindowLongA(item(30), GWL_STYLE) & WS_VISIBLE);
        SendMessageA(hw(hwndP), WM_SETCURSOR, reinterpret_cast<WPARAM>(item(20 + i)), MAKELPARAM(HTCLIENT, WM_RBUTTONUP));
        EXPECT_EQ(0, GetWindowLongA(item(30), GWL_STYLE) & WS_VISIBLE);
    }
}

TEST_F(property_screen, TargetFieldKeysAndClose)
{
    SetWindowTextA(item(4), "from value");
    SendMessageA(hw(hwndP), WM_COMMAND, 22, 0);  // "挿": PageUp
    EXPECT_EQ("from value", text_of(hw(target_field.edit)));
    SetWindowTextA(hw(target_field.edit), "from target");
    SendMessageA(hw(hwndP), WM_COMMAND, 23, 0);  // "抜": PageDown
    EXPECT_EQ("from target", text_of(item(4)));

    hidden_flags[hidden_property] = 0;
    ShowWindow(hw(hwndP), SW_SHOWNORMAL);
    SendMessageA(hw(hwndP), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(hw(hwndP)));
    EXPECT_EQ(1, hidden_flags[hidden_property]);
    ShowWindow(hw(hwndP), SW_SHOWNORMAL);
    EXPECT_EQ(0, hidden_flags[hidden_property]);
    ShowWindow(hw(hwndP), SW_HIDE);
}

}  // namespace
