// CODE output and the mark table against a fake output edit, and the file
// viewer of the edit controls.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "shell/codeout.h"
#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/winmsg.h"
#include "tests/support/capture_host.h"

namespace {

class CodeOut : public ::testing::Test {
protected:
    void SetUp() override
    {
        capture::reset();
        code_mark_clear();
        code_out_hwnd = capture::new_edit();
    }
    std::string output() const { return capture::edit_text(code_out_hwnd); }
    static void expect_mark(int n, uint32_t kind, int32_t start, int32_t end)
    {
        EXPECT_EQ(kind, code_marks[n].kind) << "row " << n;
        EXPECT_EQ(start, code_marks[n].start) << "row " << n;
        EXPECT_EQ(end, code_marks[n].end) << "row " << n;
    }
};

TEST_F(CodeOut, PrintsAppendAndLeavePlainMarks)
{
    code_print("a");
    code_print("bb");
    code_print("ccc");
    EXPECT_EQ("abbccc", output());
    ASSERT_EQ(3, code_mark_count());
    expect_mark(0, 0, 0, 1);
    expect_mark(1, 0, 1, 3);
    expect_mark(2, 0, 3, 6);
}

TEST_F(CodeOut, PrintAppendsAtTheEndWhateverIsSelected)
{
    code_print("first\r\n");
    send_msg(code_out_hwnd, EM_SETSEL, 0, 2);
    code_print("second");
    EXPECT_EQ("first\r\nsecond", output());
    expect_mark(1, 0, 7, 13);
}

TEST_F(CodeOut, RemovingABlockShiftsTheSpansBehindIt)
{
    code_print(std::string(10, 'x').c_str());
    code_mark_add(5, 7, 1, 10);
    send_msg(code_out_hwnd, EM_SETSEL, 10, 10);
    send_msg(code_out_hwnd, EM_REPLACESEL, 0, reinterpret_cast<intptr_t>(std::string(20, 'b').c_str()));
    code_mark_close();
    code_print(std::string(10, 'y').c_str());
    ASSERT_EQ(3, code_mark_count());
    expect_mark(1, 1, 10, 30);
    expect_mark(2, 0, 30, 40);

    EXPECT_EQ(1, code_mark_add(5, 7, 1, 0));
    ASSERT_EQ(2, code_mark_count());
    expect_mark(1, 0, 10, 20);
    EXPECT_EQ(std::string(10, 'x') + std::string(10, 'y'), output());
    EXPECT_EQ(0, code_mark_add(5, 7, 1, 20));  // shown again: a new row
}

TEST_F(CodeOut, AFullTableRecordsNothingMore)
{
    for (int i = 0; i < code_mark_cap; ++i) ASSERT_EQ(0, code_mark_add(0, 0, 0, i));
    EXPECT_EQ(2, code_mark_add(0, 0, 0, 0));
    EXPECT_EQ(2, code_mark_add(1, 1, 1, 0));
    EXPECT_EQ(code_mark_cap, code_mark_count());
    code_print("still shown");
    EXPECT_EQ("still shown", output());
    EXPECT_EQ(code_mark_cap, code_mark_count());
    code_mark_clear();
    EXPECT_EQ(0, code_mark_count());
}

void write_file(const char *name, const std::string &bytes)
{
    FILE *fp = fopen(name, "wb");
    fwrite(bytes.data(), 1, bytes.size(), fp);
    fclose(fp);
}

struct view_case {
    const char *what;
    const char *name;
    std::string content;  // null-named file is not created
    bool create;
    std::string shown;
    int result;
};

TEST_F(CodeOut, FileViewerShowsTheFileAndItsStatus)
{
    const std::string full(4096, 'q');
    const view_case cases[] = {
        {"missing", "none.txt", "", false, "★ファイル(none.txt)が見つかりません\r\n", 0},
        {"empty", "empty.txt", "", true, "★ファイル(empty.txt)の中味が空です\r\n", 0},
        {"small", "small.txt", "テキスト\r\n", true, "テキスト\r\n★ファイル(small.txt)の終了\r\n", 0},
        {"ctrl-z", "ctrlz.txt", "abc\x1A", true, "abc★ファイル(ctrlz.txt)の終了\r\n", 0},
        {"4096 bytes", "full.txt", full, true, full + "\r\n★ファイル(full.txt)の途中終了\r\n", 1},
        {"longer", "long.txt", full + "more", true, full + "\r\n★ファイル(long.txt)の途中終了\r\n", 1},
    };
    for (const auto &c : cases) {
        if (c.create) write_file(c.name, c.content);
        const win_handle edit = capture::new_edit("before");
        EXPECT_EQ(c.result, read_file_to_edit(edit, c.name)) << c.what;
        EXPECT_EQ(c.shown, capture::edit_text(edit)) << c.what;
    }
}

TEST_F(CodeOut, FileViewerCutsALongNameToItsBlock)
{
    std::string name(200, 'n');
    write_file(name.c_str(), std::string(4096, 'q'));
    const win_handle edit = capture::new_edit();
    EXPECT_EQ(1, read_file_to_edit(edit, name.c_str()));
    const std::string &shown = capture::edit_text(edit);
    EXPECT_EQ(4195u, shown.size());
    EXPECT_EQ("の途中終了\r\n", shown.substr(shown.size() - 12));
}

}  // namespace
