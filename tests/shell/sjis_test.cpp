// The Shift-JIS lead-byte test at the edges of its ranges, and its table.
#include <gtest/gtest.h>

#include "shell/sjis.h"

TEST(Kanji, LeadBytesAreTheTwoRanges)
{
    const struct {
        int byte;
        int lead;
    } cases[] = {{0x00, 0}, {0x41, 0}, {0x7F, 0}, {0x80, 1}, {0x81, 1}, {0x9F, 1}, {0xA0, 1},
                 {0xA1, 0}, {0xB1, 0}, {0xDF, 0}, {0xE0, 1}, {0xEF, 1}, {0xFC, 1}, {0xFF, 1},
                 {static_cast<char>(0x83), 1}, {static_cast<char>(0xB1), 0}};
    for (const auto &c : cases) EXPECT_EQ(c.lead, is_kanji1(c.byte)) << std::hex << c.byte;
}

TEST(Kanji, TableAgreesWithTheTestAtEveryByte)
{
    init_sjis_table();
    for (int c = 0; c < 256; ++c) EXPECT_EQ(is_kanji1(c), is_sjis_lead(c)) << std::hex << c;
    EXPECT_EQ(is_sjis_lead(-0x7D), 1);  // 0x83 passed as a signed char
}
