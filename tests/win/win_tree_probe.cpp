// VOKTAVIR's function-call tree built from outside: command 85 posted to the
// main screen on a copy of the sample sources, its questions answered, FORM
// showing the tree from the written "ftree.f".  The tree files stay in the
// case's folder for tests/trees/check_tree.py (a CTest step after this one).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/win/program_probe.h"

namespace {

std::string program;  // VOKTAVIR.exe
std::string samples;  // the sample project's folder

const char first_caption[] = "[TAVIR]Ornak.C言語作図ソフト、ビュー１[V]";
const char externals_question[] = "外部関数を含めて関数ツリーを作成しますか？";

class TreeProbe : public ::testing::Test {
protected:
    std::string home;
    PROCESS_INFORMATION pi = {};
    HWND screen = nullptr, form = nullptr;
    void SetUp() override
    {
        home = make_home(::testing::UnitTest::GetInstance()->current_test_info()->name(), samples);
        pi = start(program, home.c_str());
        ASSERT_NE(pi.hProcess, nullptr);
        screen = wait_for_window(pi.dwProcessId, "TAVIR");
        ASSERT_NE(screen, nullptr);
        ASSERT_EQ(wait_for_caption(screen, first_caption).rfind("[TAVIR]", 0), 0u);
        form = wait_for_window(pi.dwProcessId, "FORM");
        ASSERT_NE(form, nullptr);
    }
    void TearDown() override
    {
        if (pi.hProcess == nullptr) return;
        PostMessageA(screen, WM_CLOSE, 0, 0);
        answer_box(screen, IDNO);
        EXPECT_EQ(wait_exit(pi), 0u);
    }
    std::string home_file(const char *name) { return file_text(home + "\\" + name); }
    // Command 85 over the category, the target holding key.
    void build(const char *key)
    {
        SendMessageA(GetDlgItem(screen, 0), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("*.c"));
        SendMessageA(GetDlgItem(screen, 104), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(key));
        PostMessageA(screen, WM_SYSCOMMAND, 85, 0);
    }
    bool form_shown()
    {
        for (DWORD i = 0; i < probe_wait_ms / 100 && !IsWindowVisible(form); ++i) Sleep(100);
        settle(form);
        return IsWindowVisible(form) != 0;
    }
};

TEST_F(TreeProbe, TreeBuiltAndShownOnForm)
{
    build("");
    EXPECT_EQ(answer_box(screen, IDNO), externals_question);
    ASSERT_TRUE(form_shown());
    const std::string tree = home_file("ftree.f");
    for (const char *name : {"main", "read_sales", "parse_sale", "total_of", "print_totals"}) {
        EXPECT_NE(tree.find(std::string("\t") + name), std::string::npos) << name << "\n" << tree;
    }
    EXPECT_NE(home_file("ftree_s.txt"), "<none>");
    EXPECT_NE(home_file("ftree_f.txt"), "<none>");
}

}  // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc >= 3) {
        program = argv[1];
        samples = argv[2];
    }
    return RUN_ALL_TESTS();
}
