// The small services of the main screen's module: the lower-casing, the text
// swap, the drag classifiers, and the include merge with its failures.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "shell/include_lines.h"
#include "shell/main_services.h"
#include "shell/startup.h"
#include "shell/sysfile.h"
#include "tests/shell/shell_fixture.h"

using fixture::exists;
using fixture::read_file;
using fixture::write_file;

namespace {

TEST(MainServices, LowerInPlaceLowersAsciiOnlyAndKeepsShiftJisPairs)
{
    const struct {
        const char *in, *out;
    } cases[] = {
        {"ABC.H", "abc.h"},
        {"\x83\x41Z", "\x83\x41z"},    // "ア": its trail byte 0x41 is an "A"
        {"\x82\x60X", "\x82\x60x"},    // full-width "Ａ" stays
        {"Mixed\x94\x5A.C", "mixed\x94\x5A.c"},
        {"", ""},
        {"A\x83", "a\x83"},             // a lone lead byte at the end
    };
    for (const auto &c : cases) {
        char buf[64];
        snprintf(buf, sizeof buf, "%s", c.in);
        lower_in_place(buf);
        EXPECT_STREQ(c.out, buf) << c.in;
    }
}

TEST(MainServices, SwapStringsSwapsWhenBothFitAndNothingOtherwise)
{
    char a[8] = "", b[8] = "abc";
    EXPECT_EQ(0, swap_strings(a, sizeof a, b, sizeof b));
    EXPECT_STREQ("abc", a);
    EXPECT_STREQ("", b);
    char longer[16] = "long text", shorter[4] = "xy";
    EXPECT_EQ(1, swap_strings(longer, sizeof longer, shorter, sizeof shorter));
    EXPECT_STREQ("long text", longer);
    EXPECT_STREQ("xy", shorter);
    char exact[4] = "abc", other[4] = "日";
    EXPECT_EQ(0, swap_strings(exact, sizeof exact, other, sizeof other));
    EXPECT_STREQ("日", exact);
    EXPECT_STREQ("abc", other);
}

TEST(MainServices, DragClassifiers)
{
    const struct {
        int x0, y0, x1, y1, flow, list;
    } cases[] = {
        {100, 100, 106, 100, -1, -1}, {100, 100, 105, 100, 0, 0},   {100, 100, 165, 100, 1, -1},
        {100, 100, 164, 100, -1, -1}, {100, 100, 100, 67, -1, 2},   {100, 100, 300, 67, 1, 2},
        {100, 100, 100, 133, -1, 1},  {100, 100, 100, 132, -1, -1}, {100, 100, 100, 68, -1, -1},
        {100, 100, 95, 95, 0, 0},     {100, 100, 94, 100, -1, -1},  {0, 0, 0, 0, 0, 0},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.flow, drag_class(c.x0, c.y0, c.x1, c.y1)) << c.x1 << "," << c.y1;
        EXPECT_EQ(c.list, drag_class_v(c.x0, c.y0, c.x1, c.y1)) << c.x1 << "," << c.y1;
    }
}

// "work.fil" opened for writing as a stream that only reads: every write fails.
FILE *work_unwritable(const char *path, const char *mode)
{
    return mode[0] == 'w' ? sys_fopen("part.c", "r") : sys_fopen(path, mode);
}

FILE *work_unreadable(const char *path, const char *mode)
{
    return mode[0] == 'r' ? nullptr : sys_fopen(path, mode);
}

class IncludeLines : public folder_test {
protected:
    void TearDown() override
    {
        include_work_open = sys_fopen;
        xwin_mode = 0;
        folder_test::TearDown();
    }
    const std::string source = "head\n#include \"part.c\"\ntail\n";
};

TEST_F(IncludeLines, TheIncludeLineTakesThePartsLines)
{
    const struct {
        const char *name;
        int xwin;
        const char *part_name;  // as handed in
        const char *part_file;  // where the part lies
        std::string text;
        std::string expect;
    } cases[] = {
        {"blank form", 0, "part.c", "part.c", "a\n#include \"part.c\"\nb\n", "a\nP1\nP2\nb\n"},
        {"slot prefix dropped", 0, "0:part.c", "part.c", "a\n#include \"part.c\"\nb\n", "a\nP1\nP2\nb\n"},
        {"tab where a blank belongs", 0, "part.c", "part.c", "a\n#include\t\"part.c\"\nb\n",
         "a\n#include\t\"part.c\"\nb\n"},
        {"X mode: tab and lower case", 1, "0:PART.C", "PART.C", "a\n#include\t\"part.c\"\nb\n", "a\nP1\nP2\nb\n"},
        {"X mode refuses the blank form", 1, "part.c", "part.c", "a\n#include \"part.c\"\nb\n",
         "a\n#include \"part.c\"\nb\n"},
        {"no include line", 0, "part.c", "part.c", "a\nb\n", "a\nb\n"},
        {"include line last without newline", 0, "part.c", "part.c", "a\n#include \"part.c\"", "a\n#include \"part.c\""},
    };
    for (const auto &c : cases) {
        xwin_mode = c.xwin;
        write_file("src.c", c.text);
        write_file(c.part_file, "P1\nP2\n");
        EXPECT_EQ(0, add_include_lines(c.part_name, "src.c")) << c.name;
        EXPECT_EQ(c.expect, read_file("src.c")) << c.name;
        EXPECT_FALSE(exists(c.part_file)) << c.name;  // removed even when nothing was merged
        EXPECT_FALSE(exists("work.fil")) << c.name;
    }
}

TEST_F(IncludeLines, TheSourceInASecondSlotIsRewrittenWhereItLies)
{
    const std::string a = drive_dir("a"), b = drive_dir("b");
    select(a + "," + b);
    write_file(b + "\\src.c", source);
    write_file(b + "\\part.c", "P\n");
    EXPECT_EQ(0, add_include_lines("1:part.c", "src.c"));
    EXPECT_EQ("head\nP\ntail\n", read_file(b + "\\src.c"));
    EXPECT_FALSE(exists(a + "\\src.c"));
    EXPECT_FALSE(exists(b + "\\part.c"));
}

TEST_F(IncludeLines, FailuresLeaveTheSourceAndThePart)
{
    const struct {
        const char *name;
        FILE *(*open)(const char *, const char *);
        const char *blocker;  // a folder standing where a file must be written
        const char *source;   // the source name handed in
        int result;
    } cases[] = {
        {"work.fil cannot be opened", sys_fopen, "work.fil", "src.c", 1},
        {"work.fil write fails", work_unwritable, nullptr, "src.c", 1},
        {"no source", sys_fopen, nullptr, "none.c", 3},
        {"source temporary cannot be made", sys_fopen, "src.c.$$$", "src.c", 4},
        {"work.fil cannot be read back", work_unreadable, nullptr, "src.c", 5},
    };
    for (const auto &c : cases) {
        write_file("src.c", source);
        write_file("part.c", "P\n");
        include_work_open = c.open;
        if (c.blocker != nullptr) fixture::make_dir(c.blocker);
        EXPECT_EQ(c.result, add_include_lines("part.c", c.source)) << c.name;
        EXPECT_EQ(source, read_file("src.c")) << c.name;
        EXPECT_EQ("P\n", read_file("part.c")) << c.name;
        if (c.blocker != nullptr) fixture::remove_dir(c.blocker);
        include_work_open = sys_fopen;
    }
}

}  // namespace
