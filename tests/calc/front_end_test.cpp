// The stages before execution: directives, group variables, the lexer, the
// syntax analysis, the checks, the estimate and the storage, each with its
// stage result and messages.
#include <gtest/gtest.h>

#include <string>

#include "calc/calc_tables.h"
#include "tests/calc/calc_run.h"

namespace {

using calc_test::body;
using calc_test::run;

struct stage_case {
    const char *name;
    const char *program;
    int rc;
    const char *out;  // the output without the start, F907 and time lines
};

template <size_t N>
void expect_stages(const stage_case (&cases)[N])
{
    for (const stage_case &c : cases) {
        const auto r = run(c.program);
        EXPECT_EQ(c.rc, r.rc) << c.name;
        EXPECT_EQ(c.out, body(r.out)) << c.name;
    }
}

std::string repeat(const std::string &s, int n)
{
    std::string r;
    for (int i = 0; i < n; ++i) r += s;
    return r;
}

TEST(Stages, EachStageStopsWithItsNumberAndMessage)
{
    const stage_case cases[] = {
        {"definition rejected", "#a=T\nx=1;\n", 2,
         "F101 半角大文字一文字アルファベットの組変数名は使用出来ません\r\n"
         "F231 行番号(1)の置き換え定義文に誤りがあります rtc(4)\r\n"},
        {"code no letter", "#A=Temp\n", 2, "F231 行番号(1)の置き換え定義文に誤りがあります rtc(2)\r\n"},
        {"no equals", "#a Temp\n", 2, "F231 行番号(1)の置き換え定義文に誤りがあります rtc(3)\r\n"},
        {"full-width character", "x = ☆;\n", 3,
         "F302 行番号(1)で、全角文字は組変数で以外の使用は出来ません\r\n"
         "F811 行番号(1)カラム位置(5)の文字(☆) に誤りがあります\r\n"},
        {"code letter alone", "#a=Temp\nx = a;\n", 3,
         "F305 行番号(2)で、組変数定義に含まれる半角文字は、他の場所で単独では使用できません\r\n"
         "F812 行番号(2)カラム位置(5)の文字(a) に誤りがあります\r\n"},
        {"lexer error", "x = 1 @ 2;\n", 4, "E123 行番号(1)カラム位置(7)の文字:@(0x40)に誤りがあります\r\n"},
        {"unbalanced ()", "x = (1;\n", 6, "F920 括弧 ( ) の対応が取れていません c(1)\r\n"},
        {"unbalanced {}", "x = 1; }\n", 7, "F930 括弧 { } の対応が取れていません p(-1)\r\n"},
        {"one statement without semicolon", "x = 1\n", 10, "F903 構文に誤りがあります\r\n"},
        {"statements without the final semicolon", "x = 1;\ny = 2\n", 8,
         "F801 構文に誤りがある為、解析を続行出来ません  ZE  Z=\r\n"},
        {"syntax", "x = 1 +;\n", 8, "F800 行番号(1) カラム位置(3)の構文に誤りがある為、解析を続行出来ません  E+;  =+;\r\n"},
        {"definition argument", "_F(1) { RETURN(1); };\ny = _F(2);\n", 9,
         "F999 行番号(1) カラム位置(1)にある内部関数(_F)の引数に間違いがあります\r\nF900 構文に誤りがあります\r\n"},
        {"undefined function", "y = _G(2);\n", 11,
         "F500 行番号(1) カラム位置(5)の内部関数(_G)が定義されていません 1⇒?\r\n"
         "F905 内部関数の引数が一致しません\r\n"},
        {"argument count", "_F(x, y) { RETURN(x); };\nz = _F(1, 2, 3);\n", 11,
         "F510 行番号(2) カラム位置(5)の内部関数(_F)の引数が不一致です 3⇒2\r\nF905 内部関数の引数が一致しません\r\n"},
        {"estimate too big", "i100000; j100000;\nALL(i, j) { a = 1; };\n", 12,
         "F906 繰り返し回数(10000000000)が大き過ぎます、最大可能数(1000000000)\r\n"},
        {"storage too big", "i1000000000;\n", 13,
         "F521 変数(i)のサイズ(0X1DCD65008)、doubleを1000000001個が大き過ぎてメモリを確保出来ません\r\n"
         "F999 処理を中断します\r\n"},
        {"kind contradiction", "i2; IMATRIX(A(i, i)) { };\nx = A;\n", 14,
         "F335 行番号(2) カラム位置(5)の変数(A)の演算種別(実数)に矛盾があります\r\nF999 処理を中断します\r\n"},
    };
    for (const auto &c : cases) {
        calc_test::write_file("excel.csv", "old\n");
        const auto r = run(c.program);
        EXPECT_EQ(c.rc, r.rc) << c.name;
        EXPECT_EQ(c.out, body(r.out)) << c.name;
        EXPECT_FALSE(calc_test::file_exists("excel.csv")) << c.name;
    }
}

TEST(Stages, MissingFileReturnsOneSilentlyAfterDeletingExcelCsv)
{
    calc_test::start();
    calc_test::write_file("excel.csv", "old\n");
    EXPECT_EQ(1, run_calc_file("no-such-file.vok"));
    EXPECT_EQ("", calc_test::captured());
    EXPECT_FALSE(calc_test::file_exists("excel.csv"));
}

TEST(Stages, TokenLimitAndRewriteLimit)
{
    const std::string odd = "a=-1;" + repeat("a=1;", 498) + "a;\n";     // 1999 tokens
    auto r = run(odd);
    EXPECT_EQ(0, r.rc);
    r = run(repeat("a=1;", 500) + "\n");                                   // 2000 tokens
    EXPECT_EQ(5, r.rc);
    EXPECT_EQ("F960 文が長過ぎます cmdn(2000)\r\n", body(r.out));
    r = run(repeat("a=1;\n", 1500));
    EXPECT_EQ("F960 文が長過ぎます cmdn(6000)\r\n", body(r.out));
    r = run(repeat("a=" + std::to_string(7) + ";", 300) + "PRT(a);\n");   // 300 literals
    EXPECT_EQ(0, r.rc);
    r = run("a=" + repeat("-", 999) + "1;\n");                             // 1001 rewrites
    EXPECT_EQ(0, r.rc);
    r = run("a=" + repeat("-", 1000) + "1;\n");                            // 1002 rewrites
    EXPECT_EQ(8, r.rc);
    EXPECT_EQ(0u, r.out.find("ファイル(p.vok)の解析を開始します\r\nF800 "));
}

TEST(Directives, BlocksTabAndFin)
{
    const calc_test::program_case cases[] = {
        {"#FIN ends the program", "MSG(\"a\");\n#FIN\nMSG(\"b\");\n", "a\r\n"},
        {"#COMMENT skips", "#COMMENT\nMSG(\"a\");\n#a=T\n#END\nMSG(\"b\");\n", "b\r\n"},
        {"#DATA skips", "#DATA\n1,2\n#END\nMSG(\"b\");\n", "b\r\n"},
        {"#COMMENT0 runs", "#COMMENT0\n#a=Temp\nTemp=1;\nMSG(\"a\");\n#END\nPRT(Temp);\n",
         "a\r\n  no\t      Temp\r\n   0\t  1.000000\r\n"},
        {"unclosed #COMMENT", "MSG(\"a\");\n#COMMENT\nMSG(\"b\");\n", "a\r\n"},
        {"unclosed #DATA", "MSG(\"a\");\n#DATA\nx = @;\n", "a\r\n"},
        {"other # line skipped in pass 2", "#TAB 8\nMSG(\"a\");\n", "a\r\n"},
    };
    calc_test::expect_outputs(cases);
}

TEST(Directives, TabWidthPersistsAndCountsColumns)
{
    calc_test::start();
    auto r = run("#TAB 8\n\tx = @;\n", 0, false);
    EXPECT_EQ("E123 行番号(2)カラム位置(13)の文字:@(0x40)に誤りがあります\r\n", body(r.out));
    r = run("\tx = @;\n", 0, false);  // the width holds for the next run
    EXPECT_EQ("E123 行番号(1)カラム位置(13)の文字:@(0x40)に誤りがあります\r\n", body(r.out));
    r = run("#TAB 0\n#TAB\n\tx = @;\n", 0, false);
    EXPECT_EQ("E123 行番号(3)カラム位置(13)の文字:@(0x40)に誤りがあります\r\n", body(r.out));
    r = run("#TAB　3\n\tx = @;\n", 0, false);  // a full-width blank before the number
    EXPECT_EQ("E123 行番号(2)カラム位置(8)の文字:@(0x40)に誤りがあります\r\n", body(r.out));
    calc_test::start();
    r = run("\tx = @;\n", 0, false);
    EXPECT_EQ("E123 行番号(1)カラム位置(9)の文字:@(0x40)に誤りがあります\r\n", body(r.out));
}

TEST(GroupVariables, NamesRulesAndColumns)
{
    const stage_case cases[] = {
        {"longest name first", "#a=Temp, b=Tempmax\nTempmax = 3; Temp = 2;\nPRT(Temp, Tempmax);\n", 0,
         "  no\t      Temp\t   Tempmax\r\n   0\t  2.000000\t  3.000000\r\n"},
        {"blank-separated pairs", "#a=Temp b=Press\nTemp = 1;\n", 0, ""},
        {"full-width name", "#a=温\n温 = 3;\nPRT(温);\n", 0, "  no\t        温\r\n   0\t  3.000000\r\n"},
        {"full-width name with a second one", "#a=温度\n", 2,
         "F103 組変数名の２文字以降は小文字でなくてはいけません\r\nF231 行番号(1)の置き換え定義文に誤りがあります rtc(4)\r\n"},
        {"F102", "#a=temp\n", 2,
         "F102 組変数名の先頭は全角文字か半角大文字アルファベットでなくてはいけません\r\n"
         "F231 行番号(1)の置き換え定義文に誤りがあります rtc(4)\r\n"},
        {"F103", "#a=T温\n", 2,
         "F103 組変数名の２文字以降は小文字でなくてはいけません\r\nF231 行番号(1)の置き換え定義文に誤りがあります rtc(4)\r\n"},
        {"F104 symbol", "#a=∀x\n", 2,
         "F104 この全角特殊記号(∀)は組変数としては使用出来ません\r\nF231 行番号(1)の置き換え定義文に誤りがあります rtc(4)\r\n"},
        {"F104 character", "#a=Te_\n", 2,
         "F104 組変数名の２文字以降は半角小文字アルファベット又は半角数字でなくてはいけません\r\n"
         "F231 行番号(1)の置き換え定義文に誤りがあります rtc(4)\r\n"},
        {"F104 code twice", "#a=Temp, a=Press\n", 2,
         "F104 仮想変数名が重複しています\r\nF231 行番号(1)の置き換え定義文に誤りがあります rtc(5)\r\n"},
        {"F105 name twice", "#a=Temp, b=Temp\n", 2,
         "F105 実変数名が重複しています\r\nF231 行番号(1)の置き換え定義文に誤りがあります rtc(5)\r\n"},
        {"F107 eleven bytes", "#a=Abcdefghijk\n", 2,
         "F107 実変数名の長さがオーバーしました、最大(10)\r\nF231 行番号(1)の置き換え定義文に誤りがあります rtc(5)\r\n"},
        {"ten bytes", "#a=Abcdefghij\nAbcdefghij = 1;\n", 0, ""},
        {"F301", "#a=温\nx = 温x;\n", 3,
         "F301 行番号(2)で、組変数の使用直後には小文字を使用出来ません\r\n"
         "F812 行番号(2)カラム位置(7)の文字(x) に誤りがあります\r\n"},
        {"F303", "MSG(\"abc);\n", 3,
         "F303 行番号(1)で、\"...\" の終わりが完成されていません\r\n"
         "F812 行番号(1)カラム位置(11)の文字(\n) に誤りがあります\r\n"},
        {"F304", "#a=Temp\nx = Tempx;\n", 3,
         "F304 行番号(2)で、組変数の使用直後には小文字を使用出来ません\r\n"
         "F812 行番号(2)カラム位置(9)の文字(x) に誤りがあります\r\n"},
        {"column after a tab and a ten-byte name", "#a=Abcdefghij\n\tAbcdefghij = @;\n", 4,
         "E123 行番号(2)カラム位置(18)の文字:@(0x40)に誤りがあります\r\n"},
        {"group name in the lexer message", "#a=Temp\nTemp = 1; Temp 0;\n", 0, ""},
    };
    expect_stages(cases);
}

TEST(GroupVariables, CodesRunOutBeforeTheTableLimit)
{
    // 26 code letters cannot fill 100 rows: a repeated code is refused first.
    std::string program;
    const char letters[] = "abcdefghijklmnopqrstuvwxyz";
    for (int n = 0; n < 27; ++n) {
        program += "#";
        program += letters[n % 26];
        program += "=N" + std::to_string(n) + "\n";
    }
    const auto r = run(program);
    EXPECT_EQ(2, r.rc);
    EXPECT_EQ("F104 仮想変数名が重複しています\r\nF231 行番号(27)の置き換え定義文に誤りがあります rtc(5)\r\n", body(r.out));
}

TEST(Lexer, TokensAndColumns)
{
    calc_test::run("a=b+1;\n");
    const char types[] = {'v', '=', 'v', '+', 'n', ';'};
    const int cols[] = {0, 1, 2, 3, 4, 5};
    ASSERT_EQ(6, calc_tok_num);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(types[i], calc_tok[i].type) << i;
        EXPECT_EQ(cols[i], calc_tok[i].col) << i;
        EXPECT_EQ(1, calc_tok[i].line) << i;
    }
    calc_test::run("y = A b + x0 + x3 + x' + 'x' + 'x + x:2 + $4 + dx;\nPRT(<x>, [x>, <x], [x], [$]);\n");
    std::string got;
    for (int i = 0; i < calc_tok_num; ++i) got += calc_tok[i].type;
    EXPECT_EQ("v=vv+z+l+R+B+L+J+D+d;f(m,s,b,a,A);", got);
}

TEST(Lexer, ErrorCodesInTheirMessageForms)
{
    const stage_case cases[] = {
        {"E101", "y = dd;\n", 4, "E101 行番号(1)カラム位置(5)の文字:d(0x64)に誤りがあります\r\n"},
        {"E101 alone", "y = d;\n", 4, "E101 行番号(1)カラム位置(5)の文字:d(0x64)に誤りがあります\r\n"},
        {"E1011", "y = dx&1;\n", 4, "E1011 行番号(1)カラム位置(8)の文字:1(0x31)に誤りがあります\r\n"},
        {"E1012", "y = x&1;\n", 4, "E1012 行番号(1)カラム位置(7)の文字:1(0x31)に誤りがあります\r\n"},
        {"E102", "y = x05;\n", 4, "E102 行番号(1)カラム位置(7)の文字:5(0x35)に誤りがあります\r\n"},
        {"E103", "y = x:a;\n", 4, "E103 行番号(1)カラム位置(7)の文字:a(0x61)に誤りがあります\r\n"},
        {"E105", "x? y;\n", 4, "E105 行番号(1)カラム位置(4)の文字:y(0x79)に誤りがあります\r\n"},
        {"E106", "x@ y;\n", 4, "E106 行番号(1)カラム位置(4)の文字:y(0x79)に誤りがあります\r\n"},
        {"E1090", "y = x (1);\n", 4, "E1090 行番号(1)カラム位置(7)の文字:((0x28)に誤りがあります\r\n"},
        {"E1091", "MATRIX(PRT(x)) { };\n", 4, "E1091 行番号(1)カラム位置(8)の文字:P(0x50)に誤りがあります\r\n"},
        {"E1092", "PRT(MATRIX(x));\n", 4, "E1092 行番号(1)カラム位置(5)の文字:M(0x4d)に誤りがあります\r\n"},
        {"E1093", "ARRAY(ARRAY(x));\n", 4, "E1093 行番号(1)カラム位置(7)の文字:A(0x41)に誤りがあります\r\n"},
        {"E109", "y = SIN x;\n", 4, "E109 行番号(1)カラム位置(8)の文字: (0x20)に誤りがあります\r\n"},
        {"E110", "y = _1(x);\n", 4, "E110 行番号(1)カラム位置(6)の文字:1(0x31)に誤りがあります\r\n"},
        {"E111", "y = _ABCDEFGHIJK(x);\n", 4, "E111 行番号(1)カラム位置(5)の文字列(_ABCDEFGHIJK)が11文字より大きい\r\n"},
        {"E1101", "y = _AB x;\n", 4, "E1101 行番号(1)カラム位置(8)の文字: (0x20)に誤りがあります\r\n"},
        {"E112", "MSG(\"" "01234567890123456789012345678901234567890123456789"
                 "012345678901234567890123456789012345678901234567890\");\n",
         4, "E112 行番号(1)カラム位置(5)の文字:\"(0x22)に誤りがあります\r\n"},
        {"E116", "PRT(<x);\n", 4, "E116 行番号(1)カラム位置(7)の文字:)(0x29)に誤りがあります\r\n"},
        {"E117", "PRT(<1>);\n", 4, "E117 行番号(1)カラム位置(6)の文字:1(0x31)に誤りがあります\r\n"},
        {"E118", "y = [x;\n", 4, "E118 行番号(1)カラム位置(7)の文字:;(0x3b)に誤りがあります\r\n"},
        {"E119", "y = [1];\n", 4, "E119 行番号(1)カラム位置(6)の文字:1(0x31)に誤りがあります\r\n"},
        {"E120", "y = '1;\n", 4, "E120 行番号(1)カラム位置(6)の文字:1(0x31)に誤りがあります\r\n"},
        {"E121", "y = $a;\n", 4, "E121 行番号(1)カラム位置(5)の文字:$(0x24)に誤りがあります\r\n"},
        {"E122", "y = $101;\n", 4, "E122 行番号(1)カラム位置(5)の文字:$(0x24)に誤りがあります\r\n"},
        {"E123 high byte shown unsigned", "y = \x7f;\n", 4, "E123 行番号(1)カラム位置(5)の文字:\x7f(0x7f)に誤りがあります\r\n"},
        {"group variable named", "#d=Temp\ny = Temp;\n", 4, "E101 行番号(2)カラム位置(5)の文字:Tempに誤りがあります\r\n"},
        {"E107 goes on", "y = FOO(1);\n", 0, "E107 行番号(1) カラム位置(5)の外部関数名(FOO)が誤っています\r\n"
                                             "F112 行番号(1) カラム位置(5)の演算(FOO)が間違っています\r\n"},
        {"F6561 and F656 go on", "x3; x5; y@; y2;\n", 0,
         "F6561 行番号(1) カラム位置(5)で、?指定変数(x)でないのに異なるサイズ(5)を指定しています\r\n"
         "F656 行番号(1) カラム位置(13)で、１要素限定変数(y)にサイズ(2)を指定しています\r\n"},
    };
    expect_stages(cases);
}

TEST(Keywords, LookupAndFunctionWords)
{
    calc_test::start();
    EXPECT_EQ(15, find_keyword("SIN"));
    EXPECT_EQ(97, find_keyword("ELEMENT"));
    EXPECT_EQ(66, find_keyword("NOT"));
    EXPECT_EQ(81, find_keyword("COMPLEX"));
    EXPECT_EQ(81, find_keyword("CX"));
    EXPECT_EQ(9999, find_keyword("PRT"));
    EXPECT_EQ(9999, find_keyword("FOO"));
    EXPECT_EQ(-1, find_keyword("foo"));
    EXPECT_EQ(-1, find_keyword(""));
    EXPECT_EQ(1, is_func_keyword("ALL"));
    EXPECT_EQ(1, is_func_keyword("PRT"));
    EXPECT_EQ(1, is_func_keyword("LLA"));
    EXPECT_EQ(1, is_func_keyword("DELTA"));
    EXPECT_EQ(0, is_func_keyword("FOO"));
    EXPECT_STREQ("SIGMA", sym_keyword("∑"));
    EXPECT_EQ(nullptr, sym_keyword("ab"));
}

TEST(Keywords, ExternalFunctionListMatchesTheGoldenFile)
{
    calc_test::start();
    print_ext_func_list();
    EXPECT_EQ(calc_test::read_file(CALC_FIXTURES "/ext_func_list.txt"), calc_test::captured());
}

TEST(Syntax, TreeShapes)
{
    calc_test::run("a=b+c*q;\n");
    const int root = calc_node_num - 1;
    ASSERT_EQ('Z', calc_node_tab[root].type);
    const int e = calc_node_tab[root].child;
    EXPECT_EQ('E', calc_node_tab[e].type);
    EXPECT_EQ(1, calc_node_tab[e].code);
    const int p = calc_node_tab[e].child + 1;
    EXPECT_EQ('P', calc_node_tab[p].type);
    EXPECT_EQ('M', calc_node_tab[calc_node_tab[p].child + 1].type);

    calc_test::run("POW(x, y);\nALL(i){ };\nIF(x){ } ELSEIF(y){ } ELSE(){ };\na=-b; a-b; a=2k;\n");
    const int r2 = calc_node_num - 1;
    const int pw = calc_node_tab[r2].child;
    EXPECT_EQ('F', calc_node_tab[pw].type);
    EXPECT_EQ(2, calc_node_tab[pw].nchild);
    const int all = pw + 2;
    EXPECT_EQ('G', calc_node_tab[all].type);
    EXPECT_EQ(10, calc_node_tab[all].code);
    const int chain = pw + 4;
    EXPECT_EQ('O', calc_node_tab[chain].type);
    const int d = calc_node_tab[chain].child;
    EXPECT_EQ('D', calc_node_tab[d].type);
    EXPECT_EQ('S', calc_node_tab[calc_node_tab[d].child + 1].type);
    const int o2 = calc_node_tab[d].child;
    EXPECT_EQ('O', calc_node_tab[o2].type);
    EXPECT_EQ('D', calc_node_tab[calc_node_tab[o2].child].type);
    const int neg = pw + 6;
    EXPECT_EQ('U', calc_node_tab[calc_node_tab[neg].child + 1].type);
    EXPECT_EQ('P', calc_node_tab[pw + 8].type);
    const int prod = pw + 10;
    EXPECT_EQ('X', calc_node_tab[calc_node_tab[prod].child + 1].type);
}

TEST(Checks, DeclarationsLocalsAndIndexShapes)
{
    const stage_case cases[] = {
        {"F333 local out of range", "_F2(x) { d0 = 1; d1 = 2; d2 = 3; RETURN(x); };\n", 9,
         "F333 行番号(1) カラム位置(26)の局所変数(d2)の番号が範囲外です\r\nF900 構文に誤りがあります\r\n"},
        {"F843 dimensions", "i3; j3; x(i) = 1; x(i, j) = 2;\n", 9,
         "F843 行番号(1) カラム位置(19)の、変数(x)が他行(?)の次元と矛盾があります dim(2←1)\r\n"
         "F900 構文に誤りがあります\r\n"},
        {"F840 sizes", "i3; j4; x(i) = 1;\nx(j) = 2;\n", 9,
         "F840 行番号(2) カラム位置(1)の、変数(x)が他行(?)のサイズと矛盾があります size(5←4)\r\n"
         "F900 構文に誤りがあります\r\n"},
        {"F842 index form", "i3; x(i, 2) = 1;\n", 9,
         "F842 行番号(1) カラム位置(5)に許されない指定があります\r\nF900 構文に誤りがあります\r\n"},
        {"F841 index form", "i3; j3; x(i, 1 + j) = 1;\n", 9,
         "F841 行番号(1) カラム位置(9)に許されない指定があります\r\nF900 構文に誤りがあります\r\n"},
        {"F971", "i2; MATRIX(A(i, i, i)) { };\n", 9,
         "F971 行番号(1) カラム位置(12)に許されない指定があります\r\nF900 構文に誤りがあります\r\n"},
        {"F972", "i2; j3; MATRIX(A(i, j)) { };\nMATRIX(A(i)) { };\n", 9,
         "F972 行番号(2) カラム位置(8)の、変数(A)が他行(1)の次元と矛盾があります dim(1)\r\nF900 構文に誤りがあります\r\n"},
        {"F973", "i2; j3; MATRIX(A(i)) { };\nMATRIX(A(j)) { };\n", 9,
         "F973 行番号(2) カラム位置(8)の、変数(A)が他行(1)の次元又はサイズと矛盾があります dim(1) size(4)\r\n"
         "F900 構文に誤りがあります\r\n"},
        {"F974", "i2; j3; MATRIX(A(i, j)) { };\nMATRIX(A(j, j)) { };\n", 9,
         "F974 行番号(2) カラム位置(8)の、変数(A)が他行(1)の次元又はサイズと矛盾があります dim(2) size(4)\r\n"
         "F900 構文に誤りがあります\r\n"},
        {"F975", "i2; j3; MATRIX(A(i, j)) { };\nMATRIX(A(i, i)) { };\n", 9,
         "F975 行番号(2) カラム位置(8)の、変数(A)が他行(1)の次元又はサイズと矛盾があります dim(2) size(3)\r\n"
         "F900 構文に誤りがあります\r\n"},
        {"F678", "i2; j2; x(i):(j) = 1;\n", 9,
         "F678 行番号(1) カラム位置(9)で、ARRAY文が無いかARRAY文の前に偏微分用配列(x)が利用されています\r\n"
         "F900 構文に誤りがあります\r\n"},
        {"F277", "i2; MATRIX(A(i)) { };\nIMATRIX(A(i)) { };\n", 4,
         "F277 行番号(2) カラム位置(9)の変数(A)に関して、行列の種類に矛盾があります\r\n"
         "E1061 行番号(2)カラム位置(9)の文字:A(0x41)に誤りがあります\r\n"},
    };
    expect_stages(cases);
}

TEST(Passes, KindContradictions)
{
    const stage_case cases[] = {
        {"complex operand", "i2; MATRIX(A(i)) { };\ny = REAL(A);\n", 14,
         "F334 行番号(2) カラム位置(10)の変数(A)の演算種別(複素数)に矛盾があります\r\nF999 処理を中断します\r\n"},
        {"IMATRIX", "i2; MATRIX(A(i)) { };\nIMATRIX() { x = A; };\n", 14,
         "F334 行番号(2) カラム位置(17)の変数(A)の演算種別(IMATRIX)に矛盾があります\r\nF999 処理を中断します\r\n"},
        {"MATRIX", "i2; IMATRIX(B(i)) { };\nMATRIX() { x = B; };\n", 14,
         "F333 行番号(2) カラム位置(16)の変数(B)の演算種別(MATRIX)に矛盾があります\r\nF999 処理を中断します\r\n"},
        {"QUATERNION", "i2; MATRIX(A(i)) { };\nQUATERNION() { x = A; };\n", 14,
         "F331 行番号(2) カラム位置(20)の変数(A)の演算種別(QUATERNION)に矛盾があります\r\nF999 処理を中断します\r\n"},
        {"CAYLEY", "i2; MATRIX(A(i)) { };\nCAYLEY() { x = A; };\n", 14,
         "F332 行番号(2) カラム位置(16)の変数(A)の演算種別(CAYLEY)に矛盾があります\r\nF999 処理を中断します\r\n"},
    };
    expect_stages(cases);
}

TEST(Passes, EstimatesAndStorage)
{
    struct estimate_case {
        const char *program;
        const char *line;
    };
    const estimate_case cases[] = {
        {"i10; j20; ALL(i, j) { a = 1; };\n", "F907 繰り返し回数は(200)です、最大可能数(1000000000)\r\n"},
        {"i10; j20; ALL(i) { ALL(j) { a = 1; }; };\n", "F907 繰り返し回数は(200)です、最大可能数(1000000000)\r\n"},
        {"i10; j20; ALL(i) { a = 1; }; ALL(j) { a = 1; };\n", "F907 繰り返し回数は(20)です、最大可能数(1000000000)\r\n"},
        {"i1000; j1000; k1000; IF(0) { ALL(i, j, k) { a = 1; }; };\n",
         "F907 繰り返し回数は(1000000000)です、最大可能数(1000000000)\r\n"},
        {"a = 1;\n", "F907 繰り返し回数は(1)です、最大可能数(1000000000)\r\n"},
    };
    for (const auto &c : cases) {
        const auto r = run(c.program);
        EXPECT_EQ(0, r.rc) << c.program;
        EXPECT_NE(std::string::npos, r.out.find(c.line)) << c.program << r.out;
    }
    const auto r = run("x0 = 1;\nPRT(x0);\n");
    EXPECT_EQ("F520 変数(x)のサイズが指定されていません、取りあえず1個にします\r\n"
              "  no\t        x0\r\n   0\t  1.000000\r\n",
              body(r.out));
}

}  // namespace
