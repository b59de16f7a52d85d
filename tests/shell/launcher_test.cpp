// The process launcher, the parameter file, the registry lookups, the editor
// options and the openers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "shell/codeout.h"
#include "shell/launcher.h"
#include "shell/params.h"
#include "shell/screens.h"
#include "tests/shell/shell_fixture.h"

using fixture::read_file;
using fixture::write_file;

TEST(Launcher, SplitCommand)
{
    const struct {
        const char *command, *exe, *cmdline;
    } rows[] = {
        {"\"c:\\ed\\ed.exe\" /j12 a.c", "c:\\ed\\ed.exe", "TTT.exe /j12 a.c"},
        {"\"c:\\ed\\ed.exe\"  \t", "c:\\ed\\ed.exe", "TTT.exe "},
        {"c:\\ed\\ed.exe /j12 a.c", "exe???", "cmdline???"},
        {"\"c:\\ed\\ed.exe /j12", "c:\\ed\\ed.exe /j12", "cmdline???"},
        {"\"a\" 100%s %d", "a", "TTT.exe 100%s %d"},
    };
    for (const auto &r : rows) {
        char exe[launch_size], cmdline[launch_size];
        EXPECT_EQ(split_command(exe, cmdline, r.command), 0);
        EXPECT_STREQ(exe, r.exe) << r.command;
        EXPECT_STREQ(cmdline, r.cmdline) << r.command;
    }
    char exe[launch_size], cmdline[launch_size];
    const std::string long_path = "\"" + std::string(launch_size, 'p') + "\" x";
    EXPECT_EQ(split_command(exe, cmdline, long_path.c_str()), 1);
}

class launch_test : public folder_test {
protected:
    void SetUp() override
    {
        folder_test::SetUp();
        code_out_hwnd = capture::new_edit();
        snprintf(excel, sizeof excel, "%s", "c:\\xl\\excel.exe");
        snprintf(explorer, sizeof explorer, "%s", "c:\\ie\\ie.exe");
    }
};

TEST_F(launch_test, ExecWaitStartsOrReports)
{
    EXPECT_EQ(exec_wait("\"c:\\ed\\ed.exe\" /j12 a.c", 1), 32);
    ASSERT_EQ(capture::processes.size(), 1u);
    EXPECT_EQ(capture::processes[0].exe, "c:\\ed\\ed.exe");
    EXPECT_EQ(capture::processes[0].cmdline, "TTT.exe /j12 a.c");
    capture::process_error = 2;
    EXPECT_EQ(exec_wait("c:\\ed\\ed.exe /j12", 0), -3);
    EXPECT_EQ(capture::edit_text(code_out_hwnd), "プロセスの起動失敗(2)\r\nno such program(exe?\?\?)\r\n");
    const std::string too_long = "\"" + std::string(launch_size + 10, 'p') + "\" x";
    const size_t starts = capture::processes.size();
    EXPECT_EQ(exec_wait(too_long.c_str(), 0), -3);
    EXPECT_EQ(capture::processes.size(), starts);
}

TEST_F(launch_test, OpenersBuildTheirCommands)
{
    EXPECT_EQ(open_excel_csv(nullptr), 1);
    ASSERT_EQ(capture::boxes.size(), 1u);
    EXPECT_EQ(capture::boxes[0].text, fixture::cwd() + "\\excel.csv" + "が見つかりません");
    write_file("excel.csv", "1,2\n");
    EXPECT_EQ(open_excel_csv(nullptr), 32);
    EXPECT_EQ(capture::processes.back().cmdline, "TTT.exe \"" + fixture::cwd() + "\\excel.csv\"");
    EXPECT_EQ(capture::processes.back().exe, "c:\\xl\\excel.exe");

    EXPECT_EQ(open_file_url(nullptr, "page.html"), 32);
    EXPECT_EQ(capture::processes.back().cmdline, "TTT.exe file:///" + fixture::cwd() + "\\page.html");
    select("d:\\web,e:\\two");
    EXPECT_EQ(open_file_url(nullptr, "1:p.html"), 32);
    EXPECT_EQ(capture::processes.back().cmdline, "TTT.exe file:///e:\\two\\p.html");
    EXPECT_EQ(open_homepage(nullptr), 32);
    EXPECT_EQ(capture::processes.back().cmdline, std::string("TTT.exe ") + homepage_address);
}

TEST_F(launch_test, ParameterFileReader)
{
    read_parameters();
    EXPECT_STREQ(option, "/j%d");
    EXPECT_STREQ(editor, "");
    write_file("vokparameter.dat",
               "  editor  =  \"c:\\tools\\ed.exe\"   \n"
               "option='/j%d'\n"
               "category_wide == 200\n"
               "category_font=abc\n"
               "object_wide\t=\t30px\n"
               "unknown = 1\n"
               "folder = \" ' x ' \"\n"
               "excel = first\n"
               "excel = second\n"
               "explorer = " + std::string(1200, 'e') + "=\n"
               "option2 = \"%s /j%d\"\n");
    category_wide = 5;
    read_parameters();
    EXPECT_STREQ(editor, "c:\\tools\\ed.exe");
    EXPECT_STREQ(option, "/j%d");
    EXPECT_EQ(category_wide, 5);
    EXPECT_EQ(category_font, 0);
    EXPECT_EQ(object_wide, 30);
    EXPECT_STREQ(folder, "x");
    EXPECT_STREQ(excel, "second");
    EXPECT_EQ(strlen(explorer), 988u);  // the first 999 characters of the line, after "explorer = "
    EXPECT_STREQ(option2, "%s /j%d");
}

TEST_F(launch_test, WriteParametersAndRestoreTheDirectory)
{
    fill_home_dir();
    const std::string sub = drive_dir("sub");
    ASSERT_EQ(host_chdir(sub.c_str()), 0);
    const std::string here = fixture::cwd();
    const char *const keys[2] = {"editor", "option"};
    const char values[2][param_size] = {"c:\\ed.exe", "/j%d"};
    EXPECT_EQ(write_parameters(keys, values, 2), 0);
    EXPECT_EQ(fixture::cwd(), here);
    EXPECT_EQ(read_file(root + "/vokparameter.dat"), "editor\t=\tc:\\ed.exe\noption\t=\t/j%d\n");
    fixture::make_dir(root + "/vokparameter.$$$");
    EXPECT_EQ(write_parameters(keys, values, 1), 1);
    EXPECT_EQ(read_file(root + "/vokparameter.dat"), "editor\t=\tc:\\ed.exe\noption\t=\t/j%d\n");
    snprintf(home_dir, sizeof home_dir, "%s", "..\\nowhere");
    EXPECT_EQ(write_parameters(keys, values, 1), -2);
}

TEST(Params, EditorOptionKindsAndTheFiller)
{
    const struct {
        const char *pattern;
        int kind;
        const char *filled;
    } rows[] = {
        {"/j%d", 1, "/j12"},         {"%s /j%d", 3, "a.c /j12"}, {"/j%d %s", 4, "/j12 a.c"},
        {"-n", 0, "-n"},             {"%s", 2, "a.c"},           {"%s %s", -1, "%s %s"},
        {"100%", -1, "100%"},        {"%n", -1, "%n"},           {"%d%d", -1, "%d%d"},
        {"%%d", -1, "%%d"},          {"%s%d%s", -1, "%s%d%s"},
    };
    for (const auto &r : rows) {
        EXPECT_EQ(check_editor_option(r.pattern), r.kind) << r.pattern;
        char out[64];
        fill_editor_option(out, sizeof out, r.pattern, 12, "a.c");
        EXPECT_STREQ(out, r.filled) << r.pattern;
    }
    char out[16];
    fill_line_option(out, sizeof out, "/j%d", 7);
    EXPECT_STREQ(out, "/j7");
    fill_line_option(out, sizeof out, "%s /j%d", 7);
    EXPECT_STREQ(out, "%s /j%d");
    fill_editor_option(out, sizeof out, "%s", 1, "a-very-long-file-name.c");
    EXPECT_EQ(strlen(out), 15u);
}

TEST(Params, RegistryLookups)
{
    capture::reset_shell();
    char buf[param_size] = "untouched";
    EXPECT_EQ(find_iexplore(buf), 1);
    EXPECT_EQ(find_excel(buf), 1);
    EXPECT_EQ(find_hidemaru(buf), 1);
    EXPECT_STREQ(buf, "untouched");
    capture::registry["0|CLSID\\{FBF23B42-E3F0-101B-8488-00AA003E56F8}\\DefaultIcon|"] = "x";
    capture::registry["1|SOFTWARE\\Classes\\Applications\\EXCEL.EXE\\shell\\edit\\command|"] =
        "\"C:\\Office\\EXCEL.EXE\" /e";
    capture::registry["1|SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Hidemaru|UninstallString"] =
        "\"C:\\hm\\HmUninst.exe\"";
    EXPECT_EQ(find_iexplore(buf), 0);
    EXPECT_STREQ(buf, "c:\\Program Files\\Internet Explorer\\IEXPLORE.exe");
    EXPECT_EQ(find_excel(buf), 0);
    EXPECT_STREQ(buf, "C:\\Office\\excel.exe");
    EXPECT_EQ(find_hidemaru(buf), 0);
    EXPECT_STREQ(buf, "\"C:\\hm\\Hidemaru.exe");
    EXPECT_EQ(program_from_value(buf, sizeof buf, "noslash", "x.exe", true), 1);
    EXPECT_EQ(program_from_value(buf, sizeof buf, "\\", "x.exe", true), 0);
    EXPECT_STREQ(buf, "\\x.exe");
}
