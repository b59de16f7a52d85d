// The work folder's copies on temporary folders with scripted answers and
// scripted copy failures: each result, the questions and their order, and
// targets left byte-identical by Cancel.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "shell/dirs.h"
#include "shell/params.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "shell/main_state.h"
#include "tests/analyser/anal_support.h"
#include "tests/support/capture_shell.h"
#include "tests/trees/list_support.h"
#include "trees/func_list.h"
#include "trees/work_folder.h"

namespace {

class WorkFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        anal_test::fresh();
        std::filesystem::remove_all("slot0");
        std::filesystem::remove_all("work");
        std::filesystem::create_directory("slot0");
        std::filesystem::create_directory("work");
        proj_selected = 1;
        copy_bounded(proj_dirs, sizeof proj_dirs, "slot0");
        copy_bounded(folder, sizeof folder, "work");
        anal_test::write_file("slot0/a.c", "new text\n");
    }
    void TearDown() override
    {
        proj_selected = 0;
        proj_dirs[0] = '\0';
        folder[0] = '\0';
        state = 0;
    }
    static std::vector<std::string> questions()
    {
        std::vector<std::string> v;
        for (const auto &b : capture::boxes) v.push_back(b.text.substr(0, b.text.find("\r\n")));
        return v;
    }
};

const std::string overwrite = "ファイルを上書きしますが、よろしいですか？";
const std::string retry = "ファイルの書き込みに失敗しました、リトライしますか？";

TEST_F(WorkFolder, MissingTargetIsCopiedWithoutAQuestion)
{
    EXPECT_EQ(work_copy_in(nullptr, "0:a.c"), 0);
    EXPECT_EQ(anal_test::read_file("work/a.c"), "new text\n");
    EXPECT_TRUE(capture::boxes.empty());
    EXPECT_TRUE(work_holds("0:a.c"));
    EXPECT_FALSE(work_holds("0:b.c"));
}

TEST_F(WorkFolder, CopyInQuestionsAndResults)
{
    const struct {
        const char *what;
        bool target_there;
        int failures;
        std::initializer_list<int> answers;
        int result;
        std::vector<std::string> asked;
        bool copied;
    } cases[] = {
        {"OK overwrites", true, 0, {IDOK}, 0, {overwrite}, true},
        {"Cancel keeps the target", true, 0, {IDCANCEL}, work_cancelled, {overwrite}, false},
        {"a failed overwrite asks to retry", true, 1, {IDOK, IDOK}, 0, {overwrite, retry}, true},
        {"giving up after a failure", true, 1, {IDOK, IDCANCEL}, work_copy_failed, {overwrite, retry}, false},
        {"a failed first copy of a missing target", false, 1, {IDOK}, 0, {retry}, true},
        {"Cancel at the retry question", false, 1, {IDCANCEL}, work_cancelled, {retry}, false},
    };
    for (const auto &c : cases) {
        std::filesystem::remove("work/a.c");
        if (c.target_there) anal_test::write_file("work/a.c", "old\ntext\n");
        capture::boxes.clear();
        capture::answers.assign(c.answers.begin(), c.answers.end());
        // An existing target fails the first copy by itself; a scripted failure then goes to the second.
        capture::copy_failures = c.failures + (c.target_there && c.failures > 0 ? 1 : 0);
        EXPECT_EQ(work_copy_in(nullptr, "0:a.c"), c.result) << c.what;
        EXPECT_EQ(questions(), c.asked) << c.what;
        const std::string want = c.copied ? "new text\n" : c.target_there ? "old\ntext\n" : "<missing>";
        EXPECT_EQ(anal_test::read_file("work/a.c"), want) << c.what;
    }
    ASSERT_FALSE(capture::boxes.empty());
    EXPECT_EQ(capture::boxes.back().text, retry + "\r\nslot0\\a.c→\r\nwork\\a.c");
    EXPECT_EQ(capture::boxes.back().caption, "TAVIR警告画面");
}

TEST_F(WorkFolder, CopyBackQuestionsAndResults)
{
    anal_test::write_file("work/a.c", "edited\n");
    const struct {
        bool given;
        int failures, answer, result;
        const char *question;
        const char *slot_text;
    } cases[] = {
        {false, 0, IDCANCEL, work_cancelled, "ファイルを上書きしますが、よろしいですか？", "new text\n"},
        {true, 1, IDOK, work_copy_failed, "ファイルをコピーしますが、よろしいですか？", "new text\n"},
        {true, 0, IDOK, 0, "ファイルをコピーしますが、よろしいですか？", "edited\n"},
    };
    for (const auto &c : cases) {
        capture::boxes.clear();
        capture::answers = {c.answer};
        capture::copy_failures = c.failures;
        EXPECT_EQ(work_copy_back(nullptr, "0:a.c", c.given), c.result) << c.question;
        EXPECT_EQ(questions(), std::vector<std::string>{c.question});
        EXPECT_EQ(capture::boxes.back().text.substr(capture::boxes.back().text.find("\r\n")),
                  "\r\nwork\\a.c→\r\nslot0\\a.c");
        EXPECT_EQ(anal_test::read_file("slot0/a.c"), c.slot_text);
    }
}

TEST_F(WorkFolder, NoFolderNoPrefixAndClearing)
{
    EXPECT_EQ(work_copy_in(nullptr, "a.c"), work_no_prefix);
    EXPECT_EQ(work_copy_back(nullptr, "a.c", true), work_no_prefix);
    EXPECT_TRUE(capture::boxes.empty());
    anal_test::write_file("work/x.txt", "x");
    // The folder is changed into, so it is given as a full path.
    const std::string full = std::filesystem::absolute("work").string();
    copy_bounded(folder, sizeof folder, full.c_str());
    capture::answers = {IDCANCEL};
    EXPECT_EQ(clear_work_folder(nullptr), work_cancelled);
    EXPECT_TRUE(std::filesystem::exists("work/x.txt"));
    EXPECT_EQ(clear_work_folder(nullptr), 0);
    EXPECT_FALSE(std::filesystem::exists("work/x.txt"));
    EXPECT_EQ(capture::boxes.back().text, "ワークフォルダ中のファイルを全て削除しますが、よろしいですか？\r\n" + full);
    folder[0] = '\0';
    capture::boxes.clear();
    for (int r : {work_copy_in(nullptr, "0:a.c"), work_copy_back(nullptr, "0:a.c", false), clear_work_folder(nullptr)}) {
        EXPECT_EQ(r, work_no_folder);
    }
    EXPECT_EQ(capture::boxes.size(), 3u);
    EXPECT_EQ(capture::boxes[0].text, "ワークフォルダが指定されていません、パラメータの設定画面で指定して下さい");
    EXPECT_FALSE(work_holds("0:a.c"));
}

// The commands over the function list: the list cut down to the headers of
// the files the work folder holds (a reference list refused), and the
// copies of the selected entry by its kind.
TEST_F(WorkFolder, ListCommandsWorkOnTheShownHeadersAndTheSelection)
{
    const char tag[] = "-- 0:a.c --\n0:a.c 3 f()\n-- 0:b.c --\n0:b.c 1 g()\n-- c.c --\n";
    list_test::load_list(tag);
    anal_test::write_file("work/b.c", "b\n");
    anal_test::write_file("work/new.c", "n\n");
    char out[100];
    state = 2;
    EXPECT_EQ(list_work_files(nullptr, out, sizeof out, '0'), work_no_selection);
    ASSERT_EQ(capture::boxes.size(), 1u);
    EXPECT_EQ(capture::boxes[0].text, "検索状態では使えません");
    EXPECT_EQ(i_num, 5);
    state = 1;
    cur_index = 1;
    shift = 3;
    EXPECT_EQ(list_work_files(nullptr, out, sizeof out, '0'), 0);
    EXPECT_EQ(list_test::shown_order(), std::vector<int>{2});
    EXPECT_EQ(cur_index, -1);
    EXPECT_EQ(shift, 0);
    EXPECT_STREQ(out, "0:new.c");  // b.c is shown

    list_test::load_list(tag);
    const struct {
        int position, result;
    } cases[] = {{-1, work_no_selection}, {1, work_not_header}, {4, work_no_prefix}};
    for (const auto &c : cases) {
        cur_index = c.position;
        EXPECT_EQ(copy_to_work(nullptr), c.result) << c.position;
        EXPECT_EQ(copy_back_from_work(nullptr, ""), c.result) << c.position;
    }
    capture::boxes.clear();
    cur_index = 0;
    EXPECT_EQ(copy_to_work(nullptr), 0);
    EXPECT_EQ(anal_test::read_file("work/a.c"), "new text\n");
    capture::answers = {IDCANCEL, IDOK};
    EXPECT_EQ(copy_back_from_work(nullptr, ""), work_cancelled);
    EXPECT_EQ(copy_back_from_work(nullptr, "0:new.c"), 0);
    EXPECT_EQ(questions(), (std::vector<std::string>{overwrite, "ファイルをコピーしますが、よろしいですか？"}));
    EXPECT_EQ(anal_test::read_file("slot0/new.c"), "n\n");
}

}  // namespace
