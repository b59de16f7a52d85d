// Step records: line classification, the records of an analyser run and
// the step-count report with its slot subtotals.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "analyser/anal_inputs.h"
#include "analyser/anal_main.h"
#include "analyser/steps.h"
#include "anal_support.h"
#include "shell/startup.h"

namespace {

struct counts {
    int total, real, comment, inactive, directive, empty, commented;
};

void expect_counts(const step_record &r, const counts &c, const std::string &what)
{
    SCOPED_TRACE(what);
    EXPECT_EQ(r.total, c.total);
    EXPECT_EQ(r.real, c.real);
    EXPECT_EQ(r.comment, c.comment);
    EXPECT_EQ(r.inactive, c.inactive);
    EXPECT_EQ(r.directive, c.directive);
    EXPECT_EQ(r.empty, c.empty);
    EXPECT_EQ(r.commented, c.commented);
}

class Steps : public ::testing::Test {
protected:
    void SetUp() override
    {
        anal_test::fresh();
        reset_anal_inputs();
        lang_mode = 0;
        remove("stepcnt.txt");
    }
    void TearDown() override { reset_anal_inputs(); }
};

// One line per class combination; the first set bit of 1, 2, 8, 4 decides.
TEST_F(Steps, EveryLineCountsInExactlyOneClass)
{
    struct {
        unsigned char flags;
        counts expected;
        const char *what;
    } cases[] = {
        {1 | 2, {1, 0, 0, 0, 1, 0, 0}, "directive in an inactive region"},
        {1 | 4, {1, 0, 0, 0, 1, 0, 1}, "directive with a comment"},
        {2 | 8, {1, 0, 0, 1, 0, 0, 0}, "inactive code"},
        {2 | 4, {1, 0, 0, 1, 0, 0, 1}, "inactive comment"},
        {8 | 4, {1, 1, 0, 0, 0, 0, 1}, "code with a comment"},
        {8, {1, 1, 0, 0, 0, 0, 0}, "code"},
        {4, {1, 0, 1, 0, 0, 0, 1}, "comment only"},
        {0, {1, 0, 0, 0, 0, 1, 0}, "empty"},
    };
    for (const auto &c : cases) {
        clear_step_records();
        anal_test::load_text("x\n");
        clear_line_class();
        set_line_class_flag(0, c.flags);
        set_line_class_flag(1, 8);  // past the last line: not counted
        count_steps("one.c");
        ASSERT_EQ(step_num, 1);
        expect_counts(step_tbl[0], c.expected, c.what);
    }
}

TEST_F(Steps, AnEmptyFileGivesAllZero)
{
    anal_test::load_text("");
    count_steps("empty.c");
    ASSERT_EQ(step_num, 1);
    expect_counts(step_tbl[0], {0, 0, 0, 0, 0, 0, 0}, "empty file");
    EXPECT_EQ(step_tbl[0].functions + step_tbl[0].classes + step_tbl[0].enums, 0);
    EXPECT_STREQ(step_tbl[0].name, "empty.c");
}

TEST_F(Steps, TheTwoThousandAndFirstFileGetsNoRecord)
{
    for (int i = 0; i < step_record_cap + 1; ++i) {
        add_step_record(("f" + std::to_string(i) + ".c").c_str(), i, 0, 0, 0, 0, 0, 0);
    }
    EXPECT_EQ(step_num, step_record_cap);
    EXPECT_STREQ(step_tbl[step_record_cap - 1].name, "f1999.c");
    EXPECT_EQ(add_step_record("late.c", 1, 1, 0, 0, 0, 0, 0), 1);
    EXPECT_EQ(step_num, step_record_cap);
}

TEST_F(Steps, ExtraCountsGoToTheFirstRecordOfTheName)
{
    add_step_record("a.c", 1, 1, 0, 0, 0, 0, 0);
    add_step_record("b.c", 2, 2, 0, 0, 0, 0, 0);
    add_step_record("a.c", 3, 3, 0, 0, 0, 0, 0);
    EXPECT_EQ(set_step_extra("a.c", 4, 5, 6), 0);
    EXPECT_EQ(set_step_extra("none.c", 7, 8, 9), 1);
    EXPECT_EQ(step_tbl[0].functions, 4);
    EXPECT_EQ(step_tbl[0].classes, 5);
    EXPECT_EQ(step_tbl[0].enums, 6);
    for (int i = 1; i < 3; ++i) EXPECT_EQ(step_tbl[i].functions + step_tbl[i].classes + step_tbl[i].enums, 0);
}

TEST_F(Steps, LineClassText)
{
    anal_test::load_text("a\nb\nc\n");
    clear_line_class();
    set_line_class_flag(0, 8 | 4);
    set_line_class_flag(1, 2 | 1);
    char buf[5];
    EXPECT_STREQ(line_class_text(0, buf), "rc..");
    EXPECT_STREQ(line_class_text(1, buf), "..id");
    EXPECT_STREQ(line_class_text(2, buf), "....");
    EXPECT_STREQ(line_class_text(-1, buf), "....");
    EXPECT_STREQ(line_class_text(line_cap + 1, buf), "....");
}

// The counts of a run in list mode, as the step-count command runs it.
TEST_F(Steps, AnalyserRunAddsOneRecordPerFile)
{
    anal_test::write_file("wordattr.dat", anal_test::read_file(VOK_ANAL_DATA "/wordattr.dat"));
    anal_test::write_file("a.c",
                          "#if 0\n"                      // directive
                          "int dead;\n"                  // inactive
                          "\n"                           // blank inactive line: empty
                          "#endif\n"                     // directive
                          "int a; /* note */\n"          // code with a comment
                          "/* only a comment */\n"       // comment
                          "IMPLEMENT_DYNAMIC(X, Y)\n"    // never read: empty
                          "\f\n"                         // a form feed is a word character: code
                          "int main() { return a; }\n");  // code
    anal_test::write_file("b.c", "");
    step_mode = 1;
    add_step_record("stale.c", 1, 1, 0, 0, 0, 0, 0);
    EXPECT_EQ(anal_test::run_vokanal({"a.c", "b.c", "-i"}), 0);
    step_mode = 0;
    ASSERT_EQ(step_num, 2);
    EXPECT_STREQ(step_tbl[0].name, "a.c");
    expect_counts(step_tbl[0], {9, 3, 1, 1, 2, 2, 2}, "a.c");
    EXPECT_STREQ(step_tbl[1].name, "b.c");
    expect_counts(step_tbl[1], {0, 0, 0, 0, 0, 0, 0}, "b.c");
}

TEST_F(Steps, RunWithoutStepModeAddsNoRecord)
{
    anal_test::write_file("wordattr.dat", anal_test::read_file(VOK_ANAL_DATA "/wordattr.dat"));
    anal_test::write_file("a.c", "int a;\n");
    EXPECT_EQ(anal_test::run_vokanal({"a.c", "-i"}), 0);
    EXPECT_EQ(step_num, 0);
}

// One report line in the report's layout.
std::string line(const char *prefix, const char *name, std::vector<int> v)
{
    char buf[512];
    snprintf(buf, sizeof buf, "%s%-32s %7d %6d %6d %6d %6d %6d %6d %5d %5d %5d\n", prefix, name, v[0], v[1], v[2], v[3],
             v[4], v[5], v[6], v[7], v[8], v[9]);
    return buf;
}

const std::string header_names =
    "file" + std::string(31, ' ') + "total   real  comnt  inact  direc  empty comnta  func class  enum\n";

TEST_F(Steps, ReportOfOneRecord)
{
    add_step_record("x.c", 3, 2, 1, 0, 0, 0, 1);
    EXPECT_EQ(write_step_report("stepcnt.txt", 0), 0);
    EXPECT_EQ(anal_test::read_file("stepcnt.txt"),
              header_names + "x.c" + std::string(29, ' ') + "       3      2      1      0      0      0      1"
                                                            "     0     0     0\n");
    EXPECT_EQ(step_num, 0);  // the records end with the report
}

// Records of slots a, a, b, c and one without a slot: a slot change closes
// a subtotal, the second change on adds a midtotal of everything so far.
void add_three_slot_records()
{
    add_step_record("a:one.c", 10, 5, 2, 1, 1, 1, 3);
    add_step_record("a:two.c", 20, 10, 4, 2, 2, 2, 6);
    add_step_record("b:three.c", 30, 15, 6, 3, 3, 3, 9);
    add_step_record("plain.c", 1, 1, 0, 0, 0, 0, 0);
    add_step_record("c:four.c", 40, 20, 8, 4, 4, 4, 12);
    set_step_extra("a:one.c", 2, 1, 0);
    set_step_extra("c:four.c", 1, 0, 3);
}

TEST_F(Steps, ReportOfThreeSlotsNumberedAndUnnumbered)
{
    const std::vector<int> one = {10, 5, 2, 1, 1, 1, 3, 2, 1, 0};
    const std::vector<int> two = {20, 10, 4, 2, 2, 2, 6, 0, 0, 0};
    const std::vector<int> three = {30, 15, 6, 3, 3, 3, 9, 0, 0, 0};
    const std::vector<int> plain = {1, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    const std::vector<int> four = {40, 20, 8, 4, 4, 4, 12, 1, 0, 3};
    const std::vector<int> slot_a = {30, 15, 6, 3, 3, 3, 9, 2, 1, 0};
    const std::vector<int> slot_b = {31, 16, 6, 3, 3, 3, 9, 0, 0, 0};
    const std::vector<int> upto_c = {61, 31, 12, 6, 6, 6, 18, 2, 1, 0};
    const std::vector<int> all = {101, 51, 20, 10, 10, 10, 30, 3, 1, 3};
    for (int numbered = 0; numbered < 2; ++numbered) {
        SCOPED_TRACE(numbered);
        add_three_slot_records();
        const char *blank = numbered ? "      " : "";
        auto rec = [&](int i) {
            return numbered ? std::string(5 - std::to_string(i).size(), ' ') + std::to_string(i) + " " : "";
        };
        const std::string expected = blank + header_names + line(rec(0).c_str(), "a:one.c", one) +
                                     line(rec(1).c_str(), "a:two.c", two) + line(blank, "★SUBTOTAL", slot_a) +
                                     line(rec(2).c_str(), "b:three.c", three) +
                                     line(rec(3).c_str(), "plain.c", plain) + line(blank, "★SUBTOTAL", slot_b) +
                                     line(blank, "★MIDTOTAL", upto_c) + line(rec(4).c_str(), "c:four.c", four) +
                                     line(blank, "★SUBTOTAL", four) + line(blank, "★ENDTOTAL", all);
        EXPECT_EQ(write_step_report("stepcnt.txt", numbered), 0);
        EXPECT_EQ(anal_test::read_file("stepcnt.txt"), expected);
    }
}

// A single slot gives no subtotal; records without a slot none either.
TEST_F(Steps, ReportOfOneSlotHasOnlyTheEndTotal)
{
    add_step_record("a:one.c", 10, 5, 2, 1, 1, 1, 3);
    add_step_record("two.c", 20, 10, 4, 2, 2, 2, 6);
    add_step_record("a:three.c", 1, 1, 0, 0, 0, 0, 0);
    EXPECT_EQ(write_step_report("stepcnt.txt", 0), 0);
    EXPECT_EQ(anal_test::read_file("stepcnt.txt"),
              header_names + line("", "a:one.c", {10, 5, 2, 1, 1, 1, 3, 0, 0, 0}) +
                  line("", "two.c", {20, 10, 4, 2, 2, 2, 6, 0, 0, 0}) +
                  line("", "a:three.c", {1, 1, 0, 0, 0, 0, 0, 0, 0, 0}) +
                  line("", "★ENDTOTAL", {31, 16, 6, 3, 3, 3, 9, 0, 0, 0}));
}

TEST_F(Steps, ReportReplacesAnOldFileAndAnUnopenableOneGivesOne)
{
    anal_test::write_file("stepcnt.txt", "old text that is longer than the new report\n");
    EXPECT_EQ(write_step_report("stepcnt.txt", 0), 0);
    EXPECT_EQ(anal_test::read_file("stepcnt.txt"), header_names);
    add_step_record("x.c", 1, 1, 0, 0, 0, 0, 0);
    EXPECT_EQ(write_step_report("no_such_folder/stepcnt.txt", 0), 1);
    EXPECT_EQ(step_num, 0);
}

}  // namespace
