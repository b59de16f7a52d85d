// Search keys: key tokens, matching at the current token, the multi keys
// and the word helpers.
#include <gtest/gtest.h>

#include <string>

#include "analyser/anal_inputs.h"
#include "analyser/lexer.h"
#include "analyser/search_keys.h"
#include "anal_support.h"

namespace {

std::string key_tokens_of(const char *text)
{
    key_tokens rows;
    tokenize_key(&rows, text);
    std::string out;
    for (int i = 0; i < rows.count; ++i) out += std::string("[") + rows.token[i] + "]";
    return out;
}

// The lines (1-based) at whose tokens the key matches.
std::string hits(const char *key, const std::string &source)
{
    set_search_key(key);
    anal_test::load_text(source);
    std::string out;
    while (next_token() != -1) {
        if (match_key() == 0) out += std::to_string(cur_line) + ":" + cur_token + " ";
    }
    return out;
}

class Keys : public ::testing::Test {
protected:
    void SetUp() override { anal_test::fresh(); }
};

TEST_F(Keys, KeyTokens)
{
    const struct {
        const char *text;
        const char *tokens;
    } cases[] = {
        {"a@=@b", "[a][=][b]"},
        {"x<<=1", "[x][<<=][1]"},
        {"p->q", "[p][->][q]"},
        {"a=-1", "[a][=][-][1]"},
        {"a==b", "[a][==][b]"},
        {"f(*)", "[f][(][*][)]"},
        {"name ", "[name][?]"},
        {"s@\"a b\"", "[s][\"a b\"]"},
        {"\"x\\\"y\"", "[\"x\\\"y\"]"},
        {"\"open", "[\"open]"},
        {"ソース", "[ソース]"},
    };
    for (const auto &c : cases) EXPECT_EQ(key_tokens_of(c.text), c.tokens) << c.text;
}

TEST_F(Keys, Matching)
{
    const struct {
        const char *key;
        const char *source;
        const char *hits;
    } cases[] = {
        {"n", "n;\nm, n,\nn::x\nf(n)\n", "1:n 2:n 4:n "},
        {"f", "f(1);\n", "1:f "},
        {"a@*@b", "a(1) + b;\na; b;\na [2] = b\n", "1:a 3:a "},
        {"a@=@b", "a = b;\na = c;\n", "1:a "},
        {"s@\"x@y\"", "s \"x y\";\n", "1:s "},
        {"", "a b\n", ""},
    };
    for (const auto &c : cases) {
        anal_test::fresh();
        EXPECT_EQ(hits(c.key, c.source), c.hits) << c.key;
    }
    // during a tree extraction by key, a call is no reference
    anal_test::fresh();
    tree_extract = 1;
    EXPECT_EQ(hits("f", "f(1);\nx = f;\n"), "2:f ");
    tree_extract = 0;
}

TEST_F(Keys, MatchLeavesTheReaderWhereItWas)
{
    set_search_key("a@*@b");
    anal_test::load_text("a (1) b c\n");
    next_token();
    EXPECT_EQ(match_key(), 0);
    EXPECT_STREQ(cur_token, "a");
    next_token();
    EXPECT_STREQ(cur_token, "(");
    // the input ends during the match
    set_search_key("c@d");
    anal_test::load_text("c\n");
    next_token();
    EXPECT_EQ(match_key(), 3);
}

TEST_F(Keys, MultiKeys)
{
    for (int i = 0; i < 10; ++i) EXPECT_EQ(add_multi_key(("k" + std::to_string(i) + " x").c_str()), 0);
    EXPECT_EQ(add_multi_key("eleven"), 1);
    EXPECT_EQ(multi_key_active(), 1);
    EXPECT_STREQ(multi_keys[0].text, "k0@x");
    EXPECT_EQ(is_key_name("k3@x"), 0);
    EXPECT_NE(is_key_name("k3 x"), 0);

    clear_multi_keys();
    add_multi_key("a b");
    add_multi_key("c");
    win_handle edit = capture::new_edit("old\r\n");
    list_multi_keys(edit);
    EXPECT_EQ(capture::edit_text(edit),
              "old\r\n----- 2 件 -----\r\na b\r\n[  0]→(a)\r\n[  1]→(b)\r\nc\r\n[  0]→(c)\r\n");

    anal_test::load_text("x c y\n");
    next_token();
    EXPECT_EQ(match_key(), 1);
    next_token();
    EXPECT_EQ(match_key(), 0);
    EXPECT_STREQ(matched_key_text, "c");
}

TEST_F(Keys, WordHelpers)
{
    EXPECT_EQ(is_operator_text("+ = @"), 1);
    EXPECT_EQ(is_operator_text(""), 1);
    EXPECT_EQ(is_operator_text("a+"), 0);
    EXPECT_EQ(match_file_patterns("anything"), 1);  // no words yet
    EXPECT_EQ(split_words("  foo\tbar "), 2);
    EXPECT_EQ(match_file_patterns("xbarxfoo"), 0);
    EXPECT_EQ(match_file_patterns("foo only"), 1);
    EXPECT_EQ(find_text("int a  b;", "a@@b"), 0);
    EXPECT_EQ(find_text("int ab;", "a@b"), 1);
    EXPECT_EQ(find_text("aab", "ab"), 0);
    EXPECT_EQ(has_substring("hello", "ell"), 0);
    EXPECT_EQ(has_substring("hello", "elk"), 1);
}

}  // namespace
