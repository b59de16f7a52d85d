// The analyser's result files on a full disk, in a read-only folder and with
// a folder standing at the file's name: the writer says so (its box, or its
// caller's through the result), gives a non-zero result, leaves the old file
// byte for byte and no temporary.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "analyser/calls.h"
#include "analyser/nesting.h"
#include "analyser/steps.h"
#include "shell/dirs.h"
#include "shell/text.h"
#include "tests/support/small_fs.h"
#include "tree_support.h"

namespace {

struct result_case {
    const char *name;
    const char *file;            // the result file whose old bytes must stay
    bool says;                   // the writer shows the box itself (else its caller does)
    std::function<int()> write;  // the writer; non-zero when it failed
};

const char source_text[] =
    "static int helper(int a)\n"
    "{\n"
    "    if (a) { return a + 1; }\n"
    "    return 0;\n"
    "}\n"
    "#define MAX 3\n"
    "int main(void) { return helper(MAX); }\n";

// A tree build's analyser part: the call-line list, the listing and the source list.
int tree_files()
{
    if (write_ftree_t() != 0) return 1;
    tree_mode = 1;
    anal_test::run_vokanal({"a.c", "-i"});
    tree_mode = 0;
    int failed = ftree_s_open("ftree_s.txt");
    write_ftree();
    failed |= ftree_s_close();
    failed |= write_ftree_sources();
    return failed | call_tables_release();
}

const result_case cases[] = {
    {"the function list", "voktavir.tag", true, [] { return anal_test::run_vokanal({"a.c", "-i"}); }},
    {"the definitions of a list run", "define.txt", true, [] { return anal_test::run_vokanal({"a.c", "-i"}); }},
    {"the reference list", "vokcall.tag", true, [] { return anal_test::run_vokanal({"a.c", "-rhelper"}); }},
    {"the nesting listing", "layer.txt", false,
     [] { return write_nesting_list("a.c", "layer.txt", 'E', 'd') == 1 ? 0 : 1; }},
    {"the step counts", "stepcnt.txt", false,
     [] {
         step_mode = 1;
         const int r = anal_test::run_vokanal({"a.c", "-i"});
         step_mode = 0;
         return r | write_step_report("stepcnt.txt", 0);
     }},
    {"the call-line list", "ftree_t.txt", false, tree_files},
    {"the tree listing", "ftree_s.txt", false, tree_files},
    {"the source list", "ftree_f.txt", false, tree_files},
};

enum failure_kind { disk_full, folder_read_only, folder_at_name };

class ResultFiles : public ::testing::Test {
protected:
    void SetUp() override { start_dir = std::filesystem::current_path().string(); }
    void TearDown() override
    {
        host_chdir(start_dir.c_str());
        home_dir[0] = '\0';
        tree_mode = 0;
        step_mode = 0;
        call_tables_release();
        ftree_s_close();
    }

    // Runs every case in a folder of its own with the failure set up; false
    // when the folder could not be mounted for it.
    bool run_cases(failure_kind kind)
    {
        static int serial = 0;
        for (const result_case &c : cases) {
            small_fs::folder fs(small_fs::folder_name("results", ++serial), kind != folder_at_name);
            if (kind != folder_at_name && !fs.mounted()) return false;
            enter(fs);
            if (kind == disk_full) {
                EXPECT_TRUE(fs.fill()) << c.name;
            } else if (kind == folder_read_only) {
                EXPECT_TRUE(fs.make_read_only()) << c.name;
            } else {
                std::filesystem::remove(c.file);
                std::filesystem::create_directory(c.file);
            }
            expect_kept(c);
            host_chdir(start_dir.c_str());
        }
        return true;
    }

private:
    // Enters the folder as the current and home folder, with the source and
    // an old copy of every result file.
    static void enter(const small_fs::folder &fs)
    {
        ASSERT_EQ(host_chdir(fs.path().c_str()), 0);
        tree_test::setup();
        copy_bounded(home_dir, sizeof home_dir, std::filesystem::current_path().string().c_str());
        anal_test::write_file("a.c", source_text);
        for (const result_case &old : cases) anal_test::write_file(old.file, std::string("old ") + old.file + "\n");
    }

    static void expect_kept(const result_case &c)
    {
        const std::set<std::string> names = failed_write::folder_names();
        const std::string old = failed_write::bytes_of(c.file);
        capture::boxes.clear();
        EXPECT_NE(c.write(), 0) << c.name;
        EXPECT_EQ(failed_write::bytes_of(c.file), old) << c.name;
        EXPECT_EQ(failed_write::folder_names(), names) << c.name << " left a temporary";
        if (!c.says) return;
        // A read-only folder stops a list run at its first file, "define.txt".
        bool named = false;
        for (const capture::box_call &b : capture::boxes) {
            for (const result_case &r : cases) named = named || b.text.find(r.file) != std::string::npos;
            EXPECT_EQ(b.caption, "TAVIR警告画面") << c.name;
        }
        EXPECT_TRUE(named) << c.name << ": no box names a result file";
    }

    std::string start_dir;
};

TEST_F(ResultFiles, AFolderAtTheNameKeepsItAndSaysSo)
{
    run_cases(folder_at_name);
}

TEST_F(ResultFiles, AFullDiskKeepsTheOldFileAndSaysSo)
{
    if (!run_cases(disk_full)) GTEST_SKIP() << "no small file system could be mounted here (needs the right to mount)";
}

TEST_F(ResultFiles, AReadOnlyFolderKeepsTheOldFileAndSaysSo)
{
    if (!run_cases(folder_read_only)) GTEST_SKIP() << "no small file system could be mounted here (needs the right to mount)";
}

}  // namespace
