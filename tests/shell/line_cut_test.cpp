// Names from list lines: dashes, numbered prefixes and apostrophes.
#include <gtest/gtest.h>

#include <string>

#include "shell/line_cut.h"

TEST(LineCut, TrimDashesKeepsTwoCharacters)
{
    const struct {
        const char *in, *out;
    } rows[] = {{"abc---", "abc"}, {"a--", "a-"}, {"---", "--"}, {"-", "-"}, {"x-y", "x-y"}, {"", ""}};
    for (const auto &r : rows) {
        char buf[32];
        snprintf(buf, sizeof buf, "%s", r.in);
        trim_dashes(buf);
        EXPECT_STREQ(buf, r.out) << r.in;
    }
}

TEST(LineCut, ParseNumberPairCodes)
{
    const struct {
        const char *text;
        int result, second;
        const char *rest;
    } rows[] = {
        {"12:foo", 12, -1, "foo"}, {"3(4):bar", 3, 4, "bar"}, {"foo", -1, -1, nullptr},
        {"12", -4, -1, nullptr},   {"12:", -5, -1, nullptr},  {"3():x", -2, -1, nullptr},
        {"3(4:x", -3, -1, nullptr}, {"3(a):x", -3, -1, nullptr}, {"0:z", 0, -1, "z"},
    };
    for (const auto &r : rows) {
        const char *rest = nullptr;
        int second = 99;
        EXPECT_EQ(parse_number_pair(r.text, &rest, &second), r.result) << r.text;
        EXPECT_EQ(second, r.second) << r.text;
        if (r.rest != nullptr) {
            EXPECT_STREQ(rest, r.rest) << r.text;
        }
    }
}

TEST(LineCut, CutLinePrefixLeavesTheName)
{
    const struct {
        const char *in, *out;
    } rows[] = {{"12:foo", "foo"}, {"3(4):''bar'x", "bar"}, {"'name''", "name"}, {"plain", "plain"},
                {"12:", "12:"},    {"5(6)foo", "5(6)foo"}};
    for (const auto &r : rows) {
        char buf[32];
        snprintf(buf, sizeof buf, "%s", r.in);
        cut_line_prefix(buf);
        EXPECT_STREQ(buf, r.out) << r.in;
    }
}
