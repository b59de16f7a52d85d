// The editor jumps against the real system: the started editor (the echo
// program) is given the line at which the editor shows the marker of a CR LF
// source, also past CR CR LF lines and a line of 3000 bytes; line_to_rect
// appends its report to a real EDIT.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "forms/prescan.h"
#include "generators/work_jumps.h"
#include "shell/codeout.h"
#include "shell/dirs.h"
#include "shell/params.h"
#include "shell/screens.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "tests/win/test_window.h"

namespace {

std::string echo_path;  // the program that writes its command line

const int echo_wait_ms = 10000;  // how long a started echo may take to write

void write_bytes(const char *path, const std::string &bytes)
{
    FILE *fp = fopen(path, "wb");
    ASSERT_NE(nullptr, fp);
    fwrite(bytes.data(), 1, bytes.size(), fp);
    fclose(fp);
}

// The line at which an editor shows the byte at offset: one more than the
// line breaks before it, a break being CR LF, a lone CR or a lone LF.
int editor_line(const std::string &bytes, size_t offset)
{
    int line = 1;
    for (size_t i = 0; i < offset; ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))) ++line;
    }
    return line;
}

// Runs the jump and returns the command line the echo program was given.
template <typename F> std::string jump_command(F jump)
{
    DeleteFileA("cmdline.txt");
    EXPECT_EQ(0, jump());
    for (int waited = 0; waited < echo_wait_ms && first_line("cmdline.txt") == "<none>"; waited += 100) Sleep(100);
    Sleep(200);
    return first_line("cmdline.txt");
}

class WinWorkJump : public ::testing::Test {
protected:
    void SetUp() override
    {
        copy_bounded(editor, sizeof editor, echo_path.c_str());
        copy_bounded(option, sizeof option, "/j%d");
        proj_selected = 0;
        gen_path = gen_path_rec{};
    }
};

const std::string proc_head = "LRESULT PASCAL WndProc (HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)\r\n";

}  // namespace

TEST_F(WinWorkJump, EditorOpensAtTheMarkerLine)
{
    const struct {
        const char *what;
        std::string before;  // lines before the procedure
    } cases[] = {
        {"CR LF lines", "#include <windows.h>\r\nint a;\r\n"},
        {"CR CR LF lines", "#include <windows.h>\r\nint a;\r\r\nint b;\r\r\n"},
        {"a line of 3000 bytes", "#include <windows.h>\r\n// " + std::string(2997, 'x') + "\r\nint b;\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const std::string source = c.before + proc_head +
                                   "{\r\n\tswitch (msg) {\r\n\tcase WM_CREATE:\r\n\t\t/*AREA:switch*/\r\n"
                                   "\t\t/*END:switch*/\r\n\t\tbreak;\r\n\t}\r\n\treturn 0;\r\n}\r\n";
        write_bytes("gen.c", source);
        const int open_line = editor_line(source, source.find("\t\t/*AREA:switch*/"));
        const int close_line = editor_line(source, source.find("\t\t/*END:switch*/"));
        EXPECT_EQ("TTT.exe /j" + std::to_string(open_line) + " \".\\gen.c\"", jump_command([] {
                      return jump_area("gen.f", "WndProc", "WM_CREATE", "switch", WM_LBUTTONDBLCLK);
                  }));
        EXPECT_EQ("TTT.exe /j" + std::to_string(close_line) + " \".\\gen.c\"", jump_command([] {
                      return jump_area("gen.c", "WndProc", "WM_CREATE", "switch", WM_RBUTTONDBLCLK);
                  }));
    }
}

TEST_F(WinWorkJump, LineToRectAppendsToARealEdit)
{
    write_bytes("gen.c", proc_head + "{\r\n\tswitch (msg) {\r\n\tcase WM_CREATE:\r\n\t\tbreak;\r\n\t}\r\n}\r\n");
    const test_window window = make_test_window();
    code_out_hwnd = window.edit;
    code_mark_clear();
    SetWindowTextA(window.edit, "前の行\r\n");
    EXPECT_EQ(0, line_to_rect("gen.c", 5, window.edit, 3, "\t\tbreak;"));
    EXPECT_EQ("前の行\r\ngen.c(5):\t\tbreak;\r\ngen.c(1):WndProc\r\ngen.c(4):WM_CREATE\r\ngen.c(-1):\r\n"
              "ファイル(gen.c)の行番号(5)は\r\nfunc(WndProc)wm(WM_CREATE)id()の直後にあります\r\n",
              window_text(window.edit));
    EXPECT_EQ(1, code_mark_count());
    EXPECT_EQ(code_out_length(), code_marks[0].end);
    code_out_hwnd = nullptr;
    destroy_test_window(window);
}

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1) {
        echo_path = windows_program_path(argv[1]);
    }
    return RUN_ALL_TESTS();
}
