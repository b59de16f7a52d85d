// Lexer: the token forms, comments, literals, long tokens, line numbers,
// statement lines and names.
#include <gtest/gtest.h>

#include <string>

#include <cstring>

#include "analyser/lexer.h"
#include "analyser/preproc.h"
#include "analyser/startup_tables.h"
#include "shell/sjis.h"
#include "anal_support.h"

namespace {

// "token/result" pairs separated by blanks, from tokenize.
std::string raw_tokens(const std::string &text)
{
    anal_test::load_text(text);
    std::string out;
    int r;
    while ((r = tokenize()) != -1) out += std::string(cur_token) + "/" + std::to_string(r) + " ";
    return out;
}

class Lexer : public ::testing::Test {
protected:
    void SetUp() override { anal_test::fresh(); }
};

TEST_F(Lexer, TokenForms)
{
    const struct {
        const char *text;
        const char *tokens;
    } cases[] = {
        {"a+=b", "a/1 +=/1 b/1 "},
        {"a<<=b", "a/1 <<=/1 b/1 "},
        {"a==b", "a/1 ==/1 b/1 "},
        {"x=-1", "x/1 =/1 -/1 1/1 "},
        {"a/b", "a/1 //0 b/1 "},
        {"p->q++;", "p/1 ->/1 q/1 ++/1 ;/1 "},
        {"a!=b&&c", "a/1 !=/1 b/1 &&/1 c/1 "},
        {"a=!b", "a/1 =/1 !/1 b/1 "},
        {"std::x", "std/1 ::/1 x/1 "},
        {"a/=2", "a/1 /=/1 2/1 "},
        {"f(a,b){}", "f/1 (/1 a/1 ,/1 b/1 )/1 {/1 }/1 "},
        {"a // note\nb", "a/1 /*/0 b/1 "},
        {"a /* x\ny */ b", "a/1 /* x\ny *//0 b/1 "},
        {"a /* x*y/z **/ b", "a/1 /* x*y/z **//0 b/1 "},
        {"ab+cd\nef", "ab/1 +/1 cd/1 ef/1 "},
        {"s = \"a\\\"b\";", "s/1 =/1 \"a\\\"b\"/1 ;/1 "},
        {"L\"x y\" 'c'", "L\"x y\"/1 'c'/1 "},
        {"\"ab\\\ncd\"", "\"abcd\"/1 "},
        {"\"ソ\" x", "\"ソ\"/1 x/1 "},
        {"\"表a\\\\\" \t b", "\"表a\\\\\"/1 b/1 "},  // a trail byte 0x5C is no escape
        {"'a''\\''", "'a'/1 '\\''/1 "},
    };
    for (const auto &c : cases) {
        anal_test::fresh();
        EXPECT_EQ(raw_tokens(c.text), c.tokens) << c.text;
    }
}

TEST_F(Lexer, UnclosedLiteralEndsAtTheLineEnd)
{
    EXPECT_EQ(raw_tokens("x = \"abc\ny;\n"), "x/1 =/1 \"abc/1 y/1 ;/1 ");
    EXPECT_EQ(anal_test::code_output(), "src.c(1):行に閉じていない[\"]が存在します\r\n");
}

TEST_F(Lexer, LineNumbersAfterCommentsAndLiterals)
{
    const std::string big(25000, 'x');
    const struct {
        const char *name;
        std::string text;
        size_t first_length;
    } cases[] = {
        {"block comment", "/*" + big + "\n\n*/\nnext\n", (size_t)token_size - 1},
        {"word", big + "\n\n\nnext\n", (size_t)token_size - 1},
        {"literal", "\"" + big + "\\\n\\\n\"\nnext\n", (size_t)token_size - 1},
        {"short comment", "/* a\nb\n*/\nnext\n", 9},
        {"line comment", "// a\n\n\nnext\n", 2},
    };
    for (const auto &c : cases) {
        anal_test::fresh();
        anal_test::load_text(c.text);
        ASSERT_NE(next_token(), -1) << c.name;
        EXPECT_EQ(strlen(cur_token), c.first_length) << c.name;
        ASSERT_EQ(next_token(), 1) << c.name;
        EXPECT_STREQ(cur_token, "next") << c.name;
        EXPECT_EQ(cur_line, 4) << c.name;
    }
}

TEST_F(Lexer, StatementLineAndNames)
{
    anal_test::load_text("int\n/* c */\nf(a.b.c\n, COMMMSTVEXPORT /**/ x)\n");
    next_token();  // int
    next_token();  // the comment
    next_token();  // f
    EXPECT_EQ(stmt_line(), 2);  // the line after the last token
    next_token();  // (
    ASSERT_EQ(next_name(), 1);
    EXPECT_STREQ(cur_token, "c");
    next_token();  // ,
    ASSERT_EQ(next_name(), 1);
    EXPECT_STREQ(cur_token, "x");
    EXPECT_EQ(cur_line, 4);
    next_token();  // )
    EXPECT_EQ(next_name(), -1);
    EXPECT_NE(anal_test::code_output().find("★EOFを検出しましたcode(\"E2071\")"), std::string::npos);
}

TEST_F(Lexer, NumFillAndCase)
{
    EXPECT_STREQ(num_fill(42, 5, '0'), "00042");
    EXPECT_STREQ(num_fill(42, 12, ' '), "        42");
    EXPECT_STREQ(num_fill(123456, 3, '0'), "456");
    EXPECT_EQ(to_lower_ascii('Q'), 'q');
    EXPECT_EQ(to_lower_ascii('1'), '1');
    EXPECT_EQ(swap_case_ascii('a'), 'A');
    EXPECT_EQ(swap_case_ascii('A'), 'a');
    EXPECT_EQ(is_sjis_lead(0x83), 1);
    EXPECT_EQ(is_sjis_lead(0xA1), 0);
}

}  // namespace
