// The nesting listing "layer.txt", the switch indentation check and the
// marker-comment check.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "analyser/nesting.h"
#include "anal_support.h"

namespace {

class Nesting : public ::testing::Test {
protected:
    void SetUp() override
    {
        anal_test::fresh();
        remove("layer.txt");
    }
};

std::string repeat(const std::string &s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

std::string listing(const std::string &source, int layout, int kind)
{
    anal_test::write_file("nest.c", source);
    EXPECT_EQ(write_nesting_list("nest.c", "layer.txt", layout, kind), 1);
    return anal_test::read_file("layer.txt");
}

const char *const switch_source =
    "int f(int a)\n"
    "{\n"
    "\tswitch (a) {\n"
    "\tcase 1:\n"
    "\t\tbreak;\n"
    "\t}\n"
    "}\n";

TEST_F(Nesting, ListingWithLineNumbersAndDepths)
{
    EXPECT_EQ(listing(switch_source, 'C', 'x'),
              "    1:        :int f(int a)\n"
              "    2:  1 ┌--:{\n"
              "    3:  2 │    ┌:switch (a) {\n"
              "    4:  2 │    ├:case 1:\n"
              "    5:  2 │    │:    break;\n"
              "    6:  2 │    └:}\n"
              "    7:  1 └--:}\n");
}

TEST_F(Nesting, ListingForTheEditorHasNoLineNumbers)
{
    EXPECT_EQ(listing(switch_source, 'E', 'x'),
              "        :int f(int a)\n"
              "  1 ┌--:{\n"
              "  2 │    ┌:switch (a) {\n"
              "  2 │    ├:case 1:\n"
              "  2 │    │:    break;\n"
              "  2 │    └:}\n"
              "  1 └--:}\n");
}

// The balance and tab column is wider than its place: the line is cut to
// the field, before the source text.
TEST_F(Nesting, BalanceColumnIsCutToTheField)
{
    EXPECT_EQ(listing(switch_source, 'C', 'd'),
              "    1:  0   0  int f(int a)\n"
              "    2: +1   0┌{\n"
              "    3: +1   1│    switch (a) {\n"
              "    4:  0   1│    case 1:\n"
              "    5:  0   2│    │: break;\n"
              "    6: -1   1│    }\n"
              "    7: -1   0└}\n");
}

TEST_F(Nesting, CutThroughABarLeavesABlank)
{
    EXPECT_EQ(listing("{\n x;\n}\n", 'E', 'd'),
              " +1   0{\n"
              "  0   0 x;\n"
              " -1   0}\n");
}

TEST_F(Nesting, LineClassColumnWithoutBraces)
{
    EXPECT_EQ(listing("#if 0\n"
                      "int x;\n"
                      "#endif\n"
                      "int y() { return 0; } // c\n",
                      'C', 's'),
              "    1:...d:#if 0\n"
              "    2:r.i.:int x;\n"
              "    3:...d:#endif\n"
              "    4:rc..:int y() { return 0; } // c\n");
}

// The "#" kind draws the #if nesting; braces do not count.
TEST_F(Nesting, IfNestingListing)
{
    EXPECT_EQ(listing("#ifdef A\n"
                      "int a;\n"
                      "  #else\n"
                      "int b;\n"
                      "#endif\n"
                      "int c() {\n"
                      "}\n",
                      'C', '#'),
              "    1:  1 ┌:#ifdef A\n"
              "    2:  1 │:int a;\n"
              "    3:  1 ├:  #else\n"
              "    4:  1 │:int b;\n"
              "    5:  1 └:#endif\n"
              "    6:      :int c() {\n"
              "    7:      :}\n");    EXPECT_EQ(listing("#ifndef G\n#if X\n#elif Y\n#endif\n#endif\n", 'C', '#'),
              "    1:  1 ┌--:#ifndef G\n"
              "    2:  2 │┌:#if X\n"
              "    3:  2 │├:#elif Y\n"
              "    4:  2 │└:#endif\n"
              "    5:  1 └--:#endif\n");
}

TEST_F(Nesting, IfCountersActOnlyForTheIfListing)
{
    const std::string source = "#if 1\nint a;\n#endif\n";
    EXPECT_EQ(listing(source, 'C', 'x'), "    1:    :#if 1\n    2:    :int a;\n    3:    :#endif\n");
}

TEST_F(Nesting, WithoutBracesThereAreNoSymbols)
{
    const std::string source = "a;\n\tb;\n";
    EXPECT_EQ(listing(source, 'C', 'x'), "    1:    :a;\n    2:    :    b;\n");
    EXPECT_EQ(listing(source, 'E', 'x'), "    :a;\n    :    b;\n");
}

TEST_F(Nesting, SurplusClosingBracesDoNotGoBelowZero)
{
    EXPECT_EQ(listing("}\n}\nx;\n{\n}\n", 'C', 'x'),
              "    1:      :}\n"
              "    2:      :}\n"
              "    3:      :x;\n"
              "    4:  1 ┌:{\n"
              "    5:  1 └:}\n");
}

// 200 levels on one line: the levels past the depth stack are drawn
// without a recorded column.
TEST_F(Nesting, TwoHundredBracesOnALine)
{
    const std::string open = repeat("{", 200), close = repeat("}", 200);
    EXPECT_EQ(listing(open + "\n" + close + "\n", 'C', 'x'),
              "    1:200 " + repeat("│", 199) + "┌:" + open + "\n" + "    2:200 " + repeat("│", 199) + "└:" + close +
                  "\n");
}

TEST_F(Nesting, ColumnBeyond255)
{
    const std::string pad(300, ' ');
    EXPECT_EQ(listing("{\n" + pad + "{\n" + pad + "x;\n" + pad + "}\n}\n", 'C', 'x'),
              "    1:  1 ┌--:{\n"
              "    2:  2 │" + pad + "┌:{\n" +
                  "    3:  2 │" + pad + "│:x;\n" +
                  "    4:  2 │" + pad + "└:}\n" +
                  "    5:  1 └--:}\n");
}

TEST_F(Nesting, UnopenableListFileGivesZero)
{
    anal_test::write_file("nest.c", "a;\n");
    EXPECT_EQ(write_nesting_list("nest.c", "no_such_folder/layer.txt", 'C', 'x'), 0);
}

struct indent_case {
    const char *what;
    const char *source;
    int count;  // lines checked; 0 all
    int result;
    int line;
};

const indent_case indent_cases[] = {
    {"nested switches in order",
     "int f(int m)\n{\n\tswitch (m) {\n\tcase 1:\n\t\tswitch (n) {\n\t\tcase 2:\n\t\t\tbreak;\n\t\t}\n\t\tbreak;\n"
     "\tdefault:\n\t\tbreak;\n\t}\n}\n",
     0, 0, 0},
    {"switch not one tab deeper", "int f()\n{\n\t\tswitch (m) {\n\t\tcase 1:\n\t\t\tbreak;\n\t\t}\n}\n", 0, 1, 3},
    {"switch closed at another tab count", "{\n\tswitch (m) {\n\tcase 1:\n\t\tbreak;\n\t\t}\n}\n", 0, 2, 5},
    {"plain block closed at the switch's tab count", "{\n\tswitch (m) {\n\tcase 1:\n\t\tif (x) {\n\t}\n\t}\n}\n", 0, 3, 5},
    {"case one tab deeper", "{\n\tswitch (m) {\n\t\tcase 1:\n\t\tbreak;\n\t}\n}\n", 0, 4, 3},
    {"default one tab deeper", "{\n\tswitch (m) {\n\tcase 1:\n\t\tdefault:\n\t}\n}\n", 0, 4, 4},
    {"switch brace on its own line", "{\n\tswitch (m)\n\t{\n\tcase 1:\n\t\tbreak;\n\t}\n}\n", 0, 4, 4},
    {"inactive lines passed over", "{\n\tswitch (m) {\n#if 0\n\t\tcase 9:\n#endif\n\tcase 1:\n\t\tbreak;\n\t}\n}\n", 0,
     0, 0},
    {"fault after the checked lines", "{\n\tswitch (m) {\n\tcase 1:\n\t\tbreak;\n\t\t}\n}\n", 4, 0, 0},
    {"surplus closing braces", "}\n}\n\tswitch (m) {\n\tcase 1:\n\t}\n", 0, 0, 0},
};

TEST_F(Nesting, IndentCheck)
{
    for (const indent_case &c : indent_cases) {
        SCOPED_TRACE(c.what);
        const int count = anal_test::load_text(c.source);
        int line = 0;
        EXPECT_EQ(check_indent(&line, c.count > 0 ? c.count : count), c.result);
        if (c.result != 0) {
            EXPECT_EQ(line, c.line);
        }
    }
}

// A switch past the depth stack is counted but not recorded: its own tab
// count is checked, its case labels find no recorded indentation.
TEST_F(Nesting, IndentCheckBeyondTheDepthStack)
{
    const std::string deep = repeat("{\n", 150);
    const std::string closing = repeat("}\n", 150);
    int count = anal_test::load_text(deep + "\tswitch (m) {\n\t}\n" + closing);
    int line = 0;
    EXPECT_EQ(check_indent(&line, count), 0);
    count = anal_test::load_text(deep + "switch (m) {\n}\n" + closing);
    EXPECT_EQ(check_indent(&line, count), 1);
    EXPECT_EQ(line, 151);
    count = anal_test::load_text(deep + "\tswitch (m) {\n\tcase 1:\n\t}\n" + closing);
    EXPECT_EQ(check_indent(&line, count), 4);
    EXPECT_EQ(line, 152);
}

TEST_F(Nesting, AreaMarks)
{
    struct {
        const char *what;
        const char *source;
        int result;
        int line;
    } cases[] = {
        {"well-formed markers and other comments",
         "/*AREA:Main_Proc*/\nint a; /* plain */\n// line\n/* AREA:x1 */\n/*END:Main_Proc*/\n", 0, 0},
        {"digit in the name", "int a;\n/*AREA:Proc1*/\n", 1, 2},
        {"blank in the name", "/*END:Proc x*/\n", 1, 1},
        {"asterisk not followed by slash", "\n\n/*END:Proc**/\n", 2, 3},
        {"inactive lines are examined too", "#if 0\n/*AREA:A-B*/\n#endif\n", 1, 2},
        {"after a multi-line comment", "/* one\ntwo\n*/ /*AREA:Good*/ /*END:Bad9*/\n", 1, 3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        anal_test::load_text(c.source);
        int line = 0;
        EXPECT_EQ(check_area_marks(&line), c.result);
        if (c.result != 0) {
            EXPECT_EQ(line, c.line);
        }
    }
}

// Any block comment other than a marker is found with the line it starts
// on; "//" comments and markers pass, even badly named ones (the marker
// check reports those).
TEST_F(Nesting, PlainBlockComments)
{
    struct {
        const char *what;
        const char *source;
        int found;
        int line;
    } cases[] = {
        {"markers and line comments only",
         "/*AREA:Main*/\n// note /* not a comment */\n\t/*END:Main*/\nint a; // x\n", 0, 0},
        {"a block comment in the middle of a line", "int a;\nint b; /* why */ int c;\n", 1, 2},
        {"a multi-line comment gives its first line", "\n\n/* one\ntwo */\n", 1, 3},
        {"a marker with a digit in its name is a marker here", "/*AREA:Proc1*/\n/*END:Proc1*/\n", 0, 0},
        {"a blank before the marker word", "/* AREA:x */\n", 1, 1},
        {"inside an inactive block", "#if 0\n/* off */\n#endif\n", 1, 2},
        {"comment characters inside a string", "char *s = \"/* no */\";\n", 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        anal_test::load_text(c.source);
        int line = 0;
        EXPECT_EQ(find_plain_comment(&line), c.found);
        if (c.found != 0) {
            EXPECT_EQ(line, c.line);
        }
    }
    anal_test::load_text("/*AREA:Proc1*/\n");
    int line = 0;
    EXPECT_EQ(check_area_marks(&line), 1);
}

}  // namespace
