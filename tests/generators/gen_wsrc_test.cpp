// The WORK-form generator: the sample's text, the refusals before any file
// is touched, the reuse cycle with its backup and checks, where an existing
// source is found and replaced, and the form left as it was.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "analyser/nesting.h"
#include "forms/formfile.h"
#include "forms/rtree.h"
#include "generators/defs.h"
#include "generators/gen_entry.h"
#include "generators/gen_wsrc.h"
#include "shell/msgbox.h"
#include "shell/winmsg.h"
#include "tests/generators/work_fixture.h"

namespace {

const std::string samples = std::string(VOK_GEN_FIXTURES) + "/../samples/";
const char *const sample_files[] = {"work.f", "wapp.f", "swin1.f", "swin2.f", "smenu1.f", "wtype.dat"};

class WorkGen : public WorkTest {
protected:
    void SetUp() override
    {
        WorkTest::SetUp();
        generators_reset_all();
        full_as_centering = 0;
        std::filesystem::remove_all("work.BK");
        std::filesystem::remove("work.c");
        for (const char *f : sample_files) std::filesystem::copy_file(samples + f, std::string("p0/") + f);
    }

    // Loads the WORK form (from the first slot) as the FORM screen holds it.
    static void load_work()
    {
        forms_reset_all();
        form_alloc();
        ASSERT_EQ(0, load_form("work.f"));
    }

    static std::string bytes(const std::string &path) { return file_text(path); }

    static int find_box(const char *kind, const char *name)
    {
        for (int i = form_sta; i < form_num; ++i) {
            if (strcmp(box_table[i].kind, kind) == 0 && strcmp(box_table[i].name, name) == 0) return i;
        }
        return -1;
    }

    // Replaces the first occurrence of from in the file.
    static void edit(const std::string &path, const std::string &from, const std::string &to)
    {
        std::string t = bytes(path);
        const size_t at = t.find(from);
        ASSERT_NE(std::string::npos, at) << from;
        t.replace(at, from.size(), to);
        write_file(path, t);
    }
};

// The text of the regions a user fills, and where each goes in the sample.
struct fill_case {
    const char *empty;  // the empty region as generated
    const char *filled;
};
const fill_case fills[] = {
    {"/*AREA:includes*/\n\n/*END:includes*/\n", "/*AREA:includes*/\n#include <stdio.h>   \n/*END:includes*/\n"},
    {"/*AREA:functions*/\n\n/*END:functions*/\n",
     "/*AREA:functions*/\nint PASCAL helper(int a)\n{\n\tswitch (a) {\n\tcase WM_USER:\n\t\treturn 1;\n\t}\n\treturn 0; "
     "// 表\n}\n/*END:functions*/\n"},
    {"\t/*AREA:initial*/\n\t\n\t/*END:initial*/\n\tswitch(message) {\n\tcase WM_CREATE:\n\t\tset_hwndW(IDC_w_main",
     "\t/*AREA:initial*/\n\tint clicks = 0; // /*AREA:x*/ quoted\n\t/*END:initial*/\n\tswitch(message) {\n\tcase "
     "WM_CREATE:\n\t\tset_hwndW(IDC_w_main"},
    {"\t\tcase IDC_quit:\n\t\t\tbreak;\n", "\t\tcase IDC_quit:\n\t\t\tDestroyWindow(hwnd);\n\t\t\tbreak;\n"},
    {"\tcase WM_SIZE:\n\t\tbreak;\n", "\tcase WM_SIZE:\n\t\tInvalidateRect(hwnd, NULL, TRUE);\n\t\tbreak;\n"},
};

TEST_F(WorkGen, SampleEqualsExpectedAndPassesTheReuseChecks)
{
    load_work();
    EXPECT_EQ("", generate());
    const std::string text = bytes("p0/work.c");
    EXPECT_EQ(file_text(std::string(VOK_GEN_FIXTURES) + "/work/work.c"), text);
    EXPECT_FALSE(std::filesystem::exists("work.BK"));
    load_old(text);
    int line = 0;
    EXPECT_EQ(0, check_area_marks(&line)) << line;
    EXPECT_EQ(0, find_plain_comment(&line)) << line;
    EXPECT_EQ(0, check_area_pairs(&line)) << line;
    EXPECT_EQ(0, check_switch_tabs(&line)) << line;
    EXPECT_EQ(0, check_indent(&line, work_old_lines)) << line;
}

TEST_F(WorkGen, ReuseCarriesEveryFilledRegionAndBranch)
{
    load_work();
    generate();
    for (const auto &f : fills) edit("p0/work.c", f.empty, f.filled);
    const std::string old = bytes("p0/work.c");
    const std::string shown = generate({IDYES});
    EXPECT_NE(std::string::npos, shown.find("流用しますが")) << shown;
    EXPECT_EQ(1u, capture::boxes.size()) << shown;
    EXPECT_EQ(old, bytes("p0/work.c"));
    EXPECT_EQ(old, bytes("work.BK"));
    // Moving a box moves its branch; the text comes along.
    const int size = find_box("WM", "WM_SIZE");
    box_table[size].y = 5;
    box_table[size].endy = 6;
    generate({IDYES});
    const std::string moved = bytes("p0/work.c");
    for (const auto &f : fills) EXPECT_NE(std::string::npos, moved.find(f.filled)) << f.filled;
    EXPECT_LT(moved.find("InvalidateRect"), moved.find("case IDC_ok"));
}

TEST_F(WorkGen, DeletedBoxOfAFilledRegionRefusesAndLeavesTheSource)
{
    // WM_TIMER has no wtype line: its branch opens with a switch region.
    load_work();
    const int timer = box("WM", "WM_TIMER", 160, 320, 230, 340);
    link(find_box("PROC", "Win2Proc"), timer, "on_set");
    link(timer, box("ID", "b2", 250, 320, 300, 340), "on_set");
    generate();
    edit("p0/work.c", "\t\t/*AREA:switch*/\n\t\t\n", "\t\t/*AREA:switch*/\n\t\tswitch (wParam) {\n");
    const std::string old = bytes("p0/work.c");
    generate({IDYES});
    EXPECT_EQ(1u, capture::boxes.size()) << "carried while the box stands";
    EXPECT_EQ(old, bytes("p0/work.c"));
    const size_t at = old.find("\t\t/*AREA:switch*/");
    const long line = 1 + std::count(old.begin(), old.begin() + static_cast<long>(at), '\n');
    for (int l = l_sta; l < l_num; ++l) {
        if (link_table[l].to == timer) link_table[l].from = find_box("ID", "ok");  // no longer under a procedure's WM level
    }
    const std::string shown = generate({IDYES});
    EXPECT_NE(std::string::npos, shown.find("新しいソースに無い領域")) << shown;
    EXPECT_NE(std::string::npos, shown.find("\r\n" + std::to_string(line) + "行目")) << shown;
    EXPECT_EQ(old, bytes("p0/work.c"));
}

// A region whose message has a wtype line is asked for by no skeleton:
// filled, it refuses the reuse too.
TEST_F(WorkGen, RegionOfAMessageWithAWtypeLineRefuses)
{
    load_work();
    generate();
    edit("p0/work.c", "\tcase WM_COMMAND:\n\t\tswitch", "\tcase WM_COMMAND:\n\t\t/*AREA:switch*/\n\t\tint x;\n\t\t/*END:switch*/\n\t\tswitch");
    const std::string old = bytes("p0/work.c");
    const std::string shown = generate({IDYES});
    EXPECT_NE(std::string::npos, shown.find("新しいソースに無い領域")) << shown;
    EXPECT_EQ(old, bytes("p0/work.c"));
}

TEST_F(WorkGen, RemovedProcedureWithFilledRegionRefuses)
{
    load_work();
    generate();
    edit("p0/work.c", "\t/*AREA:initial*/\n\t\n\t/*END:initial*/\n\tswitch(message) {\n\tcase WM_CREATE:\n\t\tset_hwndW(IDC_w_sub",
         "\t/*AREA:initial*/\n\tint two;\n\t/*END:initial*/\n\tswitch(message) {\n\tcase WM_CREATE:\n\t\tset_hwndW(IDC_w_sub");
    const std::string old = bytes("p0/work.c");
    set_box_name(find_box("PROC", "Win2Proc"), "Win3Proc");
    const std::string shown = generate({IDYES});
    EXPECT_NE(std::string::npos, shown.find("新しいソースに無い領域")) << shown;
    EXPECT_EQ(old, bytes("p0/work.c"));
}

TEST_F(WorkGen, ReuseChecksRefuseWithTheirTextAndLine)
{
    struct reuse_case {
        const char *what, *from, *to, *text;
        const char *at;  // the line the refusal names
    };
    const reuse_case cases[] = {
        {"block comment", "#define\t\tIDC_w_sub", "/* note */\n#define\t\tIDC_w_sub", "AREA,END文以外", "/* note */"},
        {"digit in a marker", "/*AREA:defines*/\n\n/*END:defines*/", "/*AREA:def1*/\n\n/*END:def1*/",
         "AREA,END文以外", "/*AREA:def1*/"},
        {"unclosed region", "/*END:includes*/\n", "", "AREA:～END:の対応", "/*AREA:defines*/"},
        {"switch in #ifdef", "/*AREA:functions*/\n\n", "/*AREA:functions*/\n#ifdef X\nswitch (a) {\n#endif\n",
         "#if,#ifdef～#endif間", "switch (a) {"},
        {"blank before case", "\t\tcase IDC_ok:", "    case IDC_ok:", "タブ以外の文字", "    case IDC_ok:"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        load_work();
        std::filesystem::remove("p0/work.c");
        generate();
        edit("p0/work.c", c.from, c.to);
        const std::string old = bytes("p0/work.c");
        const std::string shown = generate({IDYES});
        EXPECT_NE(std::string::npos, shown.find(c.text)) << shown;
        const size_t at = old.find(c.at);
        const long line = 1 + std::count(old.begin(), old.begin() + static_cast<long>(at), '\n');
        EXPECT_NE(std::string::npos, shown.find("\r\n" + std::to_string(line) + "行目")) << shown;
        EXPECT_EQ(old, bytes("p0/work.c"));
        EXPECT_EQ(old, bytes("work.BK")) << "the backup is written before the checks";
    }
}

TEST_F(WorkGen, RefusalsTouchNothing)
{
    struct refusal_case {
        const char *what;
        void (*change)();
        const char *text;
    };
    static int made_current;
    const refusal_case cases[] = {
        {"a CASE box", [] { box("CASE3", "", 0, 400, 10, 410); }, "CASEn矩形"},
        {"no WORK box", [] { set_box_kind(0, "BOX"); }, "WORK矩形が見つかりません"},
        {"a missing sub-form", [] { set_para("none.f", find_box("PROC", "Win2Proc"), 1); }, "none.f"},
        {"a WM box two levels below a DEFAULT",
         [] {
             const int d = box("DEFAULT", "", 160, 400, 230, 410);
             const int b = box("BOX", "", 250, 400, 300, 410);
             const int w = box("WM", "WM_TIMER", 320, 400, 360, 410);
             link(find_box("PROC", "Win2Proc"), d, "on_set");
             link(d, b, "on_set");
             link(b, w, "on_set");
             made_current = d;
         },
         "DEFAULT矩形配下"},
        {"two PROC boxes of one name", [] { set_box_name(find_box("PROC", "Win2Proc"), "Win1Proc"); }, "同じ名前のPROC矩形"},
        {"one FORM under two PROC boxes", [] { set_para("swin1.f", find_box("PROC", "Win2Proc"), 1); }, "二つのPROC矩形"},
        {"a window with no window box",
         [] {
             std::filesystem::copy_file("p0/swin2.f", "p0/swin3.f");
             set_para("swin3.f", find_box("PROC", "Win2Proc"), 1);
         },
         "表示するウィンドウがありません"},
        {"a full form stack", [] { fnum = form_stack_cap; }, "スタックが一杯"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove("p0/swin3.f");
        load_work();
        made_current = -1;
        c.change();
        const int stack = fnum;
        capture::boxes.clear();
        gen_wsrc("", "", form_sta, form_num, l_sta, l_num);
        std::string shown;
        for (const auto &b : capture::boxes) shown += b.text + "|";
        EXPECT_NE(std::string::npos, shown.find(c.text)) << shown;
        EXPECT_FALSE(std::filesystem::exists("p0/work.c"));
        EXPECT_EQ(stack, fnum);
        if (made_current >= 0) {
            EXPECT_EQ(made_current, cur_box);
        }
        fnum = 0;
    }
}

TEST_F(WorkGen, AppChildLinkUpwardsRefusesWithTheProcCurrent)
{
    for (int dy : {0, -10}) {
        SCOPED_TRACE(dy);
        std::filesystem::remove("p0/wapp.f");
        std::filesystem::copy_file(samples + "wapp.f", "p0/wapp.f");
        std::string app = bytes("p0/wapp.f");
        // w_sub (y 60) becomes level with or above its parent w_main (y 10)
        const size_t at = app.find("     100\t  60\t 160\t  90\tswin2");
        ASSERT_NE(std::string::npos, at);
        app.replace(at, 28, "     100\t" + std::string(dy == 0 ? "  10\t 160\t  40" : "   0\t 160\t  30") + "\tswin2");
        write_file("p0/wapp.f", app);
        load_work();
        const std::string shown = generate();
        EXPECT_NE(std::string::npos, shown.find("上下位置関係が逆さ")) << shown;
        EXPECT_EQ(find_box("PROC", "WinMain"), cur_box);
        EXPECT_FALSE(std::filesystem::exists("p0/work.c"));
    }
}

TEST_F(WorkGen, TheFormIsLeftAsItWas)
{
    load_work();
    copy_bounded(cur_form_name, sizeof cur_form_name, "work.f");
    set_cur_box(find_box("ID", "quit"));
    cur_link = 3;
    std::vector<std::string> links;
    for (int l = l_sta; l < l_num; ++l) links.push_back(std::to_string(link_table[l].from) + ">" + std::to_string(link_table[l].to));
    const int boxes = form_num, sta = form_sta, lnum = l_num;
    generate();
    std::vector<std::string> after;
    for (int l = l_sta; l < l_num; ++l) after.push_back(std::to_string(link_table[l].from) + ">" + std::to_string(link_table[l].to));
    EXPECT_EQ(links, after);
    EXPECT_STREQ("work.f", cur_form_name);
    EXPECT_EQ(find_box("ID", "quit"), cur_box);
    EXPECT_EQ(3, cur_link);
    EXPECT_EQ(boxes, form_num);
    EXPECT_EQ(sta, form_sta);
    EXPECT_EQ(lnum, l_num);
    EXPECT_EQ(0, fnum);
    EXPECT_EQ(boxes, gen_range.end_box);
}

TEST_F(WorkGen, NoAndNoStopsThatFileOnly)
{
    load_work();
    generate();
    const std::string old = bytes("p0/work.c");
    edit("p0/work.c", "#define\t\tIDC_w_sub", "#define MARK 1\n#define\t\tIDC_w_sub");
    const std::string marked = bytes("p0/work.c");
    const std::string shown = generate({IDNO, IDNO});
    EXPECT_NE(std::string::npos, shown.find("壊しますが")) << shown;
    EXPECT_NE(std::string::npos, shown.find("ソースの生成を中止します")) << shown;
    EXPECT_EQ(marked, bytes("p0/work.c"));
    generate({IDNO, IDYES});
    EXPECT_EQ(old, bytes("p0/work.c")) << "overwritten afresh";
    EXPECT_FALSE(std::filesystem::exists("work.BK"));
}

TEST_F(WorkGen, SourceInTheSecondSlotIsAskedBackedUpAndReplacedThere)
{
    load_work();
    generate();
    std::filesystem::rename("p0/work.c", "p1/work.c");
    edit("p1/work.c", "/*AREA:includes*/\n\n", "/*AREA:includes*/\n#include <stdio.h>\n");
    const std::string old = bytes("p1/work.c");
    const std::string shown = generate({IDYES});
    EXPECT_NE(std::string::npos, shown.find("(work.c)を流用")) << shown;
    EXPECT_EQ(old, bytes("p1/work.c"));
    EXPECT_EQ(old, bytes("work.BK"));
    EXPECT_FALSE(std::filesystem::exists("p0/work.c"));
}

// A source found in the second folder slot: the questions and a refusal of
// its reuse name it as its SOURCE box does, not by the slot it was found in.
TEST_F(WorkGen, QuestionsAndRefusalsNameTheSourceAsItsBoxDoes)
{
    load_work();
    generate();
    std::filesystem::rename("p0/work.c", "p1/work.c");
    const std::string generated = bytes("p1/work.c");
    const std::string region = "/*AREA:includes*/\n";
    const std::string with_comment = std::string(generated).replace(generated.find(region), region.size(), region + "/* note */\n");
    const std::string comment_line =
        std::to_string(std::count(with_comment.begin(), with_comment.begin() + with_comment.find("/* note */"), '\n') + 1);
    const struct {
        const char *what;
        const std::string &source;
        std::vector<int> answers;
        std::string text;
    } cases[] = {
        {"reuse", generated, {IDYES},
         "ソースファィル(work.c)を流用しますが、よろしいですか？\r\nはいのとき、バックアップソースファイルはwork.BKになります\r\n"
         "いいえのとき、新規に作成します|"},
        {"overwrite", generated, {IDNO, IDNO}, "|既存のソースファィル(work.c)を壊しますが、よろしいですか？|"},
        {"refusal", with_comment, {IDYES},
         "|流用ソースファイル(work.c)に異常があります、流用は出来ません、\r\nAREA,END文以外の/*...*/型のコメントがあります、"
         "ソースを見直して下さい\r\n" + comment_line + "行目の近辺に問題があります|"},
    };
    for (const auto &c : cases) {
        write_file("p1/work.c", c.source);
        load_work();
        const std::string shown = generate(c.answers);
        EXPECT_NE(std::string::npos, shown.find(c.text)) << c.what << ": " << shown;
        EXPECT_EQ(std::string::npos, shown.find("1:work.c")) << c.what;
    }
}

TEST_F(WorkGen, AbsentSourceIsCreatedUnaskedAndAHomeFileOutsideTheSlotsStays)
{
    write_file("work.c", "home\n");
    load_work();
    EXPECT_EQ("", generate());
    EXPECT_TRUE(std::filesystem::exists("p0/work.c"));
    EXPECT_EQ("home\n", bytes("work.c"));
    std::filesystem::remove("work.c");
}

TEST_F(WorkGen, UnwritableBackupLeavesSourceAndOldBackup)
{
    load_work();
    generate();
    const std::string old = bytes("p0/work.c");
    std::filesystem::create_directory("work.BK");
    std::string shown = generate({IDYES});
    EXPECT_NE(std::string::npos, shown.find("ファイル(work.BK)をオープン出来ません")) << shown;
    EXPECT_EQ(old, bytes("p0/work.c"));
    std::filesystem::remove_all("work.BK");

    write_file("work.BK", "previous\n");
    std::filesystem::create_directory("work.BK.tmp");
    shown = generate({IDYES});
    EXPECT_NE(std::string::npos, shown.find("ファイル(work.BK)をオープン出来ません")) << shown;
    EXPECT_EQ(old, bytes("p0/work.c"));
    EXPECT_EQ("previous\n", bytes("work.BK"));
    std::filesystem::remove_all("work.BK.tmp");
}

TEST_F(WorkGen, CutLoadRefusesReuse)
{
    const std::string many(100001, '\n');
    const std::string ctrl_z = "int a;\n\x1a" "int b;\n";
    for (const std::string *text : {&many, &ctrl_z}) {
        load_work();
        write_file("p0/work.c", *text);
        const std::string shown = generate({IDYES});
        EXPECT_NE(std::string::npos, shown.find("流用は出来ません")) << shown.substr(0, 300);
        EXPECT_EQ(*text, bytes("p0/work.c"));
    }
}

}  // namespace

namespace {

// The window function of the second window for a FORM box's geometry and
// a WNDCLASS box, with and without full_as_centering.
TEST_F(WorkGen, GeometryAndWindowClassOfAWindow)
{
    struct geometry_case {
        int full_as_centering;
        const char *const texts[4];
    };
    const geometry_case cases[] = {
        {0,
         {"#define W(w_x)     ((int)(((long)(w_x))*wf/wb))\n", "static int wf, wb;\n", "\twb = 300;\n\twf = rc.right - rc.left;\n",
          "\t\twf,                     // initial x size\n"}},
        {1, {"#define W(w_x)     (w_x)\n", "\tint w;\n", "\tw = rc.right - rc.left;\n\tw = w/2 - 300/2;\n",
             "\t\tw,                     // initial x position\n"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.full_as_centering);
        std::filesystem::remove("p0/work.c");
        edit("p0/swin2.f", "- サブ画面 - CENTERING CENTERING 300 200", "- \"サブ\" - FULL 5 300 200");
        edit("p0/swin2.f", "#L2", "      10\t  90\t 110\t 100\tWNDCLASS  \t          \n#L2");
        edit("p0/swin2.f", "メモ WS_CHILD|WS_VISIBLE|WS_BORDER\n", "メモ WS_CHILD|WS_VISIBLE|WS_BORDER\n\"CS_OWNDC\" omit 8 \"\" omit omit omit\n");
        load_work();
        full_as_centering = c.full_as_centering;
        generate();
        const std::string text = bytes("p0/work.c");
        const std::string part = text.substr(text.find("HWND swin2(HWND"));
        for (const char *t : c.texts) EXPECT_NE(std::string::npos, text.find(t)) << t;
        for (const char *t : {"\t\twndclass.style         = CS_OWNDC;\n", "\t\twndclass.cbClsExtra    = 0;\n",
                              "\t\twndclass.cbWndExtra    = 8;\n", "\t\twndclass.hIcon         = LoadIcon(NULL,IDI_APPLICATION);\n",
                              "\t\t\"サブ\",                  // window caption\n", "\t\t5,                     // initial y position\n"}) {
            EXPECT_NE(std::string::npos, part.find(t)) << t;
        }
        std::filesystem::remove("p0/swin2.f");
        std::filesystem::copy_file(samples + "swin2.f", "p0/swin2.f");
        full_as_centering = 0;
    }
}

// Text that would not compile as the literal rules have it: a user-kind
// box's line, WM_SYSCOMMAND without a wtype line.
TEST_F(WorkGen, MendedTextCompiles)
{
    edit("p0/swin2.f", "#L2", "      10\t  90\t 110\t 100\tmykind    \tu1        \n#L2");
    std::filesystem::remove("p0/wtype.dat");
    load_work();
    generate();
    const std::string text = bytes("p0/work.c");
    EXPECT_NE(std::string::npos, text.find("\ttbl_swin2[m].hwnd = mykind(hwnd, &workc[u1]")) << "no stray *";
    EXPECT_NE(std::string::npos, text.find("\tcase WM_SYSCOMMAND:\n\t\tswitch (wParam) {\n\t\tcase IDM_m_open:\n"));
    EXPECT_EQ(std::string::npos, text.find("static long FAR PASCAL\n\tControlProc"));
    EXPECT_NE(std::string::npos, text.find("\tcase WM_COMMAND:\n\t\t/*AREA:switch*/\n")) << "no wtype line: the region";
}

// Without a WM_DESTROY box the old WM_DESTROY branch is carried, or the
// default one written when the old source has none.
TEST_F(WorkGen, DefaultDestroyBranch)
{
    load_work();
    generate();
    const std::string branch = "\tcase WM_DESTROY:\n\t\tPostQuitMessage (0); // 暫定\n\t\tbreak;\n\tcase WM_PAINT:";
    edit("p0/work.c", branch, "\tcase WM_DESTROY:\n\t\tPostQuitMessage (1);\n\t\tbreak;\n\tcase WM_PAINT:");
    generate({IDYES});
    EXPECT_NE(std::string::npos, bytes("p0/work.c").find("\t\tPostQuitMessage (1);\n\t\tbreak;\n\tcase WM_PAINT:"));
    edit("p0/work.c", "\tcase WM_DESTROY:\n\t\tPostQuitMessage (1);\n\t\tbreak;\n\tcase WM_PAINT:", "\tcase WM_PAINT:");
    generate({IDYES});
    EXPECT_NE(std::string::npos, bytes("p0/work.c").find(branch));
}

}  // namespace

namespace {

// A filled branch whose ID box is gone is dropped and named with "★" on
// the CODE output; carried and unfilled branches are not named.
TEST_F(WorkGen, DroppedFilledBranchIsNamed)
{
    load_work();
    generate();
    edit("p0/work.c", "\t\tcase IDC_quit:\n\t\t\tbreak;\n", "\t\tcase IDC_quit:\n\t\t\tDestroyWindow(hwnd);\n\t\t\tbreak;\n");
    const std::string old = bytes("p0/work.c");
    const size_t at = old.find("\t\tcase IDC_quit:");
    const long line = 1 + std::count(old.begin(), old.begin() + static_cast<long>(at), '\n');
    generate({IDYES});
    EXPECT_EQ(std::string::npos, output().find("★")) << output();
    const int quit = find_box("ID", "quit");
    for (int l = l_sta; l < l_num; ++l) {
        if (link_table[l].to == quit) link_table[l].from = -1;
    }
    generate({IDYES});
    EXPECT_EQ(std::string::npos, bytes("p0/work.c").find("IDC_quit:"));
    const std::string shown = output();
    EXPECT_NE(std::string::npos, shown.find("★")) << shown;
    EXPECT_NE(std::string::npos, shown.find(std::to_string(line) + "行目のIDC_quit:")) << shown;
    EXPECT_EQ(shown.find("★"), shown.rfind("★")) << "one line: " << shown;
}

}  // namespace
