// Preprocessor: #if evaluation, active regions, the #define table, unmatched
// #endif, skipped lines, the environment definitions and saved states.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analyser/lexer.h"
#include "analyser/preproc.h"
#include "anal_support.h"

namespace {

// The tokens that reach the parsers.
std::string tokens_of(const std::string &text)
{
    anal_test::load_text(text);
    std::string out;
    int r;
    while ((r = next_token()) != -1) {
        if (r == 1) out += std::string(cur_token) + " ";
    }
    return out;
}

void define(const char *name, char mark = 0)
{
    copy_limited(define_tbl[d_num].name, name, define_name_size);
    define_tbl[d_num].line = 1;
    define_tbl[d_num].mark = mark;
    ++d_num;
}

class Preproc : public ::testing::Test {
protected:
    void SetUp() override { anal_test::fresh(); }
};

TEST_F(Preproc, EvalIfGoesLeftToRight)
{
    define("A");
    const struct {
        const char *text;
        int value;
    } cases[] = {
        {"", 1},
        {"/* x */", 1},
        {"0", 0},
        {"1", 1},
        {"!0", 1},
        {"FOO", 1},
        {"defined(A)", 1},
        {"defined(B)", 0},
        {"!defined(A)", 0},
        {"!defined(B)", 1},
        {"defined A", 1},
        {"defined(A)x", 1},
        {"0 || defined(A)", 1},
        {"defined(A) && 0", 0},
        {"0 && 0 || 1", 1},           // (0 && 0) || 1
        {"1 || 0 && 0", 0},           // (1 || 0) && 0, no precedence
        {"defined(A) | 0", 1},        // an unknown operator drops the term
        {"defined(B) && 1 // c", 0},
    };
    for (const auto &c : cases) EXPECT_EQ(eval_if(c.text), c.value) << c.text;
}

TEST_F(Preproc, ActiveRegions)
{
    const struct {
        const char *source;
        const char *tokens;
    } cases[] = {
        {"#if 0\na\n#else\nb\n#endif\nc\n", "b c "},
        {"#if 1\na\n#elif 1\nb\n#else\nc\n#endif\n", "a "},
        {"#if 0\na\n#elif 1\nb\n#else\nc\n#endif\nd\n", "c d "},
        {"#define X\n#ifdef X\na\n#endif\n#ifndef X\nb\n#endif\n", "a "},
        {"#ifdef Y\na\n#else\nb\n#endif\n", "b "},
        // include guards stay active with a #define or an #undef inside
        {"#ifndef G\n#define G\n#define H\na\n#endif\n", "a "},
        {"#define H\n#ifndef G\n#define G\n#undef H\na\n#endif\n", "a "},
        {"#ifndef G\n#define G\n#undef G\na\n#endif\n", "a "},
        // a #define in an inactive region defines nothing
        {"#if 0\n#define Z\n#endif\n#ifdef Z\na\n#endif\nb\n", "b "},
        // nor does an #undef delete anything there
        {"#define U\n#if 0\n#undef U\n#endif\n#ifdef U\na\n#endif\n", "a "},
        {"IMPLEMENT_DYNCREATE(x)\na\n", "a "},
        {"#define M \\\n  one \\\n  two\na\n", "a "},
        {"#include <x.h> // note\na\n", "a "},
        {"#define N 1 /* c */ + 2\na\n", "a "},
    };
    for (const auto &c : cases) {
        anal_test::fresh();
        EXPECT_EQ(tokens_of(c.source), c.tokens) << c.source;
    }
}

TEST_F(Preproc, DefineTableAndLineClasses)
{
    tokens_of("#define F(x) x\n#define G (y)\n#define L \\\n 1\nint a; /* c */\n#if 0\nb\n\n#endif\n");
    ASSERT_EQ(d_num, 3);
    EXPECT_STREQ(define_tbl[0].name, "F");
    EXPECT_EQ(define_tbl[0].mark, 1);
    EXPECT_EQ(define_tbl[0].line, 1);
    EXPECT_STREQ(define_tbl[1].name, "G");
    EXPECT_EQ(define_tbl[1].mark, 0);
    EXPECT_EQ(is_defined_mark("F"), 1);
    EXPECT_EQ(is_defined_mark("G"), 0);
    EXPECT_EQ(define_missing("G"), 0);
    EXPECT_EQ(define_missing_before("G", 1), 1);
    EXPECT_EQ(line_class[0], 1);
    EXPECT_EQ(line_class[3], 1);  // the continuation of a #define
    EXPECT_EQ(line_class[4], 8 | 4);
    EXPECT_EQ(line_class[6], 2 | 8);  // its token is read, then dropped
    EXPECT_EQ(line_class[7], 0);  // a blank inactive line
}

TEST_F(Preproc, DeepNestingCountsTheExtraLevels)
{
    std::string text;
    for (int i = 0; i < 30; ++i) text += "#if 1\n";
    text += "a\n#else\nb\n";
    for (int i = 0; i < 30; ++i) text += "#endif\n";
    text += "c\n";
    EXPECT_EQ(tokens_of(text), "a b c ");
    EXPECT_EQ(if_depth, 0);
    EXPECT_EQ(if_extra, 0);
    EXPECT_EQ(anal_test::code_output(), "");

    anal_test::fresh();
    text = "#if 0\n";
    for (int i = 0; i < 30; ++i) text += "#if 1\n";
    text += "a\n";
    for (int i = 0; i < 31; ++i) text += "#endif\n";
    text += "c\n";
    EXPECT_EQ(tokens_of(text), "c ");
}

TEST_F(Preproc, UnmatchedEndifIsReported)
{
    anal_test::write_file("vokerror.txt", "old\n");
    EXPECT_EQ(tokens_of("a\n#endif\nb\n"), "a b ");
    EXPECT_EQ(anal_test::read_file("vokerror.txt"), "ファイル(src.c)の2行に対応しない#endifが見つかりました\n");
    EXPECT_EQ(anal_test::code_output(), "E343 ファイル(src.c)の2行目に対応しない#endifが見つかりました\r\n");
    ASSERT_EQ(capture_anal::dev_lines.size(), 1u);
    EXPECT_EQ(capture_anal::dev_lines[0], "〒 file(src.c) is_num(0) 2:#endif\n");
}

TEST_F(Preproc, EnvironmentDefinitions)
{
    load_env_defines("variable.def");
    EXPECT_EQ(d_num, 0);  // no "vstacks.dat": the not-found text is no entry

    anal_test::write_file("vstacks.dat", "other\tX\nhome\tWIN32\tDEBUG(x) 1\t_UNICODE/*u*/\n");
    load_env_defines("variable.def");
    ASSERT_EQ(d_num, 3);
    EXPECT_STREQ(define_tbl[0].name, "WIN32");
    EXPECT_STREQ(define_tbl[1].name, "DEBUG");
    EXPECT_STREQ(define_tbl[2].name, "_UNICODE");
    EXPECT_EQ(define_tbl[1].line, -1);
    EXPECT_EQ(snapshot_num, 3);

    anal_test::write_file("vstacks.dat", "other\tX\n");
    load_env_defines("variable.def");
    EXPECT_EQ(d_num, 0);

    define("LATE");
    restore_defines();
    EXPECT_EQ(d_num, 0);
}

TEST_F(Preproc, SaveAndRestoreDropLaterDefines)
{
    anal_test::load_text("a\n#define X\nb\n#if 0\nc\n#endif\nd\n");
    ASSERT_EQ(next_token(), 1);
    reader_state state;
    save_reader_state_to(&state);
    save_reader_state();
    while (next_token() != -1) {
    }
    EXPECT_EQ(d_num, 1);
    load_reader_state_from(&state);
    EXPECT_EQ(d_num, 0);
    EXPECT_STREQ(cur_token, "a");
    ASSERT_EQ(next_token(), 1);
    EXPECT_STREQ(cur_token, "b");
    EXPECT_EQ(cur_line, 3);
    restore_reader_state();
    ASSERT_EQ(next_token(), 1);
    EXPECT_STREQ(cur_token, "b");

    // a restored state never raises the count
    save_reader_state();
    d_num = 0;
    define_tbl[0].name[0] = '\0';
    restore_reader_state();
    EXPECT_EQ(d_num, 0);
}

TEST_F(Preproc, CopyHelpersAtTheirLimits)
{
    char buf[8];
    EXPECT_STREQ(copy_word(buf, "abcdefghij", 8), "abcdefg");
    EXPECT_STREQ(copy_word(buf, "ab(c", 8), "ab");
    EXPECT_STREQ(copy_word(buf, "ab/c", 8), "ab");
    EXPECT_STREQ(copy_word(buf, "ab\tc", 8), "ab");
    EXPECT_STREQ(copy_limited(buf, "abcdefghij", 8), "abcdefg");
    EXPECT_STREQ(copy_limited(buf, "a b", 8), "a b");
    const char *text = "a b,next";
    const char *rest = copy_field(buf, text, 8);
    EXPECT_STREQ(buf, "a b");
    EXPECT_STREQ(rest, "next");
    rest = copy_field(buf, "x(y", 8);
    EXPECT_STREQ(buf, "x");
    EXPECT_STREQ(rest, "(y");
    rest = copy_field(buf, "abcdefghij;k", 8);
    EXPECT_STREQ(buf, "abcdefg");
    EXPECT_STREQ(rest, "hij;k");
    char one[1];
    EXPECT_STREQ(copy_word(one, "abc", 1), "");
}

TEST_F(Preproc, DirectiveMatching)
{
    const char *pos = nullptr;
    EXPECT_EQ(match_directive("  #  define X", "#define", 7, &pos), 0);
    EXPECT_STREQ(pos, " X");
    EXPECT_EQ(match_directive("x #define", "#define", 7, &pos), 1);
    EXPECT_EQ(first_nonblank(" \t#x"), '#');
    EXPECT_EQ(is_blank_line(" \t\r\n"), 1);
    EXPECT_EQ(is_blank_line(" x\n"), 0);
}

}  // namespace
