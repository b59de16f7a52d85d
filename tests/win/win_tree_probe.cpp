// VOKTAVIR's function-call tree built from outside: command 85 posted to the
// main screen on a copy of the sample sources, its questions answered, FORM
// showing the tree from the written "ftree.f"; then FORM's tree keys, with a
// program that records its command line set as the editor.  The tree files
// of the plain build stay in its case's folder for tests/trees/check_tree.py
// (a CTest step after this one).
#include <windows.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tests/win/program_probe.h"

namespace {

std::string program;  // VOKTAVIR.exe
std::string samples;  // the sample project's folder
std::string echo;     // a program that writes its command line to "cmdline.txt"

const char first_caption[] = "[TAVIR]Ornak.C言語作図ソフト、ビュー１[V]";
const char externals_question[] = "外部関数を含めて関数ツリーを作成しますか？";
const char extraction_question[] = "多重論理検索又は対象欄の論理検索キイで\r\n関数ツリーを抽出しますか？";
const int target_id = 104;     // the main screen's target field
const int form_name_id = 1;    // FORM's form-name field
const int counter_id = 2;      // FORM's occurrence label
const UINT edit_button = 0x1F;  // FORM's "編"

// A control's text (WM_GETTEXT: GetWindowText does not ask another process's controls).
std::string text_of(HWND w)
{
    char text[4096] = "";
    SendMessageA(w, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

void set_text(HWND w, const char *text) { SendMessageA(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)); }

// The links of a form file: the rows between "#L2" and "#P1".
int link_rows(const std::string &form)
{
    const size_t from = form.find("#L2"), to = form.find("#P1");
    if (from == std::string::npos || to == std::string::npos) return -1;
    int rows = 0;
    for (size_t i = form.find('\n', from); i != std::string::npos && i + 1 < to; i = form.find('\n', i + 1)) ++rows;
    return rows;
}

class TreeProbe : public ::testing::Test {
protected:
    std::string home;
    PROCESS_INFORMATION pi = {};
    HWND screen = nullptr, form = nullptr;
    void SetUp() override
    {
        home = make_home(::testing::UnitTest::GetInstance()->current_test_info()->name(), samples);
        if (!echo.empty()) {
            const std::string params = "editor\t=\t" + windows_path(echo) + "\noption\t=\t/j%d\noption2\t=\t/j%d\n";
            write_text(home + "\\vokparameter.dat", params.c_str());
        }
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
    // The tree of the samples built without external functions and shown.
    bool built()
    {
        build("");
        return answer_box(screen, IDNO) == externals_question && form_shown();
    }
    void form_key(UINT key, LPARAM lparam = 0)
    {
        settle(form);
        PostMessageA(form, WM_KEYUP, key, lparam);
        settle(form);
    }
    // The tree box of that function made current as the keypad's 0 does,
    // which also counts as a left click for "編".
    void select_box(const char *name)
    {
        settle(form);
        set_text(GetDlgItem(screen, target_id), name);
        form_key(VK_INSERT);
    }
    // The current box's name, put into the target field by Insert.
    std::string current_name()
    {
        form_key(VK_INSERT, 0x1000000);
        return text_of(GetDlgItem(screen, target_id));
    }
    // The form FORM holds, saved under name (command 4), the field set back.
    std::string saved_as(const char *name)
    {
        settle(form);
        set_text(GetDlgItem(form, form_name_id), name);
        PostMessageA(form, WM_SYSCOMMAND, 4, 0);
        std::string said = answer_box(form, IDOK);
        if (said.find("矛盾") != std::string::npos) said = answer_box(form, IDOK);
        EXPECT_NE(said.find(name), std::string::npos) << said;
        settle(form);
        set_text(GetDlgItem(form, form_name_id), "ftree.f");
        return home_file(name);
    }
    // The command line the editor was started with, once it was written.
    std::string editor_call()
    {
        std::string line = "<none>";
        for (int i = 0; i < 100 && line == "<none>"; ++i) {
            Sleep(100);
            line = home_file("cmdline.txt");
        }
        DeleteFileA((home + "\\cmdline.txt").c_str());
        const size_t blank = line.find(' ');
        return blank == std::string::npos ? line : line.substr(blank + 1);
    }
    std::string counter() { return text_of(GetDlgItem(form, counter_id)); }
    // The editor's arguments for the definition that the tree listing's
    // "G" line of the function gives.
    std::string definition_call(const char *function)
    {
        std::istringstream listing(home_file("ftree_s.txt"));
        std::string row;
        while (std::getline(listing, row)) {
            std::istringstream fields(row);
            std::string tag, file, line, name;
            fields >> tag >> file >> line >> name;
            if (tag[0] == 'G' && name == function) return "/j" + line + " \"" + home + "\\" + file + "\"";
        }
        return "<no G line>";
    }
    HWND screen_of(const char *cls) { return wait_for_window(pi.dwProcessId, cls); }
    std::string code_text()
    {
        HWND code = screen_of("CODE");
        return code == nullptr ? "<no CODE>" : text_of(FindWindowExA(code, nullptr, "EDIT", nullptr));
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
    // The form in use is named as when a form file is opened.
    EXPECT_EQ(text_of(GetDlgItem(form, form_name_id)), "ftree.f");
}

// F10 on FORM extracts the callers of the current box; pressed again it
// brings back every box and link of the tree with the box still current.
// On a form other than the tree it refuses.
TEST_F(TreeProbe, F10ExtractsAroundTheBoxAndRestoresTheWholeTree)
{
    set_text(GetDlgItem(screen, 0), "sample.f");
    PostMessageA(screen, WM_COMMAND, 11, 0);
    ASSERT_TRUE(form_shown());
    PostMessageA(form, WM_KEYUP, VK_F10, 0);
    EXPECT_EQ(answer_box(screen, IDOK), "関数ツリーでないので抽出できません");

    ASSERT_TRUE(built());
    const std::string whole = saved_as("whole.f");
    ASSERT_GT(link_rows(whole), 0) << whole;
    select_box("parse_sale");
    form_key(VK_F10);
    const std::string extracted = saved_as("extracted.f");
    EXPECT_LT(link_rows(extracted), link_rows(whole)) << extracted;
    EXPECT_EQ(current_name(), "parse_sale");
    form_key(VK_F10);
    EXPECT_EQ(saved_as("again.f"), whole);
    EXPECT_EQ(current_name(), "parse_sale");
}

// A build that extracts by the target's key saves the whole tree first and
// shows the extraction; two F10 presses on FORM then bring the whole tree back.
TEST_F(TreeProbe, F10TwiceAfterABuildWithExtractionShowsTheWholeTree)
{
    build("");
    EXPECT_EQ(answer_box(screen, IDYES), externals_question);
    EXPECT_EQ(answer_box(screen, IDNO), extraction_question);
    ASSERT_TRUE(form_shown());
    const std::string whole = saved_as("whole.f");
    ASSERT_GT(link_rows(whole), 0) << whole;

    build("parse_sale");
    EXPECT_EQ(answer_box(screen, IDYES), externals_question);
    EXPECT_EQ(answer_box(screen, IDYES), extraction_question);
    ASSERT_TRUE(form_shown());
    EXPECT_LT(link_rows(saved_as("extracted.f")), link_rows(whole));
    select_box("parse_sale");
    form_key(VK_F10);
    form_key(VK_F10);
    EXPECT_EQ(saved_as("again.f"), whole);
}

// Space checks the tree form against its listing on CODE (here: the listing
// is gone), and refuses while F10 has extracted part of the tree.
TEST_F(TreeProbe, SpaceChecksTheTreeUnlessExtracted)
{
    ASSERT_TRUE(built());
    select_box("parse_sale");
    form_key(VK_F10);
    PostMessageA(form, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(answer_box(form, IDOK), "F10キイによる上位矩形の抽出中は、\r\n重複関数や重複ヘッダファイルを抽出できません");
    form_key(VK_F10);

    DeleteFileA((home + "\\ftree_s.txt").c_str());
    PostMessageA(form, WM_KEYUP, VK_SPACE, 0);
    EXPECT_NE(answer_box(form, IDOK).find("重複関数や重複ヘッダファイルを抽出します"), std::string::npos);
    settle(form);
    EXPECT_NE(code_text().find("E242424 ファイル(ftree_s.txt)が見つかりません"), std::string::npos) << code_text();
}

// "L" shows on CODE where the next call of the current box's function
// lies and counts it; PageUp runs the calling function on FLOW with CODE captioned
// by its file, the target field emptied.
TEST_F(TreeProbe, NextCallAndCallerRunOfATreeBox)
{
    ASSERT_TRUE(built());
    select_box("parse_sale");
    form_key('L');
    // A plain C source has no window procedure to name the line's owner.
    EXPECT_EQ(answer_box(form, IDOK), "ファイル(main.c)の行番号(12)ではプロセージャを認識出来ませんでした");
    EXPECT_EQ(counter(), "1/1");
    EXPECT_NE(code_text().find("main.c(12):"), std::string::npos) << code_text();

    select_box("parse_sale");
    form_key(VK_PRIOR, 0x1000000);
    settle(screen);
    EXPECT_EQ(text_of(GetDlgItem(screen, target_id)), "");
    EXPECT_TRUE(IsWindowVisible(screen_of("FLOW")));
    EXPECT_NE(text_of(screen_of("CODE")).find("main.c"), std::string::npos) << text_of(screen_of("CODE"));
}

// The editor opens a tree box's function: "編" after a left click at the
// next call (the counter shows which), keypad Enter and the Shift+right
// double-click at the definition; both refuse without the tree listing.
TEST_F(TreeProbe, EditorOpensAtTheCallOrTheDefinition)
{
    ASSERT_FALSE(echo.empty());
    ASSERT_TRUE(built());
    const std::string main_c = "\"" + home + "\\main.c\"";
    select_box("parse_sale");
    PostMessageA(form, WM_COMMAND, edit_button, 0);
    EXPECT_EQ(editor_call(), "/j12 " + main_c);
    EXPECT_EQ(counter(), "1/1");

    form_key(VK_RETURN, 0x1000001);
    EXPECT_EQ(editor_call(), definition_call("parse_sale"));
    EXPECT_EQ(counter(), "1");

    // Shift swaps 関連 for 生成 over the gesture: the double-click is keypad Enter.
    select_box("read_sales");
    PostMessageA(form, WM_RBUTTONDBLCLK, MK_RBUTTON | MK_SHIFT, MAKELPARAM(5, 5));
    EXPECT_EQ(editor_call(), definition_call("read_sales"));

    // Without the tree listing neither finds the function.
    DeleteFileA((home + "\\ftree_s.txt").c_str());
    PostMessageA(form, WM_KEYUP, VK_RETURN, 0x1000001);
    EXPECT_EQ(answer_box(form, IDOK), "該関数のソースが見つかりません");
    PostMessageA(form, WM_COMMAND, edit_button, 0);
    EXPECT_EQ(answer_box(form, IDOK), "該関数は呼ばれていません");
}

}  // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc >= 3) {
        program = argv[1];
        samples = argv[2];
    }
    if (argc >= 4) echo = argv[3];
    return RUN_ALL_TESTS();
}
