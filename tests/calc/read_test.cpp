// READ and IREAD: in-source data blocks and labels, data files, complex
// cells, and the failures that print F444, F202 and F203.
#include <gtest/gtest.h>

#include <string>

#include "calc/calc_tables.h"
#include "tests/calc/calc_run.h"

namespace {

using calc_test::body;
using calc_test::run;

struct read_case {
    const char *name;
    const char *data_file;  // written as d.csv first, when not null
    const char *program;
    const char *out;
};

TEST(Read, DataBlocksFilesAndCells)
{
    const read_case cases[] = {
        {"two data blocks", nullptr,
         "x4;\nREAD(x(x), \"\");\nPRT([x]);\n#DATA\n1\n2\n#END\n#DATA\n3\n4\n5\n#END\n",
         "  no\t         x\r\n   0\t  1.000000\r\n   1\t  2.000000\r\n   2\t  3.000000\r\n   3\t  4.000000\r\n"
         "   4\t  5.000000\r\n"},
        {"a label picks its section", nullptr,
         "x2;\nREAD(x(x), \"\", \"#02\");\nPRT([x]);\n#DATA\n#01\n7\n8\n#02\n3\n4\n5\n#END\n",
         "  no\t         x\r\n   0\t  3.000000\r\n   1\t  4.000000\r\n   2\t  5.000000\r\n"},
        {"short lines are padded", "1, 2, 3\n4\n",
         "i1; j2;\nREAD(A(i, j), \"d.csv\");\nMPRT(A(i, j));\n",
         "   A\t        j0\t        j1\t        j2\r\n  i0\t  1.000000\t  2.000000\t  3.000000\r\n"
         "  i1\t  4.000000\t  0.000000\t  0.000000\r\n"},
        {"an exponent is part of the number", " 1e3 , 5\n// comment\n2.5E-1,-1\n#FIN\n9,9\n",
         "i1; j1;\nREAD(A(i, j), \"d.csv\");\nMPRT(A(i, j));\n",
         "   A\t        j0\t        j1\r\n  i0\t1000.000000\t  5.000000\r\n  i1\t  0.250000\t -1.000000\r\n"},
        {"other characters end the line", "1x, 2\n3 4\n",
         "x1;\nREAD(x(x), \"d.csv\");\nPRT([x]);\n",
         "  no\t         x\r\n   0\t  1.000000\r\n   1\t  3.000000\r\n"},
        {"complex cells", "3+4i, -i, 2i, 5, 1 -2.5i, i, 2 +i\n",
         "k6;\nIREAD(z(k), \"d.csv\");\nPRT([z]);\n",
         "  no\t         z\r\n   0\t      3+4i\r\n   1\t        -i\r\n   2\t        2i\r\n   3\t         5\r\n"
         "   4\t    1-2.5i\r\n   5\t         i\r\n   6\t       2+i\r\n"},
        {"missing file", nullptr, "x1; x0 = 7;\nREAD(x(x), \"nofile.csv\");\nPRT(x0);\n",
         "F444 行番号(2)のファイル(nofile.csv)が見つかりません\r\n  no\t        x0\r\n   0\t  7.000000\r\n"},
        {"source that is no string", nullptr, "x1;\nREAD(x(x), 5);\nIREAD(x(x), 5);\n",
         "F202 行番号(2) カラム位置(1) の変数(x)への読み込みに失敗しました\r\n"
         "F203 行番号(3) カラム位置(1) の読み込みに失敗しました\r\n"},
        {"label that is no string", nullptr, "x1;\nREAD(x(x), \"\", 2);\n",
         "F202 行番号(2) カラム位置(1) の変数(x)への読み込みに失敗しました\r\n"},
        {"no data", "", "x1;\nREAD(x(x), \"d.csv\");\n",
         "F202 行番号(2) カラム位置(1) の変数(x)への読み込みに失敗しました\r\n"},
        {"size that does not agree", "1\n2\n3\n", "x1;\nREAD(x(x), \"d.csv\");\n",
         "F202 行番号(2) カラム位置(1) の変数(x)への読み込みに失敗しました\r\n"},
    };
    for (const auto &c : cases) {
        if (c.data_file != nullptr) calc_test::write_file("d.csv", c.data_file);
        const auto r = run(c.program);
        EXPECT_EQ(0, r.rc) << c.name;
        EXPECT_EQ(c.out, body(r.out)) << c.name;
    }
}

// A matrix read from the data block is an operand of the typed blocks as a
// whole: determinant and product of a real matrix, and of a complex one.
TEST(Read, AMatrixReadIsAnOperandOfTheTypedBlocks)
{
    const read_case cases[] = {
        {"real", nullptr,
         "i2; j2;\nREAD(A(i, j), \"\", \"#01\");\n"
         "MATRIX() { e = DET(A(i, j)); B(i, j) = A(i, j) * A(i, j); };\nTRACE(\"%g\", e);\nMPRT(B(i, j));\n"
         "#DATA\n#01\n2, 0, 1\n1, 3, 2\n1, 1, 2\n#END\n",
         "6\r\n"
         "   B\t        j0\t        j1\t        j2\r\n"
         "  i0\t  5.000000\t  1.000000\t  4.000000\r\n"
         "  i1\t  7.000000\t 11.000000\t 11.000000\r\n"
         "  i2\t  5.000000\t  5.000000\t  7.000000\r\n"},
        {"complex", nullptr,
         "k1; l1; m0;\nIREAD(Z(k, l), \"\", \"#02\");\n"
         "IMATRIX() { D(m, m) = DET(Z(k, l)); Y(k, l) = Z(k, l) * Z(k, l); };\nMPRT(D(m, m));\nMPRT(Y(k, l));\n"
         "#DATA\n#02\n1+i, 2\ni, 3\n#END\n",
         "F520 変数(m)のサイズが指定されていません、取りあえず1個にします\r\n"
         "   D\t        m0\r\n  m0\t       3+i\r\n"
         "   Y\t        l0\t        l1\r\n  k0\t        4i\t      8+2i\r\n  k1\t     -1+4i\t      9+2i\r\n"},
    };
    for (const auto &c : cases) {
        const auto r = run(c.program);
        EXPECT_EQ(0, r.rc) << c.name;
        EXPECT_EQ(c.out, body(r.out)) << c.name;
    }
}

TEST(Read, EmptySourceOpensTheRunFileThroughTheHook)
{
    calc_test::start();
    calc_test::write_file("real.vok", "x1;\nREAD(x(x), \"\");\nPRT([x]);\n#DATA\n6\n7\n#END\n");
    calc_test::fixture_map()["mapped.vok"] = "real.vok";
    EXPECT_EQ(0, run_calc_file("mapped.vok"));
    EXPECT_NE(std::string::npos, calc_test::captured().find("   1\t  7.000000\r\n"));
    calc_test::fixture_map().clear();
}

}  // namespace
