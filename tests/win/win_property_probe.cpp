// VOKTAVIR on the sample form driven from outside by messages: a 関連-mode
// click on a box fills PROPERTY; a member's value changed on PROPERTY goes
// into the box when another member is chosen, and the FORM screen's save
// puts it into the form file.  Arguments: VOKTAVIR.exe, then the samples folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/win/program_probe.h"

namespace {

std::string program;
std::string samples;

const int comment_x = 70, comment_y = 72;  // inside the sample form's first COMMENT box

std::string text_of(HWND hwnd)
{
    char text[1000] = "";
    SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

void set_text(HWND hwnd, const char *text) { SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)); }

void click(HWND w, UINT down, WPARAM keys, int x, int y)
{
    SendMessageA(w, down, keys, MAKELPARAM(x, y));
    SendMessageA(w, down + 1, 0, MAKELPARAM(x, y));
}

// VOKTAVIR started on a folder holding the sample form and its COMMENT files,
// with the sample form open on the FORM screen.
class PropertyProbe : public ::testing::Test {
protected:
    std::string home;
    PROCESS_INFORMATION pi = {};
    HWND screen = nullptr, form = nullptr, relation = nullptr, property = nullptr;

    void SetUp() override
    {
        char folder[MAX_PATH];
        GetCurrentDirectoryA(sizeof folder, folder);
        home = std::string(folder) + "\\" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(home.c_str(), nullptr);
        for (const char *name : {"sample.f", "COMMENT.S", "COMMENT.p"})
            ASSERT_TRUE(CopyFileA((windows_path(samples) + "\\" + name).c_str(), (home + "\\" + name).c_str(), FALSE));
        pi = start(program, home.c_str());
        ASSERT_NE(nullptr, pi.hProcess);
        screen = wait_for_window(pi.dwProcessId, "TAVIR");
        ASSERT_NE(nullptr, screen);
        ASSERT_EQ(0u, wait_for_caption(screen, "[TAVIR]Ornak.C言語作図ソフト、ビュー１[V]").rfind("[TAVIR]", 0));
        form = wait_for_window(pi.dwProcessId, "FORM");
        relation = wait_for_window(pi.dwProcessId, "RELATION");
        property = wait_for_window(pi.dwProcessId, "PROPERTY");
        ASSERT_TRUE(form != nullptr && relation != nullptr && property != nullptr);
        set_text(GetDlgItem(screen, 0), "sample.f");
        SendMessageA(screen, WM_COMMAND, 11, 0);
    }

    void TearDown() override
    {
        if (pi.hProcess == nullptr) return;
        PostMessageA(screen, WM_CLOSE, 0, 0);
        answer_box(screen, IDNO);  // the backup question
        EXPECT_EQ(0u, wait_exit(pi));
    }

    HWND prop_item(int id) const { return GetDlgItem(property, id); }

    void choose_member(int n)
    {
        SendMessageA(prop_item(3), LB_SETCURSEL, n, 0);
        SendMessageA(property, WM_COMMAND, MAKEWPARAM(3, LBN_SELCHANGE), reinterpret_cast<LPARAM>(prop_item(3)));
    }

    // The mode button's command flips 生成 and 関連.
    void mode_button() { SendMessageA(screen, WM_COMMAND, 8, 0); }
};

TEST_F(PropertyProbe, RelationModeBoxClickFillsProperty)
{
    click(form, WM_LBUTTONDOWN, MK_LBUTTON, comment_x, comment_y);
    EXPECT_EQ(2, SendMessageA(prop_item(3), LB_GETCOUNT, 0, 0));  // text, style
    EXPECT_EQ(0, SendMessageA(prop_item(3), LB_GETCURSEL, 0, 0));
    EXPECT_EQ("\"売上集計\"", text_of(prop_item(4)));
    EXPECT_GE(SendMessageA(prop_item(5), LB_GETCOUNT, 0, 0), 1);
}

TEST_F(PropertyProbe, MemberChangeReachesTheFormFileThroughTheSave)
{
    click(form, WM_LBUTTONDOWN, MK_LBUTTON, comment_x, comment_y);
    // A node named after the COMMENT structure lists it on PROPERTY in 関連 mode.
    mode_button();
    SendMessageA(relation, WM_RBUTTONDBLCLK, MK_RBUTTON, MAKELPARAM(1, 1));
    click(relation, WM_LBUTTONDOWN, MK_LBUTTON, 60, 60);
    set_text(GetDlgItem(screen, 0), "COMMENT.S");
    click(relation, WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, 60, 60);
    mode_button();
    SendMessageA(relation, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 60));
    ASSERT_EQ(2, SendMessageA(prop_item(3), LB_GETCOUNT, 0, 0));

    choose_member(0);
    EXPECT_EQ("\"売上集計\"", text_of(prop_item(4)));
    set_text(prop_item(4), "\"月次集計\"");
    choose_member(1);  // leaving member 0 stores its edited value
    EXPECT_EQ("Ellipse", text_of(prop_item(4)));
    EXPECT_EQ(8, SendMessageA(prop_item(5), LB_GETCOUNT, 0, 0));

    PostMessageA(form, WM_SYSCOMMAND, 4, 0);
    EXPECT_EQ("ファィル(sample.f)を保存します、よろしいですか？", answer_box(form, IDOK));
    // The save ends before the next sent message is handled.
    text_of(GetDlgItem(screen, 0));
    const std::string saved = file_text(home + "\\sample.f");
    EXPECT_NE(std::string::npos, saved.find("\"月次集計\" Ellipse\r\n")) << saved;
    EXPECT_EQ(std::string::npos, saved.find("売上集計"));
}

}  // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1) program = argv[1];
    if (argc > 2) samples = argv[2];
    return RUN_ALL_TESTS();
}
