// SIGMA sums, TRACE and ITRACE, the diagnostic statements VPRT, TPRT and
// OTHER, and MKMATRIX / MKVECTOR outside the typed blocks.
#include <gtest/gtest.h>

#include <string>

#include "calc/calc_tables.h"
#include "tests/calc/calc_run.h"

using calc_test::body;
using calc_test::expect_outputs;
using calc_test::program_case;
using calc_test::run;

namespace {

// n SIGMA sums nested in one another, each over an index of one element.
std::string nested_sigmas(int n)
{
    static const char letters[] = "abcefghjkmnpq";
    std::string expr = "1";
    for (int k = 0; k < n; ++k) expr = std::string("SIGMA(") + letters[k % 13] + ", " + expr + ")";
    return "s = " + expr + ";\nTRACE(\"%g\", s);\n";
}

}  // namespace

TEST(Sigma, SumsOverItemsAndSummandLists)
{
    const program_case cases[] = {
        {"plain, x%n and mismatched forms",
         "t4; t0 = 1; dt = 1; x1; x0 = 0; dx = 1; y2;\n"
         "s = SIGMA(t, 1); u = SIGMA(t%2, t(t), 100); v = SIGMA(t%3, 1, 2); w = SIGMA(x, y, x(x) * 10 + 1);\n"
         "TRACE(\"%g %g %g %g\", s, u, v, w);\n",
         "5 209 0 36\r\n"},
        {"an x%n whose n is the largest int matches no summand list", "t4;\ns = SIGMA(t%2147483647, 1);\nTRACE(\"%g\", s);\n",
         "0\r\n"},
        {"a SIGMA inside a summand of an x%n SIGMA", "x1; y2;\nn = SIGMA(x%2, SIGMA(y, 1), 100);\nTRACE(\"%g\", n);\n",
         "103\r\n"},
        {"inside LLA the sum counts up", "x1; x0 = 0; dx = 1;\nLLA(x) { TRACE(\"%g %g\", SIGMA(x, x(x)), x(x)); };\n",
         "1 1\r\n1 0\r\n"},
        {"after a sum, plain or nested, the loop's offsets still follow its direction",
         "x4; x0 = 0; dx = 1;\nALL(<x]) { s = SIGMA(x, 1); w(x) = x(x - dx); };\n"
         "LLA([x>) { s = SIGMA(x, 1); y(x) = x(x - dx); s = SIGMA(x, SIGMA(x, 1)); z(x) = x(x - dx); };\n"
         "PRT([w], [y], [z]);\n",
         "  no\t         w\t         y\t         z\r\n   0\t  0.000000\t  1.000000\t  1.000000\r\n"
         "   1\t  0.000000\t  2.000000\t  2.000000\r\n   2\t  1.000000\t  3.000000\t  3.000000\r\n"
         "   3\t  2.000000\t  4.000000\t  4.000000\r\n   4\t  3.000000\t  0.000000\t  0.000000\r\n"},
        {"a sum inside a summand leaves the outer sum counting up",
         "x1; dx = 1;\nLLA(x) { TRACE(\"%g %g\", SIGMA(x, SIGMA(x, 1) * dx), dx); };\n", "4 -1\r\n4 -1\r\n"},
        {"typed sums", "x2; y0;\nMATRIX(A(x, y)) { A = COMB3(1, 2, 3); };\n"
                       "MATRIX() { B(x, y) = SIGMA(x, A); C(x, y) = SIGMA(x%2, A, A * 10); };\nMPRT(B(x, y)); MPRT(C(x, y));\n",
         "F520 変数(y)のサイズが指定されていません、取りあえず1個にします\r\n"
         "   B\t        y0\r\n  x0\t  3.000000\r\n  x1\t  6.000000\r\n  x2\t  9.000000\r\n"
         "   C\t        y0\r\n  x0\t 12.000000\r\n  x1\t 24.000000\r\n  x2\t 36.000000\r\n"},
    };
    expect_outputs(cases);
}

// A matrix declared over an index size beyond the largest int: its element
// count stops at that limit instead of overflowing, and the run ends with
// the size messages.
TEST(Matrix, ElementCountBeyondTheLargestInt)
{
    const auto r = run("j2; k1;\nMATRIX(B(j99999999999, k)) { };\n");
    EXPECT_NE(std::string::npos, r.out.find("F6561 行番号(2) カラム位置(10)で、?指定変数(j)でないのに異なるサイズ(2147483646)を指定しています")) << r.out;
    EXPECT_NE(std::string::npos, r.out.find("F999 処理を中断します")) << r.out;
}

TEST(Sigma, SixtyFourLevelsAndNoMore)
{
    auto r = run(nested_sigmas(64));
    EXPECT_EQ(std::string::npos, r.out.find("F112"));
    EXPECT_NE(std::string::npos, r.out.find("\r\n1\r\n"));
    r = run(nested_sigmas(65));
    const size_t at = r.out.find("F112 行番号(1) カラム位置(");
    ASSERT_NE(std::string::npos, at);
    EXPECT_NE(std::string::npos, r.out.find("の演算(SIGMA)が間違っています\r\n", at));
    EXPECT_EQ(std::string::npos, r.out.find("F112", at + 4));
    EXPECT_NE(std::string::npos, r.out.find("\r\n0\r\n"));
    EXPECT_EQ(0, calc_sigma_level);
}

TEST(Trace, FormatsAsPrintfReadsThem)
{
    const program_case cases[] = {
        {"two conversions", "a = 2; b = 0.5;\nTRACE(\"ab%10.3e|%-8g|\", a * 6172.839, b * 5);\n", "ab 1.235e+04|2.5     |\r\n"},
        {"a text alone and %%", "TRACE(\"100%% done\");\n", "100% done\r\n"},
        {"Shift-JIS text", "a = 2;\nTRACE(\"値=%g円\", a);\n", "値=2円\r\n"},
        {"backslash before a conversion", "a = 2;\nTRACE(\"\\%g\", a);\n", "\\2\r\n"},
        {"refused conversions",
         "x1; a = 1;\nALL(x) { TRACE(\"%d\", a); TRACE(\"%s\", a); TRACE(\"%lf\", a); TRACE(\"%*f\", a, a); "
         "TRACE(\"%n\", a); TRACE(\"%f\", a, a); };\n",
         "F223 行番号(2) カラム位置(10)のTRACE文に誤りがあります\r\n"
         "F223 行番号(2) カラム位置(26)のTRACE文に誤りがあります\r\n"
         "F223 行番号(2) カラム位置(42)のTRACE文に誤りがあります\r\n"
         "F223 行番号(2) カラム位置(59)のTRACE文に誤りがあります\r\n"
         "F223 行番号(2) カラム位置(79)のTRACE文に誤りがあります\r\n"
         "F223 行番号(2) カラム位置(95)のTRACE文に誤りがあります\r\n"},
        {"eleven values and no string", "x1; a = 1;\nALL(x) { TRACE(\"%f %f %f %f %f %f %f %f %f %f %f\", a, a, a, a, "
                                        "a, a, a, a, a, a, a); TRACE(a); };\n",
         "F221 行番号(2) カラム位置(10)のTRACE文の引数に誤りがあります、最大10個です\r\n"
         "F222 行番号(2) カラム位置(86)のTRACE文に誤りがあります\r\n"},
        {"ITRACE texts and messages every time",
         "a@; x1;\nALL(x) { ITRACE(\"%s and %5s\", 2, 1 - a); ITRACE(\"%f\", 2); ITRACE(\"%s\"); };\n",
         "2 and   1-i\r\n"
         "G223 行番号(2) カラム位置(42)のITRACE文に誤りがあります\r\n"
         "G223 行番号(2) カラム位置(59)のITRACE文に誤りがあります\r\n"
         "2 and   1-i\r\n"
         "G223 行番号(2) カラム位置(42)のITRACE文に誤りがあります\r\n"
         "G223 行番号(2) カラム位置(59)のITRACE文に誤りがあります\r\n"},
    };
    expect_outputs(cases);
}

TEST(Trace, VeryWideValuesPrintWhole)
{
    const auto r = run("a = 10 ^ 300;\nTRACE(\"%.0f %.0f %.0f %.0f %.0f %.0f %.0f %.0f %.0f %.0f\", a, a, a, a, a, a, a, a, a, a);\n"
                       "ITRACE(\"%s\", a);\n");
    const std::string out = body(r.out);
    const size_t end = out.find("\r\n");
    ASSERT_NE(std::string::npos, end);
    EXPECT_EQ(10u * 301 + 9, end);
    EXPECT_EQ(0u, out.find("1000000000000000"));
    EXPECT_EQ(std::string(out, 0, 301) + "\r\n", out.substr(end + 2));  // the complex text drops ".000000"
}

TEST(Diagnostics, TablesTreesAndUnusedLetters)
{
    auto r = run("x = 1; y = 2;\nOTHER();\nTPRT();\nVPRT();\n");
    std::string out = body(r.out);
    EXPECT_EQ(0u, out.find("F000 未使用変数は(ABCDEFGHIJKLMNOPQRSTUVWXYZabcefghijklmnopqrstuvwz)です\r\n"
                           "F555 kn(0) hn(0) 単独使用禁止半角文字()\r\n⇒v=n;v=n;f();f();f(); 字句解析結果\r\n"));
    EXPECT_EQ(std::string::npos, out.find("F666"));
    EXPECT_EQ(std::string::npos, out.find(" l(0)"));

    r = run("#a=Temp\nTemp = 1;\nVPRT();\n");
    EXPECT_EQ(0u, body(r.out).find("F555 kn(1) hn(1) 単独使用禁止半角文字(a)\r\nF666  0 a = Temp\r\n"));

    std::string sum = "a = 1";
    for (int k = 0; k < 25; ++k) sum += " + 1";
    r = run(sum + ";\nYAMABATO(); TPRT();\n");
    out = body(r.out);
    EXPECT_NE(std::string::npos, out.find("⇒" + std::string(19, '>') + "  l(19) "));
    EXPECT_NE(std::string::npos, out.find("⇒" + std::string(20, '>') + " l(27) i( 0) o(  9) n( 0)->n n 1.000000 eq(0)\r\n"));
    EXPECT_EQ(std::string::npos, out.find(">>>>>>>>>>>>>>>>>>>>>"));
    EXPECT_EQ(0u, out.find("⇒                     l(0) i("));
}

TEST(MkMatrix, FillOrderAndFailures)
{
    const program_case cases[] = {
        {"fill order and the way back",
         "z2; w1; z0 = 1; dz = 1;\nALL(z) { e(z) = z(z); f(z) = z(z) * 10; };\nMKMATRIX(M(z, w), e(z), f(z));\nMPRT(M(z, w));\n"
         "MKVECTOR(M(z, w), f(z), e(z));\nALL(z) { TRACE(\"%g %g\", e(z), f(z)); };\n",
         "   M\t        w0\t        w1\r\n  z0\t  1.000000\t 10.000000\r\n  z1\t  2.000000\t 20.000000\r\n"
         "  z2\t  3.000000\t 30.000000\r\n10 1\r\n20 2\r\n30 3\r\n"},
        {"not call forms", "a = 1; b = 2;\nMKMATRIX(a, b);\n",
         "F222 行番号(2) カラム位置(1)で、形式が誤っています rtc(-1)\r\n"},
        {"more vectors than columns", "z2; w1;\nMKMATRIX(M(z, w), e(z), f(z), e(z));\nMKVECTOR(M(z, w), e(z));\n",
         "F222 行番号(2) カラム位置(1)で、形式が誤っています rtc(-9)\r\nF222 行番号(3) カラム位置(1)で、形式が誤っています rtc(-9)\r\n"},
        {"a complex matrix", "z2; w1;\nIREAD(N(z, w), \"\", \"#N\");\nMKMATRIX(N(z, w), e(z), f(z));\n#DATA\n#N\n1, 2i\n3, 4\n5, 6\n#END\n",
         "F222 行番号(3) カラム位置(1)で、形式が誤っています rtc(-3)\r\n"},
    };
    expect_outputs(cases);
}
