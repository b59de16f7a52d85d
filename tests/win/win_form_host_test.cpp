// The form designer's window services bound to Win32: the list services on a
// real LISTBOX, a real COMBOBOX and the target field's pseudo handle with
// Japanese texts, text sizes against GetTextExtentPoint32A, the panes, and
// a null window as no window.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/win/form_screen.h"
#include "shell/host.h"
#include "shell/msgbox.h"
#include "shell/sjis.h"
#include "tests/win/test_window.h"

namespace {

class form_host : public ::testing::Test {
protected:
    static void SetUpTestSuite() { init_sjis_table(); }
    void SetUp() override
    {
        w = make_test_window();
        HINSTANCE inst = GetModuleHandleA(nullptr);
        combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 0, 370, 200, 200, w.frame,
                                nullptr, inst, nullptr);
        target_edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 210, 370, 100, 20, w.frame, nullptr, inst,
                                      nullptr);
        target_field.edit = target_edit;
        target_field.list = w.list;
        for (int i = 0; i < pane_count; ++i) {
            pane_hwnd[i] = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_BORDER | ES_AUTOHSCROLL, 0, 0, 20, 20, w.frame,
                                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + i)), inst, nullptr);
        }
    }
    void TearDown() override
    {
        target_field.edit = nullptr;
        target_field.list = nullptr;
        for (HWND &pane : pane_hwnd) pane = nullptr;
        destroy_test_window(w);
    }
    test_window w{};
    HWND combo = nullptr;
    HWND target_edit = nullptr;
};

std::vector<std::string> list_of(win_handle list)
{
    std::vector<std::string> items;
    const int count = host_list_count(list);
    for (int i = 0; i < count; ++i) {
        char buf[256];
        host_list_text(list, i, buf, sizeof buf);
        items.push_back(buf);
    }
    return items;
}

}  // namespace

TEST_F(form_host, ListServicesOnEveryKindOfList)
{
    struct kind {
        const char *name;
        win_handle list;
    };
    const kind kinds[] = {
        {"LISTBOX", w.list}, {"COMBOBOX", combo}, {"target field", target_field_handle()}};
    for (const kind &k : kinds) {
        host_list_reset(k.list);
        EXPECT_EQ(host_list_count(k.list), 0) << k.name;
        EXPECT_EQ(host_list_add(k.list, "画面一覧"), 0) << k.name;
        EXPECT_EQ(host_list_add(k.list, "b"), 1) << k.name;
        EXPECT_EQ(host_list_add(k.list, "表示"), 2) << k.name;
        EXPECT_EQ(list_of(k.list), (std::vector<std::string>{"画面一覧", "b", "表示"})) << k.name;
        // A cut that falls inside a double-byte character keeps it whole or leaves it out.
        char cut[6];
        EXPECT_EQ(host_list_text(k.list, 0, cut, sizeof cut), 4) << k.name;
        EXPECT_STREQ(cut, "画面") << k.name;
        char none[8] = "x";
        EXPECT_EQ(host_list_text(k.list, 3, none, sizeof none), -1) << k.name;
        EXPECT_STREQ(none, "") << k.name;
    }
    // The real windows got their own class's messages.
    EXPECT_EQ(SendMessageA(w.list, LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 3);
    host_set_edit_text(target_field_handle(), "対象");
    EXPECT_EQ(window_text(target_edit), "対象");
    host_list_reset(combo);
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 0);
}

TEST_F(form_host, TextSizeIsTheExtentOfTheFont)
{
    struct row {
        const char *face;
        int height;
        const char *text;
    };
    const row rows[] = {{"Arial", -12, "ボタン1"}, {"ＭＳ 明朝", -16, "入力欄"}, {"Arial", 20, "abc"}};
    for (const row &r : rows) {
        int w = 0, h = 0;
        host_text_size(r.face, r.height, r.text, &w, &h);
        HDC dc = GetDC(nullptr);
        HFONT font = CreateFontA(r.height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, r.face);
        HGDIOBJ old = SelectObject(dc, font);
        SIZE expected;
        GetTextExtentPoint32A(dc, r.text, lstrlenA(r.text), &expected);
        SelectObject(dc, old);
        DeleteObject(font);
        ReleaseDC(nullptr, dc);
        EXPECT_EQ(w, expected.cx) << r.text;
        EXPECT_EQ(h, expected.cy) << r.text;
        EXPECT_GT(w, 0) << r.text;
    }
}

TEST_F(form_host, NullWindowIsNoWindow)
{
    host_redraw(nullptr, RDW_INVALIDATE);
    host_list_reset(nullptr);
    EXPECT_EQ(host_list_add(nullptr, "x"), -1);
    EXPECT_EQ(host_list_count(nullptr), 0);
    char buf[8] = "x";
    EXPECT_EQ(host_list_text(nullptr, 0, buf, sizeof buf), -1);
    EXPECT_STREQ(buf, "");
    host_set_edit_text(nullptr, "x");
    EXPECT_EQ(host_font_height(nullptr), 0);
    int cw = -1, ch = -1;
    host_client_size(nullptr, &cw, &ch);
    EXPECT_EQ(cw, 0);
    EXPECT_EQ(ch, 0);
    for (HWND &pane : pane_hwnd) pane = nullptr;
    hide_panes();
    show_label(0, 0, 10, 20);
    set_pane_text(0, "x");
    get_pane_text(0, buf, sizeof buf);
    EXPECT_STREQ(buf, "");
}

TEST_F(form_host, SizesOfWindowsAndTheDesktop)
{
    int cw = 0, ch = 0;
    host_client_size(w.list, &cw, &ch);
    RECT r;
    GetClientRect(w.list, &r);
    EXPECT_EQ(cw, r.right);
    EXPECT_EQ(ch, r.bottom);
    host_desktop_size(&cw, &ch);
    GetClientRect(GetDesktopWindow(), &r);
    EXPECT_EQ(cw, r.right);
    EXPECT_EQ(ch, r.bottom);
    HFONT font = CreateFontA(-15, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "ＭＳ 明朝");
    SendMessageA(w.edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    HDC dc = GetDC(w.edit);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(w.edit, dc);
    EXPECT_EQ(host_font_height(w.edit), metrics.tmHeight);
    EXPECT_GE(metrics.tmHeight, 15);
    SendMessageA(w.edit, WM_SETFONT, 0, FALSE);
    DeleteObject(font);
}

TEST_F(form_host, PanesShowTheirLabelsAndQuoteTextsWithBlanks)
{
    hide_panes();
    for (HWND pane : pane_hwnd) EXPECT_FALSE(IsWindowVisible(pane));
    set_pane_text(3, "old");
    show_label(3, 40, 140, 100);
    EXPECT_TRUE(IsWindowVisible(pane_hwnd[3]));
    EXPECT_EQ(window_text(pane_hwnd[3]), "");
    RECT r;
    GetWindowRect(pane_hwnd[3], &r);
    MapWindowPoints(nullptr, w.frame, reinterpret_cast<POINT *>(&r), 2);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.right, 140);
    EXPECT_EQ(r.top, 80);
    EXPECT_EQ(r.bottom, 100);

    struct row {
        const char *typed;
        const char *read;
    };
    const row rows[] = {
        {"  名前  ", "名前"},
        {" 山田 太郎 ", "\"山田 太郎\""},
        {"\"山田 太郎", "\"山田 太郎\""},
        {"", ""},
    };
    for (const row &t : rows) {
        set_pane_text(3, t.typed);
        char buf[512];
        get_pane_text(3, buf, sizeof buf);
        EXPECT_STREQ(buf, t.read) << t.typed;
    }
    char small[4];
    set_pane_text(3, "漢字");
    get_pane_text(3, small, sizeof small);
    EXPECT_STREQ(small, "漢");
    hide_panes();
    EXPECT_FALSE(IsWindowVisible(pane_hwnd[3]));
    get_pane_text(10, small, sizeof small);
    EXPECT_STREQ(small, "");
}
