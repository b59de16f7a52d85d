// Every writer of a user file of the shell: a write failing half way or a
// rename failing keeps the old file byte for byte, and leaves no temporary.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "shell/dirs.h"
#include "shell/params.h"
#include "shell/stacks.h"
#include "shell/startup.h"
#include "shell/wsize.h"
#include "tests/shell/shell_fixture.h"
#include "tests/support/failed_write.h"

using failed_write::writer_case;
using fixture::write_file;

namespace {

class failed_write_test : public folder_test {
protected:
    void SetUp() override
    {
        folder_test::SetUp();
        fill_home_dir();
        key_stack_num = 0;
        cstack_num = 0;
        set_view("proj");
        memset(edit_defs, 0, sizeof edit_defs);
        memset(edit_props, 0, sizeof edit_props);
    }
    // The project in use goes back to "home" for the suites that follow.
    void TearDown() override
    {
        set_view("home");
        folder_test::TearDown();
    }
};

const std::string old_list = "home\nproj\tA,B\nother\tC\n";
const std::string old_stacks = "home\tone\nproj\ta\tb\nother\tc\n";

int edit_list(const char *line, char op)
{
    char name[dir_path_size] = "proj";
    return edit_project_file(name, sizeof name, line, op) == -5 ? 0 : 1;
}

}  // namespace

TEST_F(failed_write_test, ShellWritersKeepTheOldFile)
{
    const char *const keys[2] = {"editor", "option"};
    static const char values[2][param_size] = {"c:\\tools\\editor.exe", "/j%d"};
    const writer_case cases[] = {
        {"the project list, a line replaced", "vokdir.dat", [] { write_file("vokdir.dat", old_list); },
         [] { return edit_list("proj\tX,Y,Z\n", 'o'); }},
        {"the project list, a line added", "vokdir.dat", [] { write_file("vokdir.dat", old_list); },
         [] { return edit_list("new\tN\n", 'n'); }},
        {"the target history", "ostacks.dat",
         [] {
             write_file("ostacks.dat", old_stacks);
             key_stack_num = 0;
             stack_push("a");
             stack_push("b");
             stack_push("longer_key");
         },
         [] { return stack_save(); }},
        {"the variable stacks", "vstacks.dat",
         [] {
             write_file("vstacks.dat", old_stacks);
             snprintf(edit_defs[0], 1000, "%s", "first.def");
             snprintf(edit_defs[1], 1000, "%s", "second.def");
         },
         [] { return stacks_save('v', "proj", 'o'); }},
        {"the project properties", "pstacks.dat", [] { write_file("pstacks.dat", old_stacks); },
         [] { return stacks_save('p', "other", 'd'); }},
        {"a stacks file rebuilt from the list", "pstacks.dat",
         [] {
             write_file("vokdir.dat", old_list);
             write_file("pstacks.dat", "home\n");
         },
         [] { return stacks_rebuild('p'); }},
        {"the common keys", "cstack.dat",
         [] {
             write_file("cstack.dat", "one\ntwo\n");
             cstack_num = 0;
             cstack_load();
             snprintf(cstack[cstack_num++], key_size, "%s", "three_and_more");
         },
         [] { return cstack_save(); }},
        {"the memo", "vokmemo.dat",
         [] {
             write_file("vokmemo.dat", "old memo\n");
             load_memo();
             snprintf(memo_buf, sizeof memo_buf, "%s", "a new memo\r\nof two lines\r\n");
         },
         [] { return save_memo(); }},
        {"the parameter file", "vokparameter.dat", [] { write_file("vokparameter.dat", "editor = old\n"); },
         [&keys] { return write_parameters(keys, values, 2); }},
        {"the view name", "vokwview.dat", [] { write_file("vokwview.dat", "vokwsize.dat\n"); },
         [] { return set_wview("vokwsiz3.dat"); }},
        {"a copied text file", "copy.dat",
         [] {
             write_file("copy.dat", "old copy\n");
             write_file("source.dat", "the source of the copy\n");
         },
         [] { return copy_text_file("copy.dat", "source.dat"); }},
    };
    failed_write::expect_old_files_kept(cases);
}
