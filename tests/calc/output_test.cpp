// PRT, OUT and MPRT tables, TITLE under both rules, "excel.csv" and its
// notices, and the number texts.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#ifdef _WIN32
#include <direct.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "calc/calc_tables.h"
#include "tests/calc/calc_run.h"

namespace {

using calc_test::body;
using calc_test::run;

struct table_case {
    const char *name;
    const char *program;
    int console;
    const char *out;
};

int make_dir(const char *name)
{
#ifdef _WIN32
    return _mkdir(name);
#else
    return mkdir(name, 0755);
#endif
}

int remove_dir(const char *name)
{
#ifdef _WIN32
    return _rmdir(name);
#else
    return rmdir(name);
#endif
}

std::string printed_as_csv(const std::string &out)
{
    std::string csv;
    for (size_t i = 0; i < out.size(); ++i) {
        if (out[i] == '\r') continue;
        csv += out[i] == '\t' ? ',' : out[i];
    }
    return csv;
}

TEST(Output, TablesHeadingsAndTitles)
{
    const table_case cases[] = {
        {"PRT of a plain variable", "y = 2;\nPRT(y);\n", 0, "  no\t         y\r\n   0\t  2.000000\r\n"},
        {"a list and a scalar", "x2; x0 = 1; dx = 1; y = 5;\nPRT([x], y);\n", 0,
         "  no\t         x\t         y\r\n   0\t  1.000000\t  5.000000\r\n   1\t  2.000000\t          \r\n"
         "   2\t  3.000000\t          \r\n"},
        {"steps", "x4; x0 = 0; dx = 1;\nPRT(x%2);\n", 0,
         "  no\t         x\r\n   0\t  0.000000\r\n   2\t  2.000000\r\n   4\t  4.000000\r\n"},
        {"step below one", "x4;\nPRT(x%0);\n", 0, "F113 行番号(2) カラム位置(6)の変数(x)の参照に誤りがあります\r\n"},
        {"forms in the list", "x3; x0 = 1; dx = 1;\nPRT(<x], 'x', x3, x0);\n", 0,
         "  no\t         x\t         x\t        x3\t        x0\r\n   0\t          \t          \t  4.000000\t  1.000000\r\n"
         "   1\t  2.000000\t  2.000000\t          \t          \r\n   2\t  3.000000\t  3.000000\t          \t          \r\n"
         "   3\t  4.000000\t          \t          \t          \r\n"},
        {"F234", "a = 1; b = 2;\nPRT(a*b);\nPRT(a b);\n", 0,
         "F234 行番号(2) カラム位置(1)のPRT文の指定に誤りがあります\r\nF234 行番号(3) カラム位置(1)のPRT文の指定に誤りがあります\r\n"},
        {"OUT prints nothing", "y = 2;\nOUT(y);\n", 0, ""},
        {"MPRT turns the table", "i1; j2; n = 0;\nALL(i, j) { A(i, j) = n; n = n + 1; };\nMPRT(A(i, j));\n", 0,
         "   A\t        j0\t        j1\t        j2\r\n  i0\t  0.000000\t  2.000000\t  4.000000\r\n"
         "  i1\t  1.000000\t  3.000000\t  5.000000\r\n"},
        {"a value node beside the index", "x2; x0 = 1; dx = 1;\nPRT(y(x), x(x));\n", 0,
         "   y\t        x0\t        x1\t        x2\r\n    \t  1.000000\t  2.000000\t  3.000000\r\n"},
        {"F444", "i2;\nMATRIX(A(i)) { };\nPRT(A(i));\n", 0,
         "F444 行番号(3) カラム位置(1)のMPRT PRT OUT 外部関数は行列要素の為、無効です\r\n"},
        {"wide cells are whole", "a = 2; FORMAT(\"%.12f\");\nPRT(a);\n", 0,
         "  no\t         a\r\n   0\t2.000000000000\r\n"},
        {"TITLE with the name: empty heading, value cells", "x2; x0 = 1; dx = 0.5;\nTITLE(x, \"x=%.1f\", \"val\");\nPRT([x]);\n", 0,
         "  no\t          \r\n   0\t     x=1.0\r\n   1\t     x=1.5\r\n   2\t     x=2.0\r\n"},
        {"TITLE as row labels", "x1; x0 = 1; dx = 0.5; i1;\nTITLE(x, \"%s=%.1f\", \"VAL\");\nALL(x, i) { A(i, x) = 1; };\nPRT(A(i, x));\n", 0,
         "   A\t        i0\t        i1\r\nx=1.0\t  1.000000\t  1.000000\r\nx=1.5\t  1.000000\t  1.000000\r\n"},
        {"TITLE seq", "x1;\nTITLE(x, \"n%d\", \"seq\");\nPRT([x]);\n", 0,
         "  no\t         x\r\n   0\t        n0\r\n   1\t        n1\r\n"},
        {"TITLE refused formats", "x1;\nTITLE(x, \"%d\", \"val\");\nTITLE(x, \"%s%s\");\nTITLE(x, \"%*d\");\nPRT([x]);\n", 0,
         "F112 行番号(2) カラム位置(1)の演算(TITLE)が間違っています\r\n"
         "F112 行番号(3) カラム位置(1)の演算(TITLE)が間違っています\r\n"
         "F112 行番号(4) カラム位置(1)の演算(TITLE)が間違っています\r\n"
         "  no\t         x\r\n   0\t  0.000000\r\n   1\t  0.000000\r\n"},
        {"TITLE with a \"%\" right after a lead byte: two conversions as printf reads them",
         "x1; i1;\nTITLE(x, \"%s\x90%d\");\nALL(x, i) { A(i, x) = 1; };\nPRT(A(i, x));\n", 0,
         "   A\t        i0\t        i1\r\n x\x90" "0\t  1.000000\t  1.000000\r\n x\x90" "1\t  1.000000\t  1.000000\r\n"},
        {"console: two arguments change nothing", "x1;\nTITLE(x, \"x=%d\");\nPRT([x]);\n", 1,
         "  no\t         x\r\n   0\t  0.000000\r\n   1\t  0.000000\r\n"},
        {"GUI: two arguments set the flag", "x1;\nTITLE(x, \"x=%d\");\nPRT([x]);\n", 0,
         "  no\t          \r\n   0\t  0.000000\r\n   1\t  0.000000\r\n"},
        {"console: the mode decides the heading", "x1; y1;\nTITLE(x, \"%d\", \"seq\"); TITLE(y, \"x=%d\", \"set\");\nPRT([x], [y]);\n", 1,
         "  no\t          \t         y\r\n   0\t         0\t  0.000000\r\n   1\t         1\t  0.000000\r\n"},
    };
    for (const auto &c : cases) {
        const auto r = run(c.program, c.console);
        EXPECT_EQ(0, r.rc) << c.name;
        EXPECT_EQ(c.out, body(r.out)) << c.name;
    }
}

TEST(Output, ExcelCsvHoldsThePrintedCells)
{
    auto r = run("x2; x0 = 1; dx = 1;\nPRT([x]);\nOUT(y(x));\nPRT(y(x));\n");
    std::string printed = body(r.out);
    const std::string out_table = "   y,        x0,        x1,        x2\n    ,  0.000000,  0.000000,  0.000000\n";
    const std::string prt = printed_as_csv(printed);
    const size_t cut = prt.find("   y,");
    EXPECT_EQ(prt.substr(0, cut) + out_table + prt.substr(cut), calc_test::read_text("excel.csv"));
    r = run("a = 1;\n");
    EXPECT_FALSE(calc_test::file_exists("excel.csv"));
    r = run("a = 1; FORMAT(\"%.1f,\");\nPRT(a);\n");
    EXPECT_EQ("  no,         a\n   0,      1.0,\n", calc_test::read_text("excel.csv"));
}

TEST(Output, ALongRowIsWrittenWholeWhileMessagesArePrinted)
{
    const auto r = run("x999; x0 = 0; dx = 1;\nPRT(y(x), y(x + 5 dx));\n");
    const std::string out = body(r.out);
    size_t count = 0;
    for (size_t at = out.find("F870"); at != std::string::npos; at = out.find("F870", at + 1)) ++count;
    EXPECT_EQ(5u, count);
    const size_t data = out.find("\r\n    \t");
    ASSERT_NE(std::string::npos, data);
    const std::string line = out.substr(data + 2, out.find("\r\n", data + 2) - data - 2);
    EXPECT_EQ(4u + 1000u * 11u, line.size());
}

TEST(Output, ExcelCsvThatCannotBeDeletedOrRewritten)
{
    remove("excel.csv");
    make_dir("excel.csv");
    calc_test::write_file("excel.csv/keep.txt", "old\n");
    auto r = run("a = 1;\nPRT(a);\n");
    EXPECT_EQ(0, r.rc);
    EXPECT_EQ("★ファイル(excel.csv)を削除又は書き込み出来ません、この実行の表はexcel.csvに書き込みません\r\n"
              "  no\t         a\r\n   0\t  1.000000\r\n",
              body(r.out));
    EXPECT_EQ("old\n", calc_test::read_text("excel.csv/keep.txt"));
    remove("excel.csv/keep.txt");
    remove_dir("excel.csv");
    make_dir("excel.csvW");
    calc_test::write_file("excel.csvW/keep.txt", "w\n");
    r = run("a = 1;\nPRT(a);\n");
    EXPECT_NE(std::string::npos, r.out.find("★ファイル(excel.csvW)を作成出来ません、excel.csvはTAB区切りのままです\r\n"));
    EXPECT_EQ("  no\t         a\n   0\t  1.000000\n", calc_test::read_text("excel.csv"));
    remove("excel.csvW/keep.txt");
    remove_dir("excel.csvW");
}

TEST(NumberTexts, RealComplexAndHypercomplex)
{
    struct num_case {
        double x;
        const char *text;
    };
    const num_case nums[] = {{0.1, "0.1"}, {100, "100"}, {1e-7, "0"}, {2.5, "2.5"}, {-0.000001, "-0.000001"}, {0, "0"}};
    for (const auto &c : nums) EXPECT_STREQ(c.text, calc_num_text(c.x)) << c.x;
    const char *a = calc_num_text(1.5);
    const char *b = calc_num_text(2.5);
    const char *c = calc_num_text(3.5);
    EXPECT_STREQ("1.5", a);
    EXPECT_STREQ("2.5", b);
    EXPECT_STREQ("3.5", c);
    struct complex_case {
        double re, im;
        const char *text;
    };
    const complex_case cs[] = {{0, 0, "0"},      {0, 1, "i"},     {0, -1, "-i"},        {0, 2.5, "2.5i"},
                               {3, 0, "3"},      {3, 1, "3+i"},   {3, -1, "3-i"},       {-1.5, -2, "-1.5-2i"},
                               {1, 2, "1+2i"}};
    for (const auto &k : cs) {
        char buf[512];
        complex_text(buf, k.re, k.im);
        EXPECT_STREQ(k.text, buf);
    }
    const double q1[4] = {1, 0, -2, 0.5};
    const double q2[4] = {0, 0, 1, 0};
    const double q3[8] = {0, 0, 0, 0, 0, 0, 0, -1};
    const double q4[4] = {0, 0, 0, 0};
    char buf[512];
    hyper_text(buf, sizeof buf, q1, 4);
    EXPECT_STREQ("1-2j+0.5k", buf);
    hyper_text(buf, sizeof buf, q2, 4);
    EXPECT_STREQ("j", buf);
    hyper_text(buf, sizeof buf, q3, 8);
    EXPECT_STREQ("-o", buf);
    hyper_text(buf, sizeof buf, q4, 4);
    EXPECT_STREQ("0", buf);
    fmt_name_double(buf, sizeof buf, "%s=%.2f%%", "x", 1.5);
    EXPECT_STREQ("x=1.50%", buf);
    fmt_name_double(buf, sizeof buf, "%-3s=%6.2f", "x", -HUGE_VAL);
    EXPECT_STREQ("x  =  -inf", buf);
    fmt_double(buf, sizeof buf, "%8.2f", std::nan(""));
    EXPECT_STREQ("     nan", buf);
    fmt_double(buf, sizeof buf, "%%%-6e|", -HUGE_VAL);
    EXPECT_STREQ("%-inf  |", buf);
    fmt_double(buf, sizeof buf, "%+e", HUGE_VAL);
    EXPECT_STREQ("+inf", buf);
    char kinds[4];
    EXPECT_EQ(2, fmt_conv_count("%s=%d%%"));
    EXPECT_EQ(-1, fmt_conv_count("\x81"));
    EXPECT_EQ(-1, fmt_scan("%5.2lf", kinds, 3));
    EXPECT_EQ(2, fmt_scan("%-4s=%+08.3e", kinds, 3));
    EXPECT_EQ('s', kinds[0]);
    EXPECT_EQ('d', kinds[1]);
}

}  // namespace
