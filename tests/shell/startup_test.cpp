// The window table, the view file, the per-screen values, the main caption,
// the backup offered on closing, and the developer aids.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "shell/devaids.h"
#include "shell/screens.h"
#include "shell/stacks.h"
#include "shell/startup.h"
#include "shell/winmsg.h"
#include "shell/wsize.h"
#include "tests/shell/shell_fixture.h"

using fixture::read_file;
using fixture::write_file;

TEST(WindowTable, ValuesPlacesAndNames)
{
    init_wsize();
    int x = -1, y = -1, w = -1, h = -1;
    EXPECT_EQ(get_wsize("PROPERTY", &x, &y, &w, &h), 0);
    EXPECT_EQ((std::vector<int>{x, y, w, h}), (std::vector<int>{0, 600, 880, 168}));
    EXPECT_EQ(get_wsize("NONE", &x, &y, &w, &h), 1);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(set_whwnd("NONE", nullptr), 1);
    const struct {
        const char *text, *stored;
    } values[] = {{"14 zoom", "14"}, {"1234567890123", "123456789"}, {"7/x", "7"}, {"8(", "8"}, {"a\tb", "a"}, {"", ""}};
    for (const auto &v : values) {
        EXPECT_EQ(set_wvalue("FLOW", v.text), 0);
        char buf[32];
        EXPECT_EQ(get_wvalue("FLOW", buf), 0);
        EXPECT_STREQ(buf, v.stored) << v.text;
    }
    EXPECT_EQ(set_wvalue("flow", "1"), -1);
    char buf[32];
    EXPECT_EQ(get_wvalue("x", buf), -1);
}

TEST(WindowTable, ScreenFlags)
{
    const struct {
        const char *text;
        int flags[6];
    } rows[] = {
        {"0.F..C.", {0, 1, 0, 0, 1, 0}}, {"12LFOPCR", {1, 1, 1, 1, 1, 1}}, {"123", {0, 0, 0, 0, 0, 0}},
        {"1LF....", {1, 1, 0, 0, 0, 0}}, {"0FL", {0, 0, 0, 0, 0, 0}},
    };
    for (const auto &r : rows) {
        for (int &f : hidden_flags) f = 1;
        parse_screen_flags(r.text);
        EXPECT_EQ(std::vector<int>(hidden_flags, hidden_flags + 6), std::vector<int>(r.flags, r.flags + 6)) << r.text;
    }
    char text[16] = "7..O...";
    parse_screen_flags("0L");
    format_screen_flags(text, sizeof text);
    EXPECT_STREQ(text, "7L.....");
    char small[4] = "12";
    EXPECT_EQ(format_screen_flags(small, sizeof small), 1);
}

TEST_F(folder_test, ViewFileAndLabels)
{
    fill_home_dir();
    snprintf(wsize_file, sizeof wsize_file, "%s", "vokwsize.dat");
    read_wview();
    EXPECT_STREQ(wsize_file, "vokwsize.dat");
    EXPECT_STREQ(wsize_label(), "１[V]");
    write_file("vokwview.dat", "vokwsiz2.dat\n");
    read_wview();
    EXPECT_STREQ(wsize_label(), "２[B]");
    EXPECT_EQ(is_wsize_std("vokwsiz2.dat"), 0);
    write_file("vokwview.dat", std::string(150, 'v') + "\n");
    read_wview();
    EXPECT_STREQ(wsize_file, "vokwsiz2.dat");  // a name that does not fit is not taken
    EXPECT_EQ(set_wview("vokwsiz3.dat"), 0);
    EXPECT_STREQ(wsize_label(), "３[N]");
    EXPECT_EQ(read_file("vokwview.dat"), "vokwsiz3.dat\n");
    fixture::make_dir("vokwview.$$$");
    EXPECT_EQ(set_wview("other.dat"), 1);
    EXPECT_STREQ(wsize_file, "vokwsiz3.dat");
    snprintf(wsize_file, sizeof wsize_file, "%s", "x.dat");
    EXPECT_STREQ(wsize_label(), "?");
    snprintf(wsize_file, sizeof wsize_file, "%s", "vokwsize.dat");
}

TEST(Startup, DeveloperCode)
{
    EXPECT_EQ(is_dev_code("480315"), 1);
    EXPECT_EQ(is_dev_code("480315 "), 0);
    EXPECT_EQ(is_dev_code("48031"), 0);
    EXPECT_EQ(is_dev_code(""), 0);
}

TEST(Startup, ScreenValuesOfTheTable)
{
    const struct {
        const char *flow, *code, *form;
        int zoom, list_font, form_mode_after, xwin;
        const char *form_row;
    } rows[] = {
        {"6", "9", "16", 13, 12, 0, 0, "0"},   {"17", "19", "32", 13, 12, 0, 0, "32"},
        {"7", "10", "99", 7, 10, 99, 1, "99"}, {"16", "18", "9", 16, 18, 9, 0, "9"},
    };
    memset(project_props, 0, sizeof project_props);
    for (const auto &r : rows) {
        init_wsize();
        flow_zoom = 13;
        xwin_mode = 0;
        set_wvalue("TAVIR", "2");
        set_wvalue("FLOW", r.flow);
        set_wvalue("CODE", r.code);
        set_wvalue("FORM", r.form);
        set_wvalue("RELATION", "14");
        set_wvalue("PROPERTY", "1LF....");
        take_screen_values();
        EXPECT_EQ(flow_zoom, r.zoom) << r.flow;
        EXPECT_EQ(list_font_size, r.list_font) << r.code;
        EXPECT_EQ(form_mode, r.form_mode_after) << r.form;
        EXPECT_EQ(xwin_mode, r.xwin) << r.form;
        char value[32];
        get_wvalue("FORM", value);
        EXPECT_STREQ(value, r.form_row) << r.form;
        EXPECT_EQ(default_lang, 2);
        EXPECT_EQ(lang_mode, 2);
        EXPECT_EQ(output_font_size, 14);
        EXPECT_EQ(startup_form_flag, 1);
        EXPECT_EQ(hidden_flags[hidden_list], 1);
        EXPECT_EQ(hidden_flags[hidden_flow], 1);
        EXPECT_EQ(hidden_flags[hidden_form], 0);
    }
    startup_form_flag = 0;
    hidden_flags[hidden_list] = 0;
    hidden_flags[hidden_relation] = 1;
    flow_zoom = 9;
    store_screen_values();
    store_screen_flags();
    char value[32];
    get_wvalue("PROPERTY", value);
    EXPECT_STREQ(value, "0.F...R");
    get_wvalue("FLOW", value);
    EXPECT_STREQ(value, "9");
}

TEST(Startup, MainCaptionFollowsTheProjectAndTheView)
{
    capture::reset();
    hwndE = capture::new_edit();
    snprintf(wsize_file, sizeof wsize_file, "%s", "vokwsiz2.dat");
    set_view("home");
    EXPECT_EQ(capture::edit_text(hwndE), "[TAVIR]Ornak.C言語作図ソフト、ビュー２[B]");
    set_view("proj");
    EXPECT_EQ(capture::edit_text(hwndE), "[TAVIR]Ornak.C言語作図ソフト、ビュー２[B](proj)");
    EXPECT_STREQ(view_name(), "proj");
    EXPECT_EQ(view_is("proj"), 0);
    snprintf(wsize_file, sizeof wsize_file, "%s", "vokwsize.dat");
    set_view("");
    EXPECT_EQ(capture::edit_text(hwndE), "[TAVIR]Ornak.C言語作図ソフト、ビュー１[V](proj)");
    set_view("home");
    hwndE = nullptr;
}

TEST_F(folder_test, BackupQuestionRefusalAndCopies)
{
    fill_home_dir();
    char text[2000];
    backup_question(text, sizeof text);
    EXPECT_EQ(std::string(text),
              "プロジェクトのバックアップを取りますが、よろしいですか？\r\nvokdir.dat→vokdirBK.dat\r\n"
              "ostacks.dat→ostackBK.dat\r\nvstacks.dat→vstackBK.dat\r\npstacks.dat→pstackBK.dat\r\n"
              "begin.f→beginBK.f\r\n");
    EXPECT_EQ(backup_allowed(3, 3), 1);
    EXPECT_EQ(backup_allowed(4, 3), 0);
    backup_refusal(text, sizeof text, 4, 3, "N");
    EXPECT_EQ(std::string(text),
              "現バックアップファイルの方(4)が現ファイル(3)より大きいのでバックアップ出来ません\r\n"
              "バックアップファイルを削除してから、バックアップして下さい\r\nN");

    write_file("vokdir.dat", "home\n");
    write_file("ostacks.dat", "home\tk\n");
    write_file("vstacks.dat", "home\n");
    fixture::make_dir("vstackBK.dat");  // this copy fails
    char failed[200];
    EXPECT_EQ(write_backups(failed, sizeof failed), 1);
    EXPECT_STREQ(failed, "vstackBK.dat");
    EXPECT_EQ(read_file("vokdirBK.dat"), "home\n");
    EXPECT_EQ(read_file("ostackBK.dat"), "home\tk\n");
    EXPECT_FALSE(fixture::exists("beginBK.f"));  // a missing source is skipped
    remove_backups();
    EXPECT_FALSE(fixture::exists("vokdirBK.dat"));
}

TEST(DevAids, MessageNamesAndTraceLines)
{
    init_msg_names();
    EXPECT_STREQ(msg_names[0x001A], "WM_SETTINGCHANGE");
    EXPECT_STREQ(msg_names[0x0100], "WM_KEYDOWN");
    EXPECT_STREQ(msg_names[0x010F], "WM_IME_KEYLAST");
    EXPECT_STREQ(msg_names[0x0200], "WM_MOUSEMOVE");
    EXPECT_STREQ(msg_names[0x0209], "WM_MOUSELAST");
    EXPECT_STREQ(msg_names[0x0004], "");
    int last = -1;
    int rows = 0;
    for (const msg_name_row *r = msg_name_table; r->number >= 0; ++r, ++rows) {
        if (strcmp(r->name, "WM_APP") == 0) break;
        EXPECT_GE(r->number, last) << r->name;
        last = r->number;
    }
    EXPECT_STREQ(msg_name_table[rows + 1].name, "WM_USER");
    EXPECT_EQ(msg_name_table[rows + 2].number, -1);

    capture::reset();
    win_handle edit = capture::new_edit();
    msg_trace_main = 1;
    trace_msg_main("E:", edit, 0x101, 0x70, 0);
    trace_msg_main("E:", edit, 0x113, 0, 0);
    trace_msg_main("E:", edit, 0x1777, 1, 2);
    trace_msg("O:", edit, 0x101, 0, 0);  // the FORM trace is off
    EXPECT_EQ(capture::edit_text(edit),
              "E:00000101 00000070 00000000 WM_KEYUP  \r\nE:00001777 00000001 00000002\r\n");
    edit = capture::new_edit();
    trace_banner(edit);
    toggle_msg_trace();
    trace_banner(edit);
    EXPECT_EQ(capture::edit_text(edit), "　message  wParam   lParam   message(終了)\r\n"
                                        "　message  wParam   lParam   message(開始)\r\n");
    EXPECT_EQ(msg_trace_main, 0);
}

TEST_F(folder_test, DefineTableRows)
{
    EXPECT_EQ(make_deftbl(), 0);
    EXPECT_FALSE(fixture::exists("deftbl.txt"));
    write_file("define.txt", "#define WM_FOO 0x0400\n#define ID_X 1\n#define\t\n# define WM_NO 1\n#define WM_BAR\n");
    make_deftbl();
    EXPECT_EQ(read_file("deftbl.txt"), "\t{\"WM_FOO\",                \tWM_FOO},\n\t{\"WM_BAR\",                \tWM_BAR},\n");
}
