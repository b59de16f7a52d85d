// Byte-string helpers, bounded formatting and the CR-dropping line reader.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "shell/text.h"

namespace {

using edit_fn = int (*)(char *);

struct edit_case {
    const char *name;
    edit_fn fn;
    const char *in;
    const char *out;
};

TEST(TextEdits, ChangeStringsInPlace)
{
    const edit_case cases[] = {
        {"trim tabs and blanks", trim_blanks, "\t a b \t", "a b"},
        {"trim only blanks", trim_blanks, "   ", ""},
        {"trim empty", trim_blanks, "", ""},
        {"trim keeps inner", trim_blanks, "a \t b", "a \t b"},
        {"trim dashes", trim_blanks_dash, "--a-b--", "a-b"},
        {"trim dashes and blanks", trim_blanks_dash, " - x - ", "x"},
        {"only dashes", trim_blanks_dash, "-- -", ""},
        {"blanks to at", blanks_to_at, " a  b\tc ", "a@@b@c"},
        {"cut last dot", cut_extension, "a.b.c", "a.b"},
        {"no dot", cut_extension, "abc", "abc"},
        {"dot in folder", cut_extension, "dir.d\\file", "dir"},
        {"Shift-JIS kept", trim_blanks, " ソース ", "ソース"},
    };
    for (const auto &c : cases) {
        char buf[64];
        snprintf(buf, sizeof buf, "%s", c.in);
        EXPECT_EQ(0, c.fn(buf)) << c.name;
        EXPECT_STREQ(c.out, buf) << c.name;
    }
}

TEST(TextTests, ChrInStrAndEndsWith)
{
    EXPECT_EQ(1, chr_in_str('b', "abc"));
    EXPECT_EQ(0, chr_in_str('d', "abc"));
    EXPECT_EQ(0, chr_in_str('\0', "abc"));
    EXPECT_EQ(0, chr_in_str('a', ""));
    EXPECT_EQ(1, chr_in_str(0xE0, "\xE0"));
    EXPECT_EQ(1, chr_in_str(static_cast<char>(0xE0), "\xE0"));

    EXPECT_EQ(1, ends_with("abc.c", ".c"));
    EXPECT_EQ(0, ends_with(".c", ".c"));
    EXPECT_EQ(0, ends_with("x.C", ".c"));
    EXPECT_EQ(1, ends_with("x", ""));
    EXPECT_EQ(0, ends_with("", ""));
}

TEST(TextTests, CopyTailFirstOpensAGap)
{
    char s[16] = "abcd";
    copy_tail_first(s + 2, s);
    EXPECT_STREQ("ababcd", s);
}

TEST(TextTests, BoundedCopyAndFormatEndOnACharacter)
{
    char buf[6];
    copy_bounded(buf, sizeof buf, "abcdefgh");
    EXPECT_STREQ("abcde", buf);
    copy_bounded(buf, sizeof buf, "abテスト");  // a pair would straddle the end
    EXPECT_STREQ("abテ", buf);
    copy_bounded(buf, sizeof buf, "ab");
    EXPECT_STREQ("ab", buf);
    copy_span(buf, sizeof buf, "abc def", 3);  // the span alone
    EXPECT_STREQ("abc", buf);
    copy_span(buf, sizeof buf, "aテスト x", 7);  // cut to fit, between characters
    EXPECT_STREQ("aテス", buf);

    EXPECT_EQ(0, format_text(buf, sizeof buf, "%d", 42));
    EXPECT_STREQ("42", buf);
    EXPECT_EQ(1, format_text(buf, sizeof buf, "xy%s", "テスト"));
    EXPECT_STREQ("xyテ", buf);  // the lead byte of ス alone is dropped
    EXPECT_EQ(1, format_text(buf, sizeof buf, "%s", "abcdefgh"));
    EXPECT_STREQ("abcde", buf);
}

std::string write_file(const char *name, const char *bytes, size_t n)
{
    FILE *fp = fopen(name, "wb");
    fwrite(bytes, 1, n, fp);
    fclose(fp);
    return name;
}

TEST(ReadLine, DropsTheCarriageReturnBeforeLineFeed)
{
    const char data[] = "one\r\ntwo\nthree\r\n\r\nlast";
    write_file("lines.txt", data, sizeof data - 1);
    FILE *fp = fopen("lines.txt", "rb");
    ASSERT_NE(nullptr, fp);
    char buf[32];
    const char *expected[] = {"one\n", "two\n", "three\n", "\n", "last"};
    for (const char *e : expected) {
        ASSERT_NE(nullptr, read_line(buf, sizeof buf, fp));
        EXPECT_STREQ(e, buf);
    }
    EXPECT_EQ(nullptr, read_line(buf, sizeof buf, fp));
    fclose(fp);
}

TEST(ReadLine, LongLinesComeInPiecesWithoutTheCarriageReturn)
{
    // The first piece ends on the CR of a CR LF pair.
    const char data[] = "abcdef\r\nxy\r";
    write_file("pieces.txt", data, sizeof data - 1);
    FILE *fp = fopen("pieces.txt", "rb");
    ASSERT_NE(nullptr, fp);
    char buf[8];
    ASSERT_NE(nullptr, read_line(buf, sizeof buf, fp));
    EXPECT_STREQ("abcdef\n", buf);
    ASSERT_NE(nullptr, read_line(buf, sizeof buf, fp));
    EXPECT_STREQ("xy\r", buf);  // a lone CR at the end stays
    EXPECT_EQ(nullptr, read_line(buf, sizeof buf, fp));
    fclose(fp);
}

}  // namespace
