// Trace log: switch, name, truncation on the first write, formats.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "shell/trace_log.h"

namespace {

std::string read_all(const char *name)
{
    std::string s;
    FILE *fp = fopen(name, "r");
    if (fp == nullptr) return s;
    char buf[256];
    while (fgets(buf, sizeof buf, fp) != nullptr) s += buf;
    fclose(fp);
    return s;
}

class TraceLog : public ::testing::Test {
protected:
    void SetUp() override
    {
        FILE *fp = fopen("trace.log", "w");
        fputs("old run\n", fp);
        fclose(fp);
        anal_trace_on = 1;
        log_set_name("trace.log");
    }
    void TearDown() override
    {
        anal_trace_on = 0;
        log_set_name(nullptr);
    }
};

TEST_F(TraceLog, FirstWriteStartsTheFileThenAppends)
{
    log_printf("a%d", 1);
    log_println("b%s", "2");
    EXPECT_EQ("a1b2\n", read_all("trace.log"));
}

TEST_F(TraceLog, NothingIsWrittenWhileOffOrWithoutAName)
{
    anal_trace_on = 0;
    log_printf("x");
    EXPECT_EQ("old run\n", read_all("trace.log"));
    anal_trace_on = 1;
    log_set_name(nullptr);
    log_printf("x");
    EXPECT_EQ("old run\n", read_all("trace.log"));
    log_set_name("no-such-dir/trace.log");
    EXPECT_EQ(0, log_printf("x"));  // silent
}

TEST_F(TraceLog, CallTraceAndCheckLines)
{
    call_trace(0, "get_if", 7, 1);
    call_trace(2, "get_while", 1234, 0);
    EXPECT_EQ(1, chk_error(1, 1, -2, 3, "Lbuf", 88, "a", "b", "c"));
    chk_error(0, 20, 0, 0, "Anal", 9, "id", "", "");
    EXPECT_EQ(" ==> get_if  (  7)\n"
              "<==  get_while(1234) "
              "*** CHKB error <==     Lbuf(88) a(1) b(-2) c(3)\n"
              "*** CHKA error <==     Anal(9) id(20) (0) (0)\n",
              read_all("trace.log"));
}

TEST_F(TraceLog, TextsAreCutTo511Bytes)
{
    const std::string long_text(600, 'z');
    log_printf("%s", long_text.c_str());
    EXPECT_EQ(std::string(511, 'z'), read_all("trace.log"));
}

}  // namespace
