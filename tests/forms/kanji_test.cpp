// The Shift-JIS lead-byte test at the edges of its ranges.
#include <gtest/gtest.h>

#include "forms/kanji.h"

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
