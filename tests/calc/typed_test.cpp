// Typed blocks: arithmetic over the value kinds, the typed evaluator, the
// built-ins, Dirac matrices and reductions, and the work rows they leave.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "calc/calc_tables.h"
#include "tests/calc/calc_run.h"

using calc_test::body;
using calc_test::expect_outputs;
using calc_test::program_case;
using calc_test::run;

namespace {

const char matrices_ab[] =
    "i1; j2; k1;\nMATRIX(A(i, j), B(j, k), C(i, k), D(j, j)) { };\nREAD(A, \"\", \"#A\");\nREAD(B, \"\", \"#B\");\n";
const char data_ab[] = "#DATA\n#A\n1, 2, 3\n4, 5, 6\n#B\n1, 2\n3, 4\n5, 6\n#END\n";

std::string with_ab(const char *statements) { return std::string(matrices_ab) + statements + data_ab; }

}  // namespace

TEST(TypedArithmetic, ProductsPowersAndTheirMessages)
{
    const std::string product = with_ab("MATRIX() { E(i, k) = A * B; F(j, j) = B * A; };\nMPRT(E(i, k));\n"
                                        "TRACE(\"%g %g %g\", DET(C), TR(F), DET(F));\n");
    auto r = run(product);
    EXPECT_EQ("   E\t        k0\t        k1\r\n  i0\t 22.000000\t 28.000000\r\n  i1\t 49.000000\t 64.000000\r\n"
              "0 0 0\r\n",
              body(r.out));

    r = run(with_ab("MATRIX() { D = B * A; G(j, j) = D ^ 3; };\nMPRT(G(j, j));\n"));
    EXPECT_NE(std::string::npos, body(r.out).find("  j0\t63660.000000\t87288.000000\t110916.000000\r\n"));
    EXPECT_NE(std::string::npos, body(r.out).find("  j2\t213956.000000\t293368.000000\t372780.000000\r\n"));

    r = run(with_ab("x1;\nALL(x) { MATRIX() { C = A * A; C = A ^ 0; C = C ^ -2; C = C ^ 101; }; };\n"));
    EXPECT_EQ("F676 行番号(6) カラム位置(27)の行列の掛け算で、列数(3)と行数(2)が一致しません\r\n"
              "F700 行番号(6) カラム位置(23)の代入、足し込み、又は一致比較操作(=)に失敗しました\r\n"
              "F576 行番号(6) カラム位置(38)の行列の冪乗で、列数(3)と行数(2)が一致しません\r\n"
              "F700 行番号(6) カラム位置(34)の代入、足し込み、又は一致比較操作(=)に失敗しました\r\n"
              "F809 行列Cの負の冪乗数(-2)はサポートしていませんので、取りあえず1乗します\r\n"
              "F810 行列Cの冪乗数(101)が大き過ぎますので、取りあえず2乗します\r\n"
              "F676 行番号(6) カラム位置(27)の行列の掛け算で、列数(3)と行数(2)が一致しません\r\n"
              "F576 行番号(6) カラム位置(38)の行列の冪乗で、列数(3)と行数(2)が一致しません\r\n",
              body(r.out));
}

TEST(TypedArithmetic, KindsUnitsAndComparisons)
{
    const program_case cases[] = {
        {"quaternion units", "i@; j@; k@; x0 = 0; x1;\nALL(x) { QUATERNION() { q(x) = i * j; p(x) = j * i; }; };\n"
                              "ALL(x) { TRACE(\"%g %g\", ELEMENT(q(x), 3), ELEMENT(p(x), 3)); };\n",
         "1 -1\r\n1 -1\r\n"},
        {"quaternion product and quotient",
         "x1;\nALL(x) { QUATERNION() { r(x) = QUARTER(1, 2, 3, 4) * QUARTER(5, 6, 7, 8); "
         "w(x) = r(x) / QUARTER(5, 6, 7, 8); }; };\n"
         "ALL(x) { TRACE(\"%g %g %g %g|%g %g\", ELEMENT(r(x), 0), ELEMENT(r(x), 1), ELEMENT(r(x), 2), "
         "ELEMENT(r(x), 3), ELEMENT(w(x), 0), ELEMENT(w(x), 3)); };\n",
         "-60 12 30 24|1 4\r\n-60 12 30 24|1 4\r\n"},
        {"octonion products are not associative",
         "i@; j@; l@; x1;\nALL(x) { CAYLEY() { p(x) = (i * j) * l; q(x) = i * (j * l); }; };\n"
         "ALL(x) { TRACE(\"%g %g\", OELEMENT(p(x), 7), OELEMENT(q(x), 7)); };\n",
         "1 -1\r\n1 -1\r\n"},
        {"quaternion division by zero fails once",
         "x2;\nALL(x) { QUATERNION() { q(x) = QUARTER(1, 0, 0, 0) / QUARTER(0, 0, 0, 0); }; };\n",
         "F700 行番号(2) カラム位置(30)の代入、足し込み、又は一致比較操作(=)に失敗しました\r\n"},
        {"comparison at exactly the tolerance", "EP(0.5); s = 1 :: 1.5; u = 1 :: 1.25; v = 1 .. 0.5;\n"
                                                "TRACE(\"%g %g %g\", s, u, v);\n",
         "0 1 0\r\n"},
        {"real and complex scalars added", "a@;\nIMATRIX() { ITRACE(\"%s %s %s\", 2 + 3 * a, (1 + a) * (1 - a), "
                                           "(1 + 2 * a) / (3 - 4 * a)); };\n",
         "2+3i 2 -0.2+0.4i\r\n"},
        {"complex store forms", "a@; x1;\nIREAD(z(x), \"\", \"#Z\");\nALL(x) { z(x) =: 1 + 2 * a; z(x) +: a; ITRACE(\"%s\", z(x)); };\n"
                                "w = 1; w =: a;\n#DATA\n#Z\n0\n0\n#END\n",
         "1+3i\r\n1+3i\r\n"
         "F700 行番号(4) カラム位置(10)の代入、足し込み、又は一致比較操作(=:)に失敗しました\r\n"},
        {"F313, F318 and F319", "i@; j@; x2;\nALL(x) { QUATERNION() { q(x) = SIN(i) + 2 * i + j; }; };\n"
                                "ALL(x) { QUATERNION() { q(x) = 2 * i + j; }; CAYLEY() { p(x) = q(x); }; "
                                "QUATERNION() { r(x) = p(x); }; };\n"
                                "ALL(x) { TRACE(\"%g %g\", OELEMENT(p(x), 1), ELEMENT(r(x), 1)); };\n",
         "F313 行番号(2) カラム位置(32)の演算(SIN)が間違っています\r\n"
         "F700 行番号(2) カラム位置(30)の代入、足し込み、又は一致比較操作(=)に失敗しました\r\n"
         "F319 行番号(3) カラム位置(64)の変数(q)が間違っています\r\n"
         "F318 行番号(3) カラム位置(95)の変数(p)が間違っています\r\n"
         "2 0\r\n2 0\r\n2 0\r\n"},
    };
    expect_outputs(cases);
}

TEST(TypedArithmetic, CommutatorsAndChainedTargets)
{
    const auto r = run("i1;\nMATRIX(A(i, i), B(i, i)) { };\nREAD(A, \"\", \"#A\");\nREAD(B, \"\", \"#B\");\n"
                       "MATRIX() { C(i, i) = A & B; D(i, i) = A | B; E(i, i) = F(i, i) = A; };\n"
                       "MPRT(C(i, i)); MPRT(D(i, i)); MPRT(F(i, i));\n"
                       "#DATA\n#A\n1, 2\n3, 4\n#B\n0, 1\n1, 0\n#END\n");
    EXPECT_EQ("   C\t        i0\t        i1\r\n  i0\t -1.000000\t -3.000000\r\n  i1\t  3.000000\t  1.000000\r\n"
              "   D\t        i0\t        i1\r\n  i0\t  5.000000\t  5.000000\r\n  i1\t  5.000000\t  5.000000\r\n"
              "   F\t        i0\t        i1\r\n  i0\t  1.000000\t  2.000000\r\n  i1\t  3.000000\t  4.000000\r\n",
              body(r.out));
}

TEST(TypedBuiltins, PrincipalValuesAndFailures)
{
    const program_case cases[] = {
        {"principal values", "a@;\nIMATRIX() { ITRACE(\"%s|%s|%s|%s|%s|%s\", SQRT(-4), LOG(-1), SQRT(3 - 4 * a), "
                             "ARGUMENT(-1), SQRT(-4 * a), EXP(0 * a)); };\n",
         "2i|3.141593i|2-i|3.141593|1.414214-1.414214i|1\r\n"},
        {"negative zero imaginary parts", "IMATRIX() { ITRACE(\"%s %s %s\", SQRT(-(4)), ARGUMENT(-(1)), LOG(-(1))); };\n",
         "2i 3.141593 3.141593i\r\n"},
        {"sine and cosine", "a@;\nIMATRIX() { ITRACE(\"%s %s\", SIN(1 + a), COS(1 + a)); };\n"
                            "MATRIX() { ITRACE(\"%s\", SIN(-1)); };\n",
         "1.298458+0.634964i 0.83373-0.988898i\r\n-0.841471\r\n"},
        {"failures once per node",
         "x2; a@;\nALL(x) { MATRIX() { w = SQRT(0 - 4); }; IMATRIX() { ITRACE(\"%s %s\", LOG(0 * a), ARGUMENT(0)); }; };\n",
         "F323 行番号(2) カラム位置(25)で、変数(-)のSQRTの計算不能事態が発生しました rtc(-3)\r\n"
         "F700 行番号(2) カラム位置(23)の代入、足し込み、又は一致比較操作(=)に失敗しました\r\n"
         "F324 行番号(2) カラム位置(69)で、変数(*)のLOGの計算不能事態が発生しました(-3)\r\n"
         "F327 行番号(2) カラム位置(81)で、変数(0)のARGUMENTの計算不能事態が発生しました\r\n"
         "err(?) err(?)\r\nerr(?) err(?)\r\nerr(?) err(?)\r\n"},
        {"norm and elements",
         "x1;\nALL(x) { QUATERNION() { q(x) = QUARTER(1, 2, 3, 4); }; CAYLEY() { o(x) = OCTAL(1, 2, 3, 4, 5, 6, 7, 8); };\n"
         "TRACE(\"%g %g %g %g %g\", NORM(QUARTER(1, 2, 2, 4)), ELEMENT(q(x), 2), ELEMENT(q(x), 3), OELEMENT(o(x), 7), "
         "ONORM(o(x)));\nTRACE(\"%g %g\", ELEMENT(q(x), 4), OELEMENT(o(x), 8)); };\n",
         "25 3 4 8 204\r\n"
         "F325 行番号(4) カラム位置(16)で、変数(q)のELEMENTの計算不能事態が発生しました\r\n"
         "F325 行番号(4) カラム位置(34)で、変数(o)のOELEMENTの計算不能事態が発生しました\r\n"
         "0 0\r\n25 3 4 8 204\r\n0 0\r\n"},
        {"QUARTER with three arguments", "x2;\nALL(x) { QUATERNION() { q(x) = QUARTER(1, 2, 3); }; };\n",
         "F325 行番号(2) カラム位置(32)で、QUARTERの計算不能事態が発生しました\r\n"
         "F700 行番号(2) カラム位置(30)の代入、足し込み、又は一致比較操作(=)に失敗しました\r\n"},
        {"scalar forms", "x1;\nIREAD(z(x), \"\", \"#Z\");\nALL(x) {\n"
                         "TRACE(\"%g %g %g %g %g\", REAL(z(x)), IMAGINARY(z(x)), IABS(z(x)), ARGUMENT(-1), "
                         "INTEGER(-2.7)); };\n#DATA\n#Z\n3-4i\n3-4i\n#END\n",
         "3 -4 5 3.14159 -2\r\n3 -4 5 3.14159 -2\r\n"},
    };
    expect_outputs(cases);
}

TEST(Dirac, GammaContractionsAndVectors)
{
    const program_case cases[] = {
        {"gamma codes", "x3;\nIMATRIX() { H(x, x) = GAMMA(2.9); K(x, x) = SUM(); N(x, x) = GAMMA(4); };\n"
                        "MPRT(H(x, x)); MPRT(K(x, x));\n",
         "F700 行番号(2) カラム位置(60)の代入、足し込み、又は一致比較操作(=)に失敗しました\r\n"
         "   H\t        x0\t        x1\t        x2\t        x3\r\n  x0\t         0\t         0\t         0\t        -i\r\n"
         "  x1\t         0\t         0\t         i\t         0\r\n  x2\t         0\t         i\t         0\t         0\r\n"
         "  x3\t        -i\t         0\t         0\t         0\r\n"
         "   K\t        x0\t        x1\t        x2\t        x3\r\n  x0\t         4\t         0\t         0\t         0\r\n"
         "  x1\t         0\t         4\t         0\t         0\r\n  x2\t         0\t         0\t         4\t         0\r\n"
         "  x3\t         0\t         0\t         0\t         4\r\n"},
        {"slash and Minkowski product",
         "a@; x3; y0;\nIMATRIX(V(x, y)) { V = COMB4(1 + a, 2, 3, 4 * a); };\n"
         "IMATRIX() { L(x, x) = `V; Q(y, y) = V . V; };\nMPRT(L(x, x)); MPRT(Q(y, y));\n",
         "F520 変数(y)のサイズが指定されていません、取りあえず1個にします\r\n"
         "   L\t        x0\t        x1\t        x2\t        x3\r\n  x0\t       1+i\t         0\t        4i\t      2-3i\r\n"
         "  x1\t         0\t       1+i\t      2+3i\t       -4i\r\n  x2\t       -4i\t     -2+3i\t      -1-i\t         0\r\n"
         "  x3\t     -2-3i\t        4i\t         0\t      -1-i\r\n   Q\t        y0\r\n  y0\t      3+2i\r\n"},
        {"axial vector, vector product and COMB3",
         "z2; y0;\nMATRIX(B(z, z), U(z, y), W(z, y)) { };\nREAD(B, \"\", \"#B\");\nREAD(U, \"\", \"#U\");\n"
         "READ(W, \"\", \"#W\");\nMATRIX() { X(z, y) = GA3(B); Y(z, y) = U ** W; T(z, z) = COMB3(U, W, U); "
         "S(z, y) = COMB3(1, 2, 3); };\nMPRT(X(z, y)); MPRT(Y(z, y)); MPRT(T(z, z)); MPRT(S(z, y));\n"
         "#DATA\n#B\n0, -3, 2\n3, 0, -1\n-2, 1, 0\n#U\n1\n0\n0\n#W\n0\n1\n0\n#END\n",
         "F520 変数(y)のサイズが指定されていません、取りあえず1個にします\r\n"
         "   X\t        y0\r\n  z0\t  2.000000\r\n  z1\t  4.000000\r\n  z2\t  6.000000\r\n"
         "   Y\t        y0\r\n  z0\t  0.000000\r\n  z1\t  0.000000\r\n  z2\t  1.000000\r\n"
         "   T\t        z0\t        z1\t        z2\r\n  z0\t  1.000000\t  0.000000\t  1.000000\r\n"
         "  z1\t  0.000000\t  1.000000\t  0.000000\r\n  z2\t  0.000000\t  0.000000\t  0.000000\r\n"
         "   S\t        y0\r\n  z0\t  1.000000\r\n  z1\t  2.000000\r\n  z2\t  3.000000\r\n"},
        {"factorial", "MATRIX() { w = 5.7!; v = (-1)!; };\nTRACE(\"%g %g\", w, v);\n",
         "120 0\r\n"},
    };
    expect_outputs(cases);
}

namespace {

// An n x n matrix: upper triangle of ones over the diagonal 1, 2, ..., n
// (determinant n!), with its first two rows exchanged when asked.
std::string triangle_program(int n, bool swap_rows, double diag_scale)
{
    std::string p = "x" + std::to_string(n - 1) + ";\nMATRIX(A(x, x)) { };\nREAD(A, \"\", \"#A\");\n"
                    "TRACE(\"%.17g\", DET(A));\n#DATA\n#A\n";
    for (int r0 = 0; r0 < n; ++r0) {
        const int r = swap_rows && r0 < 2 ? 1 - r0 : r0;
        for (int c = 0; c < n; ++c) {
            if (c > 0) p += ", ";
            const double v = c < r ? 0.0 : c == r ? (diag_scale > 0 ? diag_scale : r + 1) : 1.0;
            char cell[32];
            snprintf(cell, sizeof cell, "%g", v);
            p += cell;
        }
        p += "\n";
    }
    return p + "#END\n";
}

}  // namespace

TEST(Dirac, DeterminantsSmallAndLarge)
{
    EXPECT_EQ("40320\r\n", body(run(triangle_program(8, false, 0)).out));
    EXPECT_EQ("-40320\r\n", body(run(triangle_program(8, true, 0)).out));
    EXPECT_EQ("362880\r\n", body(run(triangle_program(9, false, 0)).out));
    EXPECT_EQ("-362880\r\n", body(run(triangle_program(9, true, 0)).out));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ("-4096\r\n", body(run(triangle_program(12, true, 2)).out));
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 1.0);
    const auto r = run("x1; y2;\nMATRIX(A(x, y)) { B(x, x) = A; C(x, x) = DET(A); };\nTRACE(\"%g %g\", DET(A), TR(A));\n");
    EXPECT_EQ("F700 行番号(2) カラム位置(27)の代入、足し込み、又は一致比較操作(=)に失敗しました\r\n"
              "F700 行番号(2) カラム位置(40)の代入、足し込み、又は一致比較操作(=)に失敗しました\r\n0 0\r\n",
              body(r.out));
}

TEST(TypedRows, LoopsOfEveryTypedStatementLeaveNoRow)
{
    const std::string program =
        "a@; i@; j@; x199; y0; z2;\nMATRIX(B(z, z), U(z, y)) { };\nIMATRIX(V(z, y)) { };\n"
        "ALL(x) {\n"
        "MATRIX() { B = B * B + B ^ 2 - (B & B); U = B * U; C(z, z) = B / 0; S(y, y) = DET(B) + TR(B); "
        "Y(z, y) = U ** U; W(z, y) = GA3(B); T(z, z) = COMB3(U, U, U); };\n"
        "IMATRIX() { V = ~V; G(z, y) = SQRT(-4) + LOG(0) + ARGUMENT(0); H(z, z) = GAMMA(7); K(z, z) = SUM(V); "
        "M(y, y) = V . V; };\n"
        "QUATERNION() { q(x) = QUARTER(1, 2, 3, 4) / QUARTER(0, 0, 0, 0); r(x) = i * j * SIN(i); };\n"
        "CAYLEY() { o(x) = OCTAL(1, 2, 3, 4, 5, 6, 7, 8) ^ 3; };\n"
        "ITRACE(\"%s %s\", 1 + a, SQRT(-1)); s = SIGMA(z, DET(B)); t = V :: V;\n"
        "};\nYAMABATO(); DWORK();\n";
    const auto r = run(program);
    EXPECT_EQ(0, r.rc);
    EXPECT_NE(std::string::npos, r.out.find("F101 使用残ワークエリア数(0)\r\n")) << body(r.out);
    EXPECT_EQ(std::string::npos, r.out.find("F112")) << body(r.out);
    EXPECT_EQ(std::string::npos, r.out.find("ワークテーブルが一杯")) << body(r.out);
}
