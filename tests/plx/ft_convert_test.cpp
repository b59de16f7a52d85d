// Converting function-tree files: the written form file of a small tree,
// merged calls, a second tree below the first or below stacked old files,
// each kind of broken tree and a full table.
#include <string>

#include "plx/form_io.h"
#include "plx/ft_convert.h"
#include "plx/old_forms.h"
#include "tests/plx/plx_fixture.h"

namespace {

// main calls f1 twice (the second call merged), f1 calls g and then h; other
// is a second root whose first word begins with "(", so no number follows.
const char *const small_ft =
    "main 1 <0> main() at a.c:3\n"
    "f1 2 <1> f1(int)\n"
    "g 3 <2> g()\n"
    "f1 4 <1> f1(int)\n"
    "h 5 <2> h()\n"
    "(R) <0> other(\n";

// Hand-checked: WORK at (5,5)-(35,20); levels 130 apart, rows 20 apart.
const char *const small_f =
    "#F2\n"
    "    5     5    35    20 WORK         \n"
    "    0    20   100    30 BOX          main\n"
    "  130    20   230    30 BOX          f1\n"
    "  260    20   360    30 BOX          g\n"
    "  260    40   360    50 BOX          h\n"
    "    0    40   100    50 BOX          other\n"
    "#L2\n"
    "    0     1 ANY         \n"
    "    1     2 on_set      \n"
    "    2     3 on_set      \n"
    "    2     4 on_set      \n"
    "    0     5 ANY         \n"
    "#P1\n"
    "TAVIR Caption N 0 0 640 480\n"
    "\n\n\n\n\n";

int convert(const char *text, int first = 1, int last = 9999)
{
    FILE *fp = fopen("t.ft", "wb");
    fputs(text, fp);
    fclose(fp);
    return plx_convert_ft("t.ft", 130, 10, first, last);
}

using PlxConvert = PlxTest;

TEST_F(PlxConvert, SmallTreeGivesItsFormFile)
{
    EXPECT_EQ(plx_ft_done, convert(small_ft));
    EXPECT_EQ(0, plx_write_form("out.f"));
    EXPECT_EQ(small_f, file_text("out.f"));
}

TEST_F(PlxConvert, CrLfLinesGiveTheSameFile)
{
    std::string crlf;
    for (const char *p = small_ft; *p != '\0'; ++p) crlf += *p == '\n' ? std::string("\r\n") : std::string(1, *p);
    EXPECT_EQ(plx_ft_done, convert(crlf.c_str()));
    plx_write_form("out.f");
    EXPECT_EQ(small_f, file_text("out.f"));
}

TEST_F(PlxConvert, RepeatedCallIsMergedWithAFreshText)
{
    convert("main 1 <0> main\nf 2 <1> f\n");
    const size_t bytes = plx_text_bytes;
    convert("main 1 <0> main\nf 2 <1> f\n");
    EXPECT_EQ(3, plx_item_num);
    EXPECT_EQ(2, plx_link_num);
    EXPECT_EQ(3, plx_text_num);
    EXPECT_EQ(bytes + 4, plx_text_bytes);  // two new "\n" texts, the count unchanged
}

TEST_F(PlxConvert, SecondTreeGoesOnFromTheRowsOfTheFirst)
{
    convert("a 1 <0> a\n");
    convert("b 1 <0> b\nc 2 <1> c\n");
    EXPECT_EQ("0,40,100,50 BOX|b", item(2));
    EXPECT_EQ("130,20,230,30 BOX|c", item(3));
    EXPECT_EQ("0>1 ANY;0>2 ANY;2>3 on_set;", links());
}

TEST_F(PlxConvert, TreeAfterOldFilesStartsAtRow500)
{
    convert("x 1 <0> x\n");  // a tree before the stacking: forgotten with the model
    write_file("old.f", "#F2\n1 2 3 4 WORK w\n#P1\nold text\n");
    const char *names[] = {"old.f"};
    plx_stack_forms("old.f", names, 1);
    convert("a 1 <0> a\n");
    EXPECT_EQ("0,10020,100,10030 BOX|a", item(1));
    EXPECT_EQ("0>1 ANY;", links());  // the old file's WORK item is the root
    EXPECT_EQ(2, plx_text_num);
}

TEST_F(PlxConvert, LinesOutsideTheRangeAreSkipped)
{
    convert("a 1 <0> a\nb 2 <0> b\nc 3 <0> c\n", 2, 2);
    ASSERT_EQ(2, plx_item_num);
    EXPECT_STREQ("b", plx_items[1].name);
}

TEST_F(PlxConvert, MissingFileRecomputesTheMarks)
{
    convert("a 1 <0> a\n");
    plx_item_add(0, 0, 1, 1, "BOX", "apart");
    plx_items[2].mark = 1;
    EXPECT_EQ(plx_ft_missing, plx_convert_ft("none.ft", 130, 10, 0, 0));
    EXPECT_EQ(0, plx_items[2].mark);
    EXPECT_EQ(1, plx_items[1].mark);
}

struct broken_case {
    const char *what;
    const char *ft;
    int first;       // first line converted
    const char *w;   // the expected "w.txt"
    int items;       // items kept
};

const broken_case broken_cases[] = {
    {"no level", "a 1 <0> a\nb 2 b()\n", 1,
     "line(2) funcname() level(-1) omem[level-1](-1), nmem[level-1](-1) parent(-1)\npp[].fname()\n", 2},
    {"level past 19", "a 1 <0> a\nb 2 <1> b\nz 3 <20> z\n", 1,
     "line(3) funcname(z) level(20) omem[level-1](-1), nmem[level-1](-1) parent(-1)\npp[].fname()\n", 3},
    {"negative level", "a 1 <-1> a\n", 1,
     "line(1) funcname(a) level(-1) omem[level-1](-1), nmem[level-1](-1) parent(-1)\npp[].fname()\n", 0},
    {"no parent line", "a 1 <0> a\nb 2 <2> b\n", 1,
     "line(2) funcname(b) level(2) omem[level-1](-1), nmem[level-1](-1) parent(-1)\npp[].fname()\n", 2},
    {"parent skipped", "a 1 <0> a\nb 2 <1> b\n", 2,
     "line(2) funcname(b) level(1) omem[level-1](-1), nmem[level-1](-1) parent(-1)\npp[].fname()\n", 1},
};

TEST_F(PlxConvert, BrokenTreeWritesItsReportAndKeepsTheModel)
{
    for (const broken_case &c : broken_cases) {
        SCOPED_TRACE(c.what);
        plx_reset();
        remove("w.txt");
        EXPECT_EQ(plx_ft_broken, convert(c.ft, c.first));
        EXPECT_EQ(c.w, file_text("w.txt"));
        EXPECT_EQ(std::string(c.w).substr(0, std::string(c.w).find('\n')), plx_ft_report);
        EXPECT_EQ(c.items, plx_item_num);
    }
}

TEST_F(PlxConvert, ParentThatIsNotTheLastBoxAboveIsBroken)
{
    EXPECT_EQ(0, plx_add_func(1, 0, -1, "m", 130, 10));
    EXPECT_EQ(plx_ft_broken, plx_add_func(2, 1, 5, "x", 130, 10));
    EXPECT_EQ("line(2) funcname(x) level(1) omem[level-1](1), nmem[level-1](1) parent(5)\npp[].fname(m)\n",
              file_text("w.txt"));
    convert("n 1 <0> n\n");  // the conversion after a broken one works on the kept model
    EXPECT_EQ(3, plx_item_num);
}

TEST_F(PlxConvert, FullTableDropsTheRestOfEachLine)
{
    convert("a 1 <0> a\n");
    while (plx_item_num < plx_item_max) plx_item_add(0, 0, 1, 1, "BOX", "filler");
    const int links_before = plx_link_num;
    const int texts_before = plx_text_num;
    EXPECT_EQ(plx_ft_done, convert("c 1 <0> c\nd 2 <1> d\ne 3 <2> e\na 4 <0> a\n"));
    EXPECT_EQ(links_before, plx_link_num);
    EXPECT_EQ(texts_before, plx_text_num);
    EXPECT_EQ(plx_item_max, plx_item_num);
    EXPECT_STREQ("", plx_ft_report);
}

TEST_F(PlxConvert, LongNamesAreCut)
{
    const std::string line = "x 1 <0> " + std::string(30, 'n') + "漢字()\n";
    convert(line.c_str());
    EXPECT_EQ(std::string(30, 'n'), plx_items[1].name);
}

}  // namespace

namespace {

TEST_F(PlxConvert, SampleTreeConvertsWhole)
{
    EXPECT_EQ(plx_ft_done, plx_convert_ft(VOK_SAMPLES "/sample.ft", 130, 10, 1, 9999));
    EXPECT_EQ(14, plx_item_num);  // WORK and 13 boxes: printf under main merged
    EXPECT_EQ(13, plx_link_num);
    EXPECT_STREQ("total_of", plx_items[12].name);
    EXPECT_EQ("sample.ft\n", file_text(VOK_SAMPLES "/plx_cur.dat"));
}

}  // namespace
