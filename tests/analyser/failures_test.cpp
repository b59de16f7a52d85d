// Analysis failures, hard stops, range labels and the body-scanner helpers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "analyser/body_scan.h"
#include "analyser/failures.h"
#include "analyser/lexer.h"
#include "analyser/range_labels.h"
#include "analyser/wordattr.h"
#include "shell/anal_owner.h"
#include "anal_support.h"
#include "shell/winmsg.h"

namespace {

class Failures : public ::testing::Test {
protected:
    void SetUp() override
    {
        anal_test::fresh();
        remove("voktavir.dat");
        set_anal_owner(capture::new_edit());
        anal_test::load_text("tok\n");
        next_token();
    }
};

TEST_F(Failures, AnalysisFailureWritesTheLogAndShowsTheBox)
{
    const int failed = anal_guard([](void *) { anal_fatal(11); }, nullptr);
    EXPECT_EQ(failed, 1);
    EXPECT_EQ(anal_test::read_file("voktavir.dat"), "src.c:1 cmd(tok) rtc(11)\n");
    ASSERT_EQ(capture::boxes.size(), 1u);
    EXPECT_EQ(capture::boxes[0].owner, get_anal_owner());
    EXPECT_EQ(capture::boxes[0].text, "ソースの解析中に異常が発生しました、ソースを作り直してやりなおして下さい rtc(11)");
    EXPECT_EQ(capture::boxes[0].caption, "TAVIR警告画面");
    EXPECT_EQ(capture::boxes[0].style, (unsigned)MB_ICONHAND);

    anal_guard([](void *) { anal_fatal(13); }, nullptr);
    EXPECT_EQ(anal_test::read_file("voktavir.dat"), "src.c:1 cmd(tok) rtc(13)\n");
    EXPECT_EQ(anal_guard([](void *) {}, nullptr), 0);
}

TEST_F(Failures, LabelFailuresLeaveTheLogAlone)
{
    anal_test::write_file("voktavir.dat", "before\n");
    anal_guard([](void *) { label_undefined_fatal("L1"); }, nullptr);
    anal_guard([](void *) { label_brace_fatal(12); }, nullptr);
    EXPECT_EQ(anal_test::read_file("voktavir.dat"), "before\n");
    ASSERT_EQ(capture::boxes.size(), 2u);
    EXPECT_EQ(capture::boxes[0].text, "ラベル(L1)の飛び先が定義されていません\n");
    EXPECT_EQ(capture::boxes[1].text, "ラベルの直後の}は禁止です line(12)\n");
}

TEST_F(Failures, HardStopsReachTheExitHook)
{
    const int codes[] = {1, 55, 222, 444, 666};
    for (int code : codes) {
        try {
            anal_abort(code);
            FAIL() << code;
        } catch (const capture_anal::exit_called &e) {
            EXPECT_EQ(e.code, code);
        }
        EXPECT_EQ(anal_test::read_file("voktavir.dat"), "src.c:1 cmd(tok) rtc(" + std::to_string(code) + ")\n");
    }
    EXPECT_EQ(capture::boxes.back().owner, nullptr);
    EXPECT_EQ(capture::boxes.back().text, "ソースの解析中にアプリケーションに異常が発生しました rtc(666)");

    // a bad opener of the group skipper is one of them
    EXPECT_THROW(skip_group("x"), capture_anal::exit_called);
    // a bad opener of the body scanner is an analysis failure
    EXPECT_EQ(anal_guard([](void *) { scan_body("<", 0); }, nullptr), 1);
    EXPECT_EQ(anal_test::read_file("voktavir.dat"), "src.c:1 cmd(tok) rtc(22)\n");
}

TEST(RangeLabels, EnclosingRanges)
{
    anal_test::fresh();
    EXPECT_EQ(add_range_label(2, 4, "関数"), 1);
    EXPECT_EQ(add_range_label(5, 7, "関数"), 1);
    EXPECT_EQ(add_range_label(20, 30, "関数"), 1);
    EXPECT_EQ(add_range_label(1, 10, "クラス"), 0);  // replaces the first, drops the second
    ASSERT_EQ(range_label_num, 2);
    EXPECT_STREQ(range_label[0].text, "クラス");
    EXPECT_EQ(range_label[1].start, 20);
    EXPECT_EQ(add_range_label(3, 4, "関数"), 2);
    EXPECT_EQ(add_range_label(1, 10, "関数"), 0);  // an equal range replaces
    for (int i = 2; i < range_label_cap; ++i) EXPECT_EQ(add_range_label(100 + i * 3, 101 + i * 3, "ENUM"), 1);
    EXPECT_EQ(add_range_label(1, 100000, "x"), 0);  // the table is full
    EXPECT_EQ(range_label_num, range_label_cap);
}

TEST(BodyScan, ParameterNames)
{
    const struct {
        const char *head;
        const char *names;
    } cases[] = {
        {"(int n, char *s)", "n,s,"},
        {"(void)", "void,"},
        {"()", ""},
        {"(void (*cb)(int x), int y)", "cb,y,"},
        {"(LRESULT (CALLBACK *proc)(HWND), int (*table)[3])", "proc,table,"},
        {"(const struct s a[10])", "a,"},
    };
    for (const auto &c : cases) {
        anal_test::fresh();
        anal_test::load_text(c.head);
        next_token();
        collect_param_names();
        std::string names;
        for (int i = 0; i < param_num; ++i) names += std::string(param_names[i]) + ",";
        EXPECT_EQ(names, c.names) << c.head;
    }
    EXPECT_EQ(param_index("a"), 0);
    EXPECT_EQ(param_index("nope"), -1);

    anal_test::fresh();
    std::string many = "(";
    for (int i = 0; i < 300; ++i) many += (i ? ", int p" : "int p") + std::to_string(i);
    anal_test::load_text(many + ")");
    next_token();
    collect_param_names();
    EXPECT_EQ(param_num, param_cap);
    EXPECT_STREQ(param_names[127], "p127");
}

TEST(BodyScan, LookAheadAfterNew)
{
    const struct {
        const char *text;
        int result;
    } cases[] = {
        {"new A.B(1) { }", 0}, {"new A(1);", 5}, {"new int[3];", 2}, {"new A;", 3}, {"old", 1}, {"new A(", -3},
    };
    for (const auto &c : cases) {
        anal_test::fresh();
        anal_test::load_text(c.text);
        next_token();
        EXPECT_EQ(classify_new(), c.result) << c.text;
        EXPECT_STREQ(cur_token, c.text[0] == 'n' ? "new" : "old") << c.text;
    }
}

TEST(BodyScan, CallMarksAndUnbalancedBodies)
{
    anal_test::fresh();
    anal_test::write_file("wordattr.dat", "is_word9\n\tprintf\n");
    int limit = 0;
    load_wordattr(&limit);
    anal_test::load_text("(x,\nprintf(\"a\"),\nother(1))\n");
    clear_line_marks();
    next_token();
    EXPECT_EQ(scan_body("(", 0), 0);
    EXPECT_STREQ(line_mark[2], "□");
    EXPECT_STREQ(line_mark[3], "　");

    anal_test::load_text("{\n  if (a) {\n");
    next_token();
    EXPECT_EQ(scan_body("{", 0), -1);
    EXPECT_NE(anal_test::code_output().find("src.c (1):E131313 EOFを検出しました"), std::string::npos);
}

}  // namespace

namespace {

TEST(RangeLabels, SeparatorTexts)
{
    anal_test::fresh();
    anal_test::load_text(std::string(60, '\n'));
    clear_line_marks();
    for (int i = 0; i < 10; ++i) add_range_label(i * 3, i * 3 + 3, "関数");
    add_range_label(40, 45, "無効文(41～44)");
    add_range_label(50, 55, "関数");
    set_line_mark(52, "●");
    const char *text = nullptr;
    const char *mark = nullptr;
    EXPECT_EQ(range_label_text(1, &text, &mark), -1);
    for (int i = 1; i < 10; ++i) EXPECT_EQ(range_label_text(i * 3 + 1, &text, &mark), -2);
    EXPECT_EQ(range_label_text(2, &text, &mark), 1);  // already shown
    EXPECT_EQ(range_label_text(35, &text, &mark), 0);
    EXPECT_STREQ(text, "関数{1～10}");
    EXPECT_EQ(range_label_text(41, &text, &mark), 11);
    EXPECT_STREQ(text, "無効文(41～44){11}");
    EXPECT_EQ(range_label_text(51, &text, &mark), -1);
    EXPECT_STREQ(mark, "●");
    EXPECT_EQ(range_label_text(-1, &text, &mark), -5);
    EXPECT_STREQ(text, "関数{12}");
    EXPECT_STREQ(mark, "●");
    clear_range_shown();
    EXPECT_EQ(range_label_text(-1, &text, &mark), -6);
    EXPECT_STREQ(text, "");
}

}  // namespace
