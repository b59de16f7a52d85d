// Views: the per-screen values applied to the running screens (the commands
// sent to them), the switch that saves one view and loads another, the reset,
// and the keys' questions.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "shell/list_setting.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "shell/views.h"
#include "shell/winmsg.h"
#include "shell/wsize.h"
#include "tests/shell/shell_fixture.h"

namespace {

// The size files of the fake view hooks: a copy of the table per file name.
std::map<std::string, std::vector<wsize_row>> size_files;
std::vector<std::string> hook_calls;

class Views : public folder_test {
protected:
    void SetUp() override
    {
        folder_test::SetUp();
        fill_home_dir();
        main_state_reset();
        for (win_handle *w : {&hwndE, &hwndL, &hwndF, &hwndC, &hwndO}) *w = capture::new_edit();
        main_controls[ctl_category] = capture::new_edit();
        size_files.clear();
        hook_calls.clear();
        view_hooks.save_places = [] { return hook_calls.push_back("places"), 0; };
        view_hooks.save_sizes = [] {
            hook_calls.push_back(std::string("save ") + wsize_file);
            size_files[wsize_file].assign(wsize_tbl, wsize_tbl + wsize_rows);
            return 0;
        };
        view_hooks.load_sizes = [] {
            hook_calls.push_back(std::string("load ") + wsize_file);
            init_wsize();
            auto f = size_files.find(wsize_file);
            if (f != size_files.end()) std::copy(f->second.begin(), f->second.end(), wsize_tbl);
            return 0;
        };
        view_hooks.place_screens = [] { return hook_calls.push_back("place"), 0; };
        snprintf(wsize_file, sizeof wsize_file, "%s", "vokwsize.dat");
        init_wsize();
        xwin_mode = 0;
        startup_form_flag = 0;
        flow_zoom = 13;
    }
    void TearDown() override
    {
        view_hooks = view_hooks_rec{};
        for (win_handle *w : {&hwndE, &hwndL, &hwndF, &hwndC, &hwndO}) *w = nullptr;
        snprintf(wsize_file, sizeof wsize_file, "%s", "vokwsize.dat");
        xwin_mode = 0;
        startup_form_flag = 0;
        folder_test::TearDown();
    }
    // The commands sent to a window, as "SYS n" or "CMD n".
    std::vector<std::string> commands_to(win_handle w) const
    {
        std::vector<std::string> out;
        for (const auto &s : capture::sends) {
            if (s.window != w) continue;
            if (s.msg == WM_SYSCOMMAND) out.push_back("SYS " + std::to_string(s.wparam));
            if (s.msg == WM_COMMAND) out.push_back("CMD " + std::to_string(s.wparam));
        }
        return out;
    }
};

using cmds = std::vector<std::string>;

TEST_F(Views, FormValuesBringTheXWindowSwitchInLine)
{
    const struct {
        const char *form;
        int xwin;          // xwin_mode before
        bool sends58;      // FORM gets its X-Window switch
        int form_mode_after;
        const char *row_after;
    } cases[] = {
        {"99", 0, true, 99, "99"}, {"99", 1, false, 99, "99"}, {"32", 1, true, 0, "32"}, {"32", 0, false, 0, "32"},
        {"16", 1, true, 0, "0"},   {"16", 0, false, 0, "0"},   {"9", 0, false, 9, "9"},   {"9", 1, false, 9, "9"},
        {"0", 1, true, 0, "0"},    {"0", 0, false, 0, "0"},
    };
    for (const auto &c : cases) {
        capture::sends.clear();
        init_wsize();
        set_wvalue("FORM", c.form);
        xwin_mode = c.xwin;
        apply_screen_values(values_on_view);
        EXPECT_EQ(c.sends58 ? cmds{"SYS 58"} : cmds{}, commands_to(hwndO)) << c.form << " " << c.xwin;
        EXPECT_EQ(c.xwin, xwin_mode) << "FORM's own command changes it";
        EXPECT_EQ(c.form_mode_after, form_mode) << c.form;
        char value[32];
        get_wvalue("FORM", value);
        EXPECT_STREQ(c.row_after, value) << c.form;
    }
}

TEST_F(Views, ViewValuesGoToTheRunningScreens)
{
    const struct {
        const char *name;
        const char *tavir, *property, *flow, *code;
        int flag_before;
        cmds to_main;
        int zoom, list_font;
        bool begin_f;
    } cases[] = {
        {"defaults", "0", "0.....R", "0", "12", 0, {"SYS 67"}, 13, 12, false},
        {"Java, flag differs", "2", "1LF....", "9", "25", 0, {"SYS 69", "SYS 79"}, 9, 25, false},
        {"flag equal and set", "1", "1......", "16", "10", 1, {"SYS 68"}, 16, 10, true},
        {"flag equal and clear", "0", "0......", "17", "8", 0, {"SYS 67"}, 13, 8, false},
    };
    for (const auto &c : cases) {
        capture::sends.clear();
        capture::repaints.clear();
        capture::edit_text(main_controls[ctl_category]) = "x.c";
        init_wsize();
        set_wvalue("TAVIR", c.tavir);
        set_wvalue("PROPERTY", c.property);
        set_wvalue("FLOW", c.flow);
        set_wvalue("CODE", c.code);
        set_wvalue("RELATION", "15");
        startup_form_flag = c.flag_before;
        apply_screen_values(values_on_view);
        EXPECT_EQ(c.to_main, commands_to(hwndE)) << c.name;
        EXPECT_EQ(cmds{"SYS 82"}, commands_to(hwndL)) << c.name;
        EXPECT_EQ(cmds{"CMD 1"}, commands_to(hwndC)) << c.name;
        EXPECT_EQ(c.zoom, flow_zoom) << c.name;
        EXPECT_EQ(c.list_font, list_font_size) << c.name;
        EXPECT_EQ(15, output_font_size) << c.name;
        EXPECT_EQ(c.begin_f ? "begin.f" : "x.c", capture::edit_text(main_controls[ctl_category])) << c.name;
        EXPECT_EQ(1u, capture::repaints.size()) << c.name;
    }
    // The defaults hide RELATION only.
    init_wsize();
    apply_screen_values(values_on_view);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(i == hidden_relation ? 1 : 0, hidden_flags[i]) << i;
}

TEST_F(Views, StartUpSetsTheValuesWithoutSendingAnything)
{
    init_wsize();
    set_wvalue("FORM", "99");
    set_wvalue("PROPERTY", "1......");
    set_wvalue("FLOW", "3");
    set_wvalue("CODE", "30");
    flow_zoom = 11;
    take_screen_values();
    EXPECT_TRUE(capture::sends.empty());
    EXPECT_EQ(1, xwin_mode);
    EXPECT_EQ(1, startup_form_flag);
    EXPECT_EQ(11, flow_zoom);
    EXPECT_EQ(12, list_font_size);
}

TEST_F(Views, SwitchingAwayAndBackRestoresTheFirstView)
{
    set_wvalue("FLOW", "14");
    flow_zoom = 14;
    wsize_tbl[wsize_index("CODE")].x = 77;
    list_cols = 5;
    EXPECT_EQ(0, view_key('B'));  // OK by default
    EXPECT_STREQ("vokwsiz2.dat", wsize_file);
    EXPECT_EQ("vokwsiz2.dat\n", fixture::read_file("vokwview.dat"));
    EXPECT_EQ((std::vector<std::string>{"places", "save vokwsize.dat", "load vokwsiz2.dat", "place"}), hook_calls);
    EXPECT_EQ(13, flow_zoom);  // view 2 never saved: the defaults
    EXPECT_EQ(3, list_cols);
    flow_zoom = 9;
    EXPECT_EQ(0, view_key('V'));
    EXPECT_STREQ("vokwsize.dat", wsize_file);
    EXPECT_EQ(14, flow_zoom);
    EXPECT_EQ(5, list_cols);
    int x, y, w, h;
    get_wsize("CODE", &x, &y, &w, &h);
    EXPECT_EQ(77, x);
    char value[32];
    get_wvalue("FLOW", value);
    EXPECT_STREQ("14", value);
    EXPECT_STREQ("9", size_files["vokwsiz2.dat"][wsize_index("FLOW")].value);
}

TEST_F(Views, TheKeysAskFirstAndTheSameViewOnlyBeeps)
{
    EXPECT_EQ(1, view_key('V'));
    ASSERT_EQ(1u, capture::boxes.size());
    EXPECT_EQ("同一ビュー１[V]への切り替えです", capture::boxes[0].text);
    EXPECT_EQ(static_cast<unsigned>(MB_ICONEXCLAMATION), capture::boxes[0].style);
    EXPECT_EQ(1, capture::beeps);
    EXPECT_TRUE(hook_calls.empty());

    capture::answers = {IDCANCEL};
    EXPECT_EQ(2, view_key('N'));
    EXPECT_EQ("ビュー３{N]に切り替えますか？", capture::boxes[1].text);
    EXPECT_TRUE(hook_calls.empty());
    EXPECT_STREQ("vokwsize.dat", wsize_file);
    EXPECT_EQ(-1, view_key('X'));

    set_wvalue("FLOW", "15");
    capture::answers = {IDCANCEL, IDOK};
    EXPECT_EQ(2, view_reset_key());
    EXPECT_EQ("カレント ビュー１[V]を初期化しますか？", capture::boxes[2].text);
    char value[32];
    get_wvalue("FLOW", value);
    EXPECT_STREQ("15", value);
    EXPECT_EQ(0, view_reset_key());
    get_wvalue("FLOW", value);
    EXPECT_STREQ("0", value);
    EXPECT_EQ(13, flow_zoom);
    EXPECT_EQ((std::vector<std::string>{"place"}), hook_calls);  // nothing written
    EXPECT_FALSE(fixture::exists("vokwview.dat"));
}

}  // namespace
