// VOKTAVIR started in an empty home folder and closed: the size file of the
// view in use keeps the screens hidden at the close (RELATION by default),
// and the next start leaves them hidden.  The program's path comes on the
// command line.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/win/program_probe.h"

namespace {

std::string program;  // VOKTAVIR.exe

const char first_caption[] = "[TAVIR]Ornak.C言語作図ソフト、ビュー１[V]";

// The row of a size file that names the screen, or "<no row>".
std::string size_row(const std::string &file, const char *screen)
{
    const std::string text = file_text(file);
    const size_t at = text.find(screen);
    if (at == std::string::npos) return "<no row>";
    const size_t begin = text.rfind('\n', at) == std::string::npos ? 0 : text.rfind('\n', at) + 1;
    return text.substr(begin, text.find('\n', at) - begin);
}

class ClosePass : public ::testing::Test {
protected:
    std::string home;
    PROCESS_INFORMATION pi = {};
    HWND screen = nullptr;
    void SetUp() override
    {
        char folder[MAX_PATH];
        GetCurrentDirectoryA(sizeof folder, folder);
        home = std::string(folder) + "\\" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(home.c_str(), nullptr);
        fill_folder(home, home + "\\none");  // no file at all: the program's first run
    }
    // Starts the program on the home folder and waits for its main screen.
    void launch()
    {
        pi = start(program, home.c_str());
        ASSERT_NE(pi.hProcess, nullptr);
        screen = wait_for_window(pi.dwProcessId, "TAVIR");
        ASSERT_NE(screen, nullptr);
        ASSERT_EQ(wait_for_caption(screen, first_caption), first_caption);
    }
    // Closes the main screen, answers the backup question No and waits for the end.
    void close()
    {
        PostMessageA(screen, WM_CLOSE, 0, 0);
        EXPECT_EQ(answer_box(screen, IDNO).rfind("プロジェクトのバックアップを取りますが", 0), 0u);
        EXPECT_EQ(wait_exit(pi), 0u);
    }
    std::string property_row(const char *file) { return size_row(home + "\\" + file, "PROPERTY"); }
};

// The property row holds the start-up form flag and the hidden screens'
// letters ("LFOPCR"): by default only RELATION is hidden.
bool relation_only_hidden(const std::string &row) { return row.find("0.....R") != std::string::npos; }

TEST_F(ClosePass, ClosingKeepsRelationHiddenForTheNextStart)
{
    launch();
    close();
    EXPECT_TRUE(relation_only_hidden(property_row("vokwsize.dat"))) << property_row("vokwsize.dat");
    launch();
    // The screens are shown after the caption is set, the main screen last.
    EXPECT_TRUE(wait_visible(wait_for_window(pi.dwProcessId, "LIST")));
    EXPECT_TRUE(wait_visible(screen));
    HWND relation = wait_for_window(pi.dwProcessId, "RELATION");
    ASSERT_NE(relation, nullptr);
    EXPECT_FALSE(IsWindowVisible(relation));
    close();
}

TEST_F(ClosePass, ClosingAfterAViewSwitchKeepsRelationHiddenInThatView)
{
    launch();
    PostMessageA(screen, WM_KEYUP, 'B', 0);
    EXPECT_EQ(answer_box(screen, IDOK), "ビュー２{B]に切り替えますか？");
    settle(screen);
    close();
    EXPECT_TRUE(relation_only_hidden(property_row("vokwsize.dat"))) << property_row("vokwsize.dat");
    EXPECT_TRUE(relation_only_hidden(property_row("vokwsiz2.dat"))) << property_row("vokwsiz2.dat");
}

}  // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc >= 2) program = argv[1];
    return RUN_ALL_TESTS();
}
