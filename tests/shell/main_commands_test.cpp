// The main screen's window-free commands: the kind of a category entry, the
// editor's command line from any option pattern, and the project-file
// commands on the home folder with missing backups and failing writes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "shell/main_commands.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/screens.h"
#include "shell/stacks.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "tests/shell/shell_fixture.h"

using fixture::exists;
using fixture::read_file;
using fixture::write_file;

namespace {

TEST(MainCommands, EntryKinds)
{
    const struct {
        const char *text;
        int kind;
    } cases[] = {
        {"", entry_empty},           {"C:\\src\\a.c", entry_full_path}, {"Z:x.f", entry_full_path},
        {"sub\\a.c", entry_folder},  {"\\a.f", entry_folder},          {"0:main.c", entry_source},
        {"c:main.c", entry_source},  {"*.c*", entry_source},           {"x.java", entry_source},
        {"form.f", entry_form},      {"0:FORM.F", entry_form},         {"run.vok", entry_calc},
        {"RUN.VOK", entry_calc},     {"run.Vok", entry_other},         {"readme.txt", entry_other},
        {".f", entry_other},         {"x.cc", entry_other},            {"日本.f", entry_form},
    };
    for (const auto &c : cases) EXPECT_EQ(c.kind, classify_entry(c.text)) << c.text;
    EXPECT_STREQ("カテゴリ欄にドライブやディレクトリは指定出来ません\n", entry_refusal(entry_folder));
    EXPECT_STREQ("カテゴリ欄が空欄です、何か指定して下さい\n", entry_refusal(entry_empty));
    EXPECT_STREQ("カテゴリ欄中のフルパスのファイルは開くことが出来ません\n", entry_refusal(entry_full_path));
    EXPECT_EQ(nullptr, entry_refusal(entry_form));
}

TEST(MainCommands, EditorCommandsNeverTreatTheOptionAsAFormat)
{
    const std::string saved_editor = editor, saved_option = option;
    copy_bounded(editor, sizeof editor, "C:\\ed\\ed.exe");
    const struct {
        const char *option;
        const char *expect;
    } cases[] = {
        {"/j%d", "\"C:\\ed\\ed.exe\" /j7 \"T:\\src\\a.c\""},
        {"", "\"C:\\ed\\ed.exe\"  \"T:\\src\\a.c\""},
        {"%s%s%s%n", "\"C:\\ed\\ed.exe\" %s%s%s%n \"T:\\src\\a.c\""},
        {"%d%d", "\"C:\\ed\\ed.exe\" %d%d \"T:\\src\\a.c\""},
        {"-n%d %s", "\"C:\\ed\\ed.exe\" -n%d %s \"T:\\src\\a.c\""},
        {"100%", "\"C:\\ed\\ed.exe\" 100% \"T:\\src\\a.c\""},
        {"+%x", "\"C:\\ed\\ed.exe\" +%x \"T:\\src\\a.c\""},
    };
    for (const auto &c : cases) {
        copy_bounded(option, sizeof option, c.option);
        char out[300];
        EXPECT_EQ(0, editor_command(out, sizeof out, "T:\\src", "a.c", 7)) << c.option;
        EXPECT_STREQ(c.expect, out) << c.option;
    }
    char small[12];
    EXPECT_EQ(1, editor_command(small, sizeof small, "T:\\src", "a.c", 7));
    EXPECT_EQ(11u, strlen(small));
    copy_bounded(editor, sizeof editor, saved_editor.c_str());
    copy_bounded(option, sizeof option, saved_option.c_str());
}

TEST(MainCommands, ProjectQuestionsNameTheFivePairs)
{
    char text[1000];
    ASSERT_EQ(0, project_files_question(project_restore, text, sizeof text));
    EXPECT_STREQ("プロジェクトを復旧しますが、よろしいですか？\r\nvokdirBK.dat→vokdir.dat\r\nostackBK.dat→ostacks.dat\r\n"
                 "vstackBK.dat→vstacks.dat\r\npstackBK.dat→pstacks.dat\r\nbeginBK.f→begin.f\r\n",
                 text);
    ASSERT_EQ(0, project_files_question(project_exchange, text, sizeof text));
    EXPECT_EQ(0u, std::string(text).find("プロジェクトを交換しますが、よろしいですか？\r\nvokdir.dat←→vokdirBK.dat\r\n"));
    ASSERT_EQ(0, project_files_question(project_add, text, sizeof text));
    EXPECT_NE(std::string::npos, std::string(text).find("\r\nostacks.dat＋ostackBK.dat→ostacks.dat\r\n"));
    EXPECT_NE(std::string::npos, std::string(text).find("\r\nbeginBK.f→begin.f\r\n"));
    ASSERT_EQ(0, project_files_question(project_add_back, text, sizeof text));
    EXPECT_EQ(0u, std::string(text).find("プロジェクトを逆加算しますが、よろしいですか？\r\nvokdirBK.dat＋vokdir.dat→vokdirBK.dat\r\n"));
    EXPECT_NE(std::string::npos, std::string(text).find("\r\nbegin.f→beginBK.f\r\n"));
    EXPECT_EQ(1, project_files_question(80, text, sizeof text));
}

class ProjectFiles : public folder_test {
protected:
    void SetUp() override
    {
        folder_test::SetUp();
        fill_home_dir();
        key_stack_num = 0;
        write_file("vokdir.dat", "home\nnow\tT:\\n\n");
        write_file("ostacks.dat", "home\nnow\tx\n");
        write_file("vstacks.dat", "home\nnow\n");
        write_file("pstacks.dat", "home\nnow\n");
        write_file("begin.f", "#F2\nnow\n");
        write_file("vokdirBK.dat", "home\nold\tT:\\o\n");
        write_file("ostackBK.dat", "home\nold\ty\n");
        write_file("vstackBK.dat", "home\nold\n");
        write_file("pstackBK.dat", "home\nold\n");
        write_file("beginBK.f", "#F2\nold\n");
    }
};

TEST_F(ProjectFiles, RestoreCopiesTheBackupsOver)
{
    char failed[200];
    EXPECT_EQ(0, project_files_run(project_restore, failed, sizeof failed));
    EXPECT_STREQ("", failed);
    EXPECT_EQ("home\nold\tT:\\o\n", read_file("vokdir.dat"));
    EXPECT_EQ("home\nold\ty\n", read_file("ostacks.dat"));
    EXPECT_EQ("#F2\nold\n", read_file("begin.f"));
    EXPECT_EQ("home\nold\tT:\\o\n", read_file("vokdirBK.dat"));  // the backup stays
}

TEST_F(ProjectFiles, RestoreWithoutAStacksBackupRebuildsTheStacksFromTheList)
{
    remove("ostackBK.dat");
    char failed[200];
    EXPECT_EQ(0, project_files_run(project_restore, failed, sizeof failed));
    EXPECT_EQ("home\nold\tT:\\o\n", read_file("vokdir.dat"));
    EXPECT_EQ("home\nold\n", read_file("ostacks.dat"));  // rebuilt for the restored list
    EXPECT_EQ("home\nold\n", read_file("pstacks.dat"));
}

TEST_F(ProjectFiles, AFailingWriteIsNamedAndKeepsTheFile)
{
    fixture::make_dir("vokcopy.tmp");  // the copy's temporary cannot be written
    char failed[200];
    EXPECT_EQ(1, project_files_run(project_restore, failed, sizeof failed));
    EXPECT_STREQ("vokdir.dat,ostacks.dat,vstacks.dat,pstacks.dat,begin.f", failed);
    EXPECT_EQ("home\nnow\tT:\\n\n", read_file("vokdir.dat"));
    EXPECT_EQ("#F2\nnow\n", read_file("begin.f"));
    fixture::remove_dir("vokcopy.tmp");

    fixture::make_dir("work.dat");  // the merge's temporary cannot be written (a folder not empty)
    write_file("work.dat/x", "x");
    EXPECT_EQ(1, project_files_run(project_add, failed, sizeof failed));
    EXPECT_STREQ("vokdir.dat,ostacks.dat,vstacks.dat,pstacks.dat", failed);
    EXPECT_EQ("home\nnow\tT:\\n\n", read_file("vokdir.dat"));
    EXPECT_EQ("#F2\nold\n", read_file("begin.f"));  // the fifth pair is a plain copy
    remove("work.dat/x");
    fixture::remove_dir("work.dat");
}

TEST_F(ProjectFiles, ExchangeSwapsEachPairPresentOnBothSides)
{
    remove("beginBK.f");
    char failed[200];
    EXPECT_EQ(0, project_files_run(project_exchange, failed, sizeof failed));
    EXPECT_EQ("home\nold\tT:\\o\n", read_file("vokdir.dat"));
    EXPECT_EQ("home\nnow\tT:\\n\n", read_file("vokdirBK.dat"));
    EXPECT_EQ("home\nnow\tx\n", read_file("ostackBK.dat"));
    EXPECT_EQ("#F2\nnow\n", read_file("begin.f"));  // no backup: left alone
    EXPECT_FALSE(exists("beginBK.f"));
    EXPECT_FALSE(exists("work.dat"));
}

TEST_F(ProjectFiles, AddMergesTheOtherSidesProjectsIntoOneSide)
{
    char failed[200];
    EXPECT_EQ(0, project_files_run(project_add, failed, sizeof failed));
    EXPECT_EQ("home\nnow\tT:\\n\nold\tT:\\o\n", read_file("vokdir.dat"));
    EXPECT_EQ("home\nnow\tx\nold\ty\n", read_file("ostacks.dat"));
    EXPECT_EQ("home\nold\tT:\\o\n", read_file("vokdirBK.dat"));
    EXPECT_EQ("#F2\nold\n", read_file("begin.f"));

    write_file("vokdir.dat", "home\nnow\tT:\\n\n");
    write_file("begin.f", "#F2\nnow\n");
    remove("pstackBK.dat");  // a missing backup is skipped
    EXPECT_EQ(0, project_files_run(project_add_back, failed, sizeof failed));
    EXPECT_EQ("home\nold\tT:\\o\nnow\tT:\\n\n", read_file("vokdirBK.dat"));
    EXPECT_EQ("home\nnow\tT:\\n\n", read_file("vokdir.dat"));
    EXPECT_EQ("#F2\nnow\n", read_file("beginBK.f"));
    EXPECT_FALSE(exists("pstackBK.dat"));
    EXPECT_EQ(-1, project_files_run(77, failed, sizeof failed));
}

TEST_F(ProjectFiles, ReloadRefreshesTheScreens)
{
    capture::reset();
    main_state_reset();
    static int lists_cleared;
    lists_cleared = 0;
    main_hooks.clear_list = [] { ++lists_cleared; };
    for (win_handle *w : {&hwndL, &hwndO}) *w = capture::new_edit();
    main_controls[ctl_category] = capture::new_edit("x");
    main_controls[ctl_patterns] = capture::new_list();
    target_field.edit = capture::new_edit("key");
    target_field.list = capture::new_list();
    source_open = 1;
    EXPECT_EQ(0, project_files_reload());
    EXPECT_EQ(1, lists_cleared);
    EXPECT_EQ(0, source_open);
    EXPECT_EQ("", capture::edit_text(target_field.edit));
    EXPECT_FALSE(capture::list_items(main_controls[ctl_patterns]).empty());
    bool form_emptied = false;
    for (const auto &s : capture::sends) form_emptied = form_emptied || (s.window == hwndO && s.msg == WM_SYSCOMMAND && s.wparam == 11);
    EXPECT_TRUE(form_emptied);
    ASSERT_FALSE(capture::repaints.empty());
    EXPECT_EQ(hwndL, capture::repaints[0]);
    main_hooks = main_hooks_rec{};
    for (win_handle *w : {&hwndL, &hwndO}) *w = nullptr;
}

}  // namespace
