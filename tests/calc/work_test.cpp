// The work table: allocation with its warning and dumps, the row
// operations, stores into variables and variable storage, node texts.
#include <gtest/gtest.h>

#include <string>

#include "calc/calc_tables.h"
#include "tests/calc/calc_run.h"

namespace {

// Runs a program for its tables, then gives its variables storage again.
void prepare(const char *program)
{
    calc_test::run(program);
    alloc_vars();
    calc_test::captured().clear();
}

void finish()
{
    for (int r = 0; r < calc_work_max; ++r) work_free(r);
    free_vars();
}

int first_node(char type, int letter)
{
    for (int n = 0; n < calc_node_num; ++n) {
        const calc_node &x = calc_node_tab[n];
        if (x.type == type && (letter == 0 || (x.tok >= 0 && calc_var_tab[calc_tok[x.tok].index].letter == letter))) {
            return n;
        }
    }
    return -1;
}

int count_of(const std::string &text, const std::string &word)
{
    int n = 0;
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
    return n;
}

TEST(WorkTable, AllocationWarningsAndDumps)
{
    prepare("a = 1;\n");
    const int node = first_node('v', 'a');
    for (int r = 0; r < 50; ++r) ASSERT_EQ(r, work_alloc(node, 2, 1, 1));
    EXPECT_EQ("", calc_test::captured());
    EXPECT_EQ(50, work_alloc(node, 2, 1, 1));
    EXPECT_EQ(1, count_of(calc_test::captured(), "ワークテーブルが一杯になりました(i)\r\n"));
    EXPECT_EQ(20, count_of(calc_test::captured(), "F534 "));
    EXPECT_EQ(51, work_alloc(node, 2, 1, 1));
    EXPECT_EQ(52, work_alloc(node, 2, 1, 1));
    EXPECT_EQ(1, count_of(calc_test::captured(), "ワークテーブル"));
    EXPECT_EQ(40, count_of(calc_test::captured(), "F534 "));
    for (int r = 53; r < 100; ++r) ASSERT_EQ(r, work_alloc(node, 0, 0, 0));
    EXPECT_EQ(-3, work_alloc(node, 2, 1, 1));
    EXPECT_EQ(-1, work_free(100));
    finish();
    EXPECT_EQ(-1, work_alloc(node, 2, 0, 1));
    EXPECT_EQ(-2, work_alloc(node, 3, 1, 1));
    finish();
}

TEST(WorkTable, TransposeNegateAndCompareParts)
{
    prepare("a = 1;\n");
    const int node = first_node('v', 'a');
    calc_node_tab[node].kind = 2;
    const int m = work_alloc(node, 2, 2, 3);
    for (int k = 0; k < 12; ++k) calc_work_tab[m].data[k] = k;
    EXPECT_EQ(m, work_transpose(m));
    EXPECT_EQ(3, calc_work_tab[m].xn);
    EXPECT_EQ(2, calc_work_tab[m].yn);
    // element (1, 0) of the result is element (0, 1) of the original, conjugated
    EXPECT_EQ(2.0, calc_work_tab[m].data[4]);
    EXPECT_EQ(-3.0, calc_work_tab[m].data[5]);
    EXPECT_EQ(m, work_negate(m));
    EXPECT_EQ(-2.0, calc_work_tab[m].data[4]);
    EXPECT_EQ(-1, work_negate(-1));
    calc_node_tab[node].kind = 4;
    const int q = work_alloc(node, 2, 1, 1);
    for (int k = 0; k < 4; ++k) calc_work_tab[q].data[k] = k + 1;
    EXPECT_EQ(q, work_transpose(q));
    EXPECT_EQ(-2.0, calc_work_tab[q].data[1]);
    EXPECT_EQ(1.0, calc_work_tab[q].data[0]);
    const int qm = work_alloc(node, 2, 2, 1);
    EXPECT_EQ(-2, work_transpose(qm));
    calc_node_tab[node].kind = 0;
    const int r = work_alloc(node, 2, 1, 1);
    calc_work_tab[r].data[0] = 7;
    double parts[4];
    work_parts(m, r, parts);
    EXPECT_EQ(0.0, parts[0]);
    EXPECT_EQ(1.0, parts[1]);
    EXPECT_EQ(7.0, parts[2]);
    EXPECT_EQ(0.0, parts[3]);
    EXPECT_EQ(1, work_is_1x1(r));
    EXPECT_EQ(0, work_is_1x1(m));
    finish();
}

TEST(WorkTable, ImportAndStore)
{
    prepare("u@; i1; j1;\nMATRIX(A(i, j)) { };\nx = A + u; x2; y(x) = 1;\n");
    const int unit = first_node('v', 'u');
    calc_node_tab[unit].kind = 2;
    const int row = work_import_var(unit);
    ASSERT_GE(row, 0);
    EXPECT_EQ(0.0, calc_work_tab[row].data[0]);
    EXPECT_EQ(1.0, calc_work_tab[row].data[1]);
    work_free(row);

    const int a = first_node('v', 'A');
    const int m = work_alloc(a, 2, 2, 2);
    for (int k = 0; k < 4; ++k) calc_work_tab[m].data[k] = k + 1;
    EXPECT_EQ(m, work_store(m, a));
    const calc_var &av = calc_var_tab[calc_tok[calc_node_tab[a].tok].index];
    EXPECT_EQ(4.0, av.storage[3]);
    const int big = work_alloc(a, 2, 3, 3);
    EXPECT_EQ(-2, work_store(big, a));

    const int x = first_node('v', 'x');
    const int five = work_alloc(x, 2, 1, 5);
    EXPECT_EQ(-4, work_store(five, first_node('n', 0)));
    EXPECT_EQ(-1, work_store(-1, x));
    const int one = work_alloc(x, 2, 1, 1);
    calc_work_tab[one].data[0] = 2.5;
    EXPECT_EQ(one, work_store(one, x));
    EXPECT_EQ(2.5, calc_var_tab[calc_tok[calc_node_tab[x].tok].index].value);
    finish();
}

TEST(WorkTable, VariableStorageKinds)
{
    prepare("x2; a = x;\n");
    const int node = first_node('v', 'a');
    const int var = calc_tok[calc_node_tab[node].tok].index;
    EXPECT_EQ(0, var_storage(node, var, 2));
    EXPECT_EQ(2, calc_var_tab[var].kind);
    EXPECT_EQ(0, var_storage(node, var, 1));
    EXPECT_NE(std::string::npos, calc_test::captured().find("F526 行番号(1) カラム位置(5)で、変数(a)のサイズの異なる指定でメモリの確保要求がありました\r\n"));
    EXPECT_EQ(2, var_storage(node, var, 3));
    EXPECT_EQ(1, var_storage(node, 300, 1));
    calc_var_tab[var].count = -1;
    calc_test::captured().clear();
    EXPECT_EQ(0, var_storage(node, var, 2));
    EXPECT_EQ("F521 行番号(1) カラム位置(5)で、変数(a)のサイズが指定されていません、取りあえず1個にします\r\n",
              calc_test::captured());
    finish();
}

TEST(WorkTable, OperatorTexts)
{
    calc_test::run("_F() { };\na = b ** c; e = 2.5; f = SIN(e); g = _F(); IF(a .. b) { }; IF(a :: b) { };\n");
    struct text_case {
        int type;
        const char *text;
    };
    const text_case cases[] = {{'M', "**"}, {'n', "2.5"}};
    for (const auto &c : cases) EXPECT_STREQ(c.text, op_text(first_node(static_cast<char>(c.type), 0))) << c.text;
    int calls = 0;
    for (int n = 0; n < calc_node_num; ++n) {
        const calc_node &x = calc_node_tab[n];
        if (x.tok < 0) continue;
        const char t = calc_tok[x.tok].type;
        const char *want = t == 'i' && x.code == 56 ? "_F" : t == 46 ? ".." : t == 34 ? "::" : nullptr;
        if (t == 'f' && x.code == 15) want = "SIN";
        if (want == nullptr) continue;
        EXPECT_STREQ(want, op_text(n));
        ++calls;
    }
    EXPECT_EQ(4, calls);
    EXPECT_STREQ("?", op_text(-1));
}

}  // namespace
