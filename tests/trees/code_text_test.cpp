// The CODE screen's portable decisions: the save without the "★" notices
// (line ends, a failed open), the memo commands at the memo's limit, and the
// selection parsers of F10 and the editor as tables.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "list_support.h"
#include "shell/dirs.h"
#include "shell/params.h"
#include "shell/sjis.h"
#include "shell/stacks.h"
#include "trees/code_text.h"

namespace {

class CodeText : public ::testing::Test {
protected:
    void SetUp() override
    {
        list_test::fresh();
        init_sjis_table();
        memo_buf[0] = memo_restore[0] = '\0';
        proj_selected = 0;
    }
    void TearDown() override
    {
        proj_selected = 0;
        proj_dirs[0] = '\0';
    }
};

TEST_F(CodeText, SaveDropsNoticesOnEveryLineEnd)
{
    struct row {
        const char *text, *saved;
    } rows[] = {
        {"★note\r\nint a;\r\n", "int a;\n"},
        {"one\rtwo\nthree\r\nfour", "one\ntwo\nthree\nfour\n"},
        {"★a\r★b\n★c\r\n", ""},
        {"\r\n\n", "\n\n"},
        {"x\r\r\ny", "x\n\ny\n"},
    };
    for (const row &r : rows) {
        win_handle edit = capture::new_edit(r.text);
        EXPECT_EQ(save_code_text(edit, "saved.c"), 0) << r.text;
        EXPECT_EQ(list_test::read_file("saved.c", true), r.saved) << r.text;
    }
    EXPECT_TRUE(capture::boxes.empty());
}

TEST_F(CodeText, FailedSaveKeepsNothingAndSaysSo)
{
    win_handle edit = capture::new_edit("int a;\r\n");
    EXPECT_EQ(save_code_text(edit, "no_such_folder/saved.c"), 1);
    ASSERT_EQ(capture::boxes.size(), 1u);
    EXPECT_EQ(capture::boxes[0].text, "ファイル(no_such_folder/saved.c)がオープン出来ない\n");
    EXPECT_EQ(capture::boxes[0].owner, hwndE);
}

TEST_F(CodeText, MemoCommands)
{
    copy_bounded(memo_buf, sizeof memo_buf, "old\r\n");
    EXPECT_EQ(memo_command(memo_set, ""), 1);
    EXPECT_EQ(capture::beeps, 1);
    EXPECT_STREQ(memo_buf, "old\r\n");
    EXPECT_EQ(memo_command(memo_set, "new"), 0);
    EXPECT_STREQ(memo_buf, "new\r\n");
    EXPECT_STREQ(memo_restore, "old\r\n");
    EXPECT_EQ(memo_command(memo_append, "more\r"), 0);
    EXPECT_STREQ(memo_buf, "new\r\nmore\r\n");
    EXPECT_EQ(memo_command(memo_append, "tail\n"), 0);
    EXPECT_STREQ(memo_buf, "new\r\nmore\r\ntail\n");
    EXPECT_EQ(memo_command(memo_swap, nullptr), 0);
    EXPECT_STREQ(memo_buf, "new\r\nmore\r\n");
    EXPECT_STREQ(memo_restore, "new\r\nmore\r\ntail\n");
    EXPECT_EQ(memo_command(memo_erase, nullptr), 0);
    EXPECT_STREQ(memo_buf, "");
    EXPECT_EQ(memo_command(memo_builtin, nullptr), 0);
    EXPECT_STREQ(memo_buf, builtin_memo);
    EXPECT_FALSE(capture::repaints.empty());
    EXPECT_EQ(capture::repaints.back(), hwndE);
}

// A memo near its 4000 bytes: the text and its line end fit with the NUL,
// cut neither inside a double-byte character nor inside a CR LF.
TEST_F(CodeText, MemoAtItsLimit)
{
    struct row {
        std::string old_memo, added, result;
    } rows[] = {
        {std::string(3990, 'a'), "0123456789", std::string(3990, 'a') + "0123456" + "\r\n"},
        {std::string(3990, 'a'), "bbbbbb漢字", std::string(3990, 'a') + "bbbbbb" + "\r\n"},
        {std::string(3990, 'a'), "bbbbb漢字", std::string(3990, 'a') + "bbbbb漢" + "\r\n"},
        {std::string(3995, 'a'), "b\r\nc", std::string(3995, 'a') + "b\r\n"},
        {std::string(3996, 'a'), "b\r\nc", std::string(3996, 'a') + "b\r\n"},
        {std::string(3997, 'a'), "\r\nc", std::string(3997, 'a') + "\r\n"},
        {std::string(3997, 'a'), "b\r", std::string(3997, 'a') + "\r\n"},
    };
    for (const row &r : rows) {
        copy_bounded(memo_buf, sizeof memo_buf, r.old_memo.c_str());
        EXPECT_EQ(memo_command(memo_append, r.added.c_str()), 0);
        EXPECT_EQ(std::string(memo_buf), r.result) << r.old_memo.size() << " + " << r.added;
        EXPECT_LE(strlen(memo_buf), 3999u);
    }
    std::string huge(5000, 'x');
    EXPECT_EQ(memo_command(memo_set, huge.c_str()), 0);
    EXPECT_EQ(std::string(memo_buf), std::string(3997, 'x') + "\r\n");
}

TEST_F(CodeText, F10SelectionParser)
{
    struct row {
        const char *selection;
        int result;
        const char *file;
        int line;
    } rows[] = {
        {"main.c(120)", 0, "main.c", 120},
        {"  main.c (7):int x;\r\n", 0, "main.c", 7},
        {"0:src\\a.c(15)", 0, "0:src\\a.c", 15},
        {"main.c(12x)", 1, "", 0},
        {"main.c()", 1, "", 0},
        {"main.c", 1, "", 0},
        {"(12)", 1, "", 0},
        {"main.c x(12)", 1, "", 0},
        {"main.c(123456789012)", 1, "", 0},
    };
    for (const row &r : rows) {
        char file[selection_size] = "";
        int line = 0;
        EXPECT_EQ(parse_line_ref(r.selection, file, sizeof file, &line), r.result) << r.selection;
        EXPECT_STREQ(file, r.file) << r.selection;
        EXPECT_EQ(line, r.line) << r.selection;
    }
}

TEST_F(CodeText, EditorSelectionParser)
{
    proj_selected = 1;
    copy_bounded(proj_dirs, sizeof proj_dirs, "c:\\base,c:\\two,c:\\src");
    char cwd[dir_path_size];
    host_getcwd(cwd, sizeof cwd);
    struct row {
        const char *selection;
        int result;
        std::string dir;
        const char *name;
        int line;
    } rows[] = {
        {"2:src.c(15)", 0, "c:\\src", "src.c", 15},
        {"src.c(15):text", 0, cwd, "src.c", 15},
        {"7:src.c(15)", 1, "", "", 0},   // no folder in slot 7
        {":src.c(15)", 1, "", "", 0},
        {"src.c 15", 1, "", "", 0},
        {"src.c(15", 1, "", "", 0},
        {"src.c()", 1, "", "", 0},
    };
    for (const row &r : rows) {
        char dir[dir_path_size] = "", name[selection_size] = "";
        int line = 0;
        EXPECT_EQ(parse_editor_ref(r.selection, dir, sizeof dir, name, sizeof name, &line), r.result) << r.selection;
        EXPECT_EQ(std::string(dir), r.dir) << r.selection;
        EXPECT_STREQ(name, r.name) << r.selection;
        EXPECT_EQ(line, r.line) << r.selection;
    }
}

}  // namespace
