// The main screen's project list and switch in a test folder: refused before
// the list is loaded, the switch's caption, category and FORM command, and a
// failed change that returns to the project in use.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/project_switch.h"
#include "shell/screens.h"
#include "shell/stacks.h"
#include "shell/startup.h"
#include "shell/winmsg.h"
#include "tests/shell/shell_fixture.h"

using fixture::write_file;

namespace {

class ProjectSwitch : public folder_test {
protected:
    void SetUp() override
    {
        folder_test::SetUp();
        fill_home_dir();
        main_state_reset();
        main_hooks = main_hooks_rec{};
        for (win_handle *w : {&hwndE, &hwndL, &hwndO}) *w = capture::new_edit();
        main_controls[ctl_category] = capture::new_edit();
        main_controls[ctl_patterns] = capture::new_list();
        target_field.edit = capture::new_edit();
        target_field.list = capture::new_list();
        lang_mode = 0;
        startup_form_flag = 0;
        memset(project_props, 0, sizeof project_props);
        set_view("home");
        char buf[dir_path_size];
        load_name_list(target_field_handle(), "none.dat", buf, 0);  // no project list loaded
        proj_dir = drive_dir("proj");
        write_file("vokdir.dat", "home\nproj\t" + proj_dir + "\nlost\tT:\\nowhere\n");
        write_file("ostacks.dat", "home\thk\nproj\tpk1\tpk2\n");
        write_file("a.c", "");
        write_file("b.c", "");
    }
    void TearDown() override
    {
        main_hooks = main_hooks_rec{};
        for (win_handle *w : {&hwndE, &hwndL, &hwndO}) *w = nullptr;
        set_view("home");
        startup_form_flag = 0;
        folder_test::TearDown();
    }
    std::string last_box() const { return capture::boxes.empty() ? "" : capture::boxes.back().text; }
    std::string proj_dir;
};

TEST_F(ProjectSwitch, ASwitchBeforeTheListIsLoadedIsRefused)
{
    capture::edit_text(target_field.edit) = "proj";
    EXPECT_EQ(1, switch_project(hwndO));
    EXPECT_EQ("先ず左クリックして、作業用のディレクトリを選んで下さい", last_box());
    EXPECT_EQ(hwndO, capture::boxes.back().owner);
    EXPECT_STREQ("home", view_name());
}

TEST_F(ProjectSwitch, TheListShowsFilesAndProjectsAndTheSwitchEntersOne)
{
    stack_load();
    capture::edit_text(main_controls[ctl_category]) = "*.c";
    EXPECT_EQ(0, refill_file_list());
    const auto &files = capture::list_items(main_controls[ctl_patterns]);
    EXPECT_NE(files.end(), std::find(files.begin(), files.end(), "a.c"));
    EXPECT_NE(files.end(), std::find(files.begin(), files.end(), "b.c"));
    EXPECT_EQ((std::vector<std::string>{"home", "proj", "lost"}), capture::list_items(target_field.list));

    static int changed;
    changed = 0;
    main_hooks.project_changed = [] { ++changed; };
    startup_form_flag = 1;
    write_file(proj_dir + "\\begin.f", "#F2\n");
    capture::edit_text(target_field.edit) = "proj";
    EXPECT_EQ(0, switch_project(hwndE));
    EXPECT_EQ("ディレクトリ(" + proj_dir + ")に移動しました", last_box());
    EXPECT_STREQ("proj", view_name());
    EXPECT_EQ(1, changed);
    EXPECT_EQ(2, key_stack_num);
    EXPECT_STREQ("pk1", key_stack[0]);
    EXPECT_NE(std::string::npos, capture::edit_text(hwndE).find("(proj)"));
#ifdef _WIN32
    // Natively the drive folder resolves only from the test's own folder.
    EXPECT_EQ("0:begin.f", capture::edit_text(main_controls[ctl_category]));
#endif
    bool form_emptied = false;
    for (const auto &s : capture::sends) form_emptied = form_emptied || (s.window == hwndO && s.msg == WM_SYSCOMMAND && s.wparam == 11);
    EXPECT_TRUE(form_emptied);
    // The history of the project left behind was saved.
    EXPECT_NE(std::string::npos, fixture::read_file(root + "/ostacks.dat").find("home\thk\n"));
}

TEST_F(ProjectSwitch, AFailedChangeReturnsToTheProjectInUse)
{
    capture::edit_text(main_controls[ctl_category]) = "*.c";
    refill_file_list();
    capture::edit_text(target_field.edit) = "lost";
    EXPECT_EQ(2, switch_project(hwndE));
    EXPECT_NE(std::string::npos, last_box().find("への変更に失敗しました rtc("));
    EXPECT_STREQ("home", view_name());
    EXPECT_EQ(root, fixture::cwd());

    capture::edit_text(main_controls[ctl_category]) = "sub\\*.c";
    EXPECT_EQ(1, refill_file_list());
    EXPECT_EQ("カテゴリ欄にドライブやディレクトリは指定出来ません\n", last_box());
}

}  // namespace
