// The Shift-JIS lead-byte test and its table.
#include "shell/sjis.h"

unsigned char sjis_lead[256];

int is_kanji1(int byte)
{
    const unsigned c = static_cast<unsigned char>(byte);
    return (c >= 0x80 && c <= 0xA0) || c >= 0xE0 ? 1 : 0;
}

int init_sjis_table()
{
    for (int c = 0; c < 256; ++c) sjis_lead[c] = static_cast<unsigned char>(is_kanji1(c));
    return 0;
}

int is_sjis_lead(int byte) { return sjis_lead[byte & 0xFF]; }
