// The analyser's entry: options, list mode with its tag file and
// "define.txt", reference mode, the usage text and the output failures.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "analyser/anal_inputs.h"
#include "analyser/anal_main.h"
#include "analyser/flow_grid.h"
#include "analyser/flow_nodes.h"
#include "analyser/options.h"
#include "analyser/parser.h"
#include "analyser/range_labels.h"
#include "analyser/search_keys.h"
#include "anal_support.h"
#include "shell/line_cut.h"
#include "shell/startup.h"

namespace {

class Driver : public ::testing::Test {
protected:
    void SetUp() override
    {
        anal_test::fresh();
        reset_anal_inputs();
        lang_mode = 0;
        remove("voktavir.tag");
        remove("vokcall.tag");
        remove("define.txt");
        anal_test::write_file("wordattr.dat", anal_test::read_file(VOK_ANAL_DATA "/wordattr.dat"));
    }
    void TearDown() override { lang_mode = 0; }
};

TEST_F(Driver, ListModeSmoke)
{
    anal_test::write_file("a.c",
                          "#include <stdio.h>\n"
                          "#define MAX 10\n"
                          "int proto(int a);\n"
                          "static int helper(int a)\n"
                          "{\n"
                          "    return a + 1;\n"
                          "}\n"
                          "int main(int argc, char **argv) {\n"
                          "    printf(\"%d\", helper(argc));\n"
                          "    return 0;\n"
                          "}\n");
    EXPECT_EQ(anal_test::run_vokanal({"a.c", "-i"}), 0);
    EXPECT_EQ(anal_test::read_file("voktavir.tag"),
              "---------- a.c ----------\n"
              "a.c 4 helper()\n"
              "a.c 8 main()\n");
    EXPECT_EQ(anal_test::read_file("define.txt"), "F a.c 1\nD MAX 2\nT 1 1\n");
}

}  // namespace

namespace {

TEST_F(Driver, OptionsAreResetAtEveryRun)
{
    anal_test::write_file("a.c", "int f() { return 0; }\n");
    EXPECT_EQ(anal_test::run_vokanal({"a.c", "-w3", "-p", "-x4", "-y5", "-l1", "-L-1", "-d", "-otags.txt", "-i"}), 0);
    EXPECT_EQ(opt_w, 19);
    EXPECT_EQ(opt_p, 1);
    EXPECT_EQ(opt_end_line, -1);
    int x = 0, y = 0;
    get_grid_origin(&x, &y);
    EXPECT_EQ(x, 4);
    EXPECT_EQ(y, 5);
    EXPECT_EQ(anal_test::read_file("tags.txt"), "---------- a.c ----------\na.c 1 f()\n");
    EXPECT_EQ(anal_test::run_vokanal({"a.c", "-p", "-p", "-w100", "-i"}), 0);
    EXPECT_EQ(opt_p, 0);
    EXPECT_EQ(opt_w, 19);
    EXPECT_STREQ(opt_d_file, "variable.def");
    EXPECT_STREQ(opt_o_file, "voktavir.tag");

    capture_anal::dev_lines.clear();
    remove("voktavir.tag");
    EXPECT_EQ(anal_test::run_vokanal({"a.c", "-q", "-i"}), 0);  // unknown letter: the usage only
    EXPECT_EQ(anal_test::read_file("voktavir.tag"), "<missing>");
    ASSERT_EQ(capture_anal::dev_lines.size(), 12u);
    EXPECT_EQ(capture_anal::dev_lines[1], "    -d: 省略時、variable.def\n");
    capture_anal::dev_lines.clear();
    EXPECT_EQ(anal_test::run_vokanal({"-H"}), 0);
    EXPECT_EQ(capture_anal::dev_lines.size(), 12u);
}

TEST_F(Driver, SourceFileNames)
{
    const struct {
        const char *name;
        int source;
    } cases[] = {{"a.c", 1},   {"a.C", 1},    {"a.cpp", 1}, {"a.CPP", 1},   {"a.pc", 1}, {"A.java", 1},
                 {"A.JAVA", 1}, {"a.h", 1},   {"a.H", 1},   {"a.h.bak", 0}, {"a.hpp", 0}, {"makefile", 0},
                 {"a.cc", 0}};
    for (const auto &c : cases) EXPECT_EQ(is_source_file(c.name), c.source) << c.name;
}

TEST_F(Driver, DefineFileOverTwoFilesAndAnEndInsideAClass)
{
    anal_test::write_file("one.cpp", "#define A 1\n#define B(x) x\nclass C {\n  int f() { return 0; }\n}");
    anal_test::write_file("two.c", "#define Z\nint g(void) { return 1; }\n");
    EXPECT_EQ(anal_test::run_vokanal({"one.cpp", "two.c", "-i"}), -1);
    EXPECT_EQ(anal_test::read_file("voktavir.tag"),
              "---------- one.cpp ----------\none.cpp 3 C:()\none.cpp 4 f'()\n"
              "---------- two.c ----------\ntwo.c 2 g()\n");
    EXPECT_EQ(anal_test::read_file("define.txt"), "F one.cpp 2\nD A 1\nD B 2\nF two.c 1\nD Z 1\nT 2 3\n");
    EXPECT_NE(anal_test::code_output().find("★EOFを検出しましたcode(\"E555\")"), std::string::npos);
}

TEST_F(Driver, ClassesLeftOpenAndBeginEndPairs)
{
    anal_test::write_file("a.cpp", "class A {\n  class B {\n    void f() {}\nBEGIN_MSG_MAP(A)\n");
    EXPECT_EQ(anal_test::run_vokanal({"a.cpp", "-i"}), 0);
    const std::string out = anal_test::code_output();
    EXPECT_NE(out.find("a.cpp(4):BEGIN_XXX...END_XXX文の対応が取れていません、END_XXX文の検出失敗\r\n"), std::string::npos);
    EXPECT_NE(out.find("a.cpp(2):解析データに2件のエラーがあります"), std::string::npos);

    anal_test::fresh();
    anal_test::write_file("b.cpp", "BEGIN_X(a)\nEND_X_STATIC()\nEND_Y()\nint f() { return 0; }\n");
    EXPECT_EQ(anal_test::run_vokanal({"b.cpp", "-i"}), 0);
    EXPECT_EQ(anal_test::code_output(),
              "b.cpp(3):BEGIN_XXX...END_XXX文の対応が取れていません、BEGIN_XXX文の検出失敗又は入れ子\r\n");
}

TEST_F(Driver, ClassesNested21Deep)
{
    std::string text;
    for (int i = 0; i < 21; ++i) text += "class C" + std::to_string(i) + " {\n";
    text += "int f() { return 0; }\n";
    for (int i = 0; i < 21; ++i) text += "};\n";
    anal_test::write_file("deep.cpp", text);
    EXPECT_EQ(anal_test::run_vokanal({"deep.cpp", "-i"}), 0);
    EXPECT_NE(anal_test::code_output().find("deep.cpp(21):クラスのネスト(20)が深過ぎます\r\n"), std::string::npos);
}

TEST_F(Driver, LongNamesAreCut)
{
    const std::string long_name(300, 'n');
    std::string decls;
    for (int i = 0; i < 40; ++i) decls += (i ? ", v" : "v") + std::to_string(i);
    anal_test::write_file("a.c", "enum e { A } " + decls + ";\nint " + long_name + "(void) { return 0; }\n");
    EXPECT_EQ(anal_test::run_vokanal({"a.c", "-i"}), 0);
    const std::string tags = anal_test::read_file("voktavir.tag");
    EXPECT_NE(anal_test::code_output().find("a.c(1):クラス名が大き過ぎます"), std::string::npos);
    EXPECT_NE(tags.find("a.c 2 " + std::string(255, 'n') + "()\n"), std::string::npos);
}

TEST_F(Driver, ReferenceMode)
{
    anal_test::write_file("a.cpp",
                          "#define KEY 1\n"
                          "class A {\n"
                          "  int KEY_not;\n"
                          "  void f() {\n"
                          "    call(KEY);\n"
                          "  }\n"
                          "  void g() { }\n"
                          "};\n"
                          "int KEY() { return 0; }\n");
    snprintf(ref_file, sizeof ref_file, "%s", "old.c");
    ref_line = 7;
    EXPECT_EQ(anal_test::run_vokanal({"a.cpp", "-rKEY"}), 0);
    EXPECT_EQ(ref_line, -1);
    EXPECT_STREQ(ref_file, "");
    EXPECT_EQ(anal_test::read_file("vokcall.tag"),
              "---------- a.cpp ----------\n"
              "a.cpp 2 A:()\n"
              "a.cpp 4 f'(5)\n");  // the head of KEY itself is marked, not listed
    EXPECT_STREQ(line_mark[1], "●");
    EXPECT_STREQ(line_mark[9], "◎");
    EXPECT_EQ(anal_test::read_file("define.txt"), "<missing>");
}

TEST_F(Driver, ReferenceModeWithTheDownArrow)
{
    anal_test::write_file("a.c", "int f() {\n  x = a b;\n}\nint g() { return 0; }\n");
    anal_test::write_file("b.c", "int h() { a b; }\n");
    snprintf(ref_file, sizeof ref_file, "%s", "a.c");
    ref_line = 4;
    EXPECT_EQ(anal_test::run_vokanal({"a.c", "b.c", "-ra@b↓"}), 0);
    EXPECT_EQ(ref_down, 1);
    EXPECT_EQ(anal_test::read_file("vokcall.tag"),
              "---------- a.c ----------\n"
              "a.c 1 f(2)\n"
              "a.c 4 g(4)\n");

    // a key ending in the bytes 81 AB that are not "↓" (the second half of "\x88\x81" + "\xab")
    anal_test::fresh();
    reset_anal_inputs();
    anal_test::write_file("wordattr.dat", "");
    EXPECT_EQ(anal_test::run_vokanal({"a.c", "-rx\x88\x81\xab"}), 0);
    EXPECT_EQ(ref_down, 0);
}

TEST_F(Driver, UnwritableTagFile)
{
    anal_test::write_file("a.c", "int f() { return 0; }\n");
    EXPECT_EQ(anal_test::run_vokanal({"a.c", "-onodir/x.tag", "-i"}), 1);
    ASSERT_EQ(capture::boxes.size(), 1u);
    EXPECT_EQ(capture::boxes[0].text, "file(nodir/x.tag) can't write open\n");
    EXPECT_EQ(capture::boxes[0].caption, "TAVIR警告画面");
    EXPECT_EQ(anal_test::run_vokanal({"a.c", "-i"}), 0);
    EXPECT_EQ(anal_test::read_file("voktavir.tag"), "---------- a.c ----------\na.c 1 f()\n");
}

TEST_F(Driver, MissingWordAttributesAndSourceFiles)
{
    remove("wordattr.dat");
    anal_test::write_file("a.c", "int f() { return 0; }\n");
    EXPECT_EQ(anal_test::run_vokanal({"missing.c", "a.c", "-i"}), 0);
    EXPECT_EQ(capture_anal::wordattr_errors, std::vector<int>{-1});
    EXPECT_EQ(anal_test::read_file("voktavir.tag"),
              "---------- a.c ----------\na.c 1 f()\n");
    ASSERT_FALSE(capture_anal::dev_lines.empty());
    EXPECT_EQ(capture_anal::dev_lines[0], "ファイル(missing.c)が見つかりません\n");
}

TEST_F(Driver, UnbalancedBodyGivesE131313)
{
    anal_test::write_file("a.c", "int f() {\n  if (x) {\n}\n");
    EXPECT_EQ(anal_test::run_vokanal({"a.c", "-i"}), 0);
    EXPECT_NE(anal_test::code_output().find("a.c (1):E131313 EOFを検出しました、括弧の対応が取れていないと思われます\r\n"),
              std::string::npos);
}

}  // namespace

namespace {

TEST_F(Driver, FlowRunBuildsTheHeadRun)
{
    anal_test::write_file("a.c", "int x;\nint f(int a)\n{\n  return a;\n}\nint g() { return 0; }\n");
    flow_start_line = -1;
    g_entry = 2;
    EXPECT_EQ(anal_test::run_vokanal({"a.c", "-l2", "-L-1", "-o"}), 0);
    ASSERT_EQ(cb_num, 6);  // the head run, the body's slot and its return
    EXPECT_EQ(cb_base_num, 6);
    EXPECT_EQ(cbp[0]->sline, 2);
    EXPECT_EQ(cbp[0]->eline, 5);
    EXPECT_EQ(cbp[2]->eline, 5);
    EXPECT_EQ(entry_flag[2], 1);
    EXPECT_EQ(anal_test::read_file("voktavir.tag"), "<missing>");
    EXPECT_EQ(anal_test::read_file("define.txt"), "<missing>");

    anal_test::write_file("b.c", "int x;\n");
    capture_anal::dev_lines.clear();
    EXPECT_EQ(anal_test::run_vokanal({"b.c", "-o"}), 0);
    EXPECT_EQ(cb_num, 0);
    ASSERT_FALSE(capture_anal::dev_lines.empty());
    EXPECT_EQ(capture_anal::dev_lines.back(), "関数データが見つかりません\n");
}

TEST_F(Driver, ListingRangeLabels)
{
    anal_test::write_file("a.cpp", "class A {\n  void f() {\n  }\n  void g() { }\n};\nint h() { return 0; }\n");
    flow_start_line = 1;
    EXPECT_EQ(anal_test::run_vokanal({"a.cpp", "-l1", "-L-1", "-o"}), 0);
    EXPECT_EQ(anal_end_line, 5);
    ASSERT_EQ(range_label_num, 2);
    EXPECT_STREQ(range_label[0].text, "関数");
    EXPECT_EQ(range_label[0].start, 1);
    EXPECT_EQ(range_label[0].end, 4);
}

}  // namespace

namespace {

TEST_F(Driver, EnumHitsInReferenceMode)
{
    anal_test::write_file("a.cpp", "class A {\n  enum E {\n    K1,\n    K2 = K1\n  };\n};\n");
    EXPECT_EQ(anal_test::run_vokanal({"a.cpp", "-rK1"}), 0);
    EXPECT_EQ(anal_test::read_file("vokcall.tag"),
              "---------- a.cpp ----------\n"
              "a.cpp 1 A:()\n"
              "a.cpp 2 E;'(3)\n"
              "a.cpp 2 E;'(4)\n");
}

TEST_F(Driver, RequestedAnonymousClass)
{
    lang_mode = 2;
    anal_test::write_file("A.java", "class A {\n  void f() {\n    r = new Runnable() {\n      public void anal_test::run_vokanal() { }\n    };\n  }\n}\n");
    flow_start_line = 3;
    flow_anon_line = 3;
    EXPECT_EQ(anal_test::run_vokanal({"A.java", "-l3", "-L-1", "-o"}), 0);
    EXPECT_EQ(flow_anon_line, -1);
    EXPECT_EQ(anal_end_line, 5);
    ASSERT_GE(range_label_num, 1);
    EXPECT_STREQ(range_label[0].text, "関数");
}

}  // namespace

namespace {

TEST(Decorations, UndoTheTagNameMarks)
{
    EXPECT_EQ(count_trailing_quotes("f''"), 2);
    EXPECT_EQ(count_trailing_quotes("E;''"), 2);
    EXPECT_EQ(count_trailing_quotes("f"), 0);
    EXPECT_EQ(count_leading_quotes("''g"), 2);
    EXPECT_STREQ(strip_quotes("''name';:"), "name");
    EXPECT_STREQ(strip_quotes("C::"), "C");
    EXPECT_EQ(cmp_unquoted("'''f", "f"), 0);
    EXPECT_NE(cmp_unquoted("f'", "f"), 0);
    EXPECT_STREQ(quote_prefix(3), "'''");
    EXPECT_STREQ(quote_prefix(500), std::string(100, '\'').c_str());
    EXPECT_STREQ(colon_prefix(2), "::");
    EXPECT_STREQ(colon_prefix(-1), "?");
    EXPECT_EQ(anal_enabled(), 1);
}

}  // namespace

namespace {

TEST_F(Driver, ShiftJisSourceWithCrLf)
{
    std::string bytes;
    FILE *fp = fopen(VOK_ANAL_FIXTURES "/sjis_crlf.cpp", "rb");
    ASSERT_NE(fp, nullptr);
    int c;
    while ((c = fgetc(fp)) != EOF) bytes += (char)c;
    fclose(fp);
    anal_test::write_file("sjis_crlf.cpp", bytes);
    EXPECT_EQ(anal_test::run_vokanal({"sjis_crlf.cpp", "-i"}), 0);
    EXPECT_EQ(anal_test::read_file("voktavir.tag"),
              "---------- sjis_crlf.cpp ----------\n"
              "sjis_crlf.cpp 4 画面:()\n"
              "sjis_crlf.cpp 5 表示'()\n"
              "sjis_crlf.cpp 9 main()\n");
    EXPECT_EQ(anal_test::read_file("define.txt"), "F sjis_crlf.cpp 2\nD 最大 2\nD MAX 3\nT 2 2\n");
    EXPECT_EQ(anal_test::code_output(), "");
}

}  // namespace

namespace {

TEST_F(Driver, ListTwoWordWithoutItsGroup)
{
    anal_test::write_file("a.cpp", "DECLARE_MESSAGE_MAP\nint f() { return 0; }\n");
    EXPECT_EQ(anal_test::run_vokanal({"a.cpp", "-i"}), 0);
    EXPECT_NE(anal_test::code_output().find("code(\"E901\")"), std::string::npos);
    EXPECT_EQ(anal_test::read_file("voktavir.tag"), "---------- a.cpp ----------\n");
}

TEST_F(Driver, HeadRunWithRangeStartZero)
{
    anal_test::write_file("a.c", "int f(void)\n{\n  return 0;\n}\n");
    flow_start_line = 0;
    EXPECT_EQ(anal_test::run_vokanal({"a.c", "-l1", "-L-1", "-o"}), 0);
    ASSERT_EQ(cb_num, 6);
    EXPECT_EQ(cbp[2]->parent, -1);
    EXPECT_EQ(cbp[0]->eline, 4);
    EXPECT_EQ(anal_end_line, 4);

    anal_test::write_file("b.cpp", "class A {\n  int f() { return 0; }\n};\n");
    EXPECT_EQ(anal_test::run_vokanal({"b.cpp", "-l1", "-L-1", "-o"}), 0);  // stops at the class start
    EXPECT_EQ(anal_end_line, 1);
    EXPECT_EQ(cb_num, 0);
}

}  // namespace
