// The scanner of generated WORK sources: its recognisers, the editor's line
// count, the jumps (the editor command they start) and line_to_rect.
#include <cstdint>
#include <string>

#include "generators/work_jumps.h"
#include "shell/codeout.h"
#include "shell/winmsg.h"
#include "shell/words.h"
#include "tests/generators/work_fixture.h"

namespace {

class WorkJumps : public WorkTest {
protected:
    // The command line the last editor start was given (exe aside), or
    // "none" when nothing was started.
    static std::string started()
    {
        if (capture::processes.empty()) return "none";
        EXPECT_EQ("c:\\ed\\ed.exe", capture::processes.back().exe);
        return capture::processes.back().cmdline;
    }
};

// A generated window source: a prototype, file-level regions, two window
// procedures with nested switches.  Line numbers in the comments.
const char *const gen_source =
    "#include <windows.h>\n"                                                       // 1
    "/*AREA:includes*/\n"                                                          // 2
    "/*END:includes*/\n"                                                           // 3
    "int PASCAL WinMain (HINSTANCE h, HINSTANCE p, LPSTR c, int n);\n"             // 4
    "LRESULT PASCAL WndProc (HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)\n"  // 5
    "{\n"                                                                          // 6
    "\t/*AREA:initial*/\n"                                                         // 7
    "\t/*END:initial*/\n"                                                          // 8
    "\tswitch (msg) {\n"                                                           // 9
    "\tcase WM_CREATE:\n"                                                          // 10
    "\t\t/*AREA:switch*/\n"                                                        // 11
    "\t\t/*END:switch*/\n"                                                         // 12
    "\t\tbreak;\n"                                                                 // 13
    "\tcase WM_COMMAND:\n"                                                         // 14
    "\t\tswitch (LOWORD(wParam)) {\n"                                              // 15
    "\t\tcase IDC_OK:\n"                                                           // 16
    "\t\t\tbreak;\n"                                                               // 17
    "\t\tdefault:\n"                                                               // 18
    "\t\t\tbreak;\n"                                                               // 19
    "\t\t}\n"                                                                      // 20
    "\t\t/*AREA:switch*/\n"                                                        // 21
    "\t\t/*END:switch*/\n"                                                         // 22
    "\t\tbreak;\n"                                                                 // 23
    "\tdefault :\n"                                                                // 24
    "\t\tbreak;\n"                                                                 // 25
    "\t}\n"                                                                        // 26
    "\treturn 0;\n"                                                                // 27
    "}\n"                                                                          // 28
    "LRESULT PASCAL SubProc (HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)\n"  // 29
    "{\n"                                                                          // 30
    "\tswitch (msg) {\n"                                                           // 31
    "\tcase WM_CREATE:\n"                                                          // 32
    "\t\tbreak;\n"                                                                 // 33
    "\t}\n"                                                                        // 34
    "}\n";                                                                         // 35

TEST_F(WorkJumps, Recognisers)
{
    EXPECT_EQ(0, word_prefix("switch (a)", "switch"));
    EXPECT_EQ(0, word_prefix("abc", ""));
    EXPECT_NE(0, word_prefix("swit", "switch"));
    EXPECT_NE(0, word_prefix("Switch", "switch"));

    const struct {
        const char *line;
        bool is_default;
    } defaults[] = {
        {"\tdefault:\n", true}, {"  \t default \t:", true}, {"default", false},
        {"default_x:", false},  {"defaults:", false},      {"\t// default:", false},
    };
    for (const auto &d : defaults) EXPECT_EQ(d.is_default, is_default_label(d.line)) << d.line;

    char label[100];
    EXPECT_TRUE(is_wm_label("\tcase WM_CREATE :\n", label, sizeof label));
    EXPECT_STREQ("WM_CREATE", label);
    EXPECT_FALSE(is_wm_label("\tcase IDC_OK:\n", label, sizeof label));
}

TEST_F(WorkJumps, ReplaceExtension)
{
    const struct {
        const char *name;
        const char *ext;
        const char *out;
    } cases[] = {
        {"form.f", ".c", "form.c"},       {"a.b.f", ".c", "a.b.c"}, {"noext", ".c", "noext"},
        {"1:dir\\x.F", ".c", "1:dir\\x.c"}, {".f", ".c", ".c"},     {"main.c", ".BK", "main.BK"},
    };
    for (const auto &c : cases) {
        char out[64];
        EXPECT_EQ(0, replace_ext(out, sizeof out, c.name, c.ext)) << c.name;
        EXPECT_STREQ(c.out, out) << c.name;
    }
    // a cut falls on a lead byte: the whole character goes
    char small[6];
    EXPECT_EQ(1, replace_ext(small, sizeof small, "ab\x95\x5C.f", ".cpp"));
    EXPECT_STREQ("ab\x95\x5C" ".", small);
    EXPECT_EQ(1, replace_ext(small, sizeof small, "abcd\x95\x5C.f", ".c"));
    EXPECT_STREQ("abcd", small);
}

// A line read with "\r\n" (CR CR LF in the file) counts twice from the next
// line on; the first line's ending is not examined.
TEST_F(WorkJumps, LineCountFollowsTheEditor)
{
    line_count_rec counter{};
    const char *const lines[] = {"a\r\n", "b\r\n", "c\r\n", "d\n", "e\n", "f\r\n", "g"};
    const int numbers[] = {1, 2, 4, 6, 7, 8, 10};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(numbers[i], count_line(&counter, lines[i])) << i;
}

TEST_F(WorkJumps, ScanLinesKeepTheirEnding)
{
    const std::string long_line = std::string(995, 'x') + "\x95\x5C" + std::string(2000, 'y');
    write_file("lines.c", "a\r\r\nb\r\nc\r\n\r" + long_line + "\r\r\nend");
    FILE *fp = fopen("lines.c", "rb");
    ASSERT_NE(nullptr, fp);
    char buf[scan_line_size];
    std::vector<std::string> got;
    while (read_scan_line(fp, buf, sizeof buf)) got.push_back(buf);
    fclose(fp);
    ASSERT_EQ(5u, got.size());
    EXPECT_EQ("a\r\n", got[0]);
    EXPECT_EQ("b\n", got[1]);
    EXPECT_EQ("c\n", got[2]);
    EXPECT_EQ("\r" + std::string(995, 'x') + "\r\n", got[3]);  // the cut leaves the whole character out
    EXPECT_EQ("end", got[4]);
}

TEST_F(WorkJumps, JumpsByNamePathDepthDefaultAndRegion)
{
    write_file("p1/gen.c", gen_source);
    const struct {
        const char *what;
        const char *wm;
        const char *id;
        int (*jump)();
        int line;
    } cases[] = {
        {"procedure head", nullptr, nullptr, [] { return jump_proc("gen.c", "WndProc", ""); }, 5},
        {"second procedure", nullptr, nullptr, [] { return jump_proc("gen.f", "SubProc", ""); }, 29},
        {"message case", "WM_COMMAND", nullptr, [] { return jump_proc("gen.c", "WndProc", "WM_COMMAND"); }, 14},
        {"message case of the named procedure", "WM_CREATE", nullptr,
         [] { return jump_proc("gen.c", "SubProc", "WM_CREATE"); }, 32},
        {"id case without its prefix", "WM_COMMAND", "OK", [] { return jump_proc("gen.c", "WndProc", "IDM_OK"); },
         16},
        {"id under another message: the head", "WM_CREATE", "IDC_OK",
         [] { return jump_proc("gen.c", "WndProc", "IDC_OK"); }, 5},
        {"unknown case: the head", nullptr, nullptr, [] { return jump_proc("gen.c", "WndProc", "NONE"); }, 5},
        {"unknown procedure: line 1", nullptr, nullptr, [] { return jump_proc("gen.c", "Gone", ""); }, 1},
        {"case at depth 2", "WM_COMMAND", nullptr, [] { return jump_case("gen.c", "WndProc", "IDC_OK", 2); }, 16},
        {"case at another depth: the head", "WM_COMMAND", nullptr,
         [] { return jump_case("gen.c", "WndProc", "IDC_OK", 1); }, 5},
        {"case label compared exactly", "WM_COMMAND", nullptr,
         [] { return jump_case("gen.c", "WndProc", "OK", 2); }, 5},
        {"default of the message", "WM_COMMAND", nullptr, [] { return jump_default("gen.c", "WndProc"); }, 18},
        {"default of the procedure", nullptr, nullptr, [] { return jump_default("gen.c", "WndProc"); }, 24},
        {"no default: the head", nullptr, nullptr, [] { return jump_default("gen.c", "SubProc"); }, 29},
        {"file-level region", nullptr, nullptr,
         [] { return jump_area("gen.c", "", "", "includes", WM_LBUTTONDBLCLK); }, 2},
        {"its closing marker", nullptr, nullptr,
         [] { return jump_area("gen.c", "", "", "includes", WM_RBUTTONDBLCLK); }, 3},
        {"file-level region after the first procedure: line 1", nullptr, nullptr,
         [] { return jump_area("gen.c", "", "", "initial", WM_LBUTTONDBLCLK); }, 1},
        {"procedure region", nullptr, nullptr,
         [] { return jump_area("gen.c", "WndProc", "", "initial", WM_RBUTTONDBLCLK); }, 8},
        {"empty region: the head", nullptr, nullptr,
         [] { return jump_area("gen.c", "WndProc", "", "", WM_LBUTTONDBLCLK); }, 5},
        {"region of the second message", nullptr, nullptr,
         [] { return jump_area("gen.c", "WndProc", "WM_COMMAND", "switch", WM_LBUTTONDBLCLK); }, 21},
        {"region of the first message", nullptr, nullptr,
         [] { return jump_area("gen.c", "WndProc", "WM_CREATE", "switch", WM_RBUTTONDBLCLK); }, 12},
        {"message without the region: its label", nullptr, nullptr,
         [] { return jump_area("gen.c", "SubProc", "WM_CREATE", "switch", WM_LBUTTONDBLCLK); }, 32},
        {"missing message: the head", nullptr, nullptr,
         [] { return jump_area("gen.c", "WndProc", "WM_PAINT", "switch", WM_LBUTTONDBLCLK); }, 5},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        path_to("WndProc", c.wm, c.id);
        capture::processes.clear();
        EXPECT_EQ(0, c.jump());
        EXPECT_EQ("TTT.exe /j" + std::to_string(c.line) + " \"p1\\gen.c\"", started());
        EXPECT_TRUE(capture::boxes.empty());
    }
}

// The option is a pattern, never a format; a missing source starts nothing.
TEST_F(WorkJumps, EditorCommandAndMissingSources)
{
    write_file("p0/gen.c", gen_source);
    copy_bounded(option, sizeof option, "/x%s%n");
    EXPECT_EQ(0, jump_proc("gen.c", "SubProc", ""));
    EXPECT_EQ("TTT.exe /x%s%n \"p0\\gen.c\"", started());
    copy_bounded(option, sizeof option, "-l %d");
    EXPECT_EQ(0, jump_proc("0:gen.c", "SubProc", ""));
    EXPECT_EQ("TTT.exe -l 29 \"p0\\gen.c\"", started());

    capture::processes.clear();
    EXPECT_EQ(1, jump_proc("none.f", "WndProc", ""));
    EXPECT_EQ(1, jump_default("none.c", "WndProc"));
    EXPECT_EQ(1, jump_area("1:gen.c", "", "", "includes", WM_LBUTTONDBLCLK));
    EXPECT_EQ("none", started());
    ASSERT_EQ(3u, capture::boxes.size());
    EXPECT_EQ("ソースファイル(none.c)が見つかりません", capture::boxes[0].text);
    EXPECT_EQ("ファイル(none.c)が見つかりません", capture::boxes[1].text);
    EXPECT_EQ("ファイル(1:gen.c)が見つかりません", capture::boxes[2].text);
}

// CR CR LF lines count twice and a line longer than the scanner's buffer
// counts once, so the editor opens at the line it shows.
TEST_F(WorkJumps, LineNumbersOfOddLines)
{
    write_file("p0/odd.c", "a\r\r\nb\r\r\nc\r\r\n" + std::string(3000, 'z') +
                               " PASCAL NotAHead\r\nint PASCAL Here (int a)\r\n{\r\n}\r\n");
    EXPECT_EQ(0, jump_proc("odd.c", "Here", ""));
    EXPECT_EQ("TTT.exe /j7 \"p0\\odd.c\"", started());
    EXPECT_EQ(0, jump_proc("odd.c", "NotAHead", ""));
    EXPECT_EQ("TTT.exe /j1 \"p0\\odd.c\"", started());
}

TEST_F(WorkJumps, LineToRectReportsTheOwners)
{
    write_file("p1/gen.c", gen_source);
    const struct {
        int line;
        int screen;
        const char *edit;
        const char *box;  // "" none
    } cases[] = {
        {17, 3,
         "gen.c(17):\t\t\tbreak;\r\ngen.c(5):WndProc\r\ngen.c(14):WM_COMMAND\r\ngen.c(16):IDC_OK\r\n"
         "ファイル(gen.c)の行番号(17)は\r\nfunc(WndProc)wm(WM_COMMAND)id(IDC_OK)の直後にあります\r\n",
         ""},
        {7, 0,
         "gen.c(7):\t\t\tbreak;\r\ngen.c(5):WndProc\r\ngen.c(-1):\r\ngen.c(-1):\r\n"
         "ファイル(gen.c)の行番号(7)は\r\nfunc(WndProc)wm()id()の直後にあります\r\n",
         "ファイル(gen.c)の行番号(7)はfunc(WndProc)wm()id()の直後にあります"},
        {33, 3,
         "gen.c(33):\t\t\tbreak;\r\ngen.c(29):SubProc\r\ngen.c(32):WM_CREATE\r\ngen.c(-1):\r\n"
         "ファイル(gen.c)の行番号(33)は\r\nfunc(SubProc)wm(WM_CREATE)id()の直後にあります\r\n",
         ""},
        {3, 3, "gen.c(3):\r\nファイル(gen.c)の行番号(3)では\r\nプロセージャを認識出来ませんでした\r\n",
         "ファイル(gen.c)の行番号(3)ではプロセージャを認識出来ませんでした"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        capture::boxes.clear();
        capture::edit_text(code_out_hwnd) = "before\r\n";
        const int marks = code_mark_count();
        EXPECT_EQ(0, line_to_rect("gen.f", c.line, code_out_hwnd, c.screen, "\t\t\tbreak;"));
        EXPECT_EQ(std::string("before\r\n") + c.edit, output());
        ASSERT_EQ(marks + 1, code_mark_count());
        EXPECT_EQ(8, code_marks[marks].start);
        EXPECT_EQ(static_cast<int32_t>(output().size()), code_marks[marks].end);
        if (c.box[0] == '\0') {
            EXPECT_TRUE(capture::boxes.empty());
        } else {
            ASSERT_EQ(1u, capture::boxes.size());
            EXPECT_EQ(c.box, capture::boxes[0].text);
        }
    }
}

TEST_F(WorkJumps, LineToRectFailures)
{
    write_file("p0/gen.c", gen_source);
    const std::string before = output();
    EXPECT_EQ(1, line_to_rect("gen.c", 36, code_out_hwnd, 3, ""));
    EXPECT_EQ(1, line_to_rect("none.c", 1, code_out_hwnd, 3, ""));
    EXPECT_EQ(before, output());
    ASSERT_EQ(2u, capture::boxes.size());
    EXPECT_EQ("ファイル(gen.c)の行番号(36)は見つかりません", capture::boxes[0].text);
    EXPECT_EQ("ファイル(none.c)が見つかりません", capture::boxes[1].text);
}

}  // namespace
