// Line-buffer pools and the area allocator, with the trace-log lines of
// their checks.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "shell/lbuf.h"
#include "shell/trace_log.h"

namespace {

std::string read_all(const char *name)
{
    std::string s;
    FILE *fp = fopen(name, "r");  // the log is a text file
    if (fp == nullptr) return s;
    char buf[512];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, fp)) > 0) s.append(buf, n);
    fclose(fp);
    return s;
}

class Lbuf : public ::testing::Test {
protected:
    void SetUp() override
    {
        lbuf_release_all();
        remove("lbuf.log");
        log_set_name("lbuf.log");
        anal_trace_on = 1;
    }
    void TearDown() override
    {
        lbuf_release_all();
        anal_trace_on = 0;
        log_set_name(nullptr);
    }
};

TEST_F(Lbuf, CopiesWithAndWithoutTheirTerminator)
{
    char *a = lbuf_add(0, "name", 0);
    ASSERT_NE(nullptr, a);
    EXPECT_STREQ("name", a);
    char *b = lbuf_add(0, "abcdef", 3);
    EXPECT_EQ(a + 5, b);  // packed behind the first copy
    EXPECT_EQ(0, memcmp(b, "abc", 3));
    EXPECT_EQ(nullptr, lbuf_add(0, nullptr, 0));
}

TEST_F(Lbuf, TheSharedAreaIsFilledFirstAndNeverFreed)
{
    const std::string chunk(4095, 'a');  // 4096 bytes with the NUL
    char *first[4];
    for (int i = 0; i < 4; ++i) first[i] = lbuf_add(i, chunk.c_str(), 0);
    for (int i = 1; i < 4; ++i) EXPECT_EQ(first[0] + 4096 * i, first[i]);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(0, lbuf_free(i));
    EXPECT_EQ(chunk, first[3]);  // still there after the frees

    // The shared area is full: two texts of 10000 bytes need two blocks of id 4.
    const std::string big(9999, 'b');
    char *x = lbuf_add(4, big.c_str(), 0);
    char *y = lbuf_add(4, big.c_str(), 0);
    ASSERT_NE(nullptr, x);
    ASSERT_NE(nullptr, y);
    EXPECT_GE(static_cast<size_t>(y > x ? y - x : x - y), 10000u);
    EXPECT_EQ(big, x);
    EXPECT_EQ(big, y);
    EXPECT_EQ(0, lbuf_free(4));
}

TEST_F(Lbuf, LengthLimitsAndBadIds)
{
    const std::string exact(16383, 'e');  // 16384 bytes with the NUL
    EXPECT_NE(nullptr, lbuf_add(1, exact.c_str(), 0));
    const std::string over(16384, 'o');
    EXPECT_EQ(nullptr, lbuf_add(1, over.c_str(), 0));
    EXPECT_EQ(nullptr, lbuf_add(20, "x", 0));
    EXPECT_EQ(nullptr, lbuf_add(-1, "x", 0));
    const std::string log = read_all("lbuf.log");
    EXPECT_NE(std::string::npos, log.find("**** error lbuf_add()のパラメータid(1)len(16385)が不正です。"));
    EXPECT_NE(std::string::npos, log.find("**** error lbuf_add()のパラメータid(20)len(2)が不正です。"));
    EXPECT_NE(std::string::npos, log.find("*** CHKA error <==     Lbuf("));
}

TEST_F(Lbuf, FreeChecksItsIdAndItsState)
{
    EXPECT_EQ(0, lbuf_free(3));  // before any add
    std::string log = read_all("lbuf.log");
    EXPECT_EQ(0u, log.find("*** CHKB error <==     Lbuf("));

    lbuf_add(0, "x", 0);
    EXPECT_EQ(-1, lbuf_free(20));
    log = read_all("lbuf.log");
    EXPECT_NE(std::string::npos, log.find("*** CHKA error <==     Lbuf("));
    EXPECT_NE(std::string::npos, log.find(" id(20) "));
    EXPECT_NE(std::string::npos, log.find("**** lbuf_free()のid(20)パラメータが不正です。\n"));
}

TEST(Area, BlocksAreChainedAndFreedWhole)
{
    EXPECT_NE(nullptr, area_alloc(0, 8168));
    EXPECT_EQ(nullptr, area_alloc(0, 8169));
    EXPECT_EQ(0, area_free(0));

    unsigned char *a = static_cast<unsigned char *>(area_alloc(1, 5000));
    unsigned char *b = static_cast<unsigned char *>(area_alloc(1, 5000));
    ASSERT_NE(nullptr, a);
    ASSERT_NE(nullptr, b);
    EXPECT_TRUE(b < a || b >= a + 5000) << "two blocks";
    memset(a, 1, 5000);
    memset(b, 2, 5000);
    unsigned char *c = static_cast<unsigned char *>(area_alloc(1, 100));
    EXPECT_TRUE(c >= b + 5000 && c < b + 8168) << "same block as b";
    EXPECT_EQ(0, area_free(1));

    EXPECT_EQ(nullptr, area_alloc(20, 1));
    EXPECT_EQ(nullptr, area_alloc(-1, 1));
    EXPECT_EQ(0, area_free(20));
}

}  // namespace
