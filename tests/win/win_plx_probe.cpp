// PLX.exe driven from outside with posted messages only: the ".ft" that
// "plx_cur.dat" names converted and written, old form files stacked, and a
// broken tree that leaves PLX running with its report in the counts field.
// Arguments: PLX.exe, then the source tree (the sample tree in samples/, its
// expected form file in tests/plx/fixtures/).
//
// With "--convert FOLDER NAME" instead of the tests it converts FOLDER\NAME.ft
// from line 1 to the end, writes NAME.f and prints "counts TEXT" (field 9),
// "running 1" (PLX still up after the conversion) and "exit N".
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "tests/win/program_probe.h"

namespace {

std::string plx_exe;
std::string source;  // the source tree: samples/ and the expected files

enum { id_read_ft = 1, id_path = 2, id_x_step = 3, id_y_step = 4, id_read_old = 5, id_write_f = 6,
       id_first = 7, id_last = 8, id_counts = 9 };

std::string text_of(HWND hwnd)
{
    char text[1000] = "";
    SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

void set_text(HWND hwnd, const char *text) { SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)); }

// Lines as PLX's text-mode writes end them.
std::string crlf(const std::string &s)
{
    std::string out;
    for (char c : s) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

std::string make_folder(const char *name)
{
    char folder[MAX_PATH];
    GetCurrentDirectoryA(sizeof folder, folder);
    const std::string path = std::string(folder) + "\\" + name;
    CreateDirectoryA(path.c_str(), nullptr);
    for (const char *f : {"plx_cur.dat", "z.txt", "w.txt", "tree.f", "deep.f", "stack.f"})
        DeleteFileA((path + "\\" + f).c_str());
    return path;
}

// A started PLX in its folder.
struct plx_run {
    std::string folder;
    PROCESS_INFORMATION pi = {};
    HWND main = nullptr;

    HWND field(int id) const { return GetDlgItem(main, id); }
    std::string file(const char *name) const { return file_text(folder + "\\" + name); }

    // Posts a button's command and waits until the counts field changes
    // from what it showed before; its new text.
    std::string command(int id)
    {
        const std::string before = text_of(field(id_counts));
        set_text(field(id_counts), "?");
        PostMessageA(main, WM_COMMAND, id, 0);
        for (DWORD waited = 0; waited < probe_wait_ms; waited += 50) {
            const std::string now = text_of(field(id_counts));
            if (now != "?") return now;
            Sleep(50);
        }
        set_text(field(id_counts), before.c_str());
        return "<no answer>";
    }

    // Posts the write and the close: the messages are handled in order, so
    // the file is whole once PLX has ended.  Its exit code.
    DWORD write_and_close()
    {
        PostMessageA(main, WM_COMMAND, id_write_f, 0);
        PostMessageA(main, WM_CLOSE, 0, 0);
        return wait_exit(pi);
    }

    bool running() const { return WaitForSingleObject(pi.hProcess, 300) == WAIT_TIMEOUT && IsWindow(main); }
};

bool launch(plx_run &r, const std::string &folder)
{
    r.folder = folder;
    r.pi = start(plx_exe, folder.c_str());
    if (r.pi.hProcess == nullptr) return false;
    r.main = wait_for_window(r.pi.dwProcessId, "PLX_MAIN");
    // The window is found while it is being made: wait until it is shown.
    for (DWORD waited = 0; r.main != nullptr && !IsWindowVisible(r.main) && waited < probe_wait_ms; waited += 50) Sleep(50);
    return r.main != nullptr && r.field(id_counts) != nullptr;
}

TEST(PlxProbe, ConvertsTheTreeItsCurrentPathNamesAndWritesItsForm)
{
    const std::string folder = make_folder("convert");
    write_text(folder + "\\plx_cur.dat", "tree\n");
    CopyFileA((windows_path(source) + "\\samples\\sample.ft").c_str(), (folder + "\\tree.ft").c_str(), FALSE);
    plx_run r;
    ASSERT_TRUE(launch(r, folder));
    EXPECT_EQ("tree", text_of(r.field(id_path)));
    for (const auto &f : {std::make_pair(id_x_step, "130"), std::make_pair(id_y_step, "10"),
                          std::make_pair(id_first, "1"), std::make_pair(id_last, "9999")})
        set_text(r.field(f.first), f.second);
    EXPECT_EQ("p(14)l(13)s(57)", r.command(id_read_ft));
    EXPECT_TRUE(r.running());
    // The stacked read of what was written gives the same boxes and links.
    PostMessageA(r.main, WM_COMMAND, id_write_f, 0);
    EXPECT_EQ("p(14)l(13)s(55)", r.command(id_read_old));
    EXPECT_EQ(crlf("mfnum( 0) pgeta(   0) ygeta(    0) fname(tree.f)\n"
                   "mfnum( 1) pgeta(  14) ygeta(  100) fname(***)\n"),
              r.file("z.txt"));
    EXPECT_EQ(0u, r.write_and_close());
    EXPECT_EQ(crlf(file_text(windows_path(source) + "\\tests\\plx\\fixtures\\sample_tree.f")), r.file("tree.f"));
    EXPECT_EQ("tree\r\n", r.file("plx_cur.dat"));
}

TEST(PlxProbe, BrokenTreeLeavesPlxRunningWithItsReport)
{
    const std::string folder = make_folder("broken");
    write_text(folder + "\\plx_cur.dat", "deep.ft\n");
    write_text(folder + "\\deep.ft", "a 1 <0> a\nb 2 <1> b\nz 3 <20> z\n");
    plx_run r;
    ASSERT_TRUE(launch(r, folder));
    EXPECT_EQ("line(3) funcname(z) level(20) omem[level-1](-1), nmem[level-1](-1) parent(-1)", r.command(id_read_ft));
    EXPECT_TRUE(r.running());
    EXPECT_EQ(crlf("line(3) funcname(z) level(20) omem[level-1](-1), nmem[level-1](-1) parent(-1)\npp[].fname()\n"),
              r.file("w.txt"));
    // The model keeps the two boxes read before the broken line.
    EXPECT_EQ(0u, r.write_and_close());
    EXPECT_EQ(crlf("#F2\n"
                   "    5     5    35    20 WORK         \n"
                   "    0    20   100    30 BOX          a\n"
                   "  130    20   230    30 BOX          b\n"
                   "#L2\n"
                   "    0     1 ANY         \n"
                   "    1     2 on_set      \n"
                   "#P1\n"
                   "TAVIR Caption N 0 0 640 480\n"
                   "\n"
                   "\n"),
              r.file("deep.f"));
}

TEST(PlxProbe, StacksOldFormsInNameOrderAndWritesTheStack)
{
    const std::string folder = make_folder("stack");
    write_text(folder + "\\a2.f", "#F2\n   10    10    60    40 BOX          two\n   10    50    60    70 BOX          three\n"
                                  "#L1\non_set 0 1\n#P1\nx\ny\n");
    write_text(folder + "\\a1.f", "#F2\n    5     5    35    20 WORK         \n    0    20   100    30 BOX          main\n"
                                  "#L2\n    0     1 ANY         \n#P1\nTAVIR Caption N 0 0 640 480\n\n");
    write_text(folder + "\\plx_cur.dat", "none\n");
    plx_run r;
    ASSERT_TRUE(launch(r, folder));
    // A pattern that matches nothing: an empty record and an empty model.
    EXPECT_EQ("p(0)l(0)s(0)", r.command(id_read_old));
    EXPECT_EQ("", r.file("z.txt"));
    set_text(r.field(id_path), "a*");
    EXPECT_EQ("p(4)l(2)s(37)", r.command(id_read_old));
    EXPECT_EQ(crlf("mfnum( 0) pgeta(   0) ygeta(    0) fname(a1.f)\n"
                   "mfnum( 1) pgeta(   2) ygeta(   20) fname(a2.f)\n"
                   "mfnum( 2) pgeta(   4) ygeta(   70) fname(***)\n"),
              r.file("z.txt"));
    set_text(r.field(id_path), "stack");
    EXPECT_EQ(0u, r.write_and_close());
    EXPECT_EQ(crlf("#F2\n"
                   "    5     5    35    20 WORK         \n"
                   "    0    20   100    30 BOX          main\n"
                   "   10    30    60    60 BOX          two\n"
                   "   10    70    60    90 BOX          three\n"
                   "#L2\n"
                   "    0     1 ANY         \n"
                   "    2     3 on_set      \n"
                   "#P1\n"
                   "TAVIR Caption N 0 0 640 480\n"
                   "\n"
                   "x\n"
                   "y\n"),
              r.file("stack.f"));
}

// The conversion of one tree for tests/plx/cflow_check.py.
int convert_one(const char *folder, const char *name)
{
    const std::string ft = std::string(name) + "\n";
    const std::string dir = windows_path(folder);
    write_text(dir + "\\plx_cur.dat", ft.c_str());
    plx_run r;
    if (!launch(r, dir)) {
        printf("exit start\n");
        return 1;
    }
    set_text(r.field(id_last), "0");
    printf("counts %s\n", r.command(id_read_ft).c_str());
    printf("running %d\n", r.running() ? 1 : 0);
    printf("exit %lu\n", static_cast<unsigned long>(r.write_and_close()));
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc == 5 && strcmp(argv[2], "--convert") == 0) {
        plx_exe = argv[1];
        return convert_one(argv[3], argv[4]);
    }
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1) plx_exe = argv[1];
    if (argc > 2) source = argv[2];
    return RUN_ALL_TESTS();
}
