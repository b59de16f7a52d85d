// The statement executor: conditions, operators, built-ins, settings,
// messages, internal functions, references and the codes of the typed stage.
#include <gtest/gtest.h>

#include <string>

#include "calc/calc_tables.h"
#include "tests/calc/calc_run.h"

namespace {

using calc_test::body;
using calc_test::expect_outputs;
using calc_test::program_case;
using calc_test::run;

TEST(Executor, ConditionsOperatorsAndBuiltins)
{
    const program_case cases[] = {
        {"one branch of a chain, later conditions not evaluated",
         "_N() { MSG(\"called\"); RETURN(1); };\na = 1;\n"
         "IF(0) { a = 10; } ELSEIF(1) { a = 20; } ELSEIF(_N()) { a = 30; } ELSE() { a = 40; };\nPRT(a);\n",
         "  no\t         a\r\n   0\t 20.000000\r\n"},
        {"IF without tolerance, == with it",
         "a = 0; IF(0.0000001) { a = 1; }; b = 0.0000001 == 0;\nPRT(a, b);\n",
         "  no\t         a\t         b\r\n   0\t  1.000000\t  1.000000\r\n"},
        {"comparisons within the tolerance", "a = 1 < 1.0000005; b = 1 <= 0.9999995; c = 2 <> 2.0000001;\nPRT(a, b, c);\n",
         "  no\t         a\t         b\t         c\r\n   0\t  0.000000\t  1.000000\t  0.000000\r\n"},
        {"&& evaluates both", "_N() { MSG(\"second\"); RETURN(1); };\na = 0 && _N();\nPRT(a);\n",
         "second\r\n  no\t         a\r\n   0\t  0.000000\r\n"},
        {"remainders", "a = -7 % 3; b = 7.9 % 2.5; c = 30000000000 % 7;\nPRT(a, b, c);\n",
         "  no\t         a\t         b\t         c\r\n   0\t -1.000000\t  1.000000\t  5.000000\r\n"},
        {"left grouping and products", "a = 2^3^2; b = 10 - 2 - 3; c = 2k; k = 3; e = 2k;\nPRT(a, b, e);\n",
         "  no\t         a\t         b\t         e\r\n   0\t 64.000000\t  5.000000\t  6.000000\r\n"},
        {"factorials", "a = 5.7!; b = (-1)!; c = 0!;\nPRT(a, b, c);\n",
         "  no\t         a\t         b\t         c\r\n   0\t120.000000\t  0.000000\t  1.000000\r\n"},
        {"built-ins", "a = POW(2, 10); b = ATAN2(1, 1); c = PLUS(-2); e = SQRT(16) + ABS(-1) + PI();\nPRT(a, b, c);\n",
         "  no\t         a\t         b\t         c\r\n   0\t1024.000000\t  0.785398\t  0.000000\r\n"},
        {"INTEGER limits and DBL", "a = INTEGER(-2.7); b = INTEGER(30000000000); c = INTEGER(-30000000000); e = DBL(\"2.5\") + DBL(-3);\nPRT(a, b, c, e);\n",
         "  no\t         a\t         b\t         c\t         e\r\n"
         "   0\t -2.000000\t2147483647.000000\t-2147483648.000000\t -0.500000\r\n"},
        {"factorial above 170", "FORMAT(1); a = 170!; b = 171!;\nPRT(a, b);\n",
         "  no\t         a\t         b\r\n   0\t7.257416e+306\t       inf\r\n"},
        {"division by zero", "a = 1 / 0; b = -1 / 0;\nPRT(a, b);\n",
         "  no\t         a\t         b\r\n   0\t       inf\t      -inf\r\n"},
        {"chain assignment", "a = b = c = 5;\nPRT(a, b, c);\n",
         "  no\t         a\t         b\t         c\r\n   0\t  5.000000\t  5.000000\t  5.000000\r\n"},
        {"+= gives 1", "a = 2; b = (a += 3);\nPRT(a, b);\n",
         "  no\t         a\t         b\r\n   0\t  5.000000\t  1.000000\r\n"},
        {"registers", "$3 = 1.5; $0 = 2;\nPRT($3, [$]);\n",
         "  no\t        $3\t         $\r\n   0\t  1.500000\t  2.000000\r\n   1\t          \t  0.000000\r\n"
         "   2\t          \t  0.000000\r\n   3\t          \t  1.500000\r\n"},
    };
    expect_outputs(cases);
}

TEST(Executor, RemainderByZeroReportsOncePerNode)
{
    const auto r = run("i2; s = 0; ALL(i) { s = s + 5 % 0; };\nPRT(s);\n");
    EXPECT_EQ("F112 行番号(1) カラム位置(31)の演算(%)が間違っています\r\n  no\t         s\r\n   0\t  0.000000\r\n",
              body(r.out));
}

TEST(Executor, SettingsAndMessages)
{
    const program_case cases[] = {
        {"FORMAT(1, 25)", "a = 20; FORMAT(1, 25);\nPRT(a);\n", "  no\t         a\r\n   0\t2.000000e+01\r\n"},
        {"FORMAT with a width keeps it for a string", "a = 2; FORMAT(0, 6); FORMAT(\"%.1f\");\nPRT(a);\n",
         "  no\t     a\r\n   0\t   2.0\r\n"},
        {"FORMAT of an expression changes nothing", "a = 2; FORMAT(a + 1);\nPRT(a);\n",
         "  no\t         a\r\n   0\t  2.000000\r\n"},
        {"EP(\"default\") restores the run's tolerance", "EP(0.5); a = 1 == 1.4; EP(\"default\"); b = 1 == 1.4;\nPRT(a, b);\n",
         "  no\t         a\t         b\r\n   0\t  1.000000\t  0.000000\r\n"},
        {"EP with a string number", "EP(\"0.5\"); a = 1 == 1.4;\nPRT(a);\n", "  no\t         a\r\n   0\t  1.000000\r\n"},
        {"MSG and %%", "MSG(\"100%% 完了\"); MSG(\"%d %s\");\n", "100% 完了\r\n%d %s\r\n"},
        {"END goes on", "END(); MSG(\"after\");\n", "⇒実行を終了しました\r\nafter\r\n"},
        {"DMODE(0) stops the fill", "x3; x0 = 1; DMODE(0); dx = 1;\nPRT([x]);\n",
         "  no\t         x\r\n   0\t  1.000000\r\n   1\t  0.000000\r\n   2\t  0.000000\r\n   3\t  0.000000\r\n"},
        {"difference fills the progression", "x3; x0 = 1; dx = 0.5;\nPRT([x], dx);\n",
         "  no\t         x\t        dx\r\n   0\t  1.000000\t  0.500000\r\n   1\t  1.500000\t          \r\n"
         "   2\t  2.000000\t          \r\n   3\t  2.500000\t          \r\n"},
    };
    expect_outputs(cases);
}

TEST(Executor, FormatTextsAcceptedAndRefused)
{
    struct format_case {
        const char *format;
        bool accepted;
        const char *cell;
    };
    const format_case cases[] = {
        {"%.2f", true, "      2.50"},     {"%e", true, "2.500000e+00"}, {"%10.3E", true, " 2.500E+00"},
        {"x=%%%.1f", true, "    x=%2.5"}, {"値%.1g", true, "       値2"},  {"abc", true, "       abc"},
        {"%d", false, nullptr},            {"%s", false, nullptr},        {"%*f", false, nullptr},
        {"%f %f", false, nullptr},         {"%n", false, nullptr},        {"%lf", false, nullptr},
        {"%", false, nullptr},
    };
    for (const auto &c : cases) {
        const std::string program = std::string("a = 2.5; FORMAT(\"") + c.format + "\");\nPRT(a);\n";
        const auto r = run(program);
        std::string expect;
        if (c.accepted) {
            expect = std::string("  no\t         a\r\n   0\t") + c.cell + "\r\n";
        } else {
            expect = "F112 行番号(1) カラム位置(10)の演算(FORMAT)が間違っています\r\n  no\t         a\r\n   0\t  2.500000\r\n";
        }
        EXPECT_EQ(expect, body(r.out)) << c.format;
    }
}

TEST(Executor, RandomNumbersStayInRangeAndRepeat)
{
    const char *program = "i99; n = 0; ALL(i) { r = RAND(); IF(r < 0 || r > 1) { n = n + 1; }; };\nPRT(n, r);\n";
    const auto a = run(program);
    EXPECT_NE(std::string::npos, body(a.out).find("   0\t  0.000000\t"));
    const auto b = run(program);
    EXPECT_EQ(a.out.substr(0, a.out.find("計算時間")), b.out.substr(0, b.out.find("計算時間")));
}

TEST(Executor, TypedStatementsAndDiagnosticsRunInALoop)
{
    const auto r = run("i2; ALL(i) {\nMATRIX() { };\nTRACE(\"x\");\nOTHER();\ns = SIGMA(i, 1);\n};\nPRT(s);\n");
    EXPECT_EQ(0, r.rc);
    const std::string other = "F000 未使用変数は(ABCDEFGHIJKLMNOPQRSTUVWXYZabcefghjklmnopqrtuvwxyz)です\r\n";
    EXPECT_EQ("x\r\n" + other + "x\r\n" + other + "x\r\n" + other + "  no\t         s\r\n   0\t  3.000000\r\n",
              body(r.out));
    EXPECT_NE(std::string::npos, r.out.find("計算時間 0時 00分 00秒\r\n"));
}

TEST(Executor, NoCodeOfTheLanguageIsLeftUnimplemented)
{
    const char *const statements[] = {
        "VPRT()",          "TRACE(\"x\")",        "ITRACE(\"x\")",    "OTHER()",          "s = SIGMA(i, 1)",
        "MKMATRIX(a, b)",  "MKVECTOR(a, b)",     "s = a :: b",       "s = a .. b",       "s = a *** b",
        "s = a **** b",    "s = TR(a)",          "s = DET(a)",       "s = ARGUMENT(a)",  "s = REAL(a)",
        "s = IMAGINARY(a)", "s = IABS(a)",       "s = NORM(a)",      "s = ONORM(a)",     "s = ELEMENT(a, 1)",
        "s = OELEMENT(a, 1)", "MATRIX() { }",    "IMATRIX() { }",    "QUATERNION() { }", "CAYLEY() { }",
        "a =: b",          "a +: b",             "YAMABATO(); TPRT()",
    };
    for (const char *s : statements) {
        const auto r = run(std::string("i2;\nALL(i) { ") + s + "; };\n");
        EXPECT_EQ(0, r.rc) << s;
        EXPECT_EQ(std::string::npos, r.out.find("F112")) << s << body(r.out);
        EXPECT_NE(std::string::npos, r.out.find("計算時間 ")) << s;
    }
}

TEST(Executor, DumpsWhileTheDeveloperModeIsOn)
{
    auto r = run("DWORK(); TPRT();\n");
    EXPECT_EQ("", body(r.out));
    calc_nodump = 0;
    r = run("DWORK();\n", 0, false);
    EXPECT_EQ("F101 使用残ワークエリア数(0)\r\n", body(r.out));
    calc_nodump = 1;
}

TEST(Functions, ReturnArgumentsAndStack)
{
    const program_case cases[] = {
        {"RETURN does not leave", "_F(x) { RETURN(x); RETURN(x + 1); MSG(\"after\"); };\ny = _F(1); RETURN(5);\nPRT(y);\n",
         "after\r\n  no\t         y\r\n   0\t  2.000000\r\n"},
        {"arguments in the caller's frame",
         "_G(a) { RETURN(a * 2); };\n_F(a) { RETURN(_G(a + 1)); };\n_H(a, b) { RETURN(a - b); };\ny = _F(3); z = _H(_G(1), _G(2));\nPRT(y, z);\n",
         "  no\t         y\t         z\r\n   0\t  8.000000\t -2.000000\r\n"},
        {"locals", "_S2(n) { d0 = n * n; d1 = d0 + 1; RETURN(d1); };\ny = _S2(3);\nPRT(y);\n",
         "  no\t         y\r\n   0\t 10.000000\r\n"},
        {"stack overflow with one argument", "_R(n) { RETURN(_R(n)); };\ny = _R(1);\n",
         "F529 スタックがオーバーしました argcn(49) argvn(98)\r\n"},
        {"stack overflow without arguments", "_Z() { RETURN(_Z()); };\ny = _Z();\n",
         "F529 スタックがオーバーしました argcn(99) argvn(99)\r\n"},
    };
    expect_outputs(cases);
}

TEST(References, OffsetsLookupsAndRanges)
{
    const program_case cases[] = {
        {"F860 and F870 every time", "i2; k1;\nALL(k) { A(i:3) = 5; y = A(i:3); };\n",
         "F860 行番号(2)カラム位置(10)変数(A)のoffsetが範囲外です、取りあえず0にします\r\n"
         "F870 行番号(2)カラム位置(26)変数(A)のoffsetが範囲外です、取りあえず0にします\r\n"
         "F860 行番号(2)カラム位置(10)変数(A)のoffsetが範囲外です、取りあえず0にします\r\n"
         "F870 行番号(2)カラム位置(26)変数(A)のoffsetが範囲外です、取りあえず0にします\r\n"},
        {"named values", "x2; x0 = 1; dx = 1;\nALL(x) { A(x) = 10 x(x); };\ny = A(x = 2.5); z = A(x = 3.5);\nPRT(y, z);\n",
         "F221 行番号(3) カラム位置(25)の配列(A)の変数(x)の値(3.500000)がテーブル中にありません\r\n"
         "  no\t         y\t         z\r\n   0\t 30.000000\t  0.000000\r\n"},
        {"DELTA", "i2; j2; n = 0; ALL(i, j) { n = n + DELTA(i, j); };\nPRT(n);\n", "  no\t         n\r\n   0\t  3.000000\r\n"},
        {"offsets under ALL", "x4; x0 = 0; dx = 1;\nALL(<x]) { y(x) = x(x - dx); };\nPRT([y]);\n",
         "  no\t         y\r\n   0\t  0.000000\r\n   1\t  0.000000\r\n   2\t  1.000000\r\n   3\t  2.000000\r\n   4\t  3.000000\r\n"},
        {"offsets under LLA", "x4; x0 = 0; dx = 1;\nLLA([x>) { y(x) = x(x - dx); };\nPRT([y]);\n",
         "  no\t         y\r\n   0\t  1.000000\r\n   1\t  2.000000\r\n   2\t  3.000000\r\n   3\t  4.000000\r\n   4\t  0.000000\r\n"},
        {"constant index forms outside loops", "x4; x0 = 0; dx = 1;\na = x(x0); b = x(x4); c = x('x); e = x(x'); f = x(x:2);\nPRT(a, b, c, e, f);\n",
         "  no\t         a\t         b\t         c\t         e\t         f\r\n"
         "   0\t  0.000000\t  4.000000\t  1.000000\t  3.000000\t  2.000000\r\n"},
        {"a two-index variable written whole", "i2; j3; n = 0;\nALL(i, j) { A(i, j) = n; n = n + 1; };\nPRT(A(i, j));\n",
         "   A\t        i0\t        i1\t        i2\r\n  j0\t  0.000000\t  1.000000\t  2.000000\r\n"
         "  j1\t  3.000000\t  4.000000\t  5.000000\r\n  j2\t  6.000000\t  7.000000\t  8.000000\r\n"
         "  j3\t  9.000000\t 10.000000\t 11.000000\r\n"},
        {"LLA walks down, quotes pick single indexes", "x3; ALL(x) { MSG(\"up\"); }; LLA('x) { MSG(\"one\"); };\n",
         "up\r\nup\r\nup\r\nup\r\none\r\n"},
        {"eleventh nesting", "i1;\nALL(i) { ALL(i) { ALL(i) { ALL(i) { ALL(i) { ALL(i) { ALL(i) { ALL(i) { ALL(i) { ALL(i) { ALL(i) { }; }; }; }; }; }; }; }; }; }; };\n",
         "F114 行番号(2) カラム位置(95)の変数(i)の参照に誤りがあります\r\n"},
    };
    expect_outputs(cases);
}

}  // namespace
