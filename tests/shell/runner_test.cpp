// The in-process command runner and the file walker over the folder slots.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "shell/codeout.h"
#include "shell/runner.h"
#include "shell/screens.h"
#include "tests/shell/shell_fixture.h"

namespace {

std::vector<std::string> seen_args;
bool null_end;
int nested_result;

int record_main(int argc, char **argv)
{
    seen_args.assign(argv, argv + argc);
    null_end = argv[argc] == nullptr;
    return 7;
}

int nesting_main(int, char **)
{
    char inner[] = "inner -x";
    nested_result = run_command(inner, record_main);
    return 0;
}

std::vector<std::string> run(const std::string &command, int *result = nullptr)
{
    seen_args.clear();
    std::vector<char> text(command.begin(), command.end());
    text.push_back('\0');
    const int rc = run_command(text.data(), record_main);
    if (result != nullptr) *result = rc;
    return seen_args;
}

void *failing_realloc(void *, size_t) { return nullptr; }

class runner_test : public folder_test {
protected:
    std::string a, b, work, work_cwd;
    void SetUp() override
    {
        folder_test::SetUp();
        a = drive_dir("a");
        b = drive_dir("b");
        work = drive_dir("w");
        for (const char *n : {"x.c", "y.c", "z.h"}) fixture::write_file(a + "\\" + n, "");
        fixture::write_file(b + "\\w.c", "");
        fixture::write_file(work + "\\here.c", "");
        const std::string many = drive_dir("many");
        for (int i = 0; i < 2100; ++i) {
            char name[32];
            snprintf(name, sizeof name, "f%04d.c", i);
            fixture::write_file(many + "\\" + name, "");
        }
        ASSERT_EQ(host_chdir(work.c_str()), 0);
        work_cwd = fixture::cwd();
        code_out_hwnd = capture::new_edit();
    }
    // A project whose slot 0 is the current directory, as after a project change.
    void use_project(const std::string &rest) { select(work + "," + rest); }
};

using strings = std::vector<std::string>;

}  // namespace

TEST_F(runner_test, WordsOptionsAndPatterns)
{
    int rc = 0;
    EXPECT_EQ(run("vokanal -o", &rc), (strings{"vokanal", "-o"}));
    EXPECT_EQ(rc, 7);
    EXPECT_TRUE(null_end);
    EXPECT_EQ(capture::find_calls, 0);
    EXPECT_EQ(run("  vokanal\t*.c -l3\nignored *.h"), (strings{"vokanal", "here.c", "-l3"}));
    EXPECT_EQ(run("vokanal none.*"), (strings{"vokanal"}));
    EXPECT_EQ(run("vokanal 1:x.c"), (strings{"vokanal"}));  // one slot: the word as it is

    use_project(a + ";" + b + ",HOME");
    EXPECT_EQ(run("vokanal *.c -o"), (strings{"vokanal", "0:here.c", "1:x.c", "1:y.c", "2:w.c", "-o"}));
    EXPECT_EQ(fixture::cwd(), work_cwd);
    EXPECT_EQ(run("vokanal 1:*.c"), (strings{"vokanal", "1:x.c", "1:y.c"}));
    EXPECT_EQ(run("vokanal 2:w.c 2:none.c"), (strings{"vokanal", "2:w.c"}));
    EXPECT_EQ(fixture::cwd(), work_cwd);

    use_project(a + ",HOME");
    EXPECT_EQ(run("vokanal *.c"), (strings{"vokanal", "0:here.c", "1:x.c", "1:y.c"}));  // not the last slot
}

TEST_F(runner_test, TheCapStopsMatchesButNotOptions)
{
    ASSERT_EQ(host_chdir("..\\many"), 0);
    const strings args = run("vokanal *.c -o *.c -w");
    ASSERT_EQ(args.size(), 2002u);
    EXPECT_EQ(args[1998], "f1997.c");
    EXPECT_EQ(args[1999], "f1998.c");
    EXPECT_EQ(args[2000], "-o");
    EXPECT_EQ(args[2001], "-w");
}

TEST_F(runner_test, NestingAndGrowthFailure)
{
    char outer[] = "outer";
    EXPECT_EQ(run_command(outer, nesting_main), 0);
    EXPECT_EQ(nested_result, -1);

    argv_realloc = failing_realloc;
    int rc = 0;
    seen_args = {"untouched"};
    char cmd[] = "vokanal -o";
    rc = run_command(cmd, record_main);
    argv_realloc = realloc;
    EXPECT_EQ(rc, -1);
    EXPECT_EQ(seen_args, (strings{"untouched"}));
    EXPECT_EQ(capture::edit_text(code_out_hwnd), "argv用のメモリが確保出来ません\n");
    EXPECT_EQ(run("vokanal -o"), (strings{"vokanal", "-o"}));  // the runner is usable again
}

TEST_F(runner_test, ForEachFileVisitsEverySlot)
{
    strings names;
    const auto collect = [](void *ctx, int, const char *name, int) {
        static_cast<strings *>(ctx)->push_back(name);
        return 0;
    };
    for_each_file(collect, &names, 0, "*.c", 0);
    EXPECT_EQ(names, (strings{"here.c"}));
    names.clear();
    use_project(a + ",HOME");
    fill_home_dir();
    for_each_file(collect, &names, 0, "*.c", 0);
    EXPECT_EQ(names, (strings{"0:here.c", "1:x.c", "1:y.c", "2:here.c"}));
    names.clear();
    for_each_file(collect, &names, 0, "1:*.h", 0);
    EXPECT_EQ(names, (strings{"1:z.h"}));
}
